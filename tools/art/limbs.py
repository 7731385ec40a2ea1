#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the four limb drawings: arm, hand, leg and foot.

    python3 tools/art/limbs.py [assets/drawings] [arm|hand|leg|foot ...]

Every bone is an outline through a handful of placed points joined by smooth
curves (Catmull-Rom turned into cubic Beziers); repeated bones (metacarpals,
metatarsals, phalanges) come from width profiles laid along rays. Leader lines
are not drawn here: each drawing carries a <metadata id="leaders"> block that
the rasteriser turns into blue lines ending at the labels of the screens.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from geometry import (add, bezier_d, fmt as fmt_digits, lerp, mul, norm, perp,  # noqa: E402
                      polyline_at, ray, sub, svg)

DIGITS = 1  # coordinates are written to a tenth of a pixel


def fmt(v):
    return fmt_digits(v, DIGITS)


# ----------------------------------------------------------------------------
# SVG writer
class Drawing:
    def __init__(self, name, w, h):
        self.name, self.w, self.h = name, w, h
        self.out = []
        self.leaders = []
        self.depth = 1

    def line(self, s):
        self.out.append("  " * self.depth + s)

    def comment(self, text):
        self.line(f"<!-- {text} -->")

    def open(self, gid=None, comment=None, **attrs):
        if comment:
            self.comment(comment)
        a = f' id="{gid}"' if gid else ""
        for k, v in attrs.items():
            a += f' {k.replace("_", "-")}="{v}"'
        self.line(f"<g{a}>")
        self.depth += 1

    def close(self):
        self.depth -= 1
        self.line("</g>")

    def bone(self, points, k=1.0):
        """A white-filled outline (the group gives fill and stroke)."""
        self.line(f'<path d="{bezier_d(points, True, k, DIGITS)}"/>')

    def curve(self, points, width=None, k=1.0):
        """An open line: detail or hatching."""
        w = f' stroke-width="{width}"' if width else ""
        self.line(f'<path fill="none"{w} d="{bezier_d(points, False, k, DIGITS)}"/>')

    def leader(self, controls, start, via=()):
        s = f"leader {' '.join(controls)} from {fmt(start[0])} {fmt(start[1])}"
        if via:
            s += " via " + " ".join(f"{fmt(p[0])} {fmt(p[1])}" for p in via)
        self.leaders.append(s)

    def bracket(self, controls, x, y1, y2):
        self.leaders.append(f"bracket {' '.join(controls)} at {fmt(x)} from {fmt(y1)} to {fmt(y2)}")

    def text(self):
        assert self.depth == 1, f"{self.name}: a group is left open"
        return svg(self.w, self.h, "\n".join(self.out), self.leaders,
                   "Written by tools/art/limbs.py: edit the generator, not this file.")



BONE = dict(fill="#fff", stroke="#000", stroke_width="1", stroke_linejoin="round",
            stroke_linecap="round")
THIN = dict(fill="#fff", stroke="#000", stroke_width="0.8", stroke_linejoin="round",
            stroke_linecap="round")
BOLD = dict(BONE, stroke_width="1.2")   # the large single-region drawings
DETAIL = "0.6"   # inner lines: joint margins, ridges
HATCH = "0.5"    # shading strokes


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
    else:  # distal
        right = [(0.02 * L, wb), (0.13 * L, wb * 0.9), (0.3 * L, ws * 1.08), (0.48 * L, ws),
                 (0.64 * L, ws * 1.08)]
        head = [(0.78 * L, wh), (0.9 * L, wh * 0.92), (0.97 * L, wh * 0.6)]
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
    details ("line"/"hatch") attached to the last bone."""

    def __init__(self):
        self.shapes = []

    def bone(self, group, name, pts):
        self.shapes.append({"group": group, "name": name, "pts": pts, "lines": [], "hatch": []})
        return self

    def line(self, pts):
        self.shapes[-1]["lines"].append(pts)
        return self

    def hatch(self, strokes):
        self.shapes[-1]["hatch"] += strokes
        return self

    def ray_bone(self, group, name, base, head, wb, ws, wh, kind="meta", hatch=0, side=-1, spur=0.0):
        outline, axis, prof = small_bone(base, head, wb, ws, wh, kind, spur)
        self.bone(group, name, outline)
        if hatch:
            self.hatch(side_strokes(axis, prof, 0.3, 0.72, hatch, side, 0.5, 1.5))
        return self


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


class Place:
    """Model millimetres to drawing pixels: x' = ox + sx*x, y' = oy + s*y + offset(group)."""

    def __init__(self, ox, oy, s, mirror=False, offsets=None):
        self.ox, self.oy, self.s = ox, oy, s
        self.sx = -s if mirror else s
        self.offsets = offsets or {}

    def __call__(self, p, group=None):
        q = (self.ox + self.sx * p[0], self.oy + self.s * p[1] + self.offsets.get(group, 0))
        return q + tuple(p[2:])


def extents(model, place, group, name=""):
    """Top and bottom row of the outline points of a group's bones (those whose
    description contains `name`) in the drawing."""
    ys = [place(p, group)[1] for sh in model.shapes
          if sh["group"] == group and name in sh["name"] for p in sh["pts"]]
    return min(ys), max(ys)


def bracket_span(model, place, group, top="", bottom=""):
    """Rows of a bracket beside a group: from the top of the bones named `top` to the
    bottom of those named `bottom` (the bracket stands by the outer edge of the group)."""
    return (round(extents(model, place, group, top)[0]),
            round(extents(model, place, group, bottom)[1]))


def emit(d, model, place, groups, detail=True, hatch=True, widths=(DETAIL, HATCH)):
    """Writes the model's groups, each as <g id=...> with the given attributes.

    groups: list of (group id, comment, attributes)."""
    for gid, comment, attrs in groups:
        d.open(gid, comment, **attrs)
        for sh in model.shapes:
            if sh["group"] != gid:
                continue
            d.comment(sh["name"])
            d.bone([place(p, gid) for p in sh["pts"]])
            if detail:
                for l in sh["lines"]:
                    d.curve([place(p, gid) for p in l], widths[0])
            if hatch:
                for l in sh["hatch"]:
                    d.curve([place(p, gid) for p in l], widths[1])
        d.close()


BUILDERS = {}


def builds(name):
    def reg(fn):
        BUILDERS[name] = fn
        return fn
    return reg


# ----------------------------------------------------------------------------
# the left foot seen from above, toes pointing down the page, great toe to the left;
# millimetres, heel at y = 0
def foot_model():
    m = Model()
    T, M, P = "tarsals", "metatarsals", "phalanges"
    m.bone(T, "calcaneus: heel bone, its tuberosity behind and outside the talus",
           [(42, 14), (46, 6), (53, 1.5), (61, 0), (69, 1.5), (75, 6), (78, 13), (79.5, 24),
            (80, 36), (80.5, 46), (82.5, 54), (81, 60), (80.5, 70), (80, 80), (78.5, 87),
            (74.5, 91), (70, 91), (66, 88), (62, 80), (58, 70), (48, 64), (34, 62.5), (27, 60),
            (26.5, 55), (32, 51), (38, 46), (40, 30), (41, 20)])
    m.line([(80.5, 50), (76, 55), (76.5, 62)])                     # peroneal trochlea
    m.hatch([[(78.5, 22), (74.5, 25.5)], [(79, 31), (75, 34.5)], [(79.3, 40), (75.5, 43.5)],
             [(79.8, 66), (76.5, 69.5)], [(79.3, 75), (76, 78.5)]])
    m.bone(T, "talus: trochlea, neck and head",
           [(34, 28), (38, 23.5), (44, 21), (50, 22), (58, 22.5), (63, 25), (65.5, 31), (68, 40),
            (71.5, 49), (69.5, 54), (64, 58), (58, 64), (53.5, 71), (50.5, 78), (47, 86), (41, 93),
            (33, 96.5), (24, 96), (17, 91.5), (14, 84), (16.5, 76), (22.5, 70), (28.5, 63),
            (31, 55), (31.5, 44), (32, 35)])
    m.line([(35.5, 27), (34.5, 42), (35, 56)])                     # trochlea, medial rim
    m.line([(61.5, 27), (62.5, 42), (62, 55.5)])                   # trochlea, lateral rim
    m.line([(35, 56), (48.5, 59.5), (62, 55.5)])                   # front edge of the trochlea
    m.line([(48.5, 25), (48.7, 42), (48.5, 57)])                   # groove of the trochlea
    m.line([(19, 78), (33, 79), (47.5, 81.5)])                     # edge of the head
    m.bone(T, "navicular",
           [(3.5, 109), (5.5, 102), (10, 98.5), (16, 98.5), (22, 100), (30, 101), (38, 100),
            (45, 97.5), (51, 96), (55.5, 98), (57, 102.5), (56, 108), (51, 112.5), (43, 115.5),
            (33, 117), (22, 117), (13.5, 116), (7.5, 113.5)])
    m.line([(28, 117), (29, 113.5)])
    m.line([(43, 115.5), (44, 112)])
    m.bone(T, "cuboid",
           [(63.5, 97), (70, 94), (77, 93.5), (82.5, 95.5), (84.5, 101), (84, 109), (82, 114.5),
            (80.5, 120), (75.5, 124.5), (69.5, 128.5), (66, 128), (64.8, 121), (64.2, 112),
            (63.3, 104)])
    m.line([(83.5, 112), (77.5, 116.5), (70, 118.5)])                    # groove for the long peroneal tendon
    m.bone(T, "medial cuneiform",
           [(7.5, 120.5), (14, 119.5), (22, 119.5), (29.5, 120.5), (32.5, 124), (33, 132), (33, 141),
            (32, 149), (27.5, 152.5), (19.5, 153), (11.5, 152), (7, 148.5), (5, 140), (4.8, 130)])
    m.bone(T, "intermediate cuneiform",
           [(36, 121), (41, 120), (46.5, 121), (48, 124.5), (47.7, 131), (46.8, 137.5), (41, 138.3),
            (36.5, 137.5), (35.3, 130.5), (35.3, 124.5)])
    m.bone(T, "lateral cuneiform",
           [(50.5, 120.5), (56, 119.5), (60.5, 120.5), (62, 124), (62, 133), (61.3, 142.5),
            (56, 143.8), (51.5, 143.2), (50, 135), (49.8, 126)])

    # the hind- and midfoot drawn above are narrowed towards the heel, so that the foot
    # widens from heel to toes as a real one does
    def narrow(p):
        f = 0.86 + 0.14 * min(1.0, max(0.0, (p[1] - 110) / 105))
        return (50 + (p[0] - 50) * f, p[1]) + tuple(p[2:])

    for sh in m.shapes:
        sh["pts"] = [narrow(p) for p in sh["pts"]]
        sh["lines"] = [[narrow(p) for p in l] for l in sh["lines"]]
        sh["hatch"] = [[narrow(p) for p in l] for l in sh["hatch"]]

    rays = [  # base, head, half widths at base, shaft, head
        ((20, 156), (16.5, 212), 10.5, 6.5, 9.2),
        ((41, 142), (37.5, 217), 6.2, 3.4, 5.4),
        ((56, 147), (56.5, 214), 6, 3.3, 5.2),
        ((70, 133.5), (73.5, 208.5), 5.8, 3.2, 5.1),
        ((82.5, 132.5), (88.5, 200.5), 6, 3.3, 5),
    ]
    names = ["first metatarsal, short and stout", "second metatarsal, the longest",
             "third metatarsal", "fourth metatarsal", "fifth metatarsal"]
    for i, ((base, head, wb, ws, wh), name) in enumerate(zip(rays, names)):
        nb = narrow(base)
        wb *= (nb[0] - 50) / (base[0] - 50) if base[0] != 50 else 1
        m.ray_bone(M, name, nb, narrow(head), wb, ws, wh, hatch=4, spur=0.6 if i == 4 else 0.0)

    # toes: (angle, length, half widths at base, shaft, head, kind), from the metatarsal head out
    toes = [
        ((16.5, 212), [(94, 29, 8.6, 5.4, 7.4, "prox"), (92, 22, 7.4, 4.3, 6.2, "distal")]),
        ((37.5, 217), [(92.5, 24.5, 4.4, 2.5, 3.6, "prox"), (92, 11, 3.7, 2.9, 3.4, "mid"),
                       (92, 10, 3.5, 2.1, 2.9, "distal")]),
        ((56.5, 214), [(90, 22.5, 4.3, 2.4, 3.5, "prox"), (90, 10, 3.6, 2.8, 3.3, "mid"),
                       (90, 9, 3.3, 2, 2.8, "distal")]),
        ((73.5, 208.5), [(88, 20.5, 4.2, 2.4, 3.4, "prox"), (90, 9, 3.5, 2.7, 3.2, "mid"),
                         (91, 8.5, 3.2, 1.9, 2.7, "distal")]),
        ((88.5, 200.5), [(86, 17, 4.1, 2.3, 3.3, "prox"), (91, 7.5, 3.4, 2.6, 3.1, "mid"),
                         (94, 7.5, 3.1, 1.8, 2.5, "distal")]),
    ]
    toe_names = ["great toe", "second toe", "third toe", "fourth toe", "fifth toe"]
    for (joint, segs), tname in zip(toes, toe_names):
        parts = ["proximal", "distal"] if len(segs) == 2 else ["proximal", "middle", "distal"]
        chain(m, P, joint, 2.2, segs, [f"{tname}, {part} phalanx" for part in parts], (2, 0, 0))
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


def hand_model():
    m = Model()
    C, M, P = "carpals", "metacarpals", "phalanges"
    # proximal row, thumb side first, then the distal row
    m.bone(C, "scaphoid", [(33, 3.5), (38.5, 2.5), (41.5, 5.5), (41.5, 11), (39.5, 15.5),
                           (36, 17.5), (32.5, 20.5), (30, 25), (27, 30.5), (22.5, 32.5), (18.5, 30),
                           (18.5, 24.5), (21, 17.5), (25.5, 10), (29, 5.5)])
    m.line([(23.5, 27.5), (27, 22), (29.5, 14)])                   # waist of the scaphoid
    m.bone(C, "lunate", [(44, 3), (51, 1.5), (57, 3.5), (58.5, 10), (56.5, 16.5), (51.5, 15.2),
                         (46.5, 17.5), (42.5, 15), (42, 8)])
    m.bone(C, "triquetrum", [(63, 9), (68, 6.5), (73.5, 9.5), (77, 16), (78, 23), (76.5, 30.5),
                             (72, 32.5), (66, 27.5), (61.5, 21), (60.8, 14)])
    m.bone(C, "pisiform, on the front of the triquetrum", circle_pts((74, 22.5), 5.2, 4.6, 8, 0.3))
    m.bone(C, "trapezium", [(19.5, 34.5), (26, 33), (31, 34.5), (32.8, 38.5), (32.5, 45),
                            (30.5, 50), (25, 52.5), (19, 51), (15.5, 49.5), (13, 45), (13, 40),
                            (15.5, 36.5)])
    m.line([(19, 38), (24.5, 41), (27, 47)])                       # tubercle of the trapezium
    m.bone(C, "trapezoid", [(34.5, 31), (40.5, 29), (43, 32.5), (43.5, 40), (41.5, 46.5),
                            (35.5, 47.5), (33.5, 41), (33.5, 34)])
    m.bone(C, "capitate", [(47.5, 22), (51, 18.5), (55.5, 20), (57.5, 24.5), (57, 29.5), (58, 35),
                           (58.5, 42), (58.3, 49.5), (52, 51), (45.8, 50), (44.5, 43), (45.3, 35),
                           (46.3, 30), (45.5, 25.5)])
    m.bone(C, "hamate", [(61.5, 24.5), (64, 24.5), (70, 30), (76.5, 35), (79, 41), (77.5, 47.5),
                         (73, 50.5), (66, 51), (61, 50), (60, 42), (60, 31)])
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
        ((7, 95), [(106, 29, 6, 3.9, 5.1, "prox"), (104, 21.5, 5, 3.1, 4.3, "distal")]),
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
    for (knuckle, segs), fname in zip(fingers, finger_names):
        parts = ["proximal", "distal"] if len(segs) == 2 else ["proximal", "middle", "distal"]
        chain(m, P, knuckle, 2.2, segs, [f"{fname}, {part} phalanx" for part in parts])
    return m


HAND_GROUPS = [("carpals", "eight carpals: scaphoid, lunate, triquetrum, pisiform; "
                "trapezium, trapezoid, capitate, hamate"),
               ("metacarpals", "five metacarpals"),
               ("phalanges", "fourteen phalanges: two in the thumb, three in each finger")]


# ----------------------------------------------------------------------------
# leg: the left leg from the front (medial to the left), the foot seen from above
# with the toes pointing down; leader lines to the right.
@builds("leg")
def leg():
    d = Drawing("leg", 120, 492)
    ctl = lambda n: (f"Form10.Label{n}", f"Form11.Text{n}")

    d.open("femur", "thigh bone: head, neck, trochanters, shaft, condyles", **BONE)
    femur = [(10, 17), (12, 10), (17, 6.3), (23.5, 6), (29, 8.5), (32, 12), (38, 15.5),
             (45, 19), (51, 19.5), (56, 16), (61, 11), (66, 8.3), (71, 8.7), (75, 12.5),
             (76.8, 19), (76, 28), (73.5, 42), (70.5, 60), (68, 80), (66.5, 100), (66.5, 113),
             (68.5, 123), (71, 131), (72, 139), (70, 145), (64.5, 148.5), (58.5, 147.5),
             (54.5, 145.5), (50, 146), (45, 148.5), (38, 149), (32.5, 146.5), (30.5, 140),
             (31.5, 132), (36, 123), (44, 115), (48.5, 105), (51, 90), (53, 72), (54.5, 60),
             (54, 56), (51.5, 53.5), (50, 50), (48.5, 45.5), (44.5, 39.5), (39, 33.5), (33, 28.5),
             (27, 27), (20, 28), (14, 25.5), (10.8, 21.5)]
    d.bone(femur)
    d.open(stroke_width=DETAIL, fill="none")
    d.curve([(32, 12), (33.8, 19), (29.5, 27.5)])                    # rim of the head
    d.curve([(73, 22), (63, 33), (56, 44), (53, 52)])                # intertrochanteric line
    d.curve([(37, 133), (43, 127.5), (50, 126), (58, 127), (66, 131.5)])   # patellar surface
    d.curve([(52, 135), (52.3, 140), (52.2, 145.5)])                 # between the condyles
    for i, y in enumerate(range(48, 116, 7)):                        # shading, lateral side
        x = 74.8 - (y - 42) * 0.16 if y < 80 else 68.8 - (y - 80) * 0.07
        ln = 4.5 if i % 2 == 0 else 3.2
        d.curve([(x - 1.6, y), (x - 1.6 - ln * 0.7, y + ln * 0.7)], HATCH)
    d.close()
    d.close()
    d.leader(ctl(1), (62, 78))

    d.open("patella", "kneecap, drawn apart from the knee", **BONE)
    d.bone([(41, 151.5), (48, 150), (56, 150.5), (60.5, 153.5), (60, 158.5), (55.5, 163),
            (51, 166.5), (47, 163.5), (42, 158.5), (39.5, 154.5)])
    d.curve([(56.5, 155), (55, 159.5), (52, 163)], HATCH)
    d.close()
    d.leader(ctl(2), (57, 157.5))

    d.open("fibula", "the slender outer bone of the lower leg, head and lateral malleolus", **BONE)
    d.bone([(71, 189.5), (76.5, 189.5), (80, 193), (79.5, 198), (76.5, 203), (75.5, 212),
            (74.5, 240), (73, 270), (73, 290), (75, 302), (75, 310), (72.5, 317), (69.5, 320.5),
            (66.5, 316), (64.5, 307), (65, 298), (67.5, 288), (68.5, 270), (70, 240),
            (70.5, 212), (69.5, 203), (67, 198), (67, 193)])
    d.close()

    d.open("tibia", "shin bone: condyles, tuberosity, shaft, medial malleolus", **BONE)
    d.bone([(30.5, 178), (33.5, 174), (40, 172.5), (45, 172), (46.5, 168.5), (48.5, 171.5),
            (51, 168.5), (53, 172), (60, 172.5), (67, 174), (70.5, 178), (70, 183.5),
            (66.5, 187), (61.5, 192), (57.5, 200), (55.5, 212), (54.5, 230), (54, 250),
            (54.5, 270), (56, 286), (58, 296), (59, 303), (57.5, 308), (52, 309.5), (45, 309),
            (40, 310.5), (37.5, 315.5), (34.5, 313), (33.5, 305), (35, 295), (38.5, 282),
            (40.5, 262), (41, 240), (40, 222), (37, 207), (33, 195), (30, 187), (29.5, 182)])
    d.open(stroke_width=DETAIL, fill="none")
    d.curve([(31, 180.5), (40, 179), (49, 178.5), (58, 179), (69, 180.5)])   # plateau rim
    d.curve([(46.5, 193), (50, 189.5), (53.5, 193), (52.5, 201), (50, 203.5), (47.5, 201),
             (46.5, 193)])                                                   # tuberosity
    d.curve([(50, 204), (48.5, 230), (47.5, 265), (45.5, 295)])              # shin crest
    for i, y in enumerate(range(214, 292, 8)):                      # shading, lateral side
        x = 54.3 if y < 270 else 54.3 + (y - 270) * 0.1
        ln = 3.5 if i % 2 == 0 else 2.5
        d.curve([(x - 1.2, y), (x - 1.2 - ln * 0.7, y + ln * 0.7)], HATCH)
    d.close()
    d.close()
    d.leader(ctl(3), (68.5, 179))
    d.leader(ctl(4), (71, 278.5))

    # ankle and foot, from the shared foot model
    place = Place(20, 326, 0.6)
    emit(d, foot_model(), place, [(g, c, THIN) for g, c in FOOT_GROUPS], detail=False, hatch=False)
    d.leader(ctl(5), (62, 378))
    d.leader(ctl(6), (70, 425))
    d.leader(ctl(7), (73, 461.5))
    return d


# @@DRAWINGS@@


# ----------------------------------------------------------------------------
# arm: the right arm from behind (thumb side to the right), bones drawn apart:
# clavicle and scapula at the top, humerus, ulna and radius, wrist and hand.
@builds("arm")
def arm():
    d = Drawing("arm", 160, 492)
    ctl = lambda n, t: (f"Form6.Label{n}", f"Form7.Text{t}")

    d.open("clavicle", "collar bone, seen from above: breastbone end at the left", **BONE)
    d.bone([(12, 6), (16, 2.5), (23, 2), (32, 4), (44, 7.5), (56, 9), (66, 8), (76, 5), (85, 2.5),
            (92, 2.5), (97, 5), (98.5, 9.5), (96, 13.5), (89, 14.5), (81, 13), (72, 14), (62, 16),
            (52, 16), (40, 14), (28, 11.5), (20, 11.5), (14.5, 11)])
    d.curve([(30, 9.5), (42, 12), (54, 13.5), (64, 13)], HATCH)
    d.close()
    d.leader(ctl(7, 7), (15, 8))

    d.open("scapula", "shoulder blade from behind: spine, acromion, glenoid", **BONE)
    d.bone([(61.5, 39), (61.5, 31), (64, 26.5), (69, 25), (74, 26), (75.5, 29), (72, 30.5),
            (68, 31), (66.5, 39)])                                     # tip of the coracoid
    d.bone([(16, 30), (24, 29), (38, 31.5), (52, 35), (60, 38), (63.5, 40, "c"), (68, 38),
            (74, 38.5), (79, 41.5), (83.5, 44), (86.5, 50), (86, 57.5), (82.5, 63), (79, 65),
            (72, 76), (63, 91), (54, 106), (45, 118), (37, 127), (31.5, 131), (27.5, 129.5),
            (25.5, 122), (23, 106), (20, 88), (17, 70), (15, 52), (14.5, 38)])
    d.curve([(82.5, 47), (84, 53), (82, 60)], DETAIL)                 # rim of the glenoid
    d.curve([(76, 69), (63, 89), (50, 108), (38, 123)], DETAIL)        # lateral border ridge
    for i, y in enumerate(range(76, 120, 8)):                          # infraspinous fossa
        x = 70 - (y - 76) * 0.75
        d.curve([(x - 2, y), (x - 6.5, y + 1.5)], HATCH)
    # the spine of the scapula, ending in the broad acromion
    d.bone([(15, 58), (26, 56), (42, 52.5), (58, 46), (71, 37), (79, 29), (84, 23), (92, 19.5),
            (99, 20), (103, 23.5), (103, 29.5), (99, 34), (92, 35.5), (85, 36), (79, 39.5),
            (68, 47.5), (54, 56), (38, 62), (24, 66), (17.5, 66.5), (15, 63)])
    d.curve([(18, 61.5), (36, 58), (54, 51.5), (70, 41), (82, 30)], DETAIL)   # crest
    d.close()
    d.leader(ctl(8, 8), (21, 73.5))

    d.open("humerus", "upper arm bone: head, tubercles, shaft, epicondyles, olecranon fossa", **BONE)
    d.bone([(90, 54), (91.5, 46), (96, 41.5), (102, 40), (108, 41.5), (113, 40.5), (119, 42),
            (123, 46.5), (124, 54), (122.5, 62), (120, 72), (119, 90), (119, 110), (120.5, 120),
            (119.5, 132), (118.2, 150), (118.5, 168), (121.5, 180), (126, 192), (127, 198),
            (124.5, 203), (119, 207), (113, 211.5), (106, 212), (100, 211.5), (95, 207), (91, 204),
            (86, 201), (84.5, 197.5), (86.5, 193), (92, 186), (97, 175), (99, 160), (99.5, 140),
            (100, 120), (101, 95), (101.5, 75), (100.5, 66), (96, 62.5), (92, 59.5)])
    d.open(fill="none", stroke_width=DETAIL)
    d.curve([(108, 42), (111, 52), (102.5, 62.5)])                     # anatomical neck
    d.curve([(102, 187), (104, 181.5), (108.5, 180), (113, 182.5), (114.5, 189), (112.5, 196),
             (107.5, 198), (103, 194), (102, 187)])                    # olecranon fossa
    d.curve([(95.5, 205), (106, 202), (117.5, 205)])                  # trochlea
    d.curve([(116.6, 74), (116.4, 92), (116.5, 108)], HATCH)          # shading, lateral side
    d.curve([(117.2, 114), (117.6, 122), (116.4, 134), (115.8, 148)], HATCH)
    d.curve([(115.9, 154), (116.2, 166), (118, 176)], HATCH)
    d.close()
    d.close()
    d.leader(ctl(1, 1), (113, 102))

    d.open("ulna", "the inner forearm bone: olecranon above, head and styloid below",
           transform="translate(0 2)", **BONE)
    d.bone([(91, 224), (93, 218.5), (98, 215.5), (104, 215.5), (108.5, 218), (110, 224),
            (109.5, 231), (107.5, 238), (106, 246), (104.5, 258), (103.5, 275), (102.2, 295),
            (101.3, 318), (101, 332), (102, 338), (100.5, 344), (97, 346), (94, 345), (92, 348),
            (90.5, 344), (91.5, 336), (92.3, 318), (92.7, 295), (92.5, 272), (91.5, 255), (90, 242),
            (89.5, 232)])
    d.curve([(93.5, 222), (95.5, 238), (98, 252)], DETAIL)            # back of the olecranon
    d.curve([(107, 222), (102.5, 238), (98.5, 252)], DETAIL)
    d.curve([(98, 252), (97.7, 275), (97, 305)], DETAIL)              # posterior border
    for y in range(250, 320, 10):
        d.curve([(103.5 - (y - 250) * 0.03, y), (101 - (y - 250) * 0.03, y + 2)], HATCH)
    d.close()
    d.leader(ctl(2, 2), (102, 221.5))

    d.open("radius", "the outer forearm bone: head above, broad lower end and styloid",
           transform="translate(0 2)", **BONE)
    d.bone([(111.5, 230), (116, 228), (122, 228), (126.5, 230), (127, 235), (124, 238.5),
            (123, 244), (123.5, 255), (125.5, 270), (127, 290), (127.5, 310), (129, 325), (132, 338),
            (133, 346), (131, 350), (127, 347.5), (120, 347), (112, 347.5), (106.5, 347),
            (104.5, 343), (105.5, 336), (108.5, 328), (113, 318), (115.5, 300), (116, 280),
            (115, 262), (113, 254), (113, 248), (114.5, 244), (115, 239), (111.5, 236.5)])
    d.open(fill="none", stroke_width=DETAIL)
    d.curve([(112, 233), (119, 234.5), (126.5, 233)])                 # rim of the head
    d.curve([(118, 334), (119.5, 340), (118.5, 345)])                 # dorsal tubercle
    for y in range(262, 330, 10):
        x = 124 + (y - 262) * 0.06
        d.curve([(x, y), (x - 2.6, y + 2)], HATCH)
    d.close()
    d.close()
    d.leader(ctl(3, 3), (121, 294.5))

    # wrist and hand, from the shared hand model, mirrored: the back of the right hand
    place = Place(140.5, 355.5, 0.57, mirror=True)
    emit(d, hand_model(), place, [(g, c, THIN) for g, c in HAND_GROUPS], detail=False, hatch=False)
    d.leader(ctl(4, 4), (127, 367.5))
    d.leader(ctl(5, 5), (131, 391.5))
    d.leader(ctl(6, 6), (144.5, 438.5))
    return d


# ----------------------------------------------------------------------------
# hand: the bones of the right wrist and hand from the palm, fingers down, in three
# groups a little apart; a bracket at the right marks each group.
@builds("hand")
def hand():
    d = Drawing("hand", 306, 474)
    ctl = lambda n: (f"Form8.Label{n}", f"Form9.Text{n}")
    place = Place(42, 6, 2.0, offsets={"carpals": 0, "metacarpals": 4, "phalanges": 14})
    model = hand_model()
    emit(d, model, place, [(g, c, BOLD) for g, c in HAND_GROUPS])
    x = 238
    d.bracket(ctl(1), x, *bracket_span(model, place, "carpals", "", "hamate"))
    d.bracket(ctl(2), x, *bracket_span(model, place, "metacarpals", "", "fifth"))
    d.bracket(ctl(3), x, *bracket_span(model, place, "phalanges", "little", ""))
    return d


# ----------------------------------------------------------------------------
# foot: the bones of the left ankle and foot from above, toes down, in three groups a
# little apart; a bracket at the right marks each group along the outer edge of the foot.
@builds("foot")
def foot():
    d = Drawing("foot", 200, 468)
    ctl = lambda n: (f"Form12.Label{n}", f"Form13.Text{n}")
    place = Place(10, 6, 1.6, offsets={"tarsals": 0, "metatarsals": 6, "phalanges": 14})
    model = foot_model()
    emit(d, model, place, [(g, c, BOLD) for g, c in FOOT_GROUPS])
    x = 172
    d.bracket(ctl(1), x, *bracket_span(model, place, "tarsals", "", "cuboid"))
    d.bracket(ctl(2), x, *bracket_span(model, place, "metatarsals", "", "fifth"))
    d.bracket(ctl(3), x, *bracket_span(model, place, "phalanges", "fifth", ""))
    return d


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    names = argv[2:] or ["arm", "hand", "leg", "foot"]
    for name in names:
        d = BUILDERS[name]()
        with open(os.path.join(out_dir, name + ".svg"), "w") as f:
            f.write(d.text())


if __name__ == "__main__":
    main(sys.argv)
