"""Command line: python3 -m assetgen --out <dir>"""
import argparse
import sys

from .catalog import generate


def main(argv=None):
    parser = argparse.ArgumentParser(prog="assetgen", description="Writes Quorvel's models and pictures.")
    parser.add_argument("--out", required=True, help="data folder to fill (models/ and textures/)")
    args = parser.parse_args(argv)
    generate(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
