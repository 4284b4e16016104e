#pragma once
// The property records of building elements, driven by each class's field list: how an
// element is listed on the property panel and how an edited record is written back.
// Lengths carry a checker that refuses what is not a positive number; materials, storeys
// and layers are drop-downs whose entries are the host's materials, the project's storeys
// and the project's levels.

#include "platform/host/TSBuildingElement.h"
#include "platform/host/TesselUIProperyList.h"

#include <vector>

class TesselUIPropertyItem;

class TSArchPropertyRecords
{
public:
    // Groups in the order their first field comes, then each field's record under its key.
    static void FillList(const TSBuildingElement& element, TesselUIProperyList& list);
    // The same for several elements of one class; a field whose values differ is marked
    // multi-value and shows the first element's value. Nothing for an empty list or
    // elements of different classes.
    static void FillSelectionList(const std::vector<const TSBuildingElement*>& elements,
                                  TesselUIProperyList& list);
    // Writes the record into the element (not yet into its model). False, and the element
    // unchanged, for an unknown key, a record of the wrong kind or a value out of range.
    static bool ApplyRecord(TSBuildingElement& element, int key,
                            const TesselUIPropertyItem& record);

    // The entries of a drop-down field, in the order its list shows them.
    static std::vector<WString> GetOptions(const TSBuildingElement& element,
                                           const TSArchField& field);
    // The index among those entries of the element's value, -1 when it is none of them.
    static int GetSelectedOption(const TSBuildingElement& element, const TSArchField& field);
};
