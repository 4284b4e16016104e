// The table of the system's window classes.
#include "platform/win/controls/SystemClasses.h"

#include "platform/win/Desktop.h"
#include "platform/win/WinCtlDefs.h"
#include "platform/win/WinDlg.h"
#include "platform/win/WinUser.h"

#include <cwchar>

namespace zt::win::controls {

namespace {

struct SystemClass
{
    const wchar_t* key; // the name in lower case
    const wchar_t* name;
    WNDPROC proc;
    UINT style;
    int extraBytes;
    LPCWSTR cursor;
};

// The controls keep their state in their first pointer-sized extra slot; the dialog class has
// the extra bytes a dialog procedure's result and procedure live in.
constexpr int kControlExtra = sizeof(void*);

const SystemClass kSystemClasses[] = {
    {L"button", WC_BUTTONW, &ButtonWndProc, CS_DBLCLKS, kControlExtra, IDC_ARROW},
    {L"static", WC_STATICW, &StaticWndProc, CS_DBLCLKS, kControlExtra, IDC_ARROW},
    {L"edit", WC_EDITW, &EditWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtra, IDC_IBEAM},
    {L"listbox", WC_LISTBOXW, &ListBoxWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtra, IDC_ARROW},
    {L"combolbox", WC_COMBOLBOXW, &ListBoxWndProc, CS_DBLCLKS | CS_SAVEBITS, kControlExtra,
     IDC_ARROW},
    {L"combobox", WC_COMBOBOXW, &ComboBoxWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtra,
     IDC_ARROW},
    {L"scrollbar", WC_SCROLLBARW, &ScrollBarWndProc, CS_DBLCLKS | CS_PARENTDC, kControlExtra,
     IDC_ARROW},
    {L"tooltips_class32", TOOLTIPS_CLASSW, &ToolTipWndProc, CS_SAVEBITS, kControlExtra, IDC_ARROW},
    {L"#32770", WC_DIALOG, &DefDlgProcW, CS_DBLCLKS | CS_SAVEBITS, DLGWINDOWEXTRA, IDC_ARROW},
};

bool ProvideSystemClass(const wchar_t* lowerName)
{
    return RegisterSystemClass(lowerName);
}

const bool g_provided = [] {
    Desktop::AddClassProvider(&ProvideSystemClass);
    return true;
}();

} // namespace

bool RegisterSystemClass(const wchar_t* lowerName)
{
    if (!lowerName)
        return false;
    for (const SystemClass& c : kSystemClasses) {
        if (std::wcscmp(lowerName, c.key) != 0)
            continue;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = c.style | CS_GLOBALCLASS;
        wc.lpfnWndProc = c.proc;
        wc.cbWndExtra = c.extraBytes;
        wc.hCursor = LoadCursorW(nullptr, c.cursor);
        wc.lpszClassName = c.name;
        return RegisterClassExW(&wc) != 0;
    }
    return false;
}

} // namespace zt::win::controls
