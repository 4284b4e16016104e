#pragma once
// The context bar's UI events: "Create_Contextbar_Factory" carries the pick (instance keys and
// click point), finds the factory of the picked element's class and opens the bar;
// "Destroy_Contextbar_New_Factory" closes it. Holds the factories by class name; it does not
// own them.

#include "platform/base/WString.h"
#include "ztui/ZTUiExport.h"
#include "ztui/frame/ZTUiEvent.h"

#include <map>

namespace zt {

class ZTContextbarFactory;

class ZTUI_EXPORT ZTContextbarEvent : public ZTUiEvent
{
public:
    static constexpr const char* kCreateEvent = "Create_Contextbar_Factory";
    static constexpr const char* kDestroyEvent = "Destroy_Contextbar_New_Factory";

    static ZTContextbarEvent& instance();

    // Adds the factory unless the name already has one.
    void Register(const char* name, ZTContextbarFactory* factory);
    void Unregister(const char* name);
    // The factory of a class, or null.
    ZTContextbarFactory* Find(const WString& className) const;

    void _OnReceive(const char* name, const Json::Value& value) override;

    std::map<WString, ZTContextbarFactory*> factories;

private:
    ZTContextbarEvent() = default;
    ~ZTContextbarEvent() override;
    void OnCreate(const Json::Value& value);
};

} // namespace zt
