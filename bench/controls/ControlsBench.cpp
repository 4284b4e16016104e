// The standard controls under input: typing into a single-line edit, one key at a time with its
// full round trip (injection, key-down, character, key-up, repaint), and scrolling a 10,000-row
// owner-draw list box by the wheel, one notch at a time with its repaint.
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"
#include "tests/support/DesktopFixture.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

LRESULT ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        // Variable heights, as a property list with headers and rows has them.
        mis->itemHeight = mis->itemID % 10 == 0 ? 24 : 18;
        return TRUE;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        FillRect(
            dis->hDC, &dis->rcItem,
            GetSysColorBrush((dis->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        std::wstring text = L"Row " + std::to_wstring(dis->itemID);
        SetBkMode(dis->hDC, TRANSPARENT);
        TextOutW(dis->hDC, dis->rcItem.left + 4, dis->rcItem.top + 2, text.c_str(),
                 static_cast<int>(text.size()));
        return TRUE;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

HWND MakeParent()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &ParentProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = L"ZtBenchParent";
    RegisterClassExW(&wc);
    HWND parent = CreateWindowExW(0, L"ZtBenchParent", L"", WS_POPUP | WS_VISIBLE, 100, 100, 600,
                                  500, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(parent);
    return parent;
}

void TypeIntoSingleLineEdit(benchmark::State& state)
{
    DesktopFixture desk;
    HWND parent = MakeParent();
    HWND edit = CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                20, 20, 300, 24, parent, nullptr, nullptr, nullptr);
    SetFocus(edit);
    desk.pump();
    const std::wstring alphabet = L"abcdefghij klmnopqrstuvwxyz 0123456789";
    std::size_t typed = 0;
    for (auto _ : state) {
        if (typed == 1000) {
            state.PauseTiming();
            SetWindowTextW(edit, L"");
            desk.pump();
            typed = 0;
            state.ResumeTiming();
        }
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = static_cast<WORD>(alphabet[typed % alphabet.size()]);
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, in, sizeof(INPUT));
        zt::win::Desktop::Pump();
        ++typed;
    }
    if (GetWindowTextLengthW(edit) != static_cast<int>(typed))
        state.SkipWithError("the edit lost keys");
    state.SetLabel("time is per key");
}
BENCHMARK(TypeIntoSingleLineEdit)->Unit(benchmark::kMicrosecond);

void WheelThroughOwnerDrawList(benchmark::State& state)
{
    DesktopFixture desk;
    HWND parent = MakeParent();
    HWND list =
        CreateWindowExW(0, L"ListBox", L"",
                        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
                        20, 20, 400, 400, parent, nullptr, nullptr, nullptr);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 10000; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    desk.moveTo(200, 200);
    desk.pump();
    int direction = -1;
    LRESULT lastTop = -1;
    for (auto _ : state) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(direction * WHEEL_DELTA);
        SendInput(1, &in, sizeof(INPUT));
        zt::win::Desktop::Pump();
        LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        if (top == lastTop)
            direction = -direction; // an end of the list: turn around
        lastTop = top;
    }
    state.SetLabel("time is per wheel notch");
}
BENCHMARK(WheelThroughOwnerDrawList)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
