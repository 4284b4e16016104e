#include "GdiTestSupport.h"

#include "platform/win/GdiDiagnostics.h"

#include <random>

// Drawing calls with arbitrary arguments, stale handles and extreme coordinates: each one must
// come back (under the sanitizers: without touching memory it does not own).
class GdiRobustness : public testing::TestWithParam<unsigned>
{};

TEST_P(GdiRobustness, ArbitraryCallsComeBackQuietly)
{
    std::mt19937 rng(GetParam());
    auto coord = [&rng] {
        switch (rng() % 6) {
        case 0:
            return int(rng() % 2 ? INT32_MAX : INT32_MIN);
        case 1:
            return int(rng() % 4000) - 2000;
        default:
            return int(rng() % 80) - 10;
        }
    };
    Canvas c(64, 48);
    // Stock objects come into being on first use and stay: the ones used below count in the
    // baseline.
    for (int stock : {NULL_PEN, DC_BRUSH, BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT})
        GetStockObject(stock);
    const std::size_t baseline = zt::win::GetGdiObjectCount();
    HBITMAP mono = CreateBitmap(8, 8, 1, 1, nullptr);
    HDC other = CreateCompatibleDC(nullptr);
    std::vector<HGDIOBJ> objects = {CreatePen(PS_DOT, 1, RGB(1, 2, 3)),
                                    CreatePen(PS_SOLID, 5, RGB(9, 8, 7)),
                                    CreateSolidBrush(RGB(200, 10, 10)),
                                    CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 255)),
                                    CreatePatternBrush(mono),
                                    CreateRectRgn(3, 3, 40, 30),
                                    CreateFontW(-13, 0, 0, 0, 700, 1, 1, 0, 0, 0, 0, 0, 0, L"宋体"),
                                    GetStockObject(NULL_PEN),
                                    GetStockObject(DC_BRUSH),
                                    reinterpret_cast<HGDIOBJ>(std::uintptr_t(0x77777))};
    for (int i = 0; i < 3000; ++i) {
        const int a = coord(), b = coord(), cc = coord(), d = coord();
        RECT r{a, b, cc, d};
        POINT pts[4] = {{a, b}, {cc, d}, {b, a}, {d, cc}};
        switch (rng() % 18) {
        case 0:
            SelectObject(c.dc, objects[rng() % objects.size()]);
            break;
        case 1:
            SetROP2(c.dc, int(rng() % 18));
            break;
        case 2:
            Rectangle(c.dc, a, b, cc, d);
            break;
        case 3:
            Ellipse(c.dc, a, b, cc, d);
            break;
        case 4:
            RoundRect(c.dc, a, b, cc, d, coord(), coord());
            break;
        case 5:
            MoveToEx(c.dc, a, b, nullptr);
            LineTo(c.dc, cc, d);
            break;
        case 6:
            Polygon(c.dc, pts, 4);
            break;
        case 7:
            PatBlt(c.dc, a, b, cc, d, DWORD(rng() % 256) << 16);
            break;
        case 8:
            BitBlt(c.dc, a, b, cc % 100, d % 100, other, coord(), coord(),
                   DWORD(rng() % 256) << 16);
            break;
        case 9:
            StretchBlt(c.dc, a, b, cc % 100, d % 100, c.dc, coord(), coord(), coord() % 100,
                       coord() % 100, SRCCOPY);
            break;
        case 10:
            DrawTextW(c.dc, L"墙 &x\r\ny", -1, &r, UINT(rng()));
            break;
        case 11:
            ExcludeClipRect(c.dc, a, b, cc, d);
            break;
        case 12:
            SelectClipRgn(c.dc, nullptr);
            break;
        case 13:
            SetViewportOrgEx(c.dc, coord(), coord(), nullptr);
            break;
        case 14:
            InvertRect(c.dc, &r);
            DrawFocusRect(c.dc, &r);
            break;
        case 15:
            TextOutW(c.dc, a, b, L"Text 文字", 7);
            break;
        case 16:
            SetTextAlign(c.dc, UINT(rng() % 32));
            break;
        default: {
            TRIVERTEX v[3] = {
                {a, b, 0xFFFF, 0, 0, 0}, {cc, d, 0, 0, 0xFFFF, 0}, {b, cc, 0, 0xFFFF, 0, 0}};
            GRADIENT_RECT g{0, 1};
            GRADIENT_TRIANGLE t{0, 1, 2};
            if (rng() % 3 == 2)
                GradientFill(c.dc, v, 3, &t, 1, GRADIENT_FILL_TRIANGLE);
            else
                GradientFill(c.dc, v, 2, &g, 1, ULONG(rng() % 2));
            break;
        }
        }
    }
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    SelectObject(c.dc, GetStockObject(SYSTEM_FONT));
    for (HGDIOBJ o : objects)
        DeleteObject(o);
    DeleteObject(mono);
    DeleteDC(other);
    // Whatever the calls did, they made no object of their own: deleting what the test made
    // returns the count to where it started.
    EXPECT_EQ(zt::win::GetGdiObjectCount(), baseline);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GdiRobustness, testing::Values(20261206u, 1u, 77u, 4242u));
