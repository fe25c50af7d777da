// The hook on one shown tip window: places it in the stack, runs its fade or slide helper and
// notices its closing.
//
// Attach hooks the window and picks the helper by the record's show mode; the first PlaceAt
// starts the helper (or simply shows a plain tip, which keeps no timer). A WM_CLOSE from the
// host, or the one this hook sends itself when the close its helper's end of animation or the
// manager posted comes back with its ticket (vxTipsClose.h), reaches OnHookedClose after the
// chain is down: the tip is hidden, its timers killed, and the administrator drops and
// deletes this hook. A tip destroyed without WM_CLOSE (DestroyWindow, a dialog ending, its
// owner going) leaves the same way through OnHookedDestroy. The hook belongs to the
// administrator; the window to the host.
#pragma once

#include "CSubclassWnd.h"
#include "vxSetLayerHelper.h"
#include "vxSlideHelper.h"
#include "vxSysTipsRecord.h"

class vxAliveWatch;
class vxTipsWndAdmin;
class vxTipAlertAccessible;

class vxTipsWndHook : public CSubclassWnd
{
public:
    vxTipsWndHook();
    virtual ~vxTipsWndHook();

// Attributes
    const _tagstSysTips& GetTips() const { return m_stTips; }
    HWND GetTipWnd() const { return m_hTipWnd; }
    UINT_PTR GetCloseTicket() const { return m_nCloseTicket; } ///< see vxPostTipsClose

// Operations
    // 0 when the record's window does not exist; otherwise hooks it and answers 1.
    BOOL Attach(const _tagstSysTips* pTips, vxTipsWndAdmin* pAdmin);
    // Puts the tip into slot nIndex of nCount, slots nSlotHeight apart at 96 DPI and as much
    // more at the DPI of the work area's monitor; nothing without a window. A sliding tip is
    // not moved: its slide heads for the new slot.
    void PlaceAt(int nIndex, int nSlotHeight, int nCount);
    // Lets go of the window without closing it: unhooks it and kills this library's timers.
    void Release();

// Overridables
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnHookedClose();            // deletes this hook through the administrator
    virtual void OnHookedDestroy();          // the same, for a window destroyed unclosed

private:
    BOOL IsFading() const;                   // the fade helper has a live window
    BOOL IsSliding() const;                  // the slide helper has a live window
    void StopHelpers();
    void Announce();                         // the alert event of a tip now shown

    _tagstSysTips m_stTips;                  // own copy of the record
    HWND m_hTipWnd;
    UINT_PTR m_nCloseTicket;                 // this hook's, in the closes it posts
    vxTipsWndAdmin* m_pAdmin;                // owner, not owned
    int m_bFirstPlace;                       // 1 until the first placement
    BOOL m_bPlacing;                         // its own move is under way: a new DPI it brings is no news
    vxSetLayerHelper m_layer;
    vxSlideHelper m_slide;
    vxAliveWatch* m_pAliveWatches;           // placements on the stack that call the host
    vxTipAlertAccessible* m_pAlert;          // the window's alert object; owned, made on demand
    BOOL m_bAnnounce;                        // placed, its alert waits for it to be shown
};
