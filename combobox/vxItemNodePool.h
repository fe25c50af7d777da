// Memory for the nodes of the combo box's item list. A heap block costs its size plus a
// header, rounded up (a 48-byte node takes 64); nodes carved from 64 KB blocks of their own
// cost their size alone. Blocks whose nodes are all free go back to the system. The list
// type is the library's own, so its nodes are made and freed inside the module that holds
// the list.
#pragma once

#include <afx.h>

#include <cstddef>
#include <new>

// A node of `size` bytes (at most an item's node; larger requests go to the heap).
void* vxAllocateItemNode(size_t size);
void vxFreeItemNode(void* p, size_t size);

// The list's allocator: single nodes from the pool, anything else from the heap.
template <class T>
struct vxItemNodeAllocator
{
    typedef T value_type;

    vxItemNodeAllocator() noexcept {}
    template <class U>
    vxItemNodeAllocator(const vxItemNodeAllocator<U>&) noexcept {}

    T* allocate(size_t n)
    {
        if (n == 1)
            return static_cast<T*>(vxAllocateItemNode(sizeof(T)));
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }
    void deallocate(T* p, size_t n) noexcept
    {
        if (n == 1)
            vxFreeItemNode(p, sizeof(T));
        else
            ::operator delete(p);
    }
};

template <class T, class U>
bool operator==(const vxItemNodeAllocator<T>&, const vxItemNodeAllocator<U>&) noexcept { return true; }
template <class T, class U>
bool operator!=(const vxItemNodeAllocator<T>&, const vxItemNodeAllocator<U>&) noexcept { return false; }
