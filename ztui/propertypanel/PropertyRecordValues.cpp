#include "ztui/propertypanel/PropertyRecordValues.h"

#include "platform/win/WinGdi.h"
#include "platform/win/WinUser.h"

namespace zt {

namespace {

using Kind = TesselUIPropertyItem::Kind;

template <class T>
TesselUIPropertyItem CopyOf(const TesselUIPropertyItem& record)
{
    T value{};
    record.getValue(value);
    return TesselUIPropertyItem(record.getName().c_str(), value);
}

template <class T>
bool Same(const TesselUIPropertyItem& a, const TesselUIPropertyItem& b)
{
    T x{};
    T y{};
    return a.getValue(x) && b.getValue(y) && x == y;
}

bool SamePoint(const TesselUIPropertyItem& a, const TesselUIPropertyItem& b)
{
    DPoint3d x;
    DPoint3d y;
    return a.getValue(x) && b.getValue(y) && x.IsEqual(y);
}

bool SamePoints(const TesselUIPropertyItem& a, const TesselUIPropertyItem& b)
{
    bvector<DPoint3d> x;
    bvector<DPoint3d> y;
    if (!a.getValue(x) || !b.getValue(y) || x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!x[i].IsEqual(y[i]))
            return false;
    return true;
}

} // namespace

TesselUIPropertyItem PropertyRecordValues::Copy(const TesselUIPropertyItem& record)
{
    TesselUIPropertyItem copy;
    switch (record.getKind()) {
    case Kind::Empty:
        return copy;
    case Kind::Bool:
        copy = CopyOf<bool>(record);
        break;
    case Kind::Int:
        copy = CopyOf<int>(record);
        break;
    case Kind::Double: {
        double value = 0.0;
        record.getValue(value);
        copy = TesselUIPropertyItem(record.getName().c_str(), value, record.angleValue());
        break;
    }
    case Kind::Point:
        copy = CopyOf<DPoint3d>(record);
        break;
    case Kind::Text:
        copy = CopyOf<WString>(record);
        break;
    case Kind::Color:
        copy = CopyOf<ColorValue>(record);
        break;
    case Kind::Button:
        copy = CopyOf<ButtonValue>(record);
        break;
    case Kind::EditButton:
        copy = CopyOf<EditButtonValue>(record);
        break;
    case Kind::List:
        copy = CopyOf<ListValue>(record);
        break;
    case Kind::PointList:
        copy = CopyOf<bvector<DPoint3d>>(record);
        break;
    case Kind::Image:
        copy = CopyOf<ImageValue>(record);
        break;
    case Kind::ImageList:
        copy = CopyOf<ListImageValue>(record);
        break;
    case Kind::SubGroup:
        copy = CopyOf<SubGroupValue>(record);
        break;
    case Kind::MultiText:
        copy = CopyOf<MultiText>(record);
        break;
    }
    copy.setReadOnly(record.readOnly());
    copy.setMultiValue(record.multiValue());
    copy.setAnlgeValue(record.angleValue());
    return copy;
}

bool PropertyRecordValues::SameValue(const TesselUIPropertyItem& a, const TesselUIPropertyItem& b)
{
    if (a.getKind() != b.getKind())
        return false;
    switch (a.getKind()) {
    case Kind::Empty:
        return true;
    case Kind::Bool:
        return Same<bool>(a, b);
    case Kind::Int:
        return Same<int>(a, b);
    case Kind::Double:
        return a.angleValue() == b.angleValue() && Same<double>(a, b);
    case Kind::Point:
        return SamePoint(a, b);
    case Kind::Text:
        return Same<WString>(a, b);
    case Kind::Color:
        return Same<ColorValue>(a, b);
    case Kind::Button:
        return Same<ButtonValue>(a, b);
    case Kind::EditButton:
        return Same<EditButtonValue>(a, b);
    case Kind::List:
        return Same<ListValue>(a, b);
    case Kind::PointList:
        return SamePoints(a, b);
    case Kind::Image:
        return Same<ImageValue>(a, b);
    case Kind::ImageList:
        return Same<ListImageValue>(a, b);
    case Kind::SubGroup:
        return true;
    case Kind::MultiText:
        return Same<MultiText>(a, b);
    }
    return false;
}

HBITMAP PropertyRecordValues::CopyBitmap(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || ::GetObjectType(bitmap) != OBJ_BITMAP ||
        ::GetObjectW(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC from = ::CreateCompatibleDC(screen);
    HDC to = ::CreateCompatibleDC(screen);
    HBITMAP copy = ::CreateCompatibleBitmap(screen, info.bmWidth, info.bmHeight);
    ::ReleaseDC(nullptr, screen);
    if (copy && from && to) {
        HGDIOBJ oldFrom = ::SelectObject(from, bitmap);
        HGDIOBJ oldTo = ::SelectObject(to, copy);
        ::BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
        ::SelectObject(from, oldFrom);
        ::SelectObject(to, oldTo);
    }
    if (from)
        ::DeleteDC(from);
    if (to)
        ::DeleteDC(to);
    return copy;
}

} // namespace zt
