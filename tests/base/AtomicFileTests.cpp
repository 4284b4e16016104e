// Files written atomically: readers see the old or the new content, whatever happens to the
// writer.

#include "platform/base/AtomicFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("ztui-atomic-" + std::to_string(::getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::string Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::size_t EntriesInFolder() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }

    fs::path m_dir;
};

TEST_F(AtomicFileTest, ReplacesContentAndLeavesNoTemporaryFile)
{
    fs::path file = m_dir / "memory.json";
    ASSERT_TRUE(zt::WriteFileAtomically(file, "first"));
    ASSERT_TRUE(zt::WriteFileAtomically(file, "second, longer"));
    EXPECT_EQ(Read(file), "second, longer");
    ASSERT_TRUE(zt::WriteFileAtomically(file, ""));
    EXPECT_EQ(Read(file), "");
    EXPECT_EQ(EntriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, CreatesMissingFolders)
{
    fs::path file = m_dir / "a" / "b" / "c.txt";
    ASSERT_TRUE(zt::WriteFileAtomically(file, "x"));
    EXPECT_EQ(Read(file), "x");
}

TEST_F(AtomicFileTest, FailureKeepsTheOldFile)
{
    fs::path file = m_dir / "keep.txt";
    ASSERT_TRUE(zt::WriteFileAtomically(file, "old"));
    // A folder where the file should be: the rename cannot replace it.
    fs::path blocked = m_dir / "dir";
    fs::create_directories(blocked / "inside");
    EXPECT_FALSE(zt::WriteFileAtomically(blocked, "new"));
    EXPECT_TRUE(fs::is_directory(blocked));
    // A file where a folder should be.
    EXPECT_FALSE(zt::WriteFileAtomically(file / "child.txt", "new"));
    EXPECT_EQ(Read(file), "old");
    EXPECT_FALSE(zt::WriteFileAtomically("", "new"));
    EXPECT_EQ(EntriesInFolder(), 2u) << "a temporary file was left behind";
}

// A writer killed at many points of a write: every time, the file holds one of the two whole
// contents.
TEST_F(AtomicFileTest, KilledWriterLeavesOldOrNewContent)
{
    fs::path file = m_dir / "big.txt";
    const std::string oldContent(1 << 20, 'o');
    const std::string newContent((1 << 20) + 7, 'n');
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(zt::WriteFileAtomically(file, oldContent));
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                zt::WriteFileAtomically(file, newContent);
        }
        ::usleep(static_cast<useconds_t>(200 + round * 137 % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        std::string now = Read(file);
        EXPECT_TRUE(now == oldContent || now == newContent) << "size " << now.size();
    }
}

} // namespace

namespace {

TEST_F(AtomicFileTest, AReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask)
{
    fs::path file = m_dir / "kept.json";
    ASSERT_TRUE(zt::WriteFileAtomically(file, "first"));
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(static_cast<unsigned>(fs::status(file).permissions()), 0666u & ~mask);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(zt::WriteFileAtomically(file, "second"));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(AtomicFileTest, AFolderThatMustExistIsNotMade)
{
    fs::path file = m_dir / "missing" / "f.txt";
    EXPECT_FALSE(zt::WriteFileAtomically(file, "x", zt::AtomicFolder::MustExist));
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
    EXPECT_TRUE(zt::WriteFileAtomically(m_dir / "f.txt", "x", zt::AtomicFolder::MustExist));
}

TEST_F(AtomicFileTest, TheLeftoversOfAKilledWriterGoAndThoseOfLiveWritersStay)
{
    fs::path file = m_dir / "memory.json";
    // A process that has ended: a child that exits at once.
    pid_t gone = ::fork();
    ASSERT_GE(gone, 0);
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    auto leftover = [&](pid_t pid) {
        fs::path p = m_dir / (".memory.json." + std::to_string(pid) + ".3.tmp");
        std::ofstream(p) << "half";
        return p;
    };
    fs::path dead = leftover(gone);
    fs::path mine = leftover(::getpid());
    fs::path parent = leftover(::getppid());
    fs::path other = m_dir / ".other.json.1.1.tmp";
    std::ofstream(other) << "not ours";

    EXPECT_EQ(zt::RemoveStaleTemporaries(file), 1);
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_TRUE(fs::exists(parent));
    EXPECT_TRUE(fs::exists(other)) << "another file's temporaries are not looked at";
    EXPECT_EQ(zt::RemoveStaleTemporaries(m_dir / "nowhere" / "x.json"), 0);
}

} // namespace
