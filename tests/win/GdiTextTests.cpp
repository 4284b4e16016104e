#include "GdiTestSupport.h"

#include "platform/base/Encoding.h"
#include "platform/win/GdiDiagnostics.h"
#include "platform/win/gdi/TextLayoutCache.h"

#include <climits>
#include <cstring>
#include <cwchar>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

HFONT MakeFont(int height, const wchar_t* face, int weight = FW_NORMAL)
{
    return CreateFontW(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

LOGFONTW LogFont(int height, const wchar_t* face)
{
    LOGFONTW log{};
    log.lfHeight = height;
    log.lfWeight = FW_NORMAL;
    std::wcsncpy(log.lfFaceName, face, LF_FACESIZE - 1);
    return log;
}

} // namespace

TEST(GdiText, ExtentMatchesDrawnInkForLatinAndChineseText)
{
    const wchar_t* texts[] = {L"Hello, World", L"墙体属性", L"Wall 墙 42"};
    const wchar_t* faces[] = {L"MS Shell Dlg", L"宋体", L""};
    for (const wchar_t* face : faces) {
        for (const wchar_t* text : texts) {
            SCOPED_TRACE(testing::Message() << "face '" << zt::base::WideToUtf8(face) << "' text "
                                            << zt::base::WideToUtf8(text));
            Canvas c(200, 40);
            Selected font(c.dc, MakeFont(-12, face));
            SetBkMode(c.dc, TRANSPARENT);
            SIZE extent{};
            const int n = int(std::wcslen(text));
            ASSERT_TRUE(GetTextExtentPoint32W(c.dc, text, n, &extent));
            ASSERT_TRUE(TextOutW(c.dc, 10, 10, text, n));
            const RECT ink = c.InkBox();
            ASSERT_GT(ink.right, ink.left) << "nothing drawn";
            EXPECT_GE(ink.left, 10 - 1);
            EXPECT_LE(ink.right, 10 + extent.cx + 1);
            EXPECT_GE(ink.right - ink.left, extent.cx - 4);
            EXPECT_GE(ink.top, 10);
            EXPECT_LE(ink.bottom, 10 + extent.cy);
        }
    }
}

TEST(GdiText, ChineseCharactersAreFullWidth)
{
    Canvas c(10, 10);
    Selected font(c.dc, MakeFont(-12, L"宋体"));
    SIZE one{};
    SIZE four{};
    GetTextExtentPoint32W(c.dc, L"墙", 1, &one);
    GetTextExtentPoint32W(c.dc, L"墙体属性", 4, &four);
    EXPECT_GE(one.cx, 11);
    EXPECT_LE(one.cx, 13);
    EXPECT_EQ(four.cx, 4 * one.cx);
}

TEST(GdiText, WindowsFaceNamesFindInstalledFontsForChinese)
{
    for (const wchar_t* face : {L"宋体", L"SimSun", L"MS Shell Dlg", L"MS Shell Dlg 2", L"微软雅黑",
                                L"Microsoft YaHei", L""}) {
        SCOPED_TRACE(zt::base::WideToUtf8(face));
        EXPECT_EQ(zt::win::FontFamilyFor(LogFont(-12, face), L'墙'), "WenQuanYi Micro Hei");
    }
    EXPECT_EQ(zt::win::FontFamilyFor(LogFont(-12, L"MS Shell Dlg"), L'A'), "DejaVu Sans");
    EXPECT_EQ(zt::win::FontFamilyFor(LogFont(-12, L"宋体"), L'A'), "WenQuanYi Micro Hei");
}

TEST(GdiText, PositiveHeightIsTheCellAndNegativeTheCharacterHeight)
{
    Canvas c(10, 10);
    for (int height : {12, 15, 20, 32}) {
        SCOPED_TRACE(height);
        Selected cell(c.dc, MakeFont(height, L"宋体"));
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(c.dc, &tm));
        EXPECT_EQ(tm.tmHeight, height);
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        SIZE extent{};
        GetTextExtentPoint32W(c.dc, L"Ag", 2, &extent);
        EXPECT_EQ(extent.cy, height);
    }
    for (int height : {-12, -16}) {
        SCOPED_TRACE(height);
        Selected character(c.dc, MakeFont(height, L"MS Shell Dlg"));
        TEXTMETRICW tm{};
        GetTextMetricsW(c.dc, &tm);
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, -height);
        EXPECT_GT(tm.tmHeight, -height);
    }
}

TEST(GdiText, AFontPastTheLargestTheTextEngineMakesIsHeldToItAndStillMeasures)
{
    // A dialog template may ask for a 65,535-point font; FreeType makes none that large.
    Canvas c(10, 10);
    for (int height : {-87380, -2147483647, INT_MIN, 2147483647}) {
        SCOPED_TRACE(height);
        for (BYTE italic : {0, 1}) {
            HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, italic, 0, 0, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH, L"MS Shell Dlg");
            Selected held(c.dc, font);
            TEXTMETRICW tm{};
            ASSERT_TRUE(GetTextMetricsW(c.dc, &tm));
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 16384);
            EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
            SIZE extent{};
            ASSERT_TRUE(GetTextExtentPoint32W(c.dc, L"Ag", 2, &extent));
            EXPECT_GT(extent.cx, 1000);
            EXPECT_EQ(extent.cy, tm.tmHeight);
        }
    }
}

TEST(GdiText, BoldTextIsHeavierThanNormal)
{
    auto inkOf = [](int weight) {
        Canvas c(120, 30);
        Selected font(c.dc, MakeFont(-14, L"MS Shell Dlg", weight));
        SetBkMode(c.dc, TRANSPARENT);
        TextOutW(c.dc, 2, 2, L"Property", 8);
        int dark = 0;
        for (COLORREF p : c.Pixels())
            dark += 255 * 3 - (GetRValue(p) + GetGValue(p) + GetBValue(p));
        return dark;
    };
    EXPECT_GT(inkOf(FW_BOLD), inkOf(FW_NORMAL) * 6 / 5);
}

TEST(GdiText, TextIsAntiAliasedAndInTheTextColour)
{
    Canvas c(100, 30);
    Selected font(c.dc, MakeFont(-14, L"MS Shell Dlg"));
    SetBkMode(c.dc, TRANSPARENT);
    SetTextColor(c.dc, RGB(0, 0, 255));
    TextOutW(c.dc, 2, 2, L"Smooth", 6);
    int full = 0;
    int partial = 0;
    for (COLORREF p : c.Pixels()) {
        if (p == RGB(0, 0, 255))
            ++full;
        else if (p != kWhite) {
            ++partial;
            EXPECT_EQ(GetBValue(p), 255) << "blended towards blue only";
        }
    }
    EXPECT_GT(full, 0);
    EXPECT_GT(partial, 0);
}

TEST(GdiText, OpaqueBackgroundFillsTheTextCell)
{
    Canvas c(100, 30);
    Selected font(c.dc, MakeFont(16, L"MS Shell Dlg"));
    SetBkColor(c.dc, RGB(0, 255, 0));
    SIZE extent{};
    GetTextExtentPoint32W(c.dc, L"cell", 4, &extent);
    TextOutW(c.dc, 5, 5, L"cell", 4);
    EXPECT_EQ(c.At(5, 5), RGB(0, 255, 0));
    EXPECT_EQ(c.At(5 + extent.cx - 1, 5 + 15), RGB(0, 255, 0));
    EXPECT_EQ(c.At(5 + extent.cx, 5), kWhite);
    EXPECT_EQ(c.At(5, 5 + 16), kWhite);
}

TEST(GdiText, AlignmentMovesTheReferencePoint)
{
    Canvas c(200, 60);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkMode(c.dc, TRANSPARENT);
    SIZE extent{};
    GetTextExtentPoint32W(c.dc, L"Right", 5, &extent);
    SetTextAlign(c.dc, TA_RIGHT | TA_BOTTOM);
    TextOutW(c.dc, 150, 40, L"Right", 5);
    const RECT ink = c.InkBox();
    EXPECT_LE(ink.right, 151);
    EXPECT_GE(ink.left, 150 - extent.cx - 1);
    EXPECT_LE(ink.bottom, 40);
    EXPECT_GE(ink.top, 40 - extent.cy);
}

TEST(GdiText, ExtTextOutOpaqueRectangleAndClipping)
{
    Canvas c(100, 30);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkColor(c.dc, RGB(255, 255, 0));
    RECT r{10, 5, 30, 20};
    ExtTextOutW(c.dc, 12, 6, ETO_OPAQUE | ETO_CLIPPED, &r, L"WWWWWWWWWW", 10, nullptr);
    EXPECT_EQ(c.At(10, 5), RGB(255, 255, 0));
    EXPECT_EQ(c.At(29, 19), RGB(255, 255, 0));
    const RECT ink = c.InkBox();
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 30) << "text cut at the rectangle";
}

TEST(GdiText, DrawTextCalcRectMeasuresLines)
{
    Canvas c(10, 10);
    Selected font(c.dc, MakeFont(16, L"MS Shell Dlg"));
    SIZE wide{};
    GetTextExtentPoint32W(c.dc, L"second line", 11, &wide);
    RECT r{0, 0, 0, 0};
    const int h = DrawTextW(c.dc, L"first\r\nsecond line\nthird", -1, &r, DT_CALCRECT);
    EXPECT_EQ(h, 48);
    EXPECT_EQ(r.bottom, 48);
    EXPECT_EQ(r.right, wide.cx);

    RECT single{0, 0, 0, 0};
    EXPECT_EQ(DrawTextW(c.dc, L"a\nb", -1, &single, DT_CALCRECT | DT_SINGLELINE), 16);
}

TEST(GdiText, DrawTextWordBreakWrapsToTheRectangleWidth)
{
    Canvas c(10, 10);
    Selected font(c.dc, MakeFont(16, L"宋体"));
    RECT r{0, 0, 60, 0};
    const int h =
        DrawTextW(c.dc, L"墙体 属性 面板 显示 选中 对象", -1, &r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(h, 3 * 16);
    EXPECT_EQ(r.right, 60) << "wrapped text keeps the width it was given";
}

TEST(GdiText, DrawTextCentresSingleLineInTheRectangle)
{
    Canvas c(200, 60);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkMode(c.dc, TRANSPARENT);
    RECT r{0, 0, 200, 60};
    DrawTextW(c.dc, L"Centre", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const RECT ink = c.InkBox();
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 3);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 30, 4);

    Canvas right(200, 30);
    Selected font2(right.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkMode(right.dc, TRANSPARENT);
    RECT rr{0, 0, 190, 30};
    DrawTextW(right.dc, L"Right", -1, &rr, DT_RIGHT | DT_SINGLELINE);
    EXPECT_LE(right.InkBox().right, 191);
    EXPECT_GE(right.InkBox().right, 185);
}

TEST(GdiText, DrawTextEllipsisKeepsTextInsideTheRectangle)
{
    Canvas c(200, 30);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkMode(c.dc, TRANSPARENT);
    RECT r{0, 0, 60, 20};
    DrawTextW(c.dc, L"A rather long property name", -1, &r,
              DT_END_ELLIPSIS | DT_SINGLELINE | DT_NOCLIP);
    const RECT ink = c.InkBox();
    EXPECT_GT(ink.right, 30);
    EXPECT_LE(ink.right, 61);
}

TEST(GdiText, DrawTextPrefixesAreHiddenUnlessNoPrefix)
{
    Canvas c(10, 10);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    RECT withPrefix{0, 0, 0, 0};
    RECT plain{0, 0, 0, 0};
    RECT noPrefix{0, 0, 0, 0};
    RECT doubled{0, 0, 0, 0};
    RECT amp{0, 0, 0, 0};
    DrawTextW(c.dc, L"&File", -1, &withPrefix, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(c.dc, L"File", -1, &plain, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(c.dc, L"&File", -1, &noPrefix, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    DrawTextW(c.dc, L"A&&B", -1, &doubled, DT_CALCRECT | DT_SINGLELINE);
    DrawTextW(c.dc, L"A&B", -1, &amp, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(withPrefix.right, plain.right);
    EXPECT_GT(noPrefix.right, plain.right);
    EXPECT_EQ(doubled.right, amp.right);
}

TEST(GdiText, RepaintingUnchangedTextCreatesNoLayout)
{
    Canvas c(200, 40);
    auto paint = [&c] {
        HFONT font = MakeFont(-12, L"宋体");
        HGDIOBJ old = SelectObject(c.dc, font);
        TextOutW(c.dc, 0, 0, L"墙厚 240", 6);
        RECT r{0, 20, 200, 40};
        DrawTextW(c.dc, L"Height", -1, &r, DT_SINGLELINE | DT_VCENTER);
        SIZE s;
        GetTextExtentPoint32W(c.dc, L"墙厚 240", 6, &s);
        SelectObject(c.dc, old);
        DeleteObject(font); // a new font each paint, as owner-drawn controls do
    };
    paint();
    const auto created = zt::win::GetTextLayoutCreateCount();
    paint();
    paint();
    EXPECT_EQ(zt::win::GetTextLayoutCreateCount(), created);
    TextOutW(c.dc, 0, 0, L"changed", 7);
    EXPECT_EQ(zt::win::GetTextLayoutCreateCount(), created + 1);
}

TEST(GdiText, DefaultGuiFontMeasuresAndDraws)
{
    Canvas c(100, 30);
    SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(c.dc, &tm));
    EXPECT_GE(tm.tmHeight, 13);
    EXPECT_LE(tm.tmHeight, 17);
    wchar_t face[LF_FACESIZE] = {};
    EXPECT_GT(GetTextFaceW(c.dc, LF_FACESIZE, face), 0);
    EXPECT_STREQ(face, L"MS Shell Dlg");
    SetBkMode(c.dc, TRANSPARENT);
    TextOutA(c.dc, 0, 0, "ansi", 4);
    EXPECT_GT(c.InkBox().right, 0);
}

TEST(GdiText, FontObjectsRoundTripTheirLogFont)
{
    LOGFONTW in = LogFont(-13, L"微软雅黑");
    in.lfWeight = FW_BOLD;
    in.lfItalic = 1;
    HFONT font = CreateFontIndirectW(&in);
    LOGFONTW out{};
    ASSERT_EQ(GetObjectW(font, sizeof(out), &out), int(sizeof(out)));
    EXPECT_EQ(out.lfHeight, -13);
    EXPECT_EQ(out.lfWeight, FW_BOLD);
    EXPECT_EQ(out.lfItalic, 1);
    EXPECT_STREQ(out.lfFaceName, L"微软雅黑");
    LOGFONTA ansi{};
    ASSERT_EQ(GetObjectA(font, sizeof(ansi), &ansi), int(sizeof(ansi)));
    EXPECT_EQ(zt::base::AnsiToWide(ansi.lfFaceName), L"微软雅黑");
    DeleteObject(font);
}

TEST(GdiText, DrawTextWithMoreParagraphsThanTheCacheHolds)
{
    Canvas c(100, 40);
    Selected font(c.dc, MakeFont(10, L"MS Shell Dlg"));
    std::wstring text;
    for (int i = 0; i < 5000; ++i)
        text += std::to_wstring(i) + L"\n";
    RECT r{0, 0, 100, 40};
    EXPECT_EQ(DrawTextW(c.dc, text.c_str(), int(text.size()), &r, DT_NOCLIP), 5001 * 10);
    EXPECT_GT(c.InkBox().right, 0);
}

TEST(GdiText, CharacterEdgesAddUpToTheExtent)
{
    Canvas c(10, 10);
    Selected font(c.dc, MakeFont(-12, L"宋体"));
    const wchar_t* text = L"墙A 1b体";
    const int n = int(std::wcslen(text));
    SIZE whole{};
    GetTextExtentPoint32W(c.dc, text, n, &whole);
    std::vector<int> dx(size_t(n), 0);
    int fit = -1;
    SIZE size{};
    ASSERT_TRUE(GetTextExtentExPointW(c.dc, text, n, -1, &fit, dx.data(), &size));
    EXPECT_EQ(fit, n);
    EXPECT_EQ(size.cx, whole.cx);
    EXPECT_EQ(dx.back(), whole.cx);
    for (int i = 1; i < n; ++i)
        EXPECT_GT(dx[size_t(i)], dx[size_t(i - 1)]) << i;
    for (int i = 1; i <= n; ++i) {
        SIZE prefix{};
        GetTextExtentPoint32W(c.dc, text, i, &prefix);
        EXPECT_NEAR(prefix.cx, dx[size_t(i - 1)], 1) << "prefix of " << i;
    }
    ASSERT_TRUE(GetTextExtentExPointW(c.dc, text, n, dx[2], &fit, nullptr, nullptr));
    EXPECT_EQ(fit, 3);
    int widths[2] = {};
    ASSERT_TRUE(GetCharWidth32W(c.dc, L'A', L'B', widths));
    EXPECT_GT(widths[0], 3);
    EXPECT_EQ(SetMapMode(c.dc, MM_TEXT), MM_TEXT);
    EXPECT_EQ(SetMapMode(c.dc, 2), 0) << "only MM_TEXT";
}

TEST(GdiText, LogFontWidthNarrowsTheText)
{
    auto measure = [](int width) {
        Canvas c(300, 30);
        HFONT font = CreateFontW(15, width, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                 PROOF_QUALITY, 0x12, L"");
        HGDIOBJ old = SelectObject(c.dc, font);
        SIZE s{};
        GetTextExtentPoint32W(c.dc, L"Collapsible group", 17, &s);
        SetBkMode(c.dc, TRANSPARENT);
        TextOutW(c.dc, 0, 0, L"Collapsible group", 17);
        const RECT ink = c.InkBox();
        TEXTMETRICW tm{};
        GetTextMetricsW(c.dc, &tm);
        SelectObject(c.dc, old);
        DeleteObject(font);
        return std::tuple{s.cx, ink.right, tm.tmAveCharWidth, s.cy};
    };
    const auto [natural, naturalInk, naturalAve, naturalHeight] = measure(0);
    const auto [narrow, narrowInk, narrowAve, narrowHeight] = measure(naturalAve * 2 / 3);
    EXPECT_EQ(narrowAve, naturalAve * 2 / 3);
    EXPECT_NEAR(double(narrow) / natural, 2.0 / 3, 0.08);
    EXPECT_LE(narrowInk, narrow + 1) << "drawn as narrow as measured";
    EXPECT_GT(narrowInk, narrow * 3 / 4);
    EXPECT_EQ(narrowHeight, naturalHeight) << "width leaves the height alone";
}

TEST(GdiText, ExtTextOutPlacesCharactersAtExplicitAdvances)
{
    Canvas c(200, 30);
    Selected font(c.dc, MakeFont(-12, L"MS Shell Dlg"));
    SetBkMode(c.dc, TRANSPARENT);
    const INT dx[3] = {40, 40, 40};
    ASSERT_TRUE(ExtTextOutW(c.dc, 0, 0, 0, nullptr, L"iii", 3, dx));
    // Three narrow glyphs 40 pixels apart: ink in three separate columns.
    int columns = 0;
    bool inInk = false;
    for (int x = 0; x < 200; ++x) {
        bool ink = false;
        for (int y = 0; y < 30 && !ink; ++y)
            ink = c.At(x, y) != RGB(255, 255, 255);
        columns += ink && !inInk;
        inInk = ink;
    }
    EXPECT_EQ(columns, 3);
    EXPECT_GE(c.InkBox().right, 80);
    EXPECT_LT(c.InkBox().right, 95);
}

// A clip of many boxes (a window clipping out its children) must cut text exactly where an
// unclipped drawing has ink: text inside one box keeps all of it, italics leaning out of the
// character cells included, and text across a hole loses only what is in the hole.
TEST(GdiText, TextUnderAClipOfManyBoxesMatchesTheUnclippedDrawing)
{
    const HFONT italic = CreateFontW(-20, 0, 0, 0, FW_NORMAL, TRUE, 0, 0, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                     DEFAULT_PITCH, L"MS Shell Dlg");
    auto draw = [italic](Canvas& c) {
        SelectObject(c.dc, italic);
        SetBkMode(c.dc, TRANSPARENT);
        TextOutW(c.dc, 4, 12, L"Wall fff 墙体", 11);
    };
    Canvas whole(160, 40);
    draw(whole);
    ASSERT_LT(whole.Count(kWhite), 160 * 40) << "the text leaves ink";

    struct Hole
    {
        RECT rect;
        bool crossesText;
    };
    for (const Hole& hole : {Hole{{150, 0, 155, 4}, false}, Hole{{40, 0, 70, 40}, true}}) {
        SCOPED_TRACE(hole.crossesText ? "hole across the text" : "hole away from the text");
        Canvas clipped(160, 40);
        const RECT& h = hole.rect;
        ExcludeClipRect(clipped.dc, h.left, h.top, h.right, h.bottom);
        draw(clipped);
        SelectClipRgn(clipped.dc, nullptr);
        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 160; ++x) {
                const bool inHole = x >= h.left && x < h.right && y >= h.top && y < h.bottom;
                differing += clipped.At(x, y) != (inHole ? kWhite : whole.At(x, y));
            }
        EXPECT_EQ(differing, 0);
    }
    DeleteObject(italic);
}

// Numbers and Latin text are shaped without a layout; what TextOut draws and measures of them
// must be exactly what a layout of the same text gives (DrawText keeps to layouts), in every
// face a dialog or a cursor-side box uses: kerning pairs, spaces, signs, brackets, bold,
// italic and narrowed fonts included.
TEST(GdiText, NumbersAndLatinTextDrawAndMeasureAsTheirLayoutsDo)
{
    const wchar_t* texts[] = {L"3600",       L"-423.5",   L"155.7°",         L"AVATAR Tea",
                              L"  x = (a+b)", L"WAVE/To.", L"Wall 12 fi ffl", L"~!@#$%^&*_|"};
    struct Face
    {
        int height;
        int width;
        int weight;
        BYTE italic;
        const wchar_t* name;
    };
    const Face faces[] = {{-12, 0, FW_NORMAL, 0, L"宋体"},
                          {-12, 0, FW_NORMAL, 0, L"MS Shell Dlg"},
                          {-16, 0, FW_BOLD, 0, L"Arial"},
                          {-20, 0, FW_NORMAL, TRUE, L""},
                          {15, 5, FW_BOLD, 0, L""}};
    for (const Face& f : faces) {
        for (const wchar_t* text : texts) {
            SCOPED_TRACE(testing::Message() << "face '" << zt::base::WideToUtf8(f.name) << "' "
                                            << f.height << " text " << zt::base::WideToUtf8(text));
            const int n = int(std::wcslen(text));
            auto font = [&] {
                return CreateFontW(f.height, f.width, 0, 0, f.weight, f.italic, 0, 0,
                                   DEFAULT_CHARSET, 0, 0, 0, 0, f.name);
            };
            Canvas drawn(320, 40);
            Selected a(drawn.dc, font());
            SetBkMode(drawn.dc, TRANSPARENT);
            SetTextColor(drawn.dc, RGB(20, 40, 160));
            ASSERT_TRUE(TextOutW(drawn.dc, 7, 5, text, n));
            Canvas laidOut(320, 40);
            Selected b(laidOut.dc, font());
            SetBkMode(laidOut.dc, TRANSPARENT);
            SetTextColor(laidOut.dc, RGB(20, 40, 160));
            RECT r{7, 5, 320, 40};
            ASSERT_GT(DrawTextW(laidOut.dc, text, n, &r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP),
                      0);
            EXPECT_EQ(drawn.Pixels(), laidOut.Pixels());
            EXPECT_GT(drawn.Count(RGB(255, 255, 255)), 0);

            SIZE extent{};
            ASSERT_TRUE(GetTextExtentPoint32W(drawn.dc, text, n, &extent));
            RECT calc{0, 0, 0, 0};
            DrawTextW(laidOut.dc, text, n, &calc, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
            EXPECT_EQ(extent.cx, calc.right);
        }
    }
}

TEST(GdiText, DirectlyShapedLinesKeepTheLayoutsExtentsAndCharacterEdges)
{
    LOGFONTW log = LogFont(-13, L"宋体");
    const auto face = zt::win::ResolveFontFace(log);
    log.lfUnderline = TRUE; // an underline is a layout attribute: such a face keeps to layouts
    const auto underlined = zt::win::ResolveFontFace(log);
    for (const wchar_t* text : {L"1", L"-2048.75", L"Tab To AV", L" (x) ", L"Lv.9 Wa"}) {
        SCOPED_TRACE(zt::base::WideToUtf8(text));
        const zt::win::ShapedLine& line = zt::win::CachedLine(*face, text);
        EXPECT_TRUE(line.Direct());
        EXPECT_FALSE(zt::win::CachedLine(*underlined, text).Direct());
        PangoLayoutLine* laid = pango_layout_get_line_readonly(zt::win::CachedLayout(*face, text), 0);
        PangoRectangle ink{}, logical{}, laidInk{}, laidLogical{};
        line.GetExtents(&ink, &logical);
        pango_layout_line_get_extents(laid, &laidInk, &laidLogical);
        EXPECT_EQ(std::tie(ink.x, ink.y, ink.width, ink.height),
                  std::tie(laidInk.x, laidInk.y, laidInk.width, laidInk.height));
        EXPECT_EQ(std::tie(logical.x, logical.y, logical.width, logical.height),
                  std::tie(laidLogical.x, laidLogical.y, laidLogical.width, laidLogical.height));
        const int bytes = int(std::wcslen(text));
        for (int i = 0; i <= bytes; ++i) {
            int x = 0;
            pango_layout_line_index_to_x(laid, i, FALSE, &x);
            EXPECT_EQ(line.IndexToX(i), x) << "edge " << i;
        }
    }
    EXPECT_FALSE(zt::win::CachedLine(*face, L"墙 240").Direct());
    EXPECT_FALSE(zt::win::CachedLine(*face, L"a\tb").Direct()) << "a tab is not printable";
}
