#pragma once
// The face of an edit box of the property list, painted from the style tree: read-only,
// editable and valid (with the selection as a band), or editable with text the item's format
// check rejected (with its message). The edit editors paint themselves with it, and so do the
// coordinate and edit-button editors while they show their caption, so that a row looks the
// same whether or not its text field exists.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

struct EditFaceState
{
    bool readOnly = false;
    bool singleLine = true;
    bool valid = true;
    // The selection, in characters; start == end when nothing is selected.
    int selectionStart = 0;
    int selectionEnd = 0;
    CString errorMessage;
};

class ZTUI_EXPORT EditFacePainter
{
public:
    static constexpr COLORREF kSelectionColor = RGB(0, 120, 215);
    static constexpr COLORREF kInvalidBackground = RGB(220, 126, 138);
    static constexpr COLORREF kMessageColor = RGB(255, 255, 0);
    static constexpr COLORREF kDefaultFace = RGB(200, 200, 200);
    // The text starts this far right of the face's left edge.
    static constexpr int kTextIndent = 5;

    explicit EditFacePainter(const StyleLookup& style) : m_style(style) {}

    // Paints the whole face with the font selected in the DC.
    void Paint(CDC& dc, const CRect& face, const CString& text, const EditFaceState& state) const;

private:
    void PaintBorder(CDC& dc, const wchar_t* borderPath, const wchar_t* highPath, const CRect& face,
                     const CRect& highRect) const;

    StyleLookup m_style;
};

} // namespace zt
