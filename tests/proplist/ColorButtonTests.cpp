// The colour swatch of Color rows: what it shows, the order in which a chosen colour reaches the
// owner, read-only and cancelled choices, and handlers that rebuild the list meanwhile. The
// picker is answered by its scripted responder, except in the test that drives the real one.

#include "platform/host/DlgCadColor.h"
#include "platform/win/afxwin.h"
#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/ButtonColor.h"
#include "ztui/proplist/editors/item_ctrl_color_button.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zt::ButtonColor;
using zt::ListBoxProperty;

namespace {

struct ColorButtonTest : EditorListFixture
{
    std::vector<std::string> events;
    std::vector<COLORREF> pickerOpenedWith;
    DlgCadColor::Answer answer{IDOK, RGB(10, 20, 30)};

    void SetUp() override
    {
        EditorListFixture::SetUp();
        list.setButtonClicked([this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem& i) {
            events.push_back("button " + std::to_string(i.color()));
        });
        list.setValueChanged([this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem& i) {
            events.push_back("value " + std::to_string(i.color()));
        });
        DlgCadColor::SetResponder([this](COLORREF initial, HWND owner) {
            pickerOpenedWith.push_back(initial);
            EXPECT_EQ(owner, nullptr); // the swatch opens the picker without a parent
            return answer;
        });
    }
    void TearDown() override
    {
        DlgCadColor::SetResponder(nullptr);
        zt::win::Desktop::SetIdleHook(nullptr);
        EditorListFixture::TearDown();
    }

    PropertyMgrUI::PropertyItem* AddColor(COLORREF color)
    {
        return list.addItem(L"外观", true, L"颜色", nullptr)->setColor(color);
    }
    ButtonColor* Swatch(int row)
    {
        auto* holder =
            dynamic_cast<zt::item_ctrl_color_button*>(box.Editor(list.rows().visibleRow(row)));
        return holder && holder->window() ? &holder->button() : nullptr;
    }
    void ClickSwatch(int row)
    {
        ButtonColor* swatch = Swatch(row);
        ASSERT_NE(swatch, nullptr);
        desk.click(ScreenRect(swatch->m_hWnd).CenterPoint());
    }
};

std::string Event(const char* what, COLORREF c)
{
    return std::string(what) + " " + std::to_string(c);
}

} // namespace

TEST_F(ColorButtonTest, TheSwatchShowsTheItemsColourInItsFrame)
{
    AddColor(RGB(200, 40, 60));
    list.refresh();
    ButtonColor* swatch = Swatch(1);
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->GetColor(), RGB(200, 40, 60));
    CString caption;
    swatch->GetWindowText(caption);
    EXPECT_TRUE(caption.IsEmpty());
    EXPECT_TRUE(swatch->GetStyle() & BS_OWNERDRAW);
    EXPECT_TRUE(swatch->HasClickCallback());
    EXPECT_GE(swatch->GetDlgCtrlID(), 2000);

    // The swatch fills the value cell.
    CRect cell = box.EditorRects()[1];
    box.ClientToScreen(&cell);
    CRect r = ScreenRect(swatch->m_hWnd);
    EXPECT_EQ(r, cell);
    EXPECT_EQ(desk.pixel(r.CenterPoint().x, r.CenterPoint().y), RGB(200, 40, 60));
    EXPECT_EQ(desk.pixel(r.left, r.CenterPoint().y), ButtonColor::kFrameColor);
    EXPECT_EQ(desk.pixel(r.right - 1, r.top), ButtonColor::kFrameColor);
}

TEST_F(ColorButtonTest, AChosenColourIsWrittenThenReportedAsAClickBeforeTheValue)
{
    auto* item = AddColor(RGB(1, 2, 3));
    list.refresh();
    ClickSwatch(1);
    ASSERT_EQ(pickerOpenedWith.size(), 1u);
    EXPECT_EQ(pickerOpenedWith[0], RGB(1, 2, 3));
    EXPECT_EQ(item->color(), RGB(10, 20, 30));
    const std::vector<std::string> expected{Event("button", RGB(10, 20, 30)),
                                            Event("value", RGB(10, 20, 30))};
    EXPECT_EQ(events, expected);
    ButtonColor* swatch = Swatch(1);
    ASSERT_NE(swatch, nullptr);
    EXPECT_EQ(swatch->GetColor(), RGB(10, 20, 30));
    CRect r = ScreenRect(swatch->m_hWnd);
    EXPECT_EQ(desk.pixel(r.CenterPoint().x, r.CenterPoint().y), RGB(10, 20, 30));

    // The next click, well after the first (no double click), opens the picker on the new
    // colour.
    desk.advance(1000);
    answer.color = RGB(40, 50, 60);
    ClickSwatch(1);
    ASSERT_EQ(pickerOpenedWith.size(), 2u);
    EXPECT_EQ(pickerOpenedWith[1], RGB(10, 20, 30));
    EXPECT_EQ(item->color(), RGB(40, 50, 60));
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(ColorButtonTest, TheOwnerHearsOfTheColourBeforeTheSwatchRepaints)
{
    auto* item = AddColor(RGB(1, 2, 3));
    list.refresh();
    ButtonColor* swatch = Swatch(1);
    ASSERT_NE(swatch, nullptr);
    const CPoint centre = ScreenRect(swatch->m_hWnd).CenterPoint();
    HWND swatchWindow = swatch->m_hWnd;
    COLORREF shownAtClick = 0, itemAtClick = 0;
    list.setButtonClicked([&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem& i) {
        itemAtClick = i.color();
        // The swatch's own pixels as they stand, without running pending paints.
        HDC dc = ::GetDC(swatchWindow);
        RECT client;
        ::GetClientRect(swatchWindow, &client);
        shownAtClick = ::GetPixel(dc, client.right / 2, client.bottom / 2);
        ::ReleaseDC(swatchWindow, dc);
    });
    ClickSwatch(1);
    EXPECT_EQ(itemAtClick, RGB(10, 20, 30)); // the item already has the colour
    EXPECT_EQ(shownAtClick, RGB(1, 2, 3));   // the swatch has not repainted yet
    EXPECT_EQ(desk.pixel(centre.x, centre.y), RGB(10, 20, 30));
    EXPECT_EQ(item->color(), RGB(10, 20, 30));
}

TEST_F(ColorButtonTest, CancelChangesNothing)
{
    auto* item = AddColor(RGB(1, 2, 3));
    list.refresh();
    answer = DlgCadColor::Answer{IDCANCEL, RGB(90, 90, 90)};
    ClickSwatch(1);
    EXPECT_EQ(pickerOpenedWith.size(), 1u);
    EXPECT_EQ(item->color(), RGB(1, 2, 3));
    EXPECT_TRUE(events.empty());
    ButtonColor* swatch = Swatch(1);
    EXPECT_EQ(swatch->GetColor(), RGB(1, 2, 3));
    CRect r = ScreenRect(swatch->m_hWnd);
    EXPECT_EQ(desk.pixel(r.CenterPoint().x, r.CenterPoint().y), RGB(1, 2, 3));
}

TEST_F(ColorButtonTest, AReadOnlyItemsSwatchChangesOnlyItself)
{
    auto* item = AddColor(RGB(1, 2, 3))->setReadOnly();
    list.refresh();
    ButtonColor* swatch = Swatch(1);
    ASSERT_NE(swatch, nullptr);
    EXPECT_FALSE(swatch->HasClickCallback());
    ClickSwatch(1);
    EXPECT_EQ(pickerOpenedWith.size(), 1u);
    EXPECT_EQ(item->color(), RGB(1, 2, 3));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(swatch->GetColor(), RGB(10, 20, 30));
    CRect r = ScreenRect(swatch->m_hWnd);
    EXPECT_EQ(desk.pixel(r.CenterPoint().x, r.CenterPoint().y), RGB(10, 20, 30));

    // Until the next rebuild, which shows the item's colour again.
    list.refresh();
    EXPECT_EQ(Swatch(1)->GetColor(), RGB(1, 2, 3));
}

TEST_F(ColorButtonTest, AClickHandlerThatRebuildsTheListStillLetsTheValueThrough)
{
    auto* item = AddColor(RGB(1, 2, 3));
    list.refresh();
    list.setButtonClicked([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        events.push_back("button");
        l.refresh(); // destroys the swatch whose click is being handled
    });
    ClickSwatch(1);
    EXPECT_EQ(item->color(), RGB(10, 20, 30));
    const std::vector<std::string> expected{"button", Event("value", RGB(10, 20, 30))};
    EXPECT_EQ(events, expected);
    ASSERT_NE(Swatch(1), nullptr);
    EXPECT_EQ(Swatch(1)->GetColor(), RGB(10, 20, 30));
}

TEST_F(ColorButtonTest, AClickHandlerThatClearsTheListEndsTheChoiceQuietly)
{
    AddColor(RGB(1, 2, 3));
    list.refresh();
    list.setButtonClicked([this](PropertyMgrUI::PropertyList& l, PropertyMgrUI::PropertyItem&) {
        events.push_back("button");
        l.clear(); // the item goes with the swatch
    });
    ClickSwatch(1);
    const std::vector<std::string> expected{"button"};
    EXPECT_EQ(events, expected);
    EXPECT_TRUE(list.items().empty());
}

TEST_F(ColorButtonTest, TheRealPickerIsDrivenByTheKeyboard)
{
    DlgCadColor::SetResponder(nullptr);
    auto* item = AddColor(RGB(255, 0, 0)); // the first standard colour
    list.refresh();
    HWND picker = nullptr;
    zt::win::Desktop::SetIdleHook([&] {
        HWND active = ::GetActiveWindow();
        if (picker || !active || active == parent.m_hWnd)
            return;
        picker = active;
        for (int vk : {VK_RIGHT, VK_RETURN}) {
            INPUT in[2]{};
            in[0].type = in[1].type = INPUT_KEYBOARD;
            in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(vk);
            in[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, in, sizeof(INPUT));
        }
    });
    ClickSwatch(1);
    zt::win::Desktop::SetIdleHook(nullptr);
    EXPECT_NE(picker, nullptr);
    EXPECT_FALSE(::IsWindow(picker));
    EXPECT_EQ(item->color(), RGB(255, 255, 0));
    const std::vector<std::string> expected{Event("button", RGB(255, 255, 0)),
                                            Event("value", RGB(255, 255, 0))};
    EXPECT_EQ(events, expected);
}
