#include "platform/host/ModelessDialogManager.h"

TesselModelessDialogManager& TesselModelessDialogManager::Get()
{
    static TesselModelessDialogManager manager;
    return manager;
}

bool TesselModelessDialogManager::Register(const char* name, CDialog* dialog)
{
    if (!name || !*name || !dialog)
        return false;
    std::lock_guard lock(m_mutex);
    m_dialogs[name] = dialog;
    return true;
}

bool TesselModelessDialogManager::Unregister(const char* name)
{
    if (!name)
        return false;
    std::lock_guard lock(m_mutex);
    return m_dialogs.erase(name) > 0;
}

CDialog* TesselModelessDialogManager::GetDialog(const char* name) const
{
    if (!name)
        return nullptr;
    std::lock_guard lock(m_mutex);
    auto it = m_dialogs.find(name);
    return it == m_dialogs.end() ? nullptr : it->second;
}
