"""Colour palettes, one per theme named in a map file."""

_BASE = {
    'asphalt': (66, 68, 73), 'concrete': (150, 148, 140), 'pavement': (158, 154, 146),
    'plaza': (176, 168, 152), 'plaza2': (150, 138, 124), 'tiles': (170, 170, 165),
    'grass': (78, 118, 54), 'grass_dry': (128, 132, 70), 'dirt': (120, 98, 72),
    'planks': (140, 98, 62), 'carpet': (90, 96, 110), 'metal': (112, 118, 122),
    'water': (46, 92, 128), 'rust': 0.0,
    'wall_cap': (92, 92, 98), 'wall_face': (62, 62, 68),
    'glow': (90, 255, 170), 'accent': (240, 190, 40),
    'tint': (1.0, 1.0, 1.0), 'vignette': 0.0,
}

_THEMES = {
    'city': {'tint': (1.02, 1.0, 0.97)},
    'hut': {
        'planks': (128, 86, 52), 'wall_cap': (96, 66, 40), 'wall_face': (70, 46, 28),
        'carpet': (120, 44, 40), 'glow': (255, 210, 120), 'tint': (1.06, 0.98, 0.88),
        'vignette': 0.35, 'wall_style': 'logs',
    },
    'plant1': {
        'concrete': (132, 136, 136), 'metal': (104, 112, 116), 'wall_cap': (84, 90, 96),
        'wall_face': (56, 60, 66), 'tiles': (120, 126, 124), 'tile_size': 64,
        'tint': (0.98, 1.0, 1.02), 'vignette': 0.3, 'wall_style': 'brick',
    },
    'plant2': {
        'metal': (96, 110, 100), 'rust': 0.35, 'concrete': (118, 126, 118),
        'wall_cap': (80, 90, 82), 'wall_face': (52, 60, 54),
        'tint': (0.97, 1.02, 0.97), 'vignette': 0.35,
    },
    'plant3': {
        'metal': (118, 104, 92), 'rust': 0.6, 'concrete': (128, 118, 106),
        'wall_cap': (96, 80, 68), 'wall_face': (64, 52, 44),
        'tint': (1.04, 0.98, 0.92), 'vignette': 0.4, 'wall_style': 'brick',
    },
    'office1': {
        'tiles': (196, 192, 182), 'tiles2': (170, 164, 154), 'tile_size': 48,
        'carpet': (120, 36, 40), 'wall_cap': (190, 186, 180), 'wall_face': (120, 116, 112),
        'tint': (1.0, 1.0, 1.0), 'vignette': 0.25,
    },
    'office2': {
        'carpet': (70, 84, 104), 'tiles': (184, 184, 186), 'tile_size': 44,
        'wall_cap': (176, 178, 182), 'wall_face': (104, 108, 116),
        'tint': (0.98, 1.0, 1.03), 'vignette': 0.25,
    },
    'lab1': {
        'tiles': (206, 214, 218), 'tile_size': 32, 'metal': (120, 130, 140),
        'wall_cap': (150, 160, 170), 'wall_face': (84, 94, 106),
        'glow': (80, 220, 255), 'tint': (0.94, 1.0, 1.06), 'vignette': 0.35,
    },
    'lab2': {
        'metal': (70, 74, 86), 'tiles': (92, 96, 108), 'tile_size': 64,
        'wall_cap': (70, 72, 84), 'wall_face': (40, 40, 50),
        'glow': (255, 90, 70), 'tint': (1.04, 0.95, 0.98), 'vignette': 0.5,
    },
    'lab3': {
        'tiles': (176, 200, 186), 'tile_size': 32, 'metal': (110, 130, 120),
        'wall_cap': (120, 146, 134), 'wall_face': (66, 86, 78),
        'glow': (150, 255, 120), 'tint': (0.95, 1.04, 0.97), 'vignette': 0.4,
    },
}


def palette(theme):
    if theme not in _THEMES:
        raise KeyError(f'unknown theme {theme!r}')
    pal = dict(_BASE)
    pal.update(_THEMES[theme])
    return pal
