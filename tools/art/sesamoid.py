#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the whole thumb seen from the palm side,
base up: the trapezium of the wrist it stands on, the first metacarpal, the first and the
distal phalanx, and the two sesamoid bones lying on the palm side over the joint between
the metacarpal's head and the first phalanx.

    python3 tools/art/sesamoid.py [assets/drawings]

The carpal bone above the metacarpal and the whole digit below, its tuft at the tip, say
that this is the thumb: its metacarpal about one and a half times its first phalanx (the
big toe's metatarsal is about twice its phalanx). The sesamoids lie side by side over
the joint itself, straddling the joint space between the metacarpal's head and the
phalanx's base, which no condyle could, inside the bones' outline and a small gap apart,
the radial one the larger: each a small seed in a light tone with a whole outline of its
own, the joint space showing on either side of them and between them, so that they read
as two separate small bones in front of the joint, not as condyles of the head or holes
in it. They are drawn a little larger than life so that they read at the drawing's size. The
bones are drawn in millimetres, the middle of the head's joint surface at the origin, x
to the right (the thumb's ulnar side), y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, rotate, svg  # noqa: E402

W_SEED = 0.9    # the sesamoids' outlines, small ovals that stay open at 1x
W_OUT = 1.1     # outlines a little heavier than the large drawings', so they stay black at 1x
JOINT_GAP = 2.0             # joint spaces wide enough to show as ground at 1x
MC_LENGTH = 45.0            # the first metacarpal, base to the head's joint surface
PHALANX_LENGTH = 31.0       # the first phalanx
DISTAL_LENGTH = 22.0        # the distal phalanx
TRAPEZIUM_HEIGHT = 10.0
MARGIN = 1.5                # pixels above the trapezium and below the tuft
# (centre, half width, half length, tilt), radial (left, the larger) and ulnar: over the
# joint either side of the head's midline, in from its edges
SESAMOIDS = (((-4.2, 1.1), 3.5, 5.0, 8), ((4.2, 1.4), 3.2, 4.6, -6))
TONE = "rgb(236,236,238)"     # the sesamoids, a light tone over the white bones
PP_TOP = 0.9 + JOINT_GAP
DP_TOP = PP_TOP + PHALANX_LENGTH - 0.6 + JOINT_GAP
TRAPEZIUM_TOP = -MC_LENGTH - JOINT_GAP - TRAPEZIUM_HEIGHT


def trapezium(g):
    """The trapezium from the palm side, wider than high and set towards the radial side:
    its distal face the convex side of the saddle, its tubercle a knob on the radial side,
    its ulnar side cut obliquely where the trapezoid lies against it."""
    t = -MC_LENGTH - JOINT_GAP
    h = TRAPEZIUM_HEIGHT
    g.body([
        (-8.6, t + 0.4, "c"), (-4.4, t + 1.2), (0, t + 1.4), (4.4, t + 1.0), (7.6, t + 0.2, "c"),
        (8.4, t - 2.6), (6.4, t - h + 1.2, "c"),      # the facet for the trapezoid
        (1.2, t - h), (-5.6, t - h + 0.4), (-9.8, t - h + 2.0),
        (-12.4, t - 6.0), (-12.0, t - 3.0),           # the tubercle
        (-10.6, t - 0.8),
    ], width=W_OUT)


def first_metacarpal(g):
    """Short and stout, seen from the palm: the broad base hollow from side to side for
    the trapezium, its radial tubercle, the waisted shaft, the broad rounded head."""
    t = -MC_LENGTH
    g.body([
        (-8.4, t, "c"), (-4.4, t + 1.0), (0, t + 1.3), (4.4, t + 1.0), (8.0, t + 0.1, "c"),
        (8.8, t + 4.0), (7.6, t + 8.6),              # the base, ulnar side
        (5.6, t + 15), (4.8, -24), (5.2, -15),       # shaft, waisted
        (7.2, -10), (8.6, -6), (8.2, -1.8),          # the head widens
        (5.0, 0.3), (0, 0.9), (-5.0, 0.3),           # its joint surface
        (-8.2, -1.8), (-8.6, -6), (-7.2, -10),
        (-5.2, -15), (-4.8, -24), (-5.8, t + 15),
        (-8.8, t + 8.4), (-10.2, t + 4.6),           # the radial tubercle
        (-9.6, t + 1.6),
    ], width=W_OUT)


def first_phalanx(g):
    """The first phalanx from the palm: the broad base cupped for the head, the shaft,
    the head with its two condyles."""
    top = PP_TOP
    L = PHALANX_LENGTH
    g.body([
        (-7.4, top - 0.8, "c"), (-4, top - 0.1), (0, top), (4, top - 0.1), (7.6, top - 0.8, "c"),
        (8.2, top + 2.6), (6.4, top + 6.5), (5.0, top + 11), (4.6, top + 18), (5.0, top + 23.5),
        (6.0, top + 27), (5.8, top + 29.6), (3.6, top + L - 0.2), (1.2, top + L - 0.5),
        (0, top + L - 0.8),                           # the shallow groove between the condyles
        (-1.2, top + L - 0.5), (-3.6, top + L - 0.2), (-5.8, top + 29.6), (-6.0, top + 27),
        (-5.0, top + 23.5), (-4.6, top + 18), (-5.0, top + 11), (-6.4, top + 6.5),
        (-8.2, top + 2.6),
    ], width=W_OUT)


def distal_phalanx(g):
    """The distal phalanx from the palm: the broad base hollowed for the condyles, the
    narrow waist, the broad rounded tuft that carries the nail, rough at its rim."""
    top = DP_TOP
    L = DISTAL_LENGTH
    g.body([
        (-6.0, top + 0.4, "c"), (-3, top), (0, top + 0.3), (3, top), (6.0, top + 0.4, "c"),
        (6.6, top + 3.2), (4.4, top + 7.5), (3.2, top + 11), (3.6, top + 14),
        (5.4, top + 16.4), (6.0, top + 18.6), (5.0, top + 20.6), (2.8, top + L - 0.2),
        (0, top + L), (-2.8, top + L - 0.2), (-5.0, top + 20.6), (-6.0, top + 18.6),
        (-5.4, top + 16.4), (-3.6, top + 14), (-3.2, top + 11), (-4.4, top + 7.5), (-6.6, top + 3.2),
    ], width=W_OUT)
    g.line([(-3.6, top + 17.2), (0, top + 18.6), (3.6, top + 17.2)], 0.5)   # the tuft's rough ridge


def seed(cx, cy, rx, ry, tilt):
    """A sesamoid's outline: an oval a little narrower at its distal end, like a seed."""
    pts = []
    for x, y in ellipse_pts(0, 0, rx, ry, n=24):
        if y > 0:
            x *= 1 - 0.22 * y / ry
        pts.append((x, y))
    return [rotate((cx + x, cy + y), (cx, cy), tilt) for x, y in pts]


def sesamoid(g, centre, rx, ry, tilt):
    """One sesamoid in front of the joint: a seed in its light tone with its own outline,
    drawn over the joint space, which shows on either side of it and between the two."""
    g.body(seed(centre[0], centre[1], rx, ry, tilt), width=W_SEED, fill=TONE)


def sesamoid_drawing():
    W, H = 59, 81
    scale = (H - 2 * MARGIN) / (DP_TOP + DISTAL_LENGTH - TRAPEZIUM_TOP)
    place = Place(30.5, MARGIN - TRAPEZIUM_TOP * scale, scale)
    groups = []
    for gid, fn, comment in (
            ("trapezium", trapezium, "the trapezium, on which the metacarpal's saddle turns"),
            ("first-metacarpal", first_metacarpal, "the first metacarpal from the palm side"),
            ("first-phalanx", first_phalanx, "the thumb's first phalanx, below the head"),
            ("distal-phalanx", distal_phalanx, "the thumb's distal phalanx"),
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
