// Reading controls as a screen reader does: a window's accessible object through
// AccessibleObjectFromWindow, its properties as text, and the WinEvents the process fires.
#pragma once

#include <windows.h>
#include <oleacc.h>
#include <uiautomationcore.h>

#include <string>
#include <utility>
#include <vector>

namespace a11y {

const long kObject = -2; // a child handed out as an object of its own

// Wide text as UTF-8 (empty for none).
std::string Utf8(const wchar_t* text);

// COM for the test thread, as a screen reader's own thread has it.
class ComScope
{
public:
    ComScope() { ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED); }
    ~ComScope() { ::CoUninitialize(); }
};

// One accessible object; children are numbered from 1, 0 is the object itself.
class Reader
{
public:
    explicit Reader(HWND hwnd, LONG objectId = OBJID_CLIENT);
    explicit Reader(IAccessible* acc) : m_acc(acc) {}  // takes the reference
    Reader(Reader&& other) : m_acc(other.m_acc) { other.m_acc = NULL; }
    Reader& operator=(Reader&& other)
    {
        std::swap(m_acc, other.m_acc);
        return *this;
    }
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool Ok() const { return m_acc != NULL; }
    IAccessible* Object() const { return m_acc; } // for calls the reader does not wrap
    std::string Name(long child = 0) const;
    std::string Value(long child = 0) const;
    std::string DefaultAction(long child = 0) const;
    long Role(long child = 0) const;         // -1 when it fails
    long State(long child = 0) const;        // -1 when it fails
    long ChildCount() const;                 // -1 when it fails
    RECT Location(long child = 0) const;     // empty when it fails
    // Answers that name a child give its number, or kObject for a child that is an object of
    // its own, which they then keep in *object when asked.
    long Focus(Reader* object = NULL) const; // the focused child, 0: itself, -1: none
    long Selection(Reader* object = NULL) const; // the selected child, 0: none
    long HitTest(POINT screen, Reader* object = NULL) const; // the child there, 0: itself, -1: outside
    long Navigate(long direction, long start, Reader* object = NULL) const; // -1: none
    HWND Window() const;                     // the window the object belongs to
    Reader Parent() const;
    HRESULT DoDefaultAction(long child = 0) const;
    Reader Child(long child) const;          // a child that is an object of its own
    HRESULT NameResult(long child = 0) const; // what get_accName answers

private:
    IAccessible* m_acc = NULL;
};

// What a screen reader in another process reads of the window's client object, as
// "name|role|value|child count"; this thread pumps meanwhile, as it must to answer. Empty when
// the reader could not run.
std::string ReadFromAnotherProcess(HWND hwnd);

// WinEvents of this process, as an out-of-context hook gets them while the thread pumps.
struct Event
{
    DWORD event;
    HWND hwnd;
    LONG object;
    LONG child;
};

class EventLog
{
public:
    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void Clear() { m_events.clear(); }
    // The events of the given kinds on client and alert objects, in order, as
    // "name hwnd-tag child" lines; windows are tagged by the names given to them, others are
    // left out.
    std::vector<std::string> Lines(const std::vector<std::pair<HWND, std::string>>& windows) const;

private:
    static void CALLBACK Hook(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child,
                              DWORD, DWORD);
    HWINEVENTHOOK m_hook = NULL;
    std::vector<Event> m_events;
    static EventLog* s_current;
};

// The UI Automation element of a window's provider, reached as a client of its accessible
// object reaches it (the object's bridge); NULL when it has none.
IRawElementProviderSimple* ElementOf(HWND hwnd);

// The interface of one of the element's patterns (vxUiaInvokePattern and the others), with a
// reference for the caller; NULL when the element does not support it.
IUnknown* PatternInterfaceOf(IRawElementProviderSimple* element, PATTERNID id);
template <class Pattern>
Pattern* PatternOf(IRawElementProviderSimple* element, PATTERNID id)
{
    return reinterpret_cast<Pattern*>(PatternInterfaceOf(element, id));
}

} // namespace a11y
