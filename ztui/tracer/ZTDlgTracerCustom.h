#pragma once
// The custom box (tracer type 3): rows of labels and value fields that the tool's custom tracer
// function supplies, filled while the cursor moves and turned into a point when the user
// commits a value. Built anew for every showing from the function named in the shared custom
// description; registered as "TesselTracerCusDlg".

#include "platform/win/afxwin.h"
#include "platform/win/mfc/CDialogEx.h"
#include "ztui/ZTUiExport.h"
#include "ztui/tracer/TracerMessages.h"
#include "ztui/tracer/TracerTypes.h"
#include "ztui/widgets/CCustomEdit.h"

#include <memory>
#include <vector>

namespace zt {

class ZTTracerCusFunBase;

class ZTUI_EXPORT ZTDlgTracerCustom : public CDialogEx, public ITracerBox
{
public:
    static constexpr COLORREF kKeyColour = 0x808080;
    static constexpr BYTE kAlpha = 220;
    static constexpr COLORREF kDefaultFontColour = 0xFFFFFF;
    static constexpr COLORREF kShadedBack = 0xE8E8E8;
    static constexpr int kCursorOffset = 50;
    static constexpr int kContextbarOffset = 10;
    // Rows, in dialog units of the box's font.
    static constexpr int kRowPitch = 25;
    static constexpr int kRowTop = 1;
    static constexpr int kRowHeight = 20;
    static constexpr int kLabelLeft = 1;
    static constexpr int kLabelRight = 51;
    static constexpr int kFieldLeft = 56;
    static constexpr int kFieldRight = 156;
    static constexpr int kButtonsLeft = 161;
    static constexpr int kWidening = 50;
    // Below the last shown field, in pixels.
    static constexpr int kBottomGap = 5;

    static ZTDlgTracerCustom& Instance();
    static bool Exists();
    static void DestroyInstance();

    ~ZTDlgTracerCustom() override;

    bool EnsureWindow();
    void OnTracerMessage(const char* name) override;

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    // The index the next Tab focuses.
    int GetFocusedIndex() const { return m_focused; }
    bool IsGrown() const { return m_grown; }
    bool IsWidened() const { return m_widened; }
    bool IsNotifyPending() const { return m_notify; }
    COLORREF GetFontColour() const { return m_fontColour; }
    CCustomEdit* GetField(int index);
    CString GetLabelText(int index) const;
    CString GetFieldText(int index) const;
    bool IsShaded(int index) const;

protected:
    ZTDlgTracerCustom();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg LRESULT OnValueEntered(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFieldClicked(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCommitClicked();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    struct Row
    {
        unsigned index = 0;
        std::unique_ptr<CStatic> label;
        std::unique_ptr<CCustomEdit> field;
        bool shaded = false;
    };

    ZTTracerCusFunBase* Function() const;
    Row* RowAt(int index);
    const Row* RowAt(int index) const;
    CRect DialogRect(int left, int top, int right, int bottom) const;
    void Build();
    void RemoveRows();
    void Refresh();
    void Focus();
    void Commit(int index);
    void ShowUnfocused(Row& row);
    void PlaceButtons(int index);
    CtrlList FieldTexts(int drivingIndex) const;
    void WriteTexts(const CtrlList& list);
    void ReturnFocus();
    bool OwnsFocus() const;

    std::vector<Row> m_rows;
    int m_focused = 0;
    // The field the "√" commits: the one focused last.
    int m_lastFocusedField = -1;
    bool m_notify = false;
    bool m_grown = false;
    bool m_widened = false;
    bool m_haveLastTab = false;
    CtrlList m_lastTab;
    COLORREF m_fontColour = kDefaultFontColour;
    TracerEvState m_description;
    CBrush m_keyBrush;
    HWND m_focusBefore = nullptr;
    bool m_returningFocus = false;
};

} // namespace zt
