// The arithmetic of the resizable dialogs without windows: edge rules, row patterns and the
// sharing of width changes in rows laid out by modes.

#include "ztui/dlglayout/LayoutRules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace QDlgResize_Space;

namespace {

RECT R(int l, int t, int r, int b)
{
    return RECT{l, t, r, b};
}

ModeRowItem Item(int left, int right, int mode)
{
    ModeRowItem item;
    item.rect = R(left, 10, right, 30);
    item.mode = mode;
    return item;
}

} // namespace

TEST(EdgeRules, EachPairMovesTheEdgesItNames)
{
    // Designed at 200 wide, now 300: sx = 1.5, a control at [20, 80).
    const WidthFrame frame{200, 300, 1.5};
    struct Case
    {
        EdgeRule rule;
        int left;
        int right;
    };
    const Case cases[] = {
        {{0, 0}, 20, 180}, {{0, 1}, 20, 120}, {{0, 2}, 20, 80},   {{1, 0}, 30, 180},
        {{1, 1}, 30, 120}, {{1, 2}, 30, 90},  {{2, 0}, 120, 180}, {{2, 1}, 60, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rule.left << "," << c.rule.right);
        int left = 0;
        int right = 0;
        ASSERT_TRUE(ApplyEdgeRule(c.rule, 20, 80, frame, left, right));
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(right, c.right);
    }
    int left = 0;
    int right = 0;
    EXPECT_FALSE(ApplyEdgeRule({2, 2}, 20, 80, frame, left, right));
    EXPECT_FALSE(ApplyEdgeRule({3, 0}, 20, 80, frame, left, right));
    EXPECT_FALSE(ApplyEdgeRule({0, -1}, 20, 80, frame, left, right));
}

TEST(EdgeRules, ScaledEdgesTruncateTowardZero)
{
    const WidthFrame frame{200, 233, 233.0 / 200.0};
    int left = 0;
    int right = 0;
    ASSERT_TRUE(ApplyEdgeRule({1, 1}, 15, 95, frame, left, right));
    EXPECT_EQ(left, 17);         // 15 * 1.165 = 17.475
    EXPECT_EQ(right, 233 - 122); // (200 - 95) * 1.165 = 122.325
}

TEST(RowPatterns, RulesFollowTheCountAndTheKindsOfTheControls)
{
    using C = RowControlClass;
    struct Case
    {
        std::vector<C> classes;
        std::vector<EdgeRule> rules;
    };
    const Case cases[] = {
        {{C::Other}, {{0, 0}}},
        {{C::Label, C::Label}, {{0, 1}, {1, 0}}},
        {{C::Label, C::Other}, {{0, 2}, {0, 0}}},
        {{C::Label, C::Other, C::ButtonFamily}, {{0, 2}, {0, 0}, {2, 0}}},
        {{C::Label, C::Other, C::Other}, {{0, 2}, {0, 1}, {1, 0}}},
        {{C::ButtonFamily, C::Other, C::Other, C::ButtonFamily}, {{0, 1}, {1, 2}, {1, 2}, {1, 2}}},
        {{C::Label, C::Other, C::Other, C::ButtonFamily}, {{0, 2}, {0, 1}, {1, 0}, {2, 0}}},
        {{C::Label, C::Other, C::Label, C::Other}, {{0, 2}, {0, 1}, {1, 2}, {1, 0}}},
        {{C::Label, C::Other, C::Other, C::Other}, {{0, 2}, {0, 1}, {1, 0}, {2, 0}}},
        {{C::Other, C::Other, C::Other, C::Other, C::Other},
         {{0, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}}},
        {{}, {}},
        {std::vector<C>(6, C::Other), {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(RowPatternRules(cases[i].classes), cases[i].rules);
    }
}

TEST(ModeRows, TwoStretchControlsShareSevenPixelsAsThreeEachAndCarryOne)
{
    std::vector<ModeRowItem> row{Item(0, 100, kModeStretch), Item(110, 200, kModeStretch)};
    ModeRowResult result = LayoutModeRow(row, {307, 300, 0, 0, 307});
    ASSERT_TRUE(result.changed);
    EXPECT_EQ(result.remainder, 1);
    EXPECT_EQ(result.rects[0].left, 0);
    EXPECT_EQ(result.rects[0].right, 103);
    // The carried pixel is handed out as a shift of the controls after the first.
    EXPECT_EQ(result.rects[1].left, 114);
    EXPECT_EQ(result.rects[1].right, 207);

    // Three pixels more: the carried one joins them, and each control has grown by five.
    row[0].rect = result.rects[0];
    row[1].rect = result.rects[1];
    result = LayoutModeRow(row, {310, 307, 0, 1, 310});
    EXPECT_EQ(result.remainder, 0);
    EXPECT_EQ(result.rects[0].right - result.rects[0].left, 105);
    EXPECT_EQ(result.rects[1].left, 115);
    EXPECT_EQ(result.rects[1].right, 210);
}

TEST(ModeRows, ShrinkingCarriesANegativeRemainder)
{
    std::vector<ModeRowItem> row{Item(0, 100, kModeStretch), Item(110, 200, kModeStretch)};
    ModeRowResult result = LayoutModeRow(row, {293, 300, 0, 0, 293});
    EXPECT_EQ(result.remainder, -1);
    EXPECT_EQ(result.rects[0].right, 97);
    EXPECT_EQ(result.rects[1].left, 106);
    EXPECT_EQ(result.rects[1].right, 193);
}

TEST(ModeRows, HalfShiftMovesByHalfAndShiftByAllOfTheChange)
{
    std::vector<ModeRowItem> half{Item(0, 50, kModeKeep), Item(60, 100, kModeHalfShift)};
    ModeRowResult result = LayoutModeRow(half, {310, 300, 0, 0, 310});
    EXPECT_EQ(result.rects[0].left, 0);
    EXPECT_EQ(result.rects[0].right, 50);
    EXPECT_EQ(result.rects[1].left, 65);
    EXPECT_EQ(result.rects[1].right, 105);
    EXPECT_EQ(result.remainder, 0);

    // A control after a shifted one moves with it.
    std::vector<ModeRowItem> shift{Item(0, 50, kModeShift), Item(60, 100, kModeKeep)};
    result = LayoutModeRow(shift, {310, 300, 0, 0, 310});
    EXPECT_EQ(result.rects[0].left, 10);
    EXPECT_EQ(result.rects[1].left, 70);
    EXPECT_EQ(result.rects[1].right, 110);
}

TEST(ModeRows, ARowWithoutModesIsLeftAloneAndKeepsItsRemainder)
{
    std::vector<ModeRowItem> row{Item(0, 50, kModeKeep), Item(60, 100, kModeKeep)};
    ModeRowResult result = LayoutModeRow(row, {400, 300, 0, 3, 400});
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(result.remainder, 3);
}

TEST(ModeRows, BelowTheMinimumWidthStretchControlsStopShrinking)
{
    std::vector<ModeRowItem> row{Item(0, 100, kModeStretch)};
    // From 300 to 200 with a minimum of 250: only 50 pixels are taken.
    ModeRowResult result = LayoutModeRow(row, {200, 300, 250, 0, 200});
    EXPECT_EQ(result.rects[0].right, 50);
    // Below the minimum nothing changes any more.
    row[0].rect = result.rects[0];
    result = LayoutModeRow(row, {150, 200, 250, 0, 150});
    EXPECT_EQ(result.rects[0].right, 50);
    EXPECT_EQ(MinimumRowWidth({Item(0, 100, kModeStretch), Item(110, 150, kModeStretch),
                               Item(160, 180, kModeKeep)},
                              300),
              300 - (40 - 30) * 2);
    EXPECT_EQ(MinimumRowWidth({Item(0, 100, kModeKeep)}, 300), 0);
}

TEST(ModeRows, AWebViewSpansTheRowWhateverItsMode)
{
    std::vector<ModeRowItem> row{Item(0, 50, kModeStretch), Item(60, 100, kModeKeep)};
    row[1].fillsRow = true;
    ModeRowResult result = LayoutModeRow(row, {320, 300, 0, 0, 320});
    EXPECT_EQ(result.rects[1].left, 10);
    EXPECT_EQ(result.rects[1].right, 290);
}
