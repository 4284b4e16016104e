// The collapsible group box: its header band, its members found in the parent's groups, the
// fold and unfold by a click on the header, the hover colour, and the notices to the parent.

#include "tests/widgets/WidgetTestSupport.h"
#include "ztui/widgets/CollapseGroupBox.h"
#include "ztui/widgets/ControlGroups.h"

#include <string>

using zt::CollapseGroupBox;

namespace {

constexpr int kBoxId = 200;
constexpr int kFirstMember = 201;
constexpr int kSecondMember = 202;
constexpr int kOutsider = 203;

// A parent that describes its layout as a dialog of the library does.
class GroupsParent : public RecordingParent, public zt::IControlGroupsSource
{
public:
    const zt::CtrlPairGroups& GetGroupsPair() const override { return groups; }
    zt::CtrlPairGroups groups;
};

struct CollapseGroupBoxTest : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateParent(400, 300));
        parent.groups = {{{{kBoxId, 0}}, {{kFirstMember, 0}, {kSecondMember, 1}}},
                         {{{kOutsider, 0}}}};
        ASSERT_TRUE(box.Create(L"几何", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                               CRect(10, 10, 210, 110), &parent, kBoxId));
        first.Create(L"厚度", WS_CHILD | WS_VISIBLE, CRect(20, 40, 80, 60), &parent, kFirstMember);
        second.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(90, 40, 200, 60), &parent,
                      kSecondMember);
        outsider.Create(L"外", WS_CHILD | WS_VISIBLE, CRect(20, 130, 80, 150), &parent, kOutsider);
        desk.pump();
    }
    void TearDown() override
    {
        for (CWnd* w : {static_cast<CWnd*>(&box), static_cast<CWnd*>(&first),
                        static_cast<CWnd*>(&second), static_cast<CWnd*>(&outsider)})
            if (w->m_hWnd)
                w->DestroyWindow();
        parent.DestroyWindow();
    }
    CRect BoxRect() const
    {
        CRect r;
        box.GetWindowRect(&r);
        parent.ScreenToClient(&r);
        return r;
    }
    POINT Screen(int x, int y) const
    {
        POINT p{x, y};
        ::ClientToScreen(box.m_hWnd, &p);
        return p;
    }
    void ClickBox(int x, int y)
    {
        POINT p = Screen(x, y);
        desk.click(p.x, p.y);
    }
    COLORREF Pixel(int x, int y)
    {
        POINT p = Screen(x, y);
        return desk.pixel(p.x, p.y);
    }

    DesktopFixture desk;
    GroupsParent parent;
    CollapseGroupBox box;
    CStatic first;
    CEdit second;
    CStatic outsider;
};

} // namespace

TEST_F(CollapseGroupBoxTest, AttachingGivesTheBoldDefaultFontAndTheDefaultColours)
{
    const LOGFONTW& lf = box.GetLogFont();
    EXPECT_EQ(lf.lfHeight, 15);
    EXPECT_EQ(lf.lfWidth, 7);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfCharSet, 1);
    EXPECT_EQ(lf.lfQuality, 2);
    EXPECT_EQ(lf.lfPitchAndFamily, 0x12);
    EXPECT_EQ(lf.lfFaceName[0], L'\0');
    EXPECT_EQ(box.GetFrameColor(), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(box.GetCurrentHeaderColor(), 0xA9A9A9u);
    EXPECT_EQ(box.GetHoverHeaderColor(), 0xCFCFCFu);
    EXPECT_EQ(box.GetBackgroundColor(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(box.GetGlyphColor(), ::GetSysColor(COLOR_CAPTIONTEXT));
    EXPECT_FALSE(box.IsCollapsed());
}

TEST_F(CollapseGroupBoxTest, TheFirstPaintShowsTheHeaderBandOfTheWindowText)
{
    EXPECT_TRUE(box.IsRendered());
    EXPECT_EQ(std::wstring(box.GetTitle().GetString()), L" 几何 ");
    EXPECT_EQ((box.GetStyle() & CollapseGroupBox::kPaintStyleBits),
              CollapseGroupBox::kPaintStyleBits);
    // 1 + 4 + 15: the band a paint copies is exactly the header.
    EXPECT_EQ(box.GetHeaderRect(), CRect(1, 1, 199, 20));
    EXPECT_EQ(box.GetContentRect(), CRect(1, 20, 199, 99));
    EXPECT_EQ(Pixel(150, 10), RGB(0xA9, 0xA9, 0xA9));
    // The glyph sits at the right end of a left-aligned title: the first stroke of the
    // downward chevron runs from its corner.
    EXPECT_EQ(box.GetGlyphRect(), CRect(186, 6, 190, 15));
    EXPECT_EQ(Pixel(187, 7), ::GetSysColor(COLOR_CAPTIONTEXT));
}

TEST_F(CollapseGroupBoxTest, MembersAreTheLaterRowsOfTheGroupItHeads)
{
    EXPECT_EQ(box.GetMembers(), (std::vector<int>{kFirstMember, kSecondMember}));

    CollapseGroupBox loose;
    ASSERT_TRUE(loose.Create(L"x", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(220, 10, 380, 60),
                             &parent, 250));
    desk.pump();
    EXPECT_TRUE(loose.IsRendered());
    EXPECT_TRUE(loose.GetMembers().empty());
}

TEST_F(CollapseGroupBoxTest, AHeaderClickFoldsTheGroupAndASecondOpensItAgain)
{
    ClickBox(60, 10);
    EXPECT_TRUE(box.IsCollapsed());
    EXPECT_EQ(BoxRect(), CRect(10, 10, 210, 31));
    EXPECT_FALSE(first.IsWindowVisible());
    EXPECT_FALSE(second.IsWindowVisible());
    EXPECT_TRUE(outsider.IsWindowVisible());
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdCollapseChanged), 1);
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdHeaderClicked), 1);
    // The folded glyph points left at the right end of the band.
    EXPECT_EQ(Pixel(box.GetGlyphRect().right, 7), ::GetSysColor(COLOR_CAPTIONTEXT));

    ClickBox(60, 10);
    EXPECT_FALSE(box.IsCollapsed());
    EXPECT_EQ(BoxRect(), CRect(10, 10, 210, 110));
    EXPECT_TRUE(first.IsWindowVisible());
    EXPECT_TRUE(second.IsWindowVisible());
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdCollapseChanged), 2);
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdHeaderClicked), 2);
}

TEST_F(CollapseGroupBoxTest, AClickBelowTheHeaderNotifiesWithoutFolding)
{
    ClickBox(60, 60);
    EXPECT_FALSE(box.IsCollapsed());
    EXPECT_EQ(BoxRect().Height(), 100);
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdHeaderClicked), 1);
    EXPECT_EQ(parent.Commands(CollapseGroupBox::kCmdCollapseChanged), 0);
}

TEST_F(CollapseGroupBoxTest, TheHeaderLightsUpUnderThePointer)
{
    POINT in = Screen(150, 10);
    desk.moveTo(in);
    EXPECT_EQ(box.GetCurrentHeaderColor(), 0xCFCFCFu);
    EXPECT_EQ(::GetCapture(), box.m_hWnd);
    EXPECT_EQ(Pixel(150, 10), RGB(0xCF, 0xCF, 0xCF));

    POINT out = Screen(150, 60);
    desk.moveTo(out);
    EXPECT_EQ(box.GetCurrentHeaderColor(), 0xA9A9A9u);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Pixel(150, 10), RGB(0xA9, 0xA9, 0xA9));
}

TEST_F(CollapseGroupBoxTest, SettersChangeWhatThePaintShows)
{
    box.SetHeaderColor(RGB(200, 0, 0));
    EXPECT_EQ(Pixel(150, 10), RGB(200, 0, 0));
    EXPECT_EQ(box.GetNormalHeaderColor(), 0xA9A9A9u);

    box.SetTitleAlign(1);
    EXPECT_EQ(box.GetTitleAlign(), 1);
    EXPECT_EQ(box.GetGlyphRect().left, box.GetHeaderRect().left + 6);
    box.SetTitleAlign(5);
    EXPECT_EQ(box.GetTitleAlign(), 1);

    box.SetTitle(L"尺寸");
    EXPECT_EQ(std::wstring(box.GetTitle().GetString()), L"尺寸");

    box.SetBold(FALSE);
    EXPECT_EQ(box.GetLogFont().lfWeight, 400);
    box.SetItalic(TRUE);
    box.SetUnderline(TRUE);
    EXPECT_EQ(box.GetLogFont().lfItalic, 1);
    EXPECT_EQ(box.GetLogFont().lfUnderline, 1);
    box.SetFaceName(L"一个非常非常长的字体名称一个非常非常长的字体名称一个非常非常长的", 134);
    EXPECT_EQ(std::wstring(box.GetLogFont().lfFaceName).size(), 31u);
    EXPECT_EQ(box.GetLogFont().lfCharSet, 134);
}

TEST_F(CollapseGroupBoxTest, ALargerPointSizeMakesATallerHeader)
{
    box.SetFaceName(L"宋体", 134);
    box.SetPointSize(16);
    EXPECT_EQ(std::wstring(box.GetLogFont().lfFaceName), L"宋体");
    EXPECT_GT(box.GetHeaderRect().Height(), 19);
    EXPECT_EQ(
        box.GetHeaderRect().Height(), 4 + [&] {
            CClientDC dc(&box);
            CFont font;
            font.CreateFontIndirect(&box.GetLogFont());
            CFont* old = dc.SelectObject(&font);
            int cy = dc.GetTextExtent(box.GetTitle()).cy;
            dc.SelectObject(old);
            return cy;
        }());
}

TEST_F(CollapseGroupBoxTest, ATitleSetBeforeTheWindowExistsIsIgnored)
{
    CollapseGroupBox early;
    early.SetTitle(L"早");
    EXPECT_TRUE(early.GetTitle().IsEmpty());
}

TEST_F(CollapseGroupBoxTest, FoldingBeforeTheFirstPaintStillOpensToTheDesignedHeight)
{
    CollapseGroupBox fresh;
    ASSERT_TRUE(fresh.Create(L"新", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 160, 210, 240),
                             &parent, 260));
    fresh.SetCollapsed(TRUE);
    CRect r;
    fresh.GetWindowRect(&r);
    EXPECT_EQ(r.Height(), 21);
    fresh.SetCollapsed(FALSE);
    fresh.GetWindowRect(&r);
    EXPECT_EQ(r.Height(), 80);
}
