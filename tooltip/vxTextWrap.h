// Breaking a text into lines no wider than a given width by measuring prefixes (doubled, then
// halved in between, so the work grows with the text's length times the logarithm of a
// line's), with the measuring passed in so that the same rule serves sizing and painting (and runs
// without a device context in tests). Lines break at any character, never inside one, however
// many bytes it has.
#pragma once

#include <afxwin.h>

#include <functional>

// Width in pixels of the first nLength bytes of pszText.
typedef std::function<int(LPCTSTR pszText, int nLength)> vxMeasureText;
// TCHARs of the character at pszText, of the nAvailable there (at least 1).
typedef std::function<int(LPCTSTR pszText, int nAvailable)> vxCharBytes;
// Receives each line: its first byte's offset in the text and its length in bytes.
typedef std::function<void(int nStart, int nLength)> vxTakeLine;

// Number of lines the text breaks into at nWidth; each line goes to takeLine when given.
// A character wider than nWidth stands alone on its line, so every line holds at least one
// character and the work is bounded on every input, also for a measuring that contradicts
// itself (prefix widths are taken to grow with their length).
int vxWrapText(LPCTSTR pszText, int nLength, int nWidth, const vxMeasureText& measure,
               const vxCharBytes& charBytes, const vxTakeLine& takeLine = vxTakeLine());

// Box a wrapped line is drawn in: the text rectangle's width, nLineHeight apart, at least
// 12 pixels tall and reaching at least to the rectangle's bottom.
RECT vxWrapLineBox(const RECT& rcText, int nLine, int nLineHeight);
