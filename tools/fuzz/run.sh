#!/usr/bin/env bash
# Builds one libFuzzer target with clang in ./build-fuzz and runs it for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")/../.."
target=${1:?script, savegame, picture or replay}
seconds=${2:-600}
case "$target" in
  script | savegame | picture | replay) ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
out=build-fuzz
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCINDERWAKE_FUZZ=ON -DCINDERWAKE_TESTS=OFF
cmake --build "$out" -j2 --target "${target}_fuzzer"
mkdir -p "tests/fuzz_corpus/$target"
"$out/tools/fuzz/${target}_fuzzer" -max_total_time="$seconds" -artifact_prefix="tests/fuzz_corpus/$target/crash-" \
  "tests/fuzz_corpus/$target"
