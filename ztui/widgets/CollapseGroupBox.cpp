#include "ztui/widgets/CollapseGroupBox.h"

#include "ztui/widgets/ControlGroups.h"

#include <algorithm>
#include <cwchar>

namespace zt {

namespace {

constexpr int kFontHeight = 15;
constexpr int kFontWidth = 7;
constexpr int kHeaderPadding = 4;
constexpr int kCornerEllipse = 10;
constexpr int kFaceNameLimit = 31;

// One glyph stroke: three points relative to the glyph rectangle's corner.
struct Stroke
{
    POINT p[3];
};

void DrawStrokes(CDC& dc, const Stroke (&strokes)[4], int x, int y, int mirrorX)
{
    for (const Stroke& s : strokes) {
        POINT pts[3];
        for (int i = 0; i < 3; ++i)
            pts[i] = POINT{mirrorX ? x - s.p[i].x : x + s.p[i].x, y + s.p[i].y};
        dc.Polyline(pts, 3);
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CollapseGroupBox, CButton)

BEGIN_MESSAGE_MAP(CollapseGroupBox, CButton)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CollapseGroupBox::CollapseGroupBox()
    : m_clrFrame(::GetSysColor(COLOR_BTNSHADOW)), m_clrBackground(::GetSysColor(COLOR_BTNFACE)),
      m_clrTitleText(::GetSysColor(COLOR_CAPTIONTEXT)), m_clrGlyph(::GetSysColor(COLOR_CAPTIONTEXT))
{
    ResetFont();
}

CollapseGroupBox::~CollapseGroupBox()
{
    DropImage();
    if (m_hWnd)
        DestroyWindow();
}

void CollapseGroupBox::ResetFont()
{
    m_logFont = LOGFONTW{};
    m_logFont.lfHeight = kFontHeight;
    m_logFont.lfWidth = kFontWidth;
    m_logFont.lfWeight = FW_NORMAL;
    m_logFont.lfCharSet = DEFAULT_CHARSET;
    m_logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    m_logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    m_logFont.lfQuality = PROOF_QUALITY;
    m_logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
}

void CollapseGroupBox::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ResetFont();
    m_logFont.lfWeight = FW_BOLD;
    RebuildFont();
    m_members.clear();
}

void CollapseGroupBox::ReleaseFont()
{
    // The off-screen DC may hold the font; it goes back to its own before the font goes.
    if (m_memDC.m_hDC && m_oldFont) {
        m_memDC.SelectObject(m_oldFont);
        m_oldFont = nullptr;
    }
    m_font.DeleteObject();
}

void CollapseGroupBox::RebuildFont()
{
    ReleaseFont();
    m_font.CreateFontIndirect(&m_logFont);
}

void CollapseGroupBox::SetFrameColor(COLORREF color)
{
    m_clrFrame = color;
    Repaint();
}

void CollapseGroupBox::SetTitleTextColor(COLORREF color)
{
    m_clrTitleText = color;
    Repaint();
}

void CollapseGroupBox::SetHeaderColor(COLORREF color)
{
    m_clrHeader = color;
    Repaint();
}

void CollapseGroupBox::SetTitle(const CString& title)
{
    if (!m_hWnd)
        return;
    m_strTitle = title;
    Repaint();
}

void CollapseGroupBox::SetBold(BOOL bold)
{
    m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RebuildFont();
    Repaint();
}

void CollapseGroupBox::SetFaceName(const CString& faceName, BYTE charSet)
{
    std::fill(std::begin(m_logFont.lfFaceName), std::end(m_logFont.lfFaceName), L'\0');
    int n = std::min(faceName.GetLength(), kFaceNameLimit);
    std::wmemcpy(m_logFont.lfFaceName, faceName.GetString(), static_cast<std::size_t>(n));
    m_logFont.lfCharSet = charSet;
    RebuildFont();
    Repaint();
}

void CollapseGroupBox::SetUnderline(BOOL underline)
{
    m_logFont.lfUnderline = underline ? 1 : 0;
    RebuildFont();
    Repaint();
}

void CollapseGroupBox::SetItalic(BOOL italic)
{
    m_logFont.lfItalic = italic ? 1 : 0;
    RebuildFont();
    Repaint();
}

void CollapseGroupBox::SetPointSize(int pointSize)
{
    LOGFONTW pointFont = m_logFont;
    pointFont.lfHeight = pointSize * 10;
    pointFont.lfWidth = 0;
    ReleaseFont();
    if (m_font.CreatePointFontIndirect(&pointFont))
        m_font.GetLogFont(&m_logFont);
    else
        m_font.CreateFontIndirect(&m_logFont);
    Repaint();
}

void CollapseGroupBox::SetLogFont(const LOGFONTW& logFont)
{
    m_logFont = logFont;
    RebuildFont();
    Repaint();
}

void CollapseGroupBox::SetTitleAlign(int align)
{
    if (align < 0 || align > 2)
        return;
    m_nTitleAlign = align;
    Repaint();
}

void CollapseGroupBox::CollectMembers()
{
    if (!m_members.empty() || !m_hWnd)
        return;
    auto* source =
        dynamic_cast<IControlGroupsSource*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (source)
        m_members = GroupMembersOf(source->GetGroupsPair(), GetDlgCtrlID());
}

CRect CollapseGroupBox::HitRect() const
{
    CRect hit = m_rcHeader;
    hit.InflateRect(1, 1);
    return hit;
}

void CollapseGroupBox::SetCollapsed(BOOL collapsed)
{
    if (!m_hWnd) {
        m_bCollapsed = collapsed;
        return;
    }
    CWnd* parent = GetParent();
    CRect place;
    GetWindowRect(&place);
    if (parent)
        parent->ScreenToClient(&place);
    // The new size comes from the header and content rectangles of a render; a box asked to
    // fold before its first paint renders first, so that it can open to its designed height.
    if (m_rcHeader.IsRectEmpty())
        Render();
    CollectMembers();
    m_bCollapsed = collapsed;
    if (parent) {
        for (int id : m_members) {
            if (CWnd* member = parent->GetDlgItem(id))
                member->ShowWindow(collapsed ? SW_HIDE : SW_SHOW);
        }
    }
    CRect size = HitRect();
    if (!collapsed)
        size.bottom += m_rcContent.Height();
    MoveWindow(place.left, place.top, size.Width(), size.Height());
    if (parent)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(kCmdCollapseChanged, 0),
                            reinterpret_cast<LPARAM>(m_hWnd));
    Repaint();
}

void CollapseGroupBox::DropImage()
{
    if (m_memDC.m_hDC) {
        if (m_oldBitmap)
            m_memDC.SelectObject(m_oldBitmap);
        if (m_oldFont)
            m_memDC.SelectObject(m_oldFont);
        m_memDC.DeleteDC();
    }
    m_oldBitmap = nullptr;
    m_oldFont = nullptr;
    m_bitmap.DeleteObject();
}

void CollapseGroupBox::Render()
{
    if (!m_hWnd)
        return;
    CRect r;
    GetClientRect(&r);
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    if (!m_memDC.m_hDC || !m_bitmap.m_hObject) {
        DropImage();
        HDC screen = ::GetDC(m_hWnd);
        m_memDC.Attach(::CreateCompatibleDC(screen));
        m_bitmap.Attach(::CreateCompatibleBitmap(screen, r.Width(), r.Height()));
        ::ReleaseDC(m_hWnd, screen);
        if (!m_memDC.m_hDC || !m_bitmap.m_hObject) {
            DropImage();
            return;
        }
        m_oldBitmap = m_memDC.SelectObject(static_cast<HGDIOBJ>(m_bitmap.m_hObject));
    }
    CDC& dc = m_memDC;

    if (m_strTitle.IsEmpty()) {
        CString text;
        GetWindowText(text);
        if (!text.IsEmpty())
            m_strTitle = L" " + text + L" ";
    }
    HGDIOBJ previousFont = dc.SelectObject(static_cast<HGDIOBJ>(m_font.m_hObject));
    if (!m_oldFont)
        m_oldFont = previousFont;
    CSize extent = m_strTitle.IsEmpty() ? CSize(0, 0) : dc.GetTextExtent(m_strTitle);

    m_rcHeader = r;
    m_rcHeader.DeflateRect(1, 1);
    m_rcHeader.bottom = m_rcHeader.top + kHeaderPadding + extent.cy;

    CPen backgroundPen(PS_SOLID, 1, m_clrBackground);
    CBrush faceBrush(::GetSysColor(COLOR_BTNFACE));
    HGDIOBJ oldPen = dc.SelectObject(static_cast<HGDIOBJ>(backgroundPen.m_hObject));
    HGDIOBJ oldBrush = dc.SelectObject(static_cast<HGDIOBJ>(faceBrush.m_hObject));
    dc.Rectangle(&r);
    CBrush backgroundBrush(m_clrBackground);
    CRect band(r.left, r.top, r.right, r.top + kHeaderBandHeight);
    dc.FillRect(&band, &backgroundBrush);

    CPen framePen(PS_SOLID, 1, m_clrFrame);
    CBrush headerBrush(m_clrHeader);
    dc.SelectObject(static_cast<HGDIOBJ>(framePen.m_hObject));
    dc.SelectObject(static_cast<HGDIOBJ>(headerBrush.m_hObject));
    dc.RoundRect(m_rcHeader.left, m_rcHeader.top, m_rcHeader.right, m_rcHeader.bottom,
                 kCornerEllipse, kCornerEllipse);
    CPen headerPen(PS_SOLID, 1, m_clrHeader);
    if (!m_bCollapsed) {
        // An open group squares the band's lower corners where the frame joins it.
        dc.SelectObject(static_cast<HGDIOBJ>(headerPen.m_hObject));
        dc.Rectangle(m_rcHeader.left, m_rcHeader.top + 5, m_rcHeader.right, m_rcHeader.bottom);
    }

    m_rcGlyph.top = m_rcHeader.top + 5;
    m_rcGlyph.bottom = m_rcGlyph.top + 9;
    m_rcGlyph.left = m_nTitleAlign != 0 ? m_rcHeader.left + 6 : m_rcHeader.right - 13;
    m_rcGlyph.right = m_rcGlyph.left + 4;
    DrawGlyph(dc);

    if (!m_bCollapsed) {
        m_rcContent = CRect(r.left + 1, m_rcHeader.bottom, r.right - 1, r.bottom - 1);
        dc.SelectObject(static_cast<HGDIOBJ>(framePen.m_hObject));
        POINT frame[4] = {{m_rcContent.left, m_rcHeader.top + 5},
                          {m_rcContent.left, m_rcContent.bottom},
                          {m_rcContent.right, m_rcContent.bottom},
                          {m_rcContent.right, m_rcHeader.top + 5}};
        dc.Polyline(frame, 4);
    }

    int left = m_nTitleAlign == 0   ? m_rcHeader.left + 2
               : m_nTitleAlign == 1 ? m_rcHeader.left + (m_rcHeader.Width() - extent.cx) / 2
                                    : r.right - 3 - extent.cx;
    CRect title(left, m_rcHeader.top + 2, left + extent.cx, m_rcHeader.top + 2 + extent.cy);
    dc.SetTextColor(m_clrTitleText);
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_strTitle, &title, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);

    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CollapseGroupBox::DrawGlyph(CDC& dc) const
{
    CPen glyphPen(PS_SOLID, 1, m_clrGlyph);
    HGDIOBJ old = dc.SelectObject(static_cast<HGDIOBJ>(glyphPen.m_hObject));
    int x = m_rcGlyph.left;
    int y = m_rcGlyph.top;
    if (!m_bCollapsed) {
        static const Stroke down[4] = {{{{0, 0}, {2, 2}, {5, -1}}},
                                       {{{0, 1}, {2, 3}, {5, 0}}},
                                       {{{0, 3}, {2, 5}, {5, 2}}},
                                       {{{0, 4}, {2, 6}, {5, 3}}}};
        DrawStrokes(dc, down, x, y, 0);
    } else {
        // Pointing right, or mirrored about the rectangle's right edge to point left when the
        // glyph sits at the right end of the band.
        static const Stroke right[4] = {{{{0, 1}, {2, 3}, {-1, 6}}},
                                        {{{1, 1}, {3, 3}, {0, 6}}},
                                        {{{3, 1}, {5, 3}, {2, 6}}},
                                        {{{4, 1}, {6, 3}, {3, 6}}}};
        if (m_nTitleAlign != 0)
            DrawStrokes(dc, right, x, y, 0);
        else
            DrawStrokes(dc, right, m_rcGlyph.right, y, 1);
    }
    dc.SelectObject(old);
}

void CollapseGroupBox::Repaint()
{
    if (!m_hWnd)
        return;
    Render();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect header = m_rcHeader;
    MapWindowPoints(parent, &header);
    parent->InvalidateRect(&header, TRUE);
    parent->UpdateWindow();
}

void CollapseGroupBox::OnPaint()
{
    CPaintDC dc(this);
    // The box is a button whose type bits would make the class paint a push button; they are
    // set here, with clip-siblings, because the dialog may rewrite the style after subclassing.
    if ((GetStyle() & kPaintStyleBits) != kPaintStyleBits)
        ModifyStyle(0, kPaintStyleBits);
    CollectMembers();
    if (!m_bRendered) {
        Render();
        m_bRendered = true;
    }
    if (!m_memDC.m_hDC)
        return;
    CRect r;
    GetClientRect(&r);
    dc.BitBlt(0, 0, r.Width(), std::min<int>(kHeaderBandHeight, r.Height()), &m_memDC, 0, 0,
              SRCCOPY);
}

void CollapseGroupBox::OnSize(UINT, int, int)
{
    Default();
    DropImage();
    Render();
}

BOOL CollapseGroupBox::OnEraseBkgnd(CDC*)
{
    return FALSE;
}

void CollapseGroupBox::OnLButtonDown(UINT, CPoint point)
{
    Default();
    if (HitRect().PtInRect(point))
        SetCollapsed(!m_bCollapsed);
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(kCmdHeaderClicked, 0),
                            reinterpret_cast<LPARAM>(m_hWnd));
}

// The button class takes double clicks, so a quick second click on the header arrives as one;
// it folds or unfolds the group again, as every click on the header does.
void CollapseGroupBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

void CollapseGroupBox::OnMouseMove(UINT, CPoint point)
{
    bool inside = HitRect().PtInRect(point) != FALSE;
    bool captured = ::GetCapture() == m_hWnd;
    if (!captured && inside) {
        m_clrHeader = m_clrHeaderHover;
        Repaint();
        SetCapture();
    } else if (captured && !inside) {
        m_clrHeader = m_clrHeaderNormal;
        Repaint();
        ::ReleaseCapture();
    }
    Default();
}

} // namespace zt
