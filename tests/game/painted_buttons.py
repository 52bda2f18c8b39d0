"""The buttons painted on a screenshot of the menu or help screen, and a demo
that clicks around their edges, for screen_sizes_test.sh.

    painted_buttons.py clicks MENU.png HELP.png WIDTH HEIGHT DEMO EXPECTED
        writes DEMO (clicks just inside and just outside every edge of each
        painted button, and the quit button's middle last) and EXPECTED (the
        screen each click leaves, one a line)
    painted_buttons.py check REPLAY EXPECTED
        the screens the replayed clicks left, against EXPECTED
"""
import sys

import numpy as np
from PIL import Image

from playdemo import expect

RIM = ((180, 256), (140, 226), (0, 120))  # the buttons' amber rim, as filtered onto the screen


def rim_mask(png):
    rgb = np.asarray(Image.open(png).convert("RGB")).astype(int)
    return np.all([(rgb[:, :, c] >= low) & (rgb[:, :, c] < high) for c, (low, high) in enumerate(RIM)], axis=0)


def boxes(png):
    """(left, top, right, bottom) of each rim big enough to be a button, top to bottom: runs of rim pixels joined
    where they touch from row to row."""
    mask = rim_mask(png)
    height = mask.shape[0]
    runs, parent = [], []
    previous = []
    for y, row in enumerate(mask):
        edges = np.flatnonzero(np.diff(np.concatenate(([0], row.astype(np.int8), [0]))))
        current = []
        for x0, x1 in zip(edges[::2], edges[1::2]):
            runs.append((x0, x1, y))
            parent.append(len(parent))
            current.append(len(runs) - 1)
            for other in previous:
                if runs[other][0] < x1 and x0 < runs[other][1]:
                    parent[find(parent, other)] = find(parent, current[-1])
        previous = current
    groups = {}
    for i, (x0, x1, y) in enumerate(runs):
        box = groups.setdefault(find(parent, i), [x0, y, x1, y + 1])
        box[:] = min(box[0], x0), min(box[1], y), max(box[2], x1), max(box[3], y + 1)
    found = [b for b in groups.values() if b[2] - b[0] > height / 10 and b[3] - b[1] > height / 25]
    return sorted(found, key=lambda b: b[1])


def find(parent, i):
    while parent[i] != i:
        parent[i] = parent[parent[i]]
        i = parent[i]
    return i


def probes(box, margin):
    """Points just inside each edge (pressed) and just outside it (not), middle height or width."""
    left, top, right, bottom = box
    x, y = (left + right) // 2, (top + bottom) // 2
    inside = [(left + margin, y), (right - 1 - margin, y), (x, top + margin), (x, bottom - 1 - margin)]
    outside = [(left - 1 - margin, y), (right + margin, y), (x, top - 1 - margin), (x, bottom + margin)]
    return [(p, True) for p in inside] + [(p, False) for p in outside]


def clicks(menu_png, help_png, width, height, demo, expected):
    menu, help_ = boxes(menu_png), boxes(help_png)
    expect(len(menu) == 3 and len(help_) == 1, "%d menu and %d help buttons painted" % (len(menu), len(help_)))
    # A screen texel spans height / 512 pixels: its blur and the painted edge's rounding stay inside the margin.
    margin = 3 + height // 512
    lines, screens = ["quorvel-demo 1", "window %d %d" % (width, height), "frame 50"], []

    def click(x, y, screen):
        lines.extend(["button 0 down %d %d" % (x, y), "button 0 up %d %d" % (x, y), "frame 50"])
        screens.append(screen)

    def key(code):
        lines.extend(["key %d" % code, "frame 50"])

    for box, pressed, back in [(menu[0], "run", ord("q")), (menu[1], "help", ord("b"))]:
        for (x, y), inside in probes(box, margin):
            click(x, y, pressed if inside else "menu")
            if inside:
                key(back)
    key(ord("h"))
    for (x, y), inside in probes(help_[0], margin):
        click(x, y, "menu" if inside else "help")
        if inside:
            key(ord("h"))
    key(ord("b"))
    x, y = (menu[2][0] + menu[2][2]) // 2, (menu[2][1] + menu[2][3]) // 2
    lines.extend(["button 0 down %d %d" % (x, y), "button 0 up %d %d" % (x, y)])  # quits: no frame follows
    with open(demo, "w") as f:
        f.write("\n".join(lines) + "\n")
    with open(expected, "w") as f:
        f.write("\n".join(screens) + "\n")
    print(
        "buttons painted at %s (menu), %s (help); clicks %d pixels either side of their edges" % (menu, help_, margin)
    )


def check(replay, expected):
    with open(expected) as f:
        wanted = f.read().split()
    seen, clicked = [], None
    with open(replay) as f:
        for line in f:
            fields = line.split()
            if fields[:1] == ["button"] and fields[2] == "up":
                clicked = fields[3:5]
            elif fields[:1] == ["state"] and clicked:
                seen.append((clicked, fields[1]))
                clicked = None
    for i, want in enumerate(wanted):
        expect(i < len(seen), "the game ended before click %d" % (i + 1))
        expect(seen[i][1] == want, "the click at %s left the %s, not the %s" % (",".join(seen[i][0]), seen[i][1], want))
    print("%d clicks, each leaving the screen expected" % len(wanted))


if __name__ == "__main__":
    if sys.argv[1] == "clicks":
        clicks(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]), sys.argv[6], sys.argv[7])
    else:
        check(sys.argv[2], sys.argv[3])
