#!/usr/bin/python3
"""Takes pictures of a tova-check report on a small class made from the sample drawing, in headless
Chromium: its top with the class at a glance (OUT.png) and its first drawing (OUT-drawing.png);
and one of the page's self-check on the site's exercise (OUT-page.png).
Usage: check-screenshot.py TOVA_CHECK SAMPLE.KRT SITE_DIR OUT.png"""
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from webpage import Page, served  # noqa: E402

tool, sample, site, out = sys.argv[1], pathlib.Path(sys.argv[2]), pathlib.Path(sys.argv[3]), sys.argv[4]
rows = [line.split(",") for line in sample.read_bytes().decode().strip().split("\r\n")]
first_unit = 1 + int(rows[0][0]) + 1 + int(rows[0][1]) + 1


def drawing(*changes):
    changed = [list(r) for r in rows]
    for row, field, value in changes:
        changed[row][field] = value
    return "".join(",".join(r) + "\r\n" for r in changed).encode()


hand_ins = {
    # A unit left out, a line of another kind, a line of the front view 8 pixels too long.
    "adam.KRT": drawing((first_unit + 4, 3, "-1"), (5, 4, "2"), (7, 0, str(int(rows[7][0]) + 8))),
    "anna.KRT": drawing(),
    "李明.KRT": drawing((first_unit + 12, 3, "-1")),
}
with tempfile.TemporaryDirectory() as folder:
    folder = pathlib.Path(folder)
    (folder / "key.KRT").write_bytes(sample.read_bytes())
    for name, text in hand_ins.items():
        (folder / name).write_bytes(text)
    subprocess.run([tool, "--html", "class.html", "key.KRT", *hand_ins], cwd=folder, stdout=subprocess.DEVNULL)
    with served(folder) as url:
        page = Page(url, folder)
        try:
            page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 900, "height": 1060, "deviceScaleFactor": 1, "mobile": False})
            page.d.get(url + "class.html")
            page.d.save_screenshot(out)
            page.d.execute_script("document.getElementById('drawing-1').scrollIntoView()")
            page.d.save_screenshot(out.removesuffix(".png") + "-drawing.png")
        finally:
            page.d.quit()
with served(site) as url:
    page = Page(url, site)
    try:
        page.screen = (658, 540, 1, False)
        page.open("?drawing=exercises/block.KRT&key=exercises/block-key.KRT")
        page.js("document.getElementById('check').click()")
        page.wait("return document.getElementById('check-result').textContent")
        page.d.save_screenshot(out.removesuffix(".png") + "-page.png")
    finally:
        page.d.quit()
