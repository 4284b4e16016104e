#pragma once
// The context bar on a clean desktop over a temporary project: walls and slabs to pick, a
// factory that records what the bar asks of it, the host tools as commands that record that
// they started, and the pick event as the host sends it.

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/UserEnvironment.h"
#include "tests/support/DesktopFixture.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextBarProxy.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarFactory.h"
#include "ztui/contextbar/ZTContextbarFactoryManager.h"
#include "ztui/contextbar/ZTDlgUiContextbar.h"
#include "ztui/frame/ZTUiEventListener.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

// The host tools that the bar starts, by command name, in the order they started.
inline std::vector<std::string>& StartedTools()
{
    static std::vector<std::string> started;
    return started;
}

inline void RegisterRecordingTools()
{
    using Fn = void (*)();
    struct Tool
    {
        const char* name;
        Fn fn;
    };
    static const Tool tools[] = {
        {"ArchMoveDyn", [] { StartedTools().push_back("ArchMoveDyn"); }},
        {"Tessel.Tool.ArchMirror", [] { StartedTools().push_back("Tessel.Tool.ArchMirror"); }},
        {"Tessel.Tool.ArchCopy", [] { StartedTools().push_back("Tessel.Tool.ArchCopy"); }},
        {"Tessel.Tool.ArchRotate", [] { StartedTools().push_back("Tessel.Tool.ArchRotate"); }},
        {"Tessel.Tool.ArchPromote", [] { StartedTools().push_back("Tessel.Tool.ArchPromote"); }},
        {"Tessel.Tool.Select", [] { StartedTools().push_back("Tessel.Tool.Select"); }},
    };
    for (const Tool& t : tools)
        TesselToolsManager::RegisterFun(t.name, t.fn);
}

// A factory that hands out the buttons a test gives it and records every call.
class RecordingFactory : public zt::ZTContextbarFactory
{
public:
    struct Change
    {
        TSContextbarInfo info;
        std::thread::id thread;
        bool onWorkThread = false;
    };

    std::vector<TSContextbarInfo> customButtons;
    TSOperating customOperating = TSOperating_None;
    bool customPreselect = false;
    int buttonRequests = 0;
    int customButtonRequests = 0;
    std::vector<Change> changes;
    std::vector<TSContextbarInfo> customOperations;
    // When set, replaces the default handling of a click.
    std::function<void(const TSContextbarInfo&)> onChanged;

    void OnContextbarChanged(const TSContextbarInfo& info) override
    {
        changes.push_back(
            {info, std::this_thread::get_id(), zt::host::Executors::Get().IsWorkThread()});
        if (onChanged)
            onChanged(info);
        else
            ZTContextbarFactory::OnContextbarChanged(info);
    }
    void addContextbarButton(TSContextbarButton& record) override
    {
        ++buttonRequests;
        ZTContextbarFactory::addContextbarButton(record);
    }
    void OnCustomOperating(const TSContextbarInfo& info) override
    {
        customOperations.push_back(info);
    }
    void addCustomButton(TSContextbarButton& record) override
    {
        ++customButtonRequests;
        record.buttons = customButtons;
        record.operating = customOperating;
        record.preselect = customPreselect;
    }
};

inline TSContextbarInfo Button(TSOperating op, int kind, const wchar_t* label = L"",
                               const wchar_t* icon = L"")
{
    TSContextbarInfo info;
    info.operating = op;
    info.kind = kind;
    info.label = label;
    if (icon && *icon) {
        info.iconName = icon;
        info.iconLibrary = zt::ZTContextbarFactory::kIconLibrary;
    }
    return info;
}

// A temporary project, current while the object lives, with a storey to build on.
class ScratchProject
{
public:
    ScratchProject()
    {
        DgnApplication::Get().NewProject();
        if (DgnProject* p = DgnApplication::Get().GetCurrentProject())
            TSArchiStoreyManager::Get().EnsureStorey(*p);
    }
    ~ScratchProject()
    {
        SelectionSetManager::GetManager().Clear();
        DgnApplication::Get().CloseProject();
    }
    DgnProject& Project() { return *DgnApplication::Get().GetCurrentProject(); }

    ElementRef* AddWall(double y, double length = 4000)
    {
        TSArchiWallPtr w = TSArchiWall::Create();
        w->SetStart({0, y, 0});
        w->SetEnd({length, y, 0});
        w->SetThickness(240);
        return Project().FindElementById(w->AddToModel(*Project().GetDefaultModel()));
    }
    ElementRef* AddSlab()
    {
        TSArchiSlabPtr s = TSArchiSlab::Create();
        s->SetProfile({{0, 0, 0}, {4000, 0, 0}, {4000, 3000, 0}, {0, 3000, 0}});
        s->SetThickness(120);
        return Project().FindElementById(s->AddToModel(*Project().GetDefaultModel()));
    }
};

inline ECInstanceKey KeyOf(ElementRef* element)
{
    return element->GetPrimaryInstance();
}

// The pick event as the host sends it: the picked elements and the point, as doubles.
inline Json::Value PickPayload(const std::vector<ElementRef*>& elements, const DPoint3d& point)
{
    Json::Value payload(Json::objectValue);
    Json::Value picked(Json::arrayValue);
    for (ElementRef* e : elements) {
        Json::Value one(Json::objectValue);
        one["ECInstanceID"] = Json::Int64(KeyOf(e).GetECInstanceId());
        one["ECClassID"] = Json::Int64(KeyOf(e).GetECClassId());
        picked.append(one);
    }
    payload["Struct"] = picked;
    payload["pointX"] = point.x;
    payload["pointY"] = point.y;
    payload["pointZ"] = point.z;
    return payload;
}

inline void SendPick(const std::vector<ElementRef*>& elements, const DPoint3d& point)
{
    zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, PickPayload(elements, point));
}

inline void SendClose()
{
    zt::NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, Json::Value());
}

// Puts every piece of the bar's process-wide state back to where a fresh process has it.
inline void ResetContextbar()
{
    zt::ZTContextBarProxy::ReleseContextbar();
    zt::ZTContextBarProxy::UnRegister();
    zt::ZTDlgUiContextbar::Close();
    zt::host::Executors::Get().PumpAll();
    zt::ZTContextBarProxy::UpdateStartPoint(DPoint3d{0, 0, 0});
    zt::ZTContextbarEvent::instance().factories.clear();
    zt::ZTContextBarDataMgn& data = zt::ZTContextBarDataMgn::instance();
    data.clearMapOperating();
    data.operatingKey.clear();
    data.setvetInstanceKey({});
    data.setTSClickType(TSClickType_Plain);
    data.setClickPoint(DPoint3d{0, 0, 0});
    data.setSpecialPoint(DPoint3d{0, 0, 0});
    AbstractUiStateManager::Get().Clear();
    StartedTools().clear();
    env::UserEnvironment::getInstance()->setDefaultDomain(TesselDomain_Architecture);
}

class ContextbarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterRecordingTools();
        ResetContextbar();
    }
    void TearDown() override { ResetContextbar(); }

    zt::ZTContextBarDataMgn& Data() { return zt::ZTContextBarDataMgn::instance(); }

    DesktopFixture desk;
    ScratchProject project;
};
