#include "ztui/widgets/ControlGroups.h"

namespace zt {

std::vector<int> GroupMembersOf(const CtrlPairGroups& groups, int boxId)
{
    std::vector<int> members;
    for (const CtrlPairGroup& group : groups) {
        if (group.empty() || group.front().empty() || group.front().front().first != boxId)
            continue;
        for (std::size_t row = 1; row < group.size(); ++row)
            for (const CtrlModePair& pair : group[row])
                members.push_back(pair.first);
        break;
    }
    return members;
}

} // namespace zt
