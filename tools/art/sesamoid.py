#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the first metacarpal from the palm side,
base at the top, with the base of the thumb's first phalanx below its head and the two
sesamoid bones lying over the joint between them.

    python3 tools/art/sesamoid.py [assets/drawings]

The sesamoids sit in front of both bones, one at each side of the head, and stand out
past its outline: a student sees two separate small bones, not holes in one. The bones
are drawn in millimetres (1 mm = 1.2 pixels), the head of the metacarpal at the origin.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg, sym  # noqa: E402

W_OUT = 1.0
W_IN = 0.6
W_FINE = 0.45


def first_metacarpal(g):
    """Palm side, base up; origin at the middle of the head's joint surface, which bulges
    down towards the phalanx."""
    right = [
        (0, -41.5),                                   # the saddle of the base, its low point
        (5.2, -42.3), (10.2, -44.4, "c"),              # its rim rising to the side
        (10.6, -40.5), (8.6, -36),                   # the base's flare
        (6.2, -30), (5.6, -21), (6.0, -12.5),         # shaft, waisted
        (7.6, -7), (8.8, -3.5), (8.6, -0.5),          # the head widens
        (7.4, 2.4), (4.4, 4.2), (0, 4.8),             # its joint surface
    ]
    g.body(sym(right), width=W_OUT)
    # the saddle surface of the base, seen over its rim
    g.line([(-8.6, -43.2), (-4, -40.8), (0, -40.3), (4, -40.8), (8.6, -43.2)], W_IN)
    # the ridge down the palm side of the shaft, and a little shade along its radial edge
    g.line([(-1.2, -36), (-0.8, -27), (-0.6, -18), (-1.4, -10)], W_FINE)
    g.hatch([(6.2, -30), (5.6, -21), (6.0, -12.5), (4.4, -14), (4.2, -22), (4.8, -30)], 60, 1.6,
            W_FINE)


def proximal_phalanx_base(g):
    """The upper third of the thumb's first phalanx, below the joint; it runs on out of
    the drawing."""
    right = [
        (0, 6.0), (4.0, 5.4), (7.8, 5.8, "c"),        # its cupped joint surface
        (8.2, 7.8), (6.6, 11), (5.6, 15.5), (5.4, 17.4, "c"),
    ]
    pts = sym(right)
    g.body(pts, width=W_OUT)
    # the lower edge is where the drawing ends: cover it with ground so the bone runs on
    g.fill([(-7, 16.4), (7, 16.4), (7, 19), (-7, 19)])


def sesamoid(g, x):
    """One sesamoid bone, a pea-shaped nodule over the side of the joint, and the shade it
    casts on the bones behind it."""
    cx, cy = x, 1.8
    sx = 1 if x > 0 else -1
    shade = ellipse_pts(cx + sx * 0.7, cy + 0.8, 3.0, 3.6, rot=sx * -15, n=20)
    g.fill(shade, "#000")
    g.body(ellipse_pts(cx, cy, 2.8, 3.4, rot=sx * -15, n=22), width=W_OUT)
    # its rounded front, catching the light
    g.line([(cx - sx * 1.6, cy - 2.4), (cx - sx * 2.2, cy - 0.6), (cx - sx * 1.8, cy + 1.4)],
           W_FINE)


def sesamoid_drawing():
    W, H = 59, 81
    s = 1.2
    ox, oy = 27, 64.5
    groups = []
    for gid, fn, comment in (
            ("first-phalanx", proximal_phalanx_base, "the base of the thumb's first phalanx"),
            ("first-metacarpal", first_metacarpal, "the first metacarpal from the palm side"),
    ):
        g = Group(gid, Place(ox, oy, s), comment)
        fn(g)
        groups.append(g)
    g = Group("sesamoids", Place(ox, oy, s), "the two sesamoid bones over the head")
    for x in (-7.6, 7.6):
        sesamoid(g, x)
    groups.append(g)
    body = []
    for g in groups:
        body.extend(g.svg())
    # from the middle of the nearer sesamoid, clear of the phalanx
    sx, sy = Place(ox, oy, s)((7.6, 1.8))[:2]
    leaders = [f"leader Form25.Label5 from {int(sx)} {int(sy)}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
