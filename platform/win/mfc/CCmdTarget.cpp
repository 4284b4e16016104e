#include "platform/win/mfc/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
            if (e->nMessage == ZT_AFX_REGISTERED) {
                if (e->nSig && *reinterpret_cast<const UINT*>(e->nSig) == message && message != 0)
                    return e;
                continue;
            }
            if (e->nMessage == message && e->nCode == code && id >= e->nID && id <= e->nLastID)
                return e;
        }
        if (map->pfnGetBaseMap == nullptr)
            break;
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The message is in the high word of nCode for notifications, as the class library packs it;
    // a plain code means WM_COMMAND.
    UINT message = HIWORD(static_cast<DWORD>(nCode));
    UINT code = LOWORD(static_cast<DWORD>(nCode));
    if (message == 0)
        message = WM_COMMAND;
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
            if (e->nMessage != message || e->nCode != code || nID < e->nID || nID > e->nLastID)
                continue;
            if (pHandlerInfo) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pEntry = e;
                return TRUE;
            }
            LRESULT result = 0;
            LRESULT* resultSlot = &result;
            WPARAM wParam = MAKEWPARAM(nID, code);
            LPARAM lParam = reinterpret_cast<LPARAM>(pExtra);
            if (message == WM_NOTIFY || message == WM_REFLECT_BASE + WM_NOTIFY) {
                if (auto* extra = static_cast<AFX_NOTIFY*>(pExtra)) {
                    lParam = reinterpret_cast<LPARAM>(extra->pNMHDR);
                    if (extra->pResult)
                        resultSlot = extra->pResult;
                }
            }
            if (e->pfn(this, e, wParam, lParam, resultSlot))
                return TRUE;
        }
        if (map->pfnGetBaseMap == nullptr)
            break;
    }
    return FALSE;
}
