#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the thumb seen from its outer (radial)
side, the palm to the right: the whole first metacarpal with the rounded, beaked base
of its saddle joint at the top, the two phalanges of the thumb below it, and the two
sesamoid bones in front of the metacarpal's head on the palm side, at the joint.

    python3 tools/art/sesamoid.py [assets/drawings]

Seen from the side the two sesamoids, which lie side by side across the palm side of
the head, nearly cover each other: the farther one shows just beyond the nearer. Like
the pieces of the other drawings, they are drawn a little apart from the head they glide
on: small pea-shaped bones outside its outline, not a part of it. The bones are drawn in
millimetres, the middle of the head's joint surface at the origin, x towards the palm,
y along the thumb.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.1     # outlines: a little heavier than the large drawings', so they stay black at 1x
W_IN = 0.6
SCALE = 0.75
# (centre, half width, half length, tilt): the farther sesamoid first, so that the nearer
# one is drawn over it
SESAMOIDS = (((14.2, -6.4), 3.0, 4.1, 16), ((12.6, -4.0), 3.3, 4.4, 12))


def first_metacarpal(g):
    """Short and stout: the base's joint surface, seen from the side, rounded from back to
    front, its palm-side lip a beak; the shaft hollow on the palm side; the head rounded,
    reaching further round on the palm side, where the sesamoids glide."""
    g.body([
        (-7.6, -41.0), (-5, -43.8), (-1, -45), (3, -44.6), (6.5, -43.2, "c"),   # the saddle
        (9.8, -43.4), (11.0, -41.0), (8.6, -37.6),   # the palm-side beak of the base
        (5.8, -32), (4.5, -24), (4.8, -15),          # shaft, hollow on the palm side
        (6.2, -9.5), (7.8, -5.5), (7.6, -2),         # head, bulging towards the palm
        (5, 0.2), (0.5, 0.9), (-3.5, 0.2),           # its joint surface
        (-6.2, -2.5), (-6.8, -6), (-6, -10),         # the head's back
        (-5.8, -17), (-6.1, -26), (-6.9, -34),       # shaft, rounded at the back
        (-7.8, -38.5),
    ], width=W_OUT)


def first_phalanx(g):
    """The thumb's first phalanx: the cupped base, its palm-side tubercle, the shaft flat
    in front and rounded behind, the head with its pulley."""
    g.body([
        (-6.4, 2.6, "c"), (-3.4, 1.9), (0, 1.6), (3.6, 2.0), (6.8, 2.8, "c"),   # cupped base
        (7.4, 4.8), (6.0, 7.6),                       # the tubercle on the palm side
        (4.3, 12), (4.0, 19), (4.0, 24.5),            # shaft
        (5.6, 27.6), (5.6, 30.8), (3, 32.8), (-0.5, 33.2), (-3.6, 32.5),   # head, its condyle
        (-5.4, 30), (-5.2, 26.8),
        (-4.4, 22), (-4.4, 15), (-5, 9),
        (-6.4, 5.6), (-7.0, 3.8),
    ], width=W_OUT)


def distal_phalanx(g):
    """The thumb's last phalanx: its base, the slender shaft and the broad rough tuft at
    the tip, under the nail."""
    g.body([
        (-5.5, 35.2, "c"), (-2.5, 34.5), (1, 34.3), (4.5, 34.8), (6, 35.6, "c"),   # base
        (6.3, 37.5), (4.8, 40.5),
        (3.2, 45), (3.0, 49),                         # shaft
        (4.3, 52), (4.4, 54.6), (2.5, 56.8), (-0.5, 57.4), (-3, 56.5),   # the tuft
        (-3.7, 53.5), (-3.4, 48), (-3.8, 43),
        (-4.8, 39), (-5.9, 37),
    ], width=W_OUT)


def sesamoid(g, centre, rx, ry, tilt):
    """One sesamoid: a small pea."""
    g.body(ellipse_pts(centre[0], centre[1], rx, ry, rot=tilt, n=24), width=W_OUT)


def sesamoid_drawing():
    W, H = 59, 81
    place = Place(24.5, 2.2 + 45 * SCALE, SCALE)
    groups = []
    for gid, fn, comment in (
            ("first-metacarpal", first_metacarpal, "the first metacarpal from its radial side"),
            ("first-phalanx", first_phalanx, "the thumb's first phalanx, below the head"),
            ("distal-phalanx", distal_phalanx, "the thumb's last phalanx"),
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
