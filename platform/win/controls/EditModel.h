#pragma once
// The text, selection, modify flag and one-level undo of an edit control, without any window:
// the edit window translates messages into these operations and paints from this state.

#include <cstddef>
#include <string>

namespace zt::win::controls {

class EditModel
{
public:
    const std::wstring& Text() const { return m_text; }
    int Length() const { return static_cast<int>(m_text.size()); }

    // The selection runs between the anchor and the caret; the caret is where typing goes.
    int Anchor() const { return m_anchor; }
    int Caret() const { return m_caret; }
    int SelStart() const { return m_anchor < m_caret ? m_anchor : m_caret; }
    int SelEnd() const { return m_anchor < m_caret ? m_caret : m_anchor; }
    bool HasSelection() const { return m_anchor != m_caret; }
    std::wstring SelectedText() const;

    // EM_SETSEL semantics: start -1 removes the selection (caret stays); end -1 or beyond the
    // text means the end; the caret goes to `end`.
    void SetSel(int start, int end);
    // Moves the caret; with extend the anchor stays.
    void MoveCaret(int pos, bool extend);

    // Replaces the text entirely (WM_SETTEXT): clears undo and the modify flag, caret at 0.
    void SetText(const std::wstring& text);
    // Replaces the selection with s (clipped to the limit). Returns false when nothing changed.
    // Typing that continues at the caret joins the previous undo step.
    bool ReplaceSel(const std::wstring& s, bool canUndo, bool typing = false);
    // Deletes the character before (backward) or after the caret, or the selection.
    bool DeleteChar(bool backward);

    bool Modified() const { return m_modified; }
    void SetModified(bool m) { m_modified = m; }

    bool CanUndo() const { return m_hasUndo; }
    // Swaps the text with the undo copy, so that undoing twice redoes.
    bool Undo();
    void EmptyUndo()
    {
        m_hasUndo = false;
        m_typingRun = false;
    }

    int Limit() const { return m_limit; }
    void SetLimit(int limit) { m_limit = limit > 0 ? limit : kMaxLimit; }
    static constexpr int kMaxLimit = 0x7FFFFFFE;

    // Word boundaries for Ctrl+arrows and double-click.
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    int WordStart(int pos) const;
    int WordEnd(int pos) const;

private:
    int Clamp(int p) const { return p < 0 ? 0 : (p > Length() ? Length() : p); }
    void SaveUndo();

    std::wstring m_text;
    int m_anchor = 0;
    int m_caret = 0;
    bool m_modified = false;
    int m_limit = kMaxLimit;

    bool m_hasUndo = false;
    std::wstring m_undoText;
    int m_undoAnchor = 0;
    int m_undoCaret = 0;
    bool m_typingRun = false; // the last change was typing that ended at m_caret
};

} // namespace zt::win::controls
