"""The Debian package: built with CPack from the current build, checked by lintian, desktop-file-validate
and appstreamcli, then installed with apt, played from /usr/games by a user who may not write its data
folder, and purged, leaving none of its files behind.

Installing needs root and apt: without them the test says SKIPPED (exit 77) after the checks.
"""
import fcntl
import json
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
cpack, build_dir = sys.argv[1], sys.argv[2]

# From the menu into a new game, then the in-game menu's Save game.
SESSION = ("5500 key Down\n5600 key Down\n5700 key Enter\n6500 key Enter\n14000 key Enter\n"
           "15000 click 740 50\n15500 key Down\n15600 key Enter\n16000 dump {dump}\n")

EXPECTED = [
    "/usr/games/cinderwake",
    "/usr/share/games/cinderwake/city.jpg",
    "/usr/share/games/cinderwake/music.mp3",
    "/usr/share/applications/cinderwake.desktop",
    "/usr/share/metainfo/org.example.cinderwake.metainfo.xml",
    "/usr/share/man/man6/cinderwake.6.gz",
    "/usr/share/doc/cinderwake/copyright",
    "/usr/share/doc/cinderwake/changelog.Debian.gz",
] + [f"/usr/share/icons/hicolor/{n}x{n}/apps/cinderwake.png" for n in (16, 32, 48, 64, 128, 256)]


def run(cmd, **kw):
    r = subprocess.run(cmd, capture_output=True, text=True, **kw)
    assert r.returncode == 0, f"{' '.join(cmd)} failed ({r.returncode}):\n{r.stdout}{r.stderr}"
    return r


def skip(why):
    print(f"SKIPPED: {why}")
    sys.exit(SKIPPED)


def build_package(out):
    run([cpack, "-G", "DEB", "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-B", out], cwd=build_dir)
    debs = [f for f in os.listdir(out) if f.endswith("_amd64.deb")]
    assert len(debs) == 1, debs
    return os.path.join(out, debs[0])


def package_files(deb):
    """The paths the package puts on the system, from its data archive."""
    out = run(["dpkg-deb", "-c", deb]).stdout
    paths = []
    for line in out.splitlines():
        name = line.split(None, 5)[5].split(" -> ")[0]
        paths.append(os.path.normpath(name[1:]) if name.startswith(".") else name)
    return [p for p in paths if p != "/"]


def check_control(deb):
    fields = {}
    for field in ("Package", "Version", "Section", "Maintainer", "Depends", "Description"):
        fields[field] = run(["dpkg-deb", "-f", deb, field]).stdout.strip()
    assert fields["Package"] == "cinderwake", fields
    assert fields["Section"] == "games", fields
    assert fields["Maintainer"], fields
    assert "libsdl2-2.0-0" in fields["Depends"] and "libc6" in fields["Depends"], fields["Depends"]
    assert "\n" in fields["Description"], "the description has no long part"
    return fields


def check_contents(deb, files, scratch):
    for path in EXPECTED:
        assert path in files, f"{path} is not in the package"
    assert not any(p.endswith("SaveGame.txt") for p in files), "the build's saved game was packaged"
    assert all(p.startswith("/usr/") or p == "/usr" for p in files), [p for p in files if not p.startswith("/usr")]
    root = os.path.join(scratch, "root")
    run(["dpkg-deb", "-x", deb, root])
    print(run(["desktop-file-validate", root + "/usr/share/applications/cinderwake.desktop"]).stdout, end="")
    print(run(["appstreamcli", "validate", "--no-net", "--pedantic",
               root + "/usr/share/metainfo/org.example.cinderwake.metainfo.xml"]).stdout, end="")


def check_lintian(deb):
    r = subprocess.run(["lintian", "--fail-on", "error,warning", "--display-info", deb], capture_output=True,
                       text=True)
    print("lintian:", r.stdout, r.stderr, sep="\n")
    assert r.returncode == 0, f"lintian failed ({r.returncode})"
    tags = [line for line in r.stdout.splitlines() if line[:2] in ("E:", "W:")]
    assert not tags, tags


def installed(package):
    r = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package], capture_output=True, text=True)
    return r.returncode == 0 and "installed" in r.stdout.split()


def owned_by_another(path):
    r = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True)
    if r.returncode != 0:
        return False
    owners = set()
    for line in r.stdout.splitlines():
        names, _, owned = line.rpartition(": ")
        if owned == path:
            owners.update(n.strip() for n in names.split(","))
    return bool(owners - {"cinderwake"})


def play_as_nobody(scratch):
    work = os.path.join(scratch, "player")
    os.makedirs(work)
    os.chmod(scratch, 0o755)
    os.chmod(work, 0o777)
    script, dump = os.path.join(work, "script.txt"), os.path.join(work, "dump.json")
    with open(script, "w") as f:
        f.write(SESSION.format(dump=dump))
    env = dict(os.environ, HOME=work, XDG_DATA_HOME=os.path.join(work, "xdg"))
    nobody = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
    data = "/usr/share/games/cinderwake"
    assert subprocess.run([*nobody, "test", "-w", data]).returncode != 0, f"{data} is writable by nobody"
    run([*nobody, "/usr/games/cinderwake", "--headless", "--script", script], env=env, timeout=120)
    with open(dump) as f:
        state = json.load(f)
    assert state["music"] == {"file": "music.mp3", "playing": True}, state["music"]  # found in /usr/share/games
    assert state["state"]["TextSMS"] == "Game successfully saved !", state["state"]["TextSMS"]
    assert os.path.isfile(os.path.join(work, "xdg", "cinderwake", "SaveGame.txt"))
    assert not os.path.exists(os.path.join(data, "SaveGame.txt"))
    print("package: played from /usr/games as nobody, saved to $XDG_DATA_HOME/cinderwake")


def install_play_purge(deb, files, version, scratch):
    apt = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=300"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    run([*apt, "install", os.path.abspath(deb)], env=env, timeout=600)
    try:
        listed = set(run(["dpkg-query", "-L", "cinderwake"]).stdout.split())
        assert set(files) <= listed, sorted(set(files) - listed)
        out = run(["/usr/games/cinderwake", "--version"]).stdout
        assert out == f"cinderwake {version}\n", out
        play_as_nobody(scratch)
    finally:
        run([*apt, "purge", "cinderwake"], env=env, timeout=600)
    assert not installed("cinderwake")
    left = []
    for path in files:
        if not os.path.lexists(path):
            continue
        if os.path.isdir(path) and not os.path.islink(path) and owned_by_another(path):
            continue
        left.append(path)
    assert not left, f"left behind after purge: {left}"
    print(f"package: installed, played and purged; none of its {len(files)} paths is left")


def main():
    missing = [t for t in ("dpkg-deb", "dpkg-shlibdeps", "lintian", "desktop-file-validate", "appstreamcli")
               if not shutil.which(t)]
    if missing:
        skip(f"missing {', '.join(missing)} (tools/setup.sh installs them)")
    scratch = tempfile.mkdtemp(prefix="cinderwake-package-")
    try:
        deb = build_package(os.path.join(scratch, "out"))
        print("package:", os.path.basename(deb), os.path.getsize(deb), "bytes")
        fields = check_control(deb)
        files = package_files(deb)
        check_contents(deb, files, scratch)
        check_lintian(deb)

        if os.geteuid() != 0:
            skip("installing the package needs root")
        if not shutil.which("apt-get") or not shutil.which("setpriv"):
            skip("installing the package needs apt-get and setpriv")
        # Developers share the machine: one installation at a time, and never over one already there.
        with open(os.path.join(tempfile.gettempdir(), "cinderwake-package-test.lock"), "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if installed("cinderwake"):
                skip("cinderwake is installed on this system already; not replacing it")
            install_play_purge(deb, files, fields["Version"].split("-")[0], scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


main()
