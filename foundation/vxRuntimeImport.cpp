#include "vxRuntimeImport.h"

#include <tchar.h>

HMODULE vxSystemLibrary(LPCTSTR pszName)
{
    HMODULE hModule = ::LoadLibraryEx(pszName, NULL, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (hModule != NULL || ::GetLastError() != ERROR_INVALID_PARAMETER)
        return hModule;
    // A Windows 7 without the search flags: the system folder's full path.
    TCHAR szPath[MAX_PATH];
    const UINT nLength = ::GetSystemDirectory(szPath, MAX_PATH);
    if (nLength == 0 || nLength + 1 + lstrlen(pszName) >= MAX_PATH)
        return NULL;
    szPath[nLength] = _T('\\');
    lstrcpy(szPath + nLength + 1, pszName);
    return ::LoadLibrary(szPath);
}
