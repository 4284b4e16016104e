#pragma once
// A single line of text placed in the model: its characters, the point it starts at (the
// left end of its baseline), its orientation (columns: the text's x and y directions in world
// axes), its character height and width in model units, and its font.

#include "platform/base/WString.h"
#include "platform/cad/DPoint2d.h"
#include "platform/cad/DPoint3d.h"
#include "platform/cad/RotMatrix.h"
#include "platform/cad/Transform.h"

class TextString
{
public:
    // The font text gets when none is named: a TrueType face every installation maps.
    static constexpr const char* DEFAULT_TRUETYPE_FONT = "SimSun";

    TextString() = default;
    TextString(WString text, const DPoint3d& origin, double height)
        : m_text(std::move(text)), m_origin(origin), m_size{height, height}
    {}

    const WString& GetText() const { return m_text; }
    void SetText(WString text) { m_text = std::move(text); }
    const DPoint3d& GetOrigin() const { return m_origin; }
    void SetOrigin(const DPoint3d& origin) { m_origin = origin; }
    const RotMatrix& GetOrientation() const { return m_orientation; }
    void SetOrientation(const RotMatrix& orientation) { m_orientation = orientation; }
    // x: character width, y: character height, both in model units.
    const DPoint2d& GetSize() const { return m_size; }
    void SetSize(const DPoint2d& size) { m_size = size; }
    double GetHeight() const { return m_size.y; }
    const Utf8String& GetFontName() const { return m_fontName; }
    void SetFontName(Utf8String name) { m_fontName = std::move(name); }

    // Moves the origin and turns the orientation; the size stays (text keeps its height when
    // it is moved, rotated or mirrored).
    void ApplyTransform(const Transform& transform);

    friend bool operator==(const TextString& a, const TextString& b);

private:
    WString m_text;
    DPoint3d m_origin;
    RotMatrix m_orientation;
    DPoint2d m_size{1.0, 1.0};
    Utf8String m_fontName{DEFAULT_TRUETYPE_FONT};
};
