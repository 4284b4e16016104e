#pragma once

#include "ztui/proplist/model/PropertyItem_imp.h"
#include "ztui/proplist/window/ListBoxPropertyDataMgr.h"

#include <memory>
#include <vector>

namespace zt {

// What shows a property list: the list window. The list tells it when its rows were rebuilt
// or are about to go, so that it can drop editors and strings that point into them, and when
// an item's value was set, so that editors showing it follow at once instead of at a paint.
class PropertyListView
{
public:
    virtual ~PropertyListView() = default;
    // The rows are about to be destroyed: empty the window and destroy every editor.
    virtual void OnRowsClearing() = 0;
    // The rows were rebuilt: repopulate the window.
    virtual void OnRowsRebuilt() = 0;
    // A value, text, picture or format check of the item was set.
    virtual void OnItemChanged(PropertyItem_imp& item) = 0;
};

class ZTUI_EXPORT PropertyList_imp : public PropertyMgrUI::PropertyList
{
public:
    PropertyList_imp();
    // Virtual here, after the interface's operations, so the interface's table keeps its order.
    virtual ~PropertyList_imp();
    PropertyList_imp(const PropertyList_imp&) = delete;
    PropertyList_imp& operator=(const PropertyList_imp&) = delete;

    PropertyMgrUI::PropertyList* clear() override;
    PropertyMgrUI::PropertyItem* addItem(const CString& groupName, bool groupExpanded,
                                         const CString& name, HBITMAP headBitmap) override;
    PropertyMgrUI::PropertyList* refresh() override;
    PropertyMgrUI::PropertyList* setValueChanged(PropertyMgrUI::PropertyHandler handler) override;
    PropertyMgrUI::PropertyList* setButtonClicked(PropertyMgrUI::PropertyHandler handler) override;
    PropertyMgrUI::PropertyList* itemChanged(PropertyMgrUI::PropertyItem* item) override;
    PropertyMgrUI::PropertyList* collectGroupStates(PropertyMgrUI::GroupStateMap& states) override;

    // Called by the editors after they wrote a new value into an item; unset handlers are
    // skipped. Every owner handler runs here inside the one commit guard: handlers are foreign
    // code called from a window procedure, which nothing may leave by an exception. False when
    // the handler ended by an exception (logged with `what`, naming the commit).
    bool NotifyValueChanged(PropertyItem_imp& item, const wchar_t* what = L"valueChanged");
    bool NotifyButtonClicked(PropertyItem_imp& item, const wchar_t* what = L"buttonClicked");
    // Called by an item whenever one of its values was set: the view hears of it.
    void ItemValueSet(PropertyItem_imp& item)
    {
        if (m_view)
            m_view->OnItemChanged(item);
    }
    // Expires when the items go (clear, destruction): an editor that calls several handlers in
    // a row checks it before handing an item to the next one.
    std::weak_ptr<const void> LifeToken() const { return m_itemsAlive; }

    const std::vector<std::unique_ptr<PropertyItem_imp>>& items() const { return m_items; }
    ListBoxPropertyDataMgr& rows() { return m_rows; }
    const ListBoxPropertyDataMgr& rows() const { return m_rows; }
    void SetView(PropertyListView* view) { m_view = view; }
    PropertyListView* view() const { return m_view; }

private:
    void Rebuild();

    PropertyListView* m_view = nullptr;
    std::vector<std::unique_ptr<PropertyItem_imp>> m_items;
    PropertyMgrUI::PropertyHandler m_valueChanged;
    PropertyMgrUI::PropertyHandler m_buttonClicked;
    ListBoxPropertyDataMgr m_rows;
    std::shared_ptr<const void> m_itemsAlive = std::make_shared<char>(0);
};

} // namespace zt
