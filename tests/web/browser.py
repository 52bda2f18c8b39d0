"""The browser tests' support: the browser build (build-web, made by
scripts/web.sh --build) served on a free port of 127.0.0.1 with the recorded
demos beside it, and headless Chromium opening the page. Everything waits on
what the page reports (window.quorvel in platform/web/page/page.js)."""

import functools
import http.server
import os
import re
import shutil
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.environ.get("QUORVEL_SOURCE", os.path.normpath(os.path.join(HERE, "..", "..")))
BUILD = os.path.join(SOURCE, "build-web")
DEMO_FOLDERS = {"game": os.path.join(SOURCE, "tests", "game", "demos"), "bench": os.path.join(SOURCE, "bench", "demos")}
FIGURES = re.compile(r"^(\d+) frames, [\d.]+ seconds, ([\d.]+) frames per second$")
OUT_OF_STEP = "went out of step"
# Only a hung page runs into it.
PATIENCE = 540
CHROMIUM_FLAGS = (
    "--no-sandbox --use-angle=swiftshader --enable-unsafe-swiftshader --headless=new "
    "--disable-background-networking --disable-component-update --disable-sync --no-first-run "
    "--window-size=1280,1024"
).split()


def frames_in(demo_text):
    return sum(1 for line in demo_text.splitlines() if line.split()[:1] == ["frame"])


class Site:
    """build-web at the root, the demo folders under demos/, and a folder of
    the test's own under made/."""

    def __init__(self):
        if not os.path.exists(os.path.join(BUILD, "quorvel.wasm")):
            raise RuntimeError("no browser build in %s: run scripts/web.sh --build" % BUILD)
        self.made = tempfile.mkdtemp(prefix="quorvel-web-")
        roots = [("/demos/%s/" % name, folder) for name, folder in DEMO_FOLDERS.items()] + [("/made/", self.made)]

        class Handler(http.server.SimpleHTTPRequestHandler):
            def translate_path(self, path):
                plain = path.split("?", 1)[0]
                for prefix, folder in roots:
                    if plain.startswith(prefix):
                        return os.path.join(folder, os.path.basename(plain))
                return super().translate_path(path)

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=BUILD))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.address = "http://127.0.0.1:%d/" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.made, ignore_errors=True)


class Browser:
    def __init__(self, site):
        self.site = site
        self.profile = tempfile.mkdtemp(prefix="quorvel-chromium-")
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.binary_location = "/usr/bin/chromium"
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_script_timeout(PATIENCE)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def open(self, query=""):
        self.driver.get(self.site.address + query)

    def wait(self, what):
        """Waits for the page's whenDrawn or whenFinished; returns what the page reports."""
        return self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "quorvel.when%s(() => done(JSON.parse(JSON.stringify(quorvel))));" % what
        )

    def errors(self):
        """The console's errors since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


class TimedDemos(unittest.TestCase):
    """Every demo of a folder (FOLDER, a key of DEMO_FOLDERS) plays to its end
    in the page as a timed demo, prints its figures and leaves no error in
    the console. A demo that goes out of step is reported, not failed, for now.
    WINDOW: "recorded" plays each at the size it was recorded at, WxH at that
    size (the pointer scaled, the steering not: the run may differ)."""

    FOLDER = None
    WINDOW = "recorded"

    @classmethod
    def setUpClass(cls):
        cls.site = Site()
        cls.browser = Browser(cls.site)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def play_every_demo(self):
        size = "" if self.WINDOW == "recorded" else "&window=" + self.WINDOW
        folder = DEMO_FOLDERS[self.FOLDER]
        for file in sorted(name for name in os.listdir(folder) if name.endswith(".demo")):
            address = "demos/%s/%s" % (self.FOLDER, file)
            with self.subTest(demo=address):
                with open(os.path.join(folder, file)) as demo:
                    frames = frames_in(demo.read())
                self.browser.open("?timedemo=%s%s" % (address, size))
                page = self.browser.wait("Finished")
                self.assertEqual(page["status"], 0, page["stderr"])
                figures = [match for match in map(FIGURES.match, page["stdout"]) if match]
                self.assertEqual([int(match.group(1)) for match in figures], [frames], page["stdout"])
                print("%s: %s" % (address, figures[0].group(0)))
                for line in page["stderr"]:
                    if OUT_OF_STEP in line:
                        print("%s: %s" % (address, line))
                self.assertEqual(self.browser.errors(), [])
