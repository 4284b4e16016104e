// The property data at the scale of a real project: the format brush carrying one wall's
// values to 1,000 walls in one undo step, and reading both property-data entries of 1,000
// records each from a project that was just opened.
#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ITxnManager.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRecords = 1000;

void RegisterBuildingTools()
{
    static RefCountedPtr<zt::ZTHostToolPropertyAdapter> adapter =
        zt::ZTHostToolPropertyAdapter::Create(TSArchToolProperty::Create().get());
    TesselToolsInterfaceManager::RegisterInterface(TSArchiWall::CLASS_NAME, adapter.get(),
                                                   IToolProperty::INTERFACE_NAME);
}

RefCountedPtr<TSObject> AddWall(DgnModel& model, double y, double thickness)
{
    TSArchiWallPtr wall = TSArchiWall::Create();
    wall->SetStart({0, y, 0});
    wall->SetEnd({5000, y, 0});
    wall->SetThickness(thickness);
    wall->AddToModel(model);
    return wall.get();
}

void BM_FormatBrushToWalls(benchmark::State& state)
{
    RegisterBuildingTools();
    DgnProject* project = DgnApplication::Get().NewProject();
    if (!project) {
        state.SkipWithError("no project");
        return;
    }
    DgnModel& model = *project->GetDefaultModel();
    // Two brushes taken in turn, so that every run really changes every wall's thickness
    // (a brush of the values the walls already have writes nothing).
    const RefCountedPtr<TSObject> sources[] = {AddWall(model, -1000, 370), AddWall(model, -2000, 300)};
    int turn = 0;
    std::vector<RefCountedPtr<TSObject>> targets;
    for (int i = 0; i < int(state.range(0)); ++i)
        targets.push_back(AddWall(model, 1000.0 * i, 240));
    const std::map<CString, bool> filter{
        {L"厚度", true}, {L"材料", true}, {L"起点", false}, {L"终点", false}};
    zt::ZTPropertyDataMgn& data = zt::ZTPropertyDataMgn::instance();
    for (auto _ : state) {
        ITxnManager& txn = project->GetTxnManager();
        txn.StartTxnGroup();
        const RefCountedPtr<TSObject>& source = sources[turn++ % 2];
        for (RefCountedPtr<TSObject>& target : targets)
            benchmark::DoNotOptimize(data.cloneObject(source, target, filter));
        txn.EndTxnGroup();
    }
    auto* last = dynamic_cast<TSArchiWall*>(targets.back().get());
    if (!last || last->GetThickness() != ((turn - 1) % 2 == 0 ? 370.0 : 300.0))
        state.SkipWithError("the brush did not reach the walls");
    state.counters["walls"] = double(targets.size());
    DgnApplication::Get().CloseProject();
}
BENCHMARK(BM_FormatBrushToWalls)->Arg(1000)->Unit(benchmark::kMillisecond);

// A project whose two entries hold 1,000 records each, written and saved once.
std::filesystem::path StoredProject()
{
    static const std::filesystem::path path = [] {
        std::filesystem::path file =
            std::filesystem::temp_directory_path() /
            ("property-data-bench-" + std::to_string(::getpid()) + ".ztproj");
        std::filesystem::remove(file);
        DgnProject* project = DgnApplication::Get().NewProject(file.string());
        if (!project) {
            std::fprintf(stderr, "cannot create %s: %s\n", file.c_str(),
                         DgnProject::GetLastOpenError().c_str());
            return file;
        }
        TSDictionaryManager::Entries picks, sets;
        for (int i = 0; i < kRecords; ++i) {
            Json::Value pick, set;
            for (int p = 0; p < 8; ++p) {
                Json::Value e, s;
                e["PropertyName"] = "属性" + std::to_string(p);
                e["PropertyValue"] = std::to_string(100 * i + p);
                pick["PropertyList"].append(e);
                s["PropertyName"] = "属性" + std::to_string(p);
                s["PropertyCopy"] = (p % 2) == 0;
                set["PropertyList"].append(s);
            }
            pick["SchemaName"] = "TSM_Bench";
            const std::wstring name = L"BenchClass" + std::to_wstring(i);
            picks[WString(name.c_str())] = pick;
            sets[WString((L"Bench.Tool" + std::to_wstring(i)).c_str())] = set;
        }
        TSDictionaryManager::Get().SetDataAt(project, Utf8String("PropertyData"), picks);
        TSDictionaryManager::Get().SetDataAt(project, Utf8String("PropertyDataSet"), sets);
        if (project->SaveChanges() != DgnProjectStatus::Success)
            std::fprintf(stderr, "cannot save %s\n", file.c_str());
        DgnApplication::Get().CloseProject();
        return file;
    }();
    // The benchmark runs more than once; the file goes with the process.
    static const struct Remover
    {
        ~Remover() { std::filesystem::remove(path); }
    } remover;
    return path;
}

void BM_ReadBothEntriesAfterOpening(benchmark::State& state)
{
    const std::filesystem::path file = StoredProject();
    for (auto _ : state) {
        state.PauseTiming();
        DgnApplication::Get().CloseProject();
        DgnProject* project = DgnApplication::Get().OpenProject(file.string());
        state.ResumeTiming();
        if (!project) {
            state.SkipWithError(
                ("the project does not open: " + std::string(DgnProject::GetLastOpenError()))
                    .c_str());
            return;
        }
        std::size_t read = 0;
        for (int i = 0; i < kRecords; ++i) {
            const std::string cls = "BenchClass" + std::to_string(i);
            read += zt::ZTPropertyDataMgn::instance()
                        .getPickUpObject(Utf8String(cls), "TSM_Bench", *project)
                        .IsValid();
            std::map<CString, bool> set;
            read += zt::ZTPropertySetMgn::instance().getCurrentPropertySet(
                Utf8String("Bench.Tool" + std::to_string(i)), set);
        }
        if (read != 2 * kRecords)
            state.SkipWithError("an entry was not read");
    }
    DgnApplication::Get().CloseProject();
    state.counters["records"] = 2.0 * kRecords;
}
BENCHMARK(BM_ReadBothEntriesAfterOpening)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
