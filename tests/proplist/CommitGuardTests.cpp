// Commits under the guard: an operating-system exception or a C++ exception raised by an
// owner's handler is logged and dropped, what was written stays, and the window procedure
// sees nothing.

#include "platform/host/DlgCadColor.h"
#include "platform/host/SE_Exception.h"
#include "platform/win/DebugOutput.h"
#include "platform/win/afxwin.h"
#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/CommitGuard.h"
#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/editors/item_ctrl_color_button.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using zt::CommitGuard;

namespace {

class DebugLog
{
public:
    DebugLog()
    {
        zt::win::SetDebugOutputSink([this](const wchar_t* text) { lines.emplace_back(text); });
    }
    ~DebugLog() { zt::win::SetDebugOutputSink(nullptr); }
    bool Contains(const wchar_t* part) const
    {
        for (const auto& line : lines)
            if (line.find(part) != std::wstring::npos)
                return true;
        return false;
    }
    std::vector<std::wstring> lines;
};

DWORD RaiseOutsideTheGuard()
{
    try {
        RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
    } catch (const km::SE_Exception&) {
        return 1;
    } catch (const zt::win::StructuredException&) {
        return 2;
    }
    return 0;
}

} // namespace

TEST(CommitGuard, ExceptionsEndTheCommitQuietlyAndAreLogged)
{
    struct Case
    {
        const char* name;
        std::function<void()> raise;
        const wchar_t* logged;
    };
    const Case cases[] = {
        {"os", [] { RaiseException(EXCEPTION_INT_DIVIDE_BY_ZERO, 0, 0, nullptr); }, L"0xC0000094"},
        {"std", [] { throw std::runtime_error("owner failed"); }, L"owner failed"},
        {"other", [] { throw 7; }, L"unknown type"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DebugLog log;
        int written = 0;
        bool completed = CommitGuard::Run(L"test commit", [&] {
            written = 1;
            c.raise();
            written = 2;
        });
        EXPECT_FALSE(completed);
        EXPECT_EQ(written, 1);
        ASSERT_EQ(log.lines.size(), 1u);
        EXPECT_TRUE(log.Contains(L"test commit"));
        EXPECT_TRUE(log.Contains(c.logged));
    }
}

TEST(CommitGuard, ACommitThatSucceedsLogsNothingAndTheTranslationEndsWithIt)
{
    DebugLog log;
    DWORD inside = 0;
    EXPECT_TRUE(CommitGuard::Run(L"test commit", [&] { inside = RaiseOutsideTheGuard(); }));
    EXPECT_EQ(inside, 1u); // translated while the commit ran
    EXPECT_EQ(RaiseOutsideTheGuard(), 2u);
    EXPECT_TRUE(CommitGuard::Run(L"empty", nullptr));
    EXPECT_TRUE(log.lines.empty());
}

namespace {

struct GuardedListTest : EditorListFixture
{
    DebugLog log;

    void TearDown() override
    {
        DlgCadColor::SetResponder(nullptr);
        EditorListFixture::TearDown();
    }
    HWND EditorWindow(int row)
    {
        zt::item_ctrl* holder = box.Editor(list.rows().visibleRow(row));
        return holder ? holder->window() : nullptr;
    }
    void SelectAll()
    {
        desk.keyDown(VK_CONTROL);
        desk.key('A');
        desk.keyUp(VK_CONTROL);
    }
};

} // namespace

TEST_F(GuardedListTest, AnOsExceptionInValueChangedKeepsTheTypedValue)
{
    auto* count = list.addItem(L"常规", true, L"数量", nullptr)->setInt(1);
    auto* name = list.addItem(L"常规", true, L"名称", nullptr)->setText(L"墙");
    list.refresh();
    int calls = 0;
    list.setValueChanged([&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) {
        ++calls;
        RaiseException(EXCEPTION_ACCESS_VIOLATION, 0, 0, nullptr);
    });

    // Committed by Enter, then by the focus leaving.
    ClickInto(EditorWindow(1));
    SelectAll();
    desk.type(L"42");
    desk.key(VK_RETURN);
    EXPECT_EQ(count->intValue(), 42);
    ClickInto(EditorWindow(2));
    SelectAll();
    desk.type(L"柱");
    ClickInto(elsewhere);
    EXPECT_EQ(std::wstring(name->text().GetString()), L"柱");
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(log.Contains(L"0xC0000005"));

    // The editors live on and commit again.
    list.setValueChanged(
        [&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) { ++calls; });
    ClickInto(EditorWindow(1));
    SelectAll();
    desk.type(L"7");
    ClickInto(elsewhere);
    EXPECT_EQ(count->intValue(), 7);
    EXPECT_EQ(calls, 3);
}

TEST_F(GuardedListTest, AnExceptionInTheColourClickHandlerKeepsTheColourAndSkipsTheRest)
{
    auto* item = list.addItem(L"外观", true, L"颜色", nullptr)->setColor(RGB(1, 2, 3));
    list.refresh();
    DlgCadColor::SetResponder([](COLORREF, HWND) {
        return DlgCadColor::Answer{IDOK, RGB(10, 20, 30)};
    });
    int valueCalls = 0;
    list.setButtonClicked([](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) {
        RaiseException(EXCEPTION_STACK_OVERFLOW, 0, 0, nullptr);
    });
    list.setValueChanged(
        [&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) { ++valueCalls; });
    ClickInto(EditorWindow(1));
    EXPECT_EQ(item->color(), RGB(10, 20, 30));
    EXPECT_EQ(valueCalls, 0);
    EXPECT_TRUE(log.Contains(L"colour choice"));
    EXPECT_TRUE(log.Contains(L"0xC00000FD"));
}

// Every editor hands its item to the owner through the list, inside the one guard: a handler
// that throws is logged and the window procedure returns normally (the desktop would otherwise
// let the exception through, as Windows would crash on it).
TEST_F(GuardedListTest, EveryEditorsHandlersRunInsideTheGuard)
{
    auto* check = list.addItem(L"常规", true, L"显示", nullptr)->setCheck(false);
    list.addItem(L"常规", true, L"操作", nullptr)->setButton(L"执行");
    auto* choice = list.addItem(L"常规", true, L"类型", nullptr);
    choice->addListEntry(L"甲", false)->addListEntry(L"乙", false)->setSelectedIndex(0);
    list.refresh();
    int calls = 0;
    auto fail = [&](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) {
        ++calls;
        throw std::runtime_error("owner failed");
    };
    list.setValueChanged(fail);
    list.setButtonClicked(fail);

    ClickInto(EditorWindow(1)); // the check box
    EXPECT_TRUE(check->checkValue());
    desk.advance(1000);
    ClickInto(EditorWindow(2)); // the push button
    HWND combo = EditorWindow(3);
    ::SendMessageW(combo, CB_SETCURSEL, 1, 0);
    ::SendMessageW(box.m_hWnd, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(choice->selectedIndex(), 1);
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(log.Contains(L"valueChanged"));
    EXPECT_TRUE(log.Contains(L"buttonClicked"));
    EXPECT_TRUE(log.Contains(L"owner failed"));
}
