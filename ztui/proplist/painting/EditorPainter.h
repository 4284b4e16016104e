#pragma once
// The drawing shared by the drop-down, check box and button editors: faces and list entries in
// the style tree's colours and fonts. Kept apart from the windows so that the windows only
// translate messages and the painting rules live in one place.

#include "platform/base/CString.h"
#include "platform/base/WinTypes.h"
#include "platform/win/WinUserStructs.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/PropertyStyle.h"

class CComboBox;
class CDC;
class CImageList;

namespace zt {

class ZTUI_EXPORT EditorPainter
{
public:
    static constexpr COLORREF kDefaultFace = RGB(200, 200, 200);
    static constexpr COLORREF kDefaultHighlight = RGB(255, 200, 200);
    static constexpr COLORREF kDefaultButtonFace = RGB(230, 230, 230);
    static constexpr COLORREF kDefaultButtonBorder = RGB(100, 100, 100);
    // Entry text starts this far in; the closed face's text a little less.
    static constexpr int kEntryTextInset = 6;
    static constexpr int kFaceTextInset = 4;
    // An image sits this far from the entry's left edge, and the text this far after it.
    static constexpr int kImageInset = 2;
    static constexpr int kImageTextGap = 4;
    // The icon strip at a button's left.
    static constexpr int kButtonIconWidth = 40;

    explicit EditorPainter(const StyleLookup& style) : m_style(style) {}

    // A drop-down entry. A negative index only clears the rectangle; a disabled window shows
    // every entry unselected. With an image list the entry's image comes first.
    void DrawEntry(CDC* dc, const RECT& rect, int index, const CString& text, bool selected,
                   bool disabled, CImageList* images = nullptr, int imageIndex = -1) const;
    // The closed drop-down: face, optional disabled inner area, frame with divider and arrow,
    // and the current text.
    void DrawClosedFace(CDC* dc, const RECT& client, const CString& text, bool disabled) const;
    // The two drop-down windows' own painting: an entry of the open list (with images, the
    // entry's data is its image index) and the whole closed face.
    void DrawComboEntry(CComboBox& combo, const DRAWITEMSTRUCT& dis, bool withImages,
                        CImageList* images) const;
    void PaintComboFace(CComboBox& combo) const;
    // A push button face: background and rounded frame of the state.
    void DrawButtonFace(CDC* dc, const RECT& client, bool pressed) const;
    // Its caption, centred in the face right of `captionLeft` (moved right for an icon).
    void DrawButtonCaption(CDC* dc, const RECT& client, const CString& caption, bool pressed,
                           int captionLeft) const;

    // Fills with the element's colour list, or solidly with the fallback when it has none.
    void Fill(CDC* dc, const wchar_t* path, COLORREF fallback, const RECT& rect) const;
    // Draws text in the font of a style font element, transparent; the font lives only for
    // the call.
    void DrawStyledText(CDC* dc, const wchar_t* fontPath, const CString& text, RECT rect,
                        UINT format) const;

private:
    StyleLookup m_style;
};

} // namespace zt
