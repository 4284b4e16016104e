#include "platform/host/KmFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;
using km::KmFile;

namespace {

// A fresh folder per test that stands in for the user's home and config folders.
class KmFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kmfile.XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(m_root, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_root, ec);
    }
    std::wstring Wide(const fs::path& p) const { return p.wstring(); }

    fs::path m_root;
};

} // namespace

TEST_F(KmFileTest, AppdataFollowsAnAbsoluteXdgConfigHomeAndIsCreated)
{
    fs::path config = m_root / "cfg" / "nested";
    ::setenv("XDG_CONFIG_HOME", (config.string() + "//").c_str(), 1);
    EXPECT_EQ(KmFile::getAppdataPath(), config.wstring());
    EXPECT_TRUE(fs::is_directory(config));
}

TEST_F(KmFileTest, AppdataFallsBackToDotConfigUnderHomeForARelativeXdgValue)
{
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);
    ::setenv("HOME", m_root.c_str(), 1);
    EXPECT_EQ(KmFile::getAppdataPath(), (m_root / ".config").wstring());
    EXPECT_TRUE(fs::is_directory(m_root / ".config"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(KmFile::getAppdataPath(), (m_root / ".config").wstring());
}

TEST_F(KmFileTest, CatalogsAreCreatedUpToTheLastSeparatorOnly)
{
    std::string folder = m_root.string() + "\\TSArch\\Config\\";
    EXPECT_TRUE(KmFile::createFileCatalogs(folder.c_str()));
    EXPECT_TRUE(fs::is_directory(m_root / "TSArch" / "Config"));

    std::wstring withFile = Wide(m_root) + L"\\a\\\\b/PropertyGroupExtend.json";
    EXPECT_TRUE(KmFile::createFileCatalogs(withFile.c_str()));
    EXPECT_TRUE(fs::is_directory(m_root / "a" / "b"));
    EXPECT_FALSE(fs::exists(m_root / "a" / "b" / "PropertyGroupExtend.json"));
    // Creating what exists already is success.
    EXPECT_TRUE(KmFile::createFileCatalogs(withFile.c_str()));
}

TEST_F(KmFileTest, CatalogsFailQuietlyOnBadInput)
{
    EXPECT_FALSE(KmFile::createFileCatalogs(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(KmFile::createFileCatalogs(L""));
    std::ofstream(m_root / "plain") << "x";
    // A file where a folder should be breaks the chain.
    std::string blocked = (m_root / "plain" / "below" / "").string();
    EXPECT_FALSE(KmFile::createFileCatalogs(blocked.c_str()));
}

TEST_F(KmFileTest, WideCatalogsTakeChineseNames)
{
    std::wstring path = Wide(m_root) + L"\\建筑\\配置\\";
    EXPECT_TRUE(KmFile::createFileCatalogs(path.c_str()));
    EXPECT_TRUE(fs::is_directory(m_root / u8"建筑" / u8"配置"));
    EXPECT_TRUE(KmFile::isDirectoryExist(path.c_str()));
}

TEST_F(KmFileTest, ReadonlyAttributeIsRemovedFromAFileThatHasIt)
{
    fs::path file = m_root / "locked.json";
    std::ofstream(file) << "{}";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_TRUE(KmFile::removeReadonlyAttr(file.wstring().c_str()));
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_NE(fs::status(file).permissions() & fs::perms::group_read, fs::perms::none);
    // Already writable: still true, nothing else changes.
    EXPECT_TRUE(KmFile::removeReadonlyAttr(file.wstring().c_str()));
    EXPECT_FALSE(KmFile::removeReadonlyAttr((m_root / "missing").wstring().c_str()));
    EXPECT_FALSE(KmFile::removeReadonlyAttr(nullptr));
}

TEST_F(KmFileTest, AtomicWriteReplacesTheContentAndKeepsThePermissions)
{
    std::wstring file = Wide(m_root / "data.json");
    EXPECT_TRUE(KmFile::writeFileAtomically(file.c_str(), "first"));
    fs::permissions(m_root / "data.json", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(KmFile::writeFileAtomically(file.c_str(), std::string("sec\0nd", 6)));

    std::string bytes;
    ASSERT_TRUE(KmFile::readFile(file.c_str(), bytes));
    EXPECT_EQ(bytes, std::string("sec\0nd", 6));
    EXPECT_EQ(fs::status(m_root / "data.json").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    // No temporary file is left beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root), fs::directory_iterator()), 1);
}

TEST_F(KmFileTest, AtomicWriteThatCannotLandLeavesNoTraceBehind)
{
    EXPECT_FALSE(KmFile::writeFileAtomically(Wide(m_root / "nope" / "f").c_str(), "x"));
    // A folder in the target's place cannot be replaced by a file, whatever the rights.
    fs::create_directory(m_root / "taken");
    std::ofstream(m_root / "taken" / "inner") << "kept";
    EXPECT_FALSE(KmFile::writeFileAtomically(Wide(m_root / "taken").c_str(), "new"));
    EXPECT_TRUE(fs::is_directory(m_root / "taken"));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root), fs::directory_iterator()), 1);
    EXPECT_FALSE(KmFile::writeFileAtomically(nullptr, "x"));
    EXPECT_FALSE(KmFile::writeFileAtomically(Wide(m_root / "").c_str(), "x"));
}

TEST_F(KmFileTest, ExistenceChecksTellFilesFromFolders)
{
    std::ofstream(m_root / "f") << "x";
    EXPECT_TRUE(KmFile::isFileExist(Wide(m_root / "f").c_str()));
    EXPECT_FALSE(KmFile::isFileExist(Wide(m_root).c_str()));
    EXPECT_TRUE(KmFile::isDirectoryExist(Wide(m_root).c_str()));
    EXPECT_FALSE(KmFile::isDirectoryExist(Wide(m_root / "f").c_str()));
    std::string bytes = "stale";
    EXPECT_FALSE(KmFile::readFile(Wide(m_root / "missing").c_str(), bytes));
    EXPECT_TRUE(bytes.empty());
}
