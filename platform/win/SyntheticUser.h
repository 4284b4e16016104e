#pragma once
// A user at the desktop, driven through the injection interface (SendInput) and turned into
// messages by pumping: pointer moves, clicks, the wheel, keys and typed text. Tests and the
// reference host's scripted session both drive windows this way. Every action pumps the
// desktop afterwards, so its effects are there when it returns; time passes with advance().
// On the user-interface thread of a hand-clock desktop.

#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"

#include <string>

namespace zt::win {

class SyntheticUser
{
public:
    // Pointer moves to a screen pixel (absolute coordinates, as a tablet or a remote desktop
    // sends them).
    void moveTo(int x, int y)
    {
        SIZE s = zt::win::Desktop::ScreenSize();
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65536 + s.cx - 1) / s.cx);
        in.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65536 + s.cy - 1) / s.cy);
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &in, sizeof(INPUT));
        pump();
    }
    void moveTo(POINT p) { moveTo(p.x, p.y); }

    void press(DWORD downFlag = MOUSEEVENTF_LEFTDOWN) { button(downFlag); }
    void release(DWORD upFlag = MOUSEEVENTF_LEFTUP) { button(upFlag); }

    void click(int x, int y)
    {
        moveTo(x, y);
        button(MOUSEEVENTF_LEFTDOWN);
        button(MOUSEEVENTF_LEFTUP);
    }
    void click(POINT p) { click(p.x, p.y); }
    void rightClick(int x, int y)
    {
        moveTo(x, y);
        button(MOUSEEVENTF_RIGHTDOWN);
        button(MOUSEEVENTF_RIGHTUP);
    }
    void doubleClick(int x, int y)
    {
        click(x, y);
        button(MOUSEEVENTF_LEFTDOWN);
        button(MOUSEEVENTF_LEFTUP);
    }

    // Wheel turns at the pointer; one notch is 120.
    void wheel(int delta)
    {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(delta);
        SendInput(1, &in, sizeof(INPUT));
        pump();
    }
    void wheel(int x, int y, int delta)
    {
        moveTo(x, y);
        wheel(delta);
    }

    void keyDown(int vk) { keyEvent(vk, 0); }
    void keyUp(int vk) { keyEvent(vk, KEYEVENTF_KEYUP); }
    void key(int vk)
    {
        keyDown(vk);
        keyUp(vk);
    }
    // Types text as characters; CR/LF, tab, backspace and escape go as their keys.
    void type(const std::wstring& text)
    {
        for (wchar_t ch : text) {
            int vk = ch == L'\r' || ch == L'\n' ? VK_RETURN
                     : ch == L'\t'              ? VK_TAB
                     : ch == L'\b'              ? VK_BACK
                     : ch == 0x1B               ? VK_ESCAPE
                                                : 0;
            if (vk) {
                key(vk);
                continue;
            }
            INPUT in[2]{};
            for (int i = 0; i < 2; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wScan = static_cast<WORD>(ch);
                in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, in, sizeof(INPUT));
            pump();
        }
    }

    void advance(DWORD ms) { zt::win::Desktop::AdvanceClock(ms); }
    std::size_t pump() { return zt::win::Desktop::Pump(); }

    // A pixel of the screen, composed after pending paints, read through the screen DC.
    COLORREF pixel(int x, int y)
    {
        zt::win::Desktop::ComposeScreen();
        HDC screen = GetDC(nullptr);
        COLORREF c = GetPixel(screen, x, y);
        ReleaseDC(nullptr, screen);
        return c;
    }
    bool screenshot(const wchar_t* path) { return zt::win::Desktop::WriteScreenPng(path); }

private:
    void button(DWORD flag)
    {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flag;
        SendInput(1, &in, sizeof(INPUT));
        pump();
    }
    void keyEvent(int vk, DWORD flags)
    {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = static_cast<WORD>(vk);
        in.ki.dwFlags = flags;
        SendInput(1, &in, sizeof(INPUT));
        pump();
    }
};

} // namespace zt::win
