#include "GdiTestSupport.h"

namespace {

int CountDark(const Canvas& c, RECT r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF p = c.At(x, y);
            n += GetRValue(p) + GetGValue(p) + GetBValue(p) < 3 * 80;
        }
    return n;
}

} // namespace

TEST(GdiFrameControl, CheckBoxShowsItsMarkOnlyWhenChecked)
{
    struct Case
    {
        UINT state;
        bool mark;
    };
    for (const Case& tc :
         {Case{DFCS_BUTTONCHECK, false}, Case{DFCS_BUTTONCHECK | DFCS_CHECKED, true},
          Case{DFCS_BUTTONRADIO, false}, Case{DFCS_BUTTONRADIO | DFCS_CHECKED, true}}) {
        SCOPED_TRACE(testing::Message() << std::hex << tc.state);
        Canvas c(20, 20, GetSysColor(COLOR_BTNFACE));
        RECT r{0, 0, 20, 20};
        ASSERT_TRUE(DrawFrameControl(c.dc, &r, DFC_BUTTON, tc.state));
        const RECT middle{4, 7, 9, 13};
        if (tc.mark)
            EXPECT_GT(CountDark(c, middle), 4);
        else
            EXPECT_EQ(CountDark(c, middle), 0);
        EXPECT_EQ(c.At(5, 10) == GetSysColor(COLOR_WINDOW), !tc.mark);
    }
}

TEST(GdiFrameControl, PushedButtonIsSunkenAndAdjustsInward)
{
    Canvas up(30, 20);
    Canvas down(30, 20);
    RECT r{0, 0, 30, 20};
    DrawFrameControl(up.dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    RECT adjusted = r;
    DrawFrameControl(down.dc, &adjusted, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_ADJUSTRECT);
    EXPECT_EQ(up.At(0, 0), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(up.At(29, 19), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(down.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(up.At(15, 10), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(adjusted.left, 2);
    EXPECT_EQ(adjusted.bottom, 18);
}

TEST(GdiFrameControl, ScrollArrowsPointTheirWay)
{
    Canvas c(17, 17);
    RECT r{0, 0, 17, 17};
    DrawFrameControl(c.dc, &r, DFC_SCROLL, DFCS_SCROLLDOWN);
    // A down arrow is wider at its top than at its bottom.
    const RECT ink = c.InkBox(GetSysColor(COLOR_BTNFACE));
    int topWidth = 0;
    int bottomWidth = 0;
    for (int x = 2; x < 15; ++x) {
        topWidth += c.At(x, 6) == GetSysColor(COLOR_BTNTEXT);
        bottomWidth += c.At(x, 10) == GetSysColor(COLOR_BTNTEXT);
    }
    EXPECT_GT(topWidth, bottomWidth);
    EXPECT_GT(bottomWidth, 0);
    EXPECT_EQ(ink.left, 0);
    EXPECT_FALSE(DrawFrameControl(c.dc, &r, 99, 0));
    EXPECT_FALSE(DrawFrameControl(nullptr, &r, DFC_SCROLL, 0));
}
