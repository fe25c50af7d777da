#include "vxHighContrast.h"

BOOL vxIsHighContrast()
{
    HIGHCONTRAST hc = {sizeof(hc), 0, NULL};
    return ::SystemParametersInfo(SPI_GETHIGHCONTRAST, sizeof(hc), &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
}
