#pragma once
// The children of a window in z-order, topmost first. Internal to ztwin.
//
// The siblings are linked through the windows themselves, so that taking one out (a parent of
// thousands of parked editors being destroyed) costs the same however many there are. Each
// child also carries an order key that grows from the topmost to the bottom child: two siblings
// compare by key without walking the list, which the pending-paint index uses to keep windows
// waiting for WM_PAINT in painting order.

#include <cstddef>
#include <cstdint>

namespace zt::win {

struct Window;

// The links and the order key a window has in its parent's list.
struct SiblingLinks
{
    Window* above = nullptr;
    Window* below = nullptr;
    std::uint64_t key = 0;
    bool linked = false;
};

class ChildList
{
public:
    template <bool Upwards>
    class Iterator
    {
    public:
        explicit Iterator(Window* at) : m_at(at) {}
        Window* operator*() const { return m_at; }
        Iterator& operator++();
        bool operator==(const Iterator& other) const { return m_at == other.m_at; }
        bool operator!=(const Iterator& other) const { return m_at != other.m_at; }

    private:
        Window* m_at;
    };
    // From the topmost child down, and from the bottom child up.
    using iterator = Iterator<false>;
    using reverse_iterator = Iterator<true>;

    ChildList() = default;
    ChildList(const ChildList&) = delete;
    ChildList& operator=(const ChildList&) = delete;

    iterator begin() const { return iterator(m_top); }
    iterator end() const { return iterator(nullptr); }
    reverse_iterator rbegin() const { return reverse_iterator(m_bottom); }
    reverse_iterator rend() const { return reverse_iterator(nullptr); }
    Window* front() const { return m_top; }
    Window* back() const { return m_bottom; }
    bool empty() const { return m_top == nullptr; }
    std::size_t size() const { return m_size; }

    // Links w directly above `below` (at the bottom when below is null). w must be in no list.
    void InsertAbove(Window* below, Window* w);
    // Unlinks w, which must be in this list.
    void Remove(Window* w);

    static Window* Above(const Window* w);
    static Window* Below(const Window* w);

private:
    void Renumber();

    Window* m_top = nullptr;
    Window* m_bottom = nullptr;
    std::size_t m_size = 0;
};

} // namespace zt::win
