"""The textures that the models' materials name, as TGA files, and the
materials that use them."""
import numpy as np

from . import paint
from .kicker import WALL_SHADE_ROWS
from .milkshape import Material

TEXTURE_DIR = "textures"


def _snow(size=256, seed=11, tint=(236, 242, 250), shade=(196, 210, 232), amount=0.55):
    """Clean snow: soft drifts, none smaller than a sixteenth of the picture.
    The game minifies these textures without mipmaps, so anything finer (a
    ridge, a single bright texel) would band or shimmer at a distance."""
    grain = paint.fbm(size, size, seed, base_cells=4, octaves=3)
    return paint.blend(paint.fill(size, size, tint), paint.fill(size, size, shade), grain * amount)


def snow():
    """The valley's: wider drifts, more of them in shade, for the far slopes' shape."""
    return _snow(amount=0.9)


def piste():
    """Groomed snow: the valley's tones, so the piste's edge shows no seam."""
    return _snow(256, 23)


def kicker():
    """The ramp's top: shaped, packed snow, cooler than the piste."""
    return _snow(128, 31, (222, 231, 247), (186, 203, 233), 0.6)


def kickerwall():
    """The ramp's side walls. Each row is a shade, from the piste's tone in
    the top row (flat) to a deep blue (steepest), under faint drifts that
    repeat along the ramp."""
    width, rows = 128, WALL_SHADE_ROWS
    drifts = paint.noise(rows, width, 8, 33)[:1].repeat(rows, axis=0)
    shade = (np.arange(rows, dtype=np.float32) / (rows - 1))[:, None]
    flat = paint.blend(paint.fill(rows, width, (238, 243, 250)), paint.fill(rows, width, (214, 224, 240)), drifts * 0.5)
    steep = paint.blend(paint.fill(rows, width, (132, 156, 204)), paint.fill(rows, width, (112, 138, 192)), drifts)
    return paint.blend(flat, steep, shade**0.6)


def lip():
    """Dye sprayed across the lip: the arrows' orange, a little uneven."""
    size = 64
    spray = paint.fbm(size, size, 35, base_cells=4, octaves=2)
    return paint.blend(paint.fill(size, size, (255, 104, 16)), paint.fill(size, size, (226, 66, 10)), spray)


def arrow():
    """Orange marker paint with a white rim; flat colours, stored RLE."""
    size = 64
    picture = paint.fill(size, size, (255, 255, 255))
    picture[6:-6, 6:-6] = paint.colour((255, 112, 16))
    picture[14:20, 6:-6] = paint.colour((255, 190, 40))
    return picture


def board():
    """Top sheet of the board: deep blue with a lightning stripe, stored RLE."""
    w, h = 256, 64
    picture = paint.fill(h, w, (22, 38, 98))

    def stripe(d, s):
        pts = [(0, 40), (90, 24), (120, 40), (180, 18), (256, 30), (256, 38), (180, 28), (120, 50), (90, 34), (0, 48)]
        d.polygon([(x * s, y * s) for x, y in pts], fill=255)

    mask = paint.shape_mask(w, h, stripe, supersample=1)
    picture = paint.blend(picture, paint.fill(h, w, (255, 204, 0)), mask)
    picture[:4] = picture[-4:] = paint.colour((230, 230, 235))
    return picture


def jacket():
    size = 128
    cloth = paint.fbm(size, size, 41, base_cells=16, octaves=2)
    picture = paint.blend(paint.fill(size, size, (214, 40, 36)), paint.fill(size, size, (150, 20, 24)), cloth * 0.6)
    picture[:, 56:72] = paint.colour((250, 250, 250))
    picture[:, 60:68] = paint.colour((30, 30, 36))
    return picture


def pants():
    size = 128
    cloth = paint.fbm(size, size, 43, base_cells=16, octaves=2)
    picture = paint.blend(paint.fill(size, size, (40, 56, 84)), paint.fill(size, size, (20, 28, 44)), cloth * 0.7)
    picture[:, 0:6] = paint.colour((230, 190, 30))
    return picture


def helmet():
    """Wraps round the head: helmet on top, goggles, face below."""
    w, h = 128, 128
    picture = paint.fill(h, w, (240, 240, 244))
    picture[48:, :] = paint.colour((232, 184, 150))
    picture[44:70, :] = paint.colour((30, 30, 34))
    picture[48:66, 40:88] = paint.colour((255, 150, 30))
    picture[84:92, 52:76] = paint.colour((150, 70, 60))
    return picture


def bark():
    w, h = 64, 128
    streaks = paint.noise(h, w, 16, 53)
    grain = paint.fbm(h, w, 59, base_cells=8, octaves=3)
    return paint.blend(
        paint.fill(h, w, (104, 70, 44)),
        paint.fill(h, w, (52, 34, 22)),
        np.clip(streaks * 0.7 + grain * 0.5 - 0.2, 0, 1),
    )


def pine():
    size = 128
    needles = paint.fbm(size, size, 61, base_cells=16, octaves=3)
    picture = paint.blend(paint.fill(size, size, (38, 88, 52)), paint.fill(size, size, (14, 44, 26)), needles)
    snow_cover = paint.fbm(size, size, 67, base_cells=6, octaves=3)
    return paint.blend(picture, paint.fill(size, size, (236, 242, 250)), np.clip((snow_cover - 0.52) * 5, 0, 1))


def wood():
    size = 128
    grain = paint.noise(size, size, 32, 71)
    picture = paint.blend(paint.fill(size, size, (150, 96, 52)), paint.fill(size, size, (96, 58, 30)), grain)
    picture[::16] = paint.colour((60, 36, 20))
    return picture


def roof():
    size = 128
    return _snow(size, 79, (246, 248, 252), (210, 220, 238))


# file name -> (painter, run-length encoded)
TEXTURES = {
    "snow.tga": (snow, False),
    "piste.tga": (piste, False),
    "kicker.tga": (kicker, False),
    "kickerwall.tga": (kickerwall, False),
    "lip.tga": (lip, False),
    "arrow.tga": (arrow, True),
    "board.tga": (board, True),
    "jacket.tga": (jacket, False),
    "pants.tga": (pants, False),
    "helmet.tga": (helmet, False),
    "bark.tga": (bark, False),
    "pine.tga": (pine, False),
    "wood.tga": (wood, False),
    "roof.tga": (roof, False),
}


def material(name, texture_file, shininess=0.0, emissive=(0.0, 0.0, 0.0, 1.0)):
    if texture_file not in TEXTURES:
        raise KeyError("no painter for " + texture_file)
    return Material(name=name, texture=TEXTURE_DIR + "\\" + texture_file, shininess=shininess, emissive=emissive)
