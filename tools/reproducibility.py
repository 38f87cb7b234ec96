#!/usr/bin/env python3
"""Builds the programs with several compilers and flag sets and proves that
every build prints the same bytes and exits with the same status.

    tools/reproducibility.py [--workdir build/matrix] [--count 1000] [--build NAME:COMPILER:FLAGS ...]

Without --build it uses the standard matrix: g++ and clang++, each at -O0,
-O2 and -O3 -march=native. Every dialogue case in tests/*/dialogues and a
corpus written by tools/corpus.py run through every build; the first build is
the reference. A mismatch is reported with the input file and the two builds,
and the script exits 1.
"""

import argparse
import concurrent.futures
import glob
import os
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAMS = ["eigpair", "quadpanel", "rootstep"]
STANDARD_MATRIX = [
    "gcc-O0:g++:-O0",
    "gcc-O2:g++:-O2",
    "gcc-O3-native:g++:-O3 -march=native",
    "clang-O0:clang++:-O0",
    "clang-O2:clang++:-O2",
    "clang-O3-native:clang++:-O3 -march=native",
]
TIMEOUT_SECONDS = 30


def configure_and_build(workdir, build_line):
    name, compiler, flags = build_line.split(":", 2)
    build = os.path.join(workdir, name)
    subprocess.run(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=",
                    "-DCMAKE_CXX_COMPILER=" + compiler, "-DCMAKE_CXX_FLAGS=" + flags,
                    "-DNUMEX_TESTS=OFF", "-DNUMEX_WERROR=ON"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "-j2", "--target"] + PROGRAMS, check=True, stdout=subprocess.DEVNULL)
    return name, build


def run(program_path, input_path):
    with open(input_path, "rb") as stdin:
        try:
            done = subprocess.run([program_path], stdin=stdin, capture_output=True, timeout=TIMEOUT_SECONDS)
            return done.returncode, done.stdout
        except subprocess.TimeoutExpired:
            return "timeout", b""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--workdir", default=os.path.join(ROOT, "build", "matrix"))
    parser.add_argument("--count", type=int, default=1000, help="corpus inputs per program")
    parser.add_argument("--build", action="append", metavar="NAME:COMPILER:FLAGS",
                        help="a build of the matrix (repeatable); default: the standard matrix")
    args = parser.parse_args()
    build_lines = args.build or STANDARD_MATRIX

    started = time.monotonic()
    builds = [configure_and_build(args.workdir, line) for line in build_lines]
    corpus = os.path.join(args.workdir, "corpus")
    subprocess.run([sys.executable, os.path.join(ROOT, "tools", "corpus.py"), corpus, "--count", str(args.count)],
                   check=True)

    inputs = []
    for program in PROGRAMS:
        cases = sorted(glob.glob(os.path.join(ROOT, "tests", program, "dialogues", "*.in")))
        cases = [c for c in cases if not os.path.exists(c[:-3] + ".ulimit")]
        cases += sorted(glob.glob(os.path.join(corpus, program, "*.in")))
        inputs += [(program, c) for c in cases]

    def outcomes(item):
        program, input_path = item
        return [run(os.path.join(build, program), input_path) for _, build in builds]

    mismatches = 0
    timeouts = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=os.cpu_count() or 2) as pool:
        for (program, input_path), results in zip(inputs, pool.map(outcomes, inputs)):
            reference_name = builds[0][0]
            reference = results[0]
            for (name, _), result in zip(builds, results):
                if result[0] == "timeout":
                    timeouts += 1
                    print("TIMEOUT %s on %s after %d s" % (name, os.path.relpath(input_path, ROOT), TIMEOUT_SECONDS))
                if result != reference:
                    mismatches += 1
                    what = "exit status %s vs %s" % (reference[0], result[0]) if result[0] != reference[0] \
                        else "standard output"
                    print("MISMATCH %s: builds %s and %s differ in %s\n  %s: %r\n  %s: %r" % (
                        os.path.relpath(input_path, ROOT), reference_name, name, what,
                        reference_name, reference[1][-300:], name, result[1][-300:]))

    runs = len(inputs) * len(builds)
    print("reproducibility: %d builds x %d inputs (%s) = %d runs, %d mismatches, %d timeouts, %.0f s" % (
        len(builds), len(inputs), ", ".join("%s %d" % (p, sum(1 for q, _ in inputs if q == p)) for p in PROGRAMS),
        runs, mismatches, timeouts, time.monotonic() - started))
    return 1 if mismatches or timeouts else 0


if __name__ == "__main__":
    sys.exit(main())
