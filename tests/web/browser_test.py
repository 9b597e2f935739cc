#!/usr/bin/python3
"""The page in real headless Chromium, against the native core: tests/web/session.txt is played
by web_replay on the core and by real pointer events, clicks and dialog answers on the page served
from 127.0.0.1. After each event the page's enabled and shown controls are the core's; at the end
its canvas and 3D view are the core's pixel for pixel, its saved drawing the core's byte for byte,
and the clipboard holds the 3D view. Then: two tabs of one profile keep each other's drawings, two
saves of one name leave one whole, a refused save takes the failed-save path and spoils nothing,
leaving asks exactly when the drawing changed; a ?drawing= link starts on its drawing (a missing one
gives the start-up message and an empty drawing), the Open dialog imports and downloads a drawing;
at five screens the window fits and clicks or taps draw what the core draws; offline, the page
starts on its stored drawing.
Usage: browser_test.py SITE_DIR WEB_REPLAY"""
import base64
import pathlib
import shutil
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

import random_session
from webpage import Page, geometry_matches_layout, served

HERE = pathlib.Path(__file__).resolve().parent


def act(page, w):
    if w[0] in ("answer", "prompt"):
        page.answer("ok" if w[0] == "prompt" or w[1] == "ok" else "cancel", w[1] if w[0] == "prompt" else None)
    elif w[0] == "click" and len(w) == 2:
        page.js("document.getElementById(arguments[0]).click()", w[1])
        page.idle()
    elif w[0] == "click":
        page.mouse("mouseMoved", w[1], int(w[2]), int(w[3]))
        page.mouse("mousePressed", w[1], int(w[2]), int(w[3]))
    elif w[0] == "move":
        page.mouse("mouseMoved", w[1], int(w[2]), int(w[3]))
    elif w[0] == "dblclick":
        page.mouse("mousePressed", w[1], int(w[2]), int(w[3]), clicks=2)
    elif w[0] == "scroll":
        page.js("const e = document.getElementById(arguments[0]); e.value = arguments[1];"
                "e.dispatchEvent(new Event('input'));", w[1], int(w[2]))
        page.idle()


def play(page, script, steps):
    """Each event with the answers that follow it, then the controls as the core had them."""
    events = [line.split() for line in script.read_text().splitlines() if line.strip() and not line.startswith("#")]
    expected = iter(steps.read_text().splitlines())
    i = 0
    while i < len(events):
        act(page, events[i])
        i += 1
        while i < len(events) and events[i][0] in ("answer", "prompt"):
            act(page, events[i])
            i += 1
        want = next(expected).rsplit("\t", 2)[0]
        assert page.state() == want, (events[i - 1], page.state(), want)


def native_run(replay, site, folder, name, events):
    """The events played on the native core; its folder, holding P.rgba and any saved drawing."""
    out = pathlib.Path(folder, name)
    out.mkdir()
    shutil.copy(site / "Tova.ini", out / "Tova.ini")
    (out / "script.txt").write_text("\n".join(events) + "\n")
    subprocess.run([replay, out / "script.txt", out], check=True, stdout=subprocess.DEVNULL)
    return out


def session_matches_native(page, native):
    """The session on the page, against the native core: controls after every event, the pictures,
    the saved drawing and the clipboard at the end."""
    assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "start-up on the sample"
    play(page, HERE / "session.txt", native / "steps.txt")
    for name in ("P", "D"):
        assert page.pixels(name) == (native / f"{name}.rgba").read_bytes(), name
    assert page.stored("drawing.KRT") == (native / "drawing.KRT").read_bytes(), "the saved drawing"
    assert page.js("return Tova.state.clipWrites") >= 1, "nothing went to the clipboard"
    clip = page.d.execute_async_script("""
        const done = arguments[0];
        navigator.clipboard.read().then(async items => {
          const bitmap = await createImageBitmap(await items[0].getType('image/png'));
          const c = document.createElement('canvas'); c.width = bitmap.width; c.height = bitmap.height;
          const x = c.getContext('2d'); x.drawImage(bitmap, 0, 0);
          const d = x.getImageData(0, 0, c.width, c.height).data; let s = '';
          for (let i = 0; i < d.length; i += 8192) s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));
          done(btoa(s));
        }, () => done(''));""")
    assert base64.b64decode(clip) == (native / "clipboard.rgba").read_bytes(), "the clipboard"


def save_as(page, name):
    page.js("document.getElementById('Msave').click()")
    page.answer("ok")
    page.answer("ok", name)


def open_stored(page, name):
    """Opens a stored drawing through the Open dialog; the names the dialog listed."""
    page.js("document.getElementById('Mopen').click()")
    page.answer("ok")
    page.wait("return document.getElementById('open').open && document.getElementById('open-list').options.length")
    listed = page.js("return Array.from(document.getElementById('open-list').options, o => o.value)")
    page.js("document.getElementById('open-name').value = arguments[0]", name)
    page.d.find_element(By.ID, "open-ok").click()
    page.idle()
    return listed


def asks_on_leaving(page):
    return page.js("const e = document.createEvent('BeforeUnloadEvent'); e.initEvent('beforeunload', false, true);"
                   "window.dispatchEvent(e); return e.defaultPrevented;")


def tabs_keep_every_drawing(page, first, second, native, sample):
    """Two tabs of one profile, both open before either saves: each one's drawing survives the other's
    save and a reload; two saves of one name leave one of the two whole; a refused save is reported,
    asked again, and leaves the drawing stored before whole."""
    page.d.switch_to.window(second)
    save_as(page, "second.KRT")
    page.d.switch_to.window(first)
    page.open()
    assert {"drawing.KRT", "second.KRT"} <= set(open_stored(page, "second.KRT")), "both tabs' drawings listed"
    assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "the other tab's drawing opened whole"
    assert not asks_on_leaving(page), "asks on leaving after Open with no edit"
    open_stored(page, "drawing.KRT")
    assert page.stored("drawing.KRT") == (native / "drawing.KRT").read_bytes()
    assert not asks_on_leaving(page)
    page.js("document.getElementById('C0').click()")
    for x, y in ((10, 20), (100, 60), (50, 300), (60, 350)):
        page.mouse("mouseMoved", "P", x, y)
        page.mouse("mousePressed", "P", x, y)
    page.js("document.getElementById('C7').click()")
    page.idle()
    assert asks_on_leaving(page), "does not ask on leaving after an edit"

    # The browser refuses to store: the failed-save path, and the drawing stored before stays whole.
    # (every write's transaction is aborted, as the browser aborts one that exceeds the quota)
    page.js("Tova.real = IDBObjectStore.prototype.put;"
            "IDBObjectStore.prototype.put = function (...a) {"
            "  const r = Tova.real.apply(this, a); this.transaction.abort(); return r; };")
    save_as(page, "drawing.KRT")
    assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
    page.answer("ok")
    page.wait("return document.getElementById('box').open")
    assert page.js("return document.getElementById('box-input').value") == "TOVA1.KRT", "the name asked again"
    page.answer("cancel")
    assert asks_on_leaving(page), "a refused save counted as saved"
    assert page.stored("drawing.KRT") == (native / "drawing.KRT").read_bytes(), "the drawing stored before"
    page.js("IDBObjectStore.prototype.put = Tova.real")
    save_as(page, "edited.KRT")
    assert not asks_on_leaving(page), "asks on leaving after a save"
    edited = page.stored("edited.KRT")

    # Both tabs save one name at once, the one the sample, the other the edited drawing.
    page.d.switch_to.window(second)
    page.open()
    for handle in (second, first):
        page.d.switch_to.window(handle)
        page.js("document.getElementById('Msave').click()")
        page.answer("ok")
        page.wait("return document.getElementById('box').open")
        page.js("document.getElementById('box-input').value = 'same.KRT'")
    for handle in (second, first):
        page.d.switch_to.window(handle)
        page.js("document.getElementById('box-ok').click()")
    for handle in (second, first):
        page.d.switch_to.window(handle)
        page.idle()
    page.open()
    assert page.stored("same.KRT") in (sample, edited), "one of the two drawings, whole"
    assert page.stored("drawing.KRT") == (native / "drawing.KRT").read_bytes()


# A line unit, then a circle committed by a double click, on an empty drawing; points of separate
# presses at least 16 CSS pixels apart on a phone, so that they are no double tap.
FIGURES = ["click Mnew", "answer ok", "click C0", "click P 10 20", "click P 100 60", "click P 50 300",
           "click P 60 350", "click C7", "click C1", "click P 160 60", "click P 190 60", "click P 330 100",
           "dblclick P 330 100"]
# Viewports: width, height, device pixels to a CSS pixel, a phone's.
SCREENS = [(1920, 1080, 1, False), (1366, 768, 1, False), (768, 1024, 1, True), (390, 844, 3, True),
           (2560, 1440, 2, False), (642, 479, 1, False)]


def fits_every_screen(page, drawn):
    """At every viewport, and again when it is turned, the whole window is inside it and uses the
    room it has; mouse clicks at canvas points, and on a tablet or phone taps and a double tap, draw
    what the native core draws."""
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
        page.open()
        fitted(f"at {width}x{height}", width == 642)
        geometry_matches_layout(page, f"at {width}x{height}")
        for line in FIGURES:
            w = line.split()
            if w[0] == "answer":
                page.answer(w[1])
            elif w[1].startswith("M"):  # a menu item
                page.js("document.getElementById(arguments[0]).click()", w[1])
            elif len(w) == 2:
                tap_or_click(page, phone, "button", w[1])
            else:
                tap_or_click(page, phone, w[0], w[1], int(w[2]) + 0.5, int(w[3]) + 0.5)
        assert page.pixels("P") == drawn, (width, height, "the figures")
        page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": height, "height": width, "deviceScaleFactor": scale, "mobile": phone})
        fitted(f"at {width}x{height} turned", False)
    page.screen = Page.screen


def tap_or_click(page, touch, kind, name, x=None, y=None):
    """A press on a button or a picture box's point: a tap (with touch) or a click (the pointer
    moved there first); a double click (a second tap) there."""
    if kind == "button":
        x, y = page.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return [(r.left + r.right) / 2, (r.top + r.bottom) / 2];", name)
    else:
        x, y = page.at(name, x, y)
    if touch:
        page.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        page.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    else:
        clicks = 2 if kind == "dblclick" else 1
        page.d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y, "button": "none"})
        for event in ("mousePressed", "mouseReleased"):
            page.d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": event, "x": x, "y": y, "button": "left",
                                                                "clickCount": clicks})
    page.idle()


AXE = HERE / "node_modules" / "axe-core" / "axe.min.js"


def accessible(page):
    """axe-core, the standard rule engine, finds no violation of the accessibility rules at start-up,
    with a box open, with the Open dialog open, and in the 3D view."""
    def check(where):
        page.js(AXE.read_text())
        found = page.d.execute_async_script("axe.run(document).then(r => arguments[0](r.violations.map("
                                            "v => [v.id, v.impact, v.nodes.map(n => n.target.join(' '))])))")
        assert not found, (where, found)
    page.open()
    check("at start-up")
    page.js("document.getElementById('Mopen').click()")
    page.wait("return document.getElementById('box').open")
    check("with a box open")
    page.answer("ok")
    page.wait("return document.getElementById('open').open")
    check("with the Open dialog open")
    page.js("document.querySelector('#open button[value=cancel]').click()")
    page.idle()
    page.js("document.getElementById('C9').click()")
    page.idle()
    assert not page.js("return document.getElementById('D').parentElement.hidden"), "MAKE-3D"
    check("in the 3D view")


def links_and_import(page, native, folder, downloads, site):
    """A ?drawing= link starts on its drawing, a missing one on the start-up message and an empty
    drawing; the Open dialog imports a drawing from the computer, downloads it, and opens it."""
    page.open("?drawing=Tova.ini")
    assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "?drawing="
    page.open("?drawing=exercises/none.KRT")
    assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
    page.answer("ok")
    assert set(page.pixels("P")) == {255}, "a missing linked drawing leaves the drawing empty"
    imported = pathlib.Path(folder, "ex1.KRT")
    shutil.copy(site / "Tova.ini", imported)
    page.js("document.getElementById('Mopen').click()")
    page.answer("ok")
    page.wait("return document.getElementById('open').open")
    page.d.find_element(By.ID, "open-file").send_keys(str(imported))
    page.wait("return document.getElementById('open-name').value === 'ex1.KRT'")
    page.d.find_element(By.ID, "open-download").click()
    end = time.time() + 10
    while not (downloads / "ex1.KRT").exists() and time.time() < end:
        time.sleep(0.1)
    assert (downloads / "ex1.KRT").read_bytes() == imported.read_bytes(), "the download"
    page.d.find_element(By.ID, "open-ok").click()
    page.idle()
    assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "the imported drawing opened"


def main(site, replay):
    site = pathlib.Path(site)
    with tempfile.TemporaryDirectory() as folder:
        downloads = pathlib.Path(folder, "downloads")
        downloads.mkdir()
        native = native_run(replay, site, folder, "native", (HERE / "session.txt").read_text().splitlines())
        drawn = (native_run(replay, site, folder, "figures", FIGURES) / "P.rgba").read_bytes()
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
                assert page.stored("old.KRT") == (site / "Tova.ini").read_bytes(), "the first version's drawing"
                page.d.switch_to.new_window("tab")
                second = page.d.current_window_handle
                page.open()
                page.d.switch_to.window(first)
                session_matches_native(page, native)
                tabs_keep_every_drawing(page, first, second, native, (site / "Tova.ini").read_bytes())
                page.d.switch_to.window(second)
                page.d.close()
                page.d.switch_to.window(first)
                links_and_import(page, native, folder, downloads, site)
                fits_every_screen(page, drawn)
                accessible(page)
                random_session.run(page, replay, site, folder, 20261207, 300)
                # Offline: the service worker serves the site, the drawing is the stored one.
                page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
                stop["server"]()
                page.open()
                assert page.js("return Tova.state.ready && !document.getElementById('box').open"), "offline"
                assert set(page.pixels("P")) != {255}, "offline, the stored drawing"
            finally:
                page.d.quit()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("the page works as the window does")
