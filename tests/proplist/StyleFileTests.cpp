#include "ztui/proplist/style/DrawStyleColor.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/style/XmlReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zt;
namespace fs = std::filesystem;

namespace {

std::string Utf8Bom(const std::string& s)
{
    return "\xEF\xBB\xBF" + s;
}

std::string Utf16(const std::wstring& text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (wchar_t c : text) {
        char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>((c >> 8) & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

std::unique_ptr<xml::Node> Parse(const std::string& bytes)
{
    return xml::ParseDocument(xml::DecodeDocumentBytes(bytes));
}

std::vector<COLORREF> ColorsOf(const wchar_t* text)
{
    auto list = dsc::DrawStyleColor::Parse(text);
    std::vector<COLORREF> out;
    for (int i = 0; i < list.count(); ++i)
        out.push_back(list.colorAt(i));
    return out;
}

// A scratch folder that is the current directory for the test's duration.
class ScratchDirectory
{
public:
    ScratchDirectory()
    {
        m_old = fs::current_path();
        m_dir = fs::temp_directory_path() / ("ztui-style-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        fs::current_path(m_dir);
    }
    ~ScratchDirectory()
    {
        fs::current_path(m_old);
        fs::remove_all(m_dir);
    }
    void Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }

private:
    fs::path m_old, m_dir;
};

const char* kStyle = R"(<?xml version="1.0"?>
<!-- the grid's look -->
<style>
  <pane>
    <draw><background type="color">#F0F0F0</background></draw>
    <propertyList>
      <group type="color">rgb(1,2,3)
        <background type="Color">#DEDEDE;#C0C0C0</background>
        <columnleft>150</columnleft>
        <font><name>宋体</name><height>14</height><weight>0</weight></font>
      </group>
      <item><border type="color">bad;rgb(230, 230, 230)</border></item>
      <combobox><high type="color">#FFC8C8</high></combobox>
    </propertyList>
  </pane>
</style>)";

} // namespace

TEST(XmlReader, EachByteOrderMarkSelectsItsEncoding)
{
    const std::wstring doc = L"<a>墙体</a>";
    struct Case
    {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"utf-8 with mark", Utf8Bom("<a>\xE5\xA2\x99\xE4\xBD\x93</a>")},
        {"utf-16 little-endian", Utf16(doc, false)},
        {"utf-16 big-endian", Utf16(doc, true)},
        {"no mark: ANSI code page", "<a>\xC7\xBD\xCC\xE5</a>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto root = Parse(c.bytes);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->name, L"a");
        EXPECT_EQ(root->text, L"墙体");
    }
}

TEST(XmlReader, Utf8DecodingStopsAtTheFirstBadSequence)
{
    // The text is cut at the bad byte, so the element never closes and there is no document.
    EXPECT_EQ(Parse(Utf8Bom("<a>x\xFFy</a>")), nullptr);
    EXPECT_EQ(xml::DecodeDocumentBytes(Utf8Bom("ab\xF0\x9F\x98\x80z")), L"ab"); // four bytes
    EXPECT_EQ(xml::DecodeDocumentBytes(Utf8Bom("ab\xE5\xA2")), L"ab");          // cut short
    EXPECT_EQ(xml::DecodeDocumentBytes(Utf8Bom("\xC3\xA9!")), L"\u00e9!");
}

TEST(XmlReader, MarkupThatIsSkippedOrKept)
{
    auto root = Parse(
        R"(<?xml version="1.0"?><!DOCTYPE s [<!ENTITY x "y">]><!-- c -->)"
        R"(<s k="a&amp;b" q='1'><!-- inside --><e/><?pi x?><t>&lt;&gt;&quot;&apos;&amp;&nbsp;</t></s>)");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->name, L"s");
    ASSERT_NE(root->Attribute(L"k"), nullptr);
    EXPECT_EQ(*root->Attribute(L"k"), L"a&b");
    EXPECT_EQ(root->Attribute(L"missing"), nullptr);
    ASSERT_EQ(root->children.size(), 2u);
    EXPECT_EQ(root->children[0]->name, L"e");
    EXPECT_EQ(root->children[1]->text, L"<>\"'&&nbsp;"); // only the five entities are known
    EXPECT_TRUE(root->text.empty());                     // an element with children has no text
}

TEST(XmlReader, TextIsTheRawUntrimmedContentOfLeafElements)
{
    auto root = Parse("<a>  x <!--c--> y </a>");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text, L"  x <!--c--> y ");
}

TEST(XmlReader, BrokenDocumentsGiveNoTree)
{
    const char* broken[] = {
        "",
        "just text",
        "<!-- only a comment -->",
        "<a><b></a></b>", // unbalanced
        "<a><b></b>",     // truncated
        "<a x=1></a>",    // unquoted attribute
        "<a x=\"1></a>",  // unterminated attribute
        "</a>",           // end tag first
        "<a><!-- never closed",
        "<>",
    };
    for (const char* doc : broken) {
        SCOPED_TRACE(doc);
        EXPECT_EQ(Parse(doc), nullptr);
    }
}

// A style file is read at start: one nested too deeply must give no document, not exhaust the
// stack of the thread that reads it.
TEST(XmlReader, DeepNestingGivesNoDocumentInsteadOfOverflowingTheStack)
{
    constexpr int kLevels = 100000;
    std::wstring elements, between;
    for (int i = 0; i < kLevels; ++i)
        elements += L"<a>";
    for (int i = 0; i < kLevels; ++i)
        elements += L"</a>";
    EXPECT_EQ(xml::ParseDocument(elements), nullptr);

    for (int i = 0; i < kLevels; ++i)
        between += L"<a><!-- note --><!DOCTYPE x><?pi?>";
    for (int i = 0; i < kLevels; ++i)
        between += L"</a>";
    EXPECT_EQ(xml::ParseDocument(between), nullptr);

    // An unclosed deep document fails the same way.
    EXPECT_EQ(xml::ParseDocument(elements.substr(0, elements.size() / 2)), nullptr);
}

TEST(XmlReader, NestingUpToTheLimitIsRead)
{
    auto nested = [](int levels) {
        std::wstring text;
        for (int i = 0; i < levels; ++i)
            text += L"<a>";
        text += L"x";
        for (int i = 0; i < levels; ++i)
            text += L"</a>";
        return text;
    };
    auto doc = xml::ParseDocument(nested(xml::kMaxElementDepth));
    ASSERT_NE(doc, nullptr);
    const xml::Node* node = doc.get();
    int depth = 1;
    while (!node->children.empty()) {
        node = node->children.front().get();
        ++depth;
    }
    EXPECT_EQ(depth, xml::kMaxElementDepth);
    EXPECT_EQ(node->text, L"x");
    EXPECT_EQ(xml::ParseDocument(nested(xml::kMaxElementDepth + 1)), nullptr);
}

TEST(StyleTree, ADeepTreeIsTornDownWithoutRecursion)
{
    // Built by hand, deeper than any parse allows: destruction must not recurse per level.
    std::unique_ptr<xml::Node> root = std::make_unique<xml::Node>();
    xml::Node* tip = root.get();
    for (int i = 0; i < 100000; ++i) {
        tip->children.push_back(std::make_unique<xml::Node>());
        tip = tip->children.back().get();
        tip->name = L"a";
    }
    root.reset(); // a recursive teardown overflows the stack here
}

TEST(ColorList, ParsesHexAndRgbAndSkipsWhatDoesNotParse)
{
    struct Case
    {
        const wchar_t* text;
        std::vector<COLORREF> expected;
    };
    const Case cases[] = {
        {L"#FF0000;rgb(0, 128,255)", {RGB(255, 0, 0), RGB(0, 128, 255)}},
        {L"rgb(255,0,0),#00FF00", {RGB(255, 0, 0), RGB(0, 255, 0)}},
        {L"RGB(1,2,3),rgb(4,5,6)", {RGB(1, 2, 3), RGB(4, 5, 6)}},
        {L"rgb(1,2)", {}},
        {L"#12345", {}},
        {L"#12345G", {}},
        {L"rgb(256,-1,511)", {RGB(0, 255, 255)}}, // channels keep their low 8 bits
        {L"nonsense;;#0a0B0c", {RGB(10, 11, 12)}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(ColorsOf(c.text), c.expected);
    }
}

TEST(ColorList, LongListsAreCutAt400Characters)
{
    std::wstring text;
    for (int i = 0; i < 100; ++i)
        text += L"#010203;"; // 8 characters each: 50 fit, the 51st is cut
    EXPECT_EQ(ColorsOf(text.c_str()).size(), 50u);
}

TEST(StyleTree, LookupsFallBackToTheNearestExistingAncestor)
{
    ScratchDirectory dir;
    dir.Write("style.xml", Utf8Bom(kStyle));
    auto tree = PropertyStyle::LoadTree(dir.Path("style.xml"));
    ASSERT_NE(tree, nullptr);
    const dsc::DrawStyleItem* pane = PropertyStyle::StyleRootOf(tree.get());
    ASSERT_EQ(pane->name(), L"pane");

    StyleLookup style(pane);
    auto resolve = [&](const wchar_t* path) { return style.Resolve(path); };
    EXPECT_EQ(resolve(L"propertyList/group/background")->colors().count(), 2);
    // The element is missing: its parent's colour list answers.
    const dsc::DrawStyleItem* highBorder = resolve(L"propertyList/combobox/high/border");
    EXPECT_EQ(highBorder->name(), L"high");
    EXPECT_EQ(highBorder->colors().colorAt(0), RGB(255, 200, 200));
    // Only leaf elements have text, so a colour element with children has no colours.
    EXPECT_EQ(resolve(L"propertyList/group/border")->name(), L"group");
    EXPECT_EQ(resolve(L"propertyList/group/border")->colors().count(), 0);
    // Missing and the ancestor has no colours: the caller's default applies.
    EXPECT_EQ(resolve(L"propertyList/item/text_color")->colors().count(), 0);
    EXPECT_EQ(resolve(L"propertyList/item/border")->colors().colorAt(0), RGB(230, 230, 230));
    EXPECT_EQ(resolve(L"propertyList/group/columnleft")->intValue(), 150);
    EXPECT_EQ(resolve(L"nothing/at/all"), pane);
}

TEST(StyleTree, StyleRootIsThePaneElement)
{
    dsc::DrawStyleItem pane(L"pane", L"");
    EXPECT_EQ(PropertyStyle::StyleRootOf(&pane), &pane);
    dsc::DrawStyleItem other(L"style", L"");
    EXPECT_EQ(PropertyStyle::StyleRootOf(&other), &other); // no "pane" child: the root itself
    EXPECT_EQ(PropertyStyle::StyleRootOf(nullptr), nullptr);
}

TEST(StyleTree, NumbersReadLeadingDigits)
{
    dsc::DrawStyleItem n(L"n", L"12abc");
    EXPECT_EQ(n.intValue(), 12);
    EXPECT_DOUBLE_EQ(dsc::DrawStyleItem(L"d", L" 0.25mm").doubleValue(), 0.25);
    EXPECT_EQ(dsc::DrawStyleItem(L"e", L"abc").intValue(), 0);
    EXPECT_EQ(dsc::DrawStyleItem(L"e", L"").doubleValue(), 0.0);
}

TEST(StyleFile, TheCurrentDirectoryIsSearchedFirstAndTheFileIsReadOnce)
{
    ScratchDirectory dir;
    dir.Write("property.xml", Utf8Bom(kStyle));
    EXPECT_EQ(PropertyStyle::FindStyleFile(), "property.xml");

    StyleLookup style = PropertyStyle::Get();
    EXPECT_EQ(style.Color(L"propertyList/group/background", RGB(0, 0, 0)), RGB(0xDE, 0xDE, 0xDE));
    EXPECT_EQ(style.Color(L"propertyList/item/text_color", RGB(9, 9, 9)), RGB(9, 9, 9));
    EXPECT_DOUBLE_EQ(style.ColumnSplit(), 150.0);
    StyleFont font = style.Font(L"propertyList/group/font");
    EXPECT_EQ(font.face, L"宋体");
    EXPECT_EQ(font.height, 14);
    EXPECT_EQ(font.weight, 400); // 0 keeps the default
    StyleFont fallback = style.Font(L"propertyList/item/font");
    EXPECT_EQ(fallback.face, L"");
    EXPECT_EQ(fallback.height, 12);

    // Loaded once: a changed file is not read again.
    dir.Write("property.xml", "<pane/>");
    EXPECT_EQ(PropertyStyle::Get().Color(L"propertyList/group/background", RGB(0, 0, 0)),
              RGB(0xDE, 0xDE, 0xDE));
}

// Run as a copy of this test program placed in a folder of its own: prints where the style file
// is found from a current directory that holds none.
TEST(StyleFile, FoundBesideTheExecutableThenInItsSupportFolder)
{
    if (std::getenv("ZTUI_STYLE_PROBE")) {
        std::printf("style=%s\n", PropertyStyle::FindStyleFile().c_str());
        return;
    }
    const fs::path home =
        fs::path(ZTUI_TEST_OUTPUT_DIR) / ("style-probe-" + std::to_string(getpid()));
    fs::remove_all(home);
    fs::create_directories(home / "support");
    fs::create_directories(home / "elsewhere");
    const fs::path program = home / "probe";
    std::error_code ec;
    fs::create_hard_link(fs::read_symlink("/proc/self/exe"), program, ec);
    if (ec)
        fs::copy_file(fs::read_symlink("/proc/self/exe"), program, ec);
    ASSERT_FALSE(ec) << ec.message();
    const std::string libraries = fs::read_symlink("/proc/self/exe").parent_path().string();

    auto whereFound = [&] {
        std::string command = "cd '" + (home / "elsewhere").string() +
                              "' && ZTUI_STYLE_PROBE=1 LD_LIBRARY_PATH='" + libraries + "' '" +
                              program.string() +
                              "' --gtest_filter=StyleFile.FoundBesideTheExecutableThenInItsSupport"
                              "Folder 2>/dev/null";
        std::string out;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char line[4096];
            while (std::fgets(line, sizeof line, pipe))
                if (std::strncmp(line, "style=", 6) == 0)
                    out = std::string(line + 6, std::strcspn(line + 6, "\n"));
            pclose(pipe);
        }
        return out;
    };

    EXPECT_EQ(whereFound(), "");
    std::ofstream(home / "support" / "property.xml") << "<pane/>";
    EXPECT_EQ(whereFound(), (home / "support" / "property.xml").string());
    std::ofstream(home / "property.xml") << "<pane/>";
    EXPECT_EQ(whereFound(), (home / "property.xml").string()); // beside the program comes first
    fs::remove_all(home);
}

TEST(StyleFile, ColumnSplitRules)
{
    struct Case
    {
        const char* xml;
        double split;
    };
    const Case cases[] = {
        {"<pane><propertyList><group><columnleft>150</columnleft></group></propertyList></pane>",
         150},
        {"<pane><propertyList><group><columnleft>250</columnleft><column>0.3</column></group></"
         "propertyList></pane>",
         0.3},
        {"<pane><propertyList><group><column>1.5</column></group></propertyList></pane>", 0.5},
        {"<pane><propertyList><group><columnleft>0</columnleft></group></propertyList></pane>", 0},
        {"<pane/>", 0.5},
    };
    ScratchDirectory dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        dir.Write("s.xml", c.xml);
        auto tree = PropertyStyle::LoadTree(dir.Path("s.xml"));
        ASSERT_NE(tree, nullptr);
        EXPECT_DOUBLE_EQ(StyleLookup(PropertyStyle::StyleRootOf(tree.get())).ColumnSplit(),
                         c.split);
    }
}

TEST(ShippedStyle, ParsesAndStylesEveryPartOfTheGrid)
{
    auto tree = PropertyStyle::LoadTree(ZTUI_SHIPPED_STYLE);
    ASSERT_NE(tree, nullptr);
    StyleLookup style(PropertyStyle::StyleRootOf(tree.get()));
    const wchar_t* colourPaths[] = {
        L"draw/background",
        L"propertyList/group/background",
        L"propertyList/group/border",
        L"propertyList/item/background",
        L"propertyList/item/border",
        L"propertyList/item/text_color",
        L"propertyList/combobox/background",
        L"propertyList/combobox/high/background",
        L"propertyList/combobox/high/border",
        L"propertyList/combobox/nc/border_color",
        L"propertyList/label/background",
        L"propertyList/edit/border",
        L"propertyList/button/normal/background",
        L"propertyList/button/selected/border",
    };
    for (const wchar_t* path : colourPaths) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(path)));
        const auto* node = style.Resolve(path);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->name(), std::wstring(path).substr(std::wstring(path).rfind(L'/') + 1));
        EXPECT_GT(node->colors().count(), 0);
    }
    EXPECT_EQ(style.Font(L"propertyList/item/font").face, L"微软雅黑");
    EXPECT_DOUBLE_EQ(style.ColumnSplit(), 0.45);
}
