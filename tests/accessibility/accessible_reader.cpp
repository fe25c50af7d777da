#include "accessible_reader.h"

#include "vxUia.h"
#include "vxtest.h"

#include <cstdio>

namespace a11y {

std::string Utf8(const wchar_t* text)
{
    if (text == NULL)
        return std::string();
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
    std::string out(bytes > 0 ? bytes - 1 : 0, '\0');
    if (bytes > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], bytes, NULL, NULL);
    return out;
}

namespace {

// The interface's own GUID: MinGW's import library may hand a wrong one.
const IID kIID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

VARIANT ChildVar(long child)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = child;
    return var;
}

std::string Narrow(BSTR bstr)
{
    const std::string text = Utf8(bstr);
    ::SysFreeString(bstr);
    return text;
}

const char* EventName(DWORD event)
{
    switch (event) {
    case EVENT_OBJECT_FOCUS: return "focus";
    case EVENT_OBJECT_SELECTION: return "selection";
    case EVENT_OBJECT_STATECHANGE: return "state";
    case EVENT_OBJECT_VALUECHANGE: return "value";
    case EVENT_OBJECT_NAMECHANGE: return "name";
    case EVENT_OBJECT_SHOW: return "show";
    case EVENT_OBJECT_HIDE: return "hide";
    case EVENT_SYSTEM_ALERT: return "alert";
    default: return NULL;
    }
}

} // namespace

Reader::Reader(HWND hwnd, LONG objectId)
{
    if (::AccessibleObjectFromWindow(hwnd, objectId, kIID_IAccessible,
                                     reinterpret_cast<void**>(&m_acc)) != S_OK)
        m_acc = NULL;
}

Reader::~Reader()
{
    if (m_acc != NULL)
        m_acc->Release();
}

std::string Reader::Name(long child) const
{
    BSTR bstr = NULL;
    return m_acc != NULL && m_acc->get_accName(ChildVar(child), &bstr) == S_OK ? Narrow(bstr) : std::string();
}

HRESULT Reader::NameResult(long child) const
{
    BSTR bstr = NULL;
    const HRESULT hr = m_acc != NULL ? m_acc->get_accName(ChildVar(child), &bstr) : E_FAIL;
    ::SysFreeString(bstr);
    return hr;
}

std::string Reader::Value(long child) const
{
    BSTR bstr = NULL;
    return m_acc != NULL && m_acc->get_accValue(ChildVar(child), &bstr) == S_OK ? Narrow(bstr) : std::string();
}

std::string Reader::DefaultAction(long child) const
{
    BSTR bstr = NULL;
    return m_acc != NULL && m_acc->get_accDefaultAction(ChildVar(child), &bstr) == S_OK ? Narrow(bstr)
                                                                                     : std::string();
}

long Reader::Role(long child) const
{
    VARIANT var;
    ::VariantInit(&var);
    if (m_acc == NULL || m_acc->get_accRole(ChildVar(child), &var) != S_OK || var.vt != VT_I4)
        return -1;
    return var.lVal;
}

long Reader::State(long child) const
{
    VARIANT var;
    ::VariantInit(&var);
    if (m_acc == NULL || m_acc->get_accState(ChildVar(child), &var) != S_OK || var.vt != VT_I4)
        return -1;
    return var.lVal;
}

long Reader::ChildCount() const
{
    long count = -1;
    return m_acc != NULL && m_acc->get_accChildCount(&count) == S_OK ? count : -1;
}

RECT Reader::Location(long child) const
{
    long x = 0, y = 0, cx = 0, cy = 0;
    if (m_acc == NULL || m_acc->accLocation(&x, &y, &cx, &cy, ChildVar(child)) != S_OK)
        return RECT{};
    return RECT{x, y, x + cx, y + cy};
}

namespace {

// An answer naming a child: its number, kObject for a child handed out as an object of its
// own (kept in *object when asked for), fail when there was none.
long ChildAnswer(HRESULT hr, VARIANT& var, long fail, Reader* object)
{
    long child = fail;
    if (hr == S_OK && var.vt == VT_I4) {
        child = var.lVal;
    } else if (hr == S_OK && var.vt == VT_DISPATCH && var.pdispVal != NULL) {
        child = kObject;
        IAccessible* acc = NULL;
        if (object != NULL && var.pdispVal->QueryInterface(kIID_IAccessible, reinterpret_cast<void**>(&acc)) == S_OK)
            *object = Reader(acc);
    }
    ::VariantClear(&var);
    return child;
}

} // namespace

long Reader::Focus(Reader* object) const
{
    VARIANT var;
    ::VariantInit(&var);
    return m_acc != NULL ? ChildAnswer(m_acc->get_accFocus(&var), var, -1, object) : -1;
}

long Reader::Selection(Reader* object) const
{
    VARIANT var;
    ::VariantInit(&var);
    return m_acc != NULL ? ChildAnswer(m_acc->get_accSelection(&var), var, 0, object) : 0;
}

long Reader::HitTest(POINT screen, Reader* object) const
{
    VARIANT var;
    ::VariantInit(&var);
    return m_acc != NULL ? ChildAnswer(m_acc->accHitTest(screen.x, screen.y, &var), var, -1, object) : -1;
}

long Reader::Navigate(long direction, long start, Reader* object) const
{
    VARIANT var;
    ::VariantInit(&var);
    return m_acc != NULL ? ChildAnswer(m_acc->accNavigate(direction, ChildVar(start), &var), var, -1, object) : -1;
}

HWND Reader::Window() const
{
    HWND hwnd = NULL;
    return m_acc != NULL && ::WindowFromAccessibleObject(m_acc, &hwnd) == S_OK ? hwnd : NULL;
}

Reader Reader::Parent() const
{
    IDispatch* disp = NULL;
    IAccessible* acc = NULL;
    if (m_acc != NULL && m_acc->get_accParent(&disp) == S_OK && disp != NULL) {
        if (disp->QueryInterface(kIID_IAccessible, reinterpret_cast<void**>(&acc)) != S_OK)
            acc = NULL;
        disp->Release();
    }
    return Reader(acc);
}

HRESULT Reader::DoDefaultAction(long child) const
{
    return m_acc != NULL ? m_acc->accDoDefaultAction(ChildVar(child)) : E_FAIL;
}

Reader Reader::Child(long child) const
{
    IDispatch* disp = NULL;
    IAccessible* acc = NULL;
    if (m_acc != NULL && m_acc->get_accChild(ChildVar(child), &disp) == S_OK && disp != NULL) {
        if (disp->QueryInterface(kIID_IAccessible, reinterpret_cast<void**>(&acc)) != S_OK)
            acc = NULL;
        disp->Release();
    }
    return Reader(acc);
}

std::string ReadFromAnotherProcess(HWND hwnd)
{
    char handle[32];
    std::snprintf(handle, sizeof(handle), "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
    return vxtest::RunProgramBesideThis("a11y_remote_reader.exe", handle);
}

EventLog* EventLog::s_current = NULL;

EventLog::EventLog()
{
    s_current = this;
    m_hook = ::SetWinEventHook(EVENT_MIN, EVENT_MAX, NULL, &EventLog::Hook, ::GetCurrentProcessId(), 0,
                               WINEVENT_OUTOFCONTEXT);
}

EventLog::~EventLog()
{
    if (m_hook != NULL)
        ::UnhookWinEvent(m_hook);
    s_current = NULL;
}

void CALLBACK EventLog::Hook(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                             DWORD)
{
    if (s_current != NULL)
        s_current->m_events.push_back({event, hwnd, object, child});
}

std::vector<std::string> EventLog::Lines(const std::vector<std::pair<HWND, std::string>>& windows) const
{
    std::vector<std::string> lines;
    for (const Event& e : m_events) {
        const char* name = EventName(e.event);
        if (name == NULL || (e.object != OBJID_CLIENT && e.object != OBJID_ALERT))
            continue;
        for (const auto& window : windows) {
            if (window.first == e.hwnd)
                lines.push_back(std::string(name) + " " + window.second + " " + std::to_string(e.child));
        }
    }
    return lines;
}

// The element of a window's provider, reached as a client of its accessible object reaches it.
IRawElementProviderSimple* ElementOf(HWND hwnd)
{
    a11y::Reader reader(hwnd);
    IServiceProvider* services = NULL;
    IRawElementProviderSimple* element = NULL;
    if (reader.Ok() && reader.Object()->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)) == S_OK) {
        IUnknown* bridge = NULL;
        if (services->QueryService(vxIID_IAccessibleEx, vxIID_IAccessibleEx, reinterpret_cast<void**>(&bridge)) == S_OK) {
            bridge->QueryInterface(vxIID_IRawElementProviderSimple, reinterpret_cast<void**>(&element));
            bridge->Release();
        }
        services->Release();
    }
    return element;
}

IUnknown* PatternInterfaceOf(IRawElementProviderSimple* element, PATTERNID id)
{
    IUnknown* provider = NULL;
    if (element == NULL || element->GetPatternProvider(id, &provider) != S_OK || provider == NULL)
        return NULL;
    const IID& iid = id == vxUiaInvokePattern           ? vxIID_IInvokeProvider
                     : id == vxUiaExpandCollapsePattern ? vxIID_IExpandCollapseProvider
                     : id == vxUiaValuePattern          ? vxIID_IValueProvider
                     : id == vxUiaRangeValuePattern     ? vxIID_IRangeValueProvider
                     : id == vxUiaSelectionPattern      ? vxIID_ISelectionProvider
                     : id == vxUiaScrollItemPattern     ? vxIID_IScrollItemProvider
                                                        : vxIID_ISelectionItemProvider;
    IUnknown* pattern = NULL;
    provider->QueryInterface(iid, reinterpret_cast<void**>(&pattern));
    provider->Release();
    return pattern;
}

} // namespace a11y
