"""The course and screen tables the game compiles, read from its own headers so
that a lamp, a fence, a button or the font grid is written in one place.

Only the plain forms those headers use are understood: comments, #pragma,
#include, namespace lines, `inline constexpr float|int name = number;` and
`inline constexpr Type name[] = {` tables whose rows are `{numbers...},` or an
earlier table's row `name[i],`. Anything else stops the generator with the line.
"""
import pathlib
import re

SOURCE = pathlib.Path(__file__).resolve().parents[2] / "src"
HEADERS = [SOURCE / "common" / "CourseLayout.h", SOURCE / "ui" / "ScreenLayout.h"]

_NUMBER = r"-?\d+(?:\.\d+f)?"
_SKIP = re.compile(r'\s*(//.*)?$|#pragma once$|#include "[\w/]+\.h"$|namespace \w+ \{$|\}  // namespace \w+$')
_SCALAR = re.compile(r"inline constexpr (?:float|int) (\w+) = (%s);$" % _NUMBER)
_TABLE = re.compile(r"inline constexpr \w+ (\w+)\[\] = \{$")
_ROW = re.compile(r"    \{((?:[{}, ]|%s)+)\},$" % _NUMBER)
_REFERENCE = re.compile(r"    (\w+)\[(\d+)\],$")


def _number(text):
    return float(text[:-1]) if text.endswith("f") else int(text)


def read(path):
    """Name -> number, or name -> list of rows, each row a tuple of its numbers in order."""
    values, table = {}, None
    for n, line in enumerate(pathlib.Path(path).read_text().splitlines(), 1):
        if table is None and (m := _SCALAR.match(line) or _TABLE.match(line)) and m.group(1) not in values:
            values[m.group(1)] = _number(m.group(2)) if m.re is _SCALAR else []
            table = values[m.group(1)] if m.re is _TABLE else None
        elif table is not None and line == "};":
            table = None
        elif table is not None and (m := _ROW.match(line)):
            table.append(tuple(_number(x) for x in re.findall(_NUMBER, m.group(1))))
        elif table is not None and (m := _REFERENCE.match(line)) and m.group(1) in values:
            table.append(values[m.group(1)][int(m.group(2))])
        elif table is not None or not _SKIP.match(line):
            raise ValueError("%s:%d: not a layout line: %r" % (path, n, line))
    if table is not None:
        raise ValueError("%s: a table is not closed" % path)
    return values


COURSE, SCREENS = (read(path) for path in HEADERS)
