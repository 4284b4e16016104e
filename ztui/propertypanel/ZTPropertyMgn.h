#pragma once
// The hub of the property panel, one per process. It owns the two models every property dialog
// shares (the collector the tools fill and the list's model), keeps the object the panel shows
// (the temp object) and the last one of each class, creates the tools' panels on demand, and
// remembers which groups the user left open or closed, per tool, in "PropertyGroupExtend.json"
// (read on first use, written when the library unloads).
//
// The temp objects are guarded by one lock: the panel's work-thread calls read them. The
// group memory has a lock of its own, since tools ask it from the work thread as they list.
// Everything else belongs to the user-interface thread.

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/host/ITSObject.h"
#include "platform/host/IToolProperty.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/propertypanel/ZTProperyListImpl.h"
#include "ztui/proplist/model/PropertyList_imp.h"

#include <json/value.h>

#include <map>
#include <memory>
#include <mutex>

class TSBuildingElement;

namespace zt {

class ZTDlgToolPanelBase;

using ZTToolPanelFactory = ZTDlgToolPanelBase* (*)();

struct ZTToolPanelRecord
{
    unsigned templateId = 0;
    HWND parent = nullptr;
    HINSTANCE module = nullptr;
    ZTToolPanelFactory factory = nullptr;
    ZTDlgToolPanelBase* panel = nullptr; // not owned
};

struct ZTPropertyContext
{
    std::unique_ptr<ZTProperyListImpl> collector;
    std::unique_ptr<PropertyList_imp> listModel;
    Utf8String lastToolName;
    RefCountedPtr<ITSObject> tempObject;
    std::map<Utf8String, RefCountedPtr<ITSObject>> tempObjects;
    std::map<Utf8String, ZTToolPanelRecord> toolPanels;
    Json::Value groupExpansion;
    bool loaded = false;
};

class ZTUI_EXPORT ZTPropertyMgn
{
public:
    static ZTPropertyMgn& instance();
    // The library's unload: the group memory is written (when this process read it) and the
    // manager goes. Nothing of the library may call the manager afterwards.
    static void DestroyInstance();
    static bool Exists();

    ZTPropertyContext& context() { return m_context; }

    void registerToolPanel(const char* name, ZTToolPanelFactory factory, HWND parent,
                           HINSTANCE module, unsigned templateId);
    ZTDlgToolPanelBase* getToolPanel(const char* name);
    Utf8String getLastToolName() const { return m_context.lastToolName; }
    void refreshPropertyList(const char* name);

    void setTempObject(RefCountedPtr<ITSObject> obj);
    RefCountedPtr<ITSObject> getTempObject();
    RefCountedPtr<ITSObject> getTempObject(Utf8String& className);

    void recordGroupExtend(const WString& key, bool expanded);
    bool isGroupExtend(IToolProperty* tool, const WString& groupName, bool defaultValue);
    // The memory's value for a key as it stands: true, false, or null when never recorded.
    Json::Value groupExtendValue(const WString& key);

    // Records the expanded state of every group the list shows under the tool key, as the host
    // does before it refreshes its list. The hook given to App_RegisteBeforeRefreshPropertyList.
    static void RecordBeforeRefresh(const WString& toolKey,
                                    const std::map<const wchar_t*, bool>& groups);
    void recordGroups(const WString& toolKey, const std::map<const wchar_t*, bool>& groups);
    // The states of the groups the list shows now, under the key of the tool that filled it.
    void recordShownGroups();

    // Where the memory is read from and written to; the host's application-data folder unless
    // set (tests point it elsewhere). Only before the memory is first read.
    void setGroupMemoryPath(const std::wstring& path);
    const std::wstring& groupMemoryPath() const { return m_memoryPath; }
    // Writes the memory now, if it was read in this process; false when it could not be.
    bool saveGroupMemory();

private:
    ZTPropertyMgn();
    ~ZTPropertyMgn();
    ZTPropertyMgn(const ZTPropertyMgn&) = delete;
    ZTPropertyMgn& operator=(const ZTPropertyMgn&) = delete;

    void LoadGroupMemoryLocked();
    void AppendAttributeInfo(ITSObject& obj);

    ZTPropertyContext m_context;
    std::mutex m_tempLock;
    std::mutex m_memoryLock;
    std::wstring m_memoryPath;
    HMODULE m_core = nullptr;
    void (*m_appendAttributeInfo)(TSBuildingElement*) = nullptr;
};

} // namespace zt
