#pragma once
// How a settings dialog describes its layout to the widgets inside it: groups of rows of
// (control id, mode) pairs. A group box heading such a group finds its member controls here,
// without knowing the dialog class that lays them out.

#include "ztui/ZTUiExport.h"

#include <utility>
#include <vector>

namespace zt {

using CtrlModePair = std::pair<int, int>;
using CtrlPairRow = std::vector<CtrlModePair>;
using CtrlPairGroup = std::vector<CtrlPairRow>;
using CtrlPairGroups = std::vector<CtrlPairGroup>;

class ZTUI_EXPORT IControlGroupsSource
{
public:
    virtual ~IControlGroupsSource() = default;
    virtual const CtrlPairGroups& GetGroupsPair() const = 0;
};

// The ids of the controls a group box heads: the controls of the later rows of the group whose
// first row starts with the box. Empty when no group starts with it.
ZTUI_EXPORT std::vector<int> GroupMembersOf(const CtrlPairGroups& groups, int boxId);

} // namespace zt
