"""`cmake --install` into a scratch prefix, then the installed game run from there: Debian's layout for
games (the program in games, its data in share/games/cinderwake, found relative to the program), the
desktop entry, icons, metainfo, manual page and copyright in place, and the saved game kept in
$XDG_DATA_HOME/cinderwake, never in the installed data folder, even where that could be written.
"""
import configparser
import gzip
import json
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image

cmake, build_dir = sys.argv[1], sys.argv[2]

# From the menu into a new game, then the in-game menu's Save game.
SESSION = ("5500 key Down\n5600 key Down\n5700 key Enter\n6500 key Enter\n14000 key Enter\n"
           "15000 click 740 50\n15500 key Down\n15600 key Enter\n16000 dump {dump}\n")


def run(cmd, **kw):
    r = subprocess.run(cmd, capture_output=True, text=True, **kw)
    assert r.returncode == 0, f"{' '.join(cmd)} failed ({r.returncode}): {r.stdout}{r.stderr}"
    return r


def play(program, folder, env, as_nobody=False):
    script = os.path.join(folder, "script.txt")
    dump = os.path.join(folder, "dump.json")
    with open(script, "w") as f:
        f.write(SESSION.format(dump=dump))
    cmd = [program, "--headless", "--script", script]
    if as_nobody:
        cmd = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", *cmd]
    run(cmd, env=env, timeout=60)
    with open(dump) as f:
        return json.load(f)


def main():
    prefix = tempfile.mkdtemp(prefix="cinderwake-install-")
    os.chmod(prefix, 0o755)
    try:
        run([cmake, "--install", build_dir, "--prefix", prefix])
        program = os.path.join(prefix, "games", "cinderwake")
        data = os.path.join(prefix, "share", "games", "cinderwake")
        assert os.path.isfile(program) and not os.path.islink(program) and os.access(program, os.X_OK)
        assert os.path.isfile(os.path.join(data, "city.jpg")) and os.path.isfile(os.path.join(data, "music.mp3"))
        assert not os.path.exists(os.path.join(data, "SaveGame.txt")), "the build's saved game was installed"
        assert not os.path.exists(os.path.join(prefix, "lib")) and not os.path.exists(os.path.join(prefix, "bin"))

        share = os.path.join(prefix, "share")
        entry = configparser.ConfigParser(interpolation=None)
        entry.read(os.path.join(share, "applications", "cinderwake.desktop"))
        assert entry["Desktop Entry"]["Exec"] == program, entry["Desktop Entry"]["Exec"]
        assert entry["Desktop Entry"]["Icon"] == "cinderwake"
        for size in (16, 32, 48, 64, 128, 256):
            icon = Image.open(os.path.join(share, "icons", "hicolor", f"{size}x{size}", "apps", "cinderwake.png"))
            assert icon.size == (size, size), (size, icon.size)
        with open(os.path.join(share, "metainfo", "org.example.cinderwake.metainfo.xml")) as f:
            assert "<launchable type=\"desktop-id\">cinderwake.desktop</launchable>" in f.read()
        with gzip.open(os.path.join(share, "man", "man6", "cinderwake.6.gz"), "rt") as f:
            assert f.readline().startswith(".TH CINDERWAKE 6 ")
        with open(os.path.join(share, "doc", "cinderwake", "copyright")) as f:
            assert f.readline().startswith("Format: ")

        assert run([program, "--version"]).stdout.startswith("cinderwake ")

        work = tempfile.mkdtemp(prefix="cinderwake-player-", dir=prefix)
        os.chmod(work, 0o777)
        env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "xdg"), HOME=work)
        saved = os.path.join(work, "xdg", "cinderwake", "SaveGame.txt")

        # The one who installed it may write the data folder, yet the saved game is the player's own.
        dump = play(program, work, env)
        assert dump["music"] == {"file": "music.mp3", "playing": True}, dump["music"]  # found relative to the program
        assert dump["state"]["TextSMS"] == "Game successfully saved !", dump["state"]["TextSMS"]
        assert os.path.isfile(saved)
        assert not os.path.exists(os.path.join(data, "SaveGame.txt"))
        print("install: the saved game went to $XDG_DATA_HOME/cinderwake, the data folder was left alone")
        shutil.rmtree(os.path.join(work, "xdg"))

        # Installed for everyone: a player who may not write the data folder.
        if os.geteuid() == 0 and shutil.which("setpriv"):
            dump = play(program, work, env, as_nobody=True)
        elif os.geteuid() != 0:
            os.chmod(data, 0o555)
            dump = play(program, work, env)
        else:
            # Not a pass: ctest reports exit status 77 as skipped.
            print("install: no way to play as a user who may not write the data folder (setpriv is missing)")
            sys.exit(77)
        assert dump["state"]["TextSMS"] == "Game successfully saved !", dump["state"]["TextSMS"]
        assert os.path.isfile(saved)
        assert not os.path.exists(os.path.join(data, "SaveGame.txt"))
        print("install: a player who may not write the data folder saved to $XDG_DATA_HOME/cinderwake")
    finally:
        for root, dirs, _ in os.walk(prefix):
            for d in dirs:
                os.chmod(os.path.join(root, d), 0o755)
        shutil.rmtree(prefix, ignore_errors=True)


main()
