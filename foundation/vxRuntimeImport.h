// Functions newer than Windows 7, or in DLLs a process may not have loaded, are found at run
// time: the DLLs import nothing Windows 7 lacks.
#pragma once

#include <windows.h>

// A DLL of the system folder, loaded once and kept for the process; NULL where it is missing.
HMODULE vxSystemLibrary(LPCTSTR pszName);

// A function of a module, or NULL. GetProcAddress takes narrow names only.
template <class Fn>
Fn vxFunctionOf(HMODULE hModule, const char* pszName)
{
    return hModule != NULL ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
                           : NULL;
}
