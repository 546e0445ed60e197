"""Running the Windows build under Wine, for the tests: a Wine prefix of our own, made once and kept in
~/.cache/cinderwake (no desktop integration, no Mono or Gecko dialogs), and Linux paths as Windows ones."""
import fcntl
import os
import shutil
import subprocess


def wine_program():
    found = shutil.which("wine") or shutil.which("wine64")
    if found:
        return found
    if os.path.exists("/usr/lib/wine/wine64"):  # Debian's wine64 without the wine launcher
        return "/usr/lib/wine/wine64"
    raise SystemExit("wine is not installed (bash tools/windows.sh installs it)")


def prefix_dir():
    cache = os.environ.get("CINDERWAKE_CACHE") or os.path.join(os.path.expanduser("~"), ".cache", "cinderwake")
    return os.path.join(cache, "wine-prefix")


def environment(display=None, dll_dirs=()):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix_dir(), WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
               # Wine reads the Unix command line in the locale's character set.
               LC_ALL="C.UTF-8")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if display:
        env["DISPLAY"] = display
    if dll_dirs:
        env["WINEPATH"] = ";".join(windows_path(d) for d in dll_dirs)
    return env


def ensure_prefix():
    """Makes the prefix once; tests running side by side wait for the first."""
    prefix = prefix_dir()
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    with open(prefix + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(os.path.join(prefix, ".ready")):
            return
        shutil.rmtree(prefix, ignore_errors=True)
        subprocess.run([wine_program(), "wineboot", "-i"], env=environment(), check=True, timeout=600,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        server = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
        subprocess.run([server, "-w"], env=environment(), timeout=120)
        open(os.path.join(prefix, ".ready"), "w").close()


def windows_path(path):
    """A Linux path as Wine's Z: drive shows it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run(exe, args, timeout=600, display=None, dll_dirs=(), check=True, **kw):
    """Runs a Windows program under Wine; returns the CompletedProcess (text output, CR LF as LF)."""
    ensure_prefix()
    result = subprocess.run([wine_program(), exe] + list(args), env=environment(display, dll_dirs),
                            capture_output=True, timeout=timeout, **kw)
    out = result.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    err = result.stderr.decode("utf-8", "replace").replace("\r\n", "\n")
    result = subprocess.CompletedProcess(result.args, result.returncode, out, err)
    if check and result.returncode != 0:
        raise AssertionError(f"{exe} {' '.join(args)} ended with {result.returncode}:\n{out}\n{err}")
    return result


def arguments(*extra):
    """The tests' command line: the Windows build folder, the Linux program and its data folder, and more."""
    import argparse

    parser = argparse.ArgumentParser()
    for name in ("--windows-build", "--program", "--data") + extra:
        parser.add_argument(name, required=True)
    return parser.parse_args()


def unpack(windows_build, into):
    """Unzips the release as a player would; returns the folder holding cinderwake.exe."""
    import zipfile

    zip_path = os.path.join(windows_build, "cinderwake-windows-x64.zip")
    if not os.path.exists(zip_path):
        raise SystemExit(f"{zip_path} is missing: run bash tools/windows.sh")
    with zipfile.ZipFile(zip_path) as z:
        z.extractall(into)
    return os.path.join(into, "Cinderwake")
