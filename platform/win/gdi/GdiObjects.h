#pragma once
// The drawing objects behind GDI handles, and the table that turns handles into objects. A
// handle is a key into the table, never a pointer, so a stale or invented handle finds nothing.
// Objects are shared: a device context keeps what is selected into it alive even after the
// handle was deleted, as GDI lets a deleted object live on until it is deselected.

#include "platform/win/GdiTypes.h"
#include "platform/win/gdi/CairoPtr.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <atomic>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace zt::win {

struct FontFace;

enum class GdiKind : std::uint8_t
{
    Pen = 1,
    Brush,
    Font,
    Bitmap,
    Region,
    DC,
    Icon,
};

struct GdiObject
{
    explicit GdiObject(GdiKind k) : kind(k) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    const GdiKind kind;
    bool stock = false;
    void* handle = nullptr;
};

struct PenObject : GdiObject
{
    PenObject() : GdiObject(GdiKind::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    bool dcPen = false; // DC_PEN: the colour comes from the device context
};

struct BitmapObject;

struct BrushObject : GdiObject
{
    BrushObject() : GdiObject(GdiKind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    bool dcBrush = false;            // DC_BRUSH: the colour comes from the device context
    int sysColor = -1;               // a system colour brush follows the colour table
    SurfacePtr pattern;              // BS_PATTERN: the pattern's pixels
    bool monochromePattern = false;  // drawn in the text and background colours
    HBITMAP patternBitmap = nullptr; // what GetObject reports
};

struct FontObject : GdiObject
{
    FontObject() : GdiObject(GdiKind::Font) {}
    LOGFONTW log{};
    std::shared_ptr<const FontFace> face;
};

struct BitmapObject : GdiObject
{
    BitmapObject() : GdiObject(GdiKind::Bitmap) {}
    // The pixels of a bottom-up DIB section, which the surface walks with a negative stride;
    // declared first so that the surface goes before them.
    std::unique_ptr<std::uint32_t[]> storage;
    SurfacePtr surface;   // always CAIRO_FORMAT_ARGB32
    void* bits = nullptr; // DIB sections: what the caller writes through, as Windows lays it out
    int width = 0;
    int height = 0;
    int bitsPixel = 32;        // 1 for monochrome bitmaps (kept as black and white pixels)
    bool alphaChannel = false; // the alpha bytes mean something (32-bit DIBs, 32-bit bitmaps)
    bool dibSection = false;   // the caller may write the pixels through the bits pointer
    void* selectedInto = nullptr;
};

struct RegionObject : GdiObject
{
    RegionObject() : GdiObject(GdiKind::Region) {}
    RegionPtr region;
};

struct IconObject : GdiObject
{
    IconObject() : GdiObject(GdiKind::Icon) {}
    std::shared_ptr<SurfacePtr> image; // premultiplied ARGB32, what DrawIconEx shows
    std::shared_ptr<SurfacePtr> color; // the bitmaps the icon was made from, for GetIconInfo
    std::shared_ptr<SurfacePtr> mask;
    int width = 0;
    int height = 0;
    bool colorHasAlpha = false;
    BOOL isIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
};

class GdiTable
{
public:
    static GdiTable& Instance();

    void* Add(std::shared_ptr<GdiObject> object);
    std::shared_ptr<GdiObject> Find(const void* handle) const;
    std::shared_ptr<GdiObject> Remove(const void* handle);
    std::size_t Count() const;

    template <class T>
    std::shared_ptr<T> Get(const void* handle, GdiKind kind) const
    {
        auto object = Find(handle);
        if (!object || object->kind != kind)
            return nullptr;
        return std::static_pointer_cast<T>(std::move(object));
    }

private:
    // Every GDI call looks a handle up, thousands per painted page, and the lock is held for
    // one hash probe; a spin lock costs a fraction of a mutex when, as nearly always, nobody
    // else holds it.
    class SpinLock
    {
    public:
        void lock() noexcept
        {
            while (m_held.exchange(true, std::memory_order_acquire))
                while (m_held.load(std::memory_order_relaxed))
                    std::this_thread::yield();
        }
        void unlock() noexcept { m_held.store(false, std::memory_order_release); }

    private:
        std::atomic<bool> m_held{false};
    };

    mutable SpinLock m_mutex;
    std::unordered_map<std::uintptr_t, std::shared_ptr<GdiObject>> m_objects;
    std::uintptr_t m_next = 0x10000;
};

inline std::shared_ptr<PenObject> FindPen(const void* h)
{
    return GdiTable::Instance().Get<PenObject>(h, GdiKind::Pen);
}
inline std::shared_ptr<BrushObject> FindBrush(const void* h)
{
    return GdiTable::Instance().Get<BrushObject>(h, GdiKind::Brush);
}
inline std::shared_ptr<FontObject> FindFont(const void* h)
{
    return GdiTable::Instance().Get<FontObject>(h, GdiKind::Font);
}
inline std::shared_ptr<BitmapObject> FindBitmap(const void* h)
{
    return GdiTable::Instance().Get<BitmapObject>(h, GdiKind::Bitmap);
}
inline std::shared_ptr<RegionObject> FindRegion(const void* h)
{
    return GdiTable::Instance().Get<RegionObject>(h, GdiKind::Region);
}
inline std::shared_ptr<IconObject> FindIcon(const void* h)
{
    return GdiTable::Instance().Get<IconObject>(h, GdiKind::Icon);
}

// Called with every handle that leaves the table, so that wrappers kept per handle (the MFC
// classes' temporary objects) can go with it.
using HandleGoneHook = void (*)(void* handle);
void SetHandleGoneHook(HandleGoneHook hook);
void NotifyHandleGone(void* handle);

// Pixels of an ARGB32 surface, after any pending drawing has been flushed.
std::uint32_t* SurfacePixels(cairo_surface_t* surface, int* stridePixels);

// A new ARGB32 surface whose pixels are all `argb`.
SurfacePtr NewSurface(int width, int height, std::uint32_t argb);

// Between straight 0xAARRGGBB pixels (what icons and image files carry) and the premultiplied
// pixels cairo surfaces hold, rounding to nearest both ways.
inline std::uint32_t Premultiply(std::uint32_t straight)
{
    const std::uint32_t a = straight >> 24;
    if (a == 0xFF)
        return straight;
    if (a == 0)
        return 0;
    auto ch = [a](std::uint32_t v) { return (v * a + 127) / 255; };
    return (a << 24) | (ch((straight >> 16) & 0xFF) << 16) | (ch((straight >> 8) & 0xFF) << 8) |
           ch(straight & 0xFF);
}
inline std::uint32_t Unpremultiply(std::uint32_t p)
{
    const std::uint32_t a = p >> 24;
    if (a == 0xFF || a == 0)
        return a == 0 ? 0 : p;
    auto ch = [a](std::uint32_t v) { return std::min<std::uint32_t>(255, (v * 255 + a / 2) / a); };
    return (a << 24) | (ch((p >> 16) & 0xFF) << 16) | (ch((p >> 8) & 0xFF) << 8) | ch(p & 0xFF);
}

} // namespace zt::win
