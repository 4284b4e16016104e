#include "platform/win/gdi/TextLayoutCache.h"

#include "platform/base/Encoding.h"

#include <pango/pangocairo.h>

#include <atomic>
#include <list>
#include <unordered_map>

namespace zt::win {

namespace {

constexpr std::size_t kMaxLayouts = 4096;

// The hash is worked out once: the table walks a bucket by the hashes of its nodes, and
// hashing each text again on every probe cost more than the probe.
struct Key
{
    Key(std::uint64_t f, std::wstring_view t, const LayoutOptions& o, bool l)
        : face(f), text(t), options(o), line(l)
    {
        hash = std::hash<std::wstring_view>()(t);
        hash ^= std::hash<std::uint64_t>()(f) + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
        hash ^= std::size_t(o.wrapWidth) * 31 + std::size_t(o.mnemonic) * 131 +
                (o.ellipsizeEnd ? 7 : 0) + (l ? 1021 : 0);
    }
    bool operator==(const Key& other) const
    {
        return hash == other.hash && face == other.face && line == other.line &&
               options == other.options && text == other.text;
    }

    std::uint64_t face;
    std::wstring text;
    LayoutOptions options;
    bool line; // a ShapedLine rather than a layout
    std::size_t hash;
};

struct KeyHash
{
    std::size_t operator()(const Key& k) const noexcept { return k.hash; }
};

struct Entry
{
    Key key;
    GObjectPtr<PangoLayout> layout;
    std::unique_ptr<ShapedLine> line;
};

struct Cache
{
    std::list<Entry> entries; // most recently used first
    std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> index;
};

std::atomic<std::uint64_t> g_created{0};

Cache& TheCache()
{
    static Cache* cache = new Cache;
    return *cache;
}

// The entry for a key, made by `make` when the cache has none.
template <class Make>
Entry& Lookup(Key&& key, Make&& make)
{
    Cache& cache = TheCache();
    auto it = cache.index.find(key);
    if (it != cache.index.end()) {
        cache.entries.splice(cache.entries.begin(), cache.entries, it->second);
        return *it->second;
    }
    cache.entries.push_front(Entry{key, nullptr, nullptr});
    make(cache.entries.front());
    ++g_created;
    cache.index.emplace(std::move(key), cache.entries.begin());
    while (cache.entries.size() > kMaxLayouts) {
        cache.index.erase(cache.entries.back().key);
        cache.entries.pop_back();
    }
    return cache.entries.front();
}

// Byte offset in UTF-8 of the character at `index` of the wide text.
int Utf8Offset(std::wstring_view text, int index)
{
    return static_cast<int>(zt::base::WideToUtf8(text.substr(0, size_t(index))).size());
}

GObjectPtr<PangoLayout> NewLayout(const FontFace& face, std::wstring_view text,
                                  const LayoutOptions& options)
{
    GObjectPtr<PangoLayout> layout(pango_layout_new(TextContext()));
    PangoLayout* l = layout.get();
    pango_layout_set_font_description(l, face.description.get());
    const std::string utf8 = zt::base::WideToUtf8(text);
    pango_layout_set_text(l, utf8.data(), static_cast<int>(utf8.size()));
    if (options.ellipsizeEnd && options.wrapWidth >= 0) {
        // One line, cut with an ellipsis where it would pass the width.
        pango_layout_set_width(l, options.wrapWidth * PANGO_SCALE);
        pango_layout_set_ellipsize(l, PANGO_ELLIPSIZE_END);
        pango_layout_set_single_paragraph_mode(l, TRUE);
    } else if (options.wrapWidth >= 0) {
        pango_layout_set_width(l, options.wrapWidth * PANGO_SCALE);
        pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
    } else {
        pango_layout_set_single_paragraph_mode(l, TRUE);
    }
    AttrListPtr attrs(pango_attr_list_new());
    if (face.log.lfUnderline)
        pango_attr_list_insert(attrs.get(), pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (face.log.lfStrikeOut)
        pango_attr_list_insert(attrs.get(), pango_attr_strikethrough_new(TRUE));
    if (options.mnemonic >= 0 && options.mnemonic < static_cast<int>(text.size())) {
        PangoAttribute* u = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        u->start_index = static_cast<guint>(Utf8Offset(text, options.mnemonic));
        u->end_index = static_cast<guint>(Utf8Offset(text, options.mnemonic + 1));
        pango_attr_list_insert(attrs.get(), u);
    }
    pango_layout_set_attributes(l, attrs.get());
    return layout;
}

// Text shaped without a layout: printable ASCII only, either digits and punctuation alone
// (script Common) or with Latin letters among them, which a layout makes one run of.
enum class AsciiRun { None, Common, Latin };

AsciiRun ClassifyAscii(std::wstring_view text)
{
    bool letters = false;
    for (const wchar_t c : text) {
        if (c < 0x20 || c > 0x7E)
            return AsciiRun::None;
        const wchar_t lower = c | 0x20;
        if (lower >= L'a' && lower <= L'z')
            letters = true;
    }
    return letters ? AsciiRun::Latin : AsciiRun::Common;
}

// What a layout gives a face's printable ASCII, learnt once per face from layouts of it: the
// run's analysis for digits and punctuation alone and for text with letters. A face whose
// first font does not draw all of it in one run, or that underlines or strikes out (a layout
// attribute), has none and keeps to layouts.
struct DirectFace
{
    bool usable = false;
    PangoAnalysis common{};
    PangoAnalysis latin{};
};

// The analysis of the one run a layout makes of `text`, or false when it makes more or adds
// attributes of its own.
bool OneRunAnalysis(const FontFace& face, std::wstring_view text, PangoAnalysis& out)
{
    GObjectPtr<PangoLayout> layout = NewLayout(face, text, {});
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout.get(), 0);
    if (pango_layout_get_line_count(layout.get()) != 1 || !line || !line->runs ||
        line->runs->next)
        return false;
    const PangoAnalysis& a = static_cast<PangoGlyphItem*>(line->runs->data)->item->analysis;
    if (!a.font || a.level != 0)
        return false;
    // A single-paragraph layout asks for line breaks to be shown, which printable ASCII has
    // none of; any other attribute of the run would change its glyphs.
    for (GSList* e = a.extra_attrs; e; e = e->next) {
        const auto* attr = static_cast<const PangoAttribute*>(e->data);
        if (attr->klass->type != PANGO_ATTR_SHOW ||
            reinterpret_cast<const PangoAttrInt*>(attr)->value != PANGO_SHOW_LINE_BREAKS)
            return false;
    }
    out = a;
    out.extra_attrs = nullptr; // the layout's, gone with it
    return true;
}

bool SameRun(const PangoAnalysis& a, const PangoAnalysis& b)
{
    return a.font == b.font && a.script == b.script && a.language == b.language &&
           a.gravity == b.gravity && a.flags == b.flags;
}

DirectFace LearnDirectFace(const FontFace& face)
{
    DirectFace d;
    if (face.log.lfUnderline || face.log.lfStrikeOut)
        return d;
    std::wstring all;
    std::wstring punctuation;
    for (wchar_t c = 0x20; c <= 0x7E; ++c) {
        all += c;
        if (ClassifyAscii(std::wstring_view(&c, 1)) == AsciiRun::Common)
            punctuation += c;
    }
    PangoAnalysis whole{};
    PangoAnalysis marks{};
    if (!OneRunAnalysis(face, L"0", d.common) || !OneRunAnalysis(face, L"a", d.latin) ||
        !OneRunAnalysis(face, all, whole) || !OneRunAnalysis(face, punctuation, marks) ||
        !SameRun(whole, d.latin) || !SameRun(marks, d.common))
        return d;
    g_object_ref(d.common.font);
    g_object_ref(d.latin.font);
    d.usable = true;
    return d;
}

const DirectFace& DirectFaceOf(const FontFace& face)
{
    static auto* faces = new std::unordered_map<std::uint64_t, DirectFace>;
    auto it = faces->find(face.serial);
    if (it == faces->end())
        it = faces->emplace(face.serial, LearnDirectFace(face)).first;
    return it->second;
}

} // namespace

struct ShapedLineFactory
{
    static std::unique_ptr<ShapedLine> Make(const FontFace& face, std::wstring_view text)
    {
        std::unique_ptr<ShapedLine> line(new ShapedLine);
        const AsciiRun run = ClassifyAscii(text);
        const DirectFace* direct = run == AsciiRun::None ? nullptr : &DirectFaceOf(face);
        if (!direct || !direct->usable || text.empty()) {
            line->layout_ = NewLayout(face, text, {});
            line->line_ = pango_layout_get_line_readonly(line->layout_.get(), 0);
            return line;
        }
        line->utf8_.assign(text.begin(), text.end()); // ASCII: one byte a character
        line->analysis_ = run == AsciiRun::Latin ? direct->latin : direct->common;
        g_object_ref(line->analysis_.font);
        line->glyphs_ = pango_glyph_string_new();
        const int length = static_cast<int>(line->utf8_.size());
        pango_shape_with_flags(line->utf8_.data(), length, line->utf8_.data(), length,
                               &line->analysis_, line->glyphs_,
                               pango_context_get_round_glyph_positions(TextContext())
                                   ? PANGO_SHAPE_ROUND_POSITIONS
                                   : PANGO_SHAPE_NONE);
        return line;
    }
};

ShapedLine::~ShapedLine()
{
    if (glyphs_)
        pango_glyph_string_free(glyphs_);
    if (analysis_.font)
        g_object_unref(analysis_.font);
}

void ShapedLine::GetExtents(PangoRectangle* ink, PangoRectangle* logical) const
{
    if (glyphs_)
        pango_glyph_string_extents(glyphs_, analysis_.font, ink, logical);
    else if (line_)
        pango_layout_line_get_extents(line_, ink, logical);
    else {
        if (ink)
            *ink = PangoRectangle{};
        if (logical)
            *logical = PangoRectangle{};
    }
}

void ShapedLine::GetPixelExtents(PangoRectangle* ink, PangoRectangle* logical) const
{
    GetExtents(ink, logical);
    pango_extents_to_pixels(ink, nullptr);
    pango_extents_to_pixels(logical, nullptr);
}

int ShapedLine::Width() const
{
    PangoRectangle logical;
    GetExtents(nullptr, &logical);
    return logical.width;
}

int ShapedLine::IndexToX(int byte) const
{
    int x = 0;
    if (glyphs_) {
        if (byte >= static_cast<int>(utf8_.size()))
            return Width();
        pango_glyph_string_index_to_x(glyphs_, const_cast<char*>(utf8_.data()),
                                      static_cast<int>(utf8_.size()),
                                      const_cast<PangoAnalysis*>(&analysis_), byte, FALSE, &x);
    } else if (line_) {
        pango_layout_line_index_to_x(line_, byte, FALSE, &x);
    }
    return x;
}

void ShapedLine::Show(cairo_t* cr) const
{
    if (glyphs_)
        pango_cairo_show_glyph_string(cr, analysis_.font, glyphs_);
    else if (line_)
        pango_cairo_show_layout_line(cr, line_);
}

PangoLayout* CachedLayout(const FontFace& face, std::wstring_view text,
                          const LayoutOptions& options)
{
    return Lookup(Key{face.serial, text, options, false}, [&](Entry& e) {
               e.layout = NewLayout(face, text, options);
           }).layout.get();
}

const ShapedLine& CachedLine(const FontFace& face, std::wstring_view text)
{
    return *Lookup(Key{face.serial, text, {}, true}, [&](Entry& e) {
                e.line = ShapedLineFactory::Make(face, text);
            }).line;
}

std::uint64_t GetTextLayoutCreateCount()
{
    return g_created.load();
}

} // namespace zt::win
