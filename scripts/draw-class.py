#!/usr/bin/python3
"""Draws a teacher's key and a class of students' drawings in the real Tova window, for
tova-check's tests: the sample's object (a block with a cylinder standing on it), right and
with the mistakes students make, each drawn click by click and saved through "FILE".

Usage: scripts/draw-class.py build/tova [OUT_FOLDER] [--shots FOLDER]

It starts Xvfb on a free display and the program in an empty temporary folder with its own
HOME and XDG_DATA_HOME, then copies the saved drawings, and intentions.json (what each holds
and what a teacher should find), into OUT_FOLDER (tests/fixtures/class by default). --shots
keeps a picture of the canvas before each save. Needs Xvfb and xdotool (and import for --shots).
"""
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time
from collections import namedtuple

# Figures, in canvas pixels, as the clicks that draw them (README, "Using it").
Line = namedtuple("Line", "a b c d style", defaults=[None])  # two ends in one view, two in another
Circle = namedtuple("Circle", "centre rim depth style", defaults=[None])  # depth: in a 2nd view
Arc = namedtuple("Arc", "centre rim start end depth")  # start and end angle, counter-clockwise
Relation = namedtuple("Relation", "a b")  # from an end of one circle unit's line to another's

CLIENT_HEIGHT = 437  # the window's client area, below its menu bar (6555 twips)
BORDER = 2  # the canvas's drawing area lies this far inside its box, at the client's top left
BUTTONS = {  # caption: left, top, width, height in twips of the client area (app/controls.h)
    "----": (7080, 240, 735, 375), "O": (7920, 240, 735, 375), "C": (8760, 240, 735, 375),
    "TrueL": (7080, 840, 735, 375), "ThikL": (7920, 840, 735, 375), "EmptL": (8760, 840, 735, 375),
    "OK": (8400, 1440, 1095, 375), "FILE": (7080, 3240, 1215, 375),
}


def px(twips):
    return (twips + 7) // 15


class Window:
    """Xvfb, the program in it, and the pointer and keyboard that drive it."""

    def __init__(self, tova, work, arguments=(), screen="800x600"):
        """Starts tova with the arguments in work/drawings (made by the caller)."""
        n = next(n for n in range(93, 300) if not os.path.exists(f"/tmp/.X{n}-lock"))
        self.env = dict(os.environ, DISPLAY=f":{n}", QT_QPA_PLATFORM="xcb",
                        HOME=os.path.join(work, "home"), XDG_DATA_HOME=os.path.join(work, "data"))
        os.makedirs(self.env["HOME"]), os.makedirs(self.env["XDG_DATA_HOME"])
        self.processes = [subprocess.Popen(["Xvfb", f":{n}", "-noreset", "-nolisten", "tcp", "-screen",
                                            "0", f"{screen}x24"], stderr=subprocess.DEVNULL)]
        self.last = (-99, -99, 0.0)  # the last click: where and when
        try:
            self.wait(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                             capture_output=True).returncode == 0)
            self.processes.append(subprocess.Popen(
                [tova, *arguments], cwd=os.path.join(work, "drawings"), env=self.env,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            if not arguments:
                self.answer("Return")  # no Tova.ini here: "Three Is A Error! Retry!"
            self.wait(lambda: self.windows("^Tova"))
            shell = self.xdo("getwindowgeometry", "--shell", self.windows("^Tova")[0])
            g = {k: int(v) for k, v in (kv.split("=") for kv in shell.split()) if k != "SCREEN"}
            self.client = (g["X"], g["Y"] + g["HEIGHT"] - CLIENT_HEIGHT)
            self.right = g["X"] + g["WIDTH"]
        except BaseException:
            self.close()
            raise

    def xdo(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def windows(self, name):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=self.env,
                              capture_output=True, text=True).stdout.split()

    @staticmethod
    def wait(ready, seconds=10):
        end = time.time() + seconds
        while not ready():
            if time.time() > end:
                sys.exit("draw-class: the window did not answer in time")
            time.sleep(0.05)

    def click(self, x, y):
        """A click at a screen point; two near each other in quick succession are a double click."""
        lx, ly, when = self.last
        if abs(x - lx) + abs(y - ly) < 16:
            time.sleep(max(0.0, when + 0.8 - time.time()))
        self.xdo("mousemove", str(x), str(y))
        time.sleep(0.05)  # the move reaches the canvas before the press: it carries the rubber band
        self.xdo("click", "1")
        self.last = (x, y, time.time())
        time.sleep(0.08)

    def at(self, point):
        """A click at a canvas point."""
        self.click(self.client[0] + BORDER + point[0], self.client[1] + BORDER + point[1])

    def button(self, caption):
        left, top, width, height = BUTTONS[caption]
        self.click(self.client[0] + px(left) + px(width) // 2, self.client[1] + px(top) + px(height) // 2)

    def bar(self, caption, aids=("Check", "Show where", "Peek", "The object")):
        """A button of an exercise's bar, given the aids it offers (app/qt/exercise_bar.cpp): the
        buttons stand at the bar's bottom, 220 px wide at the window's right, 25 high and 6 apart,
        the hand-in 8 further down."""
        up = 0 if caption == "Hand in" else 39 + 31 * (len(aids) - 1 - aids.index(caption))
        self.click(self.right - 110, self.client[1] + CLIENT_HEIGHT - 21 - up)

    def answer(self, key, text=None):
        """Waits for the next message box or prompt, types text into it and presses key."""
        self.wait(lambda: self.windows("^Malvo$"))
        box = self.windows("^Malvo$")[0]
        time.sleep(0.2)
        if text is not None:
            self.xdo("key", "ctrl+a")
            self.xdo("type", "--delay", "30", text)
        self.xdo("key", key)
        self.wait(lambda: box not in self.windows("^Malvo$"))

    def save_and_start_anew(self, name):
        self.button("FILE")
        self.answer("Return")  # save?
        self.answer("Return", name)  # the file name, in place of the one offered
        self.answer("Return")  # a new drawing?
        self.answer("Escape")  # open one? no

    def shot(self, path):
        x, y = self.client
        subprocess.run(["import", "-window", "root", "-crop", f"449x433+{x}+{y}", path],
                       env=self.env, check=True)

    def close(self):
        for process in reversed(self.processes):  # the program, then its display
            process.terminate()
            process.wait()


def restyle(w, style):
    """"TrueL", "ThikL" or "EmptL", then a click in the view whose part takes that line."""
    if style:
        w.button(style[0])
        w.at(style[1])


def draw_line(w, f):
    w.button("----")
    for point in (f.a, f.b, f.c, f.d):
        w.at(point)
    restyle(w, f.style)
    w.button("OK")


def draw_circle(w, f):
    w.button("O")
    for point in (f.centre, f.rim, f.depth):
        w.at(point)
    restyle(w, f.style)
    w.button("OK")


def draw_arc(w, f):
    w.button("C")
    for point in f:
        w.at(point)
    w.button("OK")


def draw_relation(w, f):
    w.button("----")
    w.at(f.a)
    w.at(f.b)
    w.button("OK")


DRAW = {Line: draw_line, Circle: draw_circle, Arc: draw_arc, Relation: draw_relation}


def key(dx=0, dy=0):
    """The sample's object, element by element in the sample's order (its rows come out alike);
    dx, dy move it right and down as the front view shows it."""
    X, H = (lambda x: x + dx), (lambda h: h + dy)
    f = {}
    for name, h, d in (("bottom_front", 195, 245), ("top_front", 135, 245),
                       ("bottom_back", 195, 345), ("top_back", 135, 345)):  # front, then top
        f[name] = Line((X(175), H(h)), (X(55), H(h)), (X(175), d), (X(55), d))
    for name, x, h in (("bottom_right", 175, 195), ("top_right", 175, 135),
                       ("bottom_left", 55, 195), ("top_left", 55, 135)):  # top, then side
        f[name] = Line((X(x), 245), (X(x), 345), (245, H(h)), (345, H(h)))
    for name, x, d in (("front_right", 175, 245), ("back_right", 175, 345),
                       ("front_left", 55, 245), ("back_left", 55, 345)):  # front, then side
        f[name] = Line((X(x), H(195)), (X(x), H(135)), (d, H(195)), (d, H(135)))
    # The cylinder: its two ends in the top view, each given its height in the front view.
    f["cylinder_bottom"] = Circle((X(115), 295), (X(145), 295), (X(115), H(135)))
    f["cylinder_top"] = Circle((X(115), 295), (X(145), 295), (X(115), H(65)))
    f["cylinder_sides"] = Relation((X(85), H(135)), (X(85), H(65)))
    return f


def edit(figures, **changes):
    """The figures in order, each named one replaced by the list given (empty: left out)."""
    return [g for name, f in figures.items() for g in changes.get(name, [f])]


def dotted(figure, point):
    return figure._replace(style=("EmptL", point))


def anna():
    """Right, drawn the other way about: the cylinder first (heights in the side view, the
    sides joined there), each edge begun in another view and drawn the other way."""
    f = [Circle((115, 295), (145, 295), (295, 65)), Circle((115, 295), (85, 295), (295, 135)),
         Relation((325, 65), (325, 135))]
    for x, d in ((55, 345), (55, 245), (175, 345), (175, 245)):  # side, then front
        f.append(Line((d, 135), (d, 195), (x, 135), (x, 195)))
    for h, d in ((135, 345), (195, 345), (135, 245), (195, 245)):  # top, then front
        f.append(Line((55, d), (175, d), (55, h), (175, h)))
    for x, h in ((55, 135), (55, 195), (175, 135), (175, 195)):  # side, then top
        f.append(Line((345, h), (245, h), (x, 345), (x, 245)))
    return f


def angle_point(centre, radius, degrees):
    """The canvas point at that angle (counter-clockwise from the right, y up) from a centre: an
    angle click need not be on the rim, and further out the angle comes out whole."""
    t = math.radians(degrees)
    return (round(centre[0] + radius * math.cos(t)), round(centre[1] - radius * math.sin(t)))


K = key()
# file, what was drawn, what a teacher should find, the figures in the order drawn
CLASS = [
    ("key.KRT", "the block with the cylinder standing on it, drawn in the sample's order",
     "the key: the sample's object", list(K.values())),
    ("anna.KRT", "right, drawn in another order, each edge begun in another view and the other "
     "way round, the cylinder's heights given in the side view", "right", anna()),
    ("bruno.KRT", "the block's bottom front edge drawn in two pieces that meet at x 115",
     "right in shape: one edge in 2 pieces",
     edit(K, bottom_front=[Line((175, 195), (115, 195), (175, 245), (115, 245)),
                           Line((115, 195), (55, 195), (115, 245), (55, 245))])),
    ("carla.KRT", "the block's back left vertical edge left out (the front left and back right "
     "edges cover its place in the three views; MAKE-3D shows the gap)",
     "one edge missing", edit(K, back_left=[])),
    ("李明.KRT", "the block's top right edge (running back, seen in the top and side views) "
     "drawn in three overlapping pieces", "right in shape: one edge in 3 overlapping pieces",
     edit(K, top_right=[Line((175, 245), (175, 290), (245, 135), (290, 135)),
                        Line((175, 280), (175, 320), (280, 135), (320, 135)),
                        Line((175, 310), (175, 345), (310, 135), (345, 135))])),
    ("dario.KRT", "the block's front right vertical edge drawn in two pieces with a 10 px gap "
     "(heights 195 to 170 and 160 to 135; other edges cover the gap in the three views)",
     "a piece of one edge missing",
     edit(K, front_right=[Line((175, 195), (175, 170), (245, 195), (245, 170)),
                          Line((175, 160), (175, 135), (245, 160), (245, 135))])),
    ("elif.KRT", "the block's top front edge drawn twice, one over the other",
     "one edge extra (drawn twice)", edit(K, top_front=[K["top_front"], K["top_front"]])),
    ("farid.KRT", "the cylinder's top circle drawn with radius 25 instead of 30, the sides "
     "joined to it (a cone)", "the top circle wrong (radius), and so the cylinder's sides",
     edit(K, cylinder_top=[Circle((115, 295), (140, 295), (115, 65))],
          cylinder_sides=[Relation((85, 135), (90, 65))])),
    ("greta.KRT", "the cylinder's top rim, seen edge-on in the front view, given a dotted line "
     "there", "one element of the wrong line kind (dotted, as if hidden)",
     edit(K, cylinder_top=[dotted(K["cylinder_top"], (115, 100))])),
    ("hugo.KRT", "right, but the whole object drawn 30 px right and 20 px lower in the front "
     "view (the top view 30 px right, the side view 20 px lower)",
     "everything moved: nothing in place; right with --anywhere", list(key(30, 20).values())),
    ("ines.KRT", "the cylinder's two circles drawn but their sides (the relation) left out",
     "the cylinder's sides missing", edit(K, cylinder_sides=[])),
    ("jonas.KRT", "an extra edge across the block's front face at height 165 (as if stepped)",
     "one edge extra",
     list(K.values()) + [Line((175, 165), (55, 165), (175, 245), (55, 245))]),
    ("kai.KRT", "the cylinder's top drawn as an arc from 100 to 80 degrees (not closed at the "
     "back; the bottom's circle covers the gap in the top view) instead of a full circle",
     "the top circle wrong (an arc), and so the cylinder's sides",
     edit(K, cylinder_top=[Arc((115, 295), (145, 295), angle_point((115, 295), 60, 100),
                               angle_point((115, 295), 60, 80), (115, 65))])),
    ("王芳.KRT", "two mistakes: the block's top back edge left out, and its front left vertical "
     "edge dotted in the front view (both covered by twin edges in the three views)",
     "one edge missing and one of the wrong line kind",
     edit(K, top_back=[], front_left=[dotted(K["front_left"], (55, 165))])),
]


def main(argv):
    args = [a for a in argv if not a.startswith("--")]
    shots = argv[argv.index("--shots") + 1] if "--shots" in argv else None
    if shots:
        args.remove(shots)
        os.makedirs(shots, exist_ok=True)
    if not args or len(args) > 2:
        sys.exit(__doc__)
    tova = os.path.abspath(args[0])
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[1] if len(args) > 1 else os.path.join(here, "..", "tests", "fixtures", "class")
    with tempfile.TemporaryDirectory(prefix="draw-class-") as work:
        os.makedirs(os.path.join(work, "drawings"))
        w = Window(tova, work)
        try:
            for name, made, _, figures in CLASS:
                for f in figures:
                    DRAW[type(f)](w, f)
                if shots:
                    w.shot(os.path.join(shots, os.path.splitext(name)[0] + ".png"))
                w.save_and_start_anew(name)
                w.wait(lambda: os.path.exists(os.path.join(work, "drawings", name)))
                print(f"{name}: {made}")
        finally:
            w.close()
        os.makedirs(out, exist_ok=True)
        for name, *_ in CLASS:
            shutil.copyfile(os.path.join(work, "drawings", name), os.path.join(out, name))
    intentions = [{"file": name, "made": made, "teacher": teacher} for name, made, teacher, _ in CLASS]
    with open(os.path.join(out, "intentions.json"), "w", encoding="utf-8") as f:
        json.dump(intentions, f, ensure_ascii=False, indent=1)
        f.write("\n")
    print(f"{len(CLASS)} drawings saved in {os.path.normpath(out)}")


if __name__ == "__main__":
    main(sys.argv[1:])
