#include "apps/ztui-demo/session/DemoContextbar.h"

#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/ElementRef.h"
#include "platform/host/Commands.h"
#include "platform/host/Executors.h"
#include "platform/host/TSArchiWall.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextbarEvent.h"
#include "ztui/contextbar/ZTContextbarFactoryManager.h"
#include "ztui/frame/ZTUiEventListener.h"

namespace ztdemo {

void DemoWallBarFactory::addCustomButton(TSContextbarButton& record)
{
    record.buttons.clear();
    AppendBuiltInButtons(record);
    m_opening = true;
}

void DemoWallBarFactory::OnContextbarChanged(const TSContextbarInfo& info)
{
    const bool opening = m_opening.exchange(false);
    if (opening || info.operating != TSOperating_Move) {
        ZTContextbarFactory::OnContextbarChanged(info);
        return;
    }
    TesselUserInputManager::ExeCommand(ToolOf(TSOperating_Move));
    AbstractUiStateManager::Get().SetValue("Contextbar_Operating",
                                           static_cast<int>(info.operating));
}

DemoContextbar::~DemoContextbar()
{
    Stop();
}

void DemoContextbar::Start()
{
    if (m_running)
        return;
    m_running = true;
    m_pending->alive = true;
    zt::ZTContextbarFactoryManager::RegisterFactory(TSArchiWall::CLASS_NAME, &m_wallFactory);
    SelectionSetManager::GetManager().AddListener(this);
}

void DemoContextbar::Stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_pending->alive = false;
    m_pending = std::make_shared<Pending>();
    SelectionSetManager::GetManager().DropListener(this);
    zt::NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, Json::Value());
    zt::ZTContextbarFactoryManager::UnregisterFactory(TSArchiWall::CLASS_NAME);
}

void DemoContextbar::OnSelectionChanged(SelectionSetAction, const bvector<ElementRef*>&)
{
    std::shared_ptr<Pending> pending = m_pending;
    if (pending->queued.exchange(true))
        return;
    zt::host::Executors::Get().PostToUI([this, pending] {
        pending->queued = false;
        if (pending->alive)
            SendSelection();
    });
}

void DemoContextbar::SendSelection()
{
    zt::NotifyListeners(zt::ZTContextbarEvent::kDestroyEvent, Json::Value());
    bvector<ElementRef*> selected = SelectionSetManager::GetManager().GetElements();
    Json::Value picked(Json::arrayValue);
    for (ElementRef* element : selected) {
        if (!element || element->IsDeleted())
            continue;
        const ECInstanceKey key = element->GetPrimaryInstance();
        Json::Value one(Json::objectValue);
        one["ECInstanceID"] = Json::Int64(key.GetECInstanceId());
        one["ECClassID"] = Json::Int64(key.GetECClassId());
        picked.append(one);
    }
    if (picked.size() != 1)
        return;
    // The element is picked at the middle of its extent.
    const DRange3d range = selected.front()->GetRange();
    Json::Value payload(Json::objectValue);
    payload["Struct"] = picked;
    payload["pointX"] = (range.low.x + range.high.x) / 2.0;
    payload["pointY"] = (range.low.y + range.high.y) / 2.0;
    payload["pointZ"] = (range.low.z + range.high.z) / 2.0;
    zt::ZTContextBarDataMgn::instance().setTSClickType(TSClickType_Plain);
    zt::NotifyListeners(zt::ZTContextbarEvent::kCreateEvent, payload);
}

} // namespace ztdemo
