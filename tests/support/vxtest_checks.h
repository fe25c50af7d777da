// Small readers shared by the tests: points, sizes and rectangles compared and shown, and
// the skin engine's journal with the handle text it writes.
#pragma once

#include <windows.h>

#include <vexelcore_journal.h>

#include <ostream>
#include <string>
#include <vector>

// Points and sizes compared and shown whole.
inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
inline void PrintTo(const POINT& p, std::ostream* os) { *os << "(" << p.x << "," << p.y << ")"; }
inline void PrintTo(const SIZE& s, std::ostream* os) { *os << s.cx << "x" << s.cy; }

namespace vxtest {

inline POINT Pt(int x, int y) { return POINT{x, y}; }
inline SIZE Sz(int cx, int cy) { return SIZE{cx, cy}; }

inline bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string Show(const RECT& r)
{
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// A window handle as the journal writes it.
inline std::string H(HWND hwnd)
{
    char buffer[32];
    return vxFormatHandle(hwnd, buffer, sizeof(buffer));
}

// The skin engine's journal lines, or those that mention a text.
inline std::vector<std::string> Journal(const char* contains = nullptr)
{
    std::vector<std::string> lines;
    for (int i = 0; i < vxJournalCount(); ++i) {
        const std::string line = vxJournalGet(i);
        if (contains == nullptr || line.find(contains) != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

} // namespace vxtest

#define EXPECT_RECT(actual, l, t, r, b)                                                     \
    EXPECT_TRUE(vxtest::SameRect((actual), RECT{l, t, r, b}))                                \
        << vxtest::Show(actual) << " expected " << vxtest::Show(RECT{l, t, r, b})
