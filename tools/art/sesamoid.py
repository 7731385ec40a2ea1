#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the root of the thumb seen from the palm
side, base up: the trapezium at the top, the whole first metacarpal under it, the first
phalanx of the thumb below its head, and the two sesamoid bones lying side by side on
the palm-side face of the metacarpal's head.

    python3 tools/art/sesamoid.py [assets/drawings]

The sesamoids lie in front of the head, a little short of the joint: they are drawn over
it, each a small pea with a whole outline of its own and a faint shadow on the head
beside it, the head's outline running on round them, so that they read as two separate
small bones on its surface rather than as its condyles. The bones are drawn in
millimetres, the middle of the head's joint surface at the origin, x to the right
(the thumb's ulnar side), y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.1     # outlines: a little heavier than the large drawings', so they stay black at 1x
W_IN = 0.6
SCALE = 0.85
JOINT_GAP = 1.2
# (centre, half width, half length, tilt), radial (left) and ulnar: side by side over the
# head, their lower ends 1.5 mm short of its joint surface
SESAMOIDS = (((-3.4, -6.4), 2.5, 3.5, -10), ((3.4, -6.4), 2.5, 3.5, 10))
MC_LENGTH = 45.0


def trapezium(g):
    """The trapezium over the metacarpal's base: an irregular block, its saddle below."""
    top = -MC_LENGTH - JOINT_GAP
    g.body([
        (-9, top - 3.5), (-10.5, top - 8), (-7.5, top - 12.5), (-1, top - 13.5),
        (6.5, top - 12), (10, top - 8.5), (9.5, top - 3.5), (7, top - 0.6, "c"),
        (3, top + 0.4), (-1, top + 0.2), (-5, top - 0.8), (-8, top - 2.2, "c")], width=W_OUT)
    # its tubercle on the palm side
    g.line([(-6.5, top - 6.5), (-3.5, top - 9), (0.5, top - 9.5)], W_IN)


def first_metacarpal(g):
    """Short and stout, seen from the palm: the base broad, its saddle hollow from side to
    side under the trapezium; the shaft waisted; the head broad and rounded."""
    t = -MC_LENGTH
    g.body([
        (-8.6, t + 1.6, "c"), (-4.5, t + 0.4), (0, t), (4.5, t + 0.6), (8.4, t + 1.8, "c"),
        (9.4, t + 4.6), (8.2, t + 9),                # the base's flare
        (5.8, t + 15), (5.0, -24), (5.3, -15),       # shaft, waisted
        (7.4, -10), (9.0, -6), (8.6, -1.8),          # the head widens
        (5.2, 0.3), (0, 0.9), (-5.2, 0.3),           # its joint surface
        (-8.6, -1.8), (-9.0, -6), (-7.4, -10),
        (-5.3, -15), (-5.0, -24), (-5.8, t + 15),
        (-8.4, t + 9), (-9.4, t + 4.6),
    ], width=W_OUT)


def first_phalanx(g):
    """The thumb's first phalanx from the palm: the broad cupped base, the shaft, the
    head with its two condyles."""
    top = JOINT_GAP
    L = 31.0
    g.body([
        (-7.4, top + 0.8, "c"), (-4, top + 0.2), (0, top), (4, top + 0.2), (7.6, top + 0.8, "c"),
        (8.2, top + 3.2), (6.4, top + 6.5), (5.0, top + 11), (4.6, top + 18), (5.0, top + 23.5),
        (6.2, top + 27), (6.0, top + 29.6), (3.6, top + L - 0.2), (1.2, top + L - 0.4),
        (0, top + L - 1.4, "c"),                      # the notch between the condyles
        (-1.2, top + L - 0.4), (-3.6, top + L - 0.2), (-6.0, top + 29.6), (-6.2, top + 27),
        (-5.0, top + 23.5), (-4.6, top + 18), (-5.0, top + 11), (-6.4, top + 6.5),
        (-8.2, top + 3.2),
    ], width=W_OUT)


def sesamoid(g, centre, rx, ry, tilt):
    """One sesamoid lying on the head: a faint shadow on the head along its lower side,
    then the pea itself over it."""
    cx, cy = centre
    side = 1 if cx > 0 else -1
    g.line([(cx - side * rx * 1.1, cy + ry * 0.6), (cx - side * rx * 0.2, cy + ry + 1.3),
            (cx + side * rx * 0.8, cy + ry * 0.9)], W_IN)
    g.body(ellipse_pts(cx, cy, rx, ry, rot=tilt, n=24), width=W_OUT)


def sesamoid_drawing():
    W, H = 59, 81
    place = Place(28, 2.0 + (MC_LENGTH + JOINT_GAP + 13.5) * SCALE, SCALE)
    groups = []
    for gid, fn, comment in (
            ("trapezium", trapezium, "the trapezium, over the base of the first metacarpal"),
            ("first-metacarpal", first_metacarpal, "the first metacarpal from the palm side"),
            ("first-phalanx", first_phalanx, "the thumb's first phalanx, below the head"),
    ):
        g = Group(gid, place, comment)
        fn(g)
        groups.append(g)
    g = Group("sesamoids", place, "the two sesamoid bones lying on the palm side of the head")
    for s in SESAMOIDS:
        sesamoid(g, *s)
    groups.append(g)
    body = []
    for g in groups:
        body.extend(g.svg())
    # from the middle of the ulnar sesamoid, the one nearer the label, down and out to it
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
