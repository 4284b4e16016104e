// Any bytes as the property list's style file ("property.xml"), read the way the control reads
// it: the document either parses or gives no tree, the tree it gives answers every lookup the
// painters make, and every colour list has a count that painting accepts without reading past
// its colours. The same bytes also go straight to the colour-list parser, as the text of one
// "color" element.

#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/DrawStyleItem.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/style/XmlReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A broken promise ends the run with the line that found it.
void Check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

void CheckColors(const dsc::DrawStyleColor& colors)
{
    Check(colors.count() >= 0);
    Check(colors.colorAt(-1) == 0 && colors.colorAt(colors.count()) == 0);
    for (int i = 0; i < colors.count(); ++i)
        Check((colors.colorAt(i) & 0xFF000000u) == 0);
}

// Walks the tree without recursing, so that a deep document cannot end the walk early.
int CheckTree(const dsc::DrawStyleItem& root)
{
    int nodes = 0;
    std::vector<const dsc::DrawStyleItem*> pending{&root};
    while (!pending.empty()) {
        const dsc::DrawStyleItem* item = pending.back();
        pending.pop_back();
        ++nodes;
        CheckColors(item->colors());
        (void)item->doubleValue();
        (void)item->intValue();
        Check(item->child(L"\x1F no such child") == item);
        for (const auto& child : item->children())
            pending.push_back(child.get());
    }
    return nodes;
}

// The lookups the control's painters make, on any tree.
void CheckLookups(const dsc::DrawStyleItem* root)
{
    const zt::StyleLookup style(zt::PropertyStyle::StyleRootOf(root));
    static const wchar_t* const kPaths[] = {
        L"draw/background",          L"propertyList/group/background",
        L"propertyList/group/font",  L"propertyList/item/text_color",
        L"propertyList/combobox/high/border", L"propertyList/label/border_high",
        L"",                         L"/",
        L"//a//b/",
    };
    for (const wchar_t* path : kPaths) {
        (void)style.Color(path, 0x123456);
        if (const dsc::DrawStyleColor* colors = style.Colors(path))
            Check(colors->count() > 0);
        (void)style.Number(path, 1.5);
        const zt::StyleFont font = style.Font(path);
        Check(font.height > 0);
    }
    const double split = style.ColumnSplit();
    Check(split >= 0.0 && (split <= 200.0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = zt::xml::DecodeDocumentBytes(bytes);
    if (std::unique_ptr<zt::xml::Node> document = zt::xml::ParseDocument(text)) {
        Check(document->isElement);
        std::unique_ptr<dsc::DrawStyleItem> tree = dsc::DrawStyleItem::FromXml(*document);
        Check(tree != nullptr && CheckTree(*tree) >= 1);
        CheckLookups(tree.get());
    }
    CheckLookups(nullptr);
    CheckColors(dsc::DrawStyleColor::Parse(text));
    return 0;
}
