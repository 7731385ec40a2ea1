#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the whole thumb seen from the palm side,
base up: the first metacarpal, the first and the distal phalanx, and the two sesamoid
bones lying side by side on the palm side of the metacarpal's head.

    python3 tools/art/sesamoid.py [assets/drawings]

The whole digit is drawn, its nail-bearing tuft at the bottom, so that it reads as a
thumb with its metacarpal about one and a half times its first phalanx (the big toe's
metatarsal is about twice its phalanx). The sesamoids, a little larger than life so that
they read at the drawing's size, lie over the head one either side of its midline with a
gap between them: each an oval with a whole outline of its own and a light tone, reaching
out past the head's edge on its side, a shadow on the head beside it, so that they read
as two separate small bones on the palm side, not as condyles of the head or holes in it.
The bones are drawn in millimetres, the middle of the head's joint surface at the
origin, x to the right (the thumb's ulnar side), y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.0
JOINT_GAP = 2.4             # joint spaces wide enough to show as ground at 1x
MC_LENGTH = 45.0            # the first metacarpal, base to the head's joint surface
PHALANX_LENGTH = 31.0       # the first phalanx
DISTAL_LENGTH = 22.0        # the distal phalanx
MARGIN = 1.5                # pixels above the base and below the tuft
# (centre, half width, half length, tilt), radial (left) and ulnar: over the head's palm
# side either side of its midline, each reaching past the head's edge
SESAMOIDS = (((-7.4, -6.2), 3.6, 4.4, 12), ((7.4, -6.2), 3.6, 4.4, -12))
TONE = "rgb(238,238,240)"     # the sesamoids, a light tone over the white head
SHADOW = "rgb(160,160,162)"   # where a sesamoid shades the head it lies on
PP_TOP = 0.9 + JOINT_GAP
DP_TOP = PP_TOP + PHALANX_LENGTH - 0.4 + JOINT_GAP


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
        (6.0, top + 27), (5.8, top + 29.6), (3.6, top + L - 0.2), (1.2, top + L - 0.4),
        (0, top + L - 1.4, "c"),                      # the notch between the condyles
        (-1.2, top + L - 0.4), (-3.6, top + L - 0.2), (-5.8, top + 29.6), (-6.0, top + 27),
        (-5.0, top + 23.5), (-4.6, top + 18), (-5.0, top + 11), (-6.4, top + 6.5),
        (-8.2, top + 2.6),
    ], width=W_OUT)


def distal_phalanx(g):
    """The distal phalanx from the palm: the base with its two hollows, the narrow waist,
    the rough spade-shaped tuft that carries the nail."""
    top = DP_TOP
    L = DISTAL_LENGTH
    g.body([
        (-6.0, top + 0.6, "c"), (-2.8, top - 0.2), (0, top + 0.8, "c"), (2.8, top - 0.2),
        (6.0, top + 0.6, "c"),
        (6.6, top + 3.2), (4.4, top + 7.5), (3.4, top + 12), (4.2, top + 16), (5.2, top + 19),
        (4.2, top + L - 0.8), (0, top + L), (-4.2, top + L - 0.8),
        (-5.2, top + 19), (-4.2, top + 16), (-3.4, top + 12), (-4.4, top + 7.5), (-6.6, top + 3.2),
    ], width=W_OUT)


def sesamoid(g, centre, rx, ry, tilt):
    """One sesamoid lying on the head: the shadow it throws on the head towards the
    middle and down, then the oval over it."""
    cx, cy = centre
    inward = -1 if cx > 0 else 1
    g.fill(ellipse_pts(cx + 1.2 * inward, cy + 1.4, rx, ry, rot=tilt, n=24), SHADOW)
    g.body(ellipse_pts(cx, cy, rx, ry, rot=tilt, n=24), width=W_OUT, fill=TONE)


def sesamoid_drawing():
    W, H = 59, 81
    scale = (H - 2 * MARGIN) / (MC_LENGTH + DP_TOP + DISTAL_LENGTH)
    place = Place(28.5, MARGIN + MC_LENGTH * scale, scale)
    groups = []
    for gid, fn, comment in (
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
