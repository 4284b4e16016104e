#include "platform/host/TSArchToolProperty.h"

#include "platform/cad/ElementRef.h"
#include "platform/host/TSArchPropertyRecords.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiDoor.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TesselToolsInterfaceManager.h"

RefCountedPtr<TSArchToolProperty> TSArchToolProperty::Register()
{
    RefCountedPtr<TSArchToolProperty> tool = Create();
    for (const char* name :
         {TSArchiWall::CLASS_NAME, TSArchiSlab::CLASS_NAME, TSArchiColumn::CLASS_NAME,
          TSArchiBeam::CLASS_NAME, TSArchiOpening::CLASS_NAME, TSArchiDoor::CLASS_NAME,
          TSArchiWindow::CLASS_NAME})
        TesselToolsInterfaceManager::RegisterInterface(name, tool.get());
    return tool;
}

void TSArchToolProperty::OnPropertyListGet(RefCountedPtr<ITSObject>& obj, TesselUIProperyList& list)
{
    if (auto* building = dynamic_cast<TSBuildingElement*>(obj.get()))
        TSArchPropertyRecords::FillList(*building, list);
}

void TSArchToolProperty::OnSelectionPropertyListGet(const std::vector<ElementRef*>& elements,
                                                    TesselUIProperyList& list)
{
    std::vector<RefCountedPtr<ITSObject>> held;
    std::vector<const TSBuildingElement*> buildings;
    for (ElementRef* element : elements) {
        RefCountedPtr<ITSObject> obj = TSObjectExtensionManager::Get().GetTSObject(element);
        auto* building = dynamic_cast<TSBuildingElement*>(obj.get());
        if (!building)
            return;
        held.push_back(obj);
        buildings.push_back(building);
    }
    TSArchPropertyRecords::FillSelectionList(buildings, list);
}

void TSArchToolProperty::OnPropertyItemChanged(RefCountedPtr<ITSObject>& obj, int key,
                                               TesselUIPropertyItem& record)
{
    auto* building = dynamic_cast<TSBuildingElement*>(obj.get());
    if (!building || !TSArchPropertyRecords::ApplyRecord(*building, key, record)) {
        ++m_refused;
        return;
    }
    if (building->GetElementRef())
        building->UpdateInModel();
}
