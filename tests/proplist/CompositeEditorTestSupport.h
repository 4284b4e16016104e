#pragma once
// A property list on the desktop for the tests of the coordinate, edit-button and image
// editors, with the owner's two handlers counted.

#include "platform/win/afxwin.h"
#include "tests/proplist/EditorTestSupport.h"
#include "ztui/proplist/editors/item_ctrl_edit_button.h"
#include "ztui/proplist/editors/item_ctrl_image.h"
#include "ztui/proplist/editors/item_ctrl_point3d_part.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct CompositeEditorTest : EditorListFixture
{
    std::string& calls = order;

    zt::item_ctrl* Holder(int row) { return box.Editor(list.rows().visibleRow(row)); }
    // The composite editor of visible row i (row 0 is the group header).
    zt::actrl_point3d_part* Point(int row)
    {
        auto* holder = dynamic_cast<zt::item_ctrl_point3d_part*>(Holder(row));
        return holder ? &holder->composite() : nullptr;
    }
    zt::actrl_edit_button* EditButton(int row)
    {
        auto* holder = dynamic_cast<zt::item_ctrl_edit_button*>(Holder(row));
        return holder ? &holder->composite() : nullptr;
    }
    zt::ButtonBitmap* Image(int row)
    {
        auto* holder = dynamic_cast<zt::item_ctrl_image*>(Holder(row));
        return holder ? &holder->button() : nullptr;
    }

    static std::wstring Text(CWnd* window)
    {
        CString text;
        window->GetWindowText(text);
        return text.GetString();
    }
    static std::wstring Str(const CString& s) { return s.GetString(); }
    // Repaints the list now, as the owner's next paint would.
    void Repaint()
    {
        box.Invalidate(TRUE);
        box.UpdateWindow();
        desk.pump();
    }

    // A picture of one colour, owned by the item it is given to.
    static HBITMAP SolidBitmap(int width, int height, COLORREF color)
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT r{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return bitmap;
    }
    // How many pixels of a screen rectangle pass the test.
    template <class Test>
    int CountPixelsIf(const CRect& r, Test test)
    {
        desk.pixel(0, 0); // composes the screen
        HDC screen = GetDC(nullptr);
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += test(GetPixel(screen, x, y)) ? 1 : 0;
        ReleaseDC(nullptr, screen);
        return n;
    }
    int CountPixels(const CRect& r, COLORREF color)
    {
        return CountPixelsIf(r, [color](COLORREF c) { return c == color; });
    }
};
