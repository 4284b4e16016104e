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
constexpr std::uint32_t kSampleStride = 16;

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
    m_pending.push_back(Pending{bin, theta, nx, ny, point.x, point.y, payload});
}

void AuxiliaryLineIndex::Finish()
{
    if (m_pending.empty() && !m_binStart.empty())
        return;
    // Everything is sorted again from the points, about the middle of all of them.
    std::vector<Pending> all;
    all.reserve(m_kept.size() + m_pending.size());
    all.insert(all.end(), m_kept.begin(), m_kept.end());
    all.insert(all.end(), m_pending.begin(), m_pending.end());
    m_pending.clear();
    double lowX = 0, highX = 0, lowY = 0, highY = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Pending& p = all[i];
        lowX = i ? std::min(lowX, p.x) : p.x;
        highX = i ? std::max(highX, p.x) : p.x;
        lowY = i ? std::min(lowY, p.y) : p.y;
        highY = i ? std::max(highY, p.y) : p.y;
    }
    m_originX = 0.5 * (lowX + highX);
    m_originY = 0.5 * (lowY + highY);
    std::stable_sort(all.begin(), all.end(),
                     [](const Pending& a, const Pending& b) { return a.bin < b.bin; });
    std::vector<Entry> sorted;
    sorted.reserve(all.size());
    m_binStart.assign(kAngleBins + 1, 0);
    m_binCos.assign(kAngleBins, 1.0);
    m_binSin.assign(kAngleBins, 0.0);
    m_binHalfRange.assign(kAngleBins, 0.0);
    std::size_t next = 0;
    for (int b = 0; b < kAngleBins; ++b) {
        m_binStart[b] = static_cast<std::uint32_t>(sorted.size());
        const std::size_t first = sorted.size();
        double lowTheta = 0.0, highTheta = 0.0;
        for (; next < all.size() && all[next].bin == b; ++next) {
            const Pending& p = all[next];
            sorted.push_back(
                Entry{p.nx * (p.x - m_originX) + p.ny * (p.y - m_originY), p.payload});
            lowTheta = sorted.size() - first > 1 ? std::min(lowTheta, p.theta) : p.theta;
            highTheta = sorted.size() - first > 1 ? std::max(highTheta, p.theta) : p.theta;
        }
        // A query bounds n . q about the middle of the angles the bin really holds: walls
        // mostly run along a few directions, and a bin of one direction needs no swing.
        const double middle = 0.5 * (lowTheta + highTheta);
        m_binCos[b] = std::cos(middle);
        m_binSin[b] = std::sin(middle);
        m_binHalfRange[b] = 0.5 * (highTheta - lowTheta);
        std::stable_sort(sorted.begin() + first, sorted.end(),
                         [](const Entry& a, const Entry& c) { return a.rho < c.rho; });
    }
    m_binStart[kAngleBins] = static_cast<std::uint32_t>(sorted.size());
    // Offsets apart from payloads: a query reads many offsets in each bin and few payloads.
    m_rho.resize(sorted.size());
    m_payload.resize(sorted.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        m_rho[i] = sorted[i].rho;
        m_payload[i] = sorted[i].payload;
    }
    // Every kSampleStride-th offset of each bin (they start with the bin), so that a query's
    // search stays in a small array and touches the entries in one stride only.
    m_samples.clear();
    m_samples.reserve(m_rho.size() / kSampleStride + kAngleBins);
    m_sampleStart.assign(kAngleBins + 1, 0);
    for (int b = 0; b < kAngleBins; ++b) {
        m_sampleStart[b] = static_cast<std::uint32_t>(m_samples.size());
        for (std::uint32_t i = m_binStart[b]; i < m_binStart[b + 1]; i += kSampleStride)
            m_samples.push_back(m_rho[i]);
    }
    m_sampleStart[kAngleBins] = static_cast<std::uint32_t>(m_samples.size());
    m_kept = std::move(all);
}

void AuxiliaryLineIndex::Clear()
{
    m_pending.clear();
    m_kept.clear();
    m_rho.clear();
    m_payload.clear();
    m_binStart.clear();
    m_samples.clear();
    m_sampleStart.clear();
    m_undirected.clear();
    m_count = 0;
}

void AuxiliaryLineIndex::Query(const DPoint3d& q, double& reach,
                               const std::function<void(std::uint32_t)>& visit) const
{
    Query(q, reach, [&visit](std::uint32_t payload, std::uint32_t) { visit(payload); });
}

void AuxiliaryLineIndex::Query(
    const DPoint3d& q, double& reach,
    const std::function<void(std::uint32_t, std::uint32_t)>& visit) const
{
    for (std::uint32_t payload : m_undirected)
        visit(payload, kNoSlot);
    if (m_binStart.empty() || !std::isfinite(q.x) || !std::isfinite(q.y))
        return;
    const double qx = q.x - m_originX;
    const double qy = q.y - m_originY;
    const double radius = std::hypot(qx, qy);
    for (int b = 0; b < kAngleBins; ++b) {
        const std::uint32_t first = m_binStart[b];
        const std::uint32_t last = m_binStart[b + 1];
        if (first == last)
            continue;
        if (!(reach >= 0.0))
            return;
        const double centre = qx * m_binCos[b] + qy * m_binSin[b];
        // n . q is R cos(theta - phi): it changes by at most R per radian of theta.
        const double swing = radius * m_binHalfRange[b];
        const double margin = kRelativeMargin * (1.0 + radius + reach);
        // Nearest first, outwards from the cursor's offset both ways: the visitor's reach
        // shrinks to its worst kept candidate, and the sooner it learns of near ones, the
        // fewer far ones it is shown. What the visitor keeps does not depend on the order.
        const double* const rho = m_rho.data();
        const std::uint32_t* const payload = m_payload.data();
        // The first sample at or past the centre bounds the stride the first entry there lies
        // in: after the sample before it, at most up to the sample itself. The stride is
        // scanned in order rather than halved: its offsets lie in one or two cache lines, which
        // a scan reads once, in the order the memory prefetches them.
        const double* samples = m_samples.data() + m_sampleStart[b];
        const auto sampleCount = static_cast<std::ptrdiff_t>(m_sampleStart[b + 1] - m_sampleStart[b]);
        const std::ptrdiff_t j = std::lower_bound(samples, samples + sampleCount, centre) - samples;
        std::uint32_t up = j > 0 ? first + static_cast<std::uint32_t>(j - 1) * kSampleStride + 1 : first;
        const std::uint32_t to = j < sampleCount ? first + static_cast<std::uint32_t>(j) * kSampleStride : last;
        while (up < to && rho[up] < centre)
            ++up;
        std::uint32_t down = up;
        bool upOpen = true, downOpen = true;
        while (upOpen || downOpen) {
            // The reach may shrink during the visits of this bin.
            const double limit = swing + reach + margin;
            upOpen = upOpen && up != last && rho[up] - centre <= limit;
            downOpen = downOpen && down != first && centre - rho[down - 1] <= limit;
            if (upOpen && (!downOpen || rho[up] - centre <= centre - rho[down - 1])) {
                visit(payload[up], up);
                ++up;
            } else if (downOpen) {
                --down;
                visit(payload[down], down);
            }
        }
    }
}

} // namespace zt
