#pragma once
// The registry of tool interfaces: each registered under a name (a tool id such as
// "Tessel.Tool.ArchWall", or the class name of the objects the tool makes) and an interface
// name. Thread-safe; lookups return the registered pointer, which stays valid while it is
// registered.

#include "platform/host/IToolInterface.h"

#include <string>
#include <vector>

class TesselToolsInterfaceManager
{
public:
    // Registers or replaces the interface under (name, interfaceName); an interface name of
    // null takes the interface's own. False for empty names or a null interface.
    static bool RegisterInterface(const char* name, IToolInterface* tool,
                                  const char* interfaceName = nullptr);
    static bool UnregisterInterface(const char* name, const char* interfaceName);
    // Null when nothing is registered under both names (or either is null).
    static IToolInterface* QueryICmdInterface(const char* name, const char* interfaceName);
    // The names that have an interface of that interface name, sorted.
    static std::vector<std::string> GetNames(const char* interfaceName);
    // Drops every registration (the host does this when it shuts its tools down).
    static void Clear();
};
