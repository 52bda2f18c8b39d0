"""Reads what the game drew from an apitrace recording: one record per frame
with the screen shown, the rider's pose, the texts printed and the lights on.

The rider is the one glPushMatrix that is followed at once by the rider's
translation and its three rotations (lean about x first); the floodlights
translate without a push, the HUD pushes without translating. Texts are the
bytes of the font's glCallLists. Command line:

    gametrace.py frames TRACE OUT.tsv   one line per frame (see FIELDS)
    gametrace.py check NAME OUT.tsv     one of the CHECKS below; exit 1 on failure
    gametrace.py uploads TRACE          the texture names given a picture (level 0)
"""
import os
import re
import subprocess
import sys
import tempfile

FIELDS = ["frame", "call", "screen", "x", "y", "z", "rx", "ry", "rz", "airborne", "tx", "ty", "tz",
          "crashorder", "lights", "texts"]
CALLS = r"^(glXSwapBuffers|glPushMatrix|glTranslatef|glRotatef|glCallLists|glBindTexture|glEnable|glDisable)$"
LINE = re.compile(r"^(\d+) (\w+)\((.*)\)")
NUMBER = re.compile(r"= (-?[0-9.e+-]+|-?nan|-?inf)")
BLOB = re.compile(r'blob\("([^"]+)"\)')
LIGHT = re.compile(r"cap = GL_LIGHT([0-7])$")
FLIGHT_PIVOT = (0.0, 0.9, 0.0)


class Frame:
    def __init__(self, index):
        self.index = index
        self.call = 0
        self.pose = None          # x, y, z, rx, ry, rz
        self.airborne = False
        self.trick = [0.0, 0.0, 0.0]  # about x, y (spin), z (flip), in the air
        self.crash_order = False  # rotations x, z, y: the crashed rider
        self.textures = []        # bound in order, for telling screens apart
        self.texts = []
        self.lights = ""


def numbers(args):
    return [float(v) for v in NUMBER.findall(args)]


def dump(trace, workdir):
    """The calls that matter, as (number, name, args); blobs land in workdir."""
    out = subprocess.run(["apitrace", "dump", "--color=never", "--blobs", "--grep=" + CALLS, os.path.abspath(trace)],
                         cwd=workdir, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True,
                         universal_newlines=True).stdout
    for line in out.splitlines():
        m = LINE.match(line)
        if m:
            yield int(m.group(1)), m.group(2), m.group(3)


def rider_pose(calls, i):
    """The pose if calls[i] is the rider's push, else None."""
    window = calls[i:i + 6]
    if len(window) < 6 or [c[1] for c in window[1:5]] != ["glTranslatef"] + ["glRotatef"] * 3:
        return None
    if any(window[k + 1][0] != window[k][0] + 1 for k in range(4)):
        return None
    axes = [tuple(numbers(c[2])[1:]) for c in window[2:5]]
    pos = numbers(window[1][2])
    angles = [numbers(c[2])[0] for c in window[2:5]]
    if axes == [(1, 0, 0), (0, 1, 0), (0, 0, 1)]:
        return pos + angles, False, window[5]
    if axes == [(1, 0, 0), (0, 0, 1), (0, 1, 0)]:
        return pos + [angles[0], angles[2], angles[1]], True, window[5]
    return None


def read_blob(workdir, args):
    m = BLOB.search(args)
    if not m:
        return ""
    path = os.path.join(workdir, m.group(1))
    with open(path, "rb") as f:
        data = f.read()
    os.remove(path)
    return data.decode("latin-1")


def frames(trace):
    with tempfile.TemporaryDirectory() as workdir:
        calls = list(dump(trace, workdir))
        result, frame = [], Frame(0)
        lights = [False] * 8
        for i, (number, name, args) in enumerate(calls):
            if name == "glXSwapBuffers":
                frame.call = number
                frame.lights = "".join("1" if on else "0" for on in lights)
                result.append(frame)
                frame = Frame(len(result))
            elif name == "glPushMatrix" and frame.pose is None:
                found = rider_pose(calls, i)
                if found:
                    frame.pose, frame.crash_order, after = found
                    frame.airborne = after[1] == "glTranslatef" and tuple(numbers(after[2])) == FLIGHT_PIVOT
                    if frame.airborne:
                        frame.trick = [numbers(c[2])[0] for c in calls[i + 6:i + 9]]
            elif name == "glBindTexture":
                frame.textures.append(int(numbers(args)[-1]))
            elif name == "glCallLists":
                frame.texts.append(read_blob(workdir, args))
            elif name in ("glEnable", "glDisable"):
                m = LIGHT.search(args)
                if m:
                    lights[int(m.group(1))] = name == "glEnable"
        return result


def screen_of(frame):
    """'run' when the rider is drawn, else the first texture bound (a screen picture)."""
    if frame.pose is not None:
        return "run"
    return "tex%d" % frame.textures[0] if frame.textures else "none"


def write_tsv(records, path):
    with open(path, "w") as f:
        f.write("\t".join(FIELDS) + "\n")
        for r in records:
            pose = r.pose or [float("nan")] * 6
            texts = "|".join(t.replace("|", "/") for t in r.texts)
            row = [r.index, r.call, screen_of(r)] + ["%.4f" % v for v in pose]
            row += [int(r.airborne)] + ["%.4f" % v for v in r.trick] + [int(r.crash_order), r.lights, texts]
            f.write("\t".join(str(v) for v in row) + "\n")


class Row:
    def __init__(self, fields):
        self.frame, self.call = int(fields[0]), int(fields[1])
        self.screen = fields[2]
        self.pose = [float(v) for v in fields[3:9]]
        self.x, self.y, self.z = self.pose[:3]
        self.airborne = fields[9] == "1"
        self.trick = [float(v) for v in fields[10:13]]
        self.crash_order = fields[13] == "1"
        self.lights = fields[14]
        self.texts = fields[15].split("|") if len(fields) > 15 and fields[15] else []


def read_tsv(path):
    with open(path) as f:
        lines = f.read().splitlines()[1:]
    return [Row(line.split("\t")) for line in lines]


def screens(rows):
    """The screens shown, consecutive repeats collapsed."""
    out = []
    for r in rows:
        if not out or out[-1] != r.screen:
            out.append(r.screen)
    return out


def uploads(trace):
    """Texture names that received a level-0 image of some size (an empty
    0 x 0 image leaves the texture incomplete: drawn untextured), in order."""
    bound, named = 0, []
    out = subprocess.run(["apitrace", "dump", "--color=never", "--grep=^(glBindTexture|glTexImage2D)$",
                          os.path.abspath(trace)], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                         check=True, universal_newlines=True).stdout
    for line in out.splitlines():
        m = LINE.match(line)
        if not m:
            continue
        if m.group(2) == "glBindTexture":
            bound = int(numbers(m.group(3))[-1])
        elif "level = 0," in m.group(3) and bound not in named:
            size = re.search(r"width = (\d+), height = (\d+)", m.group(3))
            if size and int(size.group(1)) > 0 and int(size.group(2)) > 0:
                named.append(bound)
    return named


def main(argv):
    if len(argv) == 2 and argv[0] == "uploads":
        print(" ".join(str(n) for n in uploads(argv[1])))
        return 0
    if len(argv) == 3 and argv[0] == "frames":
        write_tsv(frames(argv[1]), argv[2])
        return 0
    if len(argv) == 3 and argv[0] == "check":
        import tracechecks
        return tracechecks.run(argv[1], read_tsv(argv[2]))
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
