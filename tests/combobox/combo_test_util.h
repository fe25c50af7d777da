// Shared pieces of the combo box window tests: a combo that shows its inner state, a host
// with a combo on it, a message pump that runs the framework's key pre-translation, and
// readers of the edit's and a window's text.
#pragma once

#include "vxCtrlComboBox.h"
#include "dialog_template.h"
#include "vxtest.h"
#include "vxtest_checks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace combotest {

const UINT kComboId = 1001;
const int kComboWidth = 200;
const int kComboHeight = 24;

// Reads the combo's state for checks.
class ProbeCombo : public vxCtrlComboBox
{
public:
    int CurSelIndex() const { return m_nCurSel; }
    const CString& FieldText() const { return m_strText; }
    CEdit* Edit() const { return m_pEdit; }
    CFont* Font() const { return m_pFont; }
    BOOL Hover() const { return m_bHover; }
    BOOL HoverTimer() const { return m_bHoverTimer; }
    BOOL Focused() const { return m_bFocused; }
    BOOL Dropped() const { return m_bDropped; }
    vxDropWnd* DropWnd() const { return m_pDropWnd; }
    HWND FrameHwnd() const;              // the open drop-down frame, or null
    HWND ListHwnd() const;               // its list, or null
    BOOL SelEndOk() const { return m_bSelEndOk; }
    void DisableItem(int nIndex);
    BOOL CallPreTranslate(UINT message, WPARAM vk); // a key message to the combo
};

// Dispatches waiting messages the way the framework's message loop does, with the
// pre-translation walk from the target up through its parents.
void PumpTranslated();
bool PumpTranslatedUntil(const std::function<bool()>& condition, DWORD timeoutMs = 3000);
void PumpTranslatedFor(DWORD ms);
// Key input through SendInput, then pumped with pre-translation.
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void Key(WORD vk);
void ChordKey(WORD modifier, WORD vk);
void AltKey(WORD vk);
void Type(const char* text);

// A host window with one combo on it at (20, 20), 200 x 24.
class ComboFixture
{
public:
    explicit ComboFixture(DWORD dwStyle, int x = 20, int y = 20, int cx = kComboWidth,
                          int cy = kComboHeight);
    ~ComboFixture();

    vxtest::HostWindow& Host() { return m_host; }
    ProbeCombo& Combo() { return *m_pCombo; }
    HWND Hwnd() const { return m_pCombo->GetSafeHwnd(); }
    ProbeCombo* Release();                 // the test deletes the combo itself
    // Notification codes from the combo received by the host, in order.
    std::vector<UINT> Codes() const;
    void ClearCodes() { m_host.Recorder().Clear(); }
    void Fill(std::initializer_list<const char*> texts);
    // Gives the combo the focus and forgets the codes heard so far.
    void Focus();
    // Focus() with the pointer parked away from where the list opens.
    void Ready();
    void ParkPointer();
    bool WaitOpen();                       // pumps until the drop-down frame is there
    void ClickButton();                    // a click on the drop button
    void MoveTo(POINT pt);
    void ClickAt(POINT pt);
    void ClickRow(int nRow);               // the pointer onto a row of the open list, then a click
    // Gives the focus to the host, away from the combo.
    void FocusAway();
    // Presses the key: whether it leaves that current item and the host heard those codes,
    // which are then forgotten.
    ::testing::AssertionResult KeyLeaves(WORD vk, int nCurSel, const std::vector<UINT>& codes);

private:
    vxtest::HostWindow m_host;
    ProbeCombo* m_pCombo;
};

// The text of the combo's edit, and a window's text read as a narrow caller reads it.
inline CString EditText(const vxCtrlComboBox& combo)
{
    return CString(vxtest::WindowTextOf(::GetDlgItem(combo.GetSafeHwnd(), VXCB_EDIT_ID)).c_str());
}
inline CString WindowText(HWND hwnd) { return CString(vxtest::WindowTextOf(hwnd).c_str()); }

// Screen point in the middle of a drop list row (client y of the row's centre).
POINT RowPoint(HWND hList, int nRow, int nRowHeight = 26);
// Pumps until the combo has no drop-down or the bound passes.
bool WaitClosed(ProbeCombo& combo);

const UINT kDialogComboId = 300;      // the placeholder's id in DialogTemplate

// A dialog template in memory with one "RavuComboBoxCtrl" placeholder and a font.
class DialogTemplate : public vxtest::DialogTemplate
{
public:
    explicit DialogTemplate(DWORD dwComboStyle)
        : vxtest::DialogTemplate(200, 100, WS_POPUP | WS_VISIBLE | DS_SETFONT)
    {
        Item("RavuComboBoxCtrl", WS_TABSTOP | dwComboStyle, 10, 10, 120, 14, kDialogComboId);
    }
};

using vxtest::Journal;

using vxtest::PixelAt;
// Whether any pixel of the rectangle has the colour.
inline bool AnyPixel(HWND hwnd, const RECT& rc, COLORREF colour) { return vxtest::CountColour(hwnd, rc, colour) > 0; }

} // namespace combotest
