#pragma once
// The resources of a module: dialog templates, icons and string tables, registered in C++
// tables under the module's HINSTANCE, as a Windows module carries them in its resource
// section. A module registers its resources once, from its static object or its DllMain:
//
//     HINSTANCE self = zt::win::ModuleStarted(this);       // or the DllMain instance
//     zt::win::ResourceModule::AddString(self, 101, L"Wall");
//     zt::win::ResourceModule::AddIcon(self, MAKEINTRESOURCEW(201), {image16, image32});
//     zt::win::ResourceModule::AddDialog(self, MAKEINTRESOURCEW(301), dialogTemplate);
//
// and drops them when it goes (RemoveModule). A NULL module stands for the executable.
// Names are numeric ids (MAKEINTRESOURCE) or strings; string names are compared without
// case, and "#123" is the id 123, as on Windows. Registration may happen on any thread;
// lookups return copies, so a module may go while its resources are in use.

#include "platform/win/WinDlgDefs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zt::win {

// One control of a dialog template. The rectangle is in dialog units.
struct DialogItemTemplate
{
    // The window class by name ("Button", "Static", "Edit", or any registered class) or, when
    // the name is empty, by the predefined ordinal (kDlgItemButton, kDlgItemStatic, ...).
    std::wstring className;
    WORD classAtom = 0;
    std::wstring text;
    // For SS_ICON statics and BS_ICON buttons: the icon resource, looked up in the dialog's
    // module, that replaces the text (0 for none).
    WORD iconId = 0;
    int id = 0;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

// A dialog template. The rectangle is in dialog units of the template's font; a template
// without a font uses the system font (DEFAULT_GUI_FONT).
struct DialogTemplate
{
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::wstring title;
    // The window class of the dialog itself; empty for the dialog class "#32770".
    std::wstring className;
    std::wstring fontName;
    WORD pointSize = 0;
    int fontWeight = 400;
    bool fontItalic = false;
    std::vector<DialogItemTemplate> items;

    // Adds a control as a CONTROL statement of a resource script does: WS_CHILD and WS_VISIBLE
    // go with the style given (a hidden control takes WS_VISIBLE off the item returned, which
    // is also where an icon or extended style is set). The rectangle is in dialog units.
    DialogItemTemplate& AddItem(const wchar_t* className, const wchar_t* text, int id, DWORD style,
                                short x, short y, short cx, short cy);
};

// One image of an icon: straight (not premultiplied) 0xAARRGGBB pixels, rows top-down.
struct IconImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

class ResourceModule
{
public:
    // Each returns false for bad input (no name, an empty icon, an image whose pixel count
    // does not match its size); a later registration of the same name replaces the earlier.
    static bool AddDialog(HINSTANCE module, LPCWSTR name, DialogTemplate dialog);
    static bool AddIcon(HINSTANCE module, LPCWSTR name, std::vector<IconImage> images);
    static bool AddString(HINSTANCE module, UINT id, std::wstring text);
    // Forgets every resource of a module; its shared icons (LoadIcon, LR_SHARED) are destroyed.
    static void RemoveModule(HINSTANCE module);

    static std::optional<DialogTemplate> FindDialog(HINSTANCE module, LPCWSTR name);
    static std::optional<std::vector<IconImage>> FindIcon(HINSTANCE module, LPCWSTR name);
    static std::optional<std::wstring> FindString(HINSTANCE module, UINT id);
    // True when the module holds a resource of the type (RT_DIALOG, RT_GROUP_ICON or RT_ICON,
    // RT_STRING with the string's id) under the name.
    static bool Contains(HINSTANCE module, LPCWSTR name, LPCWSTR type);
    // The names of a module's resources of one type, as EnumResourceNamesW reports them:
    // string names in upper case and sorted, then ids as "#123" in ascending order. Empty for
    // an unknown module or type.
    static std::vector<std::wstring> Names(HINSTANCE module, LPCWSTR type);
    // True when the module has registered at least one resource.
    static bool HasResources(HINSTANCE module);

    // The image of an icon for a size: the exact size, else the nearest larger image scaled
    // down (area average), else the largest scaled up. cx/cy of 0 take the first image's size.
    static IconImage SelectIconImage(const std::vector<IconImage>& images, int cx, int cy);
};

} // namespace zt::win
