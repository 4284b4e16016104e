#pragma once
// The text, selection, modify flag and one-level undo of an edit control, without any window:
// the edit window translates messages into these operations and paints from this state.

#include <cstddef>
#include <string>

namespace zt::win::controls {

class EditModel
{
public:
    const std::wstring& Text() const { return text_; }
    int Length() const { return static_cast<int>(text_.size()); }

    // The selection runs between the anchor and the caret; the caret is where typing goes.
    int Anchor() const { return anchor_; }
    int Caret() const { return caret_; }
    int SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
    int SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
    bool HasSelection() const { return anchor_ != caret_; }
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

    bool Modified() const { return modified_; }
    void SetModified(bool m) { modified_ = m; }

    bool CanUndo() const { return hasUndo_; }
    // Swaps the text with the undo copy, so that undoing twice redoes.
    bool Undo();
    void EmptyUndo()
    {
        hasUndo_ = false;
        typingRun_ = false;
    }

    int Limit() const { return limit_; }
    void SetLimit(int limit) { limit_ = limit > 0 ? limit : kMaxLimit; }
    static constexpr int kMaxLimit = 0x7FFFFFFE;

    // Word boundaries for Ctrl+arrows and double-click.
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    int WordStart(int pos) const;
    int WordEnd(int pos) const;

private:
    int Clamp(int p) const { return p < 0 ? 0 : (p > Length() ? Length() : p); }
    void SaveUndo();

    std::wstring text_;
    int anchor_ = 0;
    int caret_ = 0;
    bool modified_ = false;
    int limit_ = kMaxLimit;

    bool hasUndo_ = false;
    std::wstring undoText_;
    int undoAnchor_ = 0;
    int undoCaret_ = 0;
    bool typingRun_ = false; // the last change was typing that ended at caret_
};

} // namespace zt::win::controls
