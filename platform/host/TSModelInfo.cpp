#include "platform/host/TSModelInfo.h"

#include <cmath>

Json::Value TSModelInfo::ToJson() const
{
    Json::Value json(Json::objectValue);
    json["displayName"] = zt::base::WideToUtf8(displayName);
    json["modelType"] = modelType;
    json["scale"] = scale;
    json["storeyElevation"] = storeyElevation;
    json["viewportIndex"] = viewportIndex;
    json["storeyId"] = static_cast<Json::Int64>(storeyId);
    return json;
}

bool TSModelInfo::FromJson(DgnModelId id, const Json::Value& json)
{
    *this = TSModelInfo{};
    modelId = id;
    if (!json.isObject())
        return false;
    if (json["displayName"].isString())
        displayName = WString(json["displayName"].asString().c_str(), true);
    if (json["modelType"].isInt())
        modelType = json["modelType"].asInt();
    if (json["scale"].isNumeric() && std::isfinite(json["scale"].asDouble()) &&
        json["scale"].asDouble() > 0.0)
        scale = json["scale"].asDouble();
    if (json["storeyElevation"].isNumeric() && std::isfinite(json["storeyElevation"].asDouble()))
        storeyElevation = json["storeyElevation"].asDouble();
    if (json["viewportIndex"].isInt())
        viewportIndex = json["viewportIndex"].asInt();
    if (json["storeyId"].isInt64())
        storeyId = json["storeyId"].asInt64();
    return true;
}
