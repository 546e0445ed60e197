"""The game's fixed facts about its locations, as the map generator and checker need them.

They are read from ../locations.json, the table the game builds in, the build takes its list of
pictures and masks from, and the autopilot plays by; only the checker's own tolerances are here.

Positions called "play" are pixels of the 800 x 528 play area; a view (vx, vy)
is where the picture's top-left corner lies in the play area (zero or
negative), so the map position of a play position p is p - view.
"""
import json
import os

import numpy as np

TABLE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, 'locations.json')

PLAY_W, PLAY_H = 800, 528
PLAYER_RADIUS = 15
ENEMY_RADIUS = 15
KIT_TOUCH = 8 + 15
BOSS_RADIUS = 25
SCROLL_NEAR, SCROLL_FAR = 150, 170      # scroll bands from each play-area edge (x)
SCROLL_NEAR_Y, SCROLL_FAR_Y = 130, 150  # and (y)
SCROLL_MARGIN = 5
MAX_STEP = 6.5                           # fastest move in one pass (a bounce)
WALK_MAX_PASSES = 150                    # the walking boss must meet a wall or red by then

HALVES = ('left', 'right', 'upper', 'lower')
HOLDINGS = ('key', 'card', 'lab')
BANDS = ('mx_above', 'mx_below', 'my_above', 'my_below')
MESSAGES = ('locked_plant', 'card_found', 'key_found', 'lab_opened', 'no_card')


class TableError(Exception):
    pass


def _object(value, where, required, optional=()):
    if not isinstance(value, dict):
        raise TableError(f'{where}: must be an object')
    for key in value:
        if key not in required and key not in optional:
            raise TableError(f'{where}: unknown key "{key}"')
    for key in required:
        if key not in value:
            raise TableError(f'{where}: needs "{key}"')
    return value


def _point(value, where):
    if not (isinstance(value, list) and len(value) == 2
            and all(isinstance(v, int) and not isinstance(v, bool) for v in value)):
        raise TableError(f'{where}: must be a point [x, y]')
    return tuple(value)


def _one_of(value, choices, where):
    if value not in choices:
        raise TableError(f'{where}: "{value}" is none of {", ".join(choices)}')
    return value


def _trigger(row, where, names):
    _object(row, where, (), ('half', *BANDS, 'holding', 'lacking', 'experience', 'gives', 'message',
                             'go', 'entry'))
    out = {'half': _one_of(row['half'], HALVES, where + '.half') if 'half' in row else None,
           'holding': _one_of(row['holding'], HOLDINGS, where) if 'holding' in row else None,
           'lacking': _one_of(row['lacking'], HOLDINGS, where) if 'lacking' in row else None,
           'experience': row.get('experience', 0),
           'gives': _one_of(row['gives'], HOLDINGS, where) if 'gives' in row else None,
           'message': _one_of(row['message'], MESSAGES, where) if 'message' in row else None,
           'go': row.get('go'), 'entry': row.get('entry')}
    for band in BANDS:
        out[band] = row.get(band)
    if ('go' in row) != ('entry' in row):
        raise TableError(f'{where}: "go" and "entry" come together')
    if out['go'] is not None and out['go'] not in names:
        raise TableError(f'{where}.go: no location is called "{out["go"]}"')
    return out


def _location(loc, where):
    _object(loc, where, ('name', 'picture', 'mask'), ('arrivals', 'enemies', 'kits', 'triggers'))
    arrivals = []
    for i, row in enumerate(loc.get('arrivals', [])):
        at = f'{where}.arrivals[{i}]'
        _object(row, at, ('entry', 'view', 'player'), ('places_enemies',))
        arrivals.append({'entry': row['entry'], 'view': _point(row['view'], at + '.view'),
                         'player': _point(row['player'], at + '.player'),
                         'places_enemies': row.get('places_enemies', True)})
    kits = []
    for i, kit in enumerate(loc.get('kits', [])):
        at = f'{where}.kits[{i}]'
        _object(kit, at, ('slot', 'at'))
        kits.append({'slot': kit['slot'], 'at': _point(kit['at'], at + '.at')})
    return {'name': loc['name'], 'picture': loc['picture'], 'mask': loc['mask'],
            'arrivals': arrivals,
            'enemies': [_point(p, f'{where}.enemies[{i}]') for i, p in enumerate(loc.get('enemies', []))],
            'kits': kits,
            'triggers': loc.get('triggers', [])}


def read_table(path=TABLE_FILE):
    """The location table, every optional field filled in."""
    with open(path, encoding='utf-8') as f:
        raw = json.load(f)
    _object(raw, 'the table', ('locations', 'start', 'walking_boss', 'boss_fight'))
    locations = [_location(loc, f'locations[{i}]') for i, loc in enumerate(raw['locations'])]
    names = [loc['name'] for loc in locations]
    for i, loc in enumerate(locations):
        loc['triggers'] = [_trigger(row, f'locations[{i}].triggers[{j}]', names)
                           for j, row in enumerate(loc['triggers'])]
    start = _object(raw['start'], 'start', ('location', 'view', 'player'))
    walk = _object(raw['walking_boss'], 'walking_boss', ('location', 'start', 'target', 'speed', 'pose'))
    fight = _object(raw['boss_fight'], 'boss_fight', ('location', 'width_divisor', 'height_divisor',
                                                      'speed', 'pose', 'life', 'minions'))
    for what, at in (('start', start), ('walking_boss', walk), ('boss_fight', fight)):
        if at['location'] not in names:
            raise TableError(f'{what}.location: no location is called "{at["location"]}"')
    return {
        'locations': locations,
        'start': {'location': start['location'], 'view': _point(start['view'], 'start.view'),
                  'player': _point(start['player'], 'start.player')},
        'walking_boss': {'location': walk['location'], 'start': _point(walk['start'], 'walking_boss.start'),
                         'target': _point(walk['target'], 'walking_boss.target'),
                         'speed': walk['speed'], 'pose': walk['pose']},
        'boss_fight': {**{k: fight[k] for k in ('location', 'width_divisor', 'height_divisor',
                                                 'speed', 'pose', 'life')},
                       'minions': [_point(p, f'boss_fight.minions[{i}]')
                                   for i, p in enumerate(fight['minions'])]},
    }


TABLE = read_table()
_BY_NAME = {loc['name']: loc for loc in TABLE['locations']}

LOCATIONS = [loc['name'] for loc in TABLE['locations']]
# The order in which the trigger check visits the locations within one pass: the table's.
TRIGGER_ORDER = LOCATIONS


def picture_file(name):
    return _BY_NAME[name]['picture']


def mask_file(name):
    return _BY_NAME[name]['mask']


# (location, entry, view, player); entry '*' is every other entry text. A new game starts at the
# start place, which the checker treats as one more arrival.
ARRIVALS = [(loc['name'], row['entry'], row['view'], row['player'])
            for loc in TABLE['locations'] for row in loc['arrivals']]
ARRIVALS.append((TABLE['start']['location'], 'new game', TABLE['start']['view'], TABLE['start']['player']))


def arrivals_of(location):
    return [(entry, view, player) for loc, entry, view, player in ARRIVALS if loc == location]


def arrival(location, entry):
    """View and player position after entering location with this entry text."""
    rows = arrivals_of(location)
    for row_entry, view, player in rows:
        if row_entry == entry:
            return view, player
    for row_entry, view, player in rows:
        if row_entry == '*':
            return view, player
    return None   # a location without a '*' arrival keeps the current view for other entries


# Enemies placed on entry, play-area positions.
ENEMIES = {loc['name']: list(loc['enemies']) for loc in TABLE['locations'] if loc['enemies']}
# Entries after which no enemies are placed.
NO_ENEMIES_FROM = {(loc['name'], row['entry']) for loc in TABLE['locations']
                   for row in loc['arrivals'] if not row['places_enemies']}

# First-aid kits, map positions, in the order each location lists them.
KITS = {loc['name']: [kit['at'] for kit in loc['kits']] for loc in TABLE['locations'] if loc['kits']}

# The walk of the boss on its first appearance (play-area positions).
WALK_BOSS = {'location': TABLE['walking_boss']['location'], 'start': TABLE['walking_boss']['start'],
             'target': TABLE['walking_boss']['target'], 'speed': float(TABLE['walking_boss']['speed']),
             'max_passes': WALK_MAX_PASSES}
# The boss room: patrol between W/4 and 3W/4 at play y = H / height_divisor + view y.
FIGHT_BOSS = dict(TABLE['boss_fight'])


def _effect(row):
    """What a red area does for a player who may hold anything: a move names its destination."""
    if row['go'] is not None:
        return row['go']
    if row['gives'] is not None:
        return row['gives']   # 'key', 'card' or 'lab' (the lab button)
    return row['message'] or 'experience'


def _area(row):
    return (row['half'],) + tuple(row[band] for band in BANDS)


def _area_rows(location):
    """(row, action index) of the rows that can win by their place alone: a row with the same
    area as one above it only acts on what the player holds (the locked plant, the card-less button)."""
    seen, actions, out = set(), [], []
    for row in _BY_NAME[location]['triggers']:
        if _area(row) in seen:
            continue
        seen.add(_area(row))
        effect = _effect(row)
        if effect not in actions:
            actions.append(effect)
        out.append((row, actions.index(effect)))
    return out, actions


# What a red pixel does, per location; the move actions name their destination.
ACTIONS = {name: _area_rows(name)[1] for name in LOCATIONS}
# Entry text handed to the destination for each move (the first row to it).
MOVE_ENTRY = {(loc['name'], row['go']): row['entry'] for loc in TABLE['locations']
              for row in reversed(loc['triggers']) if row['go'] is not None}


def is_move(location, action):
    return any(row['go'] == action for row in _BY_NAME[location]['triggers'])


def classify(location, mx, my, width, height):
    """Action index (into ACTIONS[location]) of red pixels at map (mx, my); -1 = none."""
    mx = np.asarray(mx, np.float64)
    my = np.asarray(my, np.float64)
    hw, hh = np.float32(width / 2), np.float32(height / 2)
    shape = np.broadcast(mx, my).shape
    halves = {'left': mx < hw, 'right': mx > hw, 'upper': my < hh, 'lower': my > hh}
    out = np.full(shape, -1, np.int32)
    taken = np.zeros(shape, bool)
    for row, code in _area_rows(location)[0]:
        cond = np.ones(shape, bool)
        if row['half'] is not None:
            cond &= halves[row['half']]
        if row['mx_above'] is not None:
            cond &= mx > row['mx_above']
        if row['mx_below'] is not None:
            cond &= mx < row['mx_below']
        if row['my_above'] is not None:
            cond &= my > row['my_above']
        if row['my_below'] is not None:
            cond &= my < row['my_below']
        out = np.where(cond & ~taken, code, out)
        taken |= cond
    return out


def table_view():
    """The table as read here, written out whole in the form the game's view takes (see
    tests/location_table_test.py), with the files to make and the doors between locations."""
    def arrival_view(row):
        return {'entry': row['entry'], 'view': list(row['view']), 'player': list(row['player']),
                'places_enemies': row['places_enemies']}

    def trigger_view(row):
        return {k: row[k] for k in ('half', *BANDS, 'holding', 'lacking', 'experience', 'gives',
                                    'message', 'go', 'entry')}

    locations = []
    for name in LOCATIONS:
        loc = _BY_NAME[name]
        locations.append({
            'name': name, 'picture': picture_file(name), 'mask': mask_file(name),
            'arrivals': [arrival_view(r) for r in loc['arrivals']],
            'enemies': [list(p) for p in ENEMIES.get(name, [])],
            'kits': [{'slot': k['slot'], 'at': list(k['at'])} for k in loc['kits']],
            'triggers': [trigger_view(r) for r in loc['triggers']],
        })
    start = TABLE['start']
    return {
        'locations': locations,
        'start': {'location': start['location'], 'view': list(start['view']), 'player': list(start['player'])},
        'walking_boss': {'location': WALK_BOSS['location'], 'start': list(WALK_BOSS['start']),
                         'target': list(WALK_BOSS['target']), 'speed': int(WALK_BOSS['speed']),
                         'pose': TABLE['walking_boss']['pose']},
        'boss_fight': {**{k: FIGHT_BOSS[k] for k in ('location', 'width_divisor', 'height_divisor',
                                                      'speed', 'pose', 'life')},
                       'minions': [list(p) for p in FIGHT_BOSS['minions']]},
        'files': [f for name in LOCATIONS for f in (picture_file(name), mask_file(name))],
        'doors': [{'from': name, 'to': r['go'], 'needs': r['holding'], 'needs_not': r['lacking']}
                  for name in LOCATIONS for r in _BY_NAME[name]['triggers'] if r['go'] is not None],
    }
