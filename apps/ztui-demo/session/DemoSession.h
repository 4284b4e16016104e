#pragma once
// The reference host: a small BIM application on the platform's stand-ins. It opens (or
// creates) the sample project, loads the library as the real host does, and shows a main frame
// with a ribbon, the graphics view over the building, a dock pane for the property panel, a
// layer combination box and a command line. Everything runs on the user-interface thread.

#include "apps/ztui-demo/session/DemoContextbar.h"
#include "apps/ztui-demo/session/DemoPropertyPanel.h"
#include "apps/ztui-demo/session/SampleBuilding.h"
#include "apps/ztui-demo/tools/HostSelectionHighlight.h"
#include "platform/host/CommandLineBar.h"
#include "platform/host/MainFrame.h"
#include "platform/host/RibbonBar.h"
#include "platform/win/afxwin.h"

#include <filesystem>
#include <memory>
#include <string>

class DgnProject;
class IndexedViewport;

namespace ztdemo {

class DemoSession
{
public:
    static constexpr int kDockWidth = 340;

    // The ribbon's buttons: the host's tools by command name and two view commands.
    static constexpr const wchar_t* kSelectTool = L"Tessel.Tool.Select";
    static constexpr const wchar_t* kWallTool = L"Tessel.Tool.ArchWall";
    static constexpr const wchar_t* kMoveTool = L"ArchMoveDyn";
    static constexpr const wchar_t* kCopyTool = L"Tessel.Tool.ArchCopy";
    static constexpr const wchar_t* kRotateTool = L"Tessel.Tool.ArchRotate";
    static constexpr const wchar_t* kMirrorTool = L"Tessel.Tool.ArchMirror";
    static constexpr const wchar_t* kPromoteTool = L"Tessel.Tool.ArchPromote";
    static constexpr const wchar_t* kFormatBrushTool = L"Tessel.Tool.FormatBrush";
    static constexpr const wchar_t* kPlanView = L"Demo.View.Plan";
    static constexpr const wchar_t* kIsoView = L"Demo.View.Iso";

    struct Options
    {
        // The project file; created with the sample building when it does not exist.
        std::filesystem::path project;
        RECT frame{0, 0, 1600, 900};
    };

    DemoSession();
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // False with a reason when the project cannot be opened or made, or the library is
    // missing.
    bool Open(const Options& options, std::string& error);
    // Closes everything it opened, without saving, and unloads the library.
    void Close();
    bool IsOpen() const { return m_frame != nullptr; }

    zt::host::HostMainFrame* Frame() const { return m_frame; }
    zt::host::RibbonBar& Ribbon() { return m_ribbon; }
    zt::host::CommandLineBar& CommandLine() { return m_commandLine; }
    CDockablePane& Dock() { return m_dock; }
    // The property panel in the dock pane; it shows the selection.
    DemoPropertyPanel& Panel() { return m_panel; }
    // The outline of the selection in the views.
    HostSelectionHighlight& Highlight() { return m_highlight; }
    // The context bar beside the selection.
    DemoContextbar& Contextbar() { return m_contextbar; }
    CComboBox& LayerCombo() { return m_layerCombo; }
    DgnProject* Project() const;
    // What the sample building had when this session made it (zero when it was opened).
    const SampleCounts& Built() const { return m_built; }
    HMODULE Library() const { return m_library; }

    // The selected view of the graphics view, or null.
    IndexedViewport* View() const;
    // The selected view looking down on the building, or turned to the south-west iso view,
    // fitted to the building either way.
    void ShowPlan();
    void ShowIso();
    // Lays the main frame over the whole screen of the given size.
    void FitFrameTo(int width, int height);
    // Caption of the main frame: the document title the library set.
    std::wstring Caption() const;

private:
    bool OpenProject(const std::filesystem::path& path, std::string& error);
    void BuildRibbon();
    // The running tool's prompt on the command line, "命令:" while none runs.
    void ShowToolPrompts();
    void FillLayerCombo();
    // The layer chosen in the layer box becomes the layer of the selected elements.
    void AssignSelectionLayer();
    void FitViewToBuilding();
    void RunRibbonCommand(const std::wstring& id);

    zt::host::HostMainFrame* m_frame = nullptr;
    zt::host::RibbonBar m_ribbon;
    zt::host::CommandLineBar m_commandLine;
    CDockablePane m_dock;
    DemoPropertyPanel m_panel;
    HostSelectionHighlight m_highlight;
    // False once the session closed: a prompt still queued for the command line is dropped.
    std::shared_ptr<bool> m_promptShown;
    DemoContextbar m_contextbar;
    CComboBox m_layerCombo;
    CDocument m_document;
    SampleCounts m_built;
    HMODULE m_library = nullptr;
    HMODULE m_demoIcons = nullptr;
    HMODULE m_platformIcons = nullptr;
    std::vector<HICON> m_icons;
};

} // namespace ztdemo
