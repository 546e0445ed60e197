"""The Linux flow test's session (new game, abilities, play, save, exit, continue, credits) played by the
Windows program under Wine, from a folder whose path holds a space and non-ASCII letters: every state
dump and the saved game are byte for byte those of the Linux program."""
import os
import shutil
import subprocess
import tempfile

import wine

args = wine.arguments("--flow-script")
work = tempfile.mkdtemp(prefix="cinderwake-wine-flow-")
try:
    script = subprocess.run([args.flow_script], check=True, capture_output=True, text=True).stdout
    # A player's folder with a space and letters beyond ASCII, the program unzipped into it.
    home = os.path.join(work, "Users", "Zoë Müller", "Spiele für mich")
    folder = wine.unpack(args.windows_build, home)
    data = os.path.join(folder, "data")
    linux_data = os.path.join(work, "Linux Zoë", "data")
    shutil.copytree(data, linux_data)
    dumps = ["story", "abilities", "spent", "playing", "saved", "exited", "continued", "credits", "closed"]

    # The script's dump lines take a path without spaces; the folders still hold a non-ASCII letter.
    linux_out = os.path.join(work, "Linux-Zoë-dumps") + "/"
    os.makedirs(linux_out)
    with open(os.path.join(work, "linux.txt"), "w", encoding="utf-8") as f:
        f.write(script.replace("@DIR@", linux_out))
    subprocess.run([args.program, "--headless", "--script", os.path.join(work, "linux.txt"), "--data-dir", linux_data],
                   check=True, capture_output=True)

    # The Windows program finds its data folder beside itself: no --data-dir, so the folder's path comes
    # from Windows itself; the script is named through the UTF-16 command line.
    windows_out = os.path.join(work, "Windows-Zoë-dumps") + "/"
    os.makedirs(windows_out)
    with open(os.path.join(home, "script für Wine.txt"), "w", encoding="utf-8") as f:
        f.write(script.replace("@DIR@", wine.windows_path(windows_out) + "\\"))
    wine.run(os.path.join(folder, "cinderwake.exe"),
             ["--headless", "--script", wine.windows_path(os.path.join(home, "script für Wine.txt"))])

    for name in dumps:
        linux = open(f"{linux_out}{name}.json", "rb").read()
        windows = open(f"{windows_out}{name}.json", "rb").read()
        assert windows == linux, f"the state dump '{name}' differs:\nLinux:   {linux[:300]}\nWindows: {windows[:300]}"
    linux_save = open(os.path.join(linux_data, "SaveGame.txt"), "rb").read()
    windows_save = open(os.path.join(data, "SaveGame.txt"), "rb").read()
    assert linux_save.count(b"\r\n") == 17, linux_save
    assert windows_save == linux_save, f"SaveGame.txt differs:\nLinux:   {linux_save!r}\nWindows: {windows_save!r}"
    print(f"{len(dumps)} state dumps and SaveGame.txt ({len(linux_save)} bytes) the same, in {home}")
finally:
    shutil.rmtree(work, ignore_errors=True)
