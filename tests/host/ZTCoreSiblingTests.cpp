#include "HostProjectFixture.h"

#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/win/Modules.h"

namespace {

using AppendAttributeInfo = void (*)(TSBuildingElement*);

// The sibling as the property panel loads it: by its Windows name, at run time.
class ZTCoreSibling : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        m_module = LoadLibraryW(L"ZTCore.dll");
        ASSERT_NE(m_module, nullptr);
        m_append = zt::win::GetProcAddressAs<AppendAttributeInfo>(m_module, "appendAttributeInfo");
        ASSERT_NE(m_append, nullptr);
    }
    void TearDown() override
    {
        if (m_module)
            FreeLibrary(m_module);
        HostProjectFixture::TearDown();
    }

    double Quantity(const TSBuildingElement& e, const wchar_t* name)
    {
        TSUserPropertyValuePtr v = e.GetUserPropertySet().FindValue(name);
        return v ? v->GetValue().GetDouble() : -1.0;
    }

    HMODULE m_module = nullptr;
    AppendAttributeInfo m_append = nullptr;
};

} // namespace

TEST_F(ZTCoreSibling, AppendsTheQuantitiesOfAWall)
{
    TSArchiStoreyManager::Get().AddStorey(Project(), L"首层", 0.0);
    TSArchiWallPtr wall = TSArchiWall::Create();
    wall->SetStoreyId(TSArchiStoreyManager::Get().EnsureStorey(Project()));
    wall->SetEnd({5000, 0, 0});
    wall->SetThickness(200.0);
    wall->SetHeight(3000.0);
    m_append(wall.get());

    EXPECT_DOUBLE_EQ(Quantity(*wall, L"面积(m²)"), 1.0);
    EXPECT_DOUBLE_EQ(Quantity(*wall, L"周长(m)"), 10.4);
    EXPECT_DOUBLE_EQ(Quantity(*wall, L"体积(m³)"), 3.0);
    EXPECT_EQ(wall->GetUserPropertySet().FindValue(L"所在楼层")->GetValue().GetString(), L"首层");

    wall->SetHeight(1500.0);
    m_append(wall.get());
    EXPECT_DOUBLE_EQ(Quantity(*wall, L"体积(m³)"), 1.5) << "a second call replaces the first";
    EXPECT_EQ(wall->GetUserPropertySet().GetGroupNames().size(), 1u);
}

TEST_F(ZTCoreSibling, LeavesElementsWithoutABodyAndNullAlone)
{
    m_append(nullptr);
    TSArchiSlabPtr slab = TSArchiSlab::Create();
    m_append(slab.get());
    EXPECT_TRUE(slab->GetUserPropertySet().IsEmpty());
    TSUserPropertySet own;
    TSUserPropertyCell cell;
    cell.SetString(L"甲方");
    own.SetValue(L"备注", L"来源", cell);
    slab->SetProfile({{0, 0, 0}, {2000, 0, 0}, {2000, 1000, 0}, {0, 1000, 0}});
    slab->SetUserPropertySet(own);
    m_append(slab.get());
    EXPECT_DOUBLE_EQ(Quantity(*slab, L"面积(m²)"), 2.0);
    EXPECT_NE(slab->GetUserPropertySet().FindValue(L"来源"), nullptr) << "other groups stay";
}
