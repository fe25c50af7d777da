// What a screen reader reads of a control, through Active Accessibility. A control answers
// WM_GETOBJECT for its client area with one accessible object, made at the first question and
// kept while the window lives. The object asks the control's provider for what the control
// knows (its children, their names, roles, states and places) and the system's standard object
// of the window for the rest (the parent, the navigation out of the control, the window's own
// place and keyboard shortcut).
//
// A part of a control that is no window but holds children of its own (a list view's group) is
// a provider too, a part: its object is a child of the window's object, which is its parent.
// A child that is an object of its own (a window, a part) is handed out as that object, by
// get_accChild, the focus, the hit test, the navigation and the enumeration of children.
//
// Ownership: the control owns its provider and the records owning parts own theirs; each
// provider holds one reference to its object. Clients may hold an object longer than its
// window or part lives: deleting the provider disconnects it, and from then on every call
// fails with RPC_E_DISCONNECTED and touches nothing of the control.
#pragma once

#include <afx.h>

#include <oleacc.h>

#include "vxAccessibleThread.h"

class vxAccessibleObject;
class vxUiaElement;

// Children are numbered from 1; CHILDID_SELF (0) is the control itself.
class vxAccessibleProvider
{
public:
    virtual ~vxAccessibleProvider();                 // disconnects the object
    vxAccessibleProvider(const vxAccessibleProvider&) = delete;
    vxAccessibleProvider& operator=(const vxAccessibleProvider&) = delete;

    // The answer to WM_GETOBJECT: the object for OBJID_CLIENT, else 0 (the default answer).
    LRESULT Answer(WPARAM wParam, LPARAM lParam);
    // The object, with a reference for the caller; S_FALSE and NULL when it cannot be made.
    HRESULT QueryObject(IDispatch** ppdisp);

// What the control knows
    virtual long AccChildCount() { return 0; }
    virtual long AccRole(long nChild) = 0;
    virtual long AccState(long nChild) = 0;          // STATE_SYSTEM_ bits
    // FALSE: nothing of its own (the standard object answers for the control itself).
    virtual BOOL AccName(long nChild, CString& strName) = 0;
    virtual BOOL AccValue(long, CString&) { return FALSE; }
    virtual BOOL AccDefaultAction(long, CString&) { return FALSE; }
    // Carried out after the call returns (posted), as a host may end the control in it.
    virtual BOOL AccDoDefaultAction(long) { return FALSE; }
    // A child's place on the screen; FALSE for a child without one (the control's own place
    // comes from the standard object).
    virtual BOOL AccLocation(long, RECT&) { return FALSE; }
    virtual long AccChildAt(POINT ptScreen);         // the child there, 0: none (every place)
    virtual long AccFocus();                         // child with the focus, 0: itself, -1: none
    virtual long AccSelection() { return 0; }        // the one selected child, 0: none
    virtual HWND AccChildWindow(long) { return NULL; } // a child that is a window of its own
    virtual vxAccessibleProvider* AccChildPart(long) { return NULL; } // a child that is a part
    // The window whose client object is the parent; NULL: the window's own parent (a part's
    // parent is its window's object).
    virtual HWND AccParentWindow() { return m_bPart ? m_hWnd : NULL; }
    // The object number of the window it answers WM_GETOBJECT for.
    virtual LONG AccObjectId() { return OBJID_CLIENT; }

// What UI Automation asks beyond that
    // The control type (a UIA_...ControlTypeId); by default the one that fits the role.
    virtual long UiaControlType(long nChild);
    // Where a child that moves along a range stands, and its range; FALSE: it has none.
    virtual BOOL UiaRange(long, int&, int&, int&) { return FALSE; }
    // Moves it to nPos within its range (carried out after the call returns where the move
    // reaches the host); FALSE when it cannot move.
    virtual BOOL UiaSetRange(long, int) { return FALSE; }
    // The child UI Automation reads as selected (for a window child: what that window has
    // selected), 0: none.
    virtual long UiaSelection() { return AccSelection(); }
    // Chooses a child as a user does (carried out after the call returns where the choice
    // reaches the host); by default its default action. FALSE when it cannot be chosen.
    virtual BOOL UiaSelect(long nChild) { return AccDoDefaultAction(nChild); }
    // Scrolls a child into view; FALSE when it cannot be scrolled.
    virtual BOOL UiaScrollIntoView(long) { return FALSE; }

    BOOL IsPart() const { return m_bPart; }

protected:
    explicit vxAccessibleProvider(HWND hWnd, BOOL bPart = FALSE)
        : m_hWnd(hWnd), m_bPart(bPart), m_pObject(NULL), m_pUiaRoot(NULL)
    {
    }
    HWND Hwnd() const { return m_hWnd; }

private:
    friend class vxUiaElement;
    vxAccessibleObject* Object();                    // made on demand; NULL when it cannot be
    vxUiaElement* UiaRoot();                         // the window's element, made on demand
    LRESULT AnswerUia(WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;                                     // the control's window (a part's: its control's)
    BOOL m_bPart;                                    // a part of the window, not the window itself
    vxAccessibleObject* m_pObject;                   // one reference held; made on demand
    vxUiaElement* m_pUiaRoot;                        // the window's UI Automation element; one reference held
};

// A control's answer to WM_GETOBJECT from the provider it keeps in pProvider, made by make()
// at the first question; 0 leaves the message to the default answer.
template <class Provider, class Make>
LRESULT vxAnswerGetObject(Provider*& pProvider, WPARAM wParam, LPARAM lParam, Make make)
{
    if (vxIsAccessibleCall(wParam, lParam))
        return 1;
    if (pProvider == NULL)
        pProvider = make();
    return pProvider != NULL ? pProvider->Answer(wParam, lParam) : 0;
}

// Runs fn(provider) with the provider that answers the window's WM_GETOBJECT, on the window's
// thread; E_FAIL when the window has none.
template <class Fn>
HRESULT vxWithWindowProvider(HWND hWnd, Fn fn)
{
    HRESULT hr = E_FAIL;
    auto call = [](vxAccessibleProvider& provider, void* pFn) -> HRESULT { return (*static_cast<Fn*>(pFn))(provider); };
    return vxCallWindowProvider(hWnd, call, &fn, hr) ? hr : E_FAIL;
}

// The window is going: its provider goes, and clients still holding its object find it dead.
template <class Provider>
void vxDeleteProvider(Provider*& pProvider)
{
    delete pProvider;
    pProvider = NULL;
}

// The text as a BSTR for a client (narrow text from the ANSI code page); NULL out of memory.
BSTR vxToBstr(const CString& str);

// A window's text, by handle (no framework object is made for the window).
CString vxWindowText(HWND hWnd);

// The name a screen reader reads of a window: its client object's (empty for none).
CString vxAccessibleNameOf(HWND hWnd);

// The label a dialog gives a control: the nearest static text before it in the tab order,
// as the system names its own controls; empty when there is none.
CString vxAccessibleLabelOf(HWND hWnd);

// The states every window-backed object shares: unavailable, invisible, focusable, focused.
long vxAccessibleWindowState(HWND hWnd);
