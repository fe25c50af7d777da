#pragma once

#include <afxwin.h>

#include "vxSysTipsRecord.h"
#include "vxTipsWndAdmin.h"

class vxAliveWatch;

/// The system tips manager: queues host-made tip windows by two priorities and shows them,
/// under a limit on how many are shown at once, stacked at the bottom right of the work area.
///
/// AddTips copies the record into the waiting list of its level and runs the pick rules once;
/// every departure of a shown tip posts WM_SYSTIPS_SHOWNEXT to the manager's hidden window,
/// whose handler runs them again. The manager owns the waiting record copies, its
/// administrator the hooks of the shown tips; the tip windows stay the host's, except that
/// Uninit destroys them all. The object deletes itself when its window is destroyed.
class AFX_EXT_CLASS vxCtrlSysTips : public CWnd
{
    DECLARE_DYNCREATE(vxCtrlSysTips)
public:
    /// Make the manager with new (it deletes itself with its window), then call Init.
    vxCtrlSysTips();
    virtual ~vxCtrlSysTips();                ///< frees records still waiting, lets go of shown tips

// Operations
    int Init();                              ///< creates the hidden window once; always 1
    void Uninit();                           ///< destroys every tip window and record
    void SetTipsMaxCount(int nCount);        ///< takes effect at the next pick
    /// 0 for a null record, a window that does not exist or belongs to another thread, or one
    /// already waiting or shown; the record's own src is queued.
    int AddTips(_tagenumTipsSrc src, _tagstSysTips* pTips);
    int ShowNextTips();                      ///< runs the pick rules once; always 1
    /// The monitor at whose work area's bottom right the tips stack (NULL: the primary one,
    /// also when the monitor goes away); shown tips move there at once, as they do when the
    /// work area changes.
    void SetMonitor(HMONITOR hMonitor);
    void ClearTips(_tagenumTipsSrc src);     ///< waiting and shown tips of the source
    /// Takes the tip of this source and window out of a waiting list, or lets go of the shown
    /// tip of this window (any source): the window is left as it is, its slot comes free and
    /// the next tip may show. 1 when found, else 0.
    int RemoveTips(_tagenumTipsSrc src, HWND hWnd);

// Message handlers
    /// WM_SYSTIPS_SHOWNEXT: runs the pick rules once.
    afx_msg LRESULT OnShowNextTips(WPARAM wParam, LPARAM lParam);
    /// The window is going; the object deletes itself once it is gone.
    afx_msg void OnDestroy();

// Overridables
    virtual void PostNcDestroy();            ///< deletes this

protected:
    DECLARE_MESSAGE_MAP()

// Internal helpers
    int TriggerEvent();                      ///< one run of the pick rules; 1 if a tip changed
    int PushShowTips(_tagstSysTips* pTips);  ///< 0 when the tip's window is gone
    int GetShowTips(_tagenumPriority ePriority);
    int ClearTipsFromList(_tagenumTipsSrc src);
    int ClearTipsFromShowList(_tagenumTipsSrc src);
    int RemoveTipsFromWaitingList(_tagenumTipsSrc src, HWND hWnd);
    int RemoveTipsFromShowList(_tagenumTipsSrc src, HWND hWnd); ///< by window alone
    HWND CreateWnd();

    vxTipsList m_lstWaiting;                 ///< waiting tips of any priority but 1
    vxTipsList m_lstWaitingHigh;             ///< waiting tips of priority 1
    vxTipsWndAdmin m_admin;                  ///< the shown tips
    int m_nMaxCount;                         ///< limit on shown tips of priority 0 and 1
    vxAliveWatch* m_pAliveWatches;           ///< picks on the stack that call the host
    BOOL m_bCreatingWnd;                     ///< Init's creation under way: a failure keeps the object
};
