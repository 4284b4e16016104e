#pragma once
// How the host's drawing tools carry tool-level property values from one object to another:
// which tool makes the objects of a class, the last picked-up object and the values picked
// up per class (kept in memory and in the project's dictionary "PropertyData", so that they
// outlive closing and reopening the project), and the format brush's copy of values from one
// object to another through a filter of property names.
//
// The values are never read here: they travel as the property maps that the class's tool
// property interface (ZTToolProperty) makes and applies.

#include "platform/base/CString.h"
#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/host/TSObject.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <map>
#include <memory>

class DgnProject;

namespace zt {

class ZTUI_EXPORT IZTPropertyData
{
public:
    virtual ~IZTPropertyData() = default;
    virtual void setPickUpObject(Utf8String className, Utf8String schemaName,
                                 RefCountedPtr<TSObject> obj) = 0;
    virtual void setToolObject(Utf8String className, Utf8String schemaName,
                               RefCountedPtr<TSObject> obj) = 0;
    virtual std::int64_t getPickUpECClassId(DgnProject& project) const = 0;
    virtual RefCountedPtr<TSObject> getPickUpObject(Utf8String className, Utf8String schemaName,
                                                    DgnProject& project) = 0;
    virtual bool cloneObject(RefCountedPtr<TSObject> src, RefCountedPtr<TSObject>& dst,
                             const std::map<CString, bool>& filter) = 0;
};

class ZTUI_EXPORT ZTPropertyDataMgn
{
public:
    static ZTPropertyDataMgn& instance();
    virtual ~ZTPropertyDataMgn();

    // The tool id text is kept, not copied: it must live as long as the process.
    void registerECClassTool(const Utf8String& className, const char* toolId);
    // Empty text, never null, for a class no tool registered.
    const char* getToolIdByClassName(const Utf8String& className) const;

    void setPickUpObject(const Utf8String& className, const Utf8String& schemaName,
                         RefCountedPtr<TSObject> obj);
    void setToolObject(const Utf8String& className, const Utf8String& schemaName,
                       RefCountedPtr<TSObject> obj);
    // The objects are looked up in the application's current project.
    RefCountedPtr<TSObject> getPickUpObject(const Utf8String& className,
                                            const Utf8String& schemaName, DgnProject& project);
    std::int64_t getPickUpECClassId(DgnProject& project) const;
    bool cloneObject(RefCountedPtr<TSObject> src, RefCountedPtr<TSObject>& dst,
                     const std::map<CString, bool>& filter);

    ZTPropertyDataMgn(const ZTPropertyDataMgn&) = delete;
    ZTPropertyDataMgn& operator=(const ZTPropertyDataMgn&) = delete;

private:
    ZTPropertyDataMgn();

    std::unique_ptr<IZTPropertyData> m_data;
    std::map<Utf8String, const char*> m_classTools;
};

} // namespace zt
