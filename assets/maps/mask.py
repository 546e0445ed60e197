"""The collision mask: class codes painted with the shapes, saved as a GIF."""
from PIL import Image, ImageDraw

from canvas import draw_geometry
from roles import mask_class, mask_grow, OPEN, WALL, TRIGGER

# Exact colours the game compares with (RGB): open ground, wall cyan, trigger red.
COLOURS = {OPEN: (0, 0, 0), WALL: (0, 255, 255), TRIGGER: (255, 0, 0)}
SPARE = (40, 40, 40)   # fourth palette slot, also open ground


class Mask:
    def __init__(self, width, height):
        self.img = Image.new('L', (width, height), OPEN)
        self.draw = ImageDraw.Draw(self.img)

    def add(self, shape):
        cls = mask_class(shape)
        if cls is not None:
            draw_geometry(self.draw, shape, grow=mask_grow(shape), fill=cls)

    def save_gif(self, path):
        pal_img = self.img.copy()
        pal_img.putpalette([*COLOURS[OPEN], *COLOURS[WALL], *COLOURS[TRIGGER], *SPARE], 'RGB')
        pal_img = pal_img.convert('P') if pal_img.mode != 'P' else pal_img
        pal_img.save(path, format='GIF', optimize=False)
