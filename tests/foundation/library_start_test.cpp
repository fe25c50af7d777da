// Loading VexelControl.dll registers it with the framework as an extension module, and the
// binding to the skin engine reaches the engine's journal.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdllx.h>
#include <vexelcore.h>

#include "vxtest.h"

namespace {

// The library as a host loads it (this program calls nothing of it, so it is not linked in).
HMODULE LibraryModule()
{
    // The Unicode build's DLL is named with a U.
    static const HMODULE s_hLibrary = ::LoadLibrary(sizeof(TCHAR) == 1 ? _T("VexelControl.dll") : _T("VexelControlU.dll"));
    return s_hLibrary;
}

bool IsRegistered(HMODULE hModule)
{
    for (CDynLinkLibrary* p = AfxGetFirstExtensionModule(); p != NULL; p = p->m_pNextDLL)
        if (p->m_hModule == hModule)
            return true;
    return false;
}

} // namespace

TEST(LibraryStart, TheLibraryIsAnExtensionModuleOfTheHost)
{
    HMODULE hLibrary = LibraryModule();
    ASSERT_NE(nullptr, hLibrary);
    EXPECT_TRUE(IsRegistered(hLibrary));
    CDynLinkLibrary* pEntry = AfxGetFirstExtensionModule();
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(pEntry->m_hModule, pEntry->m_hResource); // resources come from the DLL itself
    // Resource lookups fall back to the extension modules: a missing name stays with the host.
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(MAKEINTRESOURCE(0x7FFF), RT_DIALOG));
}

TEST(LibraryStart, ExtensionModulesRegisterAndUnregister)
{
    // A module registered the way the library's entry point does it, then taken out again.
    AFX_EXTENSION_MODULE module = {FALSE, NULL, NULL};
    EXPECT_FALSE(AfxInitExtensionModule(module, NULL)); // bad input changes nothing
    EXPECT_FALSE(module.bInitialized);
    HMODULE hSelf = ::GetModuleHandleA(NULL);
    ASSERT_TRUE(AfxInitExtensionModule(module, hSelf));
    new CDynLinkLibrary(module);
    EXPECT_TRUE(IsRegistered(hSelf));
    EXPECT_TRUE(IsRegistered(LibraryModule()));
    AfxTermExtensionModule(module);
    EXPECT_FALSE(IsRegistered(hSelf));
    EXPECT_TRUE(IsRegistered(LibraryModule())); // others stay
    AfxTermExtensionModule(module);             // twice is harmless
}
