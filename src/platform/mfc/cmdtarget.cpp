#include "platform/mfc/cmdtarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

namespace mw::mfc {

const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                         UINT nID) {
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfn != nullptr; ++e) {
            if (e->nMessage == nMessage && e->nCode == nCode && nID >= e->nID &&
                nID <= e->nLastID) {
                return e;
            }
        }
    }
    return nullptr;
}

} // namespace mw::mfc

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    const auto packed = static_cast<DWORD>(nCode);
    const UINT nMsg = HIWORD(packed) == 0 ? WM_COMMAND : HIWORD(packed);
    const AFX_MSGMAP_ENTRY* e =
        mw::mfc::FindMessageEntry(GetMessageMap(), nMsg, LOWORD(packed), LOWORD(nID));
    if (e == nullptr) {
        return FALSE;
    }
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        return TRUE;
    }
    LRESULT unused = 0;
    if (nMsg == WM_NOTIFY) {
        auto* notify = static_cast<AFX_NOTIFY*>(pExtra);
        LRESULT* pResult =
            notify != nullptr && notify->pResult != nullptr ? notify->pResult : &unused;
        return e->pfn(this, 0, reinterpret_cast<LPARAM>(notify ? notify->pNMHDR : nullptr), pResult)
                   ? TRUE
                   : FALSE;
    }
    return e->pfn(this, 0, 0, &unused) ? TRUE : FALSE;
}
