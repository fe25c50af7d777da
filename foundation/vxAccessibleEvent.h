// A change a screen reader hears of. It is raised as the WinEvent that Active Accessibility
// clients hook and, while UI Automation clients listen, as the matching UI Automation event of
// the element the window's provider gives: focus and selection as events, a new name, value or
// expanded state as a property change, a reorder as a structure change, an alert as a
// notification (an alert event where the system has no notifications).
#pragma once

#include <windows.h>

void vxNotifyAccessibleEvent(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild);
