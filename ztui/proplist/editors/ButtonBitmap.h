#pragma once
// An owner-drawn push button that shows a picture scaled to the whole button, or its caption on
// the style's button face when it has no picture. The picture is borrowed (the item owns it).
// Image rows show their image with it; edit-button rows use it for their small button.

#include "ztui/proplist/editors/PropertyButtonBase.h"

namespace zt {

class ZTUI_EXPORT ButtonBitmap : public PropertyButtonBase
{
public:
    // Null: the caption is shown.
    void SetPicture(HBITMAP picture);
    HBITMAP Picture() const { return m_picture; }

protected:
    void DrawContent(CDC& dc, const CRect& face, bool pressed, bool enabled) override;

private:
    HBITMAP m_picture = nullptr;
};

} // namespace zt
