"""The number texts, parsing, rounding and random-number tests, cross-built, pass under Wine."""
import os

import wine

args = wine.arguments()
exe = os.path.join(args.windows_build, "numbers_test.exe")
prefix_bin = None
with open(os.path.join(args.windows_build, "CMakeCache.txt")) as cache:
    for line in cache:
        if line.startswith("CMAKE_PREFIX_PATH:"):
            prefix_bin = os.path.join(line.split("=", 1)[1].strip(), "bin")
result = wine.run(exe, ["--gtest_brief=1"], dll_dirs=[args.windows_build, prefix_bin], check=False)
print(result.stdout)
assert result.returncode == 0, f"numbers_test.exe failed under Wine:\n{result.stdout}\n{result.stderr}"
assert "FaithfulNumbersTest" in wine.run(exe, ["--gtest_list_tests"], dll_dirs=[args.windows_build, prefix_bin]).stdout
print("numbers_test.exe passes under Wine")
