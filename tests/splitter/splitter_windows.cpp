#include "splitter_windows.h"

#include <map>

namespace splittest {

namespace {

const char kColourClass[] = "vxtest.SplitterColour";

std::map<HWND, std::function<void(POINT)>>& PressHandlers()
{
    static std::map<HWND, std::function<void(POINT)>> handlers;
    return handlers;
}

LRESULT CALLBACK ColourProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
        ::FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
        ::DeleteObject(brush);
        return 1;
    }
    case WM_LBUTTONDOWN: {
        auto it = PressHandlers().find(hwnd);
        if (it != PressHandlers().end()) {
            auto handler = it->second;   // the handler may outlive nothing but this call
            handler(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        }
        break;
    }
    case WM_NCDESTROY:
        PressHandlers().erase(hwnd);
        break;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

DragScript* g_script = nullptr;

INPUT MouseInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

} // namespace

HWND CreateColourWindow(HWND hParent, COLORREF colour, const RECT& rc)
{
    vxtest::RegisterTestClass(kColourClass, ColourProc);
    HWND hwnd = ::CreateWindowExA(0, kColourClass, "", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                                  rc.right - rc.left, rc.bottom - rc.top, hParent, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    ::InvalidateRect(hwnd, nullptr, TRUE);
    return hwnd;
}

void SetPressHandler(HWND hwnd, std::function<void(POINT)> handler)
{
    PressHandlers()[hwnd] = std::move(handler);
}

RECT PlaceInParent(HWND hwnd)
{
    return vxtest::PlaceIn(::GetParent(hwnd), hwnd);
}

Snapshot::Snapshot(HWND hwnd, const RECT& rc) : m_rc(rc)
{
    HDC hdc = ::GetDC(hwnd);
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            m_pixels.push_back(::GetPixel(hdc, x, y));
    ::ReleaseDC(hwnd, hdc);
}

int Snapshot::Differences(const Snapshot& other, const RECT& sub) const
{
    const int width = m_rc.right - m_rc.left;
    int n = 0;
    for (int y = sub.top; y < sub.bottom; ++y) {
        for (int x = sub.left; x < sub.right; ++x) {
            if (x < m_rc.left || x >= m_rc.right || y < m_rc.top || y >= m_rc.bottom)
                continue;
            size_t i = static_cast<size_t>((y - m_rc.top) * width + (x - m_rc.left));
            if (i < m_pixels.size() && i < other.m_pixels.size())
                n += m_pixels[i] != other.m_pixels[i];
        }
    }
    return n;
}

DragScript::DragScript(HWND hTimerWnd, std::vector<Step> steps, DWORD timeoutMs)
    : m_hwnd(hTimerWnd), m_steps(std::move(steps)), m_deadline(::GetTickCount() + timeoutMs)
{
    g_script = this;
    m_id = ::SetTimer(m_hwnd, 0x5C1, 15, &DragScript::OnTick);
}

DragScript::~DragScript()
{
    ::KillTimer(m_hwnd, m_id);
    g_script = nullptr;
}

void CALLBACK DragScript::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_script != nullptr)
        g_script->Tick();
}

void DragScript::Tick()
{
    ++m_ticks;
    if (!Finished() && static_cast<LONG>(::GetTickCount() - m_deadline) < 0) {
        if (m_steps[m_next]())
            ++m_next;
        return;
    }
    // Done or out of time: make sure a drag still running ends.
    HWND hCapture = ::GetCapture();
    if (hCapture != nullptr)
        ::PostMessageA(hCapture, WM_RBUTTONDOWN, MK_RBUTTON, 0);
}

DragScript::Step Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return [=] {
        ::PostMessageA(hwnd, message, wParam, lParam);
        return true;
    };
}

DragScript::Step PostMove(HWND hwnd, int x, int y)
{
    return Post(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
}

DragScript::Step Do(std::function<void()> action)
{
    return [action] {
        action();
        return true;
    };
}

DragScript::Step WaitFor(std::function<bool()> condition)
{
    return condition;
}

void RawMouseMove(POINT screen)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL + cy / 2) / (cy - 1));
    ::SendInput(1, &input, sizeof(INPUT));
}

void RawMouseButton(DWORD flags)
{
    INPUT input = MouseInput(flags);
    ::SendInput(1, &input, sizeof(INPUT));
}

void RawKey(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
}

int BuildDragSplitter(vxCtrlSplitter& splitter, HWND bar, HWND pane0, HWND pane1)
{
    const int created = splitter.CreateSplitter(bar, 0, 1, 1);
    splitter.AttachWnd(0, pane0);
    splitter.AttachWnd(1, pane1);
    splitter.SetPaneSize(0, -1, 50);
    splitter.SetPaneSize(1, 150, 30);
    splitter.Layout(0, 0, 400, 300);
    return created;
}

DragRig::DragRig(HWND hHost, int* pResult)
    : bar(CreateColourWindow(hHost, RGB(0, 0, 0), {0, 0, 4, 300})),
      pane0(CreateColourWindow(hHost, RGB(200, 0, 0), {0, 0, 10, 10})),
      pane1(CreateColourWindow(hHost, RGB(0, 200, 0), {0, 0, 10, 10}))
{
    BuildDragSplitter(splitter, bar, pane0, pane1);
    SetPressHandler(bar, [this, pResult](POINT client) {
        *pResult = splitter.Track(CWnd::FromHandle(bar), CPoint(client));
    });
}

} // namespace splittest
