// The utility library "ZTUtil.dll": on-screen decorations made of curve chains. The
// decorations themselves live in the CAD platform, so that every view draws them and they
// outlast nothing but the process; this module only gives them the exports callers expect.

#include "platform/cad/IViewManager.h"
#include "platform/cad/ViewDecorations.h"
#include "platform/siblings/ZTUtil/ZTUtil.h"
#include "platform/win/Modules.h"

#include <vector>

namespace {

// The decorations this module made, deleted when it is unloaded: a module that goes leaves
// nothing on the screen behind it.
std::vector<std::uint32_t>& Made()
{
    static std::vector<std::uint32_t> made;
    return made;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::uint32_t
CreateCurve(const CurveVector* curves, std::uint32_t color)
{
    try {
        const std::uint32_t id = ViewDecorations::Get().Add(curves, color);
        if (id != 0) {
            Made().push_back(id);
            IViewManager::GetManager().UpdateAllViews();
        }
        return id;
    } catch (...) {
        return 0;
    }
}

extern "C" __attribute__((visibility("default"))) bool DeleteDecoration(std::uint32_t id)
{
    try {
        if (!ViewDecorations::Get().Delete(id))
            return false;
        std::erase(Made(), id);
        IViewManager::GetManager().UpdateAllViews();
        return true;
    } catch (...) {
        return false;
    }
}

extern "C" __attribute__((visibility("default"))) BOOL DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH) {
        for (std::uint32_t id : Made())
            ViewDecorations::Get().Delete(id);
        Made().clear();
    }
    return TRUE;
}
