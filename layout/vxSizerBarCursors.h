// The two sizing cursors of the sizer bar, loaded once per process when the library loads.
// They are shared system cursors: nothing destroys them.
#pragma once

#include <afxwin.h>

// Loads IDC_SIZEWE and IDC_SIZENS; called from the library's entry point.
void vxLoadSizerCursors();
// IDC_SIZENS for a horizontal bar, IDC_SIZEWE otherwise.
HCURSOR vxGetSizerCursor(bool bHorizontal);
