#pragma once
// The window of the property list: an owner-drawn list box with one string per visible row.
// The left column shows group headers and names, the right column hosts one editor window per
// item row; the divider between them can be dragged.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/editors/item_ctrl.h"
#include "ztui/proplist/model/PropertyList_imp.h"
#include "ztui/proplist/window/GdiPropertyRowMetrics.h"

#include <deque>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace zt {

class ZTUI_EXPORT ListBoxProperty : public CListBox, public PropertyListView
{
public:
    // Posted to itself after a scroll, a wheel turn or a divider drop: the editors follow.
    static constexpr UINT kLayoutEditorsMessage = WM_USER + 1234;
    static constexpr DWORD kStyle =
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
    // Half the width of the divider's grip and of the tracking bar.
    static constexpr int kDividerGrip = 3;

    ListBoxProperty();
    ~ListBoxProperty() override;

    // Creates the window with the list's styles.
    BOOL CreateList(const RECT& rect, CWnd* parent, UINT id);
    // Shows this list's rows (null: none); the window becomes the list's view.
    void SetList(PropertyList_imp* list);
    PropertyList_imp* list() const { return m_list; }

    // Below 1: a fraction of the row width; 1 or more: pixels from the row's left edge.
    void SetColumnSplit(double split) { m_split = split; }
    double ColumnSplit() const { return m_split; }
    bool IsDragging() const { return m_dragging; }
    // The divider position in client coordinates.
    int DividerX() const;

    // By default every row gets the editor of its class (CreateDefaultEditor); an empty factory
    // leaves every row without an editor.
    // Editors parked from the old factory go.
    void SetEditorFactory(ItemCtrlFactory factory);
    // The value cell of every visible row at the last layout, in row order; what the editors
    // were, or would have been, moved to. Only rows within a page of the view are laid out:
    // headers and rows further away have empty rectangles.
    const std::vector<CRect>& EditorRects() const { return m_editorRects; }
    // The editor of a row, when it has one.
    item_ctrl* Editor(const prop_item_baseObj* row) const;
    // Editors of rows that scrolled out of reach wait, hidden, for a row of their class that
    // comes near, which takes one over instead of making a window; each class keeps about a
    // page of them, and what is beyond that is destroyed.
    std::size_t ParkedEditorCount() const;
    std::size_t ParkedPerClass() const;
    // Every editor window this list holds: those of its rows and the parked ones.
    std::size_t EditorWindowCount() const;
    // A new editor for a row, through the factory, with the next identifier of its row class;
    // rows ask for theirs when first laid out and own what they get.
    std::unique_ptr<item_ctrl> CreateEditor(prop_item_baseObj& row);

    // Empties the window, rebuilds the visible rows and adds one string per visible row.
    void Repopulate();
    void LayoutEditors();

    void OnRowsClearing() override;
    void OnRowsRebuilt() override;
    // The editors of the item's rows take up its new value now; the paint that follows only
    // shows it.
    void OnItemChanged(PropertyItem_imp& item) override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // The brush every property list window answers its colour request with.
    static HBRUSH BackgroundBrush();

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnLayoutEditors(WPARAM, LPARAM);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    bool InDividerZone(CPoint point) const;
    void BeginDrag(CPoint point);
    void DragLoop();
    void EndDrag(CPoint point);
    void InvertTrackingBar();
    void SetTrackingBar(int x);
    void RedrawAll();
    void HideEditors();
    // Destroys the editors of the current list's rows (the rows stay).
    void ReleaseEditors();
    void LayOutRow(size_t index, const CRect& rowRect);
    // A parked editor of the row's class, bound to the row; null when none can be.
    item_ctrl* ReuseEditor(prop_item_baseObj& row);
    // The row's editor goes to the parked ones of its class.
    void ParkEditorOf(prop_item_baseObj& row);
    // Destroys the parked editors beyond a page per class.
    void TrimParkedEditors();
    void DestroyParkedEditors();
    HWND ParkingWindow();
    void ParkEditor(HWND window);
    HCURSOR ResizeCursor();

    PropertyList_imp* m_list = nullptr;
    double m_split = 0.5;
    HCURSOR m_resizeCursor = nullptr;
    CRect m_trackingBar;
    bool m_dragging = false;

    GdiPropertyRowMetrics m_metrics;
    ItemCtrlFactory m_factory;
    std::vector<CRect> m_editorRects;
    // The rows whose editors the last layout showed.
    std::vector<prop_item_baseObj*> m_shownRows;
    // Oldest first: the longest parked is the first taken over.
    std::map<EditorClass, std::deque<std::unique_ptr<item_ctrl>>> m_parked;
    // A hidden window that holds the editors of rows out of reach.
    CWnd m_parking;
};

} // namespace zt
