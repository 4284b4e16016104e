#include "platform/host/ZTLayerCompsInfo.h"

const ZTLAYERINFO* ZTLAYERCOMPSINFO::FindLayer(const Utf8String& layer) const
{
    for (const ZTLAYERINFO& info : layers)
        if (info.name == layer)
            return &info;
    return nullptr;
}

Json::Value ZTLAYERCOMPSINFO::ToJson() const
{
    Json::Value json(Json::objectValue);
    Json::Value& list = json["layers"] = Json::Value(Json::arrayValue);
    for (const ZTLAYERINFO& info : layers) {
        Json::Value entry(Json::objectValue);
        entry["name"] = info.name;
        entry["visible"] = info.visible != 0;
        entry["locked"] = info.locked != 0;
        list.append(entry);
    }
    return json;
}

bool ZTLAYERCOMPSINFO::FromJson(const Utf8String& combName, const Json::Value& json)
{
    name = combName;
    layers.clear();
    if (!json.isObject() || !json["layers"].isArray())
        return false;
    for (const Json::Value& entry : json["layers"]) {
        if (!entry.isObject() || !entry["name"].isString())
            continue;
        ZTLAYERINFO info;
        info.name = entry["name"].asString();
        if (info.name.empty() || FindLayer(info.name))
            continue;
        info.visible = entry["visible"].isBool() && !entry["visible"].asBool() ? 0 : 1;
        info.locked = entry["locked"].isBool() && entry["locked"].asBool() ? 1 : 0;
        layers.push_back(info);
    }
    return true;
}
