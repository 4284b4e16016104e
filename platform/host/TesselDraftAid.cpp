#include "platform/host/TesselDraftAid.h"

#include <cmath>

namespace {
// A rotation's determinant is 1; anything far from that is not one.
constexpr double kRotationDeterminantTolerance = 1.0e-6;
} // namespace

TesselDraftAid* TesselDraftAid::GetInstance()
{
    static TesselDraftAid instance;
    return &instance;
}

void TesselDraftAid::GetRotation(RotMatrix& rotation) const
{
    std::lock_guard lock(m_mutex);
    rotation = m_rotation;
}

DPoint3d TesselDraftAid::GetOrigin() const
{
    std::lock_guard lock(m_mutex);
    return m_origin;
}

bool TesselDraftAid::IsShown() const
{
    std::lock_guard lock(m_mutex);
    return m_shown;
}

bool TesselDraftAid::SetContext(unsigned flags, const DPoint3d& origin, const RotMatrix& rotation)
{
    bool ok = true;
    std::lock_guard lock(m_mutex);
    if (flags & TesselDraftAid_SetRotation) {
        double det = rotation.Determinant();
        if (std::isfinite(det) && std::fabs(std::fabs(det) - 1.0) < kRotationDeterminantTolerance)
            m_rotation = rotation;
        else
            ok = false;
    }
    if (flags & TesselDraftAid_SetOrigin) {
        if (std::isfinite(origin.x) && std::isfinite(origin.y) && std::isfinite(origin.z)) {
            m_origin = origin;
            m_shown = true;
        } else {
            ok = false;
        }
    }
    if (flags & TesselDraftAid_Hide)
        m_shown = false;
    ++m_revision;
    return ok;
}

std::uint64_t TesselDraftAid::GetRevision() const
{
    std::lock_guard lock(m_mutex);
    return m_revision;
}
