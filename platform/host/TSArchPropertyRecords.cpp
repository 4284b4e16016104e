#include "platform/host/TSArchPropertyRecords.h"

#include "platform/cad/DgnProject.h"
#include "platform/host/TSArchiStoreyManager.h"
#include "platform/host/TSNumberFormatCheck.h"
#include "platform/host/TesselUIPropertyItem.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRadiansPerDegree = M_PI / 180.0;

bool IsChoice(TSArchFieldKind kind)
{
    return kind == TSArchFieldKind::Material || kind == TSArchFieldKind::Storey ||
           kind == TSArchFieldKind::Layer;
}

// A numeric record may come as a double or, from a text round trip, as an int.
bool ReadNumber(const TesselUIPropertyItem& record, double& value)
{
    int i = 0;
    if (record.getValue(value))
        return std::isfinite(value);
    if (record.getValue(i)) {
        value = i;
        return true;
    }
    WString text;
    return record.getValue(text) && TSNumberFormatCheck::Parse(CString(text.c_str()), value);
}

TesselUIPropertyItem MakeRecord(const TSBuildingElement& element, const TSArchField& field)
{
    switch (field.kind) {
    case TSArchFieldKind::Length:
    case TSArchFieldKind::Offset: {
        TesselUIPropertyItem record(field.caption, element.GetDouble(field.member));
        record.setFormatCheck(new TSNumberFormatCheck(field.kind == TSArchFieldKind::Length));
        return record;
    }
    case TSArchFieldKind::Angle:
        // Elements keep degrees; angle records carry radians, as every angle of the panel.
        return TesselUIPropertyItem(field.caption,
                                    element.GetDouble(field.member) * kRadiansPerDegree, true);
    case TSArchFieldKind::Point: {
        const Json::Value& v = element.GetValues()[field.member];
        DPoint3d p;
        if (v.isArray() && v.size() == 3)
            p = {v[0].asDouble(), v[1].asDouble(), v[2].asDouble()};
        return TesselUIPropertyItem(field.caption, p);
    }
    case TSArchFieldKind::Text:
        return TesselUIPropertyItem(field.caption, element.GetString(field.member));
    case TSArchFieldKind::Material:
    case TSArchFieldKind::Storey:
    case TSArchFieldKind::Layer:
        break;
    }
    ListValue list;
    list.strings = TSArchPropertyRecords::GetOptions(element, field);
    list.selected = TSArchPropertyRecords::GetSelectedOption(element, field);
    return TesselUIPropertyItem(field.caption, list);
}

// Whether two elements of one class hold the same value in the field.
bool SameValue(const TSBuildingElement& a, const TSBuildingElement& b, const TSArchField& field)
{
    if (field.kind == TSArchFieldKind::Layer)
        return a.GetLevelId() == b.GetLevelId();
    return a.GetValues()[field.member] == b.GetValues()[field.member];
}

void AddGroups(const std::vector<TSArchField>& fields, std::vector<const wchar_t*>& groups)
{
    for (const TSArchField& field : fields)
        if (std::none_of(groups.begin(), groups.end(),
                         [&](const wchar_t* g) { return WString(g) == field.group; }))
            groups.push_back(field.group);
}

} // namespace

std::vector<WString> TSArchPropertyRecords::GetOptions(const TSBuildingElement& element,
                                                       const TSArchField& field)
{
    std::vector<WString> options;
    DgnProject* project = element.GetDgnProject();
    switch (field.kind) {
    case TSArchFieldKind::Material:
        options.assign(std::begin(kTSArchMaterials), std::end(kTSArchMaterials));
        // A material the list does not offer is kept, at the end, so that it can be seen.
        if (std::find(options.begin(), options.end(), element.GetMaterial()) == options.end())
            options.push_back(element.GetMaterial());
        break;
    case TSArchFieldKind::Storey:
        if (project)
            for (const TSStorey& storey : TSArchiStoreyManager::Get().GetStoreys(*project))
                options.push_back(storey.GetName());
        break;
    case TSArchFieldKind::Layer:
        if (project)
            for (const LevelDefinition& level : project->Levels().GetLevels())
                options.push_back(WString(level.name));
        break;
    default:
        break;
    }
    return options;
}

int TSArchPropertyRecords::GetSelectedOption(const TSBuildingElement& element,
                                             const TSArchField& field)
{
    DgnProject* project = element.GetDgnProject();
    switch (field.kind) {
    case TSArchFieldKind::Material: {
        std::vector<WString> options = GetOptions(element, field);
        auto it = std::find(options.begin(), options.end(), element.GetMaterial());
        return it == options.end() ? -1 : static_cast<int>(it - options.begin());
    }
    case TSArchFieldKind::Storey: {
        if (!project)
            return -1;
        bvector<TSStorey> storeys = TSArchiStoreyManager::Get().GetStoreys(*project);
        for (std::size_t i = 0; i < storeys.size(); ++i)
            if (storeys[i].GetId() == element.GetStoreyId())
                return static_cast<int>(i);
        return -1;
    }
    case TSArchFieldKind::Layer: {
        if (!project)
            return -1;
        bvector<LevelDefinition> levels = project->Levels().GetLevels();
        for (std::size_t i = 0; i < levels.size(); ++i)
            if (levels[i].id == element.GetLevelId())
                return static_cast<int>(i);
        return -1;
    }
    default:
        return -1;
    }
}

void TSArchPropertyRecords::FillList(const TSBuildingElement& element, TesselUIProperyList& list)
{
    FillSelectionList({&element}, list);
}

void TSArchPropertyRecords::FillSelectionList(const std::vector<const TSBuildingElement*>& elements,
                                              TesselUIProperyList& list)
{
    if (elements.empty() || !elements.front())
        return;
    const TSBuildingElement& first = *elements.front();
    for (const TSBuildingElement* other : elements)
        if (!other || other->GetECClassName() != first.GetECClassName())
            return;
    const std::vector<TSArchField>& fields = first.GetFields();
    std::vector<const wchar_t*> groups;
    AddGroups(fields, groups);
    for (const wchar_t* group : groups) {
        list.addGroup(group, true);
        for (const TSArchField& field : fields) {
            if (WString(field.group) != group)
                continue;
            TesselUIPropertyItem record = MakeRecord(first, field);
            bool differs = std::any_of(elements.begin(), elements.end(),
                                       [&](auto* e) { return !SameValue(first, *e, field); });
            record.setMultiValue(differs);
            list.addRecord(field.key, record);
        }
    }
}

bool TSArchPropertyRecords::ApplyRecord(TSBuildingElement& element, int key,
                                        const TesselUIPropertyItem& record)
{
    const TSArchField* field = element.FindField(key);
    if (!field)
        return false;
    double number = 0.0;
    switch (field->kind) {
    case TSArchFieldKind::Length:
        if (!ReadNumber(record, number) || !(number > 0.0))
            return false;
        element.SetDouble(field->member, number);
        return true;
    case TSArchFieldKind::Offset:
        if (!ReadNumber(record, number))
            return false;
        element.SetDouble(field->member, number);
        return true;
    case TSArchFieldKind::Angle:
        if (!ReadNumber(record, number))
            return false;
        element.SetDouble(field->member, number / kRadiansPerDegree);
        return true;
    case TSArchFieldKind::Point: {
        DPoint3d p;
        if (!record.getValue(p) || !std::isfinite(p.x) || !std::isfinite(p.y) ||
            !std::isfinite(p.z))
            return false;
        Json::Value v(Json::arrayValue);
        v.append(p.x);
        v.append(p.y);
        v.append(p.z);
        Json::Value values = element.GetValues();
        values[field->member] = v;
        element.SetValues(values);
        return true;
    }
    case TSArchFieldKind::Text: {
        WString text;
        if (!record.getValue(text))
            return false;
        element.SetString(field->member, text);
        return true;
    }
    case TSArchFieldKind::Material:
    case TSArchFieldKind::Storey:
    case TSArchFieldKind::Layer:
        break;
    }
    // Choices go by the index into the element's own option list, so that a record made
    // from text (which carries only the index) lands on the same entry.
    ListValue list;
    if (!IsChoice(field->kind) || !record.getValue(list))
        return false;
    std::vector<WString> options = GetOptions(element, *field);
    if (list.selected < 0 || list.selected >= static_cast<int>(options.size()))
        return false;
    const WString& chosen = options[static_cast<std::size_t>(list.selected)];
    DgnProject* project = element.GetDgnProject();
    if (field->kind == TSArchFieldKind::Material) {
        element.SetMaterial(chosen);
        return true;
    }
    if (!project)
        return false;
    if (field->kind == TSArchFieldKind::Storey) {
        TSStorey storey;
        if (!TSArchiStoreyManager::Get().FindStoreyByName(*project, chosen, storey))
            return false;
        element.SetStoreyId(storey.GetId());
        return true;
    }
    return element.SetLayerName(Utf8String(chosen));
}
