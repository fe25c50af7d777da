// Moving child windows in one deferred batch, as the layout and the list view place theirs.
#pragma once

#include <afxwin.h>

#include <vector>

struct vxWindowMove {
    HWND hWnd;
    CRect rc;                        // parent client coordinates
};

// The batch holding every move, ready to end; NULL when there is nothing to move or no batch
// could be made, and then nothing moves. Windows destroyed meanwhile are left out: one would
// make the whole batch fail.
HDWP vxDeferMoves(const std::vector<vxWindowMove>& moves);

// Moves the windows at once; with nothing to move or no batch, nothing moves and nothing is
// recorded. record runs when the batch is ready and before any window moves: the windows hear
// of their moves and their owners may delete the caller, so the caller records its new state
// there and touches nothing after.
template <class Record>
void vxMoveInOneBatch(const std::vector<vxWindowMove>& moves, Record record)
{
    HDWP hBatch = vxDeferMoves(moves);
    if (hBatch == NULL)
        return;
    record();
    ::EndDeferWindowPos(hBatch);
}
