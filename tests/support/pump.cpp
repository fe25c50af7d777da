// Message pumping for tests.
#include "vxtest.h"

namespace vxtest {

namespace {

PreTranslateFn s_preTranslate = nullptr;

} // namespace

PreTranslateFn SetPreTranslate(PreTranslateFn fn)
{
    PreTranslateFn before = s_preTranslate;
    s_preTranslate = fn;
    return before;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (s_preTranslate != nullptr && s_preTranslate(&msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void PumpFor(DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= ms)
            return;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpMessages();
        if (condition())
            return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return condition();
        // Wake for input, or at least every 10 ms for conditions that no message signals.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

} // namespace vxtest
