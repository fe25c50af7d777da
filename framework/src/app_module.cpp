// Module state: the instance and resource handles, the process's extension modules, and
// window class registration.
#include <afxwin.h>
#include <afxdllx.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

HINSTANCE g_hResource = NULL;        // NULL: the EXE's module
CDynLinkLibrary* g_pFirstDLL = NULL; // process-wide, in loading order (newest first)

// The process's critical section for the module list: DLLs load on any thread.
CRITICAL_SECTION& ModuleLock()
{
    static CRITICAL_SECTION cs = [] {
        CRITICAL_SECTION c;
        ::InitializeCriticalSection(&c);
        return c;
    }();
    return cs;
}

struct LockGuard {
    LockGuard() { ::EnterCriticalSection(&ModuleLock()); }
    ~LockGuard() { ::LeaveCriticalSection(&ModuleLock()); }
};

} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    if (CWinApp* pApp = AfxGetApp())
        if (pApp->m_hInstance != NULL)
            return pApp->m_hInstance;
    return ::GetModuleHandle(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource != NULL ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (lpszName == NULL || lpszType == NULL || ::FindResource(hInst, lpszName, lpszType) != NULL)
        return hInst;
    LockGuard lock;
    for (CDynLinkLibrary* p = g_pFirstDLL; p != NULL; p = p->m_pNextDLL)
        if (p->m_hResource != NULL && ::FindResource(p->m_hResource, lpszName, lpszType) != NULL)
            return p->m_hResource;
    return hInst;
}

// --- extension modules ---------------------------------------------------------------
IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_pNextDLL(NULL)
{
    LockGuard lock;
    m_pNextDLL = g_pFirstDLL;
    g_pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    LockGuard lock;
    for (CDynLinkLibrary** pp = &g_pFirstDLL; *pp != NULL; pp = &(*pp)->m_pNextDLL) {
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
    }
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == NULL)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL /*bAll*/)
{
    if (!state.bInitialized)
        return;
    for (;;) {
        CDynLinkLibrary* pFound = NULL;
        {
            LockGuard lock;
            for (CDynLinkLibrary* p = g_pFirstDLL; p != NULL && pFound == NULL; p = p->m_pNextDLL)
                if (p->m_hModule == state.hModule)
                    pFound = p;
        }
        if (pFound == NULL)
            break;
        delete pFound;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary* AFXAPI AfxGetFirstExtensionModule()
{
    LockGuard lock;
    return g_pFirstDLL;
}

// --- window classes ------------------------------------------------------------------
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (lpWndClass == NULL || lpWndClass->lpszClassName == NULL)
        return FALSE;
    WNDCLASS existing;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;                // registered already: nothing to do
    return ::RegisterClass(lpWndClass) != 0;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // The name is made from the arguments, so the same arguments name the same class; the
    // names live as long as the process.
    static std::set<std::basic_string<TCHAR> > s_names;
    TCHAR name[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        _sntprintf(name, _countof(name), _T("Afx:%p:%x"), (void*)hInst, nClassStyle);
    else
        _sntprintf(name, _countof(name), _T("Afx:%p:%x:%p:%p:%p"), (void*)hInst, nClassStyle, (void*)hCursor,
                   (void*)hbrBackground, (void*)hIcon);
    name[_countof(name) - 1] = _T('\0');
    const std::basic_string<TCHAR>& stored = *s_names.insert(name).first;
    WNDCLASS wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = stored.c_str();
    if (!AfxRegisterClass(&wc))
        AfxThrowResourceException();
    return stored.c_str();
}
