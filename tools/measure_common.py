"""What the side-by-side measuring tools share: the two programs with their data folders, the path
through the game both take (splash, menu, new game, the city, into the hut and back), the order of
the runs, and the table of each figure for both programs with their ratio.
"""
import os
import shutil
import statistics

# A saved game just below the hut's door in the city, where the hut puts the player back out (the
# hut's arrival in the city in assets/locations.json). Endurance 50 keeps the player alive on the way.
HUT_DOOR_SAVE = "\r\n".join(["-440", "-6", "city", "613", "238", "3", "50", "2", "0", "4", "120", "500", "3", "150",
                             "False", "False", "0"])

# The path, in virtual milliseconds, with the names of the moments the real window waits for.
# The splash holds until 5 s; New Game from the keys; the opening story closes on Space and the
# abilities screen follows; 10 s of play in the city, walking in a circle (Up and Left held) and firing
# (a shot per press of Ctrl) while enemies come; the in-game menu's Load game puts the player at the
# hut's door; up enters the hut, down leaves it again.
PLAY_START, PLAY_END, FIRE_EVERY = 16000, 26000, 400
PATH = sorted([
    (5100, "screenshot", "menu"),
    (5100, "mouse move 5 5", None),
    (5200, "key Down", None),
    (5300, "key Down", None),
    (5400, "key Enter", None),
    (9500, "screenshot", "story"),
    (9500, "key Space", None),
    (15500, "screenshot", "abilities"),
    (15600, "click 392 516", None),  # OK on the abilities screen
    (PLAY_START, "key down Up", None),
    (PLAY_START, "key down Left", None),
    *[(t, "key Ctrl", None) for t in range(PLAY_START + 200, PLAY_END, FIRE_EVERY)],
    (PLAY_END, "key up Up", None),
    (PLAY_END, "key up Left", None),
    (PLAY_END + 200, "click 740 50", None),  # the menu button over the play area
    (PLAY_END + 500, "key Down", None),
    (PLAY_END + 600, "key Down", None),
    (PLAY_END + 700, "key Enter", None),  # Load game
    (PLAY_END + 1500, "screenshot", "loaded"),
    (PLAY_END + 1600, "key down Up", None),
    (PLAY_END + 2500, "key up Up", None),
    (PLAY_END + 2500, "screenshot", "hut"),
    (PLAY_END + 3000, "key down Down", None),
    (PLAY_END + 5000, "key up Down", None),
    (PLAY_END + 6000, "screenshot", "back"),
    (PLAY_END + 6000, "quit", None),
], key=lambda line: line[0])


def path_script(pictures=None, dumps=None):
    """The path as a headless script; with `pictures` or `dumps`, folders, it writes NAME.png or
    NAME.json there at the named moments."""
    lines = []
    for t, command, name in PATH:
        if command == "screenshot":
            if pictures:
                lines.append(f"{t} screenshot {os.path.join(pictures, name + '.png')}")
            if dumps:
                lines.append(f"{t} dump {os.path.join(dumps, name + '.json')}")
        else:
            lines.append(f"{t} {command}")
    return "\n".join(lines) + "\n"


class Program:
    """One of the two programs, with a scratch copy of its own data folder holding the hut-door save."""

    def __init__(self, label, path, data_dir, work):
        self.label, self.path = label, os.path.abspath(path)
        self.work = os.path.join(work, label)
        self.data = os.path.join(self.work, "data")
        shutil.copytree(data_dir, self.data)
        with open(os.path.join(self.data, "SaveGame.txt"), "w", newline="") as f:
            f.write(HUT_DOOR_SAVE)
        # Each program keeps its settings here, so both start from the defaults and the player's own
        # settings are never touched.
        self.config = os.path.join(self.work, "config")
        os.makedirs(self.config)
        self.env = dict(os.environ, XDG_CONFIG_HOME=self.config)


def add_program_arguments(parser):
    parser.add_argument("before", help="program A, e.g. /work/baseline/build/cinderwake")
    parser.add_argument("before_data", help="A's data folder, e.g. /work/baseline/build/data")
    parser.add_argument("after", help="program B, e.g. build/cinderwake")
    parser.add_argument("after_data", help="B's data folder, e.g. build/data")


def programs(args, work):
    return [Program("A", args.before, args.before_data, work), Program("B", args.after, args.after_data, work)]


def alternate(programs, rounds):
    """A, B, A, B ...: a machine that gets busier or quieter during the run weighs on both alike."""
    for i in range(rounds):
        for p in programs:
            yield i, p


class Table:
    """Figures by row and program; prints the median of each program's runs and the ratio B / A."""

    def __init__(self, programs):
        self.programs = programs
        self.rows = {}

    def add(self, row, program, value):
        self.rows.setdefault(row, {p.label: [] for p in self.programs})[program.label].append(value)

    def print(self, fmt):
        """`fmt` maps a row to the format of one value, e.g. "{:.0f} ms"."""
        a, b = (p.label for p in self.programs)
        for p in self.programs:
            print(f"{p.label}: {p.path}")
        width = max(len(r) for r in self.rows)
        print(f"{'':{width}}  {a:>14}  {b:>14}  {b + ' / ' + a:>7}")
        for row, values in self.rows.items():
            ma, mb = statistics.median(values[a]), statistics.median(values[b])
            ratio = f"{mb / ma:.2f}" if ma else "-"
            print(f"{row:{width}}  {fmt[row].format(ma):>14}  {fmt[row].format(mb):>14}  {ratio:>7}")
        print("runs (A, then B):")
        for row, values in self.rows.items():
            print(f"  {row}: " + "; ".join(", ".join(fmt[row].format(v) for v in values[p.label])
                                           for p in self.programs))
