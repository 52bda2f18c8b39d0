"""The benchmarks' demos (bench/demos) play to their ends in the browser."""

import unittest

import browser


class BenchDemos(browser.TimedDemos):
    FOLDER = "bench"

    def test_every_demo_plays_to_its_end(self):
        self.play_every_demo()


if __name__ == "__main__":
    unittest.main()
