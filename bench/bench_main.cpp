// Runs every registered figure (or those named on the command line) and prints its JSON line.
#include "bench.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
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

std::string g_failure;               // the first failure of the figure being measured

double Milliseconds(const Work& work)
{
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    work();
    ::QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Spread {
    double min, median, max;
};

Spread SpreadOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void RunFigure(const Registered& figure)
{
    g_failure.clear();
    Comparison c = figure.make();
    const bool bHasBaseline = !c.baseline.empty();
    auto measure = [&](const Sample& sample, const Work& work) {
        return sample ? sample() : Milliseconds(work);
    };
    // A warm-up of each first (caches, lazily built tables), then interleaved runs, so that
    // a change in machine load touches both sides alike.
    if (bHasBaseline)
        measure(c.sampleBaseline, c.runBaseline);
    measure(c.sampleSubject, c.runSubject);
    std::vector<double> baseline, subject;
    const int runs = c.runs < 5 ? 5 : c.runs;
    for (int i = 0; i < runs && g_failure.empty(); ++i) {
        if (bHasBaseline)
            baseline.push_back(measure(c.sampleBaseline, c.runBaseline));
        subject.push_back(measure(c.sampleSubject, c.runSubject));
    }
    if (c.cleanup)
        c.cleanup();
    std::string line = "{\"figure\":\"" + std::string(figure.name) + "\"";
    char number[64];
    auto add = [&](const char* key, double value, const char* format = "%.3f") {
        std::snprintf(number, sizeof(number), format, value);
        line += std::string(",\"") + key + "\":" + number;
    };
    if (!g_failure.empty()) {
        line += ",\"error\":" + Quoted(g_failure) + "}";
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        return;
    }
    line += ",\"unit\":" + Quoted(c.unit);
    const Spread s = SpreadOf(subject);
    add("subject_min", s.min);
    add("subject_median", s.median);
    add("subject_max", s.max);
    bool meets = true;
    if (bHasBaseline) {
        const Spread b = SpreadOf(baseline);
        line += ",\"baseline\":" + Quoted(c.baseline);
        add("baseline_min", b.min);
        add("baseline_median", b.median);
        add("baseline_max", b.max);
        const double ratio = b.median > 0 ? s.median / b.median : 0.0;
        add("ratio", ratio);
        if (c.targetRatio > 0) {
            add("target_ratio", c.targetRatio, "%.2f");
            meets = meets && ratio <= c.targetRatio;
        }
    }
    if (c.targetSubject > 0) {
        add("target_subject", c.targetSubject, "%.2f");
        meets = meets && s.median <= c.targetSubject;
    }
    if (c.targetRatio > 0 || c.targetSubject > 0)
        line += meets ? ",\"meets_target\":true" : ",\"meets_target\":false";
    add("runs", runs, "%.0f");
    std::printf("%s}\n", line.c_str());
    std::fflush(stdout);
}

} // namespace

Figure::Figure(const char* name, Comparison (*make)())
{
    Registry().push_back({name, make});
}

void Fail(const std::string& message)
{
    if (g_failure.empty())
        g_failure = message;
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
