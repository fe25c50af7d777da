/* A second process that reads a window's accessible object as a screen reader does, and
 * prints what it read on one line: name, role, value and child count, separated by "|". */
#include <windows.h>
#include <oleacc.h>
#include <stdio.h>
#include <stdlib.h>

static const IID kIID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

static void PrintBstr(BSTR text)
{
    char narrow[512] = "";
    if (text != NULL)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow, sizeof(narrow), NULL, NULL);
    fputs(narrow, stdout);
    SysFreeString(text);
}

int main(int argc, char** argv)
{
    IAccessible* acc = NULL;
    VARIANT self, role;
    BSTR name = NULL, value = NULL;
    long count = -1;
    HWND hwnd;
    if (argc < 2)
        return 2;
    hwnd = (HWND)(INT_PTR)_strtoi64(argv[1], NULL, 16);
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    if (AccessibleObjectFromWindow(hwnd, (DWORD)OBJID_CLIENT, &kIID_IAccessible, (void**)&acc) != S_OK)
        return 1;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VariantInit(&role);
    acc->lpVtbl->get_accName(acc, self, &name);
    acc->lpVtbl->get_accRole(acc, self, &role);
    acc->lpVtbl->get_accValue(acc, self, &value);
    acc->lpVtbl->get_accChildCount(acc, &count);
    PrintBstr(name);
    printf("|%ld|", role.vt == VT_I4 ? role.lVal : -1L);
    PrintBstr(value);
    printf("|%ld\n", count);
    fflush(stdout);
    acc->lpVtbl->Release(acc);
    CoUninitialize();
    return 0;
}
