#include "ProjectTestSupport.h"

#include "platform/cad/EditElementHandle.h"
#include "platform/cad/storage/ProjectStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void Tamper(const Utf8String& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

Utf8String MakeProject(const TempFolder& folder, const char* name, int lines)
{
    Utf8String path = folder.File(name);
    DgnProjectPtr project = DgnProject::CreateProject(path);
    EXPECT_TRUE(project);
    DgnModel& model = *project->GetDefaultModel();
    for (int i = 0; i < lines; ++i)
        AddLine(model, DPoint3d::From(i, 0), DPoint3d::From(i, 10));
    project->ExtensionData().SetDocument("Dictionary", Json::Value("v1"));
    EXPECT_EQ(project->SaveChanges(), DgnProjectStatus::Success);
    return path;
}

void WriteFile(const Utf8String& path, const std::string& bytes)
{
    std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const Utf8String& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

DgnProjectStatus OpenStatus(const Utf8String& path)
{
    DgnProjectStatus status = DgnProjectStatus::Success;
    DgnProjectPtr project = DgnProject::OpenProject(path, &status);
    EXPECT_EQ(project == nullptr, status != DgnProjectStatus::Success);
    if (status != DgnProjectStatus::Success) {
        EXPECT_FALSE(DgnProject::GetLastOpenError().empty());
    }
    return status;
}

} // namespace

TEST(ProjectDamage, ForeignFilesAreNotProjects)
{
    TempFolder folder;
    struct Case
    {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"text.ztproj", "this is a note, not a project\n"},
        {"empty.ztproj", ""},
        {"binary.ztproj", std::string(5000, '\xA5')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(folder.File(c.name), c.bytes);
        EXPECT_EQ(OpenStatus(folder.File(c.name)), DgnProjectStatus::NotAProject);
        // Refusing the file leaves it as it was.
        EXPECT_EQ(ReadFile(folder.File(c.name)), c.bytes);
    }
}

TEST(ProjectDamage, OtherSQLiteDatabaseIsNotAProject)
{
    TempFolder folder;
    Tamper(folder.File("other.db"), "CREATE TABLE notes (text TEXT)");
    EXPECT_EQ(OpenStatus(folder.File("other.db")), DgnProjectStatus::NotAProject);
}

TEST(ProjectDamage, TruncatedFileIsCorrupt)
{
    TempFolder folder;
    Utf8String path = MakeProject(folder, "t.ztproj", 3000);
    std::string bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), 20000u);
    for (std::size_t keep : {bytes.size() / 2, bytes.size() - 4096, std::size_t(4096 * 3)}) {
        SCOPED_TRACE(keep);
        Utf8String cut = folder.File(("cut" + std::to_string(keep)).c_str());
        WriteFile(cut, bytes.substr(0, keep));
        EXPECT_EQ(OpenStatus(cut), DgnProjectStatus::Corrupt);
    }
}

TEST(ProjectDamage, OverwrittenPagesAreCorrupt)
{
    TempFolder folder;
    Utf8String path = MakeProject(folder, "o.ztproj", 3000);
    std::string bytes = ReadFile(path);
    for (std::size_t page : {std::size_t(2), bytes.size() / 4096 / 2, bytes.size() / 4096 - 1}) {
        SCOPED_TRACE(page);
        std::string damaged = bytes;
        for (std::size_t i = page * 4096; i < (page + 1) * 4096 && i < damaged.size(); ++i)
            damaged[i] = char(0x5A ^ (i * 7));
        Utf8String file = folder.File(("page" + std::to_string(page)).c_str());
        WriteFile(file, damaged);
        EXPECT_EQ(OpenStatus(file), DgnProjectStatus::Corrupt);
    }
}

TEST(ProjectDamage, BadRowsAreCorrupt)
{
    TempFolder folder;
    struct Case
    {
        const char* name;
        const char* sql;
        DgnProjectStatus expected;
    } cases[] = {
        {"geometry", "UPDATE dgn_Element SET geometry = x'01FFFFFFFF' WHERE id = 1",
         DgnProjectStatus::Corrupt},
        {"geometrytail", "UPDATE dgn_Element SET geometry = geometry || x'00' WHERE id = 2",
         DgnProjectStatus::Corrupt},
        {"properties", "UPDATE dgn_Element SET properties = '{nope' WHERE id = 1",
         DgnProjectStatus::Corrupt},
        {"model", "UPDATE dgn_Element SET modelId = 99 WHERE id = 1", DgnProjectStatus::Corrupt},
        {"document", "UPDATE ext_Document SET value = '[1,' ", DgnProjectStatus::Corrupt},
        {"nolevel", "DELETE FROM dgn_Level", DgnProjectStatus::Corrupt},
        {"version", "UPDATE be_Prop SET value = '99' WHERE name = 'version'",
         DgnProjectStatus::VersionTooNew},
        {"format", "UPDATE be_Prop SET value = 'Other' WHERE name = 'format'",
         DgnProjectStatus::NotAProject},
        {"table", "DROP TABLE dgn_Element", DgnProjectStatus::Corrupt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Utf8String path = MakeProject(folder, c.name, 5);
        Tamper(path, c.sql);
        EXPECT_EQ(OpenStatus(path), c.expected);
    }
}

// A child process saves a large change and kills itself at one step of the save; the file
// must then open with either all of the previous save or all of the new one.
TEST(ProjectDamage, SaveKilledPartWayKeepsThePreviousProject)
{
    TempFolder folder;
    constexpr int kOld = 50;
    constexpr int kAdded = 6000;
    Utf8String base = MakeProject(folder, "base.ztproj", kOld);
    std::string baseBytes = ReadFile(base);

    int sawOld = 0, sawNew = 0, sawJournal = 0;
    std::vector<int> killSteps;
    for (int s = 0; s < kAdded + 40; s += 250)
        killSteps.push_back(s);
    for (int s = kAdded - 5; s < kAdded + 40; ++s)
        killSteps.push_back(s);

    for (int killAt : killSteps) {
        SCOPED_TRACE(killAt);
        Utf8String path = folder.File(("run" + std::to_string(killAt) + ".ztproj").c_str());
        WriteFile(path, baseBytes);
        pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            DgnProjectPtr project = DgnProject::OpenProject(path);
            if (!project)
                _exit(3);
            DgnModel& model = *project->GetDefaultModel();
            bvector<DPoint3d> points;
            for (int i = 0; i < 24; ++i)
                points.push_back(DPoint3d::From(i, i * i, 0));
            for (int i = 0; i < kAdded; ++i) {
                auto g = model.CreatePhysicalGraphics();
                g->AddCurvePrimitive(*ICurvePrimitive::CreateLineString(points));
                g->Save();
            }
            EditElementHandle(1, &model).DeleteFromModel();
            project->ExtensionData().SetDocument("Dictionary", Json::Value("v2"));
            ProjectStore::SetSaveStepHook([killAt](int step) {
                if (step == killAt)
                    raise(SIGKILL);
            });
            _exit(project->SaveChanges() == DgnProjectStatus::Success ? 0 : 4);
        }
        int wstatus = 0;
        ASSERT_EQ(waitpid(child, &wstatus, 0), child);
        bool killed = WIFSIGNALED(wstatus) && WTERMSIG(wstatus) == SIGKILL;
        ASSERT_TRUE(killed || (WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0));
        std::error_code ec;
        if (std::filesystem::file_size((path + "-journal").c_str(), ec) > 0 && !ec)
            ++sawJournal;

        DgnProjectStatus status;
        DgnProjectPtr project = DgnProject::OpenProject(path, &status);
        ASSERT_TRUE(project) << DgnProject::GetLastOpenError();
        Json::Value dict;
        ASSERT_TRUE(project->ExtensionData().GetDocument("Dictionary", dict));
        std::size_t count = project->GetElementCount();
        if (dict.asString() == "v1") {
            EXPECT_EQ(count, std::size_t(kOld));
            EXPECT_NE(project->FindElementById(1), nullptr);
            ++sawOld;
        } else {
            EXPECT_EQ(dict.asString(), "v2");
            EXPECT_EQ(count, std::size_t(kOld + kAdded - 1));
            EXPECT_EQ(project->FindElementById(1), nullptr);
            ++sawNew;
        }
        project->Close();
        std::filesystem::remove(path.c_str(), ec);
    }
    EXPECT_GT(sawOld, 10);
    EXPECT_GT(sawNew, 0);
    // Some kills came after the save had already written into the file, so the rollback on
    // opening was really exercised.
    EXPECT_GT(sawJournal, 0);
}
