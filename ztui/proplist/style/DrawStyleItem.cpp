#include "ztui/proplist/style/DrawStyleItem.h"

#include "ztui/proplist/style/XmlReader.h"

#include <cwchar>
#include <cwctype>
#include <new>

namespace dsc {

DrawStyleItem::DrawStyleItem(std::wstring name, std::wstring value)
    : m_name(std::move(name)), m_value(std::move(value))
{}

DrawStyleItem::~DrawStyleItem()
{
    // As a document node: out of memory for the pending list, the rest unwinds recursively,
    // no deeper than the document it was built from.
    try {
        std::vector<std::unique_ptr<DrawStyleItem>> pending = std::move(m_children);
        while (!pending.empty()) {
            std::unique_ptr<DrawStyleItem> item = std::move(pending.back());
            pending.pop_back();
            // Slots a teardown cut short by a lack of memory already handed on are empty.
            if (!item)
                continue;
            for (auto& child : item->m_children)
                pending.push_back(std::move(child));
            item->m_children.clear();
        }
    } catch (const std::bad_alloc&) {
    }
}

int DrawStyleItem::intValue() const
{
    long v = std::wcstol(m_value.c_str(), nullptr, 10);
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(v);
}

double DrawStyleItem::doubleValue() const
{
    return std::wcstod(m_value.c_str(), nullptr);
}

const DrawStyleItem* DrawStyleItem::child(const std::wstring& childName) const
{
    for (const auto& c : m_children)
        if (c->m_name == childName)
            return c.get();
    return this;
}

std::unique_ptr<DrawStyleItem> DrawStyleItem::FromXml(const zt::xml::Node& element)
try {
    auto item = std::make_unique<DrawStyleItem>(element.name, element.text);
    if (const std::wstring* type = element.Attribute(L"type")) {
        std::wstring lower;
        for (wchar_t c : *type)
            lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        if (lower == L"color" && !DrawStyleColor::TryParse(element.text, item->m_colors))
            return nullptr;
    }
    for (const auto& c : element.children) {
        if (!c->isElement)
            continue;
        std::unique_ptr<DrawStyleItem> child = FromXml(*c);
        if (!child)
            return nullptr;
        item->m_children.push_back(std::move(child));
    }
    return item;
} catch (const std::bad_alloc&) {
    // Half a style would paint half the control in defaults; none paints it all in defaults.
    return nullptr;
}

} // namespace dsc
