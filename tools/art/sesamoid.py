#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the joint at the root of the thumb seen
from its outer (radial) side, the palm to the right. The whole first metacarpal stands
with its saddle-shaped base at the top, the whole first phalanx of the thumb below its
head, and the two sesamoid bones lie on the palm side of the head, at the joint.

    python3 tools/art/sesamoid.py [assets/drawings]

The view is turned a little towards the palm, so that the farther (ulnar) sesamoid
shows above and beyond the nearer (radial) one instead of hiding behind it. Like the
pieces of the other drawings, the sesamoids are drawn a little apart from the head they
glide on: two small pea-shaped bones outside its outline, not a part of it. The bones
are drawn in millimetres, one to a pixel, the middle of the head's joint surface at the
origin, x towards the palm, y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.1     # outlines: a little heavier than the large drawings', so they stay black at 1x
W_IN = 0.6
SCALE = 1.0
# (centre, half width, half length, tilt): the farther sesamoid first, so that the nearer
# one is drawn over it
SESAMOIDS = (((16.0, -8.0), 2.8, 3.7, 20), ((12.6, -3.6), 3.1, 4.1, 14))


def first_metacarpal(g):
    """Short and stout: the base with its saddle, hollow from back to front and lipped on
    the palm side; the shaft hollow on the palm side; the head rounded, reaching further
    round on the palm side, where the sesamoids glide."""
    g.body([
        (-8.0, -43.2, "c"), (-4.2, -41.9), (0, -41.7), (4.2, -42.5), (8.2, -44.5, "c"),  # saddle
        (9.0, -41.6), (7.6, -37.6),                   # the palm-side lip of the base
        (5.4, -31.5), (4.7, -23), (5.0, -15),         # shaft, hollow on the palm side
        (6.3, -9.5), (7.4, -6.0), (7.0, -2.4),        # head, its palm-side condyle
        (4.4, -0.1), (0, 0.7), (-3.8, 0.1),           # its joint surface
        (-6.4, -2.4), (-7.0, -5.8), (-6.2, -9.8),     # the head's back
        (-5.4, -16), (-5.3, -25), (-5.9, -33),        # shaft, straight at the back
        (-7.4, -38.5), (-8.3, -41.4),
    ], width=W_OUT)
    # the far lip of the saddle, seen through the hollow
    g.line([(-7.0, -41.6), (-3.5, -40.2), (0.5, -40.0), (4.5, -40.9), (7.5, -42.6)], W_IN)


def first_phalanx(g):
    """The thumb's first phalanx: the cupped base, its palm-side tubercle, the shaft flat
    in front and rounded behind, the pulley-shaped head."""
    g.body([
        (-6.4, 2.6, "c"), (-3.4, 1.9), (0, 1.6), (3.6, 2.0), (6.8, 2.8, "c"),   # cupped base
        (7.4, 4.8), (6.0, 7.6),                       # the tubercle on the palm side
        (4.3, 12), (3.9, 19), (4.3, 25),              # shaft
        (5.2, 28.0), (4.9, 30.6), (2.6, 32.2), (-0.4, 32.6), (-3.4, 31.9),   # head
        (-5.2, 29.6), (-5.3, 26.8),
        (-4.3, 22), (-4.1, 15), (-4.7, 9),
        (-6.2, 5.6), (-7.0, 3.8),
    ], width=W_OUT)
    # the rim of the joint surface of the base
    g.line([(-6.0, 4.2), (-2.5, 3.8), (2.5, 3.9), (6.4, 4.6)], W_IN)
    # the pulley of the head
    g.line([(-4.4, 28.6), (-1.5, 29.8), (2.0, 29.8), (4.6, 28.6)], W_IN)


def sesamoid(g, centre, rx, ry, tilt):
    """One sesamoid: a small pea, its flat joint facet towards the head."""
    g.body(ellipse_pts(centre[0], centre[1], rx, ry, rot=tilt, n=24), width=W_OUT)


def sesamoid_drawing():
    W, H = 59, 81
    place = Place(23.5, 46.0, SCALE)
    groups = []
    for gid, fn, comment in (
            ("first-metacarpal", first_metacarpal, "the first metacarpal from its radial side"),
            ("first-phalanx", first_phalanx, "the thumb's first phalanx, below the head"),
    ):
        g = Group(gid, place, comment)
        fn(g)
        groups.append(g)
    g = Group("sesamoids", place, "the two sesamoid bones on the palm side of the head")
    for s in SESAMOIDS:
        sesamoid(g, *s)
    groups.append(g)
    body = []
    for g in groups:
        body.extend(g.svg())
    # from the middle of the nearer sesamoid down and out to the label
    sx, sy = place(SESAMOIDS[-1][0])[:2]
    leaders = [f"leader Form25.Label5 from {round(sx)} {round(sy)}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
