// The edit path: what the list's handlers do with an edited item. The item becomes a host
// record, which the tool that filled the list writes into the object the panel shows, on the
// work thread; the call returns when it has.

#include "ztui/propertypanel/WorkThreadCall.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"

#include <memory>

namespace zt {

namespace {

enum class Edit
{
    ValueChanged,
    ButtonClicked,
};

// The key the tool gave the item: the tag less its group part.
long KeyOf(const PropertyMgrUI::PropertyItem& item)
{
    return item.tag() % ZTPropertyDlg::kTagGroupFactor;
}

void HandToTool(Edit edit, PropertyMgrUI::PropertyItem& item)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    RefCountedPtr<ZTPanelToolProperty> tool =
        ZTPanelToolProperty::Of(mgn.context().collector->tool());
    if (tool.IsNull())
        return;
    ZTPropertyDlg* dialog = ZTPropertyDlg::DialogOf(*mgn.context().listModel);
    if (edit == Edit::ValueChanged && !dialog)
        return;
    long key = KeyOf(item);
    auto record = std::make_shared<TesselUIPropertyItem>();
    ZTPropertyDlg::SetValue(item, *record);
    RunOnWorkThread(L"property edit", [edit, tool, key, record] {
        RefCountedPtr<ITSObject> obj = ZTPropertyMgn::instance().getTempObject();
        if (obj.IsNull())
            return;
        if (edit == Edit::ValueChanged)
            tool->OnPropertyItemChanged(obj, static_cast<int>(key), *record);
        else
            tool->OnPropertyItemButtonClicked(obj, static_cast<int>(key), *record);
    });
    if (edit == Edit::ValueChanged)
        dialog->PropertyListNotifyCB(key, item);
}

} // namespace

void ZTPropertyDlg::OnListValueChanged(PropertyMgrUI::PropertyList&,
                                       PropertyMgrUI::PropertyItem& item)
{
    HandToTool(Edit::ValueChanged, item);
}

void ZTPropertyDlg::OnListButtonClicked(PropertyMgrUI::PropertyList&,
                                        PropertyMgrUI::PropertyItem& item)
{
    HandToTool(Edit::ButtonClicked, item);
}

} // namespace zt
