#include "ztui/propertypanel/ZTPropertyMgn.h"

#include "platform/base/Encoding.h"
#include "platform/host/AppServices.h"
#include "platform/host/MainFrame.h"
#include "platform/host/TSBuildingElement.h"
#include "platform/win/Modules.h"
#include "ztui/propertypanel/PropertyGroupMemory.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <atomic>
#include <utility>

namespace zt {

namespace {

constexpr COLORREF kPanelBackground = 0xFFFFFF;

// Trivially destructible: read while the library's static objects go.
constinit std::atomic<ZTPropertyMgn*> g_instance{nullptr};
constinit std::mutex g_creation;

// The host's active drawing view, or null.
CView* ActiveDrawingView()
{
    auto* frame = dynamic_cast<CFrameWnd*>(getMainFrameWnd());
    CView* view = frame ? frame->GetActiveView() : nullptr;
    return view && view->m_hWnd ? view : nullptr;
}

// The host's resource module is current while a tool's factory makes its panel.
class ResourceModuleScope
{
public:
    explicit ResourceModuleScope(HINSTANCE module) : m_previous(AfxGetResourceHandle())
    {
        if (module)
            AfxSetResourceHandle(module);
    }
    ~ResourceModuleScope() { AfxSetResourceHandle(m_previous); }
    ResourceModuleScope(const ResourceModuleScope&) = delete;
    ResourceModuleScope& operator=(const ResourceModuleScope&) = delete;

private:
    HINSTANCE m_previous;
};

} // namespace

ZTPropertyMgn& ZTPropertyMgn::instance()
{
    if (ZTPropertyMgn* mgn = g_instance.load(std::memory_order_acquire))
        return *mgn;
    std::lock_guard lock(g_creation);
    if (ZTPropertyMgn* mgn = g_instance.load(std::memory_order_acquire))
        return *mgn;
    auto* mgn = new ZTPropertyMgn();
    g_instance.store(mgn, std::memory_order_release);
    return *mgn;
}

bool ZTPropertyMgn::Exists()
{
    return g_instance.load(std::memory_order_acquire) != nullptr;
}

void ZTPropertyMgn::DestroyInstance()
{
    std::lock_guard lock(g_creation);
    ZTPropertyMgn* mgn = g_instance.load(std::memory_order_acquire);
    if (!mgn)
        return;
    // The groups the user folded since the last refresh count as much as earlier ones.
    mgn->recordShownGroups();
    mgn->saveGroupMemory();
    g_instance.store(nullptr, std::memory_order_release);
    delete mgn;
}

ZTPropertyMgn::ZTPropertyMgn()
{
    m_context.collector = std::make_unique<ZTProperyListImpl>();
    m_context.listModel = std::make_unique<PropertyList_imp>();
    PropertyStyle::Get();
    m_context.listModel->setValueChanged(&ZTPropertyDlg::OnListValueChanged);
    m_context.listModel->setButtonClicked(&ZTPropertyDlg::OnListButtonClicked);
    App_RegisteBeforeRefreshPropertyList(&ZTPropertyMgn::RecordBeforeRefresh);
}

ZTPropertyMgn::~ZTPropertyMgn()
{
    App_RegisteBeforeRefreshPropertyList(nullptr);
    // A list window that still shows the model must not keep pointers into it.
    if (auto* window = dynamic_cast<ListBoxProperty*>(m_context.listModel->view()))
        window->SetList(nullptr);
    m_context.collector.reset();
    m_context.listModel.reset();
    std::lock_guard lock(m_tempLock);
    m_context.tempObjects.clear();
    m_context.tempObject = nullptr;
}

void ZTPropertyMgn::registerToolPanel(const char* name, ZTToolPanelFactory factory, HWND parent,
                                      HINSTANCE module, unsigned templateId)
{
    if (!name || !factory)
        return;
    m_context.toolPanels.try_emplace(
        Utf8String(name), ZTToolPanelRecord{templateId, parent, module, factory, nullptr});
}

ZTDlgToolPanelBase* ZTPropertyMgn::getToolPanel(const char* name)
{
    m_context.lastToolName = Utf8String(name);
    auto it = m_context.toolPanels.find(m_context.lastToolName);
    if (it == m_context.toolPanels.end())
        return nullptr;
    ZTToolPanelRecord& record = it->second;
    if (record.panel) {
        if (record.panel->m_hWnd && ::IsWindow(record.panel->m_hWnd)) {
            CView* view = ActiveDrawingView();
            if (view && ::GetParent(record.panel->m_hWnd) != view->m_hWnd)
                record.panel->SetParent(view);
            return record.panel;
        }
        if (record.panel->m_hWnd)
            record.panel->SendMessage(WM_CLOSE);
        record.panel->DestroyWindow();
        record.panel = nullptr;
    }
    if (!record.factory)
        return nullptr;
    ZTDlgToolPanelBase* panel = nullptr;
    {
        ResourceModuleScope resources(record.module);
        panel = record.factory();
        if (panel && !panel->m_hWnd) {
            // A parent the host has destroyed since it registered the panel cannot own it; the
            // panel is not made on the desktop instead.
            const bool parentGone = record.parent && !::IsWindow(record.parent);
            if (!parentGone && panel->Create(record.templateId, CWnd::FromHandle(record.parent))) {
                panel->ModifyStyleEx(0, WS_EX_NOACTIVATE);
                panel->EnableWindow(TRUE);
                panel->SetBackgroundColor(kPanelBackground);
                panel->ShowWindow(SW_SHOWNOACTIVATE);
            } else {
                panel = nullptr;
            }
        }
    }
    record.panel = panel;
    if (CView* view = ActiveDrawingView(); view && panel)
        panel->SetParent(view);
    return record.panel;
}

void ZTPropertyMgn::refreshPropertyList(const char* name)
{
    ZTDlgToolPanelBase* panel = getToolPanel(name);
    if (!panel)
        return;
    ZTPanelToolProperty* tool = ZTPanelToolProperty::Of(m_context.collector->tool());
    ZTPropertyDlg* dialog = ZTPropertyDlg::DialogOf(*m_context.listModel);
    if (!tool || !dialog)
        return;
    RefCountedPtr<TSGraphicElement> object;
    panel->GetPanelObject(object);
    if (object.IsValid())
        dialog->refreshPropertyList(object->GetECClassName().c_str(), object);
}

void ZTPropertyMgn::AppendAttributeInfo(ITSObject& obj)
{
    if (!m_appendAttributeInfo) {
        if (!m_core)
            m_core = ::LoadLibraryW(L"ZTCore.dll");
        if (!m_core)
            return;
        m_appendAttributeInfo =
            zt::win::GetProcAddressAs<void (*)(TSBuildingElement*)>(m_core, "appendAttributeInfo");
        if (!m_appendAttributeInfo) {
            ::FreeLibrary(std::exchange(m_core, nullptr));
            return;
        }
    }
    m_appendAttributeInfo(dynamic_cast<TSBuildingElement*>(&obj));
}

void ZTPropertyMgn::setTempObject(RefCountedPtr<ITSObject> obj)
{
    std::lock_guard lock(m_tempLock);
    m_context.tempObject = obj;
    if (obj.IsNull())
        return;
    if (obj->GetDomain() == TesselDomain_Architecture)
        AppendAttributeInfo(*obj);
    if (dynamic_cast<TSGraphicElement*>(obj.get()))
        m_context.tempObjects[obj->GetECClassName()] = obj;
}

RefCountedPtr<ITSObject> ZTPropertyMgn::getTempObject()
{
    std::lock_guard lock(m_tempLock);
    return m_context.tempObject;
}

RefCountedPtr<ITSObject> ZTPropertyMgn::getTempObject(Utf8String& className)
{
    std::lock_guard lock(m_tempLock);
    auto it = m_context.tempObjects.find(className);
    return it == m_context.tempObjects.end() ? nullptr : it->second;
}

void ZTPropertyMgn::setGroupMemoryPath(const std::wstring& path)
{
    std::lock_guard lock(m_memoryLock);
    if (!m_context.loaded)
        m_memoryPath = path;
}

void ZTPropertyMgn::LoadGroupMemoryLocked()
{
    if (m_context.loaded)
        return;
    m_context.loaded = true;
    if (m_memoryPath.empty())
        m_memoryPath = PropertyGroupMemory::FilePath();
    m_context.groupExpansion = PropertyGroupMemory::Load(m_memoryPath);
}

void ZTPropertyMgn::recordGroupExtend(const WString& key, bool expanded)
{
    std::lock_guard lock(m_memoryLock);
    LoadGroupMemoryLocked();
    m_context.groupExpansion[zt::base::WideToUtf8(key)] = expanded;
}

bool ZTPropertyMgn::isGroupExtend(IToolProperty* tool, const WString& groupName, bool defaultValue)
{
    if (!tool)
        return defaultValue;
    WString key = ZTPanelToolProperty::RuntimeClassNameOf(*tool) + groupName;
    std::lock_guard lock(m_memoryLock);
    LoadGroupMemoryLocked();
    // Asking leaves the key in the memory (as null), so the file lists every group seen.
    const Json::Value& value = m_context.groupExpansion[zt::base::WideToUtf8(key)];
    return value.isBool() ? value.asBool() : defaultValue;
}

Json::Value ZTPropertyMgn::groupExtendValue(const WString& key)
{
    std::lock_guard lock(m_memoryLock);
    LoadGroupMemoryLocked();
    return m_context.groupExpansion.get(zt::base::WideToUtf8(key), Json::Value());
}

void ZTPropertyMgn::RecordBeforeRefresh(const WString& toolKey,
                                        const std::map<const wchar_t*, bool>& groups)
{
    instance().recordGroups(toolKey, groups);
}

void ZTPropertyMgn::recordGroups(const WString& toolKey,
                                 const std::map<const wchar_t*, bool>& groups)
{
    for (const auto& [name, expanded] : groups)
        recordGroupExtend(toolKey + WString(name), expanded);
}

void ZTPropertyMgn::recordShownGroups()
{
    ZTPanelToolProperty* tool = ZTPanelToolProperty::Of(m_context.collector->tool());
    if (!tool || m_context.listModel->rows().groups().empty())
        return;
    PropertyMgrUI::GroupStateMap states;
    m_context.listModel->collectGroupStates(states);
    recordGroups(tool->GroupKeyPrefix(), states);
}

bool ZTPropertyMgn::saveGroupMemory()
{
    std::lock_guard lock(m_memoryLock);
    if (!m_context.loaded)
        return false;
    return PropertyGroupMemory::Save(m_memoryPath, m_context.groupExpansion);
}

} // namespace zt
