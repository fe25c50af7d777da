// The value screen readers read of a bar that moves an edge: where it stands within the
// positions a drag may give it.
#pragma once

// The share of the way from nLow to nHigh that nPos stands at, in percent, held within 0 to
// 100 (0 without room).
int vxBarPercent(int nPos, int nLow, int nHigh);
