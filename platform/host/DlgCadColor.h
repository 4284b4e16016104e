#pragma once
// The host's modal colour picker: the nine standard CAD colours, a grid of further colours and
// a custom entry of red, green and blue, with a preview of the new colour over the old one.
//
//     DlgCadColor dlg(item.color(), nullptr);
//     if (dlg.DoModal() == IDOK)
//         use(dlg.GetSelectedColor());
//
// Keyboard: Tab moves between the two grids, the three numbers and the buttons; arrows move
// inside a grid; Enter takes the colour, Esc cancels. A double click on a swatch takes it.
// Numbers that are not whole numbers from 0 to 255 are left as typed, and the colour stays the
// last one they described: the preview always shows what OK returns.

#include "platform/host/CadColorPalette.h"
#include "platform/host/CadColorPreview.h"
#include "platform/win/afxwin.h"

#include <array>
#include <functional>
#include <optional>

class DlgCadColor : public CDialog
{
public:
    // Controls of the template.
    static constexpr int IDC_STANDARD = 1001;
    static constexpr int IDC_MORE = 1002;
    static constexpr int IDC_RED = 1003;
    static constexpr int IDC_GREEN = 1004;
    static constexpr int IDC_BLUE = 1005;
    static constexpr int IDC_PREVIEW = 1006;
    static constexpr int kMoreColumns = 12;

    DlgCadColor(COLORREF initialColor, CWnd* pParent);

    // IDOK or IDCANCEL (-1 when the window could not be made).
    INT_PTR DoModal() override;
    // After OK the colour chosen; otherwise the initial colour.
    COLORREF GetSelectedColor() const { return m_color; }
    COLORREF GetInitialColor() const { return m_initial; }

    // The colours of the two grids: the standard CAD colours 1 to 9, then the further grid
    // (tints and shades of twelve hues and a grey ramp), row by row.
    static const std::array<COLORREF, 9>& StandardColors();
    static const std::vector<COLORREF>& MoreColors();

    // While the dialog runs: the grids and the preview, for tests and hosts that drive it.
    CadColorPalette& StandardPalette() { return m_standard; }
    CadColorPalette& MorePalette() { return m_more; }
    CadColorPreview& Preview() { return m_preview; }
    // The colour the dialog would return now; makes the dialog show it.
    COLORREF CurrentColor() const { return m_color; }
    void SelectColor(COLORREF color);

    // Answers every DoModal instead of a window while set: tests and hosts without a screen
    // script the user's choice. The responder gets the initial colour and the parent window and
    // returns IDOK with the chosen colour, or IDCANCEL. An empty function restores the window.
    struct Answer
    {
        INT_PTR result = IDCANCEL;
        COLORREF color = RGB(0, 0, 0);
    };
    using Responder = std::function<Answer(COLORREF initialColor, HWND parent)>;
    static void SetResponder(Responder responder);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnStandardPicked();
    afx_msg void OnMorePicked();
    afx_msg void OnSwatchDoubleClicked();
    afx_msg void OnChannelChanged();
    DECLARE_MESSAGE_MAP()

private:
    // The colour the three numbers describe; none when one of them is not a number 0..255.
    std::optional<COLORREF> ColorFromFields() const;
    void ShowColor(bool writeFields);

    COLORREF m_initial;
    COLORREF m_color;
    CadColorPalette m_standard;
    CadColorPalette m_more;
    CadColorPreview m_preview;
    // Set while the dialog writes the numbers itself, so their change is not read back.
    bool m_writingFields = false;
};
