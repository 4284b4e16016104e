#pragma once
// The project file: an SQLite database that the project keeps open while it is open. Save
// writes, in one SQLite transaction, what the project marked as changed; SQLite's rollback
// journal makes a save that is cut short (the process killed, the disk full) leave the file as
// the last complete save left it, and the next open rolls the journal back.
//
// The SQLite connection lives behind the pointer to its implementation; nothing of SQLite
// shows in this header.

#include "platform/base/WString.h"
#include "platform/cad/DgnProjectStatus.h"

#include <functional>
#include <memory>

class DgnProject;

class ProjectStore
{
public:
    // The version this build writes; files of a later version are refused.
    static constexpr int FORMAT_VERSION = 1;

    // A new, empty project file; fails when the path is taken or cannot be written.
    static std::unique_ptr<ProjectStore> Create(const Utf8String& path, DgnProjectStatus& status,
                                                Utf8String& message);
    // Opens a file and loads all of it into the (empty) project.
    static std::unique_ptr<ProjectStore> Open(const Utf8String& path, DgnProject& project,
                                              DgnProjectStatus& status, Utf8String& message);
    ~ProjectStore();

    // Called with the project's lock held.
    DgnProjectStatus Save(DgnProject& project);

    // Test hook: called at each step of every save of this process with a growing step
    // number, so that tests can end a process at a chosen point of a save.
    static void SetSaveStepHook(std::function<void(int step)> hook);

private:
    struct Impl;
    explicit ProjectStore(std::unique_ptr<Impl> impl);
    void LoadInto(DgnProject& project);

    std::unique_ptr<Impl> m_impl;
};
