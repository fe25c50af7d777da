#pragma once

#include <afxwin.h>

class vxAliveWatch;
class vxCtrlSplitter;
class vxSplitterBarHook;

/// One pane of a splitter. Sizes along the splitting axis are widths for a vertical splitter
/// (panes side by side) and heights otherwise.
struct vxBarPlace;

struct vxSplitterPane
{
    int nMinSize;                    ///< smallest size along the axis a drag may leave
    int nSize;                       ///< preferred size along the axis, kept while this pane is fixed
    int x;                           ///< left edge, host client coordinates
    int y;                           ///< top edge, host client coordinates
    int cx;                          ///< width
    int cy;                          ///< height
    int bHidden;                     ///< the pane is hidden: the other one takes the area
    HWND hWnd;                       ///< attached window, not owned
    vxCtrlSplitter* pSplitter;       ///< nested splitter laid out into the pane, not owned
};

/// How a splitter divides its area.
struct vxSplitterShape
{
    int bVertical;                   ///< 1: side by side with a vertical bar; 0: stacked
    int bFirstFixed;                 ///< 1: pane 0 keeps its preferred size; 0: pane 1 does
    int nBarSize;                    ///< bar thickness along the axis
};

/// vxCtrlSplitter: divides a rectangle of a host window into two panes separated by a bar.
///
/// Not a window: the host keeps it as a member, calls Layout from its size handling and
/// forwards the mouse (HitTest, the cursor operations, Track). Each pane can carry a window
/// and a nested splitter, so splitters build a tree; a bar window given at creation is moved
/// over the bar after each layout and draws it. The splitter owns only the hook it puts on the
/// bar window (keys and screen readers): pane windows, nested splitters and the bar window
/// belong to the host, and its cursors are the system's shared ones.
///
/// Keyboard: the bar window becomes a tab stop. While it has the focus the arrow keys along
/// the splitter's axis move the bar (MoveBar) 4 pixels at 96 DPI, 32 with Ctrl, and Escape
/// puts it back where it was when it took the focus; screen readers read it as a separator
/// whose value is its position.
///
/// Drag: Track takes the capture for the given window (a child of the host, normally the bar
/// window) and runs its own message loop. An inverted outline follows the pointer within the
/// panes' minimum sizes; the left button's release (or the capture being taken away) applies
/// the drag, Escape, the right button or WM_QUIT cancel it. Nothing but the outline moves
/// until the loop has ended. A message dispatched by the loop may destroy the host or delete
/// the splitter: the drag then ends unapplied and touches nothing of the splitter.
class AFX_EXT_CLASS vxCtrlSplitter
{
public:
    /// A splitter of two visible panes side by side, not yet created.
    vxCtrlSplitter();
    /// Lets go of the bar window; pane windows and nested splitters stay the host's.
    virtual ~vxCtrlSplitter();
    /// Not copyable: the hook on the bar window is the splitter's own.
    vxCtrlSplitter(const vxCtrlSplitter&) = delete;
    vxCtrlSplitter& operator=(const vxCtrlSplitter&) = delete;

// Creation
    /// Bar window, which pane keeps its size, orientation, whether the bar can be dragged.
    /// 0 when hBarWnd is not a window (nothing is changed).
    int CreateSplitter(HWND hBarWnd, int bFirstFixed, int bVertical, int bMovable);

// Panes (indices 0 and 1; any other index does nothing and answers null or 0)
    HWND AttachWnd(int nPane, HWND hWnd);          ///< answers the window attached before
    HWND DetachWnd(int nPane);                     ///< clears the pane; the window stays
    HWND GetAttachWnd(int nPane);                  ///< the pane's window, or null
    /// The one attached before; null, nothing changed, when pSplitter is this splitter or holds
    /// it in one of its panes, at any depth (the tree would become a loop).
    vxCtrlSplitter* AttachSplitter(int nPane, vxCtrlSplitter* pSplitter);
    vxCtrlSplitter* DetachSplitter(int nPane);     ///< clears the pane's nested splitter
    vxCtrlSplitter* GetAttachSplitter(int nPane);  ///< the pane's nested splitter, or null
    void ShowPane(int nPane, int bShow);           ///< shows or hides the pane's window at once
    int IsPaneVisible(int nPane);                  ///< 1 unless the pane is hidden
    int IsSplitterVisible();                       ///< both panes visible
    int IsHideAllPane();                           ///< both panes hidden
    /// Minimum size, and preferred size unless it is -1 (taken into the pane's place at once).
    void SetPaneSize(int nPane, int nSize, int nMinSize);
    void GetPaneRect(int nPane, RECT* pRect);      ///< the pane's place from the last Layout

// Bar and layout
    int IsVertical();                              ///< 1: panes side by side, vertical bar
    void SetSplitterSize(int nSize);               ///< bar thickness, from the next Layout on
    void GetSplitterRect(RECT* pRect);             ///< the bar's place (host client)
    void GetLayoutRect(RECT* pRect);               ///< the rectangle last given to Layout
    void Layout(int x, int y, int cx, int cy);     ///< host client coordinates

// Mouse (host client coordinates)
    int HitTest(CPoint point);                     ///< on a movable bar between visible panes
    void SetUseCursor(int bUse);                   ///< 0: ShowCursor leaves the cursor alone
    void ShowCursor(int bShow);                    ///< 0: arrow; else the sizing cursor if used
    HCURSOR GetCursor();                           ///< the sizing cursor; null when not movable
    void Invalidate(CWnd* pHostWnd);               ///< the bar's rectangle, erased
    /// Drags the bar with pWnd holding the capture; 1 when the bar moved.
    int Track(CWnd* pWnd, CPoint point);
    /// Moves the bar by nStep pixels along the axis, within the panes' minimum sizes as a drag
    /// is, and lays the panes out again; 1 when it moved, 0 also without a bar window. The
    /// pane windows' owners may delete the splitter meanwhile.
    int MoveBar(int nStep);

protected:
// Layout steps
    void LayoutVertical(int x, int y, int cx, int cy);
    void LayoutHorizontal(int x, int y, int cx, int cy);
    void LayoutWnd();                              ///< moves pane windows not already in place
    void LayoutChild();                            ///< lays nested splitters into their panes
    void MoveBkWnd();                              ///< the bar window over the bar

// Drag steps
    int TrackVertical(CWnd* pWnd, CPoint point);
    int TrackHorizontal(CWnd* pWnd, CPoint point);
    void OnInvertTracker(CWnd* pWnd, const CRect& rect);
    void OnInvertTracker(CDC* pDC, const CRect& rect);

private:
    friend class vxSplitterBarHook;                ///< reads the bar's place for screen readers
    bool GetBarPlace(vxBarPlace& place);           ///< false when the bar cannot move
    vxSplitterPane* Pane(int nPane);               ///< null for an index that names no pane
    vxSplitterShape Shape() const;
    int TrackAlongAxis(CWnd* pWnd, int bVertical); ///< the loop both Track variants share
    /// Panes moved by d along the shape's axis and the bar to rcBar (host client), as a drag
    /// or a key ends; 0 once the splitter is gone.
    int ApplyMove(const vxSplitterShape& shape, int d, HWND hHost, const CRect& rcBar);
    bool Holds(const vxCtrlSplitter* pSplitter) const; ///< this or a splitter nested in it
    /// Layout was last given this area, and nothing it was made from has changed since.
    bool IsLaidOutAs(const CRect& rcArea) const;
    void RememberLayout();

    CRect m_rcSplitter;                            ///< the bar, host client coordinates
    CRect m_rcLayout;                              ///< the area last given to Layout
    int m_bFirstFixed;
    int m_nSplitterSize;
    int m_bMovable;
    int m_bVertical;
    vxSplitterPane m_panes[2];
    HCURSOR m_hCursorNS;                           ///< horizontal bar; the system's shared cursor
    HCURSOR m_hCursorWE;                           ///< vertical bar; shared
    HCURSOR m_hCursorArrow;                        ///< shared
    HWND m_hBkWnd;                                 ///< bar window, not owned
    int m_bUseCursor;
    vxAliveWatch* m_pAliveWatches;                 ///< drags on the stack, ended if deleted
    /// What the last Layout made its places from; m_bLaidOut false until the first one.
    bool m_bLaidOut;
    vxSplitterShape m_lastShape;
    vxSplitterPane m_lastPanes[2];
    CRect m_rcLastBar;
    HWND m_hLastBkWnd;
    bool m_bSplitterSizeGiven;                     ///< set by the host: kept at any DPI
    vxSplitterBarHook* m_pBarHook;                 ///< keys and screen readers on the bar; owned
};
