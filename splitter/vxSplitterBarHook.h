// The splitter's hook on its bar window (the host's): it makes the bar a keyboard control and
// names it to screen readers. While the bar has the focus (a focus rectangle shows it), the
// arrow keys along the splitter's axis move it 4 pixels at 96 DPI, 32 with Ctrl, within the
// panes' minimum sizes as a drag would; Escape puts it back where it was when it took the
// focus. The splitter owns the hook; the bar window stays the host's.
#pragma once

#include "CSubclassWnd.h"

class vxAliveWatch;
class vxBarAccessible;
class vxCtrlSplitter;

class vxSplitterBarHook : public CSubclassWnd
{
public:
    explicit vxSplitterBarHook(vxCtrlSplitter* pSplitter);
    virtual ~vxSplitterBarHook();

// Overridables
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnHookedDestroy();

private:
    BOOL OnKeyDown(UINT nChar);          // FALSE for keys the bar does not take
    void Move(int nStep);                // the splitter may be deleted meanwhile
    void PaintFocus();

    vxCtrlSplitter* m_pSplitter;         // the owner
    int m_nKeyMoved;                     // keyboard moves since the bar took the focus
    vxBarAccessible* m_pAccessible;      // what screen readers read; owned, made on demand
    vxAliveWatch* m_pAliveWatches;       // handlers on the stack whose moves reach the host
};
