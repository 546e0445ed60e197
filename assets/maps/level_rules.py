"""The game's fixed facts about its ten locations, as the map checker needs them.

Positions called "play" are pixels of the 800 x 528 play area; a view (vx, vy)
is where the picture's top-left corner lies in the play area (zero or
negative), so the map position of a play position p is p - view.
"""
import numpy as np

LOCATIONS = ['city', 'hut', 'powerplant1', 'powerplant2', 'powerplant3',
             'duvave1', 'duvave2', 'duvavelab1', 'duvavelab2', 'duvavelab3']

# The order in which the trigger check visits the locations within one pass.
TRIGGER_ORDER = ['city', 'powerplant1', 'powerplant2', 'powerplant3', 'hut',
                 'duvave1', 'duvave2', 'duvavelab1', 'duvavelab2', 'duvavelab3']

PLAY_W, PLAY_H = 800, 528
PLAYER_RADIUS = 15
ENEMY_RADIUS = 15
KIT_TOUCH = 8 + 15
BOSS_RADIUS = 25
SCROLL_NEAR, SCROLL_FAR = 150, 170      # scroll bands from each play-area edge (x)
SCROLL_NEAR_Y, SCROLL_FAR_Y = 130, 150  # and (y)
SCROLL_MARGIN = 5
MAX_STEP = 6.5                           # fastest move in one pass (a bounce)


def picture_file(name):
    return name + '.jpg'


def mask_file(name):
    return 'duvavelab1collid.gif' if name == 'duvavelab1' else name + 'Collid.gif'


# (location, entry, view, player); entry '*' is every other entry text.
ARRIVALS = [
    ('city', 'powerplant1', (-902, -1230), (438, 350)),
    ('city', 'hut', (-440, -6), (613, 238)),
    ('city', 'duvave1', (-226, -680), (355, 356)),
    ('city', 'new game', (-6, -458), (171, 376)),
    ('hut', '*', (-4, -4), (288, 350)),
    ('powerplant1', 'powerplant2', (-351, -200), (639, 235)),
    ('powerplant1', '*', (-4, -4), (175, 350)),
    ('powerplant2', '*', (-4, -4), (171, 272)),
    ('powerplant3', '*', (-4, -4), (171, 160)),
    ('duvave1', 'city', (-4, -4), (360, 350)),
    ('duvave1', '*', (-4, -4), (344, 160)),
    ('duvave2', '*', (-4, -4), (336, 350)),
    ('duvavelab1', 'duvavelab2', (-4, -4), (544, 154)),
    ('duvavelab1', '*', (-4, -4), (171, 350)),
    ('duvavelab2', '*', (-4, -75), (312, 350)),
    ('duvavelab3', '*', (-4, -4), (171, 160)),
]


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
    return None   # "city" with any other entry keeps the current view


# Enemies placed on entry, play-area positions.
ENEMIES = {
    'powerplant1': [(144, 176), (160, 536)],
    'powerplant2': [(248, 192), (248, 368), (200, 265)],
    'powerplant3': [(72, 152), (224, 216)],
    'hut': [(152, 176), (416, 264), (288, 320)],
    'duvave1': [(416, 296), (296, 296), (216, 304), (488, 304)],
    'duvavelab1': [(280, 384), (104, 264), (320, 312)],
    'duvavelab2': [(160, 392), (456, 328), (440, 158), (216, 176)],
    'duvavelab3': [(128, 216), (256, 112)],
}
# Entries after which no enemies are placed.
NO_ENEMIES_FROM = {('powerplant1', 'powerplant2')}

# First-aid kits, map positions.
KITS = {
    'city': [(40, 200), (816, 1488), (1272, 1768)],
    'hut': [(96, 176)],
    'powerplant2': [(984, 248)],
    'duvave1': [(544, 136)],
    'duvavelab3': [(352, 144)],
    'powerplant3': [(352, 304)],
}

# The walk of the boss on its first appearance (play-area positions).
WALK_BOSS = {'location': 'duvave1', 'start': (352, 232), 'target': (704, 80),
             'speed': 3.0, 'max_passes': 150}
# The boss room: patrol between W/4 and 3W/4 at play y = H/3 + view y.
FIGHT_BOSS = {'location': 'duvavelab2'}

# What a red pixel does, per location; the move actions name their destination.
ACTIONS = {
    'city': ['powerplant1', 'duvave1', 'hut'],
    'powerplant1': ['city', 'powerplant2', 'powerplant3'],
    'powerplant2': ['powerplant1', 'card'],
    'powerplant3': ['powerplant1'],
    'hut': ['city', 'key'],
    'duvave1': ['city', 'duvave2', 'duvavelab1'],
    'duvave2': ['duvave1', 'button'],
    'duvavelab1': ['duvave1', 'duvavelab3', 'duvavelab2'],
    'duvavelab2': ['duvavelab1'],
    'duvavelab3': ['duvavelab1'],
}
# Entry text handed to the destination for each move.
MOVE_ENTRY = {
    ('city', 'powerplant1'): 'r', ('city', 'duvave1'): 'city', ('city', 'hut'): 's',
    ('powerplant1', 'city'): 'powerplant1', ('powerplant1', 'powerplant2'): 's',
    ('powerplant1', 'powerplant3'): 's', ('powerplant2', 'powerplant1'): 'powerplant2',
    ('powerplant3', 'powerplant1'): 'r', ('hut', 'city'): 'hut',
    ('duvave1', 'city'): 'duvave1', ('duvave1', 'duvave2'): 's',
    ('duvave1', 'duvavelab1'): 'duvave1', ('duvave2', 'duvave1'): 'duvave1',
    ('duvavelab1', 'duvave1'): 'duvave1', ('duvavelab1', 'duvavelab3'): 's',
    ('duvavelab1', 'duvavelab2'): 's', ('duvavelab2', 'duvavelab1'): 'duvavelab2',
    ('duvavelab3', 'duvavelab1'): 'r',
}


def classify(location, mx, my, width, height):
    """Action index (into ACTIONS[location]) of red pixels at map (mx, my); -1 = none."""
    mx = np.asarray(mx, np.float64)
    my = np.asarray(my, np.float64)
    hw, hh = np.float32(width / 2), np.float32(height / 2)
    left, right, upper, lower = mx < hw, mx > hw, my < hh, my > hh
    everywhere = np.ones(np.broadcast(mx, my).shape, bool)
    rows = {
        'city': [my > 1480, (900 < my) & (my < 1100), everywhere],
        'powerplant1': [left & (350 < my) & (my < 500), right & (312 < my) & (my < 520), everywhere],
        'powerplant2': [left, right],
        'powerplant3': [everywhere],
        'hut': [lower, upper],
        'duvave1': [lower, upper & (300 < mx) & (mx < 400), upper],
        'duvave2': [lower, upper],
        'duvavelab1': [lower & (mx < 120), lower, upper & (mx < 300), upper],
        'duvavelab2': [everywhere],
        'duvavelab3': [everywhere],
    }[location]
    # duvavelab1 has two rows leading to duvavelab3 and one to duvavelab2
    codes = {'duvavelab1': [0, 1, 1, 2]}.get(location, list(range(len(rows))))
    out = np.full(np.broadcast(mx, my).shape, -1, np.int32)
    for cond, code in reversed(list(zip(rows, codes))):
        out = np.where(cond, code, out)
    return out
