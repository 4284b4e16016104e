#pragma once
// The host's registry of modeless dialogs by name, so that code on either thread finds the one
// dialog of a kind. It does not own the dialogs.

#include <map>
#include <mutex>
#include <string>

class CDialog;

class TesselModelessDialogManager
{
public:
    static TesselModelessDialogManager& Get();

    // Keeps one dialog per name: a second registration under a name replaces the first.
    // Empty names and null dialogs are refused.
    bool Register(const char* name, CDialog* dialog);
    bool Unregister(const char* name);
    CDialog* GetDialog(const char* name) const;

private:
    TesselModelessDialogManager() = default;

    mutable std::mutex m_mutex;
    std::map<std::string, CDialog*> m_dialogs;
};
