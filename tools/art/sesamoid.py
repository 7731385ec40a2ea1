#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the root of the thumb seen from the palm
side, base up: the whole first metacarpal, the thumb's first phalanx below it, and the
two sesamoid bones lying side by side on the palm-side face of the metacarpal's head,
large enough to read at the drawing's size.

    python3 tools/art/sesamoid.py [assets/drawings]

The sesamoids lie in front of the head, a little short of the joint: they are drawn over
it, each a small pea with a whole outline of its own, heavier along its lower side, and
a grey shadow on the head under it, so that they read as two separate small bones on its
surface rather than as its condyles or as holes. The bones are drawn in millimetres, the
middle of the head's joint surface at the origin, x to the right (the thumb's ulnar
side), y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.1     # outlines: a little heavier than the large drawings', so they stay black at 1x
W_IN = 0.6
SCALE = 0.97
JOINT_GAP = 1.2
# (centre, half width, half length, tilt), radial (left) and ulnar: side by side over the
# head, their lower ends 1.5 mm short of its joint surface
SESAMOIDS = (((-3.8, -6.8), 3.3, 4.3, -10), ((3.8, -6.8), 3.3, 4.3, 10))
SHADOW = "rgb(150,150,152)"   # where a sesamoid shades the head it lies on
MC_LENGTH = 45.0


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
    """One sesamoid lying on the head: the shadow it throws on the head below and beside
    it, the pea over it, then the pea's lower side drawn again heavier."""
    cx, cy = centre
    g.fill(ellipse_pts(cx + 0.5 * (1 if cx > 0 else -1), cy + 1.0, rx, ry, rot=tilt, n=24), SHADOW)
    pea = ellipse_pts(cx, cy, rx, ry, rot=tilt, n=24)
    g.body(pea, width=W_OUT)
    g.line(pea[2:11], 1.0)


def sesamoid_drawing():
    W, H = 59, 81
    place = Place(28, 2.0 + (MC_LENGTH + 0.5) * SCALE, SCALE)
    groups = []
    for gid, fn, comment in (
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
    leaders = [f"leader Form25.Label5 from {sx:.1f} {sy:.1f}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
