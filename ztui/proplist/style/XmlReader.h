#pragma once
// The small XML reader behind the property list's style file. It reads what a hand-edited
// style file holds: elements with attributes, empty-element tags, comments, processing
// instructions, markup declarations and the five predefined entities. Anything it cannot make
// sense of yields no document rather than a partial one.

#include "ztui/ZTUiExport.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zt::xml {

struct ZTUI_EXPORT Node
{
    Node() = default;
    // Tears the subtree down level by level, so that no document is too deep to destroy.
    ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // Markup declarations (<!DOCTYPE ...>, <![CDATA[...]]>) are kept as non-element nodes.
    bool isElement = true;
    std::wstring name;
    // The raw content between the start and end tags, entities decoded; only for elements
    // without child elements.
    std::wstring text;
    std::vector<std::pair<std::wstring, std::wstring>> attributes;
    std::vector<std::unique_ptr<Node>> children;

    // The value of the first attribute with exactly this name, or nullptr.
    const std::wstring* Attribute(std::wstring_view attributeName) const;
};

// Turns the bytes of a file into text. A byte-order mark selects UTF-16 (either order) or
// UTF-8; UTF-8 decoding stops at the first sequence that is longer than three bytes, invalid
// or cut short. Without a mark the bytes are in the ANSI code page.
ZTUI_EXPORT std::wstring DecodeDocumentBytes(std::string_view bytes);

// Elements nested deeper than this make a document malformed. A hand-written style file needs a
// handful of levels; the limit keeps the reader's recursion far from the end of any thread's
// stack, a user-interface thread's included.
constexpr int kMaxElementDepth = 256;

// The root element, or nullptr for text that is not a well-formed document, has no element or
// nests elements deeper than kMaxElementDepth.
ZTUI_EXPORT std::unique_ptr<Node> ParseDocument(std::wstring_view text);
ZTUI_EXPORT std::unique_ptr<Node> ParseFile(const std::string& path);

// Replaces &quot; &apos; &amp; &lt; &gt; and leaves every other '&' as it stands.
ZTUI_EXPORT std::wstring DecodeEntities(std::wstring_view text);

} // namespace zt::xml
