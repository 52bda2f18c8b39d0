"""Summary of one scripts/bench.sh run: medians of every figure and the budgets.

    python3 bench/summary.py RESULTS_DIR
"""
import json
import math
import os
import statistics
import sys

BUDGETS = {
    "replay_ratio": 0.9,  # the game's frame rate, x glretrace's replay of the same frames, at least
    "fps": 60.0,  # frames per second, at least, wherever the replay reaches it
    "startup_ms": 300.0,  # process start to the first frame, at most
    "update_ns": 1000.0,  # one Rider::update, at most
    "probe_share": 0.05,  # the probe's share of a day frame, at most
    "hwm_mb": 150.0,  # peak resident memory of a whole run, at most
}


def read_runs(path):
    runs = []
    if not os.path.exists(path):
        return runs
    with open(path) as f:
        for line in f:
            words = line.split()
            runs.append({words[i]: words[i + 1] for i in range(0, len(words) - 1, 2)})
    return runs


def number(text):
    """A figure, or NaN where there is none."""
    try:
        value = float(str(text).split("/")[0])
    except (TypeError, ValueError):
        return math.nan
    return value


def median(values):
    values = [v for v in values if not math.isnan(v)]
    return statistics.median(values) if values else math.nan


def medians(path):
    """Median real and CPU times in ns of each benchmark in a Google Benchmark JSON file."""
    if not os.path.exists(path):
        return {}
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
    with open(path) as f:
        data = json.load(f)
    out = {}
    for b in data.get("benchmarks", []):
        if b.get("aggregate_name") != "median" or b.get("error_occurred"):
            continue
        k = scale[b.get("time_unit", "ns")]
        name = b["run_name"].replace("/real_time", "")
        out[name] = (b["real_time"] * k, b["cpu_time"] * k, b.get("processCpuMs", math.nan) * 1e6)
    return out


def verdict(ok):
    return "within budget" if ok else "OVER BUDGET"


def main(results):
    runs = read_runs(os.path.join(results, "frames-runs.txt"))
    lines = []
    say = lines.append
    if os.path.exists(os.path.join(results, "load.txt")):
        with open(os.path.join(results, "load.txt")) as f:
            for line in f:
                say(line.rstrip())

    floor = median([number(r.get("floor_fps")) for r in runs])
    demos = sorted({r["demo"] for r in runs})
    say("")
    say(f"The recorded demos at 1280x1024, medians of {len(runs) // max(len(demos), 1)} runs: the game's own")
    say("--timedemo, glretrace --benchmark replaying a trace of the same frames (the cost of the drawing")
    say("calls alone), and the process's CPU time per frame, rasteriser threads included.")
    say("Last column: the game's frame rate in an 800x600 window.")
    say(f"  {'demo':<14}{'frames':>8}{'game fps':>10}{'replay fps':>12}{'x replay':>10}{'CPU ms':>9}{'800x600':>9}")
    rates = {}
    for name in demos:
        mine = [r for r in runs if r["demo"] == name]
        fps = median([number(r.get("fps")) for r in mine])
        replay = median([number(r.get("replay_fps")) for r in mine])
        cpu = median([number(r.get("cpu_ms")) for r in mine])
        small = median([number(r.get("fps_800x600")) for r in mine])
        rates[name] = (fps, replay)
        ratio = fps / replay
        say(f"  {name:<14}{mine[0]['frames']:>8}{fps:>10.1f}{replay:>12.1f}{ratio:>10.2f}{cpu:>9.2f}{small:>9.1f}")
    say(f"  {'floor':<14}{'':>8}{floor:>10.1f}   (a window that only clears and swaps)")

    startup = median([number(r.get("startup_ms")) for r in runs])
    hwm = max([number(r.get("hwm_kb")) for r in runs] or [math.nan]) / 1024.0
    say("")
    say(f"Start-up to the first frame: {startup:.0f} ms (median of {len(runs)})")
    say(f"Peak resident memory of a whole demo: {hwm:.1f} MB (the highest)")

    rider = medians(os.path.join(results, "rider.json"))
    say("")
    say("Rider::update, median CPU time per step:")
    updates = [cpu for name, (_, cpu, _) in rider.items() if name.startswith("BM_RiderUpdate")]
    worst_update = max(updates) if updates else math.nan
    for name, (_, cpu, _) in sorted(rider.items()):
        say(f"  {name:<32}{cpu:>10.0f} ns")

    assets = medians(os.path.join(results, "assets.json"))
    probe = max(
        (cpu for name, (_, cpu, _) in assets.items() if name.startswith("BM_KickerProbeOnly")), default=math.nan
    )
    day_fps = rates.get("day", (math.nan, math.nan))[0]
    day_frame_ns = 1e9 / day_fps if day_fps else math.nan
    probe_share = probe / day_frame_ns
    say("")
    say(
        f"Kicker probe, six points, worst place on the course: {probe / 1000:.1f} us "
        f"= {100 * probe_share:.2f} % of a day frame ({day_frame_ns / 1e6:.1f} ms)"
    )
    say("Loaders, median CPU time:")
    for name, (_, cpu, _) in sorted(assets.items()):
        if name.startswith(("BM_ModelLoad", "BM_ImageLoad", "BM_MaterialTexture")):
            say(f"  {name:<48}{cpu / 1e6:>9.2f} ms")

    frame = medians(os.path.join(results, "frame.json"))
    if frame:
        clear_wall, _, clear_cpu = frame.get("BM_Clear", (0.0, 0.0, 0.0))
        say("")
        say("Frame parts at the start of a run, each after a clear, the clear's cost taken off")
        say("(medians; process CPU counts the rasteriser's threads):")
        say(f"  {'part':<28}{'wall ms':>9}{'process CPU ms':>16}")
        parts = sorted(
            (
                (cpu - clear_cpu, real - clear_wall, name)
                for name, (real, _, cpu) in frame.items()
                if name != "BM_Clear" and not name.startswith("BM_Run")
            ),
            reverse=True,
        )
        for cpu, wall, name in parts:
            say(f"  {name:<28}{wall / 1e6:>9.2f}{cpu / 1e6:>16.2f}")
        say(f"  {'(clear alone)':<28}{clear_wall / 1e6:>9.2f}{clear_cpu / 1e6:>16.2f}")
        for name in ("BM_RunDay", "BM_RunNight", "BM_RunNightCrash"):
            if name in frame:
                say(f"  {'whole frame ' + name[6:]:<28}{frame[name][0] / 1e6:>9.2f}{frame[name][2] / 1e6:>16.2f}")

    gen_path = os.path.join(results, "assetgen.txt")
    if os.path.exists(gen_path):
        with open(gen_path) as f:
            gen = [number(line) for line in f]
        say("")
        say(f"Asset generator (python3 -m assetgen): {median(gen):.2f} s (median of {len(gen)})")

    say("")
    say("Budgets:")
    checks = []
    for name, (fps, replay) in sorted(rates.items()):
        checks.append((f"{name}: >= 0.9 x replay", fps / replay, BUDGETS["replay_ratio"], True))
        if replay >= BUDGETS["fps"]:
            checks.append((f"{name}: >= 60 fps", fps, BUDGETS["fps"], True))
        else:
            say(f"  {name}: the replay itself reaches {replay:.1f} fps, below 60: see the frame parts above")
    checks += [
        ("start-up <= 300 ms", startup, BUDGETS["startup_ms"], False),
        ("Rider::update < 1 us", worst_update, BUDGETS["update_ns"], False),
        ("probe < 5 % of a day frame", probe_share, BUDGETS["probe_share"], False),
        ("peak memory < 150 MB", hwm, BUDGETS["hwm_mb"], False),
    ]
    for label, value, limit, at_least in checks:
        ok = value >= limit if at_least else value <= limit
        say(f"  {label:<30}{value:>12.3f}  {verdict(ok)}")
    print("\n".join(lines))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build-bench/bench-results")
