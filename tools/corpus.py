#!/usr/bin/env python3
"""Writes a deterministic corpus of inputs for the three programs.

    tools/corpus.py OUTDIR [--count N] [--seed S]

OUTDIR/eigpair, OUTDIR/quadpanel and OUTDIR/rootstep each receive N files
named NNNN-kind.in. The same seed always gives the same files, byte for byte.
The inputs are meant for comparing builds with one another, so they reach
every path of the programs: planted complex pairs in a random basis, plain
random matrices, tiny and huge magnitudes, zeros and degenerate sizes;
whole, fractional, negative and out-of-range panel counts; starting points
near and far from each root with tolerances from negative to large. Some
inputs are malformed on purpose.
"""

import argparse
import math
import os
import random


def number(rng, value):
    """One way of writing a double that "%lf" and "%f" read back exactly."""
    style = rng.random()
    if style < 0.6:
        return repr(value)
    if style < 0.8:
        return "%.17g" % value
    if style < 0.9:
        return "%.6g" % value
    return float.hex(value) if math.isfinite(value) else repr(value)


def matrix_text(rng, rows):
    n = len(rows)
    lines = [str(n)]
    per_line = rng.random() < 0.8
    for row in rows:
        words = [number(rng, v) for v in row]
        lines.append(" ".join(words) if per_line else "\n".join(words))
    return "\n".join(lines) + "\n"


def planted_pair(rng):
    """A = S B S^-1: B holds a +- bi as [[a, -b], [b, a]] and smaller reals."""
    n = rng.randint(2, 8)
    radius = rng.uniform(0.5, 4.0) * 10.0 ** rng.choice([0, 0, 0, -3, 3])
    angle = rng.uniform(0.2, math.pi - 0.2)
    a, b = radius * math.cos(angle), radius * math.sin(angle)
    B = [[0.0] * n for _ in range(n)]
    B[0][0], B[0][1], B[1][0], B[1][1] = a, -b, b, a
    for k in range(2, n):
        B[k][k] = radius * rng.uniform(-0.9, 0.9)
    S = [[rng.uniform(-1, 1) + (2.0 if i == j else 0.0) for j in range(n)] for i in range(n)]
    return multiply(multiply(S, B), inverse(S))


def multiply(X, Y):
    n = len(X)
    return [[sum(X[i][k] * Y[k][j] for k in range(n)) for j in range(n)] for i in range(n)]


def inverse(S):
    n = len(S)
    M = [row[:] + [1.0 if i == j else 0.0 for j in range(n)] for i, row in enumerate(S)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(M[r][c]))
        M[c], M[p] = M[p], M[c]
        pivot = M[c][c]
        M[c] = [x / pivot for x in M[c]]
        for r in range(n):
            if r != c:
                f = M[r][c]
                M[r] = [x - f * y for x, y in zip(M[r], M[c])]
    return [row[n:] for row in M]


def eigpair_input(rng, i):
    kind = i % 10
    if kind <= 3:
        return "planted", matrix_text(rng, planted_pair(rng))
    n = rng.randint(1, 8)
    if kind == 4:
        return "random", matrix_text(rng, [[rng.uniform(-1, 1) for _ in range(n)] for _ in range(n)])
    if kind == 5:
        scale = 10.0 ** rng.choice([-300, -200, -160, 150, 200, 300])
        return "extreme", matrix_text(rng, [[rng.gauss(0, 1) * scale for _ in range(n)] for _ in range(n)])
    if kind == 6:
        rows = [[rng.choice([0.0, 0.0, 0.0, -0.0, 1.0, -1.0, 2.0]) for _ in range(n)] for _ in range(n)]
        return "sparse", matrix_text(rng, rows)
    if kind == 7:
        rows = [[float(rng.randint(-9, 9)) for _ in range(n)] for _ in range(n)]
        return "integer", matrix_text(rng, rows)
    if kind == 8:
        specials = [float("inf"), float("-inf"), float("nan"), 1e308, -1e308, 5e-324]
        rows = [[rng.choice(specials) if rng.random() < 0.2 else rng.uniform(-2, 2) for _ in range(n)]
                for _ in range(n)]
        return "special", matrix_text(rng, rows)
    choices = ["0\n", "-1\n", "-2147483648\n", "2147483648\n", "", "x\n", "2\n1 2\n3\n",
               "2\n1 2 3 x\n", "+2\n0 -1 1 0\n", "2.5\n1 2 3 4 5\n", "1\n0x1p-3\n", "3\n" + "1 " * 8]
    return "edge", rng.choice(choices)


def quadpanel_input(rng, i):
    kind = i % 6
    a = rng.uniform(-5, 5)
    if kind == 0:
        m = rng.randint(1, 3000)
        return "width-two", "%s\n%s %s\n" % (m, number(rng, a), number(rng, a + 2.0))
    if kind == 1:
        m = rng.randint(1, 500)
        return "any-interval", "%s %s %s\n" % (m, number(rng, a), number(rng, rng.uniform(-5, 5)))
    if kind == 2:
        m = rng.choice([rng.uniform(0, 50), rng.uniform(-50, 0), 0.5, 2.5, 1e-9, 2147483647.5])
        if m > 1e5:
            m = rng.uniform(0, 50)
        return "non-whole", "%s %s %s\n" % (number(rng, m), number(rng, a), number(rng, a + 2.0))
    if kind == 3:
        scale = 10.0 ** rng.choice([-300, -20, 20, 160, 300])
        return "extreme", "%d %s %s\n" % (rng.randint(1, 50), number(rng, a * scale), number(rng, rng.uniform(-5, 5) * scale))
    if kind == 4:
        specials = ["inf", "-inf", "nan", "0", "-0", "1e308", "-1e308"]
        return "special", "%d %s %s\n" % (rng.randint(1, 20), rng.choice(specials), rng.choice(specials + [repr(a)]))
    choices = ["", "4\n", "4 1\n", "x 1 2\n", "nan 0 2\n", "inf 0 2\n", "-inf 0 2\n", "2147483648 0 1\n",
               "-1e300 0 2\n", "0 0 2\n", "-3 0 2\n", "0x10 -1 1\n", "4 -1 1 trailing\n"]
    return "edge", rng.choice(choices)


ROOTS = [2 * math.cos(math.pi / 9), 2 * math.cos(5 * math.pi / 9), 2 * math.cos(7 * math.pi / 9)]


def rootstep_input(rng, i):
    kind = i % 5
    epsi = rng.choice([-1.0, 0.0, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 0.1, 1.0, 10.0, rng.uniform(-1, 1)])
    if kind <= 1:
        root = rng.choice(ROOTS)
        spread = 10.0 ** rng.uniform(-6, 0)
        x0, x1 = root + rng.uniform(-spread, spread), root + rng.uniform(-spread, spread)
        return "near-root", "%s %s %s\n" % (number(rng, x0), number(rng, x1), number(rng, epsi))
    if kind == 2:
        scale = 10.0 ** rng.uniform(0, 14)
        return "far", "%s %s %s\n" % (number(rng, rng.uniform(-scale, scale)),
                                      number(rng, rng.uniform(-scale, scale)), number(rng, epsi))
    if kind == 3:
        specials = ["1", "-2", "2", "-1", "1e13", "-1e13", "3e38", "1e39", "nan", "inf", "-0.347296357", "0"]
        return "special", "%s\n%s\n%s\n" % (rng.choice(specials), rng.choice(specials), number(rng, epsi))
    choices = ["", "1\n", "1 2\n", "1 x 3\n", "0x1.8p0 2 1e-4\n", "1.5 2 1e-4 extra\n", "-.5 +.5 .1\n"]
    return "edge", rng.choice(choices)


GENERATORS = {"eigpair": eigpair_input, "quadpanel": quadpanel_input, "rootstep": rootstep_input}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("outdir")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=20261211)
    args = parser.parse_args()
    for program, generate in GENERATORS.items():
        rng = random.Random("%d-%s" % (args.seed, program))
        directory = os.path.join(args.outdir, program)
        os.makedirs(directory, exist_ok=True)
        for i in range(args.count):
            kind, text = generate(rng, i)
            with open(os.path.join(directory, "%04d-%s.in" % (i, kind)), "w", newline="\n") as f:
                f.write(text)


if __name__ == "__main__":
    main()
