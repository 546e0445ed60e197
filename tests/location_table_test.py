#!/usr/bin/python3
"""Every reader of assets/locations.json sees the same table: the game (with its data check and the
autopilot), the build's list of pictures and masks, and the map generator and checker. The build's
check of the table refuses a broken one.

    location_table_test.py DUMP CHECK SOURCE_DIR FILE...

DUMP writes the game's view, CHECK is the build's check, FILE... are the location files the build makes.
"""
import json
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True

STORY_PAGES = ['story_start.gif', 'story_end.gif']


def differences(a, b, where='table'):
    """Lines naming where two JSON values differ (1 and 1.0 are the same number)."""
    if isinstance(a, dict) and isinstance(b, dict):
        out = [f'{where}.{k}: only in the game' for k in a.keys() - b.keys()]
        out += [f'{where}.{k}: only in the map tools' for k in b.keys() - a.keys()]
        for k in sorted(a.keys() & b.keys()):
            out += differences(a[k], b[k], f'{where}.{k}')
        return out
    if isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            return [f'{where}: {len(a)} items in the game, {len(b)} in the map tools']
        return [d for i, (x, y) in enumerate(zip(a, b)) for d in differences(x, y, f'{where}[{i}]')]
    if a != b or isinstance(a, bool) != isinstance(b, bool):
        return [f'{where}: {json.dumps(a)} in the game, {json.dumps(b)} in the map tools']
    return []


def check(failures, label, problems):
    for p in problems:
        failures.append(f'{label}: {p}')


def main(argv):
    dump, checker, source_dir, cmake_files = argv[1], argv[2], argv[3], argv[4:]
    sys.path.insert(0, os.path.join(source_dir, 'assets', 'maps'))
    import level_rules  # noqa: E402  (the generator's and the checker's reader)

    game = json.loads(subprocess.run([dump], check=True, capture_output=True, text=True).stdout)
    tools = level_rules.table_view()
    failures = []

    files, doors = tools.pop('files'), tools.pop('doors')
    data_check, autopilot_doors = game.pop('data_check'), game.pop('doors')
    check(failures, 'the whole table', differences(game, tools))
    if data_check != files + STORY_PAGES:
        failures.append(f'the data check asks for {data_check}, the map generator makes {files} (+ story pages)')
    if cmake_files != files:
        failures.append(f'the build makes {cmake_files}, the map generator {files}')
    check(failures, 'doors', differences(autopilot_doors, doors, 'doors'))
    # A reader that drops a field would agree on an empty table: the table must hold something.
    if len(game['locations']) < 2 or not any(loc['triggers'] for loc in game['locations']):
        failures.append('the game sees no locations or no triggers')

    # The build's check takes the table as it is, and refuses it with one trigger pointing nowhere.
    table = os.path.join(source_dir, 'assets', 'locations.json')
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, 'locations.json')
        run = subprocess.run([checker, table, copy], capture_output=True, text=True)
        if run.returncode != 0 or open(copy, 'rb').read() != open(table, 'rb').read():
            failures.append(f'the build refuses the table: {run.stderr.strip()}')
        with open(table, encoding='utf-8') as f:
            broken = json.load(f)
        broken['locations'][0]['triggers'][0]['go'] = 'nowhere'
        bad = os.path.join(tmp, 'broken.json')
        with open(bad, 'w', encoding='utf-8') as f:
            json.dump(broken, f)
        run = subprocess.run([checker, bad, copy], capture_output=True, text=True)
        want = 'locations[0] "%s".triggers[0].go: no location is called "nowhere"' % broken['locations'][0]['name']
        if run.returncode != 1 or want not in run.stderr or os.path.exists(copy):
            failures.append(f'a trigger to nowhere: exit {run.returncode}, "{run.stderr.strip()}"')

    for f in failures:
        print('FAIL', f)
    if failures:
        return 1
    rows = sum(len(loc['triggers']) for loc in game['locations'])
    print(f'one table everywhere: {len(game["locations"])} locations, {rows} trigger rows, '
          f'{len(files)} files, {len(doors)} doors')
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
