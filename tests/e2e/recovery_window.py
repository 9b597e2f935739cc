#!/usr/bin/python3
"""Undo, redo and the recovery copy in the real window under Xvfb, with real input: Ctrl+Z drops a
figure begun on the canvas, then takes a line back, Ctrl+Shift+Z brings it back; a second window
leaves the first's copy alone; after a kill the next start restores the newest copy left.
Usage: recovery_window.py TOVA SOURCE_DIR
"""
import glob
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time


def main(tova, source):
    if not (shutil.which("Xvfb") and shutil.which("xdotool")):
        sys.exit(print("skipped: Xvfb or xdotool is not installed") or 77)
    spec = importlib.util.spec_from_file_location("draw_class", os.path.join(source, "scripts", "draw-class.py"))
    draw = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(draw)
    with tempfile.TemporaryDirectory(prefix="recovery-window-") as work:
        here, there = os.path.join(work, "drawings"), os.path.join(work, "elsewhere")
        for folder in (here, there):
            os.makedirs(folder)
            shutil.copy(os.path.join(source, "samples", "Tova.ini"), folder)
        copies = os.path.join(work, "data", "Tova", "recovery")
        kept = lambda: sorted(glob.glob(os.path.join(copies, "window-*.KRT")))
        read = lambda path: open(path, "rb").read()
        document = lambda path: read(path).rsplit(b"Tova recovery\r\n", 1)[0]  # the copy before its trailer
        w = draw.Window(os.path.abspath(tova), work, ["Tova.ini"], "1024x768")
        run = lambda folder: w.processes.append(subprocess.Popen([os.path.abspath(tova), "Tova.ini"], cwd=folder,
                                                                 env=w.env, stderr=subprocess.DEVNULL))

        def expect(ready, what):
            try:
                w.wait(ready)
            except SystemExit:
                sys.exit(f"FAILED: {what}")

        def keys(*names):
            expect(lambda: w.windows("^Tova"), "the window is not shown")
            w.xdo("windowfocus", w.windows("^Tova")[0])  # after a box, as a window manager would
            w.xdo("key", *names)

        def save(name):
            keys("alt+f", "Down", "Return")  # File > Save: yes, and the name
            w.answer("Return")
            w.answer("Return", name)
            expect(lambda: os.path.exists(os.path.join(here, name)), f"{name} was not saved")
            return read(os.path.join(here, name))

        try:
            w.button("----")
            for point in ((60, 40), (170, 40), (60, 380), (170, 380)):
                w.at(point)
            w.button("OK")
            expect(kept, "a stored line left no recovery copy")
            drawn = document(kept()[0])
            w.at((90, 100))  # a figure begun, the canvas focused
            keys("ctrl+z", "ctrl+z")
            expect(lambda: not kept(), "the copy stayed after undoing every change")
            undone = save("undone.KRT")
            expect(lambda: undone == read(os.path.join(here, "Tova.ini")), "undo left a change")
            keys("ctrl+shift+z")
            expect(lambda: kept() and document(kept()[0]) == drawn, "redo did not bring the line back")

            # A second window elsewhere, the first's lock an hour old: nothing asked, nothing taken.
            t = time.time() - 3600
            os.utime(kept()[0][:-4] + ".lock", (t, t))
            run(there)
            expect(lambda: len(w.windows("^Tova")) == 2, "a second window did not start, or asked first")
            expect(lambda: not w.windows("^Malvo$") and document(kept()[0]) == drawn, "it took the copy")
            w.processes.pop().terminate()

            # Killed (and reaped: a zombie's lock looks held), an older copy of another window beside.
            older = os.path.join(copies, "window-older.KRT")
            open(older, "wb").write(b"older")
            os.utime(older, (t, t))
            w.processes[-1].kill()
            w.processes.pop().wait()
            run(here)
            w.answer("Return")  # restore it? yes
            restored = save("restored.KRT")
            expect(lambda: restored == drawn, "the drawing restored is not the copy left")
            expect(lambda: kept() == [older], "the copy restored, or the one saved, is still there")
        finally:
            w.close()
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
