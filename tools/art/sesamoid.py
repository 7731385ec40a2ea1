#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the joint at the root of the thumb from
the palm side. The whole first metacarpal stands with its saddle-shaped base at the top,
the base of the thumb's first phalanx below its head, and the two sesamoid bones lie on
the palm side of the head.

    python3 tools/art/sesamoid.py [assets/drawings]

The sesamoids are two small pea-shaped bones side by side, a little apart, near the
middle of the joint: drawn over the head, they hide part of its outline and reach past
it into the joint, so a student sees two separate small bones in front of the head, not
its condyles. The bones are drawn in millimetres (1 mm = 1.3 pixels), the middle of the
head's joint surface at the origin.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, outline, path, svg  # noqa: E402

W_OUT = 1.0
W_IN = 0.6
W_FINE = 0.45
SCALE = 1.3
SESAMOIDS = ((-3.3, 2.5), (3.3, 2.5))   # their middles, over the head near the joint
SESAMOID_RX, SESAMOID_RY = 2.45, 3.0
# the head's joint surface, its outline seen through the sesamoids
HEAD_END = [(7.1, 2.2), (4.2, 4.2), (0, 4.8), (-4.2, 4.3), (-7.0, 2.4)]


def first_metacarpal(g):
    """Palm side, base up: short and stout, the base broad with its saddle, the head
    rounded towards the phalanx."""
    g.body([
        (-8.6, -41.6, "c"), (-4.5, -40.2), (0, -39.8), (4.5, -40.6), (8.4, -42.6, "c"),  # saddle rim
        (9.6, -39.6), (8.8, -36),                     # the base's flare, its tubercle
        (6.4, -30.5), (5.4, -22), (5.6, -13.5),       # shaft, waisted
        (6.9, -8), (8.3, -4.2), (8.4, -0.8),          # the head widens
    ] + HEAD_END + [                                  # its joint surface
        (-8.1, -1), (-7.9, -4.4), (-6.6, -8.2),
        (-5.2, -13.5), (-4.9, -22), (-5.7, -30.5),
        (-7.8, -35.5), (-9.2, -38.6),
    ], width=W_OUT)
    # the saddle: its hollow seen over the palm-side lip, the lip curving the other way
    g.line([(-8.2, -40.2), (-4, -38.0), (0, -37.6), (4, -38.2), (8.1, -40.8)], W_IN)
    # the ridge down the palm side of the shaft, and where the head's rounded surface begins
    g.line([(-0.6, -35), (-0.3, -26), (-0.2, -17), (-0.8, -11)], W_FINE)


def proximal_phalanx_base(g):
    """The upper part of the thumb's first phalanx, below the joint; it runs on out of
    the drawing."""
    g.body([
        (-7.4, 6.6, "c"), (-4, 6.0), (0, 5.8), (4, 6.0), (7.6, 6.4, "c"),   # cupped joint surface
        (8.2, 8.4), (6.4, 11.2), (5.4, 14.5), (5.2, 20, "c"),
        (-5.0, 20, "c"), (-5.2, 14.5), (-6.2, 11.2), (-8.0, 8.6),
    ], width=W_OUT)
    # the lower edge is where the drawing ends: cover it with ground so the bone runs on
    g.fill([(-7, 16.0), (7, 16.0), (7, 21), (-7, 21)])


def inside(p, poly):
    """Whether the point p lies inside the closed polygon poly."""
    x, y = p[0], p[1]
    n = False
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            n = not n
    return n


def sesamoid(g, c):
    """One sesamoid bone: a pea-shaped nodule, its rounded front catching the light, and
    the outline of the head behind it dotted through it."""
    cx, cy = c
    sx = 1 if cx > 0 else -1
    g.body(ellipse_pts(cx, cy, SESAMOID_RX, SESAMOID_RY, rot=sx * 12, n=24), width=W_OUT)
    inner = ellipse_pts(cx, cy, SESAMOID_RX - 0.5, SESAMOID_RY - 0.5, rot=sx * 12, n=24)
    behind = [p for p in outline(g.place.pts(HEAD_END), False) if inside(p, g.place.pts(inner))]
    if len(behind) > 1:
        g.raw(path(behind, False, "none", W_IN, extra=' stroke-dasharray="1 0.9"'))
    g.line([(cx - sx * 1.3, cy - 1.9), (cx - sx * 1.75, cy - 0.4), (cx - sx * 1.4, cy + 1.2)], W_FINE)


def sesamoid_drawing():
    W, H = 59, 81
    place = Place(27, 63.0, SCALE)
    groups = []
    for gid, fn, comment in (
            ("first-phalanx", proximal_phalanx_base, "the base of the thumb's first phalanx"),
            ("first-metacarpal", first_metacarpal, "the first metacarpal from the palm side"),
    ):
        g = Group(gid, place, comment)
        fn(g)
        groups.append(g)
    g = Group("sesamoids", place, "the two sesamoid bones over the head")
    for c in SESAMOIDS:
        sesamoid(g, c)
    groups.append(g)
    body = []
    for g in groups:
        body.extend(g.svg())
    # from well inside the nearer sesamoid, straight out to the label
    sx, sy = place(SESAMOIDS[1])[:2]
    leaders = [f"leader Form25.Label5 from {round(sx)} {round(sy)}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
