// The Active Accessibility object of one provider (a control's window or a part of it): the
// COM side of what vxAccessible.h describes. It holds the provider until the provider
// disconnects it; each call is carried out on the window's thread, and no C++ exception
// leaves it for the client's side.
#pragma once

#include "vxAccessible.h"

#include <oleacc.h>
#include <servprov.h>

#include <functional>

class vxAccessibleObject final : public IAccessible, public IEnumVARIANT, public IOleWindow, public IServiceProvider
{
public:
    vxAccessibleObject(HWND hWnd, vxAccessibleProvider* pProvider);
    void Disconnect();

    static const IID& InterfaceId();  // IAccessible's own GUID

    // Runs fn with the provider on the window's thread; RPC_E_DISCONNECTED once it has gone.
    HRESULT WithProvider(const std::function<HRESULT(vxAccessibleProvider&)>& fn);
    HWND Window() const { return m_hWnd; }
    BOOL IsPart() const { return m_bPart; }

// IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

// IDispatch, through the type information of the system's accessibility type library
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

// IAccessible
    STDMETHODIMP get_accParent(IDispatch** ppdispParent) override;
    STDMETHODIMP get_accChildCount(long* pcountChildren) override;
    STDMETHODIMP get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    STDMETHODIMP get_accName(VARIANT varChild, BSTR* pszName) override;
    STDMETHODIMP get_accValue(VARIANT varChild, BSTR* pszValue) override;
    STDMETHODIMP get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    STDMETHODIMP get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    STDMETHODIMP get_accState(VARIANT varChild, VARIANT* pvarState) override;
    STDMETHODIMP get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    STDMETHODIMP get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* pvarChild) override;
    STDMETHODIMP get_accSelection(VARIANT* pvarChildren) override;
    STDMETHODIMP get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    STDMETHODIMP accSelect(long flagsSelect, VARIANT varChild) override;
    STDMETHODIMP accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    STDMETHODIMP accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    STDMETHODIMP accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    STDMETHODIMP accDoDefaultAction(VARIANT varChild) override;
    STDMETHODIMP put_accName(VARIANT varChild, BSTR szName) override;
    STDMETHODIMP put_accValue(VARIANT varChild, BSTR szValue) override;

// IEnumVARIANT: the children in order, from a cursor of this object (Clone is not offered)
    STDMETHODIMP Next(ULONG celt, VARIANT* rgVar, ULONG* pCeltFetched) override;
    STDMETHODIMP Skip(ULONG celt) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumVARIANT** ppEnum) override;

// IOleWindow
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;

// IServiceProvider: the standard object's services (its identity) for a window's object
    STDMETHODIMP QueryService(REFGUID guidService, REFIID riid, void** ppv) override;

private:
    ~vxAccessibleObject();

    typedef long (vxAccessibleProvider::*NumberFn)(long);
    typedef BOOL (vxAccessibleProvider::*TextFn)(long, CString&);
    typedef HRESULT (STDMETHODCALLTYPE IAccessible::*StandardTextFn)(VARIANT, BSTR*);

    template <class Fn, class... Outs>
    HRESULT Guarded(Fn fn, Outs*... outs);
    HRESULT AccessibleTypeInfo(ITypeInfo** ppTInfo);
    BOOL ChildOf(const VARIANT& var, long* pnChild);
    void ChildVariant(long nChild, VARIANT* pvar);
    HRESULT ChildObject(long nChild, IDispatch** ppdisp);
    HRESULT Number(VARIANT varChild, VARIANT* pvar, NumberFn fn);
    HRESULT Text(VARIANT varChild, BSTR* pbstr, TextFn fnOwn, StandardTextFn fnStandard);
    HRESULT Standard(VARIANT varChild, BSTR* pbstr, StandardTextFn fnStandard);

    LONG m_nRefs;
    HWND m_hWnd;
    BOOL m_bPart;                        // the object of a part, not of the window
    vxAccessibleProvider* m_pProvider;   // none once disconnected
    IAccessible* m_pStandard;            // the system's object of the window's client area
    ITypeInfo* m_pTypeInfo;              // loaded at the first dispatch call
    long m_nCursor;                      // the enumeration's next child, from 1
};
