#!/usr/bin/env python3
"""Start-up time and peak memory of Tova against a plain Qt window with as many widgets.

Runs each program RUNS times, alternating, under a virtual X display: the time from launch until
its main window is mapped (visible), and its peak resident memory (VmHWM) once it is up.
Usage: startup.py path/to/tova path/to/startup_baseline [runs]
"""
import os
import statistics
import subprocess
import tempfile
import sys
import time

tova, baseline = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
samples = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples")

# Xvfb picks a free display and tells its number.
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
display = ":" + xvfb.stdout.readline().strip()
# A data folder of its own: no recovery copy of the user's to ask about.
env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_DATA_HOME=tempfile.mkdtemp())


def visible(title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=env,
                          capture_output=True).returncode == 0


def measure(program, title):
    start = time.perf_counter()
    proc = subprocess.Popen([program], cwd=samples, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    while not visible(title):
        if time.perf_counter() - start > 20 or proc.poll() is not None:
            proc.kill()
            raise SystemExit("%s did not show a window: %s" % (program, proc.communicate()[1][-500:]))
    mapped = time.perf_counter() - start
    time.sleep(0.3)  # let it settle, then read its peak memory
    with open("/proc/%d/status" % proc.pid) as status:
        peak = next(int(line.split()[1]) for line in status if line.startswith("VmHWM"))
    proc.kill()
    proc.wait()
    return mapped * 1000, peak / 1024


try:
    results = {"tova": [], "baseline": []}
    for _ in range(runs):
        results["tova"].append(measure(tova, "Tova"))
        results["baseline"].append(measure(baseline, "Baseline"))
finally:
    xvfb.terminate()
    xvfb.wait()

for name, rows in results.items():
    times = [t for t, _ in rows]
    print("%-9s start-up to the window mapped: median %.0f ms (min %.0f, max %.0f); peak memory %.1f MB"
          % (name, statistics.median(times), min(times), max(times), max(m for _, m in rows)))
ratio = statistics.median(t for t, _ in results["tova"]) / statistics.median(t for t, _ in results["baseline"])
print("ratio of the medians, Tova to the plain window: %.2f" % ratio)
