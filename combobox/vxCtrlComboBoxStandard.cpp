// The standard combo box behaviours beyond the item list, as the system's combo box has
// them: the window text, the colour messages of the edit, the combo box info, the extended
// interface, the drop list's width, rows and scrollable width, the heights, storage and the
// directory listing.
#include "vxCtrlComboBox.h"
#include "vxComboItemRules.h"
#include "vxComboGeometry.h"
#include "vxAnsiText.h"
#include "vxDpi.h"
#include "vxDropListBox.h"

#include <string.h>

#include <algorithm>
#include <climits>

namespace {

// What the system's combo box answers for the rows before any count is set.
const int kSystemMinVisible = 30;
// Widths and heights the system refuses.
const UINT kSizeLimit = 32768;
const int kMaxRowHeight = 0xFFFF;

} // namespace

// --- window text and colours ---------------------------------------------------------

LRESULT vxCtrlComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        SetText(lParam != 0 ? reinterpret_cast<LPCTSTR>(lParam) : _T(""));
        return TRUE;
    case WM_GETTEXTLENGTH:
        if (HasEdit())
            return m_pEdit->SendMessage(WM_GETTEXTLENGTH);
        return m_strText.GetLength();
    case WM_GETTEXT: {
        // The edit is asked for no more than its text and zero: a size near the top of the
        // range is a count of what the buffer holds, not one to compute with.
        if (HasEdit()) {
            const WPARAM nNeeded = static_cast<WPARAM>(m_pEdit->SendMessage(WM_GETTEXTLENGTH)) + 1;
            return m_pEdit->SendMessage(WM_GETTEXT, std::min(wParam, nNeeded), lParam);
        }
        if (wParam == 0 || lParam == 0)
            return 0;
        // A short buffer gets whole characters only, never the first byte of a pair.
        const int nCopied = vxWholeCharUnits(static_cast<LPCTSTR>(m_strText), m_strText.GetLength(),
                                             static_cast<int>(std::min<WPARAM>(wParam - 1, INT_MAX)));
        LPTSTR pszBuffer = reinterpret_cast<LPTSTR>(lParam);
        memcpy(pszBuffer, static_cast<LPCTSTR>(m_strText), nCopied * sizeof(TCHAR));
        pszBuffer[nCopied] = _T('\0');
        return nCopied;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
        // The parent colours the edit as it colours the system combo's; the drop list is
        // painted in the skin's colours and asks for none.
        const HWND hParent = ::GetParent(m_hWnd);
        if (HasEdit() && reinterpret_cast<HWND>(lParam) == m_pEdit->GetSafeHwnd() && hParent != NULL)
            return ::SendMessage(hParent, message, wParam, lParam);
        break;
    }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

// --- combo box info ------------------------------------------------------------------

BOOL vxCtrlComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const
{
    if (pcbi == NULL || pcbi->cbSize != sizeof(COMBOBOXINFO) || !::IsWindow(m_hWnd))
        return FALSE;
    vxCtrlComboBox* pThis = const_cast<vxCtrlComboBox*>(this);
    const BOOL bFramed = (m_dwCBStyle & VXCB_FRAME) != 0;
    const vxComboPaintLayout layout = CalcPaintLayout();
    pcbi->rcItem = HasEdit() ? pThis->RecalcEditArea() : CRect(layout.rcText);
    pcbi->rcButton = layout.rcButton;
    pcbi->stateButton = 0;
    if (!bFramed || !(GetStyle() & CBS_DROPDOWN))
        pcbi->stateButton |= STATE_SYSTEM_INVISIBLE;
    if (m_bDropped)
        pcbi->stateButton |= STATE_SYSTEM_PRESSED;
    pcbi->hwndCombo = m_hWnd;
    pcbi->hwndItem = HasEdit() ? m_pEdit->GetSafeHwnd() : NULL;
    vxDropListBox* pList = m_bDropped ? pThis->GetDropListBox() : NULL;
    pcbi->hwndList = pList != NULL ? pList->GetSafeHwnd() : NULL;
    return TRUE;
}

LRESULT vxCtrlComboBox::OnCbGetComboBoxInfo(WPARAM, LPARAM lParam)
{
    return GetComboBoxInfo(reinterpret_cast<PCOMBOBOXINFO>(lParam));
}

// --- extended interface --------------------------------------------------------------

int vxCtrlComboBox::SetExtendedUI(BOOL bExtended)
{
    // A combo without a drop list has nothing to open.
    if (!(GetStyle() & CBS_DROPDOWN))
        return CB_ERR;
    m_bExtendedUI = bExtended != FALSE;
    return CB_OKAY;
}

LRESULT vxCtrlComboBox::OnCbSetExtendedUI(WPARAM wParam, LPARAM)
{
    return SetExtendedUI(wParam != 0);
}

LRESULT vxCtrlComboBox::OnCbGetExtendedUI(WPARAM, LPARAM)
{
    return GetExtendedUI();
}

// --- the drop list's width, rows and scrollable width --------------------------------

int vxCtrlComboBox::GetDroppedWidth() const
{
    CRect rcWindow(0, 0, 0, 0);
    if (::IsWindow(m_hWnd))
        GetWindowRect(&rcWindow);
    return std::max(m_nDroppedWidth, rcWindow.Width());
}

int vxCtrlComboBox::SetDroppedWidth(UINT nWidth)
{
    if (!(GetStyle() & CBS_DROPDOWN) || nWidth >= kSizeLimit)
        return CB_ERR;
    // 0 keeps the width set; a width below the combo's is the combo's.
    if (nWidth != 0) {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        m_nDroppedWidth = static_cast<int>(nWidth) >= rcWindow.Width() ? static_cast<int>(nWidth) : 0;
    }
    return GetDroppedWidth();
}

LRESULT vxCtrlComboBox::OnCbSetDroppedWidth(WPARAM wParam, LPARAM)
{
    return SetDroppedWidth(static_cast<UINT>(wParam));
}

LRESULT vxCtrlComboBox::OnCbGetDroppedWidth(WPARAM, LPARAM)
{
    return GetDroppedWidth();
}

LRESULT vxCtrlComboBox::OnCbSetMinVisible(WPARAM wParam, LPARAM)
{
    // The system's meaning: at most that many rows, fewer when there are fewer items; the
    // preferred row count gives exactly that.
    // A count below one is passed over, as the system passes it over.
    const int nRows = static_cast<int>(wParam);
    if (nRows > 0)
        SetDefaultVisibleItems(nRows);
    return TRUE;
}

LRESULT vxCtrlComboBox::OnCbGetMinVisible(WPARAM, LPARAM)
{
    return m_nDefaultVisibleItems == -1 ? kSystemMinVisible : m_nDefaultVisibleItems;
}

void vxCtrlComboBox::SetHorizontalExtent(UINT nExtent)
{
    m_nHorizontalExtent = static_cast<int>(std::min(nExtent, kSizeLimit - 1));
    vxDropListBox* pList = GetDropListBox();
    if (pList != NULL)
        pList->SetHorizontalExtent(m_nHorizontalExtent);
}

LRESULT vxCtrlComboBox::OnCbSetHorizontalExtent(WPARAM wParam, LPARAM)
{
    SetHorizontalExtent(static_cast<UINT>(wParam));
    return 0;
}

LRESULT vxCtrlComboBox::OnCbGetHorizontalExtent(WPARAM, LPARAM)
{
    return GetHorizontalExtent();
}

// --- heights -------------------------------------------------------------------------

int vxCtrlComboBox::GetItemHeight(int nIndex) const
{
    if (nIndex != -1)
        return m_nItemHeight;
    if (!::IsWindow(m_hWnd))
        return m_nEditHeight;
    return const_cast<vxCtrlComboBox*>(this)->RecalcEditArea().Height();
}

LRESULT vxCtrlComboBox::OnCbSetItemHeight(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = static_cast<int>(wParam);
    const int cy = static_cast<int>(lParam);
    if (cy <= 0 || cy >= static_cast<int>(kSizeLimit) || (nIndex != -1 && cy > kMaxRowHeight))
        return CB_ERR;
    SetItemHeight(nIndex, cy);
    if (nIndex != -1)
        return CB_OKAY;
    // The field's height is asked for: the window takes it, whoever sized it before.
    FitFieldHeight(cy + vxScaleToDpi(VXCB_SET_FIELD_ROOM, vxDpiOf(m_hWnd)));
    return cy;
}

LRESULT vxCtrlComboBox::OnCbGetItemHeight(WPARAM wParam, LPARAM)
{
    return GetItemHeight(static_cast<int>(wParam));
}

// --- storage and the directory listing -----------------------------------------------

int vxCtrlComboBox::InitStorage(int nItems, UINT)
{
    if (nItems < 0)
        return CB_ERRSPACE;
    // The list takes its memory in small blocks as items come: nothing is set aside, and a
    // count the list could never hold gets no room.
    const size_t nWanted = m_lstItems.size() + static_cast<size_t>(nItems);
    return nWanted > static_cast<size_t>(INT_MAX) ? CB_ERRSPACE : static_cast<int>(nWanted);
}

LRESULT vxCtrlComboBox::OnCbInitStorage(WPARAM wParam, LPARAM lParam)
{
    return InitStorage(static_cast<int>(wParam), static_cast<UINT>(lParam));
}

int vxCtrlComboBox::Dir(UINT attr, LPCTSTR lpszWildCard)
{
    if (lpszWildCard == NULL)
        return CB_ERR;
    const UINT kFileAttributes = DDL_READONLY | DDL_HIDDEN | DDL_SYSTEM | DDL_ARCHIVE;
    int nLast = CB_ERR;
    // Drives alone need no look at the folder.
    if (attr != (DDL_DRIVES | DDL_EXCLUSIVE)) {
        WIN32_FIND_DATA entry;
        HANDLE hFind = ::FindFirstFile(lpszWildCard, &entry);
        if (hFind == INVALID_HANDLE_VALUE) {
            const DWORD dwError = ::GetLastError();
            if (dwError != ERROR_NO_MORE_FILES && dwError != ERROR_FILE_NOT_FOUND)
                return CB_ERR;
        } else {
            do {
                CString strName;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    if (!(attr & DDL_DIRECTORY) || lstrcmp(entry.cFileName, _T(".")) == 0)
                        continue;
                    strName.Format(_T("[%s]"), entry.cFileName);
                } else {
                    if ((attr & DDL_EXCLUSIVE) &&
                        (attr & kFileAttributes) != (entry.dwFileAttributes & kFileAttributes))
                        continue;
                    strName = entry.cFileName;
                }
                nLast = AddString(strName);
            } while (::FindNextFile(hFind, &entry));
            ::FindClose(hFind);
        }
    }
    if (attr & DDL_DRIVES) {
        TCHAR szRoot[] = _T("A:\\");
        TCHAR szName[] = _T("[-a-]");
        for (int nDrive = 0; nDrive < 26; ++nDrive, ++szRoot[0], ++szName[2]) {
            if (::GetDriveType(szRoot) > DRIVE_NO_ROOT_DIR)
                nLast = AddString(szName);
        }
    }
    return nLast;
}

LRESULT vxCtrlComboBox::OnCbDir(WPARAM wParam, LPARAM lParam)
{
    return Dir(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam));
}
