// The icon library "ZTIcons.dll": the pictures of the context bar's operations, one icon per
// name, each with images at 16, 24 and 32 pixels. Its resources exist from attach to detach,
// as those of a Windows resource library exist while it is mapped.

#include "platform/siblings/ZTIcons/ZTIconGlyphs.h"
#include "platform/win/Modules.h"

namespace {

bool RegisterIcons(HINSTANCE self)
{
    for (const zticons::Glyph& glyph : zticons::Glyphs()) {
        std::vector<zt::win::IconImage> images;
        for (int size : zticons::kIconSizes)
            images.push_back(glyph.render(size));
        if (!zt::win::ResourceModule::AddIcon(self, glyph.name, std::move(images)))
            return false;
    }
    return true;
}

} // namespace

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE instance, DWORD reason,
                                                               LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        return RegisterIcons(instance) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
        zt::win::ResourceModule::RemoveModule(instance);
        return TRUE;
    default:
        return TRUE;
    }
}
