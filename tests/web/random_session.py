#!/usr/bin/python3
"""A seeded random session, played with real input on the page and through the one way in on the
native core (web_replay): pointer moves, clicks, double clicks and drags on the canvas and the 3D
view (some over their borders, some leaving them), buttons, menus by mouse and by keyboard, scroll
bars, check boxes, boxes and dialogs answered as the core's improvised answers say, and a click
while "GO" runs. After every event the page's controls, readouts and pixels must be the core's;
at the end, its saved drawings the core's files.
Usage: random_session.py SITE_DIR WEB_REPLAY [SEED [EVENTS]]   (make soak: a random seed)"""
import pathlib
import random
import shutil
import subprocess
import sys
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from webpage import Page, geometry_matches_layout, served

# Left out: "EXIT" ends the page, the help pages open tabs, and the clipboard is the system's,
# shared with the rest of the browser.
LEFT_OUT = {"C11", "cut", "copy", "paste", "malvo", "hlp"}


def generate(seed, count, layout):
    rnd = random.Random(seed)
    width, height = (layout["canvas"][k] - 2 * layout["pictureBorder"] for k in ("width", "height"))
    # Every button; more often those that end a figure ("<===", "OK") or change the mode (MAKE-3D,
    # GOTO-2D, FIND/OUT, FILE), so that the session goes through every state.
    buttons = [c["name"] for c in layout["controls"] if c["kind"] == "Button" and c["name"] not in LEFT_OUT]
    buttons += ["C6"] * 6 + ["C7"] * 3 + ["C16"] * 4 + ["C9", "C8", "CC8"] * 3
    items = [i["name"] for m in layout["menus"] for i in m["items"] if i["name"] not in LEFT_OUT]
    menus = [m for m in layout["menus"] if not {i["name"] for i in m["items"]} & LEFT_OUT]
    bars = [b["name"] for b in layout["scrollBars"]]
    last = [(-99, -99)]

    def point(outside=0):
        """A point on the canvas, a few on its border or beyond; never close to the last press, which
        would make a double click of two."""
        while True:
            x, y = rnd.randrange(-2 - outside, width + 2 + outside), rnd.randrange(-2, height + 2)
            if abs(x - last[0][0]) > 3 or abs(y - last[0][1]) > 3:
                return x, y

    def press(x, y):
        last[0] = (x, y)
        return x, y

    lines = [f"seed {seed}"]
    kinds = (["at-move"] * 8 + ["at-click"] * 6 + ["press"] * 6 + ["at-double", "at-drag", "menu-key", "scroll",
             "check"] + ["press-item"] * 2 + ["file"] * 3)
    for i in range(count):
        kind = "go" if i % 60 == 30 else rnd.choice(kinds)
        if kind == "at-move":
            lines.append("at-move %d %d" % point(outside=40))
        elif kind in ("at-click", "at-double"):
            lines.append(f"{kind} %d %d" % press(*point()))
        elif kind == "at-drag":
            x1, y1 = press(*point())
            lines.append(f"at-drag {x1} {y1} {rnd.randrange(-60, width + 60)} {rnd.randrange(-20, height + 20)}")
        elif kind == "press":
            lines.append(f"press {rnd.choice(buttons)}")
        elif kind == "file":  # after "<===" and "GOTO-2D", so that the file commands can be used
            lines += ["press C6", "press C16", f"press {rnd.choice(['Msave', 'Mopen', 'Mnew', 'C10'])}"]
        elif kind == "press-item":
            lines.append(f"press {rnd.choice(items)}")
        elif kind == "menu-key":
            menu = rnd.choice(menus)
            lines.append(f"menu-key {menu['name']} {rnd.randrange(len(menu['items']))}")
        elif kind == "scroll":
            bar = rnd.choice(layout["scrollBars"])
            lines.append(f"scroll {bar['name']} {rnd.randint(bar['min'], bar['max'])}")
        elif kind == "check":  # "PLAY" (Check2) off for one turn only, so that the 3D view is drawn
            box = rnd.choice(["Check1", "Check2", "Check3"])
            lines += [f"check {box}"] + (["press C13", "check Check2"] if box == "Check2" else [])
        elif kind == "go":  # in the 3D view, a turn first, so that "GO" has a direction to repeat
            lines += ["press C6", "press C9", "press C13", f"go {rnd.choice(['C12', 'C14', 'C15'])}"]
    return lines, bars


def center(page, name):
    return page.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                   "return [(r.left + r.right) / 2, (r.top + r.bottom) / 2];", name)


def mouse(page, kind, x, y, button="left", buttons=0, clicks=1):
    page.d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": button,
                                                        "buttons": buttons, "clickCount": clicks})


def click_at(page, x, y, clicks=1):
    mouse(page, "mousePressed", x, y, buttons=1, clicks=clicks)
    mouse(page, "mouseReleased", x, y, clicks=clicks)


def usable(page, name):
    return page.js("const e = document.getElementById(arguments[0]);"
                   "const m = e.closest('.menu'); const own = m ? m.firstElementChild : e;"
                   "return !own.disabled && !(e.querySelector && e.querySelector('input:disabled'));", name)


def press(page, name):
    if not usable(page, name):
        return
    if page.js("return !!document.getElementById(arguments[0]).closest('.menu-items')", name):
        click_at(page, *center(page, page.js("return document.getElementById(arguments[0])"
                                              ".closest('.menu').firstElementChild.id", name)))
    click_at(page, *center(page, name))


def act(page, w, layout):
    at = lambda x, y: page.at("P", int(x), int(y))  # noqa: E731
    if w[0] == "at-move":
        mouse(page, "mouseMoved", *at(w[1], w[2]), button="none")
    elif w[0] in ("at-click", "at-double"):
        mouse(page, "mouseMoved", *at(w[1], w[2]), button="none")
        click_at(page, *at(w[1], w[2]))
        if w[0] == "at-double":
            click_at(page, *at(w[1], w[2]), clicks=2)
    elif w[0] == "at-drag":
        mouse(page, "mouseMoved", *at(w[1], w[2]), button="none")
        mouse(page, "mousePressed", *at(w[1], w[2]), buttons=1)
        mouse(page, "mouseMoved", *at(w[3], w[4]), buttons=1)
        mouse(page, "mouseReleased", *at(w[3], w[4]))
    elif w[0] == "press":
        press(page, w[1])
    elif w[0] == "menu-key" and usable(page, w[1]):
        letter = next(m["caption"] for m in layout["menus"] if m["name"] == w[1]).split("&")[1][0].lower()
        keys = ActionChains(page.d).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT)
        for _ in range(int(w[2])):
            keys.send_keys(Keys.ARROW_DOWN)
        keys.send_keys(Keys.RETURN).perform()
    elif w[0] == "scroll" and usable(page, w[1]):
        page.js("const e = document.getElementById(arguments[0]); e.value = arguments[1];"
                "e.dispatchEvent(new Event('input'));", w[1], int(w[2]))
    elif w[0] == "check" and usable(page, w[1]):
        click_at(page, *page.js("const r = document.querySelector('#' + arguments[0] + ' input')"
                                ".getBoundingClientRect(); return [(r.left + r.right) / 2, (r.top + r.bottom) / 2];",
                                w[1]))
    elif w[0] == "go":
        # The second click comes while "GO" runs: the page must keep it for afterwards.
        if usable(page, "a5"):
            click_at(page, *center(page, "a5"))
        if usable(page, w[1]):
            click_at(page, *center(page, w[1]))


def answer(page, answers):
    """Answers the boxes and dialogs of an event as the core's improvised answers were given."""
    for a in answers.split():
        if a.startswith("open:"):
            page.wait("return document.getElementById('open').open")
            page.js("document.getElementById('open-name').value = arguments[0]", a[5:])
            page.js("document.querySelector(arguments[0]).click()",
                    "#open-ok" if a[5:] else "#open button[value=cancel]")
        else:
            page.wait("return document.getElementById('box').open")
            text = a[7:] if a.startswith("prompt:") else None
            if text is not None:
                page.js("document.getElementById('box-input').value = arguments[0]", text)
            page.js("document.getElementById(arguments[0]).click()",
                    "box-ok" if a == "ok" or text else "box-cancel")
    page.wait("return !Tova.state.busy && !document.querySelector('dialog[open]')", seconds=20)


def run(page, replay, site, folder, seed, count):
    """Plays a random session on a page with an empty storage and on the native core."""
    page.d.get("about:blank")
    page.d.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": page.url.rstrip("/"), "storageTypes": "all"})
    page.open()
    layout = page.js("return Tova.layout")
    lines, _ = generate(seed, count, layout)
    native = pathlib.Path(folder, f"random-{seed}")
    native.mkdir()
    shutil.copy(site / "Tova.ini", native / "Tova.ini")
    (native / "script.txt").write_text("\n".join(lines) + "\n")
    subprocess.run([replay, native / "script.txt", native], check=True)
    steps = (native / "steps.txt").read_text().splitlines()
    for line, want in zip(lines[1:], steps):
        w = line.split()
        act(page, w, layout)
        want, answers = want.rsplit("\t", 1)
        answer(page, answers)
        got = page.state() + "\t" + saved_files(page)
        assert got == want, (f"seed {seed}", line, got, want)
    geometry_matches_layout(page, f"after the random session of seed {seed}")
    for saved in sorted(native.glob("*.KRT")):
        assert page.stored(saved.name) == saved.read_bytes(), (f"seed {seed}", saved.name)


def saved_files(page):
    """The stored drawings, "NAME:DIGEST" each by name, as web_replay writes the saved files."""
    return page.d.execute_async_script("""
        const done = arguments[0];
        TovaDrawings.list().then(async names => {
          const out = [];
          for (const n of names.filter(n => n.endsWith('.KRT'))) {
            let h = 2166136261;
            for (const b of await TovaDrawings.read(n)) h = Math.imul(h ^ b, 16777619);
            out.push(n + ':' + (h >>> 0));
          }
          done(out.join(' '));
        }, () => done('?'));""")


if __name__ == "__main__":
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else random.randrange(1 << 30)
    count = int(sys.argv[4]) if len(sys.argv) > 4 else 2000
    with tempfile.TemporaryDirectory() as folder, served(pathlib.Path(sys.argv[1])) as url:
        page = Page(url, pathlib.Path(folder))
        try:
            print(f"random session: seed {seed}, {count} events")
            run(page, sys.argv[2], pathlib.Path(sys.argv[1]), folder, seed, count)
        finally:
            page.d.quit()
    print("the page and the core agreed on every event")
