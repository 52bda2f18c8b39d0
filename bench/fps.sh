#!/usr/bin/env bash
# Frame rates of the real game from outside it, on the X server in DISPLAY
# (scripts/bench.sh gives it a fresh Xvfb). Each run measures the floor (a
# window that only clears and swaps), then starts the game and measures its
# start-up, the menu, a run by day, a run by night and a night crash with the
# crash spray on screen, and its peak resident memory; input goes in through
# plain xdotool (XTEST). Frames are counted by libswapcounter.so (LD_PRELOAD).
#   bench/fps.sh BUILD_DIR OUT_DIR RUNS
# Appends one line per run to OUT_DIR/fps-runs.txt; screenshots of each
# state go to OUT_DIR/shots/.
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
runs=${3:-5}
measure_seconds=${QUORVEL_BENCH_SECONDS:-3}
counter="$build/bench/libswapcounter.so"
mkdir -p "$out/shots"
work=$(mktemp -d)
pid=""
input_loop=""
cleanup() {
  [ -n "$input_loop" ] && kill "$input_loop" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# frames, monotonic and process CPU nanoseconds of the last count written
read_count() { awk '{print $2, $4, $10}' "$1"; }

# measure COUNT_FILE SECONDS: frames per second over the window, from the
# counter's own timestamps, and the process's CPU milliseconds per frame
# (all threads), as "fps/cpu_ms".
measure() {
  local file=$1 seconds=$2
  read -r f0 t0 c0 < <(read_count "$file")
  sleep "$seconds"
  read -r f1 t1 c1 < <(read_count "$file")
  awk -v f0="$f0" -v t0="$t0" -v c0="$c0" -v f1="$f1" -v t1="$t1" -v c1="$c1" \
    'BEGIN { if (t1 > t0 && f1 > f0) printf "%.1f/%.2f", (f1 - f0) * 1e9 / (t1 - t0), (c1 - c0) / 1e6 / (f1 - f0)
             else print "nan/nan" }'
}

wait_for_file() {
  for _ in $(seq 600); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  echo "no frame counted after 30 s: $1" >&2
  return 1
}

shot() { import -window root -resize 50% "$out/shots/$1.png" 2>/dev/null || true; }

# The HUD timing bar shows blue, green or red while the rider is in the air;
# this looks for those colours along the bar's row.
hud_shows_flight() {
  local w h
  read -r w h < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
  local y=$((h * 189 / 200)) x=$((w * 3 / 8)) span=$((w / 8))
  import -window root -crop "${span}x1+${x}+${y}" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'function near(r, g, b, R, G, B) { return (r-R)^2 + (g-G)^2 + (b-B)^2 < 1600 }
      NR > 1 { r = $3 + 0; g = $4 + 0; b = $5 + 0
        if (near(r, g, b, 0, 85, 234) || near(r, g, b, 66, 163, 66) || near(r, g, b, 228, 35, 26)) found = 1 }
      END { exit found ? 0 : 1 }'
}

# A flip that no landing survives: the right button stays held from the
# start of the run and the pointer swings down by AMPLITUDE pixels and back
# every PERIOD seconds, so each swing out adds flip while the trick window is
# open (a drag that starts on the ground counts from its first move in the
# air). How much flip lands depends on the frame rate, hence several tries.
trick_input() {
  local amplitude=$1 period=$2
  xdotool mousedown 3
  while true; do
    xdotool mousemove 640 $((512 + amplitude)) sleep "$period" mousemove 640 512 sleep "$period"
  done
}

# "CRASH" in white at the middle of the screen, once the crashed rider lies still.
crash_text_shown() {
  local w h
  read -r w h < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
  local x=$((w * 13 / 32)) y=$((h * 15 / 32)) cw=$((w * 6 / 32)) ch=$((h * 3 / 32))
  import -window root -crop "${cw}x${ch}+${x}+$((h - y - ch))" -depth 8 txt:- 2>/dev/null |
    awk -F'[(),]' 'NR > 1 && $3 > 235 && $4 > 235 && $5 > 235 { n++ } END { exit n > 20 ? 0 : 1 }'
}

# Waits until the rider has flown (flight colours on the HUD) and come down
# (colours gone): a crash, with the input above. Gives up after a while.
wait_for_touch_down() {
  local seen=0
  for _ in $(seq 1200); do
    if hud_shows_flight; then
      seen=1
    elif [ "$seen" = 1 ]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

floor_rate() {
  local file="$work/floor.count"
  rm -f "$file"
  LD_PRELOAD="$counter" QUORVEL_SWAP_FILE="$file" "$build/bench/quorvel_floor" &
  pid=$!
  wait_for_file "$file"
  sleep 1
  measure "$file" "$measure_seconds"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  pid=""
}

game_run() {
  local run=$1 file="$work/game.count" launch
  rm -f "$file"
  launch="$work/launch"
  (cd "$build/data" && echo "$EPOCHREALTIME" >"$launch" &&
    LD_PRELOAD="$counter" QUORVEL_SWAP_FILE="$file" exec "$build/quorvel" >"$work/stdout" 2>"$work/stderr") &
  pid=$!
  wait_for_file "$file"
  local startup
  startup=$(awk -v l="$(cat "$launch")" '{ printf "%.1f", ($6 / 1e6) - l * 1000 }' "$file")

  sleep 1
  local menu day night crash=nan/nan crashed
  menu=$(measure "$file" "$measure_seconds"); shot "run$run-menu"

  # The pointer where the run's passive moves keep it, so none of them steers.
  xdotool mousemove 640 512
  xdotool key s; sleep 1
  day=$(measure "$file" "$measure_seconds"); shot "run$run-day"

  xdotool key r key n; sleep 1
  night=$(measure "$file" "$measure_seconds"); shot "run$run-night"

  # A night crash: up to four tries with different flips, each confirmed
  # by "CRASH" once the rider has slid to a stop; the frames are counted
  # during the slide, with the crash spray on screen.
  crashed=no
  for try in 300:0.3 500:0.1 200:0.2 400:0.15; do
    xdotool mousemove 640 512 key r
    trick_input "${try%:*}" "${try#*:}" &
    input_loop=$!
    local down=no
    wait_for_touch_down && down=yes
    kill "$input_loop"; wait "$input_loop" 2>/dev/null || true
    input_loop=""
    xdotool mouseup 3 mousemove 640 512
    [ "$down" = yes ] || continue
    crash=$(measure "$file" "$measure_seconds"); shot "run$run-crash"
    for _ in $(seq 40); do
      if crash_text_shown; then crashed=yes; break; fi
      sleep 0.5
    done
    [ "$crashed" = yes ] && break
  done
  [ "$crashed" = yes ] || crash=nan/nan

  local hwm
  hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  xdotool key q; sleep 0.3; xdotool key q
  local code=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"; wait "$pid" 2>/dev/null || true; code=killed
  else
    wait "$pid" || code=$?
  fi
  pid=""
  echo "menu $menu day $day night $night crash $crash crash_seen $crashed startup_ms $startup hwm_kb $hwm exit $code"
}

for run in $(seq "$runs"); do
  floor=$(floor_rate)
  line="run $run floor $floor $(game_run "$run")"
  echo "$line"
  echo "$line" >>"$out/fps-runs.txt"
done
