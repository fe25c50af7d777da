// The call journal: one text line per call of the skin functions, kept for tests.
#pragma once

#include <windows.h>
#include <string>

namespace vxcore {

// Builds one journal line, argument by argument, and appends it with Record(). While the
// journal is off it does nothing: no argument is formatted or copied.
class JournalCall {
public:
    explicit JournalCall(const char* function);
    JournalCall& Handle(HWND hwnd);
    JournalCall& Number(int value);
    JournalCall& Text(const char* text); // quoted and escaped; null is written as null
    JournalCall& Text(const wchar_t* text); // written in the ANSI code page
    void Record();

private:
    void Separate();
    void Drop();                      // out of memory: nothing is recorded
    bool m_on;
    std::string m_line;
    bool m_first = true;
};

void JournalEnable(bool on);

int JournalCount();
const char* JournalLine(int index); // null when out of range
void JournalClear();

} // namespace vxcore
