#include "vxItemNodePool.h"

#include "vxListboxItemList.h"

#include <windows.h>

namespace {

// Every node takes one slot: an item and the list's two links.
const size_t kSlot = (sizeof(_tagListboxItem) + 2 * sizeof(void*) + 7) / 8 * 8;
const size_t kBlockSize = 0x10000;       // VirtualAlloc hands out 64 KB-aligned blocks

// The head of every block; its slots follow.
struct Block {
    Block* pPrevFree;                    // blocks with a free slot, doubly linked
    Block* pNextFree;
    void* pFreeSlot;                     // freed slots, linked through their first word
    size_t nUsed;                        // slots handed out
    size_t nCarved;                      // slots ever handed out from the unused tail
};

const size_t kFirstSlot = (sizeof(Block) + kSlot - 1) / kSlot * kSlot;
const size_t kSlots = (kBlockSize - kFirstSlot) / kSlot;

SRWLOCK s_lock = SRWLOCK_INIT;
Block* s_pFree = NULL;                   // blocks with a free slot

Block* BlockOf(void* p)
{
    return reinterpret_cast<Block*>(reinterpret_cast<UINT_PTR>(p) & ~(UINT_PTR)(kBlockSize - 1));
}

void LinkFree(Block* pBlock)
{
    pBlock->pPrevFree = NULL;
    pBlock->pNextFree = s_pFree;
    if (s_pFree != NULL)
        s_pFree->pPrevFree = pBlock;
    s_pFree = pBlock;
}

void UnlinkFree(Block* pBlock)
{
    if (pBlock->pPrevFree != NULL)
        pBlock->pPrevFree->pNextFree = pBlock->pNextFree;
    else
        s_pFree = pBlock->pNextFree;
    if (pBlock->pNextFree != NULL)
        pBlock->pNextFree->pPrevFree = pBlock->pPrevFree;
}

bool HasFreeSlot(const Block* pBlock)
{
    return pBlock->pFreeSlot != NULL || pBlock->nCarved < kSlots;
}

} // namespace

void* vxAllocateItemNode(size_t size)
{
    if (size > kSlot)
        return ::operator new(size);
    AcquireSRWLockExclusive(&s_lock);
    Block* pBlock = s_pFree;
    if (pBlock == NULL) {
        pBlock = static_cast<Block*>(::VirtualAlloc(NULL, kBlockSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (pBlock == NULL) {
            ReleaseSRWLockExclusive(&s_lock);
            AfxThrowMemoryException();
        }
        pBlock->pFreeSlot = NULL;
        pBlock->nUsed = 0;
        pBlock->nCarved = 0;
        LinkFree(pBlock);
    }
    void* p = pBlock->pFreeSlot;
    if (p != NULL)
        pBlock->pFreeSlot = *static_cast<void**>(p);
    else
        p = reinterpret_cast<char*>(pBlock) + kFirstSlot + kSlot * pBlock->nCarved++;
    ++pBlock->nUsed;
    if (!HasFreeSlot(pBlock))
        UnlinkFree(pBlock);
    ReleaseSRWLockExclusive(&s_lock);
    return p;
}

void vxFreeItemNode(void* p, size_t size)
{
    if (p == NULL)
        return;
    if (size > kSlot) {
        ::operator delete(p);
        return;
    }
    AcquireSRWLockExclusive(&s_lock);
    Block* pBlock = BlockOf(p);
    if (!HasFreeSlot(pBlock))
        LinkFree(pBlock);
    *static_cast<void**>(p) = pBlock->pFreeSlot;
    pBlock->pFreeSlot = p;
    // An empty block goes back, unless it is the only one with room (a list emptied and
    // filled again would otherwise take and give back a block each time).
    if (--pBlock->nUsed == 0 && (pBlock != s_pFree || pBlock->pNextFree != NULL)) {
        UnlinkFree(pBlock);
        ::VirtualFree(pBlock, 0, MEM_RELEASE);
    }
    ReleaseSRWLockExclusive(&s_lock);
}
