// The resource tables of modules and the Win32 functions that read them.
#include "platform/win/resources/ResourceModule.h"

#include "platform/win/resources/StockIcons.h"

#include "platform/win/Modules.h"
#include "platform/win/WinError.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <mutex>
#include <set>
#include <tuple>

namespace zt::win {

namespace {

struct ModuleResources
{
    std::map<std::wstring, DialogTemplate> dialogs;
    std::map<std::wstring, std::vector<IconImage>> icons;
    std::map<UINT, std::wstring> strings;
};

struct Tables
{
    std::mutex mutex;
    std::map<HINSTANCE, ModuleResources> modules;
    // Shared icons (LoadIcon, LR_SHARED) live for the process, as system-owned icons do.
    std::map<std::tuple<HINSTANCE, std::wstring, int, int>, HICON> shared;
};

Tables& GetTables()
{
    static Tables* tables = new Tables();
    return *tables;
}

HINSTANCE Normalize(HINSTANCE module)
{
    return module ? module : GetModuleHandleW(nullptr);
}

// "#12" and MAKEINTRESOURCE(12) are the same name; string names ignore case.
std::wstring NameKey(LPCWSTR name)
{
    if (!name)
        return {};
    if (IS_INTRESOURCE(name))
        return L"#" + std::to_wstring(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    std::wstring key;
    for (const wchar_t* p = name; *p; ++p)
        key.push_back(static_cast<wchar_t>(std::towupper(*p)));
    if (key.size() > 1 && key[0] == L'#' &&
        std::all_of(key.begin() + 1, key.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return L"#" + std::to_wstring(std::wcstoul(key.c_str() + 1, nullptr, 10) & 0xFFFF);
    return key;
}

bool ValidImage(const IconImage& image)
{
    return image.width > 0 && image.height > 0 && image.width <= 1024 && image.height <= 1024 &&
           image.argb.size() ==
               static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
}

// Straight alpha is averaged weighted by alpha, so transparent pixels do not darken edges.
IconImage Scale(const IconImage& src, int cx, int cy)
{
    IconImage out{cx, cy, std::vector<std::uint32_t>(static_cast<std::size_t>(cx) * cy)};
    for (int y = 0; y < cy; ++y) {
        int y0 = y * src.height / cy;
        int y1 = std::max(y0 + 1, (y + 1) * src.height / cy);
        for (int x = 0; x < cx; ++x) {
            int x0 = x * src.width / cx;
            int x1 = std::max(x0 + 1, (x + 1) * src.width / cx);
            double a = 0, r = 0, g = 0, b = 0;
            int n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    std::uint32_t p = src.argb[static_cast<std::size_t>(sy) * src.width + sx];
                    double pa = (p >> 24) & 0xFF;
                    a += pa;
                    r += pa * ((p >> 16) & 0xFF);
                    g += pa * ((p >> 8) & 0xFF);
                    b += pa * (p & 0xFF);
                    ++n;
                }
            std::uint32_t v = 0;
            if (a > 0) {
                auto c = [&](double s) { return static_cast<std::uint32_t>(s / a + 0.5) & 0xFF; };
                v = (static_cast<std::uint32_t>(a / n + 0.5) << 24) | (c(r) << 16) | (c(g) << 8) |
                    c(b);
            }
            out.argb[static_cast<std::size_t>(y) * cx + x] = v;
        }
    }
    return out;
}

bool IsIdKey(const std::wstring& key)
{
    return key.size() > 1 && key[0] == L'#' &&
           std::all_of(key.begin() + 1, key.end(),
                       [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// Windows lists string names before ids, and ids by value, not as text.
void SortAsWindows(std::vector<std::wstring>& names)
{
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        bool aId = IsIdKey(a);
        bool bId = IsIdKey(b);
        if (aId != bId)
            return bId;
        if (aId)
            return std::wcstoul(a.c_str() + 1, nullptr, 10) <
                   std::wcstoul(b.c_str() + 1, nullptr, 10);
        return a < b;
    });
}

template <class Map>
std::vector<std::wstring> KeysOf(const Map& map)
{
    std::vector<std::wstring> keys;
    keys.reserve(map.size());
    for (const auto& entry : map)
        keys.push_back(entry.first);
    return keys;
}

} // namespace

DialogItemTemplate& DialogTemplate::AddItem(const wchar_t* className, const wchar_t* text, int id,
                                            DWORD style, short x, short y, short cx, short cy)
{
    DialogItemTemplate& item = items.emplace_back();
    item.className = className ? className : L"";
    item.text = text ? text : L"";
    item.id = id;
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

bool ResourceModule::AddDialog(HINSTANCE module, LPCWSTR name, DialogTemplate dialog)
{
    std::wstring key = NameKey(name);
    if (key.empty())
        return false;
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    t.modules[Normalize(module)].dialogs[key] = std::move(dialog);
    return true;
}

bool ResourceModule::AddIcon(HINSTANCE module, LPCWSTR name, std::vector<IconImage> images)
{
    std::wstring key = NameKey(name);
    if (key.empty() || images.empty() || !std::all_of(images.begin(), images.end(), ValidImage))
        return false;
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    t.modules[Normalize(module)].icons[key] = std::move(images);
    return true;
}

bool ResourceModule::AddString(HINSTANCE module, UINT id, std::wstring text)
{
    if (id > 0xFFFF)
        return false;
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    t.modules[Normalize(module)].strings[id] = std::move(text);
    return true;
}

void ResourceModule::RemoveModule(HINSTANCE module)
{
    std::vector<HICON> shared;
    {
        Tables& t = GetTables();
        std::lock_guard lock(t.mutex);
        HINSTANCE key = Normalize(module);
        t.modules.erase(key);
        // Shared icons belong to their module and go with it, as on Windows.
        for (auto it = t.shared.begin(); it != t.shared.end();) {
            if (std::get<0>(it->first) == key) {
                shared.push_back(it->second);
                it = t.shared.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (HICON icon : shared)
        DestroyIcon(icon);
}

std::optional<DialogTemplate> ResourceModule::FindDialog(HINSTANCE module, LPCWSTR name)
{
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    auto m = t.modules.find(Normalize(module));
    if (m == t.modules.end())
        return std::nullopt;
    auto it = m->second.dialogs.find(NameKey(name));
    if (it == m->second.dialogs.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::vector<IconImage>> ResourceModule::FindIcon(HINSTANCE module, LPCWSTR name)
{
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    auto m = t.modules.find(Normalize(module));
    if (m == t.modules.end())
        return std::nullopt;
    auto it = m->second.icons.find(NameKey(name));
    if (it == m->second.icons.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::wstring> ResourceModule::FindString(HINSTANCE module, UINT id)
{
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    auto m = t.modules.find(Normalize(module));
    if (m == t.modules.end())
        return std::nullopt;
    auto it = m->second.strings.find(id);
    if (it == m->second.strings.end())
        return std::nullopt;
    return it->second;
}

bool ResourceModule::Contains(HINSTANCE module, LPCWSTR name, LPCWSTR type)
{
    if (!name || !type || !IS_INTRESOURCE(type))
        return false;
    if (type == RT_DIALOG)
        return FindDialog(module, name).has_value();
    if (type == RT_GROUP_ICON || type == RT_ICON)
        return FindIcon(module, name).has_value();
    if (type == RT_STRING)
        return IS_INTRESOURCE(name) &&
               FindString(module, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name))).has_value();
    return false;
}

std::vector<std::wstring> ResourceModule::Names(HINSTANCE module, LPCWSTR type)
{
    if (!type || !IS_INTRESOURCE(type))
        return {};
    std::vector<std::wstring> names;
    {
        Tables& t = GetTables();
        std::lock_guard lock(t.mutex);
        auto m = t.modules.find(Normalize(module));
        if (m == t.modules.end())
            return {};
        if (type == RT_DIALOG) {
            names = KeysOf(m->second.dialogs);
        } else if (type == RT_GROUP_ICON) {
            names = KeysOf(m->second.icons);
        } else if (type == RT_STRING) {
            // Strings live in blocks of sixteen; a block is named by its first id / 16 + 1.
            std::set<UINT> blocks;
            for (const auto& entry : m->second.strings)
                blocks.insert(entry.first / 16 + 1);
            for (UINT block : blocks)
                names.push_back(L"#" + std::to_wstring(block));
        }
    }
    SortAsWindows(names);
    return names;
}

bool ResourceModule::HasResources(HINSTANCE module)
{
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    auto m = t.modules.find(Normalize(module));
    return m != t.modules.end() &&
           (!m->second.dialogs.empty() || !m->second.icons.empty() || !m->second.strings.empty());
}

IconImage ResourceModule::SelectIconImage(const std::vector<IconImage>& images, int cx, int cy)
{
    if (images.empty())
        return {};
    if (cx <= 0 && cy <= 0)
        return images.front();
    if (cx <= 0)
        cx = cy;
    if (cy <= 0)
        cy = cx;
    const IconImage* larger = nullptr;
    const IconImage* largest = &images.front();
    for (const IconImage& image : images) {
        if (image.width == cx && image.height == cy)
            return image;
        if (image.width >= cx && image.height >= cy &&
            (!larger || image.width * image.height < larger->width * larger->height))
            larger = &image;
        if (image.width * image.height > largest->width * largest->height)
            largest = &image;
    }
    return Scale(larger ? *larger : *largest, cx, cy);
}

} // namespace zt::win

using namespace zt::win;

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    if (type != IMAGE_ICON && type != IMAGE_CURSOR) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (flags & LR_LOADFROMFILE) {
        SetLastError(50); // ERROR_NOT_SUPPORTED
        return nullptr;
    }
    if (IsSystemIconName(instance, name))
        instance = SystemIconModule();
    auto images = ResourceModule::FindIcon(instance, name);
    if (!images) {
        SetLastError(1813); // ERROR_RESOURCE_TYPE_NOT_FOUND
        return nullptr;
    }
    if ((flags & LR_DEFAULTSIZE) && cx == 0)
        cx = GetSystemMetrics(SM_CXICON);
    if ((flags & LR_DEFAULTSIZE) && cy == 0)
        cy = GetSystemMetrics(SM_CYICON);
    IconImage image = ResourceModule::SelectIconImage(*images, cx, cy);
    if (!(flags & LR_SHARED))
        return CreateIconFromArgb(image.width, image.height, image.argb.data());
    Tables& t = GetTables();
    std::lock_guard lock(t.mutex);
    auto key = std::make_tuple(Normalize(instance), NameKey(name), image.width, image.height);
    auto it = t.shared.find(key);
    if (it != t.shared.end())
        return it->second;
    HICON icon = CreateIconFromArgb(image.width, image.height, image.argb.data());
    if (icon)
        t.shared[key] = icon;
    return icon;
}

HICON LoadIconW(HINSTANCE instance, LPCWSTR name)
{
    return static_cast<HICON>(
        LoadImageW(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

int LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount)
{
    if (!buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    auto text = ResourceModule::FindString(instance, id);
    if (!text) {
        if (maxCount > 0)
            buffer[0] = L'\0';
        SetLastError(1814); // ERROR_RESOURCE_NAME_NOT_FOUND
        return 0;
    }
    if (maxCount == 0) {
        // The caller asks for a read-only pointer to the string itself; kept for the process.
        static std::mutex mutex;
        static auto* kept = new std::map<std::pair<HINSTANCE, UINT>, std::wstring>();
        std::lock_guard lock(mutex);
        std::wstring& s = (*kept)[{Normalize(instance), id}];
        s = *text;
        *reinterpret_cast<const wchar_t**>(buffer) = s.c_str();
        return static_cast<int>(s.size());
    }
    if (maxCount < 0)
        return 0;
    int n = std::min(static_cast<int>(text->size()), maxCount - 1);
    std::copy_n(text->c_str(), n, buffer);
    buffer[n] = L'\0';
    return n;
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    if (!ResourceModule::Contains(module, name, type)) {
        SetLastError(1814);
        return nullptr;
    }
    // An opaque token: the resource is read through LoadIcon, LoadString and the dialog
    // functions, which take the module and name again.
    static const char token = 0;
    return reinterpret_cast<HRSRC>(const_cast<char*>(&token));
}

BOOL EnumResourceNamesW(HMODULE module, LPCWSTR type, ENUMRESNAMEPROCW enumFunc, LONG_PTR param)
{
    if (!enumFunc || !type) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The names are copied first, so that the function may load, add or remove resources.
    std::vector<std::wstring> names = ResourceModule::Names(module, type);
    if (names.empty()) {
        SetLastError(ResourceModule::HasResources(module) ? ERROR_RESOURCE_TYPE_NOT_FOUND
                                                          : ERROR_RESOURCE_DATA_NOT_FOUND);
        return FALSE;
    }
    for (std::wstring& name : names) {
        LPWSTR arg = name.data();
        if (IsIdKey(name))
            arg = const_cast<LPWSTR>(
                MAKEINTRESOURCEW(static_cast<WORD>(std::wcstoul(name.c_str() + 1, nullptr, 10))));
        if (!enumFunc(module, type, arg, param)) {
            SetLastError(ERROR_RESOURCE_ENUM_USER_STOP);
            return FALSE;
        }
    }
    return TRUE;
}
