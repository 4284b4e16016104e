#pragma once
// Finds the host object of an element, an instance or a class. Each class of the object
// model is registered with a maker of its objects; the building classes of the host
// (TSArchiWall ...) are registered from the start. Objects are made anew on every call and
// read the element's content as it is then; they share nothing.

#include "platform/cad/DgnIds.h"
#include "platform/host/TSGraphicElement.h"

#include <functional>
#include <map>
#include <mutex>
#include <vector>

class DgnModel;
class DgnProject;
class ElementRef;

class TSObjectExtensionManager
{
public:
    using Maker = std::function<TSObjectPtr()>;

    static TSObjectExtensionManager& Get();

    // Registers or replaces the maker of a class. False for empty names or a null maker.
    bool RegisterClass(const Utf8String& schemaName, const Utf8String& className, Maker maker);
    bool IsRegistered(const Utf8String& schemaName, const Utf8String& className) const;
    // The schema a registered class belongs to; empty when unknown.
    Utf8String GetSchemaOfClass(const Utf8String& className) const;

    // The object of an element; a plain TSGraphicElement for elements without a class or of
    // a class nobody registered. Null for a null or deleted element.
    RefCountedPtr<ITSObject> GetTSObject(ElementRef* element) const;
    RefCountedPtr<ITSObject> GetTSObject(ElementId id, DgnModel* model) const;
    RefCountedPtr<ITSObject> GetTSObject(DgnProject& project, const ECInstanceKey& key) const;
    // A new object of the class, not yet an element: the class's defaults, standing on the
    // project's current storey and on the layer mapped to its class. A bare TSObject for
    // unregistered classes; null for an empty class name.
    RefCountedPtr<ITSObject> GetTSObject(DgnProject* project, const Utf8String& schemaName,
                                         const Utf8String& className) const;

    // The class id of a class in the project (registering it there); 0 for empty names.
    static ECClassId GetClassIdByClassName(DgnProject& project, const Utf8String& schemaName,
                                           const Utf8String& className);

private:
    TSObjectExtensionManager();

    mutable std::mutex m_mutex;
    std::map<std::pair<Utf8String, Utf8String>, Maker> m_makers;
};
