#include "vxtest.h"

#include <commctrl.h>

namespace vxtest {
namespace {

LRESULT CALLBACK DestroyWatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_DESTROY)
        (*reinterpret_cast<const std::function<void()>*>(data))();
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

} // namespace

void CallOnDestroy(HWND hwnd, const std::function<void()>* callback)
{
    ::SetWindowSubclass(hwnd, DestroyWatch, 1, reinterpret_cast<DWORD_PTR>(callback));
}

} // namespace vxtest
