// The edit control's keyboard: editing and moving keys, typed characters and the clipboard.
#include "platform/win/controls/EditWindow.h"

#include "platform/win/controls/ControlCommon.h"

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

void EditWindow::Copy()
{
    if (!m_model.HasSelection() || m_password)
        return;
    std::wstring s = m_model.SelectedText();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (s.size() + 1) * sizeof(wchar_t));
    if (!mem)
        return;
    auto* p = static_cast<wchar_t*>(GlobalLock(mem));
    std::memcpy(p, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    if (!OpenClipboard(m_hwnd)) {
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
    if (s.empty() && !m_model.HasSelection())
        return false;
    return m_model.ReplaceSel(s, true);
}

int EditWindow::LineMove(int pos, int lines)
{
    int line = LineOf(pos);
    const Line& l = m_lines[static_cast<std::size_t>(line)];
    int x = m_preferredX >= 0 ? m_preferredX : Width(l.start, std::min(pos, l.start + l.length));
    m_preferredX = x;
    int target = std::clamp(line + lines, 0, static_cast<int>(m_lines.size()) - 1);
    const Line& t = m_lines[static_cast<std::size_t>(target)];
    int acc = 0;
    const std::wstring& text = m_model.Text();
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
    int caret = m_model.Caret();
    int target = caret;
    bool vertical = false;
    switch (vk) {
    case VK_LEFT:
        if (!shift && m_model.HasSelection())
            target = m_model.SelStart();
        else if (ctrl)
            target = m_model.WordLeft(caret);
        else
            target = (caret > 1 && m_model.Text()[caret - 1] == L'\n' &&
                      m_model.Text()[caret - 2] == L'\r')
                         ? caret - 2
                         : caret - 1;
        break;
    case VK_RIGHT:
        if (!shift && m_model.HasSelection())
            target = m_model.SelEnd();
        else if (ctrl)
            target = m_model.WordRight(caret);
        else
            target = (caret + 1 < m_model.Length() && m_model.Text()[caret] == L'\r' &&
                      m_model.Text()[caret + 1] == L'\n')
                         ? caret + 2
                         : caret + 1;
        break;
    case VK_HOME:
        target = ctrl ? 0 : m_lines[static_cast<std::size_t>(LineOf(caret))].start;
        break;
    case VK_END: {
        const Line& l = m_lines[static_cast<std::size_t>(LineOf(caret))];
        target = ctrl ? m_model.Length() : l.start + l.length;
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
        if (shift && m_model.HasSelection()) {
            SendMessageW(m_hwnd, WM_CUT, 0, 0);
            return;
        }
        if (m_model.DeleteChar(false))
            Changed();
        return;
    case VK_INSERT:
        if (ctrl)
            SendMessageW(m_hwnd, WM_COPY, 0, 0);
        else if (shift)
            SendMessageW(m_hwnd, WM_PASTE, 0, 0);
        return;
    default:
        return;
    }
    if (!vertical)
        m_preferredX = -1;
    m_model.MoveCaret(target, shift);
    ScrollCaret();
    Redraw();
}

void EditWindow::Char(wchar_t ch)
{
    switch (ch) {
    case 0x01: // Ctrl+A
        m_model.SetSel(0, -1);
        ScrollCaret();
        Redraw();
        return;
    case 0x03: // Ctrl+C
        SendMessageW(m_hwnd, WM_COPY, 0, 0);
        return;
    case 0x16: // Ctrl+V
        SendMessageW(m_hwnd, WM_PASTE, 0, 0);
        return;
    case 0x18: // Ctrl+X
        SendMessageW(m_hwnd, WM_CUT, 0, 0);
        return;
    case 0x1A: // Ctrl+Z
        SendMessageW(m_hwnd, WM_UNDO, 0, 0);
        return;
    default:
        break;
    }
    if (ReadOnly())
        return;
    if (ch == 8) {
        if (m_model.DeleteChar(true))
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
        int width = Width(0, m_model.SelStart()) + Width(m_model.SelEnd(), m_model.Length()) +
                    CharWidth(insert[0]);
        if (width > m_fmt.right - m_fmt.left)
            return;
    }
    if (m_model.Length() - (m_model.SelEnd() - m_model.SelStart()) >= m_model.Limit()) {
        Notify(EN_MAXTEXT);
        return;
    }
    if (m_model.ReplaceSel(insert, true, true))
        Changed();
}

} // namespace zt::win::controls
