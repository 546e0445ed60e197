"""sin, cos, atan and pow of the Windows build (glibc-math.dll) give glibc's results bit for bit."""
import os
import subprocess

import wine

args = wine.arguments("--probe")
count = "300000"
linux = subprocess.run([args.probe, count], check=True, capture_output=True, text=True).stdout
windows = wine.run(os.path.join(args.windows_build, "math_probe.exe"), [count], dll_dirs=[args.windows_build]).stdout
print("Linux:\n" + linux + "\nWindows under Wine:\n" + windows)
assert windows == linux, "the Windows build's sin, cos, atan or pow differ from glibc's"
print("the same results")
