"""What a play-through must show, checked over the frames read from its trace
(gametrace.py). Each check prints what it saw and returns 0, or names the
first thing that is wrong and returns 1."""
import math

DAY = "10000000"     # light 0 on, the floodlights' lights 1 to 7 off
NIGHT = "01111111"
START_X = 0.2        # where a run puts the rider, before its first step
LIP_X = (35.0, 50.0)
FENCE_X = (262.0, 266.0)


class CheckFailed(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise CheckFailed(message)


def run_rows(rows):
    return [r for r in rows if r.screen == "run"]


def segments(rows, key):
    """Consecutive rows grouped by key(row): [(key, [rows])]."""
    out = []
    for r in rows:
        k = key(r)
        if out and out[-1][0] == k:
            out[-1][1].append(r)
        else:
            out.append((k, [r]))
    return out


def same_place(a, b):
    return all(abs(p - q) < 1e-4 for p, q in zip(a.pose, b.pose))


def rest_start(rows):
    """Index of the first of the trailing rows that all show one pose."""
    k = len(rows) - 1
    while k > 0 and same_place(rows[k - 1], rows[-1]):
        k -= 1
    return k


def take_off_and_landing(rows):
    airborne = [i for i, r in enumerate(rows) if r.airborne]
    expect(airborne, "the rider never left the ground")
    return airborne[0], airborne[-1]


def check_screens(rows):
    """Menu, help, menu, a run, menu, help, menu: the keys and buttons the test used."""
    shown = [s for s, _ in segments(rows, lambda r: r.screen)]
    print("screens shown:", " ".join(shown))
    expect(len(shown) == 7, "expected 7 screens in turn, saw %d" % len(shown))
    menu, help_screen = shown[0], shown[1]
    expect(menu.startswith("tex") and help_screen.startswith("tex") and menu != help_screen,
           "menu and help are two different pictures")
    expect(shown == [menu, help_screen, menu, "run", menu, help_screen, menu], "screens out of order")


def check_straight_run(rows):
    """Descends, takes off at the lip, flies, lands cleanly, rests at the fence."""
    run = run_rows(rows)
    expect(len(run) > 20, "too few frames of the run: %d" % len(run))
    first = run[0]
    expect(abs(first.x - START_X) < 0.5 and first.y > 100.0, "the run starts at the top: %s" % first.pose)
    off, land = take_off_and_landing(run)
    print("take-off at x %.1f y %.1f, last airborne frame x %.1f, rest at x %.1f y %.1f"
          % (run[off].x, run[off].y, run[land].x, run[-1].x, run[-1].y))
    expect(LIP_X[0] <= run[off].x <= LIP_X[1], "take-off away from the lip: x %.1f" % run[off].x)
    expect(land - off >= 5, "a flight of only %d frames" % (land - off))
    expect(all(r.airborne for r in run[off:land + 1]), "the flight was broken off and resumed")
    expect(not any(r.crash_order for r in run), "the rider crashed")
    expect(all("CRASH" not in r.texts for r in rows), "CRASH was drawn")
    xs = [r.x for r in run]
    expect(all(b >= a - 1e-3 for a, b in zip(xs, xs[1:])), "the rider went back up the slope")
    expect(run[-1].y < first.y - 100.0, "the rider did not come down: y %.1f" % run[-1].y)
    expect(FENCE_X[0] <= run[-1].x <= FENCE_X[1], "rest away from the finish fence: x %.1f" % run[-1].x)
    still = len(run) - rest_start(run)
    expect(still >= 5, "not at rest at the end: %d still frames" % still)


def last_ride(run):
    """The run's rows since its last restart (the rider put back at the top)."""
    starts = [i for i in range(1, len(run)) if run[i].x < run[i - 1].x - 1.0]
    return run[starts[-1]:] if starts else run


def check_quarter_spin_crash(rows):
    """A quarter spin lands badly: crash, slide, rest, then CRASH every frame
    (of the last ride: the player may have restarted before)."""
    run = last_ride(run_rows(rows))
    off, _ = take_off_and_landing(run)
    crashed = [i for i, r in enumerate(run) if r.crash_order]
    expect(crashed, "the rider never crashed")
    hit = crashed[0]
    expect(hit > off, "crashed before taking off")
    expect(crashed == list(range(hit, len(run))), "the crash did not last to the end of the run")
    spin = run[hit - 1].trick[1] % 360.0
    turned = min(abs(spin - a) for a in (0.0, 180.0, 360.0))
    print("spin before touch-down %.1f degrees; crash at x %.1f" % (spin, run[hit].x))
    expect(turned > 10.0, "the spin %.1f was landable" % spin)
    expect(30.0 <= spin <= 150.0, "the spin %.1f is no quarter turn" % spin)
    rest = rest_start(run)
    expect(rest > hit, "no slide after the crash")
    slide = math.hypot(run[rest].x - run[hit].x, run[rest].y - run[hit].y)
    print("slid %.1f units in %d frames; at rest from frame %d of %d" % (slide, rest - hit, rest, len(run)))
    expect(len(run) - rest >= 3, "not at rest at the end")
    early = [r.frame for r in run[:rest - 1] if "CRASH" in r.texts]
    expect(not early, "CRASH drawn while the rider still moved (frames %s)" % early[:5])
    late = [r.frame for r in run[rest + 1:] if "CRASH" not in r.texts]
    expect(not late, "CRASH missing at rest (frames %s)" % late[:5])
    expect(all("CRASH" not in r.texts for r in rows if r.screen != "run"), "CRASH drawn off the run")


def check_lights_pause_restart(rows):
    """s, n, r, n, b, b, n, q: night and day in turn, a restart at night, a pause by day."""
    parts = segments(rows, lambda r: (r.screen == "run", r.lights))
    shown = [("run " if run else "menu ") + ("day" if lights == DAY else "night" if lights == NIGHT else lights)
             for (run, lights), _ in parts]
    print("lighting:", ", ".join(shown))
    expect(shown == ["menu day", "run day", "run night", "run day", "run night", "menu day"],
           "lighting out of order")
    night, day = parts[2][1], parts[3][1]
    back = [i for i in range(1, len(night)) if night[i].x < night[i - 1].x - 1.0]
    expect(len(back) == 1, "one restart at night, saw %d" % len(back))
    restarted = night[back[0]]
    expect(abs(restarted.x - START_X) < 0.5, "the restart put the rider at x %.2f" % restarted.x)
    frozen = [len(rs) for same, rs in segments(day, lambda r: tuple(round(v, 4) for v in r.pose)) if len(rs) >= 3]
    expect(len(frozen) == 1, "one pause by day, saw %d" % len(frozen))
    last = segments(day, lambda r: tuple(round(v, 4) for v in r.pose))[-1][1]
    expect(len(last) < 3, "the rider stayed frozen after the second b")
    print("restart to x %.2f at night; paused for %d frames by day" % (restarted.x, frozen[0]))


CHECKS = {
    "screens": check_screens,
    "straight-run": check_straight_run,
    "quarter-spin-crash": check_quarter_spin_crash,
    "lights-pause-restart": check_lights_pause_restart,
}


def run(name, rows):
    try:
        CHECKS[name](rows)
    except CheckFailed as failure:
        print("check %s failed: %s" % (name, failure))
        return 1
    print("check %s: ok" % name)
    return 0
