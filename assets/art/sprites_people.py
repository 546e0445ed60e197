"""The player and the street mutant (enemy kind 1), seen from above, facing up."""
from sprite_kit import Sprite, ellipse, limb, poly, rect

JACKET = (62, 112, 124)
JACKET_TRIM = (226, 130, 48)
TROUSERS = (48, 48, 60)
BOOTS = (44, 32, 26)
SKIN = (206, 156, 116)
HAIR = (34, 30, 38)
GUN = (70, 74, 86)


def _feet(sp, pose, cx, forward_y, back_y, stand_y, gap, colour, leg, rx=2.6, ry=3.6):
    """Walking feet seen from above: one ahead of the body, one behind; together when standing."""
    lx, rx_ = cx - gap, cx + gap
    if pose == 2:
        spots = [(lx, stand_y), (rx_, stand_y)]
    elif pose == 1:
        spots = [(lx, forward_y), (rx_, back_y)]
    else:
        spots = [(lx, back_y), (rx_, forward_y)]
    hip = (forward_y + back_y) / 2
    for x, y in spots:
        sp.part(limb([(x, hip), (x, y)], 4.4), leg, bulge=0.6)
    for x, y in spots:
        sp.part(ellipse(x, y, rx, ry), colour, bulge=0.8, spec=0.5)


def player(pose):
    """pose 1 and 3 are the steps, 2 stands; 34 x 39 (pose 2: 34 x 38)."""
    h = 38 if pose == 2 else 39
    sp = Sprite(34, h, seed=100 + pose)
    cy = h / 2 + 0.5
    _feet(sp, pose, 17, cy - 5.5, cy + 10.5, cy + 2, 3.6, BOOTS, TROUSERS)
    sway = {1: -0.6, 2: 0.0, 3: 0.6}[pose]
    # shoulders and jacket
    sp.part(ellipse(17, cy + 1.5, 12.5, 6.6), JACKET, bulge=1.1)
    sp.flat(rect(5.5, cy + 1.0, 8.5, cy + 2.2), JACKET_TRIM)
    sp.flat(rect(25.5, cy + 1.0, 28.5, cy + 2.2), JACKET_TRIM)
    sp.flat(rect(16.6, cy + 4.5, 17.4, cy + 7.8), (30, 56, 64))   # back seam
    sp.part(ellipse(17, cy - 0.2, 6.0, 3.6), (70, 116, 128), bulge=0.7)   # collar
    # arms reaching forward to the gun held in both hands
    sp.part(limb([(6.5, cy), (9.5 + sway, cy - 7), (14.8 + sway, cy - 11)], 4.4), JACKET, bulge=0.9)
    sp.part(limb([(27.5, cy), (24.5 + sway, cy - 7), (19.2 + sway, cy - 11)], 4.4), JACKET, bulge=0.9)
    sp.part(ellipse(15.3 + sway, cy - 11.5, 2.1, 2.1), SKIN, bulge=0.8)
    sp.part(ellipse(18.7 + sway, cy - 11.5, 2.1, 2.1), SKIN, bulge=0.8)
    gx = 17 + sway
    sp.part(rect(gx - 1.4, 0.6, gx + 1.4, cy - 9.5, 0.6), GUN, bulge=0.6, spec=0.6)
    sp.flat(rect(gx - 0.6, 0.6, gx + 0.6, 2.2), (150, 156, 170))  # muzzle
    # head: short dark hair, a little skin showing in front
    sp.part(ellipse(17, cy - 0.6, 4.2, 4.5), SKIN, bulge=1.0)
    sp.part(ellipse(17, cy + 0.2, 4.3, 4.0), HAIR, bulge=1.4, texture=0.35, spec=0.7)
    return sp.finish()


MUTANT_SKIN = (118, 152, 86)
HOODIE = (96, 42, 78)
RAGS = (60, 30, 52)


def mutant(pose):
    """Enemy kind 1: a hunched street mutant in a torn hoodie, claws reaching forward; 34 x 38."""
    sp = Sprite(34, 38, seed=200 + pose)
    cy = 20
    _feet(sp, pose, 17, cy - 8, cy + 12, cy + 3, 5.0, (40, 44, 30), RAGS, rx=2.8, ry=3.4)
    reach = {1: (-3.0, 1.5), 2: (0.0, 0.0), 3: (1.5, -3.0)}[pose]
    # torn hoodie: a lumpy back with a ragged hem
    sp.part(poly([(4, cy + 2), (7, cy - 5), (17, cy - 7), (27, cy - 5), (30, cy + 2), (28, cy + 7),
                  (24, cy + 6), (21, cy + 9), (17, cy + 7), (13, cy + 9), (10, cy + 6), (6, cy + 7)]),
            HOODIE, bulge=1.3, texture=0.3)
    sp.part(ellipse(17, cy + 2.5, 6.5, 4.5), RAGS, bulge=0.8, texture=0.3)   # pulled-back hood
    # long arms with claws, swinging alternately
    for side, (dy,) in ((-1, (reach[0],)), (1, (reach[1],))):
        sx = 17 + side * 9.5
        ex, ey = 17 + side * 9.5, cy - 7 + dy
        hx, hy = 17 + side * 6.0, cy - 12.0 + dy
        sp.part(limb([(sx, cy - 1), (ex, ey), (hx, hy)], 3.6), MUTANT_SKIN, bulge=0.9, texture=0.3)
        for k in (-1.6, 0, 1.6):
            sp.part(limb([(hx + k, hy), (hx + k * 1.3 - side * 0.8, hy - 2.8)], 1.2), (220, 214, 180), bulge=0.2)
    # bald, veined head pushed forward
    sp.part(ellipse(17, cy - 3.5, 4.6, 5.0), MUTANT_SKIN, bulge=1.2, texture=0.4)
    sp.flat(ellipse(15.3, cy - 7.2, 0.8, 0.7), (255, 60, 30))
    sp.flat(ellipse(18.7, cy - 7.2, 0.8, 0.7), (255, 60, 30))
    return sp.finish()
