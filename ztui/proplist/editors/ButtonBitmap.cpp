#include "ztui/proplist/editors/ButtonBitmap.h"

#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

void ButtonBitmap::SetPicture(HBITMAP picture)
{
    if (picture == m_picture)
        return;
    m_picture = picture;
    if (m_hWnd)
        Invalidate(FALSE);
}

void ButtonBitmap::DrawContent(CDC& dc, const CRect& face, bool pressed, bool enabled)
{
    BITMAP bm{};
    if (!m_picture || !::GetObjectW(m_picture, sizeof bm, &bm) || bm.bmWidth <= 0 ||
        bm.bmHeight <= 0) {
        DrawFace(dc, face, pressed);
        DrawCaption(dc, face, pressed, enabled);
        return;
    }
    CDC source;
    if (!source.CreateCompatibleDC(&dc))
        return;
    HGDIOBJ old = source.SelectObject(m_picture);
    // Smoothing pays when a picture shrinks; an enlarged one keeps its pixels sharp to the edge.
    const bool shrinks = face.Width() < bm.bmWidth && face.Height() < bm.bmHeight;
    dc.SetStretchBltMode(shrinks ? HALFTONE : COLORONCOLOR);
    dc.StretchBlt(face.left, face.top, face.Width(), face.Height(), &source, 0, 0, bm.bmWidth,
                  bm.bmHeight, SRCCOPY);
    source.SelectObject(old);
    if (pressed) {
        // The picture fills the button, so a press shows as a frame over it.
        CBrush frame(PropertyStyle::Get().Color(L"propertyList/button/selected/border",
                                                EditorPainter::kDefaultButtonBorder));
        dc.FrameRect(&face, &frame);
    }
}

} // namespace zt
