#include "platform/cad/storage/ProjectStore.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/storage/GeometryCodec.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <json/json.h>
#include <sqlite3.h>

#include <filesystem>
#include <mutex>
#include <system_error>

using namespace zt::cad::storage;

namespace {

constexpr const char* kFormatName = "ZTProject";

const char* const kSchema[] = {
    "CREATE TABLE be_Prop (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE dgn_Model (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
    "type INTEGER NOT NULL)",
    "CREATE TABLE dgn_Level (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, "
    "color INTEGER NOT NULL, weight INTEGER NOT NULL, style INTEGER NOT NULL, "
    "displayed INTEGER NOT NULL, locked INTEGER NOT NULL)",
    "CREATE TABLE dgn_Color (idx INTEGER PRIMARY KEY, rgba INTEGER NOT NULL)",
    "CREATE TABLE ec_Class (id INTEGER PRIMARY KEY, schemaName TEXT NOT NULL, "
    "name TEXT NOT NULL, UNIQUE (schemaName, name))",
    "CREATE TABLE dgn_Element (id INTEGER PRIMARY KEY, modelId INTEGER NOT NULL, "
    "classId INTEGER NOT NULL, levelId INTEGER NOT NULL, geometry BLOB NOT NULL, "
    "properties TEXT NOT NULL)",
    "CREATE TABLE ext_Document (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
    "CREATE TABLE ext_Record (tbl TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL, "
    "PRIMARY KEY (tbl, key))",
};

std::mutex g_hookMutex;
std::function<void(int)> g_saveStepHook;

void SaveStep(int& step)
{
    std::function<void(int)> hook;
    {
        std::lock_guard lock(g_hookMutex);
        hook = g_saveStepHook;
    }
    if (hook)
        hook(step);
    ++step;
}

std::string ToJsonText(const Json::Value& value)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    return Json::writeString(builder, value);
}

bool FromJsonText(const std::string& text, Json::Value& value)
{
    // Making a reader costs more than reading a record: a project holds thousands of them.
    thread_local const std::unique_ptr<Json::CharReader> reader(
        Json::CharReaderBuilder().newCharReader());
    std::string errors;
    try {
        return reader->parse(text.data(), text.data() + text.size(), &value, &errors);
    } catch (const std::exception&) {
        // The reader throws instead of failing on a nesting deeper than its limit: a record
        // written so is as unreadable as one that is not JSON at all.
        value = Json::Value();
        return false;
    }
}

// What went wrong, in the terms of the project: the file is no database at all, or it is one
// that is damaged.
DgnProjectStatus Classify(const SQLite::Exception& e)
{
    switch (e.getErrorCode()) {
    case SQLITE_NOTADB:
        return DgnProjectStatus::NotAProject;
    case SQLITE_CORRUPT:
        return DgnProjectStatus::Corrupt;
    default:
        return DgnProjectStatus::Corrupt;
    }
}

struct LoadFailure
{
    DgnProjectStatus status;
    std::string message;
};

} // namespace

struct ProjectStore::Impl
{
    explicit Impl(const std::string& path, int flags) : db(path, flags) {}
    SQLite::Database db;
};

ProjectStore::ProjectStore(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

ProjectStore::~ProjectStore() = default;

void ProjectStore::SetSaveStepHook(std::function<void(int)> hook)
{
    std::lock_guard lock(g_hookMutex);
    g_saveStepHook = std::move(hook);
}

static void Configure(SQLite::Database& db)
{
    // A rollback journal, synced: a save either completes or is rolled back when the file is
    // next opened, whatever point the writing process died at.
    db.exec("PRAGMA journal_mode=DELETE");
    db.exec("PRAGMA synchronous=FULL");
    db.setBusyTimeout(2000);
}

std::unique_ptr<ProjectStore> ProjectStore::Create(const Utf8String& path, DgnProjectStatus& status,
                                                   Utf8String& message)
{
    std::error_code ec;
    auto fsPath = std::filesystem::u8path(path.c_str());
    if (path.empty()) {
        status = DgnProjectStatus::CannotCreate;
        message = "no file name was given";
        return nullptr;
    }
    if (std::filesystem::exists(fsPath, ec)) {
        status = DgnProjectStatus::AlreadyExists;
        message = "a file already exists at " + path;
        return nullptr;
    }
    try {
        auto impl = std::make_unique<Impl>(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        Configure(impl->db);
        SQLite::Transaction txn(impl->db);
        for (const char* sql : kSchema)
            impl->db.exec(sql);
        SQLite::Statement prop(impl->db, "INSERT INTO be_Prop (name, value) VALUES (?, ?)");
        prop.bind(1, "format");
        prop.bind(2, kFormatName);
        prop.exec();
        prop.reset();
        prop.bind(1, "version");
        prop.bind(2, std::to_string(FORMAT_VERSION));
        prop.exec();
        txn.commit();
        status = DgnProjectStatus::Success;
        return std::unique_ptr<ProjectStore>(new ProjectStore(std::move(impl)));
    } catch (const std::exception& e) {
        std::filesystem::remove(fsPath, ec);
        status = DgnProjectStatus::CannotCreate;
        message = "cannot create " + path + ": " + e.what();
        return nullptr;
    }
}

std::unique_ptr<ProjectStore> ProjectStore::Open(const Utf8String& path, DgnProject& project,
                                                 DgnProjectStatus& status, Utf8String& message)
{
    std::error_code ec;
    auto fsPath = std::filesystem::u8path(path.c_str());
    if (path.empty() || !std::filesystem::is_regular_file(fsPath, ec)) {
        status = DgnProjectStatus::FileNotFound;
        message = "no project file at " + path;
        return nullptr;
    }
    try {
        auto impl = std::make_unique<Impl>(path, SQLite::OPEN_READWRITE);
        Configure(impl->db);
        if (!impl->db.tableExists("be_Prop"))
            throw LoadFailure{DgnProjectStatus::NotAProject, "the file is not a project"};
        std::string format, version;
        {
            SQLite::Statement q(impl->db, "SELECT name, value FROM be_Prop");
            while (q.executeStep()) {
                std::string name = q.getColumn(0).getString();
                if (name == "format")
                    format = q.getColumn(1).getString();
                else if (name == "version")
                    version = q.getColumn(1).getString();
            }
        }
        if (format != kFormatName)
            throw LoadFailure{DgnProjectStatus::NotAProject, "the file is not a project"};
        int fileVersion = std::atoi(version.c_str());
        if (fileVersion < 1)
            throw LoadFailure{DgnProjectStatus::Corrupt, "the project has no valid version"};
        if (fileVersion > FORMAT_VERSION)
            throw LoadFailure{DgnProjectStatus::VersionTooNew,
                              "the project was written by a newer version (format " + version +
                                  ")"};
        // A file cut short may still hold a readable schema; the check walks every page.
        {
            SQLite::Statement check(impl->db, "PRAGMA quick_check");
            if (!check.executeStep() || check.getColumn(0).getString() != "ok")
                throw LoadFailure{DgnProjectStatus::Corrupt,
                                  "the project file is damaged: " +
                                      (check.hasRow() ? check.getColumn(0).getString()
                                                      : std::string("no check result"))};
        }
        auto store = std::unique_ptr<ProjectStore>(new ProjectStore(std::move(impl)));
        store->LoadInto(project);
        status = DgnProjectStatus::Success;
        return store;
    } catch (const LoadFailure& failure) {
        status = failure.status;
        message = failure.message + " (" + path + ")";
    } catch (const SQLite::Exception& e) {
        status = Classify(e);
        message =
            Utf8String(status == DgnProjectStatus::NotAProject ? "the file is not a project"
                                                               : "the project file is damaged") +
            " (" + path + "): " + e.what();
    } catch (const std::exception& e) {
        status = DgnProjectStatus::Corrupt;
        message = "the project file is damaged (" + path + "): " + e.what();
    }
    return nullptr;
}

void ProjectStore::LoadInto(DgnProject& project)
{
    SQLite::Database& db = m_impl->db;
    auto damaged = [](const std::string& what) {
        return LoadFailure{DgnProjectStatus::Corrupt, "the project file is damaged: " + what};
    };

    bvector<ECClass> classes;
    {
        SQLite::Statement q(db, "SELECT id, schemaName, name FROM ec_Class ORDER BY id");
        while (q.executeStep())
            classes.emplace_back(q.getColumn(0).getInt64(), q.getColumn(1).getString(),
                                 q.getColumn(2).getString());
    }
    project.m_schemas.Load(classes);

    std::vector<ColorDef> colors;
    {
        SQLite::Statement q(db, "SELECT idx, rgba FROM dgn_Color ORDER BY idx");
        while (q.executeStep()) {
            if (q.getColumn(0).getInt64() !=
                std::int64_t(DgnColors::INDEXED_COLOR_COUNT + colors.size()))
                throw damaged("the colour table has gaps");
            auto rgba = std::uint32_t(q.getColumn(1).getInt64());
            ColorDef c = ColorDef::FromRgb(rgba & 0xFFFFFF);
            c.transparency = std::uint8_t(rgba >> 24);
            colors.push_back(c);
        }
    }
    project.m_colors.SetExtendedColors(colors);

    project.m_levelTable.clear();
    {
        SQLite::Statement q(db, "SELECT id, name, color, weight, style, displayed, locked "
                                "FROM dgn_Level");
        while (q.executeStep()) {
            LevelDefinition level;
            level.id = q.getColumn(0).getInt64();
            level.name = q.getColumn(1).getString();
            level.color = std::uint32_t(q.getColumn(2).getInt64());
            level.weight = std::uint32_t(q.getColumn(3).getInt64());
            level.style = q.getColumn(4).getInt();
            level.displayed = q.getColumn(5).getInt() != 0;
            level.locked = q.getColumn(6).getInt() != 0;
            project.m_levelTable[level.id] = level;
        }
    }
    if (!project.m_levelTable.count(LEVEL_DEFAULT_LEVEL_ID))
        throw damaged("the default level is missing");

    {
        SQLite::Statement q(db, "SELECT id, name, type FROM dgn_Model ORDER BY id");
        while (q.executeStep()) {
            int type = q.getColumn(2).getInt();
            if (type < 0 || type > int(DgnModelType::Auxiliary))
                throw damaged("a model of unknown type");
            project.CreateModelLocked(q.getColumn(0).getInt64(), q.getColumn(1).getString(),
                                      DgnModelType(type));
        }
    }

    {
        SQLite::Statement q(db, "SELECT id, modelId, classId, levelId, geometry, properties "
                                "FROM dgn_Element ORDER BY id");
        while (q.executeStep()) {
            ElementId id = q.getColumn(0).getInt64();
            auto model = project.m_models.find(q.getColumn(1).getInt64());
            if (id < 1 || model == project.m_models.end())
                throw damaged("element " + std::to_string(id) + " has no model");
            auto data = std::make_shared<ElementData>();
            data->classId = q.getColumn(2).getInt64();
            data->instanceId = data->classId > 0 ? id : 0;
            data->levelId = q.getColumn(3).getInt64();
            SQLite::Column blob = q.getColumn(4);
            if (!DecodeGeometry(static_cast<const std::uint8_t*>(blob.getBlob()),
                                std::size_t(blob.getBytes()), data->geometry))
                throw damaged("the geometry of element " + std::to_string(id));
            std::string props = q.getColumn(5).getString();
            if (!props.empty() &&
                (!FromJsonText(props, data->properties) || !data->properties.isObject()))
                throw damaged("the properties of element " + std::to_string(id));
            project.CreateElementLocked(id, *model->second, std::move(data), false);
        }
    }

    {
        SQLite::Statement q(db, "SELECT name, value FROM be_Prop");
        while (q.executeStep()) {
            std::string name = q.getColumn(0).getString();
            std::int64_t value = std::atoll(q.getColumn(1).getString().c_str());
            // Ids never come back: an id handed out once names that element for good.
            if (name == "nextElementId")
                project.m_nextElementId = std::max(project.m_nextElementId, value);
            else if (name == "nextModelId")
                project.m_nextModelId = std::max(project.m_nextModelId, value);
        }
    }

    std::map<Utf8String, Json::Value> documents;
    {
        SQLite::Statement q(db, "SELECT name, value FROM ext_Document");
        while (q.executeStep()) {
            Json::Value value;
            if (!FromJsonText(q.getColumn(1).getString(), value))
                throw damaged("the document " + q.getColumn(0).getString());
            documents.emplace(q.getColumn(0).getString(), std::move(value));
        }
    }
    std::map<Utf8String, std::map<Utf8String, Json::Value>> tables;
    {
        SQLite::Statement q(db, "SELECT tbl, key, value FROM ext_Record");
        while (q.executeStep()) {
            Json::Value value;
            if (!FromJsonText(q.getColumn(2).getString(), value))
                throw damaged("a record of " + q.getColumn(0).getString());
            tables[q.getColumn(0).getString()].emplace(q.getColumn(1).getString(),
                                                       std::move(value));
        }
    }
    project.m_extension.Load(std::move(documents), std::move(tables));
}

DgnProjectStatus ProjectStore::Save(DgnProject& project)
{
    SQLite::Database& db = m_impl->db;
    int step = 0;
    try {
        SaveStep(step);
        SQLite::Transaction txn(db);

        SQLite::Statement prop(db, "INSERT OR REPLACE INTO be_Prop (name, value) VALUES (?, ?)");
        for (auto [name, value] : {std::pair{"nextElementId", project.m_nextElementId},
                                   std::pair{"nextModelId", project.m_nextModelId}}) {
            prop.bind(1, name);
            prop.bind(2, std::to_string(value));
            prop.exec();
            prop.reset();
        }

        if (project.m_modelsDirty) {
            db.exec("DELETE FROM dgn_Model");
            SQLite::Statement ins(db, "INSERT INTO dgn_Model (id, name, type) VALUES (?, ?, ?)");
            for (const auto& [id, model] : project.m_models) {
                ins.bind(1, id);
                ins.bind(2, model->m_name);
                ins.bind(3, int(model->m_type));
                ins.exec();
                ins.reset();
            }
            SaveStep(step);
        }

        if (project.m_levelsDirty) {
            db.exec("DELETE FROM dgn_Level");
            SQLite::Statement ins(db, "INSERT INTO dgn_Level (id, name, color, weight, style, "
                                      "displayed, locked) VALUES (?, ?, ?, ?, ?, ?, ?)");
            for (const auto& [id, level] : project.m_levelTable) {
                ins.bind(1, id);
                ins.bind(2, level.name);
                ins.bind(3, std::int64_t(level.color));
                ins.bind(4, std::int64_t(level.weight));
                ins.bind(5, level.style);
                ins.bind(6, level.displayed ? 1 : 0);
                ins.bind(7, level.locked ? 1 : 0);
                ins.exec();
                ins.reset();
            }
            SaveStep(step);
        }

        if (project.m_colors.IsDirty()) {
            db.exec("DELETE FROM dgn_Color");
            SQLite::Statement ins(db, "INSERT INTO dgn_Color (idx, rgba) VALUES (?, ?)");
            std::int64_t idx = DgnColors::INDEXED_COLOR_COUNT;
            for (const ColorDef& c : project.m_colors.GetExtendedColors()) {
                ins.bind(1, idx++);
                ins.bind(2, std::int64_t(c.GetRgb() | std::uint32_t(c.transparency) << 24));
                ins.exec();
                ins.reset();
            }
        }

        if (project.m_schemas.IsDirty()) {
            SQLite::Statement ins(db, "INSERT OR REPLACE INTO ec_Class (id, schemaName, name) "
                                      "VALUES (?, ?, ?)");
            for (const ECClass& c : project.m_schemas.GetClasses()) {
                ins.bind(1, c.GetId());
                ins.bind(2, c.GetSchemaName());
                ins.bind(3, c.GetName());
                ins.exec();
                ins.reset();
            }
        }

        SQLite::Statement upsert(db, "INSERT OR REPLACE INTO dgn_Element (id, modelId, classId, "
                                     "levelId, geometry, properties) VALUES (?, ?, ?, ?, ?, ?)");
        SQLite::Statement erase(db, "DELETE FROM dgn_Element WHERE id = ?");
        for (ElementId id : project.m_dirtyElements) {
            auto it = project.m_elements.find(id);
            if (it == project.m_elements.end())
                continue;
            const ElementRef& element = *it->second;
            if (element.IsDeleted()) {
                erase.bind(1, id);
                erase.exec();
                erase.reset();
            } else {
                auto data = element.GetData();
                std::vector<std::uint8_t> blob = EncodeGeometry(data->geometry);
                upsert.bind(1, id);
                upsert.bind(2, element.GetModelId());
                upsert.bind(3, data->classId);
                upsert.bind(4, data->levelId);
                upsert.bind(5, blob.data(), int(blob.size()));
                upsert.bind(6, data->properties.empty() ? std::string()
                                                        : ToJsonText(data->properties));
                upsert.exec();
                upsert.reset();
            }
            SaveStep(step);
        }

        ProjectExtensionData::Changes ext = project.m_extension.GetChanges();
        if (!ext.IsEmpty()) {
            SQLite::Statement putDoc(db, "INSERT OR REPLACE INTO ext_Document (name, value) "
                                         "VALUES (?, ?)");
            SQLite::Statement dropDoc(db, "DELETE FROM ext_Document WHERE name = ?");
            SQLite::Statement putRec(db, "INSERT OR REPLACE INTO ext_Record (tbl, key, value) "
                                         "VALUES (?, ?, ?)");
            SQLite::Statement dropRec(db, "DELETE FROM ext_Record WHERE tbl = ? AND key = ?");
            for (const auto& [name, value] : ext.documentsWritten) {
                putDoc.bind(1, name);
                putDoc.bind(2, ToJsonText(value));
                putDoc.exec();
                putDoc.reset();
                SaveStep(step);
            }
            for (const auto& name : ext.documentsRemoved) {
                dropDoc.bind(1, name);
                dropDoc.exec();
                dropDoc.reset();
            }
            for (const auto& [key, value] : ext.recordsWritten) {
                putRec.bind(1, key.first);
                putRec.bind(2, key.second);
                putRec.bind(3, ToJsonText(value));
                putRec.exec();
                putRec.reset();
                SaveStep(step);
            }
            for (const auto& key : ext.recordsRemoved) {
                dropRec.bind(1, key.first);
                dropRec.bind(2, key.second);
                dropRec.exec();
                dropRec.reset();
            }
        }

        SaveStep(step);
        txn.commit();
        SaveStep(step);
        return DgnProjectStatus::Success;
    } catch (const std::exception&) {
        return DgnProjectStatus::WriteFailed;
    }
}
