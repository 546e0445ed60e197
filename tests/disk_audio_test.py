"""The real program with SDL's disk audio driver: what the mixer writes while the splash and the menu play
is the decoded menu music, not silence. With the music file gone the game still runs, silently.
"""
import array
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

program, data_dir = sys.argv[1], sys.argv[2]

RATE, CHANNELS = 44100, 2  # the mixer's output: 16-bit signed, stereo


def record(data, seconds, out):
    """Runs the game until the disk driver has written `seconds` of audio to `out`; returns the samples.

    The driver writes as the mixer plays, so a slow machine (or a sanitized build) only takes longer."""
    env = dict(os.environ, SDL_VIDEODRIVER="offscreen", SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=out,
               XDG_CONFIG_HOME=os.path.dirname(out))
    game = subprocess.Popen([program, "--windowed", "--data-dir", data], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    wanted = int(seconds * RATE) * CHANNELS * 2
    deadline = time.monotonic() + 60
    try:
        while not (os.path.exists(out) and os.path.getsize(out) >= wanted):
            assert game.poll() is None, f"the game ended by itself: {game.stderr.read()}"
            assert time.monotonic() < deadline, f"{seconds} s of audio not written within 60 s"
            time.sleep(0.1)
    finally:
        game.terminate()
        game.wait(10)
    samples = array.array("h")
    with open(out, "rb") as f:
        samples.frombytes(f.read(wanted))
    if sys.byteorder == "big":
        samples.byteswap()
    return samples


def loudness(samples):
    """Root mean square of each second of the recording, both channels together."""
    per_second = RATE * CHANNELS
    return [math.sqrt(sum(v * v for v in samples[i:i + per_second]) / per_second)
            for i in range(0, len(samples) - per_second + 1, per_second)]


def main():
    work = tempfile.mkdtemp(prefix="cinderwake-audio-")
    try:
        data = os.path.join(work, "data")
        shutil.copytree(data_dir, data)

        music = record(data, 3.0, os.path.join(work, "music.raw"))
        seconds = loudness(music)
        assert len(seconds) == 3, seconds
        # Every second carries sound, and it is a waveform, not one held value or a few clicks.
        assert min(seconds) > 300, f"the audio is (nearly) silent: RMS per second {seconds}"
        levels = len(set(music))
        assert levels > 2000, f"only {levels} different sample values"
        print("disk audio: RMS per second " + ", ".join(f"{v:.0f}" for v in seconds))

        os.remove(os.path.join(data, "music2.mp3"))
        quiet = record(data, 1.0, os.path.join(work, "silent.raw"))
        assert len(quiet) > 0 and max(abs(v) for v in quiet) == 0, "sound without a music file"
        print("disk audio: without the music file the game runs silently")
    finally:
        shutil.rmtree(work, ignore_errors=True)


main()
