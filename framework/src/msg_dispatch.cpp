// Message map lookup and dispatch. A lookup walks the class's map and its bases' maps once;
// the result (found or not) is kept in a per-thread direct-mapped cache keyed by the map
// and the message, so repeated messages cost one hash probe.
#include <afxwin.h>

#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}};
    static const AFX_MSGMAP map = {NULL, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

struct CacheSlot {
    const AFX_MSGMAP* pMap;
    UINT nMsg, nCode, nID;
    const AFX_MSGMAP_ENTRY* pEntry; // NULL: no handler in the chain
};

const UINT kCacheSlots = 1024; // a power of two

struct MessageCache {
    CacheSlot slots[kCacheSlots];
};

CacheSlot* Cache()
{
    return AfxPerThread<MessageCache>().slots;
}

bool Matches(const AFX_MSGMAP_ENTRY& e, UINT nMsg, UINT nCode, UINT nID)
{
    return e.nMessage == nMsg && e.nCode == nCode && nID >= e.nID && nID <= e.nLastID;
}

const AFX_MSGMAP_ENTRY* Search(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e)
            if (Matches(*e, nMsg, nCode, nID))
                return e;
        if (pMap->pfnGetBaseMap == NULL)
            break;
    }
    return NULL;
}

} // namespace

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    if (pMap == NULL)
        return NULL;
    const UINT_PTR h = ((UINT_PTR)pMap >> 4) ^ (nMsg * 2654435761u) ^ (nCode << 7) ^ (nID << 13);
    CacheSlot& slot = Cache()[(h ^ (h >> 16)) & (kCacheSlots - 1)];
    if (slot.pMap == pMap && slot.nMsg == nMsg && slot.nCode == nCode && slot.nID == nID)
        return slot.pEntry;
    const AFX_MSGMAP_ENTRY* pEntry = Search(pMap, nMsg, nCode, nID);
    slot = {pMap, nMsg, nCode, nID, pEntry};
    return pEntry;
}

// --- calling a handler by its signature ----------------------------------------------
union MessageMapFunctions {
    AFX_PMSG pfn;
    void (CCmdTarget::*pfn_vv)();
    BOOL (CCmdTarget::*pfn_bv)();
    UINT (CWnd::*pfn_uv)();
    void (CCmdTarget::*pfn_vw)(UINT);
    LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
    int (CWnd::*pfn_is)(LPCREATESTRUCT);
    void (CWnd::*pfn_vwii)(UINT, int, int);
    void (CWnd::*pfn_vii)(int, int);
    void (CWnd::*pfn_vt)(UINT_PTR);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
    BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_vW)(CWnd*);
    void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (CWnd::*pfn_vwwx)(UINT, UINT, CScrollBar*);
    BOOL (CWnd::*pfn_bD)(CDC*);
    void (CWnd::*pfn_vb)(BOOL);
    void (CWnd::*pfn_vbw)(BOOL, UINT);
    void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (CWnd::*pfn_vbh)(BOOL, DWORD);
    int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    LRESULT (CWnd::*pfn_lp)(CPoint);
    HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
    void (CWnd::*pfn_vOWNER)(int, LPVOID);
    void (CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (CWnd::*pfn_vMMI)(MINMAXINFO*);
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (CWnd::*pfn_vwl)(UINT, LPARAM);
    void (CCmdTarget::*pfn_vNMHDRpl)(NMHDR*, LRESULT*);
    BOOL (CCmdTarget::*pfn_bNMHDRpl)(NMHDR*, LRESULT*);
};

namespace {

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Messages whose lParam or item structure names a child control that may handle them.
HWND ChildOf(UINT message, WPARAM wParam, LPARAM lParam, HWND hWndParent)
{
    switch (message) {
    case WM_DRAWITEM:
        return wParam != 0 ? reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->hwndItem : NULL;
    case WM_MEASUREITEM:
        return wParam != 0 ? ::GetDlgItem(hWndParent, (int)wParam) : NULL;
    case WM_COMPAREITEM:
        return reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return (HWND)lParam;
    default:
        return IsCtlColor(message) ? (HWND)lParam : NULL;
    }
}

} // namespace

BOOL CWnd::DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT* pResult)
{
    MessageMapFunctions mmf;
    mmf.pfn = pEntry->pfn;
    LRESULT lResult = 0;
    CCmdTarget* pTarget = this;
    switch (pEntry->nSig) {
    case AfxSig_vv:
        (pTarget->*mmf.pfn_vv)();
        break;
    case AfxSig_bv:
        lResult = (pTarget->*mmf.pfn_bv)();
        break;
    case AfxSig_uv:
        lResult = (this->*mmf.pfn_uv)();
        break;
    case AfxSig_vw:
        (pTarget->*mmf.pfn_vw)(LOWORD(wParam));
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vii:
        (this->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vt:
        (this->*mmf.pfn_vt)((UINT_PTR)wParam);
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint(lParam));
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), CPoint(lParam));
        break;
    case AfxSig_bWww:
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(CWnd::FromHandle(message == WM_CAPTURECHANGED ? (HWND)lParam : (HWND)wParam));
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwwx:
        (this->*mmf.pfn_vwwx)(LOWORD(wParam), HIWORD(wParam),
                              reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam)));
        break;
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vwWb:
        (this->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle((HWND)lParam), HIWORD(wParam));
        break;
    case AfxSig_vbh:
        (this->*mmf.pfn_vbh)((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_lp:
        lResult = (this->*mmf.pfn_lp)(CPoint(lParam));
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam),
                                                 message - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_hDw:
        lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle((HDC)wParam),
                                                message - WM_REFLECT_BASE - WM_CTLCOLORMSGBOX);
        break;
    case AfxSig_vOWNER:
        (this->*mmf.pfn_vOWNER)((int)wParam, (LPVOID)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case AfxSig_vMMI:
        (this->*mmf.pfn_vMMI)(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam), CPoint(lParam));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vNMHDRpl:
        (pTarget->*mmf.pfn_vNMHDRpl)(reinterpret_cast<NMHDR*>(lParam), pResult);
        return TRUE;
    case AfxSig_bNMHDRpl:
        return (pTarget->*mmf.pfn_bNMHDRpl)(reinterpret_cast<NMHDR*>(lParam), pResult);
    default:
        return FALSE;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR != NULL && pNMHDR->hwndFrom != NULL && OnNotify(wParam, lParam, &lResult)) {
            *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }
    default:
        break;
    }
    const UINT nKey = IsCtlColor(message) ? (UINT)WM_CTLCOLORSTATIC : message;
    if (const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), nKey, 0, 0)) {
        if (DispatchEntry(pEntry, message, wParam, lParam, &lResult)) {
            *pResult = lResult;
            return TRUE;
        }
    }
    // No handler of the parent's own: a control object may handle its notification itself.
    HWND hWndChild = ChildOf(message, wParam, lParam, m_hWnd);
    if (hWndChild != NULL && ReflectLastMsg(hWndChild, &lResult)) {
        *pResult = lResult;
        return TRUE;
    }
    return FALSE;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* /*pHandlerInfo*/)
{
    // nCode is the notification code of a WM_COMMAND (0 for menus and accelerators).
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, (UINT)nCode, nID);
    if (pEntry == NULL)
        return FALSE;
    MessageMapFunctions mmf;
    mmf.pfn = pEntry->pfn;
    switch (pEntry->nSig) {
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        return TRUE;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)(nID);
        return TRUE;
    case AfxSig_bv:
        return (this->*mmf.pfn_bv)();
    default:
        return FALSE;
    }
    (void)pExtra;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    const int nCode = HIWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    // A control notification first goes back to the control object.
    if (hWndCtrl != NULL && ReflectLastMsg(hWndCtrl))
        return TRUE;
    if (hWndCtrl == NULL && nCode != 0 && nCode != 1)
        return FALSE;
    return OnCmdMsg(nID, hWndCtrl == NULL ? 0 : nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, pNMHDR->code,
                                                         (UINT)pNMHDR->idFrom);
    return pEntry != NULL && DispatchEntry(pEntry, WM_NOTIFY, wParam, lParam, pResult);
    (void)wParam;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

// Looks the notification up in this control's own map as a reflected message.
BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    switch (message) {
    case WM_COMMAND: {
        const AFX_MSGMAP_ENTRY* pEntry =
            AfxFindMessageEntry(GetMessageMap(), WM_COMMAND + WM_REFLECT_BASE, HIWORD(wParam), 0);
        if (pEntry == NULL)
            return FALSE;
        DispatchEntry(pEntry, WM_COMMAND + WM_REFLECT_BASE, wParam, lParam, &lResult);
        // _EX handlers answer whether the parent should still see the notification.
        return pEntry->nSig == AfxSig_bv ? (BOOL)lResult : TRUE;
    }
    case WM_NOTIFY: {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        const AFX_MSGMAP_ENTRY* pEntry =
            AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY + WM_REFLECT_BASE, pNMHDR->code, 0);
        if (pEntry == NULL)
            return FALSE;
        LRESULT lDummy = 0;
        return DispatchEntry(pEntry, WM_NOTIFY + WM_REFLECT_BASE, wParam, lParam,
                             pResult != NULL ? pResult : &lDummy);
    }
    default:
        if (IsCtlColor(message)) {
            const AFX_MSGMAP_ENTRY* pEntry =
                AfxFindMessageEntry(GetMessageMap(), WM_CTLCOLORSTATIC + WM_REFLECT_BASE, 0, 0);
            if (pEntry == NULL)
                return FALSE;
            DispatchEntry(pEntry, message + WM_REFLECT_BASE, wParam, lParam, &lResult);
            if (lResult == 0)
                return FALSE;
            if (pResult != NULL)
                *pResult = lResult;
            return TRUE;
        }
        return FALSE;
    }
}
