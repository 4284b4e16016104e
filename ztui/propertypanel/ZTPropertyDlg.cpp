#include "ztui/propertypanel/ZTPropertyDlg.h"

#include "platform/host/TSArchElement.h"
#include "platform/host/TSObjectExtensionManager.h"
#include "ztui/propertypanel/PropertyRecordValues.h"
#include "ztui/propertypanel/WorkThreadCall.h"
#include "ztui/propertypanel/ZTPanelToolProperty.h"
#include "ztui/propertypanel/ZTPropertyMgn.h"
#include "ztui/propertypanel/ZTSelectionToolProperty.h"
#include "ztui/proplist/style/PropertyStyle.h"
#include "ztui/proplist/window/ListBoxProperty.h"

#include <algorithm>
#include <climits>

namespace zt {

using QDlgResize_Space::CtrlPairGroup;
using QDlgResize_Space::CtrlPairGroups;

namespace {

constexpr int kListMargin = 4;
constexpr int kGroupGap = 10;
// Where the search for the topmost control starts: below any dialog.
constexpr int kNoTop = 2000;
// The height the list takes when the parent has no room left for it.
constexpr int kFallbackListHeight = 100;

// Heights and offsets come from the derived dialogs and may be anything: the arithmetic on them
// is done wide and brought back into a window's range.
int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

CtrlPairGroup ListGroup()
{
    return CtrlPairGroup{{{static_cast<int>(ZTPropertyDlg::kListId), 1}}};
}

} // namespace

IMPLEMENT_DYNAMIC(ZTPropertyDlg, QDlgResize_Space::CQDockDlg)

BEGIN_MESSAGE_MAP(ZTPropertyDlg, QDlgResize_Space::CQDockDlg)
ON_WM_CREATE()
END_MESSAGE_MAP()

ZTPropertyDlg::ZTPropertyDlg(UINT nIDTemplate, CWnd* pParent) : CQDockDlg(nIDTemplate, pParent) {}

ZTPropertyDlg::~ZTPropertyDlg()
{
    m_pList.reset();
}

int ZTPropertyDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CQDockDlg::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pList = std::make_unique<ListBoxProperty>();
    m_pList->SetColumnSplit(PropertyStyle::Get().ColumnSplit());
    if (!m_pList->CreateList(CRect(0, 0, 0, 0), this, kListId)) {
        m_pList.reset();
        return 0;
    }
    m_pList->ShowWindow(SW_HIDE);
    return 0;
}

BOOL ZTPropertyDlg::OnInitDialog()
{
    return CQDockDlg::OnInitDialog();
}

void ZTPropertyDlg::PropertyListNotifyCB(long, PropertyMgrUI::PropertyItem&) {}

void ZTPropertyDlg::PlaceList(int top, int height)
{
    if (!m_pList || !m_pList->m_hWnd)
        return;
    CRect window;
    GetWindowRect(&window);
    const int listHeight = ClampToInt(std::max(0LL, static_cast<long long>(height) - kListMargin));
    m_pList->MoveWindow(kListMargin, top, window.Width() - 2 * kListMargin, listHeight, TRUE);
    m_pList->ShowWindow(SW_SHOWNOACTIVATE);
}

void ZTPropertyDlg::ForEachControl(const CtrlPairGroups& groups,
                                   const std::function<void(HWND, const RECT&)>& visit) const
{
    if (!m_hWnd)
        return;
    for (const CtrlPairGroup& group : groups)
        for (const auto& row : group)
            for (const auto& [id, mode] : row) {
                HWND control = ::GetDlgItem(m_hWnd, id);
                RECT rect;
                if (control && QDlgResize_Space::ResizeTracker::ChildRect(m_hWnd, control, rect))
                    visit(control, rect);
            }
}

void ZTPropertyDlg::MoveControlsDown(const CtrlPairGroups& groups, int dy)
{
    ForEachControl(groups, [dy](HWND control, const RECT& r) {
        ::MoveWindow(control, r.left, ClampToInt(static_cast<long long>(r.top) + dy),
                     r.right - r.left, r.bottom - r.top, TRUE);
    });
}

void ZTPropertyDlg::SetGroupsPairOnlyPropertyList()
{
    if (!m_hWnd)
        return;
    CRect window;
    GetWindowRect(&window);
    PlaceList(0, window.Height());
    SetGroupsPair({ListGroup()});
}

void ZTPropertyDlg::SetGroupsPairBeforePropertyList(CtrlPairGroups groups, int height)
{
    if (!m_hWnd)
        return;
    int bottom = 0;
    ForEachControl(groups, [&](HWND, const RECT& r) { bottom = std::max<int>(bottom, r.bottom); });
    int top = bottom == 0 ? 0 : bottom + kGroupGap;
    if (height < 1) {
        if (CWnd* parent = GetParent()) {
            CRect parentRect;
            parent->GetWindowRect(&parentRect);
            height = parentRect.Height() - top;
            if (height < 1)
                height = kFallbackListHeight;
        }
    }
    PlaceList(top, height);
    groups.push_back(ListGroup());
    SetGroupsPair(groups);
}

void ZTPropertyDlg::SetGroupsPairAfterPropertyList(CtrlPairGroups groups, int height)
{
    if (!m_hWnd)
        return;
    PlaceList(0, height);
    int top = kNoTop;
    ForEachControl(groups, [&](HWND, const RECT& r) { top = std::min<int>(top, r.top); });
    const long long below = static_cast<long long>(height) + kGroupGap;
    if (top != kNoTop && top != below)
        MoveControlsDown(groups, ClampToInt(below - top));
    groups.insert(groups.begin(), ListGroup());
    SetGroupsPair(groups);
}

void ZTPropertyDlg::SetGroupsPairArroundPropertyList(const CtrlPairGroup& before, int height,
                                                     const CtrlPairGroup& after)
{
    if (!m_hWnd)
        return;
    int bottom = 0;
    ForEachControl({before},
                   [&](HWND, const RECT& r) { bottom = std::max<int>(bottom, r.bottom); });
    int top = bottom + kGroupGap;
    PlaceList(top, height);
    int afterTop = kNoTop;
    ForEachControl({after},
                   [&](HWND, const RECT& r) { afterTop = std::min<int>(afterTop, r.top); });
    const long long target = static_cast<long long>(top) + height - kListMargin + kGroupGap;
    if (afterTop != kNoTop && afterTop != target)
        MoveControlsDown({after}, ClampToInt(target - afterTop));
    SetGroupsPair({before, ListGroup(), after});
}

ZTPropertyDlg* ZTPropertyDlg::DialogOf(PropertyList_imp& listModel)
{
    auto* window = dynamic_cast<ListBoxProperty*>(listModel.view());
    if (!window || !window->m_hWnd)
        return nullptr;
    CWnd* parent = CWnd::FromHandlePermanent(::GetParent(window->m_hWnd));
    return dynamic_cast<ZTPropertyDlg*>(parent);
}

void ZTPropertyDlg::FillCollector(ZTPanelToolProperty& tool, RefCountedPtr<ITSObject> obj)
{
    ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
    ZTPropertyContext& context = mgn.context();
    if (m_pList && m_pList->m_hWnd) {
        PropertyMgrUI::GroupStateMap states;
        context.listModel->collectGroupStates(states);
        mgn.recordGroups(tool.GroupKeyPrefix(), states);
    }
    context.collector->clear();
    context.collector->setTool(&tool);
    tool.OnPropertyListGet(obj, *context.collector);
}

void ZTPropertyDlg::refreshPropertyList(const char* name, RefCountedPtr<TSGraphicElement> element)
{
    if (element.IsNull())
        return;
    Utf8String toolName(name);
    RunOnWorkThread(L"property list fill", [this, toolName, element] {
        ZTPropertyMgn::instance().setTempObject(element.get());
        RefCountedPtr<ITSObject> obj = element.get();
        // The tool lists a copy: listing may not change the element the edits go to.
        if (auto* arch = dynamic_cast<TSArchElement*>(element.get())) {
            TSGraphicElementPtr copy;
            if (arch->Copy(copy) && copy.IsValid())
                obj = copy.get();
        }
        RefCountedPtr<ZTPanelToolProperty> tool = ZTPanelToolProperty::For(toolName.c_str());
        if (tool.IsNull())
            return;
        FillCollector(*tool, obj);
    });
    ShowCollected();
}

void ZTPropertyDlg::refreshSelectionPropertyList(const bvector<ElementRef*>& elements)
{
    if (elements.size() == 1) {
        RefCountedPtr<ITSObject> obj =
            TSObjectExtensionManager::Get().GetTSObject(elements.front());
        RefCountedPtr<TSGraphicElement> element = dynamic_cast<TSGraphicElement*>(obj.get());
        if (element.IsValid())
            refreshPropertyList(element->GetECClassName().c_str(), element);
        return;
    }
    RunOnWorkThread(L"selection property list fill", [this, elements] {
        ZTPropertyMgn& mgn = ZTPropertyMgn::instance();
        RefCountedPtr<ZTSelectionToolProperty> selection =
            ZTSelectionToolProperty::Create(elements);
        if (selection.IsNull()) {
            // Nothing selected (or nothing with properties): the panel shows nothing.
            mgn.setTempObject(nullptr);
            mgn.context().collector->clear();
            mgn.context().collector->setTool(nullptr);
            return;
        }
        RefCountedPtr<ITSObject> first = TSObjectExtensionManager::Get().GetTSObject(
            selection->GetParts().front().elements.front());
        mgn.setTempObject(first);
        FillCollector(*selection, first);
    });
    ShowCollected();
}

void ZTPropertyDlg::ShowCollected()
{
    if (!m_pList || !m_pList->m_hWnd)
        return;
    ZTPropertyContext& context = ZTPropertyMgn::instance().context();
    PropertyList_imp& model = *context.listModel;
    // The model is shared: a list window of another dialog that showed it lets it go first.
    auto* previous = dynamic_cast<ListBoxProperty*>(model.view());
    if (previous && previous != m_pList.get())
        previous->SetList(nullptr);
    m_pList->SetList(&model);

    SendMessage(WM_SETREDRAW, FALSE, 0);
    int scroll = m_pList->GetScrollPos(SB_VERT);
    int count = m_pList->GetCount();

    model.clear();
    const std::vector<ZTProperyListImpl::Group>& groups = context.collector->groups();
    for (ZTProperyListImpl::Entry& entry : context.collector->items()) {
        const ZTProperyListImpl::Group& group = groups[static_cast<std::size_t>(entry.group)];
        PropertyMgrUI::PropertyItem* item =
            model.addItem(group.name.c_str(), group.expanded, entry.record.getName().c_str(),
                          PropertyRecordValues::CopyBitmap(entry.record.getHeadBitmap()));
        item->setTag(static_cast<int>(entry.group * kTagGroupFactor + entry.key));
        SetValue(entry.record, *item);
    }
    model.refresh();

    if (scroll > 0 && m_pList->GetCount() == count) {
        m_pList->SetScrollPos(SB_VERT, scroll);
        m_pList->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scroll), 0);
    }
    SendMessage(WM_SETREDRAW, TRUE, 0);
    m_pList->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

} // namespace zt
