// Runs every registered figure (or those named on the command line) and prints its JSON line.
#include "bench.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vxbench {

namespace {

struct Registered {
    const char* name;
    Comparison (*make)();
};

std::vector<Registered>& Registry()
{
    static std::vector<Registered> figures;
    return figures;
}

double Milliseconds(const Work& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void RunFigure(const Registered& figure)
{
    Comparison c = figure.make();
    std::vector<double> baseline, subject;
    c.runBaseline(); // warm-up: caches, lazily built tables
    c.runSubject();
    // Interleaved, so that a change in machine load touches both sides alike.
    for (int i = 0; i < c.runs; ++i) {
        baseline.push_back(Milliseconds(c.runBaseline));
        subject.push_back(Milliseconds(c.runSubject));
    }
    if (c.cleanup)
        c.cleanup();
    const double b = Median(baseline), s = Median(subject);
    std::printf("{\"figure\":\"%s\",\"baseline\":\"%s\",\"baseline_ms\":%.3f,\"subject_ms\":%.3f,"
                "\"ratio\":%.3f,\"target_ratio\":%.2f,\"runs\":%d}\n",
                figure.name, c.baseline.c_str(), b, s, b > 0 ? s / b : 0.0, c.targetRatio, c.runs);
    std::fflush(stdout);
}

} // namespace

Figure::Figure(const char* name, Comparison (*make)())
{
    Registry().push_back({name, make});
}

} // namespace vxbench

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    auto figures = vxbench::Registry();
    std::sort(figures.begin(), figures.end(),
              [](const auto& a, const auto& b) { return std::strcmp(a.name, b.name) < 0; });
    for (const auto& figure : figures) {
        bool wanted = argc < 2;
        for (int i = 1; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], figure.name) == 0;
        if (wanted)
            vxbench::RunFigure(figure);
    }
    return 0;
}
