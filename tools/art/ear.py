#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the ear bones drawing (135 x 131): the three bones of the middle ear seen
from the side, front to the left, joined as a chain with small joint spaces, in the order
sound passes through them.

    python3 tools/art/ear.py [assets/drawings]

The malleus (hammer) stands at the left, its handle hanging down; the incus (anvil) behind
it, the saddle facet on the front of its body fitting close round the back of the
malleus' head, its short process a stubby cone pointing backwards, its long process
hanging down behind the handle and ending in the lenticular process, a small knob turned
in at its end; the stapes (stirrup) stands at about a right angle to the long process, as
it runs inwards to the oval window, its head in joint with the lenticular process, its
crura and footplate running off backwards. The stapes is turned a little about the long
axis of its footplate, so that the footplate shows as a narrow oval slab at the end of the
arch of the crura, and the opening between the crura as a window onto its far edge.

Each bone is drawn once in millimetres in a frame of its own (x backwards, y down the
page), the origin in the middle of its head or body; the drawing places them at about
8.5 pixels to the millimetre, a bone's true size.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import BONE, GROUND, Place, bezier_d, fmt, svg  # noqa: E402

W_OUT = 1.0     # outlines
W_IN = 0.6      # inner lines
W, H = 135, 131
PX_PER_MM = 8.5

# ----------------------------------------------------------------------------
# the malleus, the origin in the middle of its head

# a club: the round head, the narrow neck, the slender anterior process running forwards
# from the neck, the short lateral process a blunt knob at the root of the handle, and the
# long handle tapering down to its flattened end
MALLEUS = [
    (-0.12, -1.47), (-0.76, -1.24), (-1.12, -0.59), (-1.12, 0.24), (-0.82, 0.94),   # the head's front
    (-0.47, 1.35), (-0.49, 1.60),                                                     # the neck
    (-1.1, 1.7), (-1.62, 1.84), (-2.0, 1.96, "c"), (-1.6, 1.98), (-1.06, 2.0),       # the anterior process
    (-0.6, 2.14), (-0.66, 2.5), (-0.96, 2.74, "c"), (-0.72, 3.02),                   # the lateral process
    (-0.40, 3.28), (-0.12, 4.1), (0.2, 5.3), (0.52, 6.48), (0.74, 7.1),              # the handle's front
    (1.13, 7.32), (1.36, 7.02),                                                      # its flattened end
    (1.2, 6.4), (0.93, 5.3), (0.7, 4.1), (0.55, 2.8), (0.56, 1.82),                  # its back
    (0.82, 1.35), (1.15, 0.71), (1.25, -0.18), (0.99, -1.00), (0.52, -1.41),         # the head's back
]
MALLEUS_LINE = (0.0, -1.06)      # high in the middle of the head, its line passing well above the incus

# ----------------------------------------------------------------------------
# the incus, the origin in the middle of its body

# the body with its saddle facet for the malleus at the front, the short process a stubby
# cone pointing backwards, about half as long as the long process, the long process
# hanging down behind the handle of the malleus and ending in the small lenticular
# process turned in at its end
INCUS = [
    (-1.12, -1.38), (-0.8, -1.46), (-0.18, -1.46), (0.53, -1.38), (1.09, -1.17),     # the body's top
    (1.6, -0.94), (2.18, -0.75), (2.73, -0.42), (3.09, -0.14), (3.21, 0.08),         # the short process,
    (3.09, 0.29), (2.68, 0.44), (2.26, 0.58), (1.88, 0.78),                          # a stubby cone
    (1.66, 1.15), (1.52, 1.71), (1.4, 2.53), (1.4, 3.24), (1.47, 3.94),              # the long process
    (1.5, 4.4), (1.66, 4.62), (1.92, 4.68), (2.14, 4.82), (2.22, 5.03),              # the lenticular process,
    (2.12, 5.25), (1.84, 5.36), (1.42, 5.38), (1.02, 5.28),                          # a knob turned inwards
    (0.82, 5.04), (0.78, 4.6), (0.81, 4.08), (0.74, 3.24), (0.65, 2.67), (0.25, 2.32),   # the long process' front
    (-0.46, 1.99), (-1.06, 1.51), (-1.42, 0.89), (-1.58, 0.31),                      # the body's front
    (-1.65, -0.2), (-1.46, -0.64), (-1.26, -1.08),      # its saddle facet, close round the malleus' head
]
STAPES_HEAD = (2.43, 5.0)        # the middle of the stapes' head, in close joint with the lenticular process
INCUS_LINE = (0.47, 1.88)        # the middle of the body over the root of the long process

# ----------------------------------------------------------------------------
# the stapes, the origin in the middle of the hollow of its head, y along its axis to the
# footplate, x along the footplate's long axis (+x: the posterior crus)

STAPES_TILT = 0.3         # the footplate's half width seen: a view a little along the axis
STAPES_TURN = -105        # its axis on the page: backwards and 15 degrees up
PLATE_Y = 2.8             # the middle of the footplate's crural face
PLATE_RX = 1.55           # half the footplate's length
PLATE_RIM = 0.25          # the footplate's thickness, seen below its face

# the head, a rounded knob with a shallow hollow for the lenticular process, a short
# neck, the anterior crus straighter and thinner, the posterior one thicker and more
# curved, the two bowed apart into a rounded arch standing on the footplate's face near
# its ends
STAPES_ARCH = [
    (-1.34, PLATE_Y, "c"),                                                    # the anterior crus' foot
    (-1.28, 2.2), (-1.1, 1.6), (-0.78, 1.15),                                 # its front
    (-0.46, 0.95), (-0.62, 0.72), (-0.72, 0.4), (-0.62, 0.08), (-0.36, -0.02),  # the neck, the head
    (-0.12, 0.06), (0.12, 0.06),                                              # the hollow
    (0.36, -0.02), (0.62, 0.08), (0.72, 0.4), (0.62, 0.72), (0.46, 0.95),
    (0.88, 1.15), (1.3, 1.6), (1.54, 2.2), (1.48, PLATE_Y, "c"),       # the posterior crus' back
]
# the opening between the crura, down to the footplate's far edge
STAPES_WINDOW = [
    (1.02, PLATE_Y - 0.22, "c"), (1.04, 2.1), (0.84, 1.75), (0.44, 1.5), (0.0, 1.42),
    (-0.4, 1.5), (-0.7, 1.8), (-0.86, 2.16), (-0.96, PLATE_Y - 0.24, "c"),
]
STAPES_LINE = (-0.1, 1.02)       # the middle of the neck, its line running on inside the lower crus


def plate_far_edge(x0, x1, n=8):
    """Points of the far edge of the footplate's face, from x = x0 to x = x1."""
    out = []
    for k in range(n + 1):
        x = x0 + (x1 - x0) * k / n
        t = max(0.0, 1 - (x / PLATE_RX) ** 2)
        out.append((x, PLATE_Y - STAPES_TILT * t ** 0.5))
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
                 y + STAPES_TILT * math.sin(math.radians(a0 + 180 * k / n))) for k in range(n + 1)]
    plate = half(PLATE_Y, 180)[:-1] + half(PLATE_Y + PLATE_RIM, 0)[:-1]
    near_edge = half(PLATE_Y, 0)[2:-2]
    arch = bezier_d(place.pts(STAPES_ARCH), closed=False)
    edge = place.pts(plate_far_edge(STAPES_WINDOW[-1][0], STAPES_WINDOW[0][0]))
    window = (bezier_d(place.pts(STAPES_WINDOW), closed=False)
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
    mal = Place(34, 14, S)
    inc = Place(56.7, 30, S)     # a thin joint space behind the malleus' head
    # the stapes at about a right angle to the long process of the incus, as it runs
    # inwards to the oval window: its head on the lenticular process, its crura and
    # footplate running off backwards and a little up
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
