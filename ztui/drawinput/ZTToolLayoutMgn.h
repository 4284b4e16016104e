#pragma once
// Turns the points a drawing tool receives into a profile of lines and arcs, click by click,
// with the preview for the cursor, the prompt for the next click, the guide line, the
// reference for auxiliary lines, closure tests, back space and closing on the reset button.
// A process-wide singleton driven by the host's tools on the work thread; it has no window.
//
// All geometry lies in the XY plane; z values are carried along.

#include "platform/base/WString.h"
#include "platform/cad/CurveVector.h"
#include "ztui/ZTUiExport.h"
#include "ztui/drawinput/DynTraceInfo.h"
#include "ztui/drawinput/ZTDrawWay.h"

#include <deque>
#include <list>
#include <optional>
#include <utility>

namespace zt {

class ZTUI_EXPORT ZTToolLayoutMgn
{
public:
    // Two clicks closer than this many pixels of the selected view are the same point.
    static constexpr double kClickTolerancePixels = 10.0;
    // The same, in model units, when no view is selected.
    static constexpr double kClickToleranceWithoutView = 1.0;

    static ZTToolLayoutMgn& Get();

    // Starts a layout: no way set, no points, a new empty profile, no prompt or guide line.
    void Begin();
    // Forgets the points and the profile's curves; the profile object stays.
    void End();
    void SetDrawWay(const ZTDrawWay& way);

    // The preview for the cursor (null when there is nothing to show). Nothing is stored
    // apart from what the preview reports: guide line, circle centre, tracer point and
    // information, sweeps and the auxiliary reference.
    ICurvePrimitivePtr AddDynamicPoint(const DPoint3d& point);
    // Records a click. False means the outline is complete and the tool should finish.
    bool AddDataButtonPoint(const DPoint3d& point);
    // Undoes the last segment.
    void SetBackSpace();
    // Closes the outline back to its first point; true when a closing line was added.
    bool SetResetButton();

    // True when the profile ends on its first point; the last curve is then snapped exactly
    // onto it.
    bool IsClosed();
    // True when a click at the cursor would close the outline.
    bool IsDynamicClosed(const DPoint3d& point) const;
    // True when the last clicks are degenerate (repeated points).
    bool CheckLines() const;
    bool IsFullSweep() const;
    // True, with the reference point and direction for auxiliary lines, when there is one.
    bool GetAuxiliaryInfo(DPoint3d& point, DVec3d& direction) const;

    // That curve of the profile; null when the index is out of range.
    ICurvePrimitivePtr GetProfile(int index) const;
    // The current point: the first current draw point, or the zero point.
    DPoint3d GetStartPoint() const;
    unsigned GetPointSize() const;
    int GetProfileSize() const;

    bvector<DPoint3d>& GetPoints() { return m_points; }
    bvector<DPoint3d>& GetCurDrawPoints() { return m_curDrawPoints; }
    CurveVectorPtr& GetProfile() { return m_profile; }
    // The guide line (a chord or radius shown with the preview); may be null.
    ICurvePrimitivePtr& TryGetLine() { return m_guideLine; }
    DPoint3d& TryGetCircleCenter() { return m_circleCenter; }
    WString& GetPromptString() { return m_prompt; }
    DPoint3d& GetDynamicTracerPoint() { return m_dynamicTracerPoint; }
    DynTraceInfo& GetDynamicTracerInfo() { return m_traceInfo; }
    ZTDrawWay& GetDrawWay() { return m_drawWay; }

    // Ten pixels of the selected view in model units, or 1.0 without a selected view.
    double GetClickTolerance() const;
    // The random start sweep seeds the standard generator with the time; a test (or a
    // scripted session) may fix the seed instead, and return to the time with nullopt.
    void SetRandomSeed(std::optional<unsigned> seed) { m_randomSeed = seed; }

private:
    // Three arc points whose two chords are parallel within this (radians) make a line.
    static constexpr double kStraightArcTolerance = 0.001;

    ZTToolLayoutMgn();
    ~ZTToolLayoutMgn();
    ZTToolLayoutMgn(const ZTToolLayoutMgn&) = delete;
    ZTToolLayoutMgn& operator=(const ZTToolLayoutMgn&) = delete;

    bool SamePoint(const DPoint3d& a, const DPoint3d& b) const;
    void Reseed(const DPoint3d& point);
    void ChooseRandomSweep();
    // Arc from start leaving along tangent to end; the straight line when no arc fits.
    ICurvePrimitivePtr ArcOrLine(const DPoint3d& start, const DVec3d& tangent,
                                 const DPoint3d& end) const;
    // The tangent arc of way 1 from the end of the profile; null with an empty profile.
    ICurvePrimitivePtr TangentArc(const DPoint3d& start, const DPoint3d& end) const;
    ICurvePrimitivePtr PreviewArcAboutCentre(const DPoint3d& start, const DPoint3d& centre,
                                             const DPoint3d& cursor);
    bool FinishArcAboutCentre(const DPoint3d& start, const DPoint3d& centre, const DPoint3d& click);
    // The outline C0, C1, K2, K3, C0 of the rectangle with edge C0-C1 whose width C2 sets.
    bvector<DPoint3d> ThreePointRectangle(const DPoint3d& c0, const DPoint3d& c1,
                                          const DPoint3d& c2);
    ICurvePrimitivePtr Preview();
    void UpdateAuxiliaryInfo();
    void ClearProfileCurves();

    ZTDrawWay m_drawWay = ZTDrawWay::NotSet;
    bvector<DPoint3d> m_points;
    bvector<DPoint3d> m_curDrawPoints;
    CurveVectorPtr m_profile;
    ICurvePrimitivePtr m_guideLine;
    WString m_prompt;
    double m_randomSweep = 0.0;
    double m_previousSweep = 0.0;
    double m_currentSweep = 0.0;
    double m_midAngle = 0.0;
    DPoint3d m_circleCenter;
    bool m_counterClockwise = false;
    DPoint3d m_dynamicTracerPoint;
    DynTraceInfo m_traceInfo;
    std::deque<ZTDrawWay> m_wayHistory;
    std::list<std::pair<DPoint3d, DVec3d>> m_auxiliaryInfo;
    std::optional<unsigned> m_randomSeed;
};

} // namespace zt
