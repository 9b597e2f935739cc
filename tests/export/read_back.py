#!/usr/bin/python3
"""Exports tests/golden/varied.KRT with tova-export (export_command_test holds the SVG, DXF and OBJ
against the golden files): real readers take them (Python's XML parser, ezdxf with nothing to mend), the PNG's
header is right, and poppler reads the PDF sheet: an A4 page whose title block is text and whose
lines lie where the scale puts them."""
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf


def main(tool, golden):
    golden = pathlib.Path(golden)
    with tempfile.TemporaryDirectory() as folder:
        out = pathlib.Path(folder)
        for ext in ("svg", "dxf", "obj", "png"):
            subprocess.run([tool, str(golden / "varied.KRT"), str(out / f"varied.{ext}")], check=True)

        svg = ET.parse(out / "varied.svg").getroot()
        assert svg.tag == "{http://www.w3.org/2000/svg}svg" and svg.get("viewBox") == "0 0 445 429"
        doc = ezdxf.readfile(out / "varied.dxf")
        auditor = doc.audit()
        assert not auditor.has_errors and not auditor.has_fixes, [str(e) for e in auditor.errors]
        assert doc.dxfversion == "AC1015" and len(doc.modelspace().query("LINE CIRCLE ARC")) == 13
        png = (out / "varied.png").read_bytes()
        assert png[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", png[16:24]) == (461, 429)
        check_sheet(tool, golden / "varied.KRT", out)


def run(*command):
    return subprocess.run([str(c) for c in command], check=True, capture_output=True, text=True).stdout


def check_sheet(tool, drawing, out):
    pdf = out / "varied.pdf"
    fields = {"--title": "Varied figures", "--author": "李明", "--date": "2026-12-07", "--number": "TD-7"}
    run(tool, *[x for pair in fields.items() for x in pair], drawing, pdf)
    run("qpdf", "--check", pdf)
    info = run("pdfinfo", pdf)
    assert "841.89 x 595.276 pts (A4)" in info and "Varied figures" in info and "李明" in info, info
    text = run("pdftotext", pdf, "-")
    for wanted in [*fields.values(), "1 px = 0.4 mm", "A4", "Drawn by", "Date of issue", "Drawing number"]:
        assert wanted in text, (wanted, text)
    # Every word on the sheet is the title block's, inside its 170 by 28 mm in the frame's corner.
    mm = 72 / 25.4
    for box in re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)"',
                          run("pdftotext", "-bbox", pdf, "-")):
        x0, y0, x1, y1 = (float(v) / mm for v in box)
        assert 117 <= x0 and x1 <= 287 and 172 <= y0 and y1 <= 200, (x0, y0, x1, y1)
    dpi = 150
    run("pdftoppm", "-r", dpi, "-gray", "-singlefile", pdf, out / "sheet")
    header, pixels = (out / "sheet.pgm").read_bytes().split(b"\n255\n", 1)
    width = int(header.split()[1])

    def darkest(x, y, reach=2):  # the darkest pixel near canvas point (x, y)
        cx, cy = ((25 + x * 0.4) / 25.4 * dpi, (15 + y * 0.4) / 25.4 * dpi)
        return min(pixels[(int(cy) + j) * width + int(cx) + i]
                   for i in range(-reach, reach + 1) for j in range(-reach, reach + 1))

    for x, y in [(300, 100), (60, 110), (60, 30), (50, 150), (75, 290), (190, 100)]:  # on its lines and circles
        assert darkest(x, y) < 100, (x, y, darkest(x, y))
    for x, y in [(150, 120), (300, 300), (320, 150)]:  # where nothing is drawn
        assert darkest(x, y) > 200, (x, y, darkest(x, y))

    def across(x, y):  # how many pixels wide a line is, across the row through canvas point (x, y)
        return sum(darkest(x + i / dpi * 25.4 / 0.4, y, 0) < 128 for i in range(-12, 13))

    # A thin line 0.35 mm (2 pixels), the thick one 0.7 mm (6 across its slant); the dotted one dashed.
    assert (across(300, 100), across(75, 290)) in [((a, b)) for a in (2, 3) for b in (5, 6, 7)], \
        (across(300, 100), across(75, 290))
    dashes = [darkest(250 + t, 40 + t * 5 / 8, 0) < 128 for t in range(0, 80, 2)]
    assert 10 < sum(dashes) < 35, dashes


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("every format read back")
