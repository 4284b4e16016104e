// The reference host's icon library, "ZTDemoIcons.dll": the icons the host loads into the
// library's icon manager at start. Its resources exist from attach to detach, as those of a
// Windows resource DLL exist while it is mapped.

#include "apps/ztui-demo/icons/PickPointGlyph.h"
#include "apps/ztui-demo/icons/RibbonGlyphs.h"
#include "platform/win/Modules.h"
#include "platform/win/resources/ResourceModule.h"

namespace {

struct ModuleLifetime
{
    ModuleLifetime() { zt::win::ModuleStarted(this); }
    ~ModuleLifetime() { zt::win::ModuleEnding(this); }
};

ModuleLifetime g_lifetime;

bool RegisterIcons(HINSTANCE self)
{
    // A 16-pixel image for buttons and lists, a 32-pixel one for anything larger; the ribbon
    // draws its pictures at 24 pixels.
    using zt::win::ResourceModule;
    bool ok = ResourceModule::AddIcon(
        self, L"pick_point", {ztdemo::RenderPickPoint(16), ztdemo::RenderPickPoint(32)});
    struct Glyph
    {
        const wchar_t* name;
        zt::win::IconImage (*render)(int);
    } glyphs[] = {{L"ribbon_select", &ztdemo::RenderSelectGlyph},
                  {L"ribbon_wall", &ztdemo::RenderWallGlyph},
                  {L"ribbon_brush", &ztdemo::RenderBrushGlyph},
                  {L"ribbon_plan", &ztdemo::RenderPlanGlyph},
                  {L"ribbon_iso", &ztdemo::RenderIsoGlyph}};
    for (const Glyph& g : glyphs)
        ok = ResourceModule::AddIcon(self, g.name, {g.render(16), g.render(24), g.render(32)}) &&
             ok;
    return ok;
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
