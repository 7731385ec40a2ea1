#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the hyoid drawing (233 x 172): the hyoid bone seen from above, the front of
the neck at the bottom of the page.

    python3 tools/art/hyoid.py [assets/drawings]

A wide, open U about as wide as it is deep. The body is the thick curved bar bowed
forwards; the greater horns, a little longer than the body is wide, run backwards and
outwards from its ends, flattened and broadest at the body, taper and end in small rounded
tubercles; the lesser horns are small cones standing up and back where body and greater
horns meet, seen from above short blunt points standing back out of the angle of body and
horn. A fine curve across
the body, its transverse ridge, and short strokes standing in from the front edge over the
surface in front of it, shaded as it turns down and away from the eye, say that the bar is
seen from above, its front surface curving down to the front edge. The bone is drawn in millimetres, the origin in the middle of the body's front
edge, x to the side, y forwards (down the page); the body is symmetric, and the horns of
the left side are those of the right mirrored. About 3.7 pixels to the millimetre.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import BONE, Place, bezier_d, fmt, hatch, outline, svg, sym  # noqa: E402

W_OUT = 1.0     # outlines
W_SMALL = 0.9   # the lesser horns' outline
W_IN = 0.6      # the joints of body and greater horns
W, H = 233, 172
PX_PER_MM = 3.7

# where each greater horn meets the body: the joint's front and back ends
JOINT_FRONT = (12.5, -6.4, "c")
JOINT_BACK = (10.7, -9.9, "c")

# the right half of the body, from the middle of its hollow back edge round its right end
# to the middle of its rounded front edge; drawn over the horns' roots
BODY_RIGHT = [
    (3.5, -5.7), (7.0, -6.6), (9.4, -8.2), (10.1, -9.0), JOINT_BACK,   # the back edge
    JOINT_FRONT, (12.4, -5.3), (11.3, -3.8), (8.7, -1.7), (5.0, -0.4), (0.0, 0.0),   # the front
]
# the fine line across each end of the body, where it joins a greater horn
JOINT = [JOINT_FRONT, (11.6, -8.1), JOINT_BACK]

# the right greater horn, from its joint with the body back along its outer edge to the
# tubercle at its tip and forwards along its inner edge: flattened and broadest at its
# root on the body, tapering evenly backwards to a slender end that swells a little into
# the rounded tubercle
GREATER_HORN = [
    JOINT_FRONT, (13.3, -7.4), (15.3, -10.7), (17.8, -16.6), (19.6, -22.6), (20.4, -27.6),
    (20.5, -29.9), (20.9, -31.1), (21.0, -32.5), (20.5, -33.5),        # the tubercle, a slight swelling
    (19.4, -33.6), (18.8, -32.6), (18.7, -31.2), (18.5, -29.8),
    (18.0, -27.1), (16.6, -22.6), (14.4, -17.2), (12.0, -12.9), (11.1, -10.8), JOINT_BACK,
]
# the right lesser horn: a small cone, about 4 mm across its base, standing on the bone
# where the body meets the greater horn and pointing up and back; seen from above,
# foreshortened, it is a short blunt point, broad at its base and narrowing backwards to
# its rounded tip, standing back out of the angle between the body's back edge and the
# greater horn. Its outline runs from the body's back edge round the point to the greater
# horn's inner edge a little behind the joint; its fill reaches into the bone past the
# base, so that no line is left across it
LESSER_HORN = [
    (8.5, -7.6, "c"), (8.5, -8.7), (8.85, -9.9), (9.3, -10.9), (9.7, -11.6),
    (10.1, -11.9), (10.55, -11.75), (10.85, -11.35), (11.2, -11.0, "c"),
]
LESSER_HORN_ROOT = [(11.5, -10.4, "c"), (11.5, -9.6, "c"), (10.4, -8.2, "c"), (9.2, -7.3, "c"),
                    (8.6, -7.1, "c")]    # inside the bone, under the base
# seen from above the body shows its front surface, which faces forwards and up: the fine
# curve across it is the transverse ridge in its upper half, following the bow of the body
# and fading out well before its ends, a short curve and not a groove, that shows the bar curving down to its front edge
RIDGE_RIGHT = [(0.0, -3.5), (3.0, -3.6), (5.6, -4.1)]
# the front surface in front of the ridge, turning down and away from the eye to the front
# edge: shaded with short strokes standing in from the front edge, as a surface seen
# obliquely is, so that the bar reads as seen from above with its front turned down
FRONT_SURFACE_RIGHT = [(8.4, -5.2), (10.6, -4.6), (11.3, -3.8), (8.7, -1.7), (5.0, -0.4), (0.0, 0.0)]
HATCH_SPACING = 1.6    # pixels between the strokes
HATCH_LENGTH = 4.2     # pixels each stroke stands in from the front edge
LINE_START = (3.1, -1.9)     # on the front surface of the body, right of the midline, in front of the ridge, its line leaving the body's front edge well clear of the horn's joint


def closed_path(place, pts, width, fill=BONE):
    return (f'<path d="{bezier_d(place.pts(pts))}" fill="{fill}" '
            f'stroke-width="{fmt(width)}"/>')


def open_path(places, lines, width):
    d = " ".join(bezier_d(p.pts(line), closed=False) for p in places for line in lines)
    return f'<path d="{d}" fill="none" stroke-width="{fmt(width)}"/>'


def front_hatching(place):
    """Short strokes up from the front edge of the body over its front surface, as far as
    the ridge at most."""
    ridge = [(-p[0], p[1]) for p in reversed(RIDGE_RIGHT[1:])] + RIDGE_RIGHT
    band = ridge + FRONT_SURFACE_RIGHT[:-1] + [(-p[0], p[1]) for p in reversed(FRONT_SURFACE_RIGHT)][:-1]
    poly = outline(place.pts(band), True)
    return hatch(poly, -90, HATCH_SPACING, width=0.45, length=HATCH_LENGTH)


def hyoid_drawing():
    right = Place(116.5, 131, PX_PER_MM)
    left = Place(116.5, 131, PX_PER_MM, mirror=True)
    body = ['<g stroke="#000000" stroke-linejoin="round" stroke-linecap="round">',
            '  <g id="greater-horns">']
    body += ["    " + closed_path(p, GREATER_HORN, W_OUT) for p in (left, right)]
    body += ['  </g>', '  <g id="body">',
             "    " + closed_path(right, sym(BODY_RIGHT), W_OUT),
             "    " + open_path((left, right), [JOINT], W_IN),
             "    " + open_path((right,), [[(-p[0], p[1]) for p in reversed(RIDGE_RIGHT[1:])] + RIDGE_RIGHT], W_IN),
             "    " + front_hatching(right),
             '  </g>', '  <g id="lesser-horns">']
    for p in (left, right):
        d = bezier_d(p.pts(LESSER_HORN), closed=False)
        root = "".join(f"L{fmt(q[0])} {fmt(q[1])}" for q in p.pts(LESSER_HORN_ROOT))
        body += [f'    <path d="{d}{root}Z" fill="{BONE}" stroke="none"/>',
                 f'    <path d="{d}" fill="none" stroke-width="{fmt(W_SMALL)}"/>']
    body += ['  </g>', '</g>']
    x, y = right(LINE_START)
    return svg(W, H, body, [f"leader Form25.Label1 from {fmt(x, 0)} {fmt(y, 0)}"],
               "Written by tools/art/hyoid.py")


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    with open(os.path.join(out_dir, "hyoid.svg"), "w") as f:
        f.write(hyoid_drawing())


if __name__ == "__main__":
    main()
