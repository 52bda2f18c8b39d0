"""The benchmarks' demos (bench/demos) play to their ends in the browser. They
were recorded at 1280x1024, where SwiftShader, drawing on the CPU, is several
times slower than the desktop's Mesa: here they play at 320x256 unless
QUORVEL_WEB_WINDOW says otherwise ("recorded" for their own size, the figures
to set beside the desktop's, or WxH)."""

import os
import unittest

import browser


class BenchDemos(browser.TimedDemos):
    FOLDER = "bench"
    WINDOW = os.environ.get("QUORVEL_WEB_WINDOW", "320x256")

    def test_every_demo_plays_to_its_end(self):
        self.play_every_demo()


if __name__ == "__main__":
    unittest.main()
