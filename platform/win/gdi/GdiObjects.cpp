#include "platform/win/gdi/GdiObjects.h"
#include "platform/win/GdiDiagnostics.h"
#include "platform/win/WinUserDraw.h"
#include "platform/win/gdi/DeviceContext.h"

#include <atomic>

namespace zt::win {

namespace {
std::atomic<HandleGoneHook> g_handleGoneHook{nullptr};
}

GdiTable& GdiTable::Instance()
{
    // Never destroyed: handles may still be released by static destructors of other modules.
    static GdiTable* table = new GdiTable;
    return *table;
}

void* GdiTable::Add(std::shared_ptr<GdiObject> object)
{
    if (!object)
        return nullptr;
    std::lock_guard lock(m_mutex);
    m_next += 4;
    void* handle = reinterpret_cast<void*>(m_next);
    object->handle = handle;
    m_objects.emplace(m_next, std::move(object));
    return handle;
}

std::shared_ptr<GdiObject> GdiTable::Find(const void* handle) const
{
    if (!handle)
        return nullptr;
    std::lock_guard lock(m_mutex);
    auto it = m_objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == m_objects.end() ? nullptr : it->second;
}

std::shared_ptr<GdiObject> GdiTable::Remove(const void* handle)
{
    std::shared_ptr<GdiObject> object;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_objects.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == m_objects.end())
            return nullptr;
        object = std::move(it->second);
        m_objects.erase(it);
    }
    NotifyHandleGone(const_cast<void*>(handle));
    return object;
}

std::size_t GdiTable::Count() const
{
    std::lock_guard lock(m_mutex);
    return m_objects.size();
}

std::size_t GetGdiObjectCount()
{
    // The stock objects and the system colours' brushes are counted as present from the start,
    // as on Windows: made lazily, the first request for one would look like a leak to whoever
    // compares two counts around it.
    (void)StockObject(WHITE_BRUSH);
    (void)GetSysColorBrush(COLOR_WINDOW);
    return GdiTable::Instance().Count();
}

void SetHandleGoneHook(HandleGoneHook hook)
{
    g_handleGoneHook.store(hook);
}

void NotifyHandleGone(void* handle)
{
    if (auto hook = g_handleGoneHook.load())
        hook(handle);
}

std::uint32_t* SurfacePixels(cairo_surface_t* surface, int* stridePixels)
{
    if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    cairo_surface_flush(surface);
    if (stridePixels)
        *stridePixels = cairo_image_surface_get_stride(surface) / 4;
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
}

SurfacePtr NewSurface(int width, int height, std::uint32_t argb)
{
    SurfacePtr s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width > 0 ? width : 1,
                                            height > 0 ? height : 1));
    int stride = 0;
    if (auto* p = SurfacePixels(s.get(), &stride)) {
        const int h = cairo_image_surface_get_height(s.get());
        const int w = cairo_image_surface_get_width(s.get());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                p[y * stride + x] = argb;
        cairo_surface_mark_dirty(s.get());
    }
    return s;
}

} // namespace zt::win
