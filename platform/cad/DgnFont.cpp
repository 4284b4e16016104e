#include "platform/cad/DgnFont.h"

#include <deque>
#include <mutex>

namespace {

constexpr const wchar_t* kDefaultFace = L"微软雅黑";

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
    return FindFont(kDefaultFace);
}

const DgnFont& DgnFontManager::FindFont(const wchar_t* faceName)
{
    const WString name = faceName && *faceName ? WString(faceName) : WString(kDefaultFace);
    FontTable& table = Table();
    std::lock_guard lock(table.mutex);
    for (const DgnFont& font : table.fonts)
        if (font.GetName().EqualsI(name.c_str()))
            return font;
    return table.fonts.emplace_back(name, DgnFontType::TrueType);
}
