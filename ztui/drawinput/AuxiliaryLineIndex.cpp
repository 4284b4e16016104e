#include "ztui/drawinput/AuxiliaryLineIndex.h"

#include "platform/cad/GeomTolerance.h"

#include <algorithm>
#include <cmath>

namespace zt {

namespace {

constexpr double kBinWidth = cad::kPi / AuxiliaryLineIndex::kAngleBins;
// The rho of a carrier and n . q are computed along different paths; a margin far above
// their rounding keeps every carrier whose exact distance lies at the reach.
constexpr double kRelativeMargin = 1.0e-9;

} // namespace

void AuxiliaryLineIndex::Add(const DPoint3d& point, const DVec3d& direction, std::uint32_t payload)
{
    ++m_count;
    const double length = std::hypot(direction.x, direction.y);
    if (!(length > cad::kZeroLength) || !std::isfinite(length) || !std::isfinite(point.x) ||
        !std::isfinite(point.y)) {
        m_undirected.push_back(payload);
        return;
    }
    // The normal is the direction turned a quarter to the left, then flipped into the upper
    // half-plane so that its angle lies in [0, pi).
    double nx = -direction.y / length;
    double ny = direction.x / length;
    if (ny < 0.0 || (ny == 0.0 && nx < 0.0)) {
        nx = -nx;
        ny = -ny;
    }
    double theta = std::atan2(ny, nx);
    int bin = static_cast<int>(theta / kBinWidth);
    bin = std::clamp(bin, 0, kAngleBins - 1);
    m_pending.push_back(Pending{bin, Entry{nx * point.x + ny * point.y, payload}});
}

void AuxiliaryLineIndex::Finish()
{
    std::vector<Entry> merged;
    merged.reserve(m_entries.size() + m_pending.size());
    std::vector<std::uint32_t> starts(kAngleBins + 1, 0);
    std::vector<std::vector<Entry>> bins(kAngleBins);
    for (int b = 0; b < kAngleBins && !m_binStart.empty(); ++b)
        bins[b].assign(m_entries.begin() + m_binStart[b], m_entries.begin() + m_binStart[b + 1]);
    for (const Pending& p : m_pending)
        bins[p.bin].push_back(p.entry);
    m_pending.clear();
    for (int b = 0; b < kAngleBins; ++b) {
        std::vector<Entry>& bin = bins[b];
        std::stable_sort(bin.begin(), bin.end(),
                         [](const Entry& a, const Entry& c) { return a.rho < c.rho; });
        starts[b] = static_cast<std::uint32_t>(merged.size());
        merged.insert(merged.end(), bin.begin(), bin.end());
    }
    starts[kAngleBins] = static_cast<std::uint32_t>(merged.size());
    m_entries = std::move(merged);
    m_binStart = std::move(starts);
}

void AuxiliaryLineIndex::Clear()
{
    m_pending.clear();
    m_entries.clear();
    m_binStart.clear();
    m_undirected.clear();
    m_count = 0;
}

void AuxiliaryLineIndex::Query(const DPoint3d& q, double& reach,
                               const std::function<void(std::uint32_t)>& visit) const
{
    for (std::uint32_t payload : m_undirected)
        visit(payload);
    if (m_binStart.empty() || !std::isfinite(q.x) || !std::isfinite(q.y))
        return;
    const double radius = std::hypot(q.x, q.y);
    // n . q is R cos(theta - phi): it changes by at most R per radian of theta.
    const double swing = radius * 0.5 * kBinWidth;
    for (int b = 0; b < kAngleBins; ++b) {
        const std::uint32_t first = m_binStart[b];
        const std::uint32_t last = m_binStart[b + 1];
        if (first == last)
            continue;
        if (!(reach >= 0.0))
            return;
        const double middle = (b + 0.5) * kBinWidth;
        const double centre = q.x * std::cos(middle) + q.y * std::sin(middle);
        const double margin = kRelativeMargin * (1.0 + radius + reach);
        const double low = centre - swing - reach - margin;
        auto begin = m_entries.begin() + first;
        auto end = m_entries.begin() + last;
        auto it = std::lower_bound(begin, end, low,
                                   [](const Entry& e, double value) { return e.rho < value; });
        for (; it != end; ++it) {
            // The reach may shrink during the visits of this bin.
            if (it->rho > centre + swing + reach + margin)
                break;
            visit(it->payload);
        }
    }
}

} // namespace zt
