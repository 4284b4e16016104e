// Icon libraries for the icon manager's tests. Built three times: ZT_ICON_PROBE 1 holds three
// icon groups, 2 holds one that replaces an icon of the first, 3 holds a string and no icon.

#include "platform/win/Modules.h"
#include "platform/win/resources/ResourceModule.h"

#include <cstdint>
#include <vector>

namespace {

struct ModuleLifetime
{
    ModuleLifetime() { zt::win::ModuleStarted(this); }
    ~ModuleLifetime() { zt::win::ModuleEnding(this); }
};

ModuleLifetime g_lifetime;

// A square of one colour in two sizes: the manager must pick the 16-pixel image.
[[maybe_unused]] std::vector<zt::win::IconImage> Solid(std::uint32_t rgb)
{
    auto image = [rgb](int size, std::uint32_t pixel) {
        return zt::win::IconImage{
            size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, pixel)};
    };
    // The 32-pixel image is black, so a wrongly sized icon shows in the pixels.
    return {image(32, 0xFF000000u), image(16, 0xFF000000u | rgb)};
}

bool Register(HINSTANCE self)
{
    using zt::win::ResourceModule;
#if ZT_ICON_PROBE == 1
    return ResourceModule::AddIcon(self, L"  Pick_Point\t", Solid(0xFF0000)) &&
           ResourceModule::AddIcon(self, L"Arrow", Solid(0x00FF00)) &&
           ResourceModule::AddIcon(self, MAKEINTRESOURCEW(7), Solid(0x0000FF));
#elif ZT_ICON_PROBE == 2
    return ResourceModule::AddIcon(self, L"PICK_POINT", Solid(0xFFFF00));
#else
    return ResourceModule::AddString(self, 1, L"no icons here");
#endif
}

} // namespace

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason,
                                                               LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        return Register(instance) ? TRUE : FALSE;
    if (reason == DLL_PROCESS_DETACH)
        zt::win::ResourceModule::RemoveModule(instance);
    return TRUE;
}
