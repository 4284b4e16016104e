#include "ztui/frame/ZTUiMgn.h"

#include "platform/base/Encoding.h"
#include "platform/cad/AbstractUiStateManager.h"
#include "platform/cad/MessageSender.h"
#include "platform/host/Executors.h"
#include "platform/host/MainFrame.h"
#include "ztui/frame/ZTDlgPopMessage.h"
#include "ztui/frame/ZTUiResourceScope.h"

#include <algorithm>

namespace zt {

namespace {

constexpr const char* kEnableButton = "Tessel.Message.EnableButton";
constexpr const char* kDisableButton = "Tessel.Message.DisableButton";
constexpr const char* kKeyDelay = "Popmsg.Delay.Time";
constexpr const char* kKeyType = "Popmsg.Type";
constexpr const char* kKeyInfo = "Popmsg.Info";

void SendButton(const char* name, const CString& id)
{
    MessageSender::Get().Send(
        JsonMessage(name, Json::Value(zt::base::WideToUtf8(id.GetString())), false));
}

bool Contains(const std::vector<CString>& ids, const CString& id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// Reads the hand-over the work thread left in the UI state; the later of two queued
// hand-overs wins, since both read the same keys.
class PopMessageHandOver : public CallableObj
{
public:
    void operator()() override
    {
        AbstractUiStateManager& state = AbstractUiStateManager::Get();
        int delay = state.GetInt(kKeyDelay, 2000);
        int type = state.GetInt(kKeyType, POP_MSG_INFO);
        Utf8String info = state.GetString(kKeyInfo, Utf8String());
        CString text(zt::base::Utf8ToWide(info).c_str());
        ZTUiMgn::PopMessage(text, static_cast<POP_MSG_TYPE>(type), delay);
    }
};

} // namespace

ZTUiMgn& ZTUiMgn::instance()
{
    static ZTUiMgn mgn;
    return mgn;
}

ZTUiMgn::ZTUiMgn() = default;

ZTUiMgn::~ZTUiMgn()
{
    ribbonButtons.clear();
}

void ZTUiMgn::enableRibbonButton(std::vector<CString>& ids)
{
    for (const CString& id : ids)
        SendButton(kEnableButton, id);
}

void ZTUiMgn::disableRibbonButton(std::vector<CString>& ids)
{
    for (const CString& id : ids)
        SendButton(kDisableButton, id);
}

void ZTUiMgn::enableRibbonButtonOnly(std::vector<CString>& ids)
{
    for (const CString& id : ribbonButtons)
        SendButton(Contains(ids, id) ? kEnableButton : kDisableButton, id);
}

void ZTUiMgn::disableRibbonButtonOnly(std::vector<CString>& ids)
{
    for (const CString& id : ribbonButtons)
        SendButton(Contains(ids, id) ? kDisableButton : kEnableButton, id);
}

void ZTUiMgn::PopMessage(const CString& text, POP_MSG_TYPE type, int durationMs)
{
    CWnd* frame = getMainFrameWnd();
    if (!frame || !frame->m_hWnd)
        return;
    ZTDlgPopMessage* dlg = ZTDlgPopMessage::Instance();
    if (!dlg->m_hWnd) {
        ZTUiResourceScope resources;
        if (!dlg->Create(ZTDlgPopMessage::IDD, nullptr))
            return;
        dlg->ModifyStyleEx(0, WS_EX_TRANSPARENT | WS_EX_NOACTIVATE);
    }
    CRect f;
    CRect d;
    frame->GetWindowRect(&f);
    dlg->GetWindowRect(&d);
    int lines = ZTDlgPopMessage::LinesOf(text);
    int top = f.top + 230;
    int left = f.left + (f.Width() / 2 - d.Width() / 2);
    dlg->MoveWindow(left, top, d.Width(), ZTDlgPopMessage::HeightFor(lines), TRUE);
    dlg->Show(text, type, durationMs);
}

void ZTUiMgn::PopMessageWorkThread(const CString& text, POP_MSG_TYPE type, int durationMs)
{
    AbstractUiStateManager& state = AbstractUiStateManager::Get();
    state.SetValue(kKeyDelay, durationMs);
    state.SetValue(kKeyType, static_cast<int>(type));
    state.SetValue(kKeyInfo, Utf8String(zt::base::WideToUtf8(text.GetString())));
    auto* call = new PopMessageHandOver;
    FuncCall::ToCallOnUITread(call);
    call->Release();
}

void ZTUiUtil::setWindowTitle(const WString& title)
{
    auto* frame = dynamic_cast<CFrameWnd*>(getMainFrameWnd());
    CDocument* doc = frame ? frame->GetActiveDocument() : nullptr;
    if (!doc)
        return;
    doc->m_strTitle = title.c_str();
    doc->SetTitle(title.c_str());
    frame->Invalidate(TRUE);
}

} // namespace zt
