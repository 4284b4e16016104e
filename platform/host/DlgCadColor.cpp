#include "platform/host/DlgCadColor.h"

#include "platform/win/resources/ResourceModule.h"

#include <cmath>
#include <mutex>

BEGIN_MESSAGE_MAP(DlgCadColor, CDialog)
ON_CONTROL(CadColorPalette::kSelChange, DlgCadColor::IDC_STANDARD, OnStandardPicked)
ON_CONTROL(CadColorPalette::kSelChange, DlgCadColor::IDC_MORE, OnMorePicked)
ON_CONTROL(CadColorPalette::kDoubleClick, DlgCadColor::IDC_STANDARD, OnSwatchDoubleClicked)
ON_CONTROL(CadColorPalette::kDoubleClick, DlgCadColor::IDC_MORE, OnSwatchDoubleClicked)
ON_CONTROL(EN_CHANGE, DlgCadColor::IDC_RED, OnChannelChanged)
ON_CONTROL(EN_CHANGE, DlgCadColor::IDC_GREEN, OnChannelChanged)
ON_CONTROL(EN_CHANGE, DlgCadColor::IDC_BLUE, OnChannelChanged)
END_MESSAGE_MAP()

namespace {

constexpr UINT kTemplateId = 30001;
constexpr int kChannelDigits = 3;

std::mutex g_mutex;
DlgCadColor::Responder& TheResponder()
{
    static auto* responder = new DlgCadColor::Responder();
    return *responder;
}

// The picker's resources live in a module of their own, so that no host or extension module
// can shadow its template. Any address inside this library names it uniquely.
HINSTANCE PickerModule()
{
    static const char anchor = 0;
    return reinterpret_cast<HINSTANCE>(const_cast<char*>(&anchor));
}

zt::win::DialogTemplate PickerTemplate()
{
    const wchar_t* cell = CadColorPalette::WindowClass();
    zt::win::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.cx = 230;
    t.cy = 182;
    t.title = L"选择颜色";
    t.fontName = L"MS Shell Dlg";
    t.pointSize = 9;
    t.AddItem(L"Static", L"标准颜色(&S):", IDC_STATIC, SS_LEFT, 7, 7, 120, 9);
    t.AddItem(cell, L"", DlgCadColor::IDC_STANDARD, WS_TABSTOP | WS_GROUP, 7, 17, 216, 24);
    t.AddItem(L"Static", L"更多颜色(&M):", IDC_STATIC, SS_LEFT, 7, 45, 120, 9);
    t.AddItem(cell, L"", DlgCadColor::IDC_MORE, WS_TABSTOP | WS_GROUP, 7, 55, 216, 72);
    t.AddItem(L"Static", L"自定义颜色:", IDC_STATIC, SS_LEFT, 7, 131, 120, 9);
    const DWORD number = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER;
    const struct
    {
        const wchar_t* label;
        int id;
        short x;
    } channels[] = {{L"红(&R):", DlgCadColor::IDC_RED, 7},
                    {L"绿(&G):", DlgCadColor::IDC_GREEN, 59},
                    {L"蓝(&B):", DlgCadColor::IDC_BLUE, 111}};
    for (const auto& c : channels) {
        t.AddItem(L"Static", c.label, IDC_STATIC, SS_LEFT, c.x, 146, 22, 9);
        t.AddItem(L"Edit", L"", c.id, number | (c.id == DlgCadColor::IDC_RED ? WS_GROUP : 0),
                  static_cast<short>(c.x + 22), 144, 26, 12);
    }
    t.AddItem(cell, L"", DlgCadColor::IDC_PREVIEW, 0, 167, 131, 56, 26);
    t.AddItem(L"Button", L"确定", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 119, 162, 50, 14);
    t.AddItem(L"Button", L"取消", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 173, 162, 50, 14);
    return t;
}

COLORREF FromHsv(double hue, double saturation, double value)
{
    double c = value * saturation;
    double h = std::fmod(hue, 360.0) / 60.0;
    double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0:
        r = c, g = x;
        break;
    case 1:
        r = x, g = c;
        break;
    case 2:
        g = c, b = x;
        break;
    case 3:
        g = x, b = c;
        break;
    case 4:
        r = x, b = c;
        break;
    default:
        r = c, b = x;
        break;
    }
    double m = value - c;
    auto channel = [m](double v) { return static_cast<BYTE>(std::lround((v + m) * 255.0)); };
    return RGB(channel(r), channel(g), channel(b));
}

std::optional<int> ParseChannel(const CString& text)
{
    CString t = text;
    t.Trim();
    if (t.IsEmpty() || t.GetLength() > kChannelDigits)
        return std::nullopt;
    int value = 0;
    for (int i = 0; i < t.GetLength(); ++i) {
        if (t[i] < L'0' || t[i] > L'9')
            return std::nullopt;
        value = value * 10 + (t[i] - L'0');
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

} // namespace

DlgCadColor::DlgCadColor(COLORREF initialColor, CWnd* pParent)
    : CDialog(kTemplateId, pParent), m_initial(initialColor & 0xFFFFFF),
      m_color(initialColor & 0xFFFFFF)
{}

const std::array<COLORREF, 9>& DlgCadColor::StandardColors()
{
    // The first nine colours of the CAD colour index.
    static const std::array<COLORREF, 9> colors{
        RGB(255, 0, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),     RGB(0, 255, 255),  RGB(0, 0, 255),
        RGB(255, 0, 255), RGB(255, 255, 255), RGB(128, 128, 128), RGB(192, 192, 192)};
    return colors;
}

const std::vector<COLORREF>& DlgCadColor::MoreColors()
{
    static const std::vector<COLORREF> colors = [] {
        // Pale, light, pure, dark and deep versions of twelve hues, then a grey ramp.
        const struct
        {
            double saturation;
            double value;
        } rows[] = {{0.25, 1.0}, {0.5, 1.0}, {1.0, 1.0}, {1.0, 0.75}, {1.0, 0.5}};
        std::vector<COLORREF> all;
        for (const auto& row : rows)
            for (int i = 0; i < kMoreColumns; ++i)
                all.push_back(FromHsv(i * 360.0 / kMoreColumns, row.saturation, row.value));
        for (int i = 0; i < kMoreColumns; ++i) {
            auto grey = static_cast<BYTE>(std::lround(i * 255.0 / (kMoreColumns - 1)));
            all.push_back(RGB(grey, grey, grey));
        }
        return all;
    }();
    return colors;
}

void DlgCadColor::SetResponder(Responder responder)
{
    std::lock_guard lock(g_mutex);
    TheResponder() = std::move(responder);
}

INT_PTR DlgCadColor::DoModal()
{
    Responder responder;
    {
        std::lock_guard lock(g_mutex);
        responder = TheResponder();
    }
    m_color = m_initial;
    if (responder) {
        HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
        Answer answer;
        try {
            answer = responder(m_initial, parent);
        } catch (...) {
            answer = Answer{};
        }
        if (answer.result != IDOK)
            return IDCANCEL;
        m_color = answer.color & 0xFFFFFF;
        return IDOK;
    }
    HINSTANCE module = PickerModule();
    zt::win::ResourceModule::AddDialog(module, MAKEINTRESOURCEW(kTemplateId), PickerTemplate());
    HINSTANCE saved = AfxGetResourceHandle();
    AfxSetResourceHandle(module);
    INT_PTR result = CDialog::DoModal();
    AfxSetResourceHandle(saved);
    if (result != IDOK)
        m_color = m_initial;
    return result;
}

BOOL DlgCadColor::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The placeholders of the template become the grids and the preview.
    m_standard.SubclassDlgItem(IDC_STANDARD, this);
    m_more.SubclassDlgItem(IDC_MORE, this);
    m_preview.SubclassDlgItem(IDC_PREVIEW, this);
    m_standard.SetColors({StandardColors().begin(), StandardColors().end()},
                         static_cast<int>(StandardColors().size()));
    m_more.SetColors(MoreColors(), kMoreColumns);
    for (int id : {IDC_RED, IDC_GREEN, IDC_BLUE})
        SendDlgItemMessage(id, EM_LIMITTEXT, kChannelDigits, 0);
    ShowColor(true);
    // The keyboard starts in the grid that holds the colour, else in the standard one.
    GotoDlgCtrl(m_more.Selection() >= 0 && m_standard.Selection() < 0 ? &m_more : &m_standard);
    return FALSE;
}

void DlgCadColor::SelectColor(COLORREF color)
{
    m_color = color & 0xFFFFFF;
    if (m_hWnd)
        ShowColor(true);
}

void DlgCadColor::ShowColor(bool writeFields)
{
    m_standard.SelectColor(m_color);
    m_more.SelectColor(m_color);
    m_preview.SetColors(m_color, m_initial);
    if (!writeFields)
        return;
    m_writingFields = true;
    SetDlgItemInt(IDC_RED, GetRValue(m_color), FALSE);
    SetDlgItemInt(IDC_GREEN, GetGValue(m_color), FALSE);
    SetDlgItemInt(IDC_BLUE, GetBValue(m_color), FALSE);
    m_writingFields = false;
}

std::optional<COLORREF> DlgCadColor::ColorFromFields() const
{
    int values[3];
    int ids[3] = {IDC_RED, IDC_GREEN, IDC_BLUE};
    for (int i = 0; i < 3; ++i) {
        CString text;
        GetDlgItemText(ids[i], text);
        std::optional<int> v = ParseChannel(text);
        if (!v)
            return std::nullopt;
        values[i] = *v;
    }
    return RGB(values[0], values[1], values[2]);
}

void DlgCadColor::OnStandardPicked()
{
    m_color = m_standard.SelectedColor();
    ShowColor(true);
}

void DlgCadColor::OnMorePicked()
{
    m_color = m_more.SelectedColor();
    ShowColor(true);
}

void DlgCadColor::OnSwatchDoubleClicked()
{
    OnOK();
}

void DlgCadColor::OnChannelChanged()
{
    if (m_writingFields)
        return;
    // What the user typed is never rewritten: a number out of range simply does not change
    // the colour until it describes one again.
    if (std::optional<COLORREF> c = ColorFromFields()) {
        m_color = *c;
        ShowColor(false);
    }
}

void DlgCadColor::OnOK()
{
    EndDialog(IDOK);
}

void DlgCadColor::OnCancel()
{
    m_color = m_initial;
    EndDialog(IDCANCEL);
}
