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
    m_items.insert(m_items.begin() + index, std::move(item));
    if (m_selection >= index)
        ++m_selection;
    if (m_caret >= index)
        ++m_caret;
    if (m_caret < 0)
        m_caret = 0;
    return index;
}

int ListBoxModel::SortedPosition(const std::wstring& text) const
{
    auto it = std::upper_bound(
        m_items.begin(), m_items.end(), text,
        [](const std::wstring& t, const Item& i) { return CompareNoCase(t, i.text) < 0; });
    return static_cast<int>(it - m_items.begin());
}

bool ListBoxModel::Erase(int index)
{
    if (!Valid(index))
        return false;
    m_items.erase(m_items.begin() + index);
    if (m_selection == index)
        m_selection = -1;
    else if (m_selection > index)
        --m_selection;
    if (m_caret >= Count())
        m_caret = Count() - 1;
    else if (m_caret > index)
        --m_caret;
    if (m_top >= Count())
        m_top = std::max(0, Count() - 1);
    return true;
}

void ListBoxModel::Clear()
{
    m_items.clear();
    m_selection = -1;
    m_caret = -1;
    m_top = 0;
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
    m_top = std::clamp(top, 0, MaxTop(viewHeight));
    return m_top;
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
    if (i >= m_top) {
        for (int k = m_top; k < i && k < Count(); ++k)
            y += std::max(1, At(k).height);
    } else {
        for (int k = std::max(0, i); k < m_top; ++k)
            y -= std::max(1, At(k).height);
    }
    return y;
}

int ListBoxModel::ItemAt(int y) const
{
    if (y < 0) {
        int k = m_top;
        int acc = 0;
        while (k > 0 && acc > y) {
            --k;
            acc -= std::max(1, At(k).height);
        }
        return Valid(k) ? k : -1;
    }
    int acc = 0;
    for (int k = m_top; k < Count(); ++k) {
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
