#include "vxLayoutGeometry.h"

std::vector<int> vxShareLength(const std::vector<vxLayoutShare>& children, int nLength)
{
    int nStretch = 0;
    int nWeightSum = 0;
    int nFixed = 0;
    for (const vxLayoutShare& child : children) {
        if (child.bStretch) {
            ++nStretch;
            nWeightSum += child.nWeight;
        } else {
            nFixed += child.nSize;
        }
    }
    const int nRemaining = nLength - nFixed;
    std::vector<int> sizes;
    sizes.reserve(children.size());
    for (const vxLayoutShare& child : children) {
        if (!child.bStretch || (nStretch > 1 && nWeightSum == 0))
            sizes.push_back(child.nSize);
        else if (nStretch == 1)
            sizes.push_back(nRemaining);
        else
            sizes.push_back(child.nWeight * nRemaining / nWeightSum);
    }
    return sizes;
}

std::vector<CRect> vxPackSpans(const CRect& container, const std::vector<int>& sizes, bool bAlongWidth)
{
    std::vector<CRect> rects;
    rects.reserve(sizes.size());
    int nPos = bAlongWidth ? container.left : container.top;
    for (int nSize : sizes) {
        if (bAlongWidth)
            rects.push_back(CRect(nPos, container.top, nPos + nSize, container.bottom));
        else
            rects.push_back(CRect(container.left, nPos, container.right, nPos + nSize));
        nPos += nSize;
    }
    return rects;
}

vxEdgeStep vxStepEdge(const CRect& prev, const CRect& next, CPoint step, bool bSideways)
{
    vxEdgeStep result = {prev, next, step};
    if (bSideways) {
        result.offset.y = 0;
        result.prev.right += step.x;
        result.next.left += step.x;
    } else {
        result.offset.x = 0;
        result.prev.bottom += step.y;
        result.next.top += step.y;
    }
    return result;
}
