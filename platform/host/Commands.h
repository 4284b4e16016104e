#pragma once
// The host's command registry. A command is a name bound to a parameterless function that
// runs on the work thread, whether the user types the name or code executes it.

#include <string>
#include <vector>

class TesselToolsManager
{
public:
    // Registers or replaces a command. Empty names and null functions are refused.
    static bool RegisterFun(const char* name, void (*function)());
    static bool UnregisterFun(const char* name);
    static bool IsRegistered(const char* name);
    // Names in the order they were first registered.
    static std::vector<std::string> GetCommandNames();
};

class TesselUserInputManager
{
public:
    // Starts the command as if the user had entered it: its function is queued for the work
    // thread. False (and nothing queued) when no command has the name.
    static bool ExeCommand(const char* name);
    static bool ExeCommand(const wchar_t* name);
};
