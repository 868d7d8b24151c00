#!/usr/bin/env python3
"""Writes resources/kebo.ico: a ruled notepad page with an hourglass in front of it, drawn in the
16-colour palette at 32x32 and 16x16; and from the same drawings the Linux desktop's icons in
resources/icons/: PNGs at the freedesktop sizes and a scalable SVG. Run it after changing a drawing
below."""
import struct
import zlib
from pathlib import Path

PALETTE = [  # the classic 16 colours, as (red, green, blue)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# One letter per pixel; '.' is transparent.
COLOURS = {'k': 0, 'r': 9, 'b': 12, 'n': 4, 's': 7, 'g': 8, 'y': 11, 'o': 3, 'w': 15}

ICON_32 = """
................................
......r...r...r...r...r.........
.....krkkkrkkkrkkkrkkkrkkk......
.....kwrwwwrwwwrwwwrwwwrwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwbbbbbbbbbbbbbbbbbwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwbbbbbbbbbbbbbbbbbwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwbbbbbbbbbbbbbbbbbwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwwwwwwwwwwwwwwwwwwwk......
.....kwbbbbbbbbbbkkkkkkkkkkkkk..
.....kwwwwwwwwwwwkoooooooooook..
.....kwwwwwwwwwwwkkkkkkkkkkkkk..
.....kwbbbbbbbbbbbkyyyyyyyyyk...
.....kwwwwwwwwwwwwksyyyyyyysk...
.....kwwwwwwwwwwwwwksyyyyysk....
.....kwbbbbbbbbbbbbbksyyyskk....
.....kwwwwwwwwwwwwwwwksysk......
.....kwwwwwwwwwwwwwwwksysk......
.....kwbbbbbbbbbbbbbksyyyskk....
.....kwwwwwwwwwwwwwksssyssk.....
.....kwwwwwwwwwwwwksssyyssk.....
.....kkkkkkkkkkkkksssyyyysk.....
..................kyyyyyyyk.....
.................kkkkkkkkkkkkk..
.................kooooooooooook.
.................kkkkkkkkkkkkkk.
"""

ICON_16 = """
...r.r.r.r......
..krkrkrkrkk....
..kwwwwwwwwk....
..kwbbbbbbwk....
..kwwwwwwwwk....
..kwbbbbbbwk....
..kwwwwwwwwk....
..kwbbbbkkkkkkk.
..kwwwwwkoooook.
..kwbbbbbkyyyk..
..kwwwwwwwkyk...
..kwbbbbbbkyk...
..kwwwwwwksyyk..
..kkkkkkksyyyk..
........kkkkkkk.
........kooooook
"""


def rows(drawing, size):
    lines = [line for line in drawing.strip('\n').split('\n')]
    assert len(lines) == size and all(len(line) == size for line in lines), size
    return lines


def image(drawing, size):
    lines = rows(drawing, size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_rows, mask_rows = [], []
    for line in reversed(lines):  # bitmaps are stored bottom-up
        indices = [COLOURS.get(c, 0) for c in line]
        packed = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2))
        colour_rows.append(packed.ljust((len(packed) + 3) // 4 * 4, b'\0'))
        bits = ''.join('1' if c == '.' else '0' for c in line)
        mask = int(bits, 2).to_bytes(size // 8, 'big')
        mask_rows.append(mask.ljust((len(mask) + 3) // 4 * 4, b'\0'))
    return header + palette + b''.join(colour_rows) + b''.join(mask_rows)


def ico():
    images = [(32, image(ICON_32, 32)), (16, image(ICON_16, 16))]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for size, data in images:
        directory += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + b''.join(data for _, data in images)


def scaled(size):
    """The drawing for a square icon of `size` pixels: the one that covers the most of it when
    scaled by a whole factor (pixel art is never blurred), the finer one on a tie, centred."""
    drawing, source = max([(ICON_32, 32), (ICON_16, 16)], key=lambda d: size // d[1] * d[1])
    factor = size // source
    margin = (size - source * factor) // 2
    blank = '.' * size
    lines = [blank] * margin
    for line in rows(drawing, source):
        wide = ''.join(c * factor for c in line)
        lines += [('.' * margin + wide).ljust(size, '.')] * factor
    return lines + [blank] * (size - len(lines))


def png(lines):
    """An 8-bit palette PNG: index 0 transparent, then the 16 colours."""
    size = len(lines)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack(
            '>I', zlib.crc32(kind + data))

    pixels = b''.join(b'\0' + bytes(0 if c == '.' else COLOURS[c] + 1 for c in line)
                      for line in lines)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 3, 0, 0, 0)) +
            chunk(b'PLTE', bytes(3) + b''.join(bytes(rgb) for rgb in PALETTE)) +
            chunk(b'tRNS', b'\0') +
            chunk(b'IDAT', zlib.compress(pixels, 9)) +
            chunk(b'IEND', b''))


def svg():
    """The 32-pixel drawing as squares, one rectangle per run of a colour in a row."""
    shapes = []
    for y, line in enumerate(rows(ICON_32, 32)):
        x = 0
        while x < 32:
            end = x
            while end < 32 and line[end] == line[x]:
                end += 1
            if line[x] != '.':
                colour = '#%02x%02x%02x' % PALETTE[COLOURS[line[x]]]
                shapes.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" '
                              f'fill="{colour}"/>')
            x = end
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" '
            'viewBox="0 0 32 32" shape-rendering="crispEdges">\n' +
            ''.join(f'  {shape}\n' for shape in shapes) + '</svg>\n')


ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def main():
    resources = Path(__file__).resolve().parent.parent / 'resources'
    (resources / 'kebo.ico').write_bytes(ico())
    icons = resources / 'icons'
    icons.mkdir(exist_ok=True)
    for size in ICON_SIZES:
        (icons / f'kebo-{size}.png').write_bytes(png(scaled(size)))
    (icons / 'kebo.svg').write_text(svg())


if __name__ == '__main__':
    main()
