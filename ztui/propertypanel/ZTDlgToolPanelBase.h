#pragma once
// The base of a drawing tool's own small panel: a modeless dialog that floats in the active
// drawing view while the tool runs. The tool registers a factory for it with the property
// manager (ZTPropertyMgn::registerToolPanel), which creates the panel on first demand.
// Enter does not close it; the hooks do nothing here and the two object operations are the
// tool's.

#include "platform/base/RefCounted.h"
#include "platform/host/TSBuildingElement.h"
#include "platform/win/afxwin.h"
#include "ztui/ZTUiExport.h"
#include "ztui/proplist/model/PropertyMgrUI.h"

namespace zt {

class ZTUI_EXPORT ZTDlgToolPanelBase : public CDialogEx
{
    DECLARE_DYNAMIC(ZTDlgToolPanelBase)
public:
    explicit ZTDlgToolPanelBase(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~ZTDlgToolPanelBase() override;

    void OnOK() override;
    virtual void _UpdateUI();
    virtual void _OnInitDialogUI();
    virtual void _OnClosedUI();
    virtual void PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem& item);
    // The object the panel edits.
    virtual void GetPanelObject(RefCountedPtr<TSGraphicElement>& object) = 0;
    virtual void SetPanelObject(RefCountedPtr<TSBuildingElement>& object) = 0;

protected:
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

} // namespace zt
