#pragma once
// The auxiliary (construction) geometry shown while a drawing tool waits for a point: the
// nearest candidate lines that the tool's listeners offer, a polar tracking line at multiples
// of 45 degrees from the reference point, an angle indicator between the reference direction
// and the cursor, and delayed lines other parts of the host keep on screen. Shown candidate
// lines are written as temporary elements of the storey view's dynamic auxiliary model, so
// that the host's snapping finds them; they go again on the next change, on a data point and
// when the tool ends. Everything between start and close is one transaction group, so none of
// it becomes a separate undo step.
//
// A process-wide manager, built on first use and used on the host's work thread.

#include "platform/base/WString.h"
#include "platform/cad/DEllipse3d.h"
#include "platform/cad/DgnIds.h"
#include "platform/cad/RedrawElems.h"
#include "ztui/drawinput/AuxiliaryDecorations.h"
#include "ztui/drawinput/ZTAuxliaryEvent.h"

#include <optional>
#include <set>

class DgnProject;
class IndexedViewport;

namespace zt {

// What the last cursor move drew as dynamics, for hosts that show it elsewhere too.
struct ZTUI_EXPORT AuxiliaryMoveDrawing
{
    // The polar tracking line, its angle from the X axis and its label.
    ICurvePrimitivePtr trackingLine;
    int trackingDegrees = 0;
    WString trackingLabel;
    // The angle indicator: its arc and its two legs (reference direction, cursor direction).
    std::optional<DEllipse3d> indicatorArc;
    ICurvePrimitivePtr referenceLeg;
    ICurvePrimitivePtr cursorLeg;
};

class ZTUI_EXPORT ZTArchAuxiliaryMacrosMgn
{
public:
    static constexpr const wchar_t* kDynamicModelName = L"ZT_DynamicAuxiliary_ModelInfo";
    // Degrees within which the cursor direction snaps to a multiple of 45 degrees.
    static constexpr double kTrackingCapture = 10.0;
    static constexpr double kTrackingStep = 45.0;
    // The tracking line runs past the cursor by this many pixels; its label is this tall.
    static constexpr double kTrackingOverrunPixels = 100.0;
    static constexpr double kTrackingLabelPixels = 20.0;
    // The angle indicator's radius in pixels.
    static constexpr double kIndicatorPixels = 100.0;
    static constexpr std::uint32_t kAuxiliaryRgb = 0xFFBF00;
    static constexpr std::uint32_t kLabelRgb = 0xDEC4B0;
    static constexpr std::uint32_t kIndicatorWeight = 2;

    static ZTArchAuxiliaryMacrosMgn& GetInstance();

    // A null listener is ignored; adding twice keeps one entry.
    void AddListener(ZTAuxliaryEvent* listener);
    void DropListener(ZTAuxliaryEvent* listener);
    void Release() {}

    void StartAuxiliary();
    void CloseAuxiliary();
    void SetButton(const DPoint3d& point);
    void OnMove(const DgnButtonEvent& ev);
    void SetAuxiliaryAngleInfo(const DPoint3d& point, const DVec3d& direction);
    void ClearAuxiliaryAngleInfo();
    void SetICurvePrimitiveLine(const bvector<ICurvePrimitivePtr>& lines);
    void ClearICurvePrimitiveLine();
    void SetBack();
    void AuxiliaryRedo();
    void BeHighLight(bool highlight) { m_highlight = highlight; }
    void SetDelayICurvePrimitiveLine(const ICurvePrimitivePtr& curve, int elementId);
    void DeleteDelayICurvePrimitiveLine(const bvector<ICurvePrimitivePtr>& curves);

    bool IsActive() const { return m_active; }
    bool IsHighLight() const { return m_highlight; }
    const bvector<DPoint3d>& GetAnglePoints() const { return m_anglePoints; }
    const DVec3d& GetReferenceDirection() const { return m_referenceDirection; }
    const bvector<ICurvePrimitivePtr>& GetCurveLines() const { return m_curveLines; }
    const bvector<ICurvePrimitivePtr>& GetDelayLines() const { return m_delayLines; }
    const bvector<ICurvePrimitivePtr>& GetShownLines() const { return m_shownLines; }
    const bvector<ElementId>& GetWrittenElements() const { return m_writtenElements; }
    const bvector<std::uint32_t>& GetDecorationIds() const { return m_decorationIds; }
    ZTAuxiliaryModelPtr GetAuxiliaryModel() const { return m_model; }
    const AuxiliaryMoveDrawing& GetLastDrawing() const { return m_lastDrawing; }
    AuxiliaryDecorations& GetDecorations() { return m_decorations; }

    // The dynamic auxiliary model of the project, made (with a customized view of the current
    // storey) when the project has none.
    static ZTAuxiliaryModelPtr FindOrCreateAuxiliaryModel(DgnProject& project);
    // The polar tracking angle (a multiple of 45) for an unsigned angle from the X axis, or
    // nothing when the angle is not close to one.
    static std::optional<int> TrackingAngle(double unsignedDegrees);

private:
    ZTArchAuxiliaryMacrosMgn() = default;
    ~ZTArchAuxiliaryMacrosMgn() = default;
    ZTArchAuxiliaryMacrosMgn(const ZTArchAuxiliaryMacrosMgn&) = delete;
    ZTArchAuxiliaryMacrosMgn& operator=(const ZTArchAuxiliaryMacrosMgn&) = delete;

    void ClearLists();
    void DeleteWrittenElements();
    void DeleteAuxiliaryModelElements();
    void DeleteDecorations();
    void RebuildDecorations();
    const bvector<ICurvePrimitivePtr>& AllLines();
    ICurvePrimitivePtr DrawTracking(IndexedViewport& viewport, const DPoint3d& cursor);
    void DrawIndicator(IndexedViewport& viewport, const DPoint3d& cursor);
    void WriteShownLines(DgnProject& project, IndexedViewport& viewport,
                         const bvector<ICurvePrimitivePtr>& taken);
    void UpdateSelectedView();

    std::set<ZTAuxliaryEvent*> m_listeners;
    ZTAuxiliaryModelPtr m_model;
    bvector<DPoint3d> m_anglePoints;
    DVec3d m_referenceDirection = DVec3d::UnitX();
    bvector<ICurvePrimitivePtr> m_curveLines;
    bvector<ICurvePrimitivePtr> m_delayLines;
    bvector<std::uint32_t> m_decorationIds;
    bvector<ICurvePrimitivePtr> m_shownLines;
    bvector<ElementId> m_writtenElements;
    bool m_active = false;
    bool m_highlight = false;

    // The curve lines followed by the delayed lines, made again when either changes.
    bvector<ICurvePrimitivePtr> m_allLines;
    bool m_allLinesStale = true;
    // The project whose transaction group is open.
    RefCountedPtr<DgnProject> m_txnProject;
    AuxiliaryMoveDrawing m_lastDrawing;
    RedrawElems m_redraw;
    AuxiliaryDecorations m_decorations;
};

} // namespace zt
