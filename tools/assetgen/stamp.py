"""The stamp that marks a folder as the game's data: the game takes no other
folder for it. Its name and line are read from the game's own header."""
import os
import pathlib
import re

HEADER = pathlib.Path(__file__).resolve().parents[2] / "src" / "app" / "DataFolder.h"


def _constant(name):
    match = re.search(r'static constexpr const char\* %s = "([^"]+)";' % name, HEADER.read_text())
    if not match:
        raise SystemExit("%s: no %s" % (HEADER, name))
    return match.group(1)


def write_stamp(out):
    with open(os.path.join(out, _constant("stampName")), "w", encoding="ascii", newline="\n") as stamp:
        stamp.write(_constant("stampLine") + "\n")
