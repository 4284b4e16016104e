#pragma once
// The platform's way onto the host's work thread, where tools run and views are drawn. The
// host installs its poster when it starts (its executors); until then, and in programs without
// a host, posted work runs at once on the calling thread.

#include <functional>

class PlatformWorkQueue
{
public:
    using Task = std::function<void()>;
    using Poster = std::function<void(Task)>;

    // The host's poster queues the task for its work thread and returns; an empty poster
    // goes back to running tasks in place.
    static void SetPoster(Poster poster);
    static void Post(Task task);
    // True while the host's poster is installed (work then runs later, on the work thread).
    static bool HasPoster();
};
