#include "ztui/proplist/model/PropertyItem_imp.h"

#include "platform/cad/DraftAid.h"
#include "platform/host/IFormatCheck.h"
#include "platform/win/WinGdi.h"
#include "ztui/proplist/model/PropertyList_imp.h"

#include <cmath>

namespace zt {

namespace {

// Increments closer to zero than this mean "no rounding": whole numbers are shown.
constexpr double kZeroIncrement = 1e-10;

int PrecisionOf(double increment)
{
    if (increment > -kZeroIncrement && increment < kZeroIncrement)
        return 0;
    return static_cast<int>(std::trunc(-std::log10(std::fabs(increment))));
}

void DeleteBitmap(std::int64_t handle)
{
    if (handle)
        DeleteObject(reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(handle)));
}

} // namespace

PropertyItem_imp::PropertyItem_imp(PropertyList_imp* owner, const CString& groupName,
                                   bool groupExpanded, const CString& name, HBITMAP headBitmap)
    : m_owner(owner), m_groupName(groupName), m_groupExpanded(groupExpanded), m_name(name),
      m_headBitmap(headBitmap)
{}

PropertyItem_imp::~PropertyItem_imp()
{
    if (m_headBitmap)
        DeleteObject(m_headBitmap);
    DeleteBitmap(m_data);
}

void PropertyItem_imp::SetData(std::int64_t value)
{
    if (value != m_data)
        DeleteBitmap(m_data);
    m_data = value;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::Changed()
{
    if (m_owner)
        m_owner->ItemValueSet(*this);
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setReadOnly()
{
    m_readOnly = true;
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setDisplayText(const CString& text)
{
    m_displayText = text;
    m_hasDisplayText = true;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::reservedSet(std::int64_t)
{
    return this;
}

void PropertyItem_imp::setFormatCheck(IFormatCheck* check)
{
    // The editors borrow the check: they must let go of the old one before anything asks it.
    m_formatCheck.reset(check);
    Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setPoints(int count, const DPoint3d* points)
{
    m_kind = Kind::PointList;
    if (points)
        for (int i = 0; i < count; ++i)
            m_points.push_back(points[i]);
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setDouble(double value)
{
    m_double = value;
    m_kind = Kind::Double;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setInt(int value)
{
    m_integer = value;
    m_kind = Kind::Integer;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setText(const CString& text)
{
    m_string = text;
    m_kind = Kind::Text;
    m_hasDisplayText = false;
    return Changed();
}

int PropertyItem_imp::distancePrecision() const
{
    RoundOff roundOff;
    DraftAid::GetInstance().GetDistanceRoundOff(roundOff);
    return PrecisionOf(roundOff.increment);
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setAngle(double radians)
{
    m_double = radians;
    m_kind = Kind::Angle;
    return Changed();
}

int PropertyItem_imp::anglePrecision() const
{
    RoundOff roundOff;
    DraftAid::GetInstance().GetAngleRoundOff(roundOff);
    return PrecisionOf(roundOff.increment);
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setButton(const CString& caption)
{
    m_string = caption;
    m_kind = Kind::Button;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::clearList()
{
    m_kind = Kind::List;
    m_entries.clear();
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::addListEntry(const CString& text, bool editable)
{
    m_kind = editable ? Kind::EditableList : Kind::List;
    m_entries.push_back({text, 0});
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setSelectedIndex(int index)
{
    m_selectedIndex = index;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setImageList(CImageList* imageList)
{
    m_imageList = imageList;
    m_kind = Kind::ImageList;
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::clearImageList()
{
    m_kind = Kind::ImageList;
    m_entries.clear();
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::addImageListEntry(const CString& text,
                                                                 int imageIndex)
{
    m_kind = Kind::ImageList;
    m_entries.push_back({text, imageIndex});
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::addImageListEntry(const wchar_t* text,
                                                                 int imageIndex)
{
    return addImageListEntry(CString(text), imageIndex);
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setImageListSelection(int index)
{
    m_kind = Kind::ImageList;
    m_selectedIndex = index;
    return Changed();
}

std::vector<CString> PropertyItem_imp::listEntries() const
{
    std::vector<CString> texts;
    texts.reserve(m_entries.size());
    for (const auto& e : m_entries)
        texts.push_back(e.text);
    return texts;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setCheck(bool value)
{
    m_check = value;
    m_kind = Kind::Check;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setCheckText(const CString& text)
{
    m_string = text;
    m_kind = Kind::Check;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setPoint(const DPoint3d& point)
{
    m_point = point;
    m_kind = Kind::Point;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setEditButton(const CString& text)
{
    m_string = text;
    m_kind = Kind::EditButton;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setEditButtonData(std::int64_t value)
{
    SetData(value);
    m_kind = Kind::EditButton;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setSubGroup()
{
    m_kind = Kind::SubGroup;
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setImage(HBITMAP bitmap)
{
    SetData(static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(bitmap)));
    m_kind = Kind::Image;
    return Changed();
}

HBITMAP PropertyItem_imp::image() const
{
    return reinterpret_cast<HBITMAP>(static_cast<std::intptr_t>(m_data));
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setColor(std::uint32_t color)
{
    m_color = color;
    m_kind = Kind::Color;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setMultiText(const CString& text, int lines)
{
    m_string = text;
    m_lineCount = lines;
    m_kind = Kind::MultiText;
    m_hasDisplayText = false;
    return Changed();
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setAttribute(const CString& key,
                                                            const CString& value)
{
    m_attributes[key] = value;
    return this;
}

CString PropertyItem_imp::attribute(const CString& key) const
{
    auto it = m_attributes.find(key);
    return it == m_attributes.end() ? CString() : it->second;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::setTag(int value)
{
    m_tag = value;
    return this;
}

PropertyMgrUI::PropertyItem* PropertyItem_imp::syncWith(PropertyItem*)
{
    return this;
}

} // namespace zt
