#include "ztui/frame/ResManagerIcon.h"

#include "platform/win/Modules.h"
#include "platform/win/WinUser.h"

#include <cwctype>
#include <utility>

namespace resman {

namespace {

class SnapshotIterator final : public IResIconIterator
{
public:
    explicit SnapshotIterator(std::vector<std::pair<std::wstring, HICON>> icons)
        : m_icons(std::move(icons))
    {}
    bool next() override
    {
        if (m_next >= m_icons.size())
            return false;
        m_current = m_next++;
        return true;
    }
    const wchar_t* name() const override
    {
        return m_current < m_icons.size() ? m_icons[m_current].first.c_str() : L"";
    }
    HICON icon() const override
    {
        return m_current < m_icons.size() ? m_icons[m_current].second : nullptr;
    }

private:
    std::vector<std::pair<std::wstring, HICON>> m_icons;
    std::size_t m_next = 0;
    std::size_t m_current = static_cast<std::size_t>(-1);
};

struct LoadedIcon
{
    std::wstring key;
    HICON icon;
};

BOOL CollectIconGroup(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR param)
{
    auto* icons = reinterpret_cast<std::vector<LoadedIcon>*>(param);
    std::wstring key = IS_INTRESOURCE(name)
                           ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                           : ResManagerIcon::Key(name);
    if (key.empty())
        return TRUE;
    auto icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, ResManagerIcon::kIconSize,
                                              ResManagerIcon::kIconSize, 0));
    if (icon)
        icons->push_back({std::move(key), icon});
    return TRUE;
}

} // namespace

ResManagerIcon::~ResManagerIcon()
{
    for (auto& [key, icon] : m_icons)
        DestroyIcon(icon);
    for (HICON icon : m_replaced)
        DestroyIcon(icon);
}

void* ResManagerIcon::queryInterface(std::string_view interfaceName)
{
    if (interfaceName == IResManagerIcon::kInterfaceName)
        return static_cast<IResManagerIcon*>(this);
    return nullptr;
}

std::wstring ResManagerIcon::Key(std::wstring_view name)
{
    std::size_t begin = 0;
    std::size_t end = name.size();
    while (begin < end && std::iswspace(static_cast<wint_t>(name[begin])))
        ++begin;
    while (end > begin && std::iswspace(static_cast<wint_t>(name[end - 1])))
        --end;
    std::wstring key;
    key.reserve(end - begin);
    for (std::size_t i = begin; i < end; ++i)
        key.push_back(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(name[i]))));
    return key;
}

bool ResManagerIcon::load(const wchar_t* fileName)
{
    if (!fileName || !*fileName)
        return false;
    HMODULE module = LoadLibraryW(fileName);
    if (!module)
        return false;
    // The icons are copies: the library is released as soon as they are made.
    std::vector<LoadedIcon> loaded;
    EnumResourceNamesW(module, RT_GROUP_ICON, &CollectIconGroup,
                       reinterpret_cast<LONG_PTR>(&loaded));
    FreeLibrary(module);
    if (loaded.empty())
        return false;
    std::lock_guard lock(m_mutex);
    for (LoadedIcon& entry : loaded) {
        HICON& slot = m_icons[entry.key];
        if (slot)
            m_replaced.push_back(slot);
        slot = entry.icon;
    }
    return true;
}

HICON ResManagerIcon::find(const wchar_t* name) const
{
    if (!name)
        return nullptr;
    std::wstring key = Key(name);
    std::lock_guard lock(m_mutex);
    auto it = m_icons.find(key);
    return it == m_icons.end() ? nullptr : it->second;
}

std::unique_ptr<IResIconIterator> ResManagerIcon::iterate() const
{
    std::vector<std::pair<std::wstring, HICON>> icons;
    {
        std::lock_guard lock(m_mutex);
        icons.assign(m_icons.begin(), m_icons.end());
    }
    return std::make_unique<SnapshotIterator>(std::move(icons));
}

} // namespace resman
