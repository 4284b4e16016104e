// A project of a building's size on disk: saving every element of a new project, opening the
// saved file again, and saving after a tool changed a small part of it. Elements are a mix of
// walls (extruded profiles with properties), line strings and lines on a dozen levels.
// Saves wait for the disk, so times are wall-clock. Counters: elements (for the edit, those
// changed) per second and the size of the file.

#include "platform/cad/DgnProject.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/PhysicalGraphics.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class BenchFolder
{
public:
    BenchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zt-cadbench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~BenchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    Utf8String File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

void Fill(DgnProject& project, int count)
{
    DgnModel& model = *project.GetDefaultModel();
    ECClassId wall = project.Schemas().RegisterECClass("ArchSchema", "Wall");
    LevelId levels[12];
    for (int i = 0; i < 12; ++i)
        levels[i] = project.Levels().CreateLevel("层 " + std::to_string(i));
    for (int i = 0; i < count; ++i) {
        double x = (i % 300) * 4.0, y = (i / 300) * 4.0;
        auto g = model.CreatePhysicalGraphics(levels[i % 12]);
        switch (i % 3) {
        case 0: {
            auto profile =
                CurveVector::Create(CurveVector::BOUNDARY_TYPE_Outer,
                                    ICurvePrimitive::CreateRectangle(x, y, x + 3.6, y + 0.2, 0));
            g->AddCurveVector(*profile);
            g->SetExtrusion(ElementExtrusion{profile, 0.0, 3.0});
            g->SetECClass(wall);
            Json::Value props;
            props["thickness"] = 0.2;
            props["material"] = "混凝土";
            props["storey"] = i / 10000;
            g->SetProperties(props);
            break;
        }
        case 1: {
            bvector<DPoint3d> points;
            for (int k = 0; k < 8; ++k)
                points.push_back(DPoint3d::From(x + k * 0.5, y + (k % 2) * 0.5, 0));
            g->AddCurvePrimitive(*ICurvePrimitive::CreateLineString(points));
            break;
        }
        default:
            g->AddCurvePrimitive(
                *ICurvePrimitive::CreateLine(DPoint3d::From(x, y), DPoint3d::From(x + 3, y + 3)));
        }
        g->Save();
    }
    Json::Value dictionary;
    dictionary["name"] = "bench";
    project.ExtensionData().SetDocument("Dictionary", dictionary);
}

Utf8String SavedProject(const BenchFolder& folder, int count)
{
    Utf8String path = folder.File("saved-" + std::to_string(count) + ".ztproj");
    if (!std::filesystem::exists(path.c_str())) {
        DgnProjectPtr project = DgnProject::CreateProject(path);
        Fill(*project, count);
        project->SaveChanges();
        project->Close();
    }
    return path;
}

void Report(benchmark::State& state, const Utf8String& path, int count)
{
    state.counters["elements/s"] =
        benchmark::Counter(double(count) * state.iterations(), benchmark::Counter::kIsRate);
    std::error_code ec;
    state.counters["file MB"] = double(std::filesystem::file_size(path.c_str(), ec)) / 1e6;
}

void BM_SaveNewProject(benchmark::State& state)
{
    const int count = int(state.range(0));
    BenchFolder folder;
    Utf8String path;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        path = folder.File("new-" + std::to_string(run++) + ".ztproj");
        DgnProjectPtr project = DgnProject::CreateProject(path);
        Fill(*project, count);
        state.ResumeTiming();
        if (project->SaveChanges() != DgnProjectStatus::Success)
            state.SkipWithError("save failed");
        state.PauseTiming();
        project->Close();
        state.ResumeTiming();
    }
    Report(state, path, count);
}

void BM_OpenProject(benchmark::State& state)
{
    const int count = int(state.range(0));
    BenchFolder folder;
    Utf8String path = SavedProject(folder, count);
    for (auto _ : state) {
        DgnProjectPtr project = DgnProject::OpenProject(path);
        if (!project || project->GetElementCount() != std::size_t(count))
            state.SkipWithError("open failed");
        state.PauseTiming();
        project = nullptr;
        state.ResumeTiming();
    }
    Report(state, path, count);
}

// What a move of a thousand elements leaves to save.
void BM_SaveAfterEdit(benchmark::State& state)
{
    const int count = int(state.range(0));
    BenchFolder folder;
    Utf8String path = SavedProject(folder, count);
    DgnProjectPtr project = DgnProject::OpenProject(path);
    DgnModel& model = *project->GetDefaultModel();
    bvector<ElementId> ids = model.GetElementIds();
    double dx = 0;
    int edited = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dx += 1.0;
        Transform move = Transform::From(RotMatrix::FromIdentity(), DPoint3d::From(dx, 0, 0));
        for (std::size_t i = 0; i < ids.size(); i += ids.size() / 1000) {
            EditElementHandle handle(ids[i], &model);
            handle.ApplyTransform(move);
            edited += handle.ReplaceInModel() ? 1 : 0;
        }
        state.ResumeTiming();
        if (project->SaveChanges() != DgnProjectStatus::Success)
            state.SkipWithError("save failed");
    }
    Report(state, path, edited / int(state.iterations()));
}

} // namespace

BENCHMARK(BM_SaveNewProject)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_OpenProject)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SaveAfterEdit)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

BENCHMARK_MAIN();
