#pragma once
// The store behind the context bar: what was picked (instance keys, click point, a special
// point, the kind of click) and the operation last chosen for each element class, so that the
// bar pre-selects it the next time it opens for an element of that class. The host fills it
// before it asks for the bar; the factories and the window read it.

#include "platform/base/WString.h"
#include "platform/cad/DPoint3d.h"
#include "platform/cad/DgnIds.h"
#include "ztui/ZTUiExport.h"
#include "ztui/contextbar/ContextbarTypes.h"

#include <map>
#include <vector>

namespace zt {

class ZTUI_EXPORT ZTContextBarDataMgn
{
public:
    // The key of the common operations in operatingMap.
    static constexpr const wchar_t* kCommonKey = L"Common";

    struct OperatingPair
    {
        // Remembered for picks whose click type is not plain.
        TSOperating clickedOperating = TSOperating_None;
        // Remembered for plain picks.
        TSOperating plainOperating = TSOperating_None;
    };

    virtual ~ZTContextBarDataMgn();

    static ZTContextBarDataMgn& instance();

    void setClickPoint(DPoint3d point) { clickPoint = point; }
    DPoint3d getClickPoint() const { return clickPoint; }
    void setSpecialPoint(DPoint3d point) { specialPoint = point; }
    DPoint3d getSpecialPoint() const { return specialPoint; }
    void setTSClickType(TSClickType type) { clickType = type; }
    TSClickType getTSClickType() const { return clickType; }

    // Appends without looking for a duplicate.
    void addInstanceKey(ECInstanceKey key) { instanceKeys.push_back(key); }
    void setvetInstanceKey(std::vector<ECInstanceKey> keys) { instanceKeys = std::move(keys); }
    std::vector<ECInstanceKey> getvetInstanceKey() const { return instanceKeys; }

    // Remembers an operation: common ones under "Common", others under the class of the
    // first picked element. Promote is never remembered, and neither is anything chosen
    // while the click type says not to.
    void addTSOperating(TSOperating op);
    // The operation to pre-select for the current pick; none when nothing is remembered.
    TSOperating getOldOperating() const;
    // Forgets every remembered operation; operatingKey stays.
    void clearMapOperating() { operatingMap.clear(); }

    // The model shown in the host's active viewport; -1 when that view has no model.
    DgnModelId getActiveModelId();

    // The element class of an instance of the current project; empty when there is no
    // project, no such instance or no host object for it.
    static WString ClassNameOf(const ECInstanceKey& key);

    DPoint3d clickPoint{0.0, 0.0, 0.0};
    DPoint3d specialPoint{0.0, 0.0, 0.0};
    WString operatingKey;
    TSClickType clickType = TSClickType_Plain;
    std::vector<ECInstanceKey> instanceKeys;
    std::map<WString, OperatingPair> operatingMap;

private:
    ZTContextBarDataMgn() = default;
    bool Remembers() const
    {
        return clickType != TSClickType_NotRemembered && clickType != TSClickType_ToolSetting;
    }
};

// True for move, mirror, copy, rotate and multiple copy.
ZTUI_EXPORT bool IsCommonOperating(TSOperating op);

} // namespace zt
