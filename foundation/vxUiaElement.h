// The UI Automation element of a provider's window or of one of its simple children: the COM
// side of what vxAccessible.h describes, for UI Automation clients. It reads the same provider
// as the Active Accessibility object, through that object: each call is carried out on the
// window's thread, and once the provider has gone every call fails with
// UIA_E_ELEMENTNOTAVAILABLE.
//
// The window's element is the root of its fragment. Its children are its simple children and
// its parts, each part an element over the part's own object. Children that are windows of
// their own are left to the system, which finds them as the window's children, except inside a
// part: there each stands in the part's place by a placeholder, whose host is the child window's
// and which tells nothing of its own; the root names it for that window when the system asks
// where to show the window (IRawElementProviderHwndOverride).
//
// Patterns follow from what the provider tells: Invoke for buttons and links with a default
// action, ExpandCollapse for what is expanded or collapsed, Value for combo boxes and texts
// with a value (read only), RangeValue where the provider gives a range, Selection for lists
// and combo boxes, SelectionItem for list items and radio buttons, ScrollItem for list items.
#pragma once

#include "vxUia.h"

#include <functional>

class vxAccessibleObject;
class vxAccessibleProvider;

class vxUiaElement final : public IAccessibleEx,
                           public IRawElementProviderSimple,
                           public IRawElementProviderFragment,
                           public IRawElementProviderFragmentRoot,
                           public vxInvokePattern,
                           public vxExpandCollapsePattern,
                           public vxValuePattern,
                           public vxRangeValuePattern,
                           public vxSelectionItemPattern,
                           public vxSelectionPattern,
                           public vxScrollItemPattern,
                           public vxHwndOverride
{
public:
    vxUiaElement(vxAccessibleObject* pObject, long nChild); // takes a reference to pObject

// IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

// IAccessibleEx: the bridge from the Active Accessibility object, by which clients of that
// object reach the element (its GetRuntimeId is the fragment's)
    STDMETHODIMP GetObjectForChild(long idChild, IAccessibleEx** pRetVal) override;
    STDMETHODIMP GetIAccessiblePair(IAccessible** ppAcc, long* pidChild) override;
    STDMETHODIMP ConvertReturnedElement(IRawElementProviderSimple* pIn, IAccessibleEx** ppRetValOut) override;

// IRawElementProviderSimple
    STDMETHODIMP get_ProviderOptions(ProviderOptions* pRetVal) override;
    STDMETHODIMP GetPatternProvider(PATTERNID patternId, IUnknown** pRetVal) override;
    STDMETHODIMP GetPropertyValue(PROPERTYID propertyId, VARIANT* pRetVal) override;
    STDMETHODIMP get_HostRawElementProvider(IRawElementProviderSimple** pRetVal) override;

// IRawElementProviderFragment
    STDMETHODIMP Navigate(NavigateDirection direction, IRawElementProviderFragment** pRetVal) override;
    STDMETHODIMP GetRuntimeId(SAFEARRAY** pRetVal) override;
    STDMETHODIMP get_BoundingRectangle(UiaRect* pRetVal) override;
    STDMETHODIMP GetEmbeddedFragmentRoots(SAFEARRAY** pRetVal) override;
    STDMETHODIMP SetFocus() override;
    STDMETHODIMP get_FragmentRoot(IRawElementProviderFragmentRoot** pRetVal) override;

// IRawElementProviderFragmentRoot (the window's element)
    STDMETHODIMP ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** pRetVal) override;
    STDMETHODIMP GetFocus(IRawElementProviderFragment** pRetVal) override;

// vxInvokePattern
    STDMETHODIMP Invoke() override;

// vxExpandCollapsePattern
    STDMETHODIMP Expand() override;
    STDMETHODIMP Collapse() override;
    STDMETHODIMP get_ExpandCollapseState(int* pRetVal) override;

// vxValuePattern
    STDMETHODIMP SetValue(LPCWSTR val) override;
    STDMETHODIMP get_Value(BSTR* pRetVal) override;
    STDMETHODIMP get_IsReadOnly(BOOL* pRetVal) override;

// vxRangeValuePattern (get_IsReadOnly is shared with the value pattern: an element with a
// range is not read only, one with a value is)
    STDMETHODIMP SetValue(double val) override;
    STDMETHODIMP get_Value(double* pRetVal) override;
    STDMETHODIMP get_Maximum(double* pRetVal) override;
    STDMETHODIMP get_Minimum(double* pRetVal) override;
    STDMETHODIMP get_LargeChange(double* pRetVal) override;
    STDMETHODIMP get_SmallChange(double* pRetVal) override;

// vxSelectionItemPattern
    STDMETHODIMP Select() override;
    STDMETHODIMP AddToSelection() override;
    STDMETHODIMP RemoveFromSelection() override;
    STDMETHODIMP get_IsSelected(BOOL* pRetVal) override;
    STDMETHODIMP get_SelectionContainer(IRawElementProviderSimple** pRetVal) override;

// vxSelectionPattern
    STDMETHODIMP GetSelection(SAFEARRAY** pRetVal) override;
    STDMETHODIMP get_CanSelectMultiple(BOOL* pRetVal) override;
    STDMETHODIMP get_IsSelectionRequired(BOOL* pRetVal) override;

// vxScrollItemPattern
    STDMETHODIMP ScrollIntoView() override;

// vxHwndOverride (the window's element)
    STDMETHODIMP GetOverrideProviderForHwnd(HWND hwnd, IRawElementProviderSimple** pRetVal) override;

// Raising events: the element of the provider's child nChild, where UI Automation holds one
    static HRESULT ElementOf(vxAccessibleProvider& provider, long nChild, IRawElementProviderSimple** ppElement);

private:
    ~vxUiaElement();

    enum Kind { kWindow, kPart, kChild, kPlaceholder };
    Kind KindOf(vxAccessibleProvider& provider) const;
    HRESULT Call(const std::function<HRESULT(vxAccessibleProvider&)>& fn);
    enum RangeNumber { kRangePos, kRangeLow, kRangeHigh };
    HRESULT RangeField(RangeNumber nWhich, double* pRetVal);
    HRESULT SelectedElement(vxAccessibleProvider& provider, IRawElementProviderSimple** ppElement);

    // The elements of the fragment, each made for its caller with one reference.
    static HRESULT NewElement(vxAccessibleObject* pObject, long nChild, IRawElementProviderFragment** ppElement);
    static bool IsHeld(vxAccessibleProvider& parent, long nChild);
    static long HeldChild(vxAccessibleProvider& parent, long nFrom, long nStep); // -1: none
    static HRESULT ChildElement(vxAccessibleProvider& parent, long nChild, IRawElementProviderFragment** ppElement);
    static HRESULT WindowElement(HWND hWnd, IRawElementProviderFragment** ppElement);

    LONG m_nRefs;
    vxAccessibleObject* m_pObject;       // one reference held: the connection to the provider
    long m_nChild;                       // CHILDID_SELF: the window's or the part's element
};
