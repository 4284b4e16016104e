#include "ztui/proplist/style/PropertyStyle.h"

#include "platform/base/Encoding.h"
#include "platform/win/Modules.h"
#include "ztui/proplist/style/XmlReader.h"

#include <cwchar>
#include <filesystem>

namespace zt {

namespace {

constexpr const char* kStyleFileName = "property.xml";

bool ReadNumber(const std::wstring& text, double& out)
{
    const wchar_t* begin = text.c_str();
    wchar_t* end = nullptr;
    double v = std::wcstod(begin, &end);
    if (end == begin)
        return false;
    out = v;
    return true;
}

} // namespace

std::string PropertyStyle::FindStyleFile()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_regular_file(kStyleFileName, ec))
        return kStyleFileName;
    wchar_t exe[4096];
    DWORD n = GetModuleFileNameW(nullptr, exe, 4096);
    if (n == 0)
        return {};
    fs::path folder = fs::path(zt::base::WideToUtf8(std::wstring_view(exe, n))).parent_path();
    for (const fs::path& candidate :
         {folder / kStyleFileName, folder / "support" / kStyleFileName}) {
        if (fs::is_regular_file(candidate, ec))
            return candidate.string();
    }
    return {};
}

std::unique_ptr<dsc::DrawStyleItem> PropertyStyle::LoadTree(const std::string& path)
{
    if (path.empty())
        return nullptr;
    // Both steps answer a lack of memory with null, so none escapes here.
    auto document = xml::ParseFile(path);
    return document ? dsc::DrawStyleItem::FromXml(*document) : nullptr;
}

const dsc::DrawStyleItem* PropertyStyle::StyleRootOf(const dsc::DrawStyleItem* root)
{
    if (!root || root->name() == L"pane")
        return root;
    return root->child(L"pane");
}

const dsc::DrawStyleItem* PropertyStyle::Root()
{
    // Read once and kept for the process: the control paints from it on every frame.
    static const std::unique_ptr<dsc::DrawStyleItem> tree = LoadTree(FindStyleFile());
    return StyleRootOf(tree.get());
}

StyleLookup PropertyStyle::Get()
{
    return StyleLookup(Root());
}

const dsc::DrawStyleItem* StyleLookup::Resolve(std::wstring_view path) const
{
    const dsc::DrawStyleItem* node = m_root;
    if (!node)
        return nullptr;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find(L'/', start);
        if (end == std::wstring_view::npos)
            end = path.size();
        if (end > start)
            node = node->child(std::wstring(path.substr(start, end - start)));
        start = end + 1;
    }
    return node;
}

COLORREF StyleLookup::Color(std::wstring_view path, COLORREF defaultColor) const
{
    const dsc::DrawStyleColor* colors = Colors(path);
    return colors ? colors->colorAt(0) : defaultColor;
}

const dsc::DrawStyleColor* StyleLookup::Colors(std::wstring_view path) const
{
    const dsc::DrawStyleItem* node = Resolve(path);
    return node && node->colors().count() > 0 ? &node->colors() : nullptr;
}

double StyleLookup::Number(std::wstring_view path, double defaultValue) const
{
    const dsc::DrawStyleItem* node = Resolve(path);
    double v;
    return node && ReadNumber(node->value(), v) ? v : defaultValue;
}

StyleFont StyleLookup::Font(std::wstring_view path) const
{
    StyleFont font;
    const dsc::DrawStyleItem* node = Resolve(path);
    if (!node)
        return font;
    if (const std::wstring& face = node->child(L"name")->value(); !face.empty())
        font.face = face;
    if (int weight = node->child(L"weight")->intValue(); weight > 0)
        font.weight = weight;
    if (int height = node->child(L"height")->intValue(); height > 0)
        font.height = height;
    return font;
}

double StyleLookup::ColumnSplit() const
{
    double left = Number(L"propertyList/group/columnleft", -1.0);
    if (left >= 0.0 && left <= 200.0)
        return left;
    double fraction = Number(L"propertyList/group/column", 0.5);
    if (fraction > 0.0 && fraction < 1.0)
        return fraction;
    return 0.5;
}

} // namespace zt
