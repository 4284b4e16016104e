#include "platform/cad/DraftAid.h"

#include <mutex>

namespace {
// Set on the work thread by tools, read on the user-interface thread by the property list.
std::mutex g_mutex;
} // namespace

DraftAid& DraftAid::GetInstance()
{
    static DraftAid instance;
    return instance;
}

void DraftAid::GetDistanceRoundOff(RoundOff& roundOff) const
{
    std::lock_guard lock(g_mutex);
    roundOff = m_distance;
}

void DraftAid::GetAngleRoundOff(RoundOff& roundOff) const
{
    std::lock_guard lock(g_mutex);
    roundOff = m_angle;
}

void DraftAid::SetDistanceRoundOff(const RoundOff& roundOff)
{
    std::lock_guard lock(g_mutex);
    m_distance = roundOff;
}

void DraftAid::SetAngleRoundOff(const RoundOff& roundOff)
{
    std::lock_guard lock(g_mutex);
    m_angle = roundOff;
}
