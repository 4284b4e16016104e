#pragma once
// A single line of text placed in the world: an origin, a rotation that gives the text's own
// axes (its columns: along the baseline, up, out of the text), a font, a size in world units
// and the justification that says which point of the text sits at the origin.

#include "platform/base/WString.h"
#include "platform/cad/DPoint2d.h"
#include "platform/cad/RotMatrix.h"

class DgnFont;

// Where the origin lies on the text: horizontally left, centre or right, vertically at the top,
// the middle or the baseline. The values are the platform's justification numbers.
enum class TextElementJustification
{
    LeftTop = 0,
    LeftMiddle = 1,
    LeftBaseline = 2,
    CenterTop = 6,
    CenterMiddle = 7,
    CenterBaseline = 8,
    RightTop = 12,
    RightMiddle = 13,
    RightBaseline = 14,
};

class TextStringProperties
{
public:
    // The default font, one unit high and wide, left and baseline justified.
    TextStringProperties();
    TextStringProperties(const DgnFont& font, const DPoint2d& size,
                         TextElementJustification justification);

    const DgnFont& GetFont() const { return *m_font; }
    void SetFont(const DgnFont& font) { m_font = &font; }
    // x is the width of a character cell, y the text's height, both in world units. A size
    // that is not a positive finite number is refused and the old one kept.
    const DPoint2d& GetSize() const { return m_size; }
    void SetSize(const DPoint2d& size);
    TextElementJustification GetJustification() const { return m_justification; }
    void SetJustification(TextElementJustification justification);

private:
    const DgnFont* m_font;
    DPoint2d m_size{1.0, 1.0};
    TextElementJustification m_justification = TextElementJustification::LeftBaseline;
};

class TextString
{
public:
    // A null origin is the world origin, a null rotation the identity (text in the XY plane,
    // reading along +X).
    TextString(const wchar_t* text, const DPoint3d* origin, const RotMatrix* rotation,
               const TextStringProperties& properties);

    const WString& GetText() const { return m_text; }
    const DPoint3d& GetOrigin() const { return m_origin; }
    const RotMatrix& GetRotMatrix() const { return m_rotation; }
    const TextStringProperties& GetProperties() const { return m_properties; }

private:
    WString m_text;
    DPoint3d m_origin;
    RotMatrix m_rotation;
    TextStringProperties m_properties;
};

using TextStringCR = const TextString&;
