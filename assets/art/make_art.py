#!/usr/bin/python3
"""Draws every picture of the fixed screens, the sprites and the two story pages.

  make_art.py --embed-dir DIR --data-dir DIR2           write them
  make_art.py --check --embed-dir DIR --data-dir DIR2   verify them (exit 1 on a problem)

Everything is procedural with fixed seeds, so each run writes the same bytes."""
import argparse
import os
import sys

sys.dont_write_bytecode = True  # a build must not litter the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import check  # noqa: E402
import screens_hud  # noqa: E402
import screens_menu  # noqa: E402
import screens_panels  # noqa: E402
import screens_story  # noqa: E402
import sprites_items  # noqa: E402
import sprites_people  # noqa: E402
import sprites_robots  # noqa: E402
import story  # noqa: E402
from output import save_bmp, save_gif, save_jpeg  # noqa: E402
from sprite_kit import to_palette  # noqa: E402


def write_embedded(d):
    save_jpeg(screens_menu.splash(), d, "picStartUp_mirror.jpg")
    save_jpeg(screens_menu.menu(), d, "picMenu.jpg")
    for i, name in enumerate(screens_menu.SOURCE_NAMES):
        save_bmp(screens_menu.highlight_source(i), d, name)
    save_jpeg(screens_panels.in_game_menu(), d, "picInGame.jpg")
    save_jpeg(screens_panels.death_screen(), d, "picRIP.jpg")
    save_jpeg(screens_panels.credits_screen(), d, "picCred.jpg")
    backdrop, patch = screens_story.backdrop_and_patch()
    save_jpeg(backdrop, d, "picStory.jpg")
    save_bmp(patch, d, "picStory_little.bmp")
    save_jpeg(screens_hud.abilities_screen(), d, "picRPG.jpg")
    save_jpeg(screens_hud.status_bar(), d, "Picture1.jpg")
    save_bmp(screens_hud.key_icon(), d, "imgKey.bmp")
    save_bmp(screens_hud.card_icon(), d, "imgCard.bmp")
    for pose in (1, 2, 3):
        save_bmp(to_palette(sprites_people.player(pose)), d, "picPhase%d.bmp" % pose)
        save_bmp(sprites_people.mutant(pose), d, "picEnemy1_%d.bmp" % pose)
        save_bmp(sprites_robots.guard(pose), d, "picEnemy2_%d.bmp" % pose)
        save_bmp(sprites_robots.boss(pose), d, "picEnemy3_%d.bmp" % pose)
    save_bmp(sprites_items.gun_shot(), d, "picShot_Gun.bmp")
    save_bmp(sprites_items.boss_shot(), d, "picShot_boss.bmp")
    save_bmp(sprites_items.first_aid(), d, "first_aid.bmp")
    save_bmp(sprites_items.boss_life(), d, "boss_life.bmp")
    save_bmp(sprites_items.blood(), d, "picBlood.bmp")


def write_data(d):
    save_gif(story.start_page(), d, "story_start.gif")
    save_gif(story.end_page(), d, "story_end.gif")


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--embed-dir", required=True, help="folder for the pictures built into the program")
    ap.add_argument("--data-dir", required=True, help="the game's data folder (story pages)")
    ap.add_argument("--check", action="store_true", help="only verify the files already written")
    args = ap.parse_args(argv)
    if args.check:
        problems = check.check(args.embed_dir, args.data_dir)
        for p in problems:
            print("make_art: " + p, file=sys.stderr)
        return 1 if problems else 0
    os.makedirs(args.embed_dir, exist_ok=True)
    os.makedirs(args.data_dir, exist_ok=True)
    write_embedded(args.embed_dir)
    write_data(args.data_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
