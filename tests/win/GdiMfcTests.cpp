#include "GdiTestSupport.h"

#include "platform/win/GdiDiagnostics.h"
#include "platform/win/afxgdi.h"

TEST(MfcRect, SizeAndCorners)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
    EXPECT_EQ(CRect(CPoint(1, 2), CPoint(3, 4)), CRect(1, 2, 3, 4));
}

TEST(MfcRect, EmptyNullAndPointTests)
{
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    EXPECT_TRUE(CRect(5, 5, 3, 9).IsRectEmpty()) << "inverted rectangles are empty";
    const CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
}

TEST(MfcRect, InflateDeflateOffsetAndMove)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(8, 7, 22, 23));
    r.DeflateRect(2, 3);
    EXPECT_EQ(r, CRect(10, 10, 20, 20));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(9, 8, 23, 24));
    r.DeflateRect(1, 2, 3, 4);
    const RECT insets{1, 1, 2, 2};
    r.DeflateRect(&insets);
    EXPECT_EQ(r, CRect(11, 11, 18, 18));
    r.InflateRect(&insets);
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(15, 5, 25, 15));
    r.OffsetRect(CSize(-5, 5));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 10, 10));
    r.MoveToX(3);
    EXPECT_EQ(r, CRect(3, 0, 13, 10));
    CRect inverted(10, 10, 0, 0);
    inverted.NormalizeRect();
    EXPECT_EQ(inverted, CRect(0, 0, 10, 10));
    r.SetRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(1, 2, 3, 4));
    r.SetRectEmpty();
    EXPECT_TRUE(r.IsRectNull());
}

TEST(MfcRect, IntersectUnionSubtractAndOperators)
{
    const CRect a(0, 0, 10, 10);
    const CRect b(5, 5, 15, 15);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(a, CRect(20, 20, 30, 30)));
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(a, b));
    EXPECT_EQ(r, CRect(0, 0, 15, 15));
    EXPECT_TRUE(r.SubtractRect(a, CRect(0, 0, 10, 4)));
    EXPECT_EQ(r, CRect(0, 4, 10, 10));
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 15, 15));
    EXPECT_EQ(a + CPoint(1, 1), CRect(1, 1, 11, 11));
    EXPECT_EQ(a - CSize(1, 1), CRect(-1, -1, 9, 9));
    CRect c = a;
    c &= b;
    EXPECT_EQ(c, CRect(5, 5, 10, 10));
    c |= a;
    EXPECT_EQ(c, a);
    c += CPoint(2, 3);
    EXPECT_EQ(c, CRect(2, 3, 12, 13));
    c -= CPoint(2, 3);
    EXPECT_TRUE(c == a);
    EXPECT_TRUE(c != b);
    LPCRECT asPointer = a;
    EXPECT_EQ(asPointer->right, 10);
}

TEST(MfcPointSize, Arithmetic)
{
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_EQ(p, CPoint(4, 5));
    EXPECT_EQ(p - CPoint(1, 2), CSize(3, 3));
    EXPECT_EQ(p + CSize(1, 0), CPoint(5, 5));
    EXPECT_EQ(-p, CPoint(-4, -5));
    p.Offset(-4, -5);
    EXPECT_EQ(p, CPoint(0, 0));
    EXPECT_EQ(CPoint(MAKELPARAM(-3, 7)), CPoint(-3, 7));
    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_EQ(s, CSize(3, 4));
    EXPECT_EQ(s - CSize(3, 4), CSize());
}

TEST(MfcDC, MemoryDcDrawsThroughItsMembers)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    CBitmap colour;
    ASSERT_TRUE(colour.CreateBitmap(30, 20, 1, 32, nullptr));
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap* old = dc.SelectObject(&colour);
    ASSERT_NE(old, nullptr);
    dc.FillSolidRect(0, 0, 30, 20, RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255)) << "FillSolidRect leaves the colour set";
    dc.Draw3dRect(CRect(2, 2, 12, 12), RGB(255, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(10, 2), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(11, 2), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(2, 11), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(11, 11), RGB(0, 0, 255));
    EXPECT_EQ(dc.GetPixel(12, 12), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 255, 255));

    CPen pen(PS_SOLID, 1, RGB(0, 128, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    ASSERT_NE(oldPen, nullptr);
    EXPECT_EQ(oldPen->m_hObject, GetStockObject(BLACK_PEN));
    dc.MoveTo(15, 5);
    dc.LineTo(25, 5);
    EXPECT_EQ(dc.GetPixel(20, 5), RGB(0, 128, 0));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(25, 5));
    dc.SelectObject(oldPen);
    dc.SelectObject(old);
}

TEST(MfcDC, HalftoneBrushInvertsAndRestores)
{
    Canvas c(16, 16, RGB(30, 60, 90));
    const auto before = c.Pixels();
    CDC* dc = CDC::FromHandle(c.dc);
    ASSERT_NE(dc, nullptr);
    CBrush* old = dc->SelectObject(CDC::GetHalftoneBrush());
    dc->PatBlt(3, 0, 6, 16, PATINVERT);
    EXPECT_NE(c.Pixels(), before);
    dc->PatBlt(3, 0, 6, 16, PATINVERT);
    EXPECT_EQ(c.Pixels(), before);
    dc->SelectObject(old);
}

TEST(MfcDC, TemporaryWrappersGoWithTheirHandles)
{
    DeleteDC(CreateCompatibleDC(nullptr)); // makes the stock objects a DC starts with
    const auto baseline = zt::win::GetGdiObjectCount();
    {
        HDC raw = CreateCompatibleDC(nullptr);
        CDC* temp = CDC::FromHandle(raw);
        ASSERT_NE(temp, nullptr);
        EXPECT_EQ(CDC::FromHandle(raw), temp) << "one wrapper per handle";
        HPEN pen = CreatePen(PS_SOLID, 1, 0);
        CPen* wrapper = CPen::FromHandle(pen);
        ASSERT_NE(wrapper, nullptr);
        EXPECT_EQ(wrapper->m_hObject, pen);
        DeleteObject(pen);
        DeleteDC(raw);
        EXPECT_EQ(CDC::FromHandle(raw), nullptr) << "a dead handle has no wrapper";
        EXPECT_EQ(CPen::FromHandle(pen), nullptr);
    }
    {
        CDC attached;
        attached.CreateCompatibleDC(nullptr);
        EXPECT_EQ(CDC::FromHandle(attached.GetSafeHdc()), &attached);
        CFont font;
        LOGFONTW log{};
        log.lfHeight = -12;
        font.CreateFontIndirect(&log);
        EXPECT_EQ(CFont::FromHandle(font), &font);
    }
    EXPECT_EQ(zt::win::GetGdiObjectCount(), baseline) << "wrappers delete what they own";
    EXPECT_EQ(CDC::FromHandle(reinterpret_cast<HDC>(std::uintptr_t(0xBAD0))), nullptr);
}

TEST(MfcGdiObject, CreatingIntoAFullWrapperKeepsTheFirstObjectAndLeaksNothing)
{
    DeleteDC(CreateCompatibleDC(nullptr));
    const auto baseline = zt::win::GetGdiObjectCount();
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(1, 2, 3)));
        HGDIOBJ first = brush.m_hObject;
        EXPECT_FALSE(brush.CreateSolidBrush(RGB(4, 5, 6)));
        EXPECT_EQ(brush.m_hObject, first);
        CFont font;
        ASSERT_TRUE(font.CreateFont(20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0,
                                    L"Sans"));
        EXPECT_FALSE(font.CreateFont(30, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0,
                                     L"Sans"));
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, 0));
        EXPECT_FALSE(pen.CreatePen(PS_DASH, 2, 0));
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 4, 4));
        EXPECT_FALSE(rgn.CreateEllipticRgn(0, 0, 8, 8));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
        EXPECT_FALSE(bitmap.CreateCompatibleBitmap(&dc, 8, 8));
        EXPECT_EQ(zt::win::GetGdiObjectCount(), baseline + 6) << "one object per wrapper";
    }
    EXPECT_EQ(zt::win::GetGdiObjectCount(), baseline);
}

TEST(MfcDC, DetachedDcOutlivesItsWrapper)
{
    HDC raw = nullptr;
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        raw = dc.Detach();
    }
    EXPECT_EQ(GetObjectType(raw), DWORD(OBJ_MEMDC));
    DeleteDC(raw);
}

TEST(MfcDC, TextMembersMeasureAndDraw)
{
    Canvas c(120, 30);
    CDC* dc = CDC::FromHandle(c.dc);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"宋体", dc));
    LOGFONTW log{};
    font.GetLogFont(&log);
    EXPECT_EQ(log.lfHeight, -12) << "9 points at 96 dpi";
    CFont* old = dc->SelectObject(&font);
    const CString text(L"墙体 Wall");
    const CSize extent = dc->GetTextExtent(text);
    EXPECT_GT(extent.cx, 40);
    dc->SetBkMode(TRANSPARENT);
    CRect r(0, 0, 120, 30);
    dc->DrawText(text, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    EXPECT_GT(c.InkBox().right, 30);
    CString face;
    EXPECT_GT(dc->GetTextFace(face), 0);
    EXPECT_EQ(face, CString(L"宋体"));
    dc->SelectObject(old);
}

TEST(MfcGdiObjects, RegionAndBrushWrappers)
{
    CRgn a;
    CRgn b;
    CRgn both;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateEllipticRgn(5, 5, 15, 15);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(12, 10));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(0, 0, 15, 15));

    CBrush solid(RGB(1, 2, 3));
    LOGBRUSH lb{};
    solid.GetLogBrush(&lb);
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    CBrush face;
    ASSERT_TRUE(face.CreateSysColorBrush(COLOR_BTNFACE));
    face.DeleteObject();
    EXPECT_EQ(GetObjectType(GetSysColorBrush(COLOR_BTNFACE)), DWORD(OBJ_BRUSH));
}
