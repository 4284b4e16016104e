#pragma once
// A spatial index of carrier lines (unbounded straight lines in the XY plane) that answers
// "which carriers pass within a distance of this point" without walking them all.
//
// Auxiliary candidates are extensions and perpendiculars of reference lines; whether one
// qualifies depends on its distance from the cursor to its unbounded carrier, which a box
// index of the segments cannot bound (a far segment's extension may pass right by the
// cursor). A carrier is n . x = rho with a unit normal n at angle theta in [0, pi), so the
// index groups carriers by theta into bins and sorts each bin by rho, measured from the middle
// of everything indexed. In a bin, n . q moves by at most |q| (from that middle) times half
// the spread of the bin's angles from its value at their middle angle, so one
// binary search per bin finds every carrier that can be near q. The visitor may shrink the
// reach as it learns of nearer candidates, which narrows the bins still to be searched.
//
// The index reports a superset: callers test each reported entry exactly.

#include "platform/cad/BVector.h"
#include "platform/cad/DPoint3d.h"
#include "platform/cad/DVec3d.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace zt {

class ZTUI_EXPORT AuxiliaryLineIndex
{
public:
    static constexpr int kAngleBins = 1024;

    // Collects carriers, each through a point along a direction (only x and y count), with a
    // payload handed back by queries. A direction without XY length has no carrier: its
    // payload is reported by every query.
    void Add(const DPoint3d& point, const DVec3d& direction, std::uint32_t payload);
    // Sorts what was added; queries before Finish see nothing that was added since.
    void Finish();
    void Clear();
    std::size_t size() const { return m_count; }

    // Calls visit with the payload of every carrier whose XY distance from q may be at most
    // reach (and of every carrier without direction). visit may lower reach.
    void Query(const DPoint3d& q, double& reach,
               const std::function<void(std::uint32_t payload)>& visit) const;
    // The same, with the slot of each reported carrier: slots number the carriers in the
    // order queries read them (0 to slots() - 1), so data a caller keeps by slot is read as
    // it lies in memory. A carrier without direction has the slot kNoSlot.
    static constexpr std::uint32_t kNoSlot = ~std::uint32_t{0};
    void Query(const DPoint3d& q, double& reach,
               const std::function<void(std::uint32_t payload, std::uint32_t slot)>& visit) const;
    std::size_t slots() const { return m_rho.size(); }
    // The payload of a slot; kNoSlot past the last.
    std::uint32_t PayloadOfSlot(std::size_t slot) const
    {
        return slot < m_payload.size() ? m_payload[slot] : kNoSlot;
    }

private:
    struct Entry
    {
        double rho;
        std::uint32_t payload;
    };
    struct Pending
    {
        int bin;
        double theta, nx, ny, x, y;
        std::uint32_t payload;
    };

    std::vector<Pending> m_pending;
    // What Finish sorted, kept for the next Finish.
    std::vector<Pending> m_kept;
    // The offsets and payloads of the carriers by slot; slots m_binStart[b] ..
    // m_binStart[b + 1] belong to bin b, sorted by offset.
    std::vector<double> m_rho;
    std::vector<std::uint32_t> m_payload;
    std::vector<std::uint32_t> m_binStart;
    // Every few offsets of each bin, by bin as m_binStart gives the entries.
    std::vector<double> m_samples;
    std::vector<std::uint32_t> m_sampleStart;
    std::vector<double> m_binCos;
    std::vector<double> m_binSin;
    // Half the spread of the angles in each bin, about the bin's normal above.
    std::vector<double> m_binHalfRange;
    std::vector<std::uint32_t> m_undirected;
    // Offsets are measured from here, the middle of the indexed points.
    double m_originX = 0.0;
    double m_originY = 0.0;
    std::size_t m_count = 0;
};

} // namespace zt
