// Composition of a full-HD screen: six top-level windows, two of them layered (one colour-keyed
// like the context bar, one with constant alpha). Goal: under 4 ms per composed screen.
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"

#include <benchmark/benchmark.h>

namespace {

LRESULT SolidProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_PAINT)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    COLORREF colour = static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rc, brush);
    // Some key-coloured holes, so the colour key has work to do.
    HBRUSH key = CreateSolidBrush(RGB(0xF9, 0xF9, 0xF9));
    for (int x = 0; x < rc.right; x += 40) {
        RECT hole{x, 0, x + 20, rc.bottom};
        FillRect(dc, &hole, key);
    }
    DeleteObject(key);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
}

struct Screen
{
    HWND keyed = nullptr;

    Screen()
    {
        zt::win::Desktop::Reset();
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &SolidProc;
        wc.lpszClassName = L"BenchSolid";
        RegisterClassExW(&wc);
        struct Spec
        {
            RECT r;
            DWORD exStyle;
            COLORREF colour;
        };
        const Spec specs[] = {
            {{0, 0, 1920, 1080}, 0, RGB(40, 40, 48)},
            {{0, 100, 400, 1080}, 0, RGB(240, 240, 240)},
            {{500, 200, 1300, 800}, 0, RGB(230, 230, 250)},
            {{1400, 50, 1700, 150}, WS_EX_NOACTIVATE, RGB(255, 255, 225)},
            {{600, 300, 1400, 700}, WS_EX_LAYERED | WS_EX_NOACTIVATE, RGB(128, 128, 128)},
            {{900, 500, 1500, 900}, WS_EX_LAYERED, RGB(0, 90, 180)},
        };
        int i = 0;
        for (const Spec& s : specs) {
            HWND h = CreateWindowExW(s.exStyle, L"BenchSolid", L"", WS_POPUP, s.r.left, s.r.top,
                                     s.r.right - s.r.left, s.r.bottom - s.r.top, nullptr, nullptr,
                                     nullptr, nullptr);
            SetWindowLongPtrW(h, GWLP_USERDATA, static_cast<LONG_PTR>(s.colour));
            if (i == 4) {
                SetLayeredWindowAttributes(h, RGB(0xF9, 0xF9, 0xF9), 220, LWA_COLORKEY);
                keyed = h;
            } else if (i == 5) {
                SetLayeredWindowAttributes(h, 0, 200, LWA_ALPHA);
            }
            ShowWindow(h, SW_SHOWNOACTIVATE);
            ++i;
        }
        zt::win::Desktop::ComposeScreen();
    }
    ~Screen() { zt::win::Desktop::Reset(); }
};

void BM_ComposeFullHdScreen(benchmark::State& state)
{
    Screen screen;
    for (auto _ : state) {
        // Touching a layered attribute makes the next composition a full one.
        SetLayeredWindowAttributes(screen.keyed, RGB(0xF9, 0xF9, 0xF9), 220, LWA_COLORKEY);
        benchmark::DoNotOptimize(zt::win::Desktop::ComposeScreen());
    }
}
BENCHMARK(BM_ComposeFullHdScreen)->Unit(benchmark::kMillisecond);

} // namespace
