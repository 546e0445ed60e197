"""Measures two programs side by side in the headless mode, alternating A, B, A, B so a busy machine
weighs on both alike: how fast each replays a whole winning game, and its peak memory on the path from
the splash through the menu and a new game into the city, into the hut and back out.

    python3 tools/measure_headless.py [--runs N] [--autopilot PATH] BEFORE BEFORE_DATA AFTER AFTER_DATA

The winning game is the autopilot's for seed 1 (by default the autopilot beside program A). Each
program records its own session from the autopilot's script once (--record) and then replays that
recording (--headless --replay) N times; the speed is virtual game seconds per real second, and per
second of CPU, which a busy machine disturbs less. Each program uses a copy of its own data folder.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

from measure_common import Table, add_program_arguments, alternate, path_script, programs

parser = argparse.ArgumentParser()
parser.add_argument("--runs", type=int, default=5, help="replays and path runs of each program (default 5)")
parser.add_argument("--autopilot", help="the autopilot that plays the game (default: beside program A)")
add_program_arguments(parser)
args = parser.parse_args()


def run_measured(command, cwd, env):
    """Runs a headless program to its end: wall-clock seconds and its rusage (CPU, peak memory)."""
    t0 = time.monotonic()
    child = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(child.pid, 0)
    seconds = time.monotonic() - t0
    errors = child.stderr.read().decode(errors="replace")
    child.stderr.close()
    if os.waitstatus_to_exitcode(status) != 0:
        raise RuntimeError(f"{' '.join(command)} failed:\n{errors}")
    return seconds, usage


def recording(p):
    return os.path.join(p.work, "session.txt")


def path(p):
    return os.path.join(p.work, "path.txt")


def end_dump(p):
    return os.path.join(p.work, "end.json")


ROWS = {
    "replay speed, game s per real s": "{:.1f}x",
    "replay speed, game s per CPU s": "{:.1f}x",
    "peak memory, whole game replayed": "{:.1f} MiB",
    "peak memory, path to the hut and back": "{:.1f} MiB",
}


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-headless-")
    both = programs(args, work)
    autopilot = args.autopilot or os.path.join(os.path.dirname(both[0].path), "autopilot")
    ok = False
    try:
        # The autopilot's winning game for seed 1, as a script; it ends with a dump of the final state.
        played = os.path.join(work, "autopilot")
        subprocess.run([autopilot, "--seed", "1", "--data-dir", args.before_data, "--out", played], check=True,
                       stdout=subprocess.DEVNULL)
        with open(os.path.join(played, "script.txt")) as f:
            script_lines = f.read().splitlines()
        end_ms = max(int(line.split()[0]) for line in script_lines if line and not line.startswith("#"))
        for p in both:
            # The autopilot's script names its dump relative to the folder it runs in.
            subprocess.run([p.path, "--headless", "--script", os.path.join(played, "script.txt"), "--seed", "1",
                            "--data-dir", p.data, "--save-dir", os.path.join(p.work, "recorded_saves"), "--record",
                            recording(p)], cwd=p.work, env=p.env, check=True, stdout=subprocess.DEVNULL)
            # The path to the hut and back, with the state where the hut should be and after it.
            with open(path(p), "w") as f:
                f.write(path_script(dumps=p.work))
            with open(os.path.join(p.work, "end.txt"), "w") as f:
                f.write(f"{end_ms} dump {end_dump(p)}\n")

        table = Table(both)
        for i, p in alternate(both, args.runs):
            print(f"run {i + 1}: {p.label}", file=sys.stderr)
            saves = os.path.join(p.work, f"saves{i}")
            seconds, usage = run_measured([p.path, "--headless", "--replay", recording(p), "--script",
                                           os.path.join(p.work, "end.txt"), "--data-dir", p.data, "--save-dir",
                                           saves], p.work, p.env)
            table.add("replay speed, game s per real s", p, end_ms / 1000 / seconds)
            table.add("replay speed, game s per CPU s", p, end_ms / 1000 / (usage.ru_utime + usage.ru_stime))
            table.add("peak memory, whole game replayed", p, usage.ru_maxrss / 1024)
        for i, p in alternate(both, args.runs):
            _, usage = run_measured([p.path, "--headless", "--script", path(p), "--data-dir", p.data], p.work,
                                    p.env)
            for moment, location in (("hut", "hut"), ("back", "city")):
                with open(os.path.join(p.work, moment + ".json")) as f:
                    if json.load(f)["state"]["GamePhase"] != location:
                        raise RuntimeError(f"{p.label}: the path is not in the {location} at the moment '{moment}'")
            table.add("peak memory, path to the hut and back", p, usage.ru_maxrss / 1024)

        ends = []
        for p in both:
            with open(end_dump(p)) as f:
                ends.append(json.load(f))
        ok = True
    finally:
        if ok:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print(f"kept for a look: {work}", file=sys.stderr)
    print(f"headless: the autopilot's winning game for seed 1 ({end_ms / 1000:.1f} game seconds) replayed, "
          f"and the path to the hut and back; medians of {args.runs} runs each, alternating")
    table.print(ROWS)
    same = "yes" if ends[0] == ends[1] else "NO: the programs do not play the same game"
    print(f"both replays end in the same state: {same}")


main()
