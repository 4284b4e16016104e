#pragma once
// Why opening, creating or saving a project failed.

enum class DgnProjectStatus
{
    Success = 0,
    FileNotFound,  // no file at the path
    AlreadyExists, // creating over an existing file
    CannotCreate,  // the folder is missing or not writable
    NotAProject,   // the file is not a project (another kind of file, or empty)
    Corrupt,       // the file is a project but damaged or cut short
    VersionTooNew, // written by a later version of the platform
    WriteFailed,   // saving failed; the file keeps what the last save wrote
    NotOpen,       // the project was closed
};

// A short English description, for messages and logs.
const char* DgnProjectStatusToString(DgnProjectStatus status);
