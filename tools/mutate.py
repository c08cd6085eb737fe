#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Virelo developers
"""Mutation testing: do the tests notice a small fault in a source file?

Applies one single-line fault at a time to the given source files, rebuilds
the test target in an existing build folder, runs the tests and records
whether they failed (the fault is "killed") or passed (it "survived"). A
fault that does not compile counts as neither. The source file is restored
after every fault, also on Ctrl-C or an error; a copy of the untouched file
lies beside it as FILE.mutate-orig while a fault is applied, and a later run
puts it back first should the machine have stopped half-way.

Faults tried, on code outside comments and string literals:
  cmp     a comparison flipped (< <=, > >=, == !=, and each into its opposite)
  logic   && and || swapped
  arith   + and - swapped
  const   an integer constant one higher or one lower
  bool    true and false swapped in a return
  guard   a one-line "if (...) statement;" dropped, or an if condition negated
  return  a bare "return ...;" statement dropped (when the line holds only it)
  swap    the two arguments of a call whose arguments are plain names swapped

Usage (from the source tree; the build folder must already be configured,
preferably without the UI: -DVIRELO_BUILD_UI=OFF):
  tools/mutate.py --build build --tests 'Csv|Cli' persistence/csv.cpp
  tools/mutate.py --build build --sample 80 --seed 1 --log before.tsv \\
      engine/core/breakeven.cpp persistence/csv.cpp
  tools/mutate.py --build build --rerun before.tsv --log after.tsv
      (tries again only the faults that survived in before.tsv; with
      --rerun-status survived,nobuild also those that did not build)
  tools/mutate.py --list persistence/csv.cpp      (only lists the faults)
Options: --target (default engine_tests), --tests (ctest -R regex, default
all), --lines A-B (only those lines), --timeout (seconds per test run),
--from N (resume at the Nth fault). Run one at a time per build folder: two
runs in one tree would build each other's faults.
The log has one tab-separated line per fault:
  status  id  file:line  operator  original-line  mutated-line
and the run ends with the share killed among the faults that compiled.
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

COMPARISONS = {"<": ["<=", ">="], "<=": ["<", ">"], ">": [">=", "<="], ">=": [">", "<"],
               "==": ["!="], "!=": ["=="]}


def mask_code(line):
    """The line with string/char literals and comments blanked out, so that
    faults are only placed in code."""
    out = []
    k = 0
    quote = None
    while k < len(line):
        ch = line[k]
        if quote:
            if ch == "\\" and k + 1 < len(line):
                out.append("  ")
                k += 2
                continue
            if ch == quote:
                quote = None
                out.append(ch)
            else:
                out.append(" ")
        elif ch in "\"'":
            quote = ch
            out.append(ch)
        elif line.startswith("//", k):
            out.append(" " * (len(line) - k))
            break
        else:
            out.append(ch)
        k += 1
    return "".join(out)


def skip_line(stripped):
    return (not stripped or stripped.startswith(("#", "//", "/*", "*", "static_assert", "namespace",
                                                 "using ", "template", "case ")))


def mutants_of_line(line):
    """(operator, mutated line) pairs for one line."""
    code = mask_code(line)
    stripped = code.strip()
    if skip_line(stripped):
        return []
    found = []

    def at(start, end, text, op):
        found.append((op, line[:start] + text + line[end:]))

    # Comparisons, written with blanks around them as the formatter keeps
    # them; a template's angle brackets have none.
    for m in re.finditer(r"(?<=\s)(<=|>=|==|!=|<|>)(?=\s)", code):
        for replacement in COMPARISONS[m.group(1)]:
            at(m.start(1), m.end(1), replacement, "cmp")
    for m in re.finditer(r"(?<=\s)(&&|\|\|)(?=\s)", code):
        at(m.start(1), m.end(1), "||" if m.group(1) == "&&" else "&&", "logic")
    for m in re.finditer(r"(?<=\w|\)|\])\s([+-])\s(?=[\w(])", code):
        at(m.start(1), m.end(1), "-" if m.group(1) == "+" else "+", "arith")
    # Integer constants, not part of a name, a floating-point number or an
    # exponent.
    for m in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
        value = int(m.group(1))
        prefix = code[:m.start(1)]
        if prefix.endswith(("e-", "e+", "E-", "E+")):
            continue
        at(m.start(1), m.end(1), str(value + 1), "const")
        if value > 0:
            at(m.start(1), m.end(1), str(value - 1), "const")
    m = re.search(r"\breturn (true|false);", code)
    if m:
        at(m.start(1), m.end(1), "false" if m.group(1) == "true" else "true", "bool")
    # Guards: drop a one-line guarded statement; negate a condition.
    indent = line[:len(line) - len(line.lstrip())]
    end = balanced_if(stripped)
    if end > 0:
        rest = stripped[end + 1:].strip()
        if rest.endswith(";") and not rest.startswith("{"):
            found.append(("guard", indent + ";  // mutant: guarded statement dropped\n"))
        start = line.index("if (") + 4
        close = start + end - 4
        found.append(("guard", line[:start] + "!(" + line[start:close] + ")" + line[close:]))
    if re.match(r"return\b[^;]*;\s*$", stripped) and "{" not in stripped and lineends_statement(stripped):
        found.append(("return", indent + ";  // mutant: return dropped\n"))
    # Two plain arguments of a call swapped.
    for m in re.finditer(r"\b(\w+)\(([\w.>-]+), ([\w.>-]+)\)", code):
        if m.group(1) in ("if", "while", "for", "switch", "return", "sizeof") or m.group(2) == m.group(3):
            continue
        at(m.start(2), m.end(3), m.group(3) + ", " + m.group(2), "swap")
    return found


def balanced_if(stripped):
    """Index of the parenthesis closing "if (" at the start; -1 if none."""
    if not stripped.startswith("if ("):
        return -1
    depth = 0
    for k in range(3, len(stripped)):
        if stripped[k] == "(":
            depth += 1
        elif stripped[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def lineends_statement(stripped):
    return stripped.count("(") == stripped.count(")")


def all_mutants(path, lines_range):
    with open(path, encoding="utf-8") as f:
        lines = f.readlines()
    mutants = []
    in_block_comment = False
    for number, line in enumerate(lines, start=1):
        s = line.strip()
        if in_block_comment:
            in_block_comment = "*/" not in s
            continue
        if s.startswith("/*"):
            in_block_comment = "*/" not in s
            continue
        if lines_range and not lines_range[0] <= number <= lines_range[1]:
            continue
        for index, (op, mutated) in enumerate(mutants_of_line(line)):
            if mutated != line:
                mutants.append({"id": f"{path}:{number}:{index}", "file": path, "line": number, "op": op,
                                "before": line, "after": mutated})
    return mutants


class Restorer:
    """Keeps the original of the file being mutated and puts it back."""

    def __init__(self):
        self.path = None

    def apply(self, path, lines):
        backup = path + ".mutate-orig"
        shutil.copy2(path, backup)
        self.path = path
        with open(path, "w", encoding="utf-8") as f:
            f.writelines(lines)

    def restore(self):
        if self.path:
            backup = self.path + ".mutate-orig"
            shutil.copyfile(backup, self.path)
            os.remove(backup)
            self.path = None


def recover_stale(paths):
    for path in paths:
        backup = path + ".mutate-orig"
        if os.path.exists(backup):
            print(f"restoring {path} from an earlier run that stopped half-way", file=sys.stderr)
            shutil.copyfile(backup, path)
            os.remove(backup)


def run_one(mutant, args, restorer):
    with open(mutant["file"], encoding="utf-8") as f:
        lines = f.readlines()
    if lines[mutant["line"] - 1] != mutant["before"]:
        return "stale"  # the source changed since the mutant was listed
    lines[mutant["line"] - 1] = mutant["after"]
    restorer.apply(mutant["file"], lines)
    try:
        build = subprocess.run(["cmake", "--build", args.build, "--target", args.target],
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if build.returncode != 0:
            # The build also runs the program: it makes the bundled database
            # from its CSV table. A fault that breaks that step is caught.
            failed = [row for row in build.stdout.splitlines() if row.startswith("FAILED: ")]
            if failed and all("generic.vrc" in row for row in failed):
                return "killed"
            return "nobuild"
        command = ["ctest", "--test-dir", args.build, "--timeout", str(args.timeout), "-j", str(args.jobs)]
        if args.tests:
            command += ["-R", args.tests]
        # In a session of its own, so that a hang ends with every test
        # program ctest started: a mutant's endless loop left running would
        # eat the machine for the faults after it.
        test = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)
        try:
            returncode = test.wait(timeout=args.timeout * 4)
        except subprocess.TimeoutExpired:
            os.killpg(test.pid, signal.SIGKILL)
            test.wait()
            return "killed"  # a hang is noticed too
        finally:
            # Test programs ctest left behind in the group.
            try:
                os.killpg(test.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        return "killed" if returncode != 0 else "survived"
    finally:
        restorer.restore()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*")
    parser.add_argument("--build", default="build")
    parser.add_argument("--target", default="engine_tests")
    parser.add_argument("--tests", default="")
    parser.add_argument("--lines")
    parser.add_argument("--sample", type=int, default=0)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=int, default=120)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--log")
    parser.add_argument("--rerun", help="a log: try again the faults that survived there")
    parser.add_argument("--rerun-status", default="survived",
                        help="which faults of --rerun to try again (comma-separated statuses)")
    parser.add_argument("--from", dest="start", type=int, default=1,
                        help="start at this fault of the list (to resume a run that stopped)")
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args()

    lines_range = tuple(int(x) for x in args.lines.split("-")) if args.lines else None
    recover_stale(args.files)
    mutants = []
    if args.rerun:
        # Found again by what they change, not by line number: the sources
        # may have moved since the log was written.
        wanted = {}  # (file, op, before, after) -> logged line numbers
        with open(args.rerun, encoding="utf-8") as f:
            for row in f:
                parts = row.rstrip("\n").split("\t")
                if parts[0] in args.rerun_status.split(","):
                    path, line = parts[2].rsplit(":", 1)
                    wanted.setdefault((path, parts[3], parts[4], parts[5]), []).append(int(line))
        files = sorted({key[0] for key in wanted})
        recover_stale(files)
        for path in files:
            candidates = {}
            for m in all_mutants(path, None):
                candidates.setdefault((path, m["op"], m["before"].strip(), m["after"].strip()), []).append(m)
            for key, lines in wanted.items():
                if key[0] != path:
                    continue
                found = candidates.get(key, [])
                for line in lines:
                    if not found:
                        print("no longer in the source:\t" + "\t".join(key), file=sys.stderr)
                        continue
                    # Of identical lines, the one nearest to where it was.
                    best = min(found, key=lambda m: abs(m["line"] - line))
                    found.remove(best)
                    mutants.append(best)
    for path in args.files:
        mutants += all_mutants(path, lines_range)
    if args.sample and len(mutants) > args.sample:
        # Spread over the files in proportion to their faults, reproducibly.
        mutants = sorted(random.Random(args.seed).sample(mutants, args.sample),
                         key=lambda m: (m["file"], m["line"]))
    mutants = mutants[args.start - 1:]
    if args.list:
        for m in mutants:
            print(f"{m['id']}\t{m['op']}\t{m['after'].strip()}")
        print(f"{len(mutants)} faults", file=sys.stderr)
        return 0

    restorer = Restorer()

    def stop(signum, frame):
        restorer.restore()
        sys.exit(130)

    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    log = open(args.log, "a", encoding="utf-8") if args.log else None
    counts = {}
    started = time.time()
    try:
        for n, m in enumerate(mutants, start=1):
            status = run_one(m, args, restorer)
            counts[status] = counts.get(status, 0) + 1
            row = "\t".join([status, m["id"], f"{m['file']}:{m['line']}", m["op"], m["before"].strip(),
                             m["after"].strip()])
            print(f"[{n}/{len(mutants)} {time.time() - started:.0f}s] {row}", flush=True)
            if log:
                log.write(row + "\n")
                log.flush()
    finally:
        restorer.restore()
        # Leave the build matching the untouched sources.
        subprocess.run(["cmake", "--build", args.build, "--target", args.target],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    killed, survived = counts.get("killed", 0), counts.get("survived", 0)
    total = killed + survived
    share = 100.0 * killed / total if total else 0.0
    print(f"killed {killed}, survived {survived}, did not build {counts.get('nobuild', 0)}, "
          f"stale {counts.get('stale', 0)}: {share:.1f} % caught")
    return 0


if __name__ == "__main__":
    sys.exit(main())
