#pragma once
// The reference host's property panel: the library's property dialog in the dock pane titled
// "属性", its list filling the pane whatever the pane's size. It shows the selection: each
// change of the selection, or of a selected element (an edit, an undo), refreshes it once the
// change is done, on the user-interface thread, and has the selection's tool fill the host's
// layer box with the selection's layer.

#include "platform/cad/IElementChangeListener.h"
#include "platform/cad/SelectionSetManager.h"
#include "ztui/propertypanel/ZTPropertyDlg.h"
#include "ztui/propertypanel/ZTToolProperty.h"

#include <atomic>
#include <memory>

namespace ztdemo {

class DemoPropertyPanel : public zt::ZTPropertyDlg,
                          private ISelectionListener,
                          private IElementChangeListener
{
public:
    // The panel's dialog template, among the host's own resources.
    static constexpr UINT kTemplateId = 4230;

    DemoPropertyPanel();
    ~DemoPropertyPanel() override;

    // Creates the dialog in the pane and starts following the selection.
    bool CreateIn(CDockablePane& pane);
    // Stops following the selection and destroys the window.
    void Close();
    // Refreshes from the selection now.
    void ShowSelection();

    // The library's tool property interface of the element's class, or null.
    static zt::ZTToolProperty* ToolOf(ElementRef* element);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void OnSelectionChanged(SelectionSetAction action,
                            const bvector<ElementRef*>& elements) override;
    void OnElementAdded(ElementRef&) override {}
    void OnElementChanged(ElementRef& element) override;
    void OnElementDeleted(ElementRef& element) override;
    // Many changes in a row make one refresh.
    void RequestRefresh();

    bool m_following = false;
    // Shared with the refreshes queued on the user-interface thread, which do nothing once the
    // panel has stopped following.
    struct Pending
    {
        std::atomic<bool> queued{false};
        std::atomic<bool> alive{true};
    };
    std::shared_ptr<Pending> m_pending = std::make_shared<Pending>();
};

} // namespace ztdemo
