// A tool's dialog derived from the property dialog, with two folding groups under the list:
// resizing it and folding a group move the controls as the layout rules say.

#include "PanelTestSupport.h"

#include "ztui/widgets/CollapseGroupBox.h"

namespace {

constexpr int kBoxA = 401;
constexpr int kLabelA = 402;
constexpr int kValueA = 403;
constexpr int kBoxB = 411;
constexpr int kLabelB = 412;
constexpr int kValueB = 413;
constexpr int kListHeight = 200;
constexpr int kWidth = 320;
constexpr int kHeight = 420;

// The derived dialog: the list at the top, two groups of a label and a stretching value below.
class SettingsDlg : public TestPropertyDlg
{
public:
    void Build()
    {
        boxA.Create(L"几何", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 210, kWidth - 8, 290),
                    this, kBoxA);
        labelA.Create(L"厚度", WS_CHILD | WS_VISIBLE, CRect(16, 232, 70, 252), this, kLabelA);
        valueA.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(76, 230, kWidth - 16, 254), this,
                      kValueA);
        boxB.Create(L"材质", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(8, 300, kWidth - 8, 380),
                    this, kBoxB);
        labelB.Create(L"材料", WS_CHILD | WS_VISIBLE, CRect(16, 322, 70, 342), this, kLabelB);
        valueB.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(76, 320, kWidth - 16, 344), this,
                      kValueB);
        SetGroupsPairAfterPropertyList({{{{kBoxA, 1}}, {{kLabelA, 0}, {kValueA, 1}}},
                                        {{{kBoxB, 1}}, {{kLabelB, 0}, {kValueB, 1}}}},
                                       kListHeight);
    }
    zt::CollapseGroupBox boxA;
    zt::CollapseGroupBox boxB;
    CStatic labelA;
    CStatic labelB;
    CEdit valueA;
    CEdit valueB;
};

class DerivedDialogLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dialog.CreateIndirect(PanelDialogTemplate(WS_POPUP | WS_VISIBLE)));
        dialog.SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
        desk.pump();
        dialog.Build();
        desk.pump();
    }
    void TearDown() override { dialog.DestroyWindow(); }

    CRect RectOf(int id)
    {
        CRect r;
        dialog.GetDlgItem(id)->GetWindowRect(&r);
        dialog.ScreenToClient(&r);
        return r;
    }
    void ClickHeader(zt::CollapseGroupBox& box)
    {
        POINT p{60, 8};
        box.ClientToScreen(&p);
        desk.click(p.x, p.y);
    }
    void Grow(int dx)
    {
        CRect w;
        dialog.GetWindowRect(&w);
        dialog.SetWindowPos(nullptr, 0, 0, w.Width() + dx, w.Height(), SWP_NOMOVE | SWP_NOZORDER);
        desk.pump();
    }

    ScratchAppData appData;
    DesktopFixture desk;
    SettingsDlg dialog;
};

} // namespace

TEST_F(DerivedDialogLayout, TheListLeadsAndTheGroupsKeepTheirDesignedPlaces)
{
    EXPECT_EQ(RectOf(zt::ZTPropertyDlg::kListId), CRect(4, 0, kWidth - 4, kListHeight - 4));
    // The groups already began ten pixels under the list's height: nothing moved.
    EXPECT_EQ(RectOf(kBoxA).top, 210);
    EXPECT_EQ(RectOf(kBoxB).top, 300);
    // Gaps from the list to the first box and between the boxes, as designed.
    EXPECT_EQ(dialog.GetGaps(), (std::vector<int>{210 - (kListHeight - 4), 300 - 290}));
}

TEST_F(DerivedDialogLayout, FoldingResizingAndUnfoldingMoveEveryControlByTheRules)
{
    ClickHeader(dialog.boxA);
    ASSERT_TRUE(dialog.boxA.IsCollapsed());
    EXPECT_FALSE(dialog.valueA.IsWindowVisible());
    CRect folded = RectOf(kBoxA);
    EXPECT_EQ(folded.Height(), 21) << "the header band and its frame";
    // The second group closes up under the folded box with its designed gap of 10.
    int dy = folded.bottom + 10 - 300;
    EXPECT_EQ(RectOf(kBoxB).top, 300 + dy);
    EXPECT_EQ(RectOf(kLabelB).top, 322 + dy);
    EXPECT_EQ(RectOf(kValueB).top, 320 + dy);

    // Forty pixels wider: every stretching control takes them, labels stay, the fold stays.
    Grow(40);
    EXPECT_EQ(RectOf(zt::ZTPropertyDlg::kListId).Width(), kWidth - 8 + 40);
    EXPECT_EQ(RectOf(zt::ZTPropertyDlg::kListId).Height(), kListHeight - 4);
    EXPECT_EQ(RectOf(kBoxA).Width(), kWidth - 16 + 40);
    EXPECT_EQ(RectOf(kBoxA).Height(), 21);
    EXPECT_EQ(RectOf(kValueA).Width(), kWidth - 16 - 76 + 40) << "hidden rows are laid out too";
    EXPECT_EQ(RectOf(kLabelB), CRect(16, 322 + dy, 70, 342 + dy));
    EXPECT_EQ(RectOf(kValueB), CRect(76, 320 + dy, kWidth - 16 + 40, 344 + dy));
    EXPECT_EQ(RectOf(kBoxB).top, 300 + dy);

    // Opening the group again restores its height and the places below it.
    ClickHeader(dialog.boxA);
    ASSERT_FALSE(dialog.boxA.IsCollapsed());
    EXPECT_TRUE(dialog.valueA.IsWindowVisible());
    EXPECT_EQ(RectOf(kBoxA).Height(), 80);
    EXPECT_EQ(RectOf(kBoxB).top, 300);
    EXPECT_EQ(RectOf(kLabelB).top, 322);
    EXPECT_EQ(RectOf(kValueB).right, kWidth - 16 + 40);
}

TEST_F(DerivedDialogLayout, TheDialogDoesNotShrinkBelowItsFirstSize)
{
    CRect before;
    dialog.GetClientRect(&before);
    Grow(-10000);
    CRect after;
    dialog.GetClientRect(&after);
    EXPECT_EQ(after.Width(), dialog.InitialClientWidth());
    EXPECT_GE(RectOf(zt::ZTPropertyDlg::kListId).Width(), 20);
}
