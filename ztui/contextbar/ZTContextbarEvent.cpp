#include "ztui/contextbar/ZTContextbarEvent.h"

#include "platform/cad/DgnApplication.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "platform/host/UserEnvironment.h"
#include "ztui/contextbar/ZTContextBarDataMgn.h"
#include "ztui/contextbar/ZTContextBarProxy.h"

#include <cstring>
#include <vector>

namespace zt {

namespace {

bool ServesDomain()
{
    return env::UserEnvironment::getInstance()->getDefaultDomain() == TesselDomain_Architecture;
}

// An id member: a JSON integer (or a whole number) that fits 64 bits.
bool ReadId(const Json::Value& element, const char* member, std::int64_t& out)
{
    const Json::Value& v = element[member];
    if (!v.isInt64())
        return false;
    out = v.asInt64();
    return true;
}

// Only floating-point numbers are taken: a coordinate sent as an integer stays at 0.
void ReadCoordinate(const Json::Value& payload, const char* member, double& out)
{
    const Json::Value& v = payload[member];
    if (v.type() == Json::realValue)
        out = v.asDouble();
}

} // namespace

ZTContextbarEvent& ZTContextbarEvent::instance()
{
    static ZTContextbarEvent event;
    return event;
}

ZTContextbarEvent::~ZTContextbarEvent() = default;

void ZTContextbarEvent::Register(const char* name, ZTContextbarFactory* factory)
{
    if (!name)
        return;
    factories.emplace(WString(name, true), factory);
}

void ZTContextbarEvent::Unregister(const char* name)
{
    if (name)
        factories.erase(WString(name, true));
}

ZTContextbarFactory* ZTContextbarEvent::Find(const WString& className) const
{
    auto it = factories.find(className);
    return it == factories.end() ? nullptr : it->second;
}

void ZTContextbarEvent::_OnReceive(const char* name, const Json::Value& value)
{
    if (!name || !ServesDomain())
        return;
    if (std::strcmp(name, kDestroyEvent) == 0) {
        ZTContextBarProxy::ReleseContextbar();
        ZTContextBarProxy::UnRegister();
    } else if (std::strcmp(name, kCreateEvent) == 0) {
        OnCreate(value);
    }
}

void ZTContextbarEvent::OnCreate(const Json::Value& value)
{
    if (!value.isObject() || value.empty())
        return;
    std::vector<ECInstanceKey> keys;
    const Json::Value& picked = value["Struct"];
    if (picked.isArray()) {
        for (const Json::Value& element : picked) {
            std::int64_t instance = 0, classId = 0;
            // A pick the host got wrong opens nothing, rather than a bar for part of it.
            if (!element.isObject() || !ReadId(element, "ECInstanceID", instance) ||
                !ReadId(element, "ECClassID", classId))
                return;
            keys.emplace_back(classId, instance);
        }
    } else if (!picked.isNull()) {
        return;
    }
    DPoint3d point{0.0, 0.0, 0.0};
    ReadCoordinate(value, "pointX", point.x);
    ReadCoordinate(value, "pointY", point.y);
    ReadCoordinate(value, "pointZ", point.z);
    if (keys.empty())
        return;
    DgnProject* project = DgnApplication::Get().GetCurrentProject();
    if (!project)
        return;
    RefCountedPtr<ITSObject> object =
        TSObjectExtensionManager::Get().GetTSObject(*project, keys.front());
    if (object.IsNull())
        return;
    ZTContextBarDataMgn& data = ZTContextBarDataMgn::instance();
    data.setvetInstanceKey(std::move(keys));
    data.setClickPoint(point);
    if (ZTContextbarFactory* factory = Find(WString(object->GetECClassName()))) {
        ZTContextBarProxy::Register(factory);
        ZTContextBarProxy::CreateContextbar();
    }
}

} // namespace zt
