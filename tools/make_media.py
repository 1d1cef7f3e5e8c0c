#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generates KOTIRA's sound cues and feedback animations into content/.

    python3 tools/make_media.py            # writes content/sonidos/*.WAV and content/gifs/*.gif
    python3 tools/make_media.py --out DIR  # writes beneath DIR instead

Only the Python standard library is used: the cues are synthesised with `wave`, and the GIFs are
drawn with signed-distance shapes and written by the small GIF89a/LZW encoder below. The output is
deterministic (the noise comes from a fixed-seed generator), so re-running the script reproduces
the committed files byte for byte.
"""

import argparse
import math
import os
import struct
import wave

RATE = 22050

# ---------------------------------------------------------------------------------------------
# Sound cues: 16-bit PCM, mono, 22050 Hz.


class Noise:
    """Small linear congruential generator: the same noise on every machine and every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def mix_into(track, start, samples):
    """Adds samples into track from the given time on, growing the track as needed."""
    offset = int(start * RATE)
    if len(track) < offset + len(samples):
        track.extend([0.0] * (offset + len(samples) - len(track)))
    for i, s in enumerate(samples):
        track[offset + i] += s


def tone(freq, seconds, decay, partials=((1, 1.0),), attack=0.004, freq_end=None):
    """A tone with an exponential decay (time constant `decay` seconds) and optional glide."""
    n = int(RATE * seconds)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        f = freq if freq_end is None else freq + (freq_end - freq) * (i / n)
        phase += 2 * math.pi * f / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        out.append(env * sum(a * math.sin(k * phase) for k, a in partials))
    return out


def finish(track, peak=0.6):
    """Normalises to the peak, fades both ends over 4 ms so that no cue starts or ends in a click."""
    top = max(abs(s) for s in track) or 1.0
    track = [s * peak / top for s in track]
    fade = int(0.004 * RATE)
    for i in range(min(fade, len(track))):
        track[i] *= i / fade
        track[-1 - i] *= i / fade
    return track


def write_wav(path, track):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in track))


BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4, 0.05))


def cue_acierto():
    # A rising two-note chime, G5 then C6, the second note ringing longer.
    track = silence(0.55)
    mix_into(track, 0.0, tone(784.0, 0.25, 0.09, BELL))
    mix_into(track, 0.13, tone(1046.5, 0.42, 0.14, BELL))
    return finish(track)


def cue_fallo():
    # Two low buzzes falling in pitch: a soft square wave (odd partials only).
    square = tuple((k, 1.0 / k) for k in (1, 3, 5, 7, 9))
    track = silence(0.42)
    mix_into(track, 0.0, tone(155.0, 0.17, 0.12, square, attack=0.01))
    mix_into(track, 0.2, tone(116.0, 0.22, 0.14, square, attack=0.01))
    return finish(track, peak=0.5)


def cue_num():
    # A short wooden click: a high tone that dies within a few milliseconds, plus a tick of noise.
    noise = Noise(7)
    click = tone(1800.0, 0.1, 0.012)
    click = [s + 0.5 * noise.next() * math.exp(-i / (0.003 * RATE)) for i, s in enumerate(click)]
    return finish(click, peak=0.55)


def cue_operacion():
    # A round "pop": a tone gliding down an octave.
    return finish(tone(620.0, 0.15, 0.05, ((1, 1.0), (2, 0.2)), freq_end=310.0), peak=0.55)


def cue_pulsax():
    # A double tap.
    track = silence(0.2)
    mix_into(track, 0.0, tone(1000.0, 0.07, 0.015, ((1, 1.0), (2, 0.3))))
    mix_into(track, 0.085, tone(1300.0, 0.08, 0.018, ((1, 1.0), (2, 0.3))))
    return finish(track, peak=0.5)


def cue_lista():
    # A soft blip for moving along the group list.
    return finish(tone(880.0, 0.12, 0.04, ((1, 1.0), (3, 0.08))), peak=0.45)


def whoosh(seconds, lo, hi, seed):
    """Noise through a low-pass filter whose cutoff sweeps from lo to hi Hz, swelling and fading."""
    noise = Noise(seed)
    n = int(RATE * seconds)
    out = []
    y1 = y2 = 0.0
    for i in range(n):
        x = i / n
        cutoff = lo * (hi / lo) ** x
        a = 1.0 - math.exp(-2 * math.pi * cutoff / RATE)
        y1 += a * (noise.next() - y1)
        y2 += a * (y1 - y2)  # two poles: a softer, airier hiss
        out.append(y2 * math.sin(math.pi * x) ** 1.5)
    return out


def cue_pasa():
    # A whoosh for going on to the next window, with a faint rising glide underneath.
    track = whoosh(0.38, 250.0, 3500.0, 11)
    top = max(abs(s) for s in track)
    track = [s / top for s in track]
    mix_into(track, 0.05, [0.25 * s for s in tone(300.0, 0.3, 0.2, freq_end=900.0, attack=0.05)])
    return finish(track, peak=0.5)


def cue_pasaejercicio():
    # A short page-turn swish followed by a light blip: a new problem is here.
    track = whoosh(0.18, 600.0, 5000.0, 23)
    top = max(abs(s) for s in track)
    track = [s / top * 0.8 for s in track]
    mix_into(track, 0.13, tone(1318.5, 0.14, 0.045, BELL))
    return finish(track, peak=0.5)


# File names exactly as the program spells them; "\sonidos\pasa.wav" reaches pasa.WAV.
CUES = {
    "pasa.WAV": cue_pasa,
    "lista.WAV": cue_lista,
    "pasaejercicio.WAV": cue_pasaejercicio,
    "num.WAV": cue_num,
    "operacion.WAV": cue_operacion,
    "pulsax.WAV": cue_pulsax,
    "acierto.WAV": cue_acierto,
    "fallo.WAV": cue_fallo,
}

# ---------------------------------------------------------------------------------------------
# Pictures: shapes as signed distances (negative inside, in pixels); coverage is 0.5 - distance,
# clamped, which gives one pixel of antialiasing without supersampling.


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    # Distance approximated by scaling with the gradient length; exact enough for one-pixel edges.
    def sd(x, y):
        dx, dy = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(dx, dy)
        grad = math.hypot(dx / rx, dy / ry) or 1e-9
        return (k - 1.0) * k / grad if k > 0 else -min(rx, ry)

    return sd


def segment(x1, y1, x2, y2, r):
    vx, vy = x2 - x1, y2 - y1
    length2 = vx * vx + vy * vy or 1e-9

    def sd(x, y):
        t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / length2))
        return math.hypot(x - x1 - t * vx, y - y1 - t * vy) - r

    return sd


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def polygon(points):
    n = len(points)

    def sd(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            vx, vy = bx - ax, by - ay
            t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
            best = min(best, math.hypot(x - ax - t * vx, y - ay - t * vy))
            if (ay > y) != (by > y) and x < ax + (y - ay) * vx / (by - ay):
                inside = not inside
        return -best if inside else best

    return sd


def star(cx, cy, outer, inner, points=5, turn=-math.pi / 2):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = turn + i * math.pi / points
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def clipped(shape, clip):
    """The part of shape that lies inside clip."""
    return lambda x, y: max(shape(x, y), clip(x, y))


def render(width, height, layers):
    """Paints (shape, colour) layers in order; returns rows of (r, g, b, alpha) pixels."""
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            x, y = px + 0.5, py + 0.5
            r = g = b = a = 0.0  # premultiplied
            for shape, colour in layers:
                c = clamp01(0.5 - shape(x, y))
                if c > 0.0:
                    r = colour[0] * c + r * (1 - c)
                    g = colour[1] * c + g * (1 - c)
                    b = colour[2] * c + b * (1 - c)
                    a = c + a * (1 - c)
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def flatten(rows, background):
    """Turns painted pixels into colours over the background they will be shown on, or None for a
    transparent pixel. Edge pixels are blended with that background so they look smooth on it."""
    out = []
    for row in rows:
        for r, g, b, a in row:
            if a < 0.06:
                out.append(None)
            else:
                out.append(tuple(int(round(c + bg * (1 - a))) for c, bg in zip((r, g, b), background)))
    return out


# ---------------------------------------------------------------------------------------------
# GIF89a writer: one global palette, index 0 transparent, every frame a full picture that is
# cleared before the next one (disposal 2). No NETSCAPE2.0 block, so the animation plays once.


def lzw_encode(indices, min_code_size):
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, size = reset()
    emit(clear, size)
    current = ()
    for index in indices:
        grown = current + (index,)
        if grown in table:
            current = grown
            continue
        emit(table[current], size)
        table[grown] = next_code
        next_code += 1
        # The decoder adds its entries one code later than we do, so it widens its codes when
        # our next free code has gone past the current width, not when it reaches it.
        if next_code > (1 << size) and size < 12:
            size += 1
        if next_code == 4096:
            emit(clear, size)
            table, next_code, size = reset()
        current = (index,)
    if current:
        emit(table[current], size)
    emit(end, size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def lzw_decode(data, min_code_size, count):
    """Reference decoder, used only to check the encoder's output before it is written."""
    clear = 1 << min_code_size
    end = clear + 1
    pos = 0
    bits = 0
    buffer = 0
    size = min_code_size + 1
    table = [(i,) for i in range(clear)] + [(), ()]
    previous = None
    out = []
    while True:
        while bits < size:
            buffer |= data[pos] << bits
            pos += 1
            bits += 8
        code = buffer & ((1 << size) - 1)
        buffer >>= size
        bits -= size
        if code == clear:
            table = [(i,) for i in range(clear)] + [(), ()]
            size = min_code_size + 1
            previous = None
            continue
        if code == end:
            break
        if previous is None:
            entry = table[code]
        else:
            entry = table[code] if code < len(table) else previous + (previous[0],)
            if len(table) < 4096:
                table.append(previous + (entry[0],))
                if len(table) >= (1 << size) and size < 12:
                    size += 1
        out.extend(entry)
        previous = entry
    assert len(out) == count, (len(out), count)
    return out


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i : i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def build_palette(frames, background):
    """Index 0 is the transparent colour (the background itself, for viewers that ignore
    transparency). If more than 255 colours occur, channels are rounded ever more coarsely."""
    step = 1
    while True:
        def snap(c):
            return None if c is None else tuple(min(255, (v + step // 2) // step * step) for v in c)

        colours = sorted({snap(c) for frame in frames for c in frame if c is not None})
        if len(colours) <= 255:
            return colours, snap
        step *= 2


def write_gif(path, width, height, frames, delays, background):
    colours, snap = build_palette(frames, background)
    palette = [tuple(background)] + colours
    bits = max(1, math.ceil(math.log2(len(palette))))
    palette += [(0, 0, 0)] * ((1 << bits) - len(palette))
    lookup = {c: i + 1 for i, c in enumerate(colours)}
    min_code_size = max(2, bits)

    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0x80 | (7 << 4) | (bits - 1), 0, 0)
    for c in palette:
        out += bytes(c)
    for frame, delay in zip(frames, delays):
        indices = [0 if c is None else lookup[snap(c)] for c in frame]
        # Graphic control: disposal 2 (restore to background), transparent index 0.
        out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, (2 << 2) | 1, delay, 0, 0)
        out += struct.pack("<BHHHHB", 0x2C, 0, 0, width, height, 0)
        data = lzw_encode(indices, min_code_size)
        assert lzw_decode(data, min_code_size, len(indices)) == indices
        out.append(min_code_size)
        out += sub_blocks(data)
    out.append(0x3B)
    with open(path, "wb") as f:
        f.write(out)


def ease_out_back(t):
    s = 1.9
    t -= 1
    return 1 + (s + 1) * t ** 3 + s * t ** 2


WHITE = (255, 255, 255)
BOARD = (0, 64, 0)  # the board's dark green, #004000


def gif_miro():
    """Two eyes that look left, right, up and blink, on the white statement area (97 x 81)."""
    w, h = 97, 81
    outline = (40, 40, 48)
    iris = (40, 110, 200)
    # (pupil offset x, y, eyelid openness, delay in 1/100 s)
    script = [
        (0, 0, 1.0, 8), (-5, 0, 1.0, 6), (-9, 1, 1.0, 10), (-5, 0, 1.0, 5), (0, 0, 1.0, 5),
        (5, 0, 1.0, 5), (9, 1, 1.0, 10), (4, -3, 1.0, 6), (0, -8, 1.0, 9), (0, -2, 0.45, 4),
        (0, 0, 0.08, 5), (0, 0, 0.5, 4), (0, 0, 1.0, 12),
    ]
    frames, delays = [], []
    for ox, oy, open_, delay in script:
        layers = []
        for cx in (27, 70):
            cy, rx, ry = 41, 19, 26 * open_
            eye = ellipse(cx, cy, rx, max(ry, 1.2))
            layers.append((eye, outline))
            inner = ellipse(cx, cy, rx - 2.5, max(ry - 2.5, 0.4))
            layers.append((inner, WHITE))
            if open_ > 0.3:
                layers.append((clipped(circle(cx + ox, cy + oy, 10), inner), iris))
                layers.append((clipped(circle(cx + ox, cy + oy, 5), inner), (10, 10, 16)))
                layers.append((clipped(circle(cx + ox + 3, cy + oy - 4, 2.2), inner), WHITE))
            # Eyebrows rise a little when the eyes look up.
            lift = -3 if oy < -4 else 0
            layers.append((segment(cx - 14, 9 + lift, cx + 12, 6 + lift, 2.0), (90, 60, 30)))
        frames.append(flatten(render(w, h, layers), WHITE))
        delays.append(delay)
    return w, h, frames, delays, WHITE


def check_strokes(cx, cy, scale, progress, width):
    """A check mark drawn from its short arm to the end of its long arm, `progress` 0..1."""
    a = (cx - 20 * scale, cy + 1 * scale)
    b = (cx - 6 * scale, cy + 15 * scale)
    c = (cx + 22 * scale, cy - 15 * scale)
    first = math.dist(a, b)
    total = first + math.dist(b, c)
    drawn = progress * total
    shapes = []
    if drawn > 0:
        t = min(1.0, drawn / first)
        shapes.append(segment(a[0], a[1], a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, width))
    if drawn > first:
        t = (drawn - first) / (total - first)
        shapes.append(segment(b[0], b[1], b[0] + (c[0] - b[0]) * t, b[1] + (c[1] - b[1]) * t, width))
    return shapes


def gif_acierto2():
    """A green badge pops up, a white check mark is drawn on it and yellow stars twinkle (113 x 89)."""
    w, h = 113, 89
    cx, cy = 56.5, 44.5
    badge, rim, gold = (34, 177, 76), WHITE, (255, 215, 0)
    # (badge scale, check progress, star size, delay)
    script = [
        (0.25, 0, 0, 5), (0.7, 0, 0, 5), (1.12, 0, 0, 5), (0.97, 0, 0, 5), (1.0, 0.35, 0, 6),
        (1.0, 0.7, 0, 6), (1.0, 1.0, 0, 8), (1.0, 1.0, 0.6, 7), (1.0, 1.0, 1.0, 8), (1.0, 1.0, 0.5, 7),
        (1.0, 1.0, 1.0, 40),
    ]
    sparkles = [(14, 16, 1.0), (99, 14, 0.8), (101, 74, 1.0), (13, 72, 0.75)]
    frames, delays = [], []
    for scale, progress, twinkle, delay in script:
        r = 33 * scale
        layers = [(circle(cx, cy, r + 3), rim), (circle(cx, cy, r), badge)]
        layers += [(s, WHITE) for s in check_strokes(cx, cy, scale, progress, 4.2 * scale)]
        if twinkle:
            for sx, sy, size in sparkles:
                outer = 10 * size * twinkle
                layers.append((star(sx, sy, outer, outer * 0.42), gold))
        frames.append(flatten(render(w, h, layers), BOARD))
        delays.append(delay)
    return w, h, frames, delays, BOARD


def gif_fallo2():
    """A red badge pops up, a white cross is drawn on it and the badge shakes its head (113 x 89)."""
    w, h = 113, 89
    cy = 44.5
    badge, rim = (210, 30, 30), WHITE
    # (horizontal offset, badge scale, first stroke, second stroke, delay)
    script = [
        (0, 0.3, 0, 0, 5), (0, 0.75, 0, 0, 5), (0, 1.1, 0, 0, 5), (0, 1.0, 0.5, 0, 5),
        (0, 1.0, 1.0, 0, 5), (0, 1.0, 1.0, 0.5, 5), (0, 1.0, 1.0, 1.0, 8), (-6, 1.0, 1.0, 1.0, 6),
        (6, 1.0, 1.0, 1.0, 6), (-4, 1.0, 1.0, 1.0, 6), (3, 1.0, 1.0, 1.0, 6), (0, 1.0, 1.0, 1.0, 40),
    ]
    frames, delays = [], []
    for dx, scale, first, second, delay in script:
        cx = 56.5 + dx
        r = 33 * scale
        arm = 15 * scale
        layers = [(circle(cx, cy, r + 3), rim), (circle(cx, cy, r), badge)]
        if first:
            layers.append((segment(cx - arm, cy - arm, cx - arm + 2 * arm * first,
                                   cy - arm + 2 * arm * first, 4.5 * scale), WHITE))
        if second:
            layers.append((segment(cx + arm, cy - arm, cx + arm - 2 * arm * second,
                                   cy - arm + 2 * arm * second, 4.5 * scale), WHITE))
        frames.append(flatten(render(w, h, layers), BOARD))
        delays.append(delay)
    return w, h, frames, delays, BOARD


GIFS = {"miro.gif": gif_miro, "acierto2.gif": gif_acierto2, "fallo2.gif": gif_fallo2}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "content"))
    args = parser.parse_args()

    sounds = os.path.join(args.out, "sonidos")
    gifs = os.path.join(args.out, "gifs")
    os.makedirs(sounds, exist_ok=True)
    os.makedirs(gifs, exist_ok=True)
    for name, make in CUES.items():
        track = make()
        write_wav(os.path.join(sounds, name), track)
        print(f"sonidos/{name}: {len(track) / RATE:.2f} s")
    for name, make in GIFS.items():
        w, h, frames, delays, background = make()
        write_gif(os.path.join(gifs, name), w, h, frames, delays, background)
        print(f"gifs/{name}: {w}x{h}, {len(frames)} frames, {sum(delays) / 100:.2f} s")


if __name__ == "__main__":
    main()
