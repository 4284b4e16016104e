#include "platform/cad/PlatformWorkQueue.h"

#include <mutex>

namespace {

struct PosterSlot
{
    std::mutex mutex;
    PlatformWorkQueue::Poster poster;
};

PosterSlot& Slot()
{
    static PosterSlot slot;
    return slot;
}

} // namespace

void PlatformWorkQueue::SetPoster(Poster poster)
{
    std::lock_guard lock(Slot().mutex);
    Slot().poster = std::move(poster);
}

void PlatformWorkQueue::Post(Task task)
{
    if (!task)
        return;
    Poster poster;
    {
        std::lock_guard lock(Slot().mutex);
        poster = Slot().poster;
    }
    if (poster)
        poster(std::move(task));
    else
        task();
}

bool PlatformWorkQueue::HasPoster()
{
    std::lock_guard lock(Slot().mutex);
    return static_cast<bool>(Slot().poster);
}
