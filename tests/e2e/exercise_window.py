#!/usr/bin/python3
"""An exercise in the real window under Xvfb, with real input: `tova EXERCISE` shows the given views
under the start drawing exactly as the core composes the canvas (web_replay --exercise-canvas);
"Peek" shows the key until it goes by itself; "FILE" saves the drawing without the given views;
"Hand in" saves the drawing followed by the hand-in's lines with the name typed; File > New empties
the canvas, File > Open brings the saved drawing back, and EXIT ends the program.
Usage: exercise_window.py TOVA TOVA_EXERCISE WEB_REPLAY SOURCE_DIR
"""
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

W, H = 445, 429  # the canvas's drawing area, inside its 2-pixel border
DIVIDER = 216  # the pane dividers' row and column, which the window draws over the canvas


def fail(message):
    sys.exit(f"FAILED: {message}")


def until(ready, what):
    end = time.time() + 10
    while not ready():
        if time.time() > end:
            fail(what)
        time.sleep(0.1)


def read_ppm(path):
    magic, size, _, pixels = open(path, "rb").read().split(b"\n", 3)
    assert magic == b"P6" and size == f"{W} {H}".encode() and len(pixels) == 3 * W * H, path
    return bytearray(pixels)


def main(tova, make_exercise, replay, source):
    for tool in ("Xvfb", "xdotool", "import"):
        if shutil.which(tool) is None:
            print(f"skipped: {tool} is not installed")
            sys.exit(77)
    spec = importlib.util.spec_from_file_location("draw_class", os.path.join(source, "scripts", "draw-class.py"))
    draw = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(draw)
    with tempfile.TemporaryDirectory(prefix="exercise-window-") as work:
        here = os.path.join(work, "drawings")
        os.makedirs(here)
        # The sample's object is the key; the student starts on it drawn elsewhere, so both show.
        start = os.path.join(source, "tests", "fixtures", "class", "hugo.KRT")
        subprocess.run([make_exercise, os.path.join(source, "samples", "Tova.ini"), "--title", "Block and cylinder",
                        "--given", "front,top", "--aids", "check,where,peek,object", "--start", start,
                        "-o", os.path.join(here, "ex.KRT")], check=True)
        subprocess.run([replay, "--exercise-canvas", os.path.join(here, "ex.KRT"), os.path.join(work, "core.ppm")],
                       check=True)
        expected = read_ppm(os.path.join(work, "core.ppm"))
        for i in range(W * H):
            if i // W == DIVIDER or i % W == DIVIDER:
                expected[3 * i:3 * i + 3] = b"\0\0\0"

        w = draw.Window(os.path.abspath(tova), work, ["ex.KRT"], "1024x768")
        try:
            x, y = w.client

            def bar(caption):
                w.bar(caption)
                w.xdo("mousemove", str(w.right - 10), str(y + 5))  # off the buttons and the canvas

            def canvas():
                path = os.path.join(work, "canvas.ppm")
                subprocess.run(["import", "-window", "root", "-crop", f"{W}x{H}+{x + 2}+{y + 2}", "-depth", "8",
                                f"ppm:{path}"], env=w.env, check=True)
                return read_ppm(path)

            w.xdo("mousemove", str(w.right - 10), str(y + 5))
            shown = canvas()
            if shown.count(b"\xc8\xb4\xf0") < 500:
                fail("the given views do not show on the canvas")
            differing = sum(shown[i:i + 3] != expected[i:i + 3] for i in range(0, len(shown), 3))
            if differing:
                fail(f"{differing} of the canvas's pixels are not the core's composed canvas")
            bar("Peek")
            until(lambda: b"\x6a\x3d\xb8" in canvas(), "Peek did not show the key")
            until(lambda: canvas() == expected, "the peek did not go")  # by itself, after 3 seconds

            w.button("FILE")
            w.answer("Return")  # save?
            w.answer("Return", "drawn.KRT")
            w.answer("Escape")  # a new drawing? no
            w.answer("Escape")  # open one? no
            until(lambda: os.path.exists(os.path.join(here, "drawn.KRT")), "FILE saved nothing")
            drawing = open(os.path.join(here, "drawn.KRT"), "rb").read()
            if drawing != open(start, "rb").read():
                fail("the saved drawing is not the start drawing")

            bar("Check")
            bar("Show where")
            bar("Hand in")
            w.answer("Return", "Anna Kowalska")
            until(lambda: w.windows("^Save$"), "Hand in asked for no place to save it")
            time.sleep(0.3)
            w.xdo("key", "ctrl+a")
            w.xdo("type", "--delay", "30", "handed-in.KRT")
            w.xdo("key", "Return")
            until(lambda: os.path.exists(os.path.join(here, "handed-in.KRT")), "the hand-in was not saved")

            def file_menu(*keys):  # File > New, Save, Open: Down 0, 1 or 2 times
                w.xdo("windowfocus", w.windows("^Tova")[0])
                w.xdo("key", "alt+f", *keys, "Return")
                w.answer("Return")  # sure?

            before = canvas()
            file_menu()
            until(lambda: canvas() != before, "New left the drawing")
            file_menu("Down", "Down")
            until(lambda: w.windows("^Open$"), "Open showed no dialog")
            time.sleep(0.3)
            w.xdo("key", "ctrl+a")
            w.xdo("type", "--delay", "30", "drawn.KRT")
            w.xdo("key", "Return")
            until(lambda: canvas() == before, "Open did not bring the drawing back")
            w.click(x + draw.px(8400) + draw.px(1095) // 2, y + draw.px(3240) + draw.px(375) // 2)  # EXIT
            for key in ("Escape", "Return", "Return"):  # no saving, yes leave, the farewell
                w.answer(key)
            until(lambda: w.processes[-1].poll() is not None, "EXIT did not end the program")
        finally:
            w.close()
        text = open(os.path.join(here, "handed-in.KRT"), "rb").read()
        if not (text.startswith(drawing + b"Tova hand-in\r\nexercise: Block and cylinder\r\nname: Anna Kowalska\r\n")
                and text.endswith(b"\r\nchecks: 1\r\nwheres: 1\r\npeeks: 1\r\nobjects: 0\r\n")):
            fail(f"the hand-in is not the drawing and its lines:\n{text[len(drawing):].decode(errors='replace')}")
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
