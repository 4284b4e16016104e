// List box items and scroll arithmetic.
#include "platform/win/controls/ListBoxModel.h"

#include <algorithm>
#include <cwctype>

namespace zt::win::controls {

namespace {

int CompareNoCase(const std::wstring& a, const std::wstring& b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        wint_t x = std::towlower(static_cast<wint_t>(a[i]));
        wint_t y = std::towlower(static_cast<wint_t>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithNoCase(const std::wstring& s, const std::wstring& prefix)
{
    return s.size() >= prefix.size() && CompareNoCase(s.substr(0, prefix.size()), prefix) == 0;
}

} // namespace

int ListBoxModel::Insert(int index, Item item)
{
    if (index < 0 || index > Count())
        index = Count();
    items_.insert(items_.begin() + index, std::move(item));
    if (selection_ >= index)
        ++selection_;
    if (caret_ >= index)
        ++caret_;
    if (caret_ < 0)
        caret_ = 0;
    return index;
}

int ListBoxModel::SortedPosition(const std::wstring& text) const
{
    auto it = std::upper_bound(
        items_.begin(), items_.end(), text,
        [](const std::wstring& t, const Item& i) { return CompareNoCase(t, i.text) < 0; });
    return static_cast<int>(it - items_.begin());
}

bool ListBoxModel::Erase(int index)
{
    if (!Valid(index))
        return false;
    items_.erase(items_.begin() + index);
    if (selection_ == index)
        selection_ = -1;
    else if (selection_ > index)
        --selection_;
    if (caret_ >= Count())
        caret_ = Count() - 1;
    else if (caret_ > index)
        --caret_;
    if (top_ >= Count())
        top_ = std::max(0, Count() - 1);
    return true;
}

void ListBoxModel::Clear()
{
    items_.clear();
    selection_ = -1;
    caret_ = -1;
    top_ = 0;
}

int ListBoxModel::MaxTop(int viewHeight) const
{
    int n = Count();
    int used = 0;
    int i = n;
    while (i > 0) {
        int h = std::max(1, At(i - 1).height);
        if (used + h > viewHeight)
            break;
        used += h;
        --i;
    }
    // When not even the last item fits, it becomes the top.
    return std::min(i, std::max(0, n - 1));
}

int ListBoxModel::SetTop(int top, int viewHeight)
{
    top_ = std::clamp(top, 0, MaxTop(viewHeight));
    return top_;
}

int ListBoxModel::VisibleFrom(int top, int viewHeight) const
{
    int y = 0;
    int i = top;
    while (i < Count() && y < viewHeight) {
        y += std::max(1, At(i).height);
        ++i;
    }
    return i - top;
}

int ListBoxModel::FullyVisibleFrom(int top, int viewHeight) const
{
    int y = 0;
    int i = top;
    while (i < Count()) {
        int h = std::max(1, At(i).height);
        if (y + h > viewHeight)
            break;
        y += h;
        ++i;
    }
    return std::max(i - top, Valid(top) ? 1 : 0);
}

int ListBoxModel::OffsetOf(int i) const
{
    int y = 0;
    if (i >= top_) {
        for (int k = top_; k < i && k < Count(); ++k)
            y += std::max(1, At(k).height);
    } else {
        for (int k = std::max(0, i); k < top_; ++k)
            y -= std::max(1, At(k).height);
    }
    return y;
}

int ListBoxModel::ItemAt(int y) const
{
    if (y < 0) {
        int k = top_;
        int acc = 0;
        while (k > 0 && acc > y) {
            --k;
            acc -= std::max(1, At(k).height);
        }
        return Valid(k) ? k : -1;
    }
    int acc = 0;
    for (int k = top_; k < Count(); ++k) {
        acc += std::max(1, At(k).height);
        if (y < acc)
            return k;
    }
    return -1;
}

int ListBoxModel::FindExact(int after, const std::wstring& text) const
{
    int n = Count();
    for (int k = 0; k < n; ++k) {
        int i = (after + 1 + k) % n;
        if (after < -1 || after >= n)
            i = k;
        if (CompareNoCase(At(i).text, text) == 0)
            return i;
    }
    return -1;
}

int ListBoxModel::FindPrefix(int after, const std::wstring& text) const
{
    int n = Count();
    for (int k = 0; k < n; ++k) {
        int i = (after + 1 + k) % n;
        if (after < -1 || after >= n)
            i = k;
        if (StartsWithNoCase(At(i).text, text))
            return i;
    }
    return -1;
}

} // namespace zt::win::controls
