"""Measures the real program in a window under a virtual X server: launch to the first frame, the CPU the
game uses while it waits on the splash, the menu and in play, and its peak memory.

    python3 tools/measure_real_window.py [--full-screen WxH] [build/cinderwake] [build/data]

By default the game runs with --windowed on a 1024 x 768 screen; --full-screen WxH runs it full screen on a
screen of that size (with a window manager to grant full screen), the picture scaled as the player sees it.

Sound goes through SDL's disk driver, so the music is decoded as on a machine with a sound card. The
numbers are the game process alone (the X server's own drawing is not counted).
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageStat

parser = argparse.ArgumentParser()
parser.add_argument("--full-screen", metavar="WxH")
parser.add_argument("program", nargs="?", default="build/cinderwake")
parser.add_argument("data_dir", nargs="?", default="build/data")
args = parser.parse_args()
program, data_dir = args.program, args.data_dir
screen = tuple(int(v) for v in args.full_screen.split("x")) if args.full_screen else (1024, 768)
# Where the 800 x 600 picture lies in the window: full screen scales it by the largest whole factor.
factor = max(1, min(screen[0] // 800, screen[1] // 600)) if args.full_screen else 1
origin = ((screen[0] - 800 * factor) // 2, (screen[1] - 600 * factor) // 2) if args.full_screen else (0, 0)
TICK = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICK  # utime + stime


def peak_memory_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return float("nan")


class Run:
    def __init__(self, display, data, audio_file):
        self.env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=audio_file,
                        CINDERWAKE_REPORT_FIRST_FRAME="1")
        self.launched = time.time()
        mode = [] if args.full_screen else ["--windowed"]
        self.game = subprocess.Popen([program, *mode, "--data-dir", data], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)

    def first_frame_ms(self):
        for line in self.game.stderr:
            if line.startswith("cinderwake: first frame at "):
                return int(line.split()[-2]) - self.launched * 1000
        raise RuntimeError("the game ended before its first frame")

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True, timeout=20).stdout

    def wait_for(self, window, expected, seconds=20):
        """Waits until the window shows the headless twin's picture `expected`."""
        deadline = time.time() + seconds
        while True:
            shot = os.path.join(os.path.dirname(expected), "window.png")
            subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", window, shot], check=True)
            picture = Image.open(shot).convert("RGB").crop(
                (origin[0], origin[1], origin[0] + 800 * factor, origin[1] + 600 * factor)).resize((800, 600))
            diff = ImageChops.difference(picture, Image.open(expected).convert("RGB"))
            if sum(ImageStat.Stat(diff).mean) / 3 < 4:
                return
            if time.time() > deadline:
                raise RuntimeError(f"the window never showed {os.path.basename(expected)}")
            time.sleep(0.2)

    def point(self, x, y):
        """Window coordinates of a picture pixel."""
        return str(origin[0] + factor * x), str(origin[1] + factor * y)

    def cpu_share(self, seconds):
        before, t0 = cpu_seconds(self.game.pid), time.time()
        time.sleep(seconds)
        return (cpu_seconds(self.game.pid) - before) / (time.time() - t0)

    def stop(self):
        peak = peak_memory_mib(self.game.pid)
        self.game.terminate()
        self.game.wait(10)
        return peak


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-measure-")
    data = os.path.join(work, "data")
    shutil.copytree(data_dir, data)
    # The headless twin's pictures of the screens the run waits for.
    script = os.path.join(work, "script.txt")
    with open(script, "w") as f:
        f.write(f"5100 screenshot {work}/menu.png\n5100 mouse move 5 5\n5200 key Down\n5300 key Down\n"
                f"5400 key Enter\n9500 screenshot {work}/story.png\n9500 key Space\n"
                f"15500 screenshot {work}/abilities.png\n")
    subprocess.run([program, "--headless", "--script", script, "--data-dir", data], check=True)
    display = f":{150 + os.getpid() % 50}"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", f"{screen[0]}x{screen[1]}x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wm = None
    try:
        for _ in range(50):
            if subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        if args.full_screen:
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)

        launches = []
        for i in range(5):
            r = Run(display, data, os.path.join(work, f"audio{i}.raw"))
            launches.append(r.first_frame_ms())
            r.stop()
        print(f"launch to first frame: median {statistics.median(launches):.0f} ms "
              f"(runs: {', '.join(f'{v:.0f}' for v in launches)})")

        r = Run(display, data, os.path.join(work, "audio.raw"))
        r.first_frame_ms()
        window = r.xdotool("search", "--sync", "--onlyvisible", "--name", "^Cinderwake$").split()[0]
        time.sleep(1.5)  # the splash has opened out and holds
        print(f"splash hold: {100 * r.cpu_share(3):.1f}% of a core")
        r.xdotool("mousemove", "--window", window, *r.point(5, 5))
        r.wait_for(window, f"{work}/menu.png")
        print(f"main menu: {100 * r.cpu_share(5):.1f}% of a core")
        for key in ("Down", "Down", "Return"):
            r.xdotool("key", "--window", window, key)
        r.wait_for(window, f"{work}/story.png")
        r.xdotool("key", "--window", window, "space")  # closes the opening story
        r.wait_for(window, f"{work}/abilities.png")
        r.xdotool("mousemove", "--window", window, *r.point(392, 516), "click", "1")  # OK on the abilities screen
        time.sleep(0.5)
        # Walk and fire: the city scrolls, enemies come, shots fly.
        r.xdotool("keydown", "--window", window, "Up")
        r.xdotool("keydown", "--window", window, "ctrl")
        print(f"playing (walking, firing): {100 * r.cpu_share(10):.1f}% of a core")
        r.xdotool("keyup", "--window", window, "Up", "ctrl")
        print(f"peak memory: {r.stop():.1f} MiB")
    finally:
        if wm:
            wm.terminate()
            wm.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(work, ignore_errors=True)


main()
