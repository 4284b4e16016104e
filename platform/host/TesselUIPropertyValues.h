#pragma once
// The payloads of the host's property records (TesselUIPropertyItem), one structure per value
// kind that carries more than a plain number or text.

#include "platform/base/Handles.h"
#include "platform/base/WString.h"

#include <cstdint>
#include <vector>

// A colour as the host stores it: 0x00BBGGRR, as COLORREF.
struct ColorValue
{
    unsigned long color = 0;
    friend bool operator==(const ColorValue&, const ColorValue&) = default;
};

// A push button in the value cell; the data word is the list's, passed through unchanged.
struct ButtonValue
{
    WString text;
    std::uint64_t data = 0;
    friend bool operator==(const ButtonValue&, const ButtonValue&) = default;
};

// A text field with a button beside it; the bitmap is borrowed, never owned by the record.
struct EditButtonValue
{
    WString text;
    HBITMAP bitmap = nullptr;
    friend bool operator==(const EditButtonValue&, const EditButtonValue&) = default;
};

// A drop-down: the chosen entry (-1 for none) among the strings; an editable one also takes
// typed text.
struct ListValue
{
    int selected = -1;
    std::vector<WString> strings;
    bool editable = false;
    friend bool operator==(const ListValue&, const ListValue&) = default;
};

// A picture in the value cell (borrowed bitmap).
struct ImageValue
{
    HBITMAP bitmap = nullptr;
    friend bool operator==(const ImageValue&, const ImageValue&) = default;
};

// A drop-down of pictures from an image list, each entry a text and an index into the list.
struct ListImageValue
{
    struct Entry
    {
        WString text;
        int image = 0;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    int selected = -1;
    std::uint64_t imageList = 0;
    std::vector<Entry> entries;
    friend bool operator==(const ListImageValue&, const ListImageValue&) = default;
};

// A row that only opens a nested group; it has no value of its own.
struct SubGroupValue
{
    friend bool operator==(const SubGroupValue&, const SubGroupValue&) = default;
};

// A text over several lines; lines is how many the row shows.
struct MultiText
{
    int lines = 3;
    WString text;
    friend bool operator==(const MultiText&, const MultiText&) = default;
};
