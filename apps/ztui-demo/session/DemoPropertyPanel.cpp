#include "apps/ztui-demo/session/DemoPropertyPanel.h"

#include "platform/cad/ProjectEvents.h"
#include "platform/host/Executors.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/win/resources/ResourceModule.h"

namespace ztdemo {

namespace {

// A child dialog without controls of its own: the library adds the list. Small, because the
// dialog never shrinks below its first size and the pane may be narrow.
void RegisterTemplate()
{
    static const bool registered = [] {
        zt::win::DialogTemplate t;
        t.style = WS_CHILD | WS_CLIPCHILDREN;
        t.cx = 80;
        t.cy = 60;
        return zt::win::ResourceModule::AddDialog(
            AfxGetInstanceHandle(), MAKEINTRESOURCEW(DemoPropertyPanel::kTemplateId), t);
    }();
    (void)registered;
}

} // namespace

BEGIN_MESSAGE_MAP(DemoPropertyPanel, zt::ZTPropertyDlg)
ON_WM_SIZE()
END_MESSAGE_MAP()

DemoPropertyPanel::DemoPropertyPanel() : ZTPropertyDlg(kTemplateId) {}

DemoPropertyPanel::~DemoPropertyPanel()
{
    Close();
}

bool DemoPropertyPanel::CreateIn(CDockablePane& pane)
{
    RegisterTemplate();
    if (!m_hWnd && !Create(kTemplateId, &pane))
        return false;
    pane.SetHostedWindow(this);
    SetGroupsPairOnlyPropertyList();
    if (!m_following) {
        m_following = true;
        m_pending->alive = true;
        SelectionSetManager::GetManager().AddListener(this);
        ProjectEvents::Get().AddElementListener(this);
    }
    return true;
}

void DemoPropertyPanel::Close()
{
    if (m_following) {
        m_following = false;
        m_pending->alive = false;
        SelectionSetManager::GetManager().DropListener(this);
        ProjectEvents::Get().DropElementListener(this);
    }
    if (m_hWnd)
        DestroyWindow();
}

void DemoPropertyPanel::OnSize(UINT nType, int cx, int cy)
{
    ZTPropertyDlg::OnSize(nType, cx, cy);
    // The list takes the whole pane, also in height.
    if (nType != SIZE_MINIMIZED && GetPropertyList())
        SetGroupsPairOnlyPropertyList();
}

void DemoPropertyPanel::ShowSelection()
{
    if (!m_hWnd)
        return;
    const bvector<ElementRef*> selected = SelectionSetManager::GetManager().GetElements();
    refreshSelectionPropertyList(selected);
    if (!selected.empty())
        if (zt::ZTToolProperty* tool = ToolOf(selected.front()))
            tool->OnSelectionChanged(std::vector<ElementRef*>(selected.begin(), selected.end()));
}

zt::ZTToolProperty* DemoPropertyPanel::ToolOf(ElementRef* element)
{
    RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
    if (obj.IsNull())
        return nullptr;
    return dynamic_cast<zt::ZTToolProperty*>(TesselToolsInterfaceManager::QueryICmdInterface(
        obj->GetECClassName().c_str(), IToolProperty::INTERFACE_NAME));
}

void DemoPropertyPanel::RequestRefresh()
{
    std::shared_ptr<Pending> pending = m_pending;
    if (pending->queued.exchange(true))
        return;
    zt::host::Executors::Get().PostToUI([this, pending] {
        pending->queued = false;
        if (pending->alive)
            ShowSelection();
    });
}

void DemoPropertyPanel::OnSelectionChanged(SelectionSetAction, const bvector<ElementRef*>&)
{
    RequestRefresh();
}

void DemoPropertyPanel::OnElementChanged(ElementRef& element)
{
    if (SelectionSetManager::GetManager().IsSelected(&element))
        RequestRefresh();
}

void DemoPropertyPanel::OnElementDeleted(ElementRef&)
{
    // The selection drops a deleted element and says so itself.
}

} // namespace ztdemo
