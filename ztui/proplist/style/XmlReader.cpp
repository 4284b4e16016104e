#include "ztui/proplist/style/XmlReader.h"

#include "platform/base/Encoding.h"

#include <cwctype>
#include <fstream>
#include <iterator>
#include <new>

namespace zt::xml {

const std::wstring* Node::Attribute(std::wstring_view attributeName) const
{
    for (const auto& [key, value] : attributes)
        if (key == attributeName)
            return &value;
    return nullptr;
}

Node::~Node()
{
    // When memory runs out for the list of pending nodes, what is left goes the ordinary,
    // recursive way as the list unwinds; a parsed document is at most kMaxElementDepth deep.
    try {
        std::vector<std::unique_ptr<Node>> pending = std::move(children);
        while (!pending.empty()) {
            std::unique_ptr<Node> node = std::move(pending.back());
            pending.pop_back();
            // Slots a teardown cut short by a lack of memory already handed on are empty.
            if (!node)
                continue;
            for (auto& child : node->children)
                pending.push_back(std::move(child));
            node->children.clear();
        }
    } catch (const std::bad_alloc&) {
    }
}

namespace {

std::wstring DecodeUtf8UpToFirstBadSequence(std::string_view bytes)
{
    std::wstring out;
    out.reserve(bytes.size());
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned char b = s[i];
        size_t need;
        char32_t c;
        if (b < 0x80) {
            need = 0;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            need = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            need = 2;
            c = b & 0x0F;
        } else {
            break; // four-byte sequences and stray bytes end the text
        }
        if (need > 0 && i + need >= bytes.size())
            break; // cut short by the end of the file
        bool ok = true;
        for (size_t k = 1; k <= need; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        if (!ok)
            break;
        out += static_cast<wchar_t>(c);
        i += need + 1;
    }
    return out;
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
        auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
        units += static_cast<char16_t>(lo | (hi << 8));
    }
    return zt::base::Utf16ToWide(units);
}

bool IsNameChar(wchar_t c)
{
    return c && !std::iswspace(static_cast<wint_t>(c)) && c != L'<' && c != L'>' && c != L'/' &&
           c != L'=' && c != L'"' && c != L'\'' && c != L'?' && c != L'!';
}

class Parser
{
public:
    explicit Parser(std::wstring_view text) : m_s(text) {}

    std::unique_ptr<Node> Document()
    {
        std::unique_ptr<Node> root;
        while (m_ok && Find(L'<')) {
            if (Peek(L"<?")) {
                SkipPast(L"?>");
            } else if (Peek(L"<!--")) {
                SkipPast(L"-->");
            } else if (Peek(L"<!")) {
                Declaration();
            } else if (Peek(L"</")) {
                return nullptr; // an end tag with nothing open
            } else {
                root = Element();
                break; // what follows the root element is not read
            }
        }
        return m_ok ? std::move(root) : nullptr;
    }

private:
    bool Peek(std::wstring_view token) const { return m_s.substr(m_pos, token.size()) == token; }

    bool Find(wchar_t c)
    {
        size_t at = m_s.find(c, m_pos);
        if (at == std::wstring_view::npos)
            return false;
        m_pos = at;
        return true;
    }

    void SkipPast(std::wstring_view token)
    {
        size_t at = m_s.find(token, m_pos);
        if (at == std::wstring_view::npos) {
            m_ok = false;
            return;
        }
        m_pos = at + token.size();
    }

    void SkipBlanks()
    {
        while (m_pos < m_s.size() && std::iswspace(static_cast<wint_t>(m_s[m_pos])))
            ++m_pos;
    }

    std::wstring Name()
    {
        size_t start = m_pos;
        while (m_pos < m_s.size() && IsNameChar(m_s[m_pos]))
            ++m_pos;
        return DecodeEntities(m_s.substr(start, m_pos - start));
    }

    // <!...> up to its closing '>', counting the brackets of an internal subset and keeping a
    // CDATA section whole.
    std::unique_ptr<Node> Declaration()
    {
        auto node = std::make_unique<Node>();
        node->isElement = false;
        size_t start = m_pos;
        if (Peek(L"<![CDATA[")) {
            SkipPast(L"]]>");
        } else {
            int depth = 0;
            for (++m_pos; m_pos < m_s.size(); ++m_pos) {
                wchar_t c = m_s[m_pos];
                if (c == L'[')
                    ++depth;
                else if (c == L']')
                    --depth;
                else if (c == L'>' && depth <= 0)
                    break;
            }
            if (m_pos >= m_s.size())
                m_ok = false;
            else
                ++m_pos;
        }
        node->text = std::wstring(m_s.substr(start, m_pos - start));
        return node;
    }

    std::unique_ptr<Node> Element()
    {
        if (m_depth >= kMaxElementDepth)
            return Fail();
        struct Level
        {
            int& depth;
            explicit Level(int& d) : depth(++d) {}
            ~Level() { --depth; }
        } level(m_depth);
        ++m_pos; // '<'
        auto node = std::make_unique<Node>();
        node->name = Name();
        if (node->name.empty())
            return Fail();
        for (;;) {
            SkipBlanks();
            if (m_pos >= m_s.size())
                return Fail();
            if (Peek(L"/>")) {
                m_pos += 2;
                return node;
            }
            if (m_s[m_pos] == L'>') {
                ++m_pos;
                break;
            }
            std::wstring key = Name();
            SkipBlanks();
            if (key.empty() || m_pos >= m_s.size() || m_s[m_pos] != L'=')
                return Fail();
            ++m_pos;
            SkipBlanks();
            if (m_pos >= m_s.size() || (m_s[m_pos] != L'"' && m_s[m_pos] != L'\''))
                return Fail();
            wchar_t quote = m_s[m_pos++];
            size_t end = m_s.find(quote, m_pos);
            if (end == std::wstring_view::npos)
                return Fail();
            node->attributes.emplace_back(std::move(key),
                                          DecodeEntities(m_s.substr(m_pos, end - m_pos)));
            m_pos = end + 1;
        }

        const size_t contentStart = m_pos;
        bool hasChildElements = false;
        for (;;) {
            if (!Find(L'<'))
                return Fail();
            if (Peek(L"</")) {
                size_t contentEnd = m_pos;
                m_pos += 2;
                std::wstring closing = Name();
                SkipBlanks();
                if (closing != node->name || m_pos >= m_s.size() || m_s[m_pos] != L'>')
                    return Fail();
                ++m_pos;
                if (!hasChildElements)
                    node->text =
                        DecodeEntities(m_s.substr(contentStart, contentEnd - contentStart));
                return node;
            }
            if (Peek(L"<!--")) {
                SkipPast(L"-->");
            } else if (Peek(L"<?")) {
                SkipPast(L"?>");
            } else if (Peek(L"<!")) {
                node->children.push_back(Declaration());
            } else {
                auto child = Element();
                if (!child)
                    return Fail();
                hasChildElements = true;
                node->children.push_back(std::move(child));
            }
            if (!m_ok)
                return nullptr;
        }
    }

    std::unique_ptr<Node> Fail()
    {
        m_ok = false;
        return nullptr;
    }

    std::wstring_view m_s;
    size_t m_pos = 0;
    int m_depth = 0;
    bool m_ok = true;
};

} // namespace

std::wstring DecodeDocumentBytes(std::string_view bytes)
try {
    auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
    if (starts("\xFF\xFE"))
        return DecodeUtf16(bytes.substr(2), false);
    if (starts("\xFE\xFF"))
        return DecodeUtf16(bytes.substr(2), true);
    if (starts("\xEF\xBB\xBF"))
        return DecodeUtf8UpToFirstBadSequence(bytes.substr(3));
    return zt::base::AnsiToWide(bytes);
} catch (const std::bad_alloc&) {
    // Text too large for the memory left is no text: the document that needs it is unreadable.
    return std::wstring();
}

std::unique_ptr<Node> ParseDocument(std::wstring_view text)
try {
    return Parser(text).Document();
} catch (const std::bad_alloc&) {
    return nullptr;
}

std::unique_ptr<Node> ParseFile(const std::string& path)
try {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseDocument(DecodeDocumentBytes(bytes));
} catch (const std::bad_alloc&) {
    return nullptr;
}

std::wstring DecodeEntities(std::wstring_view text)
{
    static constexpr std::pair<std::wstring_view, wchar_t> kEntities[] = {
        {L"&quot;", L'"'}, {L"&apos;", L'\''}, {L"&amp;", L'&'}, {L"&lt;", L'<'}, {L"&gt;", L'>'}};
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == L'&') {
            for (const auto& [entity, ch] : kEntities) {
                if (text.substr(i, entity.size()) == entity) {
                    out += ch;
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

} // namespace zt::xml
