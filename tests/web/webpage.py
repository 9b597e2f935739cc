"""The page in headless Chromium, for the browser tests, the benchmark and the screenshots: the
site served on 127.0.0.1, a page driven with real input through the DevTools protocol, and what
the page shows read back."""
import base64
import contextlib
import socket
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options


@contextlib.contextmanager
def served(site, stop=None):
    """Serves SITE on 127.0.0.1 while it lasts; yields its address. stop["server"]() stops it early."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", str(port)],
                              cwd=site, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if stop is not None:
        stop["server"] = server.kill
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
        for argument in ("--headless=new", "--no-sandbox", "--window-size=1300,1100"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"download.default_directory": str(downloads)})
        self.d = webdriver.Chrome(options=options)
        self.url = url
        self.d.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.d.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})

    # The viewport (width, height, device pixels to a CSS pixel, a phone's): by default one the page
    # fills at twice its size, so that a canvas pixel is a whole number of CSS pixels and the events
    # land where they do on the native core.
    screen = (1300, 974, 1, False)

    def open(self, query=""):
        width, height, scale, phone = self.screen
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": phone})
        self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 1})
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

    def at(self, canvas, x, y):
        """Where a point of a picture box (in its own pixels) is on the screen, at the page's scale."""
        return self.js("const c = document.getElementById(arguments[0]), r = c.getBoundingClientRect();"
                       "return [r.left + arguments[1] * r.width / c.width, r.top + arguments[2] * r.height / c.height];",
                       canvas, x, y)

    def pixels(self, name):
        data = self.js("const c = document.getElementById(arguments[0]);"
                       "const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;"
                       "let s = ''; for (let i = 0; i < d.length; i += 8192)"
                       "  s += String.fromCharCode.apply(null, d.subarray(i, i + 8192));"
                       "return btoa(s);", name)
        return base64.b64decode(data)

    def stored(self, name):
        """The bytes of the drawing stored under that name, or None."""
        data = self.d.execute_async_script(
            "const done = arguments[1]; TovaDrawings.read(arguments[0]).then("
            "  b => done(b ? Array.from(b) : null), () => done(null));", name)
        return None if data is None else bytes(data)

    def state(self):
        """As web_replay writes it: the enabled and shown controls, the readouts, and digests of the
        canvas's and the 3D view's pixels (FNV-1a over their RGBA bytes), tab-separated."""
        return self.js("""
            const names = ['C0','C1','C2','C3','C4','C5','C6','C7','C8','CC8','C9','C10','C11','C12','C13',
              'C14','C15','C16','a1','a2','a3','a4','a5','cpp','cqq','cdd','Check1','Check2','Check3',
              'Text1','Text2','Text3','Mfile','pbk'];
            const get = n => document.getElementById(n);
            const on = n => !get(n).disabled && !(get(n).querySelector && get(n).querySelector('input:disabled'));
            const digest = n => { const d = get(n).getContext('2d').getImageData(0, 0, get(n).width, get(n).height).data;
              let h = 2166136261; for (let i = 0; i < d.length; i++) h = Math.imul(h ^ d[i], 16777619);
              return h >>> 0; };
            return ['enabled: ' + names.filter(on).join(' ') + '; shown: Form1 ' +
                    ['P', 'D'].filter(n => !get(n).parentElement.hidden).join(' '),
                    ['Text1', 'Text2', 'Text3'].map(n => get(n).value).join('|'), digest('P'), digest('D')].join('\t');""")


def geometry_matches_layout(page, where):
    """Every control and both pictures' drawing areas stand where the layout puts them, at the
    page's scale (within a device pixel); on a screenshot the pane dividers lie on the canvas's
    column and row 216 and nowhere near (dark there, light two canvas pixels off, where a scale
    that is not whole shades a line's edges)."""
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
