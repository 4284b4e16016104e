#pragma once
// The content of one element, as one immutable record: the class and instance of its primary
// instance (both 0 for plain graphics), its level, its geometry and the properties of its
// primary instance (a JSON object the host's object model reads and writes). Elements swap
// whole records, so a reader on another thread never sees half an edit.

#include "platform/cad/DgnIds.h"
#include "platform/cad/ElementGeometry.h"

#include <json/value.h>

struct ElementData
{
    ECClassId classId = 0;
    ECInstanceId instanceId = 0;
    LevelId levelId = LEVEL_DEFAULT_LEVEL_ID;
    ElementGeometry geometry;
    Json::Value properties{Json::objectValue};
};
