#pragma once
// The elements the user has selected, in the order they were selected. Listeners hear every
// change after it is made, on the thread that made it, outside the manager's lock. An element
// that is deleted leaves the selection, and closing a project empties it. Thread-safe.

#include "platform/cad/BVector.h"
#include "platform/cad/IElementChangeListener.h"
#include "platform/cad/IProjectEventListener.h"

#include <mutex>
#include <vector>

class ElementRef;

enum class SelectionSetAction
{
    ElementsAdded,
    ElementsRemoved,
    Cleared,
};

class ISelectionListener
{
public:
    virtual ~ISelectionListener() = default;
    // elements: those added or removed (for Cleared: those that were selected).
    virtual void OnSelectionChanged(SelectionSetAction action,
                                    const bvector<ElementRef*>& elements) = 0;
};

class SelectionSetManager : private IElementChangeListener, private IProjectEventListener
{
public:
    static SelectionSetManager& GetManager();

    // Each returns false (and tells nobody) when nothing changed. Deleted elements and null
    // are not added; adding a selected element again changes nothing.
    bool AddElement(ElementRef* element);
    bool AddElements(const bvector<ElementRef*>& elements);
    bool RemoveElement(ElementRef* element);
    bool Clear();
    // Makes the selection exactly these elements (one Cleared, then one ElementsAdded).
    bool ReplaceWith(const bvector<ElementRef*>& elements);

    std::size_t NumSelected() const;
    // The element at that position, or null.
    ElementRef* GetElement(std::size_t index) const;
    bool IsSelected(const ElementRef* element) const;
    bvector<ElementRef*> GetElements() const;

    // Not owned; adding twice keeps one entry.
    void AddListener(ISelectionListener* listener);
    void DropListener(ISelectionListener* listener);
    std::size_t GetListenerCount() const;

private:
    SelectionSetManager();
    ~SelectionSetManager() override;

    void Notify(SelectionSetAction action, const bvector<ElementRef*>& elements);
    void OnElementAdded(ElementRef&) override {}
    void OnElementChanged(ElementRef&) override {}
    void OnElementDeleted(ElementRef& element) override;
    void OnProjectClosing(DgnProject&) override;

    mutable std::mutex m_mutex;
    bvector<ElementRef*> m_selected;
    std::vector<ISelectionListener*> m_listeners;
};
