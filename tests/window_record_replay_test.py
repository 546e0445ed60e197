"""A session recorded in a real window under a virtual X server, then replayed: headless, and in the
window again. Both replays reach the saved game the player made, and neither leaves its scratch save
folder behind.

The session: New Game from the keys, the story closed, the abilities screen taken, a walk and a shot in
play, then the in-game menu's Save game; the program is then ended as a desktop ends it (SIGTERM).
"""
import glob
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from PIL import Image

from x_display import need, run, start_xvfb, wait_for

need("Xvfb", "xdpyinfo", "xdotool", "import")

program, data_dir = sys.argv[1], sys.argv[2]

SAVED_MESSAGE = "Game successfully saved !"


def fresh_data(work, name):
    data = os.path.join(work, name)
    shutil.copytree(data_dir, data)
    return data


def read(path):
    with open(path, "rb") as f:
        return f.read()


def last_recorded_time(recording):
    """The latest clock reading or wait end in a recording."""
    latest = 0
    with open(recording) as f:
        for line in f:
            kind, *rest = line.split()
            if kind in ("T", "W"):
                latest = max(latest, int(rest[0]))
    return latest


def scratch_folders(tmp):
    return glob.glob(os.path.join(tmp, "cinderwake-replay-*"))


def record_in_window(work, display, data, recording):
    # The headless twin's pictures of the screens the keys wait for.
    script = os.path.join(work, "twin.txt")
    with open(script, "w") as f:
        f.write(f"5100 screenshot {work}/menu.png\n5200 key Down\n5300 key Down\n5400 key Enter\n"
                f"9500 screenshot {work}/story.png\n9500 key Space\n15500 screenshot {work}/abilities.png\n")
    run([program, "--headless", "--script", script, "--data-dir", fresh_data(work, "twin")])

    env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", XDG_CONFIG_HOME=work)
    game = subprocess.Popen([program, "--windowed", "--data-dir", data, "--record", recording], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    try:
        window = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Cinderwake$"],
                     env=env, timeout=20).stdout.split()[0]

        def key(*keys):
            for k in keys:
                run(["xdotool", "key", "--window", window, k], env=env)

        def shown(name, what, seconds):
            wait_for(display, window, f"{work}/real_{name}.png", Image.open(f"{work}/{name}.png"), what, seconds)

        shown("menu", "the menu", 15)
        run(["xdotool", "mousemove", "--window", window, "5", "5"], env=env)
        key("Down", "Down")
        time.sleep(0.3)
        key("Return")
        shown("story", "the whole story page", 15)
        key("space")
        shown("abilities", "the abilities screen", 15)
        key("Return")
        time.sleep(1)
        # Play: a walk up, a shot, then Save game from the in-game menu.
        run(["xdotool", "keydown", "--window", window, "Up"], env=env)
        time.sleep(0.5)
        run(["xdotool", "keyup", "--window", window, "Up"], env=env)
        key("ctrl")
        time.sleep(0.3)
        run(["xdotool", "mousemove", "--window", window, "742", "48", "click", "1"], env=env)
        time.sleep(0.5)
        key("Down")
        time.sleep(0.3)
        key("Return")
        time.sleep(1.5)
        assert game.poll() is None, "the game ended by itself"
    finally:
        game.send_signal(signal.SIGTERM)
        out, _ = game.communicate(timeout=20)
    assert game.returncode == 0, f"the recorded game ended with {game.returncode}: {out}"


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-window-replay-")
    display = f":{90 + (os.getpid() + 37) % 100}"
    xvfb = start_xvfb(display, (1024, 768))
    try:
        if subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode != 0:
            print("skipped: no virtual X display could be made")
            sys.exit(77)
        recorded_data = fresh_data(work, "recorded")
        recording = os.path.join(work, "session.txt")
        record_in_window(work, display, recorded_data, recording)
        saved = read(os.path.join(recorded_data, "SaveGame.txt"))
        assert saved != read(os.path.join(data_dir, "SaveGame.txt")), "the window session saved nothing"

        # Headless, with the saved game kept in a folder of our own and a dump at the recording's end.
        end = last_recorded_time(recording) - 100
        script = os.path.join(work, "dump.txt")
        with open(script, "w") as f:
            f.write(f"{end} dump {work}/replayed.json\n")
        saves = os.path.join(work, "saves")
        run([program, "--headless", "--replay", recording, "--script", script,
             "--data-dir", fresh_data(work, "headless"), "--save-dir", saves])
        assert read(os.path.join(saves, "SaveGame.txt")) == saved, "the headless replay saved another game"
        with open(f"{work}/replayed.json") as f:
            state = json.load(f)["state"]
        assert state["GamePhase"] == "city", state["GamePhase"]
        assert state["TextSMS"] == SAVED_MESSAGE, state["TextSMS"]
        assert state["ShotsFired"] == 1, state["ShotsFired"]

        # Without --save-dir a replay restores the saved game into a scratch folder of its own, made in
        # the temporary folder and gone when the replay ends: headless, then paced in the window.
        tmp = os.path.join(work, "tmp")
        os.makedirs(tmp)
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy", TMPDIR=tmp, XDG_CONFIG_HOME=work)
        run([program, "--headless", "--replay", recording, "--data-dir", fresh_data(work, "headless2")], env=env)
        assert not scratch_folders(tmp), f"the headless replay left {scratch_folders(tmp)}"

        replay = subprocess.Popen([program, "--replay", recording, "--windowed", "--data-dir",
                                   fresh_data(work, "window")], env=env, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT, text=True)
        seen = None
        deadline = time.time() + 90
        while replay.poll() is None and time.time() < deadline:
            for folder in scratch_folders(tmp):
                path = os.path.join(folder, "SaveGame.txt")
                try:
                    if read(path) == saved:
                        seen = path
                except OSError:
                    pass
            time.sleep(0.05)
        if replay.poll() is None:
            replay.kill()
        out, _ = replay.communicate(timeout=20)
        assert replay.returncode == 0, f"the replay in the window ended with {replay.returncode}: {out}"
        assert seen, "the replay in the window never saved the recorded game in its scratch folder"
        assert not scratch_folders(tmp), f"the replay in the window left {scratch_folders(tmp)}"
        print(f"window session recorded ({os.path.getsize(recording)} bytes) and replayed headless and in the "
              f"window to its saved game; scratch folder {os.path.dirname(seen)} removed")
    finally:
        xvfb.terminate()
        xvfb.wait(10)
        shutil.rmtree(work, ignore_errors=True)


main()
