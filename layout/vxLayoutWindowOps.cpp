// Win32 implementation of the layout's window seam.
#include "vxLayoutWindowOps.h"

namespace {

class Win32LayoutWindowOps : public vxLayoutWindowOps
{
public:
    BOOL GetClientSize(HWND hWnd, CSize& size) override
    {
        CRect rc(0, 0, 0, 0);
        if (hWnd == NULL || !::GetClientRect(hWnd, &rc))
            return FALSE;
        size = rc.Size();
        return TRUE;
    }

    HDWP BeginMove(int nWindows) override { return ::BeginDeferWindowPos(nWindows); }

    HDWP DeferMove(HDWP hBatch, HWND hWnd, const CRect& rc) override
    {
        // A window destroyed behind the layout's back would make DeferWindowPos fail and
        // throw away the whole batch; it is left out instead.
        if (!::IsWindow(hWnd))
            return hBatch;
        return ::DeferWindowPos(hBatch, hWnd, NULL, rc.left, rc.top, rc.Width(), rc.Height(),
                                SWP_NOZORDER);
    }

    void EndMove(HDWP hBatch) override { ::EndDeferWindowPos(hBatch); }
};

Win32LayoutWindowOps s_win32Ops;
vxLayoutWindowOps* s_pOps = &s_win32Ops;

} // namespace

vxLayoutWindowOps::~vxLayoutWindowOps()
{
}

vxLayoutWindowOps* vxLayoutWindowOps::Get()
{
    return s_pOps;
}

vxLayoutWindowOps* vxLayoutWindowOps::Set(vxLayoutWindowOps* pOps)
{
    vxLayoutWindowOps* pBefore = s_pOps;
    s_pOps = pOps != NULL ? pOps : &s_win32Ops;
    return pBefore;
}
