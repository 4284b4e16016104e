#pragma once
// The editor window of an edit-button row: the item's text, and a small button showing the
// item's button picture (or "点击") that does not activate the window it is in.

#include "ztui/proplist/editors/actrl_CompositeEdit.h"

namespace zt {

class ZTUI_EXPORT actrl_edit_button final : public actrl_CompositeEdit
{
public:
    static constexpr const wchar_t* kClassName = L"actrl_edit_button";
    static constexpr const wchar_t* kButtonCaption = L"点击";

    // Borrowed from the item; shown on the button once it exists.
    void SetButtonPicture(HBITMAP picture);
    HBITMAP ButtonPicture() const { return m_picture; }

protected:
    LPCWSTR WindowClassName() const override { return kClassName; }
    std::unique_ptr<CButton> MakeButton(const CRect& rect) override;
    // The caret goes to the start of the text.
    void TextFieldStarted(actrl_Edit& field) override;

private:
    HBITMAP m_picture = nullptr;
};

} // namespace zt
