// Hooks on the procedure of any window, also one that has no framework object.
//
// The hooks of one window form a chain, newest first, behind one replacement procedure
// (HookWndProc); CSubclassWndMap maps the window to the newest hook. A message goes to the
// newest hook's WindowProc, whose Default() hands it to the next older hook and finally to
// the window's own procedure. WM_CLOSE takes the whole chain down before the window's own
// procedure sees it, and only the newest hook hears OnHookedClose; a window destroyed
// without WM_CLOSE loses its hooks at WM_NCDESTROY, after the chain has seen it, and only the
// newest hook hears OnHookedDestroy. Hooks are owned by whoever made them.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

class CSubclassWnd : public CObject
{
    DECLARE_DYNAMIC(CSubclassWnd)
public:
    CSubclassWnd();
    virtual ~CSubclassWnd();             // unhooks while the window still exists

// Operations
    // Puts this hook at the head of hWnd's chain (0, nothing changed, when hWnd is not a
    // window); NULL takes it out of its current chain.
    BOOL HookWindow(HWND hWnd);
    // Hands the message being handled to the next older hook or the window's own procedure.
    LRESULT Default();

// Overridables
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnHookedClose();        // once, when the window gets WM_CLOSE; may delete this
    // Once, when the window is destroyed without WM_CLOSE; the chain is down; may delete this.
    virtual void OnHookedDestroy();

protected:
    HWND m_hWnd;                         // the hooked window
    WNDPROC m_pOldWndProc;               // the procedure the chain replaced, same in every hook
    CSubclassWnd* m_pNext;               // next older hook of the same window

private:
    friend class CSubclassWndMap;
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT DispatchToChain(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Window handle to the newest hook of its chain; one map for the whole library.
class CSubclassWndMap : public CMapPtrToPtr
{
public:
    CSubclassWndMap();
    virtual ~CSubclassWndMap();

// Operations
    CSubclassWnd* Lookup(HWND hWnd) const;       // the newest hook, or NULL
    void Add(HWND hWnd, CSubclassWnd* pHook);    // replaces the procedure once per window
    void Remove(CSubclassWnd* pHook);            // restores it when the last hook goes
    void RemoveAll(HWND hWnd);
};

// The library's hook map, made on first use.
CSubclassWndMap& GetSubclassWndMap();
