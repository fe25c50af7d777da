#include "vxWindowBatch.h"

HDWP vxDeferMoves(const std::vector<vxWindowMove>& moves)
{
    if (moves.empty())
        return NULL;
    HDWP hBatch = ::BeginDeferWindowPos(static_cast<int>(moves.size()));
    for (const vxWindowMove& move : moves) {
        if (hBatch == NULL)
            break;
        if (::IsWindow(move.hWnd))
            hBatch = ::DeferWindowPos(hBatch, move.hWnd, NULL, move.rc.left, move.rc.top,
                                      move.rc.Width(), move.rc.Height(), SWP_NOZORDER);
    }
    return hBatch;
}
