#include "ztui/proplist/style/DrawStyleItem.h"

#include "ztui/proplist/style/XmlReader.h"

#include <cwchar>
#include <cwctype>

namespace dsc {

DrawStyleItem::DrawStyleItem(std::wstring name, std::wstring value)
    : m_name(std::move(name)), m_value(std::move(value))
{}

DrawStyleItem::~DrawStyleItem()
{
    std::vector<std::unique_ptr<DrawStyleItem>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<DrawStyleItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& child : item->m_children)
            pending.push_back(std::move(child));
        item->m_children.clear();
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
{
    auto item = std::make_unique<DrawStyleItem>(element.name, element.text);
    if (const std::wstring* type = element.Attribute(L"type")) {
        std::wstring lower;
        for (wchar_t c : *type)
            lower += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        if (lower == L"color")
            item->m_colors = DrawStyleColor::Parse(element.text);
    }
    for (const auto& c : element.children)
        if (c->isElement)
            item->m_children.push_back(FromXml(*c));
    return item;
}

} // namespace dsc
