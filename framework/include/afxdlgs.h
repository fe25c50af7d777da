// Standard dialogs; the controls need only CDialog from afxwin.h.
#pragma once

#include <afxwin.h>
