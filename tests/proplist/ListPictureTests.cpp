// The picture of the property list in the README: every kind of row, as a user sees it with the
// style the reference host ships. The test also checks that each row got the editor of its kind,
// so a picture with a missing editor cannot pass unnoticed.

#include "tests/proplist/EditorTestSupport.h"
#include "ztui/frame/ComponentRegistry.h"
#include "ztui/frame/IResManagerIcon.h"
#include "ztui/proplist/editors/PropertyButtonIcon.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Kind = zt::PropertyRowKind;

HBITMAP Picture(int w, int h)
{
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < h; ++y) {
        RECT band{0, y, w, y + 1};
        HBRUSH brush = CreateSolidBrush(RGB(90 + y * 120 / h, 140 + y * 80 / h, 200));
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
    RECT wall{w / 4, h / 3, 3 * w / 4, h - 4};
    HBRUSH brick = CreateSolidBrush(RGB(170, 90, 60));
    FillRect(dc, &wall, brick);
    DeleteObject(brick);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

bool DrawArrowIcon(CDC* dc, const RECT& rect, int icon)
{
    CBrush brush(icon == 2 ? RGB(40, 120, 200) : RGB(120, 120, 120));
    int cx = (rect.left + rect.right) / 2;
    int cy = (rect.top + rect.bottom) / 2;
    POINT arrow[] = {{cx - 6, cy - 6}, {cx + 6, cy}, {cx - 6, cy + 6}};
    CBrush* old = dc->SelectObject(&brush);
    dc->Polygon(arrow, 3);
    dc->SelectObject(old);
    return true;
}

struct ListPicture : EditorListFixture
{
    CImageList hatches;

    void SetUp() override
    {
        EditorListFixture::SetUp();
        ::ShowWindow(elsewhere, SW_HIDE);
        parent.MoveWindow(0, 0, 440, 720);
        box.MoveWindow(0, 0, 420, 700);
        box.SetColumnSplit(zt::PropertyStyle::Get().ColumnSplit()); // as the owner does
        ASSERT_TRUE(hatches.Create(16, 16, ILC_COLOR32, 3, 1));
        const COLORREF swatches[] = {RGB(200, 60, 60), RGB(60, 160, 60), RGB(60, 90, 200)};
        for (COLORREF c : swatches) {
            CBitmap bitmap;
            bitmap.Attach(Picture(16, 16));
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            CBitmap* old = dc.SelectObject(&bitmap);
            dc.FillSolidRect(2, 2, 12, 12, c);
            dc.SelectObject(old);
            hatches.Add(&bitmap, static_cast<CBitmap*>(nullptr));
        }
    }

    void Fill()
    {
        auto add = [this](const wchar_t* group, bool expanded, const wchar_t* name) {
            return list.addItem(group, expanded, name, nullptr);
        };
        add(L"常规", true, L"名称")->setText(L"外墙-1");
        add(L"常规", true, L"编号")->setText(L"W-0012")->setReadOnly();
        add(L"常规", true, L"数量")->setInt(4)->setDisplayText(L"*多种*");
        auto* floors = add(L"常规", true, L"层数")->setText(L"三层");
        floors->setFormatCheck(new DigitsOnly(L"请输入整数"));
        add(L"常规", true, L"说明")->setMultiText(L"保温层外置\n砌块墙体\n内侧抹灰", 3);
        add(L"尺寸", true, L"长度")->setDouble(3600);
        add(L"尺寸", true, L"旋转角")->setAngle(0.5235987755982988);
        add(L"尺寸", true, L"定位")->setSubGroup();
        add(L"尺寸", true, L"基点")->setPoint(DPoint3d{1200.5, 350, 0});
        add(L"尺寸", true, L"轮廓")->setPoints(0, nullptr);
        add(L"做法", true, L"材料")
            ->addListEntry(L"混凝土", false)
            ->addListEntry(L"砌块", false)
            ->setSelectedIndex(1);
        add(L"做法", true, L"强度")
            ->addListEntry(L"C25", true)
            ->addListEntry(L"C30", true)
            ->setSelectedIndex(0);
        add(L"做法", true, L"填充")
            ->setImageList(&hatches)
            ->addImageListEntry(L"斜线", 0)
            ->addImageListEntry(L"网格", 1)
            ->addImageListEntry(L"砖纹", 2)
            ->setImageListSelection(2);
        add(L"做法", true, L"承重")->setCheck(true)->setCheckText(L"承重墙");
        auto* pick = add(L"做法", true, L"附着")->setButton(L"选择构件")->setTag(10003);
        pick->setButtonData(PropertyMgrUI::ButtonIconData(&DrawArrowIcon));
        add(L"做法", true, L"族类型")->setEditButton(L"标准墙 240");
        add(L"外观", true, L"颜色")->setColor(RGB(200, 80, 40));
        add(L"外观", true, L"预览")->setImage(Picture(120, 60));
        add(L"分析", false, L"热阻")->setDouble(0.45);
        list.refresh();
    }
};

TEST_F(ListPicture, EveryKindOfRowRendersWithItsEditor)
{
    Fill();
    // Every item row whose kind has an editor got one, and only those.
    int editors = 0;
    const auto& rows = list.rows().visibleRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const zt::prop_item_baseObj* row = rows[i];
        if (row->isHeader())
            continue;
        zt::item_ctrl* editor = box.Editor(row);
        bool hasWindow = editor && editor->window();
        bool expected = row->item()->kind() != PropertyMgrUI::PropertyItemKind::PointList;
        EXPECT_EQ(hasWindow, expected) << "row " << i;
        editors += hasWindow;
    }
    EXPECT_EQ(editors, 18);

    // The host loads its icons; a coordinate being typed shows its pick button.
    auto icons = zt::ComponentRegistry::instance().query<resman::IResManagerIcon>(
        resman::kResManagerIconName);
    ASSERT_NE(icons, nullptr);
    EXPECT_TRUE(icons->load(L"ZTDemoIcons.dll"));
    zt::item_ctrl* y = box.Editor(rows[11]);
    ASSERT_NE(y, nullptr);
    ASSERT_EQ(rows[11]->kind(), Kind::PointPart);
    ClickInto(y->window());

    zt::win::Desktop::ComposeScreen();
    std::wstring path = fs::path(ZTUI_TEST_OUTPUT_DIR "/proplist.png").wstring();
    EXPECT_TRUE(zt::win::Desktop::WriteWindowPng(box.m_hWnd, path.c_str()));
    EXPECT_TRUE(fs::exists(path));
}

} // namespace
