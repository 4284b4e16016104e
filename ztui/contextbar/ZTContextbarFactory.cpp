#include "ztui/contextbar/ZTContextbarFactory.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/IViewManager.h"
#include "platform/cad/MessageSender.h"
#include "platform/cad/SelectionSetManager.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSModelInfoManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/win/Desktop.h"
#include "platform/win/WinUser.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextBarProxy.h"

#include <set>
#include <span>

namespace zt {

namespace {

constexpr const char* kArchiSchema = "TSM_ArchiModel";
constexpr const char* kDrawingSchema = "TSM_TesselDrawingCommon";
// Classes whose clicks always go to their factory: their tools take the selection their own
// way.
constexpr const char* kCustomArchiClasses[] = {"TSArchiSlab", "TSArchiSite", "TSArchiCurtainWall"};
constexpr const char* kCustomDrawingClasses[] = {
    "DrawingPaperLineDimension", "DrawingPaperAngleDimension", "DrawingPaperArcDimension",
    "DrawingPaperDorRDimension"};
constexpr const char* kOpeningClass[] = {"TSArchiOpening"};
// Flat drawings lie at z 0: their move anchor has no height.
constexpr int kDrawingModelType = 4;

struct BuiltIn
{
    TSOperating op;
    const wchar_t* label;
    const wchar_t* icon;
};

constexpr BuiltIn kBuiltIns[] = {
    {TSOperating_Move, L"移动", L"Graph_Move"},
    {TSOperating_Rotate, L"旋转", L"Graph_Rotate"},
    {TSOperating_Mirror, L"镜像", L"Graph_Mirror"},
    {TSOperating_Promote, L"提升", L"Graph_Promote"},
    {TSOperating_MultipleCopy, L"多重复制", L"Graph_MobileReplication"},
};

// True when the selection holds at least two distinct elements.
bool SeveralDistinctSelected()
{
    SelectionSetManager& selection = SelectionSetManager::GetManager();
    std::size_t count = selection.NumSelected();
    if (count <= 1)
        return false;
    std::set<std::pair<ECClassId, ECInstanceId>> seen;
    for (std::size_t i = 0; i < count; ++i) {
        ElementRef* element = selection.GetElement(i);
        if (!element)
            continue;
        seen.insert({element->GetECClassId(), element->GetECInstanceId()});
        if (seen.size() >= 2)
            return true;
    }
    return false;
}

void WriteMoveAnchor(const DPoint3d& point, int modelType)
{
    Json::Value anchor(Json::objectValue);
    anchor["x"] = point.x;
    anchor["y"] = point.y;
    if (modelType == kDrawingModelType)
        anchor["z"] = 0;
    else
        anchor["z"] = point.z;
    Json::Value value(Json::objectValue);
    value["MoveDyn"] = anchor;
    AbstractUiStateManager::Get().SetValue("MoveDyn", value);
}

bool IsOneOf(DgnProject& project, ECClassId classId, const char* schema,
             std::span<const char* const> classes)
{
    for (const char* name : classes)
        if (TSObjectExtensionManager::GetClassIdByClassName(project, schema, name) == classId)
            return true;
    return false;
}

void AskToolSettingValues()
{
    SendMessageToWorkThread("Tessel.Message.ToolSetting.GetUIValues", Json::Value());
}

} // namespace

const char* ZTContextbarFactory::ToolOf(TSOperating op)
{
    switch (op) {
    case TSOperating_Move:
        return "ArchMoveDyn";
    case TSOperating_Mirror:
        return "Tessel.Tool.ArchMirror";
    case TSOperating_Copy:
    case TSOperating_MultipleCopy:
        return "Tessel.Tool.ArchCopy";
    case TSOperating_Rotate:
        return "Tessel.Tool.ArchRotate";
    case TSOperating_Promote:
        return "Tessel.Tool.ArchPromote";
    default:
        return nullptr;
    }
}

void ZTContextbarFactory::AppendBuiltInButtons(TSContextbarButton& record)
{
    for (const BuiltIn& b : kBuiltIns) {
        TSContextbarInfo info;
        info.operating = b.op;
        info.kind = TSContextbarKind_Common;
        info.label = b.label;
        info.iconName = b.icon;
        info.iconLibrary = kIconLibrary;
        record.buttons.push_back(info);
    }
}

void ZTContextbarFactory::addContextbarButton(TSContextbarButton& record)
{
    ZTContextBarDataMgn& data = ZTContextBarDataMgn::instance();
    if (SeveralDistinctSelected() && data.getTSClickType() != TSClickType_ToolSetting) {
        record.buttons.clear();
        record.preselect = true;
        record.clickType = TSClickType_Plain;
        record.operating = TSOperating_None;
        AppendBuiltInButtons(record);
        data.setTSClickType(TSClickType_Several);
        return;
    }
    addCustomButton(record);
}

void ZTContextbarFactory::OnContextbarChanged(const TSContextbarInfo& info)
{
    ZTContextBarDataMgn& data = ZTContextBarDataMgn::instance();
    const TSOperating op = info.operating;
    const TSClickType click = data.getTSClickType();
    const DgnModelId model = data.getActiveModelId();
    const int modelType =
        model == INVALID_MODELID ? 0 : TSModelInfoManager::Get().GetModelType(model);
    AbstractUiStateManager& ui = AbstractUiStateManager::Get();
    WriteMoveAnchor(data.getClickPoint(), modelType);

    if (click == TSClickType_ToolSetting) {
        ui.SetValue("Contextbar_Operating", static_cast<int>(op));
        auto* ask = new CallerF<void (*)(), CallableObj>(&AskToolSettingValues);
        FuncCall::ToCallOnUITread(ask);
        ask->Release();
        return;
    }

    const std::vector<ECInstanceKey> keys = data.getvetInstanceKey();
    if (keys.empty())
        return;
    if (DgnProject* project = DgnApplication::Get().GetCurrentProject()) {
        const ECClassId classId = keys.front().GetECClassId();
        if (IsOneOf(*project, classId, kArchiSchema, kCustomArchiClasses) ||
            IsOneOf(*project, classId, kDrawingSchema, kCustomDrawingClasses)) {
            OnCustomOperating(info);
            return;
        }
        if (IsOneOf(*project, classId, kArchiSchema, kOpeningClass))
            WriteMoveAnchor(data.getSpecialPoint(), modelType);
    }

    const bool several = SelectionSetManager::GetManager().NumSelected() > 1;
    const bool plainMove = click == TSClickType_Plain && op == TSOperating_Move;
    if ((info.kind == TSContextbarKind_Common && !plainMove) || several) {
        const char* tool = ToolOf(op);
        if (!tool)
            return;
        TesselUserInputManager::ExeCommand(tool);
    } else if (click != TSClickType_Plain) {
        OnCustomOperating(info);
        return;
    } else {
        const int previous = ui.GetInt("Contextbar_Operating", -1);
        if (previous >= TSOperating_Mirror && previous <= TSOperating_MultipleCopy) {
            ui.SetValue("Is_CloseBar", false);
            ReShowContextbar();
        }
    }
    ui.SetValue("Contextbar_Operating", static_cast<int>(op));
}

void ZTContextbarFactory::OnCustomOperating(const TSContextbarInfo&) {}

void ZTContextbarFactory::addCustomButton(TSContextbarButton&) {}

void ZTContextbarFactory::ReShowContextbar()
{
    ZTContextBarProxy::ReleseContextbar();
    ZTContextBarProxy::UnRegister();
    TesselUserInputManager::ExeCommand(kSelectionToolCommand);
    if (SelectionSetManager::GetManager().NumSelected() != 1)
        return;
    IndexedViewport* view = IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport();
    if (!view)
        return;
    // The pick is sent again as the user would make it: the pointer goes to the element's
    // click point and the left button goes down and up there.
    const DPoint3d screen =
        view->ViewToScreen(view->WorldToView(ZTContextBarDataMgn::instance().getClickPoint()));
    SIZE size = zt::win::Desktop::ScreenSize();
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const long long x = static_cast<long long>(screen.x);
    const long long y = static_cast<long long>(screen.y);
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy)
        return;
    INPUT in[3]{};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dx = static_cast<LONG>((x * 65536 + size.cx - 1) / size.cx);
    in[0].mi.dy = static_cast<LONG>((y * 65536 + size.cy - 1) / size.cy);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].type = INPUT_MOUSE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

} // namespace zt
