/// \file
/// The tip record a host hands to the tips manager, its enumerations and the private message
/// by which a departing tip makes the manager pick the next one.
#pragma once

#include <afxtempl.h>

/// Source of a tip. The values are the host's; the library only compares them for equality.
enum _tagenumTipsSrc : int
{
};

/// Level of a tip: high tips are shown before normal ones.
enum _tagenumPriority : int
{
    TIPS_PRIORITY_NORMAL = 0,        ///< queued after every high tip
    TIPS_PRIORITY_HIGH = 1,          ///< may push a shown normal tip out when the limit is reached
};

/// Values of _tagstSysTips::nShowMode; any other value shows the tip without animation.
enum
{
    TIPS_SHOW_FADE = 1,              ///< fades in, stays, fades out
    TIPS_SHOW_SLIDE = 2,             ///< slides up into place, stays, slides down out of sight
};

/// Private to the library: posted (never sent) to the manager's window whenever a shown tip
/// has left; wParam and lParam are 0.
#define WM_SYSTIPS_SHOWNEXT (WM_USER + 453)

/// One tip. Receivers copy it field by field and own their copy.
struct _tagstSysTips
{
    _tagenumTipsSrc src;             ///< compared for clearing and removal by source
    int nShowMode;                   ///< TIPS_SHOW_FADE, TIPS_SHOW_SLIDE or plain
    _tagenumPriority priority;       ///< 1 high; anything else is queued as normal
    UINT nStayTime;                  ///< ms fully shown before a fading or sliding tip leaves
    int nExtra1;                     ///< carried along, never read
    int nExtra2;                     ///< carried along, never read
    int nExtra3;                     ///< carried along, never read
    HWND hWnd;                       ///< the tip window, made and filled by the host
};

/// A waiting list of the tips manager: owned record copies, oldest at the head.
typedef CList<_tagstSysTips*, _tagstSysTips*> vxTipsList;
