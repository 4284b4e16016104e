// Values reach the editors when they are set, never while the list paints: a paint of the list
// leaves every editor window as it was, and a value the owner sets shows in its editors at once.

#include "tests/proplist/CompositeEditorTestSupport.h"
#include "ztui/proplist/editors/ctrl_integer.h"
#include "ztui/proplist/editors/edit_ctrl.h"

#include <map>
#include <vector>

namespace {

// Watches what the list's own paint does to the windows below it: the messages they receive
// and the repaints they are left owing, counted only while the list handles WM_PAINT.
class PaintWatch
{
public:
    explicit PaintWatch(HWND list) : m_list(list)
    {
        s_watch = this;
        Subclass(list);
        for (HWND child : Descendants())
            Subclass(child);
    }
    ~PaintWatch()
    {
        for (const auto& [window, proc] : m_procs)
            if (::IsWindow(window))
                ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
        s_watch = nullptr;
    }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    int listPaints = 0;
    // Messages the list's descendants received during its paints.
    std::vector<UINT> messages;
    // Descendants left needing a repaint by the list's paints.
    int invalidated = 0;

private:
    std::vector<HWND> Descendants() const
    {
        std::vector<HWND> all;
        ::EnumChildWindows(
            m_list,
            [](HWND h, LPARAM p) {
                reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&all));
        return all;
    }
    void Subclass(HWND window)
    {
        m_procs[window] = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    static LRESULT Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
    {
        PaintWatch* self = s_watch;
        WNDPROC old = self->m_procs.at(h);
        if (h != self->m_list) {
            if (self->m_painting)
                self->messages.push_back(msg);
            return ::CallWindowProcW(old, h, msg, wp, lp);
        }
        if (msg != WM_PAINT)
            return ::CallWindowProcW(old, h, msg, wp, lp);
        ++self->listPaints;
        // What invalidated the list invalidated its children too: only what the paint itself
        // leaves to repaint counts.
        for (HWND child : self->Descendants())
            ::ValidateRect(child, nullptr);
        self->m_painting = true;
        LRESULT result = ::CallWindowProcW(old, h, msg, wp, lp);
        self->m_painting = false;
        for (HWND child : self->Descendants())
            if (::GetUpdateRect(child, nullptr, FALSE))
                ++self->invalidated;
        return result;
    }

    static inline PaintWatch* s_watch = nullptr;
    HWND m_list;
    std::map<HWND, WNDPROC> m_procs;
    bool m_painting = false;
};

struct PushedChangeTest : CompositeEditorTest
{
    PropertyMgrUI::PropertyItem* point = nullptr;
    PropertyMgrUI::PropertyItem* editButton = nullptr;
    PropertyMgrUI::PropertyItem* image = nullptr;
    PropertyMgrUI::PropertyItem* number = nullptr;

    void SetUp() override
    {
        CompositeEditorTest::SetUp();
        point = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));                   // rows 1-3
        editButton = Add(L"编号")->setEditButton(L"12");                            // row 4
        image = Add(L"图片")->setImage(SolidBitmap(8, 8, RGB(0, 0, 200)));          // row 5
        number = Add(L"数量")->setInt(7);                                           // row 6
        Add(L"颜色")->setColor(RGB(10, 20, 30));                                   // row 7
        Add(L"材质")->addListEntry(L"甲", false)->addListEntry(L"乙", false);       // row 8
        Add(L"可见")->setCheck(true);                                              // row 9
        list.refresh();
        desk.pump();
    }
    zt::actrl_Edit& NumberEdit()
    {
        auto* holder = dynamic_cast<zt::item_ctrl_simple*>(Holder(6));
        return dynamic_cast<zt::edit_ctrl<zt::ctrl_integer>&>(*holder->editor()).edit();
    }
};

} // namespace

TEST_F(PushedChangeTest, APaintOfTheListChangesNoEditorWindow)
{
    // Values the owner set since the editors were made: a paint that took them up would change
    // the editors while painting.
    point->setPoint(DPoint3d::From(4.5, 2, 3));
    editButton->setEditButton(L"99");
    editButton->setEditButtonData(reinterpret_cast<std::intptr_t>(SolidBitmap(8, 8, RGB(0, 1, 0))));
    editButton->setFormatCheck(new DigitsOnly);
    image->setImage(SolidBitmap(8, 8, RGB(200, 0, 0)));
    desk.pump(); // the editors repaint what the values changed

    PaintWatch watch(box.m_hWnd);
    for (int round = 0; round < 2; ++round) {
        box.Invalidate(TRUE);
        box.UpdateWindow();
        desk.pump();
    }
    EXPECT_EQ(watch.listPaints, 2);
    EXPECT_TRUE(watch.messages.empty()) << "first message " << watch.messages.front();
    EXPECT_EQ(watch.invalidated, 0);
}

TEST_F(PushedChangeTest, AValueSetByTheOwnerIsInItsEditorsBeforeAnyPaint)
{
    point->setPoint(DPoint3d::From(4.567, -1, 0.126));
    EXPECT_EQ(Str(Point(1)->Caption()), L"4.57");
    EXPECT_EQ(Str(Point(2)->Caption()), L"-1.00");
    EXPECT_EQ(Str(Point(3)->Caption()), L"0.13");
    // The placeholder of a mixed point shows in every row as soon as it is set.
    point->setDisplayText(L"*多种*");
    EXPECT_EQ(Str(Point(2)->Caption()), L"*多种*");

    editButton->setEditButton(L"99");
    HBITMAP picture = SolidBitmap(8, 8, RGB(0, 160, 0));
    editButton->setEditButtonData(reinterpret_cast<std::intptr_t>(picture));
    EXPECT_EQ(Str(EditButton(4)->Caption()), L"99");
    EXPECT_EQ(EditButton(4)->ButtonPicture(), picture);

    // The image row lets go of the picture the item deleted and shows the new one.
    HBITMAP second = SolidBitmap(8, 8, RGB(200, 0, 0));
    image->setImage(second);
    EXPECT_EQ(Image(5)->Picture(), second);
    desk.pump();
    CRect face = ScreenRect(Image(5)->m_hWnd);
    EXPECT_EQ(desk.pixel(face.CenterPoint().x, face.CenterPoint().y), RGB(200, 0, 0));
}

TEST_F(PushedChangeTest, AFormatCheckReplacedWhileTypingJudgesTheTypedText)
{
    // The edit box borrows the check the item owns; the item deletes the old one.
    ClickInto(NumberEdit().m_hWnd);
    desk.type(L"x");
    EXPECT_TRUE(NumberEdit().IsValid());
    number->setFormatCheck(new DigitsOnly(L"只能是数字"));
    EXPECT_FALSE(NumberEdit().IsValid());
    EXPECT_EQ(Str(NumberEdit().ErrorMessage()), L"只能是数字");
    desk.type(L"y"); // judged by the new check, not by the deleted one
    EXPECT_FALSE(NumberEdit().IsValid());

    // The edit-button row hands the new check to its open text field as well.
    ClickInto(EditButton(4)->m_hWnd);
    desk.type(L"a");
    ASSERT_NE(EditButton(4)->TextField(), nullptr);
    EXPECT_TRUE(EditButton(4)->TextField()->IsValid());
    editButton->setFormatCheck(new DigitsOnly);
    EXPECT_FALSE(EditButton(4)->TextField()->IsValid());
}

TEST_F(PushedChangeTest, ValuesOfItemsWithoutEditorsChangeNothingElse)
{
    // An item added after the rebuild has no row yet; a collapsed group's rows have no editors.
    auto* late = Add(L"后加")->setPoint(DPoint3d::From(1, 1, 1));
    late->setPoint(DPoint3d::From(2, 2, 2));
    EXPECT_EQ(Str(Point(1)->Caption()), L"1.00");
    list.clear();
    point = Add(L"位置")->setPoint(DPoint3d::From(1, 2, 3));
    auto* hidden = list.addItem(L"收起", false, L"隐藏", nullptr)->setPoint(DPoint3d::From(0, 0, 0));
    list.refresh();
    hidden->setPoint(DPoint3d::From(5, 5, 5));
    point->setPoint(DPoint3d::From(8, 2, 3));
    EXPECT_EQ(Str(Point(1)->Caption()), L"8.00");
    EXPECT_DOUBLE_EQ(hidden->point().x, 5.0);
}
