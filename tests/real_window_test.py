"""The real program in a real window under a virtual X server: the splash, the menu after a key, and the
abilities screen after New Game chosen with the keys and the opening story closed.

Screenshots of the window are compared with what the headless twin draws for the same moments.
"""
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops

from x_display import need, run, start_xvfb, wait_for

need("Xvfb", "xdpyinfo", "xdotool", "import")

program, data_dir = sys.argv[1], sys.argv[2]


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-window-")
    data = os.path.join(work, "data")
    shutil.copytree(data_dir, data)
    # What the window must show: the headless twin's pictures of the same moments.
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write(f"4999 screenshot {work}/splash.png\n5100 screenshot {work}/menu.png\n"
                "5100 mouse move 5 5\n5200 key Down\n5300 key Down\n"
                f"5350 screenshot {work}/menu_new_game.png\n5400 key Enter\n"
                f"9500 screenshot {work}/story.png\n9500 key Space\n15500 screenshot {work}/abilities.png\n")
    run([program, "--headless", "--script", script, "--data-dir", data])
    expected_splash = Image.open(f"{work}/splash.png")
    expected_menu = Image.open(f"{work}/menu.png")
    expected_new_game = Image.open(f"{work}/menu_new_game.png")
    # Where the keys change the menu: New Game lit.
    lit = ImageChops.difference(expected_new_game.convert("RGB"), expected_menu.convert("RGB")).getbbox()
    assert lit, "the keys do not show on the menu"
    expected_story = Image.open(f"{work}/story.png")
    expected_abilities = Image.open(f"{work}/abilities.png")

    display = f":{90 + os.getpid() % 100}"
    xvfb = start_xvfb(display, (1024, 768))
    game = None
    try:
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", XDG_CONFIG_HOME=work)
        game = subprocess.Popen([program, "--windowed", "--data-dir", data], env=env)
        window = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Cinderwake$"],
                     env=env, timeout=20).stdout.split()[0]
        # The splash opens out (61 passes) and holds for 5 s, then the menu follows by itself.
        wait_for(display, window, f"{work}/real_splash.png", expected_splash, "the whole splash", 10)
        wait_for(display, window, f"{work}/real_menu.png", expected_menu, "the menu", 10)

        # New Game from the keys: two Downs light it, Enter takes it. The opening story opens out for
        # about 3 s and ignores keys until it is whole; then a key closes it (about 5 s) and the
        # abilities screen follows.
        run(["xdotool", "mousemove", "--window", window, "5", "5"], env=env)
        for key in ("Down", "Down"):
            run(["xdotool", "key", "--window", window, key], env=env)
        wait_for(display, window, f"{work}/real_new_game.png", expected_new_game, "New Game lit", 10, lit)
        run(["xdotool", "key", "--window", window, "Return"], env=env)
        wait_for(display, window, f"{work}/real_story.png", expected_story, "the whole story page", 10)
        run(["xdotool", "key", "--window", window, "space"], env=env)
        wait_for(display, window, f"{work}/real_abilities.png", expected_abilities, "the abilities screen", 15)
        assert game.poll() is None, "the game ended by itself"
        print("real window: splash, menu and abilities screen shown")
    finally:
        if game:
            game.terminate()
            game.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(work, ignore_errors=True)


main()
