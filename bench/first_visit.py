#!/usr/bin/python3
"""A first visit to the page, as a student meets it: each round starts headless Chromium on a
brand-new profile (no HTTP cache, no compiled code kept, no service worker), once for Tova's page
and once for a plain page of a window as large, 30 buttons, a canvas of the canvas's pixels and
the same font (bench/plain_page.html), both served by one server, their order swapped each round.
Measured from the start of the navigation to the drawing on the screen: for Tova the frame after
the program has started and painted the sample (its `tova-ready`), for the plain page the frame
after its load event, or the page's first paint where that comes later. Then a revisit in the same profile: Tova's once its service worker has kept
the site and took the page, the plain page's from the browser's cache. With the sizes of the
site's files, before and after gzip. A report, not a test.
Usage: first_visit.py SITE_DIR [ROUNDS]"""
import gzip
import pathlib
import shutil
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.options import Options

sys.path[:0] = [str(pathlib.Path(__file__).resolve().parent.parent / "scripts")]
from webpage import Page, served  # noqa: E402

PLAIN = pathlib.Path(__file__).resolve().parent / "plain_page.html"
# The frame after the program has painted the sample; the plain page notes its own.
DRAWN = ("document.addEventListener('tova-ready', () => requestAnimationFrame(() => {"
         " window.drawnAt = performance.now(); }));")


class FreshPage(Page):
    """Chromium on a profile of its own, made empty for it and removed with it."""

    def __init__(self, url):
        self.profile = tempfile.mkdtemp(prefix="tova-first-visit-")
        options = Options()
        for argument in ("--headless=new", "--no-sandbox", "--window-size=1300,1100",
                         f"--user-data-dir={self.profile}"):
            options.add_argument(argument)
        self.d = webdriver.Chrome(options=options)
        self.url = url

    def quit(self):
        self.d.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def drawn(self, open_page):
        """Opens the page and gives the times from navigation to its drawing on the screen and to
        its first paint."""
        self.js("window.drawnAt = undefined")
        open_page()
        self.wait("return window.drawnAt !== undefined", 60)
        self.wait("return performance.getEntriesByName('first-paint').length > 0", 60)
        frame, first = self.js("return [window.drawnAt, performance.getEntriesByName('first-paint')[0].startTime]")
        return max(frame, first), first


def tova(url):
    page = FreshPage(url)
    try:
        page.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": DRAWN})
        first = page.drawn(page.open)
        page.d.set_script_timeout(60)
        page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        page.wait("return !!navigator.serviceWorker.controller")
        again = page.drawn(page.open)
        assert page.js("return !!navigator.serviceWorker.controller"), "no service worker serves the page"
        return first, again
    finally:
        page.quit()


def plain(url):
    page = FreshPage(url)
    try:
        width, height, scale, phone = page.screen
        page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": phone})
        first = page.drawn(lambda: page.d.get(url + "plain.html"))
        return first, page.drawn(lambda: page.d.get(url + "plain.html"))
    finally:
        page.quit()


def sizes(site):
    files = [f for f in sorted(site.rglob("*")) if f.is_file()]
    packed = lambda f: len(gzip.compress(f.read_bytes(), 9))  # noqa: E731
    wasm = site / "tova-core.wasm"
    return (f"site: {len(files)} files, {sum(f.stat().st_size for f in files) / 1000:.0f} KB, "
            f"{sum(map(packed, files)) / 1000:.0f} KB gzipped (level 9, file by file); "
            f"tova-core.wasm {wasm.stat().st_size / 1000:.0f} KB, {packed(wasm) / 1000:.0f} KB gzipped")


def line(name, values):
    values = sorted(values)
    return (f"{name}: median {statistics.median(values):.0f} ms, worst {values[-1]:.0f} ms, "
            f"best {values[0]:.0f} ms")


def main(site, rounds=7):
    site = pathlib.Path(site).resolve()
    # One server for both pages: the site, and the plain page beside it.
    with tempfile.TemporaryDirectory(prefix="tova-first-visit-site-") as both:
        for entry in site.iterdir():
            (pathlib.Path(both) / entry.name).symlink_to(entry)
        (pathlib.Path(both) / "plain.html").symlink_to(PLAIN)
        times = {"tova": [], "plain": []}
        with served(both) as url:
            for n in range(rounds):
                order = ("tova", "plain") if n % 2 == 0 else ("plain", "tova")
                for name in order:
                    times[name].append((tova if name == "tova" else plain)(url))
                t, p = times["tova"][-1], times["plain"][-1]
                print(f"round {n + 1}: fresh {t[0][0]:.0f} / {p[0][0]:.0f} ms, revisit {t[1][0]:.0f} / "
                      f"{p[1][0]:.0f} ms (Tova / plain; {order[0]} first)", flush=True)
    print(f"First visit, fresh Chromium profile each round, {rounds} rounds, order alternating; "
          "navigation to the drawing on the screen:")
    report = {}
    for visit, label in ((0, "fresh"), (1, "revisit")):
        for name in ("tova", "plain"):
            drawn = [r[visit][0] for r in times[name]]
            report[name, visit] = statistics.median(drawn)
            print(f"  {line(f'{label:7} {name:5}', drawn)}; first paint median "
                  f"{statistics.median(r[visit][1] for r in times[name]):.0f} ms")
        print(f"  {label}: Tova takes {report['tova', visit] / report['plain', visit]:.1f} x the plain page")
    print(sizes(site))


if __name__ == "__main__":
    main(sys.argv[1], *map(int, sys.argv[2:3]))
