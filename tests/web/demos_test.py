"""Every recorded demo plays to its end in the page as a timed demo
(?timedemo=FILE), prints its figures, and leaves no error in the console. A
demo that goes out of step is reported, not failed, for now."""

import unittest

import browser


class TimedDemos(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = browser.Site()
        cls.browser = browser.Browser(cls.site)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def test_every_demo_plays_to_its_end(self):
        for address, path in browser.demo_files():
            with self.subTest(demo=address):
                with open(path) as demo:
                    frames = browser.frames_in(demo.read())
                self.browser.open("?timedemo=" + address)
                page = self.browser.wait("Finished")
                self.assertEqual(page["status"], 0, page["stderr"])
                figures = [browser.FIGURES.match(line) for line in page["stdout"]]
                figures = [match for match in figures if match]
                self.assertEqual([int(match.group(1)) for match in figures], [frames], page["stdout"])
                print("%s: %s" % (address, figures[0].group(0)))
                for line in page["stderr"]:
                    if browser.OUT_OF_STEP in line:
                        print("%s: %s" % (address, line))
                self.assertEqual(self.browser.errors(), [])


if __name__ == "__main__":
    unittest.main()
