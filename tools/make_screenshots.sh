#!/usr/bin/env bash
# Makes the README's screenshots with the headless mode: the menu, the abilities screen, the city in
# play, the options screen over it, and an interior (reached by continuing a saved game that stands in the power plant).
# Usage: bash tools/make_screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/data" "$work/data"
mkdir -p "$out"

cat > "$work/new_game.txt" <<SCRIPT
0     key Space
5100  mouse move 400 192
5200  screenshot $out/menu.png
5300  click 400 192
9000  key Space
15000 click 560 100
15100 click 560 180
15200 click 560 180
15300 mouse move 300 133
15600 screenshot $out/abilities.png
15700 click 400 515
15800 key down Up
16300 key down Left
16700 key up Left
18500 screenshot $out/city.png
18550 key F1
18600 key Down
18700 screenshot $out/options.png
18800 quit
SCRIPT
"$build/cinderwake" --headless --script "$work/new_game.txt" --data-dir "$work/data" --seed 3 --config-dir "$work/config"

# A saved game standing in the power plant's turbine hall, with the key in hand.
printf '%s\r\n' -351 -200 powerplant1 639 235 2 1 1 0 1 150 200 2 140 True False 0 > "$work/data/SaveGame.txt"
cat > "$work/interior.txt" <<SCRIPT
0     key Space
5100  click 400 280
5200  key down Down
5500  key up Down
5600  key down Left
6000  key up Left
6400  screenshot $out/interior.png
6500  quit
SCRIPT
"$build/cinderwake" --headless --script "$work/interior.txt" --data-dir "$work/data" --seed 3 --config-dir "$work/config"
echo "screenshots written to $out"
