// The property panel at the sizes a user's selection gives it: 1, 100 and 1,000 mixed
// building elements (walls, slabs, columns, beams) selected, the panel filled from their tools
// on the work thread, the list rebuilt and painted; and one edit committed: the value written
// into the element through its tool and the panel repainted. The host's two executors run in
// manual mode (the crossings are calls in place) and, for the fill, as two real threads.

#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ElementRef.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/win/Desktop.h"
#include "platform/win/afxwin.h"
#include "platform/win/resources/ResourceModule.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using zt::host::ExecutorMode;
using zt::host::Executors;

constexpr int kPaneWidth = 340;
constexpr int kPaneHeight = 800;

// A project of n building elements of four classes, in turn, of varying sizes.
class Building
{
public:
    explicit Building(int n)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_folder = pattern;
        ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
        DgnProject* project = DgnApplication::Get().NewProject("");
        TSArchiStoreyManager::Get().EnsureStorey(*project);
        DgnModel& model = *project->GetDefaultModel();
        for (int i = 0; i < n; ++i) {
            double x = 1000.0 * (i % 40);
            double y = 1000.0 * (i / 40);
            ElementId id = INVALID_ELEMENTID;
            switch (i % 4) {
            case 0: {
                TSArchiWallPtr w = TSArchiWall::Create();
                w->SetStart({x, y, 0});
                w->SetEnd({x + 900, y, 0});
                w->SetThickness(i % 8 ? 240 : 370);
                id = w->AddToModel(model);
                break;
            }
            case 1: {
                TSArchiSlabPtr s = TSArchiSlab::Create();
                s->SetProfile({{x, y, 0}, {x + 800, y, 0}, {x + 800, y + 800, 0}, {x, y + 800, 0}});
                s->SetThickness(120 + 10 * (i % 3));
                id = s->AddToModel(model);
                break;
            }
            case 2: {
                TSArchiColumnPtr c = TSArchiColumn::Create();
                c->SetCenter({x, y, 0});
                c->SetWidth(400);
                c->SetDepth(400 + 100 * (i % 2));
                id = c->AddToModel(model);
                break;
            }
            default: {
                TSArchiBeamPtr b = TSArchiBeam::Create();
                b->SetStart({x, y, 0});
                b->SetEnd({x, y + 900, 0});
                id = b->AddToModel(model);
                break;
            }
            }
            if (ElementRef* element = project->FindElementById(id))
                m_elements.push_back(element);
        }
        m_tool = TSArchToolProperty::Register();
    }
    ~Building()
    {
        TesselToolsInterfaceManager::Clear();
        DgnApplication::Get().CloseProject();
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    const bvector<ElementRef*>& Elements() const { return m_elements; }

private:
    std::filesystem::path m_folder;
    bvector<ElementRef*> m_elements;
    RefCountedPtr<TSArchToolProperty> m_tool;
};

class Panel
{
public:
    Panel()
    {
        zt::win::DialogTemplate t;
        t.style = WS_POPUP | WS_VISIBLE;
        t.cx = 80;
        t.cy = 60;
        m_dialog.CreateIndirect(t);
        m_dialog.SetWindowPos(nullptr, 0, 0, kPaneWidth, kPaneHeight, SWP_NOZORDER);
        m_dialog.SetGroupsPairOnlyPropertyList();
        zt::win::Desktop::Pump();
    }
    ~Panel()
    {
        m_dialog.DestroyWindow();
        zt::ZTPropertyMgn::DestroyInstance();
    }
    zt::ZTPropertyDlg& Dialog() { return m_dialog; }
    // Paints what is invalid, as the message loop does when it runs dry.
    void Paint()
    {
        m_dialog.GetPropertyList()->UpdateWindow();
        zt::win::Desktop::Pump();
    }

private:
    zt::ZTPropertyDlg m_dialog{0};
};

zt::PropertyItem_imp* ItemNamed(const wchar_t* name)
{
    for (const auto& item : zt::ZTPropertyMgn::instance().context().listModel->items())
        if (item->name() == CString(name))
            return item.get();
    return nullptr;
}

void FillAndPaint(benchmark::State& state)
{
    DesktopFixture desk;
    Building building(static_cast<int>(state.range(0)));
    Panel panel;
    for (auto _ : state) {
        panel.Dialog().refreshSelectionPropertyList(building.Elements());
        panel.Paint();
    }
    state.counters["items"] =
        static_cast<double>(zt::ZTPropertyMgn::instance().context().listModel->items().size());
}
BENCHMARK(FillAndPaint)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same with the work thread a thread of its own: the panel waits for it on every fill.
void FillAndPaintThreaded(benchmark::State& state)
{
    Executors::Get().Start(ExecutorMode::Threaded);
    std::unique_ptr<Building> building;
    Executors::Get().RunOnWork(
        [&] { building = std::make_unique<Building>(static_cast<int>(state.range(0))); });
    Executors::Get().RunOnUIAndWait([&] {
        DesktopFixture desk;
        Panel panel;
        for (auto _ : state) {
            panel.Dialog().refreshSelectionPropertyList(building->Elements());
            panel.Paint();
        }
    });
    Executors::Get().RunOnWork([&] { building.reset(); });
    Executors::Get().Stop();
}
BENCHMARK(FillAndPaintThreaded)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One edit committed: the thickness of one wall (1), or the material of every selected element
// of the 1,000 (the property they all share); the record reaches the tools, the elements
// change, the panel repaints.
void EditAndRepaint(benchmark::State& state)
{
    const bool one = state.range(0) == 1;
    DesktopFixture desk;
    Building building(one ? 1 : 1000);
    Panel panel;
    panel.Dialog().refreshSelectionPropertyList(building.Elements());
    panel.Paint();
    zt::PropertyItem_imp* item = ItemNamed(one ? L"厚度" : L"材料");
    if (!item) {
        state.SkipWithError("the property is not listed");
        return;
    }
    int turn = 0;
    for (auto _ : state) {
        ++turn;
        if (one)
            item->setDouble(turn % 2 ? 250.0 : 260.0);
        else
            item->setSelectedIndex(turn % 2 ? 1 : 2);
        zt::ZTPropertyDlg::OnListValueChanged(*zt::ZTPropertyMgn::instance().context().listModel,
                                              *item);
        panel.Dialog().GetPropertyList()->Invalidate();
        panel.Paint();
    }
    auto obj = TSObjectExtensionManager::Get().GetTSObject(building.Elements().back());
    auto* element = dynamic_cast<TSBuildingElement*>(obj.get());
    bool reached = element && (one ? element->GetDouble("Thickness") == (turn % 2 ? 250.0 : 260.0)
                                   : element->GetMaterial() == kTSArchMaterials[turn % 2 ? 1 : 2]);
    if (!reached)
        state.SkipWithError("the edit did not reach the element");
}
BENCHMARK(EditAndRepaint)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
