"""Measures two programs side by side in a window under a virtual X server, alternating A, B, A, B so a
busy machine weighs on both alike: launch to the first frame, the CPU the game uses while it rests on
the splash, the menu and a story page and while playing, and its peak memory on the way from the splash
through the menu and a new game into the city, into the hut and back out.

    python3 tools/measure_real_window.py [--full-screen WxH] [--rounds N] BEFORE BEFORE_DATA AFTER AFTER_DATA

Each program plays on a copy of its own data folder, with a saved game at the hut's door that the
in-game menu loads. By default the game runs with --windowed on a 1024 x 768 screen; --full-screen WxH
runs it full screen on a screen of that size (with a window manager to grant full screen), the picture
scaled as the player sees it.

Sound goes through SDL's disk driver, so the music is decoded as on a machine with a sound card. The
numbers are the game process alone (the X server's own drawing is not counted).
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from x_display import mean_difference, start_xvfb  # noqa: E402
from measure_common import (FIRE_EVERY, PLAY_END, PLAY_START, Table, add_program_arguments, alternate,  # noqa: E402
                            path_script, programs)

parser = argparse.ArgumentParser()
parser.add_argument("--full-screen", metavar="WxH")
parser.add_argument("--rounds", type=int, default=2, help="whole runs of each program (default 2)")
parser.add_argument("--launches", type=int, default=5, help="launches of each program timed (default 5)")
add_program_arguments(parser)
args = parser.parse_args()
screen = tuple(int(v) for v in args.full_screen.split("x")) if args.full_screen else (1024, 768)
# Where the 800 x 600 picture lies in the window: full screen scales it by the largest whole factor.
factor = max(1, min(screen[0] // 800, screen[1] // 600)) if args.full_screen else 1
origin = ((screen[0] - 800 * factor) // 2, (screen[1] - 600 * factor) // 2) if args.full_screen else (0, 0)


def cpu_ns(pid):
    """CPU time of each of the process's threads in ns (the audio and loader threads count too)."""
    times = {}
    task_dir = f"/proc/{pid}/task"
    for tid in os.listdir(task_dir):
        try:
            with open(f"{task_dir}/{tid}/schedstat") as f:
                times[tid] = int(f.read().split()[0])
        except (FileNotFoundError, ProcessLookupError):
            pass  # the thread ended meanwhile
    return times


def peak_memory_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return float("nan")


class Run:
    def __init__(self, display, program):
        self.program = program
        self.audio = os.path.join(program.work, "audio.raw")
        self.shot = os.path.join(program.work, "window.png")
        self.env = dict(program.env, DISPLAY=display, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=self.audio,
                        CINDERWAKE_REPORT_FIRST_FRAME="1")
        self.first_frame = None
        frame_seen = threading.Event()
        mode = [] if args.full_screen else ["--windowed"]
        self.launched = time.time()
        self.game = subprocess.Popen([program.path, *mode, "--data-dir", program.data], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)

        def read_errors():  # read to the end, so the game never blocks on a full pipe
            for line in self.game.stderr:
                if line.startswith("cinderwake: first frame at ") and self.first_frame is None:
                    self.first_frame = int(line.split()[-2]) - self.launched * 1000
                    frame_seen.set()
            frame_seen.set()

        threading.Thread(target=read_errors, daemon=True).start()
        self.frame_seen = frame_seen

    def first_frame_ms(self):
        self.frame_seen.wait(30)
        if self.first_frame is None:
            raise RuntimeError(f"{self.program.path} ended or hung before its first frame")
        return self.first_frame

    def xdotool(self, *words):
        return subprocess.run(["xdotool", *words], env=self.env, check=True, capture_output=True,
                              text=True, timeout=20).stdout

    def shows(self, window, name):
        """Whether the window shows the headless twin's picture NAME.png."""
        expected = Image.open(os.path.join(self.program.work, "twin", name + ".png"))
        subprocess.run(["import", "-display", self.env["DISPLAY"], "-window", window, self.shot], check=True)
        picture = Image.open(self.shot).convert("RGB").crop(
            (origin[0], origin[1], origin[0] + 800 * factor, origin[1] + 600 * factor)).resize((800, 600))
        return mean_difference(picture, expected) < 4

    def wait_for(self, window, name, seconds=20):
        deadline = time.time() + seconds
        while not self.shows(window, name):
            if time.time() > deadline:
                raise RuntimeError(f"{self.program.label}: the window never showed {name} (last picture: {self.shot})")
            time.sleep(0.2)

    def point(self, x, y):
        """Window coordinates of a picture pixel."""
        return str(origin[0] + factor * x), str(origin[1] + factor * y)

    def cpu_share(self, seconds, every=None, action=None):
        """Share of a core over `seconds`, doing `action` every `every` seconds meanwhile."""
        before, t0 = cpu_ns(self.game.pid), time.time()
        while time.time() - t0 < seconds:
            if action:
                action()
            time.sleep(min(every or seconds, max(0.0, seconds - (time.time() - t0))))
        after, t1 = cpu_ns(self.game.pid), time.time()
        return sum(ns - before.get(tid, 0) for tid, ns in after.items()) / 1e9 / (t1 - t0)

    def stop(self):
        peak = peak_memory_mib(self.game.pid)
        self.game.terminate()
        self.game.wait(10)
        if os.path.exists(self.audio):
            os.remove(self.audio)
        return peak


ROWS = {
    "launch to first splash frame": "{:.0f} ms",
    "CPU, splash holding": "{:.1f}% core",
    "CPU, main menu": "{:.1f}% core",
    "CPU, story page": "{:.1f}% core",
    "CPU, playing (walk, fire)": "{:.1f}% core",
    "peak memory (VmHWM)": "{:.1f} MiB",
}


def whole_run(display, p, table):
    """Splash, menu, new game, the city, the hut and back, with the CPU at each rest and in play."""
    r = Run(display, p)
    try:
        r.first_frame_ms()
        window = r.xdotool("search", "--sync", "--onlyvisible", "--name", "^Cinderwake$").split()[0]
        time.sleep(1.5)  # the splash has opened out and holds until 5 s
        table.add("CPU, splash holding", p, 100 * r.cpu_share(3))
        r.xdotool("mousemove", "--window", window, *r.point(5, 5))
        r.wait_for(window, "menu")
        table.add("CPU, main menu", p, 100 * r.cpu_share(5))
        for key in ("Down", "Down", "Return"):
            r.xdotool("key", "--window", window, key)
        r.wait_for(window, "story")
        table.add("CPU, story page", p, 100 * r.cpu_share(5))
        r.xdotool("key", "--window", window, "space")  # closes the opening story
        r.wait_for(window, "abilities")
        # OK on the abilities screen; a click that comes while the screen still settles may go unseen.
        for _ in range(10):
            r.xdotool("mousemove", "--window", window, *r.point(392, 516), "click", "1")
            time.sleep(0.5)
            if not r.shows(window, "abilities"):
                break
        else:
            raise RuntimeError(f"{p.label}: the abilities screen does not close")
        # Walk in a circle and fire a shot per press: enemies come, shots fly.
        r.xdotool("keydown", "--window", window, "Up", "Left")
        table.add("CPU, playing (walk, fire)", p, 100 * r.cpu_share(
            (PLAY_END - PLAY_START) / 1000, FIRE_EVERY / 1000, lambda: r.xdotool("key", "--window", window, "ctrl")))
        r.xdotool("keyup", "--window", window, "Up", "Left")
        # The in-game menu's Load game puts the player at the hut's door; up into the hut, down out again.
        r.xdotool("mousemove", "--window", window, *r.point(740, 50), "click", "1")
        time.sleep(0.5)
        for key in ("Down", "Down", "Return"):
            r.xdotool("key", "--window", window, key)
        r.wait_for(window, "loaded")
        r.xdotool("keydown", "--window", window, "Up")
        r.wait_for(window, "hut")
        r.xdotool("keyup", "--window", window, "Up")
        r.xdotool("keydown", "--window", window, "Down")
        r.wait_for(window, "back")
        r.xdotool("keyup", "--window", window, "Down")
    finally:
        peak = r.stop()
    table.add("peak memory (VmHWM)", p, peak)


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-measure-")
    both = programs(args, work)
    # Each program's headless twin draws the pictures its window must show on the way.
    for p in both:
        twin = os.path.join(p.work, "twin")
        os.makedirs(twin)
        script = os.path.join(twin, "script.txt")
        with open(script, "w") as f:
            f.write(path_script(twin))
        subprocess.run([p.path, "--headless", "--script", script, "--data-dir", p.data], check=True,
                       stdout=subprocess.DEVNULL, env=p.env)
    display = f":{150 + os.getpid() % 50}"
    # No auto-repeat: a held key is one press, as in the headless twin, so a player who changes
    # location stops there instead of walking on.
    xvfb = start_xvfb(display, screen, ["-ardelay", "60000"])
    wm = None
    table = Table(both)
    ok = False
    try:
        if args.full_screen:
            wm = subprocess.Popen(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)
        for _, p in alternate(both, args.launches):
            r = Run(display, p)
            table.add("launch to first splash frame", p, r.first_frame_ms())
            r.stop()
        for i, p in alternate(both, args.rounds):
            print(f"round {i + 1}: {p.label}", file=sys.stderr)
            whole_run(display, p, table)
        ok = True
    finally:
        if wm:
            wm.terminate()
            wm.wait(10)
        xvfb.terminate()
        xvfb.wait(10)
        if ok:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print(f"kept for a look: {work}", file=sys.stderr)
    mode = f"full screen {args.full_screen}" if args.full_screen else "windowed, 1024 x 768 screen"
    print(f"real window, {mode}: medians of {args.launches} launches and {args.rounds} whole runs each, "
          "alternating")
    table.print(ROWS)


main()
