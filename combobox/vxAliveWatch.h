// Tells a handler whether its object survived a call out to the host (a notification whose
// receiver may delete the control). Watches stand on the stack in a chain headed by a member
// of the watched object; the object's destructor calls EndAll, and a watch that has been
// ended touches the object no more.
#pragma once

class vxAliveWatch
{
public:
    explicit vxAliveWatch(vxAliveWatch*& pHead) : m_ppHead(&pHead), m_pNext(pHead), m_bAlive(true)
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

    bool IsAlive() const { return m_bAlive; }

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
    bool m_bAlive;
};
