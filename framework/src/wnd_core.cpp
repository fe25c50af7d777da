// Binding of CWnd objects to windows: the thread's handle maps, the framework's window
// procedure, creation through a CBT hook, subclassing, and destruction.
#include "wnd_internal.h"

#include <new>
#include <unordered_map>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

struct HandleMaps {
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, CWnd*> temporary;
    // The permanent entry found last: a window's messages come in runs. Bind and Unbind
    // forget it.
    HWND hLastFound = NULL;
    CWnd* pLastFound = NULL;
    ~HandleMaps() { DeleteTemporary(); }
    void DeleteTemporary()
    {
        for (auto& entry : temporary) {
            entry.second->m_hWnd = NULL;
            delete entry.second;
        }
        temporary.clear();
    }
};

HandleMaps& Maps()
{
    return AfxPerThread<HandleMaps>();
}

} // namespace

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    return &AfxPerThread<_AFX_THREAD_STATE>();
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

// Binds and unbinds objects; the one place that edits the permanent map.
class CWndBinding
{
public:
    // A temporary object of the same handle stays until the idle pass: whoever asked
    // FromHandle for it may still hold it, and the permanent object is found first.
    // The map entry first: when it cannot be made, the object is left as it was.
    static void Bind(CWnd* pWnd, HWND hWnd)
    {
        HandleMaps& maps = Maps();
        maps.hLastFound = NULL;
        maps.permanent[hWnd] = pWnd;
        pWnd->m_hWnd = hWnd;
    }
    static void Unbind(CWnd* pWnd)
    {
        HandleMaps& maps = Maps();
        maps.hLastFound = NULL;
        maps.permanent.erase(pWnd->m_hWnd);
        pWnd->m_hWnd = NULL;
    }
    // Replaces the window procedure with the framework's, keeping the old one to call.
    static void HookProc(CWnd* pWnd, HWND hWnd)
    {
        WNDPROC old = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
        if (old == &AfxWndProc)
            return;
        ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc);
        *pWnd->GetSuperWndProcAddr() = old;
    }
    static void UnhookProc(CWnd* pWnd)
    {
        WNDPROC* pSuper = pWnd->GetSuperWndProcAddr();
        if (*pSuper != NULL && ::IsWindow(pWnd->m_hWnd) &&
            (WNDPROC)::GetWindowLongPtr(pWnd->m_hWnd, GWLP_WNDPROC) == &AfxWndProc)
            ::SetWindowLongPtr(pWnd->m_hWnd, GWLP_WNDPROC, (LONG_PTR)*pSuper);
        *pSuper = NULL;
    }
};

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    HandleMaps& maps = Maps();
    if (hWnd == maps.hLastFound)
        return maps.pLastFound;
    auto found = maps.permanent.find(hWnd);
    if (found == maps.permanent.end())
        return NULL;
    maps.hLastFound = hWnd;
    maps.pLastFound = found->second;
    return found->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temporary = Maps().temporary;
    auto found = temporary.find(hWnd);
    if (found != temporary.end())
        return found->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temporary[hWnd] = pWnd;
    return pWnd;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

void PASCAL CWnd::DeleteTempMap()
{
    Maps().DeleteTemporary();
}

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL)
{
}

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd), m_pfnSuper(NULL)
{
}

CWnd::~CWnd()
{
    if (m_hWnd == NULL || FromHandlePermanent(m_hWnd) != this)
        return;
    // The object goes first: the window must not call into it any more.
    if (::IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this) {
        CWndBinding::UnhookProc(this);
        CWndBinding::Unbind(this);
    }
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == NULL || m_hWnd != NULL || FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    CWndBinding::Bind(this, hWndNew);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL && FromHandlePermanent(hWnd) == this)
        CWndBinding::Unbind(this);
    m_hWnd = NULL;
    return hWnd;
}

// --- the framework's window procedure ------------------------------------------------
LRESULT AfxProcessException(CException* e, const MSG& msg)
{
    CWinThread* pThread = AfxGetApp();
    LRESULT lResult = msg.message == WM_CREATE ? -1 : 0;
    if (pThread != NULL) {
        try {
            lResult = pThread->ProcessWndProcException(e, &msg);
        } catch (...) {
            // The handler of last resort may not throw through the system either.
        }
    }
    e->Delete();
    return lResult;
}

// Calls the object's WindowProc. No C++ exception leaves here into the system: a framework
// exception goes to the application's ProcessWndProcException, a failed allocation as a
// CMemoryException, anything else ends the message as a failure.
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    try {
        return pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        const MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        return AfxProcessException(e, msg);
    } catch (const std::bad_alloc&) {
        static CMemoryException s_outOfMemory(FALSE);
        const MSG msg = {hWnd, nMsg, wParam, lParam, 0, {0, 0}};
        return AfxProcessException(&s_outOfMemory, msg);
    } catch (...) {
        return nMsg == WM_CREATE ? -1 : 0;
    }
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    const MSG saved = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    ++pState->m_nWndProcDepth;
    LRESULT lResult = AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
    --pState->m_nWndProcDepth;
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        CWndBinding::UnhookProc(pWnd);
        CWndBinding::Unbind(pWnd);
        pWnd->PostNcDestroy();
    }
    pState->m_lastSentMsg = saved;
    return lResult;
}

// --- creation ------------------------------------------------------------------------
namespace {

// The input method's own windows may be created before the window being made; they are
// never the framework's.
bool IsImeWindow(HWND hWnd)
{
    TCHAR szClass[8] = {};
    return ::GetClassName(hWnd, szClass, _countof(szClass)) == 3 && lstrcmpi(szClass, _T("ime")) == 0;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != NULL && !IsImeWindow((HWND)wParam)) {
        CWnd* pWnd = pState->m_pWndInit;
        HWND hWnd = (HWND)wParam;
        try {
            CWndBinding::Bind(pWnd, hWnd);
        } catch (...) {
            // No room to bind: the creation is refused, and the object hears of it as of a
            // window that could not be made.
            return 1;
        }
        // The first window created is ours; later ones (children made during creation)
        // are not.
        pState->m_pWndInit = NULL;
        CWndBinding::HookProc(pWnd, hWnd);
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

} // namespace

void AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookEx(WH_CBT, CbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    const BOOL bHooked = pState->m_pWndInit == NULL;
    pState->m_pWndInit = NULL;
    if (pState->m_hHookOldCbtFilter != NULL) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    return bHooked;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;               // one window per object
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                 cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                 cs.lpCreateParams);
    // Never bound (no such class, no hook, no room to bind): a window made all the same is
    // not kept half-made, and the object hears of its end as a window's would.
    if (!AfxUnhookWindowCreate()) {
        if (hWnd != NULL)
            ::DestroyWindow(hWnd);
        PostNcDestroy();
        return FALSE;
    }
    // Refused creation went through WM_NCDESTROY, which unbound the object and called
    // PostNcDestroy; an object that deleted itself there must not be touched again.
    return hWnd != NULL;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // Create makes child windows only.
    if (pParentWnd->GetSafeHwnd() == NULL || (dwStyle & WS_POPUP))
        return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    (LPVOID)pContext);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // A class that cannot be registered fails the creation, as MFC's deferred registration does.
    if (cs.lpszClass == NULL) {
        try {
            cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                               (HBRUSH)(COLOR_WINDOW + 1));
        } catch (CResourceException* e) {
            e->Delete();
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    if (FromHandlePermanent(m_hWnd) != this) {
        // A temporary wrapper may destroy the window it names.
        return ::DestroyWindow(m_hWnd);
    }
    return ::DestroyWindow(m_hWnd);
}

void CWnd::PostNcDestroy()
{
}

// --- subclassing ---------------------------------------------------------------------
BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || m_hWnd != NULL || FromHandlePermanent(hWnd) != NULL)
        return FALSE;
    if (::GetWindowThreadProcessId(hWnd, NULL) != ::GetCurrentThreadId())
        return FALSE;               // the maps are per thread
    CWndBinding::Bind(this, hWnd);
    PreSubclassWindow();
    CWndBinding::HookProc(this, hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (pParent->GetSafeHwnd() == NULL)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    return hWndControl != NULL && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == NULL || FromHandlePermanent(m_hWnd) != this)
        return NULL;
    CWndBinding::UnhookProc(this);
    HWND hWnd = m_hWnd;
    CWndBinding::Unbind(this);
    return hWnd;
}

void CWnd::PreSubclassWindow()
{
}

// --- default processing --------------------------------------------------------------
LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}
