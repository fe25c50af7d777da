// Library start and stop: everything the engine made is released when it detaches. At
// process exit (reserved non-null) the windows are already gone, so only memory and GDI
// objects are freed; on an unload the subclasses of live windows are ended as well.
#include <windows.h>

#include "vxImages.h"
#include "vxTheme.h"
#include "vxToolTips.h"
#include "vxWindowState.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        DisableThreadLibraryCalls(instance);
        break;
    case DLL_PROCESS_DETACH: {
        bool unloading = reserved == nullptr;
        vxcore::ReleaseStates(unloading);
        if (unloading)
            vxcore::ReleaseToolTipWindow();
        vxcore::ReleaseImages();
        vxcore::ReleaseTheme();
        break;
    }
    }
    return TRUE;
}
