#pragma once
// A project: one file holding the models and their elements, the level table, the colour
// table, the classes of the object model and the host's extension data. The project is kept in
// memory while it is open; SaveChanges writes what changed since the last save into the file
// in one transaction, so a save that is cut short leaves the file as the last save left it.
//
// Reference counted: the application holds the current project, and so may anyone who must
// keep it alive across a call. Every operation is safe from any thread; changes of elements
// belong on the work thread, where listeners hear of them (IElementChangeListener).

#include "platform/base/RefCounted.h"
#include "platform/cad/DgnColors.h"
#include "platform/cad/DgnLevels.h"
#include "platform/cad/DgnModel.h"
#include "platform/cad/DgnProjectStatus.h"
#include "platform/cad/ECSchemaManager.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/ITxnManager.h"
#include "platform/cad/ProjectExtensionData.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <unordered_map>

class DgnProject;
using DgnProjectPtr = RefCountedPtr<DgnProject>;

class DgnProject : public zt::base::RefCountedBase
{
public:
    static constexpr const char* DEFAULT_MODEL_NAME = "Default";
    // The extension of project files.
    static constexpr const char* FILE_EXTENSION = ".ztproj";

    // A new project file at the path (UTF-8), with the default model and level; fails when a
    // file is already there.
    static DgnProjectPtr CreateProject(const Utf8String& path, DgnProjectStatus* status = nullptr);
    // A new project in a folder of its own under the system's temporary folder; the folder
    // goes when the project closes.
    static DgnProjectPtr CreateTemporaryProject(DgnProjectStatus* status = nullptr);
    // Opens a project file. A file that is not a project, is damaged or cut short gives a
    // null result, the status and a message (GetLastOpenError) and touches nothing.
    static DgnProjectPtr OpenProject(const Utf8String& path, DgnProjectStatus* status = nullptr);
    // The message of the last failed CreateProject or OpenProject of this thread.
    static Utf8String GetLastOpenError();

    // Writes every change since the last save. On failure the file keeps its previous content
    // and the changes stay in memory, to be saved again.
    DgnProjectStatus SaveChanges();
    bool HasUnsavedChanges() const;
    // Ends the project: listeners hear OnProjectClosing, the undo history is dropped, the file
    // is let go and nothing unsaved is written. Afterwards every change and save fails;
    // element pointers stay readable until the last reference to the project goes.
    void Close();
    bool IsOpen() const;

    const Utf8String& GetFileName() const { return m_fileName; }
    bool IsTemporary() const { return !m_tempFolder.empty(); }

    // Models. Names are unique; null when the name is empty or taken.
    DgnModel* CreateModel(const Utf8String& name, DgnModelType type = DgnModelType::Physical);
    DgnModel* GetModel(DgnModelId id) const;
    DgnModel* FindModelByName(const Utf8String& name) const;
    // Every model by ascending id.
    bvector<DgnModel*> GetModels() const;
    // The physical model every project starts with.
    DgnModel* GetDefaultModel() const;

    // Elements that are not deleted.
    ElementRef* FindElementById(ElementId id) const;
    // The element whose primary instance has the key.
    ElementRef* FindElementByInstance(const ECInstanceKey& key) const;
    std::size_t GetElementCount() const;

    DgnLevels& Levels() { return m_levels; }
    const DgnLevels& Levels() const { return m_levels; }
    DgnColors& Colors() { return m_colors; }
    ECSchemaManager& Schemas() { return m_schemas; }
    ProjectExtensionData& ExtensionData() { return m_extension; }
    ITxnManager& GetTxnManager() { return m_txn; }

    // The element colour of a colour value 0xRRGGBB (see DgnColors).
    std::uint32_t GetElementColor(std::uint32_t rgb) { return m_colors.GetElementColor(rgb); }

    DgnProject(const DgnProject&) = delete;
    DgnProject& operator=(const DgnProject&) = delete;

private:
    friend class DgnModel;
    friend class DgnLevels;
    friend class ITxnManager;
    friend class EditElementHandle;
    friend class PhysicalGraphics;
    friend class ProjectStore;

    DgnProject();
    ~DgnProject() override;

    // The changes every element edit comes down to. Each records the change for undo, marks
    // it for saving and queues the listeners' calls, which run once the lock is released.
    ElementRef* AddElement(DgnModel& model, ElementData data);
    bool ReplaceElement(ElementRef& element, ElementData data);
    bool DeleteElement(ElementRef& element);
    // Puts an element or a level into a recorded state, for undo and redo.
    void ApplyLevelStateLocked(LevelId id, const std::optional<LevelDefinition>& state);
    void SetElementStateLocked(ElementRef& element, std::shared_ptr<const ElementData> state);
    void QueueLocked(std::function<void()> notification);
    void FlushNotifications();
    void ResetContentLocked();
    DgnModel* CreateModelLocked(DgnModelId id, const Utf8String& name, DgnModelType type);
    ElementRef* CreateElementLocked(ElementId id, DgnModel& model,
                                    std::shared_ptr<const ElementData> data, bool deleted);

    mutable std::recursive_mutex m_mutex;
    bool m_open = true;
    Utf8String m_fileName;
    Utf8String m_tempFolder;

    std::map<DgnModelId, std::unique_ptr<DgnModel>> m_models;
    std::unordered_map<ElementId, std::unique_ptr<ElementRef>> m_elements;
    std::size_t m_liveElementCount = 0;
    std::map<LevelId, LevelDefinition> m_levelTable;
    DgnModelId m_nextModelId = 1;
    ElementId m_nextElementId = 1;

    DgnLevels m_levels;
    DgnColors m_colors;
    ECSchemaManager m_schemas;
    ProjectExtensionData m_extension;
    ITxnManager m_txn;

    // What the next save writes.
    std::set<ElementId> m_dirtyElements;
    bool m_levelsDirty = false;
    bool m_modelsDirty = false;
    bool m_neverSaved = true;

    std::vector<std::function<void()>> m_pending;
    bool m_flushing = false;

    // The file and the state of its storage; null until the project has a file.
    std::unique_ptr<class ProjectStore> m_store;
};

using DgnProjectP = DgnProject*;
