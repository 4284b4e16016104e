#pragma once
// The common tool-setting dialog: one per tool, docked by the host while the tool runs. It
// shows the property list of the tool's current object with a layer selector below it, and
// drives the tool's own floating panel when the host shows, updates and closes it.

#include "platform/base/WString.h"
#include "platform/host/UpdateDockUIValueInterface.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"

namespace zt {

class ZTDlgToolPanelBase;

class ZTUI_EXPORT ZTDlgToolSettingCommon : public ZTPropertyDlg, public UpdateDockUIValueInterface
{
    DECLARE_DYNAMIC(ZTDlgToolSettingCommon)
public:
    static constexpr UINT kTemplateId = 4228;
    static constexpr UINT kLayerLabelId = 100;
    static constexpr UINT kLayerComboId = 101;

    // The tool's dialog: made on the first call for the tool name (with this caption and
    // layer row), the same object afterwards. Its window is the host's to create.
    static CDialogEx* Get(const char* toolName, const WString& caption, bool layerRow = true);

    const Utf8String& GetToolName() const { return m_toolName; }
    const WString& GetCaption() const { return m_caption; }
    bool HasLayerRow() const { return m_layerRow; }

    BOOL OnInitDialog() override;
    void PropertyListNotifyCB(long key, PropertyMgrUI::PropertyItem& item) override;

    void UpdateDockUIValue() override;
    void ShowDockUI() override;
    void CloseDockUI() override;

protected:
    ZTDlgToolSettingCommon(const char* toolName, const WString& caption, bool layerRow);
    ~ZTDlgToolSettingCommon() override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLayerChanged();
    DECLARE_MESSAGE_MAP()

private:
    ZTDlgToolPanelBase* Panel() const;
    void FillLayerCombo(const Utf8String& className);

    Utf8String m_toolName;
    WString m_caption;
    bool m_layerRow = true;
};

} // namespace zt
