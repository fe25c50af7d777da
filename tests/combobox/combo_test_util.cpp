#include "combo_test_util.h"

#include "vxDropListBox.h"
#include "vxDropWnd.h"

#include <vexelcore.h>


namespace combotest {

void ProbeCombo::DisableItem(int nIndex)
{
    vxListboxItemList::iterator it = m_lstItems.begin();
    std::advance(it, nIndex);
    it->bDisabled = TRUE;
}

HWND ProbeCombo::FrameHwnd() const
{
    return m_pDropWnd != NULL ? m_pDropWnd->GetSafeHwnd() : NULL;
}

HWND ProbeCombo::ListHwnd() const
{
    return m_pDropWnd != NULL && m_pDropWnd->GetListBox() != NULL
               ? m_pDropWnd->GetListBox()->GetSafeHwnd()
               : NULL;
}

BOOL ProbeCombo::CallPreTranslate(UINT message, WPARAM vk)
{
    MSG msg = {};
    msg.hwnd = m_pEdit != NULL ? m_pEdit->GetSafeHwnd() : GetSafeHwnd();
    msg.message = message;
    msg.wParam = vk;
    return PreTranslateMessage(&msg);
}

void PumpTranslated()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(NULL, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

bool PumpTranslatedUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpTranslated();
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return condition();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpTranslatedFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
        PumpTranslated();
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    PumpTranslated();
}

namespace {

// One key event through SendInput, dispatched with pre-translation (the test support's own
// input helpers pump without it). The event is in once this thread's key state shows it.
void SendKey(WORD vk, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(INPUT));
    PumpTranslatedUntil([vk, up] { return ((::GetKeyState(vk) & 0x8000) == 0) == up; }, 2000);
    PumpTranslatedFor(30);
}

} // namespace

void KeyDown(WORD vk)
{
    SendKey(vk, false);
}

void KeyUp(WORD vk)
{
    SendKey(vk, true);
}

void Key(WORD vk)
{
    KeyDown(vk);
    KeyUp(vk);
    PumpTranslatedFor(30);
}

void ChordKey(WORD modifier, WORD vk)
{
    KeyDown(modifier);
    Key(vk);
    KeyUp(modifier);
    PumpTranslatedFor(30);
}

void AltKey(WORD vk)
{
    ChordKey(VK_MENU, vk);
}

void Type(const char* text)
{
    for (const char* p = text; *p; ++p) {
        const SHORT scan = ::VkKeyScanA(*p);
        if (scan == -1)
            continue;
        if (scan & 0x0100)
            ChordKey(VK_SHIFT, static_cast<WORD>(scan & 0xFF));
        else
            Key(static_cast<WORD>(scan & 0xFF));
    }
}

ComboFixture::ComboFixture(DWORD dwStyle, int x, int y, int cx, int cy)
    : m_pCombo(new ProbeCombo)
{
    CRect rc(x, y, x + cx, y + cy);
    m_pCombo->Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, CWnd::FromHandle(m_host.Hwnd()),
                     kComboId);
    ::UpdateWindow(m_host.Hwnd());
    PumpTranslated();
    m_host.Recorder().Clear();
}

ComboFixture::~ComboFixture()
{
    delete m_pCombo;
    PumpTranslated();
}

ProbeCombo* ComboFixture::Release()
{
    ProbeCombo* p = m_pCombo;
    m_pCombo = NULL;
    return p;
}

std::vector<UINT> ComboFixture::Codes() const
{
    return const_cast<vxtest::HostWindow&>(m_host).Recorder().CommandCodes(kComboId);
}

void ComboFixture::Fill(std::initializer_list<const char*> texts)
{
    for (const char* text : texts)
        m_pCombo->AddString(text);
}

void ComboFixture::FocusAway()
{
    ::SetFocus(m_host.Hwnd());
    PumpTranslated();
}

POINT RowPoint(HWND hList, int nRow, int nRowHeight)
{
    const int nTop = static_cast<int>(::SendMessageA(hList, LB_GETTOPINDEX, 0, 0));
    return vxtest::ScreenPoint(hList, 30, (nRow - nTop) * nRowHeight + nRowHeight / 2);
}

bool WaitClosed(ProbeCombo& combo)
{
    return PumpTranslatedUntil([&] { return combo.DropWnd() == NULL; });
}

std::vector<std::string> Journal(const char* contains)
{
    std::vector<std::string> lines;
    for (int i = 0; i < vxJournalCount(); ++i) {
        const std::string line = vxJournalGet(i);
        if (contains == nullptr || line.find(contains) != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

std::string HandleText(HWND hwnd)
{
    char text[32];
    return vxFormatHandle(hwnd, text, sizeof(text));
}

COLORREF PixelAt(HWND hwnd, int x, int y)
{
    HDC hdc = ::GetDC(hwnd);
    const COLORREF colour = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return colour;
}

bool AnyPixel(HWND hwnd, const RECT& rc, COLORREF colour)
{
    HDC hdc = ::GetDC(hwnd);
    bool found = false;
    for (int y = rc.top; y < rc.bottom && !found; ++y) {
        for (int x = rc.left; x < rc.right && !found; ++x)
            found = ::GetPixel(hdc, x, y) == colour;
    }
    ::ReleaseDC(hwnd, hdc);
    return found;
}

} // namespace combotest
