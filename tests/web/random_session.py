"""Scripts of events played with real input on the page and through the one way in on the native
core (web_replay), compared after every event; seeded random sessions of them: pointer moves,
clicks, double clicks and drags on the canvas and the 3D view (some over their borders, some
leaving them), buttons, menus by mouse and by keyboard, scroll bars, check boxes, boxes and dialogs
answered as the core's improvised answers say, and a click while "GO" runs.
(make soak: browser_test.py SITE_DIR WEB_REPLAY SEED EVENTS plays one alone)"""
import functools
import pathlib
import random
import shutil
import subprocess

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys


# Left out: "EXIT" ends the page, the help pages open tabs, and the clipboard is the system's,
# shared with the rest of the browser.
LEFT_OUT = {"C11", "cut", "copy", "paste", "malvo", "hlp"}


def generate(seed, count, layout):
    rnd = random.Random(seed)
    width, height = (layout["canvas"][k] - 2 * layout["pictureBorder"] for k in ("width", "height"))
    # Every button; more often those that end a figure ("<===", "OK") or change the mode (MAKE-3D,
    # GOTO-2D, FIND/OUT, DEL), so that the session goes through every state.
    buttons = [c["name"] for c in layout["controls"] if c["kind"] == "Button" and c["name"] not in LEFT_OUT]
    buttons += ["C6"] * 6 + ["C7"] * 3 + ["C16"] * 4 + ["C9", "C8", "CC8"] * 3
    items = [i["name"] for m in layout["menus"] for i in m["items"] if i["name"] not in LEFT_OUT]
    menus = [m for m in layout["menus"] if not {i["name"] for i in m["items"]} & LEFT_OUT]
    last = [-99, -99]

    def point(outside=0, press=True):
        """A point on the canvas, a few on its border or beyond; a press never close to the last one,
        which would make a double click of two."""
        while True:
            x, y = rnd.randrange(-2 - outside, width + 2 + outside), rnd.randrange(-2, height + 2)
            if not press or abs(x - last[0]) > 3 or abs(y - last[1]) > 3:
                last[:] = [x, y] if press else last
                return f"{x} {y}"

    def menu_key(m):
        return [f"menu-key {m['name']} {rnd.randrange(len(m['items']))}"]

    def scroll(b):
        return [f"scroll {b['name']} {rnd.randint(b['min'], b['max'])}"]

    def check(c):  # "PLAY" (Check2) off for one turn only, so that the 3D view is drawn
        return [f"check Check{c}"] + (["press C13", "check Check2"] if c == 2 else [])

    kinds = {  # what makes an event's lines, and how often
        lambda: [f"at-move {point(40, press=False)}"]: 8,
        lambda: [f"at-click {point()}"]: 6,
        lambda: [f"press {rnd.choice(buttons)}"]: 6,
        # after "<===" and "GOTO-2D", so that the file commands can be used
        lambda: ["press C6", "press C16", f"press {rnd.choice(['Msave', 'Mopen', 'Mnew', 'C10'])}"]: 3,
        lambda: [f"press {rnd.choice(items)}"]: 2,
        lambda: [f"at-double {point()}"]: 1,
        lambda: [f"at-drag {point()} {rnd.randrange(-60, width + 60)} {rnd.randrange(-20, height + 20)}"]: 1,
        lambda: menu_key(rnd.choice(menus)): 1, lambda: scroll(rnd.choice(layout["scrollBars"])): 1,
        lambda: check(rnd.randint(1, 3)): 1,
    }
    # "GO" in the 3D view after a turn, so that it has a direction to repeat, and a click during it.
    go = ["press C6", "press C9", "press C13", "go C14"]
    lines = [f"seed {seed}"]
    for i in range(count):
        lines += go if i % 60 == 30 else rnd.choices(list(kinds), list(kinds.values()))[0]()
    return lines


def center(page, name, inside=""):
    return page.js("const r = document.querySelector('#' + arguments[0] + arguments[1]).getBoundingClientRect();"
                   "return [(r.left + r.right) / 2, (r.top + r.bottom) / 2];", name, inside)


def mouse(page, kind, x, y, buttons=0, clicks=1):
    page.d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "buttons": buttons,
                                                        "button": "left" if kind != "mouseMoved" or buttons else "none",
                                                        "clickCount": clicks})


def click_at(page, touch, x, y, clicks=1):
    """A click, or with touch a tap, there."""
    if touch:
        page.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        page.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    else:
        mouse(page, "mousePressed", x, y, buttons=1, clicks=clicks)
        mouse(page, "mouseReleased", x, y, clicks=clicks)


def usable(page, name):
    return page.js("const e = document.getElementById(arguments[0]);"
                   "const m = e.closest('.menu'); const own = m ? m.firstElementChild : e;"
                   "return !own.disabled && !(e.querySelector && e.querySelector('input:disabled'));", name)


def act(page, w, touch=False):
    """One line of a script, with real input: the mouse's, or with touch a finger's."""
    at = lambda x, y: page.at("P", int(x) + 0.5, int(y) + 0.5)  # noqa: E731
    if w[0] in ("at-move", "at-click", "at-double", "at-drag") and not touch:
        mouse(page, "mouseMoved", *at(w[1], w[2]))
    if w[0] in ("at-click", "at-double"):
        click_at(page, touch, *at(w[1], w[2]))
    if w[0] == "at-double":
        click_at(page, touch, *at(w[1], w[2]), clicks=2)
    if w[0] == "at-drag":
        for kind, x, y, held in (("mousePressed", w[1], w[2], 1), ("mouseMoved", w[3], w[4], 1),
                                 ("mouseReleased", w[3], w[4], 0)):
            mouse(page, kind, *at(x, y), buttons=held)
    if w[0] in ("press", "go") and usable(page, "a5" if w[0] == "go" else w[1]):
        menu = page.js("const m = document.getElementById(arguments[0]).closest('.menu');"
                       "return m && m.firstElementChild.id", w[1])
        if menu:
            click_at(page, touch, *center(page, menu))
        click_at(page, touch, *center(page, "a5" if w[0] == "go" else w[1]))
    if w[0] == "go" and usable(page, w[1]):  # while "GO" runs: the page must keep it for afterwards
        click_at(page, touch, *center(page, w[1]))
    if w[0] == "menu-key" and usable(page, w[1]):
        letter = page.js("return document.querySelector('#' + arguments[0] + ' u').textContent", w[1]).lower()
        keys = ActionChains(page.d).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT)
        keys.send_keys(*[Keys.ARROW_DOWN] * int(w[2]), Keys.RETURN).perform()
    if w[0] == "scroll" and usable(page, w[1]):
        page.js("const e = document.getElementById(arguments[0]); e.value = arguments[1];"
                "e.dispatchEvent(new Event('input'));", w[1], int(w[2]))
    if w[0] == "check" and usable(page, w[1]):
        click_at(page, touch, *center(page, w[1], " input"))


def answer(page, answers):
    """Answers the boxes and dialogs of an event as the core's answers were given."""
    for a in answers.split():
        dialog = "open" if a.startswith("open:") else "box"
        page.wait(f"return document.getElementById('{dialog}').open")
        text = a.split(":", 1)[1] if ":" in a else None
        page.js("document.getElementById(arguments[0]).value = arguments[1]",
                "open-name" if dialog == "open" else "box-input", text or "")
        page.js("document.querySelector(arguments[0]).click()",
                f"#{dialog} button[value={'ok' if a == 'ok' or text else 'cancel'}]")
    page.wait("return !Tova.state.busy || document.querySelector('dialog[open]')", seconds=20)


def native(replay, site, folder, name, lines):
    """The script played on the native core; its folder, with steps.txt, P.rgba and saved drawings."""
    out = pathlib.Path(folder, name)
    out.mkdir()
    shutil.copy(site / "Tova.ini", out / "Tova.ini")
    (out / "script.txt").write_text("\n".join(lines) + "\n")
    subprocess.run([replay, out / "script.txt", out], check=True)
    return out


def play(page, lines, out, where, touch=False, files=True):
    """The script played on the page: after every event its controls, readouts, pixels and (where
    both started with the sample alone) saved drawings are the native core's."""
    for line, want in zip([l for l in lines if not l.startswith("seed")], (out / "steps.txt").read_text().splitlines()):
        act(page, line.split(), touch)
        want, answers = want.rsplit("\t", 1)
        answer(page, answers)
        got = page.state() + "\t" + saved_files(page) if files else page.state()
        want = want if files else want.rsplit("\t", 1)[0]
        assert got == want, (where, line, got, want)


def run(page, replay, site, folder, seed, count):
    """A random session on a page with an empty storage and on the native core."""
    page.d.get("about:blank")
    page.d.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": page.url.rstrip("/"), "storageTypes": "all"})
    page.open()
    lines = generate(seed, count, page.js("return Tova.layout"))
    play(page, lines, native(replay, site, folder, f"random-{seed}", lines), f"seed {seed}")


def saved_files(page):
    """The stored drawings, "NAME:DIGEST" each by name (FNV-1a), as web_replay writes the saved files."""
    names = page.d.execute_async_script("TovaDrawings.list().then(arguments[0], () => arguments[0](['?']))")
    return " ".join(f"{n}:{functools.reduce(lambda h, b: (h ^ b) * 16777619 % 2**32, page.stored(n), 2166136261)}"
                    for n in names if n.endswith(".KRT"))
