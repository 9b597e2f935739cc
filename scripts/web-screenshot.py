#!/usr/bin/python3
"""Takes a picture of the page on the sample drawing in headless Chromium (docs/web.png).
Usage: web-screenshot.py SITE_DIR OUT.png"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from browser_test import Page, served  # noqa: E402

site, out = pathlib.Path(sys.argv[1]), sys.argv[2]
with served(site) as url:
    page = Page(url, site)
    try:
        page.d.set_window_size(700, 700)
        page.open()
        page.mouse("mouseMoved", "P", 150, 120)  # the guide lines, as in the window's picture
        page.d.find_element("id", "Form1").screenshot(out)
    finally:
        page.d.quit()
