#!/usr/bin/env python3
"""Whether the tests catch faults: small faults put into the library's sources one at a time.

For each subsystem asked for (all without arguments) the candidate faults of its sources are
listed, a seeded choice of them is applied one by one, the build folder rebuilds what changed,
and the subsystem's tests run; a fault some test notices (a failure, or a run past the time
limit) is killed, one no test notices survived, one that does not compile is not counted.
Every source is put back after its fault, and the build made whole again at the end.

Run through ./dev mutate, which starts the display and Wine first.
"""

import argparse
import os
import random
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# The sources of each subsystem and the ctest labels whose tests belong to it: its own, and
# the cases that drive every control: screen readers and keyboard, mixed DPIs, right-to-left
# and UTF-8 hosts. The foundation's hook chain is tested through the two controls that hook
# host windows; the framework layer and the skin engine, which every control stands on, by
# every control. A control's run of failed resource requests, which reaches its clean-up
# paths, runs last, and only when the labels' tests passed.
EVERY_CONTROL = "accessibility|dpi|rtl|utf8"
ALL_CONTROLS = "foundation|layout|splitter|combobox|listview|stackwnd|systips|tooltip|" + EVERY_CONTROL
SUBSYSTEMS = {
    "framework": (["framework/src"], "framework|" + ALL_CONTROLS, None),
    "foundation": (["foundation"], "foundation|splitter|systips|" + EVERY_CONTROL, None),
    "layout": (["layout"], "layout|" + EVERY_CONTROL, "LayoutWithASizerBarDrag"),
    "splitter": (["splitter"], "splitter|" + EVERY_CONTROL, "Splitter"),
    "combobox": (["combobox"], "combobox|" + EVERY_CONTROL, "ComboBox"),
    "listview": (["listview"], "listview|" + EVERY_CONTROL, "ListView"),
    "stackwnd": (["stackwnd"], "stackwnd|" + EVERY_CONTROL, "StackWindow"),
    "systips": (["systips"], "systips|" + EVERY_CONTROL, "SystemTips"),
    "tooltip": (["tooltip"], "tooltip|" + EVERY_CONTROL, "BalloonToolTip"),
    "vexelcore": (["vexelcore/src"], ALL_CONTROLS, None),
}

# (name, pattern, replacement): each match on a line is one candidate fault.
OPERATORS = [
    ("== to !=", r"(?<![=!<>])==(?!=)", "!="),
    ("!= to ==", r"!=", "=="),
    # Spaced on both sides: a comparison, not a template's brackets or a shift.
    ("< to <=", r"(?<=\s)<(?=\s)", "<="),
    ("<= to <", r"<=", "<"),
    ("> to >=", r"(?<=\s)>(?=\s)", ">="),
    (">= to >", r">=", ">"),
    ("&& to ||", r"&&", "||"),
    ("|| to &&", r"\|\|", "&&"),
    ("condition negated", r"\bif \((.*)\)(\s*(?:\{|return|$))", r"if (!(\1))\2"),
    ("TRUE to FALSE", r"\breturn TRUE;", "return FALSE;"),
    ("FALSE to TRUE", r"\breturn FALSE;", "return TRUE;"),
    ("true to false", r"\breturn true;", "return false;"),
    ("false to true", r"\breturn false;", "return true;"),
    ("+ 1 dropped", r" \+ 1\b", ""),
    ("- 1 dropped", r" - 1\b", ""),
    ("constant + 1", r"(?<![\w.#])([2-9]|[1-9]\d+)(?![\w.])", None),
]

# Calls whose line is removed (a statement, a notification not sent) or doubled (sent twice).
CALL_LINE = re.compile(r"^\s*(?:::)?[A-Za-z_][\w:>.\-]*\s*\(.*\);\s*$")
NOTIFY = re.compile(r"\b(Notify\w*|SendMessage|PostMessage|vxNotifyAccessibleEvent|NotifyWinEvent)\s*\(")
SKIP_LINE = re.compile(r"^\s*(#|//|/\*|\*)|\bstatic_assert\b|\bcase\b.*:|^\s*(?:const\s+)?\w+\s+\w+\[")


def sources(folders):
    for folder in folders:
        for dirpath, _, names in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(names):
                if name.endswith(".cpp"):
                    yield os.path.relpath(os.path.join(dirpath, name), ROOT)


def code_part(line):
    """The line without a trailing comment and without string or character literals' insides."""
    line = re.sub(r'"(?:\\.|[^"\\])*"', lambda m: '"' + " " * (len(m.group(0)) - 2) + '"', line)
    line = re.sub(r"'(?:\\.|[^'\\])*'", lambda m: "'" + " " * (len(m.group(0)) - 2) + "'", line)
    cut = line.find("//")
    return line if cut < 0 else line[:cut]


def candidates(path):
    with open(os.path.join(ROOT, path), encoding="utf-8", errors="replace") as f:
        lines = f.read().split("\n")
    found = []
    for number, line in enumerate(lines, 1):
        code = code_part(line)
        if SKIP_LINE.search(code) or not code.strip():
            continue
        for name, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, code):
                start, end = match.span()
                if replacement is None:
                    new = str(int(match.group(0)) + 1)
                else:
                    new = match.expand(replacement)
                mutated = line[:start] + new + line[end:]
                if mutated != line:
                    found.append((path, number, name, line, mutated))
        if CALL_LINE.match(code) and not code.lstrip().startswith("return"):
            kind = "notification not sent" if NOTIFY.search(code) else "statement removed"
            # An empty block, so that the body of an if without braces still compiles.
            indent = line[:len(line) - len(line.lstrip())]
            found.append((path, number, kind, line, indent + "{}"))
            if NOTIFY.search(code):
                found.append((path, number, "notification sent twice", line, line + "\n" + line))
    return found


def run(command, timeout, log):
    """The exit code, or None past the time limit; the output goes to log."""
    try:
        done = subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, timeout=timeout)
        return done.returncode
    except subprocess.TimeoutExpired:
        return None


def failed_tests(log_path):
    with open(log_path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    listed = text.split("The following tests FAILED:", 1)
    names = re.findall(r"^\s*\d+ - (\S+)", listed[1], re.M) if len(listed) == 2 else []
    return names or ["?"]


def apply(path, number, mutated):
    full = os.path.join(ROOT, path)
    with open(full, encoding="utf-8") as f:
        original = f.read()
    lines = original.split("\n")
    lines[number - 1] = mutated
    with open(full, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return original


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("subsystems", nargs="*", default=sorted(SUBSYSTEMS))
    parser.add_argument("--build", required=True, help="the x86_64 build folder")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=40, help="faults per subsystem")
    parser.add_argument("--timeout", type=int, default=900, help="seconds a subsystem's tests may take")
    parser.add_argument("--resume", type=int, default=0, metavar="N",
                        help="skip each subsystem's first N faults, to go on with a stopped run")
    parser.add_argument("--every-failure", action="store_true",
                        help="run all the tests after each fault and name every case that fails, and at the "
                             "end the cases that alone kill a fault (a run about three times as long)")
    args = parser.parse_args()
    unknown = [s for s in args.subsystems if s not in SUBSYSTEMS]
    if unknown:
        sys.exit("unknown subsystems: " + ", ".join(unknown))

    log_path = os.path.join(args.build, "mutant.log")
    scores = {}
    try:
        for subsystem in args.subsystems:
            folders, labels, campaign = SUBSYSTEMS[subsystem]
            selections = [["-L", labels]]
            if campaign:
                selections.append(["-R", "^FailureCampaign\\.%s$" % campaign])
            pool = [c for path in sources(folders) for c in candidates(path)]
            chosen = random.Random("%d:%s" % (args.seed, subsystem)).sample(pool, min(args.count, len(pool)))
            chosen.sort(key=lambda c: (c[0], c[1], c[2]))
            del chosen[:args.resume]
            killed = counted = 0
            sole = {}                  # case -> the faults only it kills, with --every-failure
            for path, number, name, line, mutated in chosen:
                original = apply(path, number, mutated)
                try:
                    with open(log_path, "w") as log:
                        built = run(["cmake", "--build", args.build, "-j", "2"], 1800, log) == 0
                    if not built:
                        verdict = "not compiled"
                    else:
                        start = time.time()
                        for selection in selections:
                            with open(log_path, "w") as log:
                                stop = [] if args.every_failure else ["--stop-on-failure"]
                                code = run(["ctest", "--test-dir", args.build, "-j1", "--no-tests=error"] + stop +
                                           selection, args.timeout, log)
                            if code != 0:
                                break
                        counted += 1
                        if code is None:
                            killed += 1
                            verdict = "killed (past %d s)" % args.timeout
                        elif code != 0:
                            killed += 1
                            # Without --every-failure ctest stopped at the first, so it lists one.
                            killers = failed_tests(log_path)
                            verdict = "killed by " + ", ".join(killers)
                            if args.every_failure and len(killers) == 1:
                                sole.setdefault(killers[0], []).append("%s:%d" % (path, number))
                        else:
                            verdict = "survived (%d s)" % (time.time() - start)
                finally:
                    with open(os.path.join(ROOT, path), "w", encoding="utf-8") as f:
                        f.write(original)
                change = line.strip() + "  ->  " + mutated.strip().replace("\n", " / ")
                print("%s:%d  %s  [%s]  %s" % (path, number, name, change, verdict), flush=True)
            scores[subsystem] = (killed, counted)
            for case in sorted(sole):
                print("%s alone kills %s" % (case, ", ".join(sole[case])), flush=True)
    finally:
        # The sources are whole again; so is the build.
        with open(log_path, "w") as log:
            run(["cmake", "--build", args.build, "-j", "2"], 1800, log)
    print()
    for subsystem, (killed, counted) in scores.items():
        share = 100.0 * killed / counted if counted else 0.0
        print("%-10s %3d of %3d killed  %5.1f %%" % (subsystem, killed, counted, share))


if __name__ == "__main__":
    main()
