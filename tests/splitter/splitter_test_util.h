// Comparison and printing of rectangles for the splitter tests.
#pragma once

#include <windows.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }

inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "[" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
