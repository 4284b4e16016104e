// Enumerating the resource names of a module, as the icon manager walks a resource library.
#include "platform/win/WinError.h"
#include "platform/win/afxwin.h"
#include "platform/win/resources/ResourceModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zt::win::ResourceModule;

HINSTANCE Module(std::uintptr_t n)
{
    return reinterpret_cast<HINSTANCE>(n);
}

zt::win::IconImage Solid(int size)
{
    return {size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size, ~0u)};
}

// What the callback saw, one entry per call: a string name as it came, an id as "#n".
struct Seen
{
    std::vector<std::wstring> names;
    int stopAfter = -1;
};

BOOL Record(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    auto* seen = reinterpret_cast<Seen*>(param);
    if (IS_INTRESOURCE(name))
        seen->names.push_back(L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)));
    else
        seen->names.push_back(name);
    return seen->stopAfter < 0 || static_cast<int>(seen->names.size()) < seen->stopAfter;
}

class ResourceEnumTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (HINSTANCE m : {icons, empty})
            ResourceModule::RemoveModule(m);
    }
    const HINSTANCE icons = Module(0x7500000);
    const HINSTANCE empty = Module(0x7600000);
};

} // namespace

TEST_F(ResourceEnumTest, StringNamesComeUpperCasedAndSortedBeforeIdsInNumericOrder)
{
    const std::vector<LPCWSTR> names{
        L"pick_point", MAKEINTRESOURCEW(12), L"Arrow", MAKEINTRESOURCEW(3), L"#100", L"zoom"};
    for (LPCWSTR name : names)
        ASSERT_TRUE(ResourceModule::AddIcon(icons, name, {Solid(16)}));
    Seen seen;
    EXPECT_TRUE(
        EnumResourceNamesW(icons, RT_GROUP_ICON, &Record, reinterpret_cast<LONG_PTR>(&seen)));
    EXPECT_EQ(seen.names, (std::vector<std::wstring>{L"ARROW", L"PICK_POINT", L"ZOOM", L"#3",
                                                     L"#12", L"#100"}));
}

TEST_F(ResourceEnumTest, EachTypeListsOnlyItsOwnNames)
{
    ASSERT_TRUE(ResourceModule::AddIcon(icons, L"Wall", {Solid(16)}));
    ASSERT_TRUE(ResourceModule::AddDialog(icons, MAKEINTRESOURCEW(301), {}));
    // Strings are listed by block: ids 0..15 form block 1, 16..31 block 2.
    ASSERT_TRUE(ResourceModule::AddString(icons, 5, L"a"));
    ASSERT_TRUE(ResourceModule::AddString(icons, 7, L"b"));
    ASSERT_TRUE(ResourceModule::AddString(icons, 40, L"c"));
    struct Case
    {
        LPCWSTR type;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {RT_GROUP_ICON, {L"WALL"}},
        {RT_DIALOG, {L"#301"}},
        {RT_STRING, {L"#1", L"#3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(reinterpret_cast<ULONG_PTR>(c.type));
        Seen seen;
        EXPECT_TRUE(EnumResourceNamesW(icons, c.type, &Record, reinterpret_cast<LONG_PTR>(&seen)));
        EXPECT_EQ(seen.names, c.names);
    }
}

TEST_F(ResourceEnumTest, MissingTypesModulesAndCallbacksFailWithTheirErrors)
{
    ASSERT_TRUE(ResourceModule::AddString(icons, 1, L"only a string"));
    Seen seen;
    auto param = reinterpret_cast<LONG_PTR>(&seen);
    EXPECT_FALSE(EnumResourceNamesW(icons, RT_GROUP_ICON, &Record, param));
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_FALSE(EnumResourceNamesW(empty, RT_GROUP_ICON, &Record, param));
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
    EXPECT_FALSE(EnumResourceNamesW(icons, RT_STRING, nullptr, param));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(EnumResourceNamesW(icons, L"CUSTOM", &Record, param));
    EXPECT_TRUE(seen.names.empty());
}

TEST_F(ResourceEnumTest, TheCallbackStopsTheWalk)
{
    for (LPCWSTR name : {L"a", L"b", L"c"})
        ASSERT_TRUE(ResourceModule::AddIcon(icons, name, {Solid(16)}));
    Seen seen;
    seen.stopAfter = 2;
    EXPECT_FALSE(
        EnumResourceNamesW(icons, RT_GROUP_ICON, &Record, reinterpret_cast<LONG_PTR>(&seen)));
    EXPECT_EQ(GetLastError(), ERROR_RESOURCE_ENUM_USER_STOP);
    EXPECT_EQ(seen.names, (std::vector<std::wstring>{L"A", L"B"}));
}

namespace {

BOOL RemoveWhileWalking(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    auto* seen = reinterpret_cast<Seen*>(param);
    seen->names.push_back(name);
    ResourceModule::RemoveModule(module);
    return TRUE;
}

} // namespace

TEST_F(ResourceEnumTest, TheCallbackMayChangeTheModule)
{
    for (LPCWSTR name : {L"a", L"b"})
        ASSERT_TRUE(ResourceModule::AddIcon(icons, name, {Solid(16)}));
    Seen seen;
    EXPECT_TRUE(EnumResourceNamesW(icons, RT_GROUP_ICON, &RemoveWhileWalking,
                                   reinterpret_cast<LONG_PTR>(&seen)));
    EXPECT_EQ(seen.names, (std::vector<std::wstring>{L"A", L"B"}));
    EXPECT_FALSE(ResourceModule::HasResources(icons));
}
