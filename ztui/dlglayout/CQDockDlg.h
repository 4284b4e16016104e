#pragma once
// A resizable dialog that lives in a dockable pane, as the property panel and the tool panels
// do. Closing it (OK, Cancel, Escape, CloseDlg) hides the pane instead of ending the dialog, so
// that the panel keeps its state for the next time it is shown.

#include "ztui/dlglayout/QDlgResize.h"

namespace QDlgResize_Space {

class ZTUI_EXPORT CQDockDlg : public QDlgResize
{
    DECLARE_DYNAMIC(CQDockDlg)
public:
    explicit CQDockDlg(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CQDockDlg() override;

    // The pane the dialog is docked in; null when its parent is not a dockable pane.
    CDockablePane* GetParentPane() const;
    // The dialog's caption and its pane's; false when the dialog has no window.
    BOOL SetDlgCaption(const CString& caption);
    // Hides the pane; false, leaving the dialog open, when the dialog is not docked.
    BOOL CloseDlg();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    // Where a derived panel sets its groups once its controls exist.
    virtual void InitSetCtrlPos();
};

} // namespace QDlgResize_Space
