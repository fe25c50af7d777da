// Replaces what one module imports from a system DLL, in this process only: the entry of its
// import address table is overwritten and put back when the patch ends. This is how the
// tests change what the library's DLLs get from the system, without a switch in the library.
#pragma once

#include <windows.h>

namespace vxtest {

class ImportPatch
{
public:
    // Patches hModule's import of pszFunction from pszDll (case-insensitive); Active() tells
    // whether the module imports it at all.
    ImportPatch(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pfnReplacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool Active() const { return m_ppSlot != nullptr; }
    void* Original() const { return m_pfnOriginal; } // what the module imported before

private:
    void Write(void* pfn);

    void** m_ppSlot = nullptr; // the module's import address table entry
    void* m_pfnOriginal = nullptr;
};

// The library's modules as loaded in this process: the control DLL and the framework of this
// character set, and the skin engine.
HMODULE ControlModule();
HMODULE FrameworkModule();
HMODULE SkinEngineModule();

} // namespace vxtest
