"""The real program on an X server with no window manager (a kiosk, a minimal session): full screen is a
borderless window over the whole 1024x768 screen with the picture centred on black, the mouse lands on
the picture pixel under it, F11 gives an 800x600 window showing the whole picture and F11 again covers
the screen once more. Screenshots are compared with the headless twin's.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageStat

from x_display import mean_difference, run, start_xvfb, need

need("Xvfb", "xdpyinfo", "xdotool", "import")

program, data_dir = sys.argv[1], sys.argv[2]
SCREEN = (1024, 768)


def black(img, box):
    if box[2] <= box[0] or box[3] <= box[1]:
        return True
    return sum(ImageStat.Stat(img.crop(box)).mean) / 3 < 1


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-nowm-")
    data = os.path.join(work, "data")
    shutil.copytree(data_dir, data)
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write(f"5100 screenshot {work}/menu.png\n5200 mouse move 400 192\n5300 screenshot {work}/new_game.png\n")
    run([program, "--headless", "--script", script, "--data-dir", data, "--config-dir", work])
    menu = Image.open(f"{work}/menu.png").convert("RGB")
    new_game = Image.open(f"{work}/new_game.png").convert("RGB")

    display = f":{150 + os.getpid() % 40}"
    xvfb = start_xvfb(display, SCREEN)
    game = None
    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", XDG_CONFIG_HOME=work)
    shots = [0]

    def xdotool(*args):
        return run(["xdotool", *args], env=env, timeout=20).stdout

    def geometry(window):
        out = xdotool("getwindowgeometry", window)
        size = [line for line in out.splitlines() if "Geometry:" in line][0].split()[-1]
        return tuple(int(v) for v in size.split("x"))

    def expect(window, size, expected, x, y, what, timeout=15):
        """Waits until the window has `size` and shows `expected` unscaled at (x, y), black around it."""
        deadline = time.time() + timeout
        while True:
            problem = None
            if geometry(window) != size:
                problem = f"the window is {geometry(window)}, not {size}"
            else:
                shots[0] += 1
                path = os.path.join(work, f"shot{shots[0]}.png")
                run(["import", "-display", display, "-window", window, path])
                shot = Image.open(path).convert("RGB")
                d = mean_difference(shot.crop((x, y, x + 800, y + 600)), expected)
                if shot.size != size:
                    problem = f"the screenshot is {shot.size}"
                elif d >= 3:
                    problem = f"the picture at {x},{y} differs from the headless one (mean {d:.1f})"
                elif not all(black(shot, b) for b in [(0, 0, size[0], y), (0, y + 600, size[0], size[1]),
                                                       (0, 0, x, size[1]), (x + 800, 0, size[0], size[1])]):
                    problem = "the border around the picture is not black"
            if problem is None:
                print(f"no window manager: {what}: window {size[0]}x{size[1]}, picture at {x},{y}")
                return
            assert time.time() < deadline, f"{what}: {problem}"
            time.sleep(0.3)

    try:
        game = subprocess.Popen([program, "--data-dir", data], env=env)
        window = xdotool("search", "--sync", "--onlyvisible", "--name", "^Cinderwake$").split()[0]
        x, y = (SCREEN[0] - 800) // 2, (SCREEN[1] - 600) // 2
        expect(window, SCREEN, menu, x, y, "full screen")
        xdotool("mousemove", "--window", window, str(x + 400), str(y + 192))
        expect(window, SCREEN, new_game, x, y, "full screen, the mouse over New Game")
        xdotool("mousemove", "--window", window, "5", "5")
        xdotool("key", "--window", window, "F11")
        expect(window, (800, 600), menu, 0, 0, "a window after F11")
        xdotool("key", "--window", window, "F11")
        expect(window, SCREEN, menu, x, y, "full screen again after F11")
        assert game.poll() is None, "the game ended by itself"
        with open(os.path.join(work, "cinderwake", "settings.ini")) as f:
            assert "full_screen = true\n" in f.read(), "the settings file does not say full screen"
    finally:
        if game and game.poll() is None:
            game.terminate()
            game.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        if not os.environ.get("CINDERWAKE_KEEP_SHOTS"):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("screenshots kept in", work)


main()
