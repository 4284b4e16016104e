#pragma once
// A property list window on a clean desktop, for driving the in-place editors with injected
// input: the list, its window, a spot elsewhere to move the focus to, and handler counters.

#include "platform/cad/DraftAid.h"
#include "platform/host/IFormatCheck.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/proplist/editors/item_ctrl_simple.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

// Runs a test in a folder of its own holding the given "property.xml", which the style lookup
// finds first. The style is read once per process: only the first lookup of the process sees
// it (each test runs in its own process).
class StyleFolder
{
public:
    explicit StyleFolder(const std::string& content)
    {
        namespace fs = std::filesystem;
        m_old = fs::current_path();
        m_dir = fs::temp_directory_path() / ("ztui-style-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        std::ofstream(m_dir / "property.xml", std::ios::binary) << content;
        fs::current_path(m_dir);
    }
    ~StyleFolder()
    {
        std::filesystem::current_path(m_old);
        std::filesystem::remove_all(m_dir);
    }
    StyleFolder(const StyleFolder&) = delete;
    StyleFolder& operator=(const StyleFolder&) = delete;

    static std::string Read(const char* path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_old;
    std::filesystem::path m_dir;
};

// Accepts digits only, with the message given.
class DigitsOnly : public IFormatCheck
{
public:
    explicit DigitsOnly(const wchar_t* message = L"WRONG") : m_message(message) {}
    bool check(const CString& text) override
    {
        for (int i = 0; i < text.GetLength(); ++i)
            if (text[i] < L'0' || text[i] > L'9')
                return false;
        return true;
    }
    void message(CString& text) override { text = m_message; }

private:
    const wchar_t* m_message;
};

struct EditorListFixture : ::testing::Test
{
    DesktopFixture desk;
    CWnd parent;
    zt::PropertyList_imp list;
    zt::ListBoxProperty box;
    HWND elsewhere = nullptr; // takes the focus away from the editors
    int changes = 0;
    int clicks = 0;
    // The handlers' calls in order: 'v' for valueChanged, 'b' for buttonClicked.
    std::string order;

    void SetUp() override
    {
        DraftAid::GetInstance().SetDistanceRoundOff({true, 0.01});
        DraftAid::GetInstance().SetAngleRoundOff({true, 0.01});
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"parent",
                                    WS_POPUP | WS_VISIBLE, 100, 100, 500, 500, nullptr, nullptr));
        parent.SetActiveWindow();
        ASSERT_TRUE(box.CreateList(CRect(0, 0, 320, 400), &parent, 77));
        elsewhere = CreateWindowEx(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 340, 10, 100, 24,
                                   parent.m_hWnd, nullptr, nullptr, nullptr);
        box.SetList(&list);
        list.setValueChanged([this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) {
            ++changes;
            order += 'v';
        });
        list.setButtonClicked([this](PropertyMgrUI::PropertyList&, PropertyMgrUI::PropertyItem&) {
            ++clicks;
            order += 'b';
        });
    }
    void TearDown() override
    {
        box.SetList(nullptr);
        box.DestroyWindow();
        parent.DestroyWindow();
    }

    PropertyMgrUI::PropertyItem* Add(const wchar_t* name)
    {
        return list.addItem(L"常规", true, name, nullptr);
    }
    // The editor window of visible row i (row 0 is the group header), as its class.
    template <class Window>
    Window* EditorWindow(int i)
    {
        zt::item_ctrl* holder = box.Editor(list.rows().visibleRow(i));
        if (!holder || !holder->window())
            return nullptr;
        return dynamic_cast<Window*>(CWnd::FromHandle(holder->window()));
    }
    static CRect ScreenRect(HWND window)
    {
        CRect r;
        ::GetWindowRect(window, &r);
        return r;
    }
    void ClickInto(HWND window)
    {
        CRect r = ScreenRect(window);
        desk.click(r.CenterPoint());
    }
    void LeaveEditor() { ClickInto(elsewhere); }

    // The open list of a drop-down (a pop-up window just below or above it), or null.
    static HWND OpenList(CComboBox* combo)
    {
        CRect face = ScreenRect(combo->m_hWnd);
        for (HWND h = FindWindowW(WC_COMBOLBOXW, nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
            wchar_t cls[32] = {};
            GetClassNameW(h, cls, 32);
            CRect r = ScreenRect(h);
            if (std::wstring(cls) == WC_COMBOLBOXW && IsWindowVisible(h) && r.left == face.left &&
                (r.top == face.bottom || r.bottom == face.top))
                return h;
        }
        return nullptr;
    }
    // Entry i of an open list, in screen coordinates.
    static CRect EntryRect(HWND openList, int i)
    {
        RECT r{};
        SendMessageW(openList, LB_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(openList, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return CRect(r);
    }
    // Opens a drop-down with a click on its arrow.
    HWND Open(CComboBox* combo)
    {
        CRect r = ScreenRect(combo->m_hWnd);
        desk.click(r.right - 6, r.CenterPoint().y);
        return OpenList(combo);
    }
};
