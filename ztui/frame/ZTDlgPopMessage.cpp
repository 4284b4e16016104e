#include "ztui/frame/ZTDlgPopMessage.h"

#include "ztui/frame/ZTUiModule.h"
#include "ztui/frame/ZTUiResourceScope.h"
#include "ztui/frame/ZTUiResources.h"

#include <algorithm>

namespace zt {

namespace {

// Built on the first message; the library's unload destroys it.
ZTDlgPopMessage* g_instance = nullptr;

constexpr int kIconPixels = 64;
constexpr int kHoverShift = 30;
constexpr int kTopOffset = 230;
constexpr int kLineHeight = 40;
constexpr int kMultiLineExtra = 20;
constexpr int kCharactersPerLine = 12;

struct IconSlot
{
    int controlId;
    unsigned iconId;
};

// The order of m_icons.
constexpr IconSlot kSlots[] = {{ZTDlgPopMessage::kIdErrorIcon, kIconError},
                               {ZTDlgPopMessage::kIdWarningIcon, kIconWarning},
                               {ZTDlgPopMessage::kIdInfoIcon, kIconInformation}};

} // namespace

BEGIN_MESSAGE_MAP(ZTDlgPopMessage, CDialogEx)
ON_WM_SHOWWINDOW()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

ZTDlgPopMessage::ZTDlgPopMessage() : CDialogEx(IDD) {}

ZTDlgPopMessage::~ZTDlgPopMessage() = default;

ZTDlgPopMessage* ZTDlgPopMessage::Instance()
{
    if (!g_instance)
        g_instance = new ZTDlgPopMessage;
    return g_instance;
}

bool ZTDlgPopMessage::Exists() { return g_instance != nullptr; }

void ZTDlgPopMessage::DestroyInstance()
{
    ZTDlgPopMessage* dlg = std::exchange(g_instance, nullptr);
    if (!dlg)
        return;
    if (dlg->m_hWnd)
        dlg->DestroyWindow();
    delete dlg;
}

COLORREF ZTDlgPopMessage::TextColourOf(POP_MSG_TYPE type)
{
    switch (type) {
    case POP_MSG_INFO: return RGB(0, 125, 125);
    case POP_MSG_ERROR: return RGB(255, 0, 0);
    default: return RGB(0, 255, 255);
    }
}

int ZTDlgPopMessage::IconIdOf(POP_MSG_TYPE type)
{
    switch (type) {
    case POP_MSG_INFO: return kIdInfoIcon;
    case POP_MSG_ERROR: return kIdErrorIcon;
    default: return kIdWarningIcon;
    }
}

int ZTDlgPopMessage::LinesOf(const CString& text)
{
    // A line feed at the very start ends the count, as the host's layout has always done.
    int feeds = 0;
    for (int at = text.Find(L'\n', 0); at > 0; at = text.Find(L'\n', at + 1))
        ++feeds;
    int estimate = text.GetLength() / kCharactersPerLine + 1;
    return std::max(feeds, estimate);
}

int ZTDlgPopMessage::HeightFor(int lines)
{
    return (lines + 1) * kLineHeight + (lines > 1 ? kMultiLineExtra : 0);
}

BOOL ZTDlgPopMessage::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    HINSTANCE module = ZTUiModule::GetModuleHandle();
    for (std::size_t i = 0; i < std::size(kSlots); ++i) {
        CIconButton& button = m_icons[i];
        button.SubclassDlgItem(static_cast<UINT>(kSlots[i].controlId), this);
        for (CIconButton::Look look : {CIconButton::kNormal, CIconButton::kHover}) {
            auto icon = static_cast<HICON>(::LoadImageW(module, MAKEINTRESOURCEW(kSlots[i].iconId),
                                                        IMAGE_ICON, kIconPixels, kIconPixels, 0));
            button.SetLookIcon(look, icon, kIconPixels, true);
        }
        button.SetHoverShift(kHoverShift);
        button.SetLookBackground(CIconButton::kNormal, kKeyColour);
        button.SetLookBackground(CIconButton::kHover, kKeyColour);
    }
    if (CWnd* info = GetDlgItem(kIdInfoIcon))
        info->ShowWindow(SW_HIDE);
    if (CWnd* error = GetDlgItem(kIdErrorIcon))
        error->ShowWindow(SW_HIDE);
    // The one instance outlives its window when the main frame goes: a window made again
    // takes new objects, and the old ones must not stay behind.
    m_brush.DeleteObject();
    m_font.DeleteObject();
    m_brush.CreateSolidBrush(kKeyColour);
    m_font.CreateFont(32, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_TT_PRECIS,
                      CLIP_STROKE_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_SWISS, L"宋体");
    if (CWnd* textControl = GetDlgItem(kIdText))
        textControl->SetFont(&m_font);
    SetBackgroundColor(kKeyColour);
    ModifyStyleEx(0, WS_EX_LAYERED);
    SetLayeredWindowAttributes(kKeyColour, 255, LWA_COLORKEY | LWA_ALPHA);
    return TRUE;
}

void ZTDlgPopMessage::Show(const CString& text, POP_MSG_TYPE type, int durationMs)
{
    m_durationMs = durationMs;
    m_type = type;
    m_text = text;
    if (IsWindowVisible()) {
        // Showing a shown window tells it nothing, yet the new message must replace the old
        // one and its time start again.
        StartDisplay();
        return;
    }
    ShowWindow(SW_SHOWNOACTIVATE);
}

void ZTDlgPopMessage::StartDisplay()
{
    int shown = IconIdOf(m_type);
    for (const IconSlot& slot : kSlots)
        if (CWnd* icon = GetDlgItem(slot.controlId))
            icon->ShowWindow(slot.controlId == shown ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (CWnd* textControl = GetDlgItem(kIdText))
        textControl->SetWindowText(m_text);
    SetTimer(kHideTimer, static_cast<UINT>(std::max(m_durationMs, 0)));
}

void ZTDlgPopMessage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialogEx::OnShowWindow(bShow, nStatus);
    if (bShow)
        StartDisplay();
}

void ZTDlgPopMessage::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHideTimer) {
        CDialogEx::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kHideTimer);
    ShowWindow(SW_HIDE);
}

HBRUSH ZTDlgPopMessage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    bool ours = id == kIdText || id == kIdErrorIcon || id == kIdWarningIcon || id == kIdInfoIcon;
    if (!ours)
        return CDialogEx::OnCtlColor(pDC, pWnd, nCtlColor);
    if (id == kIdText)
        pDC->SetTextColor(TextColourOf(m_type));
    pDC->SetBkColor(kKeyColour);
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

} // namespace zt
