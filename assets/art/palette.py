"""Colours shared by the screens and sprites (RGB tuples)."""

CYAN = (0, 255, 255)        # sprite key colour
WHITE = (255, 255, 255)     # key colour of the menu highlight sources
BLACK = (0, 0, 0)           # key colour of the blood splat

# Dusk sky, from zenith to the glowing horizon.
SKY_STOPS = [
    (0.00, (8, 8, 22)),
    (0.45, (30, 18, 48)),
    (0.75, (96, 34, 44)),
    (0.90, (190, 78, 36)),
    (1.00, (236, 140, 60)),
]

EMBER = (255, 150, 50)
EMBER_HOT = (255, 214, 120)
STEEL = (196, 206, 218)
STEEL_DARK = (70, 78, 92)
PANEL = (22, 24, 30)
PANEL_EDGE = (64, 70, 82)
PANEL_HILITE = (110, 118, 132)
WINDOW_WARM = (255, 196, 110)
WINDOW_COLD = (150, 200, 255)
DUVAVE_RED = (230, 40, 48)
TEXT_LIGHT = (232, 226, 214)
TEXT_DIM = (150, 146, 140)
BLOOD = (150, 10, 14)
