"""Every recorded demo (tests/game/demos and bench/demos) plays to its end
in the browser as a timed demo and repeats its recording exactly: the game
holds each frame's state to the recorded one, and a demo that goes out of
step fails. The test demos play at the size they were recorded at. The
benchmarks' were recorded at 1280x1024, where SwiftShader, drawing on the
CPU, is several times slower: they play at 320x256, a quarter each way,
where every pointer position they hold lands on a whole pixel (the test
checks it), and drags and steering count in shares of the window's height,
so the run cannot differ. Two browsers share the demos, the longest first."""

import os
import queue
import threading
import time
import unittest

import browser

SMALLER = {"bench": 4}


def pointer_positions(demo_text):
    events = (line.split() for line in demo_text.splitlines())
    return [(int(event[-2]), int(event[-1])) for event in events if event[:1] in (["button"], ["drag"], ["move"])]


def demos():
    """(address, text, window) of every demo, the longest first; window None for its own size."""
    found = []
    for name, folder in browser.DEMO_FOLDERS.items():
        for file in sorted(name for name in os.listdir(folder) if name.endswith(".demo")):
            with open(os.path.join(folder, file)) as demo:
                text = demo.read()
            width, height = (int(v) for v in next(r for r in text.splitlines() if r.startswith("window ")).split()[1:])
            scale = SMALLER.get(name)
            window = "%dx%d" % (width // scale, height // scale) if scale else None
            found.append(("demos/%s/%s" % (name, file), text, window, scale))
    return sorted(found, key=lambda demo: -browser.frames_in(demo[1]))


class Demos(unittest.TestCase):
    def test_every_demo_plays_to_its_end_in_step(self):
        site = browser.Site()
        todo = queue.Queue()
        for demo in demos():
            todo.put(demo)
        played = {}

        def player():
            chromium = browser.Browser(site)
            try:
                while True:
                    try:
                        address, text, window, scale = todo.get_nowait()
                    except queue.Empty:
                        return
                    start = time.monotonic()
                    page = chromium.play(address, window)
                    played[address] = (page, chromium.errors(), time.monotonic() - start)
            finally:
                chromium.close()

        start = time.monotonic()
        players = [threading.Thread(target=player) for _ in range(2)]
        for thread in players:
            thread.start()
        for thread in players:
            thread.join()
        site.close()
        print("%d demos in %.0f s" % (len(played), time.monotonic() - start))
        for address, text, window, scale in demos():
            with self.subTest(demo=address):
                if scale:
                    width, height = (int(v) for v in window.split("x"))
                    off = [(x, y) for x, y in pointer_positions(text) if (x - width * scale // 2) % scale or y % scale]
                    self.assertEqual(off, [], "pointer positions that land between pixels at %s" % window)
                page, errors, seconds = played[address]
                figures = [line for line in page["stdout"] if browser.FIGURES.match(line)]
                print("%s%s: %s (%.0f s)" % (address, " at " + window if window else "", figures, seconds))
                self.assertEqual(browser.faults_of_play(page, browser.frames_in(text)), [], page["stderr"])
                self.assertEqual(errors, [])


if __name__ == "__main__":
    unittest.main()
