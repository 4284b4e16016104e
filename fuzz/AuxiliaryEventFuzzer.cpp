// Any bytes, read as JSON, as the payload of the three auxiliary UI events: nothing escapes
// the listener, the delayed lines stay well-formed curves with finite points, and a "Delete"
// never leaves more lines than there were.

#include "ztui/drawinput/ZTArchAuxiliaryMacrosMgn.h"
#include "ztui/frame/ZTUiEventListener.h"

#include "fuzz/FuzzJson.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckDelayLines(const zt::ZTArchAuxiliaryMacrosMgn& mgr)
{
    for (const ICurvePrimitivePtr& curve : mgr.GetDelayLines()) {
        Check(curve.IsValid());
        DPoint3d s, e;
        Check(curve->GetStartEnd(s, e));
        Check(s.IsFinite() && e.IsFinite());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zt::ZTArchAuxiliaryMacrosMgn& mgr = zt::ZTArchAuxiliaryMacrosMgn::GetInstance();
    // Decorations would need views; the lines themselves are what is checked.
    static const bool quiet = (mgr.GetDecorations().SetLibraryName(nullptr), true);
    (void)quiet;
    const Json::Value value =
        JsonOrText(std::string_view(reinterpret_cast<const char*>(data), size));

    zt::ZTUiEventListener& events = zt::ZTUiEventListener::instance();
    Check(events.NotifyListeners("Auxiliary", value));
    CheckDelayLines(mgr);
    Check(events.NotifyListeners("ISHighLight", value));
    const std::size_t before = mgr.GetDelayLines().size();
    Check(events.NotifyListeners("Delete", value));
    Check(mgr.GetDelayLines().size() <= before);
    CheckDelayLines(mgr);
    if (value.isArray())
        for (const Json::Value& element : value)
            events.NotifyListeners("Auxiliary", element);
    CheckDelayLines(mgr);
    // Keep the list from growing without end over a long run.
    if (mgr.GetDelayLines().size() > 64)
        mgr.AuxiliaryRedo();
    return 0;
}
