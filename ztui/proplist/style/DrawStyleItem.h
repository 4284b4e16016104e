#pragma once

#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/DrawStyleColor.h"

#include <memory>
#include <string>
#include <vector>

namespace zt::xml {
struct Node;
}

namespace dsc {

// One element of the style tree: its name, its text and, for elements of type "color", its
// colour list. Host code calls through the table of operations in the documented order, name
// first, so the class has no virtual destructor; nothing derives from it.
class ZTUI_EXPORT DrawStyleItem final
{
public:
    DrawStyleItem(std::wstring name, std::wstring value);
    // Tears the subtree down level by level, whatever its depth.
    ~DrawStyleItem();
    DrawStyleItem(const DrawStyleItem&) = delete;
    DrawStyleItem& operator=(const DrawStyleItem&) = delete;

    virtual const std::wstring& name() const { return m_name; }
    virtual const std::wstring& value() const { return m_value; }
    // The text as an integer, leading digits only; 0 when it has none.
    virtual int intValue() const;
    // The text as a floating-point number; 0 when it has none.
    virtual double doubleValue() const;
    virtual const DrawStyleColor& colors() const { return m_colors; }
    // The first child element with exactly this name, or this node when there is none, so that
    // a path with missing elements resolves to its nearest existing ancestor.
    virtual const DrawStyleItem* child(const std::wstring& childName) const;

    const std::vector<std::unique_ptr<DrawStyleItem>>& children() const { return m_children; }

    // Builds the tree of an XML element and its descendants; null when memory runs out.
    static std::unique_ptr<DrawStyleItem> FromXml(const zt::xml::Node& element);

private:
    std::wstring m_name;
    std::wstring m_value;
    DrawStyleColor m_colors;
    std::vector<std::unique_ptr<DrawStyleItem>> m_children;
};

} // namespace dsc
