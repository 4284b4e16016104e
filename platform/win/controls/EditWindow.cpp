// The edit control's window.
#include "platform/win/controls/EditWindow.h"

#include "platform/win/controls/ControlCommon.h"
#include "platform/win/controls/StandardClasses.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

namespace zt::win::controls {

namespace {

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        auto* p = static_cast<const wchar_t*>(GlobalLock(h));
        std::size_t max = GlobalSize(h) / sizeof(wchar_t);
        if (p) {
            std::size_t n = 0;
            while (n < max && p[n])
                ++n;
            text.assign(p, n);
        }
        GlobalUnlock(h);
    }
    CloseClipboard();
    return text;
}

} // namespace

EditWindow::EditWindow(HWND hwnd) : hwnd_(hwnd)
{
    measure_ = CreateCompatibleDC(nullptr);
    SetFont(nullptr);
}

EditWindow::~EditWindow()
{
    if (measure_) {
        SelectObject(measure_, measureOldFont_);
        DeleteDC(measure_);
    }
}

DWORD EditWindow::Style() const
{
    return StyleOf(hwnd_);
}

void EditWindow::Notify(UINT code)
{
    NotifyCommand(hwnd_, code);
}

void EditWindow::SetFont(HFONT font)
{
    font_ = font;
    HGDIOBJ old = SelectObject(measure_, FontOrDefault(font_));
    if (!measureOldFont_)
        measureOldFont_ = old;
    TEXTMETRICW tm{};
    GetTextMetricsW(measure_, &tm);
    lineHeight_ = std::max<int>(1, tm.tmHeight);
    widths_.clear();
}

int EditWindow::CharWidth(wchar_t c)
{
    if (password_)
        c = L'*';
    else if (c == L'\t')
        c = L' ';
    auto it = widths_.find(c);
    if (it != widths_.end())
        return it->second;
    SIZE s{};
    GetTextExtentPoint32W(measure_, &c, 1, &s);
    widths_.emplace(c, s.cx);
    return s.cx;
}

int EditWindow::Width(int from, int to)
{
    const std::wstring& t = model_.Text();
    int w = 0;
    for (int i = from; i < to; ++i)
        w += CharWidth(t[static_cast<std::size_t>(i)]);
    return w;
}

void EditWindow::DefaultRect()
{
    RECT c{};
    GetClientRect(hwnd_, &c);
    fmt_ = RECT{c.left + 1, c.top + 1, std::max(c.left + 1, c.right - 1), c.bottom};
}

void EditWindow::Relayout()
{
    lines_.clear();
    const std::wstring& t = model_.Text();
    int n = model_.Length();
    if (!Multi()) {
        lines_.push_back(Line{0, n, n});
        return;
    }
    int wrapWidth = Wraps() ? std::max(1, static_cast<int>(fmt_.right - fmt_.left)) : 0;
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
            lines_.push_back(Line{start, n - start, n});
            break;
        }
        lines_.push_back(Line{start, end - start, next});
        start = next;
    }
}

int EditWindow::LineOf(int pos) const
{
    // The last line whose start is at or before pos.
    auto it = std::upper_bound(lines_.begin(), lines_.end(), pos,
                               [](int p, const Line& l) { return p < l.start; });
    if (it == lines_.begin())
        return 0;
    int index = static_cast<int>(it - lines_.begin()) - 1;
    // A position right after a soft wrap belongs to the next line; after a hard break's
    // characters too.
    return index;
}

int EditWindow::VisibleLines() const
{
    return std::max(1, static_cast<int>((fmt_.bottom - fmt_.top) / lineHeight_));
}

int EditWindow::LineLeft(int line)
{
    int left = fmt_.left - xOffset_;
    DWORD align = Style() & (ES_CENTER | ES_RIGHT);
    if (!align)
        return left;
    // Centred and right-aligned lines move within the rectangle while they fit in it.
    const Line& l = lines_[static_cast<std::size_t>(line)];
    int room = static_cast<int>(fmt_.right - fmt_.left) - Width(l.start, l.start + l.length);
    if (room <= 0)
        return left;
    return left + ((align & ES_RIGHT) ? room - 1 : room / 2);
}

POINT EditWindow::PosFromChar(int pos)
{
    pos = std::clamp(pos, 0, model_.Length());
    int line = LineOf(pos);
    const Line& l = lines_[static_cast<std::size_t>(line)];
    int to = std::min(pos, l.start + l.length);
    return POINT{LineLeft(line) + Width(l.start, to), fmt_.top + (line - firstLine_) * lineHeight_};
}

int EditWindow::CharFromPoint(POINT p)
{
    int line = firstLine_ + (p.y >= fmt_.top ? (p.y - fmt_.top) / lineHeight_
                                             : -((fmt_.top - p.y + lineHeight_ - 1) / lineHeight_));
    line = std::clamp(line, 0, static_cast<int>(lines_.size()) - 1);
    const Line& l = lines_[static_cast<std::size_t>(line)];
    int x = LineLeft(line);
    const std::wstring& t = model_.Text();
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
    int caret = model_.Caret();
    int line = LineOf(caret);
    bool changed = false;
    if (Multi()) {
        int visible = VisibleLines();
        int first = firstLine_;
        if (line < first)
            first = line;
        else if (line >= first + visible)
            first = line - visible + 1;
        if (first != firstLine_) {
            firstLine_ = first;
            changed = true;
        }
    }
    if (!Wraps()) {
        const Line& l = lines_[static_cast<std::size_t>(line)];
        int x = Width(l.start, std::min(caret, l.start + l.length));
        int width = std::max(1, static_cast<int>(fmt_.right - fmt_.left));
        int offset = xOffset_;
        // Scroll by a third of the width at a time so that typing does not scroll on every key.
        if (x < offset)
            offset = std::max(0, x - width / 3);
        else if (x >= offset + width)
            offset = x - width + width / 3;
        if (offset != xOffset_) {
            xOffset_ = offset;
            changed = true;
        }
    }
    if (changed)
        InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateScrollBars();
    PlaceCaret();
}

void EditWindow::UpdateScrollBars()
{
    if (!Multi() || !(wantsBar_ || (Style() & WS_VSCROLL)))
        return;
    wantsBar_ = true;
    SCROLLINFO now{sizeof now, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, SB_VERT, &now);
    int max = std::max(0, static_cast<int>(lines_.size()) - 1);
    int page = VisibleLines();
    if (now.nMin == 0 && now.nMax == max && static_cast<int>(now.nPage) == page &&
        now.nPos == firstLine_)
        return;
    // A multi-line edit keeps its bar, disabled while everything fits.
    SCROLLINFO si{
        sizeof si, SIF_ALL | SIF_DISABLENOSCROLL, 0, max, static_cast<UINT>(page), firstLine_, 0};
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void EditWindow::ScrollLines(int delta)
{
    int maxFirst = std::max(0, static_cast<int>(lines_.size()) - VisibleLines());
    int first = std::clamp(firstLine_ + delta, 0, maxFirst);
    if (first == firstLine_)
        return;
    firstLine_ = first;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateScrollBars();
    PlaceCaret();
}

void EditWindow::Changed(bool notify)
{
    if (notify)
        Notify(EN_UPDATE);
    if (!IsWindow(hwnd_))
        return;
    Relayout();
    ScrollCaret();
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (notify)
        Notify(EN_CHANGE);
}

void EditWindow::Redraw()
{
    InvalidateRect(hwnd_, nullptr, FALSE);
    PlaceCaret();
}

void EditWindow::PlaceCaret()
{
    if (!focused_)
        return;
    POINT c = PosFromChar(model_.Caret());
    SetCaretPos(c.x, c.y);
}

void EditWindow::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (!dc)
        return;
    bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    UINT colorMsg = (ReadOnly() || !enabled) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = RequestCtlColor(hwnd_, dc, colorMsg);
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, brush);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = SelectObject(dc, FontOrDefault(font_));
    int saved = SaveDC(dc);
    IntersectClipRect(dc, fmt_.left, fmt_.top, fmt_.right, fmt_.bottom);

    const std::wstring& t = model_.Text();
    bool showSel = model_.HasSelection() && (focused_ || (Style() & ES_NOHIDESEL));
    int selStart = model_.SelStart();
    int selEnd = model_.SelEnd();
    COLORREF textColor = GetTextColor(dc);
    COLORREF bkColor = GetBkColor(dc);
    int bkMode = GetBkMode(dc);
    int visible = VisibleLines() + 1;
    int last = std::min(static_cast<int>(lines_.size()), firstLine_ + visible);
    for (int li = std::max(0, firstLine_); li < last; ++li) {
        const Line& l = lines_[static_cast<std::size_t>(li)];
        int y = fmt_.top + (li - firstLine_) * lineHeight_;
        int x = LineLeft(li);
        int i = l.start;
        int end = l.start + l.length;
        // Skip what lies left of the rectangle without drawing it.
        while (i < end) {
            int cw = CharWidth(t[static_cast<std::size_t>(i)]);
            if (x + cw >= fmt_.left)
                break;
            x += cw;
            ++i;
        }
        while (i < end && x < fmt_.right) {
            bool selected = showSel && i >= selStart && i < selEnd;
            int runEnd = i;
            int runWidth = 0;
            while (runEnd < end && x + runWidth < fmt_.right &&
                   (showSel && runEnd >= selStart && runEnd < selEnd) == selected) {
                runWidth += CharWidth(t[static_cast<std::size_t>(runEnd)]);
                ++runEnd;
            }
            if (selected) {
                SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
                SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
                SetBkMode(dc, OPAQUE);
                RECT band{x, y, x + runWidth, y + lineHeight_};
                FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            std::wstring run =
                t.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(runEnd - i));
            for (auto& c : run)
                if (c == L'\t')
                    c = L' ';
            if (password_)
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
            RECT band{x, y, x + CharWidth(L' '), y + lineHeight_};
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
    }
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);
    EndPaint(hwnd_, &ps);
}

void EditWindow::Copy()
{
    if (!model_.HasSelection() || password_)
        return;
    std::wstring s = model_.SelectedText();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (s.size() + 1) * sizeof(wchar_t));
    if (!mem)
        return;
    auto* p = static_cast<wchar_t*>(GlobalLock(mem));
    std::memcpy(p, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    if (!OpenClipboard(hwnd_)) {
        GlobalFree(mem);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, mem))
        GlobalFree(mem);
    CloseClipboard();
}

bool EditWindow::Paste()
{
    std::wstring s = ClipboardText();
    if (!Multi()) {
        // A single line takes the text up to the first line break.
        std::size_t cut = s.find_first_of(L"\r\n");
        if (cut != std::wstring::npos)
            s.erase(cut);
    }
    if (s.empty() && !model_.HasSelection())
        return false;
    return model_.ReplaceSel(s, true);
}

int EditWindow::LineMove(int pos, int lines)
{
    int line = LineOf(pos);
    const Line& l = lines_[static_cast<std::size_t>(line)];
    int x = preferredX_ >= 0 ? preferredX_ : Width(l.start, std::min(pos, l.start + l.length));
    preferredX_ = x;
    int target = std::clamp(line + lines, 0, static_cast<int>(lines_.size()) - 1);
    const Line& t = lines_[static_cast<std::size_t>(target)];
    int acc = 0;
    const std::wstring& text = model_.Text();
    for (int i = t.start; i < t.start + t.length; ++i) {
        int cw = CharWidth(text[static_cast<std::size_t>(i)]);
        if (x < acc + (cw + 1) / 2)
            return i;
        acc += cw;
    }
    return t.start + t.length;
}

void EditWindow::KeyDown(WPARAM vk)
{
    bool shift = controls::KeyDown(VK_SHIFT);
    bool ctrl = controls::KeyDown(VK_CONTROL);
    int caret = model_.Caret();
    int target = caret;
    bool vertical = false;
    switch (vk) {
    case VK_LEFT:
        if (!shift && model_.HasSelection())
            target = model_.SelStart();
        else if (ctrl)
            target = model_.WordLeft(caret);
        else
            target = (caret > 1 && model_.Text()[caret - 1] == L'\n' &&
                      model_.Text()[caret - 2] == L'\r')
                         ? caret - 2
                         : caret - 1;
        break;
    case VK_RIGHT:
        if (!shift && model_.HasSelection())
            target = model_.SelEnd();
        else if (ctrl)
            target = model_.WordRight(caret);
        else
            target = (caret + 1 < model_.Length() && model_.Text()[caret] == L'\r' &&
                      model_.Text()[caret + 1] == L'\n')
                         ? caret + 2
                         : caret + 1;
        break;
    case VK_HOME:
        target = ctrl ? 0 : lines_[static_cast<std::size_t>(LineOf(caret))].start;
        break;
    case VK_END: {
        const Line& l = lines_[static_cast<std::size_t>(LineOf(caret))];
        target = ctrl ? model_.Length() : l.start + l.length;
        break;
    }
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        if (!Multi()) {
            // Single-line edits treat up and down as left and right.
            if (vk == VK_UP)
                target = caret - 1;
            else if (vk == VK_DOWN)
                target = caret + 1;
            break;
        }
        vertical = true;
        target = LineMove(caret, vk == VK_UP      ? -1
                                 : vk == VK_DOWN  ? 1
                                 : vk == VK_PRIOR ? -VisibleLines()
                                                  : VisibleLines());
        break;
    case VK_DELETE:
        if (ReadOnly())
            return;
        if (shift && model_.HasSelection()) {
            SendMessageW(hwnd_, WM_CUT, 0, 0);
            return;
        }
        if (model_.DeleteChar(false))
            Changed();
        return;
    case VK_INSERT:
        if (ctrl)
            SendMessageW(hwnd_, WM_COPY, 0, 0);
        else if (shift)
            SendMessageW(hwnd_, WM_PASTE, 0, 0);
        return;
    default:
        return;
    }
    if (!vertical)
        preferredX_ = -1;
    model_.MoveCaret(target, shift);
    ScrollCaret();
    Redraw();
}

void EditWindow::Char(wchar_t ch)
{
    switch (ch) {
    case 0x01: // Ctrl+A
        model_.SetSel(0, -1);
        ScrollCaret();
        Redraw();
        return;
    case 0x03: // Ctrl+C
        SendMessageW(hwnd_, WM_COPY, 0, 0);
        return;
    case 0x16: // Ctrl+V
        SendMessageW(hwnd_, WM_PASTE, 0, 0);
        return;
    case 0x18: // Ctrl+X
        SendMessageW(hwnd_, WM_CUT, 0, 0);
        return;
    case 0x1A: // Ctrl+Z
        SendMessageW(hwnd_, WM_UNDO, 0, 0);
        return;
    default:
        break;
    }
    if (ReadOnly())
        return;
    if (ch == 8) {
        if (model_.DeleteChar(true))
            Changed();
        return;
    }
    DWORD style = Style();
    std::wstring insert;
    if (ch == L'\r' || ch == L'\n') {
        if (!Multi())
            return;
        insert = L"\r\n";
    } else if (ch == L'\t') {
        if (!Multi())
            return;
        insert = L"\t";
    } else if (ch < 0x20 || ch == 0x7F) {
        return;
    } else {
        if ((style & ES_NUMBER) && !(ch >= L'0' && ch <= L'9'))
            return;
        if (style & ES_UPPERCASE)
            ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
        else if (style & ES_LOWERCASE)
            ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
        insert.assign(1, ch);
    }
    if (!Multi() && !(style & ES_AUTOHSCROLL)) {
        // Without horizontal scrolling a single line takes only what fits.
        int width = Width(0, model_.SelStart()) + Width(model_.SelEnd(), model_.Length()) +
                    CharWidth(insert[0]);
        if (width > fmt_.right - fmt_.left)
            return;
    }
    if (model_.Length() - (model_.SelEnd() - model_.SelStart()) >= model_.Limit()) {
        Notify(EN_MAXTEXT);
        return;
    }
    if (model_.ReplaceSel(insert, true, true))
        Changed();
}

} // namespace zt::win::controls
