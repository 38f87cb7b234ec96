#!/usr/bin/env python3
"""Draws the error of quadpanel against the panel count m as an SVG figure.

    tools/plot_quadpanel_error.py PATH/TO/quadpanel docs/quadpanel-error.svg

For m = 1 ... 16 it runs the built program on [-1, 1] and on [0, 2] (both of
width 2, where the printed number is the composite two-point Gauss-Legendre
estimate) and plots |printed - exact| on log-log axes, with the exact
integrals 2 pi and 4 atan 2. The solid line is the fourth-order error bound
2 (2/m)^4 max|f''''| / 4320 = (32/45) m^-4 of the rule, slope -4; the dashed
line is the resolution of the six printed decimals, below which the measured
error is only the rounding of the output. The file depends on nothing but the
program's output, so the same program always draws the same bytes.
"""

import math
import subprocess
import sys

WIDTH, HEIGHT = 640, 440
LEFT, RIGHT, TOP, BOTTOM = 80, 30, 40, 60
M_RANGE = (1.0, 16.0)
E_RANGE = (1e-8, 1.0)
COUNTS = range(1, 17)
SERIES = [
    ("[-1, 1]", -1.0, 1.0, "#1f5fa8", "circle"),
    ("[0, 2]", 0.0, 2.0, "#c0392b", "square"),
]


def printed(program, m, a, b):
    out = subprocess.run([program], input="%d %r %r\n" % (m, a, b), capture_output=True, text=True, check=True)
    return float(out.stdout)


def x_of(m):
    lo, hi = (math.log10(v) for v in M_RANGE)
    return LEFT + (math.log10(m) - lo) / (hi - lo) * (WIDTH - LEFT - RIGHT)


def y_of(e):
    lo, hi = (math.log10(v) for v in E_RANGE)
    return TOP + (hi - math.log10(e)) / (hi - lo) * (HEIGHT - TOP - BOTTOM)


def marker(shape, x, y, colour):
    if shape == "circle":
        return '<circle cx="%.1f" cy="%.1f" r="4" fill="%s"/>' % (x, y, colour)
    return '<rect x="%.1f" y="%.1f" width="8" height="8" fill="%s"/>' % (x - 4, y - 4, colour)


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    program, target = sys.argv[1], sys.argv[2]
    parts = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d" '
        'font-family="sans-serif" font-size="12">' % (WIDTH, HEIGHT, WIDTH, HEIGHT),
        '<rect width="100%" height="100%" fill="white"/>',
        '<text x="%d" y="22" text-anchor="middle" font-size="14">quadpanel: error of the printed value '
        'against the panel count m (b - a = 2)</text>' % (WIDTH // 2),
    ]
    # Grid and axes.
    for k in range(-8, 1):
        y = y_of(10.0 ** k)
        parts.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="#ddd"/>' % (LEFT, y, WIDTH - RIGHT, y))
        parts.append('<text x="%d" y="%.1f" text-anchor="end">1e%d</text>' % (LEFT - 6, y + 4, k))
    for m in (1, 2, 4, 8, 16):
        x = x_of(m)
        parts.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="#ddd"/>' % (x, TOP, x, HEIGHT - BOTTOM))
        parts.append('<text x="%.1f" y="%d" text-anchor="middle">%d</text>' % (x, HEIGHT - BOTTOM + 18, m))
    parts.append('<rect x="%d" y="%d" width="%d" height="%d" fill="none" stroke="black"/>'
                 % (LEFT, TOP, WIDTH - LEFT - RIGHT, HEIGHT - TOP - BOTTOM))
    parts.append('<text x="%d" y="%d" text-anchor="middle">panel count m</text>'
                 % ((LEFT + WIDTH - RIGHT) // 2, HEIGHT - 18))
    parts.append('<text x="18" y="%d" text-anchor="middle" transform="rotate(-90 18 %d)">'
                 '|printed - exact integral|</text>' % ((TOP + HEIGHT - BOTTOM) // 2, (TOP + HEIGHT - BOTTOM) // 2))

    # The fourth-order bound (slope -4) and the printed resolution.
    bound = [(m, 32.0 / 45.0 * m ** -4.0) for m in (1.0, 16.0)]
    parts.append('<polyline fill="none" stroke="black" stroke-width="1.5" points="%s"/>'
                 % " ".join("%.1f,%.1f" % (x_of(m), y_of(e)) for m, e in bound))
    parts.append('<text x="%.1f" y="%.1f">bound (32/45) m^-4: slope -4</text>'
                 % (x_of(2.6), y_of(32.0 / 45.0 * 2.6 ** -4.0) - 8))
    y = y_of(5e-7)
    parts.append('<line x1="%d" y1="%.1f" x2="%d" y2="%.1f" stroke="gray" stroke-dasharray="6,4"/>'
                 % (LEFT, y, WIDTH - RIGHT, y))
    parts.append('<text x="%d" y="%.1f" fill="gray">resolution of six printed decimals</text>'
                 % (LEFT + 8, y - 6))

    # The measured errors.
    for index, (label, a, b, colour, shape) in enumerate(SERIES):
        exact = 4.0 * (math.atan(b) - math.atan(a))
        points = [(m, abs(printed(program, m, a, b) - exact)) for m in COUNTS]
        parts.append('<polyline fill="none" stroke="%s" points="%s"/>'
                     % (colour, " ".join("%.1f,%.1f" % (x_of(m), y_of(e)) for m, e in points)))
        parts += [marker(shape, x_of(m), y_of(e), colour) for m, e in points]
        ly = HEIGHT - BOTTOM - 40 + 18 * index
        parts.append(marker(shape, LEFT + 16, ly - 4, colour))
        parts.append('<text x="%d" y="%d">%s</text>' % (LEFT + 28, ly, label))
    parts.append("</svg>")
    with open(target, "w", newline="\n") as f:
        f.write("\n".join(parts) + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
