#include "ztui/propertypanel/ZTDlgToolSettingCommon.h"

#include "ztui/layers/ZTButtonLayerSet.h"
#include "ztui/propertypanel/ZTDlgToolPanelBase.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/propertypanel/ZTToolProperty.h"

#include <map>
#include <vector>

namespace zt {

IMPLEMENT_DYNAMIC(ZTDlgToolSettingCommon, ZTPropertyDlg)

BEGIN_MESSAGE_MAP(ZTDlgToolSettingCommon, ZTPropertyDlg)
ON_WM_SIZE()
ON_CONTROL(CBN_SELCHANGE, ZTDlgToolSettingCommon::kLayerComboId, OnLayerChanged)
END_MESSAGE_MAP()

CDialogEx* ZTDlgToolSettingCommon::Get(const char* toolName, const WString& caption, bool layerRow)
{
    // The host docks each dialog for the rest of the process; none is ever deleted here.
    static std::map<Utf8String, CDialogEx*> dialogs;
    const Utf8String name(toolName ? toolName : "");
    CDialogEx*& dialog = dialogs[name];
    if (!dialog)
        dialog = new ZTDlgToolSettingCommon(name.c_str(), caption, layerRow);
    return dialog;
}

ZTDlgToolSettingCommon::ZTDlgToolSettingCommon(const char* toolName, const WString& caption,
                                               bool layerRow)
    : ZTPropertyDlg(kTemplateId), m_toolName(toolName ? toolName : ""), m_caption(caption),
      m_layerRow(layerRow)
{}

ZTDlgToolSettingCommon::~ZTDlgToolSettingCommon() = default;

BOOL ZTDlgToolSettingCommon::OnInitDialog()
{
    ZTPropertyDlg::OnInitDialog();
    InitSetCtrlPos();
    SetDlgCaption(CString(m_caption.c_str()));
    SetGroupsPairBeforePropertyList({}, 0);
    const int show = m_layerRow ? SW_SHOW : SW_HIDE;
    for (UINT id : {kLayerLabelId, kLayerComboId})
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show);
    return TRUE;
}

void ZTDlgToolSettingCommon::OnSize(UINT nType, int cx, int cy)
{
    ZTPropertyDlg::OnSize(nType, cx, cy);
    CWnd* label = GetDlgItem(kLayerLabelId);
    CWnd* combo = GetDlgItem(kLayerComboId);
    CWnd* list = GetDlgItem(kListId);
    if (!m_layerRow || !label || !combo || !list)
        return;
    // The layer row keeps to the bottom edge and the list ends just above it.
    CRect client;
    GetClientRect(&client);
    const int bottom = client.bottom;
    CRect comboRect, labelRect, listRect;
    combo->GetWindowRect(&comboRect);
    ScreenToClient(&comboRect);
    label->GetWindowRect(&labelRect);
    ScreenToClient(&labelRect);
    list->GetWindowRect(&listRect);
    ScreenToClient(&listRect);
    const int h = comboRect.Height();
    list->MoveWindow(listRect.left, listRect.top, listRect.Width(), bottom - h - 3 - listRect.top,
                     TRUE);
    label->MoveWindow(labelRect.left, bottom - h + 5, labelRect.Width(), h, TRUE);
    const int comboLeft = labelRect.right + 2;
    combo->MoveWindow(comboLeft, bottom - h, listRect.right - comboLeft, h + 5, TRUE);
}

void ZTDlgToolSettingCommon::OnLayerChanged()
{
    CWnd* combo = GetDlgItem(kLayerComboId);
    if (!combo)
        return;
    CString text;
    combo->GetWindowText(text);
    ZTToolProperty::SetCurrentLayerName(text);
}

ZTDlgToolPanelBase* ZTDlgToolSettingCommon::Panel() const
{
    return ZTPropertyMgn::instance().getToolPanel(m_toolName.c_str());
}

void ZTDlgToolSettingCommon::PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem& item)
{
    if (ZTDlgToolPanelBase* panel = Panel())
        panel->PropertyListNotifyCB(key, item);
}

void ZTDlgToolSettingCommon::UpdateDockUIValue()
{
    if (ZTDlgToolPanelBase* panel = Panel())
        panel->_UpdateUI();
}

void ZTDlgToolSettingCommon::ShowDockUI()
{
    ZTDlgToolPanelBase* panel = Panel();
    if (!panel)
        return;
    SetDlgCaption(CString(m_caption.c_str()));
    if (!panel->m_hWnd)
        return;
    panel->_OnInitDialogUI();
    // Centred along the top of the view it floats in.
    if (CWnd* parent = panel->GetParent()) {
        CRect outer, own;
        parent->GetWindowRect(&outer);
        panel->GetWindowRect(&own);
        const int middle = (outer.left + outer.right) / 2;
        const int half = own.Width() / 2;
        CRect place(middle - half, outer.top + 2, middle + half, outer.top + 2 + own.Height());
        if (panel->GetStyle() & WS_CHILD)
            parent->ScreenToClient(&place);
        panel->MoveWindow(&place, TRUE);
    }
    RefCountedPtr<TSGraphicElement> object;
    panel->GetPanelObject(object);
    if (object.IsValid()) {
        const Utf8String className = object->GetECClassName();
        refreshPropertyList(className.c_str(), object);
        FillLayerCombo(className);
    }
    panel->ShowWindow(SW_SHOWNOACTIVATE);
}

void ZTDlgToolSettingCommon::CloseDockUI()
{
    ZTDlgToolPanelBase* panel = Panel();
    if (!panel)
        return;
    panel->_OnClosedUI();
    if (panel->m_hWnd)
        panel->ShowWindow(SW_HIDE);
    RefCountedPtr<ITSObject> temp = ZTPropertyMgn::instance().getTempObject();
    RefCountedPtr<TSBuildingElement> building = dynamic_cast<TSBuildingElement*>(temp.get());
    if (building.IsValid())
        panel->SetPanelObject(building);
}

void ZTDlgToolSettingCommon::FillLayerCombo(const Utf8String& className)
{
    std::vector<CString> layers;
    CString current;
    ZTButtonLayerSet::GetLayerVector(layers, current, className);
    CWnd* combo = GetDlgItem(kLayerComboId);
    if (!combo)
        return;
    combo->SendMessage(CB_RESETCONTENT, 0, 0);
    LRESULT selected = CB_ERR;
    for (const CString& layer : layers) {
        LRESULT index =
            combo->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(layer.GetString()));
        if (index >= 0 && layer == current)
            selected = index;
    }
    if (selected == CB_ERR)
        return;
    combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    ZTToolProperty::SetCurrentLayerName(current);
}

} // namespace zt
