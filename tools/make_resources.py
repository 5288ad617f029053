#!/usr/bin/env python3
"""Draws and synthesises Pelmora's binary resources.

Writes, into resources/ (or the folder given as the only argument):
  intro.bmp    the splash picture, 360 x 113, 24 bits per pixel, uncompressed
  intro.wav    the splash jingle, PCM stereo 44100 Hz 16 bits, 470400 data bytes
  pelmora.ico  the program's emblem, one 32 x 32 image at 16 bits per pixel
  pelmora.cur  the splash pointer, 32 x 32 monochrome, hot spot (5, 0)

The files are committed; the Windows build only compiles them in, so this
script runs only when a picture or the sound is to change. Python's standard
library does the work; ImageMagick's `convert` renders the splash lettering
(DejaVu fonts). The output is deterministic: same script, same bytes.
"""

import math
import os
import struct
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"


# ---------------------------------------------------------------------------
# Small raster helpers. An image is a list of rows of [r, g, b] floats 0..1;
# a mask is a list of rows of floats 0..1 (coverage).

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def mix(a, b, t):
    return [a[i] + (b[i] - a[i]) * t for i in range(3)]


def hex_colour(text):
    return [int(text[i:i + 2], 16) / 255.0 for i in (0, 2, 4)]


def blank_mask(width, height):
    return [[0.0] * width for _ in range(height)]


def box_blur(mask, radius):
    """Separable box blur run twice: a cheap stand-in for a Gaussian glow."""
    height, width = len(mask), len(mask[0])
    window = 2 * radius + 1
    for _ in range(2):
        rows = []
        for row in mask:
            out = [0.0] * width
            padded = [0.0] * radius + row + [0.0] * radius
            acc = sum(padded[:window])
            for x in range(width):
                out[x] = acc / window
                acc += padded[x + window] if x + window < len(padded) else 0.0
                acc -= padded[x]
            rows.append(out)
        cols = [[rows[y][x] for y in range(height)] for x in range(width)]
        blurred_cols = []
        for col in cols:
            padded = [0.0] * radius + col + [0.0] * radius
            acc = sum(padded[:window])
            out = [0.0] * height
            for y in range(height):
                out[y] = acc / window
                acc += padded[y + window] if y + window < len(padded) else 0.0
                acc -= padded[y]
            blurred_cols.append(out)
        mask = [[blurred_cols[x][y] for x in range(width)] for y in range(height)]
    return mask


def paint(image, mask, colour_at, strength=1.0, dx=0, dy=0):
    """Blends colour_at(x, y) into image wherever mask (shifted) covers it."""
    height, width = len(image), len(image[0])
    for y in range(len(mask)):
        ty = y + dy
        if ty < 0 or ty >= height:
            continue
        for x, cover in enumerate(mask[y]):
            tx = x + dx
            if cover <= 0.0 or tx < 0 or tx >= width:
                continue
            image[ty][tx] = mix(image[ty][tx], colour_at(tx, ty), clamp01(cover * strength))


def render_text(text, font_file, point_size):
    """Anti-aliased coverage mask of one line of text, trimmed to its ink."""
    command = ["convert", "-background", "black", "-fill", "white",
               "-font", os.path.join(FONT_DIR, font_file),
               "-pointsize", str(point_size), "label:" + text,
               "-trim", "+repage", "-depth", "8", "pgm:-"]
    data = subprocess.run(command, check=True, capture_output=True).stdout
    fields, pos = [], 0
    while len(fields) < 4:              # magic, width, height, maximum value
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    if fields[0] != b"P5":
        raise RuntimeError("convert did not produce a binary PGM")
    width, height, top = int(fields[1]), int(fields[2]), int(fields[3])
    pixels = data[pos:pos + width * height]
    return [[pixels[y * width + x] / top for x in range(width)] for y in range(height)]


def pad_mask(mask, margin):
    width = len(mask[0]) + 2 * margin
    rows = [[0.0] * width for _ in range(margin)]
    rows += [[0.0] * margin + row + [0.0] * margin for row in mask]
    rows += [[0.0] * width for _ in range(margin)]
    return rows


# ---------------------------------------------------------------------------
# intro.bmp

INTRO_WIDTH, INTRO_HEIGHT = 360, 113


def intro_background():
    top, bottom = hex_colour("0c1030"), hex_colour("3a0f52")
    glow = hex_colour("1f6f9a")
    image = []
    for y in range(INTRO_HEIGHT):
        row = []
        for x in range(INTRO_WIDTH):
            base = mix(top, bottom, y / (INTRO_HEIGHT - 1))
            # A soft light behind the title, left of centre.
            d = math.hypot((x - 130) / 150.0, (y - 45) / 60.0)
            row.append(mix(base, glow, 0.45 * clamp01(1.0 - d) ** 2))
        image.append(row)
    return image


def draw_equaliser(image):
    """LED-style level bars along the bottom right, green to red upwards."""
    levels = [0.45, 0.7, 0.92, 0.6, 0.82, 0.5, 0.68, 0.4, 0.55, 0.3, 0.42, 0.22]
    bar_width, gap, segment, seg_gap = 5, 2, 3, 1
    left = INTRO_WIDTH - len(levels) * (bar_width + gap) - 8
    floor_y, max_height = INTRO_HEIGHT - 8, 64
    green, yellow, red = hex_colour("2ee87a"), hex_colour("f5e142"), hex_colour("ff4a5a")
    for i, level in enumerate(levels):
        x0 = left + i * (bar_width + gap)
        lit = int(level * max_height) // (segment + seg_gap)
        for s in range(max_height // (segment + seg_gap)):
            height_ratio = s * (segment + seg_gap) / max_height
            colour = mix(green, yellow, height_ratio / 0.6) if height_ratio < 0.6 \
                else mix(yellow, red, (height_ratio - 0.6) / 0.4)
            alpha = 0.85 if s < lit else 0.10
            for dy in range(segment):
                y = floor_y - s * (segment + seg_gap) - dy
                for x in range(x0, x0 + bar_width):
                    image[y][x] = mix(image[y][x], colour, alpha)


def waveform_mask():
    """A decaying, beating wave across the picture, drawn anti-aliased."""
    mask = blank_mask(INTRO_WIDTH, INTRO_HEIGHT)
    centre = 58
    for x10 in range(INTRO_WIDTH * 10):
        x = x10 / 10.0
        envelope = 0.35 + 0.65 * math.sin(math.pi * x / INTRO_WIDTH) ** 2
        y = centre + envelope * 22 * math.sin(x / 9.0) * math.cos(x / 37.0)
        for yy in range(int(y) - 2, int(y) + 3):
            if 0 <= yy < INTRO_HEIGHT:
                cover = clamp01(1.2 - abs(yy - y))
                xi = int(x)
                mask[yy][xi] = max(mask[yy][xi], cover)
    return mask


def make_intro_image():
    image = intro_background()

    wave = waveform_mask()
    cyan = hex_colour("4fd8ff")
    paint(image, box_blur(wave, 3), lambda x, y: cyan, 0.9)
    paint(image, wave, lambda x, y: cyan, 0.55)

    draw_equaliser(image)

    title = pad_mask(render_text("Pelmora", "DejaVuSans-Bold.ttf", 54), 8)
    tx, ty = 20 - 8, 14 - 8
    title_height = len(title)
    paint(image, box_blur(title, 4), lambda x, y: hex_colour("ff5fd2"), 0.9, tx, ty)
    paint(image, title, lambda x, y: [0.0, 0.0, 0.05], 0.7, tx + 3, ty + 3)
    white, gold = [1.0, 1.0, 1.0], hex_colour("ffd166")
    paint(image, title,
          lambda x, y: mix(white, gold, clamp01((y - ty - 8) / (title_height - 16))),
          1.0, tx, ty)

    subtitle = render_text("Organiseur de samples pour Ejay", "DejaVuSans.ttf", 13)
    paint(image, subtitle, lambda x, y: [0.0, 0.0, 0.0], 0.8, 25, 82)
    paint(image, subtitle, lambda x, y: hex_colour("e6e9ff"), 1.0, 24, 81)

    version = render_text("Version 2.20", "DejaVuSans-Bold.ttf", 9)
    paint(image, version, lambda x, y: hex_colour("9fb4ff"), 0.9,
          INTRO_WIDTH - len(version[0]) - 8, 8)

    # Hairlines top and bottom frame the picture on the black splash.
    accent = hex_colour("ff5fd2")
    for x in range(INTRO_WIDTH):
        t = x / (INTRO_WIDTH - 1)
        image[0][x] = mix(accent, cyan, t)
        image[INTRO_HEIGHT - 1][x] = mix(cyan, accent, t)
    return image


def bmp_bytes(image):
    """A bottom-up BI_RGB bitmap file, 24 bits per pixel, rows padded to 4."""
    height, width = len(image), len(image[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(image):
        for r, g, b in row:
            pixels += bytes((round(clamp01(b) * 255), round(clamp01(g) * 255),
                             round(clamp01(r) * 255)))
        pixels += b"\0" * (stride - width * 3)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


# ---------------------------------------------------------------------------
# intro.wav: one bar of 4/4 at 90 beats per minute is exactly 117600 frames,
# 470400 bytes of 16-bit stereo.

RATE = 44100
FRAMES = 117600
BEAT = 60.0 / 90.0


def note_hz(name):
    semitones = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    return 440.0 * 2.0 ** ((semitones[name[0]] + 12 * (int(name[1:]) - 4)) / 12.0)


class Track:
    """Stereo accumulation buffer with equal-power panning."""

    def __init__(self):
        self.left = [0.0] * FRAMES
        self.right = [0.0] * FRAMES

    def add(self, start, samples, pan_at):
        first = int(start * RATE)
        for i, value in enumerate(samples):
            n = first + i
            if n >= FRAMES:
                break
            angle = (pan_at(n / RATE) + 1.0) * math.pi / 4.0
            self.left[n] += value * math.cos(angle)
            self.right[n] += value * math.sin(angle)


def adsr(t, length, attack, decay, sustain, release):
    if t < attack:
        return t / attack
    if t < attack + decay:
        return 1.0 - (1.0 - sustain) * (t - attack) / decay
    if t < length:
        return sustain
    return max(0.0, sustain * (1.0 - (t - length) / release))


def bell(freq, length, level):
    """Lead voice: two-operator FM, bright at the strike and mellowing."""
    total = length + 0.25
    out = []
    for i in range(int(total * RATE)):
        t = i / RATE
        index = 2.2 * math.exp(-t * 6.0)
        tone = math.sin(2 * math.pi * freq * t + index * math.sin(2 * math.pi * 2 * freq * t))
        out.append(level * tone * adsr(t, length, 0.004, 0.12, 0.55, 0.25))
    return out


def pad(freqs, length, level):
    """Chord pad: slightly detuned saw pairs through a one-pole low-pass."""
    total = length + 0.3
    out, state = [], 0.0
    coefficient = 1.0 - math.exp(-2 * math.pi * 1800.0 / RATE)
    for i in range(int(total * RATE)):
        t = i / RATE
        raw = 0.0
        for f in freqs:
            for detune in (0.997, 1.003):
                phase = (f * detune * t) % 1.0
                raw += 2.0 * phase - 1.0
        state += coefficient * (raw / (2 * len(freqs)) - state)
        out.append(level * state * adsr(t, length, 0.06, 0.2, 0.7, 0.3))
    return out


def bass(freq, length, level):
    out = []
    for i in range(int((length + 0.08) * RATE)):
        t = i / RATE
        tone = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(4 * math.pi * freq * t)
        out.append(level * tone * adsr(t, length, 0.005, 0.15, 0.6, 0.08))
    return out


def kick(level):
    out, phase = [], 0.0
    for i in range(int(0.25 * RATE)):
        t = i / RATE
        phase += 2 * math.pi * (45.0 + 110.0 * math.exp(-t * 30.0)) / RATE
        out.append(level * math.sin(phase) * math.exp(-t * 14.0))
    return out


def hat(level, seed):
    """Short noise burst from a fixed linear congruential generator."""
    out, state, previous = [], seed, 0.0
    for i in range(int(0.06 * RATE)):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        noise = state / 0x3FFFFFFF - 1.0
        out.append(level * (noise - previous) * 0.5 * math.exp(-i / RATE * 70.0))
        previous = noise
    return out


def make_jingle():
    track = Track()
    centre = lambda t: 0.0
    sweep = lambda t: -0.6 + 1.2 * t / (FRAMES / RATE)   # the lead moves left to right

    sixteenth = BEAT / 4
    melody = [("E5", 0), ("A5", 1), ("C6", 2), ("E6", 3),
              ("F5", 4), ("A5", 5), ("C6", 6), ("F6", 7),
              ("D6", 8), ("B5", 10)]
    for name, step in melody:
        track.add(step * sixteenth, bell(note_hz(name), sixteenth * 1.6, 0.22), sweep)
    track.add(3 * BEAT, bell(note_hz("C6"), BEAT * 0.7, 0.26), lambda t: 0.0)
    track.add(3 * BEAT, bell(note_hz("E6"), BEAT * 0.7, 0.12), lambda t: 0.35)
    track.add(3 * BEAT, bell(note_hz("G5"), BEAT * 0.7, 0.12), lambda t: -0.35)

    chords = [(0, ["A3", "C4", "E4"]), (1, ["F3", "A3", "C4"]),
              (2, ["G3", "B3", "D4"]), (3, ["C4", "E4", "G4"])]
    for beat, names in chords:
        length = BEAT * (0.95 if beat < 3 else 0.7)
        voice = pad([note_hz(n) for n in names], length, 0.20)
        track.add(beat * BEAT, voice, lambda t, b=beat: -0.3 if b % 2 == 0 else 0.3)

    for beat, name in enumerate(["A2", "F2", "G2", "C2"]):
        track.add(beat * BEAT, bass(note_hz(name), BEAT * (0.85 if beat < 3 else 0.7), 0.30), centre)
        track.add(beat * BEAT, kick(0.45), centre)
    for eighth in range(1, 7, 2):
        track.add(eighth * BEAT / 2, hat(0.10, 7 + eighth),
                  lambda t, e=eighth: 0.45 if e % 4 == 1 else -0.45)

    # Fade the tail so the last sample is silence: no click when it stops.
    fade = int(0.35 * RATE)
    for n in range(FRAMES - fade, FRAMES):
        gain = (FRAMES - 1 - n) / (fade - 1)
        track.left[n] *= gain
        track.right[n] *= gain

    peak = max(max(abs(v) for v in track.left), max(abs(v) for v in track.right))
    scale = 0.89 / peak                 # about -1 dBFS: loud, never clipped
    frames = bytearray()
    for l, r in zip(track.left, track.right):
        frames += struct.pack("<hh", round(l * scale * 32767), round(r * scale * 32767))
    return bytes(frames)


def wav_bytes(frames):
    channels, bits = 2, 16
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, RATE, RATE * block, block, bits)
    return (b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(frames)) + b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(frames)) + frames)


# ---------------------------------------------------------------------------
# pelmora.ico and pelmora.cur: 32 x 32 BMP-in-ICO images.

ICON_SIZE = 32
SUPERSAMPLE = 4


def rounded_square_cover(px, py, inset, radius):
    """1 inside a rounded square of the icon grid, 0 outside."""
    lo, hi = inset, ICON_SIZE - inset
    cx = min(max(px, lo + radius), hi - radius)
    cy = min(max(py, lo + radius), hi - radius)
    return 1.0 if (px - cx) ** 2 + (py - cy) ** 2 <= radius ** 2 and lo <= px <= hi \
        and lo <= py <= hi else 0.0


def in_note(px, py):
    """A pair of beamed eighth notes, in icon units (floats)."""
    def head(cx, cy):
        # Slanted ellipse, as engraved note heads are.
        dx, dy = px - cx, py - cy
        c, s = math.cos(-0.45), math.sin(-0.45)
        u, v = dx * c - dy * s, dx * s + dy * c
        return (u / 3.6) ** 2 + (v / 2.6) ** 2 <= 1.0
    stem_left = 12.4 <= px <= 14.2 and 6.5 <= py <= 21.0
    stem_right = 23.4 <= px <= 25.2 and 4.0 <= py <= 18.5
    beam_top = 6.5 + (px - 12.4) * (4.0 - 6.5) / (25.2 - 12.4)
    beam = 12.4 <= px <= 25.2 and beam_top <= py <= beam_top + 3.6
    return head(10.6, 21.1) or head(21.6, 18.6) or stem_left or stem_right or beam


def in_wave(px, py):
    """A small sine trace across the lower part of the emblem."""
    y = 26.6 + 1.5 * math.sin((px - 4.0) / 2.2)
    return 4.0 <= px <= 28.0 and abs(py - y) <= 0.7


def make_icon_pixels():
    """Rows top-down of (rgb, opaque) for the 32 x 32 emblem."""
    top, bottom = hex_colour("7b2ff7"), hex_colour("1a8fe3")
    white, wave = [1.0, 1.0, 1.0], hex_colour("9ff5ff")
    rows = []
    for y in range(ICON_SIZE):
        row = []
        for x in range(ICON_SIZE):
            inside = ink = trace = 0.0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    px = x + (sx + 0.5) / SUPERSAMPLE
                    py = y + (sy + 0.5) / SUPERSAMPLE
                    cover = rounded_square_cover(px, py, 1.0, 6.0)
                    inside += cover
                    if cover:
                        ink += in_note(px, py)
                        trace += in_wave(px, py)
            n = SUPERSAMPLE * SUPERSAMPLE
            inside, ink, trace = inside / n, ink / n, trace / n
            shade = mix(top, bottom, (x + y) / (2.0 * (ICON_SIZE - 1)))
            colour = mix(shade, wave, clamp01(trace * 1.5))
            colour = mix(colour, white, clamp01(ink / max(inside, 1e-9)))
            # Darken the rim slightly so the emblem stands out on white.
            edge = rounded_square_cover(x + 0.5, y + 0.5, 2.0, 5.0)
            if inside > 0 and not edge:
                colour = mix(colour, [0.1, 0.05, 0.25], 0.35)
            row.append((colour, inside >= 0.5))
        rows.append(row)
    return rows


def and_mask_rows(opaque_rows):
    """1-bit AND mask, bottom-up, rows padded to 32 bits; 1 means transparent."""
    stride = ((ICON_SIZE + 31) // 32) * 4
    out = bytearray()
    for row in reversed(opaque_rows):
        bits = bytearray(stride)
        for x, opaque in enumerate(row):
            if not opaque:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def ico_bytes(pixels):
    xor = bytearray()
    for row in reversed(pixels):
        for (r, g, b), opaque in row:
            if not opaque:
                r = g = b = 0.0         # transparent pixels must be black in XOR
            value = (round(r * 31) << 10) | (round(g * 31) << 5) | round(b * 31)
            xor += struct.pack("<H", value)
    mask = and_mask_rows([[opaque for _, opaque in row] for row in pixels])
    info = struct.pack("<IiiHHIIiiII", 40, ICON_SIZE, 2 * ICON_SIZE, 1, 16, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, 0, 0, 1, 16, len(image), 6 + 16)
    return directory + entry + image


# The classic pointer, tip first: '#' outline (black), '.' fill (white).
ARROW = [
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.........#",
    "#......#####",
    "#...#..#",
    "#..##..#",
    "#.#  #..#",
    "##   #..#",
    "#     #..#",
    "      #..#",
    "       #..#",
    "       #..#",
    "        ##",
]
CURSOR_HOTSPOT = (5, 0)


def cur_bytes():
    left = CURSOR_HOTSPOT[0]
    stride = 4
    xor_rows, and_rows = [], []
    for y in range(ICON_SIZE):
        line = ARROW[y] if y < len(ARROW) else ""
        xor, mask = bytearray(stride), bytearray(b"\xff" * stride)
        for i, ch in enumerate(line):
            x = left + i
            if ch in "#.":
                mask[x // 8] &= ~(0x80 >> (x % 8)) & 0xFF
            if ch == ".":
                xor[x // 8] |= 0x80 >> (x % 8)
        xor_rows.append(bytes(xor))
        and_rows.append(bytes(mask))
    xor = b"".join(reversed(xor_rows))
    mask = b"".join(reversed(and_rows))
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    info = struct.pack("<IiiHHIIiiII", 40, ICON_SIZE, 2 * ICON_SIZE, 1, 1, 0,
                       len(xor) + len(mask), 0, 0, 2, 0)
    image = info + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, 2, 0,
                        CURSOR_HOTSPOT[0], CURSOR_HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------

def write(folder, name, data):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(data)
    print("%-12s %7d bytes" % (name, len(data)))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "resources")
    write(folder, "pelmora.ico", ico_bytes(make_icon_pixels()))
    write(folder, "pelmora.cur", cur_bytes())
    write(folder, "intro.bmp", bmp_bytes(make_intro_image()))
    write(folder, "intro.wav", wav_bytes(make_jingle()))


if __name__ == "__main__":
    main()
