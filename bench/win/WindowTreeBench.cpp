// The window tree at the sizes the property list reaches: thousands of editor windows under one
// parent. Painting them after one invalidation and destroying their parent must cost in
// proportion to their number; the complexity fit of each benchmark shows the growth.
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int kCellSize = 6;
constexpr int kColumns = 300;

std::int64_t g_paints = 0;

LRESULT CellProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_PAINT)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EndPaint(hwnd, &ps);
    ++g_paints;
    return 0;
}

void RegisterCellClass()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &CellProc;
    wc.lpszClassName = L"BenchCell";
    RegisterClassExW(&wc);
}

// A parent without WS_CLIPCHILDREN, so that invalidating it invalidates every child under it.
HWND MakeParentWithChildren(int children)
{
    HWND parent = CreateWindowExW(0, L"BenchCell", L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  kColumns * kCellSize, 1000, nullptr, nullptr, nullptr, nullptr);
    for (int i = 0; i < children; ++i)
        CreateWindowExW(0, L"BenchCell", L"", WS_CHILD | WS_VISIBLE, (i % kColumns) * kCellSize,
                        (i / kColumns % 160) * kCellSize, kCellSize, kCellSize, parent, nullptr,
                        nullptr, nullptr);
    return parent;
}

// Runs the paints as a host's message loop would: one WM_PAINT retrieved at a time.
void PaintEverything()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageW(&msg);
}

void BM_PaintChildrenAfterOneInvalidation(benchmark::State& state)
{
    zt::win::Desktop::Reset();
    RegisterCellClass();
    const int children = static_cast<int>(state.range(0));
    HWND parent = MakeParentWithChildren(children);
    PaintEverything();
    for (auto _ : state) {
        g_paints = 0;
        InvalidateRect(parent, nullptr, TRUE);
        PaintEverything();
        if (g_paints != children + 1)
            state.SkipWithError("not every window was painted once");
    }
    state.SetComplexityN(children);
    state.SetItemsProcessed(state.iterations() * (children + 1));
    zt::win::Desktop::Reset();
}
BENCHMARK(BM_PaintChildrenAfterOneInvalidation)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_DestroyParentOfChildren(benchmark::State& state)
{
    zt::win::Desktop::Reset();
    RegisterCellClass();
    const int children = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        HWND parent = MakeParentWithChildren(children);
        state.ResumeTiming();
        DestroyWindow(parent);
        if (IsWindow(parent))
            state.SkipWithError("the parent survived");
    }
    state.SetComplexityN(children);
    state.SetItemsProcessed(state.iterations() * children);
    zt::win::Desktop::Reset();
}
BENCHMARK(BM_DestroyParentOfChildren)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
