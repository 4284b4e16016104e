// The readers of what a user or an older version saved (the style file, the group memory file
// and the two property-data dictionary entries) with the Nth allocation failing, for every N up
// to the number of allocations a successful read makes. Each read comes back with its defined
// empty result, or with the whole result when the failure struck only the clean-up after it
// (a scratch document torn down); never with part of it. Nothing allocated before the failure
// leaks (the sanitizer's leak check runs at exit).
#include "tests/host/HostProjectFixture.h"

#include "platform/base/Encoding.h"
#include "platform/host/TSArchToolProperty.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSDictionaryManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"
#include "ztui/propertypanel/ZTHostToolPropertyAdapter.h"
#include "ztui/propertypanel/ZTPropertyDataMgn.h"
#include "ztui/propertypanel/ZTPropertySetMgn.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/style/XmlReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

namespace {

// The allocator's state, for the thread that armed it only: other threads allocate freely,
// and so does the test itself around the reader's call (Armed).
thread_local bool t_enabled = false;
thread_local bool t_armed = false;
thread_local long t_count = 0;
thread_local long t_failAt = 0; // 0: count, never fail
thread_local bool t_failed = false;

void* Allocate(std::size_t size)
{
    if (t_armed) {
        ++t_count;
        if (t_count == t_failAt) {
            t_failed = true;
            throw std::bad_alloc();
        }
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

class FailingAllocation
{
public:
    explicit FailingAllocation(long failAt)
    {
        t_count = 0;
        t_failAt = failAt;
        t_failed = false;
        t_enabled = true;
    }
    ~FailingAllocation() { t_enabled = false; }
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
};

// Counts (and fails) the allocations of the call alone.
template <class Call>
auto Armed(Call call)
{
    struct Arm
    {
        Arm() { t_armed = t_enabled; }
        ~Arm() { t_armed = false; }
    } arm;
    return call();
}

// Reads once to learn how many allocations a read makes, then once for every N failing the
// Nth; each failed read's result must be `empty` or the `same` as the read without a failure.
template <class Read, class IsEmpty, class IsSame>
long FailEachAllocation(Read read, IsEmpty empty, IsSame same)
{
    (void)read(); // the first read may build what the process keeps for good
    long total = 0;
    auto full = [&] {
        FailingAllocation counting(0);
        auto result = read();
        total = t_count;
        return result;
    }();
    EXPECT_FALSE(empty(full)) << "the read without a failure gives a result";
    EXPECT_GT(total, 0);
    for (long n = 1; n <= total; ++n) {
        bool failed = false;
        auto result = [&] {
            FailingAllocation failing(n);
            auto r = read();
            failed = t_failed;
            return r;
        }();
        if (!failed)
            continue; // a read that took another path and allocated less
        EXPECT_TRUE(empty(result) || same(result, full)) << "allocation " << n << " of " << total;
    }
    std::printf("%ld allocations, each failed once\n", total);
    return total;
}

// A style tree as one text, for comparing two of them.
std::wstring Dump(const dsc::DrawStyleItem* item)
{
    if (!item)
        return L"-";
    std::wstring text = item->name() + L"=" + item->value() + L"[";
    for (int i = 0; i < item->colors().count(); ++i)
        text += std::to_wstring(item->colors().colorAt(i)) + L",";
    for (const auto& child : item->children())
        text += Dump(child.get());
    return text + L"]";
}

std::wstring Dump(const zt::xml::Node* node)
{
    if (!node)
        return L"-";
    std::wstring text = node->name + L"=" + node->text + L"(";
    for (const auto& [key, value] : node->attributes)
        text += key + L":" + value + L",";
    text += L")[";
    for (const auto& child : node->children)
        text += Dump(child.get());
    return text + L"]";
}

std::string WriteScratch(const char* name, const std::string& bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       (std::string("alloc-fail-") + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

constexpr const char* kStyle =
    "\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- a style -->\n"
    "<pane><draw><background type=\"color\">#F5F6F8</background></draw>"
    "<propertyList><group><background type=\"color\">#EEF1F5;rgb(1, 2, 3)</background>"
    "<font><name>A &amp; B</name><height>13</height><weight>700</weight></font>"
    "<column>0.45</column></group></propertyList></pane>";

TEST(AllocationFailure, StyleFileGivesNoTree)
{
    const std::string path = WriteScratch("property.xml", kStyle);
    const auto none = [](const auto& tree) { return tree == nullptr; };
    const auto same = [](const auto& a, const auto& b) { return Dump(a.get()) == Dump(b.get()); };
    FailEachAllocation([&] { return Armed([&] { return zt::PropertyStyle::LoadTree(path); }); },
                       none, same);
    const std::wstring text = zt::xml::DecodeDocumentBytes(kStyle);
    FailEachAllocation([&] { return Armed([&] { return zt::xml::ParseDocument(text); }); }, none,
                       same);
    std::remove(path.c_str());
}

constexpr const char* kMemory =
    "{\"TSArchiWall\xE5\x9F\xBA\xE6\x9C\xAC\":true,\"TSArchiWall\xE5\x87\xA0\xE4\xBD\x95\":false,"
    "\"TSArchiColumnA\":null,\"odd\":[1,2]}";

TEST(AllocationFailure, GroupMemoryFileGivesAnEmptyMemory)
{
    const std::string path = WriteScratch("PropertyGroupExtend.json", kMemory);
    const auto isEmptyMemory = [](const Json::Value& memory) {
        return memory.isObject() && memory.empty();
    };
    const auto same = [](const Json::Value& a, const Json::Value& b) { return a == b; };
    const std::wstring wide = zt::base::Utf8ToWide(path);
    FailEachAllocation([&] { return Armed([&] { return zt::PropertyGroupMemory::Load(wide); }); },
                       isEmptyMemory, same);
    FailEachAllocation([&] { return Armed([&] { return zt::PropertyGroupMemory::Parse(kMemory); }); },
                       isEmptyMemory, same);
    std::remove(path.c_str());
}

class AllocationFailureOfEntries : public HostProjectFixture
{
protected:
    void SetUp() override
    {
        HostProjectFixture::SetUp();
        adapter = zt::ZTHostToolPropertyAdapter::Create(TSArchToolProperty::Create().get());
        TesselToolsInterfaceManager::RegisterInterface(TSArchiColumn::CLASS_NAME, adapter.get(),
                                                       IToolProperty::INTERFACE_NAME);
    }
    void TearDown() override
    {
        TesselToolsInterfaceManager::UnregisterInterface(TSArchiColumn::CLASS_NAME,
                                                         IToolProperty::INTERFACE_NAME);
        HostProjectFixture::TearDown();
    }
    RefCountedPtr<zt::ZTHostToolPropertyAdapter> adapter;
};

TEST_F(AllocationFailureOfEntries, PickedUpValuesGiveNoObjectOrThePlainOne)
{
    // An earlier run's pick-up of a column 800 wide, in the project only.
    RefCountedPtr<TSArchiColumn> column = TSArchiColumn::Create();
    column->SetWidth(800);
    std::map<CString, CString> props;
    RefCountedPtr<ITSObject> obj = column.get();
    adapter->OnPropertyGet(obj, props);
    ASSERT_FALSE(props.empty());
    Json::Value list(Json::arrayValue);
    for (const auto& [name, value] : props) {
        Json::Value e;
        e["PropertyName"] = zt::base::WideToUtf8(name.GetString());
        e["PropertyValue"] = zt::base::WideToUtf8(value.GetString());
        list.append(e);
    }
    Json::Value record;
    record["PropertyList"] = list;
    record["SchemaName"] = "TSM_ArchiModel";
    TSDictionaryManager::Get().SetDataAt(&Project(), Utf8String("PropertyData"),
                                         {{L"TSArchiColumn", record}});

    // The empty result: no object, or the class's plain new object (500 wide) as for a
    // project without the entry; never a column carrying some of the values.
    FailEachAllocation(
        [&] {
            const Utf8String cls("TSArchiColumn"), schema("TSM_ArchiModel");
            return Armed([&] {
                return zt::ZTPropertyDataMgn::instance().getPickUpObject(cls, schema, Project());
            });
        },
        [](const RefCountedPtr<TSObject>& restored) {
            if (restored.IsNull())
                return true;
            auto* rebuilt = dynamic_cast<TSArchiColumn*>(restored.get());
            return rebuilt && rebuilt->GetWidth() == 500.0;
        },
        [](const RefCountedPtr<TSObject>& restored, const RefCountedPtr<TSObject>&) {
            auto* rebuilt = dynamic_cast<TSArchiColumn*>(restored.get());
            return rebuilt && rebuilt->GetWidth() == 800.0;
        });
}

TEST_F(AllocationFailureOfEntries, PropertySetGivesNothingAndLeavesTheCallersMapAlone)
{
    Json::Value list(Json::arrayValue);
    for (const char* name : {"\xE5\x8E\x9A\xE5\xBA\xA6", "\xE9\xAB\x98\xE5\xBA\xA6", "Material"}) {
        Json::Value e;
        e["PropertyName"] = name;
        e["PropertyCopy"] = false;
        list.append(e);
    }
    Json::Value record;
    record["PropertyList"] = list;
    TSDictionaryManager::Get().SetDataAt(&Project(), Utf8String("PropertyDataSet"),
                                         {{L"Tessel.Tool.Earlier", record}});

    struct Read
    {
        bool found = false;
        std::map<CString, bool> out;
    };
    FailEachAllocation(
        [] {
            Read read;
            read.out.emplace(CString(L"kept"), true);
            const Utf8String key("Tessel.Tool.Earlier");
            read.found = Armed([&] {
                return zt::ZTPropertySetMgn::instance().getCurrentPropertySet(key, read.out);
            });
            return read;
        },
        [](const Read& read) {
            // Only what the caller had: the caller's map is neither cut nor half filled.
            return read.out.size() == 1 && read.out.count(CString(L"kept")) == 1 && read.found;
        },
        [](const Read& read, const Read& full) { return read.out == full.out && read.found; });
}

} // namespace

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
