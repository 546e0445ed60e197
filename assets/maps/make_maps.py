#!/usr/bin/python3
"""Builds every location picture (JPEG) and collision mask (GIF) from the .map sources.

    /usr/bin/python3 make_maps.py --data-dir DIR [--only NAME ...]
"""
import argparse
import os
import sys
import time

sys.dont_write_bytecode = True   # keep the source folder clean when run from a build
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from PIL import Image  # noqa: E402

from level_rules import LOCATIONS, picture_file, mask_file  # noqa: E402
from mapfile import load_map  # noqa: E402
from render import render  # noqa: E402


def build(name, data_dir):
    spec = load_map(os.path.join(HERE, name + '.map'), name)
    picture, mask = render(spec)
    Image.fromarray(picture, 'RGB').save(os.path.join(data_dir, picture_file(name)),
                                         format='JPEG', quality=90, optimize=True)
    mask.save_gif(os.path.join(data_dir, mask_file(name)))
    return spec


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--data-dir', required=True)
    parser.add_argument('--only', nargs='*', default=None, help='build just these locations')
    args = parser.parse_args(argv)
    os.makedirs(args.data_dir, exist_ok=True)
    for name in args.only or LOCATIONS:
        start = time.perf_counter()
        spec = build(name, args.data_dir)
        print(f'{name}: {spec.width}x{spec.height}, {len(spec.shapes)} shapes, '
              f'{time.perf_counter() - start:.1f}s')
    return 0


if __name__ == '__main__':
    sys.exit(main())
