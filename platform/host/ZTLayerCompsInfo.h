#pragma once
// A layer combination: a named choice of layers, each shown or hidden, in the order the
// host's layer lists show them.

#include "platform/base/WString.h"

#include <json/value.h>

#include <vector>

struct ZTLAYERINFO
{
    Utf8String name;
    unsigned char visible = 1; // zero: the layer is hidden in this combination
    unsigned char locked = 0;
    friend bool operator==(const ZTLAYERINFO&, const ZTLAYERINFO&) = default;
};

struct ZTLAYERCOMPSINFO
{
    Utf8String name;
    std::vector<ZTLAYERINFO> layers;

    const ZTLAYERINFO* FindLayer(const Utf8String& layer) const;
    Json::Value ToJson() const;
    // Layers without a name, or named twice, are skipped; false for a value that is not an
    // object with a layer array.
    bool FromJson(const Utf8String& combName, const Json::Value& json);
    friend bool operator==(const ZTLAYERCOMPSINFO&, const ZTLAYERCOMPSINFO&) = default;
};
