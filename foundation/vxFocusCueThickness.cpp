#include "vxFocusCueThickness.h"

#include <windows.h>

int vxFocusCueThickness(int nBorder, int nDpi, int nSystemDpi)
{
    const int nThickness = nSystemDpi > 0 ? ::MulDiv(nBorder, nDpi, nSystemDpi) : nBorder;
    return nThickness > 1 ? nThickness : 1;
}
