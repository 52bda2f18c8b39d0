"""Every recorded demo (tests/game/demos and bench/demos) plays to its end
in the browser as a timed demo, at the size it was recorded at, and repeats
its recording exactly: the game holds each frame's state to the recorded
one, and a demo that goes out of step fails. The page draws nothing here
(&draw=none): the game runs as ever but SwiftShader, drawing on the CPU,
would spend nearly all the time on pictures no one looks at; frames_test
compares what the browser draws."""

import os
import unittest

import browser


class Demos(unittest.TestCase):
    def test_every_demo_plays_to_its_end_in_step(self):
        site = browser.Site()
        chromium = browser.Browser(site)
        try:
            for name, folder in browser.DEMO_FOLDERS.items():
                for file in sorted(file for file in os.listdir(folder) if file.endswith(".demo")):
                    address = "demos/%s/%s" % (name, file)
                    with self.subTest(demo=address), open(os.path.join(folder, file)) as demo:
                        page = chromium.play(address, "&draw=none")
                        self.assertEqual(
                            browser.faults_of_play(page, browser.frames_in(demo.read())), [], page["stderr"]
                        )
                        self.assertEqual(chromium.errors(), [])
        finally:
            chromium.close()
            site.close()


if __name__ == "__main__":
    unittest.main()
