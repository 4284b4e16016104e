#include "ztui/proplist/model/PropertyList_imp.h"

#include "ztui/proplist/editors/CommitGuard.h"

namespace zt {

PropertyList_imp::PropertyList_imp() = default;

PropertyList_imp::~PropertyList_imp()
{
    // Rows and editors point at items: they go first.
    if (m_view)
        m_view->OnRowsClearing();
    m_rows.Clear();
}

PropertyMgrUI::PropertyList* PropertyList_imp::clear()
{
    if (m_view)
        m_view->OnRowsClearing();
    m_rows.Clear();
    m_itemsAlive = std::make_shared<char>(0);
    m_items.clear();
    return this;
}

PropertyMgrUI::PropertyItem* PropertyList_imp::addItem(const CString& groupName, bool groupExpanded,
                                                       const CString& name, HBITMAP headBitmap)
{
    m_items.push_back(
        std::make_unique<PropertyItem_imp>(this, groupName, groupExpanded, name, headBitmap));
    return m_items.back().get();
}

void PropertyList_imp::Rebuild()
{
    if (m_view)
        m_view->OnRowsClearing();
    m_rows.Build(m_items);
    if (m_view)
        m_view->OnRowsRebuilt();
}

PropertyMgrUI::PropertyList* PropertyList_imp::refresh()
{
    Rebuild();
    return this;
}

PropertyMgrUI::PropertyList*
PropertyList_imp::setValueChanged(PropertyMgrUI::PropertyHandler handler)
{
    m_valueChanged = std::move(handler);
    return this;
}

PropertyMgrUI::PropertyList*
PropertyList_imp::setButtonClicked(PropertyMgrUI::PropertyHandler handler)
{
    m_buttonClicked = std::move(handler);
    return this;
}

PropertyMgrUI::PropertyList* PropertyList_imp::itemChanged(PropertyMgrUI::PropertyItem* item)
{
    for (const auto& other : m_items)
        if (other.get() != item)
            other->syncWith(item);
    Rebuild();
    return this;
}

PropertyMgrUI::PropertyList*
PropertyList_imp::collectGroupStates(PropertyMgrUI::GroupStateMap& states)
{
    m_rows.CollectGroupStates(states);
    return this;
}

bool PropertyList_imp::NotifyValueChanged(PropertyItem_imp& item, const wchar_t* what)
{
    // A handler may clear or refill the list; the copy keeps the callable alive meanwhile.
    auto handler = m_valueChanged;
    if (!handler)
        return true;
    return CommitGuard::Run(what, [&] { handler(*this, item); });
}

bool PropertyList_imp::NotifyButtonClicked(PropertyItem_imp& item, const wchar_t* what)
{
    auto handler = m_buttonClicked;
    if (!handler)
        return true;
    return CommitGuard::Run(what, [&] { handler(*this, item); });
}

} // namespace zt
