// The layer button's service over a real project: the current combination's layers, the
// layer of a class or an element, assigning layers, hidden layers, and the functions a host
// finds by name.
#include "tests/host/HostProjectFixture.h"

#include "platform/cad/DgnLevels.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/ZTLayerCompsMgn.h"
#include "platform/win/Modules.h"
#include "ztui/layers/ZTButtonLayerSet.h"

#include <string>

using zt::ZTButtonLayerSet;

namespace {

std::wstring Str(const CString& s)
{
    return s.GetString();
}

std::vector<std::wstring> Strs(const std::vector<CString>& list)
{
    std::vector<std::wstring> out;
    for (const CString& s : list)
        out.push_back(Str(s));
    return out;
}

// Levels 墙, 门窗, 柱 and 其他; the combination "平面" lists 墙, 门窗 (hidden) and 柱, in
// that order, and is current. Walls go on 墙, doors on 门窗, beams on 其他.
class ButtonLayerSet : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        for (const char* name : {"墙", "门窗", "柱", "其他"})
            levels[name] = TSLevelManager::Get().EnsureLevel(Project(), name);
        TSLevelManager::Get().SetEcClassMapLvl(
            Project(), {{"TSArchiWall", "墙"}, {"TSArchiDoor", "门窗"}, {"TSArchiBeam", "其他"}});
        ZTLAYERCOMPSINFO comb;
        comb.layers = {{"墙", 1, 0}, {"门窗", 0, 0}, {"柱", 1, 0}};
        ZTLayerCompsMgn::Get().SetLayerCompInfo(Project(), "平面", comb);
    }
    void MakeCurrent() { ASSERT_TRUE(ZTLayerCompsMgn::Get().SetCurCompName(Project(), "平面")); }

    ElementRef* AddWall(LevelId level)
    {
        TSArchiWallPtr wall = TSArchiWall::Create();
        wall->SetStart({0, 0, 0});
        wall->SetEnd({3000, 0, 0});
        wall->SetLevelId(level);
        return Model().FindElementById(wall->AddToModel(Model()));
    }

    std::map<std::string, LevelId> levels;
};

} // namespace

TEST_F(ButtonLayerSet, WithoutACurrentCombinationEveryListIsEmptyAndCurrentUntouched)
{
    ElementRef* wall = AddWall(levels["墙"]);
    ASSERT_NE(wall, nullptr);
    std::vector<CString> layers;
    CString current = L"原样";
    ZTButtonLayerSet::GetLayerVector(layers);
    ZTButtonLayerSet::GetLayerVector(layers, current, Utf8String("TSArchiWall"));
    ZTButtonLayerSet::GetLayerVector(layers, current, wall);
    EXPECT_TRUE(layers.empty());
    EXPECT_EQ(Str(current), L"原样");
    EXPECT_FALSE(ZTButtonLayerSet::IsLayerHide("TSArchiDoor", current));
    EXPECT_EQ(Str(current), L"原样");
    ZTButtonLayerSet::AssignLayer(L"柱", Utf8String("TSArchiWall"));
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiWall"), "墙");
}

TEST_F(ButtonLayerSet, TheCombinationsLayersInOrderAndTheClasssLayerWhenItIsAmongThem)
{
    MakeCurrent();
    std::vector<CString> layers;
    ZTButtonLayerSet::GetLayerVector(layers);
    EXPECT_EQ(Strs(layers), (std::vector<std::wstring>{L"墙", L"门窗", L"柱"}));

    layers.clear();
    CString current;
    ZTButtonLayerSet::GetLayerVector(layers, current, Utf8String("TSArchiDoor"));
    EXPECT_EQ(layers.size(), 3u);
    EXPECT_EQ(Str(current), L"门窗");

    // Mapped outside the combination, or not mapped at all: current stays as it was.
    for (const char* cls : {"TSArchiBeam", "TSArchiSlab"}) {
        SCOPED_TRACE(cls);
        layers.clear();
        current = L"原样";
        ZTButtonLayerSet::GetLayerVector(layers, current, Utf8String(cls));
        EXPECT_EQ(layers.size(), 3u);
        EXPECT_EQ(Str(current), L"原样");
    }
}

TEST_F(ButtonLayerSet, AnElementShowsItsOwnLevelOrItsClasssLayerWhenTheLevelIsNotListed)
{
    MakeCurrent();
    std::vector<CString> layers;
    CString current;
    ZTButtonLayerSet::GetLayerVector(layers, current, AddWall(levels["柱"]));
    EXPECT_EQ(layers.size(), 3u);
    EXPECT_EQ(Str(current), L"柱");

    layers.clear();
    current.Empty();
    ZTButtonLayerSet::GetLayerVector(layers, current, AddWall(levels["其他"]));
    EXPECT_EQ(layers.size(), 3u);
    EXPECT_EQ(Str(current), L"墙") << "the wall class's layer stands in for an unlisted level";

    // An element whose level is gone gives nothing at all, as does no element.
    ElementRef* wall = AddWall(levels["墙"]);
    LevelDefinition def;
    ASSERT_TRUE(Project().Levels().FindLevelById(levels["墙"], def));
    ASSERT_TRUE(Project().Levels().DeleteLevel(def.id));
    layers.clear();
    current = L"原样";
    ZTButtonLayerSet::GetLayerVector(layers, current, wall);
    ElementRef* none = nullptr;
    ZTButtonLayerSet::GetLayerVector(layers, current, none);
    EXPECT_TRUE(layers.empty());
    EXPECT_EQ(Str(current), L"原样");
}

TEST_F(ButtonLayerSet, AssigningAClassLayerStoresTheMapInTheProject)
{
    MakeCurrent();
    ZTButtonLayerSet::AssignLayer(L"柱", Utf8String("TSArchiWall"));
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiWall"), "柱");
    ZTButtonLayerSet::AssignLayer(L"其他", Utf8String("TSArchiWall"));
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiWall"), "柱")
        << "a layer outside the combination is refused";
    ZTButtonLayerSet::AssignLayer(L"墙", Utf8String("TSArchiSlab"));

    SaveAndReopen();
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiWall"), "柱");
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiSlab"), "墙");
    EXPECT_EQ(TSLevelManager::Get().GetClassLayerName(Project(), "TSArchiDoor"), "门窗");
}

TEST_F(ButtonLayerSet, AssigningAnElementMovesItToAKnownLevelOnly)
{
    MakeCurrent();
    ElementRef* wall = AddWall(levels["墙"]);
    ASSERT_NE(wall, nullptr);
    const ElementId id = wall->GetElementId();
    ZTButtonLayerSet::AssignLayer(CString(L"没有这层"), wall);
    EXPECT_EQ(wall->GetLevel(), levels["墙"]);
    // Any level of the project will do, listed in the combination or not.
    ZTButtonLayerSet::AssignLayer(CString(L"其他"), wall);
    EXPECT_EQ(wall->GetLevel(), levels["其他"]);

    SaveAndReopen();
    EXPECT_EQ(Model().FindElementById(id)->GetLevel(), levels["其他"]);
}

TEST_F(ButtonLayerSet, AClassIsHiddenOnlyByAHiddenLayerOfTheCombination)
{
    MakeCurrent();
    CString layer;
    EXPECT_TRUE(ZTButtonLayerSet::IsLayerHide("TSArchiDoor", layer));
    EXPECT_EQ(Str(layer), L"门窗");
    EXPECT_FALSE(ZTButtonLayerSet::IsLayerHide("TSArchiWall", layer));
    EXPECT_EQ(Str(layer), L"墙");
    layer = L"原样";
    EXPECT_FALSE(ZTButtonLayerSet::IsLayerHide("TSArchiBeam", layer)) << "mapped outside";
    EXPECT_FALSE(ZTButtonLayerSet::IsLayerHide("TSArchiSlab", layer)) << "not mapped";
    EXPECT_EQ(Str(layer), L"原样");
}

TEST_F(ButtonLayerSet, AnObjectsLayerIsItsElementsLevelInTheSelectedViewsModel)
{
    ElementRef* wall = AddWall(levels["门窗"]);
    ASSERT_NE(wall, nullptr);
    RefCountedPtr<ITSObject> object = TSObjectExtensionManager::Get().GetTSObject(wall);
    ASSERT_TRUE(object.IsValid());
    EXPECT_EQ(Str(ZTButtonLayerSet::GetLayerName(object)), L"门窗");
    EXPECT_TRUE(ZTButtonLayerSet::GetLayerName(nullptr).IsEmpty());

    // Not an element of the model in view: nothing.
    DgnModel* other = Project().CreateModel(Utf8String("别处"));
    ASSERT_NE(other, nullptr);
    TSArchiWallPtr elsewhere = TSArchiWall::Create();
    elsewhere->SetStart({0, 0, 0});
    elsewhere->SetEnd({1000, 0, 0});
    ElementRef* far = other->FindElementById(elsewhere->AddToModel(*other));
    ASSERT_NE(far, nullptr);
    EXPECT_TRUE(
        ZTButtonLayerSet::GetLayerName(TSObjectExtensionManager::Get().GetTSObject(far)).IsEmpty());
}

TEST_F(ButtonLayerSet, HostsFindTheFunctionsByName)
{
    MakeCurrent();
    HMODULE library = ::LoadLibraryW(L"ztui.dll");
    ASSERT_NE(library, nullptr);
    auto get = zt::win::GetProcAddressAs<const wchar_t* (*)()>(library, "getSelectedLayer");
    auto set = zt::win::GetProcAddressAs<void (*)(const wchar_t*)>(library, "setSelectedLayer");
    auto list =
        zt::win::GetProcAddressAs<void (*)(std::vector<CString>*)>(library, "getLayerVector");
    auto assign =
        zt::win::GetProcAddressAs<void (*)(const wchar_t*, ElementRef*)>(library, "assignLayer");
    ASSERT_TRUE(get && set && list && assign);
    ASSERT_TRUE(::GetProcAddress(library, "getLayerVectorWithName"));
    ASSERT_TRUE(::GetProcAddress(library, "getLayerVectorWithRef"));

    set(L"柱");
    EXPECT_EQ(std::wstring(get()), L"柱");
    EXPECT_EQ(Str(ZTButtonLayerSet::GetSelectedLayer()), L"柱");
    set(nullptr);
    EXPECT_EQ(std::wstring(get()), L"");
    std::vector<CString> layers;
    list(&layers);
    list(nullptr);
    EXPECT_EQ(layers.size(), 3u);
    ElementRef* wall = AddWall(levels["墙"]);
    assign(L"柱", wall);
    assign(nullptr, wall);
    assign(L"柱", nullptr);
    EXPECT_EQ(wall->GetLevel(), levels["柱"]);
    ::FreeLibrary(library);
}
