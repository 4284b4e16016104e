#include "platform/win/gdi/TextLayoutCache.h"

#include "platform/base/Encoding.h"

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
    Key(std::uint64_t f, std::wstring_view t, const LayoutOptions& o) : face(f), text(t), options(o)
    {
        hash = std::hash<std::wstring_view>()(t);
        hash ^= std::hash<std::uint64_t>()(f) + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
        hash ^= std::size_t(o.wrapWidth) * 31 + std::size_t(o.mnemonic) * 131 +
                (o.ellipsizeEnd ? 7 : 0);
    }
    bool operator==(const Key& other) const
    {
        return hash == other.hash && face == other.face && options == other.options &&
               text == other.text;
    }

    std::uint64_t face;
    std::wstring text;
    LayoutOptions options;
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
    ++g_created;
    return layout;
}

} // namespace

PangoLayout* CachedLayout(const FontFace& face, std::wstring_view text,
                          const LayoutOptions& options)
{
    Cache& cache = TheCache();
    Key key{face.serial, std::wstring(text), options};
    auto it = cache.index.find(key);
    if (it != cache.index.end()) {
        cache.entries.splice(cache.entries.begin(), cache.entries, it->second);
        return it->second->layout.get();
    }
    cache.entries.push_front(Entry{key, NewLayout(face, text, options)});
    cache.index.emplace(std::move(key), cache.entries.begin());
    while (cache.entries.size() > kMaxLayouts) {
        cache.index.erase(cache.entries.back().key);
        cache.entries.pop_back();
    }
    return cache.entries.front().layout.get();
}

std::uint64_t GetTextLayoutCreateCount()
{
    return g_created.load();
}

} // namespace zt::win
