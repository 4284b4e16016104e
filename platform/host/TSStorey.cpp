#include "platform/host/TSStorey.h"

#include <cmath>

Json::Value TSStorey::ToJson() const
{
    Json::Value json(Json::objectValue);
    json["name"] = zt::base::WideToUtf8(m_name);
    json["elevation"] = m_elevation;
    json["height"] = m_height;
    return json;
}

bool TSStorey::FromJson(std::int64_t id, const Json::Value& json)
{
    if (!json.isObject() || !json["name"].isString() || !json["elevation"].isNumeric() ||
        !json["height"].isNumeric())
        return false;
    double elevation = json["elevation"].asDouble();
    double height = json["height"].asDouble();
    if (!std::isfinite(elevation) || !std::isfinite(height) || !(height > 0.0))
        return false;
    m_id = id;
    m_name = WString(json["name"].asString().c_str(), true);
    m_elevation = elevation;
    m_height = height;
    return true;
}
