#include "platform/host/TSObjectExtensionManager.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSArchiBeam.h"
#include "platform/host/TSArchiColumn.h"
#include "platform/host/TSArchiDoor.h"
#include "platform/host/TSArchiSlab.h"
#include "platform/host/TSArchiWall.h"
#include "platform/host/TSArchiWindow.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSStoreyManager.h"

namespace {

// The object of plain graphics.
class TSPlainGraphics : public TSGraphicElement
{
public:
    TSPlainGraphics()
        : TSGraphicElement(Utf8String(PLAIN_SCHEMA), Utf8String(PLAIN_CLASS),
                           TesselDomain_Architecture)
    {}
    TSObjectPtr Clone() const override { return new TSPlainGraphics(*this); }
};

template <class T>
TSObjectExtensionManager::Maker MakerOf()
{
    return [] { return TSObjectPtr(T::Create().get()); };
}

} // namespace

TSObjectExtensionManager& TSObjectExtensionManager::Get()
{
    static TSObjectExtensionManager manager;
    return manager;
}

TSObjectExtensionManager::TSObjectExtensionManager()
{
    const Utf8String arch(TSBuildingElement::SCHEMA);
    m_makers[{arch, TSArchiWall::CLASS_NAME}] = MakerOf<TSArchiWall>();
    m_makers[{arch, TSArchiSlab::CLASS_NAME}] = MakerOf<TSArchiSlab>();
    m_makers[{arch, TSArchiColumn::CLASS_NAME}] = MakerOf<TSArchiColumn>();
    m_makers[{arch, TSArchiBeam::CLASS_NAME}] = MakerOf<TSArchiBeam>();
    m_makers[{arch, TSArchiOpening::CLASS_NAME}] = MakerOf<TSArchiOpening>();
    m_makers[{arch, TSArchiDoor::CLASS_NAME}] = MakerOf<TSArchiDoor>();
    m_makers[{arch, TSArchiWindow::CLASS_NAME}] = MakerOf<TSArchiWindow>();
    m_makers[{TSGraphicElement::PLAIN_SCHEMA, TSGraphicElement::PLAIN_CLASS}] = [] {
        return TSObjectPtr(new TSPlainGraphics());
    };
}

bool TSObjectExtensionManager::RegisterClass(const Utf8String& schemaName,
                                             const Utf8String& className, Maker maker)
{
    if (schemaName.empty() || className.empty() || !maker)
        return false;
    std::lock_guard lock(m_mutex);
    m_makers[{schemaName, className}] = std::move(maker);
    return true;
}

bool TSObjectExtensionManager::IsRegistered(const Utf8String& schemaName,
                                            const Utf8String& className) const
{
    std::lock_guard lock(m_mutex);
    return m_makers.count({schemaName, className}) > 0;
}

Utf8String TSObjectExtensionManager::GetSchemaOfClass(const Utf8String& className) const
{
    std::lock_guard lock(m_mutex);
    for (const auto& [key, maker] : m_makers)
        if (key.second == className)
            return key.first;
    return Utf8String();
}

RefCountedPtr<ITSObject> TSObjectExtensionManager::GetTSObject(ElementRef* element) const
{
    if (!element || element->IsDeleted())
        return nullptr;
    std::shared_ptr<const ElementData> data = element->GetData();
    Maker maker;
    if (data->classId > 0) {
        if (ECClassCP ecClass = element->GetDgnProject().Schemas().GetECClass(data->classId)) {
            std::lock_guard lock(m_mutex);
            auto it = m_makers.find({ecClass->GetSchemaName(), ecClass->GetName()});
            if (it != m_makers.end())
                maker = it->second;
        }
    }
    TSObjectPtr made = maker ? maker() : TSObjectPtr(new TSPlainGraphics());
    auto* graphic = dynamic_cast<TSGraphicElement*>(made.get());
    if (!graphic)
        return nullptr; // a maker that does not make elements cannot stand for one
    graphic->LoadFrom(*data);
    graphic->Bind(element);
    return made;
}

RefCountedPtr<ITSObject> TSObjectExtensionManager::GetTSObject(ElementId id, DgnModel* model) const
{
    return model ? GetTSObject(model->FindElementById(id)) : nullptr;
}

RefCountedPtr<ITSObject> TSObjectExtensionManager::GetTSObject(DgnProject& project,
                                                               const ECInstanceKey& key) const
{
    if (!key.IsValid() || !project.IsOpen())
        return nullptr;
    return GetTSObject(project.FindElementByInstance(key));
}

RefCountedPtr<ITSObject> TSObjectExtensionManager::GetTSObject(DgnProject* project,
                                                               const Utf8String& schemaName,
                                                               const Utf8String& className) const
{
    if (className.empty())
        return nullptr;
    Maker maker;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_makers.find({schemaName, className});
        if (it != m_makers.end())
            maker = it->second;
    }
    if (!maker)
        return TSObject::Create(schemaName, className).get();
    TSObjectPtr made = maker();
    if (!project || !project->IsOpen())
        return made;
    if (auto* building = dynamic_cast<TSBuildingElement*>(made.get()))
        if (TSStoreyPtr storey = TSStoreyManager::GetCurrentStorey(*project))
            building->SetStoreyId(storey->GetId());
    if (auto* graphic = dynamic_cast<TSGraphicElement*>(made.get()))
        graphic->SetLevelId(TSLevelManager::Get().GetClassLevel(*project, className));
    return made;
}

ECClassId TSObjectExtensionManager::GetClassIdByClassName(DgnProject& project,
                                                          const Utf8String& schemaName,
                                                          const Utf8String& className)
{
    if (schemaName.empty() || className.empty())
        return 0;
    return project.Schemas().RegisterECClass(schemaName, className);
}
