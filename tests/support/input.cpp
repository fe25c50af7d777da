// User input through SendInput. Each call waits until the input has reached this thread's
// queue and been dispatched, so that a test sees its effects on the next line.
#include "vxtest.h"

#include <initializer_list>

namespace vxtest {

namespace {

void Send(INPUT& input)
{
    ::SendInput(1, &input, sizeof(INPUT));
    // Let the X server round trip deliver the event, then dispatch it.
    PumpFor(30);
}

INPUT KeyInput(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// Key events go in as one batch: Wine's X11 driver re-syncs its key state with the X
// server's when a window of its takes the X focus, by key-up events of its own, and one
// arriving between a Shift down and the Tab would turn Shift+Tab into Tab. Then the
// events are pumped until no key message waits, however slow the machine.
void SendKeys(std::initializer_list<INPUT> events)
{
    std::vector<INPUT> inputs(events);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpUntil([] { return HIWORD(::GetQueueStatus(QS_KEY)) == 0; }, 2000);
    PumpFor(30);
}

INPUT MouseInput(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

const DWORD kDownFlags[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN};
const DWORD kUpFlags[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_MIDDLEUP};

int ButtonIndex(int button) { return button < 0 || button > 2 ? 0 : button; }

// A move to a screen point: absolute coordinates are normalised to 0..65535 over the whole
// virtual screen, all monitors together.
INPUT MoveInput(POINT screen)
{
    const int x0 = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y0 = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int cx = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK);
    input.mi.dx = static_cast<LONG>(((screen.x - x0) * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = static_cast<LONG>(((screen.y - y0) * 65535LL + cy / 2) / (cy - 1));
    return input;
}

} // namespace

void MouseMove(POINT screen)
{
    INPUT input = MoveInput(screen);
    Send(input);
    // Rounding of the normalised coordinates may land one pixel off; settle exactly.
    POINT now;
    if (::GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y)) {
        ::SetCursorPos(screen.x, screen.y);
        PumpFor(10);
    }
}

void MouseDown(int button)
{
    INPUT input = MouseInput(kDownFlags[ButtonIndex(button)]);
    Send(input);
}

void MouseUp(int button)
{
    INPUT input = MouseInput(kUpFlags[ButtonIndex(button)]);
    Send(input);
}

void MouseDrag(POINT from, POINT to)
{
    MouseMove(from);
    INPUT inputs[3] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MoveInput(to), MouseInput(MOUSEEVENTF_LEFTUP)};
    ::SendInput(3, inputs, sizeof(INPUT));
    PumpFor(50);
}

void Click(POINT screen, int button)
{
    MouseMove(screen);
    MouseDown(button);
    MouseUp(button);
}

void DoubleClick(POINT screen)
{
    MouseMove(screen);
    INPUT inputs[4] = {MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP),
                       MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
    ::SendInput(4, inputs, sizeof(INPUT));
    PumpFor(50);
}

void Wheel(int delta)
{
    INPUT input = MouseInput(MOUSEEVENTF_WHEEL);
    input.mi.mouseData = static_cast<DWORD>(delta);
    Send(input);
}

void KeyDown(WORD vk)
{
    SendKeys({KeyInput(vk, false)});
}

void KeyUp(WORD vk)
{
    SendKeys({KeyInput(vk, true)});
}

void KeyPress(WORD vk)
{
    SendKeys({KeyInput(vk, false), KeyInput(vk, true)});
}

void KeyChord(WORD modifier, WORD vk)
{
    SendKeys({KeyInput(modifier, false), KeyInput(vk, false), KeyInput(vk, true),
              KeyInput(modifier, true)});
}

void TypeText(const char* text)
{
    if (text == nullptr)
        return;
    for (const char* p = text; *p; ++p) {
        const SHORT scan = ::VkKeyScanA(*p);
        if (scan == -1)
            continue;
        if (scan & 0x0100)
            KeyChord(VK_SHIFT, static_cast<WORD>(scan & 0xFF));
        else
            KeyPress(static_cast<WORD>(scan & 0xFF));
    }
}

POINT ScreenPoint(HWND hwnd, int x, int y)
{
    POINT pt = {x, y};
    ::ClientToScreen(hwnd, &pt);
    return pt;
}

POINT CentreOf(HWND hwnd)
{
    RECT rc = {};
    ::GetClientRect(hwnd, &rc);
    return ScreenPoint(hwnd, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

} // namespace vxtest
