#!/usr/bin/python3
"""tova-check on a class's folder: the exit status, a message for each file that is not a drawing
while the others are still judged, and the JSON, CSV and HTML reports as real readers take them:
every drawing named, its picture present, nothing the HTML report would fetch from elsewhere."""
import csv
import html.parser
import io
import json
import pathlib
import re
import subprocess
import sys
import tempfile


class Page(html.parser.HTMLParser):
    """What a report holds: the class table's names, each section's name and pictures, and every
    attribute that could fetch something."""

    def __init__(self):
        super().__init__()
        self.names, self.sections, self.fetches, self.path = [], {}, [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.path.append(tag)
        for name in ("src", "href", "xlink:href", "data", "action"):
            if name in attrs and not attrs[name].startswith("#"):
                self.fetches.append((tag, attrs[name]))
        if tag in ("link", "script", "img", "iframe", "object"):
            self.fetches.append((tag, attrs))
        if tag == "section":
            self.section = self.sections.setdefault(attrs["id"], {"name": "", "svg": 0})
        if tag == "svg" and "section" in self.path:
            self.section["svg"] += 1

    def handle_endtag(self, tag):
        self.path.pop()

    def handle_data(self, data):
        if self.path[-2:] == ["td", "a"]:
            self.names.append(data)
        elif self.path and self.path[-1] == "h2":
            self.section["name"] += data
        if "url(" in data or "@import" in data:
            self.fetches.append(("text", data))


def records(text):
    return [line.split(",") for line in text.strip().split("\r\n")]


def main(tool, sample):
    key = sample.read_bytes().decode()
    rows = records(key)
    first_unit = 1 + int(rows[0][0]) + 1 + int(rows[0][1]) + 1
    left_out = [list(r) for r in rows]
    left_out[first_unit][3] = "-1"
    dotted = [list(r) for r in rows]
    dotted[5][4] = "2"
    to_text = lambda rs: "".join(",".join(r) + "\r\n" for r in rs)
    drawings = {"anna.KRT": key, "李明.KRT": to_text(left_out), "bob.KRT": to_text(dotted), "=1+2.KRT": key,
                "carl.KRT": "3,0,0", "dora.KRT": ""}
    with tempfile.TemporaryDirectory() as d:
        d = pathlib.Path(d)
        (d / "key.KRT").write_bytes(key.encode())
        for name, text in drawings.items():
            (d / name).write_bytes(text.encode())
        (d / "eve.KRT").mkdir()
        names = [*drawings, "eve.KRT", "zed.KRT"]
        run = subprocess.run([tool, "--json", "--csv", "class.csv", "--html", "class.html", "key.KRT", *names],
                             cwd=d, capture_output=True, text=True)
        assert run.returncode == 2, run
        for name, why in [("carl.KRT", "it ends on line 1"), ("dora.KRT", "it is empty"),
                          ("eve.KRT", "not a regular file"), ("zed.KRT", "no such file")]:
            assert f"tova-check: {name}: " in run.stderr and why in run.stderr, (name, run.stderr)

        judged = {r["file"]: r for r in json.loads(run.stdout)["drawings"]}
        assert list(judged) == names
        counts = {f: (r.get("score"), len(r.get("missing", [])), len(r.get("extra", [])),
                      len(r.get("wrongKind", []))) for f, r in judged.items()}
        assert counts["anna.KRT"] == (100, 0, 0, 0) and counts["李明.KRT"][1:] == (1, 0, 0), counts
        assert counts["bob.KRT"][1:] == (0, 0, 1) and counts["bob.KRT"][0] < 100, counts
        bob = "Top view: the edge from (175, 245) to (55, 245) is dotted; the key's is solid."
        assert judged["bob.KRT"]["wrongKind"][0]["views"] == [
            {"view": "top", "line": [175, 245, 55, 245], "key": "TrueL", "drawing": "EmptL"}], judged["bob.KRT"]
        assert judged["李明.KRT"]["missing"][0]["kind"] == "line" and "error" not in judged["anna.KRT"]
        assert all("error" in judged[f] and "score" not in judged[f] for f in names[4:])

        table = list(csv.DictReader(io.StringIO((d / "class.csv").read_text(encoding="utf-8-sig"))))
        # A name a spreadsheet would take for a formula stays text.
        assert [(r["file"], r["score"] or None, r["error"] != "") for r in table] == \
            [("'" * (f[0] == "=") + f, counts[f][0] and str(counts[f][0]), "error" in judged[f]) for f in names], table

        page = Page()
        page.feed((d / "class.html").read_text(encoding="utf-8"))
        assert page.names == sorted(names), page.names
        assert not page.fetches, page.fetches
        shown = {s["name"]: s["svg"] for s in page.sections.values()}
        assert shown.pop("The class at a glance") == 1
        assert shown == {n: int(n in names[:4]) for n in names}, shown
        # Of the four drawings read, one left a unit out and one gave a line another kind.
        mistakes = re.findall(r'<tr id="element-\d+"><td>[^<]+</td><td class="number">([^<]+)</td><td>([^<]*)</td>'
                              r'<td>([^<]*)</td><td>([^<]*)</td></tr>', (d / "class.html").read_text(encoding="utf-8"))
        assert sorted(mistakes) == [("25%", "", "bob.KRT (top view)", ""), ("25%", "李明.KRT", "", "")], mistakes
        glance = re.search(r"<svg.*?</svg>", (d / "class.html").read_text(encoding="utf-8"), re.S).group(0)
        assert re.findall(r">(\d+%)</text>", glance) == ["25%", "25%"], glance

        # An edge 8 px too long, missing and extra: the picture names each view, has its legend, and draws the red above.
        longer = [list(r) for r in rows]
        longer[7][0] = str(int(rows[7][0]) + 8)
        (d / "dan.KRT").write_bytes(to_text(longer).encode())
        subprocess.run([tool, "--html", "dan.html", "key.KRT", "dan.KRT"], cwd=d, capture_output=True)
        svg = re.findall(r"<svg.*?</svg>", (d / "dan.html").read_text(encoding="utf-8"), re.S)[-1]
        assert all(f">{view}</text>" in svg for view in ("Front", "Top", "Side", "red, dashed: missing")), svg
        assert svg.rindex('<g stroke="#0050ff">') < svg.index('<g stroke="#e00000">'), svg
        for drawing, status, said in [("anna.KRT", 0, "\n"), ("bob.KRT", 1, f"\n  {bob}\n")]:
            run = subprocess.run([tool, "key.KRT", drawing], cwd=d, capture_output=True, text=True)
            assert run.returncode == status and run.stdout.split(")", 1)[1].startswith(said + "1 drawing"), run
        for wrong, named in [(["--tolerance", "x"], "--tolerance"), (["--frob"], "--frob"), ([], "at least one"),
                             (["--html", "anna.KRT"], "anna.KRT"), (["--anywhere=no"], "--anywhere")]:
            run = subprocess.run([tool, *wrong, "key.KRT", "anna.KRT"][: None if wrong else 2],
                                 cwd=d, capture_output=True, text=True)
            assert run.returncode == 2 and named in run.stderr and not run.stdout, (wrong, run)
        assert (d / "anna.KRT").read_bytes() == key.encode()


if __name__ == "__main__":
    main(sys.argv[1], pathlib.Path(sys.argv[2]))
