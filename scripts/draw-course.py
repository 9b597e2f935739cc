#!/usr/bin/python3
"""Draws the keys of the site's first course of exercises (and the drawings some of them start on)
in the real Tova window, with the machinery of draw-class.py, then makes each exercise file with
tova-exercise.

Usage: scripts/draw-course.py BUILD_FOLDER [--shots FOLDER] [--only NN]

BUILD_FOLDER holds tova and tova-exercise. The keys go to samples/exercises/keys/NN-name-key.KRT,
the drawings to start on to samples/exercises/starts/NN-name-start.KRT (both for teachers, not for
the site), the exercises to samples/exercises/NN-name.exercise. --shots keeps a picture of the
canvas before each save and the key's model as tova-export draws it. --only NN draws one exercise.
Needs Xvfb and xdotool (and import for --shots).

Each object is written as its edges in model points (x, height, depth): x and height as the front
view's X= and Y= show them, depth as the top view's Y= (and the side view's X=) shows it, so that a
point's views are (x, height) in the front view, (x, depth) in the top view, (depth, height) in the
side view. The front of an object is its largest depth; the side view shows it from the left.
"""
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
from collections import namedtuple

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("draw_class", os.path.join(HERE, "draw-class.py"))
dc = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(dc)

FRONT, TOP, SIDE = 0, 1, 2
# An edge between two model points, dotted in the views named (hidden there).
Edge = namedtuple("Edge", "p q dotted", defaults=[()])


def seen(point, view):
    x, height, depth = point
    return ((x, height), (x, depth), (depth, height))[view]


def draw_edge(w, e):
    """Clicked in the first two views where it is more than a point; the third comes by itself."""
    views = [v for v in (FRONT, TOP, SIDE) if seen(e.p, v) != seen(e.q, v)][:2]
    w.button("----")
    for v in views:
        w.at(seen(e.p, v))
        w.at(seen(e.q, v))
    for v in e.dotted:
        a, b = seen(e.p, v), seen(e.q, v)
        dc.restyle(w, ("EmptL", ((a[0] + b[0]) // 2, (a[1] + b[1]) // 2)))
    w.button("OK")


DRAW = {**dc.DRAW, Edge: draw_edge}


def prism(face, front, back, hidden=()):
    """A front-view outline (corners in order) run from depth `front` back to `back`: the front
    face's edges, the back face's, then an edge from front to back at each corner; the corners
    in `hidden` are those whose edge from front to back the side view cannot see (dotted there)."""
    n = len(face)
    ring = lambda depth: [Edge((*face[i], depth), (*face[(i + 1) % n], depth)) for i in range(n)]
    runs = [Edge((*c, front), (*c, back), (SIDE,) if c in hidden else ()) for c in face]
    return ring(front) + ring(back) + runs


def box(x0, x1, top, bottom, back, front):
    return prism([(x0, bottom), (x1, bottom), (x1, top), (x0, top)], front, back)


def side_prism(face, left, right):
    """A side-view outline (depth, height) run from x `left` to `right`, left end first."""
    n = len(face)
    ring = lambda x: [Edge((x, *face[i][::-1]), (x, *face[(i + 1) % n][::-1])) for i in range(n)]
    return ring(left) + ring(right) + [Edge((left, h, d), (right, h, d)) for d, h in face]


def front_circle(cx, height, radius, depth):
    """A circle of the front view, its depth given in the top view."""
    return dc.Circle((cx, height), (cx + radius, height), (cx, depth))


def top_circle(cx, depth, radius, height):
    """A circle of the top view, its height given in the front view."""
    return dc.Circle((cx, depth), (cx + radius, depth), (cx, height))


def hole(cx, height, radius, front, back):
    """A round hole from front to back: its circle at either face, and its four edges along it
    (at the circle's left, right, top and bottom), hidden in the top and side views."""
    rims = [(cx - radius, height), (cx + radius, height), (cx, height - radius), (cx, height + radius)]
    return ([front_circle(cx, height, radius, front), front_circle(cx, height, radius, back)]
            + [Edge((x, h, front), (x, h, back), (TOP, SIDE)) for x, h in rims])


Course = namedtuple("Course", "name title task given aids figures start options", defaults=[0, ()])
# start: how many of the first figures make the drawing the exercise starts on (0: an empty one).

COURSE = [
    Course("01-block", "A block",
           ["All three views of a block are given. Draw the block over them: each of its 12 edges "
            "with ----, its two ends in one view and again in a second view; the third view draws itself.",
            "Every edge can be seen: draw them all as solid lines."],
           "front,top,side", "check,where,peek,object", box(60, 170, 110, 190, 250, 340)),
    Course("02-tall-block", "A tall block from two views",
           ["The front and top views are given, and the block's front face is already drawn.",
            "Draw its back face and the four edges that run from front to back, so that the side view "
            "appears. Every edge can be seen: solid lines."],
           "front,top", "check,where,peek,object", box(85, 145, 60, 190, 255, 325), start=4),
    Course("03-stepped-block", "A stepped block",
           ["The front and top views of a block with a step are given. Draw it in all three views.",
            "The side view shows the block from the left, where the tall part hides the step: "
            "draw the step's edges there as dotted lines, all other edges solid."],
           "front,top", "check,where,peek,object",
           prism([(50, 190), (180, 190), (180, 145), (115, 145), (115, 100), (50, 100)], 340, 250,
                 hidden=[(180, 145), (115, 145)])),
    Course("04-l-bracket", "An L-bracket",
           ["An L-bracket: a base plate with an upright plate along its back edge. The front view and "
            "the side view, which shows the L, are given.",
            "Draw the bracket in all three views and work out the top view. Every edge can be seen: "
            "solid lines."],
           "front,side", "check,where,peek,object",
           side_prism([(360, 190), (360, 170), (260, 170), (260, 80), (240, 80), (240, 190)], 50, 180)),
    Course("05-block-with-hole", "A block with a hole",
           ["A round hole goes through the block from front to back. The front and top views are given.",
            "Draw the block, then the hole: its circle at the front face and again at the back face "
            "(with O: the centre and a point of the rim in the front view, then the face's depth in the "
            "top view), and its four edges along its length, at the circle's left, right, top and "
            "bottom, from the front face to the back.",
            "The hole cannot be seen from above or from the left: make its edges dotted in the top and "
            "side views. The block's edges are solid."],
           "front,top", "check,where,peek,object",
           box(50, 180, 100, 190, 250, 340) + hole(115, 145, 25, 340, 250)),
    Course("06-cylinder-on-plate", "A cylinder on a plate",
           ["A cylinder stands on a plate. The front and top views are given.",
            "Draw the plate, then the cylinder's bottom and top circles (with O: the centre and a point "
            "of the rim in the top view, then the height in the front view). Join the two circles into "
            "a cylinder: with ---- draw a line in the front view from an end of one circle's line to the "
            "same end of the other's, and press OK at once.",
            "Every edge can be seen: solid lines."],
           "front,top", "check,where,peek,object",
           box(40, 190, 165, 190, 240, 360)
           + [top_circle(115, 300, 35, 165), top_circle(115, 300, 35, 80), dc.Relation((80, 165), (80, 80))]),
    Course("07-sloped-block", "A block with a sloping face",
           ["The block's top right corner is cut away by a sloping face. The front and top views are "
            "given. Draw the block in all three views.",
            "Edges that the side view cannot see (it shows the block from the left) are dotted there; "
            "all other edges are solid."],
           "front,top", "check,where,object",
           prism([(50, 190), (180, 190), (180, 150), (120, 90), (50, 90)], 340, 250, hidden=[(180, 150)])),
    Course("08-slotted-block", "A block with a slot",
           ["Only the front view is given. Open \"The object\" to see the whole block turned in 3D: a slot "
            "runs across its top from front to back. The block is 100 deep from front to back.",
            "Draw it in all three views. The slot's floor cannot be seen from the left: make its edges "
            "dotted in the side view; all other edges are solid."],
           "front", "check,object",
           prism([(40, 190), (190, 190), (190, 110), (140, 110), (140, 140), (90, 140), (90, 110), (40, 110)],
                 350, 250, hidden=[(140, 140), (90, 140)]),
           options=("--anywhere",)),
]


def save(w, work, name, anew):
    """"FILE": saved under `name`; then a new drawing, or the same one drawn on."""
    if anew:
        w.save_and_start_anew(name)
    else:
        w.button("FILE")
        w.answer("Return")  # save?
        w.answer("Return", name)
        w.answer("Escape")  # a new drawing? no
        w.answer("Escape")  # open one? no
    w.wait(lambda: os.path.exists(os.path.join(work, "drawings", name)))


def main(argv):
    args = list(argv)
    options = {}
    for flag in ("--shots", "--only"):
        if flag in args:
            i = args.index(flag)
            options[flag] = args[i + 1]
            del args[i:i + 2]
    if len(args) != 1:
        sys.exit(__doc__)
    build = os.path.abspath(args[0])
    shots = options.get("--shots")
    course = [c for c in COURSE if c.name[:2] == options.get("--only", c.name[:2])]
    samples = os.path.join(HERE, "..", "samples", "exercises")
    for folder in [os.path.join(samples, "keys"), os.path.join(samples, "starts")] + [shots] * bool(shots):
        os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="draw-course-") as work:
        os.makedirs(os.path.join(work, "drawings"))
        w = dc.Window(os.path.join(build, "tova"), work)
        try:
            for c in course:
                for i, f in enumerate(c.figures):
                    if c.start and i == c.start:
                        save(w, work, f"{c.name}-start.KRT", anew=False)
                    DRAW[type(f)](w, f)
                if shots:
                    w.shot(os.path.join(shots, f"{c.name}.png"))
                save(w, work, f"{c.name}-key.KRT", anew=True)
                print(f"{c.name}: {c.title}, {len(c.figures)} elements")
        finally:
            w.close()
        for c in course:
            key = os.path.join(samples, "keys", f"{c.name}-key.KRT")
            shutil.copyfile(os.path.join(work, "drawings", f"{c.name}-key.KRT"), key)
            make = [os.path.join(build, "tova-exercise"), key, "--title", c.title, "--given", c.given,
                    "--aids", c.aids, *c.options, "-o", os.path.join(samples, f"{c.name}.exercise")]
            for line in c.task:
                make += ["--task", line]
            if c.start:
                start = os.path.join(samples, "starts", f"{c.name}-start.KRT")
                shutil.copyfile(os.path.join(work, "drawings", f"{c.name}-start.KRT"), start)
                make += ["--start", start]
            if shots:
                subprocess.run([os.path.join(build, "tova-export"), key,
                                os.path.join(shots, f"{c.name}-3d.png")], check=True)
            if os.path.exists(make[0]):
                subprocess.run(make, check=True)
            else:
                print(f"{c.name}: no {make[0]} yet, only the key drawn")
    print(f"{len(course)} exercises in {os.path.normpath(samples)}")


if __name__ == "__main__":
    main(sys.argv[1:])
