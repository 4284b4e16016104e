#include "ztui/proplist/editors/actrl_edit_button.h"

#include "ztui/proplist/editors/ButtonBitmap.h"

namespace zt {

void actrl_edit_button::SetButtonPicture(HBITMAP picture)
{
    m_picture = picture;
    if (auto* button = static_cast<ButtonBitmap*>(Button()))
        button->SetPicture(picture);
}

std::unique_ptr<CButton> actrl_edit_button::MakeButton(const CRect& rect)
{
    auto button = std::make_unique<ButtonBitmap>();
    button->SetTakesActivation(false);
    if (!button->CreateButton(kButtonCaption, rect, this, kButtonId))
        return nullptr;
    button->SetPicture(m_picture);
    return button;
}

void actrl_edit_button::TextFieldStarted(actrl_Edit& field)
{
    field.SetSel(0, 0);
}

} // namespace zt
