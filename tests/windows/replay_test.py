"""The autopilot's winning game, recorded by the Linux program, replayed headless by the Windows program
under Wine, ends in exactly the Linux program's final state."""
import json
import os
import shutil
import subprocess
import tempfile

import wine

args = wine.arguments("--seed", "--autopilot")
work = tempfile.mkdtemp(prefix=f"cinderwake-wine-replay-{args.seed}-")
try:
    folder = wine.unpack(args.windows_build, os.path.join(work, "zip"))
    # The autopilot plays natively and writes its input as a script.
    subprocess.run([args.autopilot, "--seed", args.seed, "--data-dir", args.data, "--out", f"{work}/autopilot"],
                   check=True, capture_output=True, text=True)
    linux_dump = f"{work}/linux.json"
    lines = []
    for line in open(f"{work}/autopilot/script.txt"):
        words = line.split()
        if len(words) >= 3 and words[1] == "dump":
            end = words[0]
            line = f"{end} dump {linux_dump}\n"
        lines.append(line)
    with open(f"{work}/script.txt", "w") as f:
        f.writelines(lines)

    # The Linux program plays the script on the zip's own data and records the session.
    linux_data = f"{work}/linux-data"
    shutil.copytree(os.path.join(folder, "data"), linux_data)
    recording = f"{work}/session.txt"
    subprocess.run([args.program, "--headless", "--script", f"{work}/script.txt", "--seed", args.seed,
                    "--data-dir", linux_data, "--record", recording], check=True, capture_output=True, text=True)

    # The Windows program replays the recording and dumps its state at the same moment.
    windows_dump = f"{work}/windows.json"
    with open(f"{work}/dump.txt", "w") as f:
        f.write(f"{end} dump {wine.windows_path(windows_dump)}\n")
    wine.run(os.path.join(folder, "cinderwake.exe"),
             ["--headless", "--replay", wine.windows_path(recording), "--script", wine.windows_path(f"{work}/dump.txt"),
              "--data-dir", wine.windows_path(os.path.join(folder, "data"))], timeout=900)

    linux = open(linux_dump, "rb").read()
    windows = open(windows_dump, "rb").read()
    state = json.loads(linux)
    assert state["state"]["blnEnd"] and state["focus"] == "picMenu", "the autopilot's game was not won"
    if windows != linux:
        a, b = json.loads(linux), json.loads(windows)
        diffs = [k for k in a["state"] if a["state"][k] != b["state"].get(k)][:20]
        raise AssertionError(f"seed {args.seed}: the Windows replay ends elsewhere; fields that differ: {diffs}")
    print(f"seed {args.seed}: the same final state after {state['passes']} passes ({len(linux)} bytes of dump)")
finally:
    shutil.rmtree(work, ignore_errors=True)
