# SPDX-License-Identifier: GPL-3.0-or-later
"""Geometry and SVG writing shared by every drawing generator in this folder.

Points are (x, y) tuples, y down the page; a point written (x, y, "c") is a corner,
where a smooth curve through it keeps no tangent. Shapes are written in a frame of their
own (millimetres for the bones) and placed on a drawing by a Place: uniform scale,
offset, optional left-right mirror and rotation. Two kinds of curve go through key
points: a Catmull-Rom curve written as cubic Bezier segments (bezier_d: compact path
data), and a centripetal Catmull-Rom curve evaluated into a dense polyline (spline,
outline: for sutures with a serrated edge and for clipping hatching).
"""
import math

GROUND = "rgb(225,224,226)"   # the drawing ground, the grey of the screens
BONE = "#fff"
INK = "#000"


def fmt(v, digits=2):
    """A coordinate for SVG text: at most `digits` decimals, no trailing zeros, never -0."""
    s = f"{v:.{digits}f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


# ----------------------------------------------------------------------------
# vectors

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


def ray(origin, angle_deg, length):
    """End point of a ray; angle 90 points straight down the page."""
    a = math.radians(angle_deg)
    return (origin[0] + math.cos(a) * length, origin[1] + math.sin(a) * length)


def rotate(p, centre, deg):
    """p turned about centre by deg degrees (clockwise on the page)."""
    a = math.radians(deg)
    x, y = p[0] - centre[0], p[1] - centre[1]
    return (centre[0] + x * math.cos(a) - y * math.sin(a),
            centre[1] + x * math.sin(a) + y * math.cos(a))


def is_corner(p):
    return len(p) > 2 and "c" in str(p[2])


# ----------------------------------------------------------------------------
# curves as SVG path data

def bezier_d(points, closed=True, k=1.0, digits=2):
    """Path data of a Catmull-Rom curve through the points, as cubic Beziers.

    k scales the tangents (1: the usual curve, smaller: tighter); at a corner point the
    curve keeps no tangent. An open curve takes its end tangents from its end segments."""
    pts = [(p[0], p[1]) for p in points]
    corner = [is_corner(p) for p in points]
    n = len(pts)
    if n < 2:
        return ""

    def pt(q):
        return f"{fmt(q[0], digits)} {fmt(q[1], digits)}"

    out = [f"M{pt(pts[0])}"]
    last = n if closed else n - 1
    for i in range(last):
        p1, p2 = pts[i], pts[(i + 1) % n]
        p0 = pts[(i - 1) % n] if (closed or i > 0) else p1
        p3 = pts[(i + 2) % n] if (closed or i + 2 < n) else p2
        k1 = 0.0 if corner[i] else k / 6.0
        k2 = 0.0 if corner[(i + 1) % n] else k / 6.0
        c1 = (p1[0] + (p2[0] - p0[0]) * k1, p1[1] + (p2[1] - p0[1]) * k1)
        c2 = (p2[0] - (p3[0] - p1[0]) * k2, p2[1] - (p3[1] - p1[1]) * k2)
        out.append(f"C{pt(c1)} {pt(c2)} {pt(p2)}")
    if closed:
        out.append("Z")
    return "".join(out)


def points_attr(points):
    """The points of an SVG <polygon> or <polyline>."""
    return " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)


# ----------------------------------------------------------------------------
# axes, profiles, outlines

def polyline_at(axis, s):
    """Point and unit direction at fraction s (0 to 1) of the length of polyline axis."""
    lens = [math.dist(axis[i], axis[i + 1]) for i in range(len(axis) - 1)]
    d = max(0.0, min(1.0, s)) * sum(lens)
    for i, ln in enumerate(lens):
        if d <= ln or i == len(lens) - 1:
            t = 0.0 if ln == 0 else min(max(d / ln, 0.0), 1.0)
            a, b = axis[i], axis[i + 1]
            return lerp(a, b, t), norm(sub(b, a))
        d -= ln
    raise AssertionError("an axis needs two points")


def profile_points(axis, prof, cap=(0.6, 0.6)):
    """Closed outline points of a bone laid along a polyline axis.

    prof: list of (s, a, b): at fraction s of the axis the outline stands a to the
    left of the axis (seen walking from the first axis point to the last) and b to
    its right. cap: how far the rounded ends reach past the axis ends, as a
    fraction of the half width there."""
    left, right = [], []
    for s, a, b in prof:
        p, u = polyline_at(axis, s)
        n = (u[1], -u[0])   # left normal in y-down coordinates
        left.append((p[0] + n[0] * a, p[1] + n[1] * a))
        right.append((p[0] - n[0] * b, p[1] - n[1] * b))
    p0, u0 = polyline_at(axis, prof[0][0])
    p1, u1 = polyline_at(axis, prof[-1][0])
    h0 = (prof[0][1] + prof[0][2]) / 2 * cap[0]
    h1 = (prof[-1][1] + prof[-1][2]) / 2 * cap[1]
    off0 = (prof[0][1] - prof[0][2]) / 2
    off1 = (prof[-1][1] - prof[-1][2]) / 2
    n0 = (u0[1], -u0[0])
    n1 = (u1[1], -u1[0])
    start = (p0[0] - u0[0] * h0 + n0[0] * off0, p0[1] - u0[1] * h0 + n0[1] * off0)
    end = (p1[0] + u1[0] * h1 + n1[0] * off1, p1[1] + u1[1] * h1 + n1[1] * off1)
    return [start] + left + [end] + right[::-1]


def ellipse_pts(cx, cy, rx, ry, rot=0.0, n=24):
    """n points round an ellipse turned by rot degrees, starting at the end of its x axis."""
    a = math.radians(rot)
    c, s = math.cos(a), math.sin(a)
    out = []
    for k in range(n):
        t = 2 * math.pi * k / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        out.append((cx + x * c - y * s, cy + x * s + y * c))
    return out


def arc_pts(cx, cy, rx, ry, a0, a1, n=14):
    """n + 1 points of an elliptic arc from angle a0 to a1 (degrees, 90 down the page)."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def mirror_x(points, cx=0.0):
    """The same points mirrored about the vertical line x = cx (corner marks kept)."""
    return [(2 * cx - p[0], p[1]) + tuple(p[2:]) for p in points]


def sym(right_half):
    """A closed outline symmetric about x = 0 from its right half (x >= 0), listed from
    the top of the midline round the right side down to its bottom.

    Points on the midline are shared, not doubled."""
    left = mirror_x(list(reversed(right_half)))
    if abs(right_half[-1][0]) < 1e-9:
        left = left[1:]
    if abs(right_half[0][0]) < 1e-9:
        left = left[:-1]
    return list(right_half) + left


def uniform_catmull_rom(points, steps=24):
    """Dense polyline through the points (uniform Catmull-Rom, ends held)."""
    out = []
    p = [points[0]] + list(points) + [points[-1]]
    for i in range(1, len(p) - 2):
        p0, p1, p2, p3 = p[i - 1], p[i], p[i + 1], p[i + 2]
        for k in range(steps):
            t = k / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * (2 * p1[j] + (-p0[j] + p2[j]) * t
                                    + (2 * p0[j] - 5 * p1[j] + 4 * p2[j] - p3[j]) * t2
                                    + (-p0[j] + 3 * p1[j] - 3 * p2[j] + p3[j]) * t3)
                           for j in (0, 1)))
    out.append(points[-1])
    return out


def cubic_pts(p0, p1, p2, p3, n=24):
    """n + 1 points of one cubic Bezier segment."""
    out = []
    for i in range(n + 1):
        t = i / n
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


# ----------------------------------------------------------------------------
# placing a shape

class Place:
    """Maps a shape's millimetres to drawing pixels: p -> (ox + m*s*x, oy + s*y)."""

    def __init__(self, ox, oy, s, mirror=False, rot=0.0):
        self.ox, self.oy, self.s = ox, oy, s
        self.m = -1.0 if mirror else 1.0
        self.rot = math.radians(rot)

    def __call__(self, p):
        x, y = p[0], p[1]
        if self.rot:
            c, sn = math.cos(self.rot), math.sin(self.rot)
            x, y = x * c - y * sn, x * sn + y * c
        q = (self.ox + self.m * self.s * x, self.oy + self.s * y)
        return q + tuple(p[2:])

    def pts(self, points):
        return [self(p) for p in points]

    def len(self, v):
        return v * self.s


def spline(points, closed=True, step=0.7):
    """Dense polyline through the points (centripetal Catmull-Rom)."""
    P = [(float(p[0]), float(p[1])) for p in points]
    C = [is_corner(p) for p in points]
    n = len(P)
    out = []
    seg_ids = []
    last = n if closed else n - 1
    for i in range(last):
        i1, i2 = i, (i + 1) % n
        p1, p2 = P[i1], P[i2]
        if closed or i > 0:
            p0 = P[(i - 1) % n]
        else:
            p0 = (2 * p1[0] - p2[0], 2 * p1[1] - p2[1])
        if closed or i + 2 < n:
            p3 = P[(i + 2) % n]
        else:
            p3 = (2 * p2[0] - p1[0], 2 * p2[1] - p1[1])
        if C[i1]:
            p0 = (2 * p1[0] - p2[0], 2 * p1[1] - p2[1])
        if C[i2]:
            p3 = (2 * p2[0] - p1[0], 2 * p2[1] - p1[1])
        seg = _cr(p0, p1, p2, p3, step)
        if out:
            seg = seg[1:]
        out.extend(seg)
        seg_ids.extend([i] * len(seg))
    return out, seg_ids


def _cr(p0, p1, p2, p3, step):
    def tj(ti, a, b):
        d = math.hypot(b[0] - a[0], b[1] - a[1])
        return ti + max(d, 1e-6) ** 0.5

    t0 = 0.0
    t1 = tj(t0, p0, p1)
    t2 = tj(t1, p1, p2)
    t3 = tj(t2, p2, p3)
    L = math.hypot(p2[0] - p1[0], p2[1] - p1[1])
    n = max(2, int(math.ceil(L / step)) + 1)
    res = []
    for k in range(n):
        t = t1 + (t2 - t1) * k / (n - 1)

        def lerp(a, b, ta, tb):
            if tb - ta < 1e-9:
                return a
            u = (t - ta) / (tb - ta)
            return (a[0] + (b[0] - a[0]) * u, a[1] + (b[1] - a[1]) * u)

        a1 = lerp(p0, p1, t0, t1)
        a2 = lerp(p1, p2, t1, t2)
        a3 = lerp(p2, p3, t2, t3)
        b1 = lerp(a1, a2, t0, t2)
        b2 = lerp(a2, a3, t1, t3)
        res.append(lerp(b1, b2, t1, t2))
    res[0] = p1
    res[-1] = p2
    return res


def serrate(poly, amp, period, seed=0, taper=True):
    """Offsets a polyline sideways into a fine irregular zigzag (a suture)."""
    if len(poly) < 2 or amp <= 0:
        return poly
    # resample by arc length
    acc = [0.0]
    for a, b in zip(poly, poly[1:]):
        acc.append(acc[-1] + math.hypot(b[0] - a[0], b[1] - a[1]))
    total = acc[-1]
    if total < period:
        return poly
    n = max(4, int(total / (period / 2)))
    out = []
    j = 0
    rnd = _rng(seed)
    for k in range(n + 1):
        s = total * k / n
        while j < len(acc) - 2 and acc[j + 1] < s:
            j += 1
        seglen = acc[j + 1] - acc[j] or 1e-9
        u = (s - acc[j]) / seglen
        a, b = poly[j], poly[j + 1]
        x = a[0] + (b[0] - a[0]) * u
        y = a[1] + (b[1] - a[1]) * u
        dx, dy = b[0] - a[0], b[1] - a[1]
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d, dx / d
        side = 1 if k % 2 else -1
        if k == 0 or k == n:
            side = 0
        env = 1.0
        if taper:
            env = min(1.0, s / (period * 1.5), (total - s) / (period * 1.5))
        o = side * amp * env * (0.55 + 0.9 * rnd())
        out.append((x + nx * o, y + ny * o))
    return out


def _rng(seed):
    state = [seed * 7919 + 12345]

    def r():
        state[0] = (state[0] * 1103515245 + 12345) & 0x7FFFFFFF
        return state[0] / 0x7FFFFFFF

    return r


def outline(points, closed=True, serr=None, step=0.7):
    """Dense outline; serr maps a key-point index i to (amp, period): the stretch
    from point i to point i+1 is drawn serrated."""
    poly, ids = spline(points, closed, step)
    if not serr:
        return poly
    out = []
    i = 0
    N = len(poly)
    while i < N:
        sid = ids[i]
        j = i
        while j + 1 < N and ids[j + 1] == sid:
            j += 1
        run = poly[i:j + 1]
        if out:
            run = [out[-1]] + run
        if sid in serr:
            amp, period = serr[sid]
            run = serrate(run, amp, period, seed=sid + len(poly))
        if out:
            run = run[1:]
        out.extend(run)
        i = j + 1
    return out


def d_poly(poly, closed=True):
    if not poly:
        return ""
    parts = [f"M{fmt(poly[0][0])} {fmt(poly[0][1])}"]
    for p in poly[1:]:
        parts.append(f"L{fmt(p[0])} {fmt(p[1])}")
    if closed:
        parts.append("Z")
    return "".join(parts)


def path(poly, closed=True, fill="none", width=1.0, color=INK, extra=""):
    return (f'<path d="{d_poly(poly, closed)}" fill="{fill}" stroke="{color}" '
            f'stroke-width="{fmt(width)}" stroke-linejoin="round" stroke-linecap="round"{extra}/>')


def fillpath(poly, fill):
    return f'<path d="{d_poly(poly, True)}" fill="{fill}" stroke="none"/>'


def hatch(poly, angle, spacing, width=0.45, color=INK, length=None, offset=0.0):
    """Parallel lines at angle (degrees) clipped to the closed polygon poly."""
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)          # along the lines
    vx, vy = -uy, ux                           # across
    proj = [p[0] * vx + p[1] * vy for p in poly]
    lo, hi = min(proj), max(proj)
    segs = []
    c = lo + spacing * (0.5 + offset)
    while c < hi:
        xs = []
        n = len(poly)
        for i in range(n):
            p, q = poly[i], poly[(i + 1) % n]
            pp, pq = proj[i], proj[(i + 1) % n]
            if (pp - c) * (pq - c) < 0:
                u = (c - pp) / (pq - pp)
                x = p[0] + (q[0] - p[0]) * u
                y = p[1] + (q[1] - p[1]) * u
                xs.append(x * ux + y * uy)
        xs.sort()
        for k in range(0, len(xs) - 1, 2):
            s0, s1 = xs[k], xs[k + 1]
            if length is not None and s1 - s0 > length:
                s1 = s0 + length
            if s1 - s0 > 0.6:
                segs.append(((c * vx + s0 * ux, c * vy + s0 * uy), (c * vx + s1 * ux, c * vy + s1 * uy)))
        c += spacing
    if not segs:
        return ""
    d = "".join(f"M{fmt(a[0])} {fmt(a[1])}L{fmt(b[0])} {fmt(b[1])}" for a, b in segs)
    return (f'<path d="{d}" fill="none" stroke="{color}" stroke-width="{fmt(width)}" '
            f'stroke-linecap="round"/>')


def svg(width, height, body, leaders=None, comment="", xlink=False):
    """The text of one drawing's SVG file: a comment naming its generator, the ground,
    the body and the description of its leader lines, which the build's rasteriser draws.

    body: SVG text, or a list of elements each written on a line of its own; xlink: the
    body refers to its own elements (<use xlink:href=...>)."""
    ns = ' xmlns:xlink="http://www.w3.org/1999/xlink"' if xlink else ""
    out = [f'<svg xmlns="http://www.w3.org/2000/svg"{ns} width="{width}" height="{height}" '
           f'viewBox="0 0 {width} {height}">']
    if comment:
        out.append(f"  <!-- {comment} -->")
    out.append(f'  <rect width="{width}" height="{height}" fill="{GROUND}"/>')
    if isinstance(body, str):
        out.append(body.rstrip("\n"))
    else:
        out.extend("  " + b for b in body)
    if leaders:
        out.append('  <metadata id="leaders">')
        out.append("    # one line per leader; coordinates are drawing pixels at 1x, x right, y down")
        out.extend("    " + line for line in leaders)
        out.append("  </metadata>")
    out.append("</svg>")
    return "\n".join(out) + "\n"


class Group:
    """One bone (or one view) of a drawing: an SVG <g> built in its own frame."""

    def __init__(self, gid, place, comment=""):
        self.gid, self.place, self.comment = gid, place, comment
        self.items = []

    def _px(self, pts):
        return self.place.pts(pts)

    def w(self, width):
        return width

    def body(self, pts, serr=None, width=1.0, fill=BONE, closed=True):
        """A filled outline (points in mm); returns it in pixels."""
        poly = outline(self._px(pts), closed, serr)
        self.items.append(path(poly, closed, fill, width))
        return poly

    def fill(self, pts, fill=GROUND, closed=True, serr=None):
        poly = outline(self._px(pts), closed, serr)
        self.items.append(fillpath(poly, fill))
        return poly

    def line(self, pts, width=0.6, serr=None, closed=False, color=INK):
        poly = outline(self._px(pts), closed, serr)
        self.items.append(path(poly, closed, "none", width, color))
        return poly

    def suture(self, pts, amp=0.8, period=2.2, width=0.6, closed=False):
        poly = outline(self._px(pts), closed)
        poly = serrate(poly, amp, period, seed=len(self.items) + 3)
        self.items.append(path(poly, closed, "none", width))
        return poly

    def hole(self, pts, width=0.7, fill=GROUND):
        poly = outline(self._px(pts), True)
        self.items.append(path(poly, True, fill, width))
        return poly

    def dot(self, p, r=0.7, fill=INK):
        q = self.place(p)
        self.items.append(f'<circle cx="{fmt(q[0])}" cy="{fmt(q[1])}" r="{fmt(r)}" fill="{fill}"/>')

    def hatch(self, pts, angle, spacing, width=0.45, length=None, offset=0.0, poly=None):
        if poly is None:
            poly = outline(self._px(pts), True)
        if self.place.m < 0:
            angle = 180 - angle
        h = hatch(poly, angle, spacing, width, INK, length, offset)
        if h:
            self.items.append(h)

    def raw(self, s):
        self.items.append(s)

    def svg(self, indent=""):
        out = [f'{indent}<g id="{self.gid}">']
        if self.comment:
            out.append(f"{indent}  <!-- {self.comment} -->")
        out.extend(indent + "  " + it for it in self.items)
        out.append(f"{indent}</g>")
        return out


def sym_serr(right, segs, val):
    """Serration map for sym(right): segs are right-half segment indices i (i -> i+1),
    taken on both sides."""
    n = len(right)
    origin = list(range(n))
    left = list(reversed(range(n)))
    if right[-1][0] == 0:
        left = left[1:]
    if right[0][0] == 0:
        left = left[:-1]
    origin += left
    m = len(origin)
    out = {}
    for k in range(m):
        a, b = origin[k], origin[(k + 1) % m]
        if min(a, b) in segs and abs(a - b) == 1:
            out[k] = val
    return out


# ----------------------------------------------------------------------------
# curves and polygons in drawing coordinates

def hermite(t, p0, p1, m0, m1):
    """Cubic Hermite interpolation of one coordinate: p0 to p1 with tangents m0, m1."""
    t2, t3 = t * t, t * t * t
    return ((2 * t3 - 3 * t2 + 1) * p0 + (t3 - 2 * t2 + t) * m0 +
            (-2 * t3 + 3 * t2) * p1 + (t3 - t2) * m1)


def seg_intersection(p, q, r, s):
    """Where segment p-q crosses segment r-s, or None."""
    d = (q[0] - p[0]) * (s[1] - r[1]) - (q[1] - p[1]) * (s[0] - r[0])
    if abs(d) < 1e-12:
        return None
    t = ((r[0] - p[0]) * (s[1] - r[1]) - (r[1] - p[1]) * (s[0] - r[0])) / d
    u = ((r[0] - p[0]) * (q[1] - p[1]) - (r[1] - p[1]) * (q[0] - p[0])) / d
    if 0 <= t <= 1 and 0 <= u <= 1:
        return (p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]))
    return None


def inside(pt, poly):
    """Whether the point lies inside the closed polygon (even-odd rule)."""
    x, y = pt[0], pt[1]
    c = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i][0], poly[i][1]
        xj, yj = poly[j][0], poly[j][1]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def offset_curve(centre, widths):
    """The two edges of a band of half width widths[i] about a polyline: the one to the
    left of the direction of travel (y down the page) first."""
    upper, lower = [], []
    for i, (x, y) in enumerate(centre):
        a = centre[max(0, i - 1)]
        b = centre[min(len(centre) - 1, i + 1)]
        tx, ty = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(tx, ty)
        nx, ny = ty / ln, -tx / ln
        hw = widths[i]
        upper.append((x + nx * hw, y + ny * hw))
        lower.append((x - nx * hw, y - ny * hw))
    return upper, lower
