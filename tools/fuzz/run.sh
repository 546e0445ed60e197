#!/usr/bin/env bash
# Builds one libFuzzer target with clang and runs it for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/../.."
target=${1:?script or savegame}
seconds=${2:-600}
out=build-fuzz
mkdir -p "$out" "tests/fuzz_corpus/$target"
case "$target" in
  script) sources=(tools/fuzz/script_fuzzer.cpp src/platform/headless_script.cpp) ;;
  savegame) sources=(tools/fuzz/savegame_fuzzer.cpp src/savegame/save_format.cpp src/runtime/value_types.cpp src/world/location_catalogue.cpp) ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -Isrc "${sources[@]}" -o "$out/$target-fuzzer"
"$out/$target-fuzzer" -max_total_time="$seconds" -artifact_prefix="tests/fuzz_corpus/$target/crash-" \
  "tests/fuzz_corpus/$target"
