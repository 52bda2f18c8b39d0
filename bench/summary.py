"""Summary of one scripts/bench.sh run: medians of every figure and the budgets.

    python3 bench/summary.py RESULTS_DIR
"""
import json
import math
import os
import statistics
import sys

BUDGETS = {
    "day_ratio": 0.25,        # a run by day, x the floor's frames per second, at least
    "crash_ratio": 0.15,      # a night crash with the spray on screen, at least
    "startup_ms": 300.0,      # process start to the first frame, at most
    "update_ns": 1000.0,      # one Rider::update, at most
    "probe_share": 0.05,      # the probe's share of a day frame, at most
    "hwm_mb": 150.0,          # peak resident memory of a whole run, at most
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
    """A figure; of a frame-rate pair "fps/cpu_ms" the frame rate."""
    try:
        value = float(str(text).split("/")[0])
    except (TypeError, ValueError):
        return math.nan
    return value


def cpu_ms(text):
    """Of a frame-rate pair "fps/cpu_ms" the process CPU milliseconds per frame."""
    parts = str(text).split("/")
    return number(parts[1]) if len(parts) == 2 else math.nan


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
    runs = read_runs(os.path.join(results, "fps-runs.txt"))
    lines = []
    say = lines.append
    if os.path.exists(os.path.join(results, "load.txt")):
        with open(os.path.join(results, "load.txt")) as f:
            for line in f:
                say(line.rstrip())

    floor = median([number(r.get("floor")) for r in runs])
    floor_cpu = median([cpu_ms(r.get("floor")) for r in runs])
    say("")
    say(f"Frame rates at the game's window size, medians of {len(runs)} runs. CPU ms is the")
    say("process's CPU time per frame, rasteriser threads included; its ratio to the floor's")
    say("is less disturbed by other work on the machine than the frame rate's.")
    say(f"  {'state':<24}{'fps':>8}{'x floor':>10}{'CPU ms':>10}{'CPU x floor':>13}")
    say(f"  {'floor (clear and swap)':<24}{floor:>8.1f}{1.0:>10.3f}{floor_cpu:>10.2f}{1.0:>13.3f}")
    rates = {}
    for key, label in (("menu", "menu"), ("day", "run by day"), ("night", "run by night"),
                       ("crash", "night crash, spray")):
        rates[key] = median([number(r.get(key)) for r in runs])
        cpu = median([cpu_ms(r.get(key)) for r in runs])
        say(f"  {label:<24}{rates[key]:>8.1f}{rates[key] / floor:>10.3f}{cpu:>10.2f}{floor_cpu / cpu:>13.3f}")
    crashes = sum(1 for r in runs if r.get("crash_seen") == "yes")
    say(f"  crash confirmed by \"CRASH\" in {crashes} of {len(runs)} runs")
    say("  per run: " + "; ".join(
        f"floor {r.get('floor')} day {r.get('day')} night {r.get('night')} crash {r.get('crash')}" for r in runs))

    demos = read_runs(os.path.join(results, "timedemo-runs.txt"))
    if demos:
        say("")
        say("Timed demos (quorvel --timedemo at 1280x1024, the same frames every run), medians:")
        say(f"  {'demo':<24}{'frames':>8}{'fps':>8}{'CPU ms':>10}")
        for name in sorted({d["demo"] for d in demos}):
            mine = [d for d in demos if d["demo"] == name]
            say(f"  {name:<24}{mine[0]['frames']:>8}{median([number(d['fps']) for d in mine]):>8.1f}"
                f"{median([number(d['cpu_ms']) for d in mine]):>10.2f}")

    startup = median([number(r.get("startup_ms")) for r in runs])
    hwm = median([number(r.get("hwm_kb")) for r in runs]) / 1024.0
    say("")
    say(f"Start-up to the first frame: {startup:.0f} ms (median; runs: "
        + ", ".join(r.get("startup_ms", "?") for r in runs) + ")")
    say(f"Peak resident memory (VmHWM) of a whole run: {hwm:.1f} MB (median)")

    rider = medians(os.path.join(results, "rider.json"))
    say("")
    say("Rider::update, median CPU time per step:")
    updates = [cpu for name, (_, cpu, _) in rider.items() if name.startswith("BM_RiderUpdate")]
    worst_update = max(updates) if updates else math.nan
    for name, (_, cpu, _) in sorted(rider.items()):
        say(f"  {name:<32}{cpu:>10.0f} ns")

    assets = medians(os.path.join(results, "assets.json"))
    probe = max((cpu for name, (_, cpu, _) in assets.items() if name.startswith("BM_KickerProbeOnly")),
                default=math.nan)
    day_frame_ns = 1e9 / rates["day"] if rates.get("day") else math.nan
    probe_share = probe / day_frame_ns
    say("")
    say(f"Kicker probe, six points, worst place on the course: {probe / 1000:.1f} us "
        f"= {100 * probe_share:.2f} % of a day frame ({day_frame_ns / 1e6:.1f} ms)")
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
        parts = sorted(((cpu - clear_cpu, real - clear_wall, name) for name, (real, _, cpu) in frame.items()
                        if name != "BM_Clear" and not name.startswith("BM_Run")), reverse=True)
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
    checks = [
        ("run by day >= 0.25 x floor", rates["day"] / floor, BUDGETS["day_ratio"], True),
        ("night crash >= 0.15 x floor", rates["crash"] / floor, BUDGETS["crash_ratio"], True),
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
