// Tells a handler whether its object survived a call out to the host: a notification, a
// posted or dispatched message, or a host virtual whose receiver may delete the control.
// Watches stand on the stack in a chain headed by a member of the watched object; the
// object's destructor calls EndAll, and a watch that has been ended touches the object no
// more. A watch given the object's window also ends when that window is destroyed, as a host
// may destroy it and keep the object. Every control of the library keeps one such head and
// uses this one mechanism.
#pragma once

#include <windows.h>

// The head is a member that points at a stack object: the watch unlinks itself in its
// destructor, which GCC's dangling-pointer analysis does not follow.
#if defined(__GNUC__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
class vxAliveWatch
{
public:
    explicit vxAliveWatch(vxAliveWatch*& pHead)
        : m_ppHead(&pHead), m_pNext(pHead), m_hWnd(NULL), m_bWindow(false), m_bAlive(true)
    {
        pHead = this;
    }
    // Also watches the window (a NULL one counts as gone).
    vxAliveWatch(vxAliveWatch*& pHead, HWND hWnd)
        : m_ppHead(&pHead), m_pNext(pHead), m_hWnd(hWnd), m_bWindow(true), m_bAlive(true)
    {
        pHead = this;
    }
    ~vxAliveWatch()
    {
        if (m_bAlive)
            *m_ppHead = m_pNext;
    }
    vxAliveWatch(const vxAliveWatch&) = delete;
    vxAliveWatch& operator=(const vxAliveWatch&) = delete;

    // The object lives, and the window watched, if any, too.
    bool IsAlive() const { return m_bAlive && (!m_bWindow || ::IsWindow(m_hWnd)); }

    // The watched object is going: every watch on the stack learns it.
    static void EndAll(vxAliveWatch*& pHead)
    {
        for (vxAliveWatch* p = pHead; p != nullptr; p = p->m_pNext)
            p->m_bAlive = false;
        pHead = nullptr;
    }

private:
    vxAliveWatch** m_ppHead;
    vxAliveWatch* m_pNext;
    HWND m_hWnd;                     // the object's window when the watch began
    bool m_bWindow;                  // the window is watched too
    bool m_bAlive;
};
#if defined(__GNUC__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif
