#!/usr/bin/env python3
"""Draws pelmox's pictures with simple shapes and writes them as the
pixel-art sources of make_art.py (one .txt per picture, in this folder).

    python3 artwork/pelmox/draw_pelmox.py

The sources are kept in the repository; run this again after changing a
drawing here. Characters are make_art.py's palette ('s' silver, '.' clear).
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# A 3x5 font for the few letters the pictures carry.
FONT = {
    "C": ["WWW", "W..", "W..", "W..", "WWW"],
    "F": ["WWW", "W..", "WW.", "W..", "W.."],
    "R": ["WW.", "W.W", "WW.", "W.W", "W.W"],
    "p": ["...", "WW.", "W.W", "WW.", "W.."],
    "m": ["...", "WWW", "WWW", "W.W", "W.W"],
    "V": ["W.W", "W.W", "W.W", "W.W", ".W."],
    "S": ["WWW", "W..", "WWW", "..W", "WWW"],
    "o": ["WW.", "WW.", "...", "...", "..."],
    "?": ["WWW", "..W", ".WW", "...", ".W."],
}


class Canvas:
    def __init__(self, width, height, fill="s"):
        self.w, self.h = width, height
        self.px = [[fill] * width for _ in range(height)]

    def put(self, x, y, c):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(self.h):
            for x in range(self.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def ring(self, cx, cy, r, c):
        for a in range(0, 360, 3):
            self.put(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)), c)

    def line(self, x0, y0, x1, y1, c, width=1):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            for dx in range(width):
                for dy in range(width):
                    self.put(x + dx - width // 2, y + dy - width // 2, c)

    def polygon(self, points, c):
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            xs = []
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 <= y < y1) or (y1 <= y < y0):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a)), int(math.floor(b)) + 1):
                    self.put(x, y, c)

    def text(self, x, y, letters, c):
        for letter in letters:
            for dy, row in enumerate(FONT[letter]):
                for dx, bit in enumerate(row):
                    if bit == "W":
                        self.put(x + dx, y + dy, c)
            x += 4

    def save(self, name):
        with open(os.path.join(HERE, name + ".txt"), "w", encoding="ascii") as f:
            f.write(f"size {self.w}x{self.h}\n")
            for row in self.px:
                f.write("".join(row) + "\n")


# ---- status pictures, 45 x 45 ----

def fan(c, cx, cy, r, turn, blade="G", hub="g"):
    c.disc(cx, cy, r + 2, "d")
    c.disc(cx, cy, r + 1, "0")
    c.disc(cx, cy, r, "s")
    for k in range(3):
        a = math.radians(turn + k * 120)
        b = a + math.radians(50)
        tip1 = (cx + r * math.cos(a), cy + r * math.sin(a))
        tip2 = (cx + r * math.cos(b), cy + r * math.sin(b))
        c.polygon([(cx, cy), tip1, tip2], blade)
    c.disc(cx, cy, 3, hub)
    c.put(cx, cy, "W")


def red_cross(c, x, y, size=9):
    c.line(x, y, x + size, y + size, "R", 2)
    c.line(x + size, y, x, y + size, "R", 2)


def smoke(c, x, y, phase):
    for k in range(3):
        c.disc(x + k * 3 + phase, y - k * 4, 2 + k % 2, "d")


def tools(c, phase):
    # A hammer, a screwdriver and a wrench around the fan.
    c.rect(3, 34, 12, 36, "y")
    c.rect(1, 31, 4, 39, "d")
    c.line(33, 30, 42, 41, "Y", 2)
    c.line(30, 27, 33, 30, "d", 2)
    c.ring(39, 9, 3, "d")
    c.line(37, 11, 30, 19, "d", 2)


def fan_alarm(phase):
    c = Canvas(45, 45)
    fan(c, 22, 24, 12, phase * 40, blade="g", hub="0")
    tools(c, phase)
    smoke(c, 14 + phase, 10, phase)
    red_cross(c, 32 - phase * 2, 2 + phase, 9)
    return c


def thermometer(c, x, top, bottom, level, scale=True):
    c.rect(x - 3, top, x + 3, bottom, "0")
    c.rect(x - 2, top + 1, x + 2, bottom, "W")
    c.disc(x, bottom + 3, 5, "0")
    c.disc(x, bottom + 3, 4, "R")
    c.rect(x - 1, level, x + 1, bottom + 1, "R")
    if scale:
        for y in range(top + 3, bottom, 4):
            c.line(x + 5, y, x + 7, y, "0")
        c.text(x + 9, top, "oC", "b")


def computer(c, x, y, screen="B"):
    c.rect(x, y, x + 22, y + 16, "d")
    c.frame(x, y, x + 22, y + 16, "0")
    c.rect(x + 2, y + 2, x + 20, y + 13, screen)
    c.rect(x + 8, y + 17, x + 14, y + 19, "d")
    c.rect(x + 3, y + 20, x + 19, y + 22, "d")
    c.frame(x + 3, y + 20, x + 19, y + 22, "0")


def flames(c, x, y, phase):
    for k in range(4):
        h = 6 + (k + phase) % 3 * 2
        c.polygon([(x + k * 5, y), (x + k * 5 + 4, y), (x + k * 5 + 2, y - h)], "R")
        c.polygon([(x + k * 5 + 1, y), (x + k * 5 + 3, y), (x + k * 5 + 2, y - h + 3)], "Y")


def battery(c, x, y, level):
    c.rect(x + 5, y - 3, x + 11, y, "d")
    c.rect(x, y, x + 16, y + 30, "0")
    c.rect(x + 1, y + 1, x + 15, y + 29, "W")
    c.rect(x + 1, y + 29 - level, x + 15, y + 29, "G")
    c.rect(x + 1, y + 29 - level, x + 15, y + 29 - level, "g")
    c.text(x + 7, y + 4, "V", "0") if False else None
    c.line(x + 6, y + 6, x + 10, y + 6, "0")
    c.line(x + 8, y + 4, x + 8, y + 8, "0")


def sparks(c, x, y, phase):
    for k in range(5):
        a = math.radians(k * 72 + phase * 20)
        c.line(x, y, x + 6 * math.cos(a), y + 6 * math.sin(a), "Y")


def power_lines(c, phase):
    for k, y in enumerate((6, 12, 18)):
        c.line(2, y + phase, 12, y - 3 + phase, "C")
        c.line(12, y - 3 + phase, 16, y + 2 + phase, "C")


def aid_bag(c, burst=False):
    if burst:
        points = []
        for k in range(16):
            r = 21 if k % 2 == 0 else 13
            a = math.radians(k * 22.5)
            points.append((22 + r * math.cos(a), 23 + r * math.sin(a)))
        c.polygon(points, "R")
    c.rect(16, 9, 28, 13, "0")
    c.rect(18, 10, 26, 13, "s" if not burst else "R")
    c.rect(8, 13, 36, 36, "0")
    c.rect(9, 14, 35, 35, "W")
    c.rect(19, 17, 25, 32, "R")
    c.rect(14, 22, 30, 27, "R")


def status_pictures():
    for picture, turn in ((132, 0), (152, 30), (153, 60), (154, 90)):
        c = Canvas(45, 45)
        fan(c, 22, 22, 17, turn)
        c.save(f"bitmap{picture}")
    for phase, picture in enumerate((148, 168, 167)):
        fan_alarm(phase).save(f"bitmap{picture}")
    for picture, level in ((131, 26), (156, 18), (157, 10)):
        c = Canvas(45, 45)
        thermometer(c, 15, 4, 33, level)
        c.save(f"bitmap{picture}")
    for phase, picture in enumerate((150, 163, 164)):
        c = Canvas(45, 45)
        computer(c, 2, 14, screen="r")
        flames(c, 4, 14, phase)
        thermometer(c, 34, 8, 30, 9, scale=False)
        red_cross(c, 33, 1 + phase, 8)
        c.save(f"bitmap{picture}")
    for picture, level in ((130, 24), (159, 16), (160, 8)):
        c = Canvas(45, 45)
        battery(c, 14, 9, level)
        c.save(f"bitmap{picture}")
    for phase, picture in enumerate((149, 165, 166)):
        c = Canvas(45, 45)
        computer(c, 18, 18)
        power_lines(c, phase)
        c.rect(4, 26, 13, 40, "0")
        c.rect(5, 27, 12, 39, "Y")
        sparks(c, 9, 24, phase)
        red_cross(c, 33, 1 + phase, 8)
        c.save(f"bitmap{picture}")
    for picture, burst in ((181, False), (185, True), (182, False)):
        c = Canvas(45, 45)
        aid_bag(c, burst)
        if picture == 182:
            c.rect(9, 14, 35, 16, "d")
        c.save(f"bitmap{picture}")
    Canvas(45, 45).save("bitmap155")


# ---- unit marks ----

def mark(name, width, height, letters, x, y):
    c = Canvas(width, height)
    c.text(x, y, letters, "b")
    c.save(name)


def unit_marks():
    mark("bitmap142", 18, 17, "oC", 4, 6)
    mark("bitmap193", 18, 17, "oF", 4, 6)
    mark("bitmap143", 25, 15, "Rpm", 6, 5)
    mark("bitmap144", 16, 13, "V", 6, 4)


# ---- toolbar, 5 buttons of 16 x 15 ----

def toolbar():
    c = Canvas(80, 15)
    # Hide: a window with an arrow going down.
    c.frame(1, 1, 12, 9, "0")
    c.rect(2, 2, 11, 3, "b")
    c.polygon([(9, 8), (15, 8), (12, 13)], "G")
    c.rect(11, 5, 13, 8, "G")
    # Sound: a speaker with waves.
    c.rect(17, 5, 19, 9, "0")
    c.polygon([(19, 5), (23, 1), (23, 13), (19, 9)], "0")
    c.line(25, 4, 26, 7, "b")
    c.line(26, 7, 25, 10, "b")
    c.line(27, 2, 29, 7, "b")
    c.line(29, 7, 27, 12, "b")
    # Celsius / Fahrenheit: a thermometer and C/F.
    c.rect(34, 1, 36, 10, "0")
    c.rect(35, 4, 35, 10, "R")
    c.disc(35, 12, 2, "R")
    c.text(38, 1, "C", "b")
    c.text(42, 8, "F", "r")
    # Reset: a circular arrow.
    c.ring(55, 7, 5, "g")
    c.ring(55, 7, 4, "g")
    c.rect(55, 1, 58, 3, "s")
    c.polygon([(55, 0), (59, 3), (55, 6)], "g")
    # Help: a question mark beside an arrow.
    c.line(65, 2, 65, 11, "0")
    c.polygon([(65, 2), (69, 8), (65, 8)], "0")
    for dy, row in enumerate(["WWW.", "...W", "..W.", ".W..", "....", ".W.."]):
        for dx, bit in enumerate(row):
            if bit == "W":
                c.put(72 + dx, 3 + dy, "b")
                c.put(73 + dx, 3 + dy, "b")
    c.save("bitmap128")


# ---- icons ----

def chip_icon(name, size):
    c = Canvas(size, size, ".")
    s = size / 32
    for k in range(6):
        y = int((6 + k * 4) * s)
        c.rect(int(2 * s), y, int(29 * s), y + max(1, int(s)), "d")
        x = int((6 + k * 4) * s)
        c.rect(x, int(2 * s), x + max(1, int(s)), int(29 * s), "d")
    c.rect(int(5 * s), int(5 * s), int(26 * s), int(26 * s), "0")
    c.rect(int(6 * s), int(6 * s), int(25 * s), int(25 * s), "b")
    # The letter S, large.
    t, b, l, r = int(9 * s), int(22 * s), int(11 * s), int(20 * s)
    mid = (t + b) // 2
    w = max(2, int(2 * s))
    c.rect(l, t, r, t + w - 1, "Y")
    c.rect(l, t, l + w - 1, mid, "Y")
    c.rect(l, mid, r, mid + w - 1, "Y")
    c.rect(r - w + 1, mid, r, b, "Y")
    c.rect(l, b - w + 1, r, b, "Y")
    c.save(name)


def logo_icon():
    c = Canvas(32, 32, ".")
    c.disc(15.5, 15.5, 15, "b")
    c.disc(15.5, 15.5, 13, "B")
    c.rect(7, 8, 24, 11, "W")
    c.rect(14, 8, 17, 25, "W")
    c.line(5, 22, 9, 17, "Y", 2)
    c.line(9, 17, 12, 21, "Y", 2)
    c.line(20, 21, 23, 16, "Y", 2)
    c.line(23, 16, 27, 22, "Y", 2)
    c.save("icon170")


def spinning_top(name, frame):
    # A top seen from the side: its body turns, so the coloured bands move.
    c = Canvas(16, 16, ".")
    colours = ["R", "Y", "B", "W"]
    for y in range(3, 12):
        half = {3: 6, 4: 7, 5: 7, 6: 7, 7: 6, 8: 5, 9: 3, 10: 2, 11: 1}[y]
        for x in range(8 - half, 8 + half):
            band = ((x + frame * 2) // 3) % 4
            c.put(x, y, colours[band])
        c.put(8 - half - 1, y, "0")
        c.put(8 + half, y, "0")
    c.rect(1, 2, 14, 2, "0")
    c.rect(7, 0, 8, 1, "0")
    c.rect(7, 12, 8, 14, "0")
    c.save(name)


def icons():
    chip_icon("icon128", 32)
    chip_icon("icon141", 32)
    logo_icon()
    for frame, picture in enumerate((136, 187, 188, 189, 190, 191)):
        spinning_top(f"icon{picture}", frame)


if __name__ == "__main__":
    status_pictures()
    unit_marks()
    toolbar()
    icons()
