#pragma once
// One property as a tool reports it to a property list, and as an edit comes back from it:
// a caption, an optional bitmap before it, exactly one value of one kind, and the flags that
// say how to show it. The kind is fixed by the constructor; getValue of another kind returns
// false and leaves its argument alone.
//
// A record may carry an input checker (IFormatCheck), which it owns. Hand it over with
// releaseFormatCheck; setFormatCheck deletes the checker it replaces.

#include "platform/cad/BVector.h"
#include "platform/cad/DPoint3d.h"
#include "platform/host/TesselUIPropertyValues.h"

#include <variant>

class IFormatCheck;

class TesselUIPropertyItem
{
public:
    enum class Kind
    {
        Empty,
        Bool,
        Int,
        Double,
        Point,
        Text,
        Color,
        Button,
        EditButton,
        List,
        PointList,
        Image,
        ImageList,
        SubGroup,
        MultiText,
    };

    // An empty record: no name, no value; what a record holds after its content was swapped
    // away.
    TesselUIPropertyItem() = default;
    TesselUIPropertyItem(const wchar_t* name, bool value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, int value, HBITMAP head = nullptr);
    // With angle true the value is an angle in radians.
    TesselUIPropertyItem(const wchar_t* name, double value, bool angle = false,
                         HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const DPoint3d& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const WString& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const ColorValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const ButtonValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const EditButtonValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const ListValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const bvector<DPoint3d>& value,
                         HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const ImageValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const ListImageValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const SubGroupValue& value, HBITMAP head = nullptr);
    TesselUIPropertyItem(const wchar_t* name, const MultiText& value, HBITMAP head = nullptr);
    ~TesselUIPropertyItem();

    // Records are moved (or swapped), never copied, so that a checker has one owner.
    TesselUIPropertyItem(const TesselUIPropertyItem&) = delete;
    TesselUIPropertyItem& operator=(const TesselUIPropertyItem&) = delete;
    TesselUIPropertyItem(TesselUIPropertyItem&& other) noexcept { swap(other); }
    TesselUIPropertyItem& operator=(TesselUIPropertyItem&& other) noexcept
    {
        TesselUIPropertyItem(std::move(other)).swap(*this);
        return *this;
    }
    void swap(TesselUIPropertyItem& other) noexcept;

    const WString& getName() const { return m_name; }
    HBITMAP getHeadBitmap() const { return m_head; }
    Kind getKind() const { return static_cast<Kind>(m_value.index()); }

    bool getValue(bool& value) const;
    bool getValue(int& value) const;
    bool getValue(double& value) const;
    bool getValue(DPoint3d& value) const;
    bool getValue(WString& value) const;
    bool getValue(ColorValue& value) const;
    bool getValue(ButtonValue& value) const;
    bool getValue(EditButtonValue& value) const;
    bool getValue(ListValue& value) const;
    bool getValue(bvector<DPoint3d>& value) const;
    bool getValue(ImageValue& value) const;
    bool getValue(ListImageValue& value) const;
    bool getValue(SubGroupValue& value) const;
    bool getValue(MultiText& value) const;

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // The value differs between the objects the record stands for.
    bool multiValue() const { return m_multiValue; }
    void setMultiValue(bool multi) { m_multiValue = multi; }
    bool angleValue() const { return m_angle; }
    void setAnlgeValue(bool angle) { m_angle = angle; }

    IFormatCheck* formatCheck() const { return m_formatCheck; }
    void setFormatCheck(IFormatCheck* check);
    // Gives the checker away: the caller owns it and the record holds none.
    IFormatCheck* releaseFormatCheck();

private:
    using Value = std::variant<std::monostate, bool, int, double, DPoint3d, WString, ColorValue,
                               ButtonValue, EditButtonValue, ListValue, bvector<DPoint3d>,
                               ImageValue, ListImageValue, SubGroupValue, MultiText>;

    TesselUIPropertyItem(const wchar_t* name, Value value, HBITMAP head);
    template <class T>
    bool Get(T& value) const;

    WString m_name;
    HBITMAP m_head = nullptr;
    Value m_value;
    bool m_readOnly = false;
    bool m_multiValue = false;
    bool m_angle = false;
    IFormatCheck* m_formatCheck = nullptr;
};
