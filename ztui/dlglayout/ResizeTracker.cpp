#include "ztui/dlglayout/ResizeTracker.h"

#include <cmath>

namespace QDlgResize_Space {

namespace {

constexpr double kZeroDenominator = 1e-15;
constexpr const wchar_t* kWebViewClass = L"CustumSciterCtrl";

double Ratio(int value, int reference)
{
    double denominator = static_cast<double>(reference);
    return std::fabs(denominator) <= kZeroDenominator ? 0.0 : value / denominator;
}

} // namespace

void ResizeTracker::RecordSize(int cx, int cy)
{
    if (!m_bHasReference) {
        m_bHasReference = true;
        m_W0 = cx;
        m_H0 = cy;
        m_W = cx;
        m_H = cy;
    }
    m_prevW = m_W;
    m_prevH = m_H;
    m_W = cx;
    m_H = cy;
    m_sx = Ratio(m_W, m_W0 - m_x0);
    m_sy = Ratio(m_H, m_H0 - m_y0);
}

bool ResizeTracker::HasClass(HWND control, const wchar_t* className)
{
    wchar_t name[64] = {};
    if (!control || ::GetClassNameW(control, name, 64) <= 0)
        return false;
    return CString(name).CompareNoCase(className) == 0;
}

RowControlClass ResizeTracker::ClassOf(HWND control)
{
    if (HasClass(control, L"Button"))
        return RowControlClass::ButtonFamily;
    if (HasClass(control, L"Static"))
        return RowControlClass::Label;
    return RowControlClass::Other;
}

bool ResizeTracker::ChildRect(HWND dialog, HWND child, RECT& rect)
{
    if (!dialog || !child || !::GetWindowRect(child, &rect))
        return false;
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return true;
}

bool ResizeTracker::DesignedRect(HWND control, RECT& rect) const
{
    auto it = m_designed.find(control);
    if (it == m_designed.end())
        return false;
    rect = it->second;
    return true;
}

void ResizeTracker::LayoutIdRow(const std::vector<int>& row)
{
    HWND dialog = Dialog();
    if (!m_bEnabled || !dialog)
        return;
    std::vector<HWND> controls;
    std::vector<RowControlClass> classes;
    for (int id : row) {
        HWND h = ::GetDlgItem(dialog, id);
        controls.push_back(h);
        classes.push_back(ClassOf(h));
    }
    std::vector<EdgeRule> rules = RowPatternRules(classes);
    if (rules.size() != controls.size())
        return;
    WidthFrame frame{m_W0, m_W, m_sx};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        HWND h = controls[i];
        RECT current;
        if (!ChildRect(dialog, h, current))
            continue;
        RECT designed = m_designed.try_emplace(h, current).first->second;
        int left = 0;
        int right = 0;
        if (!ApplyEdgeRule(rules[i], designed.left, designed.right, frame, left, right))
            continue;
        if (right - left < kMinControlWidth)
            right = left + kMinControlWidth;
        int height = current.bottom - current.top;
        if (height < kMinControlHeight)
            height = kMinControlHeight;
        ::MoveWindow(h, left, current.top, right - left, height, TRUE);
    }
}

void ResizeTracker::LayoutModeRow(const zt::CtrlPairRow& row)
{
    HWND dialog = Dialog();
    if (!m_bEnabled || !dialog || row.empty())
        return;
    std::vector<HWND> controls;
    std::vector<ModeRowItem> items;
    for (const zt::CtrlModePair& pair : row) {
        HWND h = ::GetDlgItem(dialog, pair.first);
        ModeRowItem item;
        if (!ChildRect(dialog, h, item.rect))
            continue;
        item.mode = pair.second;
        item.fillsRow = HasClass(h, kWebViewClass);
        controls.push_back(h);
        items.push_back(item);
    }
    RECT client{};
    ::GetClientRect(dialog, &client);
    int number = RowNumber(row.front().first);
    ModeRowInput input{m_W, m_prevW, m_minLayoutWidth, Remainder(number), client.right};
    ModeRowResult result = QDlgResize_Space::LayoutModeRow(items, input);
    if (!result.changed)
        return;
    m_remainders[number] = result.remainder;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RECT& r = result.rects[i];
        ::MoveWindow(controls[i], r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        // A drop-down's list and edit do not follow a move by themselves.
        if (HasClass(controls[i], L"ComboBox"))
            ::InvalidateRect(controls[i], nullptr, TRUE);
    }
}

void ResizeTracker::NumberRows(const zt::CtrlPairGroups& groups)
{
    m_rowNumbers.clear();
    m_remainders.clear();
    int number = 0;
    for (const zt::CtrlPairGroup& group : groups)
        for (const zt::CtrlPairRow& row : group) {
            if (!row.empty())
                m_rowNumbers.emplace(row.front().first, number);
            ++number;
        }
}

int ResizeTracker::RowNumber(int firstId) const
{
    auto it = m_rowNumbers.find(firstId);
    return it == m_rowNumbers.end() ? -1 : it->second;
}

int ResizeTracker::Remainder(int rowNumber) const
{
    auto it = m_remainders.find(rowNumber);
    return it == m_remainders.end() ? 0 : it->second;
}

} // namespace QDlgResize_Space
