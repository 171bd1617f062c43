#!/usr/bin/env python3
"""Draws the element pictures and the application icon as 16-colour XPM files.

The XPM files next to this script and res/icons/ are its output; change a picture
here and run `python3 res/bitmaps/make_bitmaps.py` from the repository root.
"""
import os

# The 16 colours of the classic VGA palette; every picture uses only these.
PALETTE = [
    ('.', '#FFFFFF'), ('#', '#000000'), ('r', '#FF0000'), ('b', '#0000FF'),
    ('m', '#800000'), ('g', '#008000'), ('o', '#808000'), ('n', '#000080'),
    ('p', '#800080'), ('t', '#008080'), ('s', '#C0C0C0'), ('d', '#808080'),
    ('l', '#00FF00'), ('y', '#FFFF00'), ('f', '#FF00FF'), ('c', '#00FFFF'),
]

# Tiny 3 x 5 letters and digits for the labels (M is 5 wide).
FONT = {
    'J': ['..#', '..#', '..#', '#.#', '.#.'],
    'C': ['.##', '#..', '#..', '#..', '.##'],
    'K': ['#.#', '#.#', '##.', '#.#', '#.#'],
    'A': ['.#.', '#.#', '###', '#.#', '#.#'],
    'P': ['##.', '#.#', '##.', '#..', '#..'],
    'B': ['##.', '#.#', '##.', '#.#', '##.'],
    'S': ['.##', '#..', '.#.', '..#', '##.'],
    'T': ['###', '.#.', '.#.', '.#.', '.#.'],
    'M': ['#...#', '##.##', '#.#.#', '#...#', '#...#'],
    '1': ['.#.', '##.', '.#.', '.#.', '###'],
    '2': ['##.', '..#', '.#.', '#..', '###'],
    '4': ['#.#', '#.#', '###', '..#', '..#'],
    '6': ['.##', '#..', '###', '#.#', '###'],
    '8': ['###', '#.#', '###', '#.#', '###'],
}

# The small marks, pixel for pixel.
MARKS = {
    119: ['..#..', '..#..', '..###', '..#..', '..#..'],
    120: ['.###.', '#...#', '#...#', '#...#', '.###.'],
    121: ['...#..', '.###..', '...#..', '...#..', '...#..', '...#..', '...#..', '...#..',
          '......'],
    123: ['.##...', '#..#..', '#..#..', '.##...', '.##...', '#..#.#', '#..#.#', '#...#.',
          '.###.#'],
    130: ['..#..', '.##..', '..#..', '..#..', '..#..', '..#..', '.###.'],
    131: ['..##.', '.#..#', '.#..#', '.#..#', '.#..#', '.#..#', '..##.'],
}
MARK_INK = {130: 'r', 131: 'b'}

# Input pins of each gate body, by body id: (height, pins).
GATE_BODIES = {
    112: (30, [2]), 102: (30, [0, 4]), 103: (30, [0, 2, 4]), 104: (30, [0, 1, 3, 4]),
    105: (30, [0, 1, 2, 3, 4]), 107: (40, [0, 1, 2, 4, 5, 6]), 108: (40, list(range(7))),
    109: (50, [0, 1, 2, 3, 5, 6, 7, 8]), 111: (50, list(range(9))),
}


class Picture:
    def __init__(self, width, height, background='.'):
        self.width, self.height = width, height
        self.rows = [[background] * width for _ in range(height)]

    def put(self, x, y, ink='#'):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = ink

    def hline(self, x0, x1, y, ink='#'):
        for x in range(x0, x1 + 1):
            self.put(x, y, ink)

    def vline(self, x, y0, y1, ink='#'):
        for y in range(y0, y1 + 1):
            self.put(x, y, ink)

    def block(self, x0, y0, x1, y1, ink='#'):
        for y in range(y0, y1 + 1):
            self.hline(x0, x1, y, ink)

    def outline(self, x0, y0, x1, y1, ink='#'):
        self.hline(x0, x1, y0, ink)
        self.hline(x0, x1, y1, ink)
        self.vline(x0, y0, y1, ink)
        self.vline(x1, y0, y1, ink)

    def pattern(self, x, y, rows, ink='#'):
        for dy, row in enumerate(rows):
            for dx, cell in enumerate(row):
                if cell == '#':
                    self.put(x + dx, y + dy, ink)

    def text(self, x, y, string, ink='#'):
        for ch in string:
            self.pattern(x, y, FONT[ch], ink)
            x += len(FONT[ch][0]) + 1

    def scaled(self, factor):
        big = Picture(self.width * factor, self.height * factor)
        big.rows = [[cell for cell in row for _ in range(factor)]
                    for row in self.rows for _ in range(factor)]
        return big

    def xpm(self, name, transparent=False):
        colours = PALETTE + ([(' ', 'None')] if transparent else [])
        lines = ['/* XPM */', f'static const char* {name}[] = {{',
                 f'"{self.width} {self.height} {len(colours)} 1",']
        lines += [f'"{key} c {value}",' for key, value in colours]
        lines += [f'"{"".join(row)}",' for row in self.rows]
        lines[-1] = lines[-1].rstrip(',')
        lines.append('};')
        return '\n'.join(lines) + '\n'


def input_stubs(pic, rows):
    for y in rows:
        pic.hline(0, 5, y)


def gate_body(height, pins):
    pic = Picture(30, height)
    middle = height // 2
    pic.outline(5, 0, 24, height - 1)
    for y in range(middle - 2, middle + 3):
        pic.put(24, y, '.')
    input_stubs(pic, [5 + 5 * n for n in pins])
    pic.hline(27, 29, middle)
    return pic


def indicator_body():
    pic = Picture(50, 30)
    pic.outline(5, 0, 49, 29)
    pic.vline(19, 0, 29)
    input_stubs(pic, [5, 10, 15, 20, 25])
    # Labels five rows apart would touch: they alternate between two columns.
    for row, weight, x in zip([5, 10, 15, 20, 25], ['1', '2', '4', '8', '16'], [7, 14] * 3):
        pic.text(x, row - 2, weight)
    return pic


def block_frame(input_labels, inputs_at=(5, 20, 35)):
    pic = Picture(40, 40)
    pic.outline(5, 0, 34, 39)
    pic.vline(15, 0, 39)
    input_stubs(pic, inputs_at)
    for row, label in zip(inputs_at, input_labels):
        pic.text(8, row - 2, label)
    pic.hline(34, 39, 10)
    return pic


def trigger_body():
    pic = block_frame('JCK')
    pic.text(21, 2, 'TT')
    # The inverse output: the edge opens around an inversion bubble, as on a gate.
    pic.vline(34, 28, 32, '.')
    pic.pattern(32, 28, MARKS[120])
    pic.hline(37, 39, 30)
    return pic


def summer_body():
    pic = block_frame('APB')
    pic.text(20, 2, 'SM')
    pic.hline(34, 39, 30)
    pic.text(30, 8, 'S')
    pic.text(30, 28, 'P')
    return pic


def signal_frame():
    pic = Picture(26, 21)
    pic.outline(0, 0, 20, 20)
    pic.hline(20, 25, 10)
    pic.put(24, 9)
    pic.put(24, 11)
    return pic


BIG_ZERO = ['.#####.', '##...##', '##...##', '##...##', '##...##', '##...##', '##...##',
            '##...##', '##...##', '##...##', '.#####.']
BIG_ONE = ['...##..', '..###..', '.####..', '...##..', '...##..', '...##..', '...##..',
           '...##..', '...##..', '...##..', '.######']


def signal_body(level):
    pic = signal_frame()
    pic.pattern(7, 5, BIG_ONE if level else BIG_ZERO, 'r' if level else 'b')
    return pic


def generator_body(level):
    pic = signal_frame()
    if level:
        pic.block(3, 14, 7, 15, 'r')
        pic.block(6, 4, 7, 15, 'r')
        pic.block(6, 4, 13, 5, 'r')
        pic.block(12, 4, 13, 15, 'r')
        pic.block(12, 14, 17, 15, 'r')
    else:
        pic.block(3, 14, 17, 15, 'b')
    return pic


def scaled_rows(rows, factor):
    return [''.join(c * factor for c in row) for row in rows for _ in range(factor)]


def icon():
    pic = Picture(32, 32, ' ')
    pic.block(8, 3, 23, 28, 'y')
    for x0, y0, x1, y1 in [(8, 3, 23, 4), (8, 27, 23, 28), (8, 3, 9, 28), (22, 3, 23, 28)]:
        pic.block(x0, y0, x1, y1, '#')
    pic.block(1, 9, 7, 10)
    pic.block(1, 21, 7, 22)
    pic.block(24, 15, 30, 16)
    pic.pattern(11, 7, scaled_rows(MARKS[123], 2), 'n')
    pic.pattern(25, 5, MARKS[130], 'r')
    return pic


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    icons = os.path.join(os.path.dirname(here), 'icons')
    pictures = {id_: gate_body(*layout) for id_, layout in GATE_BODIES.items()}
    pictures[134] = indicator_body()
    pictures[116] = trigger_body()
    pictures[118] = summer_body()
    pictures[113], pictures[115] = signal_body(0), signal_body(1)
    pictures[133], pictures[132] = generator_body(0), generator_body(1)
    for id_, rows in MARKS.items():
        pic = Picture(len(rows[0]), len(rows))
        pic.pattern(0, 0, rows, MARK_INK.get(id_, '#'))
        pictures[id_] = pic
    for id_, pic in sorted(pictures.items()):
        with open(os.path.join(here, f'{id_}.xpm'), 'w') as out:
            out.write(pic.xpm(f'bitmap_{id_}'))
    small = icon()
    with open(os.path.join(icons, '101.xpm'), 'w') as out:
        out.write(small.xpm('icon_101', transparent=True))
    with open(os.path.join(icons, '101-64.xpm'), 'w') as out:
        out.write(small.scaled(2).xpm('icon_101_64', transparent=True))


if __name__ == '__main__':
    main()
