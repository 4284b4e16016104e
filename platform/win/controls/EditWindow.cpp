// The edit control's window.
#include "platform/win/controls/EditWindow.h"

#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/SystemClasses.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace zt::win::controls {

namespace {

// What decides a character's advance: two fonts made from the same description measure alike.
using FontKey =
    std::tuple<LONG, LONG, LONG, LONG, LONG, BYTE, BYTE, BYTE, BYTE, BYTE, BYTE, std::wstring>;

FontKey KeyOf(HFONT font)
{
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    return {lf.lfHeight,  lf.lfWidth,   lf.lfEscapement,     lf.lfOrientation,
            lf.lfWeight,  lf.lfItalic,  lf.lfUnderline,      lf.lfStrikeOut,
            lf.lfCharSet, lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName};
}

// The characters a number field shows, measured when a font is first used: the property list
// and the tracer open many fields in a few fonts, and a field must not measure its digits one
// by one the first time the values under a moving cursor change.
constexpr wchar_t kNumberCharacters[] = L"0123456789.,-+eE ";
constexpr int kLargestPrimedWidth = 2048;
constexpr int kLargestPrimedHeight = 256;

// Character advances by font, shared by every edit control for the life of the process.
EditWindow::Widths& SharedWidths(HDC measure, HFONT font)
{
    static std::mutex lock;
    static auto* table = new std::map<FontKey, std::unique_ptr<EditWindow::Widths>>;
    std::lock_guard<std::mutex> guard(lock);
    auto [at, made] = table->try_emplace(KeyOf(font));
    if (!made)
        return *at->second;
    at->second = std::make_unique<EditWindow::Widths>();
    int wide = 0;
    for (const wchar_t* c = kNumberCharacters; *c; ++c) {
        SIZE size{};
        GetTextExtentPoint32W(measure, c, 1, &size);
        at->second->emplace(*c, size.cx);
        wide += size.cx;
    }
    // Drawn once too, so that their glyphs are rasterised before a field first shows them;
    // not for fonts far larger than any field's, whose glyphs would only fill the caches.
    TEXTMETRICW tm{};
    GetTextMetricsW(measure, &tm);
    if (wide > kLargestPrimedWidth || tm.tmHeight > kLargestPrimedHeight)
        return *at->second;
    // A colour bitmap of its own: the screen's DC would compose the screen to hand it out.
    if (HBITMAP scratch =
            CreateBitmap(std::max(wide, 1), std::max<int>(tm.tmHeight, 1), 1, 32, nullptr)) {
        HGDIOBJ old = SelectObject(measure, scratch);
        TextOutW(measure, 0, 0, kNumberCharacters,
                 static_cast<int>(std::size(kNumberCharacters) - 1));
        SelectObject(measure, old);
        DeleteObject(scratch);
    }
    return *at->second;
}

} // namespace

EditWindow::EditWindow(HWND hwnd) : m_hwnd(hwnd)
{
    m_measure = CreateCompatibleDC(nullptr);
    SetFont(nullptr);
}

EditWindow::~EditWindow()
{
    if (m_measure) {
        SelectObject(m_measure, m_measureOldFont);
        DeleteDC(m_measure);
    }
}

DWORD EditWindow::Style() const
{
    return StyleOf(m_hwnd);
}

void EditWindow::Notify(UINT code)
{
    NotifyCommand(m_hwnd, code);
}

void EditWindow::SetFont(HFONT font)
{
    m_font = font;
    HGDIOBJ old = SelectObject(m_measure, FontOrDefault(m_font));
    if (!m_measureOldFont)
        m_measureOldFont = old;
    TEXTMETRICW tm{};
    GetTextMetricsW(m_measure, &tm);
    m_lineHeight = std::max<int>(1, tm.tmHeight);
    m_widths = &SharedWidths(m_measure, FontOrDefault(m_font));
}

int EditWindow::CharWidth(wchar_t c)
{
    if (m_password)
        c = L'*';
    else if (c == L'\t')
        c = L' ';
    auto it = m_widths->find(c);
    if (it != m_widths->end())
        return it->second;
    SIZE s{};
    GetTextExtentPoint32W(m_measure, &c, 1, &s);
    m_widths->emplace(c, s.cx);
    return s.cx;
}

int EditWindow::Width(int from, int to)
{
    const std::wstring& t = m_model.Text();
    int w = 0;
    for (int i = from; i < to; ++i)
        w += CharWidth(t[static_cast<std::size_t>(i)]);
    return w;
}

void EditWindow::DefaultRect()
{
    RECT c{};
    GetClientRect(m_hwnd, &c);
    m_fmt = RECT{c.left + 1, c.top + 1, std::max(c.left + 1, c.right - 1), c.bottom};
}

void EditWindow::Relayout()
{
    m_lines.clear();
    const std::wstring& t = m_model.Text();
    int n = m_model.Length();
    if (!Multi()) {
        m_lines.push_back(Line{0, n, n});
        return;
    }
    int wrapWidth = Wraps() ? std::max(1, static_cast<int>(m_fmt.right - m_fmt.left)) : 0;
    int start = 0;
    while (true) {
        int i = start;
        int width = 0;
        int lastSpace = -1;
        int end = -1;
        int next = -1;
        while (i < n) {
            wchar_t c = t[static_cast<std::size_t>(i)];
            if (c == L'\r' && i + 1 < n && t[static_cast<std::size_t>(i + 1)] == L'\n') {
                end = i;
                next = i + 2;
                break;
            }
            if (c == L'\n') {
                end = i;
                next = i + 1;
                break;
            }
            int cw = CharWidth(c);
            if (wrapWidth && width + cw > wrapWidth && i > start) {
                if (c == L' ') {
                    // Spaces at a wrap stay at the end of the line they follow.
                    end = i;
                    next = i + 1;
                } else if (lastSpace >= start) {
                    end = lastSpace + 1;
                    next = lastSpace + 1;
                } else {
                    end = i;
                    next = i;
                }
                break;
            }
            if (c == L' ')
                lastSpace = i;
            width += cw;
            ++i;
        }
        if (end < 0) {
            m_lines.push_back(Line{start, n - start, n});
            break;
        }
        m_lines.push_back(Line{start, end - start, next});
        start = next;
    }
}

int EditWindow::LineOf(int pos) const
{
    // The last line whose start is at or before pos.
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), pos,
                               [](int p, const Line& l) { return p < l.start; });
    if (it == m_lines.begin())
        return 0;
    int index = static_cast<int>(it - m_lines.begin()) - 1;
    // A position right after a soft wrap belongs to the next line; after a hard break's
    // characters too.
    return index;
}

int EditWindow::VisibleLines() const
{
    return std::max(1, static_cast<int>((m_fmt.bottom - m_fmt.top) / m_lineHeight));
}

int EditWindow::LineLeft(int line)
{
    int left = m_fmt.left - m_xOffset;
    DWORD align = Style() & (ES_CENTER | ES_RIGHT);
    if (!align)
        return left;
    // Centred and right-aligned lines move within the rectangle while they fit in it.
    const Line& l = m_lines[static_cast<std::size_t>(line)];
    int room = static_cast<int>(m_fmt.right - m_fmt.left) - Width(l.start, l.start + l.length);
    if (room <= 0)
        return left;
    return left + ((align & ES_RIGHT) ? room - 1 : room / 2);
}

POINT EditWindow::PosFromChar(int pos)
{
    pos = std::clamp(pos, 0, m_model.Length());
    int line = LineOf(pos);
    const Line& l = m_lines[static_cast<std::size_t>(line)];
    int to = std::min(pos, l.start + l.length);
    return POINT{LineLeft(line) + Width(l.start, to),
                 m_fmt.top + (line - m_firstLine) * m_lineHeight};
}

int EditWindow::CharFromPoint(POINT p)
{
    int line =
        m_firstLine + (p.y >= m_fmt.top ? (p.y - m_fmt.top) / m_lineHeight
                                        : -((m_fmt.top - p.y + m_lineHeight - 1) / m_lineHeight));
    line = std::clamp(line, 0, static_cast<int>(m_lines.size()) - 1);
    const Line& l = m_lines[static_cast<std::size_t>(line)];
    int x = LineLeft(line);
    const std::wstring& t = m_model.Text();
    for (int i = l.start; i < l.start + l.length; ++i) {
        int cw = CharWidth(t[static_cast<std::size_t>(i)]);
        if (p.x < x + (cw + 1) / 2)
            return i;
        x += cw;
    }
    return l.start + l.length;
}

void EditWindow::ScrollCaret()
{
    int caret = m_model.Caret();
    int line = LineOf(caret);
    bool changed = false;
    if (Multi()) {
        int visible = VisibleLines();
        int first = m_firstLine;
        if (line < first)
            first = line;
        else if (line >= first + visible)
            first = line - visible + 1;
        if (first != m_firstLine) {
            m_firstLine = first;
            changed = true;
        }
    }
    if (!Wraps()) {
        const Line& l = m_lines[static_cast<std::size_t>(line)];
        int x = Width(l.start, std::min(caret, l.start + l.length));
        int width = std::max(1, static_cast<int>(m_fmt.right - m_fmt.left));
        int offset = m_xOffset;
        // Scroll by a third of the width at a time so that typing does not scroll on every key.
        if (x < offset)
            offset = std::max(0, x - width / 3);
        else if (x >= offset + width)
            offset = x - width + width / 3;
        if (offset != m_xOffset) {
            m_xOffset = offset;
            changed = true;
        }
    }
    if (changed)
        InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateScrollBars();
    PlaceCaret();
}

void EditWindow::UpdateScrollBars()
{
    if (!Multi() || !(m_wantsBar || (Style() & WS_VSCROLL)))
        return;
    m_wantsBar = true;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(m_hwnd, SB_VERT, &now);
    int max = std::max(0, static_cast<int>(m_lines.size()) - 1);
    int page = VisibleLines();
    if (now.nMin == 0 && now.nMax == max && static_cast<int>(now.nPage) == page &&
        now.nPos == m_firstLine)
        return;
    // A multi-line edit keeps its bar, disabled while everything fits.
    SCROLLINFO si{
        sizeof si, SIF_ALL | SIF_DISABLENOSCROLL, 0, max, static_cast<UINT>(page), m_firstLine, 0};
    SetScrollInfo(m_hwnd, SB_VERT, &si, TRUE);
}

void EditWindow::ScrollLines(int delta)
{
    int maxFirst = std::max(0, static_cast<int>(m_lines.size()) - VisibleLines());
    int first = std::clamp(m_firstLine + delta, 0, maxFirst);
    if (first == m_firstLine)
        return;
    m_firstLine = first;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateScrollBars();
    PlaceCaret();
}

void EditWindow::Changed(bool notify)
{
    if (notify)
        Notify(EN_UPDATE);
    if (!IsWindow(m_hwnd))
        return;
    Relayout();
    ScrollCaret();
    InvalidateRect(m_hwnd, nullptr, FALSE);
    if (notify)
        Notify(EN_CHANGE);
}

void EditWindow::Redraw()
{
    InvalidateRect(m_hwnd, nullptr, FALSE);
    PlaceCaret();
}

void EditWindow::PlaceCaret()
{
    if (!m_focused)
        return;
    POINT c = PosFromChar(m_model.Caret());
    SetCaretPos(c.x, c.y);
}

void EditWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc)
        return;
    bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    UINT colorMsg = (ReadOnly() || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = RequestCtlColor(m_hwnd, dc, colorMsg);
    RECT client{};
    GetClientRect(m_hwnd, &client);
    FillRect(dc, &client, brush);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(dc, FontOrDefault(m_font));
    int saved = SaveDC(dc);
    IntersectClipRect(dc, m_fmt.left, m_fmt.top, m_fmt.right, m_fmt.bottom);

    const std::wstring& t = m_model.Text();
    bool showSel = m_model.HasSelection() && (m_focused || (Style() & ES_NOHIDESEL));
    int selStart = m_model.SelStart();
    int selEnd = m_model.SelEnd();
    COLORREF textColor = GetTextColor(dc);
    COLORREF bkColor = GetBkColor(dc);
    int bkMode = GetBkMode(dc);
    int visible = VisibleLines() + 1;
    int last = std::min(static_cast<int>(m_lines.size()), m_firstLine + visible);
    for (int li = std::max(0, m_firstLine); li < last; ++li) {
        const Line& l = m_lines[static_cast<std::size_t>(li)];
        int y = m_fmt.top + (li - m_firstLine) * m_lineHeight;
        int x = LineLeft(li);
        int i = l.start;
        int end = l.start + l.length;
        // Skip what lies left of the rectangle without drawing it.
        while (i < end) {
            int cw = CharWidth(t[static_cast<std::size_t>(i)]);
            if (x + cw >= m_fmt.left)
                break;
            x += cw;
            ++i;
        }
        while (i < end && x < m_fmt.right) {
            bool selected = showSel && i >= selStart && i < selEnd;
            int runEnd = i;
            int runWidth = 0;
            while (runEnd < end && x + runWidth < m_fmt.right &&
                   (showSel && runEnd >= selStart && runEnd < selEnd) == selected) {
                runWidth += CharWidth(t[static_cast<std::size_t>(runEnd)]);
                ++runEnd;
            }
            if (selected) {
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
                SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                SetBkMode(dc, OPAQUE);
                RECT band{x, y, x + runWidth, y + m_lineHeight};
                FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            std::wstring run =
                t.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(runEnd - i));
            for (auto& c : run)
                if (c == L'\t')
                    c = L' ';
            if (m_password)
                run.assign(run.size(), L'*');
            TextOutW(dc, x, y, run.c_str(), static_cast<int>(run.size()));
            if (selected) {
                SetTextColor(dc, textColor);
                SetBkColor(dc, bkColor);
                SetBkMode(dc, bkMode);
            }
            x += runWidth;
            i = runEnd;
        }
        // A selected line break shows as a short band, as the user sees what will be removed.
        if (showSel && l.next > end && end >= selStart && end < selEnd) {
            RECT band{x, y, x + CharWidth(L' '), y + m_lineHeight};
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
}

} // namespace zt::win::controls
