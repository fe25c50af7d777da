#include "vxSizerBarCursors.h"

namespace {

HCURSOR s_hCursorWE = NULL;          // bars that are not horizontal: drag sideways
HCURSOR s_hCursorNS = NULL;          // horizontal bars: drag up and down

} // namespace

void vxLoadSizerCursors()
{
    s_hCursorWE = ::LoadCursor(NULL, IDC_SIZEWE);
    s_hCursorNS = ::LoadCursor(NULL, IDC_SIZENS);
}

HCURSOR vxGetSizerCursor(bool bHorizontal)
{
    return bHorizontal ? s_hCursorNS : s_hCursorWE;
}
