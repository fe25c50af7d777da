// List boxes: every shown entry from the top index down, each row the list's item height;
// the selection in the accent colour, the row under the pointer tinted. An entry's text and
// image come from its draw items, the text falling back to the list's own string.
#include <vector>

#include "vxPainters.h"
#include "vxSkinLayout.h"
#include "vxTheme.h"
#include "vxWindowDpi.h"

namespace vxcore {
namespace {

const int kRowIndent = 3; // at 96 DPI

const wchar_t* EntryText(const WindowState& state, int index)
{
    const wchar_t* text = state.EntryItem(index, "text.default");
    return text ? text : state.EntryItem(index, "default_text");
}

const wchar_t* EntryImageName(const WindowState& state, int index)
{
    const wchar_t* name = state.EntryItem(index, "image.default");
    return name ? name : state.EntryItem(index, "default_image");
}

// The list box's own string of an entry (lists with LBS_HASSTRINGS only).
std::wstring ListString(HWND list, int index)
{
    if ((GetWindowLongPtrW(list, GWL_STYLE) & LBS_HASSTRINGS) == 0)
        return std::wstring();
    LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length <= 0)
        return std::wstring();
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(buffer.data()));
    return copied == LB_ERR ? std::wstring() : std::wstring(buffer.data(), static_cast<size_t>(copied));
}

bool IsEntrySelected(HWND list, int index, LRESULT current)
{
    if ((GetWindowLongPtrA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0)
        return SendMessageA(list, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
    return current == index;
}

} // namespace

int ListItemHeight(HWND list)
{
    LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    if (height != LB_ERR && height > 0)
        return static_cast<int>(height);
    const int dpi = WindowDpi(list);
    return FontsAt(dpi).textHeight + ScaleToDpi(4, dpi);
}

void PaintList(HDC dc, const RECT& client, const WindowState& state)
{
    const Theme& theme = CurrentTheme();
    HWND list = state.hwnd;
    FillSolid(dc, client, theme.listBack);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
    if (count == LB_ERR || count <= 0 || top == LB_ERR || top < 0)
        return;
    int height = ListItemHeight(list);
    LRESULT current = SendMessageA(list, LB_GETCURSEL, 0, 0);
    bool enabled = IsWindowEnabled(list) != FALSE;
    int width = client.right - client.left;
    int last = ListLastShownRow(static_cast<int>(top), height, client.bottom - client.top,
                                static_cast<int>(count));

    // A list with a font of its own (WM_SETFONT) is drawn in it, as the system's list box is.
    HFONT ownFont = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    const int dpi = WindowDpi(list);
    const Spacing spacing = SpacingAt(dpi);
    const int indent = ScaleToDpi(kRowIndent, dpi);
    const bool rightToLeft = RightToLeft(list);
    HGDIOBJ oldFont = SelectObject(dc, ownFont ? ownFont : FontsAt(dpi).font);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    for (int index = static_cast<int>(top); index <= last; ++index) {
        RECT row = ListRowRect(index, static_cast<int>(top), height, width);
        OffsetRect(&row, client.left, client.top);
        bool selected = IsEntrySelected(list, index, current);
        if (selected)
            FillSolid(dc, row, theme.rowSelected);
        else if (index == state.hotRow && enabled)
            FillSolid(dc, row, theme.rowHot);

        const Image* image = FindImage(EntryImageName(state, index), dpi);
        ContentPlaces places = PlaceRowContent(row, SizeOf(image), indent, spacing);
        if (rightToLeft)
            MirrorPlaces(places, row);
        if (image)
            DrawImage(dc, *image, places.image.left, places.image.top);
        const wchar_t* itemText = EntryText(state, index);
        std::wstring text = itemText ? std::wstring(itemText) : ListString(list, index);
        if (text.empty())
            continue;
        SetTextColor(dc, !enabled ? theme.textDisabled : selected ? theme.textOnAccent : theme.text);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &places.text,
                  DT_SINGLELINE | DT_VCENTER | LeadingAlignment(rightToLeft) | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

} // namespace vxcore
