#!/usr/bin/python3
"""Takes pictures of the page on the sample drawing in headless Chromium: the window at its own
size (OUT.png) and, beside it, a phone's screen with the window fitted to it (OUT-phone.png).
Usage: web-screenshot.py SITE_DIR OUT.png"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from random_session import act  # noqa: E402
from webpage import Page, served  # noqa: E402

site, out = pathlib.Path(sys.argv[1]), sys.argv[2]
with served(site) as url:
    page = Page(url, site)
    try:
        page.screen = (658, 495, 1, False)  # room for the window at 1:1 and its margin
        page.open()
        act(page, ["at-move", 150, 120])  # the guide lines, as in the window's picture
        page.d.find_element("id", "Form1").screenshot(out)
        page.screen = (390, 844, 2, True)
        page.open()
        page.d.save_screenshot(out.removesuffix(".png") + "-phone.png")
    finally:
        page.d.quit()
