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
};

enum : PATTERNID
{
    vxUiaInvokePattern = 10000,
    vxUiaValuePattern = 10002,
    vxUiaRangeValuePattern = 10003,
    vxUiaExpandCollapsePattern = 10005,
    vxUiaSelectionItemPattern = 10010,
};

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

// uiautomationcore.dll's entry points; each answers as a failure where the DLL is missing.
LRESULT vxUiaReturnRawElementProvider(HWND hWnd, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* pProvider);
HRESULT vxUiaHostProviderFromHwnd(HWND hWnd, IRawElementProviderSimple** ppProvider);
HRESULT vxUiaDisconnectProvider(IRawElementProviderSimple* pProvider);
