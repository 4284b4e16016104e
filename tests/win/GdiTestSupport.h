#pragma once
// A memory DC over a 32-bit bitmap, filled white, for checking drawing on pixels.

#include "platform/win/WinGdi.h"
#include "platform/win/WinUserDraw.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

struct Canvas
{
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    int width = 0;
    int height = 0;

    Canvas(int w, int h, COLORREF background = RGB(255, 255, 255)) : width(w), height(h)
    {
        dc = CreateCompatibleDC(nullptr);
        // A colour bitmap: CreateCompatibleBitmap on a fresh memory DC would be monochrome.
        bitmap = CreateBitmap(w, h, 1, 32, nullptr);
        oldBitmap = SelectObject(dc, bitmap);
        Fill(background);
    }
    ~Canvas()
    {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Fill(COLORREF c)
    {
        HBRUSH b = CreateSolidBrush(c);
        RECT r{0, 0, width, height};
        FillRect(dc, &r, b);
        DeleteObject(b);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    std::vector<COLORREF> Pixels() const
    {
        std::vector<COLORREF> out;
        out.reserve(size_t(width * height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                out.push_back(GetPixel(dc, x, y));
        return out;
    }
    // Bounding box of every pixel that differs from `background`; empty when none does.
    RECT InkBox(COLORREF background = RGB(255, 255, 255)) const
    {
        RECT box{width, height, 0, 0};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (GetPixel(dc, x, y) != background) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.right == 0)
            box = RECT{0, 0, 0, 0};
        return box;
    }
    int Count(COLORREF c) const
    {
        int n = 0;
        for (COLORREF p : Pixels())
            n += p == c;
        return n;
    }
};

// Selects an object into a DC for the scope and deletes it afterwards.
struct Selected
{
    HDC dc;
    HGDIOBJ object;
    HGDIOBJ old;
    Selected(HDC d, HGDIOBJ o) : dc(d), object(o), old(SelectObject(d, o)) {}
    ~Selected()
    {
        SelectObject(dc, old);
        DeleteObject(object);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
};

inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

// The halftone brush: alternate pixels on, the pattern used for tracking bars.
inline HBRUSH MakeHalftoneBrush()
{
    WORD pattern[8];
    for (int i = 0; i < 8; ++i)
        pattern[i] = WORD(0x5555 << (i & 1));
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap);
    return brush;
}
