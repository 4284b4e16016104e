// The spatial index behind the built-in line listener: whatever the model, the listener hands
// on candidates that choose exactly the winners a walk over every reference line chooses.

#include "platform/cad/GeomTolerance.h"
#include "tests/support/CadPrinters.h"
#include "ztui/drawinput/AuxiliaryCandidates.h"
#include "ztui/drawinput/AuxiliaryLineIndex.h"
#include "ztui/drawinput/ZTArchAuxiliaryLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using zt::AuxiliaryCandidate;
using zt::ZTArchAuxiliaryLine;

namespace {

// Every candidate of every reference line, in list order: what the listener would hand on
// without an index.
bvector<ICurvePrimitivePtr> AllCandidates(const bvector<ICurvePrimitivePtr>& lines,
                                          const DPoint3d& q)
{
    bvector<ICurvePrimitivePtr> out;
    for (const ICurvePrimitivePtr& line : lines) {
        DSegment3d segment;
        if (!zt::AuxiliaryStraightSegment(*line, segment))
            continue;
        for (int kind = 0; kind < ZTArchAuxiliaryLine::CandidateKindCount; ++kind) {
            ICurvePrimitivePtr c =
                ZTArchAuxiliaryLine::Candidate(segment, ZTArchAuxiliaryLine::CandidateKind(kind), q,
                                               ZTArchAuxiliaryLine::kDefaultTolerance);
            if (c.IsValid())
                out.push_back(c);
        }
    }
    return out;
}

// A building-like model mixed with noise: walls on a grid (many collinear, many parallel),
// lines at random angles, short and degenerate lines, lines off the ground plane and arcs,
// which the line listener must ignore.
bvector<ICurvePrimitivePtr> RandomModel(std::mt19937& rng, int count, double extent)
{
    std::uniform_real_distribution<double> coord(-extent, extent);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> grid(-20, 20);
    bvector<ICurvePrimitivePtr> lines;
    for (int i = 0; i < count; ++i) {
        const double kind = unit(rng);
        DPoint3d a{coord(rng), coord(rng), 0.0};
        DPoint3d b;
        if (kind < 0.3) {
            // A wall on the grid: horizontal or vertical, on a grid line.
            const double g = grid(rng) * extent / 20.0;
            if (unit(rng) < 0.5) {
                a = DPoint3d{coord(rng), g, 0};
                b = DPoint3d{a.x + 3000.0 * unit(rng) + 1.0, g, 0};
            } else {
                a = DPoint3d{g, coord(rng), 0};
                b = DPoint3d{g, a.y + 3000.0 * unit(rng) + 1.0, 0};
            }
        } else if (kind < 0.35) {
            b = a; // no direction
        } else if (kind < 0.4) {
            b = a + DVec3d{0.1 * unit(rng), 0.1 * unit(rng), 0}; // shorter than the slack
        } else if (kind < 0.45) {
            a.z = 1000.0 * unit(rng);
            b = DPoint3d{coord(rng), coord(rng), 1000.0 * unit(rng)};
        } else if (kind < 0.5) {
            lines.push_back(ICurvePrimitive::CreateArc(
                DEllipse3d::FromCenterNormalRadius(a, DVec3d::UnitZ(), 10.0 + 1000.0 * unit(rng))));
            continue;
        } else {
            const double angle = unit(rng) * zt::cad::kTwoPi;
            const double length = 5000.0 * unit(rng) + 0.5;
            b = a + DVec3d{std::cos(angle) * length, std::sin(angle) * length, 0};
        }
        lines.push_back(unit(rng) < 0.5
                            ? ICurvePrimitive::CreateLine(a, b)
                            : ICurvePrimitive::CreateLineString(bvector<DPoint3d>{a, b}));
    }
    return lines;
}

void ExpectSameWinners(const bvector<AuxiliaryCandidate>& brute,
                       const bvector<AuxiliaryCandidate>& indexed)
{
    ASSERT_EQ(indexed.size(), brute.size());
    for (size_t i = 0; i < brute.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "winner " << i);
        EXPECT_EQ(indexed[i].distance, brute[i].distance);
        DPoint3d bs, be, is, ie;
        ASSERT_TRUE(brute[i].curve->GetStartEnd(bs, be));
        ASSERT_TRUE(indexed[i].curve->GetStartEnd(is, ie));
        EXPECT_TRUE(is.IsEqual(bs) && ie.IsEqual(be)) << "a different candidate won";
    }
}

TEST(AuxiliaryLineIndex, ListenerChoosesExactlyWhatTheWalkOverEveryLineChooses)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        std::mt19937 rng(seed);
        const int count = seed % 2 ? 300 : 2000;
        const double extent = seed % 3 ? 20000.0 : 3000.0;
        const bvector<ICurvePrimitivePtr> lines = RandomModel(rng, count, extent);
        ZTArchAuxiliaryLine listener;
        listener.OnCurveLines(lines);
        std::uniform_real_distribution<double> coord(-extent, extent);
        std::uniform_real_distribution<double> nudge(-600.0, 600.0);
        std::uniform_int_distribution<size_t> pick(0, lines.size() - 1);
        for (int probe = 0; probe < 100; ++probe) {
            DPoint3d q{coord(rng), coord(rng), 0.0};
            // Half the probes start on a reference line, where the candidates crowd.
            DPoint3d s, e;
            if (probe % 2 && lines[pick(rng)]->GetStartEnd(s, e))
                q = DPoint3d::FromInterpolate(s, 0.5, e) + DVec3d{nudge(rng), nudge(rng), 0};
            SCOPED_TRACE(testing::Message() << "seed " << seed << " probe " << probe);
            bvector<ICurvePrimitivePtr> handed;
            listener.CollectAuxiliaryLines(handed, DgnButtonEvent(nullptr, q, q, q, 0));
            EXPECT_LE(handed.size(), zt::kAuxiliaryNearestCount);
            ExpectSameWinners(zt::NearestAuxiliaryCandidates(AllCandidates(lines, q), q),
                              zt::NearestAuxiliaryCandidates(handed, q));
        }
    }
}

TEST(AuxiliaryLineIndex, ListenerFollowsAChangedListOfLines)
{
    std::mt19937 rng(11);
    bvector<ICurvePrimitivePtr> lines = RandomModel(rng, 500, 5000.0);
    ZTArchAuxiliaryLine listener;
    listener.OnCurveLines(lines);
    const DPoint3d q{120.0, -40.0, 0.0};
    bvector<ICurvePrimitivePtr> before;
    listener.CollectAuxiliaryLines(before, DgnButtonEvent(nullptr, q, q, q, 0));

    // A new line right under the cursor must win at once.
    lines.push_back(ICurvePrimitive::CreateLine(DPoint3d{100, -40, 0}, DPoint3d{140, -40, 0}));
    listener.OnCurveLines(lines);
    bvector<ICurvePrimitivePtr> after;
    listener.CollectAuxiliaryLines(after, DgnButtonEvent(nullptr, q, q, q, 0));
    const auto nearest = zt::NearestAuxiliaryCandidates(after, q);
    ASSERT_FALSE(nearest.empty());
    EXPECT_EQ(nearest.front().distance, 0.0);
    ExpectSameWinners(zt::NearestAuxiliaryCandidates(AllCandidates(lines, q), q), nearest);

    listener.OnCurveLines({});
    bvector<ICurvePrimitivePtr> none;
    listener.CollectAuxiliaryLines(none, DgnButtonEvent(nullptr, q, q, q, 0));
    EXPECT_TRUE(none.empty());
}

TEST(AuxiliaryLineIndex, QueryReportsEveryCarrierWithinReach)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-1.0e5, 1.0e5);
    std::uniform_real_distribution<double> angle(0.0, zt::cad::kTwoPi);
    zt::AuxiliaryLineIndex index;
    struct Carrier
    {
        DPoint3d p;
        DVec3d d;
    };
    std::vector<Carrier> carriers;
    for (std::uint32_t i = 0; i < 20000; ++i) {
        const double a = angle(rng);
        // Some carriers exactly along the bins' edges and the axes.
        const double snapped =
            i % 7 == 0 ? std::round(a / (zt::cad::kPi / 4)) * (zt::cad::kPi / 4) : a;
        Carrier c{DPoint3d{coord(rng), coord(rng), 0},
                  DVec3d{std::cos(snapped), std::sin(snapped), 0}};
        carriers.push_back(c);
        index.Add(c.p, c.d * 17.0, i);
    }
    index.Add(DPoint3d{0, 0, 0}, DVec3d{0, 0, 5}, 99999); // no XY direction
    index.Finish();
    EXPECT_EQ(index.size(), carriers.size() + 1);
    for (int probe = 0; probe < 200; ++probe) {
        const DPoint3d q{coord(rng), coord(rng), 0};
        const double reach = probe % 2 ? 500.0 : 5.0;
        std::vector<bool> seen(carriers.size() + 1, false);
        bool undirectedSeen = false;
        double r = reach;
        index.Query(q, r, [&](std::uint32_t payload) {
            if (payload == 99999)
                undirectedSeen = true;
            else
                seen[payload] = true;
        });
        EXPECT_TRUE(undirectedSeen);
        for (size_t i = 0; i < carriers.size(); ++i) {
            const DVec3d n{-carriers[i].d.y, carriers[i].d.x, 0};
            const double distance = std::fabs(n.DotProduct(q - carriers[i].p));
            if (distance <= reach) {
                EXPECT_TRUE(seen[i]) << "carrier " << i << " at " << distance;
            }
        }
    }
}

} // namespace
