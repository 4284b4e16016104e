#pragma once
// The host's compass aid: a movable origin and axes that drawing tools align their input to.
// Tools move it to each data point (SetContext) and read its axes back (GetRotation); the
// graphics view draws the compass at its origin while it is shown.

#include "platform/cad/DPoint3d.h"
#include "platform/cad/RotMatrix.h"

#include <cstdint>
#include <mutex>

// Flags of SetContext; they combine.
enum TesselDraftAidContext : unsigned
{
    TesselDraftAid_SetRotation = 0x1, // the axes become the given rotation
    TesselDraftAid_Hide = 0x2,        // the compass is no longer shown
    TesselDraftAid_SetOrigin = 0x4,   // the origin moves to the given point and the compass shows
};

class TesselDraftAid
{
public:
    static TesselDraftAid* GetInstance();

    // The compass axes, rows x, y, z in world coordinates (the identity until set).
    void GetRotation(RotMatrix& rotation) const;
    DPoint3d GetOrigin() const;
    bool IsShown() const;

    // Applies the parts that flags name; the others keep their values. Returns false for
    // a rotation that is not a rotation (a singular matrix), which is then ignored.
    bool SetContext(unsigned flags, const DPoint3d& origin, const RotMatrix& rotation);

    // Changes each time the context changes, so that a view knows when to redraw it.
    std::uint64_t GetRevision() const;

private:
    TesselDraftAid() = default;

    mutable std::mutex m_mutex; // set on the work thread, read by views
    RotMatrix m_rotation;
    DPoint3d m_origin{0.0, 0.0, 0.0};
    bool m_shown = false;
    std::uint64_t m_revision = 0;
};
