#pragma once
// The items, heights, selection and scroll position of a list box, without any window.

#include "platform/base/WinTypes.h"

#include <string>
#include <vector>

namespace zt::win::controls {

class ListBoxModel
{
public:
    struct Item
    {
        std::wstring text;
        ULONG_PTR data = 0;
        int height = 0;
    };

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int i) const { return i >= 0 && i < Count(); }
    const Item& At(int i) const { return m_items[static_cast<std::size_t>(i)]; }
    Item& At(int i) { return m_items[static_cast<std::size_t>(i)]; }

    // Inserts before `index` (-1 or beyond the end appends); returns the new item's index.
    int Insert(int index, Item item);
    // Index where a text goes in case-insensitive order.
    int SortedPosition(const std::wstring& text) const;
    bool Erase(int index);
    void Clear();

    // -1 for none.
    int Selection() const { return m_selection; }
    void SetSelection(int i) { m_selection = Valid(i) ? i : -1; }
    int CaretIndex() const { return m_caret; }
    void SetCaretIndex(int i) { m_caret = Valid(i) ? i : (Count() ? 0 : -1); }

    int Top() const { return m_top; }
    // Clamped to [0, MaxTop(viewHeight)].
    int SetTop(int top, int viewHeight);
    int MaxTop(int viewHeight) const;
    // Items from the top that are at least partly inside the view height.
    int VisibleFrom(int top, int viewHeight) const;
    // Items from the top that fit entirely (at least one when there is an item).
    int FullyVisibleFrom(int top, int viewHeight) const;
    // The y of item i relative to the top item (negative above it).
    int OffsetOf(int i) const;
    // The item at y relative to the top item; -1 past the last item.
    int ItemAt(int y) const;

    int FindExact(int after, const std::wstring& text) const;
    int FindPrefix(int after, const std::wstring& text) const;

private:
    std::vector<Item> m_items;
    int m_selection = -1;
    int m_caret = -1;
    int m_top = 0;
};

} // namespace zt::win::controls
