// Whether the user has a high-contrast setting on. The library's own painters then use the
// system's colours only, as the skin engine does for its painted parts.
#pragma once

#include <windows.h>

BOOL vxIsHighContrast();
