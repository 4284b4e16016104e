#pragma once
// An owner-drawn push button that shows a 16 x 16 icon centred on the style's button face, or
// its caption when it has no icon. The icon is borrowed. The coordinate rows' pick button is
// one, with the "pick_point" icon of the icon manager.

#include "ztui/proplist/editors/PropertyButtonBase.h"

namespace zt {

class ZTUI_EXPORT ButtonIcon : public PropertyButtonBase
{
public:
    static constexpr int kIconSize = 16;

    // Null: the caption is shown.
    void SetButtonIcon(HICON icon);
    HICON ButtonIconHandle() const { return m_icon; }

protected:
    void DrawContent(CDC& dc, const CRect& face, bool pressed, bool enabled) override;

private:
    HICON m_icon = nullptr;
};

} // namespace zt
