#pragma once
// The editor window of coordinate and edit-button rows: a caption painted like an edit box,
// a small square button at its right end and, while the user types, a text field over the
// caption. Button and text field are made on the first click; the text field goes again when
// it loses the focus, and its text is committed then, changed or not. Focus that moves to the
// window's own button stays with the text field, so the button can be pressed while typing.

#include "platform/base/CString.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/editors/actrl_Edit.h"
#include "ztui/proplist/editors/actrl_Edit_msgHook.h"

#include <functional>
#include <memory>

class IFormatCheck;

namespace zt {

class ZTUI_EXPORT actrl_CompositeEdit : public CWnd, public actrl_Edit_msgHook
{
public:
    static constexpr UINT kButtonId = 100;
    static constexpr UINT kTextFieldId = 111;
    // Posted to itself when the focus went to the button: the text field takes it back.
    static constexpr UINT kReturnFocusMessage = WM_USER + 111;

    using TextCommitted = std::function<void(const CString& text)>;
    using ButtonPressed = std::function<void()>;

    actrl_CompositeEdit();
    ~actrl_CompositeEdit() override;

    // A visible child window without border, of the class this editor names.
    BOOL CreateComposite(const RECT& rect, CWnd* parent, UINT id);
    void SetCallbacks(TextCommitted committed, ButtonPressed pressed);

    // The text shown while no text field exists.
    void SetCaption(const CString& caption);
    const CString& Caption() const { return m_caption; }
    // Borrowed from the item; handed to the text field.
    void SetFormatCheck(IFormatCheck* check);
    // Handed to the text field: the mixed-value text is never checked.
    void SetPlaceholder(const CString& text);

    // What the first click does: makes the button and the text field, and focuses the field.
    void BeginEdit();
    bool IsEditing() const { return m_textField.m_hWnd != nullptr; }
    // Back to how the window starts, without button, for another row; false while the user
    // edits (the text field exists), which nothing may take away.
    bool ResetForReuse();
    // Null while they do not exist.
    actrl_Edit* TextField() { return m_textField.m_hWnd ? &m_textField : nullptr; }
    CButton* Button() const { return m_button && m_button->m_hWnd ? m_button.get() : nullptr; }
    // The client rectangle less the button's square (and a small gap) when the button exists.
    CRect TextRect() const;

    void onKillFocus(actrl_Edit* edit, CWnd* newFocus) override;
    void onSetFocus(actrl_Edit* edit, CWnd* oldFocus) override;

protected:
    virtual LPCWSTR WindowClassName() const = 0;
    // Makes the button, a child of this window with kButtonId, at the rectangle.
    virtual std::unique_ptr<CButton> MakeButton(const CRect& rect) = 0;
    // Called after the text field was made and focused.
    virtual void TextFieldStarted(actrl_Edit&) {}

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    // With the keyboard in the row (after Enter), F2 edits again and a typed
    // character starts a new entry.
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnButtonClicked();
    afx_msg LRESULT OnReturnFocus(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    void EndEdit();

    CString m_caption;
    IFormatCheck* m_formatCheck = nullptr;
    CString m_placeholder;
    TextCommitted m_onCommitted;
    ButtonPressed m_onButton;
    std::unique_ptr<CButton> m_button;
    actrl_Edit m_textField;
    // While the text field is being closed its own focus loss must not commit twice.
    bool m_ending = false;
    // Set as the window goes: a focus loss caused by the destruction commits nothing.
    bool m_closing = false;
    // The selection of the text field when the focus went to the button, given back with it.
    int m_keptSelStart = 0;
    int m_keptSelEnd = 0;
    // Cleared when the object goes, so that a handler that rebuilt the list is noticed.
    std::shared_ptr<bool> m_alive;
};

} // namespace zt
