#include "ProjectTestSupport.h"

#include "platform/cad/EditElementHandle.h"
#include "platform/cad/storage/ProjectStore.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <thread>
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
    // Properties and records nested deeper than the JSON reader goes (it throws there rather
    // than failing) are damage too, not the end of the host.
    const std::string deep = std::string(5000, '[') + std::string(5000, ']');
    for (const char* target : {"UPDATE dgn_Element SET properties = '%s' WHERE id = 1",
                               "UPDATE ext_Document SET value = '%s'"}) {
        SCOPED_TRACE(target);
        Utf8String path = MakeProject(folder, "deep", 5);
        std::string sql(target);
        sql.replace(sql.find("%s"), 2, deep);
        Tamper(path, sql.c_str());
        EXPECT_EQ(OpenStatus(path), DgnProjectStatus::Corrupt);
        std::filesystem::remove(path.c_str());
    }
}

// A child process saves a large change and kills itself at one step of the save; the file
// must then open with either all of the previous save or all of the new one.
// One save in a child process that dies at step killAt of the save; with a delay, it dies
// that many microseconds after the step, which lets the kill land inside SQLite's own commit
// (journal written, pages half copied into the file, journal not yet removed).
static void RunKilledSave(const Utf8String& path, int added, int killAt, int delayMicros)
{
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        DgnProjectPtr project = DgnProject::OpenProject(path);
        if (!project)
            _exit(3);
        DgnModel& model = *project->GetDefaultModel();
        bvector<DPoint3d> points;
        for (int i = 0; i < 400; ++i)
            points.push_back(DPoint3d::From(i, i * i, 0));
        for (int i = 0; i < added; ++i) {
            auto g = model.CreatePhysicalGraphics();
            g->AddCurvePrimitive(*ICurvePrimitive::CreateLineString(points));
            g->Save();
        }
        EditElementHandle(1, &model).DeleteFromModel();
        project->ExtensionData().SetDocument("Dictionary", Json::Value("v2"));
        ProjectStore::SetSaveStepHook([killAt, delayMicros](int step) {
            if (step != killAt)
                return;
            if (delayMicros < 0)
                raise(SIGKILL);
            std::thread([delayMicros] {
                auto until =
                    std::chrono::steady_clock::now() + std::chrono::microseconds(delayMicros);
                while (std::chrono::steady_clock::now() < until) {
                }
                raise(SIGKILL);
            }).detach();
        });
        _exit(project->SaveChanges() == DgnProjectStatus::Success ? 0 : 4);
    }
    int wstatus = 0;
    ASSERT_EQ(waitpid(child, &wstatus, 0), child);
    bool killed = WIFSIGNALED(wstatus) && WTERMSIG(wstatus) == SIGKILL;
    ASSERT_TRUE(killed || (WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0));
}

TEST(ProjectDamage, SaveKilledPartWayKeepsThePreviousProject)
{
    TempFolder folder;
    constexpr int kOld = 50;
    constexpr int kAdded = 300;
    Utf8String base = MakeProject(folder, "base.ztproj", kOld);
    std::string baseBytes = ReadFile(base);

    // (step, delay): kills between the writes of the save, then kills at growing delays after
    // the last step before the commit, so that some land inside the commit itself.
    std::vector<std::pair<int, int>> kills;
    for (int s = 0; s < kAdded; s += 50)
        kills.emplace_back(s, -1);
    for (int s = kAdded - 2; s < kAdded + 6; ++s)
        kills.emplace_back(s, -1);
    for (int delay = 0; delay <= 200000; delay = delay < 100 ? delay + 50 : delay * 2)
        kills.emplace_back(kAdded + 3, delay);

    int sawOld = 0, sawNew = 0, sawChanged = 0;
    for (auto [killAt, delay] : kills) {
        SCOPED_TRACE(testing::Message() << "step " << killAt << " delay " << delay);
        Utf8String path = folder.File("run.ztproj");
        WriteFile(path, baseBytes);
        RunKilledSave(path, kAdded, killAt, delay);
        if (HasFatalFailure())
            return;
        if (ReadFile(path) != baseBytes)
            ++sawChanged;

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
        std::error_code ec;
        std::filesystem::remove(path.c_str(), ec);
        std::filesystem::remove((path + "-journal").c_str(), ec);
    }
    EXPECT_GT(sawOld, 10);
    EXPECT_GT(sawNew, 0);
    // Some kills came after the save had begun writing into the file itself (more than the
    // page cache holds), so the rollback on opening was really exercised.
    EXPECT_GT(sawChanged, 0);
}
