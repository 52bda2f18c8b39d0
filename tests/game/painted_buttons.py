"""The buttons painted on a screenshot of the menu or help screen, and a demo
that clicks them just inside and just outside every edge of each, for
screen_sizes_test.sh (windows wider than 5:4, where the pointer is found on
the picture).

    painted_buttons.py clicks MENU.png HELP.png WIDTH HEIGHT DEMO EXPECTED
        writes DEMO (the clicks, and the quit button's middle last) and
        EXPECTED (the screen each click leaves, one a line)
    painted_buttons.py check REPLAY EXPECTED
        the screens the replayed clicks left, against EXPECTED
"""
import sys

import numpy as np
from PIL import Image

from playdemo import expect, frames_of

RIM = ((180, 256), (140, 226), (0, 120))  # the buttons' amber rim, as filtered onto the screen


def boxes(png):
    """(left, top, right, bottom) of each painted button, top to bottom: from the rows where a rim's top edge runs
    unbroken across the button to those of its bottom edge (no lettering runs a fifth of the height)."""
    rgb = np.asarray(Image.open(png).convert("RGB")).astype(int)
    rim = np.all([(rgb[:, :, c] >= low) & (rgb[:, :, c] < high) for c, (low, high) in enumerate(RIM)], axis=0)
    edges = []
    for y, row in enumerate(rim):
        bounds = np.flatnonzero(np.diff(np.concatenate(([0], row.astype(np.int8), [0]))))
        runs = [(x0, x1) for x0, x1 in zip(bounds[::2], bounds[1::2]) if x1 - x0 > len(rim) / 5]
        if runs and edges and edges[-1][3] == y:
            edges[-1][3] = y + 1
        elif runs:
            edges.append([runs[0][0], y, runs[0][1], y + 1])
    return [(top[0], top[1], top[2], bottom[3]) for top, bottom in zip(edges[::2], edges[1::2])]


def clicks(menu_png, help_png, width, height, demo, expected):
    menu, help_ = boxes(menu_png), boxes(help_png)
    expect(len(menu) == 3 and len(help_) == 1, "%d menu and %d help buttons painted" % (len(menu), len(help_)))
    # A texel of the pictures spans height / 512 pixels: its blur and the painted edge's rounding stay within.
    d = 3 + height // 512
    lines, screens = ["quorvel-demo 1", "window %d %d" % (width, height), "frame 50"], []
    # Each button's probes: its back key, the screen a press leaves, the screen a miss leaves.
    for (left, top, right, bottom), back, pressed, missed in [
        (menu[0], "q", "run", "menu"),
        (menu[1], "b", "help", "menu"),
        (help_[0], "h", "menu", "help"),
    ]:
        lines += ["key %d" % ord("h"), "frame 50"] if missed == "help" else []
        x, y = (left + right) // 2, (top + bottom) // 2
        inside = [(left + d, y), (right - 1 - d, y), (x, top + d), (x, bottom - 1 - d)]
        outside = [(left - 1 - d, y), (right + d, y), (x, top - 1 - d), (x, bottom + d)]
        for (px, py), hit in [(p, True) for p in inside] + [(p, False) for p in outside]:
            lines += ["button 0 down %d %d" % (px, py), "button 0 up %d %d" % (px, py), "frame 50"]
            lines += ["key %d" % ord(back), "frame 50"] if hit else []
            screens.append(pressed if hit else missed)
    x, y = (menu[2][0] + menu[2][2]) // 2, (menu[2][1] + menu[2][3]) // 2
    lines.extend(["key %d" % ord("b"), "frame 50", "button 0 down %d %d" % (x, y), "button 0 up %d %d" % (x, y)])
    with open(demo, "w") as f:
        f.write("\n".join(lines) + "\n")
    with open(expected, "w") as f:
        f.write("\n".join(screens) + "\n")
    print("buttons painted at %s (menu), %s (help); clicks %d pixels about their edges" % (menu, help_, d))


def check(replay, expected):
    """Each click's screen is the state of the frame that follows it."""
    with open(expected) as f, open(replay) as g:
        wanted, played = f.read().split(), frames_of(g.read())
    left = [f.screen for f in played if f.state and any(e.startswith("button 0 up") for e in f.events)][: len(wanted)]
    expect(left == wanted, "the clicks left the screens %s, not %s" % (left, wanted))
    print("%d clicks, each leaving the screen expected" % len(wanted))


if __name__ == "__main__":
    if sys.argv[1] == "clicks":
        clicks(*sys.argv[2:4], int(sys.argv[4]), int(sys.argv[5]), *sys.argv[6:8])
    else:
        check(*sys.argv[2:4])
