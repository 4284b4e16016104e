#pragma once
// Identifiers for editor windows. Every row class keeps one counter, shared by all lists; the
// identifiers only have to be distinct enough for the window system, and nothing finds an
// editor by its identifier.

#include "ztui/ZTUiExport.h"

namespace zt {

class ZTUI_EXPORT EditorIdCounter
{
public:
    // Counts from first; past wrapAfter (when not 0) it starts again at first.
    constexpr explicit EditorIdCounter(int first, int wrapAfter = 0)
        : m_first(first), m_wrapAfter(wrapAfter), m_next(first)
    {}
    // The identifier the next editor gets; the counter moves on.
    int Next();
    // The identifier Next would give, without moving.
    int Peek() const { return m_next; }

private:
    int m_first;
    int m_wrapAfter;
    int m_next;
};

} // namespace zt
