"""Every file the generator writes, and the writing of them all."""
import os

from . import icon, imagefile, milkshape, stamp
from .course import arrows_model, kicker_model
from .materials import TEXTURES
from .rider import rider_model
from .surround import surround_model
from .terrain import Terrain


def models():
    """File name under models/ -> Model."""
    terrain = Terrain()
    heights = terrain.height_grid()
    return {
        "kicka.txt": kicker_model(terrain, heights),
        "arrows.txt": arrows_model(terrain),
        "boada.txt": rider_model(),
        "surround.txt": surround_model(terrain, heights),
    }


def pictures():
    """File name under textures/ -> function returning the file's bytes."""
    from . import banners, font, particle, screens, skybox

    files = {}
    for name, (painter, rle) in TEXTURES.items():
        files[name] = lambda p=painter, r=rle: imagefile.tga_bytes(_rgb(p()), rle=r)
    for registry in (skybox.PICTURES, banners.PICTURES, screens.PICTURES, particle.PICTURES, font.PICTURES):
        files.update(registry)
    return files


def _rgb(picture):
    from .paint import to_bytes

    return to_bytes(picture)


def generate(out):
    for folder in ("models", "textures"):
        os.makedirs(os.path.join(out, folder), exist_ok=True)
    for name, model in models().items():
        with open(os.path.join(out, "models", name), "w", newline="\n") as f:
            f.write(milkshape.text(model))
    for name, make in pictures().items():
        imagefile.write(os.path.join(out, "textures", name), make())
    # The desktop icon goes beside the data, not among the game's pictures.
    imagefile.write(os.path.join(out, icon.NAME), icon.png_bytes())
    # Last: a folder cut short by a failed run is not taken for the data.
    stamp.write_stamp(out)
