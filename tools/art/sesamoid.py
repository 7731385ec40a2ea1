#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the whole thumb seen from its radial side,
base up, the palm to the right: the trapezium of the wrist it stands on, the first
metacarpal, the first and the distal phalanx, the thumb curled a little towards the palm
at both its joints as it is at rest, and the two sesamoid bones in front of the
metacarpal's head, on its palmar side.

    python3 tools/art/sesamoid.py [assets/drawings]

Seen from the side the sesamoids lie on the palmar side of the head, as the kneecap lies
in front of the knee: each a small pea-shaped bone, about 8 mm long, with a whole outline
of its own, across a joint space from the head a little wider than the thumb's other
joint spaces, a clear band of the ground even at 1x, so that it stands free in the ground and is not read as a knob of the head. They lie side
by side across the palmar face of the head, so that from the side the one hides the
other: the radial sesamoid, the nearer, is drawn whole, and of the ulnar one, further
from the eye and a little higher along the head, only a crescent shows above it and towards the palm, a shade
darker. They are drawn at their true size to the thumb; bending the thumb at its joints
lets the whole digit stand larger in the drawing than it would held straight. The carpal
bone above the metacarpal, across a joint space as wide as a sesamoid's outline is thick,
so that it never reads as the metacarpal's own base, the saddle the metacarpal turns on,
and the whole digit of two phalanges down to the tuft of its distal phalanx say that
this is the thumb: its metacarpal is about one and a half
times its first phalanx (the big toe's metatarsal is about twice its phalanx). The bones
are drawn in millimetres, the middle of the head's joint surface at the origin, x
towards the palm, y along the thumb.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import BONE, Group, Place, ellipse_pts, svg  # noqa: E402

W_OUT = 1.1     # outlines: a little heavier than the large drawings', so they stay black at 1x
W_IN = 0.6
W_SES = 0.9     # the sesamoids' outlines, a little finer, so that their white shows at 1x
W_FAR = 0.7     # the further sesamoid's outline, finer: grey behind the nearer one's black
JOINT_GAP = 2.2       # joint spaces wide enough to show as ground at 1x
FLEXION = 20          # degrees the first phalanx is bent towards the palm at the joint, as at rest
IP_FLEXION = 50       # degrees the distal phalanx is bent further at the interphalangeal joint
HEAD_CENTRE = (0.3, -6.0)   # the middle of the head's curve, the joint's axis
IP_CENTRE = (0.0, JOINT_GAP + 28.2)   # the middle of the first phalanx's head, drawn straight
# (centre, half depth across the thumb, half length along it, tilt), as they lie with the
# thumb at rest: the radial sesamoid, nearer the eye, about 8 mm long and 6 mm deep, in
# front of the palmar lip of the head and level with it, its middle just short of the joint
# space, a joint space a little wider than the thumb's others from the head, so that it
# lies in front of the head and not beside the neck; the ulnar one, a little smaller, behind
# it and further towards the palm and up the head, so that a good part of it shows beside
# the radial one as a second bone and not as a second ring round it. Held in the palmar
# plate of the joint, which goes with the first phalanx, they glide a little way up the
# head as the thumb bends; the line from the middle of the radial one runs down and out,
# away from the ulnar one and above the bent phalanges
RADIAL = ((16.0, -2.0), 3.0, 4.0, -14)
ULNAR = ((19.2, -5.8), 2.7, 3.6, -20)
FAR = "rgb(240,240,241)"      # the ulnar sesamoid, the further one, a shade darker than bone, lighter than the ground
FAR_LINE = "rgb(112,112,114)"  # its outline, grey beside the nearer one's black
MC_TOP = -45.0
CMC_GAP = 5.0                 # the joint under the trapezium, wider than the others, a clear band of the ground at 1x
DISTAL_LENGTH = 22.0
MARGIN = 3.0                  # pixels beside the thumb
MARGIN_TOP = 6.0              # pixels above the trapezium, where the scaphoid's distal pole shows
MARGIN_BOTTOM = 2.0           # pixels below the tuft


def trapezium(g):
    """The trapezium from the side: its distal face the hollow of the saddle the
    metacarpal's base turns in, its tubercle a ridge standing out towards the palm."""
    t = MC_TOP - CMC_GAP
    g.body([
        (-7.4, t + 2.6, "c"), (-3.6, t + 0.2), (0.5, t - 0.6), (4.5, t - 0.2), (7.8, t + 1.8, "c"),  # the saddle, hollow from back to front
        (10.6, t + 1.0), (12.6, t - 1.8), (12.0, t - 4.6),          # the tubercle
        (9.4, t - 7.0, "c"), (6.5, t - 9.8), (2.0, t - 9.3), (-2.5, t - 9.4), (-6.2, t - 10.2),  # the scaphoid's facet, a shallow hollow
        (-8.6, t - 8.8, "c"), (-9.6, t - 3.6),
    ], width=W_OUT)


def scaphoid(g):
    """The distal pole of the scaphoid above the trapezium, the rest of the wrist beyond the
    drawing's edge: its round distal face in the trapezium's hollow, its tubercle standing
    out towards the palm, so that the bone the metacarpal stands on is read as a carpal."""
    t = MC_TOP - CMC_GAP - 9.3 - JOINT_GAP - 0.7     # a joint space above the middle of the hollow
    g.body([
        (-7.4, t - 0.4, "c"), (-2.5, t + 0.5), (2.0, t + 0.7), (6.5, t - 0.2), (9.6, t - 2.6, "c"),  # the distal face
        (12.0, t - 4.0), (13.4, t - 7.0), (13.0, t - 12.0),   # the tubercle
        (12.0, t - 20.0), (-10.0, t - 20.0),                  # beyond the drawing's edge
        (-10.6, t - 8.0), (-9.6, t - 3.0),
    ], width=W_OUT)


def first_metacarpal(g):
    """The shortest and stoutest of the metacarpals, 45 mm long and some 10.5 mm deep at
    the waist of its shaft, from the side: the base broad, its saddle surface for the
    trapezium convex from back to front, ending in the palmar beak; the shaft thick, its
    palmar face a little hollowed; the head broad and deep, its joint surface running
    round onto the palmar side."""
    g.body([
        (-8.0, -41.8, "c"), (-4.4, -44.0), (0.3, -44.8), (4.8, -44.9), (8.4, MC_TOP, "c"),  # joint surface
        (9.1, -43.4), (8.6, -40.6), (7.6, -37.4), (6.2, -33.0),   # the beak, the base's palmar side
        (5.1, -27.5), (4.7, -21), (4.9, -14.5), (5.6, -11.0),     # the shaft's palmar face, the neck
        (6.8, -8.0), (7.4, -4.6), (6.4, -1.5),                    # the head's palmar condyle
        (3.4, -0.2), (0, 0), (-3.6, -1.0), (-6.2, -3.4),          # its joint surface
        (-7.1, -6.8), (-6.6, -10.4), (-6.0, -13.5),               # the head's back, the neck
        (-5.8, -20), (-6.0, -26), (-6.5, -32), (-7.3, -37), (-7.9, -39.6),
    ], width=W_OUT)


def turned(p, centre, deg):
    """p turned towards the palm by deg degrees about centre."""
    a = math.radians(deg)
    cx, cy = centre
    x, y = p[0] - cx, p[1] - cy
    return (cx + x * math.cos(a) + y * math.sin(a), cy - x * math.sin(a) + y * math.cos(a)) + tuple(p[2:])


def bent(p):
    """A point of the first phalanx, drawn straight below the head, bent at the joint."""
    return turned(p, HEAD_CENTRE, FLEXION)


def bent_distal(p):
    """A point of the distal phalanx, drawn straight in line with the first, bent at both
    joints: first at the interphalangeal joint, then with the first phalanx."""
    return bent(turned(p, IP_CENTRE, IP_FLEXION))


def first_phalanx(g):
    """The thumb's first phalanx from the side: the base cupped round the head, with a
    palmar lip; the shaft, flat in front; the head, round from the side."""
    g.body([bent(p) for p in phalanx_outline()], width=W_OUT)


def phalanx_outline():
    """The first phalanx drawn straight below the head, before it is bent."""
    t = JOINT_GAP
    return [
        (-5.7, t + 0.1, "c"), (-2.5, t + 1.0), (1.5, t + 1.1), (5.0, t + 0.2), (6.9, t - 0.3, "c"),
        (7.1, t + 2.6), (5.3, t + 6.2), (3.4, t + 12), (3.0, t + 19), (3.6, t + 24.5),
        (4.3, t + 27.3), (4.0, t + 29.9), (1.8, t + 31.2), (-1.2, t + 31.2), (-3.6, t + 30.0),
        (-4.4, t + 27.6), (-3.9, t + 24.5), (-3.6, t + 19), (-4.0, t + 12), (-5.0, t + 6.2),
        (-6.1, t + 2.6)]


def distal_phalanx(g):
    """The distal phalanx from the side, in line with the first: the deep base, the
    waist, the tuft that carries the nail, its palmar face flat."""
    g.body([bent_distal(p) for p in distal_outline()], width=W_OUT)


def distal_outline():
    t = JOINT_GAP + 31.2 + JOINT_GAP
    L = DISTAL_LENGTH
    return [
        (-4.0, t + 0.5, "c"), (-1.0, t), (2.4, t + 0.1), (4.6, t + 0.6, "c"),
        (5.0, t + 3.2), (3.6, t + 7), (3.0, t + 12), (3.4, t + 16.5), (3.8, t + 19.6),
        (2.4, t + L - 0.3), (-0.6, t + L), (-2.6, t + L - 1.4), (-2.8, t + 16), (-2.4, t + 11),
        (-3.0, t + 6), (-4.4, t + 3),
    ]


def sesamoid(g, centre, rx, ry, tilt, fill=BONE, width=W_SES):
    """One sesamoid: a seed with its own whole outline."""
    g.body(ellipse_pts(centre[0], centre[1], rx, ry, rot=tilt, n=24), width=width, fill=fill)


def sesamoid_drawing():
    W, H = 59, 81
    # the bent thumb fitted into the drawing, as large as it goes, against its left side
    # so that the line has the ground to the right of the sesamoids to itself
    pts = []

    class Extent:
        def body(self, p, **_):
            pts.extend(p)
    for fn in (trapezium, first_metacarpal, first_phalanx, distal_phalanx):
        fn(Extent())
    x0, x1 = min(p[0] for p in pts), max(p[0] for p in pts)
    y0, y1 = min(p[1] for p in pts), max(p[1] for p in pts)
    scale = min((W - 2 * MARGIN) / (x1 - x0), (H - MARGIN_TOP - MARGIN_BOTTOM) / (y1 - y0))
    place = Place(MARGIN - x0 * scale, MARGIN_TOP - y0 * scale, scale)
    groups = []
    # the ulnar sesamoid after the bones of the thumb, behind the radial one
    for gid, fn, comment in (
            ("scaphoid", scaphoid, "the distal pole of the scaphoid, the rest of the wrist beyond the edge"),
            ("trapezium", trapezium, "the trapezium, on which the metacarpal's saddle turns"),
            ("first-metacarpal", first_metacarpal, "the first metacarpal from the radial side"),
            ("first-phalanx", first_phalanx, "the thumb's first phalanx, bent a little at its joint"),
            ("distal-phalanx", distal_phalanx, "the thumb's distal phalanx, bent a little further"),
    ):
        g = Group(gid, place, comment)
        fn(g)
        groups.append(g)
    far = Group("ulnar-sesamoid", place, "the ulnar sesamoid, behind the radial one, towards the palm and up the head")
    # further from the eye: a shade darker than bone, its outline grey, so that it reads as a
    # second bone behind the nearer one and not as a second ring round it
    pts = ellipse_pts(ULNAR[0][0], ULNAR[0][1], ULNAR[1], ULNAR[2], rot=ULNAR[3], n=24)
    far.fill(pts, fill=FAR)
    far.line(pts, width=W_FAR, closed=True, color=FAR_LINE)
    groups.append(far)
    g = Group("radial-sesamoid", place, "the radial sesamoid, against the palmar side of the head")
    sesamoid(g, *RADIAL)
    groups.append(g)
    body = []
    for g in groups:
        body.extend(g.svg())
    # from inside the radial sesamoid, the nearer one, a little palmar and distal of its
    # middle, so that the line leaves the most of it in sight, down and out to the label
    sx, sy = place((RADIAL[0][0] + 1.4, RADIAL[0][1] + 0.6))[:2]
    leaders = [f"leader Form25.Label5 from {sx:.1f} {sy:.1f}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
