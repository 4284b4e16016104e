#include "ztui/proplist/editors/actrl_ComboBoxEx.h"

#include "ztui/proplist/editors/actrl_ComboBoxEx_msgHook.h"
#include "ztui/proplist/painting/EditorPainter.h"
#include "ztui/proplist/style/PropertyStyle.h"

namespace zt {

BEGIN_MESSAGE_MAP(actrl_ComboBoxEx, CComboBox)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_CONTROL_REFLECT(CBN_SELCHANGE, OnSelChange)
ON_CONTROL_REFLECT(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

actrl_ComboBoxEx::~actrl_ComboBoxEx()
{
    m_hook = nullptr;
    if (m_hWnd)
        DestroyWindow();
}

BOOL actrl_ComboBoxEx::CreateCombo(const RECT& rect, CWnd* parent, UINT id)
{
    if (!Create(kStyle, rect, parent, id))
        return FALSE;
    // Also set directly: the measure request reaches this object only through the parent.
    SetItemHeight(-1, static_cast<UINT>(EntryHeight()));
    return TRUE;
}

int actrl_ComboBoxEx::EntryHeight() const
{
    IMAGEINFO info{};
    if (m_images && m_images->GetImageCount() > 0 && m_images->GetImageInfo(0, &info))
        return info.rcImage.bottom - info.rcImage.top + kImageMargin;
    return kPlainEntryHeight;
}

int actrl_ComboBoxEx::AddEntry(const CString& text, int imageIndex)
{
    int at = AddString(text);
    if (at >= 0) {
        SetItemData(at, static_cast<DWORD_PTR>(static_cast<INT_PTR>(imageIndex)));
        SetItemHeight(at, static_cast<UINT>(EntryHeight()));
    }
    return at;
}

void actrl_ComboBoxEx::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct)
        lpMeasureItemStruct->itemHeight = static_cast<UINT>(EntryHeight());
}

void actrl_ComboBoxEx::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (dis)
        EditorPainter(PropertyStyle::Get()).DrawComboEntry(*this, *dis, true, m_images);
}

void actrl_ComboBoxEx::OnPaint()
{
    EditorPainter(PropertyStyle::Get()).PaintComboFace(*this);
}

BOOL actrl_ComboBoxEx::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void actrl_ComboBoxEx::OnDropDown()
{
    // The height asked for while closed is the height with the list open.
    CRect client;
    GetClientRect(&client);
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width(), client.Height() + kOpenListExtra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void actrl_ComboBoxEx::OnSelChange()
{
    // The editor's handler may destroy this window: nothing of it is touched afterwards.
    if (m_hook)
        m_hook->onSelChange(this, GetCurSel());
}

} // namespace zt
