#!/usr/bin/env python3
"""Writes demo_level.json, the sample level that the build turns into levels/demo.lvl.

The level is drawn below as one picture per tile layer, top row first, one
character per cell; the legends give the tile number each character stands
for. Objects, chars, platforms, springs and text markers are listed by cell
(column, row), both from 1, row 1 at the bottom.

Run it from anywhere; it writes demo_level.json beside itself.
"""

import json
import pathlib

WIDTH, HEIGHT = 40, 16

# Walls behind the level: sewer bricks, stone on the right, pipes along the
# top and down the walls, vents and a barred window. '.' is a sewer brick
# whose variant is picked per cell.
BACKGROUND = """
########################################
#..-====T====o====7....-===o====7ssssss#
#..|....|.........|..d.|........|ssssss#
#..|....|...W.....|....|....G...|ssssss#
#..|....|.........|....|........|ssssss#
#..|.d..|....G....|....|........|ssssss#
#..|....|.........|....|........|ssssss#
#..|....|..d......|....|........|ssssss#
#..|....|......R..|....|........|ssssss#
#..|....|.........R....|........|ssssss#
#..|....|..............|...d....|ssssss#
#..|....|....^^^^^^....|........|ssssss#
#mm|mmmm|mmmm^^^^^^mmmm|mmmmmmmm|ssssss#
#mm|mmmm|mmmm^^^^^^mmmm|mmmmmmmm|ssssss#
#mmmmmmmmmmmm^^^^^^mmmmmmmmmmmmmmssssss#
########################################
"""

BACKGROUND_KEYS = {
    "#": 7,   # dark bricks, hidden behind the walls
    "m": 3,   # mossy bricks near the floor
    "-": 27,  # pipe bends and runs
    "=": 25,
    "7": 28,
    "L": 29,
    "J": 30,
    "T": 31,
    "|": 26,
    "o": 32,  # valve
    "d": 5,   # drip stain
    "G": 8,   # grate vent
    "R": 9,   # pipe outlet
    "W": 46,  # barred window
    "s": 11,  # stone
    "^": 62,  # mossy, dripping bricks above the water
}

# Blocks: '.' empty; the floor with a water channel, a brick shelf and a
# wooden one, ladders, the right-hand ledge with the exit ('E', midground 14)
# and the switch block ('X') of the lift, with free space above it.
MIDGROUND = """
KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK
B......................................B
B......................................B
B......................................B
B......................................B
B......................................B
BBBBBBBBBH.........WWWWWWW.............B
B........H.............................B
B........H..........................E..B
B........H.......................HSSSSSB
B........H.......................HSSSSSB
B........H.......................HSSSSSB
B........H.......................HSSSSSB
BBBBBBBBBBXBB......BBBBBBBBBBBBBBBSSSSSB
BBBBBBBBBBBBB......BBBBBBBBBBBBBBBSSSSSB
BKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKSSSSSB
"""

MIDGROUND_KEYS = {
    "B": 1,   # sewer brick
    "S": 2,   # stone block
    "W": 6,   # wooden planks
    "H": 9,   # ladder
    "E": 14,  # the level's exit
    "X": 15,  # the lift's switch block
    "K": 20,  # bedrock
}

# Decoration in front: water in the channel, cobwebs, chains, torches, a
# signpost, bones and moss hanging under the shelf.
FOREGROUND = """
........................................
.w........c......c......................
..........c......c......................
......t.................................
...................................t....
.....................................*..
...................................*....
.hhhhhhhh...............................
...................................b....
........................................
......................t.................
........................................
....p..>..............k.........>.......
.............~~~~~~.....................
.............######.....................
........................................
"""

FOREGROUND_KEYS = {
    "w": 11,  # cobweb
    "c": 12,  # chain
    "t": 20,  # torch
    "h": 10,  # hanging moss
    "*": 31,  # sparkles
    ">": 21,  # signpost
    "p": 24,  # puddle
    "k": 18,  # bones
    "b": 19,  # skull
    "~": 13,  # water surface
    "#": 14,  # water
}

# (column, row, kind); the first Zubo is the primary one.
CHARS = [
    (4, 4, 1),   # Zubo, the hero at the start
    (7, 4, 1),   # a second Zubo
    (6, 11, 5),  # Zubo's friend, on the brick shelf
    (24, 4, 2),  # rat
    (28, 4, 3),  # slime
    (15, 12, 4),  # bat
    (22, 11, 6),  # beetle, on the wooden shelf
]
PRIMARY = (4, 4)

OBJECTS = [
    (12, 4, 1),   # crate beside the switch; the rope spring hangs from it
    (31, 14, 2),  # pipe under the ceiling
    (2, 11, 3),   # log on the brick shelf
    (39, 8, 4),   # upright pipe beside the exit
    (30, 4, 5),   # big steel-bound box
    (8, 11, 6),   # barrel
    (35, 8, 7),   # post at the ledge's edge
    (21, 4, 8),   # mine cart
    (27, 10, 9),  # girder continuing the wooden shelf
    (28, 13, 10),  # conveyor belt
    (26, 4, 11),  # stone column
    (11, 13, 12),  # rope bridge under the ceiling
]

PLATFORMS = [
    # A steel lift over the water that the switch at (11, 3) sets going.
    {"kind": 1, "speed": 4, "switchType": 1, "start": [14, 6], "end": [17, 6], "switch": [11, 3]},
    # A wooden platform that rides up and down by itself.
    {"kind": 2, "speed": 5, "switchType": 0, "start": [31, 7], "end": [31, 11]},
]

# Corners: 0 top left, 1 top right, 2 bottom right, 3 bottom left, 4 centre.
SPRINGS = [
    # A rope from the crate's top right corner, sagging over the water.
    {"kind": 1, "points": [[13, 5, 3], [16, 5, 4], [20, 5, 3]]},
    # A spring standing on the girder.
    {"kind": 3, "points": [[29, 11, 3], [29, 13, 3]]},
]

TEXTS = [(3, 5, 1), (11, 5, 2)]
CUSTOM_TEXTS = [
    "Welcome to the sewers, Zubo! The way out is on the far right.",
    "Step on the red switch to start the lift over the water.",
]

# Sewer brick variants for '.' cells: mostly plain, now and then cracked,
# stained or mossy.
PLAIN_BRICKS = [1, 2] * 8 + [4, 5, 6]


def layer(picture, keys, fill=None):
    """Turns a picture into cell values, column-major, row 1 at the bottom."""
    rows = picture.strip("\n").split("\n")
    if len(rows) != HEIGHT or any(len(row) != WIDTH for row in rows):
        raise SystemExit("a layer picture must be %d rows of %d cells" % (HEIGHT, WIDTH))
    values = []
    for x in range(1, WIDTH + 1):
        for y in range(1, HEIGHT + 1):
            char = rows[HEIGHT - y][x - 1]
            if char in keys:
                values.append(keys[char])
            elif fill is not None:
                values.append(fill(x, y))
            elif char == ".":
                values.append(0)
            else:
                raise SystemExit("no tile for %r at [%d,%d]" % (char, x, y))
    return values


def plain_brick(x, y):
    """A fixed, irregular pick, so that the script always writes the same level."""
    mixed = (x * 73856093 ^ y * 19349663) % 1000003
    return PLAIN_BRICKS[mixed % len(PLAIN_BRICKS)]


def level():
    return {
        "width": WIDTH,
        "height": HEIGHT,
        "background": 0,
        "primary": list(PRIMARY),
        "chars": [list(entry) for entry in CHARS],
        "objects": [list(entry) for entry in OBJECTS],
        "platforms": PLATFORMS,
        "springs": SPRINGS,
        "tiles": {
            "bg": layer(BACKGROUND, BACKGROUND_KEYS, plain_brick),
            "mg": layer(MIDGROUND, MIDGROUND_KEYS),
            "fg": layer(FOREGROUND, FOREGROUND_KEYS),
        },
        "texts": [list(entry) for entry in TEXTS],
        "customTexts": CUSTOM_TEXTS,
    }


def dumps(value, indent=""):
    """JSON with one key per line; a tile layer is broken into one column per line."""
    if isinstance(value, dict):
        inner = indent + "  "
        items = [inner + json.dumps(key) + ": " + dumps(item, inner) for key, item in value.items()]
        return "{\n" + ",\n".join(items) + "\n" + indent + "}"
    if isinstance(value, list) and len(value) == WIDTH * HEIGHT:
        inner = indent + "  "
        columns = [value[i:i + HEIGHT] for i in range(0, len(value), HEIGHT)]
        lines = [inner + ", ".join(str(v) for v in column) for column in columns]
        return "[\n" + ",\n".join(lines) + "\n" + indent + "]"
    return json.dumps(value)


def main():
    path = pathlib.Path(__file__).resolve().parent / "demo_level.json"
    path.write_text(dumps(level()) + "\n")


if __name__ == "__main__":
    main()
