#include "vxSizerBarBounds.h"

#include <algorithm>

namespace {

// A side's limits as sizes: its own dimension's limit, and its current extent across.
CSize LimitSize(const vxSizerSide& side, int nLimit)
{
    return side.bByWidth ? CSize(nLimit, side.rect.Height()) : CSize(side.rect.Width(), nLimit);
}

// a + b without overflow, held well inside the 32-bit range so that the range can still be
// moved to screen coordinates: a maximum of INT_MAX means "no limit".
int SumWithin(int a, long long b)
{
    const long long kFar = 1LL << 28;
    return static_cast<int>(std::min(std::max(a + b, -kFar), kFar));
}

} // namespace

CRect vxSizerEdgeRange(const vxSizerSide& prev, const vxSizerSide& next)
{
    const CRect& p = prev.rect;
    const CRect& n = next.rect;
    const CSize minP = LimitSize(prev, prev.nMin);
    const CSize maxP = LimitSize(prev, prev.nMax);
    const CSize minN = LimitSize(next, next.nMin);
    const CSize maxN = LimitSize(next, next.nMax);
    return CRect(std::max(SumWithin(p.left, minP.cx), SumWithin(n.right, -(long long)maxN.cx)),
                 std::max(SumWithin(p.top, minP.cy), SumWithin(n.bottom, -(long long)maxN.cy)),
                 std::min(SumWithin(p.left, maxP.cx), SumWithin(n.right, -(long long)minN.cx)),
                 std::min(SumWithin(p.top, maxP.cy), SumWithin(n.bottom, -(long long)minN.cy)));
}

CRect vxSizerCursorClip(const CRect& rcEdgeRange, const CRect& rcBar, CPoint ptPress, bool bHorizontal)
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
