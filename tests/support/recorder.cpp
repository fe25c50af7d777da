// Message recording. A WH_GETMESSAGE hook notes each message taken from the queue, so
// that a recorded message is known to be posted whichever loop dispatched it.
#include "vxtest.h"

#include <cstdio>

namespace vxtest {

namespace {

const char kRecorderProp[] = "vxtest.recorder";

thread_local HHOOK t_hook = nullptr;
thread_local MSG t_retrieved = {};  // the last posted message taken from the queue
thread_local bool t_pending = false; // it has not been matched by a recorder yet

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        t_retrieved = *reinterpret_cast<MSG*>(lParam);
        t_pending = true;
    }
    return ::CallNextHookEx(t_hook, code, wParam, lParam);
}

void EnsureHook()
{
    if (t_hook == nullptr)
        t_hook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, ::GetCurrentThreadId());
}

// True once for the message just taken from the queue.
bool TakeIfPosted(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!t_pending || t_retrieved.hwnd != hwnd || t_retrieved.message != message ||
        t_retrieved.wParam != wParam || t_retrieved.lParam != lParam)
        return false;
    t_pending = false;
    return true;
}

} // namespace

void MessageRecorder::Attach(HWND hwnd)
{
    Detach();
    if (!::IsWindow(hwnd))
        return;
    EnsureHook();
    m_hwnd = hwnd;
    ::SetPropA(hwnd, kRecorderProp, this);
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageRecorder::Proc)));
}

void MessageRecorder::Detach()
{
    if (m_hwnd == nullptr)
        return;
    if (::IsWindow(m_hwnd)) {
        ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previous));
        ::RemovePropA(m_hwnd, kRecorderProp);
    }
    m_hwnd = nullptr;
    m_previous = nullptr;
}

LRESULT CALLBACK MessageRecorder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<MessageRecorder*>(::GetPropA(hwnd, kRecorderProp));
    if (self == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    WNDPROC previous = self->m_previous;
    self->Record(hwnd, message, wParam, lParam, TakeIfPosted(hwnd, message, wParam, lParam));
    if (message == WM_NCDESTROY) {
        // The window goes: restore the chain so the previous procedure cleans up normally.
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        ::RemovePropA(hwnd, kRecorderProp);
        self->m_hwnd = nullptr;
        self->m_previous = nullptr;
    }
    return ::CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted)
{
    m_messages.push_back({hwnd, message, wParam, lParam, posted});
}

std::vector<RecordedMessage> MessageRecorder::Filter(UINT message) const
{
    return Filter([message](const RecordedMessage& m) { return m.message == message; });
}

std::vector<RecordedMessage> MessageRecorder::Filter(
    const std::function<bool(const RecordedMessage&)>& keep) const
{
    std::vector<RecordedMessage> out;
    for (const RecordedMessage& m : m_messages)
        if (keep(m))
            out.push_back(m);
    return out;
}

int MessageRecorder::Count(UINT message) const
{
    return static_cast<int>(Filter(message).size());
}

std::vector<UINT> MessageRecorder::CommandCodes(int id) const
{
    std::vector<UINT> codes;
    for (const RecordedMessage& m : m_messages)
        if (m.message == WM_COMMAND && (id < 0 || LOWORD(m.wParam) == id))
            codes.push_back(HIWORD(m.wParam));
    return codes;
}

bool IsPostedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    EnsureHook();
    return TakeIfPosted(hwnd, message, wParam, lParam);
}

std::string MessageName(UINT message)
{
    struct Named { UINT message; const char* name; };
    static const Named names[] = {
        {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"}, {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_NOTIFY, "WM_NOTIFY"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_COMMAND, "WM_COMMAND"},
        {WM_TIMER, "WM_TIMER"}, {WM_VSCROLL, "WM_VSCROLL"}, {WM_HSCROLL, "WM_HSCROLL"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"}, {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"}, {WM_DRAWITEM, "WM_DRAWITEM"},
        {WM_MEASUREITEM, "WM_MEASUREITEM"}, {WM_CANCELMODE, "WM_CANCELMODE"},
    };
    for (const Named& n : names)
        if (n.message == message)
            return n.name;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%04X", message);
    return buffer;
}

} // namespace vxtest
