#include "platform/cad/ProjectViewScene.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/ElemMatSymb.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/PlatformWorkQueue.h"
#include "platform/cad/ProjectEvents.h"
#include "platform/cad/ViewContext.h"
#include "platform/cad/ViewDecorations.h"

#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

// The symbology of one draw, resolved against the project's levels and colours once per
// distinct value rather than once per element.
class SymbologyResolver
{
public:
    explicit SymbologyResolver(DgnProject& project) : m_project(project)
    {
        for (const LevelDefinition& level : project.Levels().GetLevels())
            m_levels.emplace(level.id, level);
        LevelDefinition fallback;
        if (project.Levels().FindLevelById(LEVEL_DEFAULT_LEVEL_ID, fallback))
            m_default = fallback;
    }

    const LevelDefinition& Level(LevelId id) const
    {
        auto it = m_levels.find(id);
        // Elements on a deleted level draw as the default level does.
        return it != m_levels.end() ? it->second : m_default;
    }

    ElemMatSymb Resolve(const ElementSymbology& s, const LevelDefinition& level)
    {
        const std::uint32_t colorIndex = s.color == COLOR_BYLEVEL ? level.color : s.color;
        const COLORREF color = ColorOf(colorIndex);
        ElemMatSymb out;
        out.SetLineColorTBGR(ElemMatSymb::TBGR(color));
        out.SetFillColorTBGR(ElemMatSymb::TBGR(color));
        out.SetWidth(s.weight == WEIGHT_BYLEVEL ? level.weight : s.weight);
        const std::int32_t style = s.style == STYLE_BYLEVEL ? level.style : s.style;
        out.SetLineStyle(style < 0 ? 0u : std::uint32_t(style));
        return out;
    }

private:
    COLORREF ColorOf(std::uint32_t elementColor)
    {
        auto it = m_colors.find(elementColor);
        if (it != m_colors.end())
            return it->second;
        ColorDef def = ColorDef::FromRgb(0xFFFFFF);
        m_project.Colors().GetColor(elementColor, def);
        return m_colors.emplace(elementColor, def.GetColorRef()).first->second;
    }

    DgnProject& m_project;
    std::unordered_map<LevelId, LevelDefinition> m_levels;
    LevelDefinition m_default;
    std::unordered_map<std::uint32_t, COLORREF> m_colors;
};

void DrawPrimitive(IDrawGeom& geom, const GeometricPrimitive& p)
{
    switch (p.GetKind()) {
    case GeometricPrimitive::Kind::Curve:
        if (const ICurvePrimitive* curve = p.GetCurve())
            geom.DrawCurvePrimitive(*curve, false, false);
        break;
    case GeometricPrimitive::Kind::CurveVector:
        if (const CurveVector* curves = p.GetCurveVector())
            geom.DrawCurveVector(*curves, false);
        break;
    case GeometricPrimitive::Kind::Text:
        if (const TextString* text = p.GetText())
            geom.DrawTextString(*text);
        break;
    }
}

} // namespace

ProjectViewScene& ProjectViewScene::Get()
{
    static ProjectViewScene scene;
    return scene;
}

void ProjectViewScene::Install()
{
    IViewManager& manager = IViewManager::GetManager();
    if (manager.GetViewScene() != &Get())
        manager.SetViewScene(&Get());
}

ProjectViewScene::ProjectViewScene()
{
    // Built first, so that they are still there when this scene goes at the end of the process
    // and the views redraw without it.
    IViewManager::GetManager();
    ViewDecorations::Get();
    ProjectEvents::Get().AddElementListener(this);
    ProjectEvents::Get().AddProjectListener(this);
}

ProjectViewScene::~ProjectViewScene()
{
    ProjectEvents::Get().DropElementListener(this);
    ProjectEvents::Get().DropProjectListener(this);
    // The process is ending: what else the views would draw may be gone already.
    if (IViewManager::GetManager().GetViewScene() == this)
        IViewManager::GetManager().SetViewScene(nullptr, false);
}

void ProjectViewScene::OnProjectClosing(DgnProject&)
{
    // Model ids are the project's own: a list kept for this project means nothing in the next.
    IndexedViewSet& views = IViewManager::GetManager().GetActiveViewSet();
    for (IndexedViewport* viewport : views.GetOpenViewports())
        viewport->SetViewedModels(std::nullopt);
    Changed();
}

void ProjectViewScene::Changed()
{
    m_generation.fetch_add(1);
    if (!PlatformWorkQueue::HasPoster() || m_updateQueued.exchange(true))
        return;
    PlatformWorkQueue::Post([this] {
        m_updateQueued.store(false);
        IViewManager::GetManager().UpdateAllViews();
    });
}

void ProjectViewScene::_DrawScene(ViewContext& context)
{
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    if (!project.IsValid() || !project->IsOpen())
        return;
    SymbologyResolver symbology(*project);
    IDrawGeom& geom = context.GetIDrawGeom();
    const Viewport* viewport = context.GetViewport();
    // A plan seen from straight above shows the storey it is cut through, not those above.
    std::optional<Viewport::PlanCut> cut = viewport ? viewport->GetPlanCut() : std::nullopt;
    if (cut && std::fabs(context.GetFrame().rotation.form3d[2][2] - 1.0) > 1e-9)
        cut.reset();
    for (DgnModel* model : project->GetModels()) {
        if (viewport && !viewport->IsModelViewed(model->GetModelId()))
            continue;
        for (ElementRef* element : model->GetElementRefs()) {
            if (context.CheckStop())
                return;
            const std::shared_ptr<const ElementData> data = element->GetData();
            const LevelDefinition& level = symbology.Level(data->levelId);
            if (!level.displayed)
                continue;
            const ElementGeometry& g = data->geometry;
            if (!context.IsRangeVisible(g.GetRange()))
                continue;
            if (cut && (g.GetRange().high.z < cut->bottom || g.GetRange().low.z > cut->cut))
                continue;
            for (const GeometricPrimitive& p : g.primitives) {
                const ElemMatSymb s = symbology.Resolve(p.GetSymbology(), level);
                geom.ActivateMatSymb(&s);
                DrawPrimitive(geom, p);
            }
            if (g.extrusion && g.extrusion->IsValid()) {
                const ElemMatSymb s =
                    symbology.Resolve(g.primitives.empty() ? ElementSymbology::Default()
                                                           : g.primitives.front().GetSymbology(),
                                      level);
                geom.ActivateMatSymb(&s);
                geom.DrawProfileExtrusion(*g.extrusion->baseProfile, g.extrusion->bottomElevation,
                                          DVec3d{0.0, 0.0, g.extrusion->height});
            }
        }
    }
}
