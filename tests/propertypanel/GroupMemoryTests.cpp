// The group memory file: what reads as a memory and what does not, its written form, writing
// over read-only files and into read-only folders, and writers killed in the middle.

#include "PanelTestSupport.h"

#include "platform/host/KmFile.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;
using zt::PropertyGroupMemory;

namespace {

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& p, const std::string& bytes)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

Json::Value Memory(std::initializer_list<std::pair<const char*, Json::Value>> members)
{
    Json::Value m(Json::objectValue);
    for (const auto& [k, v] : members)
        m[k] = v;
    return m;
}

class GroupMemoryTest : public ::testing::Test
{
protected:
    std::wstring File() const { return appData.MemoryFile().wstring(); }
    ScratchAppData appData;
};

} // namespace

TEST(GroupMemoryParse, AnObjectOfBooleansAndNullsIsAMemoryWithOrWithoutAByteOrderMark)
{
    const std::string text = "{\"TSArchToolProperty几何\":false,\"TSArchToolProperty位置\":null}";
    Json::Value plain = PropertyGroupMemory::Parse(text);
    EXPECT_EQ(plain, Memory({{"TSArchToolProperty几何", false},
                             {"TSArchToolProperty位置", Json::Value()}}));
    EXPECT_EQ(PropertyGroupMemory::Parse("\xEF\xBB\xBF" + text), plain);
}

TEST(GroupMemoryParse, WhatIsNoMemoryReadsAsAnEmptyOne)
{
    const Json::Value empty(Json::objectValue);
    const std::string cases[] = {
        "",                      // an empty file
        "{\"a\":tru",            // cut short
        "{\"a\":true",           // cut short at the end
        "not json at all",       // malformed
        "{\"a\":true} trailing", // more after the object
        "[true,false]",          // another type of value
        "42",
        "\"text\"",
        "null",
        std::string(64, '[') + std::string(64, ']'),
        std::string(5000, '[') + std::string(5000, ']'), // deeper than any reader goes
        "\xEF\xBB",                                      // part of a byte-order mark
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.substr(0, 40));
        Json::Value memory = PropertyGroupMemory::Parse(bytes);
        EXPECT_TRUE(memory.isObject());
        EXPECT_EQ(memory, empty);
    }
}

TEST(GroupMemoryParse, MembersOfAnotherTypeOrWithUnreadableNamesAreDropped)
{
    Json::Value memory = PropertyGroupMemory::Parse(
        "{\"keep\":true,\"n\":1,\"s\":\"true\",\"o\":{},\"a\":[],\"bad\xFF\":false}");
    EXPECT_EQ(memory, Memory({{"keep", true}}));
}

TEST(GroupMemoryParse, AFileFarLargerThanAnyMemoryIsNone)
{
    std::string huge = "{\"a\":true,\"pad\":null";
    while (huge.size() <= PropertyGroupMemory::kMaxFileBytes)
        huge += ",\"" + std::to_string(huge.size()) + "\":false";
    huge += "}";
    EXPECT_EQ(PropertyGroupMemory::Parse(huge), Json::Value(Json::objectValue));
}

TEST(GroupMemoryParse, TheWrittenFormIsOneCompactLineOfUtf8)
{
    std::string text = PropertyGroupMemory::Serialize(
        Memory({{"T几何", true}, {"T位置", false}, {"T其他", Json::Value()}}));
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    EXPECT_EQ(text.find(' '), std::string::npos);
    EXPECT_NE(text.find("\"T几何\":true"), std::string::npos) << text;
    EXPECT_NE(text.find("null"), std::string::npos);
    EXPECT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    EXPECT_EQ(PropertyGroupMemory::Parse(text),
              Memory({{"T几何", true}, {"T位置", false}, {"T其他", Json::Value()}}));
}

TEST_F(GroupMemoryTest, TheFileLivesUnderTheApplicationDataFolder)
{
    EXPECT_EQ(km::KmFile::toNativePath(PropertyGroupMemory::FilePath().c_str()),
              appData.MemoryFile().string());
    EXPECT_EQ(km::KmFile::toNativePath(PropertyGroupMemory::FolderPath().c_str()),
              appData.MemoryFolder().string() + "/");
}

TEST_F(GroupMemoryTest, AMissingFileIsNoMemoryAndAWriteMakesItsFolders)
{
    EXPECT_TRUE(PropertyGroupMemory::Load(File()).isNull());
    ASSERT_TRUE(PropertyGroupMemory::Save(File(), Memory({{"k", true}})));
    EXPECT_EQ(PropertyGroupMemory::Load(File()), Memory({{"k", true}}));
    EXPECT_EQ(Read(appData.MemoryFile()), "{\"k\":true}\n");
}

TEST_F(GroupMemoryTest, AReadOnlyFileIsMadeWritableAndReplaced)
{
    Write(appData.MemoryFile(), "{\"old\":true}");
    fs::permissions(appData.MemoryFile(), fs::perms::owner_read);
    ASSERT_TRUE(PropertyGroupMemory::Save(File(), Memory({{"new", false}})));
    EXPECT_EQ(PropertyGroupMemory::Load(File()), Memory({{"new", false}}));
    EXPECT_TRUE((fs::status(appData.MemoryFile()).permissions() & fs::perms::owner_write) !=
                fs::perms::none);
}

TEST_F(GroupMemoryTest, AReadOnlyFolderWritesNothingAndKeepsTheOldFile)
{
    Write(appData.MemoryFile(), "{\"old\":true}\n");
    fs::permissions(appData.Root(),
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(appData.Root() / "TSArch",
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(appData.MemoryFolder(), fs::perms::owner_read | fs::perms::owner_exec |
                                                fs::perms::others_read | fs::perms::others_exec);
    // The superuser writes into any folder: the write is tried as an ordinary user then.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        bool written = PropertyGroupMemory::Save(File(), Memory({{"new", false}}));
        ::_exit(written ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the write must report that nothing was written";
    fs::permissions(appData.MemoryFolder(), fs::perms::owner_all);
    EXPECT_EQ(Read(appData.MemoryFile()), "{\"old\":true}\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(appData.MemoryFolder()), {}), 1);
}

TEST_F(GroupMemoryTest, AMalformedFileIsReplacedByTheNextWrite)
{
    Write(appData.MemoryFile(), "{\"a\":tr");
    Json::Value memory = PropertyGroupMemory::Load(File());
    EXPECT_EQ(memory, Json::Value(Json::objectValue));
    memory["b"] = true;
    ASSERT_TRUE(PropertyGroupMemory::Save(File(), memory));
    EXPECT_EQ(Read(appData.MemoryFile()), "{\"b\":true}\n");
}

// A writer killed at many points of its writes: the survivor reads one of the two whole
// memories every time, never an empty or partial one, and the leftovers of the killed writers
// are gone after the next write.
TEST_F(GroupMemoryTest, AWriterKilledAtAnyPointLeavesTheOldOrTheNewMemory)
{
    auto big = [](const char* prefix, bool value) {
        Json::Value m(Json::objectValue);
        for (int i = 0; i < 20000; ++i)
            m[std::string(prefix) + "工具" + std::to_string(i)] = value;
        return m;
    };
    const Json::Value oldMemory = big("TSArchToolProperty", true);
    const Json::Value newMemory = big("ZTDlgToolSettingCommon", false);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(PropertyGroupMemory::Save(File(), oldMemory));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                PropertyGroupMemory::Save(File(), newMemory);
        }
        ::usleep(static_cast<useconds_t>(300 + round * 331 % 9000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        Json::Value survivor = PropertyGroupMemory::Load(File());
        EXPECT_TRUE(survivor == oldMemory || survivor == newMemory)
            << "a memory of " << survivor.size() << " members";
    }
    ASSERT_TRUE(PropertyGroupMemory::Save(File(), oldMemory));
    EXPECT_EQ(std::distance(fs::directory_iterator(appData.MemoryFolder()), {}), 1)
        << "the killed writers' temporary files were cleared";
}
