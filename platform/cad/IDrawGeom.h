#pragma once
// What drawing code draws with: the output of a view context. Points are world coordinates
// (or the local coordinates of a transform the context pushed). Every range argument is
// optional: two points, low and high, that contain what the call draws, which lets the view
// skip a call whose range it does not show.

#include "platform/cad/CurveVector.h"
#include "platform/cad/DEllipse3d.h"
#include "platform/cad/DPoint2d.h"
#include "platform/cad/ElemMatSymb.h"

class TextString;

class IDrawGeom
{
public:
    virtual ~IDrawGeom() = default;

    // Later calls draw with this symbology (a null pointer keeps the current one).
    virtual void ActivateMatSymb(const ElemMatSymb* symbology) = 0;

    virtual void DrawLineString3d(int numPoints, const DPoint3d* points, const DPoint3d* range) = 0;
    virtual void DrawLineString2d(int numPoints, const DPoint2d* points, double zDepth,
                                  const DPoint2d* range) = 0;
    // One dot per point, as large as the line weight.
    virtual void DrawPointString3d(int numPoints, const DPoint3d* points,
                                   const DPoint3d* range) = 0;
    // A closed polygon; filled in the fill colour (with an outline in the line colour when the
    // two differ), or its outline only.
    virtual void DrawShape3d(int numPoints, const DPoint3d* points, bool filled,
                             const DPoint3d* range) = 0;
    virtual void DrawShape2d(int numPoints, const DPoint2d* points, bool filled, double zDepth,
                             const DPoint2d* range) = 0;
    // isEllipse draws the whole ellipse whatever the sweep; filled draws the sector.
    virtual void DrawArc3d(const DEllipse3d& ellipse, bool isEllipse, bool filled,
                           const DPoint3d* range) = 0;
    // Open paths as lines; closed loops as shapes (filled when asked).
    virtual void DrawCurveVector(const CurveVector& curves, bool isFilled) = 0;
    virtual void DrawCurvePrimitive(const ICurvePrimitive& curve, bool closed, bool filled) = 0;
    // zDepth, when given, replaces the depth of the text's origin.
    virtual void DrawTextString(const TextString& text, const double* zDepth = nullptr) = 0;
    // The solid swept by moving the closed polygon `base` along `extrusion`: in shaded views
    // its faces that face the viewer, lit, with their edges; in wireframe its edges.
    virtual void DrawExtrusion(int numPoints, const DPoint3d* base, const DVec3d& extrusion) = 0;
    // The same for a closed profile of lines and arcs, laid at the height baseZ (the profile's
    // own z is ignored). An open or empty profile draws nothing.
    virtual void DrawProfileExtrusion(const CurveVector& profile, double baseZ,
                                      const DVec3d& extrusion) = 0;
};

using IDrawGeomR = IDrawGeom&;
