"""Writer of the MilkShape 3D ASCII text that the game's model loader reads:
"Frames:", "Frame:", then the mesh, material and bone sections."""
from dataclasses import dataclass, field

NAME_LIMIT = 31  # the loader's name buffers hold 31 characters


def number(value):
    text = "%.6f" % value
    return "0.000000" if text == "-0.000000" else text


def _name(text):
    if len(text) > NAME_LIMIT or '"' in text:
        raise ValueError("name %r does not fit the loader" % text)
    return '"%s"' % text


@dataclass
class Material:
    name: str
    texture: str
    ambient: tuple = (0.6, 0.6, 0.6, 1.0)
    diffuse: tuple = (0.8, 0.8, 0.8, 1.0)
    specular: tuple = (0.0, 0.0, 0.0, 1.0)
    emissive: tuple = (0.0, 0.0, 0.0, 1.0)
    shininess: float = 0.0


@dataclass
class Bone:
    """A joint: position is the rest offset from its parent (no rest
    rotation), keys map a frame to a translation or Euler angles in radians."""

    name: str
    parent: str
    position: tuple
    position_keys: list = field(default_factory=list)
    rotation_keys: list = field(default_factory=list)


@dataclass
class Model:
    meshes: list
    materials: list
    bones: list = field(default_factory=list)
    frames: int = 1
    start_frame: int = 1


def _mesh_lines(mesh, material_index):
    lines = ["%s 0 %d" % (_name(mesh.name), material_index), str(len(mesh.vertices))]
    for x, y, z, u, v, bone in mesh.vertices:
        lines.append("0 %s %s %s %s %s %d" % (tuple(map(number, (x, y, z, u, v))) + (bone,)))
    lines.append(str(len(mesh.normals)))
    lines.extend(" ".join(map(number, n)) for n in mesh.normals)
    lines.append(str(len(mesh.triangles)))
    for v0, v1, v2, n0, n1, n2 in mesh.triangles:
        lines.append("0 %d %d %d %d %d %d 1" % (v0, v1, v2, n0, n1, n2))
    return lines


def _material_lines(m):
    lines = [_name(m.name)]
    for colour in (m.ambient, m.diffuse, m.specular, m.emissive):
        lines.append(" ".join(map(number, colour)))
    lines += [number(m.shininess), number(1.0), _name(m.texture), '""']
    return lines


def _bone_lines(b):
    lines = [
        _name(b.name),
        _name(b.parent),
        "8 %s 0.000000 0.000000 0.000000" % " ".join(map(number, b.position)),
        str(len(b.position_keys)),
    ]
    lines += ["%s %s" % (number(t), " ".join(map(number, p))) for t, p in b.position_keys]
    lines.append(str(len(b.rotation_keys)))
    lines += ["%s %s" % (number(t), " ".join(map(number, r))) for t, r in b.rotation_keys]
    return lines


def text(model):
    names = [m.name for m in model.materials]
    lines = [
        "// MilkShape 3D ASCII",
        "",
        "Frames: %d" % model.frames,
        "Frame: %d" % model.start_frame,
        "",
        "Meshes: %d" % len(model.meshes),
    ]
    for mesh in model.meshes:
        lines += _mesh_lines(mesh, names.index(mesh.material))
    lines += ["", "Materials: %d" % len(model.materials)]
    for m in model.materials:
        lines += _material_lines(m)
    lines += ["", "Bones: %d" % len(model.bones)]
    for b in model.bones:
        lines += _bone_lines(b)
    return "\n".join(lines) + "\n"
