#!/usr/bin/env bash
# The game on a real X server (Xorg with the dummy video driver, no hardware
# needed) rather than Xvfb, which can't switch modes:
# - with 1280x1024 among the modes and 1024x768 the screen's size at start,
#   the game enters game mode: the screen is 1280x1024 while it runs and
#   back at 1024x768 after q. Where the server lists the mode but refuses the
#   switch (the dummy driver does through the XFree86-VidMode extension that
#   freeglut uses, as vidmode.py shows), the game must not die of the X error:
#   it runs in its full-screen window and the screen keeps its size;
# - with no 1280x1024 mode at all, the game starts full screen and plays.
set -euo pipefail
source "$QUORVEL_SOURCE/tests/support/game.sh"
command -v Xorg >/dev/null || fail "Xorg is not installed (xserver-xorg-core)"
[ -n "$(first_match /usr/lib/xorg/modules/drivers/dummy_drv.so || true)" ] ||
  fail "the dummy video driver is not installed (xserver-xorg-video-dummy)"

write_config() {   # write_config FILE VIRTUAL MODES...
  local file=$1 virtual=$2
  shift 2
  cat >"$file" <<CONF
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0 - 1000.0
  VertRefresh 5.0 - 200.0
  Modeline "1280x1024" 108.00 1280 1328 1440 1688 1024 1025 1028 1066 +hsync +vsync
  Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
  Modeline "800x600" 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes $*
    Virtual $virtual
  EndSubSection
EndSection
CONF
}

# A run of a few seconds: the rider's frames keep coming and the game lives.
play_briefly() {
  xdotool mousemove 500 400
  game_key s
  sleep 4
  xdotool mousemove 450 400 sleep 0.3 mousemove 550 400
  sleep 2
  game_running || fail "the game died in the run"
}

echo "--- a server that offers 1280x1024"
write_config "$game_dir/offers.conf" "1280 1024" '"1024x768"' '"1280x1024"'
game_start_xorg "$game_dir/offers.conf"
before=$(screen_size)
[ "$before" = 1024x768 ] || fail "the dummy screen starts at $before, not 1024x768"
switches=0
"$game_python" "$game_tests/game/vidmode.py" 1280 1024 || switches=$?
game_start
game_wait_window
sleep 2
during=$(screen_size)
window=$(game_window_size)
echo "screen $before before, $during while the game runs; game window $window"
if [ "$switches" = 0 ]; then
  [ "$during" = 1280x1024 ] || fail "no switch to 1280x1024 in game mode"
else
  [ "$during" = "$before" ] || fail "the screen changed size though the switch was refused"
  [ "$window" = "$during" ] || fail "the fallback window is $window on a $during screen"
fi
play_briefly
game_quit_from_run
game_expect_clean_stderr
after=$(screen_size)
echo "screen $after after quitting"
[ "$after" = "$before" ] || fail "the screen stays at $after after quitting"

echo "--- a server without 1280x1024"
write_config "$game_dir/lacks.conf" "1024 768" '"1024x768"' '"800x600"'
game_start_xorg "$game_dir/lacks.conf"
"$game_python" "$game_tests/game/vidmode.py" 1280 1024 && fail "the server offers 1280x1024 after all"
game_start
game_wait_window
sleep 2
window=$(game_window_size)
echo "game window $window on a $(screen_size) screen"
[ "$window" = "$(screen_size)" ] || fail "the game is not full screen"
play_briefly
game_quit_from_run
game_expect_clean_stderr
