#include "ztui/layers/ZTButtonLayerSet.h"

#include "platform/base/Encoding.h"
#include "platform/cad/DgnApplication.h"
#include "platform/cad/DgnLevels.h"
#include "platform/cad/DgnModel.h"
#include "platform/cad/DgnProject.h"
#include "platform/cad/ElementPropertiesSetter.h"
#include "platform/cad/ElementRef.h"
#include "platform/cad/IViewManager.h"
#include "platform/host/ITSObject.h"
#include "platform/host/TSLevelManager.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/TSStoreyModelViewManager.h"
#include "platform/host/ZTLayerCompsMgn.h"

#include <mutex>

namespace zt {

namespace {

// The selection is read and written from the interface thread and from tools on the work
// thread; the text handed out by name stays put until the next change.
std::mutex& SelectionMutex()
{
    static std::mutex mutex;
    return mutex;
}

CString& SelectedLayer()
{
    static CString layer;
    return layer;
}

CString Wide(const Utf8String& utf8)
{
    return CString(base::Utf8ToWide(utf8).c_str());
}

// The current combination of the application's project; false without one.
bool CurrentComb(ZTLAYERCOMPSINFO& comb)
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (!project)
        return false;
    const ZTLayerCompsMgn& combs = ZTLayerCompsMgn::Get();
    const Utf8String name = combs.GetCurCompName(*project);
    return !name.empty() && combs.GetLayerCompInfo(*project, name, comb);
}

void AppendLayers(const ZTLAYERCOMPSINFO& comb, std::vector<CString>& layers)
{
    for (const ZTLAYERINFO& layer : comb.layers)
        layers.push_back(Wide(layer.name));
}

Utf8String ClassLayer(const Utf8String& className)
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    return project ? TSLevelManager::Get().GetClassLayerName(*project, className) : Utf8String();
}

Utf8String ClassNameOf(ElementRef* element)
{
    RefCountedPtr<ITSObject> object = TSObjectExtensionManager::Get().GetTSObject(element);
    return object.IsValid() ? object->GetECClassName() : Utf8String();
}

// The model the selected view shows: its storey view's model, else the project's default.
DgnModel* SelectedViewModel(DgnProject& project)
{
    if (IndexedViewport* viewport =
            IViewManager::GetManager().GetActiveViewSet().GetSelectedViewport()) {
        TSStoreyModelViewInfoPtr view =
            TSStoreyModelViewManager::Get().GetModelViewInfoByViewportIndex(
                project, viewport->GetViewNumber());
        if (view.IsValid())
            if (DgnModel* model = project.GetModel(view->modelId))
                return model;
    }
    return project.GetDefaultModel();
}

} // namespace

CString ZTButtonLayerSet::GetSelectedLayer()
{
    std::lock_guard lock(SelectionMutex());
    return SelectedLayer();
}

void ZTButtonLayerSet::SetSelectedLayer(const CString& layer)
{
    std::lock_guard lock(SelectionMutex());
    SelectedLayer() = layer;
}

void ZTButtonLayerSet::GetLayerVector(std::vector<CString>& layers)
{
    ZTLAYERCOMPSINFO comb;
    if (CurrentComb(comb))
        AppendLayers(comb, layers);
}

void ZTButtonLayerSet::GetLayerVector(std::vector<CString>& layers, CString& current,
                                      const Utf8String& className)
{
    ZTLAYERCOMPSINFO comb;
    if (!CurrentComb(comb))
        return;
    AppendLayers(comb, layers);
    const Utf8String mapped = ClassLayer(className);
    if (!mapped.empty() && comb.FindLayer(mapped))
        current = Wide(mapped);
}

void ZTButtonLayerSet::GetLayerVector(std::vector<CString>& layers, CString& current,
                                      ElementRef* const& element)
{
    if (!element || element->IsDeleted())
        return;
    ZTLAYERCOMPSINFO comb;
    if (!CurrentComb(comb))
        return;
    LevelDefinition level;
    if (!element->GetDgnProject().Levels().FindLevelById(element->GetLevel(), level))
        return;
    AppendLayers(comb, layers);
    if (comb.FindLayer(level.name))
        current = Wide(level.name);
    else
        setNullLayerInfo(comb, current, element);
}

void ZTButtonLayerSet::setNullLayerInfo(const ZTLAYERCOMPSINFO&, CString& current,
                                        ElementRef* const& element)
{
    // The element sits on a layer the combination does not list: show the layer its class
    // would be put on instead.
    const Utf8String className = ClassNameOf(element);
    if (className.empty())
        return;
    const Utf8String mapped = ClassLayer(className);
    if (!mapped.empty())
        current = Wide(mapped);
}

void ZTButtonLayerSet::AssignLayer(const CString& layer, const Utf8String& className)
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    ZTLAYERCOMPSINFO comb;
    if (!project || className.empty() || !CurrentComb(comb))
        return;
    const Utf8String name(layer.GetString());
    if (!comb.FindLayer(name))
        return;
    TSLevelManager::ClassLevelMap map;
    TSLevelManager::Get().GetEcClassMapLvl(*project, map);
    map[className] = name;
    TSLevelManager::Get().SetEcClassMapLvl(*project, map);
}

void ZTButtonLayerSet::AssignLayer(const CString& layer, ElementRef* const& element)
{
    if (!element || element->IsDeleted() || layer.IsEmpty())
        return;
    LevelDefinition level;
    if (!element->GetDgnProject().Levels().FindLevelByName(Utf8String(layer.GetString()), level))
        return;
    ElementPropertiesSetter setter;
    setter.SetLevel(level.id);
    setter.Apply(element);
}

bool ZTButtonLayerSet::IsLayerHide(const Utf8String& className, CString& layer)
{
    ZTLAYERCOMPSINFO comb;
    if (!CurrentComb(comb))
        return false;
    const Utf8String mapped = ClassLayer(className);
    const ZTLAYERINFO* entry = mapped.empty() ? nullptr : comb.FindLayer(mapped);
    if (!entry)
        return false;
    layer = Wide(entry->name);
    return entry->visible == 0;
}

CString ZTButtonLayerSet::GetLayerName(RefCountedPtr<ITSObject> object)
{
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (!project || object.IsNull())
        return CString();
    ElementRef* element = project->FindElementByInstance(object->GetInstanceKey());
    if (!element || element->IsDeleted() || element->GetDgnModelP() != SelectedViewModel(*project))
        return CString();
    LevelDefinition level;
    if (!project->Levels().FindLevelById(element->GetLevel(), level))
        return CString();
    return Wide(level.name);
}

} // namespace zt

using zt::ZTButtonLayerSet;

const wchar_t* getSelectedLayer()
{
    std::lock_guard lock(zt::SelectionMutex());
    return zt::SelectedLayer().GetString();
}

void setSelectedLayer(const wchar_t* layer)
{
    ZTButtonLayerSet::SetSelectedLayer(CString(layer ? layer : L""));
}

void getLayerVector(std::vector<CString>* layers)
{
    if (layers)
        ZTButtonLayerSet::GetLayerVector(*layers);
}

void getLayerVectorWithName(std::vector<CString>* layers, CString* current,
                            const Utf8String* className)
{
    if (layers && current && className)
        ZTButtonLayerSet::GetLayerVector(*layers, *current, *className);
}

void getLayerVectorWithRef(std::vector<CString>* layers, CString* current, ElementRef* element)
{
    if (layers && current)
        ZTButtonLayerSet::GetLayerVector(*layers, *current, element);
}

void assignLayer(const wchar_t* layer, ElementRef* element)
{
    if (layer)
        ZTButtonLayerSet::AssignLayer(CString(layer), element);
}
