#!/usr/bin/python3
"""A class drawn in the window with real input (scripts/draw-class.py; intentions.json says what each
was made to be), each verdict a teacher's. Usage: class_verdicts.py TOVA_CHECK FIXTURES_DIR"""
import json
import pathlib
import subprocess
import sys

# Score, missing, extra, wrong line kinds, wrong sizes, words the report must use, score --anywhere.
VERDICTS = {
    "key.KRT": (100, 0, 0, 0, 0, [], 100),
    "anna.KRT": (100, 0, 0, 0, 0, [], 100),
    "bruno.KRT": (100, 0, 0, 0, 0, ["is drawn in 2 pieces."], 100),
    "李明.KRT": (100, 0, 0, 0, 0, ["Top view: the edge from (175, 245) to (175, 345) is drawn in 3 pieces."], 100),
    "elif.KRT": (100, 0, 0, 0, 0, ["is drawn twice."], 100),
    "carla.KRT": (93, 1, 0, 0, 0, ["is missing."], 93),
    "dario.KRT": (93, 1, 0, 0, 0, ["is missing.", "is drawn in 2 pieces that leave a gap."], 93),
    "ines.KRT": (93, 1, 0, 0, 0, ["the line joining two circles"], 93),
    "jonas.KRT": (93, 0, 1, 0, 0, ["Front view: the edge from (175, 165) to (55, 165) is not in the key."], 93),
    "greta.KRT": (96, 0, 0, 1, 0, ["is dotted; the key's is solid."], 96),
    "farid.KRT": (96, 0, 0, 0, 1, ["Top view: the circle at (115, 295) has radius 25; the key's has 30."], 96),
    "kai.KRT": (96, 0, 0, 0, 1, ["Top view: the arc at (115, 295) runs from 100° to 80°; the key's is a whole circle."], 96),
    "王芳.KRT": (90, 1, 0, 1, 0, ["is missing.", "is dotted; the key's is solid."], 90),
    "hugo.KRT": (0, 15, 15, 0, 0, ["The whole object is drawn 30 px further right and 20 px lower than the key's; placed "
                                   "where the key has it, it would score 100."], 100),
}


def judged(tool, folder, *options):
    files = [str(folder / name) for name in VERDICTS]
    run = subprocess.run([tool, "--json", *options, str(folder / "key.KRT"), *files], capture_output=True, text=True)
    assert run.returncode == 1 and not run.stderr, run
    return {pathlib.Path(d["file"]).name: d for d in json.loads(run.stdout)["drawings"]}


def main(tool, folder):
    made = {i["file"]: i for i in json.loads((folder / "intentions.json").read_text(encoding="utf-8"))}
    assert set(made) == set(VERDICTS), set(made) ^ set(VERDICTS)
    placed, anywhere = judged(tool, folder), judged(tool, folder, "--anywhere")
    for name, (score, missing, extra, kinds, sizes, words, moved) in VERDICTS.items():
        d = placed[name]
        said = [w for group in ("missing", "extra", "wrongKind", "wrongSize") for e in d[group] for w in e["words"]]
        said += d["notes"] + [d.get("placement", "")]
        got = (d["score"], len(d["missing"]), len(d["extra"]), len(d["wrongKind"]), len(d["wrongSize"]))
        assert got == (score, missing, extra, kinds, sizes), (name, made[name]["teacher"], got)
        for w in words:
            assert any(w in s for s in said), (name, made[name]["teacher"], w, said)
        assert anywhere[name]["score"] == moved, (name, anywhere[name]["score"])
    print(f"{len(VERDICTS)} drawings judged as a teacher would")


if __name__ == "__main__":
    main(sys.argv[1], pathlib.Path(sys.argv[2]))
