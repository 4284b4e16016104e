#pragma once
// The dockable dialog that shows the properties of the object or the tool the user works with,
// in the property list (control 20). It fills the list from what a tool's property interface
// reports on the work thread, and hands every edit back to that tool there. Derived dialogs
// place their own controls before, around or after the list with the SetGroupsPair...
// operations, which build on the resizable layout.
//
// Every property dialog shows the property manager's one list model; a refresh attaches it
// to the dialog that refreshes.

#include "platform/cad/BVector.h"
#include "platform/host/TSGraphicElement.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "ztui/ZTUiExport.h"
#include "ztui/dlglayout/CQDockDlg.h"
#include "ztui/proplist/model/PropertyMgrUI.h"

#include <memory>

class ElementRef;

namespace zt {

class ListBoxProperty;
class PropertyList_imp;
class ZTPanelToolProperty;

class ZTUI_EXPORT ZTPropertyDlg : public QDlgResize_Space::CQDockDlg
{
    DECLARE_DYNAMIC(ZTPropertyDlg)
public:
    static constexpr UINT kListId = 20;
    // Shown instead of the value of a record that stands for several different values.
    static constexpr const wchar_t* kMultiValueText = L"*多种*";
    // A list item's tag is group index x this + key.
    static constexpr int kTagGroupFactor = 10000;

    explicit ZTPropertyDlg(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~ZTPropertyDlg() override;

    BOOL OnInitDialog() override;

    // The list alone, over the whole dialog.
    void SetGroupsPairOnlyPropertyList();
    // The dialog's own groups above the list; a height below 1 takes the rest of the parent.
    void SetGroupsPairBeforePropertyList(QDlgResize_Space::CtrlPairGroups groups, int height);
    // The list at the top with that height, the groups moved under it.
    void SetGroupsPairAfterPropertyList(QDlgResize_Space::CtrlPairGroups groups, int height);
    void SetGroupsPairArroundPropertyList(const QDlgResize_Space::CtrlPairGroup& before, int height,
                                          const QDlgResize_Space::CtrlPairGroup& after);

    // Shows the properties of the element as the tool property interface registered under name
    // (the element's class name, in practice) lists them. Nothing for a null element.
    void refreshPropertyList(const char* name, RefCountedPtr<TSGraphicElement> element);
    // The same for the selected elements: one element as above; several through their classes'
    // tools, together (ZTSelectionToolProperty); none empties the list.
    void refreshSelectionPropertyList(const bvector<ElementRef*>& elements);

    // List item to host record: a new record of the item's kind replaces the output; an item
    // of a kind without a record (Image, SubGroup, None) leaves it as it is.
    static void SetValue(const PropertyMgrUI::PropertyItem& item, TesselUIPropertyItem& record);
    // Host record to list item. The record's checker moves to the item; the item gets its own
    // copy of a picture the record lends.
    static void SetValue(const TesselUIPropertyItem& record, PropertyMgrUI::PropertyItem& item);

    // After every ordinary edit, once the tool has written it; nothing here.
    virtual void PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem& item);

    ListBoxProperty* GetPropertyList() const { return m_pList.get(); }
    // The property dialog whose list shows the model, or null.
    static ZTPropertyDlg* DialogOf(PropertyList_imp& listModel);

    // The list model's handlers: the edit path from the list to the tool on the work thread.
    static void OnListValueChanged(PropertyMgrUI::PropertyList& list,
                                   PropertyMgrUI::PropertyItem& item);
    static void OnListButtonClicked(PropertyMgrUI::PropertyList& list,
                                    PropertyMgrUI::PropertyItem& item);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    // Moves the list to (4, top), the dialog's width less 8 and height less 4, and shows it.
    void PlaceList(int top, int height);
    // The rectangles of the groups' controls in client coordinates; missing ids are skipped.
    void ForEachControl(const QDlgResize_Space::CtrlPairGroups& groups,
                        const std::function<void(HWND, const RECT&)>& visit) const;
    void MoveControlsDown(const QDlgResize_Space::CtrlPairGroups& groups, int dy);
    // Records the states of the groups shown under the tool's key, then has the tool fill the
    // collector with obj's properties. On the work thread.
    void FillCollector(ZTPanelToolProperty& tool, RefCountedPtr<ITSObject> obj);
    // Rebuilds the list from the collector, keeping the scroll position when it can.
    void ShowCollected();

    std::unique_ptr<ListBoxProperty> m_pList;
};

} // namespace zt
