#!/usr/bin/python3
"""The page in real headless Chromium, served from 127.0.0.1, against the native core
(web_replay): its storage, screens, accessibility, clipboard, undo and the recovery copy, a seeded
random session, offline.
Usage: browser_test.py SITE_DIR WEB_REPLAY [SEED EVENTS]"""
import base64
import functools
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

import trio
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from trio_websocket import open_websocket_url

import random_session

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
from webpage import Page, served  # noqa: E402
from random_session import act, answer, center, click_at, native, pixels, play, state, stored

HERE = pathlib.Path(__file__).resolve().parent
AXE = HERE.parent.parent / "node_modules" / "axe-core" / "axe.min.js"
# A line unit, then a circle committed by a double click; separate presses 16 CSS px apart on a phone.
FIGURES = ["press C0", "at-click 10 20", "at-click 100 60", "at-click 50 300", "at-click 60 350", "press C7",
           "press C1", "at-click 160 60", "at-click 190 60", "at-double 330 100"]
# Viewports: width, height, device pixels to a CSS pixel, a phone's or a tablet's.
# An exercise's key: two edges, each a line unit of three views (the second one a point in the top
# view), and the clicks that draw them, in two views each.
ANGLE_KEY = "6,0,2,0\r\n60,190,170,190,0,1\r\n60,340,170,340,0,1\r\n340,190,340,190,0,1\r\n170,190,170,110,0,1\r\n" \
            "170,340,170,340,0,1\r\n340,190,340,110,0,1\r\n0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n1000,1001,1002,1\r\n" \
            "1003,1004,1005,1\r\n0,0,0,0\r\n0,0,0,0,0,0,0,0,0\r\n"
EDGES = [["press C0", "at-click 60 190", "at-click 170 190", "at-click 60 340", "at-click 170 340", "press C7"],
         ["press C0", "at-click 170 190", "at-click 170 110", "at-click 340 190", "at-click 340 110", "press C7"]]
# Room for the window at twice its size beside the exercise bar, so that clicks land on whole pixels.
BESIDE = (1600, 1100, 1, False)
SCREENS = [(1920, 1080, 1, False), (1366, 768, 1, False), (768, 1024, 1, True), (390, 844, 3, True),
           (2560, 1440, 2, False), (642, 479, 1, False)]


def geometry_matches_layout(page, where):
    """Every control and both drawing areas stand where the layout puts them, at the page's scale; on
    a screenshot the dividers lie on the canvas's column and row 216 (dark there, light 2 px off)."""
    boxes = page.js("""
        const L = Tova.layout, b = L.pictureBorder, s = Tova.state.scale;
        const client = document.getElementById('client').getBoundingClientRect();
        const rect = (n, c, dx, dy, inset) => [n, [client.left + (c.left + dx) * s, client.top + (c.top + dy) * s,
          (c.width - 2 * inset) * s, (c.height - 2 * inset) * s]];
        const want = [...L.controls.map(c => rect(c.name, c, 0, 0, 0)), rect('P', L.canvas, b, b, b),
                      rect('D', L.view, L.canvas.left + 2 * b, L.canvas.top + 2 * b, b)];
        document.getElementById('D').parentElement.hidden = false;
        const got = want.map(([n]) => { const r = document.getElementById(n).getBoundingClientRect();
                                        return [r.left, r.top, r.width, r.height]; });
        document.getElementById('D').parentElement.hidden = true;
        return [want, got, devicePixelRatio, s];""")
    want, got, dpr, scale = boxes
    for (name, w), g in zip(want, got):
        assert all(abs(a - b) * dpr <= 1 for a, b in zip(w, g)), (where, name, w, g)
    png = base64.b64decode(page.d.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})["data"])
    shot = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png, capture_output=True, check=True).stdout
    width = round(page.js("return innerWidth") * dpr)
    left, top = page.js("const r = document.getElementById('P').getBoundingClientRect(); return [r.left, r.top];")

    def shade(x, y):  # the brightest channel at a canvas point, on the screenshot
        at = 3 * (int((top + (y + 0.5) * scale) * dpr) * width + int((left + (x + 0.5) * scale) * dpr))
        return max(shot[at:at + 3])
    for along in (5, 150, 400):
        for x, y in ((216, along), (along, 216)):  # on the upright divider, on the level one
            assert shade(x, y) < 128 and min(shade(x + d * (x == 216), y + d * (y == 216)) for d in (-2, 2)) > 160, \
                (where, "a divider", x, y)


def until(ready, what):
    end = time.time() + 10
    while not ready():
        assert time.time() < end, what
        time.sleep(0.1)


def save_as(page, name, confirm=True):
    page.js("document.getElementById('Msave').click()")
    answer(page, "ok")
    if confirm:
        answer(page, f"prompt:{name}")
    else:  # left in the prompt, for the caller to confirm
        page.wait("return document.getElementById('box').open")
        page.js("document.getElementById('box-input').value = arguments[0]", name)


def open_stored(page, name):
    """Opens a stored drawing through the Open dialog; the names the dialog listed."""
    page.js("document.getElementById('Mopen').click()")
    answer(page, "ok")
    page.wait("return document.getElementById('open-list').options.length")
    listed = page.js("return Array.from(document.getElementById('open-list').options, o => o.value)")
    answer(page, f"open:{name}")
    return listed


def asks_on_leaving(page):
    return page.js("const e = document.createEvent('BeforeUnloadEvent'); e.initEvent('beforeunload', false, true);"
                   "window.dispatchEvent(e); return e.defaultPrevented;")


def tabs_keep_every_drawing(page, first, second, sample):
    """Two tabs keep each other's drawings; a refused save is asked again; one name saved twice is whole."""
    def drawn(lines):
        for line in lines:
            act(page, line.split())
        page.idle()
    drawn(FIGURES)
    save_as(page, "drawing.KRT")
    figures = stored(page, "drawing.KRT")
    page.d.switch_to.window(second)
    save_as(page, "second.KRT")
    page.d.switch_to.window(first)
    page.open()
    assert {"drawing.KRT", "second.KRT"} <= set(open_stored(page, "second.KRT")), "both tabs' drawings listed"
    assert pixels(page, "P") == sample, "the other tab's drawing opened whole"
    assert not asks_on_leaving(page), "asks on leaving after Open with no edit"
    open_stored(page, "drawing.KRT")
    assert stored(page, "drawing.KRT") == figures and not asks_on_leaving(page)
    drawn(FIGURES[:6])
    assert asks_on_leaving(page), "does not ask on leaving after an edit"
    # Every write's transaction aborted, as the browser aborts one past the quota.
    page.js("Tova.real = IDBObjectStore.prototype.put;"
            "IDBObjectStore.prototype.put = function (...a) {"
            "  const r = Tova.real.apply(this, a); this.transaction.abort(); return r; };")
    save_as(page, "drawing.KRT")
    assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
    answer(page, "ok")
    page.wait("return document.getElementById('box').open")
    assert page.js("return document.getElementById('box-input').value") == "TOVA1.KRT", "the name asked again"
    answer(page, "cancel")
    page.js("IDBObjectStore.prototype.put = Tova.real")
    save_as(page, "edited.KRT")
    # Both tabs save one name at once, the one the sample, the other the edited drawing.
    page.d.switch_to.window(second)
    page.open()
    for step in (lambda: save_as(page, "same.KRT", confirm=False),
                 lambda: page.js("document.getElementById('box-ok').click()"), page.idle):
        for handle in (second, first):
            page.d.switch_to.window(handle)
            step()
    page.open()
    assert stored(page, "same.KRT") in (stored(page, "Tova.ini"), stored(page, "edited.KRT")), "one of the two, whole"
    assert stored(page, "drawing.KRT") == figures, "the drawing stored before"


def fits_every_screen(page, figures):
    """At every viewport, and turned, the window fits; clicks or taps draw what the native core draws."""
    def fitted(where, own_size):
        page.wait("const r = document.getElementById('Form1').getBoundingClientRect();"
                  "return r.right <= innerWidth + 0.01 && r.bottom <= innerHeight + 0.01")
        box = page.js("const w = document.getElementById('Form1'), r = w.getBoundingClientRect();"
                      "return [r.left, r.top, r.right, r.bottom, w.offsetWidth, w.offsetHeight,"
                      "        document.documentElement.clientWidth, document.documentElement.clientHeight];")
        left, top, right, bottom, w, h, vw, vh = box
        assert left >= 0 and top >= 0 and right <= vw + 0.01 and bottom <= vh + 0.01, (where, box)
        assert (right - left) / w >= 0.75 * min(vw / w, vh / h), (where, "room unused", box)
        assert (right - left == w) == own_size, (where, "at its own size only where it just fits", box)

    for page.screen in SCREENS:
        width, height, scale, phone = page.screen
        where = f"at {width}x{height}"
        page.open()
        fitted(where, width == 642)
        geometry_matches_layout(page, where)
        play(page, FIGURES, figures, where, touch=phone, files=False)
        page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": height, "height": width, "deviceScaleFactor": scale, "mobile": phone})
        fitted(f"{where} turned", False)
    page.screen = Page.screen


def mouse_double_click_is_the_systems(page, replay, site, folder):
    """A mouse's press is a double click when the browser counts it a second click (as the last of
    FIGURES is, in fits_every_screen), not for coming soon: two quick first clicks are two presses."""
    twice = FIGURES[:-1] + ["at-click 330 100"] * 2
    page.open()
    play(page, twice, native(replay, site, folder, "clicked-twice", twice), "two first clicks", files=False)


def undo_keys(page, replay, site, folder):
    """Ctrl+Z undoes a line unit, Ctrl+Shift+Z and Ctrl+Y redo it, Command for Ctrl as on a Mac: the
    page's controls (Undo and Redo among them) and pictures after each as the core's after the item."""
    keys = [("z", 2), ("Z", 2 | 8), ("z", 4), ("y", 2)]  # CDP's modifiers: 2 Ctrl, 4 Meta, 8 Shift
    lines = FIGURES[:6] + ["press Mundo", "press Mredo", "press Mundo", "press Mredo"]
    steps = (native(replay, site, folder, "undo", lines) / "steps.txt").read_text().splitlines()[6:]
    page.open()
    for line in FIGURES[:6]:
        act(page, line.split())
    for (key, modifiers), want in zip(keys, steps):
        for kind in ("rawKeyDown", "keyUp"):
            page.d.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": kind, "modifiers": modifiers, "key": key,
                                                               "code": f"Key{key.upper()}",
                                                               "windowsVirtualKeyCode": ord(key.upper())})
        page.idle()
        assert state(page) == "\t".join(want.split("\t")[:4]), (key, modifiers)


def devtools(address, target, method):
    """A DevTools command to a tab, not through chromedriver, which refuses every command for a tab
    whose renderer crashed, even afterwards; done once answered or once the renderer crashed."""
    async def send():
        async with open_websocket_url(f"ws://{address}/devtools/page/{target}") as ws:
            await ws.send_message(json.dumps({"id": 1, "method": method}))
            reply = {}
            while reply.get("id") != 1 and reply.get("method") != "Inspector.targetCrashed":
                reply = json.loads(await ws.get_message())
    trio.run(send)


def recovery(url, downloads):
    """A tab's unsaved drawing is kept: two tabs crashed and reloaded are each offered their own and
    restore it; a tab closed unsaved leaves it to the next tab opened, once; a tab the browser
    discarded comes back with it and no question."""
    page = Page(url, downloads)
    drivers, address = [page.d], page.d.capabilities["goog:chromeOptions"]["debuggerAddress"]
    now = ("return [JSON.parse(Tova.module.UTF8ToString(Tova.module._tova_progress())).drawing,"
           "  Object.keys(localStorage).filter(k => k.startsWith('tova-recovery ')).length]")

    def restored(handle, want, asked=True, copies=None):
        page.d.switch_to.window(handle)
        page.wait("return Tova.state.ready || document.getElementById('box').open")
        if asked:
            assert page.js("return document.getElementById('box-text').textContent").startswith(
                "Tova ended without closing last time."), handle
            answer(page, "ok")
        assert page.js("return Tova.state.ready && !document.getElementById('box').open"), "one question"
        drawing, kept = page.js(now)
        assert drawing == want and copies in (None, kept), ("restored", handle, kept)
    try:
        tabs, drawn = [], []
        for script in (FIGURES[:6], FIGURES[6:]):
            if tabs:
                page.d.switch_to.new_window("tab")
            page.open()
            for line in script:
                act(page, line.split())
            page.idle()
            tabs.append(page.d.current_window_handle)
            drawn.append(page.js(now)[0])
        for method in ("Page.crash", "Page.reload"):
            for tab in tabs:
                devtools(address, tab, method)
        options = Options()
        options.add_experimental_option("debuggerAddress", address)
        page.d = webdriver.Chrome(options=options)
        drivers.append(page.d)
        for tab, want in zip(tabs, drawn):
            restored(tab, want)
        page.d.close()  # the second tab, unsaved
        page.d.switch_to.window(tabs[0])
        page.d.switch_to.new_window("tab")
        page.open(recovery=True)
        restored(page.d.current_window_handle, drawn[1], copies=2)  # the first tab's and this one's
        page.js("document.title = 'discarded'")
        page.d.switch_to.new_window("tab")
        page.d.get("chrome://discards")
        before = set(page.d.window_handles)
        page.d.execute_async_script("""
            const done = arguments[0];
            import('chrome://discards/discards.js').then(async m => {
              const tabs = m.getOrCreateDetailsProvider(), {infos} = await tabs.getTabDiscardsInfo();
              tabs.discardById(infos.find(i => i.title === 'discarded').id, 0);
              done();
            });""")
        # The discarded tab comes back as another target, loaded again once it is chosen.
        until(lambda: set(page.d.window_handles) - before, "the tab discarded")
        restored((set(page.d.window_handles) - before).pop(), drawn[1], asked=False, copies=2)
        assert page.js("return document.wasDiscarded")
    finally:
        for driver in reversed(drivers):
            driver.quit()


def axe_finds_nothing(page, where):
    page.js(AXE.read_text())
    found = page.d.execute_async_script("axe.run(document).then(r => arguments[0](r.violations.map("
                                        "v => [v.id, v.impact, v.nodes.map(n => n.target.join(' '))])))")
    assert not found, (where, found)


def accessible_and_copying(page):
    """axe-core finds no fault, with or without a dialog, in the 3D view; "Copy" puts the view there."""
    check = functools.partial(axe_finds_nothing, page)
    page.open()
    check("at start-up")
    page.js("document.getElementById('edit').click()")
    assert page.js("const [u, r] = ['Mundo', 'Mredo'].map(n => document.getElementById(n)),"
                   "  key = e => e.querySelector('.shortcut').getBoundingClientRect();"
                   "return u.previousElementSibling.getAttribute('role') === 'separator' && !u.matches(':disabled')"
                   "  && key(u).right === key(r).right && key(u).left > u.firstChild.getBoundingClientRect().right"), \
        "Undo set apart, greyed but reachable; the shortcuts at the items' right"
    check("with the Edit menu open")
    page.js("document.getElementById('edit').click()")
    page.js("document.getElementById('Mopen').click()")
    page.wait("return document.getElementById('box').open")
    check("with a box open")
    answer(page, "ok")
    page.wait("return document.getElementById('open').open")
    check("with the Open dialog open")
    page.js("document.querySelector('#open button[value=cancel]').click()")
    page.idle()
    for name in ("C9", "copy"):
        page.js("document.getElementById(arguments[0]).click()", name)
        page.idle()
    check("in the 3D view")
    page.wait("return Tova.state.clipWrites >= 1")
    assert page.d.execute_async_script("""
        const done = arguments[0], view = document.getElementById('D'), pixels = c => c.getContext('2d')
          .getImageData(0, 0, c.width, c.height).data.join();
        navigator.clipboard.read().then(async items => {
          const bitmap = await createImageBitmap(await items[0].getType('image/png'));
          const c = new OffscreenCanvas(bitmap.width, bitmap.height); c.getContext('2d').drawImage(bitmap, 0, 0);
          done(pixels(c) === pixels(view));
        }, () => done(false));"""), "the clipboard"


def self_check(page):
    """An exercise link with a key: "Check", beside the window on any screen, scores the drawing and
    shows what differs over the canvas until the next action, leaving the drawing as it was."""
    page.open("?drawing=exercises/block.KRT")
    assert page.js("return document.getElementById('self-check').hidden"), "no key, no check"
    for page.screen in (Page.screen, (390, 844, 3, True)):
        page.open("?drawing=exercises/block.KRT&key=exercises/block-key.KRT")
        assert page.js("const w = document.getElementById('Form1').getBoundingClientRect(),"
                       "  c = document.getElementById('self-check'), b = c.getBoundingClientRect();"
                       "return !document.getElementById('Form1').contains(c) && w.bottom <= b.top"
                       "  && b.bottom <= innerHeight + 0.01 && w.right <= innerWidth + 0.01"), page.screen
        before = pixels(page, "P")
        random_session.click_at(page, page.screen[3], *random_session.center(page, "check"))
        page.wait("return document.getElementById('check-result').textContent")
        assert page.js("return document.getElementById('check-result').textContent") == \
            "80%: 3 missing, 0 extra, 0 wrong line kinds"
        assert page.js("return document.querySelectorAll('.check-overlay g[stroke=\"#e00000\"]').length") == 3
        said = page.js("return [...document.querySelectorAll('#check-words li')].map(li => li.textContent)")
        assert len(said) == 10 and said[0] == "Top view: the circle at (115, 295) with radius 30 is missing.", said
        assert pixels(page, "P") == before and not page.js("return Tova.module._tova_changed()"), "unchanged"
        axe_finds_nothing(page, ("the self-check", page.screen))
        random_session.click_at(page, page.screen[3], *page.at("P", 100, 100))
        page.wait("return !document.querySelector('.check-overlay')")
    page.screen = Page.screen
    page.open("?drawing=exercises/block-key.KRT&key=exercises/block-key.KRT")
    page.d.find_element(By.ID, "check").click()
    page.wait("return document.getElementById('check-result').textContent")
    assert page.js("return document.getElementById('check-result').textContent") == \
        "100%: 0 missing, 0 extra, 0 wrong line kinds"


def exercise(page, replay, site, folder, downloads):
    """An exercise linked (each of the site's, and one made here) or imported: the given views lie
    under the drawing in the canvas's pixels, as the core composes them, and in no saved drawing;
    each aid shows what it should and is counted; a reload keeps the counts and the drawing; the
    edges clicked along the given views are right, while the storage refuses too; the hand-in is
    downloaded and tova-check reads it with the name and the counts."""
    tools, key, made = pathlib.Path(replay).parents[1], pathlib.Path(folder, "angle.KRT"), site / "exercises/angle.exercise"
    key.write_text(ANGLE_KEY, newline="")
    subprocess.run([tools / "tova-exercise", key, "--title", "An angle", "--task", "Draw both edges.", "--given",
                    "front,top,side", "--aids", "check,where,peek,object", "-o", made], check=True)

    def composed(*lines, on=made):  # FNV-1a over the RGBA bytes of the core's canvas after those events
        pathlib.Path(folder, "script.txt").write_text("".join(line + "\n" for line in lines))
        subprocess.run([replay, "--exercise-canvas", on, f"{folder}/canvas.ppm", f"{folder}/script.txt"], check=True)
        rgb, h = pathlib.Path(folder, "canvas.ppm").read_bytes().split(b"\n", 3)[3], 2166136261
        for i in range(0, len(rgb), 3):
            for b in (rgb[i], rgb[i + 1], rgb[i + 2], 255):
                h = (h ^ b) * 16777619 % 2**32
        return h

    def checked(name, bytes_):
        pathlib.Path(folder, name).write_bytes(bytes_)
        run = subprocess.run([tools / "tova-check", "--json", key, pathlib.Path(folder, name)], capture_output=True)
        return json.loads(run.stdout)["drawings"][0]
    kept = lambda: page.js("return Tova.module.UTF8ToString(Tova.module._tova_progress())")  # noqa: E731
    now = lambda: page.js("return JSON.parse(Tova.module.UTF8ToString(Tova.module._tova_exercise()))")  # noqa: E731

    def reload(screen):
        progress, page.screen = kept(), screen
        page.open("?exercise=exercises/angle.exercise")
        assert kept() == progress, ("a reload keeps the counts and the drawing", screen)

    def aid(name, *script):  # the aid's button clicked; the canvas the core's after the same events
        click_at(page, page.screen[3], *center(page, name))
        page.idle()
        assert script == (None,) or pixels(page, "P") == composed(*EDGES[0], *script), (name, page.screen)
    try:
        page.d.get_log("browser")
        page.screen = BESIDE
        for each in sorted(site.glob("exercises/*.exercise")):
            page.open(f"?exercise=exercises/{each.name}")
            assert pixels(page, "P") == composed(on=each), ("the given views under the drawing", each.name)
        page.open()  # imported in the Open dialog, listed there and opened
        page.js("document.getElementById('Mopen').click()")
        answer(page, "ok")
        page.wait("return document.getElementById('open').open")
        page.d.find_element(By.ID, "open-file").send_keys(str(made.resolve()))
        page.wait("return document.getElementById('open-list').value === 'angle.exercise'")
        page.d.find_element(By.ID, "open-ok").click()
        page.idle()
        assert now()["title"] == "An angle" and pixels(page, "P") == composed(), "an exercise imported"
        page.open("?exercise=exercises/angle.exercise")
        save_as(page, "given.KRT")
        assert len(checked("given.KRT", stored(page, "given.KRT"))["missing"]) == 2, "the given views saved"
        for line in EDGES[0]:
            act(page, line.split())
        aid("aid-check")
        words = "Front view: 1 edge missing.\nTop view: 1 edge missing.\nSide view: 1 edge missing."
        assert now()["checkWords"] == words == page.js("return document.getElementById('exercise-words').textContent")
        aid("aid-where", "press aid-where")
        aid("aid-peek", "press aid-where", "press aid-peek")
        until(lambda: pixels(page, "P") == composed(*EDGES[0]), "the peek over after its time")
        aid("aid-object")
        turned = pixels(page, "O")
        page.d.find_element(By.ID, "O").send_keys(Keys.ARROW_RIGHT)
        page.idle()
        assert pixels(page, "O") != turned, "the object turned by the keys"
        assert now()["used"] == [1, 1, 1, 1] and now()["objectShown"]
        axe_finds_nothing(page, "the exercise with the object")
        reload((390, 844, 3, True))
        click_at(page, True, *center(page, "aid-object"))
        page.idle()
        assert page.js("const w = document.getElementById('Form1').getBoundingClientRect(),"
                       "  b = document.getElementById('exercise').getBoundingClientRect(),"
                       "  o = document.getElementById('O').getBoundingClientRect();"
                       "return w.bottom <= b.top + 0.01 && o.left >= 0 && o.right <= innerWidth + 0.01"), "on a phone"
        axe_finds_nothing(page, "the exercise with the object on a phone")
        reload(BESIDE)
        page.js("Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); }")
        for line in EDGES[1]:  # while the browser's storage refuses
            act(page, line.split())
        aid("aid-check", None)
        assert now()["checkWords"] == "Front view: right.\nTop view: right.\nSide view: right."
        click_at(page, False, *center(page, "hand-in"))
        answer(page, "prompt:Anna")
        handed = downloads / "Anna - An angle.KRT"
        until(handed.exists, "the hand-in downloaded")
        got = checked("handed.KRT", handed.read_bytes())
        assert got["score"] == 100 and got["handIn"]["name"] == "Anna" and \
            [got["handIn"][k] for k in ("exercise", "checks", "wheres", "peeks", "objects")] == ["An angle", 2, 1, 1, 2]
        assert not [e for e in page.d.get_log("browser") if e["level"] == "SEVERE"], "an error in the page"
    finally:
        page.screen = Page.screen
        made.unlink()


def links_and_import(page, folder, downloads, site, sample):
    """?drawing= links, a missing one too; the Open dialog imports, downloads and opens a drawing."""
    page.open("?drawing=Tova.ini")
    assert pixels(page, "P") == sample, "?drawing="
    page.open("?drawing=exercises/none.KRT")
    assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
    answer(page, "ok")
    assert page.js("const c = document.getElementById('P'); return c.getContext('2d')"
                   ".getImageData(0, 0, c.width, c.height).data.every(v => v === 255)"), "a missing link: no drawing"
    imported = pathlib.Path(folder, "ex1.KRT")
    shutil.copy(site / "Tova.ini", imported)
    page.js("document.getElementById('Mopen').click()")
    answer(page, "ok")
    page.wait("return document.getElementById('open').open")
    page.d.find_element(By.ID, "open-file").send_keys(str(imported))
    page.wait("return document.getElementById('open-name').value === 'ex1.KRT'")
    page.d.find_element(By.ID, "open-download").click()
    until((downloads / "ex1.KRT").exists, "the download")
    assert (downloads / "ex1.KRT").read_bytes() == imported.read_bytes(), "the download"
    page.d.find_element(By.ID, "open-ok").click()
    page.idle()
    assert pixels(page, "P") == sample, "the imported drawing opened"


def main(site, replay):
    site = pathlib.Path(site)
    with tempfile.TemporaryDirectory() as folder:
        downloads = pathlib.Path(folder, "downloads")
        downloads.mkdir()
        figures = native(replay, site, folder, "figures", FIGURES)
        stop = {}
        with served(site, stop) as url:
            page = Page(url, downloads)
            try:
                first = page.d.current_window_handle
                # A drawing the first version of the page saved, which kept the folder in one
                # database of Emscripten's.
                page.d.get(url + "Malvo.htm")
                page.d.execute_async_script("""
                    const [bytes, done] = arguments, request = indexedDB.open('/drawings', 21);
                    request.onupgradeneeded = () => request.result.createObjectStore('FILE_DATA');
                    request.onsuccess = () => {
                      const tx = request.result.transaction('FILE_DATA', 'readwrite');
                      tx.objectStore('FILE_DATA').put({timestamp: new Date(), mode: 16877}, '/drawings');
                      tx.objectStore('FILE_DATA').put({timestamp: new Date(), mode: 33188,
                                                       contents: new Uint8Array(bytes)}, '/drawings/old.KRT');
                      tx.oncomplete = () => { request.result.close(); done(); };
                    };""", list((site / "Tova.ini").read_bytes()))
                page.open()
                assert stored(page, "old.KRT") == (site / "Tova.ini").read_bytes(), "the first version's drawing"
                page.d.switch_to.new_window("tab")
                second = page.d.current_window_handle
                page.open()
                sample = pixels(page, "P")
                page.d.switch_to.window(first)
                tabs_keep_every_drawing(page, first, second, sample)
                page.d.switch_to.window(second)
                page.d.close()
                page.d.switch_to.window(first)
                links_and_import(page, folder, downloads, site, sample)
                self_check(page)
                exercise(page, replay, site, folder, downloads)
                fits_every_screen(page, figures)
                mouse_double_click_is_the_systems(page, replay, site, folder)
                undo_keys(page, replay, site, folder)
                recovery(url, downloads)
                accessible_and_copying(page)
                random_session.run(page, replay, site, folder, 20261207, 300)
                # Offline: the service worker serves the site, the drawing is the stored one.
                page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
                page.open()
                stored_start = pixels(page, "P")
                stop["server"]()
                page.open()
                assert page.js("return Tova.state.ready && !document.getElementById('box').open"), "offline"
                assert pixels(page, "P") == stored_start, "offline, the stored drawing"
            finally:
                page.d.quit()


if __name__ == "__main__":
    if len(sys.argv) > 3:  # make soak: only a random session, from the seed given, of that many events
        with tempfile.TemporaryDirectory() as folder, served(pathlib.Path(sys.argv[1])) as url:
            page = Page(url, pathlib.Path(folder))
            print(f"random session: seed {sys.argv[3]}, {sys.argv[4]} events", flush=True)
            try:
                random_session.run(page, sys.argv[2], pathlib.Path(sys.argv[1]), folder, *map(int, sys.argv[3:5]))
            finally:
                page.d.quit()
    else:
        main(sys.argv[1], sys.argv[2])
    print("the page works as the window does")
