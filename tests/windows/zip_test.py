"""The zip holds the program, the DLLs it needs, the data folder, README.txt and the licence texts, and
nothing else; the program under Wine tells the same version and options as the Linux one."""
import os
import subprocess
import tempfile
import zipfile

import wine

args = wine.arguments()
zip_path = os.path.join(args.windows_build, "cinderwake-windows-x64.zip")
names = set(n for n in zipfile.ZipFile(zip_path).namelist() if not n.endswith("/"))
top = {n.split("/")[1] for n in names}
assert all(n.startswith("Cinderwake/") for n in names), names
data = sorted(n.split("/", 2)[2] for n in names if n.startswith("Cinderwake/data/"))
expected_data = sorted(f for f in os.listdir(args.data) if not f.startswith("SaveGame")) + ["SaveGame.txt"]
assert data == sorted(expected_data), f"data folder: {data} instead of {sorted(expected_data)}"
dlls = {n for n in top if n.lower().endswith(".dll")}
assert top == {"cinderwake.exe", "README.txt", "data", "licences"} | dlls, top
expected_dlls = {"SDL2.dll", "SDL2_image.dll", "SDL2_mixer.dll", "SDL2_ttf.dll", "libfreetype.dll", "libjpeg-62.dll",
                 "libstdc++-6.dll", "libgcc_s_seh-1.dll", "libwinpthread-1.dll"}
assert dlls == expected_dlls, f"DLLs: {sorted(dlls)}"
licences = {n.split("/")[2] for n in names if n.startswith("Cinderwake/licences/")}
expected_licences = {"SDL2", "SDL2_image", "SDL2_mixer", "SDL2_ttf", "freetype", "libjpeg-turbo", "nlohmann-json",
                     "mingw-w64-runtime", "fonts-dejavu"}
assert licences == expected_licences, f"licences: {sorted(licences)}"
for lic in expected_licences:
    assert any(n.startswith(f"Cinderwake/licences/{lic}/") and zipfile.ZipFile(zip_path).getinfo(n).file_size > 200
               for n in names), f"no licence text for {lic}"
with zipfile.ZipFile(zip_path) as z:
    assert z.read("Cinderwake/data/SaveGame.txt") == b"NoSaveGame\r\n"
    readme = z.read("Cinderwake/README.txt").decode("utf-8")
    assert "\r\n" in readme and "%APPDATA%\\Cinderwake" in readme and "--windowed" in readme
    # A window program: no console opens on a double click.
    exe = z.read("Cinderwake/cinderwake.exe")
    pe = int.from_bytes(exe[0x3C:0x40], "little")
    assert exe[pe:pe + 4] == b"PE\0\0"
    subsystem = int.from_bytes(exe[pe + 24 + 68:pe + 24 + 70], "little")
    assert subsystem == 2, f"subsystem {subsystem}, not a window program"

with tempfile.TemporaryDirectory(prefix="cinderwake-zip-") as work:
    folder = wine.unpack(args.windows_build, work)
    exe = os.path.join(folder, "cinderwake.exe")
    for option in ("--version", "--help"):
        linux = subprocess.run([args.program, option], check=True, capture_output=True, text=True).stdout
        windows = wine.run(exe, [option]).stdout
        assert windows == linux, f"{option}: {windows!r} under Wine, {linux!r} on Linux"
    print(linux.splitlines()[0] if linux else "")
    # A malformed option is refused on the error output, with status 2, as on Linux.
    bad = wine.run(exe, ["--no-such-option"], check=False)
    assert bad.returncode == 2 and "cinderwake:" in bad.stderr, (bad.returncode, bad.stderr)
print(f"{len(names)} files: the program, {len(dlls)} DLLs, {len(data)} data files, README.txt and {len(licences)} licences")
