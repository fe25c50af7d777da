#include "vxTextWrap.h"

#include <vector>

namespace {

const int kLeastLineBoxHeight = 12;

} // namespace

int vxWrapText(LPCTSTR pszText, int nLength, int nWidth, const vxMeasureText& measure,
               const vxCharBytes& charBytes, const vxTakeLine& takeLine)
{
    if (pszText == NULL || nLength <= 0)
        return 0;
    int lines = 0;
    std::vector<int> ends;           // where the line's characters end, as far as looked at
    for (int start = 0; start < nLength;) {
        const int rest = nLength - start;
        ends.clear();
        // Bytes of the line's first k characters; all of the rest when it holds fewer.
        auto bytesOf = [&](int k) {
            while (static_cast<int>(ends.size()) < k) {
                const int pos = ends.empty() ? 0 : ends.back();
                if (pos >= rest)
                    return rest;
                const int nChar = charBytes(pszText + start + pos, rest - pos);
                ends.push_back(pos + (nChar >= 1 && nChar <= rest - pos ? nChar : 1));
            }
            return ends[static_cast<size_t>(k) - 1];
        };
        auto fits = [&](int k) { return measure(pszText + start, bytesOf(k)) <= nWidth; };

        // The most characters that fit: doubled until they no longer do (or the text ends),
        // then halved in between, so a line of L characters costs about 2 log L measurings
        // of at most 2 L bytes each. A character too wide for any line stands alone.
        int length = bytesOf(1);
        if (fits(1)) {
            int good = 1;
            int bad = 0;
            while (bad == 0 && bytesOf(good) < rest) {
                if (fits(2 * good))
                    good *= 2;
                else
                    bad = 2 * good;
            }
            while (bad - good > 1) {
                const int mid = good + (bad - good) / 2;
                if (fits(mid))
                    good = mid;
                else
                    bad = mid;
            }
            length = bytesOf(good);
        }
        if (takeLine)
            takeLine(start, length);
        ++lines;
        start += length;
    }
    return lines;
}

RECT vxWrapLineBox(const RECT& rcText, int nLine, int nLineHeight)
{
    const int top = rcText.top + nLine * nLineHeight;
    int bottom = rcText.bottom;
    if (bottom < top + kLeastLineBoxHeight)
        bottom = top + kLeastLineBoxHeight;
    return {rcText.left, top, rcText.right, bottom};
}
