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

GROUND = "rgb(225,224,226)"


# ----------------------------------------------------------------------------
# geometry
def add(a, b):
    return (a[0] + b[0], a[1] + b[1])


def sub(a, b):
    return (a[0] - b[0], a[1] - b[1])


def mul(a, k):
    return (a[0] * k, a[1] * k)


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def norm(a):
    d = math.hypot(a[0], a[1])
    return (a[0] / d, a[1] / d) if d else (0.0, 0.0)


def perp(a):
    """Unit normal to the right of direction a (screen coordinates, y down)."""
    n = norm(a)
    return (-n[1], n[0])


def rot(p, c, deg):
    a = math.radians(deg)
    s, co = math.sin(a), math.cos(a)
    x, y = p[0] - c[0], p[1] - c[1]
    return (c[0] + x * co - y * s, c[1] + x * s + y * co)


def fmt(v):
    s = f"{v:.1f}"
    if s.endswith(".0"):
        s = s[:-2]
    return "0" if s == "-0" else s


def pt(p):
    return f"{fmt(p[0])} {fmt(p[1])}"


# A point may carry a third element "c": a corner, where the curve keeps no tangent.
def _corner(p):
    return len(p) > 2 and p[2] == "c"


def smooth(points, closed=True, k=1.0):
    """SVG path data of a smooth curve through the points."""
    pts = [tuple(p) for p in points]
    n = len(pts)
    if n < 2:
        return ""
    d = [f"M{pt(pts[0])}"]
    last = n if closed else n - 1
    for i in range(last):
        p0 = pts[(i - 1) % n] if (closed or i > 0) else pts[i]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if (closed or i + 2 < n) else p2
        c1 = p1[:2] if _corner(p1) else add(p1[:2], mul(sub(p2[:2], p0[:2]), k / 6))
        c2 = p2[:2] if _corner(p2) else sub(p2[:2], mul(sub(p3[:2], p1[:2]), k / 6))
        d.append(f"C{pt(c1)} {pt(c2)} {pt(p2)}")
    if closed:
        d.append("Z")
    return "".join(d)


def polyline_at(axis, t):
    """Point and direction at fraction t of a polyline's length."""
    lens = [math.dist(axis[i], axis[i + 1]) for i in range(len(axis) - 1)]
    total = sum(lens)
    s = max(0.0, min(1.0, t)) * total
    for i, l in enumerate(lens):
        if s <= l or i == len(lens) - 1:
            u = s / l if l else 0
            return lerp(axis[i], axis[i + 1], u), sub(axis[i + 1], axis[i])
        s -= l
    return axis[-1], sub(axis[-1], axis[-2])


def profile_outline(axis, prof, cap0=0.6, cap1=0.6):
    """Outline points of a bone laid along an axis (polyline, first point = start).

    prof: list of (t, half width) or (t, left half width, right half width), t in 0..1
    along the axis; "left"/"right" are as seen looking from the start to the end.
    cap0/cap1: how far the rounded ends bulge beyond the axis ends, in half widths.
    """
    left, right = [], []
    for entry in prof:
        t = entry[0]
        wl = entry[1]
        wr = entry[2] if len(entry) > 2 else entry[1]
        p, d = polyline_at(axis, t)
        n = perp(d)
        right.append(add(p, mul(n, wr)))
        left.append(sub(p, mul(n, wl)))
    p0, d0 = polyline_at(axis, 0)
    p1, d1 = polyline_at(axis, 1)
    e0 = prof[0]
    e1 = prof[-1]
    w0 = (e0[1] + (e0[2] if len(e0) > 2 else e0[1])) / 2
    w1 = (e1[1] + (e1[2] if len(e1) > 2 else e1[1])) / 2
    tip0 = sub(p0, mul(norm(d0), w0 * cap0))
    tip1 = add(p1, mul(norm(d1), w1 * cap1))
    pts = []
    if cap1:
        pts += right + [tip1] + left[::-1]
    else:
        pts += right + left[::-1]
    if cap0:
        pts.append(tip0)
    return pts


def ray(origin, angle_deg, length):
    """End point of a ray; angle 90 points straight down the page."""
    a = math.radians(angle_deg)
    return (origin[0] + math.cos(a) * length, origin[1] + math.sin(a) * length)


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
        self.line(f'<path d="{smooth(points, True, k)}"/>')

    def curve(self, points, width=None, k=1.0):
        """An open line: detail or hatching."""
        w = f' stroke-width="{width}"' if width else ""
        self.line(f'<path fill="none"{w} d="{smooth(points, False, k)}"/>')

    def ellipse(self, c, rx, ry, angle=0):
        t = f' transform="rotate({fmt(angle)} {pt(c).replace(" ", " ")})"' if angle else ""
        self.line(f'<ellipse cx="{fmt(c[0])}" cy="{fmt(c[1])}" rx="{fmt(rx)}" ry="{fmt(ry)}"{t}/>')

    def leader(self, controls, start, via=()):
        s = f"leader {' '.join(controls)} from {fmt(start[0])} {fmt(start[1])}"
        if via:
            s += " via " + " ".join(f"{fmt(p[0])} {fmt(p[1])}" for p in via)
        self.leaders.append(s)

    def bracket(self, controls, x, y1, y2):
        self.leaders.append(f"bracket {' '.join(controls)} at {fmt(x)} from {fmt(y1)} to {fmt(y2)}")

    def text(self):
        head = [
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.w}" height="{self.h}" '
            f'viewBox="0 0 {self.w} {self.h}">',
            f"  <!-- Written by tools/art/limbs.py: edit the generator, not this file. -->",
            f'  <rect width="{self.w}" height="{self.h}" fill="{GROUND}"/>',
        ]
        meta = ['  <metadata id="leaders">',
                "    # one line per leader; coordinates are drawing pixels at 1x, x right, y down"]
        meta += ["    " + l for l in self.leaders]
        meta.append("  </metadata>")
        return "\n".join(head + self.out + meta + ["</svg>", ""])


BONE = dict(fill="#fff", stroke="#000", stroke_width="1", stroke_linejoin="round",
            stroke_linecap="round")
THIN = dict(fill="#fff", stroke="#000", stroke_width="0.8", stroke_linejoin="round",
            stroke_linecap="round")
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
def small_prof(wb, ws, wh, kind="shaft"):
    if kind == "distal":   # distal phalanx: broad base, slim shaft, tuft at the tip
        return [(0, wb), (0.18, wb * 0.9), (0.5, ws), (0.78, ws * 1.08), (0.92, wh), (1, wh * 0.75)]
    return [(0, wb), (0.1, wb * 0.96), (0.28, ws * 1.1), (0.55, ws), (0.76, ws * 1.12),
            (0.89, wh), (1, wh * 0.8)]


def small_bone(base, head, wb, ws, wh, kind="shaft"):
    """Outline, axis and profile of a small long bone from its base to its head."""
    prof = small_prof(wb, ws, wh, kind)
    cap1 = 0.5 if kind == "distal" else 0.7
    return profile_outline([base, head], prof, 0.22, cap1), [base, head], prof


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

    def ray_bone(self, group, name, base, head, wb, ws, wh, kind="shaft", hatch=0, side=1):
        outline, axis, prof = small_bone(base, head, wb, ws, wh, kind)
        self.bone(group, name, outline)
        if hatch:
            self.hatch(side_strokes(axis, prof, 0.3, 0.75, hatch, side, 0.5, 1.5))
        return self


class Place:
    """Model millimetres to drawing pixels: x' = ox + sx*x, y' = oy + s*y + offset(group)."""

    def __init__(self, ox, oy, s, mirror=False, offsets=None):
        self.ox, self.oy, self.s = ox, oy, s
        self.sx = -s if mirror else s
        self.offsets = offsets or {}

    def __call__(self, p, group=None):
        q = (self.ox + self.sx * p[0], self.oy + self.s * p[1] + self.offsets.get(group, 0))
        return q + tuple(p[2:])


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
           [(44, 9), (51, 2), (63, -0.5), (75, 1.5), (84, 9), (87.5, 24), (88.5, 44), (87, 62),
            (85, 75), (82, 85), (75, 90), (67, 88.5), (61, 79), (56, 70), (46, 58), (41, 42),
            (40, 24)])
    m.line([(86, 54), (80, 60), (80.5, 68)])                       # peroneal tubercle
    m.hatch([[(86.5, 30), (82, 33)], [(87, 40), (82.5, 43)], [(86.5, 50), (83, 52)]])
    m.bone(T, "talus: trochlea, neck and head",
           [(32, 31), (38, 24.5), (50, 22.5), (62, 24), (68.5, 30), (72.5, 42), (70, 52), (63.5, 60),
            (55, 68), (48, 76), (44, 86), (36, 93), (26, 94.5), (18, 89), (16.5, 80), (21, 70),
            (27.5, 60), (30, 48), (30, 38)])
    m.line([(35, 30), (34, 44), (35.5, 57)])                       # trochlea, medial rim
    m.line([(63, 30), (62.5, 44), (60, 56)])                       # trochlea, lateral rim
    m.line([(35.5, 57), (47, 61), (60, 56)])                       # front edge of the trochlea
    m.line([(25, 73), (35, 75), (43, 80)])                         # neck to head
    m.bone(T, "navicular",
           [(5, 104), (8, 97.5), (15, 95.5), (22, 98), (30, 99.5), (40, 98), (48, 95.5), (54, 97.5),
            (56.5, 103), (54.5, 110), (46, 114.5), (34, 116), (22, 116), (12, 114.5), (6, 110)])
    m.bone(T, "cuboid",
           [(62, 95), (70, 92.5), (81, 93), (88.5, 99), (88, 110), (84, 121), (76.5, 128),
            (70, 127.5), (65, 125), (64, 114), (62.5, 104)])
    m.line([(87.5, 112), (78, 117), (67, 116.5)])                 # groove for the long peroneal tendon
    m.bone(T, "medial cuneiform",
           [(8, 119.5), (18, 118.5), (29, 119), (32.5, 121.5), (33, 134), (32, 149), (24, 152),
            (14, 151), (6.5, 148), (5.5, 134)])
    m.bone(T, "intermediate cuneiform",
           [(35.5, 120), (45, 119), (47.5, 121.5), (47.5, 130), (46.5, 137), (37, 137.5), (35.5, 129)])
    m.bone(T, "lateral cuneiform",
           [(50, 119), (59, 118.5), (61.5, 121), (62, 132), (61, 142.5), (51.5, 143), (50, 131)])

    rays = [  # base, head, half widths at base, shaft, head
        ((20, 156), (16.5, 212), 11, 7, 10.5),
        ((41, 142), (37.5, 217), 6.5, 3.8, 6.8),
        ((56, 147), (56.5, 214), 6.2, 3.6, 6.4),
        ((70, 133.5), (73.5, 208.5), 6, 3.5, 6.3),
        ((82.5, 132.5), (88.5, 200.5), 6.3, 3.7, 6.2),
    ]
    names = ["first metatarsal, short and stout", "second metatarsal, the longest",
             "third metatarsal", "fourth metatarsal", "fifth metatarsal"]
    for (base, head, wb, ws, wh), name in zip(rays, names):
        m.ray_bone(M, name, base, head, wb, ws, wh, hatch=4)
    m.bone(M, "tuberosity of the fifth metatarsal",
           [(86, 128), (92, 127.5), (95, 132), (92.5, 137.5), (87.5, 137.5)])

    toes = [  # per toe: (base, head, half widths, kind) from the proximal phalanx outwards
        [((16, 216.5), (14.5, 244), 9.5, 6, 8.2), ((14.3, 247.5), (13.5, 268), 8, 4.8, 6.8, "distal")],
        [((37.3, 221.5), (36.5, 244), 5.8, 3.4, 4.8), ((36.4, 247), (36, 257), 4.6, 3.4, 4.3),
         ((35.9, 260), (35.6, 269), 4.2, 2.7, 3.7, "distal")],
        [((56.6, 218.5), (56.8, 239), 5.6, 3.3, 4.7), ((56.8, 242), (56.9, 251), 4.5, 3.3, 4.2),
         ((56.9, 254), (57, 262), 4, 2.6, 3.5, "distal")],
        [((74, 212.5), (75, 231), 5.4, 3.2, 4.5), ((75.1, 234), (75.2, 242), 4.3, 3.1, 4),
         ((75.2, 245), (75.1, 252.5), 3.8, 2.4, 3.3, "distal")],
        [((89.2, 204.5), (90.5, 220), 5.2, 3.1, 4.3), ((90.5, 223), (90.4, 229.5), 4.1, 3, 3.8),
         ((90.3, 232.5), (89.9, 239), 3.7, 2.3, 3.1, "distal")],
    ]
    toe_names = ["great toe", "second toe", "third toe", "fourth toe", "fifth toe"]
    for toe, tname in zip(toes, toe_names):
        parts = ["proximal", "distal"] if len(toe) == 2 else ["proximal", "middle", "distal"]
        for b, part in zip(toe, parts):
            kind = b[5] if len(b) > 5 else "shaft"
            m.ray_bone(P, f"{tname}, {part} phalanx", b[0], b[1], b[2], b[3], b[4], kind,
                       hatch=2 if part == "proximal" else 0)
    return m


FOOT_GROUPS = [("tarsals", "seven tarsals: calcaneus, talus, navicular, cuboid, three cuneiforms"),
               ("metatarsals", "five metatarsals"),
               ("phalanges", "fourteen phalanges: two in the great toe, three in each other toe")]


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
    d.curve([(46, 154), (49, 160)], HATCH)
    d.curve([(50.5, 153), (52, 160)], HATCH)
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
    d.leader(ctl(4), (72, 278.7))

    # ankle and foot, from the shared foot model
    place = Place(20, 326, 0.6)
    emit(d, foot_model(), place, [(g, c, THIN) for g, c in FOOT_GROUPS], detail=False, hatch=False)
    d.leader(ctl(5), (71, 378))
    d.leader(ctl(6), (70, 425))
    d.leader(ctl(7), (73, 461.5))
    return d


# @@DRAWINGS@@


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
