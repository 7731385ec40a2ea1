#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the sesamoid drawing (59 x 81): the thumb of the right hand seen from the
palm, as the hand drawing shows it, with the two sesamoid bones of its
metacarpophalangeal joint.

    python3 tools/art/sesamoid.py [assets/drawings]

The thumb's bones come from the bone atlas (atlas.hand_model, the hand seen from the
palm), placed whole and at one scale: the trapezium of the wrist with its tubercle, the
first metacarpal, short and stout, the proximal and the distal phalanx, the thumb slanting
away from the palm as it does in the hand. Its metacarpal is about one and a half times
its proximal phalanx (the big toe's metatarsal is about twice its phalanx), and only two
phalanges follow it: that and the saddle-shaped carpal above say that this is the thumb.

The two sesamoids lie side by side across the palmar face of the metacarpal's head, level
with its widest part, clear of the joint: the radial one on the thumb's outer side, the
ulnar one towards the palm. The thumb stands turned in the hand, its palmar face looking
partly towards the palm, so that seen from the palm the radial sesamoid lies over the
head, inside its outline, and the ulnar one over the head's ulnar edge, standing out
beyond it: two pea-sized seeds, each with a closed outline of its own drawn in front of
the head, a clear gap between them.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import atlas  # noqa: E402
from geometry import (BONE, INK, Place, add, bezier_d, ellipse_pts, fmt, mul, norm,  # noqa: E402
                      perp, sub, svg)

W, H = 59, 81
W_OUT = 1.0     # outlines
W_IN = 0.6      # inner lines
MARGIN = 1.5    # pixels above the trapezium and below the tuft
LEFT = 5.0      # pixels left of the distal phalanx
# the bones of the thumb: their ids here, the start of their descriptions in the atlas' hand
THUMB = [("trapezium", "trapezium"), ("first-metacarpal", "first metacarpal"),
         ("proximal-phalanx", "thumb, proximal phalanx"), ("distal-phalanx", "thumb, distal phalanx")]
# the sesamoids (mm): their middles SPREAD to either side of the middle of the head's
# palmar face, DEPTH in front of the metacarpal's axis, SESAMOID_BACK back from the end of
# the head, level with its widest part; the thumb turned TURN degrees, so that its palmar
# face looks partly towards the palm (the ulnar side)
SPREAD = 4.5
DEPTH = 8.5
SESAMOID_BACK = 6.4
TURN = 20
# each one: its side (+1 radial, -1 ulnar), its half width across the axis and half
# length along it; the radial one a little the larger
SESAMOIDS = [("radial", 1, 2.5, 3.0), ("ulnar", -1, 2.3, 2.8)]


def sesamoid_outlines(base, head):
    """The two sesamoids' outlines in the atlas' millimetres, from the metacarpal's axis."""
    u = norm(sub(head, base))
    n = perp(u)
    tilt = math.degrees(math.atan2(u[1], u[0])) - 90
    centre = add(head, mul(u, -SESAMOID_BACK))
    out = []
    t = math.radians(TURN)
    for name, side, rx, ry in SESAMOIDS:
        c = add(centre, mul(n, side * SPREAD * math.cos(t) - DEPTH * math.sin(t)))
        out.append((name, c, ellipse_pts(c[0], c[1], rx, ry, rot=tilt, n=12)))
    return out


def sesamoid_drawing():
    m = atlas.hand_model(palm=True)
    bones = [(gid, next(sh for sh in m.shapes if sh["name"].startswith(name))) for gid, name in THUMB]
    xs = [p[0] for _, sh in bones for p in sh["pts"]]
    ys = [p[1] for _, sh in bones for p in sh["pts"]]
    s = (H - 2 * MARGIN) / (max(ys) - min(ys))
    place = Place(LEFT - min(xs) * s, MARGIN - min(ys) * s, s)
    body = [f'<g fill="{BONE}" stroke="{INK}" stroke-width="{fmt(W_OUT)}" '
            f'stroke-linejoin="round" stroke-linecap="round">']
    for gid, sh in bones:
        body.append(f'  <g id="{gid}">')
        body.append(f'    <!-- {sh["name"]} -->')
        body.append(f'    <path d="{bezier_d(place.pts(sh["pts"]), True, 1.0, 1)}"/>')
        for line in sh["lines"]:
            body.append(f'    <path fill="none" stroke-width="{W_IN}" '
                        f'd="{bezier_d(place.pts(line), False, 1.0, 1)}"/>')
        body.append("  </g>")
    base, head = m.rays["thumb"]
    body.append('  <g id="sesamoids">')
    body.append("    <!-- the two sesamoid bones in front of the metacarpal's head, "
                "side by side across its palmar face -->")
    starts = {}
    for side, c, pts in sesamoid_outlines(base, head):
        body.append(f'    <path d="{bezier_d(place.pts(pts), True, 1.0, 2)}"/>')
        starts[side] = place(c)
    body.append("  </g>")
    body.append("</g>")
    # from the middle of the ulnar sesamoid, the one towards the label, straight out
    # into the ground beside the head
    sx, sy = starts["ulnar"][:2]
    leaders = [f"leader Form25.Label5 from {sx:.1f} {sy:.1f}"]
    return svg(W, H, body, leaders, "Written by tools/art/sesamoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "sesamoid.svg"), "w") as f:
        f.write(sesamoid_drawing())


if __name__ == "__main__":
    main()
