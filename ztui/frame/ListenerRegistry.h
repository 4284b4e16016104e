#pragma once
// The ordered listener list shared by the three event registries. A listener may add or drop
// any listener, itself included, from inside its own call: adds made while a dispatch runs
// wait in `pending` until the dispatch ends, and drops only blank a slot, which the walking
// dispatch removes as it passes.
//
// Nesting. A listener may start a dispatch of the same registry from inside its call. The
// registry counts dispatch depth: `dispatching` is true while any dispatch runs. Only the
// outermost dispatch removes blank slots; an inner one steps over them, so the list that the
// outer dispatch is walking keeps its shape. Pending adds are flushed when the outermost
// dispatch ends, so an inner dispatch never calls a listener added during the outer one.
//
// A listener that throws counts as having returned false; the others are still called.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace zt {

template <class Listener>
class ListenerRegistry
{
public:
    void Add(Listener* listener)
    {
        if (!listener)
            return;
        if (dispatching()) {
            m_pending.push_back(listener);
            return;
        }
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
            m_listeners.push_back(listener);
    }

    void Drop(Listener* listener)
    {
        if (!listener)
            return;
        std::replace(m_listeners.begin(), m_listeners.end(), listener,
                     static_cast<Listener*>(nullptr));
        std::erase(m_pending, listener);
    }

    // Calls call(listener) on every registered listener in order and returns the OR of the
    // results; false at once when nothing is registered.
    template <class Call>
    bool Dispatch(Call&& call)
    {
        if (m_listeners.empty())
            return false;
        DepthGuard guard(*this);
        const bool outermost = m_depth == 1;
        bool result = false;
        for (std::size_t i = 0; i < m_listeners.size();) {
            Listener* listener = m_listeners[i];
            if (!listener) {
                if (outermost)
                    m_listeners.erase(m_listeners.begin() + static_cast<std::ptrdiff_t>(i));
                else
                    ++i;
                continue;
            }
            bool consumed = false;
            try {
                consumed = call(listener);
            } catch (...) {
                consumed = false;
            }
            result = result || consumed;
            ++i;
        }
        return result;
    }

    bool dispatching() const noexcept { return m_depth > 0; }
    // The registered listeners in order, blank slots included (for inspection).
    const std::vector<Listener*>& listeners() const noexcept { return m_listeners; }
    const std::vector<Listener*>& pending() const noexcept { return m_pending; }

private:
    // Ends a dispatch level even when the walk leaves by an exception.
    class DepthGuard
    {
    public:
        explicit DepthGuard(ListenerRegistry& r) : m_r(r) { ++m_r.m_depth; }
        ~DepthGuard()
        {
            if (--m_r.m_depth == 0)
                m_r.FlushPending();
        }

    private:
        ListenerRegistry& m_r;
    };

    void FlushPending()
    {
        std::vector<Listener*> pending;
        pending.swap(m_pending);
        for (Listener* l : pending)
            Add(l);
    }

    int m_depth = 0;
    std::vector<Listener*> m_listeners;
    std::vector<Listener*> m_pending;
};

} // namespace zt
