#pragma once
// Every tolerance the geometry uses, in one place. Lengths are model units (the host models
// in millimetres, so 1e-10 is far below anything a user can draw); angles are radians.
//
// Rules that follow from them:
// - A vector no longer than kZeroLength has no direction: normalising it gives the zero
//   vector, angles measured from it are 0, and constructions that need a direction from it
//   report failure (or build the documented degenerate result).
// - Two directions whose sine of the angle between them is at most kParallelSine are
//   parallel. Three points that an arc is fitted through are collinear when the sine of the
//   angle between the two chords from the first point is at most kCollinearSine.
// - Comparisons of points that a caller names a tolerance for (IsEqual, AlmostEqual) use
//   that tolerance; IsEqual without one is exact.

namespace zt::cad {

// Shortest length that still has a direction.
inline constexpr double kZeroLength = 1.0e-10;

// Sine of the largest angle at which two directions count as parallel. Small enough that an
// arc through points a micro-radian off a straight line is still built as an arc.
inline constexpr double kParallelSine = 1.0e-12;

// Sine of the largest angle between the two chords from the first of three points at which
// the points count as collinear when an arc is fitted through them (or through a point, a
// tangent and a point). Arcs flatter than this would have radii so large that their own
// end points could no longer be evaluated to drawing precision; they are built straight.
inline constexpr double kCollinearSine = 1.0e-9;

// Distance within which a point counts as lying on a curve when a region classifies it
// (PointInOnOutXY, RayPierceInOnOut).
inline constexpr double kOnCurveDistance = 1.0e-9;

// Relative tolerance of AlmostEqual without an explicit tolerance: the difference is
// compared with this fraction of the points' magnitude (plus one, so that points near the
// origin compare absolutely).
inline constexpr double kRelativeTolerance = 1.0e-12;

// A sweep within this of a whole turn is a full circle.
inline constexpr double kFullSweepAngle = 1.0e-10;

// Tolerance of matrix comparisons (orthogonality, standard views), per entry.
inline constexpr double kMatrixEntry = 1.0e-10;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kHalfPi = 0.5 * kPi;

inline constexpr double RadiansToDegrees(double radians)
{
    return radians * (180.0 / kPi);
}
inline constexpr double DegreesToRadians(double degrees)
{
    return degrees * (kPi / 180.0);
}

} // namespace zt::cad
