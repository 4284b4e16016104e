#pragma once
// The group box that heads each group of a settings dialog. A click on its header band folds
// the group to the band alone, hiding the group's controls, or opens it again, and the box
// tells its dialog (WM_COMMAND 1282) so that the groups below close up or make room. The box
// draws itself into an off-screen image and shows only the header band of it.
//
// The members are found in the dialog's layout (IControlGroupsSource) on the first paint:
// by then the dialog has set its groups, which it cannot have done when it subclassed the box.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"

#include <vector>

namespace zt {

class ZTUI_EXPORT CollapseGroupBox : public CButton
{
    DECLARE_DYNAMIC(CollapseGroupBox)
public:
    // Commands sent to the parent, with the box's window as the control.
    static constexpr UINT kCmdCollapseChanged = 1282;
    static constexpr UINT kCmdHeaderClicked = 1283;
    static constexpr DWORD kPaintStyleBits = 0x0400020F;
    // The part of the off-screen image that a paint copies to the window.
    static constexpr int kHeaderBandHeight = 20;
    static constexpr COLORREF kDefaultHeaderColor = 0xA9A9A9;
    static constexpr COLORREF kDefaultHoverColor = 0xCFCFCF;

    CollapseGroupBox();
    ~CollapseGroupBox() override;

    virtual void SetFrameColor(COLORREF color);
    virtual void SetTitleTextColor(COLORREF color);
    // The current header colour only: the next hover change overwrites it.
    virtual void SetHeaderColor(COLORREF color);
    // Ignored until the box has a window.
    virtual void SetTitle(const CString& title);
    virtual void SetBold(BOOL bold);
    // At most 31 characters of the face name are kept.
    virtual void SetFaceName(const CString& faceName, BYTE charSet);
    virtual void SetUnderline(BOOL underline);
    virtual void SetItalic(BOOL italic);
    // In points; the face is kept.
    virtual void SetPointSize(int pointSize);
    virtual void SetLogFont(const LOGFONTW& logFont);
    // 0 left, 1 centred, 2 right; other values are ignored.
    virtual void SetTitleAlign(int align);
    virtual void SetCollapsed(BOOL collapsed);

    BOOL IsCollapsed() const { return m_bCollapsed; }
    const std::vector<int>& GetMembers() const { return m_members; }
    const CRect& GetHeaderRect() const { return m_rcHeader; }
    const CRect& GetGlyphRect() const { return m_rcGlyph; }
    const CRect& GetContentRect() const { return m_rcContent; }
    const CString& GetTitle() const { return m_strTitle; }
    const LOGFONTW& GetLogFont() const { return m_logFont; }
    int GetTitleAlign() const { return m_nTitleAlign; }
    bool IsRendered() const { return m_bRendered; }
    COLORREF GetFrameColor() const { return m_clrFrame; }
    COLORREF GetCurrentHeaderColor() const { return m_clrHeader; }
    COLORREF GetNormalHeaderColor() const { return m_clrHeaderNormal; }
    COLORREF GetHoverHeaderColor() const { return m_clrHeaderHover; }
    COLORREF GetBackgroundColor() const { return m_clrBackground; }
    COLORREF GetTitleTextColor() const { return m_clrTitleText; }
    COLORREF GetGlyphColor() const { return m_clrGlyph; }

protected:
    void PreSubclassWindow() override;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void ResetFont();
    void ReleaseFont();
    void RebuildFont();
    void CollectMembers();
    void Render();
    void DrawGlyph(CDC& dc) const;
    void DropImage();
    void Repaint();
    CRect HitRect() const;

    std::vector<int> m_members;
    BOOL m_bCollapsed = FALSE;
    CRect m_rcHeader;
    CRect m_rcGlyph;
    CRect m_rcContent;
    CString m_strTitle;
    CDC m_memDC;
    CBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
    HGDIOBJ m_oldFont = nullptr;
    bool m_bRendered = false;
    LOGFONTW m_logFont{};
    CFont m_font;
    COLORREF m_clrFrame;
    COLORREF m_clrHeader = kDefaultHeaderColor;
    COLORREF m_clrHeaderNormal = kDefaultHeaderColor;
    COLORREF m_clrHeaderHover = kDefaultHoverColor;
    COLORREF m_clrBackground;
    COLORREF m_clrTitleText;
    COLORREF m_clrGlyph;
    int m_nTitleAlign = 0;
};

} // namespace zt
