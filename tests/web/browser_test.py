#!/usr/bin/python3
"""The page in real headless Chromium, served from 127.0.0.1, against the native core
(web_replay): its storage, screens, accessibility, clipboard, a seeded random session, offline.
Usage: browser_test.py SITE_DIR WEB_REPLAY"""
import pathlib
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

import random_session
from random_session import act, answer, native, play
from webpage import Page, geometry_matches_layout, served

HERE = pathlib.Path(__file__).resolve().parent
AXE = HERE.parent.parent / "node_modules" / "axe-core" / "axe.min.js"
# A line unit, then a circle committed by a double click; the points of separate presses at least
# 16 CSS pixels apart on a phone, so that they make no double tap.
FIGURES = ["press C0", "at-click 10 20", "at-click 100 60", "at-click 50 300", "at-click 60 350", "press C7",
           "press C1", "at-click 160 60", "at-click 190 60", "at-double 330 100"]
# Viewports: width, height, device pixels to a CSS pixel, a phone's or a tablet's.
SCREENS = [(1920, 1080, 1, False), (1366, 768, 1, False), (768, 1024, 1, True), (390, 844, 3, True),
           (2560, 1440, 2, False), (642, 479, 1, False)]


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
    page.wait("return document.getElementById('open').open && document.getElementById('open-list').options.length")
    listed = page.js("return Array.from(document.getElementById('open-list').options, o => o.value)")
    page.js("document.getElementById('open-name').value = arguments[0]", name)
    page.d.find_element(By.ID, "open-ok").click()
    page.idle()
    return listed


def asks_on_leaving(page):
    return page.js("const e = document.createEvent('BeforeUnloadEvent'); e.initEvent('beforeunload', false, true);"
                   "window.dispatchEvent(e); return e.defaultPrevented;")


def tabs_keep_every_drawing(page, first, second, sample):
    """Two tabs of one profile, both open before either saves: each one's drawing survives the other's
    save and a reload; a refused save is reported, asked again, and leaves the drawing stored before
    whole; two saves of one name leave one of the two whole."""
    def drawn(lines):
        for line in lines:
            act(page, line.split())
        page.idle()
    drawn(FIGURES)
    save_as(page, "drawing.KRT")
    figures = page.stored("drawing.KRT")
    page.d.switch_to.window(second)
    save_as(page, "second.KRT")
    page.d.switch_to.window(first)
    page.open()
    assert {"drawing.KRT", "second.KRT"} <= set(open_stored(page, "second.KRT")), "both tabs' drawings listed"
    assert page.pixels("P") == sample, "the other tab's drawing opened whole"
    assert not asks_on_leaving(page), "asks on leaving after Open with no edit"
    open_stored(page, "drawing.KRT")
    assert page.stored("drawing.KRT") == figures and not asks_on_leaving(page)
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
    assert asks_on_leaving(page), "a refused save counted as saved"
    page.js("IDBObjectStore.prototype.put = Tova.real")
    save_as(page, "edited.KRT")
    assert not asks_on_leaving(page), "asks on leaving after a save"
    # Both tabs save one name at once, the one the sample, the other the edited drawing.
    page.d.switch_to.window(second)
    page.open()
    for step in (lambda: save_as(page, "same.KRT", confirm=False),
                 lambda: page.js("document.getElementById('box-ok').click()"), page.idle):
        for handle in (second, first):
            page.d.switch_to.window(handle)
            step()
    page.open()
    assert page.stored("same.KRT") in (page.stored("Tova.ini"), page.stored("edited.KRT")), "one of the two, whole"
    assert page.stored("drawing.KRT") == figures, "the drawing stored before"


def fits_every_screen(page, figures):
    """At every viewport, and again when it is turned, the whole window is inside it, uses the room it
    has and stands where the layout puts it; mouse clicks at canvas points, and on a tablet or phone
    taps and a double tap, draw what the native core draws."""
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
    answer(page, "ok")
    page.wait("return document.getElementById('open').open")
    check("with the Open dialog open")
    page.js("document.querySelector('#open button[value=cancel]').click()")
    page.idle()
    page.js("document.getElementById('C9').click()")
    page.idle()
    assert not page.js("return document.getElementById('D').parentElement.hidden"), "MAKE-3D"
    check("in the 3D view")


def links_and_import(page, folder, downloads, site, sample):
    """A ?drawing= link starts on its drawing, a missing one on the start-up message and an empty
    drawing; the Open dialog imports a drawing from the computer, downloads it, and opens it."""
    page.open("?drawing=Tova.ini")
    assert page.pixels("P") == sample, "?drawing="
    page.open("?drawing=exercises/none.KRT")
    assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
    answer(page, "ok")
    assert set(page.pixels("P")) == {255}, "a missing linked drawing leaves the drawing empty"
    imported = pathlib.Path(folder, "ex1.KRT")
    shutil.copy(site / "Tova.ini", imported)
    page.js("document.getElementById('Mopen').click()")
    answer(page, "ok")
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
    assert page.pixels("P") == sample, "the imported drawing opened"


def clipboard_holds_the_view(page):
    """"Copy" puts the 3D view's picture on the system clipboard."""
    for name in ("C9", "copy"):
        page.js("document.getElementById(arguments[0]).click()", name)
        page.idle()
    page.wait("return Tova.state.clipWrites >= 1")
    assert page.d.execute_async_script("""
        const done = arguments[0], view = document.getElementById('D'), pixels = c => c.getContext('2d')
          .getImageData(0, 0, c.width, c.height).data.join();
        navigator.clipboard.read().then(async items => {
          const bitmap = await createImageBitmap(await items[0].getType('image/png'));
          const c = new OffscreenCanvas(bitmap.width, bitmap.height); c.getContext('2d').drawImage(bitmap, 0, 0);
          done(pixels(c) === pixels(view));
        }, () => done(false));"""), "the clipboard"


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
                assert page.stored("old.KRT") == (site / "Tova.ini").read_bytes(), "the first version's drawing"
                page.d.switch_to.new_window("tab")
                second = page.d.current_window_handle
                page.open()
                sample = page.pixels("P")
                page.d.switch_to.window(first)
                tabs_keep_every_drawing(page, first, second, sample)
                page.d.switch_to.window(second)
                page.d.close()
                page.d.switch_to.window(first)
                links_and_import(page, folder, downloads, site, sample)
                fits_every_screen(page, figures)
                accessible(page)
                clipboard_holds_the_view(page)
                random_session.run(page, replay, site, folder, 20261207, 300)
                # Offline: the service worker serves the site, the drawing is the stored one.
                page.d.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
                stop["server"]()
                page.open()
                assert page.js("return Tova.state.ready && !document.getElementById('box').open"), "offline"
                assert page.pixels("P") == sample, "offline, the stored drawing"
            finally:
                page.d.quit()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("the page works as the window does")
