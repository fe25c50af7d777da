// vexelcore: the skin engine. Windows put under a skin are subclassed and painted by the
// engine in a flat theme; named draw items (an image name, a text) are kept per window and
// per list box entry. Plain C interface; every string handed in is copied.
//
// Kinds painted by the engine:
//   103 push button, 105 auto radio button: face, caption (the window text), the
//       "image.default" image, hot, pressed, checked and disabled looks.
//   106 static header: a title band with the window text and the "image.default" image.
//   108 list box: every entry's text and image from its draw items ("text.default" or
//       "default_text", "image.default" or "default_image"; without a text item the list box's
//       own string when it has LBS_HASSTRINGS), the selection and the hot row.
//   Any other kind: the window paints itself; the engine adds its "image.default" image at
//       the left edge of the client area.
//
// Images are named: a name registered with vxRegisterImage/vxRegisterIcon, or else the path
// of a .bmp or .ico file, loaded on first use. An unknown name draws nothing. Pixels of a
// bitmap in magenta (RGB 255,0,255) are transparent.
//
// Every function that takes or answers text has a wide form, named with a trailing W, that
// takes and answers UTF-16; the plain forms use the ANSI code page. The engine keeps values
// as UTF-16, so text the ANSI code page cannot hold survives only through the wide forms.
// In C++ with UNICODE defined, the plain names are overloaded for wide strings too, so code
// written with TCHAR calls the form of its character set (a null literal then needs its type,
// as in (LPCTSTR)NULL). Draw-item, font and colour names are ASCII.
//
// Per-window state exists only for skinned windows (and windows given a tooltip) and is
// released when the window is destroyed. Calls naming a null or dead window, or a window
// without a skin where a skin is needed, change nothing and answer 0; applied calls answer 1.
// All calls belong to the thread that owns the windows.
//
#pragma once

#include <windows.h>
#include <stddef.h>

#ifdef VEXELCORE_BUILD
#define VXCORE_API __declspec(dllexport)
#else
#define VXCORE_API __declspec(dllimport)
#endif

// vxSetDrawItemVisible element and part codes that select the window's "image.default".
#define VXCORE_ELEMENT_IMAGE 100
#define VXCORE_PART_ALL 100

#ifdef __cplusplus
extern "C" {
#endif

// --- the seven skin functions -------------------------------------------------------------
// Puts a window under a skin (kind code above; a null or empty skin name changes nothing).
// Skinning a skinned window again changes its kind and skin and keeps its draw items.
VXCORE_API int vxSkinWindow(HWND hwnd, int kind, const char* skin, int reserved);
// Sets a draw item of a skinned window; a null value removes it.
VXCORE_API int vxSetDrawItemValue(HWND hwnd, const char* name, const char* value, int reserved);
// Sets a draw item of entry `index` (0 up to the entry count less one) of a window skinned as a
// list box (kind 108); a null value removes it.
// Entry items follow LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING and LB_RESETCONTENT.
VXCORE_API int vxSetDrawItemValueEx(HWND hwnd, int index, int reserved1, const char* name,
                                    const char* value, int reserved2);
// Shows (1) or hides (0) the image of a skinned window when element and part are
// VXCORE_ELEMENT_IMAGE and VXCORE_PART_ALL; other codes select nothing.
VXCORE_API int vxSetDrawItemVisible(HWND hwnd, int element, int part, int visible, int reserved);
// 1 holds the pressed look of a skinned window until it is destroyed; 0 releases it.
VXCORE_API int vxLockState(HWND hwnd, int lock);
// A new font for "default" (or "title", its bold form) that the caller owns and deletes
// with DeleteObject; null for other or null names, and while vxSetGetFontFails is on.
VXCORE_API HFONT vxGetFont(const char* name);
// Gives a window a tooltip with this text; a null text removes it; a null window does nothing.
VXCORE_API int vxSetToolTips(HWND hwnd, const char* text);

// The wide forms of the skin functions.
VXCORE_API int vxSkinWindowW(HWND hwnd, int kind, const wchar_t* skin, int reserved);
VXCORE_API int vxSetDrawItemValueW(HWND hwnd, const wchar_t* name, const wchar_t* value, int reserved);
VXCORE_API int vxSetDrawItemValueExW(HWND hwnd, int index, int reserved1, const wchar_t* name,
                                     const wchar_t* value, int reserved2);
VXCORE_API HFONT vxGetFontW(const wchar_t* name);
VXCORE_API int vxSetToolTipsW(HWND hwnd, const wchar_t* text);

// --- images -------------------------------------------------------------------------------
// Registers a copy of the image under a name (replacing an earlier one of that name).
// FALSE, and nothing changes, for a null or empty name or an image that cannot be copied.
VXCORE_API BOOL vxRegisterImage(const char* name, HBITMAP bitmap);
VXCORE_API BOOL vxRegisterIcon(const char* name, HICON icon);
VXCORE_API BOOL vxRegisterImageW(const wchar_t* name, HBITMAP bitmap);
VXCORE_API BOOL vxRegisterIconW(const wchar_t* name, HICON icon);

// --- queries for tests and hosts ------------------------------------------------------------
// Kind code of a skinned window, 0 when it has no skin (-1 for a window skinned as kind 0).
VXCORE_API int vxIsSkinned(HWND hwnd);
// Skin name of a skinned window, null when it has none. Valid until the next engine call.
VXCORE_API const char* vxGetSkinName(HWND hwnd);
VXCORE_API const wchar_t* vxGetSkinNameW(HWND hwnd);
// A draw item of the window (index -1) or of one of its entries; null when not set.
// Valid until the next engine call.
VXCORE_API const char* vxGetDrawItemValue(HWND hwnd, int index, const char* name);
VXCORE_API const wchar_t* vxGetDrawItemValueW(HWND hwnd, int index, const wchar_t* name);
// Tooltip text the engine holds for a window, null when it has none. Valid until the next
// engine call.
VXCORE_API const char* vxGetToolTips(HWND hwnd);
VXCORE_API const wchar_t* vxGetToolTipsW(HWND hwnd);
// A colour of the flat theme, for hosts that match it and tests that read pixels back:
// "face", "face.hot", "face.pressed", "face.checked", "face.disabled", "header.band",
// "header.line", "list.back", "list.hot", "list.selected", "text"; CLR_INVALID otherwise.
VXCORE_API COLORREF vxGetSkinColour(const char* role);
VXCORE_API COLORREF vxGetSkinColourW(const wchar_t* role);
// Number of windows the engine keeps state for.
VXCORE_API int vxWindowStateCount(void);

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && defined(UNICODE)
// The plain names for wide strings.
inline int vxSkinWindow(HWND hwnd, int kind, const wchar_t* skin, int reserved)
{
    return vxSkinWindowW(hwnd, kind, skin, reserved);
}
inline int vxSetDrawItemValue(HWND hwnd, const wchar_t* name, const wchar_t* value, int reserved)
{
    return vxSetDrawItemValueW(hwnd, name, value, reserved);
}
inline int vxSetDrawItemValueEx(HWND hwnd, int index, int reserved1, const wchar_t* name,
                                const wchar_t* value, int reserved2)
{
    return vxSetDrawItemValueExW(hwnd, index, reserved1, name, value, reserved2);
}
inline HFONT vxGetFont(const wchar_t* name) { return vxGetFontW(name); }
inline int vxSetToolTips(HWND hwnd, const wchar_t* text) { return vxSetToolTipsW(hwnd, text); }
inline BOOL vxRegisterImage(const wchar_t* name, HBITMAP bitmap) { return vxRegisterImageW(name, bitmap); }
inline BOOL vxRegisterIcon(const wchar_t* name, HICON icon) { return vxRegisterIconW(name, icon); }
inline const wchar_t* vxGetDrawItemValue(HWND hwnd, int index, const wchar_t* name)
{
    return vxGetDrawItemValueW(hwnd, index, name);
}
inline COLORREF vxGetSkinColour(const wchar_t* role) { return vxGetSkinColourW(role); }
#endif
