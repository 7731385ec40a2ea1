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
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometry import (BONE, GROUND, Group, Place, ellipse_pts, mirror_x,  # noqa: E402
                      outline, path, svg, sym, sym_serr)

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
    """Right inferior nasal concha from the inside (front to the left)."""
    pts = [
        (-21, 1, "c"),                                 # front end
        (-18, -3), (-12, -4.5), (-9, -6.5),
        (-7.5, -8.5, "c"), (-5.5, -5.2),               # lacrimal process
        (0, -4.8), (4, -5.5),
        (6, -7.5, "c"), (8, -5),                       # ethmoidal process
        (14, -3.5), (19, -1.5),
        (23, 1.5, "c"),                                # hind end
        (17, 4.5), (8, 6.5), (-4, 7), (-13, 5.8), (-19, 3.8),  # free lower border
    ]
    g.body(pts, width=W_OUT)
    # the thick rolled lower border
    g.line([(-19, 1.5), (-13, 3.2), (-4, 4.2), (6, 3.8), (15, 2.4), (21, 1.2)], W_IN)
    # the pitted, furrowed inner face
    for a, b in (((-15, -1.5), (-11, -2.2)), ((-8, -0.5), (-4, -1.2)), ((0, -2.5), (4, -2)),
                 ((7, -0.8), (11, -1.4)), ((13, -1), (17, -0.2)), ((-11, 1), (-7, 1.3)),
                 ((2, 0.6), (6, 0.4)), ((-3, -3.3), (1, -3.4))):
        g.line([a, b], W_FINE)


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

    mid = 181
    add("lacrimal-right", lacrimal, mid - 55, 45, mirror=True, comment="the right lacrimal bone from the orbit")
    add("lacrimal-left", lacrimal, mid + 55, 45, comment="the left lacrimal bone from the orbit")
    add("concha-right", concha, mid - 70, 120, comment="the right inferior nasal concha from the inside")
    add("concha-left", concha, mid + 70, 120, mirror=True, comment="the left inferior nasal concha from the inside")
    add("nasal-right", nasal, mid - 3, 212, mirror=True, comment="the right nasal bone from the front")
    add("nasal-left", nasal, mid + 3, 212, comment="the left nasal bone from the front")
    add("zygomatic-right", zygomatic, mid - 88, 250, mirror=True, comment="the right zygomatic bone from the outside")
    add("zygomatic-left", zygomatic, mid + 88, 250, comment="the left zygomatic bone from the outside")
    add("maxilla-right", maxilla, 105, 381, mirror=True, comment="the right maxilla from the outside")
    add("maxilla-left", maxilla, 214, 381, comment="the left maxilla from the outside")
    add("mandible", mandible, 413, 288, comment="from the front")
    add("vomer", vomer, 432, 52, comment="from the left side")
    add("palatine-right", palatine, 436, 152, mirror=True, comment="the right palatine bone from behind")
    add("palatine-left", palatine, 442, 152, comment="the left palatine bone from behind")
    body = []
    for g in groups:
        body.extend(g.svg())
    leaders = [
        "leader Form18.Label1 Form19.Text1 from 124 45",
        "leader Form18.Label2 Form19.Text2 from 100 120",
        "leader Form18.Label3 Form19.Text3 from 172 186",
        "leader Form18.Label4 Form19.Text4 from 93 243",
        # the label and the answer box below the drawing stand 9 pixels apart: the line forks
        "leader Form18.Label5 from 181 436 via 181 459",
        "leader Form19.Text5 from 181 436 via 181 459",
        "leader Form18.Label6 from 417 430 via 417 459",
        "leader Form19.Text6 from 417 430 via 417 459",
        "leader Form18.Label7 Form19.Text7 from 473 140",
        "leader Form18.Label8 Form19.Text8 from 440 50",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


# ============================================================================
# The whole skull, from the front and from the side
# ============================================================================

def front_view(g):
    """The skull from the front: x from the midline, y down, y = 0 at the orbit's floor."""
    # the mandible lies behind the cheek bones: drawn first, the cranium over it
    mandible(g, shade_rami=False)
    teeth(g, UPPER_TEETH, 36, both=True)
    right = [
        (0, -130),
        (23, -127.5), (42, -119.5), (55, -106.5), (62, -90), (65, -72), (65.5, -54),
        (63.5, -38), (61, -24), (59.5, -12),                      # side of the vault
        (61.5, -6), (63.5, -1), (63.5, 5), (61, 9.5),             # zygomatic arch
        (56, 11.5), (50, 15.5), (45.5, 20),                       # lower border of the cheek bone
        (40.5, 24), (36, 29.5), (32.5, 34.5),                     # down to the first molar
        (30.4, 39.2, "c"),
        (28.3, 39.8), (26.7, 40.5, "c"), (25.1, 40.8), (23.5, 41.3, "c"),
        (21.9, 41.6), (20, 42.3, "c"), (18.2, 42.0), (15.8, 43.0, "c"), (13.3, 42.6),
        (10.8, 43.4, "c"), (8.2, 42.9), (4.5, 43.7, "c"), (0, 43.2),  # alveolar margin
    ]
    g.body(sym(right), width=W_OUT)
    # the pocket between the upper molars, the cheek bone and the ramus
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        pocket = R([(33, 35), (36.5, 30), (41, 25), (45.5, 21), (44, 30), (43, 40), (40, 46),
                    (35, 50.5), (31, 46), (30.4, 40)])
        g.hatch(pocket, 60, 1.5, W_FINE)
    # orbits
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        orbit = R([(13, -31), (21, -35.5), (31, -36.5), (41, -33.5), (47.5, -27), (50, -18),
                   (48.5, -7), (42, -0.5), (32, 1), (22, 0), (15, -3.5), (11.5, -11), (11, -22)])
        g.hole(orbit, width=W_OUT)
        # shadow under the roof and along the outer wall
        g.hatch(R([(13, -31), (21, -35.5), (31, -36.5), (41, -33.5), (47.5, -27), (50, -18),
                   (48.5, -7), (45, -9), (45, -22), (38, -29), (28, -31), (18, -28)]), 65, 1.6,
                W_FINE)
        # the fissures and the optic canal at the back of the orbit
        g.line(R([(21, -17.2), (25, -19.8), (30.5, -24, "c"), (25.5, -18.6), (22, -16)]),
               W_FINE, closed=True)
        g.line(R([(26, -8), (33, -9.5), (40, -12.5)]), W_IN)
        # lacrimal fossa
        g.line(R([(14.5, -14), (16, -9), (15.5, -4.5)]), W_FINE)
    # nasal aperture, with the septum and the conchae inside
    ap_right = [(0, -6), (5, -7.5), (9.5, -6.5, "c"), (12.5, 1), (14, 9), (13, 16), (10, 21),
                (5, 23.5), (0, 22.5)]
    g.hole(sym(ap_right), width=W_OUT)
    g.hatch(sym([(0, -6), (5, -7.5), (9.5, -6.5), (12, 0), (9, 2), (4, 0), (0, -1)]), 110, 1.4,
            W_FINE)
    g.body([(-1.2, -5.5), (1.3, -5.5), (1.8, 4), (1.2, 14), (1.8, 21.5), (-1.5, 21.5), (-0.8, 14),
            (-1.4, 4)], width=W_IN)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        g.body(R([(13.4, 7), (9, 8.5), (5.5, 11), (4.8, 14.5), (6.5, 16.5), (9.5, 15.5),
                  (13.2, 15.5)]), width=W_IN)
        g.body(R([(11.2, -2.5), (7, -0.5), (4.2, 2.5), (4.6, 5.5), (7, 5.5), (12, 4)]),
               width=W_IN)
    g.line([(0, 23.5), (0, 43)], W_FINE)                          # intermaxillary suture
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        # nasal bone
        g.line(R([(4.5, -28.5), (5.5, -20), (7.5, -12), (9.5, -6.5)]), W_IN)
        # frontal process of the maxilla and the infra-orbital margin
        g.line(R([(15.5, -3.5), (22, 0.5), (32, 1.5)]), W_FINE)
        g.hole(R(ellipse_pts(22.5, 7.5, 1.3, 1.7, rot=-15, n=10)), width=W_FINE, fill="#000")
        g.line(R([(15.2, 40), (14.6, 31), (15.5, 23)]), W_FINE)   # canine eminence
        # cheek bone: its sutures with maxilla and frontal, its foramen, the prominence
        g.suture(R([(34, 1.2), (37.5, 9), (41, 16), (45.5, 20)]), amp=0.5, period=1.8)
        g.suture(R([(49.5, -24), (52, -23.5), (55.5, -24)]), amp=0.5, period=1.6)
        g.dot(R([(50, 3)])[0], 0.6)
        g.line(R([(44, 12), (51, 8), (58, 3)]), W_FINE)
        # temporal line and the fossa below it
        tl = R([(47, -28), (51.5, -46), (55.5, -66), (57.5, -86), (55, -100)])
        g.line(tl, W_IN)
        g.hatch(R([(47.5, -27), (51.5, -46), (55.5, -66), (57.5, -86), (55, -100), (62, -90),
                   (65, -72), (65.5, -54), (63.5, -38), (61, -24), (59.5, -12), (61.5, -6),
                   (56, -10), (52, -16), (50, -20)]), 80, 2.3, W_FINE)
        # supraorbital notch, superciliary arch, frontal eminence
        g.line(R([(23.5, -36.2), (24.5, -38.3), (26, -36.6)]), W_FINE)
        g.line(R([(7, -42), (16, -45), (27, -44.5)]), W_FINE)
    # coronal suture, seen over the top of the head; frontonasal suture
    cor = [(0, -121), (24, -117.5), (42, -109.5), (53.5, -96.5), (59.5, -80), (62, -62), (62.5, -46)]
    g.suture(mirror_x(list(reversed(cor)))[:-1] + cor, amp=0.55, period=2.0)
    g.suture([(-4.5, -28.5), (0, -28), (4.5, -28.5)], amp=0.4, period=1.5)
    g.line([(0, -28), (0, -7.5)], W_FINE)                          # between the nasal bones
    g.line([(-3.5, -31.5), (0, -32.5), (3.5, -31.5)], W_FINE)     # glabella


# Lower teeth from the side (front to the left): x from, x to, tip of the crown, kind.
SIDE_LOWER_TEETH = [
    (-98.5, -94.0, 46.2, "i"), (-94.2, -89.8, 46.4, "i"), (-90.2, -84.5, 45.8, "c"),
    (-84.8, -78.8, 47.2, "p"), (-79.0, -73.0, 47.6, "p"), (-73.2, -62.8, 48.0, "m"),
    (-63.0, -53.5, 48.4, "m"),
]
# Upper teeth in the same frame.
SIDE_UPPER_TEETH_SKULL = [
    (-101.8, -96.2, 48.8, "i"), (-96.6, -91.6, 48.0, "i"), (-92.0, -85.0, 49.0, "c"),
    (-85.2, -79.0, 47.4, "p"), (-79.2, -73.2, 47.0, "p"), (-73.4, -64.0, 46.6, "m"),
    (-64.2, -56.0, 46.2, "m"),
]


def side_cranium(g):
    """The cranium from the left (face to the left): origin at the ear hole, y = 0 at the
    level of the orbit's floor and the ear hole."""
    out = [
        (-93, -30, "c"),                                             # nasion
        (-97, -38), (-98, -48), (-96, -62), (-90, -79), (-79, -95),  # forehead
        (-62, -108), (-40, -117), (-16, -121.5),
        (8, -121), (30, -116), (50, -104), (66, -88),               # top of the vault
        (78.5, -69), (87, -50), (89.5, -35), (88, -22),             # back of the head
        (84, -12),                                                   # inion
        (77, -1), (64, 8), (48, 13.5), (34, 15.5), (26, 16),        # under the occiput
        (21, 19), (16.5, 25), (13.5, 28.5), (10.5, 27), (7.5, 21), (5, 12),  # mastoid process
        (0, 9), (-5, 8), (-7.5, 5),                                  # under the ear hole
        (-11, 2.5), (-15, 3.5), (-18.5, 5.5),                        # fossa, articular tubercle
        (-27, 5.2), (-37, 5.6), (-45, 6.5),                          # lower edge of the arch
        (-51, 12), (-55.5, 22), (-57.5, 32), (-57, 39.5, "c"),       # back of the maxilla
        (-60, 40.5), (-64.2, 40.3, "c"), (-68.5, 41), (-73.4, 40.6, "c"), (-76.5, 41),
        (-79.2, 41.2, "c"), (-82, 41.6), (-85.2, 41.5, "c"), (-88.5, 42.2), (-92, 42, "c"),
        (-94.5, 42.2), (-96.6, 41.6, "c"), (-99, 42.2), (-101.8, 41.5, "c"),  # alveolar margin
        (-102.8, 34), (-103.5, 27.5),                                # front of the jaw
        (-109, 22.5, "c"),                                           # anterior nasal spine
        (-102, 19), (-97.5, 12.5), (-96.5, 4), (-99, -3.5),          # edge of the nasal opening
        (-105.5, -8.5, "c"),                                         # tip of the nasal bones
        (-101, -17), (-96.5, -25),                                   # bridge of the nose
    ]
    g.body(out, width=W_OUT)
    # the orbit, seen edge on: its far wall in shadow
    orbit = [(-79, -31), (-84, -37), (-91, -37.5), (-96, -33), (-96.5, -24), (-95.5, -14),
             (-93.5, -5), (-90, 0.5), (-84, 1.5), (-79, -2.5), (-77.5, -13), (-78, -24)]
    g.hole(orbit, width=W_OUT)
    g.hatch([(-79, -31), (-84, -37), (-91, -37.5), (-96, -33), (-90, -31), (-84, -27),
             (-81, -14), (-81, -3), (-79, -2.5), (-77.5, -13), (-78, -24)], 75, 1.5, W_FINE)
    g.line([(-94, -22), (-92, -12), (-91, -3)], W_FINE)              # lacrimal crest
    # ear hole
    g.hole(ellipse_pts(0, 0, 4, 4.8, rot=-12, n=20), width=W_OUT)
    g.hatch(ellipse_pts(0.6, 0.4, 3, 3.8, rot=-12, n=14), 45, 1.3, W_FINE)
    # styloid process
    g.body([(-4, 8), (-8, 18), (-13.5, 31, "c"), (-9.5, 18.5), (-1.5, 8.5)], width=W_IN)
    # mastoid: rough surface, notch
    g.hatch([(12, 12), (22, 9), (27, 14), (21, 19), (16.5, 25), (13.5, 27), (11, 20)], 60, 2.2, W_FINE)
    g.line([(8, 11), (10, 18), (12.5, 24)], W_FINE)
    # sutures of the vault
    g.suture([(-19, -121), (-21, -110), (-27, -94), (-35, -76), (-44, -59), (-50.5, -48),
              (-55, -41)], amp=0.6, period=2.0)                     # coronal
    g.suture([(-55, -41), (-49, -42.5), (-45, -42)], amp=0.4, period=1.6)  # spheno-parietal
    g.line([(-45, -42), (-39, -47), (-26, -51.5), (-9, -53), (7, -49.5), (19, -41), (26, -31),
            (28.5, -23)], W_IN)                                     # squamous suture
    g.suture([(28.5, -23), (36.5, -17.5), (44, -12)], amp=0.5, period=1.8)  # parieto-mastoid
    g.suture([(66, -88), (64.5, -75), (61.5, -58), (56.5, -41), (50.5, -25), (44, -12)],
             amp=0.8, period=2.2)                                   # lambdoid
    g.suture([(44, -12), (39, 0), (32, 10), (27, 15)], amp=0.5, period=1.8)  # occipitomastoid
    # greater wing of the sphenoid between frontal, parietal, temporal and cheek bone
    g.suture([(-55, -41), (-61, -36), (-67.5, -31.5)], amp=0.45, period=1.6)  # spheno-frontal
    g.suture([(-45, -42), (-43.5, -30), (-42, -18), (-41, -7)], amp=0.45, period=1.6)  # spheno-squamous
    # cheek bone: its outline against frontal, sphenoid, temporal and maxilla
    g.suture([(-80.5, -30.5), (-77, -31), (-73.5, -30)], amp=0.4, period=1.5)  # fronto-zygomatic
    g.line([(-73.5, -30), (-70.5, -24), (-70, -17), (-67, -9.5), (-59, -5), (-51, -4)], W_IN)
    g.suture([(-51, -4), (-48, 1.5), (-45, 6.5)], amp=0.45, period=1.5)  # zygomatico-temporal
    g.line([(-45, 6.5), (-53, 9.5), (-62, 14), (-70, 20.5)], W_IN)  # its lower border
    g.line([(-79, 8), (-70, 6), (-60, 3)], W_FINE)                  # the cheek's prominence
    g.suture([(-70, 20.5), (-76, 13), (-82, 6), (-85.5, 1.5)], amp=0.45, period=1.5)  # zygomatico-maxillary
    g.dot((-74, -2), 0.6)
    # the arch, its upper edge running back into the supramastoid crest
    g.line([(-51, -4), (-40, -4), (-28, -4), (-17, -5), (-5, -7), (10, -8.5), (24, -11)], W_IN)
    # temporal line
    g.line([(-79, -34), (-75, -50), (-63, -67), (-40, -81), (-8, -87), (24, -83), (48, -68),
            (60, -48), (61, -32), (54, -21), (42, -14)], W_FINE)
    # nasal bone, frontal process of the maxilla, the maxilla's face
    g.line([(-94, -27.5), (-96, -17), (-98.5, -6.5)], W_IN)
    g.suture([(-92.5, -30), (-95.5, -30.5), (-98, -36)], amp=0.35, period=1.4)  # fronto-nasal
    g.hole(ellipse_pts(-84, 8.5, 1.2, 1.5, n=10), width=W_FINE, fill="#000")  # infra-orbital foramen
    g.line([(-89, 41), (-91.5, 30), (-94, 19)], W_FINE)             # canine eminence
    g.line([(-70, 20.5), (-68, 28), (-68.5, 38)], W_FINE)           # zygomatico-alveolar crest
    # shading in the temporal fossa, under the arch and behind the cheek bone
    g.hatch([(-70, -17), (-67, -9.5), (-59, -5), (-53, -4.3), (-56, -12), (-62, -20),
             (-67.5, -31.5), (-70.5, -24)], 60, 2.0, W_FINE)


def side_mandible(g):
    """The mandible from the left, in the frame of side_cranium (its teeth drawn before)."""
    pts = [
        (-4.5, 6), (-6, 1.5), (-10.5, -0.2), (-14.5, 2.5, "c"),     # condyle
        (-15, 7), (-19, 12), (-25, 13.5), (-30.5, 10),              # mandibular notch
        (-37.5, 2, "c"),                                             # coronoid process
        (-39, 12), (-40.5, 24), (-43, 35), (-46.5, 44), (-52, 51.5, "c"),  # front of the ramus
        (-56, 53.3), (-58, 52.8, "c"), (-60.5, 53.6), (-63, 52.9, "c"), (-68, 53.6),
        (-73.1, 52.6, "c"), (-76, 53.4), (-78.9, 52.6, "c"), (-81.8, 53.6), (-84.6, 52.7, "c"),
        (-87.4, 53.7), (-90, 52.9, "c"), (-92, 53.8), (-94.1, 53.2, "c"), (-96.3, 54), (-98.6, 53.6, "c"),
        (-98.6, 59), (-96.6, 66), (-97, 74), (-98, 81), (-95.5, 89),  # chin
        (-87, 94.5),                                                 # menton
        (-72, 93.5), (-54, 89), (-37, 82), (-24, 73),               # lower border
        (-16, 68.5), (-11, 63.5), (-8.5, 56),                        # angle
        (-6.5, 40), (-5, 22), (-4, 11),                              # hind border
    ]
    g.body(pts, width=W_OUT)
    # oblique line, mental foramen, the rough angle, the condyle's neck
    g.line([(-43, 35), (-49, 50), (-58, 62), (-68, 70)], W_FINE)
    g.hole(ellipse_pts(-77, 74, 1.4, 1.1, n=10), width=W_FINE, fill="#000")
    g.hatch([(-8.5, 45), (-8.5, 56), (-11, 63.5), (-16, 68.5), (-24, 73), (-17, 64), (-12, 54)], 50,
            1.8, W_FINE)
    g.line([(-14, 5.5), (-10.5, 7.5), (-5.5, 7)], W_FINE)


def side_arch(g):
    """The zygomatic arch again, over the coronoid process."""
    arch = [(-16, -5), (-28, -4), (-40, -4), (-51, -4), (-48, 1.5), (-45, 6.5), (-37, 5.6),
            (-27, 5.2), (-18.5, 5.5), (-15, 3.5), (-14, -2)]
    g.fill(arch, BONE)
    g.line([(-14, -5.5), (-28, -4), (-40, -4), (-51, -4)], W_IN)
    g.line([(-45, 6.5), (-37, 5.6), (-27, 5.2), (-18.5, 5.5)], W_OUT)
    g.suture([(-51, -4), (-48, 1.5), (-45, 6.5)], amp=0.45, period=1.5)


def side_view(g, with_mandible=True):
    # lower teeth, the upper teeth in front of them, the bones holding their roots
    if with_mandible:
        for x0, x1, t, k in SIDE_LOWER_TEETH:
            g.body(side_tooth_pts(x0, x1, t, 56.5, k, lean=0.6 if k == "i" else 0), width=W_IN)
    for x0, x1, t, k in SIDE_UPPER_TEETH_SKULL:
        g.body(side_tooth_pts(x0, x1, t, 38.5, k, lean=-0.8 if k == "i" else 0), width=W_IN)
    side_cranium(g)
    if with_mandible:
        side_mandible(g)
        side_arch(g)


def face():
    W, H = 157, 281
    g = Group("skull", Place(78.5, 162, 1.13), "the skull from the front")
    front_view(g)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def face_small():
    W, H = 130, 233
    g = Group("skull", Place(65, 133, 0.935), "the skull from the front")
    front_view(g)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def cranium_side():
    W, H = 225, 188
    g = Group("cranium", Place(119, 133, 1.03), "the cranium from the left")
    side_view(g, with_mandible=False)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def skull():
    W, H = 500, 293
    S = 1.2
    side = Group("skull-side", Place(148, 159, S), "the skull from the left")
    side_view(side)
    front = Group("skull-front", Place(386, 168, S), "the skull from the front")
    front_view(front)
    return svg(W, H, side.svg() + front.svg(), None, "Written by tools/art/skull.py")



# ============================================================================
# The newborn's vault from above
# ============================================================================

OLIVE = "rgb(128,128,0)"   # the fontanelles


def newborn_vault(g):
    """A newborn's skull from above, face to the top; millimetres, origin at the bregma.
    The bones are separate plates with membrane between them: the sutures are drawn as
    narrow gaps, and where several meet the gap widens into a fontanelle."""
    right = [(0, -43), (16, -41.5), (30, -34), (40, -20), (45.5, -2), (47.5, 18),
             (46, 38), (39.5, 56), (27, 70), (13, 76.5), (0, 78)]
    vault = sym(right)
    g.body(vault, width=1.2)
    # membrane between the plates: a gap edged on both sides
    sutures = [
        [(0, -42.2), (0.6, -33), (-0.4, -24), (0, -18)],                  # metopic
        [(11, 0), (22, 1.6), (34, 3.2), (46.9, 5.5)],                     # coronal, left
        [(-11, 0), (-22, 1.6), (-34, 3.2), (-46.9, 5.5)],                 # coronal, right
        [(0, 12), (0.5, 30), (-0.5, 48), (0, 60)],                        # sagittal
        [(6.5, 66.5), (16, 64.5), (26, 63), (36.5, 60.5)],                # lambdoid, left
        [(-6.5, 66.5), (-16, 64.5), (-26, 63), (-36.5, 60.5)],            # lambdoid, right
    ]
    for sut in sutures:
        poly = g._px(sut)
        g.raw(path(outline(poly, False), False, "none", 2.6))
        g.raw(path(outline(poly, False), False, "none", 1.3, GROUND))
    # the bones ossify outwards from their eminences: fine rays on each plate
    for sx in (1, -1):
        for (cx, cy), r0, r1, angles in (((22, 33), 3.5, 16, range(0, 360, 24)),
                                          ((17, -21), 3, 11, range(10, 360, 30))):
            for a in angles:
                t = math.radians(a + (7 if sx > 0 else -7))
                g.line([(sx * (cx + r0 * math.cos(t)), cy + r0 * math.sin(t)),
                        (sx * (cx + r1 * math.cos(t)), cy + r1 * math.sin(t))], W_FINE)
    # the fontanelles: the anterior a diamond with its long point forward between the
    # halves of the frontal bone, the posterior a small triangle at the top of the occipital
    anterior = [(0, -19.5, "c"), (3.2, -11), (7, -4.5), (12, 0, "c"), (6.5, 4.5), (2.8, 8.5),
                (0, 13.5, "c"), (-2.8, 8.5), (-6.5, 4.5), (-12, 0, "c"), (-7, -4.5), (-3.2, -11)]
    posterior = [(0, 58.5, "c"), (3.2, 62.5), (7.4, 66.8, "c"), (0, 67.2), (-7.4, 66.8, "c"),
                 (-3.2, 62.5)]
    for f in (anterior, posterior):
        g.body(f, width=1.0, fill=OLIVE)
    g.line(vault, 1.2, closed=True)   # over the ends of the sutures


def fontanelle():
    W, H = 205, 240
    place = Place(94, 96, 1.6)
    g = Group("newborn-vault", place, "a newborn's skull from above, the face at the top")
    newborn_vault(g)
    # one line gathers both fontanelles: an arm from each meets beside the skull
    fork = (186, 132)
    ant = place((5.5, 2.0))
    post = place((0.6, 64.8))
    leaders = [
        f"leader Form25.Label6 from {int(ant[0])} {int(ant[1])} via {fork[0]} {fork[1]}",
        f"leader Form25.Label6 from {int(post[0])} {int(post[1])} via {fork[0]} {fork[1]}",
    ]
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
