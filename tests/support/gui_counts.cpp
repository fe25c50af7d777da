// GDI and window counts of the process. GetGuiResources is a stub under Wine, so GDI
// objects are counted in the process's shared GDI handle table that the PEB points to.
#include "vxtest.h"

#include <winternl.h>

namespace vxtest {

namespace {

struct GdiHandleEntry { // one slot of the shared handle table
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;                      // 0: slot free
    UCHAR flags;
    ULONGLONG user;
};

const int kGdiTableSlots = 0x10000;

// GCC 12 misreads the segment-register read in NtCurrentTeb as an out-of-bounds access.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
const GdiHandleEntry* GdiTable()
{
    const char* peb = reinterpret_cast<const char*>(NtCurrentTeb()->ProcessEnvironmentBlock);
    const size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94; // PEB.GdiSharedHandleTable
    return *reinterpret_cast<const GdiHandleEntry* const*>(peb + offset);
}
#pragma GCC diagnostic pop

int CountGdiObjects()
{
    const GdiHandleEntry* table = GdiTable();
    if (table == nullptr)
        return -1;
    int n = 0;
    for (int i = 0; i < kGdiTableSlots; ++i)
        if (table[i].type != 0)
            ++n;
    return n;
}

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// The thread's default input-method window appears with its first window and stays.
bool IsImeWindow(HWND hwnd)
{
    char name[16] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpiA(name, "IME") == 0;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter)
{
    if (IsImeWindow(hwnd))
        return TRUE;
    ++*reinterpret_cast<int*>(counter);
    ::EnumChildWindows(hwnd, CountChild, counter); // all descendants
    return TRUE;
}

} // namespace

GuiCounts GuiCounts::Now()
{
    GuiCounts counts;
    counts.gdi = CountGdiObjects();
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&counts.windows));
    return counts;
}

std::string ToString(const GuiCounts& counts)
{
    return "gdi " + std::to_string(counts.gdi) + ", windows " + std::to_string(counts.windows);
}

size_t HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD n = ::GetProcessHeaps(64, heaps);
    size_t total = 0;
    for (DWORD h = 0; h < n && h < 64; ++h) {
        if (!::HeapLock(heaps[h]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (::HeapWalk(heaps[h], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += entry.cbData;
        ::HeapUnlock(heaps[h]);
    }
    return total;
}

} // namespace vxtest

namespace vxtest {

bool RoundLeavesNothing(const std::function<void()>& round, size_t slack, std::string* pReport)
{
    round();
    PumpMessages();
    const GuiCounts before = GuiCounts::Now();
    const size_t bytesBefore = HeapBytesInUse();
    round();
    PumpMessages();
    const GuiCounts after = GuiCounts::Now();
    const size_t bytesAfter = HeapBytesInUse();
    *pReport = ToString(before) + " -> " + ToString(after) + ", heap " + std::to_string(bytesBefore) +
               " -> " + std::to_string(bytesAfter);
    return after == before && bytesAfter < bytesBefore + slack;
}

} // namespace vxtest
