#include "platform/host/TSStoreyModelViewInfo.h"

#include <cmath>

namespace {

Json::Value Triple(double x, double y, double z)
{
    Json::Value v(Json::arrayValue);
    v.append(x);
    v.append(y);
    v.append(z);
    return v;
}

template <class P>
bool ReadTriple(const Json::Value& v, P& out)
{
    if (!v.isArray() || v.size() != 3)
        return false;
    for (Json::ArrayIndex i = 0; i < 3; ++i)
        if (!v[i].isNumeric() || !std::isfinite(v[i].asDouble()))
            return false;
    out.x = v[0].asDouble();
    out.y = v[1].asDouble();
    out.z = v[2].asDouble();
    return true;
}

} // namespace

Json::Value TSStoreyModelViewInfo::ToJson() const
{
    Json::Value json(Json::objectValue);
    json["viewportIndex"] = viewportIndex;
    json["modelId"] = static_cast<Json::Int64>(modelId);
    json["storeyId"] = static_cast<Json::Int64>(storeyId);
    json["origin"] = Triple(origin.x, origin.y, origin.z);
    json["yAxis"] = Triple(yAxis.x, yAxis.y, yAxis.z);
    json["zAxis"] = Triple(zAxis.x, zAxis.y, zAxis.z);
    json["customized"] = customized;
    Json::Value& shown = json["shownModels"] = Json::Value(Json::arrayValue);
    for (DgnModelId id : shownModels)
        shown.append(static_cast<Json::Int64>(id));
    return json;
}

bool TSStoreyModelViewInfo::FromJson(const Utf8String& viewKey, const Json::Value& json)
{
    if (!json.isObject() || !json["modelId"].isInt64())
        return false;
    key = viewKey;
    modelId = json["modelId"].asInt64();
    viewportIndex = json["viewportIndex"].isInt() ? json["viewportIndex"].asInt() : -1;
    storeyId = json["storeyId"].isInt64() ? json["storeyId"].asInt64() : 0;
    ReadTriple(json["origin"], origin);
    ReadTriple(json["yAxis"], yAxis);
    ReadTriple(json["zAxis"], zAxis);
    customized = json["customized"].isBool() && json["customized"].asBool();
    shownModels.clear();
    if (json["shownModels"].isArray())
        for (const Json::Value& id : json["shownModels"])
            if (id.isInt64())
                shownModels.insert(id.asInt64());
    return true;
}
