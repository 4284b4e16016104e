#pragma once
// One storey of the building: a name, the elevation of its floor and its height (floor to
// floor), in millimetres. Storeys belong to the project (TSArchiStoreyManager).

#include "platform/base/RefCounted.h"
#include "platform/base/WString.h"

#include <json/value.h>

#include <cstdint>

class TSStorey;
using TSStoreyPtr = RefCountedPtr<TSStorey>;

class TSStorey : public zt::base::RefCountedBase
{
public:
    static constexpr double DEFAULT_HEIGHT = 3000.0;

    TSStorey() = default;
    TSStorey(std::int64_t id, const WString& name, double elevation, double height)
        : m_id(id), m_name(name), m_elevation(elevation), m_height(height)
    {}
    TSStorey(const TSStorey&) = default;
    TSStorey& operator=(const TSStorey&) = default;
    ~TSStorey() override = default;

    std::int64_t GetId() const { return m_id; }
    const WString& GetName() const { return m_name; }
    double GetElevation() const { return m_elevation; }
    double GetHeight() const { return m_height; }
    // The elevation of the next storey's floor.
    double GetTopElevation() const { return m_elevation + m_height; }

    void SetName(const WString& name) { m_name = name; }
    void SetElevation(double elevation) { m_elevation = elevation; }
    void SetHeight(double height) { m_height = height; }

    Json::Value ToJson() const;
    // False (and the storey unchanged) unless the JSON has a name, a finite elevation and a
    // positive height.
    bool FromJson(std::int64_t id, const Json::Value& json);

private:
    std::int64_t m_id = 0;
    WString m_name;
    double m_elevation = 0.0;
    double m_height = DEFAULT_HEIGHT;
};
