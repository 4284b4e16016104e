#include "ztui/proplist/window/EditorIdCounter.h"

namespace zt {

int EditorIdCounter::Next()
{
    int id = m_next++;
    if (m_wrapAfter > 0 && m_next > m_wrapAfter)
        m_next = m_first;
    return id;
}

} // namespace zt
