// A high-contrast desk for as long as the object lives: a white-on-black scheme of system
// colours with the high-contrast setting on, both put back afterwards. Where the system
// refuses to turn the setting on (Wine keeps none), the library's modules are told it is on,
// as Windows would tell them, through their imports of SystemParametersInfo.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

namespace vxtest {
class ImportPatch;
}

class ContrastDesk
{
public:
    ContrastDesk();
    ~ContrastDesk();
    ContrastDesk(const ContrastDesk&) = delete;
    ContrastDesk& operator=(const ContrastDesk&) = delete;

private:
    std::vector<COLORREF> m_saved;                           // the colours before
    bool m_bTurnedOn = false;                                // the system took the setting
    std::vector<std::unique_ptr<vxtest::ImportPatch>> m_patches; // where it did not
};
