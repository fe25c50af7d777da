// The decisions of a splitter bar drag, kept apart from the modal loop that feeds them:
// the allowed range of the outline, what each message taken from the queue means, where the
// outline stands, and the pane sizes once the drag is applied. No window calls.
#pragma once

#include "vxSplitterGeometry.h"

// Range of the outline's leading edge (left or top), host client coordinates.
struct vxDragLimits
{
    int low;                         // pane 0 start + its minimum + bar thickness
    int high;                        // pane 1 end - its minimum - bar thickness
};

// Limits of a drag between the two panes; false when there is no room to move (low >= high).
BOOL vxDragLimitsFor(const vxSplitterPane panes[2], const vxSplitterShape& shape,
                                 vxDragLimits* pLimits);

// A position held inside the limits.
int vxClampDragPosition(int position, const vxDragLimits& limits);

// Moves the boundary between the panes by d along the axis; the fixed pane's preferred size
// becomes its new size.
void vxApplyDrag(vxSplitterPane panes[2], const vxSplitterShape& shape, int d);

// What the loop does with a message.
enum vxDragAction
{
    vxDragDispatch,                  // not the drag's: dispatch it
    vxDragDiscard,                   // swallowed: keyboard input other than Escape
    vxDragPointerStill,              // a move that leaves the clamped position as it was
    vxDragPointerMoved,              // the outline moved: erase the previous, draw the new one
    vxDragEndApply,                  // release or capture lost: apply where the outline stands
    vxDragEndCancel,                 // Escape, right button or a failed GetMessage
    vxDragEndQuit                    // WM_QUIT: cancel, and the loop posts the quit again
};

// State of one drag: the outline and the last position, fed message by message.
class vxSplitterDragState
{
public:
    // origin: leading edge of the capture window in host coordinates, which the pointer's
    // coordinates in that window are added to.
    vxSplitterDragState(int bVertical, int origin, const vxDragLimits& limits, const RECT& rcBar);

// Operations
    // Decides about one message; nGot is GetMessage's result for it, bCaptureHeld whether the
    // capture window still has the capture.
    vxDragAction Next(BOOL nGot, const MSG& msg, BOOL bCaptureHeld);

// Attributes
    const RECT& Outline() const { return m_rcOutline; }
    const RECT& PreviousOutline() const { return m_rcPrevious; } // before the last move
    // Outline's leading edge less the bar's: the distance the drag moves the bar.
    int Offset() const;

private:
    int m_bVertical;
    int m_nOrigin;
    int m_nLast;                     // last clamped position taken
    vxDragLimits m_limits;
    RECT m_rcBar;
    RECT m_rcOutline;
    RECT m_rcPrevious;
};
