// The parts of UI Automation the library's providers use, declared here: the toolchain's
// headers lack the pattern interfaces and do not compile as C++, and every entry point of
// uiautomationcore.dll is loaded at run time, so that the DLLs still load on systems without
// it. The identifiers are the platform's.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

// Object number of WM_GETOBJECT that asks for a window's UI Automation provider.
const LONG vxUiaRootObjectId = -25;

// What a provider's element answers once its provider has gone, and for what it cannot do.
const HRESULT vxUiaElementNotAvailable = static_cast<HRESULT>(0x80040201); // UIA_E_ELEMENTNOTAVAILABLE
const HRESULT vxUiaNotSupported = static_cast<HRESULT>(0x80040204);        // UIA_E_NOTSUPPORTED

// Property, pattern and control type identifiers.
enum : PROPERTYID
{
    vxUiaRuntimeIdProperty = 30000,
    vxUiaBoundingRectangleProperty = 30001,
    vxUiaControlTypeProperty = 30003,
    vxUiaNameProperty = 30005,
    vxUiaHasKeyboardFocusProperty = 30008,
    vxUiaIsKeyboardFocusableProperty = 30009,
    vxUiaIsEnabledProperty = 30010,
    vxUiaIsOffscreenProperty = 30022,
    vxUiaValueValueProperty = 30045,
    vxUiaRangeValueValueProperty = 30047,
    vxUiaExpandCollapseStateProperty = 30070,
};

enum : PATTERNID
{
    vxUiaInvokePattern = 10000,
    vxUiaSelectionPattern = 10001,
    vxUiaValuePattern = 10002,
    vxUiaRangeValuePattern = 10003,
    vxUiaExpandCollapsePattern = 10005,
    vxUiaSelectionItemPattern = 10010,
    vxUiaScrollItemPattern = 10017,
};

enum : EVENTID
{
    vxUiaFocusChangedEvent = 20005,
    vxUiaElementSelectedEvent = 20012,
    vxUiaSystemAlertEvent = 20023,
};

// Structure changes (StructureChangeType) and notifications (NotificationKind,
// NotificationProcessing) as the library raises them.
const int vxUiaChildrenReordered = 5;
const int vxUiaNotificationOther = 4;
const int vxUiaNotificationImportantAll = 0;

enum : long
{
    vxUiaButtonControl = 50000,
    vxUiaComboBoxControl = 50003,
    vxUiaEditControl = 50004,
    vxUiaHyperlinkControl = 50005,
    vxUiaListItemControl = 50007,
    vxUiaListControl = 50008,
    vxUiaRadioButtonControl = 50013,
    vxUiaTextControl = 50020,
    vxUiaToolTipControl = 50022,
    vxUiaCustomControl = 50025,
    vxUiaGroupControl = 50026,
    vxUiaThumbControl = 50027,
    vxUiaPaneControl = 50033,
    vxUiaSeparatorControl = 50038,
};

enum vxExpandCollapseState
{
    vxExpandCollapseCollapsed = 0,
    vxExpandCollapseExpanded = 1,
    vxExpandCollapseLeafNode = 3,
};

// The pattern interfaces, laid out as the platform defines them (named apart from the
// platform SDK's, which declares them where the toolchain has them).
struct vxInvokePattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};

struct vxExpandCollapsePattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Expand() = 0;
    virtual HRESULT STDMETHODCALLTYPE Collapse() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ExpandCollapseState(int* pRetVal) = 0;
};

struct vxValuePattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR val) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* pRetVal) = 0;
};

struct vxRangeValuePattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE SetValue(double val) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(double* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Maximum(double* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Minimum(double* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_LargeChange(double* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SmallChange(double* pRetVal) = 0;
};

struct vxSelectionItemPattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE Select() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelected(BOOL* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SelectionContainer(IRawElementProviderSimple** pRetVal) = 0;
};

struct vxSelectionPattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CanSelectMultiple(BOOL* pRetVal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelectionRequired(BOOL* pRetVal) = 0;
};

struct vxScrollItemPattern : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE ScrollIntoView() = 0;
};

// What a fragment root gives for a window it shows elsewhere in its tree than the window's
// place among its siblings.
struct vxHwndOverride : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE GetOverrideProviderForHwnd(HWND hwnd, IRawElementProviderSimple** pRetVal) = 0;
};

// The interfaces' identifiers.
extern const IID vxIID_IAccessibleEx;
extern const IID vxIID_IRawElementProviderSimple;
extern const IID vxIID_IRawElementProviderFragment;
extern const IID vxIID_IRawElementProviderFragmentRoot;
extern const IID vxIID_IInvokeProvider;
extern const IID vxIID_IExpandCollapseProvider;
extern const IID vxIID_IValueProvider;
extern const IID vxIID_IRangeValueProvider;
extern const IID vxIID_ISelectionItemProvider;
extern const IID vxIID_ISelectionProvider;
extern const IID vxIID_IScrollItemProvider;
extern const IID vxIID_IRawElementProviderHwndOverride;

// uiautomationcore.dll's entry points; each answers as a failure where the DLL is missing.
LRESULT vxUiaReturnRawElementProvider(HWND hWnd, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* pProvider);
HRESULT vxUiaHostProviderFromHwnd(HWND hWnd, IRawElementProviderSimple** ppProvider);
HRESULT vxUiaDisconnectProvider(IRawElementProviderSimple* pProvider);
// Events reach UI Automation only while some client listens (and has loaded the core into
// this process by asking for an element); each raise is then a failure
// where the DLL is missing, and the notification (Windows 10 1709 and later) E_NOTIMPL where
// it lacks that one.
BOOL vxUiaClientsAreListening();
HRESULT vxUiaRaiseAutomationEvent(IRawElementProviderSimple* pProvider, EVENTID id);
HRESULT vxUiaRaisePropertyChangedEvent(IRawElementProviderSimple* pProvider, PROPERTYID id, VARIANT oldValue, VARIANT newValue);
HRESULT vxUiaRaiseStructureChangedEvent(IRawElementProviderSimple* pProvider, int nChangeType, int* pRuntimeId, int nIds);
HRESULT vxUiaRaiseNotificationEvent(IRawElementProviderSimple* pProvider, int nKind, int nProcessing, BSTR bstrText, BSTR bstrActivity);
