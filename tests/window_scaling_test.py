"""The real program under a virtual X server with a window manager: full screen at 2048x1536 (twice the
picture) and at 1920x1080 (once, without a sound device), a window after F11, resized larger and smaller
than the picture, and Alt+Enter back. Each time the picture must be scaled (by a whole factor where one
fits) and centred on black, the mouse must land on the picture pixel under it, and a volume key shows a
short note. Screenshots are compared with the headless twin's.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageStat

from x_display import mean_difference, run, start_xvfb, need

need("Xvfb", "xdpyinfo", "xdotool", "import", "openbox")

program, data_dir = sys.argv[1], sys.argv[2]


def brightness(img, box):
    return sum(ImageStat.Stat(img.convert("RGB").crop(box)).mean) / 3


class Session:
    def __init__(self, work, display, audio_driver):
        self.work, self.display = work, display
        # Settings of its own: the keys below change them, and the game starts full screen.
        self.env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER=audio_driver, XDG_CONFIG_HOME=work)
        self.shots = 0

    def xdotool(self, *args):
        return run(["xdotool", *args], env=self.env, timeout=20).stdout

    def window_size(self, window):
        out = self.xdotool("getwindowgeometry", window)
        size = [line for line in out.splitlines() if "Geometry:" in line][0].split()[-1]
        return tuple(int(v) for v in size.split("x"))

    def shot(self, window):
        self.shots += 1
        path = os.path.join(self.work, f"shot{self.shots}.png")
        run(["import", "-display", self.display, "-window", window, path])
        return Image.open(path).convert("RGB")

    def wait_for_size(self, window, size):
        for _ in range(50):
            if self.window_size(window) == size:
                return
            time.sleep(0.1)
        raise AssertionError(f"the window is {self.window_size(window)}, not {size}")


# Where the menu draws the highlight of New Game, in picture pixels.
NEW_GAME_HIGHLIGHT = (250, 180, 558, 209)


def picture_problem(shot, expected, x, y, w, h, detail=None):
    """What is wrong with the picture at (x, y, w, h) in the shot and the black around it; None if nothing.
    `detail` is a part of the picture that must match on its own too."""
    if shot.size[0] < x + w or shot.size[1] < y + h:
        return f"the window is only {shot.size}"
    picture = shot.crop((x, y, x + w, y + h)).resize(expected.size, Image.NEAREST)
    d = mean_difference(picture, expected)
    if d >= 3:
        return f"the picture at {x},{y} {w}x{h} differs from the headless one (mean {d:.1f})"
    if detail and mean_difference(picture.crop(detail), expected.crop(detail)) >= 3:
        return f"the part {detail} of the picture differs from the headless one"
    for box in [(0, 0, shot.width, y), (0, y + h, shot.width, shot.height), (0, 0, x, shot.height),
                (x + w, 0, shot.width, shot.height)]:
        if box[2] > box[0] and box[3] > box[1]:
            b = brightness(shot, box)
            if b >= 1:
                return f"the border {box} is not black (mean {b:.1f})"
    return None


def expect_picture(s, window, expected, x, y, w, h, what, timeout=10, detail=NEW_GAME_HIGHLIGHT):
    """Takes screenshots until the window shows `expected` at (x, y, w, h)."""
    deadline = time.time() + timeout
    while True:
        problem = picture_problem(s.shot(window), expected, x, y, w, h, detail)
        if problem is None:
            print(f"window scaling: {what}: picture at {x},{y} size {w}x{h}")
            return
        assert time.time() < deadline, f"{what}: {problem}"
        time.sleep(0.3)


class Desktop:
    """A virtual X screen of the given size with a window manager, and the game started on it."""

    def __init__(self, work, data, size, number, audio_driver):
        self.size = size
        display = f":{190 + (os.getpid() + number) % 100}"
        self.xvfb = start_xvfb(display, size)
        self.wm = self.game = None
        self.s = Session(work, display, audio_driver)
        try:
            self.start(data)
        except BaseException:
            self.stop()
            raise

    def start(self, data):
        # Full screen is granted by the window manager, as on a desktop.
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.s.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        self.game = subprocess.Popen([program, "--data-dir", data], env=self.s.env)
        self.window = self.s.xdotool("search", "--sync", "--onlyvisible", "--name", "^Cinderwake$").split()[0]
        self.s.wait_for_size(self.window, self.size)

    def stop(self):
        for p in (self.game, self.wm, self.xvfb):
            if p and p.poll() is None:
                p.terminate()
                p.wait(10)

    def close(self):
        alive = self.game.poll() is None
        self.stop()
        assert alive, "the game ended by itself"


def full_screen(d, menu, new_game):
    """Full screen: the largest whole factor, centred; the mouse lands on the picture pixel under it."""
    s, window = d.s, d.window
    factor = min(d.size[0] // 800, d.size[1] // 600)
    x, y = (d.size[0] - 800 * factor) // 2, (d.size[1] - 600 * factor) // 2
    what = f"full screen {d.size[0]}x{d.size[1]}"
    # The menu follows the 5-second splash.
    expect_picture(s, window, menu, x, y, 800 * factor, 600 * factor, what, timeout=15)
    s.xdotool("mousemove", "--window", window, str(x + factor * 400), str(y + factor * 192))
    expect_picture(s, window, new_game, x, y, 800 * factor, 600 * factor, what + ", the mouse over New Game")
    s.xdotool("mousemove", "--window", window, "10", "10")  # off the entries: the highlight goes
    expect_picture(s, window, menu, x, y, 800 * factor, 600 * factor, what + ", the mouse off the entries")


def volume_note(d, menu):
    """A volume key shows a short note at the bottom right of the picture, which then goes away."""
    s, window = d.s, d.window
    x, y = (d.size[0] - 800) // 2, (d.size[1] - 600) // 2
    corner = (680, 550, 800, 600)
    s.xdotool("key", "--window", window, "minus")
    shown = False
    deadline = time.time() + 10
    while not shown:
        picture = s.shot(window).crop((x, y, x + 800, y + 600))
        shown = mean_difference(picture.crop(corner), menu.crop(corner)) > 8
        assert shown or time.time() < deadline, "no note after the volume key"
    assert mean_difference(picture.crop((0, 0, 680, 550)), menu.crop((0, 0, 680, 550))) < 3
    print("window scaling: a volume key shows its note over the picture")
    expect_picture(s, window, menu, x, y, 800, 600, "the note has gone", detail=corner)


def windows(d, menu):
    """F11 to a window, resized larger and smaller than the picture, and Alt+Enter back."""
    s, window = d.s, d.window
    # F11: a window at the largest whole factor the desktop has room for.
    s.xdotool("key", "--window", window, "F11")
    s.wait_for_size(window, (1600, 1200))
    expect_picture(s, window, menu, 0, 0, 1600, 1200, "window 1600x1200 after F11")

    # Resized larger than the picture but short of twice: once, centred.
    s.xdotool("windowsize", window, "1000", "700")
    s.wait_for_size(window, (1000, 700))
    expect_picture(s, window, menu, 100, 50, 800, 600, "window 1000x700")

    # Smaller than the picture: scaled down with its shape kept (and smoothed, so compared loosely).
    s.xdotool("windowsize", window, "640", "600")
    s.wait_for_size(window, (640, 600))
    deadline = time.time() + 10
    while True:
        shot = s.shot(window)
        picture = shot.crop((0, 60, 640, 540)).resize(menu.size, Image.BILINEAR)
        d_mean = mean_difference(picture, menu)
        black = brightness(shot, (0, 0, 640, 58)) < 1 and brightness(shot, (0, 542, 640, 600)) < 1
        if d_mean < 12 and black:
            break
        assert time.time() < deadline, f"window 640x600: no picture at 0,60 640x480 (mean difference {d_mean:.1f})"
        time.sleep(0.3)
    print(f"window scaling: window 640x600: picture at 0,60 size 640x480 (mean difference {d_mean:.1f})")

    # Alt+Enter: back to full screen.
    s.xdotool("key", "--window", window, "alt+Return")
    s.wait_for_size(window, d.size)
    expect_picture(s, window, menu, 224, 168, 1600, 1200, "full screen again after Alt+Enter")


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-scaling-")
    data = os.path.join(work, "data")
    shutil.copytree(data_dir, data)
    # The headless twin's menu, plain and with New Game highlighted under the mouse.
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write(f"5100 screenshot {work}/menu.png\n5200 mouse move 400 192\n5300 screenshot {work}/new_game.png\n")
    run([program, "--headless", "--script", script, "--data-dir", data])
    menu = Image.open(f"{work}/menu.png").convert("RGB")
    new_game = Image.open(f"{work}/new_game.png").convert("RGB")
    try:
        # The second desktop has no sound device: the game plays on silently.
        for number, (size, audio) in enumerate([((2048, 1536), "dummy"), ((1920, 1080), "no-such-device")]):
            d = Desktop(work, data, size, number, audio)
            try:
                full_screen(d, menu, new_game)
                if size == (2048, 1536):
                    windows(d, menu)
                else:
                    volume_note(d, menu)
            finally:
                d.close()
    finally:
        if not os.environ.get("CINDERWAKE_KEEP_SHOTS"):
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("screenshots kept in", work)


main()
