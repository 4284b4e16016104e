// The property list at the sizes a building model gives it: filling a 400 x 800 list with
// N mixed items (every kind) and painting it the first time, a repaint after scrolling one
// page, and a repaint with nothing changed. Counters: the editor windows that exist after the
// step (those of rows laid out and those parked for reuse), the editors a page scroll made,
// and the text layouts the step created.

#include "platform/win/Desktop.h"
#include "platform/win/GdiDiagnostics.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 800;
// Items per group: a model's properties come in groups of about this size.
constexpr int kGroupSize = 20;

// Every item kind in turn, as a mixed selection of elements shows them.
void AddMixedItems(zt::PropertyList_imp& list, int n)
{
    for (int i = 0; i < n; ++i) {
        CString group;
        group.Format(L"分组 %d", i / kGroupSize);
        CString name;
        name.Format(L"属性 %d", i);
        auto* item = list.addItem(group, (i / kGroupSize) % 7 != 6, name, nullptr);
        switch (i % 17) {
        case 0:
            item->setInt(i);
            break;
        case 1:
            item->setDouble(i * 0.25);
            break;
        case 2:
            item->setAngle(i * 0.01);
            break;
        case 3:
            item->setText(L"混凝土 C30");
            break;
        case 4:
            item->addListEntry(L"甲", false)->addListEntry(L"乙", false)->setSelectedIndex(1);
            break;
        case 5:
            item->addListEntry(L"甲", true)->setSelectedIndex(0);
            break;
        case 6:
            item->setButton(L"编辑…");
            break;
        case 7:
            item->setCheckText(L"可见")->setCheck(i % 2 == 0);
            break;
        case 8:
            item->setPoint({i * 1.0, 2.0, 3.0});
            break;
        case 9:
            item->setImage(nullptr);
            break;
        case 10:
            item->setColor(RGB(i % 256, 128, 64));
            break;
        case 11: {
            DPoint3d points[2] = {{0, 0, 0}, {1, 1, 0}};
            item->setPoints(2, points);
            break;
        }
        case 12:
            item->setEditButton(L"标准层");
            break;
        case 13:
            item->setImageList(nullptr)->addImageListEntry(L"实线", 0)->setImageListSelection(0);
            break;
        case 14:
            item->setSubGroup();
            break;
        case 15:
            item->setMultiText(L"第一行\r\n第二行", 2);
            break;
        default:
            item->setInt(-i)->setDisplayText(L"*多种*");
            break;
        }
    }
}

struct ListOnDesktop
{
    DesktopFixture desk;
    CWnd parent;
    zt::PropertyList_imp list;
    zt::ListBoxProperty box;

    ListOnDesktop()
    {
        parent.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), L"bench", WS_POPUP | WS_VISIBLE, 50, 50,
                        kWidth + 20, kHeight + 20, nullptr, nullptr);
        parent.SetActiveWindow();
        box.CreateList(CRect(0, 0, kWidth, kHeight), &parent, 77);
        box.SetEditorFactory([this](zt::prop_item_baseObj& row, CWnd* p, UINT id) {
            auto editor = zt::CreateDefaultEditor(row, p, id);
            if (editor)
                ++editorsMade;
            return editor;
        });
        box.SetList(&list);
        desk.pump();
    }
    ~ListOnDesktop()
    {
        box.SetList(nullptr);
        box.DestroyWindow();
        parent.DestroyWindow();
    }
    // Paints what is invalid, as the message loop does when it runs dry.
    void Paint()
    {
        box.UpdateWindow();
        zt::win::Desktop::Pump();
    }
    // Every editor window the list holds, its rows' and the parked ones.
    std::int64_t EditorWindows() const { return static_cast<std::int64_t>(box.EditorWindowCount()); }
    // Editors the list made (each with its window) since the list was filled.
    std::int64_t editorsMade = 0;
};

void FillAndFirstPaint(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListOnDesktop view;
    std::uint64_t layouts = 0;
    for (auto _ : state) {
        std::uint64_t before = zt::win::GetTextLayoutCreateCount();
        view.list.clear();
        AddMixedItems(view.list, n);
        view.list.refresh();
        view.Paint();
        layouts += zt::win::GetTextLayoutCreateCount() - before;
    }
    state.counters["rows"] = static_cast<double>(view.list.rows().visibleRows().size());
    state.counters["editor_windows"] = static_cast<double>(view.EditorWindows());
    state.counters["new_layouts"] =
        benchmark::Counter(static_cast<double>(layouts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(FillAndFirstPaint)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void ScrollOnePageAndRepaint(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListOnDesktop view;
    AddMixedItems(view.list, n);
    view.list.refresh();
    view.Paint();
    int direction = SB_PAGEDOWN;
    std::uint64_t layouts = 0;
    view.editorsMade = 0;
    for (auto _ : state) {
        std::uint64_t before = zt::win::GetTextLayoutCreateCount();
        int top = view.box.GetTopIndex();
        view.box.SendMessage(WM_VSCROLL, MAKEWPARAM(direction, 0), 0);
        view.Paint();                      // the posted editor layout and the repaint
        if (view.box.GetTopIndex() == top) // an end of the list: turn around
            direction = direction == SB_PAGEDOWN ? SB_PAGEUP : SB_PAGEDOWN;
        layouts += zt::win::GetTextLayoutCreateCount() - before;
    }
    state.counters["editor_windows"] = static_cast<double>(view.EditorWindows());
    state.counters["parked_editors"] = static_cast<double>(view.box.ParkedEditorCount());
    state.counters["editors_made"] =
        benchmark::Counter(static_cast<double>(view.editorsMade), benchmark::Counter::kAvgIterations);
    state.counters["new_layouts"] =
        benchmark::Counter(static_cast<double>(layouts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ScrollOnePageAndRepaint)->Arg(10000)->Unit(benchmark::kMillisecond);

void RepaintUnchanged(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    ListOnDesktop view;
    AddMixedItems(view.list, n);
    view.list.refresh();
    view.Paint();
    std::uint64_t layouts = 0;
    for (auto _ : state) {
        std::uint64_t before = zt::win::GetTextLayoutCreateCount();
        view.box.RedrawWindow(nullptr, nullptr,
                              RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        zt::win::Desktop::Pump();
        layouts += zt::win::GetTextLayoutCreateCount() - before;
    }
    state.counters["editor_windows"] = static_cast<double>(view.EditorWindows());
    state.counters["new_layouts"] =
        benchmark::Counter(static_cast<double>(layouts), benchmark::Counter::kAvgIterations);
}
BENCHMARK(RepaintUnchanged)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
