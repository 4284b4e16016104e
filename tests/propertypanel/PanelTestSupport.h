#pragma once
// The property panel on a clean desktop: a property dialog docked in a pane of a host window,
// a scratch application-data folder for the group memory, and a tool property interface that
// lists what a test gives it and records the edits it receives.

#include "platform/host/Executors.h"
#include "platform/host/IToolProperty.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TesselToolsInterfaceManager.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "platform/host/TesselUIProperyList.h"
#include "platform/win/afxwin.h"
#include "platform/win/resources/ResourceModule.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

// A tool's property interface: lists through a test's function, records every edit with the
// thread it came on and the object it was for.
class FakeTool : public IToolProperty
{
public:
    static RefCountedPtr<FakeTool> Create() { return new FakeTool(); }

    struct Edit
    {
        int key = 0;
        TesselUIPropertyItem record;
        bool onWorkThread = false;
        ITSObject* object = nullptr;
    };

    std::function<void(TesselUIProperyList&)> fill;
    std::vector<Edit> changes;
    std::vector<Edit> clicks;
    int lists = 0;
    RefCountedPtr<ITSObject> listed;

    void OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list) override
    {
        ++lists;
        listed = obj;
        if (fill)
            fill(list);
    }
    void OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                               TesselUIPropertyItem& record) override
    {
        changes.push_back(Record(obj, key, record));
    }
    void OnPropertyItemButtonClicked(RefCountedPtr<ITSObject>& obj, int key,
                                     TesselUIPropertyItem& record) override
    {
        clicks.push_back(Record(obj, key, record));
    }

protected:
    FakeTool() = default;
    ~FakeTool() override = default;

private:
    static Edit Record(RefCountedPtr<ITSObject>& obj, int key, TesselUIPropertyItem& record)
    {
        Edit edit;
        edit.key = key;
        edit.record.swap(record);
        edit.onWorkThread = zt::host::Executors::Get().IsWorkThread();
        edit.object = obj.get();
        return edit;
    }
};

// A fresh folder standing in for the user's application-data folder.
class ScratchAppData
{
public:
    ScratchAppData()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "ztpanel.XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            m_root = pattern;
        ::setenv("XDG_CONFIG_HOME", m_root.c_str(), 1);
    }
    ~ScratchAppData()
    {
        std::error_code ec;
        std::filesystem::permissions(m_root, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(MemoryFolder(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_root, ec);
    }
    const std::filesystem::path& Root() const { return m_root; }
    std::filesystem::path MemoryFolder() const { return m_root / "TSArch" / "Config"; }
    std::filesystem::path MemoryFile() const { return MemoryFolder() / "PropertyGroupExtend.json"; }

private:
    std::filesystem::path m_root;
};

// The test's property dialog: counts the notifications a derived dialog receives.
class TestPropertyDlg : public zt::ZTPropertyDlg
{
public:
    TestPropertyDlg() : ZTPropertyDlg(0) {}
    void PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem& item) override
    {
        notified.push_back({key, &item});
        if (onNotify)
            onNotify(key, item);
    }
    struct Notification
    {
        long key;
        PropertyMgrUI::PropertyItem* item;
    };
    std::vector<Notification> notified;
    std::function<void(long, PropertyMgrUI::PropertyItem&)> onNotify;
};

inline zt::win::DialogTemplate PanelDialogTemplate(DWORD style = WS_CHILD | WS_VISIBLE)
{
    zt::win::DialogTemplate t;
    t.style = style;
    t.cx = 120;
    t.cy = 100;
    return t;
}

// A tool panel's template, registered in the tool's own resource module.
inline void AddToolPanelTemplate(HINSTANCE module, unsigned id, DWORD style, short cx, short cy)
{
    zt::win::DialogTemplate t;
    t.style = style;
    t.cx = cx;
    t.cy = cy;
    zt::win::ResourceModule::AddDialog(module, MAKEINTRESOURCEW(id), t);
}

class PanelTest : public ::testing::Test
{
protected:
    static constexpr const char* kClass = "TSArchiWall";
    static constexpr int kPaneWidth = 320;
    static constexpr int kPaneHeight = 480;

    void SetUp() override
    {
        LPCTSTR cls = AfxRegisterWndClass(0, nullptr, ::GetSysColorBrush(COLOR_BTNFACE));
        ASSERT_TRUE(host.CreateEx(0, cls, L"host", WS_POPUP | WS_VISIBLE, 40, 40, kPaneWidth + 60,
                                  kPaneHeight + 60, nullptr, nullptr));
        ASSERT_TRUE(pane.Create(L"属性", &host, CRect(0, 0, kPaneWidth, kPaneHeight), TRUE, 900));
        dialog = std::make_unique<TestPropertyDlg>();
        ASSERT_TRUE(dialog->CreateIndirect(PanelDialogTemplate(), &pane));
        pane.SetHostedWindow(dialog.get());
        dialog->SetGroupsPairOnlyPropertyList();
        tool = FakeTool::Create();
        TesselToolsInterfaceManager::RegisterInterface(kClass, tool.get());
        wall = TSArchiWall::Create();
        desk.pump();
    }
    void TearDown() override
    {
        TesselToolsInterfaceManager::Clear();
        if (dialog && dialog->m_hWnd)
            dialog->DestroyWindow();
        dialog.reset();
        pane.DestroyWindow();
        host.DestroyWindow();
        // The unload step, while the scratch folder is still there.
        zt::ZTPropertyMgn::DestroyInstance();
    }

    void Refresh()
    {
        dialog->refreshPropertyList(kClass, wall.get());
        desk.pump();
    }
    zt::ListBoxProperty& List() { return *dialog->GetPropertyList(); }
    zt::PropertyList_imp& Model() { return *zt::ZTPropertyMgn::instance().context().listModel; }
    // The list item of that name, or null.
    zt::PropertyItem_imp* Item(const wchar_t* name)
    {
        for (const auto& item : Model().items())
            if (item->name() == CString(name))
                return item.get();
        return nullptr;
    }
    // The centre of a visible row's value cell, on the screen.
    POINT ValueCell(int visibleRow)
    {
        CRect cell = List().EditorRects().at(static_cast<std::size_t>(visibleRow));
        List().ClientToScreen(&cell);
        return cell.CenterPoint();
    }

    ScratchAppData appData;
    DesktopFixture desk;
    CWnd host;
    CDockablePane pane;
    std::unique_ptr<TestPropertyDlg> dialog;
    RefCountedPtr<FakeTool> tool;
    TSArchiWallPtr wall;
};
