#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the six skull drawings.

    python3 tools/art/skull.py [assets/drawings] [name ...]

Names: skull, cranium-side, cranial-bones, face, face-small, facial-bones.
Every bone is drawn in millimetres in a frame of its own (see geometry.py)
and placed on the drawing; the front views are built from their right half
and mirrored. Leader lines are not drawn here: the drawings that carry them
hold a <metadata id="leaders"> block that the rasteriser turns into blue
lines ending at the labels of the screens.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import head_atlas  # noqa: E402
from geometry import (Group, Place, ellipse_pts, mirror_x,  # noqa: E402
                      svg, sym, sym_serr)

W_OUT = 1.0     # outline
W_IN = 0.6      # inner lines
W_FINE = 0.45   # hatching, faint lines
SERR = (0.7, 2.0)   # serrated border of a bone drawn apart (pixels)


def placer(groups, scale):
    """A function that draws one bone (fn) into a new group placed at (ox, oy) and keeps it."""
    def add(gid, fn, ox, oy, mirror=False, comment="", s=scale):
        g = Group(gid, Place(ox, oy, s, mirror), comment)
        fn(g)
        groups.append(g)
        return g
    return add


# ============================================================================
# The bones of the cranium
# ============================================================================

def occipital(g):
    """External surface, seen from behind and below; origin at the foramen magnum."""
    right = [
        (0, -84, "c"),                       # lambda
        (18, -76), (36, -60), (50, -42),     # lambdoid border
        (56, -26, "c"),                      # lateral angle
        (52, -14), (45, -4),                 # mastoid border
        (42, 3, "c"),                        # jugular process
        (34, 6), (27, 10),                   # jugular notch
        (18, 16), (12, 26), (8, 33, "c"),    # basilar part
        (0, 34),
    ]
    # serrated: lambdoid and mastoid borders
    g.body(sym(right), serr=sym_serr(right, range(0, 6), SERR), width=W_OUT)
    # squama: highest, superior and inferior nuchal lines, protuberance, crest
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        g.line(R([(3, -44), (16, -43), (31, -37.5), (45, -28)]), W_IN)
        g.line(R([(2, -54), (18, -53.5), (35, -47), (49, -35)]), W_FINE)
        g.line(R([(1.5, -27), (12, -27), (24, -22.5), (33, -15)]), W_FINE)
    g.line([(-3.5, -43), (0, -47.5), (3.5, -43)], W_IN)          # external occipital protuberance
    g.line([(0, -42), (0, -18)], W_IN)                           # external occipital crest
    # lateral parts of the squama turn away: a little hatching
    for sx in (1, -1):
        g.hatch([(sx * 42, -40), (sx * 52, -40), (sx * 55, -26), (sx * 46, -6),
                 (sx * 41, -18)], 70, 2.8, W_FINE)
    # foramen magnum, the condyles beside it with their joint surfaces, the basilar part
    g.hole(ellipse_pts(0, 2, 13, 16, n=28), width=W_OUT)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        g.body(R(ellipse_pts(18, 8, 5.5, 11, rot=-22, n=22)), width=W_IN)
        g.line(R(ellipse_pts(18.8, 8.5, 3.2, 8, rot=-22, n=18)), W_FINE, closed=True)
    g.dot((0, 22), 0.8)


def parietal(g):
    """Left parietal, external surface, from the left (front to the left)."""
    pts = [
        (-57, -44, "c"),                                  # frontal angle
        (-30, -48), (0, -50), (30, -48),                  # sagittal border
        (57, -42, "c"),                                   # occipital angle
        (62, -16), (59, 8),                               # occipital border
        (53, 24, "c"), (45, 31, "c"),                     # mastoid angle, truncated
        (30, 25), (12, 17), (-8, 15), (-27, 21), (-43, 34),  # squamous border
        (-58, 50, "c"),                                   # sphenoidal angle
        (-58, 24), (-61, -10),                            # frontal border
    ]
    serr = {i: SERR for i in (0, 1, 2, 3, 4, 5, 6, 14, 15, 16)}
    g.body(pts, serr=serr, width=W_OUT)
    # temporal lines, arching over the bone
    g.line([(-60, 0), (-32, -15), (0, -20), (30, -14), (56, 6)], W_FINE)
    g.line([(-58, 13), (-30, 1), (0, -4), (27, 1), (50, 19)], W_FINE)
    # parietal eminence and foramen
    g.line([(-6, -25), (0, -28), (7, -26)], W_IN)
    g.line([(-3, -22), (2, -24)], W_FINE)
    g.dot((38, -43), 0.8)
    # the bone bulges: it turns away along its back edge
    g.hatch([(57, -42), (62, -16), (59, 8), (53, 24), (51, 8), (54, -16), (52, -38)],
            60, 2.6, W_FINE)
    # the bevelled squamous border, overlapped by the temporal squama
    g.line([(42, 26.5), (28, 21), (12, 13.5), (-8, 11.5), (-27, 17.5), (-42, 30), (-52, 43)],
           W_FINE)


def frontal(g):
    """Frontal bone from the front; origin at the nasion."""
    right = [
        (0, -100),
        (26, -97), (44, -86), (55, -66), (59, -42),    # coronal border
        (58, -22), (54, -6),                           # temporal surface
        (52, 6), (49, 13, "c"),                        # zygomatic process
        (44, 11), (41, 3), (35, -5),                   # supraorbital margin
        (25, -9), (15, -7), (10, -2),
        (9, 4), (5, 7), (2, 7), (1, 13, "c"), (0, 14),  # nasal part and spine
    ]
    # serrated: coronal border, tip of the zygomatic process, nasal notch
    g.body(sym(right), serr=sym_serr(right, {0, 1, 2, 3, 4, 7, 8, 15, 16}, SERR),
           width=W_OUT)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        # the rounded margin turning into the roof of the orbit
        g.line(R([(45, 7), (41, 0), (35, -2), (25, -5.5), (15, -3.5), (11, 1)]), W_FINE)
        g.hatch(R([(44, 11), (41, 3), (35, -5), (25, -9), (15, -7), (10, -2), (11, 1),
                   (15, -3.5), (25, -5.5), (35, -2), (41, 0), (45, 7)]), 100, 1.6, W_FINE)
        # supraorbital notch
        g.line(R([(22, -8.5), (23, -5.5), (25, -8.5)]), W_IN)
        # superciliary arch
        g.line(R([(7, -17), (18, -21), (30, -19)]), W_FINE)
        # temporal line and the temporal surface beyond it
        g.line(R([(50, 7), (51, -8), (54, -26), (55, -48), (51, -70)]), W_IN)
        g.hatch(R([(51, -8), (54, -26), (55, -48), (51, -70), (56, -62), (59, -42),
                   (58, -22), (54, -6)]), 80, 2.4, W_FINE)
        # frontal eminence
        g.line(R([(20, -58), (27, -61), (34, -58)]), W_FINE)
    # glabella
    g.line([(-4, -14), (0, -15), (4, -14)], W_FINE)


TEMPORAL = [
    (-53, -6, "c"),                            # tip of the zygomatic process, upper corner
    (-43, -8),                                 # upper border of the process
    (-33, -10, "c"),                           # where the squama rises from it
    (-32, -17), (-34, -25, "c"),               # sphenoidal border
    (-31, -32), (-21, -39), (-6, -42), (9, -40), (19, -34), (25, -25),  # parietal border
    (24, -20, "c"),                            # parietal notch
    (31, -19), (38, -13, "c"),                 # mastoid part, upper border
    (39, 0), (34, 10),                         # occipital border
    (26, 17), (16, 26, "c"),                   # mastoid process
    (10, 18), (8, 10),
    (4, 7.5), (-3, 7), (-7, 4.5),              # tympanic part, postglenoid process
    (-11, 1.5), (-15, 2), (-19, 5),            # mandibular fossa, articular tubercle
    (-23, 3), (-32, 1), (-40, 0),              # lower border of the process
    (-46, 1, "c"),                             # tip, lower corner
]


def temporal(g):
    """Left temporal bone from the left (front to the left); origin at the meatus."""
    pts = TEMPORAL
    serr = {i: SERR for i in (2, 3, 11, 12, 13, 14)}
    serr[len(pts) - 1] = SERR                      # the oblique tip
    g.body(pts, serr=serr, width=W_OUT)
    # styloid process in its sheath
    g.body([(-4, 6.5), (-7, 16), (-12, 30, "c"), (-8.5, 17), (-1, 7)], width=W_IN)
    # external acoustic meatus
    g.hole(ellipse_pts(0, 0, 4.2, 5, rot=-10, n=22), width=W_OUT)
    g.hatch(ellipse_pts(0.8, 0.5, 3.2, 4.1, rot=-10, n=16), 45, 1.5, W_FINE)
    # supramastoid crest, continuing the upper border of the zygomatic process
    g.line([(-31, -9.5), (-20, -9), (-8, -8.5), (6, -9.5), (18, -13)], W_FINE)
    # groove of the middle temporal artery
    g.line([(-10, -13), (-9, -22), (-5, -32)], W_FINE)
    # mastoid: notch, foramen and rough surface
    g.dot((29, -8), 0.8)
    g.hatch([(18, 8), (30, 4), (35, 9), (26, 17), (17, 24), (14, 16)], 60, 2.6, W_FINE)
    g.line([(24, 2), (25, 10), (20, 19)], W_FINE)
    # the articular tubercle and the mandibular fossa behind it
    g.line([(-23, 3), (-20, 0), (-16, -1), (-11, 0), (-8, 3)], W_FINE)
    g.hatch([(-18, 3.5), (-15, 0), (-10, 0.5), (-8, 3.5), (-11, 1.5), (-15, 2)], 0, 1.3,
            W_FINE)


def sphenoid(g):
    """Sphenoid from the front; origin at the middle of the body."""
    right = [
        (0, -18),
        (12, -20), (26, -24), (40, -28, "c"),      # lesser wing
        (28, -21), (18, -15), (13, -11),           # lower edge of the lesser wing
        (14, -4, "c"),                             # medial end of the superior orbital fissure
        (24, -8), (34, -15), (42, -24), (47, -34),  # greater wing: orbital border
        (51, -42, "c"),                            # greater wing: its highest point
        (56, -36), (59, -22), (58, -8), (53, 3),   # temporal border
        (45, 9), (35, 11), (25, 12),               # infratemporal crest to the pterygoid root
        (24, 20), (28, 36), (27, 46, "c"),         # lateral pterygoid plate
        (21, 36), (17, 28),                        # pterygoid notch
        (15, 40), (14, 48, "c"), (11, 47),         # medial plate and hamulus
        (9, 34), (8, 20), (4, 15), (0, 17),        # rostrum
    ]
    g.body(sym(right), serr=sym_serr(right, {12, 13, 14, 15}, SERR), width=W_OUT)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        # orbital surface of the greater wing and the temporal surface beyond it
        g.line(R([(16, 2), (30, -3), (43, -14), (51, -30)]), W_IN)
        g.hatch(R([(51, -42), (56, -36), (59, -22), (58, -8), (53, 3), (51, -12),
                   (53, -26), (51, -34)]), 75, 2.2, W_FINE)
        # foramen rotundum
        g.hole(R(ellipse_pts(18, 4, 1.6, 1.6, n=12)), width=W_IN, fill="#000")
        # opening of the sinus in the body
        g.hole(R(ellipse_pts(5, -5, 2.4, 3.4, n=14)), width=W_IN)
        # pterygoid plates
        g.line(R([(20, 14), (18, 24), (17, 28)]), W_FINE)
        g.hatch(R([(17, 28), (21, 36), (24, 32), (24, 20), (20, 15)]), 70, 1.8, W_FINE)
    # the body: sphenoidal crest, and its edges
    g.line([(0, -16), (0, 14)], W_IN)
    g.line([(-11, -13), (-11, 8), (-8, 13)], W_FINE)
    g.line([(11, -13), (11, 8), (8, 13)], W_FINE)


def ethmoid(g):
    """Ethmoid from the front; origin at the middle of the cribriform plate."""
    # perpendicular plate
    g.body([(-1.6, 1), (-2.2, 22), (-1.8, 38), (0, 45, "c"), (2.2, 38), (2.4, 22),
            (1.6, 1)], width=W_IN)
    # labyrinths
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        lab = R([(5, 1, "c"), (14, 1, "c"), (14.5, 14), (14, 26, "c"), (10, 28),
                 (8, 25), (5.5, 20)])
        g.body(lab, width=W_OUT)
        # middle concha, curled down beside the perpendicular plate
        g.body(R([(5.5, 19), (4.5, 26), (5, 32), (7.5, 35, "c"), (8, 30), (8.5, 26)]),
               width=W_IN)
        # superior concha
        g.line(R([(5.4, 8), (4.6, 13), (6, 16)]), W_FINE)
        # air cells seen through the front
        g.line(R([(7.5, 6), (12, 6), (12, 12), (8, 12), (8, 6)]), W_FINE)
        g.line(R([(8.5, 15), (12.5, 15), (12.5, 21), (9.5, 21)]), W_FINE)
        g.line(R([(11, 23), (13, 24)]), W_FINE)
    # cribriform plate
    g.body([(-14.5, -1, "c"), (14.5, -1, "c"), (14.5, 1.2, "c"), (-14.5, 1.2, "c")],
           width=W_IN)
    # crista galli
    g.body([(-2.6, -1), (-2.4, -8), (-1.2, -15), (0.8, -17, "c"), (2, -12), (2.6, -1)],
           width=W_IN)


def cranial_bones():
    W, H = 428, 382
    S = 1.05
    groups = []
    add = placer(groups, S)

    add("occipital", occipital, 74, 90, comment="external surface, seen from behind and below")
    add("parietal-left", parietal, 218, 100, comment="the left parietal from the outside")
    add("parietal-right", parietal, 360, 100, mirror=True, comment="the right parietal from the outside")
    add("frontal", frontal, 240, 266, comment="from the front")
    add("temporal-left", temporal, 62, 282, comment="the left temporal bone from the outside")
    add("temporal-right", temporal, 372, 226, mirror=True, comment="the right temporal bone from the outside")
    add("sphenoid", sphenoid, 171, 330, comment="from the front")
    add("ethmoid", ethmoid, 288, 318, comment="from the front")
    body = []
    for g in groups:
        body.extend(g.svg())
    leaders = [
        "leader Form17.Label1 Form20.Text1 from 36 38",
        "leader Form17.Label2 Form20.Text2 from 168 134",
        "leader Form17.Label3 Form20.Text3 from 190 202",
        "leader Form17.Label4 Form20.Text4 from 57 254",
        "leader Form17.Label5 Form20.Text5 from 171 338",
        "leader Form17.Label6 Form20.Text6 from 288 355",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


# ============================================================================
# The bones of the face
# ============================================================================

# Front-view frame of the face (millimetres): x from the midline towards the
# subject's left, y down; y = 0 at the lowest point of the orbit's rim.
UPPER_TEETH = [   # x from, x to, biting edge, kind
    (0.7, 8.2, 48.5, "i"), (8.2, 13.3, 47.6, "i"), (13.3, 18.2, 48.2, "c"),
    (18.2, 21.9, 46.6, "p"), (21.9, 25.1, 46.0, "p"), (25.1, 28.3, 45.4, "m"),
    (28.3, 30.4, 45.0, "m"),
]
LOWER_TEETH = [   # x from, x to, biting edge, kind
    (0.6, 5.4, 46.0, "i"), (5.4, 10.4, 46.0, "i"), (10.4, 14.9, 45.2, "c"),
    (14.9, 18.5, 46.4, "p"), (18.5, 21.6, 46.6, "p"), (21.6, 24.6, 46.9, "m"),
    (24.6, 26.4, 47.2, "m"),
]


def tooth_pts(x0, x1, edge, root, kind):
    """One crown seen from the front, from its hidden root end to its biting edge."""
    sg = 1 if edge > root else -1
    w = x1 - x0
    e = edge
    m = (x0 + x1) / 2
    if kind == "c":
        tip = [(x1 - 0.15 * w, e - sg * 0.3 * w), (m, e, "c"), (x0 + 0.15 * w, e - sg * 0.3 * w)]
    elif kind == "p":
        tip = [(x1 - 0.15 * w, e - sg * 0.22 * w), (m, e), (x0 + 0.15 * w, e - sg * 0.22 * w)]
    elif kind == "m":
        tip = [(x1 - 0.1 * w, e - sg * 0.12 * w), (m + 0.12 * w, e), (m - 0.25 * w, e - sg * 0.08 * w),
               (x0 + 0.1 * w, e - sg * 0.1 * w)]
    else:
        tip = [(x1 - 0.1 * w, e - sg * 0.06 * w), (m, e), (x0 + 0.1 * w, e - sg * 0.06 * w)]
    neck = 0.1 * w
    mid = root + 0.5 * (e - root)
    return [(x0 + neck, root, "c"), (x1 - neck, root, "c"), (x1, mid)] + tip + [(x0, mid)]


def teeth(g, table, root, both=False):
    for x0, x1, e, k in table:
        pts = tooth_pts(x0, x1, e, root, k)
        g.body(pts, width=W_IN)
        if both:
            g.body(mirror_x(pts), width=W_IN)


# Upper teeth from the side (front to the left): x from, x to, tip of the crown, kind.
SIDE_UPPER_TEETH = [
    (-22.5, -17.5, 45.5, "i"), (-17.5, -12.5, 44.5, "i"), (-12.5, -5.5, 46.0, "c"),
    (-5.5, 0.8, 43.6, "p"), (0.8, 7.0, 43.2, "p"), (7.0, 16.5, 42.6, "m"), (16.5, 24.5, 41.8, "m"),
]


def side_tooth_pts(x0, x1, tip, root, kind, lean=0.0):
    """One crown from the side, from the hidden root end to its tip (tip below: upper tooth)."""
    sg = 1 if tip > root else -1
    w = x1 - x0
    m = (x0 + x1) / 2
    mid = root + 0.45 * (tip - root)
    if kind == "i":
        tips = [(x1 - 0.35 * w + lean, tip - sg * 0.3), (x0 + 0.2 * w + lean, tip, "c")]
    elif kind == "c":
        tips = [(x1 - 0.15 * w, tip - sg * 0.3 * w), (m - 0.05 * w, tip, "c"),
                (x0 + 0.1 * w, tip - sg * 0.35 * w)]
    elif kind == "p":
        tips = [(x1 - 0.08 * w, tip - sg * 0.3 * w), (m, tip, "c"), (x0 + 0.08 * w, tip - sg * 0.3 * w)]
    else:
        tips = [(x1 - 0.05 * w, tip - sg * 0.16 * w), (x1 - 0.28 * w, tip, "c"), (m, tip - sg * 0.12 * w, "c"),
                (x0 + 0.25 * w, tip, "c"), (x0 + 0.05 * w, tip - sg * 0.16 * w)]
    return [(x0 + 0.08 * w, root, "c"), (x1 - 0.08 * w, root, "c"), (x1, mid)] + tips + [(x0, mid)]


def maxilla(g):
    """Left maxilla from the left (front to the left); y = 0 at the orbit's lower rim."""
    for x0, x1, t, k in SIDE_UPPER_TEETH:
        g.body(side_tooth_pts(x0, x1, t, 33, k, lean=-0.6 if k == "i" else 0), width=W_IN)
    pts = [
        (-12.5, -29, "c"), (-7.5, -29.5, "c"),        # frontal process, its top
        (-4.5, -20), (-0.5, -12), (3.5, -7.5),        # its hind (lacrimal) border
        (9, -6.5), (15, -5), (20.5, -2.5),            # orbital surface, seen edge on
        (25.5, 3), (28, 12), (27.8, 22), (26, 30), (23.5, 35.5, "c"),  # maxillary tuberosity
        (20.5, 37.5, "c"), (16.5, 36.8), (12, 38, "c"), (7, 37.3),
        (3.8, 38, "c"), (0.8, 37.5), (-2.4, 38.5, "c"), (-5.5, 38),
        (-9, 39.4, "c"), (-12.5, 38.8), (-15, 39.6, "c"), (-17.5, 39.2),
        (-20, 39.6, "c"), (-22.8, 38.8, "c"),         # alveolar margin over the crowns
        (-22.6, 32), (-23.2, 25.5),                   # front of the alveolar process
        (-29, 20, "c"),                               # anterior nasal spine
        (-22.5, 17.5), (-19.5, 13), (-18.5, 5), (-18.2, -2),  # nasal notch
        (-16.5, -12), (-14, -22),                     # border with the nasal bone
    ]
    serr = {0: SERR, 1: SERR, 2: SERR, 30: SERR, 31: SERR, 32: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # zygomatic process: a rough surface standing out towards the viewer
    zp = [(2, -4.5), (8, -4), (14, -3), (12, 4), (9, 12, "c"), (5, 4)]
    g.line(zp, W_IN, closed=True, serr={0: SERR, 1: SERR, 2: SERR})
    g.hatch(zp, 40, 2.0, W_FINE)
    # zygomatico-alveolar crest down to the first molar
    g.line([(9, 12), (9.5, 22), (11, 32)], W_FINE)
    # infra-orbital margin, the groove for the tear duct on the frontal process
    g.line([(2, -6.5), (-5, -4), (-12, -6)], W_FINE)
    g.line([(-9.5, -27), (-7.5, -18), (-4, -9)], W_FINE)
    g.hatch([(-7.5, -29.5), (-4.5, -20), (-0.5, -12), (3.5, -7.5), (-4, -9), (-7.5, -18),
             (-9.5, -27)], 70, 1.7, W_FINE)
    # infra-orbital foramen, canine eminence, incisive fossa
    g.hole(ellipse_pts(-7.5, 3.5, 1.4, 1.8, rot=-20, n=12), width=W_IN, fill="#000")
    g.line([(-9.5, 37), (-10.5, 28), (-12, 19)], W_FINE)
    g.line([(-20, 33), (-20.5, 26)], W_FINE)
    # alveolar foramina on the tuberosity; its rounded hind face
    g.dot((21.5, 14), 0.6)
    g.dot((23, 19), 0.6)
    g.hatch([(20.5, -2.5), (25.5, 3), (28, 12), (27.8, 22), (26, 30), (23.5, 35.5), (24.5, 22),
             (24.5, 10)], 80, 2.2, W_FINE)


def mandible(g, shade_rami=True):
    """Mandible from the front; built from its right half."""
    teeth(g, LOWER_TEETH, 57, both=True)
    right = [
        (0, 55.2),
        (3, 54.6, "c"), (5.4, 55.2), (8, 54.5, "c"), (10.4, 55), (12.6, 54.2, "c"),
        (14.9, 54.6), (16.7, 53.8, "c"), (18.5, 54.2), (20, 53.6, "c"), (21.6, 53.9),
        (23.1, 53.4, "c"), (24.6, 53.6), (26.4, 53, "c"),      # alveolar margin
        (30, 52.6), (34.5, 51),                                 # behind the last molar
        (38, 44), (40.2, 32), (41.3, 22),                       # front border of the ramus
        (42, 14.5, "c"),                                        # coronoid process
        (44.5, 17), (47, 17.5),                                 # mandibular notch
        (49.5, 13), (47.5, 8), (50, 4), (55, 3.2), (59, 5.5, "c"),  # condyle
        (57.5, 10), (55.5, 14),                                 # its neck
        (53.5, 30), (50.5, 48), (48, 62),                       # ramus
        (46.5, 70, "c"),                                        # angle
        (42, 76), (35, 81.5), (26, 86), (17, 89.5), (8, 91.6), (0, 92),  # lower border
    ]
    g.body(sym(right), width=W_OUT)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        # the outer face of the ramus, turned away from the viewer
        if shade_rami:
            g.hatch(R([(42, 14.5), (44.5, 17), (47, 17.5), (49.5, 13), (55.5, 14), (53.5, 30),
                       (50.5, 48), (48, 62), (44, 56), (42, 45), (41.3, 22)]), 80, 2.4, W_FINE)
        # oblique line, mental foramen, mental tubercle
        g.line(R([(38, 44), (38, 56), (40.5, 66), (44.5, 73)]), W_FINE)
        g.hole(R(ellipse_pts(20, 71, 1.3, 1.0, n=12)), width=W_IN, fill="#000")
        g.line(R([(6, 85), (10, 88.5)]), W_FINE)
        # the body turns backwards towards the angle
        g.hatch(R([(34, 62), (38, 56), (40.5, 66), (44.5, 73), (42, 76), (35, 81.5), (30, 84),
                   (31, 72)]), 75, 2.4, W_FINE)
        # the condyle's front, turned towards the viewer
        g.line(R([(49, 8.5), (53, 7.2), (58, 7)]), W_FINE)
    # symphysis and mental protuberance
    g.line([(0, 60), (0, 74)], W_FINE)
    g.line([(-5, 87), (0, 82), (5, 87)], W_FINE)


def zygomatic(g):
    """Left zygomatic bone from the left (front to the left); origin in its body."""
    pts = [
        (-4.5, -32, "c"), (3.5, -32.5, "c"),           # frontal process, its top
        (4.5, -27), (6.5, -21.5), (5, -16),            # posterior border, marginal tubercle
        (8, -9.5), (14, -6), (21, -5),                 # upper border of the temporal process
        (27, -4.5, "c"), (23, 4, "c"),                 # its oblique tip
        (15, 5.5), (6, 8), (-4, 11.5),                 # lower (masseteric) border
        (-14, 13.5, "c"),                              # maxillary angle
        (-19, 8.5), (-23, 2), (-26.5, -3, "c"),        # border with the maxilla
        (-20, -6), (-13, -10), (-8.5, -16), (-5.5, -24),  # orbital margin
    ]
    serr = {0: SERR, 8: SERR, 13: SERR, 14: SERR, 15: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # the rounded orbital margin and the orbital surface behind it
    g.line([(-25, -1.5), (-19, -3.8), (-11.5, -8), (-6.5, -15), (-3.7, -23), (-2.4, -31.5)], W_IN)
    g.hatch([(-26.5, -3), (-20, -6), (-13, -10), (-8.5, -16), (-5.5, -24), (-4.5, -32),
             (-2.4, -31.5), (-3.7, -23), (-6.5, -15), (-11.5, -8), (-19, -3.8), (-25, -1.5)],
            30, 1.5, W_FINE)
    # zygomaticofacial foramen
    g.dot((-9, -1), 0.9)
    # the cheek's prominence; the lower edge turns under
    g.line([(-12, 9), (-4, 4), (6, 2), (15, 1.5)], W_FINE)
    g.hatch([(-4, 11.5), (6, 8), (15, 5.5), (23, 4), (20, 3), (10, 4.2), (0, 7)], 100, 2.0,
            W_FINE)


def nasal(g):
    """Left nasal bone from the front (midline at x = 0)."""
    pts = [
        (0.4, -27.5, "c"), (5.6, -28, "c"),           # top, thick and narrow
        (6.4, -20), (8.3, -10), (10.6, -1.5, "c"),    # border with the maxilla
        (7.5, -0.8), (5, -2.4), (3, -1.2), (0.4, -0.5, "c"),  # free lower border, notched
        (0.2, -14),                                   # internasal border
    ]
    serr = {0: SERR, 1: SERR, 2: SERR, 3: SERR, 8: SERR, 9: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    g.dot((3.8, -17), 0.7)
    g.hatch([(5.6, -28), (6.4, -20), (8.3, -10), (10.6, -1.5), (7.6, -4), (5.5, -12), (4.2, -22)],
            100, 1.8, W_FINE)


def lacrimal(g):
    """Left lacrimal bone from the orbit (front to the left)."""
    pts = [
        (-5, -9.5, "c"), (0, -10.5), (4.8, -9.8, "c"),     # border with the frontal bone
        (5.8, -2), (5.4, 6, "c"),                         # border with the ethmoid
        (2, 7.6), (-1, 8.6),                              # border with the maxilla
        (-3.2, 11.5), (-6.8, 13.2, "c"), (-5.6, 9.6),     # lacrimal hamulus
        (-5.6, 2), (-5.8, -4),                            # anterior border
    ]
    serr = {0: SERR, 1: SERR, 10: SERR, 11: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # posterior lacrimal crest; the groove for the lacrimal sac in front of it
    g.line([(-0.5, -10), (-0.6, -2), (-1.6, 5), (-3.6, 11)], W_IN)
    g.hatch([(-5, -9.5), (-0.5, -10), (-0.6, -2), (-1.6, 5), (-3.6, 11), (-5.6, 9.6), (-5.6, 2),
             (-5.8, -4)], 75, 1.7, W_FINE)


def concha(g):
    """Right inferior nasal concha from the inside (front to the left): a thick, rounded
    front end, a long tapering hind end, the processes on its upper border."""
    pts = [
        (-23, 1.5), (-22, -3), (-18.5, -5.2),          # thick front end
        (-14, -6), (-12.5, -10.5, "c"), (-9.5, -6.2),  # lacrimal process
        (-3, -6.2), (2.5, -6.4),
        (4.5, -9.8, "c"), (7, -5.6),                   # ethmoidal process
        (13, -4), (19, -2.2),
        (27, 0.6, "c"),                                # pointed hind end
        (20, 2.2), (10, 4.4), (-2, 6.6), (-12, 7.2), (-19, 5.8),  # free lower border
    ]
    g.body(pts, width=W_OUT)
    # the thick lower border rolled inwards, thinning backwards
    g.line([(-20.5, 2.8), (-12, 4.6), (-2, 4.2), (9, 2.6), (18, 1.2), (24, 0.6)], W_IN)
    # the pitted, furrowed inner face
    for a, b in (((-18, -1.5), (-14, -2.4)), ((-10, -0.8), (-6, -1.6)), ((-2, -2.8), (2, -2.4)),
                 ((5, -1.2), (9, -1.6)), ((12, -0.9), (16, -0.4)), ((-14, 1.6), (-10, 1.8)),
                 ((-1, 0.8), (3, 0.4)), ((-6, -3.6), (-2, -3.8))):
        g.line([a, b], W_FINE)
    g.hatch([(-23, 1.5), (-22, -3), (-18.5, -5.2), (-17, 0), (-19, 5.8)], 70, 1.4, W_FINE)


def vomer(g):
    """Vomer from the left (front to the left)."""
    pts = [
        (-28, 10, "c"),                               # front of the lower border
        (-24, 4.5), (-15, -2.5), (-5, -9.5), (3, -15),  # anterior border
        (7, -18), (12, -21.5, "c"),                   # ala
        (18, -21), (21.5, -17.5, "c"),
        (17, -9), (14, 1), (14, 11, "c"),             # posterior border, free
        (0, 12.2), (-16, 12.2),                       # lower border
    ]
    serr = {0: SERR, 1: SERR, 2: SERR, 3: SERR, 4: SERR, 11: SERR, 12: SERR, 13: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # the ala, flaring sideways
    g.line([(5, -16), (11, -18.5), (19, -18.5)], W_IN)
    g.hatch([(7, -18), (12, -21.5), (18, -21), (21.5, -17.5), (19, -18.5), (11, -18.5), (5, -16)],
            20, 1.5, W_FINE)
    # thick hind border, groove for the nasopalatine nerve
    g.line([(19.5, -16), (15.5, -8), (12.5, 1), (12.5, 10)], W_FINE)
    g.line([(-20, 6), (-9, -0.5), (3, -8.5)], W_FINE)


def palatine(g):
    """Left palatine bone from behind (midline at x = 0)."""
    pts = [
        (0.5, -3, "c"),                               # nasal crest
        (3, -0.5), (14, -0.4),                        # nasal floor
        (14.4, -9), (14.8, -17), (14.3, -22.5),       # perpendicular plate, inner side
        (12.8, -25), (11, -27.5, "c"), (14, -29), (16.2, -26),  # sphenoidal process
        (17.2, -24.5, "c"),                           # sphenopalatine notch
        (18, -27.5), (21, -30, "c"), (22.5, -26), (20, -22.5),  # orbital process
        (19.3, -14), (19.5, -6),                      # perpendicular plate, outer side
        (21.5, -1.5), (25, 5.5, "c"),                 # pyramidal process
        (20.5, 7), (17, 4.8),
        (10, 4.3), (4, 4.1), (0.5, 4.7, "c"),         # under side of the horizontal plate
    ]
    serr = {23: SERR, 0: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # the horizontal plate's hind border, seen edge on
    g.line([(1, 2), (8, 1.7), (15, 2.2)], W_FINE)
    g.hatch([(17, 4.8), (20.5, 7), (25, 5.5), (21.5, -1.5), (19.5, -3)], 45, 1.5, W_FINE)
    # the plate's hind border, and the maxillary surface beyond it
    g.line([(17, -21.5), (16.9, -11), (16.8, -1)], W_FINE)
    g.hatch([(17, -21.5), (20, -22.5), (19.3, -14), (19.5, -6), (16.8, -1), (16.9, -11)],
            70, 2.0, W_FINE)


def facial_bones():
    W, H = 526, 470
    S = 1.8
    groups = []
    add = placer(groups, S)
    A = head_atlas

    mid = 181
    add("lacrimal-right", lacrimal, mid - 55, 45, mirror=True, comment="the right lacrimal bone from the orbit")
    add("lacrimal-left", lacrimal, mid + 55, 45, comment="the left lacrimal bone from the orbit")
    add("concha-right", concha, mid - 70, 120, comment="the right inferior nasal concha from the inside")
    add("concha-left", concha, mid + 70, 120, mirror=True, comment="the left inferior nasal concha from the inside")
    nasal_y = 185 + 17 * S
    add("nasal-right", lambda g: A.front_nasal(g, apart=True), mid - 4, nasal_y, mirror=True,
        comment="the right nasal bone from the front")
    add("nasal-left", lambda g: A.front_nasal(g, apart=True), mid + 4, nasal_y,
        comment="the left nasal bone from the front")
    zyg_y = 259
    add("zygomatic-right", lambda g: A.side_zygomatic(g, apart=True), -34, zyg_y, mirror=True,
        comment="the right zygomatic bone from the outside")
    add("zygomatic-left", lambda g: A.side_zygomatic(g, apart=True), 384, zyg_y,
        comment="the left zygomatic bone from the outside")
    max_y = 368.6
    add("maxilla-right", lambda g: A.front_maxilla(g, apart=True), 168, max_y, mirror=True,
        comment="the right maxilla from the front")
    add("maxilla-left", lambda g: A.front_maxilla(g, apart=True), 195, max_y,
        comment="the left maxilla from the front")
    mand = Place(516, 297, S)
    add("mandible", lambda g: A.side_mandible(g, apart=True), 516, 297,
        comment="the mandible from the left")
    add("vomer", vomer, 432, 52, comment="from the left side")
    add("palatine-right", palatine, 436, 152, mirror=True, comment="the right palatine bone from behind")
    add("palatine-left", palatine, 442, 152, comment="the left palatine bone from behind")
    body = []
    for g in groups:
        body.extend(g.svg())

    def px(place, p):
        q = place(p)
        return f"{int(q[0])} {int(q[1])}"

    # the lines start on the nearer bone of a pair. Below the drawing the label and the
    # answer box stand 9 pixels apart: the line splits just above the edge.
    nasal = px(Place(mid - 4, nasal_y, S, True), (4.2, -17))
    zyg = px(Place(-34, zyg_y, S, True), (-70, -1))
    maxilla = px(Place(168, max_y, S, True), (22, 20))
    jaw = px(mand, (-55, 72))
    leaders = [
        "leader Form18.Label1 Form19.Text1 from 124 45",
        "leader Form18.Label2 Form19.Text2 from 100 120",
        f"leader Form18.Label3 Form19.Text3 from {nasal}",
        f"leader Form18.Label4 Form19.Text4 from {zyg}",
        # out of the maxilla above its incisors, down between the two maxillae
        f"leader Form18.Label5 from {maxilla} via 172 418 via 180 452",
        f"leader Form19.Text5 from {maxilla} via 172 418 via 180 452",
        f"leader Form18.Label6 from {jaw} via {jaw.split()[0]} 458",
        f"leader Form19.Text6 from {jaw} via {jaw.split()[0]} 458",
        "leader Form18.Label7 Form19.Text7 from 473 140",
        "leader Form18.Label8 Form19.Text8 from 440 50",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


# ============================================================================
# The whole skull (head_atlas.py), from the front and from the side
# ============================================================================

def face():
    W, H = 157, 281
    g = head_atlas.place_view("skull", head_atlas.skull_front, 78.5, 157, 1.08,
                              comment="the skull from the front")
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def face_small():
    W, H = 130, 233
    g = head_atlas.place_view("skull", head_atlas.skull_front, 65, 130, 0.895,
                              comment="the skull from the front")
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def cranium_side():
    W, H = 225, 188
    g = head_atlas.place_view("cranium", head_atlas.skull_side, 117, 131, 1.03,
                              comment="the cranium from the left", mandible=False)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def skull():
    W, H = 500, 293
    S = 1.17
    side = head_atlas.place_view("skull-side", head_atlas.skull_side, 146, 160, S,
                                 comment="the skull from the left")
    front = head_atlas.place_view("skull-front", head_atlas.skull_front, 388, 165, S,
                                  comment="the skull from the front")
    return svg(W, H, side.svg() + front.svg(), None, "Written by tools/art/skull.py")


def fontanelle():
    W, H = 205, 240
    place = Place(94, 96, 1.6)
    g = Group("newborn-vault", place, "a newborn's skull from above, the face at the top")
    inside = head_atlas.newborn_vault(g)
    # one line gathers both fontanelles: an arm from each meets beside the skull
    fork = (186, 132)
    leaders = []
    for key in ("anterior", "posterior"):
        x, y = place(inside[key])[:2]
        leaders.append(f"leader Form25.Label6 from {int(x)} {int(y)} via {fork[0]} {fork[1]}")
    return svg(W, H, g.svg(), leaders, "Written by tools/art/skull.py")


DRAWINGS = {
    "skull": skull,
    "cranium-side": cranium_side,
    "cranial-bones": cranial_bones,
    "facial-bones": facial_bones,
    "face": face,
    "face-small": face_small,
    "fontanelle": fontanelle,
}


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    names = sys.argv[2:] or list(DRAWINGS)
    for name in names:
        with open(os.path.join(out_dir, name + ".svg"), "w") as f:
            f.write(DRAWINGS[name]())


if __name__ == "__main__":
    main()
