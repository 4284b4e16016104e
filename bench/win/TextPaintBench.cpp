// Painting a window-sized surface with 80 cells of 12-pixel Latin and Chinese text, the way a
// property list repaints: a DC over the window's surface, a font made for the paint, one
// DrawText per cell. A repaint of unchanged text must create no new layout.

#include "platform/win/GdiDiagnostics.h"
#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/SurfaceDC.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kColumns = 4;
constexpr int kRows = 20;
constexpr int kCellWidth = kWidth / kColumns;
constexpr int kCellHeight = 24;

std::vector<std::wstring> CellTexts()
{
    const wchar_t* names[] = {L"墙体厚度", L"Height",     L"底部标高", L"Material 材质",
                              L"结构用途", L"Layer 图层", L"顶部偏移", L"Length"};
    std::vector<std::wstring> texts;
    for (int i = 0; i < kColumns * kRows; ++i)
        texts.push_back(std::wstring(names[i % 8]) + L" " + std::to_wstring(100 + i * 7) +
                        (i % 3 == 0 ? L" mm" : L" 毫米"));
    return texts;
}

// One WM_PAINT: a DC over the window surface, the background, then the cells.
void Paint(cairo_surface_t* surface, const std::vector<std::wstring>& texts, bool eraseWindow)
{
    HDC dc = zt::win::CreateSurfaceDC(surface, POINT{0, 0}, RECT{0, 0, kWidth, kHeight}, nullptr);
    if (eraseWindow) {
        RECT all{0, 0, kWidth, kHeight};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    }
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        RECT cell{(i % kColumns) * kCellWidth + 6, (i / kColumns) * kCellHeight,
                  (i % kColumns + 1) * kCellWidth, (i / kColumns + 1) * kCellHeight};
        DrawTextW(dc, texts[static_cast<size_t>(i)].c_str(), -1, &cell,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
    DeleteObject(font);
    zt::win::ReleaseSurfaceDC(dc);
}

void PaintTextCells(benchmark::State& state, bool eraseWindow)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    const auto texts = CellTexts();
    Paint(surface, texts, eraseWindow);
    const auto afterFirst = zt::win::GetTextLayoutCreateCount();
    Paint(surface, texts, eraseWindow);
    state.counters["layouts_second_paint"] =
        double(zt::win::GetTextLayoutCreateCount() - afterFirst);
    const auto before = zt::win::GetTextLayoutCreateCount();
    for (auto _ : state)
        Paint(surface, texts, eraseWindow);
    state.counters["layouts_per_paint"] =
        double(zt::win::GetTextLayoutCreateCount() - before) / double(state.iterations());
    state.counters["cells"] = double(texts.size());
    cairo_surface_destroy(surface);
}

void BM_Paint80TextCells(benchmark::State& state)
{
    PaintTextCells(state, false);
}

void BM_PaintWindowWith80TextCells(benchmark::State& state)
{
    PaintTextCells(state, true);
}

// A number never shown before, measured and drawn as a field shows it: what a cursor-side
// box pays for every new distance. The same number again finds its shaped line.
void ShowNumbers(benchmark::State& state, bool fresh)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 40);
    HDC dc = zt::win::CreateSurfaceDC(surface, POINT{0, 0}, RECT{0, 0, 200, 40}, nullptr);
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    HGDIOBJ old = SelectObject(dc, font);
    long n = 0;
    const auto before = zt::win::GetTextLayoutCreateCount();
    for (auto _ : state) {
        const std::wstring text = std::to_wstring(fresh ? 1000003 + 7 * n++ : 3600);
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
        TextOutW(dc, 2, 2, text.c_str(), int(text.size()));
        benchmark::DoNotOptimize(size);
    }
    state.counters["layouts_per_number"] =
        double(zt::win::GetTextLayoutCreateCount() - before) / double(state.iterations());
    SelectObject(dc, old);
    DeleteObject(font);
    zt::win::ReleaseSurfaceDC(dc);
    cairo_surface_destroy(surface);
}

void BM_ShowNewNumber(benchmark::State& state)
{
    ShowNumbers(state, true);
}

void BM_ShowKnownNumber(benchmark::State& state)
{
    ShowNumbers(state, false);
}

} // namespace

BENCHMARK(BM_ShowNewNumber)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShowKnownNumber)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint80TextCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWindowWith80TextCells)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
