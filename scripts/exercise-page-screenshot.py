#!/usr/bin/python3
"""Takes pictures of the page on one of the site's exercises in headless Chromium: the first edges
of the key drawn along the given views, the check's words and the object panel shown, the window
at its own size beside the exercise bar (OUT.png); and a phone's screen after a reload, the check's
words below the window (OUT-phone.png).
Usage: exercise-page-screenshot.py SITE_DIR EXERCISE OUT.png   (EXERCISE: a name in SITE_DIR/exercises)"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from random_session import act, center, click_at  # noqa: E402
from webpage import Page, served  # noqa: E402

EDGES = 7  # how many of the key's edges are drawn


def edge_clicks(exercise):
    """The clicks that draw the key's line units the exercise carries: each edge's ends in the
    first two views where it is more than a point."""
    text = exercise.read_text()
    rows = [[int(v) for v in r.split(",")] for r in text.split("begin key\n")[1].split("end key")[0].split()]
    lines, circles, units = rows[0][0], rows[0][1], rows[0][2]
    unit_rows = rows[1 + lines + 1 + circles + 1:][:units]
    for unit in unit_rows[:EDGES]:
        views = [rows[1 + part - 1000][:4] for part in unit[:3]]
        clicks = [f"at-click {x} {y}" for v in [v for v in views if v[:2] != v[2:]][:2]
                  for x, y in (v[:2], v[2:])]
        yield ["press C0", *clicks, "press C7"]


site, name, out = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
with served(site) as url:
    page = Page(url, site)
    try:
        page.screen = (980, 680, 1, False)  # the window at 1:1 beside the bar
        page.open(f"?exercise=exercises/{name}")
        for edge in edge_clicks(site / "exercises" / name):
            for line in edge:
                act(page, line.split())
        for button in ("aid-check", "aid-object"):
            click_at(page, False, *center(page, button))
            page.idle()
        act(page, ["at-move", 300, 300])
        page.d.save_screenshot(out)
        page.screen = (390, 844, 2, True)
        page.open(f"?exercise=exercises/{name}")  # the drawing and the counts kept
        click_at(page, True, *center(page, "aid-check"))
        page.idle()
        page.d.save_screenshot(out.removesuffix(".png") + "-phone.png")
    finally:
        page.d.quit()
