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


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Site:
    """build-web at the root, the demo folders under demos/, and a folder of
    the test's own under made/."""

    def __init__(self):
        if not os.path.exists(os.path.join(BUILD, "quorvel.wasm")):
            raise RuntimeError("no browser build in %s: run scripts/web.sh --build" % BUILD)
        self.root = tempfile.mkdtemp(prefix="quorvel-web-")
        self.made = os.path.join(self.root, "made")
        os.makedirs(os.path.join(self.root, "demos"))
        os.mkdir(self.made)
        for name in os.listdir(BUILD):
            os.symlink(os.path.join(BUILD, name), os.path.join(self.root, name))
        for name, folder in DEMO_FOLDERS.items():
            os.symlink(folder, os.path.join(self.root, "demos", name))
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=self.root))
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.address = "http://127.0.0.1:%d/" % self.server.server_address[1]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.root, ignore_errors=True)


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

    def play(self, address, options=""):
        """Plays a demo of the site as a timed demo (OPTIONS: more of the
        address's query); what the page reports at its end."""
        self.open("?timedemo=" + address + options)
        return self.wait("Finished")

    def errors(self):
        """The console's errors since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]


def faults_of_play(page, frames):
    """What went wrong in a timed demo of so many frames the page played: an
    exit status other than 0, figures for another number of frames, a frame
    whose state is not the recorded one (the game says so on stderr)."""
    figures = [int(match.group(1)) for match in map(FIGURES.match, page["stdout"]) if match]
    faults = [] if page["status"] == 0 else ["exit status %s" % page["status"]]
    faults += [] if figures == [frames] else ["figures for %s frames, not %d" % (figures, frames)]
    return faults + [line for line in page["stderr"] if OUT_OF_STEP in line or "recorded:" in line]
