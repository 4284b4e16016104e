#include "platform/host/RibbonBar.h"

#include "platform/base/Encoding.h"
#include "platform/cad/MessageSender.h"

namespace zt::host {

namespace {

constexpr int kCaptionHeight = 18;
// How much of the background covers a disabled button's icon.
constexpr BYTE kDisabledVeil = 170;

std::wstring ButtonIdOf(const JsonMessage& message)
{
    const Json::Value& v = message.GetValue();
    return v.isString() ? zt::base::Utf8ToWide(v.asString()) : std::wstring();
}

} // namespace

IMPLEMENT_DYNAMIC(RibbonBar, CWnd)

BEGIN_MESSAGE_MAP(RibbonBar, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL RibbonBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam && m_onControl) {
        // Copied first: the handler may replace itself.
        auto handler = m_onControl;
        handler(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

RibbonBar::RibbonBar() = default;

RibbonBar::~RibbonBar() { StopListening(); }

BOOL RibbonBar::Create(CWnd* parent, UINT id)
{
    CRect rc(0, 0, 100, kHeight);
    if (!CWnd::Create(nullptr, L"Ribbon", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc, parent,
                      id))
        return FALSE;
    // The messages come from tools on either thread; the message hub delivers them on the
    // user-interface thread, where the bar lives.
    MessageSender& hub = MessageSender::Get();
    m_receivers.push_back(hub.AddReceiver(
        MessageSide::UserInterface, "Tessel.Message.EnableButton",
        [this](const JsonMessage& m) { SetButtonEnabled(ButtonIdOf(m), true); }));
    m_receivers.push_back(hub.AddReceiver(
        MessageSide::UserInterface, "Tessel.Message.DisableButton",
        [this](const JsonMessage& m) { SetButtonEnabled(ButtonIdOf(m), false); }));
    return TRUE;
}

void RibbonBar::StopListening()
{
    for (std::uint64_t id : m_receivers)
        MessageSender::Get().DropReceiver(id);
    m_receivers.clear();
}

void RibbonBar::OnDestroy()
{
    StopListening();
    CWnd::OnDestroy();
}

void RibbonBar::SetButtons(std::vector<RibbonButton> buttons)
{
    m_buttons = std::move(buttons);
    m_hot = m_pressed = -1;
    if (m_hWnd)
        Invalidate(FALSE);
}

int RibbonBar::FindButton(const std::wstring& id) const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].id == id)
            return static_cast<int>(i);
    return -1;
}

bool RibbonBar::SetButtonEnabled(const std::wstring& id, bool enabled)
{
    int index = FindButton(id);
    if (index < 0)
        return false;
    RibbonButton& b = m_buttons[static_cast<std::size_t>(index)];
    if (b.enabled != enabled) {
        b.enabled = enabled;
        if (!enabled && m_pressed == index)
            m_pressed = -1;
        InvalidateButton(index);
    }
    return true;
}

bool RibbonBar::IsButtonEnabled(const std::wstring& id) const
{
    int index = FindButton(id);
    return index >= 0 && m_buttons[static_cast<std::size_t>(index)].enabled;
}

CRect RibbonBar::GetButtonRect(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_buttons.size()))
        return CRect();
    int left = 4 + index * kButtonWidth;
    return CRect(left, 2, left + kButtonWidth - 2, kHeight - 3);
}

int RibbonBar::HitTest(CPoint point) const
{
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i)
        if (GetButtonRect(i).PtInRect(point))
            return i;
    return -1;
}

void RibbonBar::InvalidateButton(int index)
{
    if (!m_hWnd || index < 0)
        return;
    CRect rc = GetButtonRect(index);
    InvalidateRect(&rc, FALSE);
}

void RibbonBar::SetHot(int index)
{
    if (index == m_hot)
        return;
    InvalidateButton(m_hot);
    m_hot = index;
    InvalidateButton(m_hot);
}

BOOL RibbonBar::OnEraseBkgnd(CDC*) { return TRUE; }

void RibbonBar::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kBackground);
    dc.FillSolidRect(client.left, client.bottom - 1, client.Width(), 1, RGB(200, 200, 200));

    CFont* oldFont = dc.SelectObject(CFont::FromHandle(
        static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i) {
        const RibbonButton& b = m_buttons[static_cast<std::size_t>(i)];
        CRect rc = GetButtonRect(i);
        if (b.enabled && i == m_pressed && i == m_hot)
            dc.FillSolidRect(&rc, kPressed);
        else if (b.enabled && i == m_hot)
            dc.FillSolidRect(&rc, kHover);
        int iconX = rc.left + (rc.Width() - kIconSize) / 2;
        int iconY = rc.top + 6;
        if (b.icon) {
            ::DrawIconEx(dc.GetSafeHdc(), iconX, iconY, b.icon, kIconSize, kIconSize, 0,
                         nullptr, DI_NORMAL);
            if (!b.enabled) {
                // The icon fades into the bar, as disabled ribbon commands do.
                CDC veil;
                CBitmap pixel;
                veil.CreateCompatibleDC(&dc);
                pixel.CreateCompatibleBitmap(&dc, 1, 1);
                CBitmap* old = veil.SelectObject(&pixel);
                veil.FillSolidRect(0, 0, 1, 1, kBackground);
                dc.AlphaBlend(iconX, iconY, kIconSize, kIconSize, &veil, 0, 0, 1, 1,
                              BLENDFUNCTION{AC_SRC_OVER, 0, kDisabledVeil, 0});
                veil.SelectObject(old);
            }
        }
        CRect text(rc.left, rc.bottom - kCaptionHeight - 2, rc.right, rc.bottom - 2);
        dc.SetTextColor(b.enabled ? RGB(32, 32, 32) : RGB(160, 160, 160));
        dc.DrawText(b.caption.c_str(), static_cast<int>(b.caption.size()), &text,
                    DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    dc.SelectObject(oldFont);
}

void RibbonBar::OnMouseMove(UINT, CPoint point)
{
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        m_tracking = ::TrackMouseEvent(&track) != FALSE;
    }
    SetHot(HitTest(point));
}

void RibbonBar::OnMouseLeave()
{
    m_tracking = false;
    SetHot(-1);
}

void RibbonBar::OnLButtonDown(UINT, CPoint point)
{
    int index = HitTest(point);
    if (index < 0 || !m_buttons[static_cast<std::size_t>(index)].enabled)
        return;
    m_pressed = index;
    SetCapture();
    InvalidateButton(index);
}

void RibbonBar::OnLButtonUp(UINT, CPoint point)
{
    int pressed = m_pressed;
    m_pressed = -1;
    if (GetCapture() == this)
        ReleaseCapture();
    InvalidateButton(pressed);
    // A command runs when the button is released over the button it was pressed on.
    if (pressed < 0 || HitTest(point) != pressed)
        return;
    const RibbonButton& b = m_buttons[static_cast<std::size_t>(pressed)];
    if (b.enabled && m_onClick)
        m_onClick(std::wstring(b.id));
}

} // namespace zt::host
