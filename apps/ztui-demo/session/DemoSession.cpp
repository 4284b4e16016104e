#include "apps/ztui-demo/session/DemoSession.h"

#include "apps/ztui-demo/tools/HostDrawingTools.h"
#include "apps/ztui-demo/tools/HostToolSession.h"
#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/IndexedViewSet.h"
#include "platform/cad/ITxnManager.h"
#include "platform/cad/IndexedViewport.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/cad/ViewController.h"
#include "platform/host/AppServices.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "platform/host/HostViewCommands.h"
#include "platform/host/ZTLayerCompsMgn.h"
#include "platform/win/Modules.h"
#include "ztui/frame/ZTUiMgn.h"

namespace ztdemo {

namespace {

constexpr UINT kRibbonId = 0xE810;
constexpr UINT kCommandLineId = 0xE811;
constexpr UINT kDockId = 0xE812;
constexpr UINT kLayerComboId = 0xE813;
constexpr int kLayerComboWidth = 180;

struct ButtonDef
{
    const wchar_t* id;
    const wchar_t* caption;
    bool platformIcon; // from "ZTIcons.dll", else from the host's own icons
    const wchar_t* icon;
};

constexpr const wchar_t* kIdlePrompt = L"命令:";

constexpr ButtonDef kButtons[] = {
    {DemoSession::kSelectTool, L"选择", false, L"ribbon_select"},
    {DemoSession::kWallTool, L"墙", false, L"ribbon_wall"},
    {DemoSession::kMoveTool, L"移动", true, L"Graph_Move"},
    {DemoSession::kCopyTool, L"复制", true, L"Graph_Copy"},
    {DemoSession::kRotateTool, L"旋转", true, L"Graph_Rotate"},
    {DemoSession::kMirrorTool, L"镜像", true, L"Graph_Mirror"},
    {DemoSession::kPromoteTool, L"提升", true, L"Graph_Promote"},
    {DemoSession::kFormatBrushTool, L"格式刷", false, L"ribbon_brush"},
    {DemoSession::kPlanView, L"平面", false, L"ribbon_plan"},
    {DemoSession::kIsoView, L"三维", false, L"ribbon_iso"},
};

} // namespace

DemoSession::DemoSession() = default;

DemoSession::~DemoSession() { Close(); }

DgnProject* DemoSession::Project() const { return DgnApplication::Get().GetCurrentProject(); }

bool DemoSession::OpenProject(const std::filesystem::path& path, std::string& error)
{
    DgnApplication& app = DgnApplication::Get();
    std::error_code ec;
    bool exists = std::filesystem::exists(path, ec);
    if (!path.empty() && !path.parent_path().empty())
        std::filesystem::create_directories(path.parent_path(), ec);
    DgnProjectStatus status{};
    DgnProject* project =
        exists ? app.OpenProject(Utf8String(path.string()), &status)
               : app.NewProject(path.empty() ? Utf8String() : Utf8String(path.string()), &status);
    if (!project) {
        error = "the project " + path.string() + " cannot be opened: " +
                std::string(DgnProject::GetLastOpenError().c_str());
        return false;
    }
    m_built = BuildSampleBuilding(*project);
    // The first view's storey plan is part of the sample, saved with it.
    if (m_built.total() > 0)
        TSStoreyModelViewManager::Get().EnsureViewportView(*project);
    if (m_built.total() > 0 && !project->IsTemporary() &&
        project->SaveChanges() != DgnProjectStatus::Success) {
        error = "the sample project could not be saved to " + path.string();
        return false;
    }
    return true;
}

bool DemoSession::Open(const Options& options, std::string& error)
{
    if (IsOpen())
        return true;
    // The library joins the host as the real host loads it; the program also links it for
    // its exported classes, so this only takes a reference.
    m_library = ::LoadLibraryW(L"ztui.dll");
    if (!m_library) {
        error = "ztui.dll cannot be loaded";
        return false;
    }
    if (!OpenProject(options.project, error))
        return false;
    HostDrawingTools::RegisterAll();
    zt::host::RegisterHostViewCommands();
    m_demoIcons = ::LoadLibraryW(L"ZTDemoIcons.dll");
    m_platformIcons = ::LoadLibraryW(L"ZTIcons.dll");

    m_frame = zt::host::CreateMainFrame(options.frame, SW_SHOW);
    if (!m_frame) {
        error = "the main frame cannot be created";
        return false;
    }
    m_ribbon.Create(m_frame, kRibbonId);
    m_commandLine.Create(m_frame, kCommandLineId);
    ShowToolPrompts();
    m_dock.Create(L"属性", m_frame, CRect(0, 0, kDockWidth, 400), TRUE, kDockId);
    m_frame->SetEdgeWindows(&m_ribbon, &m_commandLine, &m_dock, kDockWidth);
    if (!m_panel.CreateIn(m_dock)) {
        error = "the property panel cannot be created";
        return false;
    }
    m_highlight.Start();
    m_contextbar.Start();
    BuildRibbon();
    FillLayerCombo();

    // The document the title belongs to; the library names it.
    m_frame->GetGraphicsView()->SetDocument(&m_document);
    m_frame->SetActiveView(m_frame->GetGraphicsView());
    // The view is the ground storey's plan: its own model, cut above its floor.
    TSStoreyModelViewManager::Get().EnsureViewportView(*Project());
    std::wstring name = options.project.empty() ? L"未命名"
                                                : zt::base::Utf8ToWide(
                                                      options.project.stem().string());
    zt::ZTUiUtil::setWindowTitle(WString(name.c_str()));
    ShowPlan();
    return true;
}

void DemoSession::BuildRibbon()
{
    std::vector<zt::host::RibbonButton> buttons;
    std::vector<CString> ids;
    for (const ButtonDef& def : kButtons) {
        HMODULE from = def.platformIcon ? m_platformIcons : m_demoIcons;
        HICON icon =
            from ? static_cast<HICON>(::LoadImageW(from, def.icon, IMAGE_ICON, 24, 24, 0)) : nullptr;
        if (icon)
            m_icons.push_back(icon);
        buttons.push_back({def.id, def.caption, icon, true});
        ids.emplace_back(def.id);
    }
    m_ribbon.SetButtons(std::move(buttons));
    m_ribbon.SetClickHandler([this](const std::wstring& id) { RunRibbonCommand(id); });
    m_ribbon.SetControlHandler([this](UINT id, UINT code) {
        if (id == kLayerComboId && code == CBN_SELCHANGE)
            AssignSelectionLayer();
    });
    // The tools switch these through the UI manager.
    zt::ZTUiMgn::instance().ribbonButtons = ids;

    CRect bar;
    m_ribbon.GetClientRect(&bar);
    CRect combo(0, 0, kLayerComboWidth, 240);
    combo.OffsetRect(static_cast<int>(std::size(kButtons)) * zt::host::RibbonBar::kButtonWidth + 24,
                     20);
    m_layerCombo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, combo, &m_ribbon,
                        kLayerComboId);
    App_SetLayerComb(m_layerCombo.m_hWnd);
}

void DemoSession::AssignSelectionLayer()
{
    const int index = m_layerCombo.GetCurSel();
    if (index < 0)
        return;
    CString layer;
    m_layerCombo.GetLBText(index, layer);
    const std::wstring name = layer.GetString();
    // Elements change on the work thread, as one undo step.
    zt::host::Executors::Get().PostToWork([name] {
        const bvector<ElementRef*> selected = SelectionSetManager::GetManager().GetElements();
        zt::ZTToolProperty* tool =
            selected.empty() ? nullptr : DemoPropertyPanel::ToolOf(selected.front());
        if (!tool)
            return;
        ITxnManager& txn = selected.front()->GetDgnProject().GetTxnManager();
        txn.StartTxnGroup();
        tool->OnSelectedLayer(std::vector<ElementRef*>(selected.begin(), selected.end()),
                              name.c_str());
        txn.EndTxnGroup();
    });
}

void DemoSession::FillLayerCombo()
{
    DgnProject* project = Project();
    if (!project || !m_layerCombo.m_hWnd)
        return;
    m_layerCombo.ResetContent();
    ZTLAYERCOMPSINFO info;
    ZTLayerCompsMgn& combs = ZTLayerCompsMgn::Get();
    if (!combs.GetLayerCompInfo(*project, combs.GetCurCompName(*project), info))
        return;
    for (const ZTLAYERINFO& layer : info.layers)
        m_layerCombo.AddString(zt::base::Utf8ToWide(layer.name.c_str()).c_str());
    if (m_layerCombo.GetCount() > 0)
        m_layerCombo.SetCurSel(0);
}

void DemoSession::RunRibbonCommand(const std::wstring& id)
{
    if (id == kPlanView)
        ShowPlan();
    else if (id == kIsoView)
        ShowIso();
    else
        TesselUserInputManager::ExeCommand(id.c_str());
}

IndexedViewport* DemoSession::View() const
{
    return IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
}

void DemoSession::FitViewToBuilding()
{
    IndexedViewport* view = View();
    DgnProject* project = Project();
    if (!view || !project || !project->GetDefaultModel())
        return;
    DRange3d range = DRange3d::NullRange();
    for (ElementRef* element : project->GetDefaultModel()->GetElementRefs())
        range.Extend(element->GetRange());
    if (range.IsNull())
        return;
    view->GetViewControllerR().LookAtVolume(range);
    view->ForceHealImmediate();
}

void DemoSession::ShowPlan()
{
    if (IndexedViewport* view = View()) {
        view->GetViewControllerR().SetStandardViewRotation(StandardView::Top);
        FitViewToBuilding();
    }
}

void DemoSession::ShowIso()
{
    if (IndexedViewport* view = View()) {
        view->Set3dView(true);
        ViewFlags flags = view->GetViewFlags();
        flags.SetRenderMode(MSRenderMode::SmoothShade);
        view->SetViewFlags(flags);
        view->GetViewControllerR().SetStandardViewRotation(StandardView::Iso);
        FitViewToBuilding();
    }
}

void DemoSession::FitFrameTo(int width, int height)
{
    if (m_frame && m_frame->m_hWnd)
        m_frame->SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring DemoSession::Caption() const
{
    if (!m_frame || !m_frame->m_hWnd)
        return {};
    CString text;
    m_frame->GetWindowText(text);
    return text.GetString();
}

void DemoSession::ShowToolPrompts()
{
    m_promptShown = std::make_shared<bool>(true);
    // The tool runs on the work thread; the command line is a window of the interface thread.
    zt::host::Executors::Get().RunOnWork([this, shown = m_promptShown] {
        HostToolSession::Get().SetPromptListener([this, shown](const WString& prompt) {
            zt::host::Executors::Get().PostToUI([this, shown, prompt] {
                if (*shown)
                    m_commandLine.SetPrompt(prompt.empty() ? CString(kIdlePrompt)
                                                           : CString(prompt.c_str()));
            });
        });
    });
}

void DemoSession::Close()
{
    if (m_promptShown) {
        *m_promptShown = false;
        m_promptShown = nullptr;
        zt::host::Executors::Get().RunOnWork(
            [] { HostToolSession::Get().SetPromptListener(nullptr); });
    }
    m_contextbar.Stop();
    m_highlight.Stop();
    m_panel.Close();
    if (m_frame) {
        App_SetLayerComb(nullptr);
        zt::ZTUiMgn::instance().ribbonButtons.clear();
        if (m_frame->GetGraphicsView())
            m_frame->GetGraphicsView()->SetDocument(nullptr);
        zt::host::DestroyMainFrame();
        m_frame = nullptr;
    }
    for (HICON icon : m_icons)
        ::DestroyIcon(icon);
    m_icons.clear();
    DgnApplication::Get().CloseProject();
    for (HMODULE* module : {&m_platformIcons, &m_demoIcons, &m_library}) {
        if (*module)
            ::FreeLibrary(*module);
        *module = nullptr;
    }
}

} // namespace ztdemo
