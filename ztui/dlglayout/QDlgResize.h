#pragma once
// The dialog base of the library's tool panels and property dialogs. Its controls are
// described as groups of rows: each row is re-laid horizontally on every size, and the groups
// are stacked one under the other, so that a group box that folds its group (CollapseGroupBox)
// pulls the groups below it up. A dialog uses one of two descriptions: rows of control ids,
// laid out by fixed patterns from the designed positions, or rows of (id, mode) pairs, which
// share every width change among the controls that stretch or move.
//
// The dialog never shrinks below the client size it had when it was initialised.

#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/dlglayout/ResizeTracker.h"
#include "ztui/widgets/ControlGroups.h"

#include <json/value.h>

#include <memory>
#include <utility>
#include <vector>

namespace QDlgResize_Space {

using CtrlRow = std::vector<int>;
using CtrlGroup = std::vector<CtrlRow>;
using CtrlGroups = std::vector<CtrlGroup>;
using zt::CtrlModePair;
using zt::CtrlPairGroup;
using zt::CtrlPairGroups;
using zt::CtrlPairRow;
// Numbered names, such as the storeys of a building.
using StdFloorData = std::vector<std::pair<int, CString>>;

class ZTUI_EXPORT QDlgResize : public CDialogEx, public zt::IControlGroupsSource
{
    DECLARE_DYNAMIC(QDlgResize)
public:
    static constexpr UINT kCmdRestackGroups = 1282;
    static constexpr UINT kCmdUpdateDone = 1283;
    // The vertical distance between the groups of the identifier layout.
    static constexpr int kGroupSpacing = 10;

    explicit QDlgResize(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~QDlgResize() override;

    BOOL OnInitDialog() override;

    void SetGroups(const CtrlGroups& groups);
    const CtrlGroups& GetGroups() const { return m_groups; }
    // Also measures the gaps between the groups, numbers the rows and finds the width below
    // which the stretching controls stop shrinking.
    void SetGroupsPair(const CtrlPairGroups& groups);
    const CtrlPairGroups& GetGroupsPair() const override { return m_groupsPair; }

    void SetCWndHandle(CWnd* pWnd);
    ResizeTracker& GetTracker() { return *m_pTracker; }
    const ResizeTracker& GetTracker() const { return *m_pTracker; }
    const std::vector<int>& GetGaps() const { return m_gaps; }
    bool HasListBox() const { return m_bHasListBox; }
    bool IsInitialised() const { return m_bInitialised; }
    int InitialClientWidth() const { return m_nInitWidth; }
    int InitialClientHeight() const { return m_nInitHeight; }
    bool UsesIdLayout() const { return !m_groups.empty() && m_groupsPair.empty(); }
    bool UsesPairLayout() const { return m_groups.empty() && !m_groupsPair.empty(); }

    // Stacks the groups of whichever layout is in use under one another.
    void RestackGroups();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Called on every key pressed in the dialog, before the dialog handles it.
    virtual void OnKeyDown(UINT nKey);
    // The controls' values are read back into the dialog's variables.
    virtual void onValueChange();
    // After a click on a group box's header; repaints the whole dialog.
    virtual void OnUpdateDone();

    // Reads (true) or writes (false) the dialog's variables; onValueChange reads.
    virtual BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    static void changeStdFloorDataToJsValue(const StdFloorData& pairs, Json::Value& json);
    // Keeps the pairs as they are unless json is an array; elements that are not two-element
    // arrays of a number and a text are skipped.
    static void changeStdFloorDataFromJsValue(StdFloorData& pairs, const Json::Value& json);

protected:
    // Where a derived dialog moves values between its controls and its variables.
    virtual void DoDataExchange(BOOL bSaveAndValidate);

    using CDialogEx::OnKeyDown;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    void LayoutGroups();
    // Moves each group under the one above it: by the designed gap of the pair groups when
    // gaps are given, else ten pixels below it.
    void StackGroups(const CtrlGroups& groups, const std::vector<int>* gaps);
    void MoveDown(int id, int dy);
    bool ControlRect(int id, RECT& rect) const;
    // Raises a client size below the initial one; true when the dialog was resized.
    bool KeepMinimumSize(int cx, int cy);

    CBrush m_brBackground;
    std::unique_ptr<ResizeTracker> m_pTracker;
    CtrlGroups m_groups;
    CtrlPairGroups m_groupsPair;
    // The ids of the pair groups, in the same shape, for stacking.
    CtrlGroups m_pairIds;
    std::vector<int> m_gaps;
    int m_nInitHeight = 0;
    int m_nInitWidth = 0;
    bool m_bInitialised = false;
    bool m_bHasListBox = false;
    bool m_bResizing = false;
};

} // namespace QDlgResize_Space
