#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the ear bones drawing (135 x 131): the three bones of the middle ear seen
from the side, front to the left, joined as a chain with small joint spaces, in the order
sound passes through them.

    python3 tools/art/ear.py [assets/drawings]

The malleus (hammer) stands at the left, the longest of the three (about 9 mm): its round
head, the narrow neck with its anterior process a short slender spine forwards, the short
lateral process a blunt knob at the root of the handle, and the slim handle hanging down,
bowed a little, tapering to a flat, spoon-shaped tip. The incus (anvil),
a little shorter (about 6.5 mm), stands behind it: its body a stout block like the crown
of a molar, about as tall as the malleus' head, the saddle facet on its front fitting
close round the back of the head and falling away from its neck below, the body and its
short process together about 3.5 mm from front to back, the short process a stout,
straight cone pointing backwards, its long process hanging down behind the handle, ending above the
handle's tip in the lenticular process, a small knob turned in at its end. The stapes
(stirrup), the smallest (about 3 mm tall, its footplate 3 by 1.4 mm), runs from the
lenticular process inwards to the oval window, away from the eye: its head in joint with
the lenticular process, two even crura bowed apart from the head into a symmetric arch
standing on the oval footplate. Its axis leans only a little into the page, so that the
stirrup stays whole to the eye: the head, the neck, the two crura with the wide opening
between them, and the footplate each clear, the footplate's face a narrow oval at the
arch's far end.

Each bone is drawn once in millimetres (x backwards, y down the page): the malleus and
the incus in the frame of the malleus, the origin in the middle of its head, the stapes in
a frame of its own; the drawing places them at 9.5 pixels to the millimetre, the three
at their true sizes to one another.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import BONE, GROUND, Place, bezier_d, fmt, svg  # noqa: E402

W_OUT = 1.0     # outlines
W_IN = 0.6      # inner lines
W, H = 135, 131
PX_PER_MM = 9.5

# ----------------------------------------------------------------------------
# the malleus, the origin in the middle of its head

HEAD_RX, HEAD_RY = 1.35, 1.65     # the head, a plump oval 2.7 mm across and 3.3 mm high


def head_arc(a0, a1, grow=0.0, n=8):
    """Points of the malleus' head, an oval grown by grow all round, from angle a0 to a1
    (degrees, 0 backwards, 90 down)."""
    return [((HEAD_RX + grow) * math.cos(math.radians(a0 + (a1 - a0) * k / n)),
             (HEAD_RY + grow) * math.sin(math.radians(a0 + (a1 - a0) * k / n)))
            for k in range(n + 1)]


# the longest of the three, 8.9 mm from the top of the head to the tip of the handle: the
# round head, the narrow neck, the short lateral process a blunt cone at the front of the
# root of the handle, the anterior process a short slender spine running forwards and a
# little down from the front of the neck, and the slim handle running down and a little
# back, bowed a little forwards along its length, tapering and then widening into its
# flat, spoon-shaped tip
MALLEUS = head_arc(62, -242) + [                                                      # the head
    (-0.70, 1.72), (-1.04, 1.82), (-1.34, 1.94), (-1.44, 2.04),                       # the anterior process,
    (-1.16, 2.10), (-0.66, 2.10),                                                     # a short slender spine forwards
    (-0.80, 2.28), (-0.86, 2.46), (-0.72, 2.64), (-0.50, 2.86),                      # the lateral process, a low knob
    (-0.38, 3.40), (-0.22, 4.40), (-0.06, 5.30), (0.14, 6.20),                       # the handle's front,
    (0.26, 6.80), (0.40, 7.24), (0.70, 7.32), (0.94, 7.10), (0.90, 6.60),            # its spatulate tip
    (0.70, 6.00), (0.58, 5.20), (0.52, 4.40), (0.50, 3.40), (0.48, 2.50),            # its back, bowed
    (0.46, 1.98),                                                                    # the neck's back
]
MALLEUS_LINE = (-0.50, -1.25)   # high in the front of the head, inside its outline, so that its line runs well clear above the incus, whose top stands lower behind it

# ----------------------------------------------------------------------------
# the incus, in the frame of the malleus: its body behind the head of the malleus, at
# about the same height, a little lower

JOINT_SPACE = 0.28       # between the head of the malleus and the saddle facet of the incus

# 6.5 mm from the top of the body to the end of the long process: the body a stout block,
# like the crown of a molar, about as tall as the head of the malleus and a little deeper
# from front to back than the head is wide, its saddle facet fitting round the back of the
# head across a thin joint space, its top a little below the head's, rounded over into the
# short process, a stout straight cone pointing backwards from the upper half of its back; the long
# process leaving the lower front of the body, broad at its root, hanging down behind the
# handle of the malleus, shorter than it, and ending in the lenticular process, a small
# knob turned in at its end, where it meets the head of the stapes
INCUS = head_arc(44, -30, JOINT_SPACE, n=8) + [                                      # the saddle facet
    (1.66, -0.94), (2.20, -0.98), (2.80, -0.94),                                     # the body's top,
    (3.36, -0.84), (3.92, -0.66), (4.40, -0.46),                                     # the short process, a stout
    (4.70, -0.30), (4.80, -0.10), (4.66, 0.08),                                      # straight cone pointing back,
    (4.26, 0.28), (3.90, 0.50), (3.64, 0.78),                                        # its tip blunt, its root the body's upper half
    (3.60, 1.04), (3.50, 1.44), (3.22, 1.72), (2.86, 1.84),                          # the body's back, rounded below
    (2.50, 2.12), (2.34, 2.60), (2.28, 3.40), (2.30, 4.10), (2.36, 4.44),           # the long process' back
    (2.58, 4.58), (2.86, 4.74), (2.96, 5.00), (2.82, 5.24), (2.46, 5.36),           # the lenticular process,
    (2.06, 5.32), (1.72, 5.08),                                                      # a knob turned inwards
    (1.62, 4.50), (1.56, 3.50), (1.52, 2.60), (1.46, 1.96),                          # the long process' front
]
STAPES_HEAD = (3.14, 4.96)       # the middle of the stapes' head, in close joint with the lenticular process
INCUS_LINE = (2.50, 0.92)        # in the middle of the body's lower half, its line leaving the body's back below
                                 # the root of the short process

# ----------------------------------------------------------------------------
# the stapes, the origin in the middle of the hollow of its head, y along its axis to the
# footplate, x along the footplate's long axis (+x: the posterior crus)

STAPES_SLANT = 15         # degrees its axis runs into the page, inwards to the oval window: a small lean, the arch open
FORE = math.cos(math.radians(STAPES_SLANT))   # the axis barely foreshortened: the arch seen nearly at its full height
STAPES_TILT = 0.7 * math.sin(math.radians(STAPES_SLANT))   # the footplate's half width seen: its 1.4 mm face a narrow oval
STAPES_TURN = -105        # its axis on the page: backwards and a little up, into the page behind the long process
PLATE_Y = 2.8             # the middle of the footplate's crural face: the stapes 3.1 mm tall
PLATE_RX = 1.5            # half the footplate's length, an oval 3 mm long
PLATE_RIM = 0.46          # the footplate's thickened margin, seen below its face


def seen(p):
    """A point of the stapes' frame as the eye sees it: its axis foreshortened."""
    return (p[0], p[1] * FORE) + tuple(p[2:])


def mirrored(half):
    """A symmetric outline from its anterior half (x <= 0), run on into the posterior."""
    return half + [(-p[0],) + tuple(p[1:]) for p in reversed(half)]


# the head, a rounded knob with a shallow hollow for the lenticular process, a short
# neck, and the two crura bowed apart into an even arch standing on the footplate's face
# near its ends
STAPES_ARCH = mirrored([
    (-1.28, PLATE_Y, "c"),                                                    # the anterior crus' foot
    (-1.24, 2.2), (-1.06, 1.62), (-0.74, 1.18),                               # its outer edge
    (-0.50, 0.96), (-0.62, 0.72), (-0.70, 0.40), (-0.60, 0.08), (-0.36, -0.02),  # the neck, the head
    (-0.12, 0.06),                                                            # the hollow
])
# the opening between the crura, an even arch down to the footplate's far edge
STAPES_WINDOW = mirrored([
    (-1.02, PLATE_Y - 0.16, "c"), (-1.00, 2.16), (-0.84, 1.70), (-0.50, 1.36), (-0.16, 1.26),
])
# in the middle of the footplate's band, midway between its ends and between the face's near
# edge and the margin's outline, between the crura's feet: the line starts on the footplate
# itself, well clear of the crura, the head and the incus
STAPES_LINE = (0.0, PLATE_Y * FORE + STAPES_TILT + PLATE_RIM / 2)


def plate_far_edge(x0, x1, n=8):
    """Points of the far edge of the footplate's face, from x = x0 to x = x1."""
    out = []
    for k in range(n + 1):
        x = x0 + (x1 - x0) * k / n
        t = max(0.0, 1 - (x / PLATE_RX) ** 2)
        out.append((x, PLATE_Y * FORE - STAPES_TILT * t ** 0.5))
    return out


# ----------------------------------------------------------------------------
# the drawing

def shape(place, pts, fill=BONE, width=W_OUT, closed=True):
    d = bezier_d(place.pts(pts), closed)
    return f'<path d="{d}" fill="{fill if closed else "none"}" stroke-width="{fmt(width)}"/>'


def malleus(place):
    return [shape(place, MALLEUS)]


def incus(place):
    return [shape(place, INCUS)]


def stapes(place):
    """The footplate (the outline of its face's far half and of its rim's near half, the
    face's near edge a fine line), the arch standing on it, the window between the crura
    showing the face's far edge."""
    def half(y, a0, n=10):
        return [(PLATE_RX * math.cos(math.radians(a0 + 180 * k / n)),
                 y * FORE + STAPES_TILT * math.sin(math.radians(a0 + 180 * k / n))) for k in range(n + 1)]
    plate = half(PLATE_Y, 180)[:-1] + half(PLATE_Y + PLATE_RIM, 0)[:-1]
    near_edge = half(PLATE_Y, 0)[2:-2]
    arch = bezier_d(place.pts([seen(p) for p in STAPES_ARCH]), closed=False)
    edge = place.pts(plate_far_edge(STAPES_WINDOW[-1][0], STAPES_WINDOW[0][0]))
    # the opening ends where the crura's inner edges pass behind the footplate's far edge
    far = {p[0]: p[1] for p in plate_far_edge(-PLATE_RX, PLATE_RX, n=60)}

    def far_y(x):
        return far[min(far, key=lambda k: abs(k - x))]
    opening = [(p[0], min(seen(p)[1], far_y(p[0]))) + tuple(p[2:]) for p in STAPES_WINDOW]
    window = (bezier_d(place.pts(opening), closed=False)
              + "".join(f"L{fmt(q[0])} {fmt(q[1])}" for q in edge[1:-1]) + "Z")
    return [
        shape(place, plate),
        shape(place, near_edge, width=W_IN, closed=False),
        # the arch: filled down to the footplate's face, outlined from foot to foot
        f'<path d="{arch}Z" fill="{BONE}" stroke="none"/>',
        f'<path d="{arch}" fill="none" stroke-width="{fmt(W_OUT)}"/>',
        f'<path d="{window}" fill="{GROUND}" stroke-width="{fmt(W_IN)}"/>',
    ]


def ear_bones_drawing():
    S = PX_PER_MM
    mal = Place(30, 42.5, S)
    inc = mal                    # the incus is drawn in the frame of the malleus
    # the stapes turned up a little from a right angle to the long process of the incus,
    # as it runs inwards to the oval window: its head on the lenticular process, its crura
    # and footplate running off backwards and up
    sta_head = inc(STAPES_HEAD)
    sta = Place(sta_head[0], sta_head[1], S, rot=STAPES_TURN)
    body = ['<g stroke="#000000" stroke-linejoin="round" stroke-linecap="round">']
    for gid, items in (("malleus", malleus(mal)), ("incus", incus(inc)), ("stapes", stapes(sta))):
        body.append(f'  <g id="{gid}">')
        body.extend("    " + it for it in items)
        body.append("  </g>")
    body.append("</g>")

    def start(place, p, digits=1):
        q = place(p)
        return f"{fmt(q[0], digits)} {fmt(q[1], digits)}"

    leaders = [
        f"leader Form25.Label2 from {start(mal, MALLEUS_LINE)}",
        f"leader Form25.Label3 from {start(inc, INCUS_LINE)}",
        f"leader Form25.Label4 from {start(sta, STAPES_LINE)}",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/ear.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "ear-bones.svg"), "w") as f:
        f.write(ear_bones_drawing())


if __name__ == "__main__":
    main()
