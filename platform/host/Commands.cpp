#include "platform/host/Commands.h"

#include "platform/base/Encoding.h"
#include "platform/host/Executors.h"

#include <algorithm>
#include <mutex>

namespace {

struct Command
{
    std::string name;
    void (*function)();
};

// Commands are registered while modules load and executed from any thread.
struct CommandTable
{
    std::mutex mutex;
    std::vector<Command> commands;
};

CommandTable& Table()
{
    static CommandTable table;
    return table;
}

} // namespace

bool TesselToolsManager::RegisterFun(const char* name, void (*function)())
{
    if (!name || !*name || !function)
        return false;
    auto& t = Table();
    std::lock_guard lock(t.mutex);
    auto it =
        std::find_if(t.commands.begin(), t.commands.end(), [&](auto& c) { return c.name == name; });
    if (it != t.commands.end())
        it->function = function;
    else
        t.commands.push_back({name, function});
    return true;
}

bool TesselToolsManager::UnregisterFun(const char* name)
{
    if (!name)
        return false;
    auto& t = Table();
    std::lock_guard lock(t.mutex);
    return std::erase_if(t.commands, [&](auto& c) { return c.name == name; }) > 0;
}

bool TesselToolsManager::IsRegistered(const char* name)
{
    if (!name)
        return false;
    auto& t = Table();
    std::lock_guard lock(t.mutex);
    return std::any_of(t.commands.begin(), t.commands.end(),
                       [&](auto& c) { return c.name == name; });
}

std::vector<std::string> TesselToolsManager::GetCommandNames()
{
    auto& t = Table();
    std::lock_guard lock(t.mutex);
    std::vector<std::string> names;
    for (auto& c : t.commands)
        names.push_back(c.name);
    return names;
}

namespace {

using CommandFunction = void (*)();

CommandFunction FindCommand(const std::string& name)
{
    auto& t = Table();
    std::lock_guard lock(t.mutex);
    for (auto& c : t.commands)
        if (c.name == name)
            return c.function;
    return nullptr;
}

} // namespace

bool TesselUserInputManager::ExeCommand(const char* name)
{
    if (!name || !FindCommand(name))
        return false;
    // The command is looked up again when its turn comes: a module that registered it may
    // have been unloaded (and its command withdrawn) while the call waited in the queue.
    zt::host::Executors::Get().PostToWork([command = std::string(name)] {
        if (CommandFunction function = FindCommand(command))
            function();
    });
    return true;
}

bool TesselUserInputManager::ExeCommand(const wchar_t* name)
{
    if (!name)
        return false;
    return ExeCommand(zt::base::WideToUtf8(name).c_str());
}
