// The library's own resource module: its icons at 16 and 64 pixels, its place in the host's
// resource chain and the scope that selects it for the library's dialogs.
#include "platform/win/afxwin.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/frame/ZTUiModule.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/frame/ZTUiResources.h"

#include <gtest/gtest.h>

namespace {

using zt::ZTUiModule;

class IconPixels
{
public:
    IconPixels(unsigned id, int size) : m_size(size)
    {
        m_icon = static_cast<HICON>(LoadImageW(ZTUiModule::GetModuleHandle(), MAKEINTRESOURCEW(id),
                                               IMAGE_ICON, size, size, 0));
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, size, size);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
        // A grey ground shows both the icon's colours and where it is transparent.
        HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
        RECT r{0, 0, size, size};
        FillRect(m_dc, &r, grey);
        DeleteObject(grey);
        if (m_icon)
            DrawIconEx(m_dc, 0, 0, m_icon, size, size, 0, nullptr, DI_NORMAL);
    }
    ~IconPixels()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
        if (m_icon)
            DestroyIcon(m_icon);
    }
    bool Loaded() const { return m_icon != nullptr; }
    // A pixel at a fraction of the icon's size.
    COLORREF At(double u, double v) const
    {
        return GetPixel(m_dc, static_cast<int>(u * m_size), static_cast<int>(v * m_size));
    }

private:
    int m_size;
    HICON m_icon = nullptr;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

bool Reddish(COLORREF c)
{
    return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90;
}
bool Yellowish(COLORREF c)
{
    return GetRValue(c) > 200 && GetGValue(c) > 160 && GetBValue(c) < 90;
}
bool Bluish(COLORREF c)
{
    return GetBValue(c) > 160 && GetRValue(c) < 90;
}
bool White(COLORREF c)
{
    return GetRValue(c) > 230 && GetGValue(c) > 230 && GetBValue(c) > 230;
}
bool Black(COLORREF c)
{
    return GetRValue(c) < 40 && GetGValue(c) < 40 && GetBValue(c) < 40;
}
bool Ground(COLORREF c)
{
    return c == RGB(128, 128, 128);
}

struct ZTUiResourceTest : ::testing::Test
{
    DesktopFixture desk;
};

TEST_F(ZTUiResourceTest, MessageIconsLoadAtBothSizesWithTheirColours)
{
    for (int size : {16, 64}) {
        SCOPED_TRACE(size);
        IconPixels error(zt::kIconError, size);
        ASSERT_TRUE(error.Loaded());
        EXPECT_TRUE(White(error.At(0.5, 0.5)));    // the crossing
        EXPECT_TRUE(Reddish(error.At(0.5, 0.12))); // the circle above the cross
        EXPECT_TRUE(Reddish(error.At(0.12, 0.5)));
        EXPECT_TRUE(Ground(error.At(0.0, 0.0))); // outside the circle

        IconPixels warning(zt::kIconWarning, size);
        ASSERT_TRUE(warning.Loaded());
        EXPECT_TRUE(Yellowish(warning.At(0.3, 0.8)));
        EXPECT_TRUE(Black(warning.At(0.5, 0.45)));     // the bar of "!"
        EXPECT_TRUE(Yellowish(warning.At(0.5, 0.66))); // between bar and dot
        EXPECT_TRUE(Ground(warning.At(0.05, 0.1)));    // beside the apex

        IconPixels info(zt::kIconInformation, size);
        ASSERT_TRUE(info.Loaded());
        EXPECT_TRUE(Bluish(info.At(0.25, 0.42)));
        EXPECT_TRUE(White(info.At(0.5, 0.48)));   // the stem of "i"
        EXPECT_TRUE(Bluish(info.At(0.18, 0.85))); // the tail of the bubble
        EXPECT_TRUE(Ground(info.At(0.9, 0.9)));
    }
}

TEST_F(ZTUiResourceTest, EdgesAreAntialiased)
{
    IconPixels error(zt::kIconError, 64);
    int partial = 0;
    for (int x = 0; x < 32; ++x) {
        COLORREF c = error.At(x / 64.0, 0.5);
        if (!Ground(c) && !Reddish(c))
            ++partial;
    }
    EXPECT_GE(partial, 1);
}

TEST_F(ZTUiResourceTest, HostFindsTheIconsThroughTheResourceChain)
{
    ASSERT_TRUE(ZTUiModule::IsAttached());
    HINSTANCE host = AfxGetResourceHandle();
    EXPECT_NE(host, ZTUiModule::GetModuleHandle());
    EXPECT_EQ(ZTUiModule::GetHostResourceHandle(), host);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(zt::kIconWarning), RT_GROUP_ICON),
              ZTUiModule::GetModuleHandle());
    // The host's own module does not hold them.
    EXPECT_EQ(LoadIconW(host, MAKEINTRESOURCEW(zt::kIconWarning)), nullptr);
}

TEST_F(ZTUiResourceTest, ResourceScopeSelectsTheLibraryAndRestoresTheHost)
{
    HINSTANCE host = AfxGetResourceHandle();
    {
        zt::ZTUiResourceScope scope;
        EXPECT_EQ(AfxGetResourceHandle(), ZTUiModule::GetModuleHandle());
        EXPECT_EQ(scope.GetPrevious(), host);
        {
            zt::ZTUiResourceScope nested;
            EXPECT_EQ(AfxGetResourceHandle(), ZTUiModule::GetModuleHandle());
        }
        EXPECT_EQ(AfxGetResourceHandle(), ZTUiModule::GetModuleHandle());
    }
    EXPECT_EQ(AfxGetResourceHandle(), host);
}

TEST_F(ZTUiResourceTest, ASecondAttachIsRefusedAndLeavesTheChainAlone)
{
    std::size_t chain = CDynLinkLibrary::GetChainLength();
    EXPECT_FALSE(ZTUiModule::Attach(ZTUiModule::GetModuleHandle()));
    EXPECT_EQ(CDynLinkLibrary::GetChainLength(), chain);
    AFX_EXTENSION_MODULE again;
    EXPECT_FALSE(AfxInitExtensionModule(again, nullptr));
}

} // namespace
