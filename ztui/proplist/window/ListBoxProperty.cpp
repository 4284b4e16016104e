#include "ztui/proplist/window/ListBoxProperty.h"

#include "ztui/proplist/editors/PropertyEditorFactory.h"
#include "ztui/proplist/painting/PropertyRowPainter.h"
#include "ztui/proplist/painting/StylePaint.h"
#include "ztui/proplist/style/PropertyStyle.h"

#include <algorithm>
#include <unordered_set>

namespace zt {

namespace {

constexpr double kMinSplit = 0.1;
constexpr double kMaxSplit = 0.9;
// The height of an ordinary row: a page of rows is the client height over this.
constexpr int kTypicalRowHeight = 24;

} // namespace

BEGIN_MESSAGE_MAP(ListBoxProperty, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_MESSAGE(ListBoxProperty::kLayoutEditorsMessage, OnLayoutEditors)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

ListBoxProperty::ListBoxProperty() : m_factory(&CreateDefaultEditor) {}

ListBoxProperty::~ListBoxProperty()
{
    if (m_list && m_list->view() == this)
        m_list->SetView(nullptr);
    // Editor windows are children of this window or of the parking window: they go first.
    ReleaseEditors();
    if (m_parking.m_hWnd)
        m_parking.DestroyWindow();
    if (m_hWnd)
        DestroyWindow();
}

BOOL ListBoxProperty::CreateList(const RECT& rect, CWnd* parent, UINT id)
{
    return Create(kStyle, rect, parent, id);
}

void ListBoxProperty::SetList(PropertyList_imp* list)
{
    if (m_list == list)
        return;
    if (m_list && m_list->view() == this)
        m_list->SetView(nullptr);
    OnRowsClearing();
    m_list = list;
    if (m_list) {
        m_list->SetView(this);
        Repopulate();
    }
}

HBRUSH ListBoxProperty::BackgroundBrush()
{
    // Shared by every property list for the life of the process.
    static HBRUSH brush = CreateSolidBrush(ListBackground(PropertyStyle::Get()));
    return brush;
}

int ListBoxProperty::DividerX() const
{
    CRect client;
    GetClientRect(&client);
    return PropertyRowPainter::DividerX(client, m_split);
}

item_ctrl* ListBoxProperty::Editor(const prop_item_baseObj* row) const
{
    return row ? row->editor() : nullptr;
}

void ListBoxProperty::SetEditorFactory(ItemCtrlFactory factory)
{
    DestroyParkedEditors();
    m_factory = std::move(factory);
}

std::size_t ListBoxProperty::ParkedEditorCount() const
{
    std::size_t n = 0;
    for (const auto& [cls, editors] : m_parked)
        n += editors.size();
    return n;
}

std::size_t ListBoxProperty::ParkedPerClass() const
{
    CRect client;
    if (m_hWnd)
        GetClientRect(&client);
    return static_cast<std::size_t>(std::max(client.Height(), 0) / kTypicalRowHeight + 1);
}

std::size_t ListBoxProperty::EditorWindowCount() const
{
    std::size_t n = 0;
    if (m_list)
        for (const auto& group : m_list->rows().groups())
            for (const auto& row : group->rows())
                if (const item_ctrl* editor = row->editor(); editor && editor->window())
                    ++n;
    for (const auto& [cls, editors] : m_parked)
        for (const auto& editor : editors)
            if (editor->window())
                ++n;
    return n;
}

void ListBoxProperty::DestroyParkedEditors()
{
    m_parked.clear();
}

std::unique_ptr<item_ctrl> ListBoxProperty::CreateEditor(prop_item_baseObj& row)
{
    if (!m_hWnd || !m_factory)
        return nullptr;
    // The counters belong to the row classes, not to one list: every list draws from them.
    EditorIdCounter* ids = row.editorIds();
    auto editor = m_factory(row, this, static_cast<UINT>(ids ? ids->Peek() : 0));
    if (editor && ids)
        ids->Next();
    return editor;
}

void ListBoxProperty::ReleaseEditors()
{
    m_shownRows.clear();
    // Parked editors still point at the items of the rows they came from.
    DestroyParkedEditors();
    if (!m_list)
        return;
    for (const auto& group : m_list->rows().groups())
        for (const auto& row : group->rows())
            row->destroyEditor();
}

void ListBoxProperty::HideEditors()
{
    // Rows hidden by a collapse keep their editors for when the group opens again: only a
    // scroll parks them.
    for (prop_item_baseObj* row : m_shownRows)
        row->hideEditor();
    m_shownRows.clear();
}

void ListBoxProperty::OnRowsClearing()
{
    if (m_hWnd)
        ResetContent();
    ReleaseEditors();
    m_editorRects.clear();
}

void ListBoxProperty::OnRowsRebuilt()
{
    Repopulate();
}

void ListBoxProperty::OnItemChanged(PropertyItem_imp& item)
{
    if (!m_list)
        return;
    for (const auto& row : m_list->rows().RowsOf(&item))
        row->itemChanged();
}

void ListBoxProperty::Repopulate()
{
    if (!m_hWnd)
        return;
    // One scroll-bar update and one repaint for the whole list, not one per string.
    SendMessage(WM_SETREDRAW, FALSE, 0);
    ResetContent();
    HideEditors();
    m_editorRects.clear();
    if (m_list) {
        m_list->rows().UpdateVisibleRows();
        for (const prop_item_baseObj* row : m_list->rows().visibleRows())
            AddString(row->text());
    }
    SendMessage(WM_SETREDRAW, TRUE, 0);
    Invalidate(TRUE);
    LayoutEditors();
}

void ListBoxProperty::LayOutRow(size_t index, const CRect& rowRect)
{
    prop_item_baseObj* row = m_list->rows().visibleRows()[index];
    if (row->isHeader())
        return;
    CRect cell(PropertyRowPainter::DividerX(rowRect, m_split) + 3, rowRect.top, rowRect.right,
               rowRect.bottom);
    cell.DeflateRect(1, 1);
    m_editorRects[index] = cell;

    item_ctrl* editor = row->editor();
    if (!editor)
        editor = ReuseEditor(*row);
    if (!editor)
        editor = row->editor(this);
    if (editor && editor->window()) {
        if (::GetParent(editor->window()) != m_hWnd)
            ::SetParent(editor->window(), m_hWnd);
        row->moveEditor(cell);
        m_shownRows.push_back(row);
    }
}

item_ctrl* ListBoxProperty::ReuseEditor(prop_item_baseObj& row)
{
    if (!row.item())
        return nullptr;
    auto found = m_parked.find(row.editorClass());
    if (found == m_parked.end())
        return nullptr;
    auto& editors = found->second;
    while (!editors.empty()) {
        std::unique_ptr<item_ctrl> editor = std::move(editors.front());
        editors.pop_front();
        if (row.adoptEditor(editor))
            return row.editor();
        // One that cannot show this item goes with its window.
    }
    return nullptr;
}

void ListBoxProperty::ParkEditorOf(prop_item_baseObj& row)
{
    std::unique_ptr<item_ctrl> editor = row.takeEditor();
    if (!editor || !editor->window())
        return;
    ParkEditor(editor->window());
    m_parked[row.editorClass()].push_back(std::move(editor));
}

void ListBoxProperty::TrimParkedEditors()
{
    const std::size_t keep = ParkedPerClass();
    for (auto& [cls, editors] : m_parked)
        if (editors.size() > keep)
            editors.resize(keep); // the newest go, with their windows
}

void ListBoxProperty::LayoutEditors()
{
    m_editorRects.clear();
    if (!m_hWnd || !m_list)
        return;
    const auto& rows = m_list->rows().visibleRows();
    m_editorRects.resize(rows.size());
    std::vector<prop_item_baseObj*> shownBefore;
    shownBefore.swap(m_shownRows);

    // Rows within a page above and below the view are laid out, so that a page scroll finds
    // its editors in place; rows further away get theirs when they come near.
    std::vector<std::pair<int, CRect>> reach;
    if (!rows.empty()) {
        CRect client;
        GetClientRect(&client);
        const int extent = std::max(client.Height(), 1);
        const int count = static_cast<int>(rows.size());
        const int top = std::clamp(GetTopIndex(), 0, count - 1);
        CRect r;
        for (int i = top; i < count; ++i) {
            if (GetItemRect(i, &r) == LB_ERR || r.top >= client.bottom + extent)
                break;
            reach.emplace_back(i, r);
        }
        for (int i = top - 1; i >= 0; --i) {
            if (GetItemRect(i, &r) == LB_ERR || r.bottom <= client.top - extent)
                break;
            reach.emplace_back(i, r);
        }
    }
    std::unordered_set<const prop_item_baseObj*> inReach;
    inReach.reserve(reach.size());
    for (const auto& entry : reach)
        inReach.insert(rows[static_cast<size_t>(entry.first)]);

    // Editors whose rows moved out of reach are parked first, so that the rows coming near
    // take them over in this same layout; what is left beyond a page per class goes after it.
    // They wait under a hidden window of their own: the window system walks a window's
    // descendants at every paint.
    HWND focus = ::GetFocus();
    for (prop_item_baseObj* row : shownBefore) {
        if (inReach.count(row))
            continue;
        item_ctrl* editor = Editor(row);
        if (!editor || !editor->window())
            continue;
        // The editor the user is typing in keeps its row and its place off view, and the focus
        // with it: what was typed is committed to its own item when the focus leaves.
        HWND window = editor->window();
        if (focus && (focus == window || ::IsChild(window, focus))) {
            auto at = std::find(rows.begin(), rows.end(), row);
            CRect r;
            if (at != rows.end() && GetItemRect(static_cast<int>(at - rows.begin()), &r) != LB_ERR)
                reach.emplace_back(static_cast<int>(at - rows.begin()), r);
            else
                row->hideEditor();
            continue;
        }
        ParkEditorOf(*row);
    }
    for (const auto& [index, rect] : reach)
        LayOutRow(static_cast<size_t>(index), rect);
    TrimParkedEditors();
}

HWND ListBoxProperty::ParkingWindow()
{
    // A hidden top-level window: painting walks the list's descendants, never into it.
    if (!m_parking.m_hWnd)
        m_parking.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
    return m_parking.m_hWnd;
}

void ListBoxProperty::ParkEditor(HWND window)
{
    ::ShowWindow(window, SW_HIDE);
    if (HWND parking = ParkingWindow())
        ::SetParent(window, parking);
}

void ListBoxProperty::MeasureItem(LPMEASUREITEMSTRUCT mis)
{
    if (!mis || !m_list || static_cast<int>(mis->itemID) < 0)
        return;
    if (const prop_item_baseObj* row = m_list->rows().visibleRow(static_cast<int>(mis->itemID)))
        row->measure(*mis, m_metrics);
}

void ListBoxProperty::DrawItem(LPDRAWITEMSTRUCT dis)
{
    if (!dis || !m_list || static_cast<int>(dis->itemID) < 0)
        return;
    if (prop_item_baseObj* row = m_list->rows().visibleRow(static_cast<int>(dis->itemID)))
        row->draw(*dis, m_split);
}

HBRUSH ListBoxProperty::CtlColor(CDC*, UINT)
{
    return BackgroundBrush();
}

bool ListBoxProperty::InDividerZone(CPoint point) const
{
    CRect client;
    GetClientRect(&client);
    int x = PropertyRowPainter::DividerX(client, m_split);
    return point.x >= x - kDividerGrip && point.x < x + kDividerGrip && point.y >= client.top &&
           point.y < client.bottom;
}

HCURSOR ListBoxProperty::ResizeCursor()
{
    if (!m_resizeCursor)
        m_resizeCursor = ::LoadCursor(nullptr, IDC_SIZEWE);
    return m_resizeCursor;
}

void ListBoxProperty::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (InDividerZone(point)) {
        BeginDrag(point);
        return;
    }
    CListBox::OnLButtonDown(nFlags, point);
    if (!m_list)
        return;
    if (prop_item_baseObj* row = m_list->rows().visibleRow(GetCurSel()))
        row->onLButtonDown(*this, nFlags, point);
}

void ListBoxProperty::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_dragging) {
        EndDrag(point);
        return;
    }
    CListBox::OnLButtonUp(nFlags, point);
    if (m_list)
        if (prop_item_baseObj* row = m_list->rows().visibleRow(GetCurSel()))
            row->onLButtonUp(*this, nFlags, point);
}

void ListBoxProperty::OnMouseMove(UINT nFlags, CPoint point)
{
    HCURSOR cursor = ResizeCursor();
    if (m_dragging) {
        ::SetCursor(cursor);
        if (nFlags & MK_LBUTTON) {
            InvertTrackingBar();
            SetTrackingBar(point.x);
            InvertTrackingBar();
        }
        return;
    }
    if (InDividerZone(point))
        ::SetCursor(cursor);
    CListBox::OnMouseMove(nFlags, point);
}

BOOL ListBoxProperty::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint p;
    ::GetCursorPos(&p);
    ScreenToClient(&p);
    if (nHitTest == HTCLIENT && (m_dragging || InDividerZone(p))) {
        ::SetCursor(ResizeCursor());
        return TRUE;
    }
    return CListBox::OnSetCursor(pWnd, nHitTest, message);
}

void ListBoxProperty::SetTrackingBar(int x)
{
    CRect client;
    GetClientRect(&client);
    m_trackingBar.SetRect(x - kDividerGrip, client.top, x + kDividerGrip, client.bottom);
}

void ListBoxProperty::InvertTrackingBar()
{
    if (m_trackingBar.IsRectEmpty())
        return;
    // Inverting twice restores the pixels: the bar needs no saved background.
    CWindowDC dc(this);
    CBrush* old = dc.SelectObject(CDC::GetHalftoneBrush());
    dc.PatBlt(m_trackingBar.left, m_trackingBar.top, m_trackingBar.Width(), m_trackingBar.Height(),
              PATINVERT);
    dc.SelectObject(old);
}

void ListBoxProperty::BeginDrag(CPoint point)
{
    m_dragging = true;
    SetCapture();
    SetTrackingBar(point.x);
    InvertTrackingBar();
    DragLoop();
}

void ListBoxProperty::DragLoop()
{
    HWND self = m_hWnd;
    LONG idleCount = 0;
    while (m_dragging) {
        MSG msg{};
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE))
            if (CWinThread* thread = AfxGetThread())
                thread->OnIdle(idleCount++);
        int got = ::GetMessage(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // A quit or nothing left that could end the drag: give up the drag, keep the quit.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            if (!::IsWindow(self))
                return;
            m_dragging = false;
            if (::GetCapture() == self)
                ::ReleaseCapture();
            m_trackingBar.SetRectEmpty();
            RedrawAll();
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        if (!::IsWindow(self))
            return;
        if (m_dragging && ::GetCapture() != self) {
            m_dragging = false;
            m_trackingBar.SetRectEmpty();
            RedrawAll();
        }
    }
}

void ListBoxProperty::EndDrag(CPoint point)
{
    m_dragging = false;
    ::ReleaseCapture();
    CRect client;
    GetClientRect(&client);
    double split = client.Width() > 0 ? static_cast<double>(point.x) / client.Width() : 0.5;
    m_split = std::clamp(split, kMinSplit, kMaxSplit);
    InvertTrackingBar();
    m_trackingBar.SetRectEmpty();
    RedrawAll();
    PostMessage(kLayoutEditorsMessage);
}

void ListBoxProperty::RedrawAll()
{
    Invalidate(TRUE);
    UpdateWindow();
}

void ListBoxProperty::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CListBox::OnVScroll(nSBCode, nPos, pScrollBar);
    RedrawAll();
    PostMessage(kLayoutEditorsMessage);
}

BOOL ListBoxProperty::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    BOOL handled = CListBox::OnMouseWheel(nFlags, zDelta, pt);
    RedrawAll();
    PostMessage(kLayoutEditorsMessage);
    return handled;
}

void ListBoxProperty::OnSize(UINT nType, int cx, int cy)
{
    CListBox::OnSize(nType, cx, cy);
    LayoutEditors();
}

BOOL ListBoxProperty::OnEraseBkgnd(CDC* pDC)
{
    // The list box leaves owner-drawn rows to their owner, and rows paint only their name
    // column: the indent and the editor cells show this brush.
    if (!pDC)
        return FALSE;
    CRect client;
    GetClientRect(&client);
    ::FillRect(pDC->GetSafeHdc(), &client, BackgroundBrush());
    return TRUE;
}

LRESULT ListBoxProperty::OnLayoutEditors(WPARAM, LPARAM)
{
    LayoutEditors();
    return 0;
}

} // namespace zt
