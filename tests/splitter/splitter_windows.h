// Real windows for the splitter tests: solid-coloured pane and bar windows, pixel snapshots
// of the host, and a script of steps run from a timer while Track's own loop runs.
#pragma once

#include "splitter_test_util.h"
#include "vxCtrlSplitter.h"
#include "vxtest.h"

#include <functional>
#include <vector>

namespace splittest {

// A child window painted in one solid colour. A left press on it calls the press handler,
// if one is set (a bar window that starts a drag as a host would).
HWND CreateColourWindow(HWND hParent, COLORREF colour, const RECT& rc);
void SetPressHandler(HWND hwnd, std::function<void(POINT client)> handler);

// The drag tests' splitter: upright and movable over the bar window, pane 0 (minimum 50)
// and pane 1 (150 wide, minimum 30) with their windows, laid out in (0, 0, 400, 300):
// the bar stands at 246..250. Answers CreateSplitter's result.
int BuildDragSplitter(vxCtrlSplitter& splitter, HWND bar, HWND pane0, HWND pane1);

// The drag splitter over coloured windows of its own in the host, whose bar starts Track when
// pressed and writes Track's result into *pResult.
struct DragRig
{
    DragRig(HWND hHost, int* pResult);
    HWND bar, pane0, pane1;
    vxCtrlSplitter splitter;
};

// The window's rectangle in its parent's client coordinates.
RECT PlaceInParent(HWND hwnd);

// Pixels of a rectangle of a window's client area, read back from the screen.
class Snapshot {
public:
    Snapshot(HWND hwnd, const RECT& rc);
    bool operator==(const Snapshot& other) const { return m_pixels == other.m_pixels; }
    // Pixels inside sub that differ from another snapshot of the same rectangle.
    int Differences(const Snapshot& other, const RECT& sub) const;
    int Differences(const Snapshot& other) const { return Differences(other, m_rc); }

private:
    RECT m_rc;
    std::vector<COLORREF> m_pixels;
};

// Steps run one after another from a timer of the host, i.e. dispatched inside the drag's
// loop. A step answers true when it is done; false makes it run again on the next tick. Once
// the script is done (or after its time bound) each tick posts a right button press to the
// capture window, so that a drag that failed to end still ends.
class DragScript {
public:
    using Step = std::function<bool()>;
    DragScript(HWND hTimerWnd, std::vector<Step> steps, DWORD timeoutMs = 5000);
    ~DragScript();
    DragScript(const DragScript&) = delete;
    DragScript& operator=(const DragScript&) = delete;

    bool Finished() const { return m_next >= m_steps.size(); }
    int Ticks() const { return m_ticks; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    HWND m_hwnd;
    UINT_PTR m_id;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_ticks = 0;
    DWORD m_deadline;
};

// Steps and input that do not pump messages themselves (pumping inside the drag would take
// its messages away from the loop).
DragScript::Step Post(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
DragScript::Step PostMove(HWND hwnd, int x, int y);
DragScript::Step Do(std::function<void()> action);     // runs once
DragScript::Step WaitFor(std::function<bool()> condition);
void RawMouseMove(POINT screen);
void RawMouseButton(DWORD flags);
void RawKey(WORD vk, bool up);

} // namespace splittest
