#pragma once
// The view's IDrawGeom: projects what drawing code draws into view coordinates, clips it to
// the view (and, with the camera on, to the space in front of the eye) and records it in a
// display list. Solids are drawn as the view's render mode asks: edges, or the faces that face
// the viewer, lit from above the viewer's shoulder.

#include "platform/cad/IDrawGeom.h"
#include "platform/cad/Transform.h"
#include "platform/cad/ViewClip.h"
#include "platform/cad/ViewDisplayList.h"
#include "platform/cad/ViewFlags.h"
#include "platform/cad/ViewFrame.h"

#include <vector>

class ViewDrawGeom final : public IDrawGeom
{
public:
    struct Setup
    {
        ViewFrame frame;
        ViewFlags flags;
        bool is3d = false;
        COLORREF background = 0;
    };

    ViewDrawGeom(const Setup& setup, ViewDisplayList& target);

    void ActivateMatSymb(const ElemMatSymb* symbology) override;
    void DrawLineString3d(int numPoints, const DPoint3d* points, const DPoint3d* range) override;
    void DrawLineString2d(int numPoints, const DPoint2d* points, double zDepth,
                          const DPoint2d* range) override;
    void DrawPointString3d(int numPoints, const DPoint3d* points, const DPoint3d* range) override;
    void DrawShape3d(int numPoints, const DPoint3d* points, bool filled,
                     const DPoint3d* range) override;
    void DrawShape2d(int numPoints, const DPoint2d* points, bool filled, double zDepth,
                     const DPoint2d* range) override;
    void DrawArc3d(const DEllipse3d& ellipse, bool isEllipse, bool filled,
                   const DPoint3d* range) override;
    void DrawCurveVector(const CurveVector& curves, bool isFilled) override;
    void DrawCurvePrimitive(const ICurvePrimitive& curve, bool closed, bool filled) override;
    void DrawTextString(const TextString& text, const double* zDepth = nullptr) override;
    void DrawExtrusion(int numPoints, const DPoint3d* base, const DVec3d& extrusion) override;
    void DrawProfileExtrusion(const CurveVector& profile, double baseZ,
                              const DVec3d& extrusion) override;

    // Local coordinates for the calls that follow; transforms nest.
    void PushTransform(const Transform& transform);
    void PopTransform();
    // Whether anything inside the world range can show in the view.
    bool IsRangeVisible(const DRange3d& worldRange) const;
    // True once a solid's faces were drawn: the list then wants sorting back to front.
    bool DrewFaces() const { return m_drewFaces; }

private:
    DPoint3d ToWorld(const DPoint3d& p) const;
    bool RangeArgumentVisible(const DPoint3d* range) const;
    void Stroke(std::vector<DPoint3d>& world, bool closed);
    void Fill(std::vector<DPoint3d>& world, std::uint32_t fillColor);
    void Shape(std::vector<DPoint3d>& world, bool filled);
    void StrokeArc(const DEllipse3d& arc, bool fullEllipse, std::vector<DPoint3d>& out) const;
    void AppendCurve(const ICurvePrimitive& curve, std::vector<DPoint3d>& out) const;
    void UseSymbology(std::uint32_t lineColor, std::uint32_t fillColor);
    void ProjectRun(const DPoint3d& a, const DPoint3d& b);
    void FlushRun();
    float MeanDepth(const std::vector<DPoint3d>& view) const;
    void DrawFace(std::vector<DPoint3d>& face, const DVec3d& outwardNormal);

    Setup m_setup;
    ViewDisplayList& m_list;
    ClipRect m_cull;
    ElemMatSymb m_symbology;
    std::vector<Transform> m_transforms;
    bool m_drewFaces = false;
    // Scratch space, kept between calls so that a pass over many elements allocates little.
    std::vector<DPoint3d> m_world;
    std::vector<DPoint3d> m_view;
    std::vector<DPoint3d> m_clipped;
    std::vector<ViewPoint2f> m_run;
    double m_runDepth = 0.0;
    // While a solid's face is drawn, its fill and its outline share the face's depth, so that
    // sorting keeps them together.
    bool m_depthForced = false;
    float m_forcedDepth = 0.0f;
};
