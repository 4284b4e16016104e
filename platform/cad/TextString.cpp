#include "platform/cad/TextString.h"

#include "platform/cad/DgnFont.h"

#include <cmath>

namespace {

bool IsKnownJustification(TextElementJustification j)
{
    switch (j) {
    case TextElementJustification::LeftTop:
    case TextElementJustification::LeftMiddle:
    case TextElementJustification::LeftBaseline:
    case TextElementJustification::CenterTop:
    case TextElementJustification::CenterMiddle:
    case TextElementJustification::CenterBaseline:
    case TextElementJustification::RightTop:
    case TextElementJustification::RightMiddle:
    case TextElementJustification::RightBaseline:
        return true;
    }
    return false;
}

} // namespace

TextStringProperties::TextStringProperties() : m_font(&DgnFontManager::GetDefaultTrueTypeFont()) {}

TextStringProperties::TextStringProperties(const DgnFont& font, const DPoint2d& size,
                                           TextElementJustification justification)
    : m_font(&font)
{
    SetSize(size);
    SetJustification(justification);
}

void TextStringProperties::SetSize(const DPoint2d& size)
{
    if (size.x > 0.0 && size.y > 0.0 && std::isfinite(size.x) && std::isfinite(size.y))
        m_size = size;
}

void TextStringProperties::SetJustification(TextElementJustification justification)
{
    // Unknown numbers keep the old justification rather than placing the text somewhere odd.
    if (IsKnownJustification(justification))
        m_justification = justification;
}

TextString::TextString(const wchar_t* text, const DPoint3d* origin, const RotMatrix* rotation,
                       const TextStringProperties& properties)
    : m_text(text ? text : L""), m_origin(origin ? *origin : DPoint3d{}),
      m_rotation(rotation ? *rotation : RotMatrix{}), m_properties(properties)
{}
