#pragma once
// What the host's managers hear about the project's life, so that they can load their data
// from a project that opened, write it into the project before it is saved (inside the same
// save transaction), and forget it when the project closes. Calls come on the thread that
// opened, saved or closed the project.

class DgnProject;

class IProjectEventListener
{
public:
    virtual ~IProjectEventListener() = default;

    // The project was created or opened and is now the application's current project.
    virtual void OnProjectOpened(DgnProject&) {}
    // Saving starts: this is the moment to write cached data into the project's extension
    // data; what is written now is saved with everything else.
    virtual void OnProjectSaving(DgnProject&) {}
    virtual void OnProjectSaved(DgnProject&) {}
    // The project is about to close; it is still readable.
    virtual void OnProjectClosing(DgnProject&) {}
};
