// The element and level changes of a project: recording for undo, marking for saving and
// telling the listeners.

#include "platform/cad/DgnProject.h"
#include "platform/cad/ProjectEvents.h"

namespace {

enum class Transition
{
    None,
    Added,
    Changed,
    Deleted,
};

Transition Between(bool wasAlive, bool isAlive)
{
    if (wasAlive && isAlive)
        return Transition::Changed;
    if (isAlive)
        return Transition::Added;
    if (wasAlive)
        return Transition::Deleted;
    return Transition::None;
}

} // namespace

void DgnProject::QueueLocked(std::function<void()> notification)
{
    m_pending.push_back(std::move(notification));
}

void DgnProject::FlushNotifications()
{
    {
        std::lock_guard lock(m_mutex);
        // Whoever is already delivering also delivers what was queued meanwhile, so
        // listeners hear changes in the order they were made, never nested.
        if (m_flushing)
            return;
        m_flushing = true;
    }
    for (;;) {
        std::vector<std::function<void()>> batch;
        {
            std::lock_guard lock(m_mutex);
            if (m_pending.empty()) {
                m_flushing = false;
                return;
            }
            batch.swap(m_pending);
        }
        for (auto& notify : batch)
            notify();
    }
}

void DgnProject::SetElementStateLocked(ElementRef& element,
                                       std::shared_ptr<const ElementData> state)
{
    bool wasAlive = !element.IsDeleted();
    bool isAlive = state != nullptr;
    if (isAlive)
        element.m_data.store(std::move(state));
    element.m_deleted.store(!isAlive);
    DgnModel& model = *element.GetDgnModelP();
    if (isAlive && !wasAlive) {
        model.m_members.emplace(element.GetElementId(), &element);
        ++m_liveElementCount;
    } else if (wasAlive && !isAlive) {
        model.m_members.erase(element.GetElementId());
        --m_liveElementCount;
    }
    m_dirtyElements.insert(element.GetElementId());

    ElementRef* ref = &element;
    switch (Between(wasAlive, isAlive)) {
    case Transition::Added:
        QueueLocked([ref] {
            ProjectEvents::Get().NotifyElements([ref](auto& l) { l.OnElementAdded(*ref); });
        });
        break;
    case Transition::Changed:
        QueueLocked([ref] {
            ProjectEvents::Get().NotifyElements([ref](auto& l) { l.OnElementChanged(*ref); });
        });
        break;
    case Transition::Deleted:
        QueueLocked([ref] {
            ProjectEvents::Get().NotifyElements([ref](auto& l) { l.OnElementDeleted(*ref); });
        });
        break;
    case Transition::None:
        break;
    }
}

void DgnProject::ApplyLevelStateLocked(LevelId id, const std::optional<LevelDefinition>& state)
{
    if (state)
        m_levelTable[id] = *state;
    else
        m_levelTable.erase(id);
    m_levelsDirty = true;
    QueueLocked([this] {
        ProjectEvents::Get().NotifyElements([this](auto& l) { l.OnLevelsChanged(*this); });
    });
}

static void NormaliseInstance(ElementData& data, ElementId id)
{
    // The primary instance of an element is the element's own: one key names both, also for
    // a copy, which gets the key of its new element.
    data.instanceId = data.classId > 0 ? id : 0;
    if (!data.properties.isObject())
        data.properties = Json::Value(Json::objectValue);
}

ElementRef* DgnProject::AddElement(DgnModel& model, ElementData data)
{
    ElementRef* ref = nullptr;
    {
        std::lock_guard lock(m_mutex);
        if (!m_open || &model.GetDgnProject() != this || !m_models.count(model.GetModelId()))
            return nullptr;
        ElementId id = m_nextElementId++;
        NormaliseInstance(data, id);
        ref = CreateElementLocked(id, model, nullptr, true);
        auto state = std::make_shared<const ElementData>(std::move(data));
        m_txn.RecordLocked(ITxnManager::Change::ForElement(ref, nullptr, state));
        SetElementStateLocked(*ref, std::move(state));
    }
    FlushNotifications();
    return ref;
}

bool DgnProject::ReplaceElement(ElementRef& element, ElementData data)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_open || element.IsDeleted() || &element.GetDgnProject() != this)
            return false;
        NormaliseInstance(data, element.GetElementId());
        auto state = std::make_shared<const ElementData>(std::move(data));
        m_txn.RecordLocked(ITxnManager::Change::ForElement(&element, element.GetData(), state));
        SetElementStateLocked(element, std::move(state));
    }
    FlushNotifications();
    return true;
}

bool DgnProject::DeleteElement(ElementRef& element)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_open || element.IsDeleted() || &element.GetDgnProject() != this)
            return false;
        m_txn.RecordLocked(ITxnManager::Change::ForElement(&element, element.GetData(), nullptr));
        SetElementStateLocked(element, nullptr);
    }
    FlushNotifications();
    return true;
}
