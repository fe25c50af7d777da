#include "vxBarValue.h"

int vxBarPercent(int nPos, int nLow, int nHigh)
{
    if (nHigh <= nLow)
        return 0;
    const long long nShare = (static_cast<long long>(nPos) - nLow) * 100 / (static_cast<long long>(nHigh) - nLow);
    return static_cast<int>(nShare < 0 ? 0 : (nShare > 100 ? 100 : nShare));
}
