#pragma once

#include "ztui/proplist/model/PropertyMgrUI.h"

#include <memory>

namespace zt {

class PropertyList_imp;

struct PropertyListEntry
{
    CString text;
    int imageIndex = 0;
};

// An item of the property list: one typed value plus what the list needs to show it. It owns
// its head bitmap, its image bitmap and its format check.
class ZTUI_EXPORT PropertyItem_imp final : public PropertyMgrUI::PropertyItem
{
public:
    using Kind = PropertyMgrUI::PropertyItemKind;

    PropertyItem_imp(PropertyList_imp* owner, const CString& groupName, bool groupExpanded,
                     const CString& name, HBITMAP headBitmap);
    ~PropertyItem_imp();
    PropertyItem_imp(const PropertyItem_imp&) = delete;
    PropertyItem_imp& operator=(const PropertyItem_imp&) = delete;

    const CString& groupName() const override { return m_groupName; }
    const CString& name() const override { return m_name; }
    HBITMAP headBitmap() const override { return m_headBitmap; }
    PropertyItem* setReadOnly() override;
    bool isReadOnly() const override { return m_readOnly; }
    PropertyItem* setDisplayText(const CString& text) override;
    PropertyItem* reservedSet(std::int64_t value) override;
    bool reservedQuery() const override { return false; }
    void setFormatCheck(IFormatCheck* check) override;
    PropertyItem* setPoints(int count, const DPoint3d* points) override;
    PropertyItem* setDouble(double value) override;
    PropertyItem* setInt(int value) override;
    PropertyItem* setText(const CString& text) override;
    bool isText() const override { return m_kind == Kind::Text; }
    const CString& text() const override { return m_string; }
    bool isInt() const override { return m_kind == Kind::Integer; }
    int intValue() const override { return m_integer; }
    bool isDouble() const override { return m_kind == Kind::Double; }
    double doubleValue() const override { return m_double; }
    int distancePrecision() const override;
    PropertyItem* setAngle(double radians) override;
    bool isAngle() const override { return m_kind == Kind::Angle; }
    double angleValue() const override { return m_double; }
    int anglePrecision() const override;
    PropertyItem* setButton(const CString& caption) override;
    const CString& buttonText() const override { return m_string; }
    bool isButton() const override { return m_kind == Kind::Button; }
    void setButtonData(std::int64_t value) override { m_buttonData = value; }
    PropertyItem* clearList() override;
    PropertyItem* addListEntry(const CString& text, bool editable) override;
    PropertyItem* setSelectedIndex(int index) override;
    int selectedIndex() const override { return m_selectedIndex; }
    bool isList() const override { return m_kind == Kind::List; }
    PropertyItem* setImageList(CImageList* imageList) override;
    PropertyItem* clearImageList() override;
    PropertyItem* addImageListEntry(const CString& text, int imageIndex) override;
    PropertyItem* setImageListSelection(int index) override;
    bool isImageList() const override { return m_kind == Kind::ImageList; }
    bool isEditableList() const override { return m_kind == Kind::EditableList; }
    std::vector<CString> listEntries() const override;
    PropertyItem* setCheck(bool value) override;
    PropertyItem* setCheckText(const CString& text) override;
    bool isCheck() const override { return m_kind == Kind::Check; }
    bool checkValue() const override { return m_check; }
    PropertyItem* setPoint(const DPoint3d& point) override;
    bool isPoint() const override { return m_kind == Kind::Point; }
    const DPoint3d& point() const override { return m_point; }
    PropertyItem* setEditButton(const CString& text) override;
    PropertyItem* setEditButtonData(std::int64_t value) override;
    const CString& editButtonText() const override { return m_string; }
    bool isEditButton() const override { return m_kind == Kind::EditButton; }
    PropertyItem* setSubGroup() override;
    bool isSubGroup() const override { return m_kind == Kind::SubGroup; }
    PropertyItem* setImage(HBITMAP bitmap) override;
    bool isImage() const override { return m_kind == Kind::Image; }
    HBITMAP image() const override;
    PropertyItem* setColor(std::uint32_t color) override;
    bool isColor() const override { return m_kind == Kind::Color; }
    std::uint32_t color() const override { return m_color; }
    PropertyItem* setMultiText(const CString& text, int lines) override;
    bool isMultiText() const override { return m_kind == Kind::MultiText; }
    const CString& multiText() const override { return m_string; }
    PropertyItem* setAttribute(const CString& key, const CString& value) override;
    CString attribute(const CString& key) const override;
    PropertyItem* setTag(int value) override;
    int tag() const override { return m_tag; }
    PropertyItem* syncWith(PropertyItem* other) override;
    bool isPointList() const override { return m_kind == Kind::PointList; }
    std::vector<DPoint3d>& points() override { return m_points; }
    bool groupExpanded() const override { return m_groupExpanded; }
    std::int64_t buttonData() const override { return m_buttonData; }
    PropertyItem* addImageListEntry(const wchar_t* text, int imageIndex) override;
    std::int64_t editButtonData() const override { return m_data; }

    // What the editors and rows read beyond the owner interface.
    Kind kind() const { return m_kind; }
    PropertyList_imp* owner() const { return m_owner; }
    bool hasDisplayText() const { return m_hasDisplayText; }
    const CString& displayText() const { return m_displayText; }
    IFormatCheck* formatCheck() const { return m_formatCheck.get(); }
    CImageList* imageList() const { return m_imageList; }
    int lineCount() const { return m_lineCount; }
    const std::vector<PropertyListEntry>& entries() const { return m_entries; }

private:
    void SetData(std::int64_t value);
    // Tells the list that a value was set; returns this for the setters' chains.
    PropertyItem* Changed();

    PropertyList_imp* m_owner;
    Kind m_kind = Kind::None;
    CString m_groupName;
    bool m_groupExpanded;
    CString m_name;
    HBITMAP m_headBitmap;
    bool m_readOnly = false;
    std::uint32_t m_color = 0;
    CString m_string;
    int m_integer = 0;
    double m_double = 0.0;
    bool m_check = false;
    bool m_hasDisplayText = false;
    CString m_displayText;
    DPoint3d m_point;
    std::vector<DPoint3d> m_points;
    std::int64_t m_data = 0; // the Image picture or the EditButton's button picture
    CImageList* m_imageList = nullptr;
    int m_selectedIndex = -1;
    int m_tag = -1;
    int m_lineCount = 1;
    std::vector<PropertyListEntry> m_entries;
    std::map<CString, CString> m_attributes;
    std::int64_t m_buttonData = 0;
    std::unique_ptr<IFormatCheck> m_formatCheck;
};

} // namespace zt
