#include "ztui/dlglayout/LayoutRules.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace QDlgResize_Space {

namespace {

constexpr int kStretchFloor = 30;

int Scaled(int v, double scale)
{
    return static_cast<int>(v * scale);
}

int Sign(int v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}

} // namespace

bool ApplyEdgeRule(EdgeRule rule, int a, int b, const WidthFrame& frame, int& left, int& right)
{
    const int dw = frame.width - frame.designedWidth;
    const int width = b - a;
    const int stretchedRight = b + dw;
    const int scaledRight = frame.width - Scaled(frame.designedWidth - b, frame.scale);
    switch (rule.left) {
    case 0:
    case 1:
        left = rule.left == 0 ? a : Scaled(a, frame.scale);
        switch (rule.right) {
        case 0:
            right = stretchedRight;
            return true;
        case 1:
            right = scaledRight;
            return true;
        case 2:
            right = rule.left == 0 ? b : left + width;
            return true;
        default:
            return false;
        }
    case 2:
        if (rule.right != 0 && rule.right != 1)
            return false;
        right = rule.right == 0 ? stretchedRight : scaledRight;
        left = right - width;
        return true;
    default:
        return false;
    }
}

std::vector<EdgeRule> RowPatternRules(const std::vector<RowControlClass>& classes)
{
    using C = RowControlClass;
    const std::size_t n = classes.size();
    auto is = [&](std::size_t i, C c) { return classes[i] == c; };
    switch (n) {
    case 1:
        return {{0, 0}};
    case 2:
        if (is(1, C::Label))
            return {{0, 1}, {1, 0}};
        return {{0, 2}, {0, 0}};
    case 3:
        if (is(2, C::ButtonFamily))
            return {{0, 2}, {0, 0}, {2, 0}};
        return {{0, 2}, {0, 1}, {1, 0}};
    case 4:
        if (is(3, C::ButtonFamily) && is(0, C::ButtonFamily))
            return {{0, 1}, {1, 2}, {1, 2}, {1, 2}};
        if (is(3, C::ButtonFamily))
            return {{0, 2}, {0, 1}, {1, 0}, {2, 0}};
        if (is(2, C::Label))
            return {{0, 2}, {0, 1}, {1, 2}, {1, 0}};
        return {{0, 2}, {0, 1}, {1, 0}, {2, 0}};
    case 5:
        return {{0, 2}, {1, 2}, {1, 2}, {1, 2}, {1, 2}};
    default:
        return {};
    }
}

ModeRowResult LayoutModeRow(const std::vector<ModeRowItem>& items, const ModeRowInput& input)
{
    ModeRowResult result;
    result.remainder = input.previousRemainder;
    int stretch = 0;
    int halfShift = 0;
    int shift = 0;
    for (const ModeRowItem& item : items) {
        stretch += item.mode == kModeStretch ? 1 : 0;
        halfShift += item.mode == kModeHalfShift ? 1 : 0;
        shift += item.mode == kModeShift ? 1 : 0;
    }
    if (stretch + halfShift + shift == 0)
        return result;

    const int d = std::max(input.width, input.minimumWidth) -
                  std::max(input.previousWidth, input.minimumWidth) + input.previousRemainder;
    const int s1 = stretch ? d / stretch : 0;
    const int s2 = halfShift ? d / (2 * halfShift) : 0;
    const int s3 = shift ? d / shift : 0;
    const int r = items.size() > 1 && stretch > 0 ? d % stretch : 0;

    result.changed = true;
    result.remainder = r;
    result.rects.reserve(items.size());
    int offset = 0;
    // The remainder of the last layout was handed out one pixel per control; it is taken back
    // here, being part of d again, and this layout's remainder handed out instead.
    const int previousCount = std::abs(input.previousRemainder);
    const int count = std::abs(r);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ModeRowItem& item = items[i];
        RECT rc = item.rect;
        rc.left += offset;
        rc.right += offset;
        if (item.fillsRow) {
            rc.left = 10;
            rc.right = input.parentWidth - 30;
        } else if (item.mode == kModeStretch) {
            rc.right += s1;
            offset += s1;
        } else if (item.mode == kModeHalfShift) {
            rc.left += s2;
            rc.right += s2;
            offset += s2;
        } else if (item.mode == kModeShift) {
            rc.left += s3;
            rc.right += s3;
            offset += s3;
        }
        if (static_cast<int>(i) < previousCount)
            offset -= Sign(input.previousRemainder);
        if (static_cast<int>(i) < count)
            offset += Sign(r);
        result.rects.push_back(rc);
    }
    return result;
}

int MinimumRowWidth(const std::vector<ModeRowItem>& items, int clientWidth)
{
    int stretch = 0;
    int narrowest = INT_MAX;
    for (const ModeRowItem& item : items) {
        if (item.mode != kModeStretch)
            continue;
        ++stretch;
        narrowest = std::min<int>(narrowest, item.rect.right - item.rect.left);
    }
    if (stretch == 0)
        return 0;
    return clientWidth - (narrowest - kStretchFloor) * stretch;
}

} // namespace QDlgResize_Space
