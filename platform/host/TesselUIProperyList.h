#pragma once
// The sink a tool fills with the properties of an object: groups in order, each record
// under the group added last. The record is taken by swap, so the caller's record is left
// empty (and any checker it carried goes with the content).

class TesselUIPropertyItem;

class TesselUIProperyList
{
public:
    virtual ~TesselUIProperyList() = default;
    virtual void addGroup(const wchar_t* name, bool expanded) = 0;
    virtual void addRecord(int key, TesselUIPropertyItem& record) = 0;
};
