#!/usr/bin/python3
"""Makes the demos that the whole-game tests play (tests/game/demos/) and
the benchmarks time (bench/demos/).

Each scenario is input written for the game at 30 frames a second, in a
320x256 window for the tests and at full size for the benchmarks; where it
must be timed (a pop, a trick, the balance), it
watches the states the game itself records, playing what is written so far
again as often as it needs. The file kept is the game's own recording of the
finished input, states and all, so a test can tell whether the game still
plays it the same. Run it again when the game is meant to ride differently.

    scripts/with-xserver.sh scripts/make-test-demos.py BUILD [NAME...]

The X server must be at least 1280x1024 for the benchmarks' demos.
"""
import os
import subprocess
import sys
import tempfile

FPS = 30
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
TESTS = (os.path.join(ROOT, "tests", "game", "demos"), 320, 256)
BENCH = (os.path.join(ROOT, "bench", "demos"), 1280, 1024)
FIELDS = (
    "screen",
    "lights",
    "pause",
    "phase",
    "x",
    "y",
    "z",
    "rx",
    "ry",
    "rz",
    "speed",
    "tx",
    "ty",
    "tz",
    "bx",
    "by",
    "ex",
    "ey",
    "ez",
)


class State(dict):
    __getattr__ = dict.__getitem__


def states_of(text):
    """The state lines of a recording, one per frame."""
    out = []
    for line in text.splitlines():
        f = line.split()
        if f and f[0] == "state":
            out.append(State(zip(FIELDS, f[1:5] + [float(v) for v in f[5:]])))
    return out


class Scenario:
    def __init__(self, game, width, height):
        self.game, self.width, self.height = game, width, height
        self.lines = ["quorvel-demo 1", "window %d %d" % (width, height)]
        self.pointer = (width // 2, height // 2)

    # Input, in the order it reaches the game; frames between.
    def frames(self, count=1):
        self.lines += ["frame %d" % FPS] * count

    def key(self, char):
        self.lines.append("key %d" % ord(char))

    def move(self, x, y):
        self.pointer = (x, y)
        self.lines.append("move %d %d" % (x, y))

    def button(self, down, x, y, number=0):
        self.lines.append("button %d %s %d %d" % (number, "down" if down else "up", x, y))

    def click(self, fx, fy):
        x, y = int(fx * self.width), int(fy * self.height)
        self.move(x, y)
        self.button(True, x, y)
        self.button(False, x, y)

    def drag(self, x, y):
        self.lines.append("drag %d %d" % (x, y))

    def frame_count(self):
        return sum(1 for line in self.lines if line.startswith("frame"))

    # Watching the game.
    def play(self):
        """The game's recording of the input so far, and what it printed."""
        with tempfile.TemporaryDirectory() as tmp:
            given, kept = os.path.join(tmp, "in.demo"), os.path.join(tmp, "out.demo")
            with open(given, "w") as f:
                f.write("\n".join(self.lines) + "\n")
            run = subprocess.run(
                [self.game, "--window", "%dx%d" % (self.width, self.height), "--timedemo", given, "--record", kept],
                capture_output=True,
                text=True,
                timeout=600,
            )
            if run.returncode != 0:
                sys.exit("the game failed (%d): %s" % (run.returncode, run.stderr))
            with open(kept) as f:
                return f.read(), run.stdout

    def states(self):
        return states_of(self.play()[0])

    def until(self, test, most):
        """Frames up to and including the first whose state passes test."""
        start = self.frame_count()
        self.frames(most)
        found = next((i for i, s in enumerate(self.states()) if i >= start and test(s)), None)
        if found is None:
            sys.exit("no frame within %d passed the test" % most)
        excess = self.frame_count() - found - 1
        del self.lines[len(self.lines) - excess :]
        return found

    def start_run(self):
        self.frames(2)
        self.key("s")
        self.frames(1)

    def rest(self, seconds=1):
        """On until the rider lies or stands still, and some seconds more."""
        self.until(lambda s: s.speed < 1e-3 and s.phase in ("ride", "switch", "crash") and s.x > 60, 1200)
        self.frames(seconds * FPS)

    def quit(self):
        self.key("q")
        self.frames(1)
        self.key("q")


def straight(demo):
    """A run left alone: take-off, landing, rest at the finish fence."""
    demo.start_run()
    demo.rest()
    demo.quit()


def trial(demo, act, frames_after):
    """A copy of the demo that acts some frames on from here."""
    copy = Scenario(demo.game, demo.width, demo.height)
    copy.lines, copy.pointer = list(demo.lines), demo.pointer
    copy.frames(frames_after)
    act(copy)
    return copy


def click(demo):
    demo.button(True, *demo.pointer)
    demo.button(False, *demo.pointer)
    demo.frames(1)


def factor(demo, frames_after):
    """The boost a click some frames on gets; -1 when the game prints none."""
    printed = trial(demo, click, frames_after).play()[1]
    values = [float(line.split()[1]) for line in printed.splitlines() if line.startswith("factor:")]
    return values[0] if values else -1.0


def pop(demo):
    """A click in the middle of the pop window: the highest jump."""
    demo.start_run()
    take_off = demo.until(lambda s: s.phase == "air", 400)
    best = max(range(0, 40), key=lambda k: factor(demo, k))
    demo.frames(best)
    click(demo)
    demo.rest()
    demo.quit()
    print("pop %d frames after take-off at frame %d" % (best, take_off))


def late_pop(demo):
    """A click on the first frame after the pop window has closed: no boost."""
    demo.start_run()
    demo.until(lambda s: s.phase == "air", 400)
    late = next(k for k in range(1, 60) if factor(demo, k) < 0)
    demo.frames(late)
    click(demo)
    demo.rest()
    demo.quit()
    print("click %d frames after take-off" % late)


def first_closed(demo, act, is_open, low, high):
    """The first frame after low (where act counts) at which act no longer
    counts, by halving: is_open reads the trial's states."""
    if not is_open(trial(demo, act, low).states()):
        sys.exit("acting %d frames on does not count" % low)
    while high - low > 1:
        middle = (low + high) // 2
        if is_open(trial(demo, act, middle).states()):
            low = middle
        else:
            high = middle
    return high


def push(demo):
    """One drag to the right with the right button held, from the pointer."""
    x, y = demo.pointer
    demo.button(True, x, y, 2)
    demo.drag(x, y)
    demo.frames(1)
    for _ in range(4):
        demo.drag(x + demo.width // 2, y)
        demo.frames(1)
    demo.button(False, x, y, 2)


def late_trick(demo):
    """A trick dialled from the first frame after the trick window has closed:
    the body never turns."""
    demo.start_run()
    demo.until(lambda s: s.phase == "air", 400)

    def spun(states):
        return any(s.ty != 0 for s in states)

    late = first_closed(demo, push, spun, 13, 120)
    demo.frames(late)
    push(demo)
    demo.rest()
    demo.quit()
    print("drag %d frames after take-off" % late)


def late_balance(demo):
    """The pointer moved in free flight before the landing approach and again
    on the first frame after touch-down: neither moves the balance point."""
    demo.start_run()
    demo.until(lambda s: s.phase == "air", 400)
    x, y = demo.pointer
    for k in range(30):
        demo.frames(1)
        demo.move(x + (k % 2 + 1) * 20, y - 20)
    demo.until(lambda s: s.phase == "approach", 400)
    demo.until(lambda s: s.phase not in ("air", "approach"), 400)
    demo.move(x - 40, y + 40)
    demo.frames(FPS)
    demo.quit()


def steered(demo):
    """Turned 10 degrees to the left a third of a second before the lip: the
    take-off and the flight keep that heading, and the pointer steers nothing
    in the air."""
    demo.frames(1)
    demo.move(*demo.pointer)  # the game's own pointer starts at the middle of a full-size window
    demo.start_run()
    take_off = trial(demo, lambda d: None, 0).until(lambda s: s.phase == "air", 400)
    demo.frames(take_off - 10 - demo.frame_count())
    x, y = demo.pointer
    demo.move(x - 100, y)
    demo.until(lambda s: s.phase == "air", 400)
    demo.frames(10)
    demo.move(x + 60, y)
    demo.until(lambda s: s.phase == "ride", 400)
    demo.frames(FPS)
    demo.quit()


def turns(states):
    """How far the tricks turned the body about y, in degrees, unwrapped."""
    total = 0.0
    for a, b in zip(states, states[1:]):
        total += (b.ty - a.ty + 180.0) % 360.0 - 180.0
    return total


def dial(demo, pushes, back=0, push=0.125):
    """From the take-off, a drag with the right button through the trick
    window: each motion 'push' (a fraction of the window's width) right of
    the drag's start adds to the spin rate; 'back' motions as far left take
    as much off again."""
    x, y = demo.pointer
    push = int(push * demo.width)
    demo.button(True, x, y, 2)
    demo.drag(x, y)  # the drag's start
    demo.frames(13)  # the trick window opens
    for k in range(pushes + back):
        demo.drag(x + (push if k < pushes else -push), y)
        demo.frames(1)
    demo.button(False, x, y, 2)


def landing(states):
    """The phase after the flight and how far the tricks turned in it."""
    flying = [i for i, s in enumerate(states) if s.phase in ("air", "approach")]
    return states[flying[-1] + 1].phase, turns(states[flying[0] : flying[-1] + 1])


def hold_balance(demo):
    """Through the landing approach, moves the pointer against the balance
    point each frame, reading where it went from the frame before."""
    demo.until(lambda s: s.phase == "approach", 400)
    while True:
        last = demo.states()[-1]
        if last.phase != "approach":
            return
        x, y = demo.pointer
        x = min(max(int(round(x - last.bx * demo.width)), 0), demo.width - 1)
        y = min(max(int(round(y + last.by * demo.height)), 0), demo.height - 1)
        if (x, y) != demo.pointer:
            demo.move(x, y)
        demo.frames(1)


def trick(demo, wanted, pushes_tried, cancel=False, hold=False, push=0.125, night=False):
    """The first number of pushes whose landing wanted() accepts; with
    'hold', the balance held too (tried only where the dial alone lands)."""
    demo.start_run()
    if night:
        demo.key("n")
    demo.until(lambda s: s.phase == "air", 400)
    take_off = list(demo.lines)
    for pushes in pushes_tried:
        for holding in (False, True) if hold else (False,):
            demo.lines = list(take_off)
            back = pushes if cancel else 0
            dial(demo, pushes, back, push)
            if holding:
                hold_balance(demo)
            demo.until(lambda s: s.phase not in ("air", "approach"), 400)
            phase, turned = landing(demo.states())
            print(
                "  %d pushes, %d back%s: %s after %.0f degrees"
                % (pushes, back, ", balance held" if holding else "", phase, turned),
                flush=True,
            )
            if not wanted(phase, turned):
                break
            if holding == hold:
                return
    sys.exit("no dial gave the landing wanted")


def spin360(demo):
    """A full turn dialled in the trick window, the balance held, a clean landing."""
    trick(demo, lambda phase, turned: phase == "ride" and turned > 300, range(14, 16), hold=True, push=0.4375)
    demo.rest()
    demo.quit()


def spin180(demo):
    """A half turn: the rider lands switch and rides on backwards."""
    trick(demo, lambda phase, turned: phase == "switch", range(5, 45))
    demo.rest()
    demo.quit()


def quarter(demo):
    """A quarter turn, then the rate taken back off: no landable pose, a crash."""
    trick(demo, lambda phase, turned: phase == "crash" and 80 < turned < 110, range(10, 24), cancel=True, push=0.5)
    demo.rest()
    demo.quit()


def night(demo):
    """Floodlights on, through a restart, off, on again, and back to the
    menu, which is lit by day."""
    demo.start_run()
    for key in "nrnn":
        demo.frames(20)
        demo.key(key)
    demo.frames(20)
    demo.quit()


def pause_restart(demo):
    """The camera turned and moved, a pause that holds the rider still until
    the next, and a restart that puts it back at the top of the slope."""
    demo.start_run()
    for key in "dddawws":
        demo.key(key)
        demo.frames(2)
    for key in "bbr":
        demo.frames(40)
        demo.key(key)
    demo.frames(20)
    demo.quit()


def screens(demo):
    """The menu and help screens by key and by button, a run started by
    button, and the quit button."""
    demo.frames(3)
    for key in "hb":
        demo.key(key)
        demo.frames(3)
    for button in (HELP, BACK, START):
        demo.click(*button)
        demo.frames(3)
    demo.key("q")
    demo.frames(3)
    demo.click(*QUIT)


# The middle of the screens' buttons, as fractions of the window.
START, HELP, QUIT = (0.32, 0.487), (0.32, 0.634), (0.32, 0.83)
BACK = (0.32, 0.83)


def night_run(demo):
    """For the benchmarks: the run left alone, under the floodlights."""
    demo.start_run()
    demo.key("n")
    demo.rest()
    demo.quit()


def night_crash(demo):
    """For the benchmarks: a quarter turn crashes at night, and the crash
    spray flies under the floodlights until the rider has lain still a while."""

    def quarter_crash(phase, turned):
        return phase == "crash" and 80 < turned < 110

    trick(demo, quarter_crash, range(10, 24), cancel=True, push=0.5, night=True)
    demo.rest(seconds=3)
    demo.quit()


# A list, not a dict: "night" names a test demo and a benchmark demo.
SCENARIOS = [
    ("straight", straight, TESTS),
    ("pop", pop, TESTS),
    ("spin360", spin360, TESTS),
    ("spin180", spin180, TESTS),
    ("quarter", quarter, TESTS),
    ("night", night, TESTS),
    ("pause_restart", pause_restart, TESTS),
    ("screens", screens, TESTS),
    ("late_pop", late_pop, TESTS),
    ("late_trick", late_trick, TESTS),
    ("late_balance", late_balance, TESTS),
    ("steered", steered, TESTS),
    ("day", straight, BENCH),
    ("night", night_run, BENCH),
    ("night_crash", night_crash, BENCH),
]


def main():
    build = os.path.abspath(sys.argv[1])
    known = {name for name, _, _ in SCENARIOS}
    names = set(sys.argv[2:]) or known
    if names - known:
        sys.exit("no such scenario: " + ", ".join(sorted(names - known)))
    for name, make, (folder, width, height) in SCENARIOS:
        if name not in names:
            continue
        demo = Scenario(os.path.join(build, "quorvel"), width, height)
        make(demo)
        text = demo.play()[0]
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, name + ".demo")
        with open(path, "w") as f:
            f.write(text)
        print("%s: %d frames" % (os.path.relpath(path), demo.frame_count()), flush=True)


if __name__ == "__main__":
    main()
