#pragma once
// The collector a tool fills with the properties of the object the panel shows: groups in the
// order the tool adds them and each record under the group added last. It keeps what it
// received, and the tool that filled it, until the panel shows it and the next refresh clears
// it. The bitmaps the records carry are the collector's: the list only borrows them.

#include "platform/base/RefCounted.h"
#include "platform/host/IToolProperty.h"
#include "platform/host/TesselUIPropertyItem.h"
#include "platform/host/TesselUIProperyList.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <vector>

namespace zt {

class ZTUI_EXPORT ZTProperyListImpl : public TesselUIProperyList
{
public:
    // Records a tool adds before any group.
    static constexpr const wchar_t* kCommonGroup = L"Common";

    struct Group
    {
        WString name;
        bool expanded = true;
    };
    struct Entry
    {
        TesselUIPropertyItem record;
        std::int64_t group = 0; // index into groups()
        int key = 0;
    };

    ZTProperyListImpl();
    ~ZTProperyListImpl() override;
    ZTProperyListImpl(const ZTProperyListImpl&) = delete;
    ZTProperyListImpl& operator=(const ZTProperyListImpl&) = delete;

    void addGroup(const wchar_t* name, bool expanded) override;
    // Takes the record's content by swap: the caller keeps an empty record.
    void addRecord(int key, TesselUIPropertyItem& record) override;
    // Deletes the records' bitmaps, then every entry and group. The tool stays.
    void clear();

    const std::vector<Entry>& items() const { return m_items; }
    std::vector<Entry>& items() { return m_items; }
    const std::vector<Group>& groups() const { return m_groups; }

    // The interface that filled the collector last; replacing it releases the previous one.
    IToolProperty* tool() const { return m_tool.get(); }
    void setTool(IToolProperty* tool) { m_tool = tool; }

private:
    std::vector<Entry> m_items;
    std::vector<Group> m_groups;
    RefCountedPtr<IToolProperty> m_tool;
};

} // namespace zt
