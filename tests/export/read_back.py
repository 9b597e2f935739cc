#!/usr/bin/python3
"""Exports the varied drawing of tests/golden with tova-export and reads every format back with a
real reader: the SVG with Python's XML parser, the DXF with ezdxf (whose audit must find nothing to
mend), the PNG's header by hand. The SVG, DXF and OBJ must also be the golden files, byte for byte."""
import pathlib
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
            subprocess.run([tool, str(golden / "varied.KRT"), str(out / ("varied." + ext))], check=True)
            if ext != "png":
                assert (out / ("varied." + ext)).read_bytes() == (golden / ("varied." + ext)).read_bytes(), ext

        svg = ET.parse(out / "varied.svg").getroot()
        assert svg.tag == "{http://www.w3.org/2000/svg}svg" and svg.get("viewBox") == "0 0 445 429"
        doc = ezdxf.readfile(out / "varied.dxf")
        auditor = doc.audit()
        assert not auditor.has_errors and not auditor.has_fixes, [str(e) for e in auditor.errors + auditor.fixes]
        assert doc.dxfversion == "AC1015" and len(doc.modelspace().query("LINE CIRCLE ARC")) == 13
        png = (out / "varied.png").read_bytes()
        assert png[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", png[16:24]) == (461, 429)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("every format read back")
