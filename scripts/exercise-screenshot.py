#!/usr/bin/python3
"""The window on an exercise, taken under Xvfb with real input: the sample is the key with its
front and top views given, the student started on the block and the cylinder's circles, and
has just checked (docs/exercise-window.png).
Usage: exercise-screenshot.py BUILD OUT.png   (BUILD holds tova and tova-exercise)"""
import importlib.util
import os
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def main(build, out):
    spec = importlib.util.spec_from_file_location("draw_class", os.path.join(ROOT, "scripts", "draw-class.py"))
    draw = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(draw)
    with tempfile.TemporaryDirectory(prefix="exercise-shot-") as work:
        os.makedirs(os.path.join(work, "drawings"))
        subprocess.run([os.path.join(build, "tova-exercise"), os.path.join(ROOT, "samples", "Tova.ini"),
                        "--title", "Block and cylinder",
                        "--task", "Draw the block with the cylinder standing on it in three views.",
                        "--task", "The front and top views are given.", "--given", "front,top",
                        "--aids", "check,where,peek,object",
                        "--start", os.path.join(ROOT, "tests", "fixtures", "class", "ines.KRT"),
                        "-o", os.path.join(work, "drawings", "cylinder.exercise")], check=True)
        w = draw.Window(os.path.abspath(os.path.join(build, "tova")), work, ["cylinder.exercise"], "1024x768")
        try:
            w.bar("Check")
            w.xdo("mousemove", str(w.right - 10), str(w.client[1] + 5))  # off the buttons and the canvas
            time.sleep(0.3)
            shell = w.xdo("getwindowgeometry", "--shell", w.windows("^Tova")[0])
            g = {k: int(v) for k, v in (kv.split("=") for kv in shell.split()) if k != "SCREEN"}
            subprocess.run(["import", "-window", "root", "-crop", f"{g['WIDTH']}x{g['HEIGHT']}+{g['X']}+{g['Y']}",
                            out], env=w.env, check=True)
        finally:
            w.close()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
