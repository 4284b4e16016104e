#pragma once
// The owner-facing interfaces of the property list: an owner fills the list with typed items,
// refreshes it, and learns of edits and button clicks through two handlers.

#include "platform/base/CString.h"
#include "platform/base/Handles.h"
#include "platform/cad/DPoint3d.h"
#include "ztui/ZTUiExport.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class IFormatCheck;
class CImageList;

namespace PropertyMgrUI {

// The kind of an item, changed only by the item's setters.
enum class PropertyItemKind : std::int32_t
{
    None = 0,
    Integer = 1,
    Double = 2,
    Angle = 3,
    Text = 4,
    List = 5,
    EditableList = 6,
    Button = 7,
    Check = 8,
    Point = 9,
    Image = 10,
    Color = 11,
    PointList = 12,
    EditButton = 13,
    ImageList = 14,
    SubGroup = 15,
    MultiText = 16,
};

class PropertyList;

// One property. Setters return the item so that an owner can chain them after addItem.
class ZTUI_EXPORT PropertyItem
{
public:
    virtual const CString& groupName() const = 0;
    virtual const CString& name() const = 0;
    virtual HBITMAP headBitmap() const = 0;
    virtual PropertyItem* setReadOnly() = 0;
    virtual bool isReadOnly() const = 0;
    // Shows text instead of the value, for an item that stands for several different values.
    virtual PropertyItem* setDisplayText(const CString& text) = 0;
    virtual PropertyItem* reservedSet(std::int64_t value) = 0;
    virtual bool reservedQuery() const = 0;
    // Takes ownership of the validator.
    virtual void setFormatCheck(IFormatCheck* check) = 0;
    virtual PropertyItem* setPoints(int count, const DPoint3d* points) = 0;
    virtual PropertyItem* setDouble(double value) = 0;
    virtual PropertyItem* setInt(int value) = 0;
    virtual PropertyItem* setText(const CString& text) = 0;
    virtual bool isText() const = 0;
    virtual const CString& text() const = 0;
    virtual bool isInt() const = 0;
    virtual int intValue() const = 0;
    virtual bool isDouble() const = 0;
    virtual double doubleValue() const = 0;
    // Decimal places for lengths, from the drafting aid's rounding increment.
    virtual int distancePrecision() const = 0;
    virtual PropertyItem* setAngle(double radians) = 0;
    virtual bool isAngle() const = 0;
    virtual double angleValue() const = 0;
    virtual int anglePrecision() const = 0;
    virtual PropertyItem* setButton(const CString& caption) = 0;
    virtual const CString& buttonText() const = 0;
    virtual bool isButton() const = 0;
    virtual void setButtonData(std::int64_t value) = 0;
    virtual PropertyItem* clearList() = 0;
    virtual PropertyItem* addListEntry(const CString& text, bool editable) = 0;
    virtual PropertyItem* setSelectedIndex(int index) = 0;
    virtual int selectedIndex() const = 0;
    virtual bool isList() const = 0;
    virtual PropertyItem* setImageList(CImageList* imageList) = 0;
    virtual PropertyItem* clearImageList() = 0;
    virtual PropertyItem* addImageListEntry(const CString& text, int imageIndex) = 0;
    virtual PropertyItem* setImageListSelection(int index) = 0;
    virtual bool isImageList() const = 0;
    virtual bool isEditableList() const = 0;
    virtual std::vector<CString> listEntries() const = 0;
    virtual PropertyItem* setCheck(bool value) = 0;
    virtual PropertyItem* setCheckText(const CString& text) = 0;
    virtual bool isCheck() const = 0;
    virtual bool checkValue() const = 0;
    virtual PropertyItem* setPoint(const DPoint3d& point) = 0;
    virtual bool isPoint() const = 0;
    virtual const DPoint3d& point() const = 0;
    virtual PropertyItem* setEditButton(const CString& text) = 0;
    virtual PropertyItem* setEditButtonData(std::int64_t value) = 0;
    virtual const CString& editButtonText() const = 0;
    virtual bool isEditButton() const = 0;
    virtual PropertyItem* setSubGroup() = 0;
    virtual bool isSubGroup() const = 0;
    // Takes ownership of the bitmap.
    virtual PropertyItem* setImage(HBITMAP bitmap) = 0;
    virtual bool isImage() const = 0;
    virtual HBITMAP image() const = 0;
    // Red in the low byte, then green, then blue.
    virtual PropertyItem* setColor(std::uint32_t color) = 0;
    virtual bool isColor() const = 0;
    virtual std::uint32_t color() const = 0;
    virtual PropertyItem* setMultiText(const CString& text, int lines) = 0;
    virtual bool isMultiText() const = 0;
    virtual const CString& multiText() const = 0;
    virtual PropertyItem* setAttribute(const CString& key, const CString& value) = 0;
    virtual CString attribute(const CString& key) const = 0;
    virtual PropertyItem* setTag(int value) = 0;
    virtual int tag() const = 0;
    virtual PropertyItem* syncWith(PropertyItem* other) = 0;
    virtual bool isPointList() const = 0;
    virtual std::vector<DPoint3d>& points() = 0;
    virtual bool groupExpanded() const = 0;
    virtual std::int64_t buttonData() const = 0;
    virtual PropertyItem* addImageListEntry(const wchar_t* text, int imageIndex) = 0;
    virtual std::int64_t editButtonData() const = 0;

protected:
    ~PropertyItem() = default; // items belong to their list
};

using PropertyHandler = std::function<void(PropertyList& list, PropertyItem& item)>;
// Keys are the groups' own name texts and compare as pointers; they stay meaningful until the
// list's next rebuild.
using GroupStateMap = std::map<const wchar_t*, bool>;

// The table of operations starts with clear, as host code compiled against it expects: the
// interface has no virtual destructor of its own. A list is destroyed through its implementation,
// never through this interface.
class ZTUI_EXPORT PropertyList
{
public:
    virtual PropertyList* clear() = 0;
    virtual PropertyItem* addItem(const CString& groupName, bool groupExpanded, const CString& name,
                                  HBITMAP headBitmap) = 0;
    virtual PropertyList* refresh() = 0;
    virtual PropertyList* setValueChanged(PropertyHandler handler) = 0;
    virtual PropertyList* setButtonClicked(PropertyHandler handler) = 0;
    virtual PropertyList* itemChanged(PropertyItem* item) = 0;
    virtual PropertyList* collectGroupStates(GroupStateMap& states) = 0;

protected:
    ~PropertyList() = default;
};

} // namespace PropertyMgrUI
