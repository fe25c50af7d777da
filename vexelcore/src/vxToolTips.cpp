#include "vxToolTips.h"

#include <commctrl.h>

namespace vxcore {
namespace {

HWND g_toolTip = nullptr;

HWND ToolTipWindow()
{
    if (g_toolTip && IsWindow(g_toolTip))
        return g_toolTip;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    g_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    return g_toolTip;
}

// The tool record of a window: the window itself is the tool, its parent hears the notices.
TTTOOLINFOW ToolOf(HWND hwnd, HWND owner, const wchar_t* text)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by every version of the control
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

} // namespace

bool SetToolTip(WindowState& state, const wchar_t* text)
{
    if (!text) {
        RemoveToolTip(state);
        return true;
    }
    HWND toolTip = ToolTipWindow();
    if (!toolTip)
        return false;
    state.toolTip = text;
    if (!state.hasToolTip) {
        HWND parent = GetParent(state.hwnd);
        state.toolTipOwner = parent ? parent : state.hwnd;
    }
    TTTOOLINFOW tool = ToolOf(state.hwnd, state.toolTipOwner, state.toolTip.c_str());
    if (state.hasToolTip) {
        SendMessageW(toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        state.hasToolTip = SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
        if (!state.hasToolTip)
            state.toolTip.clear();
    }
    return state.hasToolTip;
}

void RemoveToolTip(WindowState& state)
{
    if (!state.hasToolTip)
        return;
    if (g_toolTip && IsWindow(g_toolTip)) {
        TTTOOLINFOW tool = ToolOf(state.hwnd, state.toolTipOwner, nullptr);
        SendMessageW(g_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    state.hasToolTip = false;
    state.toolTip.clear();
    state.toolTipOwner = nullptr;
}

void ReleaseToolTipWindow()
{
    if (g_toolTip && IsWindow(g_toolTip) &&
        GetWindowThreadProcessId(g_toolTip, nullptr) == GetCurrentThreadId())
        DestroyWindow(g_toolTip);
    g_toolTip = nullptr;
}

} // namespace vxcore
