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
    return text_.substr(static_cast<std::size_t>(SelStart()),
                        static_cast<std::size_t>(SelEnd() - SelStart()));
}

void EditModel::SetSel(int start, int end)
{
    if (start == -1) {
        anchor_ = caret_;
        typingRun_ = false;
        return;
    }
    if (end < 0 || end > Length())
        end = Length();
    anchor_ = Clamp(start);
    caret_ = Clamp(end);
    typingRun_ = false;
}

void EditModel::MoveCaret(int pos, bool extend)
{
    caret_ = Clamp(pos);
    if (!extend)
        anchor_ = caret_;
    typingRun_ = false;
}

void EditModel::SetText(const std::wstring& text)
{
    text_ = text.size() > static_cast<std::size_t>(limit_) ? text.substr(0, limit_) : text;
    anchor_ = caret_ = 0;
    modified_ = false;
    EmptyUndo();
}

void EditModel::SaveUndo()
{
    undoText_ = text_;
    undoAnchor_ = anchor_;
    undoCaret_ = caret_;
    hasUndo_ = true;
}

bool EditModel::ReplaceSel(const std::wstring& s, bool canUndo, bool typing)
{
    int start = SelStart();
    int end = SelEnd();
    std::size_t room = static_cast<std::size_t>(limit_) - (text_.size() - (end - start));
    if (text_.size() - (end - start) > static_cast<std::size_t>(limit_))
        room = 0;
    std::wstring insert = s.size() > room ? s.substr(0, room) : s;
    if (insert.empty() && start == end)
        return false;
    bool joins = typing && typingRun_ && start == end && start == caret_;
    if (canUndo && !joins)
        SaveUndo();
    else if (!canUndo)
        EmptyUndo();
    text_.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), insert);
    caret_ = anchor_ = start + static_cast<int>(insert.size());
    typingRun_ = typing && canUndo;
    modified_ = true;
    return true;
}

bool EditModel::DeleteChar(bool backward)
{
    if (!HasSelection()) {
        if (backward) {
            if (caret_ == 0)
                return false;
            int from = caret_ - 1;
            if (from > 0 && text_[from] == L'\n' && text_[from - 1] == L'\r')
                --from;
            anchor_ = from;
        } else {
            if (caret_ >= Length())
                return false;
            int to = caret_ + 1;
            if (text_[caret_] == L'\r' && to < Length() && text_[to] == L'\n')
                ++to;
            anchor_ = to;
        }
    }
    typingRun_ = false;
    return ReplaceSel(std::wstring(), true);
}

bool EditModel::Undo()
{
    if (!hasUndo_)
        return false;
    std::wstring text = text_;
    int anchor = anchor_;
    int caret = caret_;
    text_.swap(undoText_);
    undoText_ = std::move(text);
    anchor_ = Clamp(undoAnchor_);
    caret_ = Clamp(undoCaret_);
    undoAnchor_ = anchor;
    undoCaret_ = caret;
    // The restored text comes back selected where it differed, as a user expects to see what
    // the undo brought back; the caret goes to the end of the restored selection.
    typingRun_ = false;
    modified_ = true;
    return true;
}

int EditModel::WordLeft(int pos) const
{
    int p = Clamp(pos);
    while (p > 0 && !IsWordChar(text_[p - 1]))
        --p;
    while (p > 0 && IsWordChar(text_[p - 1]))
        --p;
    return p;
}

int EditModel::WordRight(int pos) const
{
    int p = Clamp(pos);
    int n = Length();
    while (p < n && IsWordChar(text_[p]))
        ++p;
    while (p < n && !IsWordChar(text_[p]) && text_[p] != L'\r' && text_[p] != L'\n')
        ++p;
    return p;
}

int EditModel::WordStart(int pos) const
{
    int p = Clamp(pos);
    bool word = p < Length() ? IsWordChar(text_[p]) : (p > 0 && IsWordChar(text_[p - 1]));
    while (p > 0 && IsWordChar(text_[p - 1]) == word && text_[p - 1] != L'\n')
        --p;
    return p;
}

int EditModel::WordEnd(int pos) const
{
    int p = Clamp(pos);
    int n = Length();
    bool word = p < n ? IsWordChar(text_[p]) : false;
    while (p < n && IsWordChar(text_[p]) == word && text_[p] != L'\r' && text_[p] != L'\n')
        ++p;
    return p;
}

} // namespace zt::win::controls
