// The property list window: what the list box holds for the rows, collapse and expand on the
// glyph zone, the divider drag, the painted headers and name cells, and the editor cells.

#include "platform/win/GdiDiagnostics.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/proplist/painting/PropertyRowPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using zt::ListBoxProperty;
using zt::PropertyRowKind;

namespace {

constexpr int kListWidth = 320;
constexpr int kListHeight = 400;

// The style's colours for the pixel checks, solid so that every pixel of a band is known.
const char* const kStyleFile = R"(<?xml version="1.0" encoding="utf-8"?>
<pane>
  <draw><background type="color">#F0F0F0</background></draw>
  <propertyList>
    <group>
      <background type="color">#3060A0</background>
      <border type="color">#102030</border>
    </group>
    <item>
      <background type="color">#FFFFE0</background>
      <border type="color">#C00000</border>
    </item>
  </propertyList>
</pane>
)";

class ScratchStyle
{
public:
    ScratchStyle()
    {
        m_old = fs::current_path();
        m_dir = fs::temp_directory_path() / ("ztui-listbox-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        std::ofstream(m_dir / "property.xml", std::ios::binary) << kStyleFile;
        fs::current_path(m_dir);
    }
    ~ScratchStyle()
    {
        fs::current_path(m_old);
        fs::remove_all(m_dir);
    }

private:
    fs::path m_old;
    fs::path m_dir;
};

HBITMAP SolidBitmap(int w, int h, COLORREF color)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, w, h};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Raw input, queued without pumping: a drag must be queued whole because the window runs its
// own loop while the button is down.
void QueueMouse(DWORD flags, POINT screen = {})
{
    SIZE s = zt::win::Desktop::ScreenSize();
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = static_cast<LONG>((static_cast<long long>(screen.x) * 65536 + s.cx - 1) / s.cx);
        in.mi.dy = static_cast<LONG>((static_cast<long long>(screen.y) * 65536 + s.cy - 1) / s.cy);
    }
    SendInput(1, &in, sizeof(INPUT));
}

// An editor holder that records where it was put.
class RecordingCtrl : public zt::item_ctrl
{
public:
    RecordingCtrl(CWnd* parent, UINT id)
    {
        m_window =
            CreateWindowEx(0, L"Edit", L"", WS_CHILD, 0, 0, 10, 10, parent->m_hWnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }
    HWND window() const override { return m_window; }
    void move(const RECT& rect) override
    {
        MoveWindow(m_window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   TRUE);
    }

private:
    HWND m_window;
};

struct ListBoxPropertyTest : ::testing::Test
{
    DesktopFixture desk;
    CWnd parent;
    zt::PropertyList_imp list;
    ListBoxProperty box;

    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"parent",
                                    WS_POPUP | WS_VISIBLE, 100, 100, 400, 500, nullptr, nullptr));
        parent.SetActiveWindow();
        ASSERT_TRUE(box.CreateList(CRect(0, 0, kListWidth, kListHeight), &parent, 77));
        box.SetList(&list);
    }
    void TearDown() override
    {
        box.SetList(nullptr);
        box.DestroyWindow();
        parent.DestroyWindow();
    }

    void Fill()
    {
        list.addItem(L"常规", true, L"名称", nullptr)->setText(L"墙");
        list.addItem(L"常规", true, L"长度", nullptr)->setDouble(1200);
        list.addItem(L"常规", true, L"角度", nullptr)->setAngle(0.5);
        list.addItem(L"常规", true, L"位置", nullptr)->setPoint(DPoint3d{1, 2, 3});
        list.addItem(L"常规", true, L"说明", nullptr)->setMultiText(L"a\nb\nc", 3);
        list.addItem(L"常规", true, L"图例", SolidBitmap(90, 40, RGB(0, 160, 0)));
        list.addItem(L"材质", false, L"颜色", nullptr)->setColor(RGB(255, 0, 0));
        list.addItem(L"材质", false, L"图片", nullptr)->setImage(nullptr);
        list.refresh();
    }

    POINT Screen(int x, int y) const
    {
        POINT p{x, y};
        ::ClientToScreen(box.m_hWnd, &p);
        return p;
    }
    CRect Row(int i) const
    {
        CRect r;
        box.GetItemRect(i, &r);
        return r;
    }
    CRect Client() const
    {
        CRect c;
        box.GetClientRect(&c);
        return c;
    }
    void Drag(int fromX, int toX)
    {
        desk.moveTo(Screen(fromX, 5));
        QueueMouse(MOUSEEVENTF_LEFTDOWN);
        QueueMouse(MOUSEEVENTF_MOVE, Screen((fromX + toX) / 2, 5));
        QueueMouse(MOUSEEVENTF_MOVE, Screen(toX, 5));
        QueueMouse(MOUSEEVENTF_LEFTUP);
        desk.pump();
    }
};

} // namespace

TEST_F(ListBoxPropertyTest, TheListBoxHoldsOneStringAndHeightPerVisibleRow)
{
    Fill();
    struct Expected
    {
        const wchar_t* text;
        int height;
    };
    const Expected rows[] = {
        {L"常规", 26},        {L"名称", 24},        {L"长度", 24},        {L"角度", 24},
        {L"位置 X 坐标", 24}, {L"位置 Y 坐标", 24}, {L"位置 Z 坐标", 24}, {L"说明", 48},
        {L"图例", 40},        {L"材质", 26},
    };
    ASSERT_EQ(box.GetCount(), static_cast<int>(std::size(rows)));
    for (int i = 0; i < box.GetCount(); ++i) {
        SCOPED_TRACE(i);
        CString text;
        box.GetText(i, text);
        EXPECT_EQ(std::wstring(text.GetString()), std::wstring(rows[i].text));
        EXPECT_EQ(box.GetItemHeight(i), rows[i].height);
    }
}

TEST_F(ListBoxPropertyTest, ACollapsedGroupShowsItsRowsWhenExpanded)
{
    Fill();
    auto& groups = list.rows().groups();
    groups[1]->setExpanded(true);
    box.Repopulate();
    ASSERT_EQ(box.GetCount(), 12);
    EXPECT_EQ(box.GetItemHeight(10), 24); // colour row
    EXPECT_EQ(box.GetItemHeight(11), 60); // image row without a picture
}

TEST_F(ListBoxPropertyTest, AClickInTheGlyphZoneTogglesTheGroupAndOneBesideItDoesNot)
{
    Fill();
    CRect header = Row(0);
    ASSERT_EQ(box.GetCount(), 10);

    desk.click(Screen(header.right - 35, header.top + 13));
    EXPECT_EQ(box.GetCount(), 10);
    EXPECT_TRUE(list.rows().groups()[0]->expanded());

    desk.advance(2000); // no double click
    desk.click(Screen(header.right - 25, header.top + 13));
    EXPECT_FALSE(list.rows().groups()[0]->expanded());
    EXPECT_EQ(box.GetCount(), 2);

    desk.advance(2000);
    desk.click(Screen(header.right - 25, header.top + 13));
    EXPECT_TRUE(list.rows().groups()[0]->expanded());
    EXPECT_EQ(box.GetCount(), 10);
}

TEST_F(ListBoxPropertyTest, TheDividerSplitsByFractionOrByPixels)
{
    CRect row(10, 0, 310, 24);
    EXPECT_EQ(zt::PropertyRowPainter::DividerX(row, 0.5), 160);
    EXPECT_EQ(zt::PropertyRowPainter::DividerX(row, 0.3), 100);
    EXPECT_EQ(zt::PropertyRowPainter::DividerX(row, 150), 160);
    EXPECT_EQ(zt::PropertyRowPainter::DividerX(row, 1000), 310); // never past the row
}

TEST_F(ListBoxPropertyTest, DividerDragsAreClampedToATenthOfTheWidth)
{
    Fill();
    const int width = Client().Width();
    struct Case
    {
        double releaseAt;
        double expected;
    };
    const Case cases[] = {{0.02, 0.1}, {0.95, 0.9}, {0.4, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.releaseAt);
        int to = static_cast<int>(width * c.releaseAt);
        Drag(box.DividerX(), to);
        EXPECT_FALSE(box.IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        double expected = c.expected > 0 ? c.expected : static_cast<double>(to) / width;
        EXPECT_DOUBLE_EQ(box.ColumnSplit(), expected);
        desk.advance(2000);
    }
}

TEST_F(ListBoxPropertyTest, ADragReplacesAPixelSplitByAFraction)
{
    Fill();
    box.SetColumnSplit(150);
    ASSERT_EQ(box.DividerX(), 150);
    Drag(150, 120);
    EXPECT_LT(box.ColumnSplit(), 1.0);
    EXPECT_DOUBLE_EQ(box.ColumnSplit(), 120.0 / Client().Width());
    EXPECT_EQ(box.DividerX(), 120);
}

TEST_F(ListBoxPropertyTest, APressBesideTheDividerDoesNotDrag)
{
    Fill();
    int x = box.DividerX();
    desk.click(Screen(x + 3, Row(1).top + 5)); // right edge of the zone is outside
    EXPECT_DOUBLE_EQ(box.ColumnSplit(), 0.5);
    EXPECT_EQ(box.GetCurSel(), 1);
}

TEST_F(ListBoxPropertyTest, TheResizeCursorShowsOverTheDivider)
{
    Fill();
    desk.moveTo(Screen(box.DividerX() - 3, Row(1).top + 5));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    desk.moveTo(Screen(box.DividerX() + 40, Row(1).top + 5));
    EXPECT_NE(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
}

TEST_F(ListBoxPropertyTest, EditorCellsFollowTheRowsAfterARepopulateAndAScroll)
{
    int created = 0;
    std::vector<UINT> ids;
    box.SetEditorFactory([&](zt::prop_item_baseObj& row, CWnd* parentWnd, UINT id) {
        ++created;
        ids.push_back(id);
        EXPECT_FALSE(row.isHeader());
        return std::make_unique<RecordingCtrl>(parentWnd, id);
    });
    for (int i = 0; i < 30; ++i)
        list.addItem(L"常规", true, L"项", nullptr)->setInt(i);
    list.refresh();

    const auto& rects = box.EditorRects();
    ASSERT_EQ(rects.size(), 31u);
    EXPECT_TRUE(rects[0].IsRectEmpty()); // the header has no editor
    EXPECT_EQ(created, 30);
    ASSERT_EQ(ids.size(), 30u);
    for (size_t i = 1; i < ids.size(); ++i)
        EXPECT_EQ(ids[i], ids[0] + i); // ordinary rows count up from one shared counter
    for (int i = 1; i <= 30; ++i) {
        SCOPED_TRACE(i);
        CRect r = Row(i);
        CRect expected(zt::PropertyRowPainter::DividerX(r, 0.5) + 3, r.top, r.right, r.bottom);
        expected.DeflateRect(1, 1);
        EXPECT_EQ(rects[static_cast<size_t>(i)], expected);
        auto* editor = box.Editor(list.rows().visibleRow(i));
        ASSERT_NE(editor, nullptr);
        CRect placed;
        GetWindowRect(editor->window(), &placed);
        box.ScreenToClient(&placed);
        EXPECT_EQ(placed, expected);
        EXPECT_TRUE(IsWindowVisible(editor->window()));
    }

    const int firstTop = rects[1].top;
    desk.wheel(Screen(100, 100).x, Screen(100, 100).y, -120);
    ASSERT_GT(box.GetTopIndex(), 0);
    desk.pump();                                   // the posted layout
    EXPECT_LT(box.EditorRects()[1].top, firstTop); // scrolled out upward, placed above
    EXPECT_EQ(box.EditorRects()[1].top, Row(1).top + 1);
    EXPECT_EQ(created, 30); // the editors are kept, only moved
}

TEST_F(ListBoxPropertyTest, ClearingTheListDropsStringsAndEditors)
{
    box.SetEditorFactory([](zt::prop_item_baseObj&, CWnd* parentWnd, UINT id) {
        return std::make_unique<RecordingCtrl>(parentWnd, id);
    });
    Fill();
    ASSERT_NE(box.Editor(list.rows().visibleRow(1)), nullptr);
    list.clear();
    EXPECT_EQ(box.GetCount(), 0);
    EXPECT_TRUE(box.EditorRects().empty());
}

TEST_F(ListBoxPropertyTest, ShowingAnotherListDestroysTheEditorsOfTheFirst)
{
    Fill();
    zt::prop_item_baseObj* row = list.rows().visibleRow(1);
    ASSERT_NE(box.Editor(row), nullptr);
    HWND editor = box.Editor(row)->window();
    ASSERT_TRUE(::IsWindow(editor));

    zt::PropertyList_imp other;
    other.addItem(L"其他", true, L"宽度", nullptr)->setDouble(240);
    box.SetList(&other);
    other.refresh();
    EXPECT_FALSE(::IsWindow(editor));
    EXPECT_EQ(row->editor(), nullptr); // the first list's rows stay, without editors
    ASSERT_NE(box.Editor(other.rows().visibleRow(1)), nullptr);
    EXPECT_EQ(::GetParent(box.Editor(other.rows().visibleRow(1))->window()), box.m_hWnd);
    box.SetList(nullptr);
}

TEST_F(ListBoxPropertyTest, NegativeIndicesAreNeitherMeasuredNorDrawn)
{
    Fill();
    MEASUREITEMSTRUCT mis{};
    mis.itemID = static_cast<UINT>(-1);
    mis.itemHeight = 7;
    box.MeasureItem(&mis);
    EXPECT_EQ(mis.itemHeight, 7u);
    DRAWITEMSTRUCT dis{};
    dis.itemID = static_cast<UINT>(-1);
    box.DrawItem(&dis); // no DC: must not be touched
    dis.itemID = 500;
    box.DrawItem(&dis);
}

// Pixels against a style file of known solid colours; the style is read once per process,
// so this fixture must be the first to ask for it (each test runs in its own process).
struct ListBoxPropertyPaint : ListBoxPropertyTest
{
    ScratchStyle style;

    void SetUp() override
    {
        ASSERT_EQ(zt::PropertyStyle::Get().Color(L"propertyList/item/border", 0), RGB(0xC0, 0, 0))
            << "the style was loaded before this test changed directory";
        ListBoxPropertyTest::SetUp();
        // The list's own painting, without the default editors covering the value cells.
        box.SetEditorFactory(nullptr);
    }
    COLORREF At(int x, int y)
    {
        POINT p = Screen(x, y);
        return desk.pixel(p.x, p.y);
    }
};

TEST_F(ListBoxPropertyPaint, AGroupHeaderIsFilledFramedAndShowsItsGlyph)
{
    Fill();
    const COLORREF fill = RGB(0x30, 0x60, 0xA0);
    const COLORREF border = RGB(0x10, 0x20, 0x30);
    CRect expanded = Row(0);
    EXPECT_EQ(At(expanded.left + 2, expanded.top + 1), RGB(0xF0, 0xF0, 0xF0)); // the 4-px gap
    EXPECT_EQ(At(expanded.left + 2, expanded.top + 4), border);                // frame top
    EXPECT_EQ(At(expanded.left, expanded.top + 10), border);                   // frame left
    EXPECT_EQ(At(expanded.right - 1, expanded.top + 10), border);              // frame right
    EXPECT_EQ(At(expanded.left + 2, expanded.bottom - 1), border);             // frame bottom
    EXPECT_EQ(At(expanded.left + 3, expanded.top + 8), fill);

    int cx = expanded.right - 20;
    int cy = (expanded.top + 4 + expanded.bottom) / 2;
    EXPECT_EQ(At(cx - 4, cy), RGB(0, 0, 0)); // minus bar
    EXPECT_EQ(At(cx + 3, cy - 1), RGB(0, 0, 0));
    EXPECT_EQ(At(cx, cy - 3), fill); // no upright bar when expanded

    CRect collapsed = Row(9);
    cy = (collapsed.top + 4 + collapsed.bottom) / 2;
    EXPECT_EQ(At(collapsed.right - 20, cy - 3), RGB(0, 0, 0)); // plus
    EXPECT_EQ(At(collapsed.right - 20 - 4, cy), RGB(0, 0, 0));
}

TEST_F(ListBoxPropertyPaint, ANameCellIsIndentedFilledAndDivided)
{
    Fill();
    const COLORREF background = RGB(0xFF, 0xFF, 0xE0);
    const COLORREF line = RGB(0xC0, 0, 0);
    CRect r = Row(2); // 长度
    int x = zt::PropertyRowPainter::DividerX(r, 0.5);
    EXPECT_EQ(At(r.left + 5, r.top + 5), RGB(0xF0, 0xF0, 0xF0)); // the indent keeps the brush
    EXPECT_EQ(At(r.left + 18, r.top + 5), line);                 // outline's left edge
    EXPECT_EQ(At(r.left + 20, r.top + 3), background);
    EXPECT_EQ(At(r.left + 30, r.bottom - 1), line); // outline's bottom edge
    EXPECT_EQ(At(x, r.top + 5), line);              // divider
    EXPECT_EQ(At(x - 2, r.top + 3), background);
    EXPECT_EQ(At(x + 1, r.top + 5), background); // the cell's own column next to the divider
    EXPECT_EQ(At(r.right - 1, r.top + 5), line); // outline's right edge
    // Between the divider and the editor's cell the list's brush shows, never the name fill.
    EXPECT_EQ(At(x + 20, r.top + 10), RGB(0xF0, 0xF0, 0xF0));
}

TEST_F(ListBoxPropertyPaint, AHeadBitmapIsCutAtTheDivider)
{
    Fill();
    box.SetColumnSplit(60); // narrower than the 90-pixel bitmap after the indent
    box.Invalidate();
    CRect r = Row(8); // 图例
    int x = zt::PropertyRowPainter::DividerX(r, 60);
    EXPECT_EQ(At(r.left + 18 + 5, r.top + 20), RGB(0, 160, 0));
    EXPECT_EQ(At(x - 1, r.top + 20), RGB(0, 160, 0));
    EXPECT_NE(At(x + 3, r.top + 20), RGB(0, 160, 0));
}

TEST_F(ListBoxPropertyTest, TheTrackingBarIsInvertedWhileDraggingAndErasedAfter)
{
    Fill();
    const CRect row = Row(2);
    const int y = row.top + 5;
    const POINT probe = Screen(200, y); // in the value column, away from the divider
    const COLORREF before = desk.pixel(probe.x, probe.y);
    COLORREF during = before;
    bool dragging = false;
    int idles = 0;
    // The window's own loop runs while the button is down; when it has nothing left to do it
    // goes idle, and the test looks at the screen then and lets the button go.
    zt::win::Desktop::SetIdleHook([&] {
        if (++idles > 1)
            return;
        dragging = box.IsDragging();
        HDC screen = GetDC(nullptr);
        during = GetPixel(screen, probe.x, probe.y);
        ReleaseDC(nullptr, screen);
        QueueMouse(MOUSEEVENTF_LEFTUP);
    });
    desk.moveTo(Screen(box.DividerX(), y));
    QueueMouse(MOUSEEVENTF_LEFTDOWN);
    QueueMouse(MOUSEEVENTF_MOVE, Screen(200, y));
    desk.pump();
    zt::win::Desktop::SetIdleHook(nullptr);

    EXPECT_TRUE(dragging);
    EXPECT_NE(during, before); // the halftone bar inverts what lies under it
    EXPECT_FALSE(box.IsDragging());
    EXPECT_DOUBLE_EQ(box.ColumnSplit(), 200.0 / Client().Width());
    desk.pump();
    EXPECT_NE(desk.pixel(probe.x, probe.y), during);
}

TEST_F(ListBoxPropertyTest, LosingTheCaptureEndsTheDragWithoutMovingTheDivider)
{
    Fill();
    zt::win::Desktop::SetIdleHook([] { ReleaseCapture(); });
    desk.moveTo(Screen(box.DividerX(), 5));
    QueueMouse(MOUSEEVENTF_LEFTDOWN);
    QueueMouse(MOUSEEVENTF_MOVE, Screen(60, 5));
    desk.pump();
    zt::win::Desktop::SetIdleHook(nullptr);
    EXPECT_FALSE(box.IsDragging());
    EXPECT_DOUBLE_EQ(box.ColumnSplit(), 0.5);
}

TEST_F(ListBoxPropertyTest, ResizingTheWindowMovesTheEditorCells)
{
    Fill();
    const CRect before = box.EditorRects()[1];
    box.MoveWindow(0, 0, kListWidth + 100, kListHeight);
    const CRect after = box.EditorRects()[1];
    CRect r = Row(1);
    EXPECT_EQ(after.right, r.right - 1);
    EXPECT_EQ(after.left, zt::PropertyRowPainter::DividerX(r, 0.5) + 4);
    EXPECT_GT(after.left, before.left);
}

TEST_F(ListBoxPropertyTest, AScrollBarLineMovesTheEditorCellsOnceTheLayoutMessageArrives)
{
    for (int i = 0; i < 30; ++i)
        list.addItem(L"常规", true, L"项", nullptr)->setInt(i);
    list.refresh();
    const int top = box.EditorRects()[5].top;
    box.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(box.GetTopIndex(), 1);
    EXPECT_EQ(box.EditorRects()[5].top, top); // not yet: the layout is posted
    desk.pump();
    EXPECT_EQ(box.EditorRects()[5].top, top - 26); // the header scrolled away
}

TEST_F(ListBoxPropertyTest, TheParentsColourRequestIsAnsweredWithTheSharedBrush)
{
    HDC dc = ::GetDC(box.m_hWnd);
    LRESULT brush = parent.SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(box.m_hWnd));
    ::ReleaseDC(box.m_hWnd, dc);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), ListBoxProperty::BackgroundBrush());
    EXPECT_NE(ListBoxProperty::BackgroundBrush(), nullptr);
}

TEST_F(ListBoxPropertyPaint, ASubGroupIsIndentedWithoutGapOrGlyph)
{
    list.addItem(L"常规", true, L"墙体", nullptr)->setSubGroup();
    list.refresh();
    const COLORREF fill = RGB(0x30, 0x60, 0xA0);
    const COLORREF border = RGB(0x10, 0x20, 0x30);
    CRect r = Row(1);
    EXPECT_EQ(At(r.left + 10, r.top + 10), RGB(0xF0, 0xF0, 0xF0)); // the indent
    EXPECT_EQ(At(r.left + 18, r.top + 10), border);
    EXPECT_EQ(At(r.left + 30, r.top), border); // no gap above a sub-group
    EXPECT_EQ(At(r.left + 30, r.top + 2), fill);
    int cy = (r.top + r.bottom) / 2;
    EXPECT_EQ(At(r.right - 20 - 3, cy), fill); // no glyph
}

TEST_F(ListBoxPropertyTest, CollapsingAGroupHidesTheEditorsOfItsRows)
{
    box.SetEditorFactory([](zt::prop_item_baseObj&, CWnd* parentWnd, UINT id) {
        return std::make_unique<RecordingCtrl>(parentWnd, id);
    });
    Fill();
    zt::prop_item_baseObj* name = list.rows().visibleRow(1);
    ASSERT_NE(box.Editor(name), nullptr);
    HWND editor = box.Editor(name)->window();
    EXPECT_TRUE(IsWindowVisible(editor));

    CRect header = Row(0);
    desk.click(Screen(header.right - 10, header.top + 13));
    ASSERT_EQ(box.GetCount(), 2);
    EXPECT_FALSE(IsWindowVisible(editor));
    EXPECT_EQ(box.Editor(name)->window(), editor); // kept for when the group opens again

    desk.advance(2000);
    desk.click(Screen(header.right - 10, header.top + 13));
    EXPECT_TRUE(IsWindowVisible(editor));
}

TEST_F(ListBoxPropertyTest, ARepaintOfUnchangedRowsMakesNoNewTextLayouts)
{
    Fill();
    zt::win::Desktop::ComposeScreen();
    const auto before = zt::win::GetTextLayoutCreateCount();
    box.Invalidate(TRUE);
    box.UpdateWindow();
    EXPECT_EQ(zt::win::GetTextLayoutCreateCount(), before);
}
