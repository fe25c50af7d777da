#include "combo_test_util.h"

#include "vxDropListBox.h"
#include "vxDropWnd.h"

namespace combotest {

void ProbeCombo::DisableItem(int nIndex)
{
    GetItemRecord(nIndex)->bDisabled = TRUE;
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

namespace {

BOOL WINAPI WalkPreTranslateTree(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(NULL, pMsg);
}

// The test support's pumps and input, with pre-translation as the host's loop would.
template <typename Work>
auto Translated(Work work)
{
    const vxtest::PreTranslateFn before = vxtest::SetPreTranslate(WalkPreTranslateTree);
    struct Restore {
        vxtest::PreTranslateFn fn;
        ~Restore() { vxtest::SetPreTranslate(fn); }
    } restore{before};
    return work();
}

} // namespace

void PumpTranslated()
{
    Translated([] { vxtest::PumpMessages(); });
}

bool PumpTranslatedUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    return Translated([&] { return vxtest::PumpUntil(condition, timeoutMs); });
}

void PumpTranslatedFor(DWORD ms)
{
    Translated([ms] { vxtest::PumpFor(ms); });
}

void KeyDown(WORD vk)
{
    Translated([vk] { vxtest::KeyDown(vk); });
}

void KeyUp(WORD vk)
{
    Translated([vk] { vxtest::KeyUp(vk); });
}

void Key(WORD vk)
{
    Translated([vk] { vxtest::KeyPress(vk); });
}

void ChordKey(WORD modifier, WORD vk)
{
    Translated([modifier, vk] { vxtest::KeyChord(modifier, vk); });
}

void AltKey(WORD vk)
{
    ChordKey(VK_MENU, vk);
}

void Type(const char* text)
{
    Translated([text] { vxtest::TypeText(text); });
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
        m_pCombo->AddString(CString(text));
}

void ComboFixture::Focus()
{
    ::SetFocus(Hwnd());
    PumpTranslated();
    ClearCodes();
}

void ComboFixture::Ready()
{
    Focus();
    ParkPointer();
    ClearCodes();
}

void ComboFixture::ParkPointer()
{
    vxtest::MouseMove(vxtest::ScreenPoint(m_host.Hwnd(), 700, 20));
    PumpTranslatedFor(30);
}

bool ComboFixture::WaitOpen()
{
    return PumpTranslatedUntil([&] { return m_pCombo->FrameHwnd() != NULL; });
}

void ComboFixture::ClickButton()
{
    ClickAt(vxtest::ScreenPoint(Hwnd(), kComboWidth - 8, kComboHeight / 2));
}

void ComboFixture::MoveTo(POINT pt)
{
    vxtest::MouseMove(pt);
    PumpTranslatedFor(40);
}

void ComboFixture::ClickAt(POINT pt)
{
    vxtest::Click(pt);
    PumpTranslatedFor(50);
}

void ComboFixture::ClickRow(int nRow)
{
    MoveTo(RowPoint(m_pCombo->ListHwnd(), nRow));
    ClickAt(RowPoint(m_pCombo->ListHwnd(), nRow));
}

::testing::AssertionResult ComboFixture::KeyLeaves(WORD vk, int nCurSel, const std::vector<UINT>& codes)
{
    Key(vk);
    const std::vector<UINT> heard = Codes();
    ClearCodes();
    if (m_pCombo->CurSelIndex() == nCurSel && heard == codes)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "key " << vk << " left item " << m_pCombo->CurSelIndex()
                                         << " and " << heard.size() << " codes";
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

} // namespace combotest
