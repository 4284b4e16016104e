// Registration of the standard control classes on first use.
#include "platform/win/controls/StandardClasses.h"

#include "platform/win/Desktop.h"
#include "platform/win/WinCtlDefs.h"
#include "platform/win/WinUser.h"

namespace zt::win::controls {

bool RegisterStandardClass(const std::wstring& lowerName)
{
    struct Entry
    {
        const wchar_t* key;
        const wchar_t* name;
        WNDPROC proc;
        UINT style;
        LPCWSTR cursor;
    };
    static const Entry kEntries[] = {
        {L"edit", WC_EDITW, &EditWndProc, CS_DBLCLKS | CS_PARENTDC, IDC_IBEAM},
        {L"listbox", WC_LISTBOXW, &ListBoxWndProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW},
        {L"combolbox", WC_COMBOLBOXW, &ListBoxWndProc, CS_DBLCLKS | CS_SAVEBITS, IDC_ARROW},
        {L"combobox", WC_COMBOBOXW, &ComboBoxWndProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW},
        {L"scrollbar", WC_SCROLLBARW, &ScrollBarWndProc, CS_DBLCLKS | CS_PARENTDC, IDC_ARROW},
    };
    for (const Entry& e : kEntries) {
        if (lowerName != e.key)
            continue;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = e.style;
        wc.lpfnWndProc = e.proc;
        wc.cbWndExtra = sizeof(void*);
        wc.hCursor = LoadCursorW(nullptr, e.cursor);
        wc.lpszClassName = e.name;
        return RegisterClassExW(&wc) != 0;
    }
    return false;
}

namespace {

bool ProvideStandardClass(const wchar_t* lowerName)
{
    return lowerName && RegisterStandardClass(lowerName);
}

const bool g_provided = [] {
    Desktop::AddClassProvider(&ProvideStandardClass);
    return true;
}();

} // namespace

} // namespace zt::win::controls
