// Common controls: the system's declarations with the window classes of afxwin.h.
#pragma once

#include <afxwin.h>
#include <commctrl.h>
