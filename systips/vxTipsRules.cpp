#include "vxTipsRules.h"

vxTipsPick vxPickNextTips(vxTipsList& lstHigh, vxTipsList& lstNormal, int nShownHigh,
                          int nShownNormal, int nMaxCount, _tagstSysTips** ppTips)
{
    *ppTips = NULL;
    // A waiting high tip: only the shown high tips limit it.
    if (!lstHigh.IsEmpty()) {
        if (nShownHigh >= nMaxCount)
            return TIPS_PICK_NONE;
        *ppTips = lstHigh.RemoveHead();
        return TIPS_PICK_SHOW;
    }
    // A normal tip never displaces a high one.
    if (lstNormal.IsEmpty() || nShownHigh >= nMaxCount)
        return TIPS_PICK_NONE;
    if (nShownHigh + nShownNormal < nMaxCount) {
        *ppTips = lstNormal.RemoveHead();
        return TIPS_PICK_SHOW;
    }
    // Full: the head keeps waiting until the oldest normal tip has left.
    return TIPS_PICK_CLOSE_NORMAL;
}

_tagstSysTips* vxCopyTips(const _tagstSysTips& tips)
{
    return new _tagstSysTips(tips);
}

void vxFreeTips(_tagstSysTips* pTips)
{
    delete pTips;
}

int vxClearTipsBySource(vxTipsList& lst, _tagenumTipsSrc src)
{
    int nRemoved = 0;
    POSITION pos = lst.GetHeadPosition();
    while (pos != NULL) {
        POSITION posThis = pos;
        _tagstSysTips* pTips = lst.GetNext(pos); // pos already names the next entry
        if (pTips->src == src) {
            lst.RemoveAt(posThis);
            vxFreeTips(pTips);
            ++nRemoved;
        }
    }
    return nRemoved;
}

int vxRemoveFirstTips(vxTipsList& lst, _tagenumTipsSrc src, HWND hWnd)
{
    POSITION pos = lst.GetHeadPosition();
    while (pos != NULL) {
        POSITION posThis = pos;
        _tagstSysTips* pTips = lst.GetNext(pos);
        if (pTips->src == src && pTips->hWnd == hWnd) {
            lst.RemoveAt(posThis);
            vxFreeTips(pTips);
            return 1;
        }
    }
    return 0;
}

BOOL vxTipsListHolds(const vxTipsList& lst, HWND hWnd)
{
    for (POSITION pos = lst.GetHeadPosition(); pos != NULL;)
        if (lst.GetNext(pos)->hWnd == hWnd)
            return TRUE;
    return FALSE;
}
