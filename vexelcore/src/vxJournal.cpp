#include "vxJournal.h"

#include <deque>

#include "vexelcore_journal.h"
#include "vxText.h"

namespace vxcore {
namespace {

std::deque<std::string>& Lines()
{
    static std::deque<std::string> lines;
    return lines;
}

bool g_on = false;

} // namespace

void JournalEnable(bool on)
{
    g_on = on;
}

JournalCall::JournalCall(const char* function) : m_on(g_on)
{
    try {
        if (!m_on)
            return;
        m_line = function;
        m_line += '(';
    } catch (...) {
        Drop();
    }
}

// Out of memory, the call goes unrecorded rather than failing the call it records.
void JournalCall::Drop()
{
    m_on = false;
    m_line.clear();
}

void JournalCall::Separate()
{
    if (!m_first)
        m_line += ',';
    m_first = false;
}

JournalCall& JournalCall::Handle(HWND hwnd)
{
    try {
        if (!m_on)
            return *this;
        char buffer[24];
        Separate();
        m_line += vxFormatHandle(hwnd, buffer, sizeof(buffer));
        return *this;
    } catch (...) {
        Drop();
        return *this;
    }
}

JournalCall& JournalCall::Number(int value)
{
    try {
        if (!m_on)
            return *this;
        Separate();
        m_line += std::to_string(value);
        return *this;
    } catch (...) {
        Drop();
        return *this;
    }
}

JournalCall& JournalCall::Text(const char* text)
{
    try {
        static const char digits[] = "0123456789ABCDEF";
        if (!m_on)
            return *this;
        Separate();
        if (!text) {
            m_line += "null";
            return *this;
        }
        m_line += '"';
        for (const char* p = text; *p; ++p) {
            unsigned char c = static_cast<unsigned char>(*p);
            if (c == '"' || c == '\\') {
                m_line += '\\';
                m_line += static_cast<char>(c);
            } else if (c < 0x20) {
                m_line += "\\x";
                m_line += digits[c >> 4];
                m_line += digits[c & 0xF];
            } else {
                m_line += static_cast<char>(c);
            }
        }
        m_line += '"';
        return *this;
    } catch (...) {
        Drop();
        return *this;
    }
}

JournalCall& JournalCall::Text(const wchar_t* text)
{
    try {
        if (!m_on)
            return *this;
        return Text(NarrowArg(text).get());
    } catch (...) {
        Drop();
        return *this;
    }
}

void JournalCall::Record()
{
    try {
        if (!m_on)
            return;
        m_line += ')';
        std::deque<std::string>& lines = Lines();
        if (lines.size() >= VXCORE_JOURNAL_LIMIT)
            lines.pop_front();
        lines.push_back(std::move(m_line));
    } catch (...) {
        Drop();
    }
}

int JournalCount()
{
    return static_cast<int>(Lines().size());
}

const char* JournalLine(int index)
{
    const std::deque<std::string>& lines = Lines();
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return nullptr;
    return lines[static_cast<size_t>(index)].c_str();
}

void JournalClear()
{
    Lines().clear();
}

} // namespace vxcore
