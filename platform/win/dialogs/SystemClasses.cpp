// The system's control and dialog classes, registered in each desktop on first use.
#include "platform/win/Desktop.h"

#include <cwchar>

namespace zt::win::controls {

bool RegisterButtonClass();
bool RegisterStaticClass();
bool RegisterToolTipClass();
bool RegisterDialogClass();

namespace {

bool ProvideClass(const wchar_t* lowerName)
{
    if (std::wcscmp(lowerName, L"button") == 0)
        return RegisterButtonClass();
    if (std::wcscmp(lowerName, L"static") == 0)
        return RegisterStaticClass();
    if (std::wcscmp(lowerName, L"tooltips_class32") == 0)
        return RegisterToolTipClass();
    if (std::wcscmp(lowerName, L"#32770") == 0)
        return RegisterDialogClass();
    return false;
}

const bool g_provided = [] {
    Desktop::AddClassProvider(&ProvideClass);
    return true;
}();

} // namespace

} // namespace zt::win::controls
