# The tables the generator builds and paints from are the ones the game
# compiles: a small program built from the same layout headers prints every
# value the generator read from them, as the compiler read it.
import os
import pathlib
import subprocess
import tempfile
import unittest

import numpy as np

from assetgen import layout

SHOW = """#include <cstdio>
void show(int value) { std::printf(" %d", value); }
void show(float value) { std::printf(" %.9g", value); }
template <class Row> void show(const Row& row) {  // a row of floats
    for (unsigned i = 0; i < sizeof row / sizeof(float); ++i) show(reinterpret_cast<const float*>(&row)[i]);
}
int main() {
"""


def compiled():
    """Name -> every number it holds, in order, as the game has them."""
    program = ['#include "%s"' % header.relative_to(layout.SOURCE) for header in layout.HEADERS] + [SHOW]
    for space, values in (("courseLayout", layout.COURSE), ("screenLayout", layout.SCREENS)):
        for name, value in values.items():
            show = "for (const auto& row : %s::%s) show(row);" if isinstance(value, list) else "show(%s::%s);"
            program += ['    std::printf("\\n%s");' % name, "    " + show % (space, name)]
    with tempfile.TemporaryDirectory() as tmp:
        source, binary = pathlib.Path(tmp, "tables.cpp"), pathlib.Path(tmp, "tables")
        source.write_text("\n".join(program) + "\n}\n")
        subprocess.run(
            [os.environ.get("CXX", "c++"), "-std=c++17", "-I", layout.SOURCE, source, "-o", binary], check=True
        )
        lines = subprocess.run([binary], check=True, capture_output=True, text=True).stdout.split("\n")
    return {line.split()[0]: np.float32(line.split()[1:]) for line in lines if line}


class LayoutTest(unittest.TestCase):
    def test_the_generator_reads_every_table_as_the_game_compiles_it(self):
        game = compiled()
        for name, value in {**layout.COURSE, **layout.SCREENS}.items():
            self.assertTrue(np.array_equal(game[name], np.float32(value).ravel()), (name, game[name], value))
