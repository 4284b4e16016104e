#pragma once
// The host's own sink for property records: it keeps what a tool reported, in order, so
// that the host can read a whole object's properties (and tests can check them). Records
// added before any group land in the group "Common", expanded, as on the property panel.

#include "platform/base/WString.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "platform/host/TesselUIProperyList.h"

#include <memory>
#include <vector>

class TesselUIProperyListCollector : public TesselUIProperyList
{
public:
    struct Group
    {
        WString name;
        bool expanded = true;
    };
    struct Entry
    {
        std::unique_ptr<TesselUIPropertyItem> record;
        std::size_t group = 0;
        int key = 0;
    };

    void addGroup(const wchar_t* name, bool expanded) override;
    void addRecord(int key, TesselUIPropertyItem& record) override;

    const std::vector<Group>& GetGroups() const { return m_groups; }
    const std::vector<Entry>& GetEntries() const { return m_entries; }
    // The record of the key, or null.
    const TesselUIPropertyItem* FindByKey(int key) const;
    // The first record of that name, or null.
    const TesselUIPropertyItem* FindByName(const wchar_t* name) const;
    int FindKeyByName(const wchar_t* name) const; // -1 when no record has the name
    void Clear();

private:
    std::vector<Group> m_groups;
    std::vector<Entry> m_entries;
};
