"""Status bar backdrop and the abilities screen backdrop."""
import numpy as np

import icons
import palette
import ui
from fonts import fancy_text, font, spaced_width
from textures import to_image

# The status bar picture sits inside a 2-pixel border: surface coordinates minus 2.
B = 2
ROW_YS = [40, 80, 120, 160, 200, 240, 280]


def status_bar():
    w, h = 800, 73
    arr = ui.plate(w, h, 61, tone=(40, 42, 50), border=0)
    sections = [(4, 134), (140, 296), (298, 386), (388, 704), (706, 796)]
    for x0, x1 in sections:
        arr[4:h - 4, x0:x1] *= 0.72
        ui.bevel(arr, x0, 4, x1 - x0, h - 8, 30, 40, 1, inset=True)
    # recessed windows behind the values, the item slots, the message screen and the buttons
    ui.slot(arr, 18 - B, 28 - B, 112, 22)
    ui.slot(arr, 162 - B, 28 - B, 126, 22)
    for x in (304, 344):
        ui.slot(arr, x - B - 2, 24 - B - 2, 34, 34, icons.SLOT)
    ui.screen_area(arr, 392 - B - 4, 6 - B - 1, 312, h - 10, 62, tone=(10, 18, 14), glow=(10, 40, 20))
    ui.scanlines(arr, 390 - B - 4, 6, 306, h - 14, 4.0)
    for y in (8, 40):
        ui.slot(arr, 712 - B - 2, y - B - 2, 77, 21, (20, 10, 10))
    # hazard stripes along the bottom of the button section
    for x in range(708, 794):
        for y in range(h - 9, h - 5):
            if ((x + y) // 4) % 2 == 0:
                arr[y, x] = arr[y, x] * 0.4 + np.asarray((200, 150, 30), np.float32) * 0.6
    return to_image(arr)


def abilities_screen():
    w, h = 466, 498
    arr = ui.plate(w, h, 71, border=8)
    ui.screen_area(arr, 12, 36, w - 25, h - 48, 72, tone=(18, 16, 22), glow=(40, 16, 10))
    for i, y in enumerate(ROW_YS):
        ui.band(arr, 24, y - 3, 418, 23, (44, 30, 30) if i < 5 else (30, 34, 46), alpha=0.7)
        ui.slot(arr, 304, y - 3, 48, 23, (8, 10, 8))
        if i < 5:
            ui.slot(arr, 358, y - 2, 21, 21, (10, 10, 12))
            ui.slot(arr, 382, y - 2, 21, 21, (10, 10, 12))
    ui.band(arr, 24, 317, 418, 23, (30, 34, 46), alpha=0.7)
    ui.screen_area(arr, 36, 344, 394, 100, 73, tone=(10, 16, 12), glow=(10, 30, 18))
    ui.scanlines(arr, 38, 346, 390, 96, 3.0)
    ui.slot(arr, 172, 452, 105, 25, (10, 14, 10))
    img = to_image(arr)
    for i, y in enumerate(ROW_YS):
        mark, cover = icons.row_mark(i)
        img.paste(mark, (8, y - 1), cover)
    fnt = font("DejaVuSerif-Bold", 22)
    text = "CHARACTER"
    tw = spaced_width(text, fnt, 5)
    fancy_text(img, (int(w / 2 - tw / 2), 6), text, fnt, palette.EMBER, shadow=(2, 2, (0, 0, 0)),
               glow_colour=(160, 50, 10), glow_radius=4, spacing=5)
    return img


def key_icon():
    return icons.key_icon()


def card_icon():
    return icons.card_icon()
