// Backgrounds and frames painted from colour lists, checked on the pixels of a memory DC.

#include "platform/win/WinGdi.h"
#include "platform/win/mfc/CDC.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/painting/PropertyRowPainter.h"
#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

class Canvas
{
public:
    Canvas(int w, int h)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap = CreateBitmap(w, h, 1, 32, nullptr);
        m_old = SelectObject(m_dc.GetSafeHdc(), m_bitmap);
        RECT all{0, 0, w, h};
        m_dc.FillSolidRect(&all, RGB(1, 1, 1));
    }
    ~Canvas()
    {
        SelectObject(m_dc.GetSafeHdc(), m_old);
        DeleteObject(m_bitmap);
    }
    CDC* dc() { return &m_dc; }
    COLORREF at(int x, int y) { return m_dc.GetPixel(x, y); }

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

dsc::DrawStyleColor Colors(const wchar_t* text)
{
    return dsc::DrawStyleColor::Parse(text);
}

} // namespace

TEST(StyleColorFill, OneColourFillsSolidly)
{
    Canvas c(20, 20);
    Colors(L"#336699").fill(c.dc(), RECT{2, 2, 10, 10}, false);
    EXPECT_EQ(c.at(2, 2), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(c.at(9, 9), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(c.at(10, 10), RGB(1, 1, 1)); // right and bottom edges are outside
}

TEST(StyleColorFill, TwoColoursShadeTopToBottom)
{
    Canvas c(10, 101);
    Colors(L"#000000;#C8C8C8").fill(c.dc(), RECT{0, 0, 10, 101}, false);
    EXPECT_EQ(c.at(5, 0), RGB(0, 0, 0));
    COLORREF last = c.at(5, 100);
    EXPECT_NEAR(GetRValue(last), 199, 2); // 200 scaled by 255 lands just below 200
    COLORREF middle = c.at(5, 50);
    EXPECT_NEAR(GetRValue(middle), 100, 3);
    EXPECT_EQ(c.at(0, 50), c.at(9, 50)); // vertical gradient: rows are uniform
}

TEST(StyleColorFill, FourColoursShadeEachHalf)
{
    Canvas c(10, 100);
    Colors(L"#FF0000;#FF0000;#0000FF;#0000FF").fill(c.dc(), RECT{0, 0, 10, 100}, false);
    EXPECT_GT(GetRValue(c.at(5, 10)), 240);
    EXPECT_EQ(GetBValue(c.at(5, 10)), 0);
    EXPECT_GT(GetBValue(c.at(5, 60)), 240);
    EXPECT_EQ(GetRValue(c.at(5, 60)), 0);
}

TEST(StyleColorFill, OtherCountsPaintNothing)
{
    Canvas c(10, 10);
    Colors(L"#FF0000;#00FF00;#0000FF").fill(c.dc(), RECT{0, 0, 10, 10}, false);
    Colors(L"").frame(c.dc(), RECT{0, 0, 10, 10});
    EXPECT_EQ(c.at(5, 5), RGB(1, 1, 1));
    EXPECT_EQ(c.at(0, 0), RGB(1, 1, 1));
    Colors(L"#FF0000").fill(nullptr, RECT{0, 0, 10, 10}, false); // no surface: nothing, no crash
}

TEST(StyleColorFrame, EdgesTakeTheirColours)
{
    Canvas c(12, 12);
    const RECT r{1, 1, 11, 11};
    Colors(L"#FF0000;#0000FF").frame(c.dc(), r);
    EXPECT_EQ(c.at(5, 1), RGB(255, 0, 0));  // top
    EXPECT_EQ(c.at(1, 5), RGB(255, 0, 0));  // left
    EXPECT_EQ(c.at(5, 10), RGB(0, 0, 255)); // bottom
    EXPECT_EQ(c.at(10, 5), RGB(0, 0, 255)); // right
    EXPECT_EQ(c.at(5, 5), RGB(1, 1, 1));

    Canvas four(12, 12);
    Colors(L"#FF0000;#00FF00;#0000FF;#FFFF00").frame(four.dc(), r);
    EXPECT_EQ(four.at(5, 1), RGB(255, 0, 0));
    EXPECT_EQ(four.at(10, 5), RGB(0, 255, 0));
    EXPECT_EQ(four.at(5, 10), RGB(0, 0, 255));
    EXPECT_EQ(four.at(1, 5), RGB(255, 255, 0));
    EXPECT_EQ(four.at(11, 5), RGB(1, 1, 1)); // nothing outside the rectangle
}

// The name cell is filled with the first colour of the item background even when the element
// lists a gradient; gradients are for headers and editor faces.
TEST(NameCellFill, AGradientItemBackgroundFillsTheNameCellWithItsFirstColour)
{
    namespace fs = std::filesystem;
    fs::path file = fs::temp_directory_path() / ("ztui-cell-" + std::to_string(getpid()) + ".xml");
    std::ofstream(file) << "<pane><propertyList><item>"
                           "<background type=\"color\">#FF0000;#0000FF</background>"
                           "</item></propertyList></pane>";
    std::unique_ptr<dsc::DrawStyleItem> tree = zt::PropertyStyle::LoadTree(file.string());
    fs::remove(file);
    ASSERT_NE(tree, nullptr);
    zt::PropertyRowPainter painter(zt::StyleLookup(zt::PropertyStyle::StyleRootOf(tree.get())));

    zt::PropertyList_imp list;
    list.addItem(L"组", true, L"", nullptr)->setInt(1);
    list.refresh();
    ASSERT_EQ(list.rows().visibleRows().size(), 2u);
    Canvas c(200, 40);
    painter.DrawNameCell(c.dc(), *list.rows().visibleRows()[1], RECT{0, 0, 200, 40}, 0.5);
    EXPECT_EQ(c.at(30, 2), RGB(255, 0, 0));
    EXPECT_EQ(c.at(30, 37), RGB(255, 0, 0)); // a gradient would have reached blue here
    EXPECT_EQ(c.at(60, 20), RGB(255, 0, 0));
}
