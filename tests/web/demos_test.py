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
import time
import unittest
from concurrent.futures import ThreadPoolExecutor

import browser

SMALLER = {"bench": 4}


def pointer_positions(demo_text):
    events = (line.split() for line in demo_text.splitlines())
    return [(int(event[-2]), int(event[-1])) for event in events if event[:1] in (["button"], ["drag"], ["move"])]


def demos():
    """(address, text, scale) of every demo, the longest first; scale how many times smaller it plays."""
    found = []
    for name, folder in browser.DEMO_FOLDERS.items():
        for file in sorted(name for name in os.listdir(folder) if name.endswith(".demo")):
            with open(os.path.join(folder, file)) as demo:
                found.append(("demos/%s/%s" % (name, file), demo.read(), SMALLER.get(name, 1)))
    return sorted(found, key=lambda demo: -browser.frames_in(demo[1]))


def play(site, share):
    """What the page reported for each demo of a share, and the console's errors, in one browser."""
    chromium = browser.Browser(site)
    try:
        played = []
        for address, text, scale in share:
            width, height = (int(v) // scale for v in next(r for r in text.splitlines() if "window " in r).split()[1:])
            page = chromium.play(address, "%dx%d" % (width, height))
            played.append((address, text, scale, width, page, chromium.errors()))
        return played
    finally:
        chromium.close()


class Demos(unittest.TestCase):
    def test_every_demo_plays_to_its_end_in_step(self):
        site = browser.Site()
        found, start = demos(), time.monotonic()
        with ThreadPoolExecutor(2) as pool:
            played = sum(pool.map(lambda share: play(site, share), [found[0::2], found[1::2]]), [])
        site.close()
        print("%d demos in %.0f s" % (len(played), time.monotonic() - start))
        for address, text, scale, width, page, errors in played:
            with self.subTest(demo=address):
                print(address, [line for line in page["stdout"] if browser.FIGURES.match(line)])
                off = [(x, y) for x, y in pointer_positions(text) if (x - width * scale // 2) % scale or y % scale]
                self.assertEqual(off, [], "pointer positions between pixels %d times smaller" % scale)
                self.assertEqual(browser.faults_of_play(page, browser.frames_in(text)), [], page["stderr"])
                self.assertEqual(errors, [])


if __name__ == "__main__":
    unittest.main()
