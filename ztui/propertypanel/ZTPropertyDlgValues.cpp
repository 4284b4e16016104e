// The two conversions between the list's items and the host's records.

#include "ztui/propertypanel/PropertyRecordValues.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"

#include "platform/host/IFormatCheck.h"

namespace zt {

namespace {

using PropertyMgrUI::PropertyItem;
using PropertyMgrUI::PropertyItemKind;

CString ToCString(const WString& text)
{
    return CString(text.c_str());
}

WString ToWString(const CString& text)
{
    return WString(text.GetString(), static_cast<size_t>(text.GetLength()));
}

// The record's checker goes to the item, which owns it from then on. The record is the
// collector's (or the caller's) and is changed only in that it no longer holds the checker.
void MoveFormatCheck(const TesselUIPropertyItem& record, PropertyItem& item)
{
    if (IFormatCheck* check = const_cast<TesselUIPropertyItem&>(record).releaseFormatCheck())
        item.setFormatCheck(check);
}

std::int64_t BitmapWord(HBITMAP bitmap)
{
    return static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(bitmap));
}

// Tried in the order of the record's kinds; the first the record holds decides.
bool ToItem(const TesselUIPropertyItem& record, PropertyItem& item)
{
    bool b = false;
    if (record.getValue(b)) {
        item.setCheck(b)->setCheckText(ToCString(record.getName()));
        return true;
    }
    int i = 0;
    if (record.getValue(i)) {
        item.setInt(i);
        MoveFormatCheck(record, item);
        return true;
    }
    double d = 0.0;
    if (record.getValue(d)) {
        item.setDouble(d);
        MoveFormatCheck(record, item);
        if (record.angleValue())
            item.setAngle(d);
        return true;
    }
    DPoint3d point;
    if (record.getValue(point)) {
        item.setPoint(point);
        return true;
    }
    WString text;
    if (record.getValue(text)) {
        item.setText(ToCString(text));
        MoveFormatCheck(record, item);
        return true;
    }
    ColorValue color;
    if (record.getValue(color)) {
        item.setColor(static_cast<std::uint32_t>(color.color));
        return true;
    }
    ButtonValue button;
    if (record.getValue(button)) {
        item.setButton(ToCString(button.text));
        item.setButtonData(static_cast<std::int64_t>(button.data));
        return true;
    }
    EditButtonValue editButton;
    if (record.getValue(editButton)) {
        item.setEditButton(ToCString(editButton.text));
        item.setEditButtonData(BitmapWord(PropertyRecordValues::CopyBitmap(editButton.bitmap)));
        MoveFormatCheck(record, item);
        return true;
    }
    ListValue list;
    if (record.getValue(list)) {
        // A list without entries is still a list.
        item.clearList();
        for (const WString& entry : list.strings)
            item.addListEntry(ToCString(entry), false);
        item.setSelectedIndex(list.selected);
        return true;
    }
    bvector<DPoint3d> points;
    if (record.getValue(points)) {
        item.setPoints(static_cast<int>(points.size()), points.data());
        return true;
    }
    ImageValue image;
    if (record.getValue(image)) {
        item.setImage(PropertyRecordValues::CopyBitmap(image.bitmap));
        return true;
    }
    ListImageValue images;
    if (record.getValue(images)) {
        // The record carries the image list as the address of the host's CImageList.
        item.setImageList(
            reinterpret_cast<CImageList*>(static_cast<std::uintptr_t>(images.imageList)));
        for (const ListImageValue::Entry& entry : images.entries)
            item.addImageListEntry(ToCString(entry.text), entry.image);
        item.setImageListSelection(images.selected);
        return true;
    }
    SubGroupValue subGroup;
    if (record.getValue(subGroup)) {
        item.setSubGroup();
        return true;
    }
    MultiText multi;
    if (record.getValue(multi)) {
        item.setMultiText(ToCString(multi.text), multi.lines);
        return true;
    }
    return false;
}

// The record of an item's kind, or nothing (Empty) for kinds without one.
TesselUIPropertyItem ToRecord(const PropertyItem& item)
{
    const wchar_t* name = item.name().GetString();
    if (item.isDouble())
        return TesselUIPropertyItem(name, item.doubleValue());
    if (item.isAngle())
        return TesselUIPropertyItem(name, item.angleValue(), true);
    if (item.isInt())
        return TesselUIPropertyItem(name, item.intValue());
    if (item.isPoint())
        return TesselUIPropertyItem(name, item.point());
    if (item.isText())
        return TesselUIPropertyItem(name, ToWString(item.text()));
    if (item.isList() || item.isEditableList()) {
        ListValue list;
        list.selected = item.selectedIndex();
        for (const CString& entry : item.listEntries())
            list.strings.push_back(ToWString(entry));
        list.editable = item.isEditableList();
        return TesselUIPropertyItem(name, list);
    }
    if (item.isCheck())
        return TesselUIPropertyItem(name, item.checkValue());
    if (item.isColor())
        return TesselUIPropertyItem(name, ColorValue{item.color()});
    if (item.isPointList()) {
        // The interface hands the points out by reference only; nothing is changed here.
        const std::vector<DPoint3d>& points = const_cast<PropertyItem&>(item).points();
        return TesselUIPropertyItem(name, bvector<DPoint3d>(points.begin(), points.end()));
    }
    if (item.isButton())
        return TesselUIPropertyItem(name, ToWString(item.buttonText()));
    if (item.isEditButton())
        return TesselUIPropertyItem(name,
                                    EditButtonValue{ToWString(item.editButtonText()), nullptr});
    if (item.isImageList()) {
        ListImageValue images;
        images.selected = item.selectedIndex();
        return TesselUIPropertyItem(name, images);
    }
    if (item.isMultiText())
        return TesselUIPropertyItem(name, MultiText{3, ToWString(item.multiText())});
    return TesselUIPropertyItem();
}

} // namespace

void ZTPropertyDlg::SetValue(const TesselUIPropertyItem& record, PropertyMgrUI::PropertyItem& item)
{
    ToItem(record, item);
    if (record.readOnly())
        item.setReadOnly();
    if (record.multiValue())
        item.setDisplayText(kMultiValueText);
}

void ZTPropertyDlg::SetValue(const PropertyMgrUI::PropertyItem& item, TesselUIPropertyItem& record)
{
    TesselUIPropertyItem made = ToRecord(item);
    if (made.getKind() != TesselUIPropertyItem::Kind::Empty)
        record.swap(made);
}

} // namespace zt
