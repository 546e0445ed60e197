"""What the tests of the real program under a virtual X server share."""
import shutil
import subprocess
import sys
import time

from PIL import Image, ImageChops, ImageStat


def need(*programs):
    """Ends the test as skipped (ctest's SKIP_RETURN_CODE 77) when a program it drives is missing."""
    missing = [p for p in programs if not shutil.which(p)]
    if missing:
        print(f"skipped: {', '.join(missing)} missing (tools/setup.sh installs them)")
        sys.exit(77)


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw)


def mean_difference(a, b):
    """Mean absolute difference of two pictures over their RGB channels (0..255)."""
    diff = ImageChops.difference(a.convert("RGB"), b.convert("RGB"))
    return sum(ImageStat.Stat(diff).mean) / 3


def start_xvfb(display, size, options=()):
    """Starts a virtual X screen of `size` and waits until it answers."""
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", f"{size[0]}x{size[1]}x24", "-nolisten", "tcp", *options],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(50):
        if subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode == 0:
            break
        time.sleep(0.1)
    return xvfb


def window_shot(display, window, path):
    run(["import", "-display", display, "-window", window, path])
    return Image.open(path)


def wait_for(display, window, path, expected, what, seconds, box=None):
    """Polls the window until it shows `expected` (within `box` only, when given)."""
    deadline = time.time() + seconds
    if box:
        expected = expected.crop(box)
    while True:
        shot = window_shot(display, window, path)
        d = mean_difference(shot.crop(box) if box else shot, expected)
        if d < 4:
            return
        assert time.time() < deadline, f"the window does not show {what} (mean difference {d:.1f})"
        time.sleep(0.2)
