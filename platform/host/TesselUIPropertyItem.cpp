#include "platform/host/TesselUIPropertyItem.h"

#include "platform/host/IFormatCheck.h"

#include <utility>

TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, Value value, HBITMAP head)
    : m_name(name), m_head(head), m_value(std::move(value))
{}

TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, bool value, HBITMAP head)
    : TesselUIPropertyItem(name, Value(std::in_place_type<bool>, value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, int value, HBITMAP head)
    : TesselUIPropertyItem(name, Value(std::in_place_type<int>, value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, double value, bool angle,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(std::in_place_type<double>, value), head)
{
    m_angle = angle;
}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const DPoint3d& value, HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const WString& value, HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const ColorValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const ButtonValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const EditButtonValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const ListValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const bvector<DPoint3d>& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const ImageValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const ListImageValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const SubGroupValue& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}
TesselUIPropertyItem::TesselUIPropertyItem(const wchar_t* name, const MultiText& value,
                                           HBITMAP head)
    : TesselUIPropertyItem(name, Value(value), head)
{}

TesselUIPropertyItem::~TesselUIPropertyItem()
{
    delete m_formatCheck;
}

void TesselUIPropertyItem::swap(TesselUIPropertyItem& other) noexcept
{
    using std::swap;
    swap(m_name, other.m_name);
    swap(m_head, other.m_head);
    swap(m_value, other.m_value);
    swap(m_readOnly, other.m_readOnly);
    swap(m_multiValue, other.m_multiValue);
    swap(m_angle, other.m_angle);
    swap(m_formatCheck, other.m_formatCheck);
}

template <class T>
bool TesselUIPropertyItem::Get(T& value) const
{
    const T* held = std::get_if<T>(&m_value);
    if (!held)
        return false;
    value = *held;
    return true;
}

bool TesselUIPropertyItem::getValue(bool& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(int& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(double& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(DPoint3d& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(WString& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(ColorValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(ButtonValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(EditButtonValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(ListValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(bvector<DPoint3d>& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(ImageValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(ListImageValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(SubGroupValue& value) const
{
    return Get(value);
}
bool TesselUIPropertyItem::getValue(MultiText& value) const
{
    return Get(value);
}

void TesselUIPropertyItem::setFormatCheck(IFormatCheck* check)
{
    if (check == m_formatCheck)
        return;
    delete m_formatCheck;
    m_formatCheck = check;
}

IFormatCheck* TesselUIPropertyItem::releaseFormatCheck()
{
    return std::exchange(m_formatCheck, nullptr);
}
