"""Every picture the generator writes: file name, size, format and BMP bit depth,
and which key colour (if any) fills its corners."""
from palette import BLACK, CYAN

# name: (width, height, format, bmp bits or None, corner key colour or None)
EMBEDDED = {
    "picStartUp_mirror.jpg": (799, 600, "JPEG", None, None),
    "picMenu.jpg": (799, 600, "JPEG", None, None),
    "Picture3.bmp": (308, 29, "BMP", 24, None),
    "Picture4.bmp": (469, 29, "BMP", 24, None),
    "Picture5.bmp": (237, 29, "BMP", 24, None),
    "Picture6.bmp": (61, 15, "BMP", 24, None),
    "picInGame.jpg": (330, 419, "JPEG", None, None),
    "picRIP.jpg": (500, 375, "JPEG", None, None),
    "picStory.jpg": (800, 600, "JPEG", None, None),
    "picStory_little.bmp": (485, 19, "BMP", 24, None),
    "picCred.jpg": (497, 464, "JPEG", None, None),
    "picRPG.jpg": (466, 498, "JPEG", None, None),
    "Picture1.jpg": (800, 73, "JPEG", None, None),
    "imgKey.bmp": (30, 30, "BMP", 24, None),
    "imgCard.bmp": (30, 30, "BMP", 24, None),
    "picPhase1.bmp": (34, 39, "BMP", 8, CYAN),
    "picPhase2.bmp": (34, 38, "BMP", 8, CYAN),
    "picPhase3.bmp": (34, 39, "BMP", 8, CYAN),
    "picEnemy1_1.bmp": (34, 38, "BMP", 24, CYAN),
    "picEnemy1_2.bmp": (34, 38, "BMP", 24, CYAN),
    "picEnemy1_3.bmp": (34, 38, "BMP", 24, CYAN),
    "picEnemy2_1.bmp": (35, 46, "BMP", 24, CYAN),
    "picEnemy2_2.bmp": (35, 46, "BMP", 24, CYAN),
    "picEnemy2_3.bmp": (35, 46, "BMP", 24, CYAN),
    "picEnemy3_1.bmp": (62, 70, "BMP", 24, CYAN),
    "picEnemy3_2.bmp": (62, 70, "BMP", 24, CYAN),
    "picEnemy3_3.bmp": (62, 70, "BMP", 24, CYAN),
    "picShot_Gun.bmp": (1, 4, "BMP", 24, None),
    "picShot_boss.bmp": (19, 19, "BMP", 24, CYAN),
    "first_aid.bmp": (19, 19, "BMP", 24, CYAN),
    "boss_life.bmp": (400, 20, "BMP", 24, None),
    "picBlood.bmp": (32, 32, "BMP", 24, BLACK),
}

DATA = {
    "story_start.gif": (304, 336, "GIF", None, None),
    "story_end.gif": (304, 336, "GIF", None, None),
}
