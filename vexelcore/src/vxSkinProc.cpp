// Painted kinds take over WM_PAINT and WM_ERASEBKGND completely. The controls underneath
// (buttons, list boxes) also paint straight to the screen when their state changes, so after
// every message that may change the look the engine compares a snapshot of the look and
// repaints at once when it differs, or repaints unconditionally after the messages that make
// the control paint itself. The pointer is tracked for the hot look (a leave notice ends it).
// Draw items of list entries follow the insertions and deletions of the list.
#include "vxSkinProc.h"

#include <commctrl.h>

#include "vxPainters.h"
#include "vxSkinLayout.h"
#include "vxToolTips.h"

namespace vxcore {
namespace {

bool IsButtonKind(int kind)
{
    return kind == kKindPushButton || kind == kKindRadioButton;
}

// Messages that only ask and never change a look.
bool IsQuery(UINT message)
{
    switch (message) {
    case WM_NCHITTEST: case WM_SETCURSOR: case WM_GETTEXT: case WM_GETTEXTLENGTH:
    case WM_GETDLGCODE: case WM_GETFONT: case WM_NCPAINT: case WM_NCCALCSIZE:
    case WM_GETOBJECT: case WM_NOTIFYFORMAT: case WM_QUERYUISTATE: case WM_GETMINMAXINFO:
    case WM_WINDOWPOSCHANGING: case WM_CTLCOLORBTN: case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case BM_GETCHECK: case BM_GETSTATE: case BM_GETIMAGE:
    case LB_GETSEL: case LB_GETCURSEL: case LB_GETTEXT: case LB_GETTEXTLEN: case LB_GETCOUNT:
    case LB_GETTOPINDEX: case LB_GETSELCOUNT: case LB_GETSELITEMS: case LB_GETHORIZONTALEXTENT:
    case LB_GETANCHORINDEX: case LB_GETCARETINDEX: case LB_GETITEMRECT: case LB_GETITEMDATA:
    case LB_GETITEMHEIGHT: case LB_GETLOCALE: case LB_ITEMFROMPOINT: case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return true;
    default:
        return false;
    }
}

// Messages after which the control underneath has painted itself, whatever changed.
bool MakesControlPaint(UINT message)
{
    switch (message) {
    case WM_SETTEXT: case WM_ENABLE: case WM_SETFONT: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: case WM_SIZE: case WM_CAPTURECHANGED: case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: case WM_SETTINGCHANGE:  // a high-contrast setting turned on or off
    case BM_SETSTATE: case BM_SETCHECK: case BM_SETSTYLE: case BM_SETIMAGE:
    case LB_SETITEMHEIGHT: case LB_SETCOLUMNWIDTH: case LB_SETHORIZONTALEXTENT:
    case WM_SETREDRAW:
        return true;
    default:
        return false;
    }
}

LookSnapshot TakeSnapshot(WindowState& state)
{
    LookSnapshot look;
    HWND hwnd = state.hwnd;
    state.snapshotting = true;
    look.enabled = IsWindowEnabled(hwnd) != FALSE;
    look.focused = state.hasFocus;
    if (IsButtonKind(state.kind)) {
        look.state = state.CallPrevious(BM_GETSTATE, 0, 0);
    } else if (state.kind == kKindListBox) {
        look.state = state.CallPrevious(LB_GETCURSEL, 0, 0);
        look.topIndex = state.CallPrevious(LB_GETTOPINDEX, 0, 0);
        look.count = state.CallPrevious(LB_GETCOUNT, 0, 0);
        look.itemHeight = state.CallPrevious(LB_GETITEMHEIGHT, 0, 0);
    }
    state.snapshotting = false;
    return look;
}

// Entry draw items move with the entries.
void FollowListEdits(WindowState& state, UINT message, WPARAM wParam, LRESULT result)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (result >= 0)
            state.entries.Insert(static_cast<int>(result));
        break;
    case LB_DELETESTRING:
        if (result != LB_ERR)
            state.entries.Erase(static_cast<int>(wParam));
        break;
    case LB_RESETCONTENT:
        state.entries.Clear();
        break;
    case LB_SETCOUNT:            // lists without data of their own (LBS_NODATA)
        if (result != LB_ERR && result != LB_ERRSPACE)
            state.entries.Resize(static_cast<int>(wParam));
        break;
    }
}

void RequestLeaveNotice(HWND hwnd)
{
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
}

// Hot look: the window under the pointer, and for lists the row under it.
bool TrackPointer(WindowState& state, UINT message, LPARAM lParam)
{
    if (message == WM_MOUSELEAVE) {
        bool changed = state.hot || state.hotRow != -1;
        state.hot = false;
        state.hotRow = -1;
        return changed;
    }
    if (message != WM_MOUSEMOVE || state.kind == kKindHeader)
        return false;
    bool changed = false;
    if (!state.hot) {
        state.hot = true;
        RequestLeaveNotice(state.hwnd);
        changed = true;
    }
    if (state.kind == kKindListBox) {
        RECT client;
        GetClientRect(state.hwnd, &client);
        int x = static_cast<short>(LOWORD(lParam));
        int y = static_cast<short>(HIWORD(lParam));
        int row = -1;
        if (x >= 0 && x < client.right) {
            row = ListRowAt(y, static_cast<int>(SendMessageA(state.hwnd, LB_GETTOPINDEX, 0, 0)),
                            ListItemHeight(state.hwnd), client.bottom,
                            static_cast<int>(SendMessageA(state.hwnd, LB_GETCOUNT, 0, 0)));
        }
        changed = changed || row != state.hotRow;
        state.hotRow = row;
    }
    return changed;
}

// Runs a painter; out of memory halfway, the face is left as far as it got, and the DCs and
// bitmaps around the painter are still freed and the paint ended.
template <typename Paint>
void PaintOrStop(Paint paint)
{
    try {
        paint();
    } catch (...) {
    }
}

// Paints through an off-screen bitmap so the face never shows half drawn.
void PaintBuffered(HWND hwnd, const WindowState& state, Painter painter)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (!dc)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    // A mirrored window (right to left) is painted through its DC unmirrored: the painters
    // mirror their places themselves, and texts and images stay the right way round.
    const DWORD layout = GetLayout(dc);
    if (layout & LAYOUT_RTL)
        SetLayout(dc, 0);
    if (client.right > 0 && client.bottom > 0) {
        HDC memory = CreateCompatibleDC(dc);
        HBITMAP bitmap = memory ? CreateCompatibleBitmap(dc, client.right, client.bottom) : nullptr;
        if (bitmap) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            SetLayout(memory, 0);
            PaintOrStop([&] { painter(memory, client, state); });
            BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteObject(bitmap);
        } else {
            PaintOrStop([&] { painter(dc, client, state); });
        }
        if (memory)
            DeleteDC(memory);
    }
    if (layout & LAYOUT_RTL)
        SetLayout(dc, layout);
    EndPaint(hwnd, &paint);
}

void PaintOverlay(HWND hwnd, const WindowState& state)
{
    HDC dc = GetDC(hwnd);
    if (!dc)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    SetLayout(dc, 0); // as PaintBuffered: the overlay mirrors its own place
    PaintOrStop([&] { PaintImageOverlay(dc, client, state); });
    ReleaseDC(hwnd, dc);
}

} // namespace

void Repaint(const WindowState& state, bool now)
{
    // With redraw off, a long fill would otherwise paint the whole face once per row; a
    // hidden window is painted whole when it is shown.
    if (!state.skinned || state.redrawOff || !IsWindowVisible(state.hwnd))
        return;
    RedrawWindow(state.hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_NOERASE | (now ? RDW_UPDATENOW : 0));
}

bool IsEntryShown(const WindowState& state, int index)
{
    if (!state.skinned || state.redrawOff)
        return false;
    const LookSnapshot& look = state.look;
    if (look.itemHeight <= 0)
        return true;             // not seen yet
    if (index < look.topIndex)
        return false;
    RECT client;
    GetClientRect(state.hwnd, &client);
    return index <= ListLastShownRow(static_cast<int>(look.topIndex), static_cast<int>(look.itemHeight),
                                     client.bottom, INT_MAX);
}

namespace {

LRESULT HandleSkinned(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowState* state = FindState(hwnd);
    if (!state) {
        // Only reached through a subclass laid over the engine's after the record went.
        return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam)
                                     : DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        RemoveToolTip(*state);
        const LRESULT result = state->CallPrevious(message, wParam, lParam);
        DetachState(hwnd);
        return result;
    }
    // Followed on every record, skinned or not yet, so that it holds when a skin comes.
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS)
        state->hasFocus = message == WM_SETFOCUS;
    if (!state->skinned || state->snapshotting)
        return state->CallPrevious(message, wParam, lParam);

    Painter painter = PainterOf(state->kind);
    if (painter) {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            PaintBuffered(hwnd, *state, painter);
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(hwnd, &client);
            painter(reinterpret_cast<HDC>(wParam), client, *state);
            return 0;
        }
        }
    }
    LRESULT result = state->CallPrevious(message, wParam, lParam);
    // The message may have destroyed the window and with it the record.
    if (FindState(hwnd) != state || IsQuery(message))
        return result;
    if (message == WM_SETREDRAW)
        state->redrawOff = wParam == FALSE;
    if (!painter) {
        if (message == WM_PAINT)
            PaintOverlay(hwnd, *state);
        return result;
    }
    if (state->kind == kKindListBox)
        FollowListEdits(*state, message, wParam, result);
    bool changed = TrackPointer(*state, message, lParam);
    // With redraw off nothing is painted, so the look is compared once redraw is back.
    if (state->redrawOff)
        return result;
    LookSnapshot look = TakeSnapshot(*state);
    if (!(look == state->look) || MakesControlPaint(message))
        changed = true;
    state->look = look;
    // Redraw turned back on paints with the next update, together with what the owner
    // invalidates then, not once now and again for the owner.
    if (changed)
        Repaint(*state, message != WM_SETREDRAW);
    return result;
}

} // namespace

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No C++ exception of the engine, or of a procedure it calls on, crosses the system.
    try {
        return HandleSkinned(hwnd, message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : 0;
    }
}

} // namespace vxcore
