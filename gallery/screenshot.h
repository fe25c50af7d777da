// Saving what a window shows on the screen as a PNG file.
#pragma once

#include <windows.h>

// Copies the window's screen rectangle (frame and children as painted) into a PNG file.
// Answers FALSE when the window is gone or the file cannot be written.
BOOL SaveWindowScreenshot(HWND hwnd, LPCTSTR pszPath);
