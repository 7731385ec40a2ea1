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
from geometry import (GROUND, add, bezier_d, fmt as fmt_digits, lerp, mul, norm,  # noqa: E402
                      perp, polyline_at, ray, rotate, spline, sub, svg)

import atlas  # noqa: E402

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
# under a bone that lies in front of another: a band of bone white round its outline, so
# that the outlines behind it stop short of it instead of running into it
HALO = dict(fill="#fff", stroke="#fff", stroke_width="4", stroke_linejoin="round")
FOSSA = dict(BONE, fill="rgb(204,204,206)")   # a hollow of a bone, under a ridge drawn white
DETAIL = "0.6"   # inner lines: joint margins, ridges
HATCH = "0.5"    # shading strokes


class Place:
    """Model millimetres to drawing pixels: x' = ox + sx*x, y' = oy + s*y + offset(group)."""

    def __init__(self, ox, oy, s, mirror=False, offsets=None):
        self.ox, self.oy, self.s = ox, oy, s
        self.sx = -s if mirror else s
        self.offsets = offsets or {}

    def __call__(self, p, group=None):
        q = (self.ox + self.sx * p[0], self.oy + self.s * p[1] + self.offsets.get(group, 0))
        return q + tuple(p[2:])


class Turned(Place):
    """A Place turned on the page by deg degrees (clockwise) about the pixel `about`."""

    def __init__(self, place, about, deg):
        super().__init__(place.ox, place.oy, place.s, place.sx < 0, place.offsets)
        self.about, self.deg = about, deg

    def __call__(self, p, group=None):
        q = super().__call__(p, group)
        return rotate(q[:2], self.about, self.deg) + tuple(q[2:])


def extents(model, place, group, name=""):
    """Top and bottom row of the outline points of a group's bones (those whose
    description contains `name`) in the drawing."""
    ys = [place(p, group)[1] for sh in model.shapes
          if sh["group"] == group and name in sh["name"] for p in sh["pts"]]
    return min(ys), max(ys)


def bracket_span(model, place, group, top="", bottom="", margin=2):
    """Rows of a bracket beside a group: from the top of the bones named `top` to the
    bottom of those named `bottom` (the bracket stands by the outer edge of the group),
    `margin` pixels beyond, where the curves through the outline points may bulge."""
    return (round(extents(model, place, group, top)[0] - margin),
            round(extents(model, place, group, bottom)[1] + margin))


def emit(d, model, place, groups, detail=True, hatch=True, widths=(DETAIL, HATCH), only=None):
    """Writes the model's groups, each as <g id=...> with the given attributes.

    groups: list of (group id, comment, attributes); only: the model's group to draw
    under that id, when the id is another."""
    for gid, comment, attrs in groups:
        d.open(gid, comment, **attrs)
        for sh in model.shapes:
            if sh["group"] != (only or gid):
                continue
            d.comment(sh["name"])
            g = sh["group"]
            d.bone([place(p, g) for p in sh["pts"]])
            if detail:
                for l in sh["lines"]:
                    d.curve([place(p, g) for p in l], widths[0])
            if hatch:
                for l in sh["hatch"]:
                    d.curve([place(p, g) for p in l], widths[1])
        d.close()


def _inside(q, poly):
    """Whether the point q lies inside the closed polygon poly (even-odd rule)."""
    inside = False
    for a, b in zip(poly, poly[1:] + poly[:1]):
        if (a[1] > q[1]) != (b[1] > q[1]):
            if q[0] < a[0] + (b[0] - a[0]) * (q[1] - a[1]) / (b[1] - a[1]):
                inside = not inside
    return inside


def _crossing(p, q, poly):
    """Where the segment from p (inside poly) to q (outside it) crosses poly's outline."""
    lo, hi = 0.0, 1.0
    for _ in range(30):
        mid = (lo + hi) / 2
        if _inside(lerp(p, q, mid), poly):
            lo = mid
        else:
            hi = mid
    return lerp(p, q, lo)


def lying_on(d, model, place, name, below, attrs, space):
    """Draws again, over the bone `below` it lies on, the bone whose name begins with `name`,
    parted from it by a joint space `space` pixels wide as every other pair of neighbours
    is: a band of the ground round its outline, then, where that band lies over the lower
    bone, the lower bone's own edge along the far side of the space, then the bone itself.
    Neighbours the band comes near are drawn again over it, so that it takes nothing of them."""
    sh = next(sh for sh in model.shapes if sh["name"].startswith(name))
    low = next(sh for sh in model.shapes if sh["name"].startswith(below))
    pts = [place(p, sh["group"])[:2] for p in sh["pts"]]
    under = [place(p, low["group"])[:2] for p in low["pts"]]
    width = float(attrs["stroke_width"])
    d.open(None, f"{sh['name']}, lying on the {below}", fill="none", stroke=GROUND,
           stroke_width=fmt(2 * space + width), stroke_linejoin="round")
    d.bone(pts)
    d.close()
    # the neighbours across their own joint spaces drawn again over that band, whole
    reach = 4 * space + 2 * width
    for other in model.shapes:
        if other is sh or other is low:
            continue
        near = [place(p, other["group"])[:2] for p in other["pts"]]
        if min(math.dist(a, b) for a in near for b in pts) < reach:
            d.open(None, other["name"], **attrs)
            d.bone(near)
            d.close()
    # the lower bone's edge: the upper's outline pushed outwards by the space, where it
    # lies over the lower bone, ending on the lower bone's outline
    n = len(pts)
    edge = []
    for i, p in enumerate(pts):
        t = norm(sub(pts[(i + 1) % n], pts[i - 1]))
        out = (t[1], -t[0])
        q = add(p, mul(out, space + width))
        if _inside(q, pts):
            q = add(p, mul(out, -(space + width)))
        edge.append(q)
    start = next((i for i in range(n) if not _inside(edge[i], under)), None)
    runs, run = [], []
    if start is not None:
        for k in range(1, n + 1):
            i, prev = (start + k) % n, (start + k - 1) % n
            if _inside(edge[i], under):
                if not run:
                    run = [_crossing(edge[i], edge[prev], under)]
                run.append(edge[i])
            elif run:
                runs.append(run + [_crossing(run[-1], edge[i], under)])
                run = []
    d.open(None, None, fill="none", stroke="#000", stroke_width=attrs["stroke_width"],
           stroke_linecap="round", stroke_linejoin="round")
    for r in runs:
        d.curve(r)
    d.close()
    d.open(None, None, **attrs)
    d.bone(pts)
    d.close()


def check_apart(d, spans, rows, columns=None):
    """Brackets that gather groups drawn apart: each within the drawing, below the one
    before it, and holding the row where its label's line meets the edge (the labels'
    rows, as the screens place them). Otherwise the writing of the drawing fails: a
    bracket reaching into its neighbour's group would gather bones of another group.
    columns: the brackets' bars' columns; a bracket may reach up beside the lower end of
    the one before it where their bars stand apart, as long as it begins and ends lower."""
    problems = []
    columns = columns or [None] * len(spans)
    for n, ((top, bottom), row) in enumerate(zip(spans, rows), 1):
        if not 0 <= top < bottom < d.h:
            problems.append(f"bracket {n} runs from {top} to {bottom}, outside the drawing")
        if not top <= row <= bottom:
            problems.append(f"bracket {n} ({top} to {bottom}) misses its label's row {row}")
    for n, (a, b, xa, xb) in enumerate(zip(spans, spans[1:], columns, columns[1:]), 1):
        beside = xa is not None and xb is not None and abs(xa - xb) >= 6
        if b[0] <= a[1] and not (beside and a[0] < b[0] and a[1] < b[1]):
            problems.append(f"brackets {n} and {n + 1} overlap ({a[1]} against {b[0]})")
    if problems:
        raise SystemExit(f"{d.name}: " + "; ".join(problems))


def apart(model, place, groups, gap):
    """Offsets (pixels down) that move each group below the one before it, `gap` pixels
    apart."""
    offsets, bottom = {}, None
    for g in groups:
        lo, hi = extents(model, place, g)
        offsets[g] = 0.0 if bottom is None else bottom + gap - lo
        bottom = hi + offsets[g]
    return offsets


def across(model, place, group, row, name=""):
    """Where the outlines of a group's bones (those whose description contains `name`)
    cross one pixel row: a list of (left, right, description), left to right."""
    spans = []
    for sh in model.shapes:
        if sh["group"] != group or name not in sh["name"]:
            continue
        pts = [place(p, group) for p in sh["pts"]]
        xs = sorted(a[0] + (b[0] - a[0]) * (row - a[1]) / (b[1] - a[1])
                    for a, b in zip(pts, pts[1:] + pts[:1]) if (a[1] > row) != (b[1] > row))
        spans += [(xs[k], xs[k + 1], sh["name"]) for k in range(0, len(xs) - 1, 2)]
    return sorted(spans)


def start_on(model, place, group, name, row):
    """A leader start on the bone of the group whose description contains `name`: on the
    line's own row (so that it runs level) when that row crosses the bone well inside its
    length, otherwise at the bone's mid-height (and the line slopes a little)."""
    lo, hi = extents(model, place, group, name)
    if not lo + 0.2 * (hi - lo) <= row <= hi - 0.2 * (hi - lo):
        row = (lo + hi) / 2
    a, b, _ = across(model, place, group, row, name)[0]
    return ((a + b) / 2, row)


# The rows where each drawing's lines meet its right edge (the middle of the pixel row
# between a view screen's label and its test's answer box, as the screens place them):
# a line started on its row runs level, without a step.
ROWS = {
    "leg": {1: 78.5, 2: 157.5, 3: 215.5, 4: 278.5, 5: 378.5, 6: 425.5, 7: 461.5},
    "hand": {1: 52.5, 2: 172.5, 3: 357.5},
    "foot": {1: 86.5, 2: 257.5, 3: 396.5},
    "arm": {1: 102.5, 2: 227.5, 3: 294.5, 4: 367.5, 5: 391.5, 6: 438.5, 7: 8.5, 8: 73.5},
}

BUILDERS = {}


def builds(name):
    def reg(fn):
        BUILDERS[name] = fn
        return fn
    return reg


def placed_at(origin, s, mirror=False):
    """The Place that puts a bone's frame origin at the drawing pixel `origin`."""
    return Place(origin[0], origin[1], s, mirror)


def px(place, p):
    """A point of a bone's frame in drawing pixels."""
    return place(p)[:2]


def draw_shape(d, shape, place, gid, comment, attrs):
    """One shape of an atlas bone, placed, as a group of its own with the given
    attributes: its outline and inner lines, without the shading strokes."""
    d.open(gid, comment, **attrs)
    d.comment(shape["name"])
    d.bone([px(place, p) for p in shape["pts"]])
    for ln in shape["lines"]:
        d.curve([px(place, p) for p in ln], DETAIL)
    d.close()


def draw_bone(d, model, place, comment, attrs=BONE):
    """One bone of the atlas, placed: each of its groups with the given attributes. The
    drawings keep the bones' outlines and inner lines, without the shading strokes: at
    the size they are seen, strokes along an edge read as notches in it."""
    for gid in dict.fromkeys(sh["group"] for sh in model.shapes):
        emit(d, model, place, [(gid, comment, attrs)], hatch=False)


# ----------------------------------------------------------------------------
# leg: the left leg from the front (medial side to the left), its bones in place: the
# kneecap over the lower end of the femur, the tibia just under the femur's condyles, the
# fibula's head under the tibia's lateral condyle, and the foot under the ankle, its talus
# between the malleoli, seen from high above its toes, the heel hidden behind the ankle.
# Every bone of the leg at the same scale, so that the femur is 1.2 times the tibia. Leader
# lines to the right; the foot's from the outermost bone of each of its groups.
LEG_SCALE = 0.45     # pixels to the millimetre: the tibia's lateral condyle on its line's
                     # row, the head of the fibula under it
LEG_KNEE_GAP = 1.5   # pixels of joint space between the femur and the tibia
LEG_ANKLE_GAP = 1.5  # and between the tibia and the talus
LEG_LEAST_PHALANX = 8.0  # pixels: the shortest phalanx the phalanges' line may start on
LEG_PHALANX_HALVES = (0.8,)  # pixels: half the least width of the shaft where it starts
LEG_TIBIA_START = 1.5  # millimetres under the middle of the tibial plateau, where the tibia's line starts
LEG_TALUS_SPACE = 0.8  # pixels of joint space between the talus and the calcaneus below it
LEG_ANKLE_TARSALS = ("talus", "calcaneus")  # the tarsals at the ankle, under the malleoli
# The foot under the leg is the atlas's foot from above as an eye high in front of the shin
# sees it (atlas.foot_under_leg): the talus's trochlea between the malleoli, the heel
# behind the ankle, of the calcaneus its lateral part from under the malleolus's tip
# forwards; every bone keeps its own closed outline, as in the foot drawing, the neighbours
# a joint space apart.


class FootUnderLeg:
    """Places points of the atlas's foot from above (atlas.foot_model's millimetres) under
    the ankle as the leg is seen, the way atlas.foot_under_leg draws them."""

    def __init__(self, place, ankle=atlas.UNDER_LEG_ANKLE, depth=atlas.UNDER_LEG_DEPTH,
                 heel=atlas.UNDER_LEG_HEEL):
        self.place, self.ankle, self.depth, self.heel = place, ankle, depth, heel

    def __call__(self, p, group=None):
        return self.place(atlas.under_leg(p, self.ankle, self.depth, self.heel), group)


def inside(poly, p):
    """Whether the point lies inside the polygon (even-odd rule)."""
    x, y = p[0], p[1]
    hit = False
    for a, b in zip(poly, poly[1:] + poly[:1]):
        if (a[1] > y) != (b[1] > y) and x < a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1]):
            hit = not hit
    return hit


def shown_on(model, place, groups, group, name, row, step=0.25):
    """A leader start on the part of a bone that shows: across the row, the middle of the
    longest stretch where the bone of the group whose description contains `name` is not
    covered by a bone drawn after it (`groups`: the model's groups in drawing order)."""
    order = [sh for g in groups for sh in model.shapes if sh["group"] == g]
    polys = [[place(p, sh["group"]) for p in sh["pts"]] for sh in order]
    own = next(i for i, sh in enumerate(order) if sh["group"] == group and name in sh["name"])
    xs = [p[0] for p in polys[own]]
    best, run = None, None
    x = min(xs)
    while x <= max(xs) + step:
        top = inside(polys[own], (x, row)) and not any(inside(q, (x, row)) for q in polys[own + 1:])
        if top:
            run = (run[0], x) if run else (x, x)
        if run and (not top or x > max(xs)):
            if best is None or run[1] - run[0] > best[1] - best[0]:
                best = run
            run = None
        x += step
    if best is None:
        raise SystemExit(f"{name}: nothing of it shows on row {row}")
    return ((best[0] + best[1]) / 2, row)


def _near_edge(poly, p, margin):
    """Whether the point lies within `margin` of the polygon's outline."""
    for a, b in zip(poly, poly[1:] + poly[:1]):
        ab = (b[0] - a[0], b[1] - a[1])
        L2 = ab[0] ** 2 + ab[1] ** 2 or 1e-9
        t = max(0.0, min(1.0, ((p[0] - a[0]) * ab[0] + (p[1] - a[1]) * ab[1]) / L2))
        if math.dist(p, (a[0] + t * ab[0], a[1] + t * ab[1])) < margin:
            return True
    return False


def _clear(polys, i, start, end, margin, boxes):
    """Whether the line from a start on bone i to `end` keeps `margin` from every other bone."""
    n = max(2, int(math.dist(start, end) / 0.25))
    for k in range(n + 1):
        p = (start[0] + (end[0] - start[0]) * k / n, start[1] + (end[1] - start[1]) * k / n)
        for j, q in enumerate(polys):
            bx = boxes[j]
            if j != i and bx[0] <= p[0] <= bx[2] and bx[1] <= p[1] <= bx[3] and (
                    inside(q, p) or _near_edge(q, p, margin)):
                return False
    return True


def clear_start(polys, own, end, halves=(1.2, 1.0), margin=1.5, step=0.5, least=0.0):
    """A leader start for a group of bones, on the bone nearest the middle of the group
    whose line to `end` can cross no other bone nor graze one, as near that bone's own
    middle as such a line can start.

    polys: every bone's outline in the drawing, in drawing order; own: the indices of the
    group's bones. Candidates are the middles of what shows of a bone along the rows of
    the middle half of its height, where it shows at least twice the first of `halves`
    pixels across (else the next), so that the start lies on its body rather than at an
    end or an edge; the line may pass over its own bone only, and no nearer than
    `margin` to any other. Bones less than `least` pixels long (height or width, the
    larger) are passed over, so that the line starts on a body that reads as a bone and
    not on a speck. None if no bone of the group has such a start."""
    box = lambda q: (min(p[0] for p in q), min(p[1] for p in q),  # noqa: E731
                     max(p[0] for p in q), max(p[1] for p in q))
    mid = lambda b: ((b[0] + b[2]) / 2, (b[1] + b[3]) / 2)  # noqa: E731
    group = box([p for i in own for p in polys[i]])
    boxes = [(b[0] - margin, b[1] - margin, b[2] + margin, b[3] + margin)
             for b in map(box, polys)]
    for i in sorted(own, key=lambda i: math.dist(mid(box(polys[i])), mid(group))):
        left, top, right, bottom = box(polys[i])
        if max(right - left, bottom - top) < least:
            continue
        # the rows well inside the bone's height, not at its upper or lower end
        starts, row = [], top + 0.25 * (bottom - top)
        while row <= bottom - 0.25 * (bottom - top):
            run, x = None, left
            while x <= right + 0.25:
                shows = inside(polys[i], (x, row)) and not any(
                    inside(q, (x, row)) for q in polys[i + 1:])
                if shows:
                    run = (run[0], x) if run else (x, x)
                if run and (not shows or x > right):
                    starts.append(((run[0] + run[1]) / 2, row, run[1] - run[0]))
                    run = None
                x += 0.25
            row += step
        starts.sort(key=lambda p: math.dist(p[:2], mid(box(polys[i]))))
        for half in halves:
            for start in (p[:2] for p in starts if p[2] >= 2 * half):
                if _clear(polys, i, start, end, margin, boxes):
                    return start
    return None


def across_middle(model, place, group, column):
    """The middle of a group's bone where it crosses one pixel column."""
    ys = []
    for sh in model.shapes:
        if sh["group"] != group:
            continue
        pts = [place(p, group) for p in sh["pts"]]
        ys += [a[1] + (b[1] - a[1]) * (column - a[0]) / (b[0] - a[0])
               for a, b in zip(pts, pts[1:] + pts[:1]) if (a[0] - column) * (b[0] - column) < 0]
    return (column, (min(ys) + max(ys)) / 2)


def nearest_on_row(model, place, group, row):
    """A leader start on one row: the bone of the group furthest right (nearest a line
    that leaves to the right, so that it crosses none of the others) among those the row
    crosses well inside their length; None if the row crosses none so."""
    best = None
    for a, b, name in across(model, place, group, row):
        lo, hi = extents(model, place, group, name)
        if lo + 0.2 * (hi - lo) <= row <= hi - 0.2 * (hi - lo) and (best is None or b > best[1]):
            best = (a, b)
    return ((best[0] + best[1]) / 2, row) if best else None


def middle(model, place, group, name, at=0.5):
    """The middle of the bone of the group whose description contains `name`, across the
    row `at` of the way down it."""
    lo, hi = extents(model, place, group, name)
    row = lo + at * (hi - lo)
    a, b, _ = across(model, place, group, row, name)[0]
    return ((a + b) / 2, row)


@builds("leg")
def leg():
    d = Drawing("leg", 120, 492)
    ctl = lambda n: (f"Form10.Label{n}", f"Form11.Text{n}")
    fem_m, pat_m, tib_m, fib_m = atlas.femur(), atlas.patella(), atlas.tibia(), atlas.fibula()
    foot_m = atlas.foot_under_leg()
    s = LEG_SCALE
    femur_top = min(p[1] for p in fem_m.shapes[0]["pts"])
    fem = placed_at((40, 2 - femur_top * s), s)
    femur_bottom = max(p[1] for p in fem_m.shapes[0]["pts"]) * s + fem.oy
    knee = px(fem, fem_m.marks["knee"])
    pat = placed_at(px(fem, atlas.PATELLA_ON_FEMUR), s)
    tib = placed_at((knee[0], femur_bottom + LEG_KNEE_GAP + 9 * s), s)
    fib = placed_at(px(tib, atlas.FIBULA_ON_TIBIA), s)
    # the talus's trochlea under the tibia across a joint space, between the malleoli
    ankle = px(tib, tib_m.marks["ankle"])
    foot = placed_at((ankle[0], ankle[1] + LEG_ANKLE_GAP), s)

    draw_bone(d, fem_m, fem, "thigh bone: head, neck, trochanters, shaft, condyles")
    emit(d, foot_m, foot, [(g, c, THIN) for g, c in atlas.FOOT_GROUPS], detail=False,
         hatch=False)
    # the talus parted by a joint space from the calcaneus it lies on, so that what shows of
    # the calcaneus outside it, under the lateral malleolus, reads as a bone of its own
    lying_on(d, foot_m, foot, "talus", "calcaneus", THIN, LEG_TALUS_SPACE)
    draw_bone(d, fib_m, fib, "the slender outer bone of the lower leg, under the tibia's condyle")
    draw_bone(d, tib_m, tib, "shin bone: condyles, tuberosity, shaft, medial malleolus")
    draw_bone(d, pat_m, pat, "kneecap, over the lower end of the femur")

    row = ROWS["leg"]
    d.leader(ctl(1), (px(fem, fem_m.marks["body"])[0], row[1]))
    # from the middle of the kneecap: the line rises out of it to its label, across the
    # femur's lateral border above the epicondyle's bulge rather than along it
    d.leader(ctl(2), px(pat, pat_m.marks["body"]))
    # from the middle of the tibia's upper end, between its condyles, high under the
    # plateau, so that the line falls only a little to its label and passes well clear
    # above the fibula's head under the lateral condyle
    d.leader(ctl(3), (px(tib, (0, 0))[0], px(tib, (0, LEG_TIBIA_START))[1]))
    d.leader(ctl(4), (px(fib, (2, 0))[0], row[4]))
    # the foot's lines, each from as near the middle of its group as a line can start that
    # crosses no other bone on its way out to the right
    groups = [g for g, _ in atlas.FOOT_GROUPS]
    drawn = ([(fem_m.shapes[0], fem, None)]
             + [(sh, foot, g) for g in groups for sh in foot_m.shapes if sh["group"] == g]
             + [(fib_m.shapes[0], fib, None), (tib_m.shapes[0], tib, None),
                (pat_m.shapes[0], pat, None)])
    polys = [[place(p, g)[:2] for p in sh["pts"]] for sh, place, g in drawn]
    for n, g in zip((5, 6, 7), groups):
        # the tarsals' from a bone in front of the ankle: what shows of the talus and the
        # calcaneus lies between and under the malleoli, and a line from there reads as
        # leaving the fibula's tip
        own = [i for i, (sh, _, gr) in enumerate(drawn)
               if gr == g and not (n == 5 and sh["name"].startswith(LEG_ANKLE_TARSALS))]
        # the phalanges' from the middle of a proximal phalanx's shaft, as slender as it is
        # (the toes' end phalanges are specks here), not from its base beside the joint
        start = clear_start(polys, own, (d.w, row[n]), least=LEG_LEAST_PHALANX if n == 7 else 0,
                            halves=LEG_PHALANX_HALVES if n == 7 else (1.2, 1.0))
        if start is None:
            raise SystemExit(f"leg: no line from the {g} leaves them without crossing a bone")
        d.leader(ctl(n), start)
    return d


# ----------------------------------------------------------------------------
# arm: the right arm from behind (medial side to the left, thumb side to the right), as
# it hangs, its bones in place: the collar bone meeting the acromion, the humerus's head
# against the glenoid under the acromion, the olecranon in the olecranon fossa over the
# humerus's lower end, the head of the radius under the capitulum, the back of the hand
# under the wrist, as the hand drawing shows it. One scale for every bone, the one that
# brings the carpus to its line's row.
ARM_SCALE = 0.59
# The spine of the shoulder blade from behind is a ridge of the blade itself, in the
# blade's own grey, and the acromion is its flattened lateral end: one outline runs along
# the spine's upper crest and on round the acromion's tip, and back along the acromion's
# underside and the spine's lower lip to the medial border, with no line across the root
# of the acromion, so that spine and acromion read as one grey process of the scapula,
# unlike the white collar bone beside it; a dark shadow under the lower lip where it
# overhangs the infraspinous fossa.
SPINE_SHADOW = "rgb(96,96,100)"
SPINE_SHADOW_WIDTH = 2.0   # pixels: half of it shows below the lower lip
# the spine's outline (the atlas's second scapula shape): from its root on the medial
# border along the upper crest and round the acromion's tip, back along the acromion's
# underside to the corner over the lateral angle (SPINE_LIP), and along the lower lip to
# the medial border (SPINE_ROOT)
SPINE_LIP = 20
SPINE_ROOT = 26
ARM_GAP = 2.0   # pixels of joint space
# From behind the collar bone lies in front of the shoulder blade: where the shaft crosses
# the blade's superior angle and superior border the blade hides its lower edge; its
# medial part rises free above the blade towards the breastbone. Its flat lateral end
# meets the acromion's inner border at the acromioclavicular joint, its end face parallel
# to the acromion's facet a joint space (AC_GAP) from it, so that the joint shows as a
# narrow line between the white collar bone and the acromion, shaded as the spine it
# continues.
AC_GAP = 3.0   # pixels of the acromioclavicular joint space, between the two end faces
CLAVICLE_TOP = 3.0   # pixels from the drawing's top edge to the top of the collar bone's breastbone end


def draw_spine_ridge(d, spine, place):
    """The spine of the shoulder blade and its acromion as one ridge on the blade (see SPINE_SHADOW)."""
    pts = [px(place, p) + tuple(p[2:]) for p in spine["pts"]]
    d.open("scapular-spine", "spine of the scapula: a ridge rising across the blade and on "
           "into the flat acromion", fill="none", stroke_linejoin="round", stroke_linecap="round")
    d.line(f'<path stroke="{SPINE_SHADOW}" stroke-width="{fmt(SPINE_SHADOW_WIDTH)}" '
           f'd="{bezier_d(pts[SPINE_LIP:SPINE_ROOT + 1], False, 1.0, DIGITS)}"/>')
    d.line(f'<path fill="{FOSSA["fill"]}" stroke="none" d="{bezier_d(pts, True, 1.0, DIGITS)}"/>')
    d.line(f'<path stroke="#000" stroke-width="1" '
           f'd="{bezier_d(pts[SPINE_ROOT:] + pts[:SPINE_ROOT + 1], False, 1.0, DIGITS)}"/>')
    d.close()


def _outline(model, place, sh):
    return spline([place(p) for p in sh["pts"]], True, 0.3)[0]


def rest_under(upper, lower, gap):
    """How far (pixels) the lower outlines can rise and keep `gap` from the upper ones at
    their nearest, so that a joint space of that width parts them."""
    def below(p, poly):   # the upper outline's lowest crossing above p, on p's column
        ys = [a[1] + (b[1] - a[1]) * (p[0] - a[0]) / (b[0] - a[0])
              for a, b in zip(poly, poly[1:] + poly[:1]) if (a[0] > p[0]) != (b[0] > p[0])]
        ys = [y for y in ys if y <= p[1]]
        return p[1] - max(ys) if ys else math.inf
    lift = min(below(p, u) for lo in lower for p in lo for u in upper) - gap
    near = lambda k: any(_near_edge(u, (p[0], p[1] - k), gap) for lo in lower for p in lo  # noqa: E731
                         for u in upper if p[1] - k - gap < max(q[1] for q in u))
    while lift > 0 and near(lift):
        lift -= 0.1
    return max(0.0, lift)


def mid_depth_on_row(outline, row, x0, x1, step=0.25):
    """The point on `row` between the columns x0 and x1 where the row lies nearest the
    middle of the outline's depth (halfway between its top and its bottom there)."""
    def off(x):
        ys = [a[1] + (b[1] - a[1]) * (x - a[0]) / (b[0] - a[0])
              for a, b in zip(outline, outline[1:] + outline[:1]) if (a[0] > x) != (b[0] > x)]
        return abs((min(ys) + max(ys)) / 2 - row) if ys else math.inf
    xs = [x0 + k * step for k in range(int((x1 - x0) / step) + 1)]
    return (min(xs, key=off), row)


@builds("arm")
def arm():
    d = Drawing("arm", 160, 492)
    ctl = lambda n, t: (f"Form6.Label{n}", f"Form7.Text{t}")
    s = ARM_SCALE
    cla_m, sca_m, hum_m = atlas.clavicle(), atlas.scapula(), atlas.humerus()
    uln_m, rad_m = atlas.ulna(), atlas.radius()
    hand_m = atlas.hand_model(palm=False)
    lowest = lambda m, sh=0: max(p[1] for p in m.shapes[sh]["pts"])

    # (the acromion's top some three pixels under the drawing's top edge)
    sca = placed_at((40, 5.5 + 6.5 * s), s)
    glenoid = px(sca, sca_m.marks["glenoid"])
    # the head against the glenoid across a narrow joint space
    hum = placed_at((glenoid[0] + 23 * s + ARM_GAP / 2, glenoid[1]), s)
    # the collar bone's blunt end a joint space short of the acromion's inner edge, its
    # end face parallel to the facet there
    facet = px(sca, sca_m.marks["acromial facet"])
    u = sca_m.marks["acromial facet direction"]
    across_joint = (u[1], -u[0])    # at right angles to the joint line, inwards
    end = cla_m.marks["acromial facet"]
    cla = placed_at((facet[0] + across_joint[0] * AC_GAP - end[0] * s,
                     facet[1] + across_joint[1] * AC_GAP - end[1] * s), s)
    # turned about that joint (clockwise lifts the breastbone end) until the thick
    # breastbone end's top comes CLAVICLE_TOP pixels under the drawing's top edge
    pivot = px(cla, end)
    inner_x = px(cla, cla_m.marks["shaft"])[0]
    top = lambda deg: min(p[1] for p in _outline(cla_m, Turned(cla, pivot, deg), cla_m.shapes[0])  # noqa: E731
                          if p[0] < inner_x)
    lo_deg, hi_deg = -20.0, 20.0
    for _ in range(40):
        deg = (lo_deg + hi_deg) / 2
        if top(deg) > CLAVICLE_TOP:
            lo_deg = deg
        else:
            hi_deg = deg
    cla = Turned(cla, pivot, deg)
    elbow = px(hum, hum_m.marks["elbow"])
    humerus_bottom = hum.oy + lowest(hum_m) * s
    # the olecranon's top in the middle of the olecranon fossa, between the epicondyles,
    # over the humerus's lower end, so that the radius's head comes under the capitulum
    uln = placed_at(px(hum, (hum_m.marks["elbow"][0] + 1, hum_m.marks["elbow"][1] - 27)), s)
    rad = placed_at(px(uln, atlas.RADIUS_ON_ULNA), s)
    # the back of the right hand: the palm model mirrored, its thumb to the right, the
    # carpus under the radius and the ulna
    # risen until its proximal row comes a joint space under the forearm bones' lower ends
    # at their nearest
    wrist_y = rad.oy + lowest(rad_m) * s + ARM_GAP
    hand_place = Place(px(uln, (0, 0))[0] + 77 * s, wrist_y, s, mirror=True)
    carpus = [_outline(hand_m, hand_place, sh) for sh in hand_m.shapes if sh["group"] == "carpals"]
    forearm = [_outline(rad_m, rad, rad_m.shapes[0]), _outline(uln_m, uln, uln_m.shapes[0])]
    # (no higher than keeps the carpals' row across the scaphoid's body, three quarters
    # of the way down it, so that their line runs level out of it)
    lo, hi = extents(hand_m, hand_place, "carpals", "scaphoid")
    hand_place.oy -= min(rest_under(forearm, carpus, ARM_GAP), lo + 0.75 * (hi - lo) - ROWS["arm"][4])

    # from behind the collar bone lies beyond the shoulder blade: drawn before it, so that
    # the blade's superior angle and border hide what of it lies in front of them; the
    # coracoid, hooked forwards under the collar bone, is out of sight behind the two
    draw_bone(d, cla_m, cla, "collar bone from behind, its lateral end meeting the acromion")
    draw_shape(d, sca_m.shapes[0], sca, "scapula",
               "shoulder blade from behind: body, neck and glenoid", FOSSA)
    draw_spine_ridge(d, sca_m.shapes[1], sca)
    draw_bone(d, hum_m, hum, "upper arm bone: head, tubercles, shaft, epicondyles, olecranon fossa")
    draw_bone(d, rad_m, rad, "the outer forearm bone: head above, broad lower end and styloid")
    # from behind the olecranon lies over the humerus, in its fossa
    draw_bone(d, uln_m, uln, "the inner forearm bone: olecranon above, head and styloid below")
    emit(d, hand_m, hand_place, [(g, c, THIN) for g, c in atlas.HAND_GROUPS],
         detail=False, hatch=False)

    row = ROWS["arm"]
    # its label stands level with the collar bone's inner half: the line starts where its
    # own row runs through the middle of the bone's depth, between the breastbone end and
    # the shaft's middle, clear of the blade's superior angle, and runs out level
    d.leader(ctl(7, 7), mid_depth_on_row(_outline(cla_m, cla, cla_m.shapes[0]), row[7],
                                         cla(cla_m.marks["body"])[0], cla(cla_m.marks["shaft"])[0]))
    d.leader(ctl(8, 8), (px(sca, sca_m.marks["body"])[0], row[8]))
    d.leader(ctl(1, 1), (px(hum, hum_m.marks["upper shaft"])[0], row[1]))
    # from the middle of the ulna's shaft a third of the way down, where the space between
    # the forearm bones has opened: every line from the ulna to the right edge crosses
    # the radius or the humerus's lower end; this one crosses the radius's slender shaft
    # once, rising gently, and ends in the ulna a clear gap beyond it
    d.leader(ctl(2, 2), middle(uln_m, uln, "ulna", "", 0.37))
    d.leader(ctl(3, 3), start_on(rad_m, rad, "radius", "", row[3]))
    # the hand's lines, short, each from the bone of its group that it reaches first, so
    # that it crosses none of the others: the carpals' from the middle of the scaphoid's
    # body, falling a little to its row above the trapezium,
    # the metacarpals' from the thumb's metacarpal on the line's row; the phalanges' from
    # the middle of the index finger's middle phalanx, the line rising from it to the edge
    # under the tip of the thumb
    d.leader(ctl(4, 4), middle(hand_m, hand_place, "carpals", "scaphoid"))
    d.leader(ctl(5, 5), nearest_on_row(hand_m, hand_place, "metacarpals", row[5]))
    d.leader(ctl(6, 6), middle(hand_m, hand_place, "phalanges", "index finger, middle"))
    return d


# ----------------------------------------------------------------------------
# hand: the bones of the right wrist and hand from behind (the back of the hand, thumb
# to the right), fingers down, in three groups drawn a small distance apart, as the
# foot's are: the carpals above the metacarpals, the fingers' phalanges below the
# metacarpals' heads. The heads of the metacarpals lie in an arch, the thumb's far higher
# than the fingers': each finger's phalanges are moved down the page by what its
# metacarpal's head lies above the lowest, so that every first phalanx starts on the same
# row, and its metacarpal by half that, so that the finger's two joints open alike; then
# each finger's phalanges are drawn back up to a knuckle's space from its own metacarpal's
# head, as wide as the index finger's, so that every knuckle opens alike. The thumb keeps
# its own joints: its metacarpal on the trapezium a joint space from it, its proximal
# phalanx a knuckle's space from the metacarpal's head, as the index finger's is. Its
# phalanges therefore begin above the fingers' metacarpals' heads, as they do in the hand,
# and the phalanges' bracket, standing further out than the metacarpals', reaches up
# beside the lower end of theirs to the thumb's proximal phalanx.
HAND_SCALE = 2.0
GROUP_GAP = 10   # pixels between the rows of neighbouring groups
THUMB_BASE = 0   # millimetres of the thumb's opening given to the joint at its base
# the columns of the brackets' bars: the carpals' and the metacarpals' nearer the hand,
# the phalanges' further out, so that where its upper end stands beside the metacarpals'
# lower end the two bars run side by side
HAND_BRACKETS = (250, 250, 262)
HAND_DIGITS = [("thumb", "first"), ("index finger", "second"), ("middle finger", "third"),
               ("ring finger", "fourth"), ("little finger", "fifth")]


def phalanges_in_a_row(model, digits=None, kind="metacarpal", row=lambda p: p[1], knuckle=None,
                       at_base=None):
    """The model with each digit's phalanges lowered to start level with the others', its
    metacarpal (metatarsal: kind) half as far. digits: (digit, ordinal of its metacarpal);
    row: where a point of the model comes to lie down the page, in millimetres; knuckle:
    at most so many millimetres of that opening given to the joint at the metacarpal's
    head, the rest to the one at its base; at_base: {digit: millimetres}, at most so much
    of a digit's opening given to the joint at its base, the rest to its knuckle."""
    at_base = at_base or {}
    digits = digits or HAND_DIGITS

    def bone(name):
        return next(sh for sh in model.shapes if sh["name"].startswith(name))
    bottom = {digit: max(row(p) for p in bone(f"{meta} {kind}")["pts"]) for digit, meta in digits}
    lowest = max(bottom.values())
    meta_of = {f"{meta} {kind}": digit for digit, meta in digits}
    for sh in model.shapes:
        digit = sh["name"].split(",")[0]
        if sh["group"] == "phalanges" and digit in bottom:
            dy = lowest - bottom[digit]
        elif sh["group"] == kind + "s" and digit in meta_of:
            dy = lowest - bottom[meta_of[digit]]
            if meta_of[digit] in at_base:
                dy = min(dy, at_base[meta_of[digit]])
            else:
                dy -= dy / 2 if knuckle is None else min(dy / 2, knuckle)
        else:
            continue
        if dy:
            # along the digit's own line where the model gives it (the thumb's slants
            # out), so that its bones stay in line with one another
            base, head = getattr(model, "rays", {}).get(digit, ((0, 0), (0, 1)))
            dx = dy * (head[0] - base[0]) / (head[1] - base[1])
            move = lambda p: (p[0] + dx, p[1] + dy) + tuple(p[2:])   # noqa: E731
            sh["pts"] = [move(p) for p in sh["pts"]]
            sh["lines"] = [[move(p) for p in ln] for ln in sh["lines"]]
            sh["hatch"] = [[move(p) for p in ln] for ln in sh["hatch"]]
    return model


def joint_space(model, place, upper, lower):
    """Pixels between the outlines of two bones (the start of their descriptions) at
    their nearest."""
    def outline(name):
        sh = next(sh for sh in model.shapes if sh["name"].startswith(name))
        return spline([place(p, sh["group"])[:2] for p in sh["pts"]], True, 0.3)[0]
    a, b = outline(upper), outline(lower)
    return min(math.dist(p, q) for p in a for q in b)


def knuckle_like(model, place, digit, meta, other, other_meta, kind="metacarpal"):
    """Moves a digit's phalanges along its metacarpal's line until the joint space at its
    knuckle is as wide as another digit's."""
    base, head = model.rays[digit]
    u = norm(sub(head, base))
    want = joint_space(model, place, f"{other_meta} {kind}", f"{other}, proximal")
    for _ in range(6):
        t = (joint_space(model, place, f"{meta} {kind}", f"{digit}, proximal") - want) / place.s
        if abs(t) < 0.01:
            break
        move = lambda p: (p[0] - t * u[0], p[1] - t * u[1]) + tuple(p[2:])   # noqa: E731
        for sh in model.shapes:
            if sh["group"] == "phalanges" and sh["name"].startswith(digit + ","):
                sh["pts"] = [move(p) for p in sh["pts"]]
                sh["lines"] = [[move(p) for p in ln] for ln in sh["lines"]]
                sh["hatch"] = [[move(p) for p in ln] for ln in sh["hatch"]]


@builds("hand")
def hand():
    d = Drawing("hand", 306, 474)
    ctl = lambda n: (f"Form8.Label{n}", f"Form9.Text{n}")
    s = HAND_SCALE
    # the groups laid out with every digit's phalanges in one row (the thumb's base kept
    # on the trapezium), then each digit's phalanges drawn back up along its line to their
    # own knuckle
    model = phalanges_in_a_row(atlas.hand_model(palm=False), at_base={"thumb": THUMB_BASE})
    groups = [g for g, _ in atlas.HAND_GROUPS]
    offsets = apart(model, Place(0, 0, s, mirror=True), groups, GROUP_GAP)
    top = extents(model, Place(0, 0, s, mirror=True, offsets=offsets), groups[0])[0]
    bottom = extents(model, Place(0, 0, s, mirror=True, offsets=offsets), groups[-1])[1]
    # the hand left of the middle, its thumb well clear of the brackets, so that they read
    # as gathering the whole hand's rows rather than the thumb's bones
    place = Place(195, (d.h - (bottom - top)) / 2 - top, s, mirror=True, offsets=offsets)
    for digit, meta in HAND_DIGITS:
        if digit != "index finger":
            knuckle_like(model, place, digit, meta, "index finger", "second")
    # without the inner lines: at this size they read as cracks in the bones
    emit(d, model, place, [(g, c, BOLD) for g, c in atlas.HAND_GROUPS], detail=False, hatch=False)
    spans = [bracket_span(model, place, g) for g in groups]
    check_apart(d, spans, ROWS["hand"].values(), HAND_BRACKETS)
    for n, (span, x) in enumerate(zip(spans, HAND_BRACKETS), 1):
        d.bracket(ctl(n), x, *span)
    return d


# ----------------------------------------------------------------------------
# foot: the bones of the left ankle and foot from above, toes down, in three groups
# drawn a small distance apart so that each lies in rows of its own; a bracket at the
# right marks each. The joints between the groups run obliquely across the foot (the
# lateral bases and heads lie further back); drawn as they are, rows of their own would
# open wide gaps at the inner side. The groups are therefore drawn on a gentle slant,
# their outer side lowered, which brings those joint lines near the level and lets the
# groups stand close together.
FOOT_SCALE = 1.7
FOOT_GAP = 8      # pixels between the rows of neighbouring groups: small, the brackets apart
FOOT_SLANT = 0.3  # millimetres lowered per millimetre towards the outer side
TROCHLEA = "1.0"  # pixels: the lines of the talus's trochlea
FOOT_TALUS_SPACE = 3.5  # pixels of joint space between the talus and the calcaneus below it


class Slanted:
    """A Place whose shapes are first lowered by `k` for every millimetre right of `x0`."""

    def __init__(self, place, k, x0=50):
        self.place, self.k, self.x0 = place, k, x0

    def __call__(self, p, group=None):
        return self.place((p[0], p[1] + self.k * (p[0] - self.x0)) + tuple(p[2:]), group)


@builds("foot")
def foot():
    d = Drawing("foot", 200, 468)
    ctl = lambda n: (f"Form12.Label{n}", f"Form13.Text{n}")
    s = FOOT_SCALE
    # the heads of the metatarsals lie in an arch: each toe's joints opened alike, as the
    # hand's fingers' are
    toes = [("great toe", "first"), ("second toe", "second"), ("third toe", "third"),
            ("fourth toe", "fourth"), ("fifth toe", "fifth")]
    model = phalanges_in_a_row(atlas.foot_model(), toes, "metatarsal",
                               lambda p: p[1] + FOOT_SLANT * (p[0] - 50))
    groups = [g for g, _ in atlas.FOOT_GROUPS]
    offsets = apart(model, Slanted(Place(0, 0, s), FOOT_SLANT), groups, FOOT_GAP)
    # the three groups in the middle of the drawing's height
    top = extents(model, Slanted(Place(0, 0, s, offsets=offsets), FOOT_SLANT), groups[0])[0]
    bottom = extents(model, Slanted(Place(0, 0, s, offsets=offsets), FOOT_SLANT), groups[-1])[1]
    place = Slanted(Place(12, (d.h - (bottom - top)) / 2 - top, s, offsets=offsets), FOOT_SLANT)
    # without the inner lines, which at this size read as cracks in the bones, but for the
    # talus's: the ridges of its trochlea and the groove between them show the pulley of the ankle joint
    # on top of it, so that it reads as a bone of its own lying on the calcaneus, its crisp
    # outline drawn over the calcaneus it lies on
    emit(d, model, place, [(g, c, BOLD) for g, c in atlas.FOOT_GROUPS], detail=False, hatch=False)
    # the talus lies on the calcaneus across a joint space as wide as those between the other
    # tarsals, so that the calcaneus ends where that space begins; the neck runs on into the
    # head without a line across it
    lying_on(d, model, place, "talus", "calcaneus", BOLD, FOOT_TALUS_SPACE)
    talus = next(sh for sh in model.shapes if sh["name"].startswith("talus"))
    d.open("trochlea", "the trochlea of the talus: its ridges and groove", fill="none",
           stroke="#000", stroke_linecap="round")
    for ln in talus["lines"][:3]:
        d.curve([place(p, "tarsals") for p in ln], TROCHLEA)
    d.close()
    spans = [bracket_span(model, place, g) for g in groups]
    check_apart(d, spans, ROWS["foot"].values())
    for n, span in enumerate(spans, 1):
        d.bracket(ctl(n), 181, *span)
    return d


def main(argv):
    atlas.check()
    out_dir = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    names = argv[2:] or ["arm", "hand", "leg", "foot"]
    for name in names:
        d = BUILDERS[name]()
        with open(os.path.join(out_dir, name + ".svg"), "w") as f:
            f.write(d.text())


if __name__ == "__main__":
    main(sys.argv)
