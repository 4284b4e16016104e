#pragma once
// The style of the property list: "property.xml", read once per process, and the lookups
// every part of the control paints with. A lookup never fails: a missing file, a missing
// element or an unreadable value gives the caller's default.

#include "platform/base/WinTypes.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/DrawStyleItem.h"

#include <memory>
#include <string>
#include <string_view>

namespace zt {

struct StyleFont
{
    std::wstring face; // empty: the system's default face
    int height = 12;   // logical units
    int weight = 400;
};

// Lookups in one style tree. A path such as L"propertyList/group/background" is followed from
// the style root; a missing element resolves to its nearest existing ancestor.
class ZTUI_EXPORT StyleLookup
{
public:
    explicit StyleLookup(const dsc::DrawStyleItem* styleRoot) : m_root(styleRoot) {}

    // Null when there is no tree.
    const dsc::DrawStyleItem* Resolve(std::wstring_view path) const;
    // Colour 0 of the resolved element, or the default when it has no colours.
    COLORREF Color(std::wstring_view path, COLORREF defaultColor) const;
    // The resolved element's colour list when it has at least one colour, else null.
    const dsc::DrawStyleColor* Colors(std::wstring_view path) const;
    // The resolved element's text as a number; the default when the text holds none (so that
    // a missing element, which resolves to an ancestor without text, keeps the default).
    double Number(std::wstring_view path, double defaultValue) const;
    // A font element: children "name" (when not empty), "weight" and "height" (when greater
    // than 0) override the defaults.
    StyleFont Font(std::wstring_view path) const;
    // The name/value divider: "columnleft" in pixels when between 0 and 200, else "column"
    // as a fraction when strictly between 0 and 1, else 0.5.
    double ColumnSplit() const;

private:
    const dsc::DrawStyleItem* m_root;
};

class ZTUI_EXPORT PropertyStyle
{
public:
    // Lookups in the process's style, loading "property.xml" on the first call.
    static StyleLookup Get();
    // The style root ("pane") of the loaded file; null when there is no tree.
    static const dsc::DrawStyleItem* Root();

    // Where the style file is found: the current directory, then the executable's folder, then
    // its "support" subfolder. Empty when none exists.
    static std::string FindStyleFile();
    // Reads a style file into a tree (null when unreadable).
    static std::unique_ptr<dsc::DrawStyleItem> LoadTree(const std::string& path);
    // The root itself when named "pane", else its first child "pane", else the root.
    static const dsc::DrawStyleItem* StyleRootOf(const dsc::DrawStyleItem* root);
};

} // namespace zt
