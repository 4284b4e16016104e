#pragma once
// A host object: the object model's view of a building element, a drawing object or a bare
// object of a class. Tools, property sets and the property panel find each other through
// the object's class name. Reference counted; shared between the threads, read anywhere,
// changed on the work thread.

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"
#include "platform/host/UserEnvironment.h"

struct ECInstanceKey;

class ITSObject : public zt::base::RefCountedBase
{
public:
    // The object's class ("TSArchiWall"), the key by which its tools and property sets are
    // found, and the schema the class belongs to ("TSM_ArchiModel").
    virtual Utf8String GetECClassName() const = 0;
    virtual Utf8String GetECSchemaName() const = 0;
    virtual TesselDomain GetDomain() const = 0;
    // The key of the object's instance in the project; invalid while the object is not in
    // one.
    virtual ECInstanceKey GetInstanceKey() const = 0;

protected:
    ~ITSObject() override = default;
};

using ITSObjectPtr = RefCountedPtr<ITSObject>;
