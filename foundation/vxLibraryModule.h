// The library's module: registered with the host's framework while the DLL is loaded.
#pragma once

#include <afxwin.h>

// The library DLL's module handle (its resources live there); NULL before it is started.
AFX_EXT_API HMODULE AFXAPI vxGetLibraryModule();
