#pragma once
// The pop-up message: a large icon and large bold text over a see-through background, above
// the middle of the main frame. It never takes the focus or the mouse and hides itself after
// its duration. There is one, built on the first message and kept until the library unloads.

#include "platform/win/afxwin.h"
#include "ztui/frame/ZTUiMgn.h"
#include "ztui/frame/ZTUiResources.h"
#include "ztui/widgets/IconButton.h"

namespace zt {

class ZTUI_EXPORT ZTDlgPopMessage : public CDialogEx
{
public:
    enum
    {
        IDD = kDialogPopMessage,
        kIdErrorIcon = kPopIdErrorIcon,
        kIdText = kPopIdText,
        kIdWarningIcon = kPopIdWarningIcon,
        kIdInfoIcon = kPopIdInfoIcon,
        kHideTimer = 1,
    };
    // Every pixel of this colour is transparent.
    static constexpr COLORREF kKeyColour = RGB(128, 128, 128);

    // The one window, made on first use; null after DestroyInstance.
    static ZTDlgPopMessage* Instance();
    // At unload: the window goes with the library.
    static void DestroyInstance();
    static bool Exists();

    // The text colour of a kind; kinds other than info and error look like a warning.
    static COLORREF TextColourOf(POP_MSG_TYPE type);
    // The icon button shown for a kind.
    static int IconIdOf(POP_MSG_TYPE type);
    // Lines the text takes, as the layout estimates them, and the window height for them.
    static int LinesOf(const CString& text);
    static int HeightFor(int lines);

    // Stores the message and shows it, or shows the new one in place of the current one.
    void Show(const CString& text, POP_MSG_TYPE type, int durationMs);

    int durationMs() const { return m_durationMs; }
    const CString& text() const { return m_text; }
    POP_MSG_TYPE type() const { return m_type; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    ZTDlgPopMessage();
    ~ZTDlgPopMessage() override;
    void StartDisplay();

    CBrush m_brush;
    int m_durationMs = 1500;
    CString m_text;
    POP_MSG_TYPE m_type = POP_MSG_WARNING;
    CFont m_font;
    CIconButton m_icons[3];
};

} // namespace zt
