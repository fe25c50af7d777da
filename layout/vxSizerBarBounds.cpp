#include "vxSizerBarBounds.h"

#include <algorithm>

namespace {

// An element's limits as sizes: its own direction's minimum or maximum, and its current
// extent in the other dimension.
CSize LimitSize(const vxLayoutItem& element, const CRect& rc, int nMinOrMaxWidth, int nMinOrMaxHeight)
{
    if (element.m_direction == DirVertical)
        return CSize(nMinOrMaxWidth, rc.Height());
    return CSize(rc.Width(), nMinOrMaxHeight);
}

// a + b without overflow, held well inside the 32-bit range so that the range can still be
// moved to screen coordinates: a maximum of INT_MAX means "no limit".
int SumWithin(int a, long long b)
{
    const long long kFar = 1LL << 28;
    return static_cast<int>(std::min(std::max(a + b, -kFar), kFar));
}

} // namespace

CRect vxSizerEdgeRange(vxLayoutItem& prev, vxLayoutItem& next)
{
    const CRect p = prev.ReadRect();
    const CRect n = next.ReadRect();
    const CSize minP = LimitSize(prev, p, prev.m_minWidth, prev.m_minHeight);
    const CSize maxP = LimitSize(prev, p, prev.m_maxWidth, prev.m_maxHeight);
    const CSize minN = LimitSize(next, n, next.m_minWidth, next.m_minHeight);
    const CSize maxN = LimitSize(next, n, next.m_maxWidth, next.m_maxHeight);
    return CRect(std::max(SumWithin(p.left, minP.cx), SumWithin(n.right, -(long long)maxN.cx)),
                 std::max(SumWithin(p.top, minP.cy), SumWithin(n.bottom, -(long long)maxN.cy)),
                 std::min(SumWithin(p.left, maxP.cx), SumWithin(n.right, -(long long)minN.cx)),
                 std::min(SumWithin(p.top, maxP.cy), SumWithin(n.bottom, -(long long)minN.cy)));
}

CRect vxSizerCursorClip(const CRect& rcEdgeRange, const CRect& rcBar, CPoint ptPress, BOOL bHorizontal)
{
    CRect clip = rcEdgeRange;
    if (bHorizontal) {
        // Moves up and down: the cursor keeps its distance from the bar's top and bottom
        // edges, so that the bar's lower edge stops at the next neighbour's limit, as the
        // right edge of a sideways bar does.
        clip.left = rcBar.left;
        clip.right = rcBar.right;
        clip.top += ptPress.y - rcBar.top;
        clip.bottom -= rcBar.bottom - ptPress.y;
    } else {
        // Moves sideways: the cursor keeps its distance from both side edges.
        clip.left += ptPress.x - rcBar.left;
        clip.right -= rcBar.right - ptPress.x;
        clip.top = rcBar.top;
        clip.bottom = rcBar.bottom;
    }
    if (clip.right < clip.left)
        clip.left = clip.right = ptPress.x;
    if (clip.bottom < clip.top)
        clip.top = clip.bottom = ptPress.y;
    return clip;
}

int vxSizerKeyMove(int nBarStart, int nThickness, int nLow, int nHigh, int nStep)
{
    const long long nLast = static_cast<long long>(nHigh) - nThickness;
    if (nLast < nLow)
        return 0;
    const long long nTarget = std::min(std::max(static_cast<long long>(nBarStart) + nStep, (long long)nLow), nLast);
    const long long nMove = nTarget - nBarStart;
    if ((nStep > 0 && nMove < 0) || (nStep < 0 && nMove > 0))
        return 0;
    return static_cast<int>(nMove);
}
