#include "ztui/proplist/editors/actrl_point3d_part.h"

#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/proplist/editors/ButtonIcon.h"

namespace zt {

HICON actrl_point3d_part::FindPickIcon()
{
    auto icons =
        ComponentRegistry::instance().query<resman::IResManagerIcon>(resman::kResManagerIconName);
    return icons ? icons->find(kPickIconName) : nullptr;
}

std::unique_ptr<CButton> actrl_point3d_part::MakeButton(const CRect& rect)
{
    auto button = std::make_unique<ButtonIcon>();
    if (!button->CreateButton(kPickCaption, rect, this, kButtonId))
        return nullptr;
    button->SetButtonIcon(FindPickIcon());
    return button;
}

} // namespace zt
