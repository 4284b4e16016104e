#include "ztui/propertypanel/ZTProperyListImpl.h"

#include "platform/win/WinGdi.h"

namespace zt {

namespace {

void DeleteBitmap(HBITMAP bitmap)
{
    if (bitmap)
        ::DeleteObject(bitmap);
}

// The bitmaps a record brings with it: its head bitmap and the picture of an edit-button or an
// image value.
void DeleteBitmapsOf(const TesselUIPropertyItem& record)
{
    DeleteBitmap(record.getHeadBitmap());
    EditButtonValue editButton;
    if (record.getValue(editButton))
        DeleteBitmap(editButton.bitmap);
    ImageValue image;
    if (record.getValue(image))
        DeleteBitmap(image.bitmap);
}

} // namespace

ZTProperyListImpl::ZTProperyListImpl() = default;

ZTProperyListImpl::~ZTProperyListImpl()
{
    clear();
}

void ZTProperyListImpl::addGroup(const wchar_t* name, bool expanded)
{
    m_groups.push_back({WString(name), expanded});
}

void ZTProperyListImpl::addRecord(int key, TesselUIPropertyItem& record)
{
    if (m_groups.empty())
        addGroup(kCommonGroup, true);
    Entry& entry = m_items.emplace_back();
    entry.record.swap(record);
    entry.group = static_cast<std::int64_t>(m_groups.size() - 1);
    entry.key = key;
}

void ZTProperyListImpl::clear()
{
    for (const Entry& entry : m_items)
        DeleteBitmapsOf(entry.record);
    m_items.clear();
    m_groups.clear();
}

} // namespace zt
