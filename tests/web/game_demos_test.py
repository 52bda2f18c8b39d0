"""The test demos (tests/game/demos) play to their ends in the browser, each
at the size it was recorded at."""

import unittest

import browser


class GameDemos(browser.TimedDemos):
    FOLDER = "game"

    def test_every_demo_plays_to_its_end(self):
        self.play_every_demo()


if __name__ == "__main__":
    unittest.main()
