#!/usr/bin/python3
"""Exports a drawing with tova-export and reads every format back with a real reader: the SVG
with Python's XML parser, the DXF with ezdxf (whose audit must find nothing to mend), the OBJ
and the PNG's header by hand. The drawing is the sample with its first line made thick."""
import pathlib
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf

SVG = "{http://www.w3.org/2000/svg}"


def main(tool, sample):
    rows = pathlib.Path(sample).read_bytes().split(b"\r\n")
    assert rows[1] == b"175,195,55,195,0,1", rows[1]  # the first line unit's front-view line
    rows[1] = b"175,195,55,195,1,1"
    last_line_row = int(rows[0].split(b",")[0])
    live_lines = [r for r in rows[1:last_line_row + 2] if r.endswith(b",1")]
    with tempfile.TemporaryDirectory() as folder:
        folder = pathlib.Path(folder)
        drawing = folder / "block.KRT"
        drawing.write_bytes(b"\r\n".join(rows))
        for ext in ("svg", "dxf", "obj", "png"):
            subprocess.run([tool, str(drawing), str(folder / ("block." + ext))], check=True)

        svg = ET.parse(folder / "block.svg").getroot()
        assert svg.tag == SVG + "svg" and svg.get("viewBox") == "0 0 445 429"
        groups = {g.get("id"): g for g in svg.iter(SVG + "g") if g.get("id")}
        assert set(groups) == {"dividers", "front", "top", "side"}, set(groups)
        first = groups["front"].find(SVG + "line")
        assert [first.get(a) for a in ("x1", "y1", "x2", "y2", "stroke-width")] == \
            ["175", "195", "55", "195", "2"], first.attrib
        svg_lines = sum(len(groups[v].findall(SVG + "line")) for v in ("front", "top", "side"))
        assert svg_lines == len(live_lines), (svg_lines, len(live_lines))
        assert len(groups["top"].findall(SVG + "circle")) == 2

        doc = ezdxf.readfile(folder / "block.dxf")
        assert doc.dxfversion == "AC1015", doc.dxfversion
        auditor = doc.audit()
        assert not auditor.has_errors and not auditor.has_fixes, [str(e) for e in auditor.errors + auditor.fixes]
        msp = doc.modelspace()
        lines = msp.query("LINE")
        assert len(lines) == len(live_lines)
        line = lines[0]
        assert line.dxf.layer == "FRONT" and line.dxf.lineweight == 50
        assert tuple(line.dxf.start) == (175, -195, 0) and tuple(line.dxf.end) == (55, -195, 0)
        assert {e.dxf.layer for e in msp.query("CIRCLE")} == {"TOP"}
        assert {layer.dxf.name for layer in doc.layers} >= {"0", "FRONT", "TOP", "SIDE"}
        assert "DOTTED" in doc.linetypes

        vertices, elements = [], []
        for text in (folder / "block.obj").read_text().splitlines():
            word = text.split()
            if word and word[0] == "v":
                vertices.append(tuple(int(c) for c in word[1:]))
            elif word and word[0] == "l":
                elements.append([vertices[int(i) - 1] for i in word[1:]])
        # The line unit's model points: X = 215 - x and Z = 215 - y in the front view, Y = y - 215
        # in the top view.
        assert elements[0] == [(40, 30, 20), (160, 30, 20)], elements[0]

        png = (folder / "block.png").read_bytes()
        assert png[:8] == b"\x89PNG\r\n\x1a\n"
        assert struct.unpack(">II", png[16:24]) == (461, 429)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("every format read back")
