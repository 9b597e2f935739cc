#!/usr/bin/python3
"""Exports tests/golden/varied.KRT with tova-export: the SVG, DXF and OBJ are the golden files byte
for byte, real readers take them (Python's XML parser, ezdxf with nothing to mend), and the PNG's
header is right."""
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
            subprocess.run([tool, str(golden / "varied.KRT"), str(out / f"varied.{ext}")], check=True)
            if ext != "png":
                assert (out / f"varied.{ext}").read_bytes() == (golden / f"varied.{ext}.txt").read_bytes(), ext

        svg = ET.parse(out / "varied.svg").getroot()
        assert svg.tag == "{http://www.w3.org/2000/svg}svg" and svg.get("viewBox") == "0 0 445 429"
        doc = ezdxf.readfile(out / "varied.dxf")
        auditor = doc.audit()
        assert not auditor.has_errors and not auditor.has_fixes, [str(e) for e in auditor.errors]
        assert doc.dxfversion == "AC1015" and len(doc.modelspace().query("LINE CIRCLE ARC")) == 13
        png = (out / "varied.png").read_bytes()
        assert png[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", png[16:24]) == (461, 429)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("every format read back")
