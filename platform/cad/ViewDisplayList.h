#pragma once
// A drawing recorded in view coordinates: what one pass over a viewport drew (its elements, its
// transients or its dynamics), kept until the next pass replaces it and painted by the view's
// window. Recording happens where the drawing code runs (the work thread); painting on the
// window's thread; a finished list is never changed again, so both may hold it at once.

#include "platform/base/WString.h"
#include "platform/base/WinTypes.h"
#include "platform/cad/TextString.h"

#include <cstdint>
#include <vector>

struct ViewPoint2f
{
    float x;
    float y;
    bool operator==(const ViewPoint2f&) const = default;
};

struct DisplaySymbology
{
    std::uint32_t lineColor = 0; // TBGR
    std::uint32_t fillColor = 0; // TBGR
    std::uint8_t weight = 0;
    std::uint8_t style = 0;
    bool operator==(const DisplaySymbology&) const = default;
};

enum class DisplayOp : std::uint8_t
{
    Polyline,       // open, in the line colour
    ClosedPolyline, // back to its first point
    Fill,           // a polygon filled in the fill colour
    Dots,           // one dot per point
    Text,           // texts[first]
};

struct DisplayItem
{
    DisplayOp op;
    std::uint32_t symbology;
    std::uint32_t first;
    std::uint32_t count;
    float depth; // view z, larger is nearer the viewer
    bool operator==(const DisplayItem&) const = default;
};

// A line of text: the view position of its origin and the view vectors of one unit of its
// width and height (the height vector points up the text, so it has negative y when the text
// stands upright).
struct DisplayText
{
    WString text;
    WString face;
    ViewPoint2f origin;
    ViewPoint2f widthVector;
    ViewPoint2f heightVector;
    TextElementJustification justification;
    bool operator==(const DisplayText&) const = default;
};

class ViewDisplayList
{
public:
    void Clear();
    bool IsEmpty() const { return m_items.empty(); }

    // Symbology for the items that follow; the same symbology twice in a row is stored once.
    void SetSymbology(const DisplaySymbology& symbology);
    void AddPolyline(const ViewPoint2f* points, std::uint32_t count, bool closed, float depth);
    void AddFill(const ViewPoint2f* points, std::uint32_t count, float depth);
    void AddDots(const ViewPoint2f* points, std::uint32_t count, float depth);
    void AddText(DisplayText text, float depth);
    // Appends everything another list holds, in its order.
    void Append(const ViewDisplayList& other);
    // Orders the items from the farthest to the nearest, keeping the order of items at equal
    // depth (a face and its outline stay together): the painter's order of a shaded view.
    void SortBackToFront();

    // The same items with the same points, texts and symbology: both paint the same pixels.
    bool operator==(const ViewDisplayList& other) const
    {
        return m_items == other.m_items && m_points == other.m_points &&
               m_texts == other.m_texts && m_symbologies == other.m_symbologies;
    }
    // The view rectangle every pixel painted by the list lies in (empty when the list paints
    // nothing); false when that cannot be told without painting (texts, points far off).
    bool PaintedBounds(RECT& bounds) const;

    const std::vector<DisplayItem>& Items() const { return m_items; }
    const std::vector<ViewPoint2f>& Points() const { return m_points; }
    const std::vector<DisplayText>& Texts() const { return m_texts; }
    const std::vector<DisplaySymbology>& Symbologies() const { return m_symbologies; }

private:
    void AddPoints(DisplayOp op, const ViewPoint2f* points, std::uint32_t count, float depth);
    std::uint32_t CurrentSymbology();

    std::vector<DisplayItem> m_items;
    std::vector<ViewPoint2f> m_points;
    std::vector<DisplayText> m_texts;
    std::vector<DisplaySymbology> m_symbologies;
    DisplaySymbology m_pending;
    bool m_pendingSet = false;
};
