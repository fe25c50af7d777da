// A small benchmark harness: each figure times a subject against a baseline in the same run
// and prints one line of JSON with the medians and their ratio.
#pragma once

#include <functional>
#include <string>

namespace vxbench {

using Work = std::function<void()>;

struct Comparison {
    std::string baseline;            // what the subject is measured against
    Work runBaseline;
    Work runSubject;
    Work cleanup;                    // optional, after all runs
    int runs = 7;                    // the median of this many runs of each is reported
    double targetRatio = 0;          // subject / baseline aimed at; 0: none
};

// Registers a figure; make() sets up windows and state and returns what to time.
class Figure {
public:
    Figure(const char* name, Comparison (*make)());
};

} // namespace vxbench

#define VXBENCH_FIGURE(name)                                                                \
    static vxbench::Comparison vxbench_make_##name();                                        \
    static const vxbench::Figure vxbench_figure_##name(#name, &vxbench_make_##name);         \
    static vxbench::Comparison vxbench_make_##name()
