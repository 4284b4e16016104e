// The sibling libraries, loaded by their Windows names as the library loads them: the icons of
// the context bar's operations and the utility library's on-screen decorations.
#include "platform/siblings/ZTUtil/ZTUtil.h"
#include "platform/win/Modules.h"
#include "platform/win/WinDlg.h"
#include "platform/win/resources/ResourceModule.h"
#include "tests/cad/ViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr const wchar_t* kBarIcons[] = {
    L"Graph_Move", L"Graph_Rotate", L"Graph_Mirror", L"Graph_Promote", L"Graph_MobileReplication",
    L"Graph_Copy"};

// Loads a module for the duration of a test.
class Loaded
{
public:
    explicit Loaded(const wchar_t* name) : m_module(LoadLibraryW(name)) {}
    ~Loaded()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    HMODULE get() const { return m_module; }

private:
    HMODULE m_module;
};

TEST(ZTIcons, CarriesAGlyphUnderEveryNameTheContextBarAsksForAtEverySize)
{
    DesktopFixture desk;
    Loaded icons(L"ZTIcons.dll");
    ASSERT_NE(icons.get(), nullptr);
    for (const wchar_t* name : kBarIcons) {
        SCOPED_TRACE(testing::Message() << "icon " << WString(name).c_str());
        const auto images = zt::win::ResourceModule::FindIcon(icons.get(), name);
        ASSERT_TRUE(images.has_value());
        for (int size : {16, 24, 32}) {
            const zt::win::IconImage image =
                zt::win::ResourceModule::SelectIconImage(*images, size, size);
            ASSERT_EQ(image.width, size) << "an image made for the size, not a scaled one";
            int inked = 0, clear = 0;
            for (std::uint32_t argb : image.argb) {
                inked += (argb >> 24) >= 0x80;
                clear += (argb >> 24) == 0;
            }
            // A glyph: drawn strokes on a transparent ground, not an empty or a filled square.
            EXPECT_GT(inked, size * size / 16);
            EXPECT_GT(clear, size * size / 4);
            HANDLE icon = LoadImageW(icons.get(), name, IMAGE_ICON, size, size, 0);
            EXPECT_NE(icon, nullptr);
            if (icon)
                DestroyIcon(static_cast<HICON>(icon));
        }
    }
    EXPECT_FALSE(zt::win::ResourceModule::FindIcon(icons.get(), L"Graph_NoSuchThing"));
}

TEST(ZTIcons, GlyphsDifferFromEachOther)
{
    Loaded icons(L"ZTIcons.dll");
    ASSERT_NE(icons.get(), nullptr);
    std::vector<std::vector<std::uint32_t>> seen;
    for (const wchar_t* name : kBarIcons) {
        const auto images = zt::win::ResourceModule::FindIcon(icons.get(), name);
        ASSERT_TRUE(images.has_value());
        const auto pixels = zt::win::ResourceModule::SelectIconImage(*images, 24, 24).argb;
        for (const auto& other : seen)
            EXPECT_NE(pixels, other) << WString(name).c_str();
        seen.push_back(pixels);
    }
}

TEST(Siblings, AMissingSiblingIsAQuietNullModule)
{
    EXPECT_EQ(LoadLibraryW(L"ZTNoSuchSibling.dll"), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "CreateCurve"), nullptr);
}

TEST(ZTUtil, ACreatedCurveShowsInTheViewUntilItIsDeleted)
{
    ViewWindowFixture f;
    Loaded util(L"ZTUtil.dll");
    ASSERT_NE(util.get(), nullptr);
    auto create = zt::win::GetProcAddressAs<ZTUtilCreateCurveFn>(util.get(), "CreateCurve");
    auto remove =
        zt::win::GetProcAddressAs<ZTUtilDeleteDecorationFn>(util.get(), "DeleteDecoration");
    ASSERT_NE(create, nullptr);
    ASSERT_NE(remove, nullptr);
    IndexedViewport& vp = f.selected();
    CurveVectorPtr curves = CurveVector::Create(CurveVector::BOUNDARY_TYPE_Open);
    curves->push_back(ICurvePrimitive::CreateLine(DPoint3d{-80, 40, 0}, DPoint3d{80, 40, 0}));
    curves->push_back(ICurvePrimitive::CreateLine(DPoint3d{80, 40, 0}, DPoint3d{80, -40, 0}));
    EXPECT_EQ(create(nullptr, 255), 0u);
    const std::uint32_t id = create(curves.get(), 255);
    ASSERT_NE(id, 0u);
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, 40, 0}), RGB(255, 0, 0)) << "colour 255 is red";
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{80, 0, 0}), RGB(255, 0, 0));
    // A decoration is not part of the curve given: changing the chain afterwards changes
    // nothing on the screen.
    curves->clear();
    vp.ForceHealImmediate();
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, 40, 0}), RGB(255, 0, 0));
    EXPECT_TRUE(remove(id));
    EXPECT_FALSE(remove(id)) << "an id is deleted once";
    EXPECT_FALSE(remove(0));
    EXPECT_EQ(f.pixelOf(vp, DPoint3d{0, 40, 0}), vp.GetBackgroundColor());
}

TEST(ZTUtil, UnloadingTakesItsDecorationsAlong)
{
    ResetViewState();
    {
        Loaded util(L"ZTUtil.dll");
        ASSERT_NE(util.get(), nullptr);
        auto create = zt::win::GetProcAddressAs<ZTUtilCreateCurveFn>(util.get(), "CreateCurve");
        CurveVectorPtr curves =
            CurveVector::Create(CurveVector::BOUNDARY_TYPE_Open,
                                ICurvePrimitive::CreateLine(DPoint3d{0, 0, 0}, DPoint3d{1, 1, 0}));
        ASSERT_NE(create(curves.get(), RGB(0, 200, 0)), 0u);
        EXPECT_EQ(ViewDecorations::Get().Count(), 1u);
    }
    EXPECT_EQ(ViewDecorations::Get().Count(), 0u);
}

} // namespace
