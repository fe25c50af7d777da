// The framework's global operator new, as MFC has it: an allocation that fails throws
// CMemoryException* (through AfxThrowMemoryException) instead of std::bad_alloc, so that a
// host's catch (CMemoryException* e) sees it. Compiled into every module that allocates on
// the framework's terms: the framework, the library and the host (with the framework's
// WinMain). Memory comes from the C runtime's heap, as the standard operator new's does, so
// blocks may be freed by any module.
#include <afx.h>

#include <cstdlib>
#include <new>

namespace {

void* Allocate(std::size_t nSize)
{
    void* p = std::malloc(nSize != 0 ? nSize : 1);
    if (p == NULL)
        AfxThrowMemoryException();
    return p;
}

void* AllocateNoThrow(std::size_t nSize) noexcept
{
    return std::malloc(nSize != 0 ? nSize : 1);
}

} // namespace

void* operator new(std::size_t nSize) { return Allocate(nSize); }
void* operator new[](std::size_t nSize) { return Allocate(nSize); }
void* operator new(std::size_t nSize, const std::nothrow_t&) noexcept { return AllocateNoThrow(nSize); }
void* operator new[](std::size_t nSize, const std::nothrow_t&) noexcept { return AllocateNoThrow(nSize); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
