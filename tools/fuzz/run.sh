#!/usr/bin/env bash
# Builds one libFuzzer target with clang in ./build-fuzz and runs it for the given number of seconds,
# then merges what it found into the corpus: only the inputs that reach code the corpus does not yet.
# Everything runs under nice, so that other work on the machine keeps the cores.
set -euo pipefail
cd "$(dirname "$0")/../.."
target=${1:?script, savegame, settings, picture, recording or replay}
seconds=${2:-600}
case "$target" in
  script | savegame | settings | picture | recording | replay) ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
out=build-fuzz
nice -n 15 cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DCINDERWAKE_FUZZ=ON -DCINDERWAKE_TESTS=OFF
nice -n 15 cmake --build "$out" -j2 --target "${target}_fuzzer"
fuzzer="$out/tools/fuzz/${target}_fuzzer"
corpus="tests/fuzz_corpus/$target"
grown="$out/grown/$target"
mkdir -p "$corpus" "$grown"
# New inputs go to the first folder, in the build folder; the corpus is read as seeds.
# The reader of recordings starts from the recordings that the replay target keeps.
seeds=("$corpus")
if [ "$target" = recording ]; then seeds+=(tests/fuzz_corpus/replay); fi
nice -n 15 "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$corpus/crash-" \
  "$grown" "${seeds[@]}"
nice -n 15 "$fuzzer" -merge=1 "$corpus" "$grown"
