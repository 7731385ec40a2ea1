#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generator of the seven drawings of the skull.

    python3 tools/art/skull.py [assets/drawings] [name ...]

Names: skull, cranium-side, cranial-bones, face, face-small, facial-bones, fontanelle.
Every bone comes from the atlas of the head (head_atlas.py), drawn in
millimetres in a frame of its own and placed on the drawing: the same skull
in every drawing. Leader lines are not drawn here: the drawings that carry them
hold a <metadata id="leaders"> block that the rasteriser turns into blue
lines ending at the labels of the screens.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import head_atlas as A  # noqa: E402
from geometry import Group, Place, svg  # noqa: E402


def start(place, p, row=None):
    """A leader's first point, "x y" in drawing pixels, at the atlas point p of a placed
    bone; row: the row of its end at the edge, for a line that runs straight across."""
    q = place(p)
    return f"{round(q[0])} {round(q[1]) if row is None else row}"


def placer(groups, scale):
    """A function that draws one bone (fn) into a new group placed at (ox, oy) and keeps it."""
    def add(gid, fn, ox, oy, mirror=False, comment="", s=scale, rot=0.0):
        g = Group(gid, Place(ox, oy, s, mirror, rot), comment)
        fn(g)
        groups.append(g)
        return g
    return add


# ============================================================================
# The bones of the cranium
# ============================================================================

def cranial_bones():
    W, H = 428, 382
    # the scale at which the occipital, its lambda at the top edge, ends high enough that
    # the parietal's line passes well clear under its basilar part
    S = 1.0
    groups = []
    add = placer(groups, S)

    par_l = Place(250, 152, S)
    tem_r = Place(55, 290, S, True)
    add("occipital", A.occipital, 74, 85, comment="external surface, seen from behind and below")
    # the two parietals from outside, laid flat side by side as they meet at the sagittal
    # suture, their coronal borders towards the frontal bone below them: the right one on
    # the left
    def behind_up(sx):
        return lambda ps: [(sx * p[0], -p[1]) + tuple(p[2:]) for p in ps]
    add("parietal-right", lambda g: A.top_parietal(g, R=behind_up(-1)), par_l.ox, par_l.oy,
        comment="the right parietal from outside, its coronal border at the bottom")
    add("parietal-left", lambda g: A.top_parietal(g, R=behind_up(1)), par_l.ox + 8, par_l.oy,
        comment="the left parietal from outside, its coronal border at the bottom")
    add("frontal", A.frontal, 240, 266, comment="from the front")
    # each temporal bone on its own side of the layout (the right one on the left, as in the
    # front views), seen from the outside, its zygomatic process reaching in towards the face
    add("temporal-right", lambda g: A.side_temporal(g, apart=True), tem_r.ox, tem_r.oy, mirror=True,
        comment="the right temporal bone from the outside")
    add("temporal-left", lambda g: A.side_temporal(g, apart=True), 373, tem_r.oy,
        comment="the left temporal bone from the outside")
    # far enough to the right that the sphenoid's line comes down well outside its
    # pterygoid plates, short of the ethmoid
    sph = Place(216, 330, S)
    add("sphenoid", A.sphenoid, sph.ox, sph.oy, comment="from the front")
    eth = Place(300, 318, S)
    add("ethmoid", A.ethmoid, eth.ox, eth.oy, comment="from the front")


    body = []
    for g in groups:
        body.extend(g.svg())
    leaders = [
        "leader Form17.Label1 Form20.Text1 from 54 38",
        # from plain bone of the nearer parietal, above its temporal lines, straight out
        # under the occipital bone
        f"leader Form17.Label2 Form20.Text2 from {start(par_l, (-36, -17), row=134)}",
        # above the frontal eminence: plain bone
        "leader Form17.Label3 Form20.Text3 from 209 202",
        f"leader Form17.Label4 Form20.Text4 from {start(tem_r, (-20, -34.3), row=254)}",
        # from the temporal surface of the nearer greater wing, below its orbital surface:
        # straight down over the infratemporal crest and through open ground well outside
        # the pterygoid plates
        f"leader Form17.Label5 Form20.Text5 from {start(sph, (-45, -3))}",
        # from the middle of the nearer labyrinth, out through its lower border beside
        # the middle concha
        f"leader Form17.Label6 Form20.Text6 from {start(eth, (-13, 12))}",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


# ============================================================================
# The bones of the face
# ============================================================================

def facial_bones():
    W, H = 526, 470
    S = 1.8
    groups = []
    add = placer(groups, S)

    # the bones of the face from the nose outwards, gathered to the left, so that the
    # maxillae's line can come down outside them into open ground; the vomer, the
    # palatines and the mandible, seen from the side or from behind, to the right
    mid = 106
    lac = Place(mid - 40, 45, S, True)
    add("lacrimal-right", A.lacrimal, lac.ox, lac.oy, mirror=True, comment="the right lacrimal bone from the orbit")
    add("lacrimal-left", A.lacrimal, mid + 40, lac.oy, comment="the left lacrimal bone from the orbit")
    # the conchae each a long curled plate lying front to back along the outer wall of its
    # nasal cavity, each seen from its own outer side with the maxillary process bent down
    # over it: the left one with its thick front end to the left, the right one its mirror
    # image, so that the pair lie end to end with their tapering hind ends towards each other
    con = Place(mid - 52, 117.3, S)
    add("concha-left", A.concha, con.ox, con.oy, comment="the left inferior nasal concha from the outside")
    add("concha-right", A.concha, con.ox + 62 * S, con.oy, mirror=True,
        comment="the right inferior nasal concha from the outside")
    # the nasal bones high enough that their line crosses the wider lower half; the pair
    # meeting in the midline at the internasal suture, as they do over the nose
    nas = Place(mid - 0.5, 186 + 11 * S, S, True)
    add("nasal-right", lambda g: A.front_nasal(g, apart=True), nas.ox, nas.oy, mirror=True,
        comment="the right nasal bone from the front")
    add("nasal-left", lambda g: A.front_nasal(g, apart=True), mid + 0.5, nas.oy,
        comment="the left nasal bone from the front")
    # the cheek bones from the front, closer together than in the face
    zyg = Place(mid + 26, 243 + 8 * S, S, True)
    add("zygomatic-right", A.front_zygomatic, zyg.ox, zyg.oy, mirror=True,
        comment="the right zygomatic bone from the front")
    add("zygomatic-left", A.front_zygomatic, 2 * mid - zyg.ox, zyg.oy,
        comment="the left zygomatic bone from the front")
    # the maxillae nearly meeting, as they do at the intermaxillary suture, on the midline
    # every other pair is mirrored about, the left one's zygomatic process short of the
    # column its line comes down
    max_l = Place(mid + 3.5, 338, S)
    add("maxilla-right", lambda g: A.front_maxilla(g, apart=True), 2 * mid - max_l.ox, max_l.oy, mirror=True,
        comment="the right maxilla from the front")
    add("maxilla-left", lambda g: A.front_maxilla(g, apart=True), max_l.ox, max_l.oy,
        comment="the left maxilla from the front")
    # the mandible on its own is set with its biting line level: turned back by the rise
    # that line has in the skull, set on the plane of the ear holes and the orbits' floors
    mand = Place(516, 323, S, rot=A.OCCLUSAL_RISE)
    add("mandible", lambda g: A.side_mandible(g, apart=True), mand.ox, mand.oy,
        comment="the mandible from the left, its biting line level", rot=A.OCCLUSAL_RISE)
    vom = Place(330, 52, S)
    add("vomer", A.vomer, vom.ox, vom.oy, comment="from the left side")
    pal = Place(340, 152, S)
    add("palatine-right", A.palatine, pal.ox - 6, pal.oy, mirror=True, comment="the right palatine bone from behind")
    add("palatine-left", A.palatine, pal.ox, pal.oy, comment="the left palatine bone from behind")
    body = []
    for g in groups:
        body.extend(g.svg())

    # the lines start on the nearer bone of a pair. Below the drawing the label and the
    # answer box stand 9 pixels apart, more than a line end may miss either by: each line
    # splits in two only just above the edge.
    # on the smooth orbital part, behind the crest
    lacrimal = start(lac, (2.3, 0), row=45)
    # on the body of the nearer concha behind its thick front end, straight out through it
    concha = start(con, (-12, 1.5), row=120)
    nasal = start(nas, (3.7, -11), row=186)
    # on the body above its foramen: the line leaves by the hollow temporal border, over
    # the temporal process
    zygomatic = start(zyg, (54.5, -8), row=243)
    # on the body of the nearer maxilla, outside its infra-orbital foramen and under the
    # root of the zygomatic process: one straight line out through its outer side, leaving
    # it at a slant, clear of the last molar, to where it parts for the label and the box
    maxilla = start(max_l, (36.5, 7.5))
    fork_x = 181
    # on the body in front of the angle, below the ramus
    jaw = start(mand, (-45, 66))
    fork_y = 466
    leaders = [
        f"leader Form18.Label1 Form19.Text1 from {lacrimal}",
        f"leader Form18.Label2 Form19.Text2 from {concha}",
        f"leader Form18.Label3 Form19.Text3 from {nasal}",
        f"leader Form18.Label4 Form19.Text4 from {zygomatic}",
        f"leader Form18.Label5 from {maxilla} via {fork_x} {fork_y}",
        f"leader Form19.Text5 from {maxilla} via {fork_x} {fork_y}",
        f"leader Form18.Label6 from {jaw} via {jaw.split()[0]} {fork_y}",
        f"leader Form19.Text6 from {jaw} via {jaw.split()[0]} {fork_y}",
        # from the perpendicular plate of the nearer palatine, above its pyramidal process
        f"leader Form18.Label7 Form19.Text7 from {start(pal, (17.2, -7.2), row=140)}",
        # from the middle of the vomer's side
        f"leader Form18.Label8 Form19.Text8 from {start(vom, (4.4, -1.1), row=50)}",
    ]
    return svg(W, H, body, leaders, "Written by tools/art/skull.py")


# ============================================================================
# The whole skull (head_atlas.py), from the front and from the side
# ============================================================================

def face():
    W, H = 157, 281
    g = A.place_view("skull", A.skull_front, 78.5, 157, 1.06,
                              comment="the skull from the front")
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def face_small():
    W, H = 130, 233
    g = A.place_view("skull", A.skull_front, 65, 130, 0.88,
                              comment="the skull from the front", small=True)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def cranium_side():
    W, H = 225, 188
    # a margin all round: the teeth clear of the lower edge, the occiput of the right one
    g = A.place_view("cranium", A.skull_side, 121, 128, 0.93,
                     comment="the cranium from the left, the mandible taken off", mandible=False)
    return svg(W, H, g.svg(), None, "Written by tools/art/skull.py")


def skull():
    W, H = 500, 293
    S = 1.17
    # both views at one height: vertex, orbits and chin level across the drawing
    side = A.place_view("skull-side", A.skull_side, 146, 162, S,
                                 comment="the skull from the left")
    front = A.place_view("skull-front", A.skull_front, 388, 162, S,
                                  comment="the skull from the front")
    return svg(W, H, side.svg() + front.svg(), None, "Written by tools/art/skull.py")


def fontanelle():
    W, H = 205, 240
    place = Place(94, 96, 1.6)
    g = Group("newborn-vault", place, "a newborn's skull from above, the face at the top")
    inside = A.newborn_vault(g)
    # one label for both fontanelles: an arm straight from the middle of each out over the
    # parietal bone beside it, lying along no suture, the two meeting just before the label
    fork = (194, 133)
    leaders = []
    for key in ("anterior", "posterior"):
        x, y = place(inside[key])
        leaders.append(f"leader Form25.Label6 from {round(x)} {round(y)} via {fork[0]} {fork[1]}")
    return svg(W, H, g.svg(), leaders, "Written by tools/art/skull.py")


# ============================================================================
# The skull of the two whole skeletons
# ============================================================================

def on_skeleton(view, mid, ears, scale, comment, **kw):
    """The skull of a whole skeleton: a view of the head atlas (skull_front_plain,
    skull_back) with its midline at column `mid`, the plane of the ear holes and the
    orbits' floors at row `ears`, at `scale` pixels to the millimetre. A Group: its svg()
    is the drawing's part, its place maps the atlas's millimetres onto the drawing."""
    return A.place_view("skull", view, mid, ears, scale, comment=comment, **kw)


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
    A.check()
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "drawings")
    names = sys.argv[2:] or list(DRAWINGS)
    for name in names:
        with open(os.path.join(out_dir, name + ".svg"), "w") as f:
            f.write(DRAWINGS[name]())


if __name__ == "__main__":
    main()
