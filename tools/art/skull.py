#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the six skull drawings.

    python3 tools/art/skull.py [assets/drawings] [name ...]

Names: skull, cranium-side, cranial-bones, face, face-small, facial-bones.
Every bone is drawn in millimetres in a frame of its own (see skullgeo.py)
and placed on the drawing; the front views are built from their right half
and mirrored. Leader lines are not drawn here: the drawings that carry them
hold a <metadata id="leaders"> block that the rasteriser turns into blue
lines ending at the labels of the screens.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skullgeo import (BONE, GROUND, Group, Place, ellipse_pts, mirror_x,  # noqa: E402
                      svg, sym, sym_serr)

W_OUT = 1.0     # outline
W_IN = 0.6      # inner lines
W_FINE = 0.45   # hatching, faint lines
SERR = (0.7, 2.0)   # serrated border of a bone drawn apart (pixels)


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
    # squama: nuchal lines, protuberance, crest
    g.line([(0, -44), (14, -43), (30, -38), (46, -30)], W_IN)
    g.line([(0, -44), (-14, -43), (-30, -38), (-46, -30)], W_IN)
    g.line([(0, -55), (18, -54), (36, -47), (50, -36)], W_FINE)
    g.line([(0, -55), (-18, -54), (-36, -47), (-50, -36)], W_FINE)
    g.line([(0, -27), (12, -27), (26, -22), (34, -14)], W_FINE)
    g.line([(0, -27), (-12, -27), (-26, -22), (-34, -14)], W_FINE)
    g.line([(0, -45), (0, -18)], W_IN)
    g.body(ellipse_pts(0, -46, 4.5, 3.2, n=14), width=W_IN)
    # lateral parts of the squama turn away: a little hatching
    for sx in (1, -1):
        g.hatch([(sx * 40, -40), (sx * 52, -40), (sx * 55, -26), (sx * 46, -6),
                 (sx * 40, -16)], 70, 2.4, W_FINE)
    # foramen magnum and the condyles beside it
    g.hole(ellipse_pts(0, 2, 13, 16, n=28), width=W_OUT)
    for sx in (1, -1):
        g.body(ellipse_pts(sx * 18, 8, 5.5, 11, rot=sx * -22, n=22), width=W_IN)
        g.hatch(ellipse_pts(sx * 19.5, 8, 3.5, 9, rot=sx * -22, n=16), 20, 2.0, W_FINE)
    # basilar part: pharyngeal tubercle
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
    # the bone bulges: it turns away along its back and lower edges
    g.hatch([(57, -42), (62, -16), (59, 8), (53, 24), (51, 8), (54, -16), (52, -38)],
            60, 2.4, W_FINE)
    g.hatch([(45, 31), (30, 25), (12, 17), (-8, 15), (-27, 21), (-43, 34), (-50, 40),
             (-36, 24), (-16, 12), (6, 11), (28, 19), (48, 24)], 110, 2.6, W_FINE)
    g.hatch([(-57, -44), (-30, -48), (0, -50), (-30, -44), (-54, -38)], 100, 2.6, W_FINE)


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

    def add(gid, fn, ox, oy, mirror=False, comment="", s=S):
        g = Group(gid, Place(ox, oy, s, mirror), comment)
        fn(g)
        groups.append(g)
        return g

    add("occipital", occipital, 74, 90, comment="external surface, seen from behind and below")
    add("parietal-left", parietal, 218, 92, comment="the left parietal from the outside")
    add("parietal-right", parietal, 360, 92, mirror=True, comment="the right parietal from the outside")
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
        "leader Form17.Label2 Form20.Text2 from 164 134",
        "leader Form17.Label3 Form20.Text3 from 190 202",
        "leader Form17.Label4 Form20.Text4 from 57 254",
        "leader Form17.Label5 Form20.Text5 from 171 338",
        "leader Form17.Label6 Form20.Text6 from 288 355",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


DRAWINGS = {
    "cranial-bones": cranial_bones,
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
