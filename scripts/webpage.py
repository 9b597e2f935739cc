"""Tova's page in headless Chromium, for the browser tests, the benchmark and the screenshots: the
site served on 127.0.0.1, and a page opened at a chosen viewport and driven through the DevTools
protocol."""
import contextlib
import functools
import http.server
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options


@contextlib.contextmanager
def served(site, stop=None):
    """Serves SITE on 127.0.0.1 while it lasts; yields its address. stop["server"]() stops it early."""
    quiet = type("Quiet", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *args: None})
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(quiet, directory=str(site)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    if stop is not None:
        stop["server"] = lambda: (server.shutdown(), server.server_close())
    try:
        yield f"http://127.0.0.1:{server.server_port}/"
    finally:
        server.shutdown()


class Page:
    def __init__(self, url, downloads):
        options = Options()
        for argument in ("--headless=new", "--no-sandbox", "--window-size=1300,1100"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"download.default_directory": str(downloads)})
        # chrome://discards, where a test has the browser discard a tab.
        options.add_experimental_option("localState", {"internal_only_uis_enabled": True})
        self.d = webdriver.Chrome(options=options)
        self.url = url
        self.d.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.d.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": str(downloads)})

    # The viewport (width, height, device pixels to a CSS pixel, a phone's): by default one the page
    # fills at twice its size, so that a canvas pixel is a whole number of CSS pixels and the events
    # land where they do on the native core.
    screen = (1300, 974, 1, False)

    def open(self, query="", recovery=False):
        """Loads the page; without `recovery`, the drawings that tabs left unsaved are forgotten first,
        so that the page starts without offering one."""
        width, height, scale, phone = self.screen
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": phone})
        self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 1})
        if not recovery:
            self.js("try { Object.keys(localStorage).filter(k => k.startsWith('tova-recovery '))"
                    "  .forEach(k => localStorage.removeItem(k)); } catch (e) { /* not the site's page */ }")
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
