"""The browser draws what the desktop draws: the menu, a run by day and the
lip by night, each played in the page to its moment and held still there,
are compared with the desktop's golden frames of the same moments
(tests/game/golden, the desktop game under Xvfb at 320x256). SwiftShader
and llvmpipe round differently, so the bar is a mean difference, not a
count of changed pixels."""

import io
import os
import unittest

import numpy as np
from PIL import Image
from selenium.webdriver.common.by import By

import browser

GOLDEN = os.path.join(browser.SOURCE, "tests", "game", "golden")
DEMOS = browser.DEMO_FOLDERS["game"]
# Mean absolute difference per channel, of 255: SwiftShader against llvmpipe
# measured 0.2 (night) to 1.1 (the menu's picture, filtered).
MEAN = 2.5
RECORDING = "/session/recording.demo"
# Until the recording holds three lines showing the moment standing still
# (the floodlights take the view a frame late).
STILL = (
    "const [file, pattern, done] = arguments;"
    "const look = () => {"
    "  let text = '';"
    "  try { text = FS.readFile(file + '.part', {encoding: 'utf8'}); } catch (error) {}"
    "  if ((text.match(new RegExp(pattern, 'gm')) || []).length >= 3 || quorvel.finished) done(quorvel.finished);"
    "  else requestAnimationFrame(look);"
    "};"
    "look();"
)


def held_at(demo, frame, edit=None):
    """The demo's events up to FRAME (EDIT applied), the run paused there, and
    frames enough to outlast the wait; and the line that shows it still."""
    with open(demo) as file:
        lines = file.read().splitlines()
    states = [line.split() for line in lines if line.startswith("state ")]
    screen = states[frame - 1][1]
    kept, frames = [], 0
    for line in lines:
        if frames == frame:
            break
        if line.startswith("state "):
            continue
        kept.append(line)
        frames += line.startswith("frame ")
        if edit and line == edit[0]:
            kept.append(edit[1])
    still = "^state %s " % screen
    if screen == "run":
        kept.append("key 98")
        still = "^state run [a-z]* paused"
    return "\n".join(kept + ["frame 30"] * 20000) + "\n", still


def shown(shot, size):
    """The part of the page's shot that shows the game's window of SIZE:
    centred and scaled to fit."""
    scale = min(shot.width / size[0], shot.height / size[1])
    left, top = (shot.width - size[0] * scale) / 2, (shot.height - size[1] * scale) / 2
    return shot.crop((round(left), round(top), round(left + size[0] * scale), round(top + size[1] * scale)))


def first_frame(demo, test):
    with open(demo) as file:
        states = [line.split() for line in file if line.startswith("state ")]
    return next(number for number, state in enumerate(states, 1) if test(state))


class Frames(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = browser.Site()
        cls.browser = browser.Browser(cls.site)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def compare(self, name, demo, frame, edit=None):
        text, still = held_at(os.path.join(DEMOS, demo), frame, edit)
        with open(os.path.join(self.site.made, name + ".demo"), "w") as cut:
            cut.write(text)
        self.browser.open("?play=made/%s.demo&record" % name)
        ended = self.browser.driver.execute_async_script(STILL, RECORDING, still)
        self.assertFalse(ended, "%s: the game ended before the moment" % name)
        # Played at the recorded pace (a timed demo would keep the browser too
        # busy to take a picture), it plays behind the page's cover.
        self.browser.driver.execute_script("document.getElementById('cover').hidden = true;")
        canvas = self.browser.driver.find_element(By.ID, "canvas")
        shot = Image.open(io.BytesIO(canvas.screenshot_as_png)).convert("RGB")
        want = Image.open(os.path.join(GOLDEN, name + ".png")).convert("RGB")
        got = shown(shot, want.size).resize(want.size, Image.BOX)
        mean = np.abs(np.asarray(got, dtype=np.int16) - np.asarray(want, dtype=np.int16)).mean()
        print("%s: mean difference %.2f of 255" % (name, mean))
        self.assertLess(mean, MEAN, "%s differs from the desktop's" % name)
        self.assertEqual(self.browser.errors(), [])

    def test_menu_day_and_night_as_on_the_desktop(self):
        self.compare("menu", "screens.demo", 2)
        self.compare("start", "straight.demo", 20)
        take_off = first_frame(os.path.join(DEMOS, "straight.demo"), lambda state: state[4] == "air")
        self.compare("night-lip", "straight.demo", take_off - 2, ("key 115", "key 110"))


if __name__ == "__main__":
    unittest.main()
