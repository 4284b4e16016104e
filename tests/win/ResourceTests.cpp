// Resource modules: lookup by id and by name, the extension-module chain, the current resource
// handle, strings, icons at a size, and message boxes.
#include "platform/win/afxwin.h"
#include "tests/win/DialogTestSupport.h"

namespace {

HINSTANCE Module(std::uintptr_t n)
{
    return reinterpret_cast<HINSTANCE>(n);
}

zt::win::IconImage Solid(int size, std::uint32_t argb)
{
    return {size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, argb)};
}

COLORREF IconPixel(HICON icon, int size, int x, int y)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, size, size};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return c;
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

class ResourceTest : public ::testing::Test
{
protected:
    void SetUp() override { saved = AfxGetResourceHandle(); }
    void TearDown() override
    {
        AfxSetResourceHandle(saved);
        for (HINSTANCE m : {host, library, other})
            zt::win::ResourceModule::RemoveModule(m);
    }

    DesktopFixture desk;
    HINSTANCE saved = nullptr;
    const HINSTANCE host = Module(0x7200000);
    const HINSTANCE library = Module(0x7300000);
    const HINSTANCE other = Module(0x7400000);
};

TEST_F(ResourceTest, NamesAreIdsOrCaseInsensitiveStringsAndHashNumbersAreIds)
{
    using zt::win::ResourceModule;
    ASSERT_TRUE(ResourceModule::AddIcon(host, MAKEINTRESOURCEW(201), {Solid(16, 0xFF00FF00)}));
    ASSERT_TRUE(ResourceModule::AddIcon(host, L"Wall", {Solid(16, 0xFF0000FF)}));
    EXPECT_TRUE(ResourceModule::FindIcon(host, L"#201").has_value());
    EXPECT_TRUE(ResourceModule::FindIcon(host, L"WALL").has_value());
    EXPECT_TRUE(FindResourceW(host, L"wall", RT_GROUP_ICON));
    EXPECT_FALSE(FindResourceW(host, L"wall", RT_DIALOG));
    EXPECT_FALSE(FindResourceW(library, L"wall", RT_GROUP_ICON));
    EXPECT_FALSE(ResourceModule::AddIcon(host, L"Bad", {{4, 4, {1, 2, 3}}}));
    EXPECT_FALSE(ResourceModule::AddIcon(host, nullptr, {Solid(4, 0)}));
    EXPECT_FALSE(ResourceModule::AddIcon(host, L"Empty", {}));
}

TEST_F(ResourceTest, ChainIsSearchedAfterTheCurrentModuleAndSwitchingIsRestored)
{
    using zt::win::ResourceModule;
    ResourceModule::AddString(host, 100, L"host text");
    ResourceModule::AddString(library, 100, L"library text");
    ResourceModule::AddString(library, 101, L"only in the library");
    AFX_EXTENSION_MODULE ext;
    ASSERT_TRUE(AfxInitExtensionModule(ext, library));
    EXPECT_FALSE(AfxInitExtensionModule(ext, library));
    auto* link = new CDynLinkLibrary(ext);
    (void)link;

    AfxSetResourceHandle(host);
    CString s;
    EXPECT_TRUE(s.LoadString(100));
    EXPECT_EQ(s, CString(L"host text"));
    EXPECT_TRUE(s.LoadString(101));
    EXPECT_EQ(s, CString(L"only in the library"));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(101), RT_STRING), library);

    // A library selects its own module for its dialogs and strings, then gives it back.
    {
        HINSTANCE previous = AfxGetResourceHandle();
        AfxSetResourceHandle(library);
        EXPECT_TRUE(s.LoadString(100));
        EXPECT_EQ(s, CString(L"library text"));
        AfxSetResourceHandle(previous);
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
    EXPECT_TRUE(s.LoadString(100));
    EXPECT_EQ(s, CString(L"host text"));

    AfxTermExtensionModule(ext);
    EXPECT_FALSE(ext.bInitialized);
    EXPECT_FALSE(s.LoadString(101));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(101), RT_STRING), nullptr);
}

TEST_F(ResourceTest, LoadStringCopiesTruncatesAndHandsOutTheStringItself)
{
    zt::win::ResourceModule::AddString(host, 7, L"墙体 wall");
    wchar_t buf[32];
    EXPECT_EQ(LoadStringW(host, 7, buf, 32), 7);
    EXPECT_STREQ(buf, L"墙体 wall");
    EXPECT_EQ(LoadStringW(host, 7, buf, 4), 3);
    EXPECT_STREQ(buf, L"墙体 ");
    const wchar_t* direct = nullptr;
    EXPECT_EQ(LoadStringW(host, 7, reinterpret_cast<LPWSTR>(&direct), 0), 7);
    EXPECT_EQ(std::wstring(direct, 7), L"墙体 wall");
    EXPECT_EQ(LoadStringW(host, 8, buf, 32), 0);
    EXPECT_STREQ(buf, L"");
    EXPECT_EQ(LoadStringW(host, 7, nullptr, 32), 0);
    CString s;
    EXPECT_TRUE(s.LoadString(host, 7));
    EXPECT_FALSE(s.LoadString(other, 7));
}

TEST_F(ResourceTest, LoadImagePicksTheSizeOrScalesTheNearestLargerImage)
{
    zt::win::ResourceModule::AddIcon(
        host, MAKEINTRESOURCEW(300),
        {Solid(16, 0xFFFF0000), Solid(32, 0xFF00FF00), Solid(64, 0xFF0000FF)});
    struct Case
    {
        int size;
        COLORREF colour;
    } cases[] = {{16, RGB(255, 0, 0)}, {32, RGB(0, 255, 0)}, {64, RGB(0, 0, 255)},
                 {24, RGB(0, 255, 0)}, {48, RGB(0, 0, 255)}, {96, RGB(0, 0, 255)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        auto icon = static_cast<HICON>(
            LoadImageW(host, MAKEINTRESOURCEW(300), IMAGE_ICON, c.size, c.size, 0));
        ASSERT_NE(icon, nullptr);
        SIZE s = IconSize(icon);
        EXPECT_EQ(s.cx, c.size);
        EXPECT_EQ(s.cy, c.size);
        EXPECT_EQ(IconPixel(icon, c.size, c.size / 2, c.size / 2), c.colour);
        DestroyIcon(icon);
    }
    HICON shared = LoadIconW(host, MAKEINTRESOURCEW(300));
    EXPECT_EQ(shared, LoadIconW(host, MAKEINTRESOURCEW(300)));
    EXPECT_EQ(IconSize(shared).cx, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(LoadImageW(host, MAKEINTRESOURCEW(301), IMAGE_ICON, 16, 16, 0), nullptr);
    EXPECT_EQ(LoadImageW(host, MAKEINTRESOURCEW(300), IMAGE_BITMAP, 16, 16, 0), nullptr);
    // Shared icons go with their module.
    zt::win::ResourceModule::RemoveModule(host);
    ICONINFO ii{};
    EXPECT_FALSE(GetIconInfo(shared, &ii));
    EXPECT_EQ(LoadIconW(host, MAKEINTRESOURCEW(300)), nullptr);
}

TEST_F(ResourceTest, ScalingDownAveragesColourByCoverage)
{
    // Half transparent black, half opaque white, in columns: the 1-pixel image is white at
    // half coverage, not grey.
    zt::win::IconImage image{2, 2, {0x00000000, 0xFFFFFFFF, 0x00000000, 0xFFFFFFFF}};
    auto picked = zt::win::ResourceModule::SelectIconImage({image}, 1, 1);
    ASSERT_EQ(picked.argb.size(), 1u);
    EXPECT_EQ(picked.argb[0], 0x80FFFFFFu);
}

TEST_F(ResourceTest, StaticIconsInTemplatesComeFromTheDialogsModule)
{
    zt::win::ResourceModule::AddIcon(host, MAKEINTRESOURCEW(400), {Solid(32, 0xFF0000FF)});
    zt::win::DialogTemplate t = OkCancelTemplate();
    zt::win::DialogItemTemplate icon = Item(L"Static", L"", 50, SS_ICON, 150, 5, 20, 20);
    icon.iconId = 400;
    t.items.push_back(icon);
    zt::win::ResourceModule::AddDialog(host, MAKEINTRESOURCEW(500), t);
    HWND dlg = CreateDialogParamW(
        host, MAKEINTRESOURCEW(500), nullptr,
        [](HWND, UINT m, WPARAM, LPARAM) -> INT_PTR { return m == WM_INITDIALOG; }, 0);
    ASSERT_NE(dlg, nullptr);
    HWND st = GetDlgItem(dlg, 50);
    HICON loaded = reinterpret_cast<HICON>(SendMessageW(st, STM_GETICON, 0, 0));
    EXPECT_EQ(loaded, LoadIconW(host, MAKEINTRESOURCEW(400)));
    RECT r;
    GetWindowRect(st, &r);
    EXPECT_EQ(desk.pixel(r.left + 10, r.top + 10), RGB(0, 0, 255));
    DestroyWindow(dlg);
}

TEST_F(ResourceTest, MessageBoxIsAnsweredByTheResponderWithItsArguments)
{
    std::wstring seenText, seenCaption;
    UINT seenType = 0;
    zt::win::SetMessageBoxResponder(
        [&](HWND, const wchar_t* text, const wchar_t* caption, UINT type) {
            seenText = text;
            seenCaption = caption;
            seenType = type;
            return IDNO;
        });
    EXPECT_EQ(MessageBoxW(nullptr, L"删除所选构件?", L"ZTUi", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seenText, L"删除所选构件?");
    EXPECT_EQ(seenCaption, L"ZTUi");
    EXPECT_EQ(seenType, MB_YESNO | MB_ICONQUESTION);
    zt::win::ResourceModule::AddString(host, 9, L"from the table");
    AfxSetResourceHandle(host);
    EXPECT_EQ(AfxMessageBox(9, MB_OK), IDNO);
    EXPECT_EQ(seenText, L"from the table");
    zt::win::SetMessageBoxResponder(nullptr);
}

TEST_F(ResourceTest, WithoutAResponderAModalBoxWaitsForTheUser)
{
    zt::win::SetMessageBoxResponder(nullptr);
    HWND box = nullptr;
    std::wstring title;
    ScriptedInput input({[&] {
                             box = GetActiveWindow();
                             wchar_t buf[64];
                             GetWindowTextW(box, buf, 64);
                             title = buf;
                             // Tab to "No", then Enter presses the focused button.
                             ScriptedInput::Press(VK_TAB)();
                         },
                         ScriptedInput::Press(VK_RETURN)});
    EXPECT_EQ(MessageBoxW(nullptr, L"Save changes?", L"Project", MB_YESNO), IDNO);
    EXPECT_EQ(title, L"Project");
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(ResourceTest, SystemIconsAreDrawnAtTheirSizes)
{
    struct Case
    {
        LPCWSTR name;
        COLORREF centreish;
        double u, v;
    } cases[] = {{IDI_ERROR, RGB(255, 255, 255), 0.5, 0.5},
                 {IDI_WARNING, RGB(0, 0, 0), 0.5, 0.45},
                 {IDI_INFORMATION, RGB(255, 255, 255), 0.5, 0.6},
                 {IDI_QUESTION, RGB(255, 255, 255), 0.5, 0.76}};
    for (const Case& c : cases) {
        for (int size : {16, 32, 48}) {
            SCOPED_TRACE(size);
            auto icon = static_cast<HICON>(LoadImageW(nullptr, c.name, IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(IconSize(icon).cx, size);
            COLORREF p =
                IconPixel(icon, size, static_cast<int>(c.u * size), static_cast<int>(c.v * size));
            EXPECT_LT(std::abs(GetRValue(p) - GetRValue(c.centreish)), 40);
            EXPECT_LT(std::abs(GetGValue(p) - GetGValue(c.centreish)), 40);
            EXPECT_LT(std::abs(GetBValue(p) - GetBValue(c.centreish)), 40);
            DestroyIcon(icon);
        }
    }
    EXPECT_NE(LoadIconW(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIconW(nullptr, MAKEINTRESOURCEW(32600)), nullptr);
}

TEST_F(ResourceTest, RealBoxesShowTheIconOfTheirType)
{
    zt::win::SetMessageBoxResponder(nullptr);
    COLORREF iconPixel = 0;
    ScriptedInput input({[&] {
        HWND box = GetActiveWindow();
        RECT r;
        GetClientRect(box, &r);
        POINT p{0, 0};
        ClientToScreen(box, &p);
        RECT icon{10, 10, 30, 30};
        MapDialogRect(box, &icon);
        // The middle of the cross of the error icon.
        iconPixel = desk.pixel(p.x + icon.left + 16, p.y + icon.top + 16);
        ScriptedInput::Press(VK_RETURN)();
    }});
    EXPECT_EQ(MessageBoxW(nullptr, L"Failed", L"Caption", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(iconPixel, RGB(255, 255, 255));
}

TEST_F(ResourceTest, RealBoxesStartOnTheDefaultButtonAndEscapeAnswersOkOnlyBoxes)
{
    zt::win::SetMessageBoxResponder(nullptr);
    struct Case
    {
        UINT type;
        int key;
        int expected;
    } cases[] = {
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, VK_SPACE, IDCANCEL},
        {MB_RETRYCANCEL, VK_RETURN, IDRETRY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ScriptedInput input({ScriptedInput::Press(c.key)});
        EXPECT_EQ(MessageBoxW(nullptr, L"Text", L"Caption", c.type), c.expected);
    }
    // A Yes/No box has no answer for Escape: it stays until a button is chosen.
    ScriptedInput input({ScriptedInput::Press(VK_ESCAPE), ScriptedInput::Press(VK_RIGHT),
                         ScriptedInput::Press(VK_RETURN)});
    EXPECT_EQ(MessageBoxW(nullptr, L"Text", L"Caption", MB_YESNO), IDNO);
    // The underlined letters answer too.
    ScriptedInput letter({[] {
        INPUT in[2]{};
        for (int i = 0; i < 2; ++i) {
            in[i].type = INPUT_KEYBOARD;
            in[i].ki.wScan = L'y';
            in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, in, sizeof(INPUT));
    }});
    EXPECT_EQ(MessageBoxW(nullptr, L"Text", L"Caption", MB_YESNO | MB_DEFBUTTON2), IDYES);
}

} // namespace
