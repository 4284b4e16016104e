#pragma once
// The edit control's window: layout of the model's text into lines, scrolling, painting and
// the translation of messages into model operations.

#include "platform/win/controls/EditModel.h"
#include "platform/win/controls/ScrollBars.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace zt::win::controls {

class EditWindow
{
public:
    explicit EditWindow(HWND hwnd);
    ~EditWindow();
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);

    // Advances of the characters of one font, in pixels.
    using Widths = std::unordered_map<wchar_t, int>;

private:
    static constexpr int kWheelLines = 3; // rows or lines a wheel notch scrolls

    struct Line
    {
        int start = 0;
        int length = 0; // without the line break
        int next = 0;   // start of the following line
    };

    DWORD Style() const;
    bool Multi() const { return (Style() & ES_MULTILINE) != 0; }
    bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }
    bool Wraps() const { return Multi() && !(Style() & (ES_AUTOHSCROLL | WS_HSCROLL)); }

    void SetFont(HFONT font);
    int CharWidth(wchar_t c);
    int Width(int from, int to);
    void DefaultRect();
    void Relayout();
    int LineOf(int pos) const;
    int VisibleLines() const;
    int LineLeft(int line);
    POINT PosFromChar(int pos);
    int CharFromPoint(POINT p);
    void ScrollCaret();
    void UpdateScrollBars();
    void ScrollLines(int delta);
    void Changed(bool notify = true);
    void Redraw();
    void PlaceCaret();
    void Paint();
    void Copy();
    bool Paste();
    void KeyDown(WPARAM vk);
    void Char(wchar_t ch);
    int LineMove(int pos, int lines);
    void Notify(UINT code);

    HWND m_hwnd;
    EditModel m_model;
    HFONT m_font = nullptr;
    HDC m_measure = nullptr;
    HGDIOBJ m_measureOldFont = nullptr;
    int m_lineHeight = 16;
    Widths* m_widths = nullptr; // shared by every edit control with the same font
    RECT m_fmt{};
    bool m_fmtSet = false;
    int m_xOffset = 0;
    int m_firstLine = 0;
    bool m_focused = false;
    bool m_password = false; // ES_PASSWORD: shown and measured as asterisks, never copied
    bool m_selecting = false;
    int m_preferredX = -1; // for up/down keeping the column
    std::vector<Line> m_lines;
    bool m_wantsBar = false; // created with WS_VSCROLL
};

} // namespace zt::win::controls
