// The image button of image rows and the pick button of coordinate rows: what they paint and
// when a press reaches the owner.

#include "apps/ztui-demo/icons/PickPointGlyph.h"
#include "tests/proplist/CompositeEditorTestSupport.h"
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/proplist/editors/ButtonIcon.h"

namespace {

constexpr COLORREF kPickCentre =
    RGB((ztdemo::kPickPointCentre >> 16) & 0xFF, (ztdemo::kPickPointCentre >> 8) & 0xFF,
        ztdemo::kPickPointCentre & 0xFF);

std::shared_ptr<resman::IResManagerIcon> IconManager()
{
    return zt::ComponentRegistry::instance().query<resman::IResManagerIcon>(
        resman::kResManagerIconName);
}

} // namespace

// Pixels of text on a button face (the faces are light in every style the tests use).
#define DarkPixels(rect) CountPixelsIf(rect, [](COLORREF c) { return GetRValue(c) < 120; })

TEST_F(CompositeEditorTest, AnImageRowShowsItsPictureScaledToTheButton)
{
    Add(L"截面")->setImage(SolidBitmap(10, 40, RGB(200, 0, 100)));
    list.refresh();
    ASSERT_EQ(box.GetItemHeight(1), 40);
    zt::ButtonBitmap* button = Image(1);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Text(button), L"截面");
    EXPECT_GE(button->GetDlgCtrlID(), 2000);
    CRect r = ScreenRect(button->m_hWnd);
    EXPECT_EQ(r, [&] {
        CRect cell = box.EditorRects()[1];
        box.ClientToScreen(&cell);
        return cell;
    }());
    // Ten pixels of picture cover the whole width of the button.
    EXPECT_EQ(CountPixels(r, RGB(200, 0, 100)), r.Width() * r.Height());
}

TEST_F(CompositeEditorTest, AnImageRowWithoutPictureShowsItsCaptionOnTheFace)
{
    Add(L"截面")->setImage(nullptr);
    list.refresh();
    zt::ButtonBitmap* button = Image(1);
    ASSERT_NE(button, nullptr);
    CRect r = ScreenRect(button->m_hWnd);
    EXPECT_EQ(r.Height(), 60 - 2);
    EXPECT_EQ(Text(button), L"截面");
    EXPECT_GT(DarkPixels(r), 0); // the caption on the light face
}

TEST_F(CompositeEditorTest, PressingAnImageAsksTheOwnerOnlyWhenTheItemIsWritable)
{
    Add(L"可改")->setImage(SolidBitmap(20, 30, RGB(0, 0, 255)));
    Add(L"只读")->setImage(SolidBitmap(20, 30, RGB(0, 0, 255)))->setReadOnly();
    list.refresh();
    ClickInto(Image(2)->m_hWnd);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
    ClickInto(Image(1)->m_hWnd);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
}

TEST_F(CompositeEditorTest, ThePickButtonShowsThePickPointIconCentred)
{
    auto icons = IconManager();
    ASSERT_NE(icons, nullptr);
    ASSERT_TRUE(icons->load(L"ZTDemoIcons.dll"));
    Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ClickInto(x->m_hWnd);
    auto* button = dynamic_cast<zt::ButtonIcon*>(x->Button());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ButtonIconHandle(), icons->find(L"pick_point"));
    desk.pump();

    CRect r = ScreenRect(button->m_hWnd);
    const int left = r.left + (r.Width() - 16) / 2;
    const int top = r.top + (r.Height() - 16) / 2;
    EXPECT_EQ(desk.pixel(left + 7, top + 7), kPickCentre);
    // Nowhere else: the centre dot is the icon's and the icon sits where it should.
    EXPECT_EQ(CountPixels(r, kPickCentre),
              CountPixels(CRect(left, top, left + 16, top + 16), kPickCentre));
    EXPECT_EQ(DarkPixels(CRect(r.left, r.top, left, r.bottom)), 0); // no caption beside it
}

TEST_F(CompositeEditorTest, WithoutThePickIconThePickButtonShowsItsCaption)
{
    // The manager exists but nothing was loaded into it.
    ASSERT_NE(IconManager(), nullptr);
    ASSERT_EQ(IconManager()->find(L"pick_point"), nullptr);
    Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    zt::actrl_point3d_part* x = Point(1);
    ClickInto(x->m_hWnd);
    auto* button = dynamic_cast<zt::ButtonIcon*>(x->Button());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ButtonIconHandle(), nullptr);
    CRect r = ScreenRect(button->m_hWnd);
    EXPECT_EQ(CountPixels(r, kPickCentre), 0);
    // The caption is wider than the button: what fits of it shows.
    EXPECT_GT(DarkPixels(r), 0);
}

TEST_F(CompositeEditorTest, WithoutAnIconManagerThePickButtonShowsItsCaption)
{
    auto withdrawn = zt::ComponentRegistry::instance().withdraw(resman::kResManagerIconName);
    ASSERT_NE(withdrawn, nullptr);
    EXPECT_EQ(zt::actrl_point3d_part::FindPickIcon(), nullptr);
    Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    list.refresh();
    ClickInto(Point(1)->m_hWnd);
    auto* button = dynamic_cast<zt::ButtonIcon*>(Point(1)->Button());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->ButtonIconHandle(), nullptr);
    EXPECT_EQ(Text(button), L"拾取点");
    zt::ComponentRegistry::instance().publish(resman::kResManagerIconName, withdrawn);
}
