#include "platform/win/gdi/FontFace.h"

#include "platform/base/Encoding.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <map>
#include <mutex>

namespace zt::win {

extern const char* const kFontConfigText;

namespace {

constexpr int kDefaultCellHeight = 16; // what Windows picks for a LOGFONT height of 0
constexpr const char* kDefaultFamily = "ZTUi Default";

struct TextSystem
{
    FcConfig* config = nullptr;
    GObjectPtr<PangoFontMap> fontMap;
    GObjectPtr<PangoContext> context;
};

TextSystem& Text()
{
    // Built once, on the first font use, and kept for the process: fonts and layouts made from
    // it live in caches that outlast any window.
    static TextSystem* text = [] {
        auto* t = new TextSystem;
        t->config = FcInitLoadConfigAndFonts();
        if (t->config)
            FcConfigParseAndLoadFromMemory(
                t->config, reinterpret_cast<const FcChar8*>(kFontConfigText), FcTrue);
        t->fontMap.reset(pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT));
        if (!t->fontMap)
            t->fontMap.reset(pango_cairo_font_map_new());
        if (t->config && PANGO_IS_FC_FONT_MAP(t->fontMap.get()))
            pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(t->fontMap.get()), t->config);
        t->context.reset(pango_font_map_create_context(t->fontMap.get()));
        FontOptionsPtr options(cairo_font_options_create());
        cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
        cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_SLIGHT);
        // Whole-pixel advances keep measured extents and drawn text on the same pixels.
        cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
        pango_cairo_context_set_font_options(t->context.get(), options.get());
        pango_cairo_context_set_resolution(t->context.get(), 96.0);
        pango_context_set_language(t->context.get(), pango_language_from_string("zh-cn"));
        return t;
    }();
    return *text;
}

struct LogFontLess
{
    bool operator()(const LOGFONTW& a, const LOGFONTW& b) const
    {
        return std::memcmp(&a, &b, sizeof(LOGFONTW)) < 0;
    }
};

LOGFONTW Normalised(const LOGFONTW& in)
{
    // Compare LOGFONTs by their meaningful bytes only: the face name up to its terminator.
    LOGFONTW log{};
    log.lfHeight = in.lfHeight;
    log.lfWidth = in.lfWidth;
    log.lfEscapement = in.lfEscapement;
    log.lfOrientation = in.lfOrientation;
    log.lfWeight = in.lfWeight;
    log.lfItalic = in.lfItalic ? 1 : 0;
    log.lfUnderline = in.lfUnderline ? 1 : 0;
    log.lfStrikeOut = in.lfStrikeOut ? 1 : 0;
    log.lfCharSet = in.lfCharSet;
    log.lfOutPrecision = in.lfOutPrecision;
    log.lfClipPrecision = in.lfClipPrecision;
    log.lfQuality = in.lfQuality;
    log.lfPitchAndFamily = in.lfPitchAndFamily;
    for (int i = 0; i < LF_FACESIZE - 1 && in.lfFaceName[i]; ++i)
        log.lfFaceName[i] = in.lfFaceName[i];
    return log;
}

PangoWeight WeightOf(LONG weight)
{
    if (weight <= 0)
        return PANGO_WEIGHT_NORMAL;
    return static_cast<PangoWeight>(std::clamp<LONG>(weight, 100, 1000));
}

struct RawMetrics
{
    double ascent = 0;
    double descent = 0;
    double approxWidth = 0;
};

RawMetrics MeasureAt(const PangoFontDescription* base, int emPixels)
{
    FontDescriptionPtr d(pango_font_description_copy(base));
    pango_font_description_set_absolute_size(d.get(), emPixels * double(PANGO_SCALE));
    RawMetrics m;
    GObjectPtr<PangoFont> font(pango_context_load_font(Text().context.get(), d.get()));
    if (!font)
        return m;
    FontMetricsPtr metrics(pango_font_get_metrics(font.get(), nullptr));
    if (!metrics)
        return m;
    m.ascent = pango_font_metrics_get_ascent(metrics.get()) / double(PANGO_SCALE);
    m.descent = pango_font_metrics_get_descent(metrics.get()) / double(PANGO_SCALE);
    m.approxWidth =
        pango_font_metrics_get_approximate_char_width(metrics.get()) / double(PANGO_SCALE);
    return m;
}

std::shared_ptr<FontFace> BuildFace(const LOGFONTW& log, std::uint64_t serial)
{
    auto face = std::make_shared<FontFace>();
    face->serial = serial;
    face->log = log;
    face->faceName = log.lfFaceName;
    std::string family =
        face->faceName.empty() ? std::string(kDefaultFamily) : zt::base::WideToUtf8(face->faceName);
    if (face->faceName.empty())
        face->faceName = L"MS Shell Dlg";

    face->description.reset(pango_font_description_new());
    PangoFontDescription* d = face->description.get();
    pango_font_description_set_family(d, family.c_str());
    pango_font_description_set_weight(d, WeightOf(log.lfWeight));
    pango_font_description_set_style(d, log.lfItalic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

    // The ratio of cell to em is a property of the face: measure it once at a large size, then
    // pick the em size that gives the asked-for cell (positive) or character (negative) height.
    constexpr int kProbeEm = 100;
    const RawMetrics probe = MeasureAt(d, kProbeEm);
    const double cellPerEm =
        probe.ascent + probe.descent > 0 ? (probe.ascent + probe.descent) / kProbeEm : 1.2;
    // FreeType makes no face above 65,535 pixels an em, and cairo leaks what it had built for a
    // face it then fails to make; a font is held to a quarter of that (twice the largest
    // window), and so held, measured as it is rather than as asked.
    constexpr int kMaxEm = 16384;
    int cell = 0;
    int em = 0;
    if (log.lfHeight < 0) {
        em = static_cast<int>(std::min<std::int64_t>(-std::int64_t{log.lfHeight}, kMaxEm));
    } else {
        cell = log.lfHeight > 0 ? log.lfHeight : kDefaultCellHeight;
        em = std::max(1, static_cast<int>(std::lround(cell / cellPerEm)));
        if (em > kMaxEm) {
            em = kMaxEm;
            cell = 0;
        }
    }
    pango_font_description_set_absolute_size(d, em * double(PANGO_SCALE));
    const RawMetrics m = MeasureAt(d, em);
    face->emPixels = em;
    face->ascent = static_cast<int>(std::lround(m.ascent));
    if (cell > 0) {
        // A positive height is the cell height exactly, as layout code depends on it.
        face->descent = std::max(0, cell - face->ascent);
        face->height = face->ascent + face->descent;
    } else {
        face->descent = static_cast<int>(std::lround(m.descent));
        face->height = face->ascent + face->descent;
    }
    face->internalLeading = std::max(0, face->height - em);
    face->aveCharWidth = std::max(1, static_cast<int>(std::lround(m.approxWidth)));
    face->maxCharWidth = std::max(face->aveCharWidth, em);
    if (log.lfWidth > 0 && m.approxWidth > 0) {
        face->xScale = std::clamp(log.lfWidth / m.approxWidth, 0.1, 10.0);
        face->aveCharWidth = log.lfWidth;
        face->maxCharWidth = static_cast<int>(std::lround(face->maxCharWidth * face->xScale));
    }
    return face;
}

} // namespace

PangoContext* TextContext()
{
    return Text().context.get();
}

std::shared_ptr<const FontFace> ResolveFontFace(const LOGFONTW& in)
{
    static std::mutex mutex;
    static auto* faces = new std::map<LOGFONTW, std::shared_ptr<const FontFace>, LogFontLess>;
    static std::uint64_t nextSerial = 1;
    const LOGFONTW log = Normalised(in);
    std::lock_guard lock(mutex);
    auto it = faces->find(log);
    if (it != faces->end())
        return it->second;
    auto face = BuildFace(log, nextSerial++);
    faces->emplace(log, face);
    return face;
}

std::string FontFamilyFor(const LOGFONTW& log, wchar_t ch)
{
    auto face = ResolveFontFace(log);
    GObjectPtr<PangoFontset> fontset(pango_context_load_fontset(
        TextContext(), face->description.get(), pango_context_get_language(TextContext())));
    if (!fontset)
        return {};
    GObjectPtr<PangoFont> font(pango_fontset_get_font(fontset.get(), guint(ch)));
    if (!font)
        return {};
    FontDescriptionPtr d(pango_font_describe(font.get()));
    const char* family = pango_font_description_get_family(d.get());
    return family ? family : "";
}

LOGFONTW DefaultGuiLogFont()
{
    LOGFONTW log{};
    log.lfHeight = -12;
    log.lfWeight = FW_NORMAL;
    log.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(log.lfFaceName, L"MS Shell Dlg", LF_FACESIZE - 1);
    return log;
}

LOGFONTW SystemLogFont()
{
    LOGFONTW log{};
    log.lfHeight = 16;
    log.lfWeight = FW_BOLD;
    log.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(log.lfFaceName, L"System", LF_FACESIZE - 1);
    return log;
}

} // namespace zt::win
