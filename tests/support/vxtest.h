// Test support for real windows under Wine: message pumping, user input through SendInput,
// painted pixels, recording of the messages a window receives, GUI object counting, the tests'
// own window classes and a host window.
#pragma once

#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace vxtest {

// --- text -----------------------------------------------------------------------------------
// A text of either character set as a narrow string in the ANSI code page, for comparisons
// and messages that read the same in an ANSI and a Unicode build.
inline std::string Narrow(const char* psz) { return psz != NULL ? psz : ""; }
inline std::string Narrow(const wchar_t* psz)
{
    if (psz == NULL || *psz == L'\0')
        return std::string();
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, NULL, 0, NULL, NULL);
    std::string text(nBytes > 0 ? static_cast<size_t>(nBytes - 1) : 0, '\0');
    if (nBytes > 1)
        ::WideCharToMultiByte(CP_ACP, 0, psz, -1, &text[0], nBytes, NULL, NULL);
    return text;
}

// A window's text in the ANSI code page, read as a narrow caller reads it.
inline std::string WindowTextOf(HWND hwnd)
{
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

// --- pumping ------------------------------------------------------------------------------
// A host loop's pre-translation (the framework's AfxPreTranslateMessage, for dialog keys):
// every pump below, the input helpers' included, offers each message to it first. Answers
// the one set before; null pumps plainly.
using PreTranslateFn = BOOL(WINAPI*)(MSG*);
PreTranslateFn SetPreTranslate(PreTranslateFn fn);
// Dispatches every message waiting in this thread's queue (sent messages included).
void PumpMessages();
// Pumps for the given time, sleeping between messages.
void PumpFor(DWORD ms);
// Pumps until the condition holds or the time bound passes; answers the condition's value.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);

// --- input (SendInput, the way a user drives the machine) ---------------------------------
// Buttons: 0 left, 1 right, 2 middle. Points are in screen coordinates.
void MouseMove(POINT screen);
void MouseDown(int button = 0);
void MouseUp(int button = 0);
void Click(POINT screen, int button = 0);
// Left press at one point, a move to the other and the release, in one batch: a control that
// runs its own drag loop on the press finds the rest already queued.
void MouseDrag(POINT from, POINT to);
void DoubleClick(POINT screen);
void Wheel(int delta);               // WHEEL_DELTA units, positive away from the user
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void KeyPress(WORD vk);              // down and up
void KeyChord(WORD modifier, WORD vk); // e.g. VK_MENU + VK_DOWN
void TypeText(const char* text);     // characters as key strokes (ANSI letters, digits, space)
// A window's rectangle on the screen, and in another window's client coordinates.
inline RECT WindowRect(HWND hwnd)
{
    RECT rc = {};
    ::GetWindowRect(hwnd, &rc);
    return rc;
}
inline RECT PlaceIn(HWND hParent, HWND hwnd)
{
    RECT rc = WindowRect(hwnd);
    ::MapWindowPoints(NULL, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}
// The screen point of a window's client point.
POINT ScreenPoint(HWND hwnd, int x, int y);
// Centre of a window's client area in screen coordinates.
POINT CentreOf(HWND hwnd);

// --- pixels as painted (client coordinates; a null window reads the screen) -----------------
COLORREF PixelAt(HWND hwnd, int x, int y);
int CountColour(HWND hwnd, const RECT& rc, COLORREF colour);  // pixels of the rectangle in it
int LongestRun(HWND hwnd, const RECT& rc, COLORREF colour);   // longest row of them
std::vector<COLORREF> Pixels(HWND hwnd, const RECT& rc);      // row by row

// --- recording ----------------------------------------------------------------------------
struct RecordedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;                     // true when it came through the queue
};

// Records what a window receives by subclassing it, or what is handed to Record().
// Sent and posted messages are told apart with InSendMessage().
class MessageRecorder {
public:
    MessageRecorder() = default;
    explicit MessageRecorder(HWND hwnd) { Attach(hwnd); }
    ~MessageRecorder() { Detach(); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Attach(HWND hwnd);          // subclass: records, then calls the previous procedure
    void Detach();
    void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted);

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    std::vector<RecordedMessage> Filter(UINT message) const;
    std::vector<RecordedMessage> Filter(const std::function<bool(const RecordedMessage&)>& keep) const;
    int Count(UINT message) const;
    void Clear() { m_messages.clear(); }

    // WM_COMMAND notification codes (HIWORD(wParam)) received, in order, optionally for one id.
    std::vector<UINT> CommandCodes(int id = -1) const;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd = nullptr;
    WNDPROC m_previous = nullptr;
    std::vector<RecordedMessage> m_messages;
};

// True once for the message being handled when it was taken from this thread's queue
// (posted) rather than sent; for window procedures that record by hand.
bool IsPostedMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Readable name of a message for failure output ("WM_COMMAND", "0x0BC6").
std::string MessageName(UINT message);

// --- object counts ------------------------------------------------------------------------
// GDI objects of the process (from the shared GDI handle table) and windows of this thread.
// Counts are compared around repeated work, after a warm-up round, to catch leaks.
struct GuiCounts {
    int gdi = 0;
    int windows = 0;
    static GuiCounts Now();
    bool operator==(const GuiCounts& o) const { return gdi == o.gdi && windows == o.windows; }
    bool operator!=(const GuiCounts& o) const { return !(*this == o); }
};
std::string ToString(const GuiCounts& counts);
// Bytes in use on every heap of the process; for checks that objects were freed.
size_t HeapBytesInUse();

// --- a window's end -------------------------------------------------------------------------
// Runs callback from the window's WM_DESTROY, as a handler reached during its end runs; the
// callback must outlive the window.
void CallOnDestroy(HWND hwnd, const std::function<void()>* callback);

// --- another process ----------------------------------------------------------------------
// Runs a program of the folder this one is in with the arguments and returns what it printed,
// pumping this thread's messages until it ends (its questions to our windows arrive as
// messages); exitCode gets its exit code, or -1 when it did not start or end in time.
std::string RunProgramBesideThis(const std::string& program, const std::string& arguments,
                                 int* exitCode = nullptr, DWORD timeoutMs = 30000);
// Sends or posts a message to hwnd from a second process, as any program on the desktop
// may; true when it went out (and, for a send, the answer is in *result).
bool SendFromAnotherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
bool PostFromAnotherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// --- the tests' own windows -------------------------------------------------------------
// Registers a window class of this module once (an arrow cursor, the background given); true
// when it is registered.
bool RegisterTestClass(const char* name, WNDPROC proc, HBRUSH hBackground = NULL, UINT style = 0);
// Makes the window the foreground window, pumping until the system agrees; keys typed go to it.
bool BringToFront(HWND hwnd);

// --- host window --------------------------------------------------------------------------
// A visible top-level window at (100,100) with an 800x600 client area (by default) that
// records every message it receives (WM_COMMAND notifications of children among them) and
// optionally hands them to a test's own handler first.
class HostWindow {
public:
    using Handler = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>; // true: handled
    explicit HostWindow(int clientWidth = 800, int clientHeight = 600, DWORD style = WS_OVERLAPPEDWINDOW);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    MessageRecorder& Recorder() { return m_recorder; }
    void SetHandler(Handler handler) { m_handler = std::move(handler); }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd = nullptr;
    MessageRecorder m_recorder;
    Handler m_handler;
};

} // namespace vxtest

namespace vxtest {

// --- the host in a callback -----------------------------------------------------------------
// What an unkind host does inside a notification of a control: deletes the control object,
// or destroys the window that holds it.
enum class HostAct { DeleteControl, DestroyParent };

// A host handler that, the first time the message arrives, deletes *ppControl (and nulls it)
// or destroys hParent, answers 0 and sets *pFired.
template <class Control>
HostWindow::Handler ActOnce(UINT message, HostAct act, Control** ppControl, HWND hParent, bool* pFired)
{
    return [=](UINT msg, WPARAM, LPARAM, LRESULT& result) {
        if (msg != message || *pFired)
            return false;
        *pFired = true;
        if (act == HostAct::DeleteControl) {
            Control* pControl = *ppControl;
            *ppControl = nullptr;
            delete pControl;
        } else {
            ::DestroyWindow(hParent);
        }
        result = 0;
        return true;
    };
}

// Runs round() twice, the first time to fill the platform's caches, and answers whether the
// second left every window, GDI object and (within slack bytes) the heap as it found them;
// the differences go to *pReport.
bool RoundLeavesNothing(const std::function<void()>& round, size_t slack, std::string* pReport);

} // namespace vxtest
