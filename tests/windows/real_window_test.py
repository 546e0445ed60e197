"""The Windows program under Wine in a real window on a virtual X server of 800 x 600, started as a
double click starts it (full screen, no options): the splash, then the menu after a key. Screenshots are
compared with the Linux headless twin's pictures of the same moments. Then a missing data file: the
program tells so in a message box as well as on its error output, and ends when the box is closed."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

import wine

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from x_display import mean_difference, run, start_xvfb  # noqa: E402

args = wine.arguments()


def screen_shot(display, path):
    run(["import", "-display", display, "-window", "root", path])
    return Image.open(path)


def wait_for(display, path, expected, what, seconds):
    deadline = time.time() + seconds
    while True:
        d = mean_difference(screen_shot(display, path), expected)
        if d < 4:
            return
        assert time.time() < deadline, f"the screen does not show {what} (mean difference {d:.1f}, see {path})"
        time.sleep(0.2)


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-wine-window-")
    folder = wine.unpack(args.windows_build, os.path.join(work, "zip"))
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write(f"4999 screenshot {work}/splash.png\n5100 screenshot {work}/menu.png\n")
    linux_data = os.path.join(work, "linux-data")
    shutil.copytree(os.path.join(folder, "data"), linux_data)
    subprocess.run([args.program, "--headless", "--script", script, "--data-dir", linux_data], check=True)
    expected_splash = Image.open(f"{work}/splash.png")
    expected_menu = Image.open(f"{work}/menu.png")

    wine.ensure_prefix()
    display = f":{190 + os.getpid() % 100}"
    xvfb = start_xvfb(display, (800, 600))
    game = None
    env = wine.environment(display)
    env["SDL_AUDIODRIVER"] = "dummy"
    exe = os.path.join(folder, "cinderwake.exe")
    try:
        game = subprocess.Popen([wine.wine_program(), exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(display, f"{work}/real_splash.png", expected_splash, "the splash", 60)
        run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Cinderwake$"], env=env, timeout=20)
        run(["xdotool", "key", "space"], env=env)
        wait_for(display, f"{work}/real_menu.png", expected_menu, "the menu after a key", 10)
        assert game.poll() is None, "the game ended by itself"
        game.terminate()
        game.wait(20)
        game = None
        print("real window under Wine: splash and menu shown")

        # A data folder without its files: a message box and the error output name the missing file.
        empty = os.path.join(work, "empty")
        os.makedirs(empty)
        game = subprocess.Popen([wine.wine_program(), exe, "--data-dir", wine.windows_path(empty)], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        box = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Cinderwake$"], env=env,
                  timeout=60).stdout.split()[0]
        time.sleep(1)
        assert game.poll() is None, "the program did not wait for the message box to be closed"
        run(["xdotool", "windowfocus", "--sync", box], env=env)
        run(["xdotool", "key", "Return"], env=env)
        status = game.wait(30)
        err = game.stderr.read().decode("utf-8", "replace")
        game = None
        assert status == 1 and "missing data file" in err, (status, err)
        print("missing data file: message box shown, closed with Enter, status 1")
    finally:
        if game:
            game.kill()
            game.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(work, ignore_errors=True)


main()
