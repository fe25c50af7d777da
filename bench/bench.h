// A small benchmark harness: each figure measures a subject against a baseline in the same
// run, interleaved, and prints one line of JSON with the minimum, median and maximum of each,
// the ratio of the medians, the target and whether it is met.
#pragma once

#include <functional>
#include <string>
#include <tchar.h>
#include <windows.h>

namespace vxbench {

// Texts handed to the controls, in the build's character set.
typedef std::basic_string<TCHAR> tstring;

inline tstring Number(int n)
{
    TCHAR text[16];
    wsprintf(text, _T("%d"), n);
    return text;
}

using Work = std::function<void()>;
using Sample = std::function<double()>;

struct Comparison {
    std::string baseline;            // what the subject is measured against; empty: none
    Work runBaseline;                // timed in milliseconds
    Work runSubject;
    Sample sampleBaseline;           // instead of timing: a measured value in `unit`
    Sample sampleSubject;
    std::string unit = "ms";
    Work cleanup;                    // optional, after all runs
    int runs = 5;                    // at least five of each, interleaved
    double targetRatio = 0;          // subject / baseline medians aimed at; 0: none
    double targetSubject = 0;        // subject median aimed at, in `unit`; 0: none
};

// Registers a figure; make() sets up windows and state and returns what to measure.
class Figure {
public:
    Figure(const char* name, Comparison (*make)());
};

// Called by a subject or baseline that did not do its work (a list that did not open):
// the figure prints this error instead of its numbers.
void Fail(const std::string& message);

} // namespace vxbench

#define VXBENCH_FIGURE(name)                                                                \
    static vxbench::Comparison vxbench_make_##name();                                        \
    static const vxbench::Figure vxbench_figure_##name(#name, &vxbench_make_##name);         \
    static vxbench::Comparison vxbench_make_##name()
