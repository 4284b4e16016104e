#include "platform/cad/DgnFont.h"

#include "platform/cad/TextString.h"

#include <deque>
#include <mutex>

namespace {

struct FontTable
{
    std::mutex mutex;
    // A deque keeps every font where it is while more are added.
    std::deque<DgnFont> fonts;
};

FontTable& Table()
{
    static FontTable table;
    return table;
}

} // namespace

const DgnFont& DgnFontManager::GetDefaultTrueTypeFont()
{
    static const WString face(TextString::DEFAULT_TRUETYPE_FONT, true);
    return FindFont(face.c_str());
}

const DgnFont& DgnFontManager::FindFont(const wchar_t* faceName)
{
    if (!faceName || !*faceName)
        return GetDefaultTrueTypeFont();
    const WString name(faceName);
    FontTable& table = Table();
    std::lock_guard lock(table.mutex);
    for (const DgnFont& font : table.fonts)
        if (font.GetName().EqualsI(name.c_str()))
            return font;
    return table.fonts.emplace_back(name, DgnFontType::TrueType);
}
