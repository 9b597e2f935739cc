#!/usr/bin/python3
"""The page in real headless Chromium, against the native core: tests/web/session.txt is played
by web_replay on the core and by real pointer events, clicks and dialog answers on the page served
from 127.0.0.1. After each event the page's enabled and shown controls are the core's; at the end
its canvas and 3D view are the core's pixel for pixel, its saved drawing the core's byte for byte,
and the clipboard holds the 3D view. Then: the save survives a reload, a ?drawing= link starts on
its drawing (a missing one gives the start-up message and an empty drawing), and the Open dialog
imports and downloads a drawing.
Usage: browser_test.py SITE_DIR WEB_REPLAY"""
import base64
import contextlib
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.common.by import By

HERE = pathlib.Path(__file__).resolve().parent


@contextlib.contextmanager
def served(site):
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", str(port)],
                              cwd=site, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(50):
            with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port)):
                break
            time.sleep(0.1)
        yield f"http://127.0.0.1:{port}/"
    finally:
        server.kill()


class Page:
    def __init__(self, url, downloads):
        options = Options()
        for argument in ("--headless=new", "--no-sandbox", "--window-size=900,700"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"download.default_directory": str(downloads)})
        self.d = webdriver.Chrome(options=options)
        self.url = url
        self.d.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.d.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})

    def open(self, query=""):
        self.d.get(self.url + query)
        self.wait("return !!(window.Tova && (Tova.state.ready || document.getElementById('box').open))")

    def wait(self, script, seconds=10):
        end = time.time() + seconds
        while not self.d.execute_script(script):
            assert time.time() < end, script
            time.sleep(0.02)

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def idle(self):
        self.wait("return !Tova.state.busy || document.querySelector('dialog[open]')")

    def mouse(self, kind, canvas, x, y, clicks=1):
        left, top = self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                            "return [r.left, r.top];", canvas)
        event = {"type": kind, "x": left + x, "y": top + y, "button": "left" if kind != "mouseMoved" else "none",
                 "clickCount": clicks}
        self.d.execute_cdp_cmd("Input.dispatchMouseEvent", event)
        if kind == "mousePressed":
            self.d.execute_cdp_cmd("Input.dispatchMouseEvent", {**event, "type": "mouseReleased"})
        self.idle()

    def answer(self, button, text=None):
        self.wait("return document.getElementById('box').open")
        if text is not None:
            field = self.d.find_element(By.ID, "box-input")
            field.clear()
            field.send_keys(text)
        self.d.find_element(By.ID, f"box-{button}").click()
        self.idle()

    def pixels(self, name):
        data = self.js("const c = document.getElementById(arguments[0]);"
                       "const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
                       "let s = ''; for (let i = 0; i < d.length; i += 8192)"
                       "  s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));"
                       "return btoa(s);", name)
        return base64.b64decode(data)

    def controls(self):
        return self.js("""
            const names = ['C0','C1','C2','C3','C4','C5','C6','C7','C8','CC8','C9','C10','C11','C12','C13',
              'C14','C15','C16','a1','a2','a3','a4','a5','cpp','cqq','cdd','Check1','Check2','Check3',
              'Text1','Text2','Text3','Mfile','pbk'];
            const off = n => { const e = document.getElementById(n);
              return (e.disabled === true) || !!(e.querySelector && e.querySelector('input:disabled')); };
            const shown = ['P', 'D'].filter(n => !document.getElementById(n).parentElement.hidden);
            return 'enabled: ' + names.filter(n => !off(n)).join(' ') + '; shown: Form1 ' + shown.join(' ');""")


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
        want = next(expected).rsplit("; beeps", 1)[0]
        assert page.controls() == want, (events[i - 1], page.controls(), want)


def main(site, replay):
    site = pathlib.Path(site)
    with tempfile.TemporaryDirectory() as folder:
        native, downloads = pathlib.Path(folder, "native"), pathlib.Path(folder, "downloads")
        native.mkdir()
        downloads.mkdir()
        shutil.copy(site / "Tova.ini", native / "Tova.ini")
        subprocess.run([replay, HERE / "session.txt", native], check=True)
        with served(site) as url:
            page = Page(url, downloads)
            try:
                page.open()
                assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "start-up on the sample"
                play(page, HERE / "session.txt", native / "steps.txt")
                for name in ("P", "D"):
                    assert page.pixels(name) == (native / f"{name}.rgba").read_bytes(), name
                saved = bytes(page.js("return Array.from(Tova.module.FS.readFile('/drawings/drawing.KRT'))"))
                assert saved == (native / "drawing.KRT").read_bytes(), "the saved drawing"
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

                page.js("return Tova.persist()")
                page.open()  # a reload: the saved drawing is still stored
                assert "drawing.KRT" in page.js("return Tova.module.FS.readdir('/drawings')")

                page.open("?drawing=Tova.ini")  # a link to a drawing on the site
                assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "?drawing="
                page.open("?drawing=exercises/none.KRT")
                assert page.js("return document.getElementById('box-text').textContent") == "Three Is A Error! Retry!"
                page.answer("ok")
                assert set(page.pixels("P")) == {255}, "a missing linked drawing leaves the drawing empty"

                # Import a drawing from the computer, download it again, and open it.
                imported = pathlib.Path(folder, "ex1.KRT")
                shutil.copy(site / "Tova.ini", imported)
                page.js("document.getElementById('Mopen').click()")
                page.answer("ok")
                page.wait("return document.getElementById('open').open")
                page.d.find_element(By.ID, "open-file").send_keys(str(imported))
                page.wait("return document.getElementById('open-name').value === 'ex1.KRT'")
                page.d.find_element(By.ID, "open-download").click()
                page.wait("return true")
                end = time.time() + 10
                while not (downloads / "ex1.KRT").exists() and time.time() < end:
                    time.sleep(0.1)
                assert (downloads / "ex1.KRT").read_bytes() == imported.read_bytes(), "the download"
                page.d.find_element(By.ID, "open-ok").click()
                page.idle()
                assert page.pixels("P") == (native / "start-P.rgba").read_bytes(), "the imported drawing opened"
            finally:
                page.d.quit()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
    print("the page works as the window does")
