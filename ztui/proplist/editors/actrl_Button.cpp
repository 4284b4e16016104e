#include "ztui/proplist/editors/actrl_Button.h"

#include "ztui/proplist/editors/actrl_Button_msgHook.h"
#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

BEGIN_MESSAGE_MAP(actrl_Button, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

actrl_Button::~actrl_Button()
{
    m_hook = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_Button::CreateButton(const CString& caption, const RECT& rect, CWnd* parent, UINT id)
{
    return Create(caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect, parent, id);
}

void actrl_Button::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (!dis || !dis->hDC)
        return;
    CDC* dc = CDC::FromHandle(dis->hDC);
    const CRect face(dis->rcItem);
    const bool enabled = !(dis->itemState & ODS_DISABLED);
    const bool pressed = enabled && (dis->itemState & ODS_SELECTED);
    CString caption;
    GetWindowText(caption);
    EditorPainter painter(PropertyStyle::Get());
    // The face goes first so that the owner's icon lands on it; the caption is drawn after,
    // once it is known whether the icon took the left of the button.
    painter.DrawButtonFace(dc, face, pressed);
    int captionLeft = face.left;
    if (m_drawIcon) {
        const RECT iconRect{face.left, face.top, face.left + EditorPainter::kButtonIconWidth,
                            face.bottom};
        int saved = dc->SaveDC();
        const bool drew = m_drawIcon(dc, iconRect, m_iconIndex);
        dc->RestoreDC(saved);
        if (drew)
            captionLeft += EditorPainter::kButtonIconWidth;
    }
    painter.DrawButtonCaption(dc, face, caption, pressed, captionLeft);
}

void actrl_Button::OnClicked()
{
    // The list's handler may destroy this window: nothing of it is touched afterwards.
    if (m_hook)
        m_hook->onClick(this);
}

} // namespace zt
