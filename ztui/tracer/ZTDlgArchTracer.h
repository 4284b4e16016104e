#pragma once
// The distance-and-angle box (tracer type 1): a small see-through window that floats beside the
// cursor while a drawing tool waits for its next point, shows distance, angle and offsets from
// the tool's start point, and takes typed values when the user presses Tab or a digit. A
// committed value becomes the tool's next point; the cursor jumps there and the box follows
// again from it. One box per process, on the user-interface thread, driven by the proxy's
// messages and registered as "TesselTracerDialog".

#include "platform/win/afxwin.h"
#include "platform/win/mfc/CDialogEx.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerMessages.h"
#include "ztui/tracer/TracerTypes.h"
#include "ztui/widgets/CCustomEdit.h"

#include <array>
#include <vector>

namespace zt {

class ZTUI_EXPORT ZTDlgArchTracer : public CDialogEx, public ITracerBox
{
public:
    // The colour key of the layered window: everything painted in it is see-through.
    static constexpr COLORREF kKeyColour = 0x808080;
    static constexpr BYTE kAlpha = 220;
    static constexpr COLORREF kDefaultFontColour = 0xFFFFFF;
    // The box floats this far right of and below the cursor.
    static constexpr int kCursorOffset = 50;
    // Right of and below the context bar, when one shows.
    static constexpr int kContextbarOffset = 10;

    // The process's box object, made and registered on first use; its window is created when
    // first needed.
    static ZTDlgArchTracer& Instance();
    static bool Exists();
    static void DestroyInstance();

    ~ZTDlgArchTracer() override;

    // Creates the window hidden, with the library's module as the resource source. False when
    // it cannot be created.
    bool EnsureWindow();
    void OnTracerMessage(const char* name) override;

    // State, for the proxy's tests and the host's diagnostics.
    int GetFocusedId() const { return m_focusedId; }
    bool IsRowsCollapsed() const { return m_rowsCollapsed; }
    bool AreButtonsHidden() const { return m_buttonsHidden; }
    bool IsNotifyPending() const { return m_notify; }
    COLORREF GetFontColour() const { return m_fontColour; }
    const TracerInputValue& GetLastValue() const { return m_lastValue; }
    CCustomEdit* GetField(int id);
    CString GetFieldText(int id) const;
    virtual const std::vector<int>& TabOrder() const;

protected:
    explicit ZTDlgArchTracer(UINT templateId);

    // Differences of the dimension box.
    virtual const char* RegisteredName() const { return kArchTracerDialogName; }
    // The field a typed digit goes into.
    virtual int NumberField() const;
    // Focusing this field lengthens a collapsed box.
    virtual int ExpandField() const;
    // The last row of the collapsed box.
    virtual int CollapsedLastField() const;
    // Controls hidden at dialog start.
    virtual std::vector<int> HiddenControls() const;
    // The point for a value typed into a field this box has beyond the common four; false when
    // the field gives none.
    virtual bool PointFromExtraField(int fieldId, double& d, double& a, double& x, double& y,
                                     DPoint3d& point);

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    // Enter belongs to the fields and Escape to nobody: the box never ends like a dialog.
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg LRESULT OnValueEntered(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFieldClicked(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCommitClicked();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    // The steps, shared with the dimension box.
    void Follow();
    void Refresh(const DPoint3d& point);
    void FocusField(int id);
    void FocusNext();
    void TakeNumber();
    void ShowFollowing();
    void Commit(const DPoint3d& point);
    void ReAnchor(const DPoint3d& point);
    void DeliverChange(const DPoint3d& start, double d, double a, double x, double y, double z);
    void SetFieldText(int id, const CString& text);
    double ReadField(int id) const;

private:
    static constexpr std::array<int, 7> kFieldIds = {4239, 4047, 4043, 4044, 4045, 4241, 4242};

    CRect ChildRect(int id) const;
    void Resize(int width, int height);
    int CollapsedHeight() const;
    int ExpandedHeight() const;
    int NarrowWidth() const;
    int WideWidth() const;
    void PlaceButtonsBeside(int fieldId);
    void ReturnFocus();
    bool OwnsFocus() const;

    UINT m_templateId;
    std::array<CCustomEdit, kFieldIds.size()> m_fields;
    int m_focusedId = -1;
    bool m_rowsCollapsed = false;
    bool m_buttonsHidden = false;
    bool m_notify = false;
    bool m_returningFocus = false;
    COLORREF m_fontColour = kDefaultFontColour;
    TracerInputValue m_lastValue;
    CBrush m_keyBrush;
    // Where the keyboard focus was before the box took it for typing.
    HWND m_focusBefore = nullptr;
    // Geometry of the template, in client pixels, taken at dialog start.
    CRect m_commitRect;
    CRect m_noActionRect;
    int m_margin = 2;
};

} // namespace zt
