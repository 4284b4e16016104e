#pragma once
// Dialog templates for tests and input injected without pumping, for use inside modal loops.

#include "platform/win/resources/ResourceModule.h"
#include "tests/win/ControlTestSupport.h"

#include <deque>

inline zt::win::DialogItemTemplate Item(const wchar_t* cls, const wchar_t* text, int id,
                                        DWORD style, short x, short y, short cx, short cy)
{
    zt::win::DialogTemplate t;
    return t.AddItem(cls, text, id, style, x, y, cx, cy);
}

// OK, Cancel and two check boxes, all tab stops; OK is the default button.
inline zt::win::DialogTemplate OkCancelTemplate()
{
    zt::win::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.x = 10;
    t.y = 10;
    t.cx = 200;
    t.cy = 100;
    t.title = L"Settings";
    t.fontName = L"Tahoma";
    t.pointSize = 8;
    t.AddItem(L"Button", L"Snap", 100, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 7, 7, 80, 10);
    t.AddItem(L"Button", L"Grid", 101, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 20, 80, 10);
    t.AddItem(L"Static", L"Label", IDC_STATIC, SS_LEFT, 7, 40, 80, 8);
    t.AddItem(L"Button", L"OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 90, 80, 50, 14);
    t.AddItem(L"Button", L"Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 143, 80, 50, 14);
    return t;
}

// Keys and clicks queued for the moment a modal loop waits: each idle call injects the next
// action, without pumping, so that the loop itself retrieves and routes it.
class ScriptedInput
{
public:
    explicit ScriptedInput(std::deque<std::function<void()>> actions)
        : m_actions(std::move(actions))
    {
        zt::win::Desktop::SetIdleHook([this] {
            if (m_actions.empty())
                return;
            auto next = std::move(m_actions.front());
            m_actions.pop_front();
            next();
        });
    }
    ~ScriptedInput() { zt::win::Desktop::SetIdleHook(nullptr); }
    ScriptedInput(const ScriptedInput&) = delete;
    ScriptedInput& operator=(const ScriptedInput&) = delete;

    static void Key(int vk, bool up)
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = static_cast<WORD>(vk);
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof(INPUT));
    }
    static std::function<void()> Press(int vk)
    {
        return [vk] {
            Key(vk, false);
            Key(vk, true);
        };
    }

private:
    std::deque<std::function<void()>> m_actions;
};
