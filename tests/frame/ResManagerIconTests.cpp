// The icon manager: loading icon libraries, keys in lower case without blanks, later icons
// replacing earlier ones, and the reference host's "pick_point" icon.
#include "apps/ztui-demo/icons/PickPointGlyph.h"
#include "platform/win/Modules.h"
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/ResManagerIcon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using resman::ResManagerIcon;

namespace {

std::wstring ProbePath(int n)
{
    wchar_t exe[4096];
    GetModuleFileNameW(nullptr, exe, 4096);
    std::wstring dir(exe);
    dir.resize(dir.rfind(L'/'));
    return dir + L"/iconprobe/ZTIconProbe" + std::to_wstring(n) + L".dll";
}

SIZE IconSize(HICON icon)
{
    ICONINFO ii{};
    SIZE s{};
    if (GetIconInfo(icon, &ii)) {
        BITMAP bm{};
        GetObjectW(ii.hbmColor, sizeof bm, &bm);
        s = {bm.bmWidth, bm.bmHeight};
        DeleteObject(ii.hbmColor);
        if (ii.hbmMask)
            DeleteObject(ii.hbmMask);
    }
    return s;
}

// The icon drawn at its own size on white; the pixel at (x, y).
COLORREF IconPixel(HICON icon, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, 16, 16};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return c;
}

std::vector<std::wstring> Keys(const resman::IResManagerIcon& icons)
{
    std::vector<std::wstring> keys;
    auto it = icons.iterate();
    while (it->next()) {
        EXPECT_NE(it->icon(), nullptr);
        keys.emplace_back(it->name());
    }
    return keys;
}

struct ResManagerIconTest : ::testing::Test
{
    DesktopFixture desk;
    ResManagerIcon icons;
};

} // namespace

TEST_F(ResManagerIconTest, LoadAddsOneSixteenPixelIconPerIconGroup)
{
    ASSERT_TRUE(icons.load(ProbePath(1).c_str()));
    EXPECT_EQ(Keys(icons), (std::vector<std::wstring>{L"#7", L"arrow", L"pick_point"}));
    struct Case
    {
        const wchar_t* name;
        COLORREF color;
    };
    for (const Case& c : {Case{L"pick_point", RGB(255, 0, 0)}, Case{L"arrow", RGB(0, 255, 0)},
                          Case{L"#7", RGB(0, 0, 255)}}) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.name).size());
        HICON icon = icons.find(c.name);
        ASSERT_NE(icon, nullptr);
        SIZE size = IconSize(icon);
        EXPECT_EQ(size.cx, 16);
        EXPECT_EQ(size.cy, 16);
        EXPECT_EQ(IconPixel(icon, 8, 8), c.color);
    }
    // The icons are copies: the library is not kept loaded.
    EXPECT_EQ(GetModuleHandleW(L"ZTIconProbe1.dll"), nullptr);
}

TEST_F(ResManagerIconTest, NamesAreFoundWithoutRegardToCaseOrSurroundingBlanks)
{
    ASSERT_TRUE(icons.load(ProbePath(1).c_str()));
    HICON pick = icons.find(L"pick_point");
    ASSERT_NE(pick, nullptr);
    for (const wchar_t* name : {L"PICK_POINT", L"  Pick_Point ", L"\tpick_point\n"}) {
        SCOPED_TRACE(testing::Message() << std::wstring(name).size());
        EXPECT_EQ(icons.find(name), pick);
    }
    for (const wchar_t* name : {L"pick point", L"pick", L"", L"   "}) {
        SCOPED_TRACE(testing::Message() << std::wstring(name).size());
        EXPECT_EQ(icons.find(name), nullptr);
    }
    EXPECT_EQ(icons.find(nullptr), nullptr);
    EXPECT_EQ(ResManagerIcon::Key(L" \tMiXed Name \r\n"), L"mixed name");
}

TEST_F(ResManagerIconTest, ALaterIconWithTheSameKeyReplacesTheEarlierOne)
{
    ASSERT_TRUE(icons.load(ProbePath(1).c_str()));
    HICON red = icons.find(L"pick_point");
    ASSERT_TRUE(icons.load(ProbePath(2).c_str()));
    HICON yellow = icons.find(L"pick_point");
    ASSERT_NE(yellow, nullptr);
    EXPECT_NE(yellow, red);
    EXPECT_EQ(IconPixel(yellow, 8, 8), RGB(255, 255, 0));
    // The rest stays, and whoever still draws the replaced icon draws it whole.
    EXPECT_EQ(Keys(icons), (std::vector<std::wstring>{L"#7", L"arrow", L"pick_point"}));
    EXPECT_EQ(IconPixel(red, 8, 8), RGB(255, 0, 0));

    // Loading the first library again brings its icon back.
    ASSERT_TRUE(icons.load(ProbePath(1).c_str()));
    EXPECT_EQ(IconPixel(icons.find(L"pick_point"), 8, 8), RGB(255, 0, 0));
}

TEST_F(ResManagerIconTest, LibrariesThatCannotBeReadAddNothing)
{
    const std::wstring noIcons = ProbePath(3);
    const std::wstring missing = ProbePath(9);
    for (const wchar_t* file : {noIcons.c_str(), missing.c_str(), L"", L"NoSuchLibrary.dll"}) {
        SCOPED_TRACE(testing::Message() << std::wstring(file).size());
        EXPECT_FALSE(icons.load(file));
    }
    EXPECT_FALSE(icons.load(nullptr));
    EXPECT_TRUE(Keys(icons).empty());
    EXPECT_FALSE(icons.iterate()->next());
}

TEST_F(ResManagerIconTest, AnIteratorWalksTheIconsAsTheyWereWhenItBegan)
{
    ASSERT_TRUE(icons.load(ProbePath(2).c_str()));
    auto it = icons.iterate();
    ASSERT_TRUE(icons.load(ProbePath(1).c_str()));
    ASSERT_TRUE(it->next());
    EXPECT_EQ(std::wstring(it->name()), L"pick_point");
    EXPECT_EQ(IconPixel(it->icon(), 8, 8), RGB(255, 255, 0));
    EXPECT_FALSE(it->next());
}

TEST_F(ResManagerIconTest, ThePublishedManagerLoadsTheReferenceHostsPickIcon)
{
    auto published = zt::ComponentRegistry::instance().query<resman::IResManagerIcon>(
        resman::kResManagerIconName);
    ASSERT_NE(published, nullptr);
    // The host's library lies beside the program and is found by its name alone.
    ASSERT_TRUE(published->load(L"ZTDemoIcons.dll"));
    HICON pick = published->find(L"pick_point");
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(IconSize(pick).cx, 16);
    const COLORREF centre =
        RGB((ztdemo::kPickPointCentre >> 16) & 0xFF, (ztdemo::kPickPointCentre >> 8) & 0xFF,
            ztdemo::kPickPointCentre & 0xFF);
    EXPECT_EQ(IconPixel(pick, 7, 7), centre);
    // The arms are crisp lines through the centre; the corners stay clear.
    const COLORREF ink = RGB((ztdemo::kPickPointInk >> 16) & 0xFF,
                             (ztdemo::kPickPointInk >> 8) & 0xFF, ztdemo::kPickPointInk & 0xFF);
    for (POINT p : {POINT{2, 7}, POINT{13, 7}, POINT{7, 2}, POINT{7, 13}}) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(IconPixel(pick, p.x, p.y), ink);
    }
    EXPECT_EQ(IconPixel(pick, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(IconPixel(pick, 15, 15), RGB(255, 255, 255));
}
