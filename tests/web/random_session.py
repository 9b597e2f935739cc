"""Scripts of events (tests/support/script_player.h) played with real input on the page and on the
native core (web_replay), compared after every event; and random ones, which web_replay makes."""
import functools
import pathlib
import shutil
import subprocess

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys


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
    return page.js("return Tova.usable(arguments[0])", name)


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


def native(replay, site, folder, name, lines=(), random=None):
    """The script (or a random one, random=(SEED, EVENTS)) played on the native core; its folder."""
    out = pathlib.Path(folder, name)
    out.mkdir()
    shutil.copy(site / "Tova.ini", out / "Tova.ini")
    (out / "script.txt").write_text("".join(line + "\n" for line in lines))
    subprocess.run([replay, *(["--random", *map(str, random)] if random else [out / "script.txt"]), out], check=True)
    return out


def play(page, lines, out, where, touch=False, files=True):
    """The script played on the page, its state after every event the native core's (with `files`,
    its saved drawings too: both started with the sample alone)."""
    steps = (out / "steps.txt").read_text().splitlines()
    assert len(steps) == len(lines), (where, "the core played", len(steps), "of", len(lines))
    for line, want in zip(lines, steps):
        act(page, line.split(), touch)
        want, answers = want.rsplit("\t", 1)
        answer(page, answers)
        got = state(page) + "\t" + saved_files(page) if files else state(page)
        want = want if files else want.rsplit("\t", 1)[0]
        assert got == want, (where, line, got, want)


def run(page, replay, site, folder, seed, count):
    """A random session on a page with an empty storage and on the native core."""
    page.d.get("about:blank")
    page.d.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": page.url.rstrip("/"), "storageTypes": "all"})
    page.open()
    out = native(replay, site, folder, f"random-{seed}", random=(seed, count))
    play(page, (out / "script.txt").read_text().splitlines(), out, f"seed {seed}")


def saved_files(page):
    """The stored drawings, "NAME:DIGEST" each by name (FNV-1a), as web_replay writes the saved files."""
    names = page.d.execute_async_script("TovaDrawings.list().then(arguments[0], () => arguments[0](['?']))")
    return " ".join(f"{n}:{functools.reduce(lambda h, b: (h ^ b) * 16777619 % 2**32, stored(page, n), 2166136261)}"
                    for n in names if n.endswith(".KRT"))


def pixels(page, name):
    """FNV-1a over a picture box's RGBA bytes, as web_replay computes it (a hidden one painted first)."""
    return page.js("Tova.paint(arguments[0]); const c = document.getElementById(arguments[0]);"
                   "const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
                   "let h = 2166136261; for (let i = 0; i < d.length; i++) h = Math.imul(h ^ d[i], 16777619);"
                   "return h >>> 0;", name)

def stored(page, name):
    """The bytes of the drawing stored under that name, or None."""
    data = page.d.execute_async_script(
        "const done = arguments[1]; TovaDrawings.read(arguments[0]).then("
        "  b => done(b ? Array.from(b) : null), () => done(null));", name)
    return None if data is None else bytes(data)


def state(page):
    """As web_replay writes it: the enabled and shown controls, the readouts, and digests of the
    canvas's and the 3D view's pixels (FNV-1a over their RGBA bytes), tab-separated."""
    return "\t".join([page.js("""
        const names = ['C0','C1','C2','C3','C4','C5','C6','C7','C8','CC8','C9','C10','C11','C12','C13',
          'C14','C15','C16','a1','a2','a3','a4','a5','cpp','cqq','cdd','Check1','Check2','Check3',
          'Text1','Text2','Text3','Mfile','pbk','Mundo','Mredo'];
        const get = n => document.getElementById(n);
        const on = n => !get(n).disabled && !(get(n).querySelector && get(n).querySelector('input:disabled')) &&
                        get(n).getAttribute('aria-disabled') !== 'true';
        return ['enabled: ' + names.filter(on).join(' ') + '; shown: Form1 ' +
                ['P', 'D'].filter(n => !get(n).parentElement.hidden).join(' '),
                ['Text1', 'Text2', 'Text3'].map(n => get(n).value).join('|')].join('\t');""")] +
                     [str(pixels(page, n)) for n in ("P", "D")])
