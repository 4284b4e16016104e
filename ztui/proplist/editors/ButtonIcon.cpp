#include "ztui/proplist/editors/ButtonIcon.h"

namespace zt {

void ButtonIcon::SetButtonIcon(HICON icon)
{
    if (icon == m_icon)
        return;
    m_icon = icon;
    if (m_hWnd)
        Invalidate(FALSE);
}

void ButtonIcon::DrawContent(CDC& dc, const CRect& face, bool pressed, bool enabled)
{
    DrawFace(dc, face, pressed);
    if (!m_icon) {
        DrawCaption(dc, face, pressed, enabled);
        return;
    }
    int x = face.left + (face.Width() - kIconSize) / 2;
    int y = face.top + (face.Height() - kIconSize) / 2;
    ::DrawIconEx(dc.GetSafeHdc(), x, y, m_icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}

} // namespace zt
