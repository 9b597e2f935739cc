#!/usr/bin/python3
"""The page in headless Chromium on 127.0.0.1: the time from navigation to the sample drawn, the
time from a pointer move while a line is being drawn to the painted canvas (median and 99th
percentile of 300 moves; from the event as the page receives it, and from the time stamp the
browser gave it, which adds the browser's own delivery), and the size of the site's files. A
report, not a test.
Usage: web_bench.py SITE_DIR"""
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser_test import Page, served  # noqa: E402


def main(site):
    site = pathlib.Path(site)
    size = sum(f.stat().st_size for f in site.iterdir() if f.is_file())
    with served(site) as url:
        page = Page(url, site)
        try:
            starts = []
            for _ in range(10):
                page.open()
                starts.append(page.js("return Tova.state.readyAt"))
            page.js("document.getElementById('C0').click()")
            page.idle()
            page.mouse("mouseMoved", "P", 20, 20)
            page.mouse("mousePressed", "P", 20, 20)
            page.js("Tova.state.timings = []")
            for i in range(300):
                page.mouse("mouseMoved", "P", 30 + i % 150, 40 + i % 120)
            timings = page.js("return Tova.state.timings")
            stamped = sorted(t[0] for t in timings)
            received = sorted(t[1] for t in timings)
        finally:
            page.d.quit()
    print(f"navigation to the sample drawn: median {statistics.median(starts):.0f} ms, worst {max(starts):.0f} ms")
    for label, moves in (("as the page receives it", received), ("as the browser stamped it", stamped)):
        print(f"pointer move while drawing, from the event {label} to the painted canvas: median "
              f"{statistics.median(moves):.2f} ms, p99 {moves[int(len(moves) * 0.99) - 1]:.2f} ms ({len(moves)} moves)")
    print(f"site files: {size / 1000:.0f} KB in all before compression")


if __name__ == "__main__":
    main(sys.argv[1])
