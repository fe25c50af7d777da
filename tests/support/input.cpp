// User input through SendInput. Each call waits until the input has reached this thread's
// queue and been dispatched, so that a test sees its effects on the next line.
#include "vxtest.h"

namespace vxtest {

namespace {

void Send(INPUT& input)
{
    ::SendInput(1, &input, sizeof(INPUT));
    // Let the X server round trip deliver the event, then dispatch it.
    PumpFor(30);
}

// A key event is dispatched once this thread's key state shows it; a loaded machine may take
// longer than the usual round trip.
void SendKey(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
    PumpUntil([vk, up] { return ((::GetKeyState(vk) & 0x8000) == 0) == up; }, 2000);
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

} // namespace

void MouseMove(POINT screen)
{
    // Absolute coordinates are normalised to 0..65535 over the primary screen.
    const int cx = ::GetSystemMetrics(SM_CXSCREEN);
    const int cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = static_cast<LONG>((screen.x * 65535LL + cx / 2) / (cx - 1));
    input.mi.dy = static_cast<LONG>((screen.y * 65535LL + cy / 2) / (cy - 1));
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
    SendKey(vk, false);
}

void KeyUp(WORD vk)
{
    SendKey(vk, true);
}

void KeyPress(WORD vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

void KeyChord(WORD modifier, WORD vk)
{
    KeyDown(modifier);
    KeyPress(vk);
    KeyUp(modifier);
}

void TypeText(const char* text)
{
    if (text == nullptr)
        return;
    for (const char* p = text; *p; ++p) {
        const SHORT scan = ::VkKeyScanA(*p);
        if (scan == -1)
            continue;
        const bool shift = (scan & 0x0100) != 0;
        if (shift)
            KeyDown(VK_SHIFT);
        KeyPress(static_cast<WORD>(scan & 0xFF));
        if (shift)
            KeyUp(VK_SHIFT);
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
