// The show list: one hook per shown tip, oldest at the head, stacked at the bottom right of
// the work area of the chosen monitor (the primary one unless another is set) 175 pixels
// apart.
//
// A tip enters with PushTips and leaves through its WM_CLOSE (the hook calls
// RemoveTipsByWnd), through RemoveTipsByWnd from the manager, through ClearShowList or
// DestroyAll. Every departure but clearing moves the remaining tips into their slots and
// posts WM_SYSTIPS_SHOWNEXT to the notify window. The administrator owns the hooks.
// Placing a tip calls into the host's window, which may close, remove or destroy tips or
// the whole manager there: a walk over the hooks stops at the first change of the list.
#pragma once

#include <afxtempl.h>

#include "vxSysTipsRecord.h"

class vxAliveWatch;
class vxTipsWndHook;

class vxTipsWndAdmin
{
public:
    vxTipsWndAdmin();
    virtual ~vxTipsWndAdmin();               // lets go of every tip still shown

// Attributes
    void SetNotifyWnd(HWND hWnd) { m_hNotifyWnd = hWnd; }
    HWND GetNotifyWnd() const { return m_hNotifyWnd; }
    int GetCount() const { return (int)m_lstHooks.GetCount(); }
    int CountByPriority(int nPriority) const; // exact match: priority 2 counts as neither
    void SetMonitor(HMONITOR hMonitor) { m_hMonitor = hMonitor; }
    RECT GetWorkArea() const;                // of the chosen monitor, or the primary one

// Operations
    // Shows the tip; 0, and nothing kept, when its window no longer exists.
    int PushTips(const _tagstSysTips* pTips);
    BOOL IsShown(HWND hWnd) const;           // the window is a shown tip
    int CloseFirstNormal();                  // posts WM_CLOSE to the oldest tip of priority 0
    int RemoveTipsByWnd(HWND hWnd);          // lets go of the window's tip; 1 if there was one
    int ClearShowList(_tagenumTipsSrc src);  // lets go of the source's tips; answers how many
    void DestroyAll();                       // destroys every shown tip window
    void Relayout(int bFromHead);            // every tip into its slot

private:
    CList<vxTipsWndHook*, vxTipsWndHook*> m_lstHooks;
    HWND m_hNotifyWnd;                       // receives WM_SYSTIPS_SHOWNEXT
    HMONITOR m_hMonitor;                     // where the tips stack; null: the primary one
    UINT m_nChanges;                         // counts changes of m_lstHooks
    vxAliveWatch* m_pAliveWatches;           // walks on the stack that call into tip windows
};
