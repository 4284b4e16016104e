#include "apps/ztui-demo/session/SampleBuilding.h"

#include "platform/cad/DgnProject.h"
#include "platform/cad/ITxnManager.h"
#include "platform/cad/LevelDefinition.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiDoor.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyManager.h"
#include "platform/host/ZTLayerCompsMgn.h"

#include <string_view>

namespace ztdemo {

namespace {

constexpr double kLength = 12000;
constexpr double kDepth = 8000;
constexpr double kStoreyHeight = 3300;
constexpr double kPartitionX = 5000; // the wall between the office and the meeting room
constexpr double kCorridorY = 5600;  // the corridor wall of the office side

template <class T>
RefCountedPtr<T> NewObject(DgnProject& project, const char* className)
{
    auto obj = TSObjectExtensionManager::Get().GetTSObject(&project, "TSM_ArchiModel", className);
    return RefCountedPtr<T>(dynamic_cast<T*>(obj.get()));
}

class Builder
{
public:
    explicit Builder(DgnProject& project) : m_project(project) {}

    void Wall(DPoint3d a, DPoint3d b, double thickness)
    {
        if (auto w = NewObject<TSArchiWall>(m_project, TSArchiWall::CLASS_NAME)) {
            w->SetStart(a);
            w->SetEnd(b);
            w->SetThickness(thickness);
            w->SetHeight(kStoreyHeight);
            Add(*w, m_counts.walls);
        }
    }
    void Slab()
    {
        if (auto s = NewObject<TSArchiSlab>(m_project, TSArchiSlab::CLASS_NAME)) {
            s->SetProfile({{-120, -120, 0}, {kLength + 120, -120, 0},
                           {kLength + 120, kDepth + 120, 0}, {-120, kDepth + 120, 0}});
            s->SetThickness(120);
            Add(*s, m_counts.slabs);
        }
    }
    void Column(DPoint3d centre)
    {
        if (auto c = NewObject<TSArchiColumn>(m_project, TSArchiColumn::CLASS_NAME)) {
            c->SetCenter(centre);
            c->SetWidth(400);
            c->SetDepth(400);
            c->SetHeight(kStoreyHeight);
            Add(*c, m_counts.columns);
        }
    }
    void Beam(DPoint3d a, DPoint3d b)
    {
        if (auto beam = NewObject<TSArchiBeam>(m_project, TSArchiBeam::CLASS_NAME)) {
            beam->SetStart(a);
            beam->SetEnd(b);
            beam->SetWidth(250);
            beam->SetHeight(500);
            Add(*beam, m_counts.beams);
        }
    }
    template <class T>
    void Opening(const char* className, DPoint3d at, double angle, double width, double height,
                 double sill, std::size_t& count)
    {
        if (auto o = NewObject<T>(m_project, className)) {
            o->SetPosition(at);
            o->SetAngle(angle);
            o->SetWidth(width);
            o->SetHeight(height);
            o->SetSillHeight(sill);
            Add(*o, count);
        }
    }
    void Door(DPoint3d at, double angle)
    {
        Opening<TSArchiDoor>(TSArchiDoor::CLASS_NAME, at, angle, 900, 2100, 0, m_counts.doors);
    }
    void Window(DPoint3d at, double angle)
    {
        Opening<TSArchiWindow>(TSArchiWindow::CLASS_NAME, at, angle, 1500, 1500, 900,
                               m_counts.windows);
    }

    // One storey: its floor, outer and inner walls, columns at the corners and the partition,
    // openings, and the beams under the floor above.
    void Storey(bool ground)
    {
        Slab();
        Wall({0, 0, 0}, {kLength, 0, 0}, 240);
        Wall({kLength, 0, 0}, {kLength, kDepth, 0}, 240);
        Wall({kLength, kDepth, 0}, {0, kDepth, 0}, 240);
        Wall({0, kDepth, 0}, {0, 0, 0}, 240);
        Wall({kPartitionX, 0, 0}, {kPartitionX, kDepth, 0}, 120);
        Wall({kPartitionX, kCorridorY, 0}, {kLength, kCorridorY, 0}, 120);
        for (DPoint3d c : {DPoint3d{0, 0, 0}, DPoint3d{kLength, 0, 0}, DPoint3d{kLength, kDepth, 0},
                           DPoint3d{0, kDepth, 0}, DPoint3d{kPartitionX, 0, 0},
                           DPoint3d{kPartitionX, kDepth, 0}})
            Column(c);
        if (ground)
            Door({2500, 0, 0}, 0);
        Door({kPartitionX, 6800, 0}, 90);
        Door({8500, kCorridorY, 0}, 0);
        Window({8500, 0, 0}, 0);
        Window({2500, kDepth, 0}, 0);
        Window({kLength, 2800, 0}, 90);
        if (!ground) {
            Beam({0, 0, 0}, {kLength, 0, 0});
            Beam({0, kDepth, 0}, {kLength, kDepth, 0});
        }
    }

    SampleCounts counts() const { return m_counts; }

private:
    template <class T>
    void Add(T& object, std::size_t& count)
    {
        if (object.AddToModel(*m_project.GetDefaultModel()) != INVALID_ELEMENTID)
            ++count;
    }

    DgnProject& m_project;
    SampleCounts m_counts;
};

} // namespace

SampleCounts BuildSampleBuilding(DgnProject& project)
{
    TSArchiStoreyManager& storeys = TSArchiStoreyManager::Get();
    if (!project.GetDefaultModel() || !storeys.GetStoreys(project).empty())
        return {};
    ITxnManager& txn = project.GetTxnManager();
    txn.StartTxnGroup();

    // Each kind on its layer, in the colours an office drawing gives them (0xRRGGBB).
    struct LayerColour
    {
        const char* name;
        std::uint32_t rgb;
    } layerColours[] = {{kWallLayer, 0xE8E2D6}, {kSlabLayer, 0xB8C4CC}, {kColumnLayer, 0xD98C5F},
                        {kBeamLayer, 0xC9A26B}, {kDoorLayer, 0x8C6239}, {kWindowLayer, 0x6FB7E0}};
    TSLevelManager& levels = TSLevelManager::Get();
    for (const LayerColour& layer : layerColours) {
        LevelDefinition level;
        if (project.Levels().FindLevelByName(layer.name, level))
            continue;
        level.name = layer.name;
        level.color = project.GetElementColor(layer.rgb);
        project.Levels().CreateLevel(layer.name, 0, level);
    }
    levels.SetEcClassMapLvl(project, {{TSArchiWall::CLASS_NAME, kWallLayer},
                                      {TSArchiSlab::CLASS_NAME, kSlabLayer},
                                      {TSArchiColumn::CLASS_NAME, kColumnLayer},
                                      {TSArchiBeam::CLASS_NAME, kBeamLayer},
                                      {TSArchiDoor::CLASS_NAME, kDoorLayer},
                                      {TSArchiWindow::CLASS_NAME, kWindowLayer}});

    Builder builder(project);
    std::int64_t ground = storeys.AddStorey(project, L"首层", 0.0, kStoreyHeight);
    std::int64_t upper = storeys.AddStorey(project, L"二层", kStoreyHeight, kStoreyHeight);
    TSStoreyManager::SetCurrentStorey(project, ground);
    builder.Storey(true);
    TSStoreyManager::SetCurrentStorey(project, upper);
    builder.Storey(false);
    TSStoreyManager::SetCurrentStorey(project, ground);

    // Everything, and the structure alone.
    ZTLAYERCOMPSINFO all;
    ZTLAYERCOMPSINFO structure;
    for (const char* layer :
         {kWallLayer, kSlabLayer, kColumnLayer, kBeamLayer, kDoorLayer, kWindowLayer}) {
        all.layers.push_back({Utf8String(layer), 1, 0});
        std::string_view name(layer);
        bool structural = name == kSlabLayer || name == kColumnLayer || name == kBeamLayer;
        structure.layers.push_back(
            {Utf8String(layer), static_cast<unsigned char>(structural ? 1 : 0), 0});
    }
    ZTLayerCompsMgn& combs = ZTLayerCompsMgn::Get();
    combs.SetLayerCompInfo(project, "全部", all);
    combs.SetLayerCompInfo(project, "结构", structure);
    combs.SetCurCompName(project, "全部");
    txn.EndTxnGroup();

    SampleCounts counts = builder.counts();
    counts.storeys = storeys.GetStoreys(project).size();
    return counts;
}

} // namespace ztdemo
