// Start and stop of VexelControl.dll: registration with the host's framework as an
// extension module, so that the library's run-time classes and resources are found, and the
// process-wide resources loaded once per process.
#include <afxwin.h>
#include <afxdllx.h>

// The layout engine is left out of some partial builds.
#if __has_include(<vxSizerBarCursors.h>)
#include <vxSizerBarCursors.h>
#define VX_HAVE_SIZER_BAR 1
#endif
#if __has_include(<vxComboClass.h>)
#include <vxComboClass.h>
#define VX_HAVE_COMBO_BOX 1
#endif

static AFX_EXTENSION_MODULE s_vexelControlModule = {FALSE, NULL, NULL};

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(s_vexelControlModule, hInstance))
            return FALSE;
        // Kept in the framework's module list until the process ends.
        new CDynLinkLibrary(s_vexelControlModule);
#ifdef VX_HAVE_SIZER_BAR
        vxLoadSizerCursors();
#endif
#ifdef VX_HAVE_COMBO_BOX
        vxRegisterComboBoxClass();
#endif
        break;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(s_vexelControlModule);
        break;
    }
    return TRUE;
}
