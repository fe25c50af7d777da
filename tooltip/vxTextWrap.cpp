#include "vxTextWrap.h"

namespace {

const int kLeastLineBoxHeight = 12;

} // namespace

int vxWrapText(const char* pszText, int nLength, int nWidth, const vxMeasureText& measure,
               const vxIsLeadByte& isLeadByte, const vxTakeLine& takeLine)
{
    if (pszText == NULL || nLength <= 0)
        return 0;
    int lines = 0;
    int start = 0;                   // first byte of the line being measured
    int pos = 0;                     // bytes of that line known to fit
    // Each pass takes a character or ends a line, so 2 x length passes always suffice; the
    // bound only guards against a measuring function that contradicts itself.
    for (int passes = 0; passes < 2 * nLength; ++passes) {
        const int rest = nLength - start;
        if (rest <= 0)
            return lines;
        // A lead byte takes its trail byte along, unless the text ends between them.
        int step = 1;
        if (pos + 1 < rest && isLeadByte(static_cast<unsigned char>(pszText[start + pos])))
            step = 2;

        if (measure(pszText + start, pos + step) <= nWidth) {
            if (pos + step >= rest) {
                // The whole rest fits: the last line.
                if (takeLine)
                    takeLine(start, rest);
                return lines + 1;
            }
            pos += step;
            continue;
        }
        // The line ends before this character; one too wide for any line stands alone.
        const int length = pos > 0 ? pos : step;
        if (takeLine)
            takeLine(start, length);
        ++lines;
        start += length;
        pos = 0;
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
