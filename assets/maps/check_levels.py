#!/usr/bin/python3
"""Proves that the generated location pictures and masks fit the game's tables.

    /usr/bin/python3 check_levels.py --data-dir DIR     check every location
    /usr/bin/python3 check_levels.py --data-dir DIR --self-test
"""
import argparse
import os
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import level_rules as R  # noqa: E402
from check_boss import check_walk, check_fight  # noqa: E402
from check_core import load_location, WALL  # noqa: E402
from check_rules import (check_sizes, check_arrivals, check_triggers, check_chains,  # noqa: E402
                         check_reach, check_enemies, red_areas, arrival_points)

CHECKS = [check_sizes, check_arrivals, check_triggers, check_chains, check_reach,
          check_enemies, check_walk, check_fight]


def check_location(loc):
    failures = list(f'{loc.name}: {p}' for p in loc.problems)
    for check in CHECKS:
        failures += check(loc)
    return failures


def summary(locations):
    areas = sum(len(red_areas(loc)) for loc in locations)
    arrivals = sum(len(R.arrivals_of(loc.name)) for loc in locations)
    kits = sum(len(R.KITS.get(loc.name, [])) for loc in locations)
    enemies = sum(len(R.ENEMIES.get(loc.name, [])) for loc in locations)
    return (f'{len(locations)} locations OK: {arrivals} arrivals, {areas} red areas, '
            f'{kits} first-aid kits, {enemies} enemy places, both boss scenes')


def self_test(data_dir):
    """Break copies of real masks in memory and make sure the checks notice."""
    hut = load_location(data_dir, 'hut')
    assert not check_location(hut), 'the hut must pass before it can be broken'
    broken = hut.copy()
    _, (mx, my), _ = next(arrival_points('hut'))
    broken.classes[my - 20:my + 21, mx - 20:mx + 21] = WALL
    found = check_location(broken)
    assert any('arrival' in f and 'not open ground' in f for f in found), found
    shifted = hut.copy()
    red = shifted.red
    shifted.classes[red] = 0
    shifted.classes[2:6, 2:6] = 2     # a trigger in the wall corner, upper half: key
    found = check_location(shifted)
    assert any('no red area for "city"' in f for f in found), found
    assert any('cannot be reached' in f for f in found), found
    lobby = load_location(data_dir, 'duvave1')
    lobby.classes[350:362, 390:410] = 2   # where the 2nd-floor arrival reads the lobby mask
    found = check_location(lobby)
    assert any('leaving for duvave2' in f and 'reads red' in f for f in found), found
    print('self-test passed: a wall on an arrival, a misplaced trigger and a '
          'trigger chain are all reported')
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--data-dir', required=True)
    parser.add_argument('--self-test', action='store_true')
    args = parser.parse_args(argv)
    if args.self_test:
        return self_test(args.data_dir)
    start = time.perf_counter()
    locations, failures = [], []
    for name in R.LOCATIONS:
        try:
            loc = load_location(args.data_dir, name)
        except OSError as err:
            failures.append(f'{name}: cannot read: {err}')
            continue
        locations.append(loc)
        failures += check_location(loc)
    for failure in failures:
        print('FAIL', failure)
    if failures:
        print(f'{len(failures)} failures')
        return 1
    print(summary(locations) + f' ({time.perf_counter() - start:.1f}s)')
    return 0


if __name__ == '__main__':
    sys.exit(main())
