# SPDX-License-Identifier: GPL-3.0-or-later
"""The bone atlas: every bone of the limbs drawn once, in millimetres, in a frame of its own.

A drawing takes a bone from here and places it (uniform scale, offset, optional mirror),
so that a femur is the same femur, in the same proportion to the tibia, wherever it is
drawn. Lengths follow an adult of about 170 cm (anatomical reference values):

    femur 450 (26.5 % of stature)    tibia 370     fibula 360     patella 48 high
    humerus 330                      ulna 265      radius 245     clavicle 145
    scapula 155 high, 100 wide       foot 265 heel to great toe   hand 205 from the carpus

so that femur : tibia is about 1.2, humerus : radius about 1.35, foot : tibia about 0.7
and hand : radius about 0.8. PROPORTIONS holds the ranges; check() measures the bones.

Frames: x to the right of the page, y down the page, millimetres. The long bones of the
leg are the left leg seen from the front (medial side to the left); those of the arm
the right arm seen from behind (medial side to the left), which is how the limb drawings
show them. The foot is the left foot seen from above, toes down the page; the hand the
right hand seen from the palm, fingers down the page (mirror it for the back of the
right hand). Each bone keeps named marks: joint centres to place its neighbours by, and
points on its body where a leader line may start.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry import add, mul, norm, perp, polyline_at, profile_points, ray, sub  # noqa: E402

# The proportions the bones must keep, from anatomical reference values: (bone, bone,
# lowest and highest ratio of their lengths). check() measures the outlines against them.
PROPORTIONS = [
    ("femur", "tibia", 1.18, 1.30),
    ("fibula", "tibia", 0.93, 1.0),
    ("humerus", "radius", 1.28, 1.45),
    ("ulna", "radius", 1.05, 1.14),
    ("femur", "humerus", 1.30, 1.42),
    ("foot", "tibia", 0.65, 0.78),
    ("hand", "radius", 0.75, 0.90),
    ("clavicle", "humerus", 0.40, 0.48),
    ("scapula", "humerus", 0.43, 0.52),
    ("patella", "tibia", 0.11, 0.15),
]


def side_strokes(axis, prof, t0, t1, count, side=1, depth=0.45, slant=0.0):
    """Short shading strokes from one edge of a profiled bone inwards, as point pairs.

    side=1: the right edge looking along the axis; -1 the left. depth: stroke length
    as a fraction of the local half width; slant shifts the inner end along the axis
    (in the axis' own units)."""
    out = []
    for i in range(count):
        t = t0 + (t1 - t0) * (i + 0.5) / count
        hw = _width_at(prof, t, side)
        p, dvec = polyline_at(axis, t)
        nrm = perp(dvec)
        u = norm(dvec)
        edge = add(p, mul(nrm, side * hw * 0.9))
        inner = add(add(p, mul(nrm, side * hw * (1 - depth))), mul(u, slant))
        out.append([edge, inner])
    return out


def _width_at(prof, t, side):
    idx = 1 if side < 0 or len(prof[0]) == 2 else 2
    for a, b in zip(prof, prof[1:]):
        if a[0] <= t <= b[0]:
            wa = a[idx] if len(a) > idx else a[1]
            wb = b[idx] if len(b) > idx else b[1]
            u = (t - a[0]) / (b[0] - a[0]) if b[0] > a[0] else 0
            return wa + (wb - wa) * u
    e = prof[-1] if t > prof[-1][0] else prof[0]
    return e[idx] if len(e) > idx else e[1]


# ----------------------------------------------------------------------------
# parametric small long bones (metacarpals, metatarsals, phalanges)
def small_local(L, wb, ws, wh, kind, spur=0.0):
    """Outline of a small long bone in local coordinates (along the axis, across it).

    kind "meta": metacarpal or metatarsal, round head; "prox": proximal or middle
    phalanx, its head with two condyles; "distal": distal phalanx with its tuft."""
    right = []
    if kind == "meta":
        right = [(0.02 * L, wb * 0.9), (0.09 * L, wb), (0.2 * L, ws * 1.3), (0.34 * L, ws * 1.03),
                 (0.55 * L, ws), (0.7 * L, ws * 1.06)]
        cx = L - wh * 0.95
        head = [(cx - wh * 0.25, wh * 0.97)] + [
            (cx + wh * math.cos(math.radians(a)), wh * math.sin(math.radians(a))) for a in (55, 28)]
        tip = [(cx + wh, 0)]
        base = [(0.0, 0)]
    elif kind == "prox":
        right = [(0.03 * L, wb), (0.12 * L, wb * 0.97), (0.3 * L, ws * 1.15), (0.5 * L, ws),
                 (0.7 * L, ws * 1.04)]
        head = [(L - wh * 0.75, wh), (L - wh * 0.12, wh * 0.72), (L, wh * 0.3)]
        tip = [(L - wh * 0.1, 0, "c")]
        base = [(0.035 * L, 0)]
    elif kind == "mid":  # short middle phalanx of a lesser toe
        right = [(0.04 * L, wb), (0.2 * L, wb * 0.93), (0.5 * L, ws), (0.75 * L, ws * 1.05)]
        head = [(L - wh * 0.6, wh), (L - wh * 0.1, wh * 0.65)]
        tip = [(L, 0)]
        base = [(0.03 * L, 0)]
    elif kind == "tip":  # distal phalanx of a toe: a short bullet with a rounded end
        right = [(0.05 * L, wb), (0.3 * L, wb * 0.9), (0.55 * L, ws)]
        head = [(0.75 * L, wh), (0.92 * L, wh * 0.7)]
        tip = [(L, 0)]
        base = [(0.02 * L, 0)]
    else:  # distal
        right = [(0.02 * L, wb), (0.13 * L, wb * 0.9), (0.3 * L, ws), (0.5 * L, ws * 0.8),
                 (0.64 * L, ws * 0.85)]
        # the tuft: past a slender waist the tip spreads into a broad, blunt spade under
        # the nail, wider than the shaft and flatter than the rounded heads of the others
        head = [(0.74 * L, wh * 1.15), (0.86 * L, wh * 1.22), (0.96 * L, wh * 0.95)]
        tip = [(L, 0)]
        base = [(0.04 * L, 0)]
    left = [(p[0], -p[1]) for p in reversed(head)] + [(p[0], -p[1]) for p in reversed(right)]
    if spur:  # a tuberosity jutting out backwards at the base, on the left side
        left = left[:-2] + [(0.16 * L, -wb * (1 + 0.3 * spur)), (0.04 * L, -wb * (1 + spur)),
                            (-0.05 * L * spur, -wb * (1 + 0.8 * spur)), (-0.03 * L * spur, -wb * 0.75)]
    return right + head + tip + left + base


def small_bone(base, head, wb, ws, wh, kind="meta", spur=0.0):
    """Outline, axis and shading profile of a small long bone from its base to its head."""
    L = math.dist(base, head)
    u = norm(sub(head, base))
    n = perp(sub(head, base))
    pts = []
    for q in small_local(L, wb, ws, wh, kind, spur):
        p = add(add(base, mul(u, q[0])), mul(n, q[1]))
        pts.append(p + tuple(q[2:]))
    prof = [(0, wb), (0.21, ws * 1.28), (0.34, ws * 1.03), (0.55, ws), (0.7, ws * 1.06), (0.9, wh)]
    return pts, [base, head], prof


# ----------------------------------------------------------------------------
# models: bones in millimetres, placed into a drawing by a transform
class Model:
    """Shapes of a group of bones: ("bone", group, points, name) with optional
    details ("line"/"hatch") attached to the last bone, and named marks."""

    def __init__(self):
        self.shapes = []
        self.marks = {}

    def bone(self, group, name, pts):
        self.shapes.append({"group": group, "name": name, "pts": pts, "lines": [], "hatch": []})
        return self

    def line(self, pts):
        self.shapes[-1]["lines"].append(pts)
        return self

    def hatch(self, strokes):
        self.shapes[-1]["hatch"] += strokes
        return self

    def mark(self, name, p):
        self.marks[name] = p
        return self

    def ray_bone(self, group, name, base, head, wb, ws, wh, kind="meta", hatch=0, side=-1, spur=0.0):
        outline, axis, prof = small_bone(base, head, wb, ws, wh, kind, spur)
        self.bone(group, name, outline)
        if hatch:
            self.hatch(side_strokes(axis, prof, 0.3, 0.72, hatch, side, 0.5, 1.5))
        return self

    def extent(self, axis=1):
        """Smallest and largest coordinate of every outline point along x (0) or y (1)."""
        v = [p[axis] for sh in self.shapes for p in sh["pts"]]
        return min(v), max(v)


def chain(model, group, start, gap, segs, names, hatch=(3, 2, 0)):
    """A row of phalanges from a joint outwards: segs are (angle, length, wb, ws, wh, kind);
    angle 90 points down the page; gap is the joint space between neighbours."""
    p = start
    for i, (seg, name) in enumerate(zip(segs, names)):
        ang, length, wb, ws, wh, kind = seg
        base = ray(p, ang, gap)
        head = ray(base, ang, length)
        model.ray_bone(group, name, base, head, wb, ws, wh, kind, hatch=hatch[min(i, len(hatch) - 1)])
        p = head




# ----------------------------------------------------------------------------
# the left foot seen from above, toes pointing down the page, great toe to the left;
# millimetres, heel at y = 0
def foot_model():
    m = Model()
    T, M, P = "tarsals", "metatarsals", "phalanges"
    # the calcaneus from above, the largest tarsal, drawn whole as the block it is, and the
    # talus drawn after it lying on it. Of the calcaneus what shows is its tuberosity, the
    # heel, broad behind the talus; a band of its lateral part outside the talus, under the
    # lateral malleolus; in front of the talus's lateral process, beside the talar neck,
    # the floor of the sinus tarsi and the anterior process reaching forwards, its front end
    # broad and flat against the cuboid as the calcaneocuboid joint is, its inner corner
    # reaching forwards between the cuboid and the navicular's outer end, a joint space
    # from each, so that no gap opens between the talus, the navicular and the cuboid. Its
    # medial border, hollowed behind the sustentaculum, runs in from the tuberosity's medial
    # process under the back of the talus, so that the talus's back edge crosses over it;
    # the sustentaculum, which carries the talar neck, lies out of sight beneath it.
    m.bone(T, "calcaneus: heel bone, its tuberosity behind and its lateral part outside the talus",
           [(42.5, 20), (42, 11.5), (45, 5), (51, 1.2), (59, 0), (67, 0.6), (74, 3), (78.8, 8),
            (80.8, 16), (81.2, 30), (81.3, 45), (81.8, 60), (82.6, 72), (83.4, 80),
            (83.6, 86), (81, 89.6), (72, 90.6), (65.5, 90.8), (62.5, 92.5), (60.5, 96.5), (57.5, 99),
            (54, 96), (49, 93.5), (45, 87.5),
            (42, 79), (39.5, 73), (38, 66), (38.5, 55), (42, 45), (46.5, 35), (45.2, 27)])
    # the talus from above: the body with its trochlea, the pulley of the ankle joint, a
    # dome wider in front than behind between a medial and a higher lateral ridge, a
    # shallow groove between them; its back edge rounded over the posterior process, the
    # lateral process at its outer front corner; a clearly narrower neck turning forwards
    # and inwards, and the oval head at its end against the hollow of the navicular
    m.bone(T, "talus: trochlea, neck and head",
           [(37.6, 33), (40.5, 29.5), (46, 27), (52, 26.3), (57.8, 27), (61.8, 29.5),
            (64.2, 35.5), (65.8, 47), (67.6, 53.5), (69, 58), (65.5, 60.6), (59.5, 62),
            (54, 65), (50, 69.2), (47.5, 74.2), (46.6, 79), (46.4, 84), (45, 89),
            (41, 93.5), (35, 96.5), (28, 97.8), (21.5, 97.2), (16.5, 94.6), (14, 90.5),
            (14.3, 85.6), (17.5, 80.5), (23.5, 76.4), (29, 72), (32.8, 66), (35.3, 58.5),
            (36.5, 50.5), (37, 40.5)])
    m.line([(42.4, 31.5), (41.2, 43), (40.8, 53.5)])               # medial ridge of the trochlea
    m.line([(59.6, 31), (62, 43), (63.6, 53)])                     # lateral ridge
    m.line([(51.6, 30), (51.8, 43), (52.4, 55)])                   # the groove between the ridges
    m.line([(18, 81.5), (31, 77.5), (44, 78.5)])                   # edge of the head
    # the navicular boat-shaped: as wide as the three cuneiforms in front of it, short from
    # back to front, deepest in the middle of its hollow behind for the head of the talus,
    # rounded in front over the cuneiforms, its tuberosity bulging out at the inner end and
    # its outer end a blunt tip against the cuboid
    m.bone(T, "navicular, its tuberosity at the inner side",
           [(5, 109), (5.5, 103), (8, 98), (12, 95.2), (16.5, 96.8), (21.5, 99.8), (28, 101.5),
            (35, 100.6), (41, 98.2), (45.5, 95.3), (50, 95.6), (54.5, 98.5), (57.8, 103),
            (58, 108), (55, 112.5), (48.5, 116.3), (40, 118.2), (31, 118.8), (22, 118.8),
            (15, 118.4), (10, 117), (6.5, 114)])
    # the cuboid reaching forwards to the bases of the fourth and fifth metatarsals
    m.bone(T, "cuboid: a rough cube in front of the calcaneus",
           [(63.5, 97), (65.5, 92.6), (74, 91.8), (84.5, 92), (89.5, 95.5), (91.4, 108),
            (91, 122), (88.5, 133.5), (78, 140.5), (68.5, 141.5), (65.5, 136), (64.5, 127), (63.8, 112)])
    m.line([(91, 117), (82, 120), (72, 121)])                  # groove for the long peroneal tendon
    # the medial cuneiform, the largest, seen from above along the narrow edge of its wedge
    m.bone(T, "medial cuneiform",
           [(11.5, 121), (17, 120.2), (23.5, 120.2), (29.5, 121), (31.8, 124.5), (32.2, 133),
            (32.2, 142), (31.2, 149.5), (27.5, 152.8), (20, 153.2), (14, 152.5), (11, 149),
            (10, 140), (10.2, 130)])
    # the intermediate cuneiform the smallest, the lateral one between it and the medial
    m.bone(T, "intermediate cuneiform",
           [(35.8, 121), (40.8, 120.2), (45.6, 121), (46.9, 125), (46.8, 133), (46.3, 141),
            (44.5, 144), (40.8, 144.6), (36.6, 143.8), (34.9, 140.5), (34.7, 132), (34.8, 125)])
    m.bone(T, "lateral cuneiform",
           [(49.8, 120.5), (55.5, 119.3), (60.5, 119.8), (62.2, 122.8), (62.6, 132), (62.8, 142),
            (61.2, 145.6), (55.5, 146.6), (50.5, 145.6), (48.8, 136), (48.6, 126)])

    # the hind- and midfoot drawn above are narrowed towards the heel, so that the foot
    # widens from heel to toes as a real one does
    def narrow(p):
        f = 0.86 + 0.14 * min(1.0, max(0.0, (p[1] - 110) / 105))
        return (50 + (p[0] - 50) * f, p[1]) + tuple(p[2:])

    # The tarsals above are drawn long; in life, from above, the calcaneus is about as
    # long as the second metatarsal and the talus some 0.7 of it, the outer column
    # (calcaneus, cuboid) shorter than the inner (talus, navicular, cuneiforms). Each
    # column is shortened to that, by its own piecewise scale along the foot.
    inner = [(0, 0), (21, 22), (96.5, 78), (98.5, 80), (118, 96), (119.5, 97.5), (153, 126)]
    outer = [(0, 0), (98, 80), (100.5, 82), (137, 106)]

    def along(table, y):
        for (y0, v0), (y1, v1) in zip(table, table[1:]):
            if y <= y1:
                return v0 + (v1 - v0) * (y - y0) / (y1 - y0)
        (y0, v0), (y1, v1) = table[-2:]
        return v1 + (v1 - v0) * (y - y1) / (y1 - y0)

    def shorten(p):
        t = min(1.0, max(0.0, (p[0] - 60) / 6))      # 0 on the inner column, 1 on the outer
        return (p[0], (1 - t) * along(inner, p[1]) + t * along(outer, p[1])) + tuple(p[2:])

    for sh in m.shapes:
        f = lambda p: shorten(narrow(p))   # noqa: E731
        sh["pts"] = [f(p) for p in sh["pts"]]
        sh["lines"] = [[f(p) for p in l] for l in sh["lines"]]
        sh["hatch"] = [[f(p) for p in l] for l in sh["hatch"]]

    rays = [  # base, head, half widths at base, shaft, head
        ((20, 129), (16.5, 190), 10.5, 6.5, 10.8),
        ((41, 121), (37.2, 200), 6.2, 3.4, 5.4),
        ((56, 125.5), (56.5, 193.5), 6, 3.3, 5.2),
        ((71, 112), (74.5, 179), 5.2, 3.2, 5.1),
        ((85.5, 110), (91, 172), 5.6, 3.3, 5),
    ]
    # the lesser metatarsals shorten from the second to the fifth; the fifth's base flares out
    # laterally and backwards into its tuberosity, beside the cuboid
    names = ["first metatarsal, short and stout", "second metatarsal, the longest",
             "third metatarsal", "fourth metatarsal", "fifth metatarsal"]
    for i, ((base, head, wb, ws, wh), name) in enumerate(zip(rays, names)):
        nb = narrow(base)
        wb *= (nb[0] - 50) / (base[0] - 50) if base[0] != 50 else 1
        m.ray_bone(M, name, nb, narrow(head), wb, ws, wh, hatch=4, spur=1.6 if i == 4 else 0.0)

    # toes: (angle, length, half widths at base, shaft, head, kind), from the metatarsal head out
    toes = [
        ((16.5, 190), [(94, 29, 8.6, 5.4, 7.4, "prox"), (92, 18, 6.4, 5.0, 5.2, "tip")]),
        ((37.2, 200), [(92.5, 23, 4.4, 2.5, 3.6, "prox"), (92, 9.5, 3.7, 2.9, 3.4, "mid"),
                       (92, 8.5, 3.3, 2.9, 2.7, "tip")]),
        ((56.5, 193.5), [(90, 21.5, 4.3, 2.4, 3.5, "prox"), (90, 8.5, 3.6, 2.8, 3.3, "mid"),
                       (90, 8, 3.1, 2.8, 2.6, "tip")]),
        ((74.5, 179), [(88, 20, 4.2, 2.4, 3.4, "prox"), (90, 8, 3.5, 2.7, 3.2, "mid"),
                         (91, 7.5, 3.0, 2.7, 2.5, "tip")]),
        ((91, 172), [(86, 17, 4.1, 2.3, 3.3, "prox"), (91, 6.5, 3.4, 2.6, 3.1, "mid"),
                         (94, 6.5, 2.9, 2.6, 2.4, "tip")]),
    ]
    toe_names = ["great toe", "second toe", "third toe", "fourth toe", "fifth toe"]
    for (joint, segs), tname in zip(toes, toe_names):
        parts = ["proximal", "distal"] if len(segs) == 2 else ["proximal", "middle", "distal"]
        chain(m, P, joint, 2.2, segs, [f"{tname}, {part} phalanx" for part in parts], (2, 0, 0))
    return m


# The foot under a leg seen from the front: the foot from above as an eye high in front of
# the shin sees it. In front of the ankle its lengths are drawn UNDER_LEG_DEPTH times, a
# little longer than true, so that it reaches down the page as far as a standing foot's
# toes would seem to from there; behind the ankle UNDER_LEG_HEEL times, the heel pressed up
# behind the lower ends of the leg's bones.
UNDER_LEG_ANKLE = (48.0, 30.0)   # the middle of the trochlea's front edge, in the foot's mm
UNDER_LEG_DEPTH = 1.2
UNDER_LEG_HEEL = 0.08
UNDER_LEG_HIDDEN = 44.0   # the calcaneus behind this row of the foot hidden by the ankle:
                          # in front of it its lateral part shows outside the talus from
                          # under the tip of the lateral malleolus


def under_leg(p, ankle=UNDER_LEG_ANKLE, depth=UNDER_LEG_DEPTH, heel=UNDER_LEG_HEEL):
    """A point of foot_model()'s frame in foot_under_leg()'s."""
    dy = p[1] - ankle[1]
    return (p[0] - ankle[0], dy * (depth if dy >= 0 else heel)) + tuple(p[2:])


def _below(points, y0):
    """The part of a closed outline at or below the row y0 (y down), cut along that row."""
    out = []
    for a, b in zip(points, points[1:] + points[:1]):
        if a[1] >= y0:
            out.append(a)
        if (a[1] - y0) * (b[1] - y0) < 0:
            out.append((a[0] + (b[0] - a[0]) * (y0 - a[1]) / (b[1] - a[1]), y0))
    return out


def _medial_edge(points):
    """(x, y) for each whole-millimetre row of a closed outline: its least x on that row."""
    rows = {}
    for a, b in zip(points, points[1:] + points[:1]):
        lo, hi = sorted((a[1], b[1]))
        for y in range(math.ceil(lo), math.floor(hi) + 1):
            x = a[0] if a[1] == b[1] else a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1])
            rows[y] = min(rows.get(y, x), x)
    return sorted((x, y) for y, x in rows.items())


def foot_under_leg(depth=UNDER_LEG_DEPTH, heel=UNDER_LEG_HEEL, hidden=UNDER_LEG_HIDDEN):
    """The left foot from above as it lies under the left leg seen from the front, great toe
    to the left, toes down the page: the talus's trochlea under the tibia, between the
    malleoli; the heel behind the ankle and the upper part of the calcaneus's lateral wall
    behind the lateral malleolus, so that of the calcaneus its lateral part shows outside
    the talus from under the malleolus's tip forwards to its front end at the cuboid. Frame: the middle of the trochlea's front edge at (0, 0), millimetres
    across, lengths drawn `depth` times in front of it. Mirror it for the right foot."""
    m = foot_model()
    for sh in m.shapes:
        if sh["name"].startswith("calcaneus"):
            # seen from in front the sustentaculum lies under the talar neck behind the
            # medial malleolus, out of sight: its shelf kept within the talus's outline
            talus = next(t for t in m.shapes if t["name"].startswith("talus"))
            inner = {round(p[1]): p[0] for p in _medial_edge(talus["pts"])}
            sh["pts"] = [(max(p[0], inner.get(round(p[1]), p[0]) + 2.0), p[1]) + tuple(p[2:])
                         if p[1] > hidden and p[0] < 40 else p for p in sh["pts"]]
            sh["pts"] = _below(sh["pts"], hidden)
            sh["hatch"] = [l for l in sh["hatch"] if min(p[1] for p in l) >= hidden]
        f = lambda p: under_leg(p, UNDER_LEG_ANKLE, depth, heel)   # noqa: E731
        sh["pts"] = [f(p) for p in sh["pts"]]
        sh["lines"] = [[f(p) for p in l] for l in sh["lines"]]
        sh["hatch"] = [[f(p) for p in l] for l in sh["hatch"]]
    return m


FOOT_GROUPS = [("tarsals", "seven tarsals: calcaneus, talus, navicular, cuboid, three cuneiforms"),
               ("metatarsals", "five metatarsals"),
               ("phalanges", "fourteen phalanges: two in the great toe, three in each other toe")]


# ----------------------------------------------------------------------------
# the right hand seen from the palm, fingers pointing down the page, thumb to the left
# (mirrored, the back of the right hand); millimetres, top of the carpus at y = 0
def circle_pts(c, rx, ry, n=8, start=0):
    return [(c[0] + rx * math.cos(2 * math.pi * (i / n) + start),
             c[1] + ry * math.sin(2 * math.pi * (i / n) + start)) for i in range(n)]


def hand_model(palm=True):
    """palm: drawn with what only the palm shows (pisiform, hook of the hamate, tubercle
    of the trapezium); without them for the back of the hand, mirrored."""
    m = Model()
    C, M, P = "carpals", "metacarpals", "phalanges"
    # proximal row, thumb side first, then the distal row
    # the scaphoid a slim boat, smaller than the capitate: drawn broad, then narrowed
    # towards the lunate and a little shortened
    slim = lambda pts: [(40 + (x - 40) * 0.75, 17 + (y - 17) * 0.9) for x, y in pts]   # noqa: E731
    m.bone(C, "scaphoid", slim([(33, 3.5), (38.5, 2.5), (41.5, 5.5), (41.5, 11), (39.5, 15.5),
                                (36, 17.5), (32.5, 20.5), (30, 25), (27, 30.5), (22.5, 32.5),
                                (18.5, 30), (18.5, 24.5), (21, 17.5), (25.5, 10), (29, 5.5)]))
    m.line(slim([(23.5, 27.5), (27, 22), (29.5, 14)]))             # waist of the scaphoid
    # the lunate a half moon of the proximal row: its rounded top against the radius, its
    # hollow below cupping the head of the capitate between two horns
    m.bone(C, "lunate: a half moon over the head of the capitate", [
        (43, 9), (46, 3.5), (51, 1.5), (56, 2.8), (59, 7), (60.2, 13), (60.2, 24, "c"),
        (57.8, 22), (53.4, 20.2), (49, 20.8), (45.5, 24.5, "c"), (43.3, 17)])
    # the triquetrum a little pyramid: its broad base against the lunate, its apex
    # out towards the ulnar side of the wrist
    triquetrum = [(61, 10), (65.5, 7.5), (70, 8.5), (74.5, 13), (78, 20), (79.5, 26.5, "c"),
                  (76, 29.5), (70.5, 28.5), (65.5, 25.5), (61.5, 22), (60.5, 16)]
    triquetrum = [(70 + (p[0] - 70) * 0.85, 18 + (p[1] - 18) * 0.85) + tuple(p[2:]) for p in triquetrum]
    pisiform = circle_pts((79.5, 23.5), 4.4, 4.1, 8, 0.3)
    if palm:
        m.bone(C, "triquetrum", triquetrum)
        m.bone(C, "pisiform, on the front of the triquetrum", pisiform)
    else:   # from behind the pisiform lies on the far side of the triquetrum, on the
        # front of its ulnar part, low: the triquetrum hides the half of the pea nearer the
        # lunate, the rest standing out round beyond the triquetrum's lower ulnar corner
        # (drawn taller than round, so that the carpus's flattening below leaves it round)
        m.bone(C, "pisiform, on the front of the triquetrum, behind it",
               circle_pts((76.8, 25.5), 4.4, 4.4 / CARPUS_HEIGHT, 10, 0.3))
        m.bone(C, "triquetrum", triquetrum)
    # the trapezium's saddle for the thumb's metacarpal a hollow between two lips below
    m.bone(C, "trapezium: an irregular block, its saddle below for the thumb",
           [(18.5, 34, "c"), (27, 32.5), (32, 34.5, "c"), (33, 41), (32.2, 47), (30.5, 52.5, "c"),
            (26.5, 49.3), (21.5, 48.6), (16.5, 51, "c"), (12.6, 48.5), (12, 44), (13.5, 38.5)])
    if palm:
        m.line([(19, 38), (24.5, 41), (27, 47)])                   # tubercle of the trapezium
    # the trapezoid the smallest of the distal row, narrowed about its middle so that it
    # stands a joint space from the trapezium and from the capitate, as its neighbours do
    m.bone(C, "trapezoid", [(38.8 + (x - 38.5) * 0.88, 39 + (y - 39) * 1.08) for x, y in [
        (34.5, 31), (40.5, 29), (43, 32.5), (43.5, 40), (41.5, 46.5), (35.5, 47.5), (33.5, 41),
        (33.5, 34)]])
    # the capitate the largest carpal, in the distal row: a rounded head on a short neck
    # rising a little into the hollow of the lunate, a broad body down to the third
    # metacarpal; the hamate a wedge beside it, its point up between the capitate and the
    # triquetrum
    m.bone(C, "capitate: the largest carpal", [
        (46.6, 27.5), (48.8, 23.7), (53.2, 22.2), (57.4, 23.5), (59.2, 26.8), (58.4, 30.5),
        (58.6, 32.5), (61, 36),
        (61.6, 42), (61.2, 49.5), (53, 51.6), (45.2, 50.6), (44.3, 43), (44.8, 36.5),
        (46.4, 32.5), (47.2, 30)])
    m.bone(C, "hamate: a wedge, its point up", [
        (62.6, 25.5, "c"), (64.6, 25.6), (70.5, 30.8), (76.5, 35.5), (79, 41), (77.5, 47.5),
        (73, 50.5), (67, 51), (63, 50), (62.6, 42), (62.4, 31)])
    if palm:
        m.bone(C, "hook of the hamate, on its palmar side",
               [(69, 37.5), (72.5, 38), (74.3, 41.5), (73, 45.5), (69.5, 46.3), (67.8, 42)])

    rays = [((22, 55.5), (7, 95), 7.5, 4.5, 6.6),
            ((38.5, 52), (31, 117), 6.2, 3.5, 6.1),
            ((52, 53.5), (50, 117), 6.3, 3.7, 6.4),
            ((64, 53), (67, 113.5), 5.2, 3.2, 5.8),
            ((75.5, 52.5), (82.5, 107), 5.6, 3.3, 5.6)]
    names = ["first metacarpal, of the thumb", "second metacarpal", "third metacarpal",
             "fourth metacarpal", "fifth metacarpal"]
    for (base, head, wb, ws, wh), name in zip(rays, names):
        m.ray_bone(M, name, base, head, wb, ws, wh, hatch=4)

    # fingers: (angle, length, half widths at base, shaft, head, kind), from the knuckle out
    fingers = [
        ((7, 95), [(110, 29, 6, 3.9, 5.1, "prox"), (107, 21.5, 5, 3.1, 4.3, "distal")]),
        ((31, 117), [(96, 38.5, 5.5, 3.3, 4.6, "prox"), (95, 22.5, 4.5, 3, 4, "prox"),
                     (94.5, 16.5, 3.9, 2.3, 3.3, "distal")]),
        ((50, 117), [(90.5, 43.5, 5.8, 3.5, 4.9, "prox"), (90.5, 27, 4.8, 3.2, 4.2, "prox"),
                     (90.5, 18, 4.1, 2.4, 3.5, "distal")]),
        ((67, 113.5), [(87, 41, 5.5, 3.3, 4.6, "prox"), (87.5, 25, 4.5, 3, 4, "prox"),
                       (88, 17, 3.8, 2.3, 3.2, "distal")]),
        ((82.5, 107), [(83.5, 31, 4.9, 3, 4.1, "prox"), (85, 17.5, 4, 2.7, 3.6, "prox"),
                       (86, 15, 3.5, 2.1, 3, "distal")]),
    ]
    finger_names = ["thumb", "index finger", "middle finger", "ring finger", "little finger"]
    # each finger's metacarpal, base and head: the direction its phalanges continue in
    m.rays = {fname: (base, head) for (base, head, *_), fname in zip(rays, finger_names)}
    for (knuckle, segs), fname in zip(fingers, finger_names):
        parts = ["proximal", "distal"] if len(segs) == 2 else ["proximal", "middle", "distal"]
        chain(m, P, knuckle, 2.2, segs, [f"{fname}, {part} phalanx" for part in parts])
    # The carpals above are drawn tall for their shapes to read; in life the carpus is
    # about half as high as the third metacarpal is long: they are flattened to that, and
    # the rays moved up under them.
    k, lift = CARPUS_HEIGHT, (1 - CARPUS_HEIGHT) * 51.5
    for sh in m.shapes:
        if sh["group"] == "carpals":
            f = lambda p: (p[0], 1.5 + (p[1] - 1.5) * k) + tuple(p[2:])   # noqa: E731
        else:
            f = lambda p: (p[0], p[1] - lift) + tuple(p[2:])                # noqa: E731
        sh["pts"] = [f(p) for p in sh["pts"]]
        sh["lines"] = [[f(p) for p in l] for l in sh["lines"]]
        sh["hatch"] = [[f(p) for p in l] for l in sh["hatch"]]
    m.rays = {n: ((b[0], b[1] - lift), (h[0], h[1] - lift)) for n, (b, h) in m.rays.items()}
    return m


CARPUS_HEIGHT = 0.66   # the carpals' drawn height kept: 34 mm against 64 of the third metacarpal


HAND_GROUPS = [("carpals", "eight carpals: scaphoid, lunate, triquetrum, pisiform; "
                "trapezium, trapezoid, capitate, hamate"),
               ("metacarpals", "five metacarpals"),
               ("phalanges", "fourteen phalanges: two in the thumb, three in each finger")]




# ----------------------------------------------------------------------------
# long bones of the leg: the left leg from the front, medial side to the left

def _scaled(points, k):
    return [(p[0] * k, p[1] * k) + tuple(p[2:]) for p in points]


def femur():
    """Frame: the centre of the head at (0, 0); the knee below it. From the front the neck's
    lower border runs down into the shaft, and below it the lesser trochanter stands out
    from the inner side as a rounded knob."""
    k = 450 / 470.0   # the outline below runs from y -23 to 447: a femur of 450 mm
    m = Model()
    m.bone("femur", "thigh bone: head in the hip socket, neck, greater and lesser "
           "trochanter, shaft, medial and lateral condyles", _scaled([
               (8, -21.5), (0, -23), (-10, -21), (-18, -14.5), (-23, -4), (-22, 7), (-17, 16),
               (-9, 21.5), (1, 23), (9, 26), (15, 31.5), (19, 38.5), (21, 45), (20, 51.5),
               (16.5, 56.5), (13.5, 61), (14, 65.5), (18, 67.5), (24.5, 69.5), (28.5, 76), (30.5, 88), (31, 100), (30, 200), (25, 300), (17, 358), (7, 384), (-8, 398),
               (-21, 408), (-28, 421), (-27.5, 435), (-20, 445), (-8, 447.5), (2, 445), (8, 442.5),
               (14, 442.3), (20, 444.3), (32, 447), (46, 443.5), (53.5, 432), (55, 418),
               (51, 404), (45, 392), (42, 370), (48, 300), (56, 200), (62, 120), (67.5, 75),
               (72, 52), (75, 32), (72, 12), (64, 2.5), (56, 6), (46, 10.5), (35, 8), (25, -1),
               (17, -13)], k))
    m.line(_scaled([(13, -17), (17.5, 0), (11, 18)], k))                 # edge of the head
    m.line(_scaled([(69, 40), (56, 54), (42, 64), (30, 72)], k))        # intertrochanteric line
    m.hatch([_scaled([(60 - y * 0.06, 110 + y), (55 - y * 0.06, 116 + y)], k)
             for y in range(0, 200, 28)])                               # shading, lateral side
    m.mark("head", (0, 0))
    m.mark("knee", (14 * k, 440 * k))                                   # between the condyles
    m.mark("body", (43 * k, 180 * k))                                   # middle of the shaft
    m.mark("lateral condyle", (40 * k, 430 * k))
    return m


def patella():
    """The kneecap from the front. Frame: its middle at (0, 0), the apex below. About
    41 mm across and 44 high: half the width of the femur's condyles."""
    m = Model()
    m.bone("patella", "kneecap: broad rounded base above, borders narrowing to the apex below",
           _scaled([(-21, -14), (-13, -22), (0, -24.5), (13, -22.5), (21.5, -15.5), (23.5, -6),
                    (21, 4), (14.5, 13), (6, 20.5), (0.5, 24.5, "c"), (-5.5, 19.5),
                    (-13.5, 10.5), (-19.5, 1.5), (-22.5, -6.5)], 0.9))
    m.mark("body", (3, -2))
    m.mark("upper body", (3, -15))     # in its upper half, under the base
    return m


def tibia():
    """Frame: the middle of the top (the tibial plateau) at (0, 0), the ankle below; the
    medial malleolus reaching down beside the ankle joint, a notch between it and the
    joint's roof."""
    k = 370 / 384.0   # the outline below runs from y -9 to 375: a tibia of 370 mm
    m = Model()
    m.bone("tibia", "shin bone: condyles, tuberosity, shaft, medial malleolus", _scaled([
        (-38, 3), (-36, -2), (-28, -4.5), (-14, -5), (-7, -9), (-2.5, -8), (0, -6.5), (3, -8.5),
        (8, -8), (14, -5), (28, -4.5), (36, -2), (38.5, 3.5), (36.5, 12), (32, 21), (25, 32),
        (18, 46), (14, 70), (11.5, 120), (11, 200), (12.5, 280), (15.5, 322), (19.5, 342),
        (19.5, 351), (12, 354.5), (2, 356.5), (-8, 357.5), (-11.5, 359.5), (-13.5, 366),
        (-16, 372), (-20, 375), (-24.5, 371.5), (-27, 357), (-24.5, 332), (-20.5, 300), (-16, 200),
        (-15, 120), (-18, 72), (-26, 42), (-34, 24), (-38.5, 12)], k))
    m.hatch([_scaled([(10, 100 + y), (6.5, 104 + y)], k) for y in range(0, 190, 26)])
    m.mark("top", (0, 0))
    m.mark("lateral condyle", (15 * k, 9 * k))
    m.mark("body", (-1 * k, 180 * k))
    m.mark("ankle", (2 * k, 358 * k))
    return m


def fibula():
    """Frame: the top of the head at (0, 0). Placed 33 mm lateral to the middle of the
    tibia's top and 25 mm below it, under the lateral condyle and clear of the knee
    joint, its malleolus about a centimetre lower than the tibia's; the lower end turning
    in against the tibia's lateral side, the malleolus clasping the talus's lateral side
    so that with the medial malleolus it forms the mortise of the ankle."""
    k = 350 / 362.5   # the outline below runs from y -0.5 to 362: a fibula of 350 mm
    m = Model()
    m.bone("fibula", "the slender outer bone of the lower leg: head, shaft, lateral malleolus", [
        (p[0], p[1] * k) for p in [
            (-8, 2), (0, -0.5), (7, 0.5), (12, 5), (13, 13), (9.5, 22), (6.5, 30), (7, 80),
            (8, 200), (8.5, 290), (10.5, 316), (12.5, 336), (11.5, 350), (8, 358.5), (3, 362),
            (-3, 361.5), (-8.5, 357), (-11.6, 349.5), (-11.2, 340), (-8.2, 324), (-6.6, 306),
            (-4.5, 288), (-3.5, 200), (-3.5, 80), (-5, 33),
            (-9.5, 23), (-13, 13), (-12, 5)]])
    m.mark("top", (0, 0))
    m.mark("body", (2, 165))
    return m


FIBULA_ON_TIBIA = (33, 25)   # where the fibula's frame lies in the tibia's
PATELLA_ON_FEMUR = (13, 384)  # the kneecap's middle over the femur's patellar surface, its
                              # apex a centimetre above the joint


# ----------------------------------------------------------------------------
# long bones of the arm: the right arm from behind, medial side to the left

def humerus():
    """Frame: the centre of the head at (0, 0), the elbow below. The lateral condyle comes
    down to the head of the radius, a joint space above it, the lateral epicondyle
    standing out over the head's outer rim."""
    m = Model()
    m.bone("humerus", "upper arm bone from behind: head, greater tubercle, shaft, "
           "epicondyles, olecranon fossa, trochlea", [
               (0, -23), (12, -20.5), (20.5, -12), (24, -12.5), (30.5, -15), (37, -9.5), (40, 0),
               (38.5, 12),
               (33, 25), (26, 40), (20.5, 56), (17.5, 90), (18.5, 130), (16.5, 180), (15.5, 230),
               (19.5, 261), (26.5, 278), (31.5, 289), (33, 295), (32.4, 302), (29, 306.4),
               (20, 306.6), (11.5, 306.7), (4, 307.8), (-6, 309.5), (-14, 306), (-22, 300), (-31, 296.5), (-36, 291),
               (-33, 283.5), (-23, 271), (-15.5, 252), (-11, 222), (-10, 180), (-10, 130),
               (-8, 82), (-6.5, 56), (-12, 41), (-20, 23), (-23, 6), (-21, -9), (-12, -19.5)])
    m.line([(-4, -21), (7, -3), (4, 17), (-10, 33)])                    # anatomical neck
    m.line([(-13, 301), (-12, 286), (-6, 275), (2, 273.5), (8.5, 282), (10, 299)])  # olecranon fossa
    m.hatch([[(-7, 283), (-3, 289)], [(-3, 279), (2, 286)], [(2, 279), (6, 285)]])
    m.line([(17, 70), (19, 98), (18, 118)])                             # deltoid tuberosity
    m.hatch([[(15, 140 + y), (11.5, 144 + y)] for y in range(0, 100, 24)])
    m.mark("head", (0, 0))
    m.mark("elbow", (-2, 306))
    m.mark("body", (3, 150))
    m.mark("upper shaft", (3, 100))
    return m


def ulna():
    """The ulna from behind. Frame: the top of the olecranon at (0, 0), the wrist below.
    From behind the olecranon is a broad block with a flat top and squared corners, tapering
    into the shaft (the trochlear notch faces forwards, out of sight); the shaft narrows and then swells into the round head,
    and from the back of its inner side the styloid process stands down as a short peg,
    a notch between it and the head."""
    m = Model()
    m.bone("ulna", "the inner forearm bone from behind: the broad olecranon, the shaft, "
           "the head and its styloid", [
               (-12.6, 3.2), (-10.6, 0.5), (-5, -0.1), (1, -0.3), (7, -0.1), (10.8, 0.5),
               (12.8, 3.2), (13.1, 9), (12.2, 17), (10.2, 25), (8.2, 33), (7, 40), (6.5, 55),
               (6.5, 110), (6, 180), (5.4, 218), (6.8, 231),
               (9.6, 242), (9.6, 250), (7.5, 255.6), (3, 258.4), (-1.6, 258.3, "c"),
               (-3.4, 262), (-5.6, 266.3), (-8.6, 264.6), (-10, 256), (-10.2, 246),
               (-8.6, 234), (-7, 180), (-7.5, 110), (-9, 58), (-11, 40),
               (-12.6, 25), (-13.3, 12), (-13.3, 6.5)])
    # the olecranon's smooth triangular back, under the skin of the elbow: its margins
    # run in from the corners of the top and meet in the posterior border of the shaft
    m.line([(-9, 4.5), (-6.5, 18), (-3, 34), (-1, 48)])
    m.line([(9, 4.5), (5.5, 18), (1.5, 34), (-1, 48), (-0.8, 66)])
    m.mark("top", (0, 0))
    m.mark("olecranon", (0, 12))
    m.mark("body", (-0.5, 120))
    return m


def radius():
    """The radius from behind. Frame: the middle of the top of its head at (0, 0), the
    wrist below. The head a short cylinder, as high as a third of its width, on a narrower
    neck; its top, hollowed for the capitulum, seen edge on; the shaft bowing outwards, the broad
    lower end with the dorsal tubercle and the styloid process reaching lowest."""
    m = Model()
    m.bone("radius", "the outer forearm bone from behind: head, neck, shaft bowing "
           "outwards, broad lower end, styloid", [
               (-10.4, 0.4), (0, -0.3), (10.4, 0.4), (11.3, 2.5), (11.3, 7.2), (10, 9.6),
               (6.8, 12.2), (5.8, 18),
               (8.5, 40), (13, 90), (16.5, 150), (18.5, 195), (21, 215), (23.5, 231),
               (22.8, 241), (20.5, 246, "c"), (14, 243.5), (6, 240), (-3, 238.5), (-11, 237.5),
               (-12.5, 232), (-11.5, 222), (-6, 205), (-1, 160), (0, 110), (-2.5, 60),
               (-6.5, 31), (-7.2, 22), (-7, 12.5), (-10, 9.6), (-11.3, 7.2), (-11.3, 2.5)])
    m.mark("top", (0, 0))
    m.mark("body", (7, 120))
    return m


# From behind, the radius stands lateral to the ulna: where its frame lies in the ulna's.
# The head of the radius lies level with the radial notch, 30 mm under the olecranon's
# top, so that its styloid reaches about a centimetre lower than the ulna's.
RADIUS_ON_ULNA = (23, 30)


def clavicle():
    """The right collar bone seen from behind, its breastbone end at the left: the thick
    rounded breastbone end, the shaft in a shallow S, the flattened acromial end rising
    a little to the shoulder blade. Frame: the middle of the breastbone end at (0, 0)."""
    m = Model()
    # an outline about an S-shaped middle line: the inner half bowed down, the outer half
    # up towards the acromion; thick and round at the breastbone end, flat at the other
    mid = lambda x: 6.5 * math.sin(2 * math.pi * x / 150) - 4.0 * max(0.0, (x - 112) / 30) ** 2  # noqa: E731
    half = lambda x: 7.5 - 3.5 * min(1.0, x / 45) + 1.0 * max(0.0, (x - 95) / 47)  # noqa: E731
    xs = [5, 14, 28, 44, 60, 76, 92, 106, 118, 128, 136]
    top = [(x, mid(x) - half(x)) for x in xs]
    bottom = [(x, mid(x) + half(x)) for x in reversed(xs)]
    # the acromial end blunt: its facet for the acromion a flat end face slanting down and
    # inwards, the upper corner furthest out, the face's middle where the tip was
    face = [(141.5 + 2.5, mid(141.5) - half(141.5) + 0.2, "c"), (141.5 - 2.5, mid(141.5) + half(141.5) - 0.2, "c")]
    m.bone("clavicle", "collar bone from behind: thick breastbone end, shaft in a shallow S, "
           "flat acromial end", [(-3.5, mid(0)), (-1.5, mid(0) - 4.5)] + top
           + face + bottom[1:] + [(-1.5, mid(0) + 4.5)])
    m.mark("body", (20, 2.5))
    m.mark("shaft", (38, mid(38)))        # on the middle line of the shaft's inner half
    m.mark("inner shaft", (22, mid(22)))  # on it where the shaft leaves the breastbone end
    m.mark("acromial end", (141.5, -5.5))
    # the middle of the end face, and the way it runs (from its lower corner to its upper)
    m.mark("acromial facet", (141.5, mid(141.5)))
    m.mark("acromial facet direction", norm(sub(face[0][:2], face[1][:2])))
    return m


def scapula():
    """The right shoulder blade from behind. Frame: above its superior angle (at (0.5, 3),
    which from behind lies over the collar bone); the superior border slopes down and out
    to the notch and the neck, the medial border runs down the left, the lateral angle
    with the neck and the glenoid at the right. The spine rises from a small triangle at the medial border across the back
    and ends in the broad, flat acromion, which overhangs the shoulder joint above and
    outside the head of the humerus; the facet on the acromion's inner edge for the collar
    bone slants, its upper corner further out. Over the lateral angle the coracoid's
    upturned part rises above the spine's crest (a shape of its own, group "coracoid")."""
    m = Model()
    m.bone("scapula", "shoulder blade from behind: body with its borders and angles, the "
           "neck and the glenoid at the lateral angle", [
               (0.5, 3, "c"), (18, 7), (37, 11), (53, 14), (59.5, 16.5), (64, 15), (69, 16.5),
               (73.5, 20), (79, 20.5, "c"), (84, 25), (86.5, 32), (86.5, 41), (84, 49),
               (79.5, 53, "c"), (76, 57), (72.5, 65), (65, 82), (54, 102), (42, 122),
               (31, 140), (24, 154), (19, 157), (15.5, 151), (11, 124), (6, 94), (2.5, 64),
               (0.5, 44), (-1.5, 25)])
    m.line([(80.5, 23), (82.5, 37), (80.5, 51)])                        # rim of the glenoid
    m.bone("scapula", "spine of the scapula: a small smooth triangle at the medial "
           "border, a narrow ridge rising across the back, widening into the broad acromion "
           "over the shoulder joint", [
               (1, 42, "c"), (6, 39.5), (20, 35.5), (40, 29.5), (58, 22.5), (71, 17), (81, 12.5),
               (87, 10.5, "c"), (89, 0, "c"), (93.5, -8.5, "c"), (104, -9.8), (118, -10.3),
               (132, -9.5), (143, -6.5), (150, -1, "c"),
               (149.5, 6), (140, 8.5), (126, 6.5), (112, 6), (98, 9), (85, 17, "c"), (74, 23.5), (58, 31),
               (40, 39.5), (22, 47.5), (9, 54), (2, 57, "c"), (2, 49)])
    # the crest of the spine, running on along the acromion towards its angle
    m.line([(9, 46), (28, 40.5), (48, 33), (66, 24.5), (80, 16), (92, 6), (104, 1.5), (116, 0)])
    # the coracoid process from behind: it leaves the upper border of the neck, lateral to
    # the suprascapular notch, and rises as a thick finger bent out at its top, then runs
    # forwards and out under the collar bone, out of sight. Its root lies under the spine's
    # rise to the acromion; above the spine's crest its upturned part shows, the bend and
    # the underside of the hook passing outwards under the collar bone.
    m.bone("coracoid", "coracoid process from behind: its root rising over the spine's "
           "crest, its top bent outwards, its tip passing forwards under the collar bone", [
               (63.5, 21), (62.2, 15), (62.8, 10.5), (65, 7.3), (68.5, 5.8), (72.5, 5.4),
               (76.5, 4.6), (80, 2.6), (83, 0.5, "c"), (84, 3.6), (82, 5.2), (78.5, 7.2),
               (75.8, 10), (74.5, 14), (74.5, 20)])
    # where the collar bone's end meets the acromion: the facet on the acromion's inner
    # edge, from its lower corner to its upper one
    m.mark("acromial facet", ((89 + 93.5) / 2, (0 - 8.5) / 2))
    m.mark("acromial facet direction", norm(sub((93.5, -8.5), (89, 0))))
    m.mark("glenoid", (86.5, 37))
    m.mark("body", (30, 92))
    m.mark("acromion", (110, 3))
    # at the acromion's inner edge, above the spine's root of it: the collar bone's end
    # meets it there in the angle between the spine and the acromion
    m.mark("acromioclavicular joint", (92.5, -6.5))
    return m


def stick(a, b, w0, w1=None, wm=None, cap=0.7):
    """Outline points of a small bone seen end-on or short (a metatarsal, a toe's phalanx)
    from a to b: half width w0 at a, wm in the shaft, w1 at b."""
    w1 = w0 if w1 is None else w1
    wm = min(w0, w1) * 0.72 if wm is None else wm
    prof = [(0.0, w0, w0), (0.3, wm, wm), (0.7, wm, wm), (1.0, w1, w1)]
    return profile_points([a, b], prof, cap=(cap, cap))


def foot_from_front():
    """The left foot seen from the front as it stands, the eye a little above the ankle
    (about 12 degrees). The bones are drawn from the back forwards, each nearer one over
    the lower part of the one behind it, as the eye meets them: the talus under the tibia,
    the heel hidden behind it but for the outer wall of the calcaneus, the top of the
    talus's head over the navicular, the navicular's over the cuneiforms, the metatarsals
    running down and forwards from them, and the toes pointing at the viewer, so short
    that each toe shows little more than its rounded tip in front of its first phalanx.
    Frame: the ankle (the middle of the lower end of the tibia) at (0, 0), the great toe
    to the left (medial), millimetres; the tips of the toes about 113 mm below it."""
    m = Model()
    T, M, P = "tarsals", "metatarsals", "phalanges"
    m.bone(T, "calcaneus: its outer wall, below and behind the lateral malleolus", [
        (18, 27), (25, 25), (32, 28), (36, 36), (37, 50), (35, 63), (30, 72), (22, 74),
        (17, 66), (16, 50), (16, 36)])
    m.bone(T, "talus: its trochlea under the tibia, the head turned forwards and inwards", [
        (-15, 2.5), (-7.5, 0), (0, 1), (7.5, 0), (15, 2), (17, 10), (18.5, 20), (19, 27),
        (14, 29), (5, 28), (-3, 30), (-6, 36), (-14, 39.5), (-22, 38), (-27, 32), (-26, 24),
        (-20, 17), (-16, 10)])
    m.bone(T, "navicular, its tuberosity at the inner side", [
        (-31, 28), (-22, 25.5), (-12, 25), (-4, 27), (-2, 32), (-4, 38), (-12, 41), (-24, 43),
        (-31, 50), (-37.5, 49), (-38, 41), (-34.5, 32)])
    m.bone(T, "cuboid, in front of the calcaneus", [
        (9, 50), (17, 48), (26, 49), (33, 52), (35, 60), (33.5, 72), (27, 79), (17, 80),
        (10, 75), (8, 62)])
    m.bone(T, "medial cuneiform", [
        (-33, 36), (-25, 34), (-17, 35), (-15.5, 42), (-16, 56), (-19, 66), (-27, 70),
        (-33, 64), (-34.5, 50)])
    m.bone(T, "intermediate cuneiform", [
        (-14, 36), (-9, 35), (-4.5, 36), (-4, 42), (-5, 48), (-9.5, 50), (-13.5, 48),
        (-14.5, 42)])
    m.bone(T, "lateral cuneiform", [
        (-3, 37), (2.5, 35.5), (8, 37), (9, 44), (8, 52), (2.5, 55), (-2.5, 53), (-3.5, 45)])
    rays = [  # base, head, half widths at base, shaft, head
        ((-24, 44), (-30, 93), 9, 6.5, 8.6),
        ((-9.5, 44), (-12, 97), 5.2, 3.4, 4.8),
        ((2.5, 50), (3, 96.5), 5, 3.3, 4.6),
        ((14, 57), (16.5, 95), 4.8, 3.2, 4.5),
        ((26, 63), (30.5, 93), 5.4, 3.3, 4.4),
    ]
    names = ["first metatarsal, short and stout", "second metatarsal", "third metatarsal",
             "fourth metatarsal", "fifth metatarsal, its tuberosity at the outer side"]
    for i, ((base, head, wb, ws, wh), name) in enumerate(zip(rays, names)):
        m.ray_bone(M, name, base, head, wb, ws, wh, spur=0.6 if i == 4 else 0.0)
    # the toes, pointing at the viewer: the first phalanx a short block under its
    # metatarsal's head, and in front of it the toe's rounded tip (in the lesser toes
    # the middle and distal phalanges, one behind the other): (x, top, bottom, half
    # width) of each
    toes = [
        ("great toe", -31, (88, 101, 10), (97, 114, 9.6)),
        ("second toe", -13, (92, 103, 6.2), (100, 112, 5.6)),
        ("third toe", 2.5, (91.5, 102, 6.0), (99, 111, 5.4)),
        ("fourth toe", 17, (90, 100.5, 5.8), (97.5, 109, 5.2)),
        ("fifth toe", 30.5, (88.5, 98.5, 5.4), (95.5, 106, 4.8)),
    ]
    for tname, x, (t0, b0, w0), (t1, b1, w1) in toes:
        h = b0 - t0
        m.bone(P, f"{tname}, proximal phalanx, its base under the metatarsal's head", [
            (x - w0, t0 + h * 0.3), (x - w0 * 0.7, t0, "c"), (x + w0 * 0.7, t0, "c"),
            (x + w0, t0 + h * 0.3), (x + w0 * 0.9, b0), (x - w0 * 0.9, b0)])
    for tname, x, (t0, b0, w0), (t1, b1, w1) in toes:
        h = b1 - t1
        m.bone(P, f"{tname}, {'distal' if tname == 'great toe' else 'middle and distal'} "
               "phalanx: the tip of the toe", [
                   (x - w1 * 0.8, t1), (x, t1 - h * 0.06), (x + w1 * 0.8, t1), (x + w1, t1 + h * 0.45),
                   (x + w1 * 0.75, b1 - h * 0.12), (x, b1), (x - w1 * 0.75, b1 - h * 0.12),
                   (x - w1, t1 + h * 0.45)])
    m.mark("tarsals", (28, 42))          # the calcaneus's outer wall
    m.mark("metatarsals", (27.5, 72))    # the fifth metatarsal
    m.mark("phalanges", (31, 101))       # the fifth toe's tip
    # The bones above are drawn narrow: the foot spreads from the ankle to the ball, where
    # it is some 0.37 of its length across (95 mm), so widths are opened out downwards,
    # from the talus's width at the ankle to 1.22 times at the heads of the metatarsals.
    def spread(p):
        f = 1 + 0.22 * min(1.0, max(0.0, (p[1] - 20) / 72))
        return (p[0] * f, p[1]) + tuple(p[2:])
    for sh in m.shapes:
        sh["pts"] = [spread(p) for p in sh["pts"]]
        sh["lines"] = [[spread(p) for p in ln] for ln in sh["lines"]]
    m.marks = {k: spread(v) for k, v in m.marks.items()}
    return m


# Seen so from the front, the foot below the top of the navicular (24 mm under the ankle)
# shows about half as long as seen from above (88 mm against 171): a drawing that looks
# at the foot from higher up may stretch that part by its own factor over this one.
FORESHORTEN = 0.5


def foot_from_behind():
    """The right foot seen from behind and a little above, standing, in millimetres: the
    heel bone nearest, tall under the ankle, its tuberosity on the ground; beyond it the
    rest of the foot hidden behind the heel but for its borders, wider than the
    heel: the arch, the ball and the great toe on the inner side, the outer border and the
    little toes on the outer side. Frame: the top of the talus (the ankle joint) at (0, 0),
    medial side to the left, the ground under the heel at y = 67."""
    m = Model()
    # seen from a little above (about 12 degrees, as the feet from the front), the far end
    # of the foot stands higher on the page than the heel: the ball and the toes' tips
    # beside the heel and above it, the middle of the foot hidden behind the heel
    m.bone("forefoot", "the inner border beyond the heel: the arch and the ball of the foot, "
           "the great toe's tip at the top", [
               (-15, 30), (-22, 27.5), (-28, 24.5), (-34.5, 24), (-40, 27), (-44, 33),
               (-45.5, 42), (-45, 52), (-42, 61), (-36.5, 66.5, "c"), (-15, 67, "c")])
    m.line([(-27.5, 27.5), (-31, 31), (-37.5, 32.5), (-43, 36.5)])   # the great toe's end
    m.line([(-42, 47), (-36, 50.5), (-33.5, 58), (-34, 66)])         # the ball of the great toe
    m.bone("forefoot", "the outer border beyond the heel: the fifth metatarsal and the "
           "little toes' tips at the top", [
               (17, 36), (23, 33.5), (29, 33), (33.5, 35), (37.5, 34.5), (42, 37.5),
               (45, 44), (46, 53), (44.5, 61), (41, 66.5, "c"), (17, 67, "c")])
    m.line([(33.5, 35), (34, 40)])                                    # between the little toes
    m.line([(38, 50), (40, 57.5), (39.5, 66)])                        # the fifth metatarsal
    m.bone("tarsals", "talus: its body between the malleoli, above the heel", [
        (-14, 2), (-6, -0.5), (6, -0.5), (14, 2), (15.5, 10), (12, 18), (-12, 18), (-15.5, 10)])
    m.line([(-2.5, 6), (-1.5, 12), (-3, 17)])                         # groove behind the talus
    m.bone("tarsals", "calcaneus from behind: the sustentaculum jutting inwards under the "
           "talus, the tuberosity with its two processes on the ground", [
               (-13, 18.5), (0, 16.5), (13, 18.5), (18.5, 26), (20.5, 39), (21, 51), (19.5, 59.5),
               (15, 65.5), (6, 67), (-3, 66.5), (-12, 64.5), (-16.5, 57.5), (-17, 47),
               (-17.5, 40), (-24, 35), (-25, 29.5), (-20.5, 25.5), (-14.5, 23)])
    m.line([(-12, 60.5), (-3, 63), (8, 62.5), (15, 60)])               # the tuberosity
    m.line([(-14.5, 35.5), (-18, 31.5)])                              # under the sustentaculum
    m.mark("top", (0, 0))
    return m


# ----------------------------------------------------------------------------
# the atlas checked against its reference lengths

def _length(model, name):
    lo, hi = model.extent(1)
    return hi - lo


def check():
    """Every pair of PROPORTIONS within its range: a bone drawn out of proportion fails
    the writing of the drawings rather than misleading a student."""
    measured = {"femur": _length(femur(), "femur"), "tibia": _length(tibia(), "tibia"),
                "fibula": _length(fibula(), "fibula"), "humerus": _length(humerus(), "humerus"),
                "ulna": _length(ulna(), "ulna"), "radius": _length(radius(), "radius"),
                "patella": _length(patella(), "patella"),
                "clavicle": clavicle().extent(0)[1] - clavicle().extent(0)[0],
                "scapula": _length(Model().bone("s", "", scapula().shapes[0]["pts"]), "scapula"),
                "foot": _length(foot_model(), "foot"), "hand": _length(hand_model(), "hand")}
    wrong = [f"{a} : {b} is {measured[a] / measured[b]:.2f}, not {lo} to {hi}"
             for a, b, lo, hi in PROPORTIONS if not lo <= measured[a] / measured[b] <= hi]
    if wrong:
        raise SystemExit("atlas: " + "; ".join(wrong))
    return measured

if __name__ == "__main__":
    for name, v in check().items():
        print(f"{name:9} {v:6.1f} mm")
