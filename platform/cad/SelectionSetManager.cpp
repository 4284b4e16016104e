#include "platform/cad/SelectionSetManager.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/ProjectEvents.h"

#include <algorithm>

SelectionSetManager& SelectionSetManager::GetManager()
{
    static SelectionSetManager manager;
    return manager;
}

SelectionSetManager::SelectionSetManager()
{
    ProjectEvents::Get().AddElementListener(this);
    ProjectEvents::Get().AddProjectListener(this);
}

SelectionSetManager::~SelectionSetManager()
{
    ProjectEvents::Get().DropElementListener(this);
    ProjectEvents::Get().DropProjectListener(this);
}

bool SelectionSetManager::AddElement(ElementRef* element)
{
    return AddElements(bvector<ElementRef*>{element});
}

bool SelectionSetManager::AddElements(const bvector<ElementRef*>& elements)
{
    bvector<ElementRef*> added;
    {
        std::lock_guard lock(m_mutex);
        for (ElementRef* element : elements) {
            if (!element || element->IsDeleted() ||
                std::find(m_selected.begin(), m_selected.end(), element) != m_selected.end())
                continue;
            m_selected.push_back(element);
            added.push_back(element);
        }
    }
    if (added.empty())
        return false;
    Notify(SelectionSetAction::ElementsAdded, added);
    return true;
}

bool SelectionSetManager::RemoveElement(ElementRef* element)
{
    {
        std::lock_guard lock(m_mutex);
        auto it = std::find(m_selected.begin(), m_selected.end(), element);
        if (it == m_selected.end())
            return false;
        m_selected.erase(it);
    }
    Notify(SelectionSetAction::ElementsRemoved, {element});
    return true;
}

bool SelectionSetManager::Clear()
{
    bvector<ElementRef*> was;
    {
        std::lock_guard lock(m_mutex);
        was.swap(m_selected);
    }
    if (was.empty())
        return false;
    Notify(SelectionSetAction::Cleared, was);
    return true;
}

bool SelectionSetManager::ReplaceWith(const bvector<ElementRef*>& elements)
{
    {
        std::lock_guard lock(m_mutex);
        bvector<ElementRef*> wanted;
        for (ElementRef* element : elements)
            if (element && !element->IsDeleted() &&
                std::find(wanted.begin(), wanted.end(), element) == wanted.end())
                wanted.push_back(element);
        if (wanted == m_selected)
            return false;
    }
    bool cleared = Clear();
    bool added = AddElements(elements);
    return cleared || added;
}

std::size_t SelectionSetManager::NumSelected() const
{
    std::lock_guard lock(m_mutex);
    return m_selected.size();
}

ElementRef* SelectionSetManager::GetElement(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    return index < m_selected.size() ? m_selected[index] : nullptr;
}

bool SelectionSetManager::IsSelected(const ElementRef* element) const
{
    std::lock_guard lock(m_mutex);
    return std::find(m_selected.begin(), m_selected.end(), element) != m_selected.end();
}

bvector<ElementRef*> SelectionSetManager::GetElements() const
{
    std::lock_guard lock(m_mutex);
    return m_selected;
}

void SelectionSetManager::AddListener(ISelectionListener* listener)
{
    std::lock_guard lock(m_mutex);
    if (listener &&
        std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void SelectionSetManager::DropListener(ISelectionListener* listener)
{
    std::lock_guard lock(m_mutex);
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                      m_listeners.end());
}

std::size_t SelectionSetManager::GetListenerCount() const
{
    std::lock_guard lock(m_mutex);
    return m_listeners.size();
}

void SelectionSetManager::Notify(SelectionSetAction action, const bvector<ElementRef*>& elements)
{
    std::vector<ISelectionListener*> listeners;
    {
        std::lock_guard lock(m_mutex);
        listeners = m_listeners;
    }
    for (ISelectionListener* listener : listeners) {
        {
            std::lock_guard lock(m_mutex);
            if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
                continue;
        }
        listener->OnSelectionChanged(action, elements);
    }
}

void SelectionSetManager::OnElementDeleted(ElementRef& element)
{
    RemoveElement(&element);
}

void SelectionSetManager::OnProjectClosing(DgnProject&)
{
    Clear();
}
