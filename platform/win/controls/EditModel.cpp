// Text editing operations of the edit control.
#include "platform/win/controls/EditModel.h"

#include <cwctype>

namespace zt::win::controls {

namespace {

bool IsWordChar(wchar_t c)
{
    return !(std::iswspace(static_cast<wint_t>(c)) || c == L'\r' || c == L'\n');
}

} // namespace

std::wstring EditModel::SelectedText() const
{
    return m_text.substr(static_cast<std::size_t>(SelStart()),
                         static_cast<std::size_t>(SelEnd() - SelStart()));
}

void EditModel::SetSel(int start, int end)
{
    if (start == -1) {
        m_anchor = m_caret;
        m_typingRun = false;
        return;
    }
    if (end < 0 || end > Length())
        end = Length();
    m_anchor = Clamp(start);
    m_caret = Clamp(end);
    m_typingRun = false;
}

void EditModel::MoveCaret(int pos, bool extend)
{
    m_caret = Clamp(pos);
    if (!extend)
        m_anchor = m_caret;
    m_typingRun = false;
}

void EditModel::SetText(const std::wstring& text)
{
    m_text = text.size() > static_cast<std::size_t>(m_limit) ? text.substr(0, m_limit) : text;
    m_anchor = m_caret = 0;
    m_modified = false;
    EmptyUndo();
}

void EditModel::SaveUndo()
{
    m_undoText = m_text;
    m_undoAnchor = m_anchor;
    m_undoCaret = m_caret;
    m_hasUndo = true;
}

bool EditModel::ReplaceSel(const std::wstring& s, bool canUndo, bool typing)
{
    int start = SelStart();
    int end = SelEnd();
    std::size_t room = static_cast<std::size_t>(m_limit) - (m_text.size() - (end - start));
    if (m_text.size() - (end - start) > static_cast<std::size_t>(m_limit))
        room = 0;
    std::wstring insert = s.size() > room ? s.substr(0, room) : s;
    if (insert.empty() && start == end)
        return false;
    bool joins = typing && m_typingRun && start == end && start == m_caret;
    if (canUndo && !joins)
        SaveUndo();
    else if (!canUndo)
        EmptyUndo();
    m_text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), insert);
    m_caret = m_anchor = start + static_cast<int>(insert.size());
    m_typingRun = typing && canUndo;
    m_modified = true;
    return true;
}

bool EditModel::DeleteChar(bool backward)
{
    if (!HasSelection()) {
        if (backward) {
            if (m_caret == 0)
                return false;
            int from = m_caret - 1;
            if (from > 0 && m_text[from] == L'\n' && m_text[from - 1] == L'\r')
                --from;
            m_anchor = from;
        } else {
            if (m_caret >= Length())
                return false;
            int to = m_caret + 1;
            if (m_text[m_caret] == L'\r' && to < Length() && m_text[to] == L'\n')
                ++to;
            m_anchor = to;
        }
    }
    m_typingRun = false;
    return ReplaceSel(std::wstring(), true);
}

bool EditModel::Undo()
{
    if (!m_hasUndo)
        return false;
    std::wstring text = m_text;
    int anchor = m_anchor;
    int caret = m_caret;
    m_text.swap(m_undoText);
    m_undoText = std::move(text);
    m_anchor = Clamp(m_undoAnchor);
    m_caret = Clamp(m_undoCaret);
    m_undoAnchor = anchor;
    m_undoCaret = caret;
    // The restored text comes back selected where it differed, as a user expects to see what
    // the undo brought back; the caret goes to the end of the restored selection.
    m_typingRun = false;
    m_modified = true;
    return true;
}

int EditModel::WordLeft(int pos) const
{
    int p = Clamp(pos);
    while (p > 0 && !IsWordChar(m_text[p - 1]))
        --p;
    while (p > 0 && IsWordChar(m_text[p - 1]))
        --p;
    return p;
}

int EditModel::WordRight(int pos) const
{
    int p = Clamp(pos);
    int n = Length();
    while (p < n && IsWordChar(m_text[p]))
        ++p;
    while (p < n && !IsWordChar(m_text[p]) && m_text[p] != L'\r' && m_text[p] != L'\n')
        ++p;
    return p;
}

int EditModel::WordStart(int pos) const
{
    int p = Clamp(pos);
    bool word = p < Length() ? IsWordChar(m_text[p]) : (p > 0 && IsWordChar(m_text[p - 1]));
    while (p > 0 && IsWordChar(m_text[p - 1]) == word && m_text[p - 1] != L'\n')
        --p;
    return p;
}

int EditModel::WordEnd(int pos) const
{
    int p = Clamp(pos);
    int n = Length();
    bool word = p < n ? IsWordChar(m_text[p]) : false;
    while (p < n && IsWordChar(m_text[p]) == word && m_text[p] != L'\r' && m_text[p] != L'\n')
        ++p;
    return p;
}

} // namespace zt::win::controls
