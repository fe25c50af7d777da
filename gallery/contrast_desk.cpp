#include "contrast_desk.h"

#include "import_patch.h"

namespace {

const int kIndices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT,
                        COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT, COLOR_HOTLIGHT};
const COLORREF kScheme[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x1A, 0xEB, 0xFF), RGB(0, 0, 0),
                            RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x3F, 0xF2, 0x3F), RGB(255, 255, 0)};
const int kCount = static_cast<int>(sizeof kIndices / sizeof kIndices[0]);

typedef BOOL(WINAPI* SpiFn)(UINT, UINT, PVOID, UINT);
SpiFn s_spiA = NULL;
SpiFn s_spiW = NULL;

BOOL Answer(SpiFn original, UINT action, UINT param, PVOID pv, UINT flags)
{
    if (action == SPI_GETHIGHCONTRAST && pv != NULL) {
        static_cast<HIGHCONTRASTA*>(pv)->dwFlags = HCF_HIGHCONTRASTON | HCF_AVAILABLE;
        return TRUE;
    }
    return original(action, param, pv, flags);
}
BOOL WINAPI ContrastSpiA(UINT action, UINT param, PVOID pv, UINT flags) { return Answer(s_spiA, action, param, pv, flags); }
BOOL WINAPI ContrastSpiW(UINT action, UINT param, PVOID pv, UINT flags) { return Answer(s_spiW, action, param, pv, flags); }

} // namespace

ContrastDesk::ContrastDesk()
{
    for (int nIndex : kIndices)
        m_saved.push_back(::GetSysColor(nIndex));
    ::SetSysColors(kCount, kIndices, kScheme);
    HIGHCONTRASTA hc = {sizeof hc, 0, NULL};
    if (::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON))
        return;
    hc.dwFlags |= HCF_HIGHCONTRASTON;
    m_bTurnedOn = ::SystemParametersInfoA(SPI_SETHIGHCONTRAST, sizeof hc, &hc, SPIF_SENDCHANGE) != FALSE;
    if (m_bTurnedOn)
        return;
    HMODULE hUser = ::GetModuleHandleA("user32.dll");
    s_spiA = reinterpret_cast<SpiFn>(::GetProcAddress(hUser, "SystemParametersInfoA"));
    s_spiW = reinterpret_cast<SpiFn>(::GetProcAddress(hUser, "SystemParametersInfoW"));
    for (HMODULE hModule : {vxtest::ControlModule(), vxtest::SkinEngineModule()}) {
        m_patches.emplace_back(new vxtest::ImportPatch(hModule, "user32.dll", "SystemParametersInfoA",
                                                       reinterpret_cast<void*>(&ContrastSpiA)));
        m_patches.emplace_back(new vxtest::ImportPatch(hModule, "user32.dll", "SystemParametersInfoW",
                                                       reinterpret_cast<void*>(&ContrastSpiW)));
    }
}

ContrastDesk::~ContrastDesk()
{
    m_patches.clear();
    if (m_bTurnedOn) {
        HIGHCONTRASTA hc = {sizeof hc, 0, NULL};
        ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0);
        hc.dwFlags &= ~HCF_HIGHCONTRASTON;
        ::SystemParametersInfoA(SPI_SETHIGHCONTRAST, sizeof hc, &hc, SPIF_SENDCHANGE);
    }
    ::SetSysColors(kCount, kIndices, m_saved.data());
}
