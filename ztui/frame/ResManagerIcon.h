#pragma once
// The library's icon manager (see IResManagerIcon.h).

#include "ztui/frame/IResManagerIcon.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace resman {

class ZTUI_EXPORT ResManagerIcon final : public IResManagerIcon
{
public:
    // The size of every icon the manager holds.
    static constexpr int kIconSize = 16;

    ResManagerIcon() = default;
    ~ResManagerIcon() override;
    ResManagerIcon(const ResManagerIcon&) = delete;
    ResManagerIcon& operator=(const ResManagerIcon&) = delete;

    void* queryInterface(std::string_view interfaceName) override;
    bool load(const wchar_t* fileName) override;
    HICON find(const wchar_t* name) const override;
    std::unique_ptr<IResIconIterator> iterate() const override;

    // The key of an icon name: lower case, without leading and trailing blanks.
    static std::wstring Key(std::wstring_view name);

private:
    mutable std::mutex m_mutex;
    std::map<std::wstring, HICON> m_icons;
    // Icons replaced by a later load: someone may still draw with them.
    std::vector<HICON> m_replaced;
};

} // namespace resman
