# SPDX-License-Identifier: GPL-3.0-or-later
"""The bones of the head, each drawn once, in millimetres, in true proportion.

Three frames hold the adult skull:
  side   (from the left, face to the left): origin at the ear hole, x back, y down,
         y = 0 the plane through the ear holes and the floors of the orbits;
  front  x from the midline towards the subject's left, y down, y = 0 at the floor of
         the orbit (the same level as in the side frame);
  back   x from the midline, y as in the front frame.
The newborn's vault from above has a frame of its own (origin at the bregma).

Each bone of a view is a function drawing into a geometry.Group; the whole views
(skull_side, skull_front) draw them in order, so every drawing that shows the skull shows
the same skull: placed, uniformly scaled, mirrored. For a small drawing (a whole skeleton)
skull_front_plain and skull_back(detail=False) draw the same outlines without the marks
that would blur at that size. A bone drawn apart (the exploded
drawings) is the very same function placed on its own, with its serrated borders.

The adult measures the outlines keep are in MEASURES (mm, anatomical reference values);
check() takes them from the outlines themselves and fails the writing of the drawings
when one is off, or when the views disagree on a height or a width.
"""
import math

from geometry import (BONE, GROUND, Group, Place, ellipse_pts, mirror_x, outline, path, spline,
                      sym, sym_serr)

W_OUT = 1.0     # outline
W_IN = 0.6      # inner lines
W_FINE = 0.45   # hatching, faint lines
PARTING = 0.5   # between the crowns of a row of teeth drawn small
SERR = (0.7, 2.0)   # the serrated border of a bone drawn apart (pixels)
OLIVE = "rgb(128,128,0)"   # the fontanelles
# Openings and the depths seen through them in a flat tone, as the whole skeletons have
# them (bone surfaces turning away are hatched, sparsely): the orbits, the space behind
# the cheek, the mouth behind the teeth; the nasal cavity darker
RECESS = "rgb(118,118,118)"
NOSE = "rgb(70,70,70)"
# the base of the cranium seen from the side under the arch, the mandible taken off: deep,
# but lighter than the openings, so that it reads as bone behind the arch, not a hole
BEHIND = "rgb(178,178,178)"
# the bone inside the nasal cavity (septum, conchae) seen through its opening: dimly lit,
# between the dark of the cavity and the bone of the face
INSIDE_NOSE = "rgb(138,138,138)"


def _right(ps):
    return ps


def sides():
    """(sign, mapper) for the subject's left (as built) and right (mirrored) halves."""
    return ((1, _right), (-1, mirror_x))


def foramen(g, c, rx, ry, rot=0, R=_right):
    """A small foramen: an opening in the tone of the deep cavities, finely rimmed."""
    g.hole(R(ellipse_pts(c[0], c[1], rx, ry, rot=rot, n=12)), width=W_FINE, fill=NOSE)


# ============================================================================
# Teeth
# ============================================================================

def tooth_side(x0, x1, neck, edge, kind):
    """One crown from the side, x0 in front; neck is the level where it leaves the bone,
    edge its biting level (below the neck: an upper tooth). The root end reaches 3 mm
    into the bone, which is drawn over it. Each crown is waisted at its neck and rounded
    at its corners, so that a notch shows between neighbours: incisors are wedges seen
    edge on, leaning forwards; the canine is the longest, with one point; premolars have
    one blunter cusp on broad shoulders; molars are the widest, with two cusps and a clear
    dip between."""
    sg = 1 if edge > neck else -1
    w = x1 - x0
    m = (x0 + x1) / 2
    root = neck - sg * 3
    h = edge - neck
    if kind == "i":
        lean = -0.15 * abs(h)   # the edge stands a little forwards of the neck
        crown = [(x1 - 0.05 * w, neck + 0.5 * h), (x0 + 0.45 * w + lean, edge, "c"),
                 (x0 + 0.05 * w + lean, neck + 0.75 * h), (x0 + 0.1 * w + 0.4 * lean, neck + 0.4 * h)]
    elif kind == "c":
        crown = [(x1, neck + 0.4 * h), (x1 - 0.2 * w, neck + 0.8 * h), (m - 0.05 * w, edge, "c"),
                 (x0 + 0.18 * w, neck + 0.78 * h), (x0, neck + 0.4 * h)]
    elif kind == "p":   # broad-shouldered, its neighbours meeting close to the cusp
        crown = [(x1, neck + 0.6 * h), (x1 - 0.16 * w, neck + 0.84 * h), (m, edge, "c"),
                 (x0 + 0.16 * w, neck + 0.84 * h), (x0, neck + 0.6 * h)]
    else:   # square-shouldered and broad, its two cusps low with only a shallow dip
        # between them, far shallower than the notch between neighbours: one crown
        crown = [(x1, neck + 0.4 * h), (x1 - 0.04 * w, neck + 0.88 * h), (x1 - 0.26 * w, edge),
                 (m, neck + 0.88 * h, "c"), (x0 + 0.26 * w, edge), (x0 + 0.04 * w, neck + 0.88 * h),
                 (x0, neck + 0.4 * h)]
    base = [(x0 + 0.12 * w, root, "c"), (x1 - 0.12 * w, root, "c")]
    return base + crown


def draw_tooth_side(g, t):
    x0, x1, neck, edge, kind = t
    g.body(tooth_side(x0, x1, neck, edge, kind), width=W_IN)
    if kind == "m":
        # the buccal groove, running up the crown's face from the dip between its cusps:
        # a molar shows two cusps side by side, a premolar one
        m, h = (x0 + x1) / 2, edge - neck
        g.line([(m, neck + 0.86 * h), (m - 0.04 * (x1 - x0), neck + 0.4 * h)], W_FINE)


def alveolar_side(table, upper):
    """The bone's margin along a row of teeth from the side, back to front: arched over
    each crown, a point between neighbours."""
    sg = 1 if upper else -1
    pts = []
    for x0, x1, neck, edge, kind in reversed(table):
        pts.append(((x0 + x1) / 2, neck - sg * 0.5))
        pts.append((x0, neck + sg * 0.7, "c"))
    return pts


# how steeply the biting plane rises backwards from the incisors, in degrees
OCCLUSAL_RISE = 9


def _tilted(table, deg=OCCLUSAL_RISE):
    """A row of teeth whose biting plane rises backwards from the incisors, as it does in a
    skull set on the plane of the ear holes and the orbits' floors."""
    k = math.tan(math.radians(deg))
    out = []
    for x0, x1, neck, edge, kind in table:
        dy = -((x0 + x1) / 2 + 100) * k
        out.append((x0, x1, round(neck + dy, 2), round(edge + dy, 2), kind))
    return out


# from the side: x in front, x behind, neck, biting edge, kind; sixteen teeth in each jaw,
# eight on a side
UPPER_TEETH_SIDE = [
    (-104.6, -101.2, 37.0, 47.6, "i"), (-101.4, -97.2, 37.6, 46.8, "i"),
    (-97.4, -90.8, 38.0, 50.6, "c"), (-91.0, -84.8, 38.6, 46.2, "p"),
    (-85.0, -78.8, 38.8, 46.0, "p"), (-79.0, -68.6, 39.0, 45.6, "m"),
    (-68.8, -59.6, 38.8, 45.2, "m"), (-59.8, -52.2, 38.4, 44.6, "m"),
]
UPPER_TEETH_SIDE = _tilted(UPPER_TEETH_SIDE)
LOWER_TEETH_SIDE = [
    (-101.4, -98.6, 55.6, 46.2, "i"), (-98.8, -95.2, 55.0, 46.0, "i"),
    (-95.4, -89.8, 54.6, 44.6, "c"), (-90.0, -83.8, 54.2, 46.6, "p"),
    (-84.0, -77.8, 54.0, 46.8, "p"), (-78.0, -66.8, 53.6, 46.6, "m"),
    (-67.0, -57.0, 53.2, 46.2, "m"), (-57.2, -48.4, 52.6, 45.8, "m"),
]
LOWER_TEETH_SIDE = _tilted(LOWER_TEETH_SIDE)


def tooth_front(x0, x1, neck, edge, kind):
    """One crown from the front, x0 towards the midline."""
    sg = 1 if edge > neck else -1
    w = x1 - x0
    m = (x0 + x1) / 2
    root = neck - sg * 3
    h = edge - neck
    if kind == "i":
        crown = [(x1 + 0.04 * w, neck + 0.6 * h), (x1 - 0.08 * w, edge, "c"), (x0 + 0.04 * w, edge, "c"),
                 (x0, neck + 0.6 * h)]
    elif kind == "c":
        crown = [(x1, neck + 0.5 * h), (x1 - 0.22 * w, neck + 0.85 * h), (m - 0.08 * w, edge, "c"),
                 (x0 + 0.15 * w, neck + 0.84 * h), (x0, neck + 0.5 * h)]
    elif kind == "p":
        crown = [(x1, neck + 0.5 * h), (m + 0.1 * w, edge, "c"), (x0, neck + 0.55 * h)]
    else:
        crown = [(x1, neck + 0.5 * h), (x1 - 0.2 * w, edge), (x0 + 0.25 * w, edge), (x0, neck + 0.55 * h)]
    return [(x0 + 0.1 * w, root, "c"), (x1 - 0.1 * w, root, "c")] + crown


# from the front, the left half: x towards the midline, x outwards, neck, edge, kind; the
# incisors, the canine, the premolars and the first molar: the arch turns back behind them,
# so that the second and third molars hide behind the first
UPPER_TEETH_FRONT = [
    (0, 9.0, 37.6, 48.0, "i"), (9.0, 14.4, 38.4, 46.6, "i"), (14.4, 19.8, 38.8, 49.0, "c"),
    (19.8, 23.6, 39.4, 45.8, "p"), (23.6, 27.6, 39.9, 45.4, "p"), (27.6, 33.4, 40.3, 45.0, "m"),
]
LOWER_TEETH_FRONT = [
    (0, 5.8, 55.4, 45.6, "i"), (5.8, 11.4, 55.0, 45.4, "i"), (11.4, 16.8, 54.6, 44.6, "c"),
    (16.8, 21.6, 54.4, 44.8, "p"), (21.6, 28.8, 53.8, 44.6, "m"),
]


def bite_edge(table, x):
    """The biting edge of a row of teeth drawn far under life size, where the crowns' cusps
    and their differing lengths do not show: one smooth curve from the first crown's edge at the
    midline to the last crown's at the end of the row."""
    e0, e1, w = table[0][3], table[-1][3], table[-1][1]
    return e0 + (e1 - e0) * (x / w) ** 2


def draw_teeth_front(g, table, both=True):
    """A row of teeth from the front."""
    for t in table:
        pts = tooth_front(*t)
        for sx, R in sides() if both else ((1, _right),):
            g.body(R(pts), width=W_IN)


# ============================================================================
# The skull from the left
# ============================================================================

# Borders shared by neighbouring bones (the sutures), front to back and top to bottom.
NASION = (-95, -28)
BREGMA = (-19, -121)
# the pterion, the short sphenoparietal suture where the four bones meet, lies some 35 mm
# behind the frontozygomatic suture and about 40 mm above the middle of the arch
PTERION_F = (-50, -47.4)        # frontal, parietal and sphenoid meet
PTERION_T = (-38.5, -41.6)      # parietal, sphenoid and temporal meet
LAMBDA = (66, -88)
ASTERION = (48.5, -19.5)          # the parietal's blunt mastoid angle
FZ = (-79.5, -32)               # frontozygomatic suture at the orbit's outer rim
# the upper border of the zygomatic arch, from the cheek bone back to the root over the
# articular tubercle
ARCH_TOP = [(-56, -5.2), (-40, -5.4), (-28, -5.6), (-17, -6.2)]

CORONAL = [BREGMA, (-21, -110), (-26.5, -94), (-33.5, -77), (-41, -61), (-46.5, -51.5), PTERION_F]
SPHENOPARIETAL = [PTERION_F, (-44, -44.8), PTERION_T]
# the squama's upper border one smooth round arch, rising from the pterion to its top some
# 46 mm above the ear hole, a little in front of it (a little over a third of the way up the
# side of the vault), and falling behind in a wide curve to the parietal notch: the upper
# half of a fan
SQUAMOUS = [PTERION_T, (-32.5, -43.9), (-24.5, -45.5), (-15, -46.3), (-5.5, -46.3), (4, -44.6),
            (13, -40.6), (20.5, -34.6), (25.5, -29), (28.5, -24)]
PARIETOMASTOID = [(28.5, -24), (36, -21.5), (43, -20), ASTERION]
# the lambdoid suture turns forwards at its lower end: the mastoid angle is blunt
LAMBDOID = [LAMBDA, (64.5, -75), (61.5, -58), (56.5, -41), (53.5, -31), (51.5, -24), ASTERION]
OCCIPITOMASTOID = [ASTERION, (44.5, -9), (39, 0), (32, 10), (27, 15.5)]
SPHENOFRONTAL = [(-72, -27.5), (-66, -33.5), (-58, -40), PTERION_F]
# the squama's front border carries its round upper border on down over the greater wing,
# bulging forwards in one curve and coming back to the root of the arch: its zygomatic
# process projects well forward of it
SPHENOSQUAMOUS = [PTERION_T, (-41.4, -36), (-42.9, -29), (-42.7, -21.5), (-40.4, -14.5), (-35.7, -9),
                  (-30, -6)]
# the zygomatic bone: its temporal border (to the sphenoid and the temporal fossa),
# the suture across the arch and its lower border
ZYG_TEMPORAL_BORDER = [FZ, (-75.5, -31), (-73, -27), (-72, -21), (-70.5, -13), (-66, -8),
                       (-61, -6), (-56, -5.3), (-52, -5.3)]
# the temporal process reaching a third of the way back along the arch, to an oblique suture
ZYG_ARCH_SUTURE = [(-52, -5.3), (-50.6, -0.4), (-49, 4.4)]
ZYG_LOWER = [(-49, 4.4), (-53, 6.6), (-56, 9.8), (-62, 14.5), (-68.5, 20)]
ZYGOMAXILLARY = [(-68.5, 20), (-73, 15), (-78.5, 8.5), (-83, 2.5), (-84, -0.5)]
LATERAL_ORBIT_RIM = [(-84, -0.5), (-81.5, -8), (-80, -18), (-80, -27), FZ]
# the nasal bone's border with the maxilla's frontal process, down to the nasal opening
NASOMAXILLARY = [(-95.5, -26.5), (-96.5, -17), (-98.6, -8.5), (-101.6, -4.2)]

# The outer outline of the cranium with the upper jaw, from the nasion over the top.
PROFILE_VAULT = [
    NASION,
    (-98, -32), (-101, -37.5), (-99.4, -47), (-94.6, -61), (-87, -77), (-77, -92),      # brow, forehead sloping back
    (-64, -105), (-43, -116), BREGMA, (8, -121.5), (32, -115.5), (52, -103.5), LAMBDA,
    (80, -70), (88.5, -54), (90, -40), (87.5, -26), (82, -14),                        # back of the head
    (74.5, -2.5), (62, 8), (48, 13.5), (34, 15.5), (27, 15.5),                           # under the occiput
    (22, 18), (18.5, 22.5), (15.5, 25.6), (12.6, 26.6), (10.2, 25), (8, 20), (5, 12),  # mastoid process
    (1, 8.5), (-4, 7), (-7, 3.5), (-11, 1.5), (-15, 3),                                # the joint's socket
    (-17.5, 6), (-21, 7.6), (-24.5, 6.3),                                              # articular tubercle
    (-28, 5.5), (-38, 5.0), (-49, 4.4),                                                # the arch, narrowing forwards
]
PROFILE_FACE = [
    (-49, 4.4), (-53, 6.6), (-56, 9.8), (-58.5, 12),                                  # lower edge of the cheek bone
    (-56, 18), (-55.5, 22), (-55, 26.5), (-52.8, 30.5, "c"),                           # maxillary tuberosity
] + alveolar_side(UPPER_TEETH_SIDE, True) + [
    (-103.5, 31), (-103, 26.5),                                                        # front of the jaw
    (-106.5, 22.5, "c"),                                                               # anterior nasal spine
    (-102.5, 20.5), (-99.5, 16), (-98, 9), (-98, 2), (-100, -2.5), (-104, -5.5),       # nasal opening
    (-108.5, -7.5, "c"),                                                               # tip of the nasal bones
    (-104.5, -14), (-100, -21.5), NASION,                                              # bridge of the nose
]


def _occiput(ps, k=0.87):
    """Points behind the mastoid (x > 30) drawn in towards it: the back of the head projects
    no further than a skull of this height does (length about 0.85 of vertex to chin)."""
    return [(30 + (p[0] - 30) * k,) + tuple(p[1:]) if p[0] > 30 else p for p in ps]


LAMBDA, ASTERION = _occiput([LAMBDA, ASTERION])
PARIETOMASTOID, LAMBDOID, OCCIPITOMASTOID, PROFILE_VAULT = (
    _occiput(PARIETOMASTOID), _occiput(LAMBDOID), _occiput(OCCIPITOMASTOID), _occiput(PROFILE_VAULT))


def _wavy(pts, amp=0.25, period=8.0):
    """A smooth curve through pts with a gentle wave along it: a suture whose edges overlap
    (the squamous suture) rather than interlock in teeth."""
    dense, _ = spline(pts, False, 0.5)
    out, run = [], 0.0
    for i, p in enumerate(dense):
        if i:
            run += math.hypot(p[0] - dense[i - 1][0], p[1] - dense[i - 1][1])
        a, b = dense[max(i - 1, 0)], dense[min(i + 1, len(dense) - 1)]
        d = math.hypot(b[0] - a[0], b[1] - a[1]) or 1.0
        w = amp * math.sin(2 * math.pi * run / period)
        out.append((p[0] - (b[1] - a[1]) / d * w, p[1] + (b[0] - a[0]) / d * w))
    return out


def _chain(*parts):
    """One polyline from several, each starting where the last ended."""
    out = list(parts[0])
    for p in parts[1:]:
        out.extend(p[1:])
    return out


def _rev(ps):
    return list(reversed(ps))


def _between(poly, a, b):
    """The part of `poly` from point a to point b (both in it)."""
    i, j = poly.index(a), poly.index(b)
    return poly[i:j + 1] if i <= j else _rev(poly[j:i + 1])


# the parietal's own lower border, only gently hollow: the squama overlaps it up to the
# squamous suture, so the bone drawn apart reaches below that arch
PARIETAL_SQUAMOSAL = [PTERION_T, (-30, -41.5), (-14, -40.5), (3, -37.5), (16, -31.5), (28.5, -24)]


def side_parietal_outline():
    return _chain(_between(PROFILE_VAULT, BREGMA, LAMBDA), LAMBDOID, _rev(PARIETOMASTOID),
                  _rev(PARIETAL_SQUAMOSAL), _rev(SPHENOPARIETAL), _rev(CORONAL))[:-1]


def side_temporal_outline():
    """The squama, the mastoid and the zygomatic process up to the suture on the arch."""
    under = _between(PROFILE_VAULT, (27, 15.5), (-49, 4.4))
    # drawn apart, the bone's own rounded corners where the sutures meet at the pterion and
    # the asterion: the squama's border runs on in one curve from front to top, and the
    # mastoid part's upper hind corner is blunt, not a spur
    ast = (ASTERION[0] - 1.9, ASTERION[1] + 0.9)
    return _chain(SQUAMOUS[1:], PARIETOMASTOID[:-1] + [ast], [ast] + OCCIPITOMASTOID[1:], under,
                  _rev(ZYG_ARCH_SUTURE), [(-52, -5.3), (-40, -5.4), (-30, -6)], _rev(SPHENOSQUAMOUS)[:-1])


def _serrated(pts, borders):
    """Serration for the segments of `pts` that run along any of the borders (sutures)."""
    on = set()
    for b in borders:
        on.update((p[0], p[1]) for p in b)
    return {i: SERR for i in range(len(pts))
            if (pts[i][0], pts[i][1]) in on and (pts[(i + 1) % len(pts)][0], pts[(i + 1) % len(pts)][1]) in on}


def side_parietal(g, apart=False):
    """The left parietal bone from the outside (in the skull: its marks only)."""
    if apart:
        pts = side_parietal_outline()
        sagittal = _between(PROFILE_VAULT, BREGMA, LAMBDA)
        g.body(pts, serr=_serrated(pts, (CORONAL, LAMBDOID, SPHENOPARIETAL, PARIETOMASTOID, sagittal)),
               width=W_OUT)
        # the bevelled lower border, overlapped by the temporal squama
        g.line(SQUAMOUS[1:-1], W_FINE)
        g.hatch(_chain(SQUAMOUS, _rev(PARIETAL_SQUAMOSAL))[:-1], 60, 2.2, W_FINE)
        # the temporal lines arching over it, between coronal and lambdoid sutures
        g.line([(-37, -77), (-8, -87), (24, -83), (48, -68), (57.5, -52)], W_FINE)
        g.line([(-42, -66), (-10, -76), (22, -73), (44, -60), (54, -46)], W_FINE)
        g.line([(4, -97), (10, -99.5), (16, -97.5)], W_IN)      # parietal eminence
    if apart:
        g.dot((44, -98), 0.6)                                    # parietal foramen


def top_parietal_outline():
    """The left parietal bone from outside, as the vault is opened out along the sagittal
    suture: x outwards from that suture, y backwards from the bregma. A curved four-sided
    plate, about as broad as it is long: the frontal angle square at the bregma, the
    sphenoidal angle pointed and reaching forwards at the pterion, the mastoid angle blunt,
    cut off by the suture with the mastoid, the occipital angle wide at the lambda; between
    the lower two the squamous border, gently arched and smooth where the temporal squama
    overlaps it. Every other border is a serrated suture."""
    return [
        (0, 0, "c"), (16, -0.5), (34, 0.5), (52, 2.5), (68, 3.5), (80, 2),   # coronal border
        (88, -3, "c"), (85, 7),                                            # sphenoidal angle
        (83, 20), (81.5, 36), (81, 52), (82, 67), (84.5, 79),              # squamous border
        (88, 83, "c"), (84.5, 91, "c"),                                    # mastoid angle
        (68, 96), (48, 100.5), (26, 103.5), (0, 106, "c"),                 # lambdoid border
        (0.6, 80), (-0.5, 53), (0.5, 26),                                  # sagittal border
    ]


def top_parietal(g, R=_right):
    """The left parietal opened out, its sagittal border towards its fellow's; R maps the
    points onto the drawing's frame (a mirror image for the right one, a turn for the face
    at the bottom)."""
    pts = top_parietal_outline()
    serr = {i: SERR for i in (0, 1, 2, 3, 4, 5, 6, 13, 14, 15, 16, 17, 18, 19, 20, 21)}
    g.body(R(pts), serr=serr, width=W_OUT)
    # the bevelled squamous border, where the squama lies over it
    bevel = [(83, 9), (78.5, 21), (77, 36), (76.5, 52), (77.5, 67), (80.5, 81)]
    g.line(R(bevel), W_FINE)
    g.hatch(R([(85, 7), (83, 20), (81.5, 36), (81, 52), (82, 67), (84.5, 79)] + _rev(bevel)), 60, 2.2,
            W_FINE)
    # the two temporal lines arching over the outer surface towards the mastoid angle
    g.line(R([(58, 2.5), (47, 26), (43, 52), (47, 76), (60, 98)]), W_FINE)
    g.line(R([(68, 3.5), (58, 26), (54.5, 52), (58, 75), (70, 95)]), W_FINE)
    g.dot(R([(6, 86)])[0], 0.6)                                       # parietal foramen


def side_temporal(g, apart=False, jaw=False):
    """The left temporal bone from the outside (in the skull: its marks only; `jaw`: the
    mandible stands in front of it)."""
    if apart:
        pts = side_temporal_outline()
        g.body(pts, serr=_serrated(pts, (PARIETOMASTOID, OCCIPITOMASTOID, ZYG_ARCH_SUTURE, SPHENOSQUAMOUS)),
               width=W_OUT)
        # the thin edge of the squama, bevelled on its inner face where it overlaps the
        # parietal: from outside a fine line just within its smooth round border
        g.line([(p[0] * 0.95 - 0.5, p[1] * 0.95 + 0.3) for p in SQUAMOUS[1:-1]], W_FINE)
        g.line([(-52, -5.3), (-40, -5.4), (-28, -5.6), (-17, -6.2), (-5, -8), (10, -9.5), (24, -12)], W_IN)
    # the ear hole: an opening, its canal running in and forwards into the dark
    g.hole(ellipse_pts(0, 0, 4, 4.8, rot=-12, n=20), width=W_OUT)
    g.fill(ellipse_pts(-0.7, 0.5, 2.9, 3.6, rot=-12, n=16), "#000")
    # the styloid, straight, slender and pointing down and forwards from under the front of
    # the ear hole, clear in front of the occipital condyle, so that it stands as a spike;
    # with the mandible on, only its part behind the ramus shows, about half as long as the
    # mastoid is: steeper there, clear of the ramus's hind border
    if jaw:
        g.body([(-4.6, 8.2, "c"), (-4.6, 14), (-5.6, 27.5, "c"), (-3.4, 19), (-2.2, 13), (-1.2, 8.6, "c")],
               width=W_IN)
    else:
        g.body([(-6.2, 8.4, "c"), (-6.9, 14), (-11.6, 27.5, "c"), (-5.7, 16.5), (-4.3, 8.8, "c")],
               width=W_IN)
    g.hatch([(12, 12), (22, 9), (27, 14), (22, 18), (18.5, 22.5), (15.5, 25.3), (12.6, 26), (10.8, 20)], 60, 2.2,
            W_FINE)                                                    # the rough mastoid


def side_zygomatic_outline():
    return _chain(ZYG_TEMPORAL_BORDER, ZYG_ARCH_SUTURE, ZYG_LOWER, ZYGOMAXILLARY, LATERAL_ORBIT_RIM)


def side_zygomatic(g, apart=False):
    """The left zygomatic bone from the outside (also drawn apart)."""
    pts = side_zygomatic_outline()
    if apart:
        g.body(pts, width=W_OUT, serr={i: SERR for i in range(len(pts))
                                        if pts[i] in ZYG_ARCH_SUTURE[:-1] or pts[i] in ZYGOMAXILLARY[:-1]
                                        or pts[i] == FZ})
    # the rounded orbital margin, the cheek's prominence, the foramen on its face
    g.line([(-82.2, -2), (-79.2, -10), (-78, -20), (-78, -29)], W_IN)
    g.line([(-78, 9), (-71, 5), (-62, 2)], W_FINE)
    g.dot((-75, -2.5), 0.6)
    g.hatch([(-68.5, 20), (-62, 14.5), (-56, 9.8), (-51.5, 6.8), (-55, 8), (-61, 11.5)], 100, 1.6,
            W_FINE)


def front_zygomatic_outline():
    """The left zygomatic bone from the front, from the top of its frontal process round
    by the outside: the same borders as the cheek of the skull seen from the front."""
    return [
        (49.5, -25.5, "c"), (55.5, -26, "c"),                # frontal process, its suture
        (57, -21.5), (58.5, -15), (60, -9),                  # temporal border, hollow
        (64, -5.5), (68.5, -3.5, "c"), (69, 2.5, "c"), (64, 5.5), (60, 9),   # temporal process
        (56.5, 11.5), (50.5, 15.5), (47.5, 18.5), (45.5, 17),  # lower border
        (45, 10), (42.5, 4.5), (37, 0.4, "c"),               # border with the maxilla
        (42.5, -0.8), (46.5, -4), (49.3, -10), (50.3, -18),  # orbital margin, hollow
    ]


def front_zygomatic(g, R=_right):
    """The left zygomatic bone from the front, drawn apart (R=mirror_x: the right one)."""
    pts = front_zygomatic_outline()
    # serrated: its sutures with the frontal bone and the maxilla; the lower border is free
    g.body(R(pts), serr={0: SERR, 6: SERR, 13: SERR, 14: SERR, 15: SERR}, width=W_OUT)
    # the rounded orbital margin and the orbital surface turning back from it
    g.line(R([(39.5, -1.8), (44.5, -4.5), (47.5, -10), (48.6, -18), (48.2, -23.5)]), W_IN)
    g.hatch(R([(37, 0.4), (42.5, -0.8), (46.5, -4), (49.3, -10), (50.3, -18), (49.5, -25.5),
               (48.2, -23.5), (48.6, -18), (47.5, -10), (44.5, -4.5), (39.5, -1.8)]), 70, 1.2, W_FINE)
    # the side of the temporal process turning away, the foramen on the face
    g.hatch(R([(64, -5.5), (68.5, -3.5), (69, 2.5), (64, 5.5), (62.5, 2), (62.5, -2.5)]), 80, 1.5, W_FINE)
    g.dot(R([(51.5, 4.5)])[0], 0.6)


def side_mandible_outline():
    """The left mandible from the side, from the back of the condyle's head forwards: the
    head a rounded knob on a narrower neck, in the socket in front of the ear hole; the
    notch a deep U between it and the coronoid process, a triangular plate whose front
    border runs on up from the ramus's and whose tip passes up inside the arch, about
    level with the condyle's head."""
    return [
        (-6.2, 8.2), (-7.2, 5.0), (-9.5, 3.0), (-13.2, 2.9), (-15.8, 4.9), (-16.8, 7.6),  # head
        (-15.4, 10), (-14.6, 12.2),                                   # neck, narrower
        (-15.6, 14), (-18.5, 17.5), (-22, 19), (-25.5, 17.5),         # mandibular notch
        (-29, 13.4), (-32, 9.2), (-34.5, 5.6), (-37, 3.6, "c"),        # coronoid process
        (-39.6, 6.2), (-40.8, 11.5), (-41.6, 20), (-42.6, 30), (-44.2, 37),  # front of the ramus
        (-46.4, 41.5), (-47.4, 44.4, "c"),
    ] + alveolar_side(LOWER_TEETH_SIDE, False) + [
        (-100.5, 60.5), (-98, 66), (-98.5, 74), (-100, 81), (-98, 87.5),  # chin
        (-90, 91.5),                                                  # menton
        (-76, 85.2), (-60, 79.6), (-44, 73.8), (-32, 69.4),          # lower border, rising
        (-25.5, 66.6), (-21.5, 64.4), (-19.2, 61), (-17.5, 55),      # angle, wide open
        (-14.5, 44), (-11.5, 32), (-9.4, 21), (-7.8, 13.5),          # hind border, leaning back
        (-6.8, 10.4),                                                 # the neck's back
    ]


def side_mandible(g, apart=False, teeth=True):
    """The mandible from the left, its teeth in it (teeth=False: drawn before, under the
    upper row that closes over their edges)."""
    if teeth:
        for t in LOWER_TEETH_SIDE:
            draw_tooth_side(g, t)
    pts = side_mandible_outline()
    g.body(pts, width=W_OUT)
    # oblique line, mental foramen, the rough angle, the neck of the condyle
    g.line([(-42.5, 32), (-46.5, 40), (-55, 50), (-68, 58)], W_FINE)
    foramen(g, (-80.5, 72), 1.0, 0.75)   # the mental foramen, under the 2nd premolar
    g.hatch([(-15.5, 50), (-17.5, 55), (-19.2, 61), (-21.5, 64.4), (-25.5, 66.6), (-24, 61),
             (-19, 52)], 50, 1.8, W_FINE)
    if apart:   # the inner face seen past the notch and the coronoid: a little shade
        g.hatch([(-15.6, 14), (-18.5, 17.5), (-22, 19), (-25.5, 17.5), (-26, 22), (-19, 21.5)], 70, 2.6,
                W_FINE)


# the lateral pterygoid plate, hanging from under the arch behind the upper jaw: broad at
# its root, narrowing down to the hamulus in front, its hind border slanting back
PTERYGOID_SIDE = [(-49, 4), (-54, 9.8), (-56.6, 13.5), (-55.8, 18.5), (-55, 23), (-54, 26.5, "c"),
                  (-50.5, 24.5), (-46.5, 20.5), (-42.5, 14.5), (-39.5, 8.5), (-38, 4.5)]


# the lowest point of the occipital condyles (side frame: as skull_side draws them), where
# the skull rests on the atlas vertebra
CONDYLE_BASE = 26.0


def closed_lower_teeth():
    """The lower teeth from the side with the rows closed: the cheek teeth's outer cusps
    behind the upper crowns' edges, the incisors and canine behind the upper ones."""
    return [(x0, x1, neck, edge - (1.5 if kind in "pm" else 0), kind)
            for x0, x1, neck, edge, kind in LOWER_TEETH_SIDE]


def skull_side(g, mandible=True):
    """The skull from the left. Without the mandible: the cranium of the cranium drawing,
    the empty socket of the jaw joint shown in front of the ear hole."""
    g = _Sparse(g)
    if not mandible:
        # under the arch and the ear, where the mandible would stand, the base of the skull
        # seen from the side, deeper: the underside of the sphenoid's body and of the
        # occipital's basilar part, rising forwards from the occipital condyle to the
        # pterygoid plates, the pharyngeal tubercle a low bump on it; the ground shows below
        base = [(-34, 0), (6, 0), (5.5, 14), (-0.5, 18.6), (-5, 17.2), (-9.5, 15.6, "c"), (-12.5, 14.8),
                (-18, 12), (-24, 9.4), (-30, 7.6), (-36, 6.6)]
        # deep under the arch and in its shadow: a light grey, so that the arch stands out
        # over it as a bar of bone with a lower border of its own
        g.body(base, width=W_IN, fill=BEHIND)
        # the occipital condyle, a rounded knob standing down between the styloid and the
        # mastoid process, its convex joint surface lowest
        g.body([(-1.2, 17.6, "c"), (-0.6, 21.8), (1.6, 24.8), (4.8, CONDYLE_BASE), (8.5, 24.6), (10, 16)],
               width=W_IN)
        g.line([(0.6, 20.8), (3, 23.2), (6.5, 23.8)], W_FINE)
        # the medial pterygoid plate behind the lateral one, its hamulus hooking below it
        g.body([(-36.5, 4), (-36.2, 8.5), (-38.2, 14), (-41.2, 20), (-44.2, 25.5), (-45.6, 29.6, "c"),
                (-47.6, 29.2), (-49, 25), (-46, 12), (-42, 4)], width=W_IN)
    # behind the upper jaw, under the arch: bone (the lateral pterygoid plate), not a hole,
    # in outline only as every bone in view is
    g.body(PTERYGOID_SIDE, width=W_IN)
    if not mandible:
        # the lateral pterygoid plate a thin sheet facing out, turned a little back: its
        # surface in shadow behind the maxilla, hatched like the other hollows, and the
        # pterygomaxillary fissure a narrow slit between it and the tuberosity above
        g.hatch([(-50, 6), (-53.5, 10.5), (-54.6, 14), (-54, 19), (-52.4, 22.8), (-47.5, 19.5),
                 (-43.5, 13.8), (-41, 8.5), (-40, 5.5)], 75, 2.1, W_FINE)
        g.line([(-50.6, 5.6), (-53.2, 9.8), (-54.4, 13.2)], W_FINE)
        # the underside of the base in the shadow of the arch, its surface hatched sparsely
        g.hatch([(-33, 1.5), (-20, 1.5), (-20, 9.5), (-24, 8.8), (-30, 7)], 60, 1.8, W_FINE)
    if mandible:
        # below the plate, between the last molars and the ramus: the far side of the
        # mouth, plain bone with no opening through it
        g.fill(PTERYGOID_SIDE[4:] + [(-36, 6), (-38, 20), (-42, 36), (-46.5, 41), (-51.5, 41), (-55, 31)],
               BONE)
        # the rows closed on each other: behind the crowns where they meet, the crowns of
        # the far side, white, so that no ground shows between neighbours
        mid = lambda t: ((t[0] + t[1]) / 2, t[2] + 0.45 * (t[3] - t[2]))  # noqa: E731
        g.fill([mid(t) for t in UPPER_TEETH_SIDE] + [mid(t) for t in reversed(LOWER_TEETH_SIDE)], BONE)
        # the rows closed: one line where they meet
        for t in closed_lower_teeth():
            draw_tooth_side(g, t)
    for t in UPPER_TEETH_SIDE:
        draw_tooth_side(g, t)
    outline_pts = _chain(PROFILE_VAULT, PROFILE_FACE)[:-1]
    g.body(outline_pts, width=W_OUT)
    # (the mandibular fossa, the empty socket of the jaw joint, is the outline's own hollow
    # between the articular tubercle and the ear hole: no tone of its own)
    # the orbit: its opening faces forwards and a little out, so from the side there is no
    # window: the outer rim stands up as a curved bar of bone (the frontal's zygomatic
    # process over the zygomatic's frontal process), and the opening shows only as a narrow
    # dark crescent in front of it, under the overhanging brow
    crescent = [(-85.4, -31.6), (-87.2, -27), (-87.9, -20), (-87.6, -12), (-86.6, -5.5), (-85.2, -1.4)]
    g.fill([FZ, (-82.6, -33.4)] + crescent + [(-84, -0.5), (-81.5, -8), (-80, -18), (-80, -27)], RECESS)
    g.line(LATERAL_ORBIT_RIM, W_OUT)
    # the medial margin of the orbit in front of its depth, the crest of the maxilla's
    # frontal process: in front of it, the frontal process
    g.line(crescent, W_IN)
    # the rim of the nasal opening just inside the profile, the cavity glimpsed past it
    rim = [(-104.5, -6), (-100, -3), (-96.2, 2), (-95.6, 9), (-96.8, 15.5), (-100, 20), (-104.5, 22.2)]
    g.fill(rim + [(-102.5, 20.5), (-99.5, 16), (-98, 9), (-98, 2), (-100, -2.5), (-104, -5.5)], NOSE)
    g.line(rim, W_IN)
    g.line([(-84, -0.5), (-86, 0.5), (-92, -0.5), (-95, -3)], W_OUT)      # its lower rim
    g.line([(-99, -36.5), (-93, -36), (-86, -34.5), (-80, -33.5)], W_IN)   # the brow ridge
    # the sutures of the vault
    for s, amp in ((CORONAL, 0.6), (LAMBDOID, 0.8), (SPHENOPARIETAL, 0.6), (PARIETOMASTOID, 0.5),
                   (OCCIPITOMASTOID, 0.5), (SPHENOFRONTAL, 0.45), (SPHENOSQUAMOUS, 0.45),
                   (ZYG_ARCH_SUTURE, 0.45), (ZYGOMAXILLARY, 0.55), (NASOMAXILLARY, 0.55),
                   ([FZ, (-76, -31.2)], 0.35), ([(-95, -27.2), NASION, (-98, -32)], 0.3)):
        g.suture(s, amp=amp, period=2.0)
    # the squama overlaps the parietal along a smooth bevelled arch: no teeth, a gentle wave
    g.line(_wavy(SQUAMOUS, amp=0.2, period=9.0), W_FINE)
    g.line(ZYG_TEMPORAL_BORDER[1:], W_OUT)              # the cheek bone's free edge to the fossa
    # the temporal fossa above the arch, deepest just behind the cheek bone
    fossa = [(-72, -21), (-70.5, -13), (-66, -8), (-61, -6), (-56, -5.2), (-47, -5.4),
             (-55, -13), (-63, -21), (-68, -26)]
    g.hatch(fossa, 60, 3.0, W_FINE)
    # behind it, above the arch, the fossa's floor in the arch's shadow: a shaded strip all
    # the way back to the root, so that the arch stands out under it as a bar of bone
    g.hatch([(-47, -5.4), (-40, -5.5), (-28, -5.7), (-19, -6.3), (-21, -9.4), (-30, -9.2), (-42, -9.2),
             (-50, -8.4)], 60, 2.0, W_FINE)
    # the arch: its upper edge, free, running back over the ear as the supramastoid crest
    g.line(ARCH_TOP, W_OUT)
    g.line([(-17, -6.2), (-8, -7.6), (2, -8.8)], W_FINE)   # the supramastoid crest, above the ear hole
    side_temporal(g, jaw=mandible)
    side_parietal(g)
    side_zygomatic(g)
    side_maxilla_marks(g)
    if mandible:
        # under the arch, in the mandibular notch and round the condyle's head in its
        # socket: the infratemporal surface of the base deep behind the ramus, bone turning
        # away from the light like the temporal fossa, hatched, not an opening
        under = [(1, 8.5), (-4, 7), (-7, 3.5), (-11, 1.5), (-15, 3), (-17.5, 6), (-21, 7.6),
                 (-24.5, 6.3), (-28, 5.5), (-38, 5.0)]
        g.fill(under + [(-39, 20), (-10.5, 20), (-7, 9.6)], BONE)
        g.hatch(under[4:] + [(-37, 14), (-30, 19), (-18, 19), (-13, 12)], 60, 3.0, W_FINE)
        side_mandible(g, teeth=False)
        # the coronoid process rises inside the arch: the arch is drawn again over its tip
        arch = [(-16, -6.2), (-28, -5.6), (-40, -5.4), (-52, -5.3), (-50.6, -0.4), (-49, 4.4),
                (-38, 5.0), (-28, 5.5), (-24.5, 6.3), (-21, 7.6), (-17.5, 6), (-16.5, 0)]
        g.fill(arch, BONE)
        g.line([(-14, -6.4), (-28, -5.6), (-40, -5.4), (-56, -5.2)], W_OUT)
        g.line([(-53, 6.6), (-49, 4.4)] + _rev(under), W_OUT)
        g.suture(ZYG_ARCH_SUTURE, amp=0.45, period=2.0)


def side_maxilla_marks(g):
    foramen(g, (-88, 8), 0.7, 1.0)       # the infra-orbital foramen
    g.line([(-92.5, 37), (-94, 28), (-96, 19)], W_FINE)
    g.line([(-67, 21), (-66, 29), (-67, 37)], W_FINE)


# ============================================================================
# The skull from the front
# ============================================================================

# the left half of the outline, from the vertex down the side to the chin
FRONT_VAULT = [
    (0, -122.0), (23, -119.8), (42, -112.6), (56, -100.5), (65, -85.3), (69.5, -68.3), (70, -54),  # vault
    (66.5, -40), (60.5, -30), (57.5, -22),                          # the temple narrows
    (60.5, -14), (65, -8), (66.5, -1), (65.5, 5.5), (61.5, 9.5),   # zygomatic arch
]
ORBIT = [(13.5, -30), (21, -35), (31, -36.5), (41, -34), (47.5, -28), (50, -18), (48.5, -7),
         (42.5, -0.8), (32, 1), (22.5, 0.2), (15.8, -3.5), (12.6, -11), (12.2, -21)]
# pear-shaped, narrow above between the sloping lower borders of the nasal bones
APERTURE = [(0, -8, "c"), (3.5, -7.2), (7, -5.6), (9.8, -4, "c"), (11.4, 3), (12.6, 9), (13, 15), (10.5, 20.5),
            (5.5, 23.6), (2, 23.8), (0, 21, "c")]


def front_mandible_outline():
    """The left half of the mandible from the front, from the chin up the ramus."""
    return [
        (0, 55.5), (3, 54.8, "c"), (5.6, 55.4), (8.2, 54.8, "c"), (11, 55), (13.6, 54.4, "c"),
        (16, 54.6), (17.8, 54.1, "c"), (19.6, 54.4), (21.2, 53.9, "c"), (22.8, 54.0),
        (24.6, 53.5, "c"), (26.4, 53.6), (28.8, 53.2, "c"),            # alveolar margin
        (32, 52.5), (36, 49),                                          # behind the last molar
        (39.5, 40), (42, 30), (44, 20),                                # the front of the ramus
        (46, 12),                                                      # under the arch
        (50, 11.5), (54.6, 17), (53.4, 30), (51, 44), (48.8, 55),      # ramus, narrowing down
        (48.8, 61.2), (48.4, 66), (46.2, 70.4),                        # angle, rounded
        (41.2, 75.6), (34.5, 80.8), (27.5, 85.4), (20, 89),            # lower border, narrowing
        (12, 91.3), (6, 92), (0, 92.2),                                # to the rounded chin
    ]


def front_mandible(g, teeth=True):
    if teeth:
        draw_teeth_front(g, LOWER_TEETH_FRONT)
    g.body(sym(front_mandible_outline()), width=W_OUT)
    for sx, R in sides():
        g.line(R([(38, 44), (38.5, 56), (40.5, 63.5), (42.5, 67.5)]), W_FINE)   # oblique line
        foramen(g, (22.5, 68.5), 0.9, 0.7, R=R)    # mental foramen, halfway up the body under the 2nd premolar


# the nasal bone's border with the maxilla's frontal process, from the nasion down to the
# top of the nasal opening: the bone narrowest just under the nasion, flaring below
NASAL_BORDER = [(5, -25.5), (4.6, -21), (6, -15), (8.2, -9), (9.8, -4, "c")]


# the upper alveolar margin from the front, the left half from the last molar in to the
# midline: a corner between each pair of neighbours
ALVEOLAR_FRONT = [(35.6, 40.8, "c"), (33.4, 40.7, "c"), (30.5, 40.2), (27.6, 40.3, "c"), (23.6, 39.9, "c"),
                  (19.8, 39.4, "c"), (14.4, 38.8, "c"), (9.0, 38.4, "c"), (0.5, 37.6, "c")]


def front_maxilla_outline():
    """The left maxilla from the front, from the top of its frontal process clockwise."""
    return [
        (5.2, -26, "c"), (13.4, -26.5, "c"),                           # frontal process, top
        (12.9, -20), (13.6, -11), (15.8, -3.5),                        # medial orbital rim
        (22, 0.2), (30, 0.8),                                          # infra-orbital margin
        (37, 0.2), (43, 1.2), (47.5, 2.4, "c"),                        # zygomatic process, its top
        (48, 9.5, "c"),                                                # its rough tip
        (43.5, 12), (39.5, 16.5), (37, 23),                            # under it, the key ridge
        (35, 30), (35.4, 36),                                          # down to the last molar
    ] + ALVEOLAR_FRONT + [                                             # alveolar margin
        (0.6, 29), (-0.6, 19.2, "c"),                                  # intermaxillary suture, the spine
        (2.4, 22.6), (4.5, 23.5), (9, 21), (12, 16), (13, 9), (11.4, 3),   # nasal notch
    ] + _rev(NASAL_BORDER)[:-1]                                        # border with the nasal bone


def front_maxilla(g, R=_right, apart=False):
    """The left maxilla from the front (R=mirror_x: the right one). Apart: with its teeth,
    its outline and the floor of the orbit seen edge on; in the skull only its marks."""
    if apart:
        for t in UPPER_TEETH_FRONT:
            g.body(R(tooth_front(*t)), width=W_IN)
        serr = {0: SERR, 1: SERR, 9: SERR, 24: SERR, 25: SERR, 33: SERR, 34: SERR, 35: SERR, 36: SERR}
        g.body(R(front_maxilla_outline()), serr=serr, width=W_OUT)
        g.hatch(R([(13.4, -26.5), (12.9, -20), (13.6, -11), (15.8, -3.5), (22, 0.2), (30, 0.8), (37, 0.2),
                   (43, 1.2), (47.5, 2.4), (40, -1.2), (28, -1.8), (18, -5), (15, -14), (14.5, -24)]), 70, 1.4,
                W_FINE)                                                  # the orbit's floor, edge on
        g.hatch(R([(47.5, 2.4), (48, 9.5), (43.5, 12), (39.5, 16.5), (41, 11), (44, 7)]), 45, 1.4, W_FINE)
    foramen(g, (23, 9), 0.8, 1.1, rot=-15, R=R)    # infra-orbital foramen
    g.line(R([(16.5, 38), (15.8, 30), (16.2, 23)]), W_FINE)           # canine eminence
    if not apart:
        # the key ridge under the cheek bone; on the bone drawn apart it is the outline
        g.line(R([(36, 30), (38.5, 22), (41, 17)]), W_FINE)


def front_nasal_outline():
    """The left nasal bone from the front: narrow and thick above, wider and thin below."""
    return [(0.4, -25.5, "c"), (5, -26, "c")] + NASAL_BORDER[1:] + [
        (7, -5.6), (3.5, -7.2), (0.4, -8, "c"), (0.2, -18)]


def front_nasal(g, R=_right, apart=False):
    if apart:
        g.body(R(front_nasal_outline()), serr={0: SERR, 1: SERR, 2: SERR, 3: SERR, 4: SERR, 8: SERR, 9: SERR},
               width=W_OUT)
    g.dot(R([(2.4, -20)])[0], 0.6)
    g.hatch(R([(5, -26), (4.6, -21), (6, -15), (8.2, -9), (9.8, -4), (7.6, -6), (5.6, -10.5),
               (4, -16), (3.6, -23.5)]), 100, 1.4, W_FINE)


class _Sparse:
    """A whole view of the skull: the hatching of bone surfaces turning away sparser than
    on a bone drawn apart, so that it never reads as an opening."""
    def __init__(self, g):
        self._g = g

    def __getattr__(self, name):
        return getattr(self._g, name)

    def hatch(self, pts, angle, spacing, width=W_FINE, **kw):
        self._g.hatch(pts, angle, spacing * 1.5, width, **kw)

    def dot(self, p, r=0.7, fill="#000"):
        """The pin-point foramina are left out of a whole view: only the large ones show."""


class _Small:
    """A group drawn small (a drawing well under life size): the sutures plain faint lines,
    the shading sparser, the pin-point foramina and the faintest marks left out, so that
    at one pixel to the millimetre nothing turns into speckle."""
    def __init__(self, g):
        self._g = g

    def __getattr__(self, name):
        return getattr(self._g, name)

    def suture(self, pts, amp=0.8, period=2.2, width=0.6, closed=False):
        self._g.line(pts, W_FINE, closed=closed)

    def dot(self, p, r=0.7, fill="#000"):
        pass

    def hatch(self, pts, angle, spacing, width=W_FINE, **kw):
        self._g.hatch(pts, angle, spacing * 1.6, width, **kw)

    def line(self, pts, width=W_IN, **kw):
        if width > W_FINE:
            self._g.line(pts, width, **kw)


def skull_front(g, small=False):
    """The skull from the front; the left half built and mirrored. small: drawn for a
    drawing under life size (_Small)."""
    g = _Small(g) if small else _Sparse(g)
    # the mastoid processes, behind the rami: below the arch, their tips standing out beside
    # each ramus under the level of the ear holes
    for sx, R in sides():
        g.body(R([(52, 8), (60.5, 9), (59.4, 15), (57.6, 21), (55.6, 25.8, "c"), (53.4, 26.4, "c"),
                  (51.5, 20)]), width=W_IN)
    # behind the crowns, the far teeth: plain white, never the bare ground; beside them,
    # between each ramus and the upper jaw, the bone deep behind the cheek in its shadow, a
    # light grey, so that the ramus stands in front of it as a bone of its own
    g.fill(sym([(0, 40), (35, 40), (35, 52), (0, 52)]), BONE)
    for sx, R in sides():
        side = [(35.6, 40.8), (35.8, 36.5), (36.8, 31), (40, 24.5), (46.5, 19.5), (50.5, 15.5), (56.5, 11.5),
                (54.6, 17), (53.4, 30), (51, 44), (48.8, 55), (36, 54), (35, 52)]
        g.fill(R(side), BEHIND)
    front_mandible(g)
    draw_teeth_front(g, UPPER_TEETH_FRONT)
    bite = [((t[0] + t[1]) / 2, t[3]) for t in UPPER_TEETH_FRONT]
    g.line(mirror_x(list(reversed(bite))) + bite, W_IN)     # where the rows meet
    right = FRONT_VAULT + [
        (56.5, 11.5), (50.5, 15.5), (46.5, 19.5),                     # lower border of the cheek bone
        (40, 24.5), (36.8, 31), (35.8, 36.5),
    ] + ALVEOLAR_FRONT + [(0, 37.6)]
    g.body(sym(right), width=W_OUT)
    for sx, R in sides():
        g.hole(R(ORBIT), width=W_OUT, fill=RECESS)      # the orbit's depth
        # the brow: the supraorbital margin rolled over the orbit, the superciliary arch above
        g.line(R([(16, -36), (22, -38.6), (32, -40), (42, -37.8), (46.5, -33)]), W_IN)
        g.line(R([(5, -41), (14, -44.5), (26, -44.5)]), W_FINE)
        # cheek bone: its sutures with maxilla and frontal, its foramen, the prominence
        g.suture(R([(37, 0.4), (42.5, 4.5), (46, 10), (46.5, 19.5)]), amp=0.5, period=1.8)
        g.suture(R([(49.5, -25), (52.5, -24.5), (56, -25.5)]), amp=0.5, period=1.6)
        g.line(R([(45, 12), (52, 8), (59, 3)]), W_FINE)
        # the temporal line
        g.line(R([(49.5, -29), (53, -46), (57, -64.7), (59, -82.6), (56, -95.2)]), W_IN)
        front_nasal(g, R)
        front_maxilla(g, R)
    # nasal opening: the cavity dark, the thin septum a little off the midline
    g.hole(sym(APERTURE), width=W_OUT, fill=NOSE)
    g.body([(-0.5, -7.6), (0.7, -7.6), (1.7, 3), (0.9, 13), (1.5, 21.5), (-1.2, 21.5), (-0.6, 13), (0.1, 3)],
           width=W_IN, fill=INSIDE_NOSE)
    g.body([(-2.4, 23.9), (0, 18.6, "c"), (2.4, 23.9)], width=W_IN)    # anterior nasal spine
    # the conchae hanging from the side walls, their front ends seen through the opening,
    # each curled towards the septum: the inferior low and large, the middle one higher
    for sx, R in sides():
        g.body(R([(12.3, 7.5, "c"), (10, 9.4), (7.6, 12.2), (6.6, 15.4), (7.4, 18.2), (9.4, 19.4),
                  (11.5, 18.2, "c")]), width=W_IN, fill=INSIDE_NOSE)
        g.line(R([(7.8, 16.6), (9.4, 17.6), (11, 17.2)]), W_FINE)
        g.body(R([(10.6, 0.5, "c"), (9.4, 1.2), (7.9, 3.2), (7.9, 5.4), (9.4, 6.3), (12, 6, "c")]),
               width=W_IN, fill=INSIDE_NOSE)
    # the nasal bones and the frontal processes beside them
    for sx, R in sides():
        g.suture(R(NASAL_BORDER), amp=0.45, period=1.5, width=W_IN)
    g.line([(0, -25.5), (0, -8)], W_FINE)                              # between the nasal bones
    # frontonasal suture; glabella (the coronal suture, seen from the front, runs over the
    # top of the vault and down its sides only a few millimetres inside the outline, where
    # it would read as a doubled outline: left out)
    g.suture([(-5, -25.5), (0, -25), (5, -25.5)], amp=0.4, period=1.5)
    g.line([(-4, -33), (0, -34), (4, -33)], W_FINE)


def _partings(g, table, y0, y1, gap):
    """Lines between the crowns of a row (x0 towards the midline, x1 outwards) from y0 to
    y1(x), those nearer than `gap` drawing pixels to the last one drawn
    left out."""
    out, last = [], 0.0
    for t in table[:-1]:
        if (t[1] - last) * g.place.s >= gap:
            out.append([(t[1], y0), (t[1], y1(t[1]))])
            last = t[1]
    return out


def teeth_row_plain(g, table, upper, gap=1.0):
    """A row of teeth of a skull drawn far under life size, from the front: one white band
    from inside the bone (which is drawn over it) to the biting edge, parted at the
    boundaries of the crowns; a boundary nearer than `gap` drawing pixels to the last one
    drawn (the molars, foreshortened) is left out, so that the back of the row stays plain
    rather than grey. The lower row is drawn first, the upper over its edges."""
    w = table[-1][1]
    if upper:
        edge = [(x, bite_edge(table, x)) for x in (w, 0.75 * w, 0.5 * w, 0.25 * w, 0)]
        g.body(sym([(0, 36), (w, 36, "c"), (w, edge[0][1], "c")] + edge[1:]), width=W_IN)
        y0, y1 = 37, (lambda x: bite_edge(table, x) - 0.3)
    else:
        g.body(sym([(0, 43.5), (w, 43.5, "c"), (w, 58, "c"), (0, 58)]), width=W_IN)
        y0, y1 = 44, (lambda x: 57)
    for sx, R in sides():
        for ln in _partings(g, table, y0, y1, gap):
            g.line(R(ln), PARTING)
    g.line([(0, y0), (0, y1(0))], PARTING)


def skull_front_plain(g, recess=GROUND, nose=GROUND):
    """The same skull from the front, for a drawing far under life size (a whole skeleton,
    about a quarter of a pixel to the millimetre): its outlines, the orbits and the nasal
    opening (filled with `recess` and `nose`: shaded openings), the rows of teeth, the
    mandible and the sutures of the face as plain faint lines; no hatching, foramina or
    ridges, which would blur into grey at that size."""
    # the deep space beside the upper jaw, between it and each ramus
    for sx, R in sides():
        g.fill(R([(35.6, 40.8), (35.8, 36.5), (36.8, 31), (40, 24.5), (46.5, 19.5), (50.5, 15.5),
                  (54.6, 17), (53.4, 30), (51, 44), (48.8, 55), (36, 54), (35, 52)]), recess)
    teeth_row_plain(g, LOWER_TEETH_FRONT, upper=False)
    g.body(sym(front_mandible_outline()), width=W_OUT)
    teeth_row_plain(g, UPPER_TEETH_FRONT, upper=True)
    right = FRONT_VAULT + [
        (56.5, 11.5), (50.5, 15.5), (46.5, 19.5),
        (40, 24.5), (36.8, 31), (35.8, 36.5),
    ] + ALVEOLAR_FRONT + [(0, 37.6)]
    g.body(sym(right), width=W_OUT)
    for sx, R in sides():
        g.hole(R(ORBIT), width=W_OUT, fill=recess)
        # the zygomatic bone's sutures with the maxilla and the frontal bone
        g.line(R([(37, 0.4), (42.5, 4.5), (46, 10), (46.5, 19.5)]), W_FINE)
        g.line(R([(49.5, -25), (52.5, -24.5), (56, -25.5)]), W_FINE)
        g.line(R(NASAL_BORDER), W_FINE)
    g.hole(sym(APERTURE), width=W_OUT, fill=nose)
    g.line([(0, -7), (0.9, 3), (0.6, 13), (0, 21)], W_FINE, color=recess)   # the septum
    g.line([(-5, -25.5), (0, -25), (5, -25.5)], W_FINE)     # frontonasal suture
    g.line([(0, -25), (0, -8)], W_FINE)                    # between the nasal bones


# ============================================================================
# The skull from behind
# ============================================================================

# the left half (the subject's left is on the viewer's left from behind: mirrored
# against the front frame), from the vertex down to the mastoid process
BACK_VAULT = [
    (0, -122), (24, -119.5), (44, -110.5), (59, -95), (68, -76), (71, -56), (70, -38),   # vault
    (66, -24), (62, -14), (58, -6),                             # above the mastoid
    (62, -3), (65.5, 1), (65, 5.5), (61, 8),                    # the arch, seen past the head
    (56, 10), (54, 18), (51, 26.5, "c"), (47, 23), (43, 16),    # mastoid process
    (34, 14), (20, 16), (8, 19), (0, 20),                       # the base, under the occiput
]
LAMBDA_BACK = (0, -88)
LAMBDOID_BACK = [LAMBDA_BACK, (14, -78), (28, -64), (40, -46), (48, -30), (53, -14)]


def back_mandible_outline():
    """The left half of the mandible from behind: the inner face of the ramus and of the
    body, up to the teeth."""
    return [(0, 54), (10, 53.5), (24, 52.5), (32, 51), (38, 44), (42, 30), (46, 14), (50, 12),
            (54, 14), (55, 30), (54, 48), (52.5, 60), (52, 66, "c"), (45, 70), (36, 76.5),
            (26, 84), (15, 89.5), (6, 91.5), (0, 92)]


# the back of the upper jaw between the rami: the openings of the nose above the palate
BACK_UPPER_JAW = [(0, 18), (14, 18), (26, 20), (33, 26), (36, 34), (35.5, 40), (0, 40)]
CHOANA = [(2.5, 22), (10, 21.5), (15, 24), (16, 30), (14.5, 35), (2.5, 35.5)]


def skull_back(g, detail=True):
    """The skull from behind: x from the midline (the halves mirror images), y as in the
    other views. Between the rami the back of the upper jaw shows, its teeth from behind
    and the two openings of the nose over the palate. Without detail (a drawing far under
    life size, a whole skeleton, where the upper neck vertebrae stand before them): all
    that between the rami as plain bone, the sutures finer, no ridges or shading."""
    if detail:
        g.body(sym(BACK_UPPER_JAW), width=W_IN)
        for sx, R in sides():
            g.hole(R(CHOANA), width=W_IN)
            g.hatch(R(CHOANA), 60, 1.1, W_FINE)
        for table, flip in ((UPPER_TEETH_FRONT, False), (LOWER_TEETH_FRONT, True)):
            for t in table[3:]:          # the cheek teeth show past the palate and the tongue
                draw_teeth_front(g, [t])
    else:
        # between the rami, under the occiput, the back of the upper jaw and the last teeth
        # as plain bone, to the inner edges of the rami and of the body
        g.fill(sym([(0, 14), (46, 14), (42, 30), (38, 44), (32, 51), (24, 52.5), (10, 53.5),
                    (0, 54)]), BONE)
    g.body(sym(back_mandible_outline()), width=W_OUT)
    g.body(sym(BACK_VAULT), width=W_OUT)
    # the serration in drawing pixels: finer on a small drawing
    big, small = ((0.8, 2.2), (0.5, 1.8)) if detail else ((0.45, 1.4), (0.3, 1.2))
    for sx, R in sides():
        g.suture(R(LAMBDOID_BACK), amp=big[0], period=big[1])
        g.suture(R([(53, -14), (50, -2), (44, 10)]), amp=small[0], period=small[1])   # occipitomastoid
        if detail:
            g.line(R([(3, -16), (16, -17), (30, -13), (42, -4)]), W_IN)     # superior nuchal line
            g.line(R([(2, 4), (12, 4), (24, 8)]), W_FINE)                   # inferior nuchal line
            g.line(R([(52, -60), (60, -44), (64, -30)]), W_FINE)            # temporal line
            g.hatch(R([(58, -6), (62, -3), (65.5, 1), (65, 5.5), (61, 8), (56, 10), (56, 0)]), 70, 1.5,
                    W_FINE)
            g.hatch(R([(54, 14), (55, 30), (54, 48), (52.5, 60), (50, 50), (50, 30)]), 80, 2.6, W_FINE)
            g.dot(R([(30, -88)])[0], 0.6)                                   # parietal foramen
    g.suture([(0, -122), (0.4, -108), (-0.4, -98), LAMBDA_BACK], amp=big[0] * 0.75,
             period=big[1] * 0.9)   # sagittal
    if detail:
        g.line([(-3.5, -14), (0, -18), (3.5, -14)], W_IN)                  # external occipital protuberance
        g.line([(0, -13), (0, 12)], W_FINE)                                 # external occipital crest


# ============================================================================
# Bones seen only apart, each in a frame of its own
# ============================================================================

def occipital(g):
    """External surface, seen from behind and below; origin at the foramen magnum."""
    right = [
        (0, -84, "c"),                       # lambda
        (18, -76), (36, -60), (50, -42),     # lambdoid border
        (56, -26),                           # lateral angle
        (52, -14), (45, -4),                 # mastoid border
        (42, 3, "c"),                        # jugular process
        (36, 8), (30, 13.5),                 # jugular notch
        (20, 19.5), (13.5, 26), (10.5, 32), (8.5, 38, "c"),   # basilar part, a bar forwards
        (0, 38.6),
    ]
    # serrated: lambdoid and mastoid borders
    g.body(sym(right), serr=sym_serr(right, range(0, 6), SERR), width=W_OUT)
    # squama: highest, superior and inferior nuchal lines, protuberance, crest
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        g.line(R([(3, -44), (16, -43), (31, -37.5), (45, -28)]), W_IN)
        g.line(R([(2, -62), (17, -61), (32, -55), (43, -46)]), W_FINE)
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
        # beside the front half of the foramen, converging forwards with its rim
        cond = R(ellipse_pts(15.8, 12.6, 3.8, 7.6, rot=-24, n=22))
        g.body(cond, width=W_IN)
        # convex: the outer half of each turns away from the light
        outer = ellipse_pts(15.8, 12.6, 3.3, 7.0, rot=-24, n=24)
        g.hatch(R(outer[18:] + outer[:7]), 60, 1.3, W_FINE)


def frontal(g):
    """Frontal bone from the front; origin at the nasion."""
    right = [
        (0, -100),
        (26, -97), (44, -86), (55, -66), (59, -42),    # coronal border
        (56, -24), (52.5, -8),                         # temporal surface, curving in
        (56.5, 2), (57, 12), (54, 18.5, "c"),          # zygomatic process, reaching down and out
        (48.5, 16), (45, 8), (40, 0), (35, -5),        # supraorbital margin
        (26.2, -8.9), (24.6, -10.6), (22.8, -10.6), (21.4, -8.8),   # supraorbital notch
        (15, -7), (10, -2),
        (9, 4), (5, 7), (2, 7), (1, 13, "c"), (0, 14),  # nasal part and spine
    ]
    # serrated: coronal border, tip of the zygomatic process, nasal notch
    g.body(sym(right), serr=sym_serr(right, {0, 1, 2, 3, 4, 8, 9, 20, 21}, SERR),
           width=W_OUT)
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        # the rounded margin turning into the roof of the orbit
        g.line(R([(49.5, 12), (43, 1.5), (35, -2), (25, -5.5), (15, -3.5), (11, 1)]), W_FINE)
        g.hatch(R([(48.5, 16), (45, 8), (40, 0), (35, -5), (26.5, -8.9), (21, -8.8), (15, -7), (10, -2),
                   (11, 1), (15, -3.5), (25, -5.5), (35, -2), (43, 1.5), (49.5, 12)]), 100, 1.6, W_FINE)
        # superciliary arch
        g.line(R([(7, -17), (18, -21), (30, -19)]), W_FINE)
        # temporal line and the temporal surface beyond it
        g.line(R([(51, 10), (49.5, -4), (51, -24), (53.5, -46), (50, -70)]), W_IN)
        g.hatch(R([(49.5, -4), (51, -24), (53.5, -46), (50, -70), (55, -66), (59, -42), (56, -24),
                   (52.5, -8)]), 80, 2.4, W_FINE)
        # frontal eminence
        g.line(R([(20, -43), (27, -46), (34, -43)]), W_FINE)
    # glabella
    g.line([(-4, -14), (0, -15), (4, -14)], W_FINE)


def sphenoid(g):
    """Sphenoid from the front; origin at the middle of the body."""
    right = [
        (0, -18),
        (12, -21.5), (26, -26), (38, -29, "c"),    # lesser wing
        (29, -20.5), (19, -14), (13, -11),         # lower edge of the lesser wing
        (14, -4, "c"),                             # medial end of the superior orbital fissure
        (24, -8), (34, -15), (42, -24), (47, -34),  # greater wing: orbital border
        (51, -42, "c"),                            # greater wing: its highest point
        (56, -36), (59, -22), (58, -8), (53, 3),   # temporal border
        (45, 9), (35, 11), (25, 12),               # infratemporal crest to the pterygoid root
        (24, 20), (29, 34), (29.5, 45, "c"),       # lateral pterygoid plate, the broader
        (22, 41.5), (18.5, 37.5),                  # pterygoid notch, the plates joined above it
        (16, 43), (14.5, 49, "c"), (11.5, 48),     # medial plate and hamulus
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
        # pterygoid plates
        g.line(R([(20, 14), (19, 26), (18.5, 37.5)]), W_FINE)
        g.hatch(R([(18.5, 37.5), (22, 41.5), (24.5, 34), (24, 20), (20, 15)]), 70, 1.8, W_FINE)
        g.hole(R(ellipse_pts(8.6, -15.2, 1.5, 1.5, n=12)), width=W_IN, fill="#000")   # optic canal
    # the body: sphenoidal crest, and its edges
    g.line([(0, -16), (0, 14)], W_IN)
    g.line([(-11, -13), (-11, 8), (-8, 13)], W_FINE)
    g.line([(11, -13), (11, 8), (8, 13)], W_FINE)


def ethmoid(g):
    """Ethmoid from the front; origin at the middle of the cribriform plate."""
    # perpendicular plate: it reaches below the cribriform plate about as far as the
    # labyrinths are high, a thin midline plate ending in a ragged lower edge
    g.body([(-1.6, 1), (-2.2, 16), (-2.5, 26), (-2.7, 31.5, "c"), (-1.4, 33.4, "c"),
            (-0.2, 31.8, "c"), (1.1, 34, "c"), (2.7, 32.2, "c"), (2.6, 26), (2.4, 16),
            (1.6, 1)], width=W_IN)
    # labyrinths
    for sx in (1, -1):
        R = (lambda ps: ps) if sx > 0 else mirror_x
        lab = R([(5, -2.5, "c"), (15, -2, "c"), (16.2, 14), (15.6, 26, "c"), (11, 28.4),
                 (8.2, 25), (5.5, 20)])
        g.body(lab, width=W_OUT)
        # middle concha, curled down beside the perpendicular plate
        g.body(R([(5.5, 19), (4.5, 26), (5, 32), (7.5, 35, "c"), (8, 30), (8.5, 26)]),
               width=W_IN)
        # superior concha
        g.line(R([(5.4, 8), (4.6, 13), (6, 16)]), W_FINE)
    # cribriform plate, between the labyrinths and lower than their tops
    g.body([(-5.2, 0.6, "c"), (5.2, 0.6, "c"), (5.2, 2.6, "c"), (-5.2, 2.6, "c")], width=W_IN)
    # crista galli
    g.body([(-2.6, -1), (-2.4, -8), (-1.2, -15), (0.8, -17, "c"), (2, -12), (2.6, -1)],
           width=W_IN)


def lacrimal(g):
    """Left lacrimal bone from the orbit (front to the left): the smallest bone of the face,
    a thin plate about the size of a fingernail (some 15 by 9 mm), divided by the vertical
    posterior lacrimal crest; in front of the crest the groove for the lacrimal sac, at its
    lower end the hamulus hooking forwards; behind it the smooth orbital part."""
    k = 0.62

    def sc(ps):
        return [(p[0] * k, p[1] * k) + tuple(p[2:]) for p in ps]
    pts = [
        (-6, -10, "c"), (1, -10.6), (8.4, -10.2, "c"),    # border with the frontal bone
        (9, -2), (8.6, 8.4, "c"),                         # border with the ethmoid
        (4, 9.2), (-0.5, 9.8),                            # border with the maxilla
        (-2.2, 11.6), (-5, 14.8), (-8.8, 16.4, "c"), (-6.6, 12.4),   # lacrimal hamulus
        (-6.2, 5), (-6.3, -3),                            # anterior border
    ]
    serr = {0: SERR, 1: SERR, 2: SERR, 3: SERR, 11: SERR, 12: SERR}
    g.body(sc(pts), serr=serr, width=W_OUT)
    # the crest, a ridge from top to hamulus: the groove for the lacrimal sac before it,
    # lightly shaded; the smooth orbital part behind it, the larger, left plain
    crest = [(0.4, -10.6), (0.2, -2), (-0.2, 5), (-1.6, 10.4), (-4.6, 14)]
    g.line(sc(crest), W_OUT)
    g.hatch(sc([(-6, -10), (0.4, -10.6), (0.2, -2), (-0.2, 5), (-1.6, 10.4), (-4.6, 14), (-6.6, 12.4),
                (-6.2, 5), (-6.3, -3)]), 75, 2.6, W_FINE)


def concha(g, medial=False):
    """Left inferior nasal concha from the outside (front to the left): a thick, rounded
    front end, a long tapering hind end; on its upper border the lacrimal process in front,
    the ethmoidal process behind, and between them the maxillary process turned down over
    the outer face, where it hooks under the opening of the maxillary sinus.
    `medial`: the right one seen from the nasal cavity (front to the left too), its convex
    face towards the septum, the free lower border curling out and up under it as a scroll,
    the maxillary process hidden behind."""
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
    if medial:
        # the lower border rolled over towards the septum, thick and spongy in the middle,
        # thinning backwards: the underside of the scroll, shaded, below the convex face
        roll = [(-20.5, 3.4), (-12, 4.0), (-2, 3.6), (9, 2.0), (18, 0.8), (24, 0.5)]
        g.line(roll, W_IN)
        g.hatch(roll + [(20, 2.2), (10, 4.4), (-2, 6.6), (-12, 7.2), (-19, 5.8)], 100, 1.3, W_FINE)
        # the long convex face, pitted and grooved by vessels running front to back
        for a, b in (((-17, -1.4), (-8, -2.2)), ((-4, -2.8), (8, -2.2)), ((-12, 0.8), (2, 0.4)),
                     ((10, -1.0), (18, -0.8))):
            g.line([a, b], W_FINE)
        g.hatch([(-23, 1.5), (-22, -3), (-18.5, -5.2), (-17, 0), (-19, 5.8)], 70, 1.4, W_FINE)
        return
    # the thick lower border rolled inwards, thinning backwards
    g.line([(-20.5, 2.8), (-12, 4.6), (-2, 4.2), (9, 2.6), (18, 1.2), (24, 0.6)], W_IN)
    # the maxillary process: a lip from the upper border bent down over the outer face
    lip = [(-8, -6.2), (-6, -2.5), (-3.5, 1.5, "c"), (0.5, 0.8), (2.5, -3), (2.2, -6.4)]
    g.body(lip, width=W_IN)
    g.hatch(lip, 75, 2.0, W_FINE)
    # the pitted outer face
    for a, b in (((-18, -1.5), (-14, -2.4)), ((12, -0.9), (16, -0.4)),
                 ((-14, 1.6), (-10, 1.8))):
        g.line([a, b], W_FINE)
    g.hatch([(-23, 1.5), (-22, -3), (-18.5, -5.2), (-17, 0), (-19, 5.8)], 70, 1.4, W_FINE)


def vomer(g):
    """Vomer from the left (front to the left)."""
    pts = [
        (-28, 10, "c"),                               # front of the lower border
        (-24, 4.5), (-15, -2.5), (-5, -9.5), (3, -15),  # anterior border
        (7, -18), (12, -21.5, "c"),                   # ala
        (18, -21), (21.5, -17.5, "c"),
        (14.5, -6), (12.5, 3), (14, 11, "c"),         # posterior border, free and hollow
        (0, 12.2), (-16, 12.2),                       # lower border
    ]
    serr = {0: SERR, 1: SERR, 2: SERR, 3: SERR, 4: SERR}
    g.body(pts, serr=serr, width=W_OUT)
    # the ala, flaring sideways
    g.line([(5, -16), (11, -18.5), (19, -18.5)], W_IN)
    g.hatch([(7, -18), (12, -21.5), (18, -21), (21.5, -17.5), (19, -18.5), (11, -18.5), (5, -16)],
            20, 1.5, W_FINE)
    # thick hind border, groove for the nasopalatine nerve
    g.line([(19.5, -16.5), (13, -6), (11, 3), (12.4, 9.6)], W_FINE)
    g.line([(-20, 6), (-9, -0.5), (3, -8.5)], W_FINE)


def palatine(g):
    """Left palatine bone from behind (midline at x = 0)."""
    pts = [
        (0.5, -3, "c"),                               # nasal crest
        (3, -0.5), (14, -0.4),                        # nasal floor
        (14.4, -9), (14.8, -17), (14.3, -22.5),       # perpendicular plate, inner side
        (13.2, -24.5), (11.2, -26, "c"), (13.6, -27.6), (16.2, -26),  # sphenoidal process, small
        (17.2, -24.5, "c"),                           # sphenopalatine notch
        (18, -29), (21.5, -33, "c"), (24, -28), (20, -22.5),  # orbital process, large
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



# ============================================================================
# The newborn's vault from above
# ============================================================================

def newborn_vault(g):
    """A newborn's skull from above, face to the top; origin at the bregma. The bones are
    separate plates with membrane between them: the sutures are narrow gaps, and where
    several meet the gap widens into a fontanelle."""
    # narrower in front, widest behind across the parietal eminences
    right = [(0, -43), (14, -41.5), (26, -35), (35, -22), (41, -5), (46, 12), (48.8, 30),
             (47.5, 46), (40.5, 60), (28, 71), (13.5, 77), (0, 78)]
    vault = sym(right)
    g.body(vault, width=1.2)
    # the coronal sutures run out nearly straight across from the anterior fontanelle, their
    # outer ends slanting a little forwards as they go down the sides towards the pterion
    coronal = [(11.5, 0), (22, -0.3), (32, -1.3), (41.7, -3.4)]
    # the lambdoid sutures run out and a little forwards from the posterior fontanelle:
    # from above the occipital shows as a broad wedge behind them
    lambdoid = [(4.5, 66.3), (16, 63.6), (28, 59.4), (43, 53.9)]
    sutures = [
        [(0, -42.2), (0.6, -33), (-0.4, -24), (0, -18)],                  # metopic
        coronal, mirror_x(coronal),
        [(0, 12), (0.5, 30), (-0.5, 48), (0, 62)],                        # sagittal
        lambdoid, mirror_x(lambdoid),
    ]
    # each suture a clear band of membrane between the edges of the plates
    for sut in sutures:
        poly = outline(g._px(sut), False)
        g.raw(path(poly, False, "none", 3.4))
        g.raw(path(poly, False, "none", 2.0, GROUND))
    # the front: the frontal halves curve down over the orbits out of sight, beyond the
    # outline: from above no margin of theirs shows
    # the anterior fontanelle a diamond with its long point forward between the halves of
    # the frontal bone, the posterior a small triangle at the top of the occipital
    anterior = [(0, -19.5, "c"), (3.2, -11), (7, -4.5), (12, 0, "c"), (6.5, 4.5), (2.8, 8.5),
                (0, 13.5, "c"), (-2.8, 8.5), (-6.5, 4.5), (-12, 0, "c"), (-7, -4.5), (-3.2, -11)]
    posterior = [(0, 59.8, "c"), (2.8, 63), (5.8, 66.6, "c"), (0, 67.7), (-5.8, 66.6, "c"),
                 (-2.8, 63)]
    for f in (anterior, posterior):
        g.body(f, width=1.0, fill=OLIVE)
    g.line(vault, 1.2, closed=True)   # over the ends of the sutures
    # the middle of each fontanelle
    # (the posterior one's behind the sagittal suture's end at its forward tip, towards its base)
    return {"anterior": (1, 1.5), "posterior": (0.6, 65.7)}


MEASURES = {
    "length": 190,        # glabella to the back of the head
    "height": 122,        # vertex above the ear hole
    "face": 120,          # nasion to menton
    "breadth": 140,       # greatest width of the vault
    "cheeks": 133,        # across the zygomatic arches
    "jaw angles": 100,    # across the angles of the mandible, 0.75 of the cheeks
    "orbit width": 39,
    "orbit height": 37,
    "nose width": 26,     # the nasal opening
    "ramus": 64,          # condyle to angle
    "body": 34,           # the mandible's body at the first molar
    "pterion behind": 35,   # the middle of the pterion behind the frontozygomatic suture
    "pterion above": 40,    # the middle of the pterion above the middle of the arch
    "squama": 45,           # the top of the temporal squama above the ear hole
}


def _span(pts, axis):
    vals = [p[axis] for p in pts]
    return min(vals), max(vals)


def _y_at(pts, x):
    """The largest y of the polyline pts where it crosses the vertical at x."""
    ys = []
    for a, b in zip(pts, pts[1:] + pts[:1]):
        if (a[0] - x) * (b[0] - x) <= 0 and a[0] != b[0]:
            ys.append(a[1] + (b[1] - a[1]) * (x - a[0]) / (b[0] - a[0]))
    return max(ys)


def measure():
    side = _chain(PROFILE_VAULT, PROFILE_FACE)
    vault = [p for p in PROFILE_VAULT if p[1] < -20]
    mand = side_mandible_outline()
    front = sym(FRONT_VAULT)
    m1 = (UPPER_TEETH_SIDE[5][0] + UPPER_TEETH_SIDE[5][1]) / 2
    pterion = ((PTERION_F[0] + PTERION_T[0]) / 2, (PTERION_F[1] + PTERION_T[1]) / 2)
    arch_mid = (ARCH_TOP[0][0] + ARCH_TOP[-1][0]) / 2
    return {
        "length": _span(vault, 0)[1] - _span(vault, 0)[0],
        "height": -_span(side, 1)[0],
        "face": _span(mand, 1)[1] - NASION[1],
        "breadth": 2 * _span(front, 0)[1],
        "cheeks": 2 * max(p[0] for p in FRONT_VAULT if p[1] > -20),
        "jaw angles": 2 * max(p[0] for p in front_mandible_outline() if p[1] > 60),
        "orbit width": _span(ORBIT, 0)[1] - _span(ORBIT, 0)[0],
        "orbit height": _span(ORBIT, 1)[1] - _span(ORBIT, 1)[0],
        "nose width": 2 * _span(APERTURE, 0)[1],
        "ramus": max(p[1] for p in mand if p[0] > -22) - _span(mand, 1)[0],   # to the angle
        "body": _y_at(mand, m1) - min(p[1] for p in mand if abs(p[0] - m1) < 4),
        "pterion behind": pterion[0] - FZ[0],
        "pterion above": _y_at(ARCH_TOP, arch_mid) - pterion[1],
        "squama": -_span(SQUAMOUS, 1)[0],
    }


def check():
    """Every measure within 4 % of MEASURES, and the views of one skull agreeing: the same
    vertex and chin in the side and front views, the same width in front and behind."""
    got = measure()
    wrong = [f"{k} is {v:.0f} mm, not {MEASURES[k]}" for k, v in got.items()
             if abs(v - MEASURES[k]) > 0.04 * MEASURES[k]]
    side_top = _span(_chain(PROFILE_VAULT, PROFILE_FACE), 1)[0]
    pairs = (("vertex, side and front", side_top, _span(FRONT_VAULT, 1)[0]),
             ("vertex, side and back", side_top, _span(BACK_VAULT, 1)[0]),
             ("chin, side and front", _span(side_mandible_outline(), 1)[1],
              _span(front_mandible_outline(), 1)[1]),
             ("chin, front and back", _span(front_mandible_outline(), 1)[1],
              _span(back_mandible_outline(), 1)[1]),
             ("breadth, front and back", _span(FRONT_VAULT, 0)[1], _span(BACK_VAULT, 0)[1]))
    wrong += [f"{what} differ by {abs(a - b):.1f} mm" for what, a, b in pairs if abs(a - b) > 1.5]
    if wrong:
        raise SystemExit("head atlas: " + "; ".join(wrong))
    return got


def place_view(gid, view, ox, oy, scale, mirror=False, comment="", **kw):
    """One whole view placed on a drawing: a Group ready for svg()."""
    g = Group(gid, Place(ox, oy, scale, mirror), comment)
    view(g, **kw)
    return g


if __name__ == "__main__":
    for name, v in check().items():
        print(f"{name:12} {v:6.1f} mm")
