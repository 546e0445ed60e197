"""Enemy kind 2 (armoured security robot) and the boss (mutated DUVAVE war machine)."""
from sprite_kit import Sprite, ellipse, limb, poly, rect

STEEL = (92, 112, 146)
STEEL_DARK = (50, 58, 74)
HAZARD = (230, 184, 40)
VISOR = (255, 50, 40)


def _stomp(sp, pose, cx, fwd, back, stand, gap, fw, fh, colour):
    spots = {1: [(cx - gap, fwd), (cx + gap, back)], 2: [(cx - gap, stand), (cx + gap, stand)],
             3: [(cx - gap, back), (cx + gap, fwd)]}[pose]
    for x, y in spots:
        sp.part(rect(x - fw / 2, y - fh / 2, x + fw / 2, y + fh / 2, 1.2), colour, bulge=0.7, spec=0.5)


def guard(pose):
    """35 x 46: broad shoulders with hazard plates, twin arm guns, a red visor slit."""
    sp = Sprite(35, 46, seed=300 + pose)
    cx, cy = 17.5, 24
    _stomp(sp, pose, cx, cy - 11, cy + 15, cy + 8, 6, 6.5, 8.5, STEEL_DARK)
    sw = {1: -1.0, 2: 0.0, 3: 1.0}[pose]
    # power pack on the back with glowing vents
    sp.part(rect(cx - 7, cy + 5, cx + 7, cy + 13, 2), STEEL_DARK, bulge=0.8)
    for vx in (-4, 0, 4):
        sp.flat(rect(cx + vx - 1, cy + 9, cx + vx + 1, cy + 12), (255, 130, 40))
    # armoured torso
    sp.part(poly([(cx - 11, cy - 6), (cx + 11, cy - 6), (cx + 13, cy + 2), (cx + 9, cy + 8), (cx - 9, cy + 8),
                  (cx - 13, cy + 2)]), STEEL, bulge=1.2, spec=0.6, texture=0.15)
    # arms with guns held forward
    for side, d in ((-1, sw), (1, -sw)):
        sx = cx + side * 12
        sp.part(limb([(sx, cy - 1), (cx + side * 9, cy - 10 + d)], 5.0), STEEL_DARK, bulge=0.8)
        sp.part(rect(cx + side * 9 - 1.6, cy - 19 + d, cx + side * 9 + 1.6, cy - 9 + d, 0.6), (40, 42, 48),
                bulge=0.5, spec=0.7)
        sp.flat(rect(cx + side * 9 - 0.6, cy - 19 + d, cx + side * 9 + 0.6, cy - 18 + d), (255, 120, 40))
    # shoulder plates with hazard stripes
    for side in (-1, 1):
        px = cx + side * 12
        sp.part(ellipse(px, cy + 0.5, 5.5, 7), STEEL, bulge=1.3, spec=0.7)
        for k in (-3, 0, 3):
            sp.flat(poly([(px - 3.5, cy + k - 0.6), (px + 3.5, cy + k + 1.2), (px + 3.5, cy + k + 2.2),
                          (px - 3.5, cy + k + 0.4)]), HAZARD)
    # domed head with a glowing visor at the front
    sp.part(ellipse(cx, cy - 1, 6, 6.3), (70, 84, 108), bulge=1.5, spec=0.9)
    sp.flat(rect(cx - 4.2, cy - 6.4, cx + 4.2, cy - 4.8, 0.8), VISOR)
    sp.flat(rect(cx - 2.0, cy - 6.2, cx + 2.0, cy - 5.4, 0.4), (255, 200, 160))
    return sp.finish()


FLESH = (150, 52, 70)
BONE = (204, 190, 160)
CORE = (255, 150, 40)
CANNON = (78, 84, 98)
ARMOUR = (104, 112, 128)


def boss(pose):
    """62 x 70: a hulking mutant fused with armour, a bone claw on one arm and a plasma cannon on the other."""
    sp = Sprite(62, 70, seed=400 + pose)
    cx, cy = 31, 38
    # clawed feet
    spots = {1: [(cx - 11, cy - 14), (cx + 11, cy + 22)], 2: [(cx - 11, cy + 14), (cx + 11, cy + 14)],
             3: [(cx - 11, cy + 22), (cx + 11, cy - 14)]}[pose]
    for x, y in spots:
        sp.part(ellipse(x, y, 5.5, 7), (110, 40, 56), bulge=0.9, texture=0.3)
        for k in (-3, 0, 3):
            sp.part(limb([(x + k, y - 5), (x + k * 1.3, y - 9)], 1.6), BONE, bulge=0.3)
    # massive hunched body with a ridge of bone knobs down the spine
    sp.part(ellipse(cx, cy + 4, 22, 19), FLESH, bulge=1.3, texture=0.45)
    for i, (ky, kr) in enumerate(((cy + 9, 2.6), (cy + 13.5, 2.3), (cy + 17.5, 2.0), (cy + 21, 1.6))):
        sp.part(ellipse(cx, ky, kr * 1.2, kr), (176, 156, 128), bulge=0.9, spec=0.5)
    # glowing core burning through the back
    sp.part(ellipse(cx, cy + 2, 6, 5), (90, 84, 96), bulge=0.8, spec=0.6)
    sp.flat(ellipse(cx, cy + 2, 4.2, 3.4), CORE)
    sp.flat(ellipse(cx - 0.8, cy + 1.4, 2.0, 1.5), (255, 230, 150))
    # riveted armour plates bolted to the shoulders
    for side in (-1, 1):
        px = cx + side * 15
        sp.part(poly([(px - 7, cy - 8), (px + 7, cy - 8), (px + 8, cy + 1), (px, cy + 5), (px - 8, cy + 1)]),
                ARMOUR, bulge=1.0, spec=0.7, texture=0.2)
        for rx, ry in ((px - 4.5, cy - 5.5), (px + 4.5, cy - 5.5), (px, cy + 1.5)):
            sp.flat(ellipse(rx, ry, 0.8, 0.8), (210, 214, 224))
    sway = {1: -2.0, 2: 0.0, 3: 2.0}[pose]
    # left arm: long bone claw
    sp.part(limb([(cx - 18, cy - 4), (cx - 24, cy - 16 + sway), (cx - 17, cy - 27 + sway)], 7.0), FLESH,
            bulge=1.0, texture=0.4)
    for k in (-3.5, 0, 3.5):
        sp.part(poly([(cx - 17 + k - 1.4, cy - 28 + sway), (cx - 17 + k + 1.4, cy - 28 + sway),
                      (cx - 17 + k * 1.4, cy - 35 + sway)]), BONE, bulge=0.4, spec=0.6)
    # right arm: plasma cannon
    sp.part(limb([(cx + 18, cy - 4), (cx + 23, cy - 14 - sway)], 7.5), FLESH, bulge=1.0, texture=0.4)
    sp.part(rect(cx + 19, cy - 31 - sway, cx + 27, cy - 12 - sway, 2), CANNON, bulge=0.8, spec=0.8)
    sp.flat(rect(cx + 20, cy - 24 - sway, cx + 26, cy - 22.5 - sway), (40, 44, 52))
    sp.flat(ellipse(cx + 23, cy - 31 - sway, 2.4, 1.4), (255, 170, 60))
    # horned head thrust forward
    for side in (-1, 1):
        sp.part(poly([(cx + side * 4, cy - 19), (cx + side * 13, cy - 24), (cx + side * 14, cy - 31),
                      (cx + side * 10, cy - 26), (cx + side * 5, cy - 23)]), BONE, bulge=0.6, spec=0.5)
    sp.part(ellipse(cx, cy - 17, 7, 8), (100, 32, 48), bulge=1.5, texture=0.5, spec=0.4)
    sp.flat(ellipse(cx - 3.2, cy - 22, 1.5, 1.1), (255, 230, 60))
    sp.flat(ellipse(cx + 3.2, cy - 22, 1.5, 1.1), (255, 230, 60))
    sp.flat(rect(cx - 2.5, cy - 25, cx + 2.5, cy - 24.2), (50, 8, 16))   # jaw line
    return sp.finish()
