#pragma once
// The edit box of text and number rows. It paints its whole face from the style tree, so that
// it matches the list, colours itself when the item's format check rejects the text, and
// reports focus changes and Enter to its editor, which commits the value.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/painting/EditFacePainter.h"

#include <memory>

class IFormatCheck;

namespace zt {

class actrl_Edit_msgHook;

class ZTUI_EXPORT actrl_Edit : public CEdit
{
public:
    enum EditType
    {
        TextEdit = 0,
        IntegerEdit = 1,
        DoubleEdit = 2,
        AngleEdit = 3,
        MultiTextEdit = 4,
    };
    static constexpr COLORREF kSelectionColor = EditFacePainter::kSelectionColor;
    static constexpr COLORREF kInvalidBackground = EditFacePainter::kInvalidBackground;
    static constexpr COLORREF kMessageColor = EditFacePainter::kMessageColor;

    actrl_Edit();
    ~actrl_Edit() override;

    // The type and line count must be set before the window exists: they choose its styles.
    void SetEditType(int type) { m_editType = type; }
    int EditType() const { return m_editType; }
    void SetLineCount(int lines) { m_lineCount = lines > 0 ? lines : 1; }
    int LineCount() const { return m_lineCount; }
    bool IsSingleLine() const { return m_editType != MultiTextEdit; }
    void SetHook(actrl_Edit_msgHook* hook) { m_hook = hook; }

    // Creates the window with the styles of the edit type and the default GUI font; a
    // read-only edit refuses typing.
    BOOL CreateEdit(const RECT& rect, CWnd* parent, UINT id, bool readOnly);
    bool IsReadOnlyEdit() const { return m_readOnly; }

    // Borrowed from the item; null: every text is valid.
    void SetFormatCheck(IFormatCheck* check);
    // The mixed-value placeholder: it stands for several values the user did not type, so the
    // format check never rejects it (a positive-length check would paint "*多种*" as an error).
    void SetPlaceholder(const CString& text);
    bool IsValid() const { return m_valid; }
    const CString& ErrorMessage() const { return m_errorMessage; }
    bool SelectAllOnFocus() const { return m_selectAllOnFocus; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnTextChange();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void Validate();
    void UpdateFormattingRect();
    void PaintFace(CDC& dc, const CRect& face);
    // Calls the hook's commit; false when the commit destroyed this window's object.
    bool Commit(CWnd* newFocus);

    int m_editType = TextEdit;
    actrl_Edit_msgHook* m_hook = nullptr;
    bool m_readOnly = false;
    int m_lineCount = 1;
    bool m_selectAllOnFocus = true;
    IFormatCheck* m_formatCheck = nullptr;
    CString m_placeholder;
    CString m_errorMessage;
    bool m_valid = true;
    // Cleared when the object goes, so that a handler that rebuilt the list is noticed.
    std::shared_ptr<bool> m_alive;
};

} // namespace zt
