#!/usr/bin/python3
"""The page in headless Chromium on 127.0.0.1: the time from navigation to the sample drawn, with
an empty cache (the site's storage, caches and service worker cleared before each run) and on a
revisit (the service worker serving the site); a pointer move's work in the page while a line is
being drawn (from a listener on the window that runs before the page's own, to one on the canvas's
frame that runs after it: the program's move and the painting of what changed), and the time from the
browser's time stamp on the event to the painted canvas, which adds Chromium's own delivery of the
synthetic event; the same pointer moves on an exercise of the site, its given views under the
drawing and the object panel shown; and the size of the site's files. A report, not a test.
Usage: web_bench.py SITE_DIR"""
import pathlib
import statistics
import sys

sys.path[:0] = [str(pathlib.Path(__file__).resolve().parent.parent / folder) for folder in ("tests/web", "scripts")]
from random_session import act  # noqa: E402
from webpage import Page, served  # noqa: E402

RUNS = 15


def median_worst(values):
    return f"median {statistics.median(values):.0f} ms, worst {max(values):.0f} ms ({len(values)} runs)"


def pointer_moves(page):
    """The page's work for each of 300 moves while a line is drawn, and the time from each move's
    time stamp to the painted canvas, both sorted."""
    page.js("document.getElementById('C0').click()")
    page.idle()
    act(page, ["at-click", 20, 20])
    page.idle()
    page.js("""
        window.work = []; Tova.state.timings = [];
        let start = 0;
        window.addEventListener('pointermove', () => { start = performance.now(); }, true);
        document.getElementById('P').parentElement.addEventListener('pointermove', () => {
          window.work.push(performance.now() - start); });""")
    for i in range(300):
        act(page, ["at-move", 30 + i % 150, 40 + i % 120])
    return sorted(page.js("return window.work")), sorted(page.js("return Tova.state.timings"))


def main(site):
    site = pathlib.Path(site)
    size = sum(f.stat().st_size for f in site.iterdir() if f.is_file())
    with served(site) as url:
        page = Page(url, site)
        try:
            empty = []
            for _ in range(RUNS):
                page.d.get("about:blank")
                page.d.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": url.rstrip("/"), "storageTypes": "all"})
                page.d.execute_cdp_cmd("Network.clearBrowserCache", {})
                page.open()
                empty.append(page.js("return Tova.state.readyAt"))
            page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
            page.open()
            assert page.js("return !!navigator.serviceWorker.controller"), "no service worker serves the page"
            revisit = []
            for _ in range(RUNS):
                page.open()
                revisit.append(page.js("return Tova.state.readyAt"))

            work, stamped = pointer_moves(page)
            # An exercise that offers the object, its panel shown.
            exercises = [f for f in sorted(site.glob("exercises/*.exercise")) if "object" in
                         next((line for line in f.read_text().splitlines() if line.startswith("aids:")), "")]
            exercise = None
            if exercises:
                page.open(f"?exercise=exercises/{exercises[0].name}")
                page.js("document.getElementById('aid-object').click()")
                page.idle()
                assert page.js("return !document.getElementById('object-panel').hidden"), "no object panel"
                exercise = (exercises[0].name, *pointer_moves(page))
        finally:
            page.d.quit()
    print(f"navigation to the sample drawn, empty cache: {median_worst(empty)}")
    print(f"navigation to the sample drawn, revisit: {median_worst(revisit)}")
    p99 = lambda v: v[int(len(v) * 0.99) - 1]  # noqa: E731
    print(f"pointer move while drawing, the page's work: median {statistics.median(work):.2f} ms, "
          f"p99 {p99(work):.2f} ms ({len(work)} moves)")
    print(f"pointer move while drawing, from the browser's time stamp to the painted canvas: median "
          f"{statistics.median(stamped):.2f} ms, p99 {p99(stamped):.2f} ms")
    if exercise:
        name, work, stamped = exercise
        print(f"pointer move while drawing on the exercise {name}, the object shown, the page's work: median "
              f"{statistics.median(work):.2f} ms, p99 {p99(work):.2f} ms ({len(work)} moves)")
    else:
        print("pointer move on an exercise: the site has no exercise that offers the object")
    print(f"site files: {size / 1000:.0f} KB in all before compression")


if __name__ == "__main__":
    main(sys.argv[1])
