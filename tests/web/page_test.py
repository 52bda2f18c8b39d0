"""The page as a player meets it: the menu draws over the whole page and
follows the page's size, and a session played through WebDriver's mouse and
keys (the pointer locked by the click that starts play) is recorded with the
pointer where it was put, offered for download when the game quits, and
plays back exactly, frame for frame, in the page and in the desktop game
(QUORVEL_BIN, run from QUORVEL_DATA on the X display ctest gives it)."""

import io
import os
import subprocess
import unittest

from PIL import Image
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By

import browser

# Page positions the pointer visits in the run, in CSS pixels: one pixel of
# the canvas each, as the page's device pixel ratio is 1 here. Locked, the
# pointer moves by as much as the mouse does, but the browser may report the
# first movement after the lock as none: a first move goes before them.
STEERING = [(640, 500), (600, 500), (700, 520), (660, 480)]
NEXT_FRAMES = (
    "const done = arguments[arguments.length - 1];"
    "requestAnimationFrame(() => requestAnimationFrame(() => done([innerWidth, innerHeight, "
    "document.getElementById('canvas').width, document.getElementById('canvas').height])));"
)
LOCKED = (
    "const done = arguments[arguments.length - 1];"
    "const canvas = document.getElementById('canvas');"
    "(function check() { document.pointerLockElement === canvas ? done() : setTimeout(check, 10); })();"
)


def events(recording, kind):
    return [line.split()[1:] for line in recording.splitlines() if line.split()[:1] == [kind]]


def steps(points):
    return [(x - px, y - py) for (px, py), (x, y) in zip(points, points[1:])]


def desktop_play(demo, recording):
    """The desktop game's timed demo of a recording, at the recording's size, reported as the page reports."""
    size = "x".join(events(recording, "window")[0])
    command = [os.environ["QUORVEL_BIN"], "--window", size, "--timedemo", demo]
    run = subprocess.run(command, cwd=os.environ["QUORVEL_DATA"], capture_output=True, text=True, timeout=300)
    return {"status": run.returncode, "stdout": run.stdout.splitlines(), "stderr": run.stderr.splitlines()}


class Page(unittest.TestCase):
    # A browser each: a page after the locked session may not draw again in time.
    def setUp(self):
        self.site = browser.Site()
        self.browser = browser.Browser(self.site)

    def tearDown(self):
        self.browser.close()
        self.site.close()

    def test_menu_fills_the_page_and_follows_it(self):
        self.browser.open()
        self.browser.wait("Drawn")
        driver = self.browser.driver
        width, height, canvas_width, canvas_height = driver.execute_async_script(NEXT_FRAMES)
        self.assertEqual((canvas_width, canvas_height), (width, height))
        shot = Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB")
        colours = shot.resize((64, 64)).getcolors(64 * 64)
        self.assertGreater(len(colours), 50, "the menu's picture isn't there")
        driver.set_window_size(900, 700)
        width, height, canvas_width, canvas_height = driver.execute_async_script(NEXT_FRAMES)
        self.assertEqual((canvas_width, canvas_height), (width, height))
        self.assertLess(width, 1000)
        self.assertEqual(self.browser.errors(), [])

    def test_a_recorded_session_is_offered_and_plays_back_exactly(self):
        self.browser.open("?record")
        self.browser.wait("Drawn")
        driver = self.browser.driver
        driver.find_element(By.ID, "play").click()
        driver.execute_async_script(LOCKED)
        actions = ActionBuilder(driver)
        actions.key_action.send_keys("s")
        for x, y in [(620, 490)] + STEERING:
            actions.pointer_action.move_to_location(x, y)
        actions.key_action.send_keys("qq")
        actions.perform()
        page = self.browser.wait("Finished")
        self.assertEqual(page["status"], 0, page["stderr"])
        link = driver.find_element(By.ID, "download")
        self.assertTrue(link.is_displayed())
        self.assertTrue(link.get_attribute("href").startswith("blob:"))
        recording = page["recording"]
        self.assertEqual([key for key, in events(recording, "key")], ["115", "113", "113"])
        moves = [tuple(int(v) for v in move) for move in events(recording, "move")]
        self.assertEqual(steps(moves[-len(STEERING) :]), steps(STEERING))

        demo = os.path.join(self.site.made, "session.demo")
        with open(demo, "w") as file:
            file.write(recording)
        frames = browser.frames_in(recording)
        self.assertEqual(browser.faults_of_play(self.browser.play("made/session.demo", "&draw=none"), frames), [])
        self.assertEqual(self.browser.errors(), [])
        self.assertEqual(browser.faults_of_play(desktop_play(demo, recording), frames), [])


if __name__ == "__main__":
    unittest.main()
