#pragma once
// What the host knows about a model beyond the platform's own: the name it shows for it,
// its kind, its drawing scale, the elevation of the storey it belongs to and the viewport
// that shows it (-1 for none).

#include "platform/base/WString.h"
#include "platform/cad/DgnIds.h"

#include <json/value.h>

// Kinds of models as the host tells them apart.
enum TSModelType
{
    TSModelType_General = 0,
    TSModelType_Storey = 1, // the building on one storey
    TSModelType_Section = 2,
    TSModelType_Elevation = 3,
    TSModelType_Drawing = 4,   // a flat drawing: everything lies at z 0
    TSModelType_Auxiliary = 5, // construction geometry of the tools
};

struct TSModelInfo
{
    DgnModelId modelId = INVALID_MODELID;
    WString displayName;
    int modelType = TSModelType_General;
    double scale = 100.0;
    double storeyElevation = 0.0;
    int viewportIndex = -1;
    std::int64_t storeyId = 0;

    Json::Value ToJson() const;
    // Members of the wrong type keep their defaults; false for a value that is not an
    // object.
    bool FromJson(DgnModelId id, const Json::Value& json);
};
