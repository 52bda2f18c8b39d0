"""Plays a recorded demo (demos/NAME.demo) in the real game as a timed demo,
recording it again, then checks that the game repeated every frame of the
recording exactly and that the run shows what the demo is there for.

    playdemo.py NAME        (QUORVEL_BIN and QUORVEL_DATA come from ctest)
"""
import math
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FIELDS = "screen lights pause phase x y z rx ry rz speed tx ty tz bx by ex ey ez".split()
FENCE_X = (262.0, 266.0)  # where a run comes to rest against the finish fence
LIP_X = (35.0, 50.0)  # where the kicker's lip throws the rider
# The jumping demos: the phase the landing leaves, and the one the rider comes to rest in at the fence (None: the
# demo is not about the end of the run).
JUMPS = dict(straight=("ride", "ride"), pop=("ride", "ride"), spin360=("ride", "ride"), spin180=("switch", "switch"))
JUMPS.update(quarter=("crash", None), late_pop=("ride", "ride"), late_trick=("ride", None))
JUMPS.update(late_balance=("ride", None), steered=("ride", None))


class Frame:
    """One displayed frame: the input that came before it and the state it left."""

    def __init__(self, events):
        self.events, self.state = events, None
        self.keys = [chr(int(e.split()[1])) for e in events if e.startswith("key ")]

    def __getattr__(self, name):
        return self.state[FIELDS.index(name)]


def frames_of(text):
    frames, events = [], []
    for line in text.splitlines():
        f = line.split() or [""]
        if f[0] in ("key", "button", "move", "drag"):
            events.append(line)
        elif f[0] == "frame":
            frames.append(Frame(events))
            events = []
        elif f[0] == "state":
            frames[-1].state = f[1:5] + [float(v) for v in f[5:]]
    return frames


def expect(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


def turns(frames):
    """How far the tricks turned the body about y, unwrapped, in degrees."""
    return sum((b.ty - a.ty + 180.0) % 360.0 - 180.0 for a, b in zip(frames, frames[1:]))


def acting(frames, event):
    """The frames that follow the input event (its first word or words)."""
    return [f for f in frames if any(e.startswith(event) for e in f.events)]


def jump(run, lands, rests):
    """The frames in the air and the one after: off the lip, landing in LANDS, at rest at the fence in RESTS."""
    air = [i for i, f in enumerate(run) if f.phase in ("air", "approach")]
    expect(air, "the rider never left the ground")
    flight, landed, last = run[air[0] : air[-1] + 1], run[air[-1] + 1], run[-1]
    expect(landed.phase == lands, "the landing ends in %s, not %s" % (landed.phase, lands))
    expect(LIP_X[0] <= flight[0].x <= LIP_X[1], "take-off at x %.1f, not at the lip" % flight[0].x)
    at_rest = last.speed < 1e-3 and FENCE_X[0] <= last.x <= FENCE_X[1] and last.phase == rests
    expect(rests is None or at_rest, "the rider ends %s at x %.1f, speed %g" % (last.phase, last.x, last.speed))
    return flight, landed


def check_straight(air, landed, run, printed):
    expect(landed.x < 90 and "factor:" not in printed, "a jump without a pop lands at x %.1f" % landed.x)


def check_pop(air, landed, run, printed):
    factors = [float(v) for v in re.findall(r"^factor:\t(\S+)$", printed, re.M)]
    expect(len(factors) == 1 and factors[0] > 0.8, "the pop printed factors %s" % factors)
    expect("flyTime:\t" in printed and "takeOffTime:\t" in printed, "the pop did not print its times")
    expect(landed.x > 95, "a well-timed pop lands at x %.1f, no farther than a plain jump" % landed.x)


def check_spin360(air, landed, run, printed):
    expect(300 < turns(air) < 420, "the body turned %.0f degrees, not a full turn" % turns(air))
    approach = [max(abs(f.bx), abs(f.by)) for f in air if f.phase == "approach"]
    expect(approach and max(approach) < 0.1, "the balance point strayed from the centre: %s" % approach)


def check_spin180(air, landed, run, printed):
    expect(150 < turns(air) < 210, "the body turned %.0f degrees, not a half turn" % turns(air))


def check_quarter(air, crash, run, printed):
    expect(60 < abs(turns(air)) < 120, "the body turned %.0f degrees, not a quarter" % turns(air))
    rest = next((f for f in run if f.phase == "crash" and f.speed == 0.0), None)
    expect(rest and 20 < rest.x - crash.x < 80, "the crash slid to rest at %s" % (rest and rest.x))


def check_late_pop(air, landed, run, printed):
    expect(acting(air, "button 0 down"), "no click in the air")
    expect("factor:" not in printed and landed.x < 90, "a click after the pop window boosted the jump")


def check_late_trick(air, landed, run, printed):
    expect(acting(air, "drag"), "no drag in the air")
    expect(all(f.ty == 0 for f in air), "a drag after the trick window turned the body")


def check_late_balance(air, landed, run, printed):
    free = [f for f in air if f.phase == "air"]
    expect(acting(free, "move") and all(f.bx == f.by == 0 for f in free), "the pointer moved the balance in the air")
    after = run[run.index(landed) + 1 :]
    expect(acting(after[:1], "move") and after[-1].ry != landed.ry, "no steering move right after touch-down")
    expect(all((f.bx, f.by) == (landed.bx, landed.by) for f in after), "the pointer moved the balance after touch-down")


def check_steered(air, landed, run, printed):
    heading = air[0].ry
    expect(5 < heading < 30 and all(f.ry == heading for f in air), "headings in the air: %s" % {f.ry for f in air})
    dx, dz = air[-1].x - air[0].x, air[-1].z - air[0].z
    expect(abs(dz + dx * math.tan(math.radians(heading))) < 1e-3 * dx, "the flight left its heading: %g, %g" % (dx, dz))


def check_night(frames):
    # The lights each key leaves: n night, r keeps night, n day, n night again.
    lights = [f.lights for f in frames if f.screen == "run" and set(f.keys) & set("nr")]
    expect(lights == ["night", "night", "day", "night"], "lights after n, r, n, n: %s" % lights)
    restart, menu = next(f for f in frames if "r" in f.keys), next(f for f in frames if "q" in f.keys)
    expect(restart.x < 1.0, "the restart left the rider at x %.1f" % restart.x)
    expect((menu.screen, menu.lights) == ("menu", "day"), "q from a night run: the %s by %s" % tuple(menu.state[:2]))


def check_pause_restart(frames):
    pauses = [i for i, f in enumerate(frames) if "b" in f.keys]
    expect(len(pauses) == 2, "expected two b presses, saw %d" % len(pauses))
    held = frames[pauses[0] : pauses[1]]
    expect(all(f.pause == "paused" and f.state[4:] == held[0].state[4:] for f in held), "the rider moved while paused")
    go = frames[pauses[1]]
    expect(go.pause == "running" and frames[pauses[1] + 5].x > go.x, "the rider did not move on after the second b")
    r = next(i for i, f in enumerate(frames) if "r" in f.keys)
    expect(frames[r - 1].x > 5.0 and frames[r].x < 1.0, "r left the rider at x %.1f, not at the top" % frames[r].x)


def check_screens(frames):
    shown = [f.screen for i, f in enumerate(frames) if i == 0 or f.screen != frames[i - 1].screen]
    expect(shown == ["menu", "help", "menu", "help", "menu", "run", "menu"], "screens in turn: %s" % shown)


def main():
    name = sys.argv[1]
    with open(os.path.join(HERE, "demos", name + ".demo")) as f:
        recorded = f.read()
    with tempfile.TemporaryDirectory() as tmp:
        # A few frames more follow the recording's end: a demo that ends by quitting never reaches them.
        demo, replay = os.path.join(tmp, "given.demo"), os.path.join(tmp, "replay.demo")
        with open(demo, "w") as f:
            f.write(recorded + "frame 30\n" * 3)
        command = [os.environ["QUORVEL_BIN"], "--window", "320x256", "--timedemo", demo, "--record", replay]
        # Mesa reports every GL error on stderr, which must stay empty.
        env = dict(os.environ, MESA_DEBUG="1")
        run = subprocess.run(command, cwd=env["QUORVEL_DATA"], env=env, capture_output=True, text=True, timeout=900)
        sys.stdout.write(run.stdout)
        expect(
            not run.returncode and not run.stderr, "exit code %d, stderr:\n%s" % (run.returncode, run.stderr[-3000:])
        )
        with open(replay) as f:
            played, printed = frames_of(f.read()), run.stdout
    figures = re.search(r"^(\d+) frames, ([\d.]+) seconds, ([\d.]+) frames per second$", printed, re.M)
    expect(figures and int(figures[1]) == len(played), "no timedemo figures for %d frames" % len(played))
    # Frames over seconds, within the rounding of the two.
    count, seconds, rate = int(figures[1]), float(figures[2]), float(figures[3])
    expect(abs(rate - count / seconds) <= 0.05 + 5e-4 * count / seconds**2, "the figures disagree: " + figures[0])
    given = frames_of(recorded)
    for i, (a, b) in enumerate(zip(given, played)):
        expect(a.state == b.state, "frame %d differs from the recording:\n  %s\n  %s" % (i + 1, a.state, b.state))
    expect(len(given) == len(played), "the replay has %d frames, the recording %d" % (len(played), len(given)))
    if name in JUMPS:
        run = [f for f in played if f.screen == "run"]
        globals()["check_" + name](*jump(run, *JUMPS[name]), run, printed)
    else:
        globals()["check_" + name](played)
    print("%s: %d frames as recorded" % (name, len(played)))


if __name__ == "__main__":
    main()
