#pragma once
// Fonts of the platform's text. A font is named by its face; a text string carries the face's
// name (TextString::SetFontName) and the view draws it with the window system's font of that
// face (the fontconfig mapping decides which family that is).

#include "platform/base/WString.h"

enum class DgnFontType
{
    TrueType = 1,
};

class DgnFont
{
public:
    DgnFont(WString faceName, DgnFontType type) : m_name(std::move(faceName)), m_type(type) {}

    const WString& GetName() const { return m_name; }
    DgnFontType GetType() const { return m_type; }

private:
    WString m_name;
    DgnFontType m_type;
};

class DgnFontManager
{
public:
    // A font that shows Latin and Chinese text alike (TextString::DEFAULT_TRUETYPE_FONT).
    static const DgnFont& GetDefaultTrueTypeFont();
    // The font of that face, made on first use and kept for the process; the default font for
    // an empty name.
    static const DgnFont& FindFont(const wchar_t* faceName);
};
