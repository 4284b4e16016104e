#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"

#include "platform/cad/DgnApplication.h"
#include "platform/cad/EditElementHandle.h"
#include "platform/cad/ElementFinder.h"
#include "platform/cad/GeomTolerance.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/PhysicalGraphics.h"
#include "platform/cad/RedrawElems.h"
#include "platform/cad/TextString.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "platform/host/TesselDraftAid.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"

#include <cmath>

namespace zt {

namespace {

// Arcs kept on screen count as one when both their end points lie this close.
constexpr double kSameArcEnds = 5.0;
// Curves named for deletion match kept ones whose points lie this close.
constexpr double kSameCurvePoints = 1.0e-6;
// Degrees: an angle measured this close to the capture limit is on it (a cursor placed at
// exactly ten degrees comes back from the arc cosine a hair beyond).
constexpr double kAngleRounding = 1.0e-9;

COLORREF ColorRefOf(std::uint32_t rgb)
{
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

ElemMatSymb DynamicSymbology(std::uint32_t rgb, std::uint32_t weight = 0)
{
    ElemMatSymb symbology;
    symbology.SetLineColorTBGR(ElemMatSymb::TBGR(ColorRefOf(rgb)));
    symbology.SetFillColorTBGR(ElemMatSymb::TBGR(ColorRefOf(rgb)));
    symbology.SetWidth(weight);
    return symbology;
}

double PixelSize(const IndexedViewport& viewport, const DPoint3d& at)
{
    const double size = viewport.GetPixelSizeAtPoint(&at);
    return std::isfinite(size) && size > 0.0 ? size : 1.0;
}

ICurvePrimitivePtr Segment(const DPoint3d& a, const DPoint3d& b)
{
    const DPoint3d points[2] = {a, b};
    return ICurvePrimitive::CreateLineString(points, 2);
}

DVec3d Flat(DVec3d v)
{
    v.z = 0.0;
    return v;
}

bool SamePoint(const DPoint3d& a, const DPoint3d& b, double tolerance)
{
    return a.Distance(b) <= tolerance;
}

// Same end points (either way round), and for arcs the same middle.
bool SameCurve(const ICurvePrimitive& kept, const ICurvePrimitive& named)
{
    DPoint3d ks, ke, ns, ne;
    if (!kept.GetStartEnd(ks, ke) || !named.GetStartEnd(ns, ne))
        return false;
    const bool forward = SamePoint(ks, ns, kSameCurvePoints) && SamePoint(ke, ne, kSameCurvePoints);
    const bool backward =
        SamePoint(ks, ne, kSameCurvePoints) && SamePoint(ke, ns, kSameCurvePoints);
    if (!forward && !backward)
        return false;
    const bool keptArc = kept.GetArcCP() != nullptr;
    if (keptArc != (named.GetArcCP() != nullptr))
        return false;
    if (!keptArc)
        return true;
    DPoint3d km, nm;
    return kept.FractionToPoint(0.5, km) && named.FractionToPoint(0.5, nm) &&
           SamePoint(km, nm, kSameCurvePoints);
}

} // namespace

ZTArchAuxiliaryMacrosMgn& ZTArchAuxiliaryMacrosMgn::GetInstance()
{
    static ZTArchAuxiliaryMacrosMgn manager;
    return manager;
}

void ZTArchAuxiliaryMacrosMgn::AddListener(ZTAuxliaryEvent* listener)
{
    if (listener)
        m_listeners.insert(listener);
}

void ZTArchAuxiliaryMacrosMgn::DropListener(ZTAuxliaryEvent* listener)
{
    m_listeners.erase(listener);
}

std::optional<int> ZTArchAuxiliaryMacrosMgn::TrackingAngle(double a)
{
    if (!std::isfinite(a))
        return std::nullopt;
    const int k = static_cast<int>(a / kTrackingStep);
    if (std::fabs(a - kTrackingStep * k) <= kTrackingCapture + kAngleRounding)
        return static_cast<int>(kTrackingStep) * k;
    if (std::fabs(a - kTrackingStep * (k + 1)) <= kTrackingCapture + kAngleRounding)
        return static_cast<int>(kTrackingStep) * (k + 1);
    return std::nullopt;
}

ZTAuxiliaryModelPtr ZTArchAuxiliaryMacrosMgn::FindOrCreateAuxiliaryModel(DgnProject& project)
{
    TSModelInfoManager& models = TSModelInfoManager::Get();
    for (const TSModelInfo& info : models.GetAllModelInfos(project))
        if (info.displayName == kDynamicModelName)
            return std::make_shared<const TSModelInfo>(info);

    TSStoreyModelViewManager& views = TSStoreyModelViewManager::Get();
    std::int64_t storey = 0;
    IndexedViewport* selected = DgnApplication::Get().GetSelectedViewport();
    if (selected) {
        if (TSStoreyModelViewInfoPtr shown =
                views.GetModelViewInfoByViewportIndex(project, selected->GetViewNumber()))
            storey = shown->storeyId;
    }
    if (storey == 0)
        storey = TSArchiStoreyManager::Get().EnsureStorey(project);
    TSStoreyModelViewInfoPtr view =
        views.CreateCustomizedModelView(project, storey, DPoint3d{0, 0, 0}, DVec3d{0, 1, 0},
                                        DVec3d{0, 0, 1}, TSStoreyModelViewManager::NewGuidKey());
    if (view.IsNull())
        return nullptr;
    TSModelInfo info;
    if (!models.GetModelInfo(project, view->modelId, info))
        return nullptr;
    info.displayName = kDynamicModelName;
    info.modelType = TSModelType_Auxiliary;
    info.scale = 100.0;
    info.storeyElevation = 1.0;
    info.viewportIndex = -1;
    info.storeyId = storey;
    if (!models.ReplaceModelInfo(project, info))
        return nullptr;
    views.ReplaceModelViewInfo(project, *view);
    return std::make_shared<const TSModelInfo>(info);
}

void ZTArchAuxiliaryMacrosMgn::ClearLists()
{
    m_curveLines.clear();
    m_delayLines.clear();
    m_shownLines.clear();
    m_allLinesStale = true;
}

void ZTArchAuxiliaryMacrosMgn::DeleteWrittenElements()
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (project) {
        for (ElementId id : m_writtenElements) {
            if (ElementRef* element = project->FindElementById(id)) {
                EditElementHandle handle(element);
                handle.DeleteFromModel();
            }
        }
    }
    m_writtenElements.clear();
}

void ZTArchAuxiliaryMacrosMgn::DeleteAuxiliaryModelElements()
{
    if (!m_model)
        return;
    for (ElementRef* element : ElementFinder::GetElementRefsOfModel(m_model->modelId)) {
        EditElementHandle handle(element);
        handle.DeleteFromModel();
    }
}

void ZTArchAuxiliaryMacrosMgn::DeleteDecorations()
{
    for (std::uint32_t id : m_decorationIds)
        m_decorations.Delete(id);
    m_decorationIds.clear();
}

void ZTArchAuxiliaryMacrosMgn::RebuildDecorations()
{
    DeleteDecorations();
    if (m_delayLines.empty())
        return;
    CurveVectorPtr curves = CurveVector::Create(CurveVector::BOUNDARY_TYPE_None);
    for (const ICurvePrimitivePtr& line : m_delayLines)
        curves->Add(line);
    if (const std::uint32_t id = m_decorations.Create(*curves))
        m_decorationIds.push_back(id);
}

void ZTArchAuxiliaryMacrosMgn::UpdateSelectedView()
{
    if (IndexedViewport* viewport = DgnApplication::Get().GetSelectedViewport())
        viewport->UpdateView();
}

void ZTArchAuxiliaryMacrosMgn::StartAuxiliary()
{
    // A start without a close must not leave a group open behind it.
    if (m_txnProject.IsValid()) {
        m_txnProject->GetTxnManager().EndTxnGroup();
        m_txnProject = nullptr;
    }
    m_active = true;
    m_anglePoints.clear();
    m_referenceDirection = DVec3d::UnitX();
    ClearLists();
    DeleteWrittenElements();
    DeleteDecorations();
    m_lastDrawing = AuxiliaryMoveDrawing{};
    DgnProjectPtr project = DgnApplication::Get().GetCurrentProjectPtr();
    m_model = project.IsValid() ? FindOrCreateAuxiliaryModel(*project) : nullptr;
    if (project.IsValid()) {
        project->GetTxnManager().StartTxnGroup();
        m_txnProject = project;
    }
}

void ZTArchAuxiliaryMacrosMgn::CloseAuxiliary()
{
    m_active = false;
    DeleteAuxiliaryModelElements();
    for (ZTAuxliaryEvent* listener : m_listeners)
        listener->OnCloseAuxiliary();
    m_referenceDirection = DVec3d::UnitX();
    ClearLists();
    DeleteWrittenElements();
    DeleteDecorations();
    m_lastDrawing = AuxiliaryMoveDrawing{};
    if (m_txnProject.IsValid()) {
        m_txnProject->GetTxnManager().EndTxnGroup();
        m_txnProject = nullptr;
    }
}

void ZTArchAuxiliaryMacrosMgn::SetButton(const DPoint3d& point)
{
    TesselDraftAid* aid = TesselDraftAid::GetInstance();
    RotMatrix rotation;
    aid->GetRotation(rotation);
    aid->SetContext(TesselDraftAid_SetOrigin, point, rotation);
    DeleteWrittenElements();
    if (m_txnProject.IsValid())
        m_txnProject->GetTxnManager().EndTxnGroup();
    m_txnProject = DgnApplication::Get().GetCurrentProjectPtr();
    if (m_txnProject.IsValid())
        m_txnProject->GetTxnManager().StartTxnGroup();
}

void ZTArchAuxiliaryMacrosMgn::SetAuxiliaryAngleInfo(const DPoint3d& point, const DVec3d& direction)
{
    m_anglePoints.assign(1, point);
    m_referenceDirection = direction;
}

void ZTArchAuxiliaryMacrosMgn::ClearAuxiliaryAngleInfo()
{
    m_anglePoints.clear();
    m_referenceDirection = DVec3d::UnitX();
}

void ZTArchAuxiliaryMacrosMgn::SetICurvePrimitiveLine(const bvector<ICurvePrimitivePtr>& lines)
{
    m_curveLines = lines;
    m_allLinesStale = true;
}

void ZTArchAuxiliaryMacrosMgn::ClearICurvePrimitiveLine()
{
    m_curveLines.clear();
    m_allLinesStale = true;
}

void ZTArchAuxiliaryMacrosMgn::SetBack()
{
    DeleteWrittenElements();
    m_curveLines.clear();
    m_allLinesStale = true;
    m_anglePoints.clear();
    m_referenceDirection = DVec3d::UnitX();
    DeleteDecorations();
    UpdateSelectedView();
}

void ZTArchAuxiliaryMacrosMgn::AuxiliaryRedo()
{
    m_delayLines.clear();
    m_allLinesStale = true;
    RebuildDecorations();
}

void ZTArchAuxiliaryMacrosMgn::SetDelayICurvePrimitiveLine(const ICurvePrimitivePtr& curve, int)
{
    if (m_active || curve.IsNull())
        return;
    bool add = true;
    if (const DEllipse3d* arc = curve->GetArcCP()) {
        const DPoint3d s = arc->FractionParameterToPoint(0.0);
        const DPoint3d e = arc->FractionParameterToPoint(1.0);
        for (const ICurvePrimitivePtr& kept : m_delayLines) {
            const DEllipse3d* keptArc = kept->GetArcCP();
            if (keptArc && SamePoint(keptArc->FractionParameterToPoint(0.0), s, kSameArcEnds) &&
                SamePoint(keptArc->FractionParameterToPoint(1.0), e, kSameArcEnds)) {
                add = false;
                break;
            }
        }
    }
    if (add) {
        m_delayLines.push_back(curve);
        m_allLinesStale = true;
    }
    RebuildDecorations();
}

void ZTArchAuxiliaryMacrosMgn::DeleteDelayICurvePrimitiveLine(
    const bvector<ICurvePrimitivePtr>& curves)
{
    std::erase_if(m_delayLines, [&](const ICurvePrimitivePtr& kept) {
        for (const ICurvePrimitivePtr& named : curves)
            if (named.IsValid() && SameCurve(*kept, *named))
                return true;
        return false;
    });
    m_allLinesStale = true;
    RebuildDecorations();
}

const bvector<ICurvePrimitivePtr>& ZTArchAuxiliaryMacrosMgn::AllLines()
{
    if (m_allLinesStale) {
        m_allLines = m_curveLines;
        m_allLines.insert(m_allLines.end(), m_delayLines.begin(), m_delayLines.end());
        m_allLinesStale = false;
    }
    return m_allLines;
}

ICurvePrimitivePtr ZTArchAuxiliaryMacrosMgn::DrawTracking(IndexedViewport& viewport,
                                                          const DPoint3d& cursor)
{
    const DPoint3d& base = m_anglePoints.front();
    const DVec3d toCursor = Flat(cursor - base);
    const std::optional<int> angle =
        TrackingAngle(cad::RadiansToDegrees(toCursor.AngleTo(DVec3d::UnitX())));
    if (!angle)
        return nullptr;
    const double radians = cad::DegreesToRadians(*angle);
    const bool below = cursor.y < base.y;
    const DVec3d direction{std::cos(radians), (below ? -1.0 : 1.0) * std::sin(radians), 0.0};
    const double pixel = PixelSize(viewport, cursor);
    const double length = toCursor.Magnitude() + kTrackingOverrunPixels * pixel;
    const DPoint3d farEnd = base + direction * length;
    ICurvePrimitivePtr line = Segment(base, farEnd);

    // A line along the X axis never lies below it, whatever the rounding of sin(180).
    int shown = *angle;
    if (below && shown % 180 != 0)
        shown = -shown;
    if (shown == 360)
        shown = 0;
    WString label;
    label.Sprintf(L"%d", shown);
    TextString text(label, farEnd, kTrackingLabelPixels * pixel);

    m_redraw.DoRedraw(*line, DynamicSymbology(kAuxiliaryRgb));
    m_redraw.DoRedraw(text, DynamicSymbology(kLabelRgb));

    m_lastDrawing.trackingLine = line;
    m_lastDrawing.trackingDegrees = *angle;
    m_lastDrawing.trackingLabel = label;
    return line;
}

void ZTArchAuxiliaryMacrosMgn::DrawIndicator(IndexedViewport& viewport, const DPoint3d& cursor)
{
    const DPoint3d& base = m_anglePoints.front();
    const DVec3d toCursor = DVec3d::FromNormalize(cursor - base);
    const DVec3d reference = DVec3d::FromNormalize(m_referenceDirection);
    if (toCursor.IsZero() || reference.IsZero())
        return;
    const double s = PixelSize(viewport, cursor) * kIndicatorPixels;
    const DPoint3d a1 = base + toCursor * s;
    const DPoint3d a0 = base + m_referenceDirection * s;
    const DVec3d v1 = a1 - base;
    const DVec3d v0 = a0 - base;
    const double phi = v1.AngleTo(v0);
    const double turn = v1.AngleToXY(v0) >= 0.0 ? -phi / 2.0 : phi / 2.0;
    const DPoint3d middle = base + DVec3d::FromRotateXY(DVec3d::FromNormalize(v0), turn) * s;
    const DEllipse3d arc = DEllipse3d::FromPointsOnArc(a1, middle, a0);
    ICurvePrimitivePtr referenceLeg = Segment(base, base + reference * (2.0 * s));
    ICurvePrimitivePtr cursorLeg = Segment(base, base + toCursor * (2.0 * s));

    const ElemMatSymb symbology = DynamicSymbology(kAuxiliaryRgb, kIndicatorWeight);
    m_redraw.DoRedraw(*ICurvePrimitive::CreateArc(arc), symbology);
    m_redraw.DoRedraw(*referenceLeg, symbology);
    m_redraw.DoRedraw(*cursorLeg, symbology);

    m_lastDrawing.indicatorArc = arc;
    m_lastDrawing.referenceLeg = referenceLeg;
    m_lastDrawing.cursorLeg = cursorLeg;
}

void ZTArchAuxiliaryMacrosMgn::WriteShownLines(DgnProject& project, IndexedViewport& viewport,
                                               const bvector<ICurvePrimitivePtr>& taken)
{
    if (taken.size() <= m_shownLines.size()) {
        m_shownLines = taken;
        return;
    }
    m_shownLines = taken;
    DeleteWrittenElements();
    DgnModel* model = project.GetModel(m_model->modelId);
    if (model) {
        ElementSymbology symbology = ElementSymbology::Default();
        symbology.color = project.GetElementColor(kAuxiliaryRgb);
        for (const ICurvePrimitivePtr& line : taken) {
            PhysicalGraphicsPtr graphics = model->CreatePhysicalGraphics();
            graphics->SetSymbology(symbology);
            graphics->AddCurvePrimitive(*line);
            const ElementId id = graphics->Save();
            if (id != INVALID_ELEMENTID)
                m_writtenElements.push_back(id);
        }
    }
    viewport.UpdateView();
}

void ZTArchAuxiliaryMacrosMgn::OnMove(const DgnButtonEvent& ev)
{
    if (!m_active)
        return;
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    IndexedViewport* viewport = DgnApplication::Get().GetSelectedViewport();
    if (!project || !viewport || !m_model)
        return;
    if (TSStoreyModelViewManager::Get()
            .GetModelViewInfoByViewportIndex(*project, viewport->GetViewNumber())
            .IsNull())
        return;
    const DPoint3d cursor = ev.GetPoint();
    if (!cursor.IsFinite())
        return;
    m_lastDrawing = AuxiliaryMoveDrawing{};

    const bvector<ICurvePrimitivePtr>& all = AllLines();
    for (ZTAuxliaryEvent* listener : m_listeners) {
        listener->OnCurveLines(all);
        listener->OnAnglePoints(m_anglePoints);
        listener->OnAuxiliaryModel(m_model);
    }

    // What the move draws as dynamics is shown in one redraw at its end.
    m_redraw.SetDynamicsViews(IViewManager::GetManager().GetActiveViewSet(), viewport);
    m_redraw.BeginBatch();
    ICurvePrimitivePtr tracking;
    if (!m_anglePoints.empty())
        tracking = DrawTracking(*viewport, cursor);

    bvector<ICurvePrimitivePtr> candidates;
    for (ZTAuxliaryEvent* listener : m_listeners)
        listener->CollectAuxiliaryLines(candidates, ev);
    if (tracking.IsValid())
        candidates.push_back(tracking);

    WriteShownLines(*project, *viewport,
                    TakeAuxiliaryLines(NearestAuxiliaryCandidates(candidates, cursor)));

    if (!m_anglePoints.empty())
        DrawIndicator(*viewport, cursor);
    m_redraw.EndBatch();
}

} // namespace zt
