// The rules that pick the next tip to show and the waiting-list operations of the tips
// manager, as plain code over record lists: no window is touched here.
#pragma once

#include "vxSysTipsRecord.h"

// What one run of the pick rules decided.
enum vxTipsPick
{
    TIPS_PICK_NONE,                  // nothing may change now
    TIPS_PICK_SHOW,                  // a record was taken off its waiting list: show it
    TIPS_PICK_CLOSE_NORMAL,          // ask the oldest shown tip of priority 0 to close
};

// One run of the pick rules. A waiting high tip is limited only by the shown high tips and
// keeps the normal list from being looked at; a waiting normal tip is shown while fewer than
// nMaxCount tips of priority 0 and 1 are shown, and otherwise makes room by closing the oldest
// normal one. On TIPS_PICK_SHOW the head record is removed from its list and handed over in
// *ppTips (the caller frees it); otherwise the lists are left as they are.
vxTipsPick vxPickNextTips(vxTipsList& lstHigh, vxTipsList& lstNormal, int nShownHigh,
                                      int nShownNormal, int nMaxCount, _tagstSysTips** ppTips);

// A heap copy of a record, owned by the caller and freed with vxFreeTips.
_tagstSysTips* vxCopyTips(const _tagstSysTips& tips);
void vxFreeTips(_tagstSysTips* pTips);

// Removes and frees every record of the source; visits each entry once. Answers how many.
int vxClearTipsBySource(vxTipsList& lst, _tagenumTipsSrc src);

// Whether a record of the list is for the window.
BOOL vxTipsListHolds(const vxTipsList& lst, HWND hWnd);

// Removes and frees the first record of the source for the window; 1 if there was one.
int vxRemoveFirstTips(vxTipsList& lst, _tagenumTipsSrc src, HWND hWnd);
