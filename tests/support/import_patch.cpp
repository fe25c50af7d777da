#include "import_patch.h"

#include <cstring>

namespace vxtest {
namespace {

template <class T>
T* At(HMODULE hModule, DWORD rva)
{
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(hModule) + rva);
}

void** FindSlot(HMODULE hModule, const char* pszDll, const char* pszFunction)
{
    if (hModule == NULL)
        return nullptr;
    const IMAGE_DOS_HEADER* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(hModule);
    const IMAGE_NT_HEADERS* pNt = At<IMAGE_NT_HEADERS>(hModule, static_cast<DWORD>(pDos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    for (const IMAGE_IMPORT_DESCRIPTOR* pDesc = At<IMAGE_IMPORT_DESCRIPTOR>(hModule, dir.VirtualAddress);
         pDesc->Name != 0; ++pDesc) {
        if (_stricmp(At<char>(hModule, pDesc->Name), pszDll) != 0)
            continue;
        const IMAGE_THUNK_DATA* pNames = At<IMAGE_THUNK_DATA>(
            hModule, pDesc->OriginalFirstThunk != 0 ? pDesc->OriginalFirstThunk : pDesc->FirstThunk);
        IMAGE_THUNK_DATA* pSlots = At<IMAGE_THUNK_DATA>(hModule, pDesc->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pSlots) {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* pName =
                At<IMAGE_IMPORT_BY_NAME>(hModule, static_cast<DWORD>(pNames->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<const char*>(pName->Name), pszFunction) == 0)
                return reinterpret_cast<void**>(&pSlots->u1.Function);
        }
    }
    return nullptr;
}

} // namespace

ImportPatch::ImportPatch(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pfnReplacement)
    : m_ppSlot(FindSlot(hModule, pszDll, pszFunction))
{
    if (m_ppSlot == nullptr)
        return;
    m_pfnOriginal = *m_ppSlot;
    Write(pfnReplacement);
}

ImportPatch::~ImportPatch()
{
    if (m_ppSlot != nullptr)
        Write(m_pfnOriginal);
}

void ImportPatch::Write(void* pfn)
{
    DWORD dwOld = 0;
    ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
    *m_ppSlot = pfn;
    ::VirtualProtect(m_ppSlot, sizeof(void*), dwOld, &dwOld);
}

// The suffix a build's DLLs carry for its character set.
#ifdef UNICODE
#define VX_CHARSET_SUFFIX TEXT("U")
#else
#define VX_CHARSET_SUFFIX TEXT("")
#endif

HMODULE ControlModule()
{
    return ::GetModuleHandle(TEXT("VexelControl") VX_CHARSET_SUFFIX TEXT(".dll"));
}

HMODULE FrameworkModule()
{
    return ::GetModuleHandle(TEXT("vxframework") VX_CHARSET_SUFFIX TEXT(".dll"));
}

HMODULE SkinEngineModule()
{
    return ::GetModuleHandleA("vexelcore.dll");
}

} // namespace vxtest
