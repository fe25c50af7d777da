// Extension modules: a DLL built on the framework registers itself when it is loaded, so
// that resource lookups (AfxFindResourceHandle) also search it.
#pragma once

#include <afxwin.h>

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

// One entry of the process's list of extension modules; created on the heap by the DLL's
// entry point and freed by AfxTermExtensionModule.
class AFX_FW_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    CDynLinkLibrary* m_pNextDLL;         // the next module in the process list
};

// FALSE for a null module handle; TRUE again for a module already initialised.
AFX_FW_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes and frees the module's list entries.
AFX_FW_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
// The first entry of the process's extension module list (NULL when none is loaded).
AFX_FW_API CDynLinkLibrary* AFXAPI AfxGetFirstExtensionModule();
