#!/usr/bin/python3
"""Draws the tutorial picture plates that the maintenance and tune-up windows load.

Every plate is 800 x 600: a navy title band with the procedure title, a line
drawing of the part or the adjustment, a caption line and a plate number.
The output is deterministic, so the committed JPEGs can be regenerated at any
time with:  /usr/bin/python3 tools/draw_plates.py [output-folder [name-part ...]]
Without an output folder the plates go to tutorials/pictures; name parts limit
the run to the plates whose path contains one of them.
"""

import math
import sys
from pathlib import Path

from drawing import (NAVY, NAVY_TINT, PAPER, RUST, RUST_TINT, STEEL_LIGHT, Canvas, arrow, dimension,
                     gear, label, save_jpeg)

W, H = 800, 600
S = 2  # drawn at twice the size, then reduced, for smooth lines

# ---------------------------------------------------------------- parts


def curved_arrow(cv, cx, cy, r, a0, a1, w=3, c=RUST, head=12):
    """Arc from a0 to a1 degrees (clockwise on screen when a1 > a0) ending in a head."""
    step = 1 if a1 > a0 else -1
    pts = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
           for a in range(round(a0), round(a1) + step, step)]
    cv.line(pts[:-3], c, w)
    end = pts[-1]
    prev = pts[-4]
    arrow(cv, prev, end, c, w, head=head)


def spring(cv, p0, p1, coils=8, amp=12, w=2.5, c=NAVY):
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy, ux
    pts = [p0]
    n = coils * 2
    for i in range(1, n + 1):
        t = (i - 0.5) / n * length
        s = amp if i % 2 else -amp
        pts.append((x0 + ux * t + nx * s, y0 + uy * t + ny * s))
    pts.append(p1)
    cv.line(pts, c, w)


def hex_nut_side(cv, cx, cy, wdt, hgt, fill=NAVY_TINT, vertical=True):
    """A hexagon nut seen from the side: three faces."""
    if vertical:
        cv.rect((cx - wdt / 2, cy - hgt / 2, cx + wdt / 2, cy + hgt / 2), fill=fill, width=2.5)
        for f in (-1, 1):
            cv.line([(cx + f * wdt / 6, cy - hgt / 2), (cx + f * wdt / 6, cy + hgt / 2)], width=1.5)
    else:
        cv.rect((cx - hgt / 2, cy - wdt / 2, cx + hgt / 2, cy + wdt / 2), fill=fill, width=2.5)
        for f in (-1, 1):
            cv.line([(cx - hgt / 2, cy + f * wdt / 6), (cx + hgt / 2, cy + f * wdt / 6)], width=1.5)


def hex_top(cv, cx, cy, r, fill=NAVY_TINT, w=2.5, hole=0.45):
    pts = [(cx + r * math.cos(math.radians(30 + 60 * i)), cy + r * math.sin(math.radians(30 + 60 * i)))
           for i in range(6)]
    cv.poly(pts, fill=fill, width=w)
    if hole:
        cv.circle(cx, cy, r * hole, fill=PAPER, width=2)


def thread(cv, x0, y0, x1, y1, r=6, pitch=7, w=2.5, fill=NAVY_TINT):
    """A threaded rod from (x0, y0) to (x1, y1) of radius r."""
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy * r, ux * r
    cv.poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], fill=fill, width=w)
    t = pitch / 2
    while t < length - 2:
        bx, by = x0 + ux * t, y0 + uy * t
        cv.line([(bx + nx, by + ny), (bx + ux * pitch * 0.6 - nx, by + uy * pitch * 0.6 - ny)], width=1.2, caps=False)
        t += pitch


def shaft_gear(cv, cx, cy, r, teeth, phase=0.0, hub=0.3):
    """A gear on its shaft, as the section drawings show it."""
    gear(cv, cx, cy, r, teeth, fill=NAVY_TINT, width=2.5, rotate=phase, bore=hub, bore_fill=PAPER)
    cv.circle(cx, cy, r * hub * 0.45, fill=NAVY, outline=None)


def pulley(cv, cx, cy, r, grooves=1, w=3):
    cv.circle(cx, cy, r, fill=NAVY_TINT, width=w)
    for i in range(1, grooves + 1):
        cv.circle(cx, cy, r - 5 * i, width=1.3)
    cv.circle(cx, cy, r * 0.28, fill=PAPER, width=2.5)
    cv.circle(cx, cy, 4, fill=NAVY, outline=None)


def drops(cv, x, y, n=3, size=9, c=RUST, gap=24):
    for i in range(n):
        yy = y + i * gap
        cv.poly([(x, yy - size * 1.3), (x + size * 0.75, yy), (x - size * 0.75, yy)], fill=c, outline=None)
        cv.circle(x, yy + size * 0.1, size * 0.72, fill=c, outline=None)


def grease_nipple(cv, x, y, up=True):
    s = -1 if up else 1
    cv.rect((x - 8, y + s * 0 - (12 if up else 0), x + 8, y + (0 if up else 12)), fill=NAVY_TINT, width=2)
    cv.circle(x, y + s * 18, 6, fill=RUST, width=2)


def screwdriver(cv, tip, angle, length=150, c=NAVY):
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    nx, ny = -uy, ux
    x, y = tip
    shaft_end = (x + ux * length * 0.55, y + uy * length * 0.55)
    cv.poly([(x + nx * 2, y + ny * 2), (x - nx * 2, y - ny * 2),
             (x - nx * 4 + ux * 12, y - ny * 4 + uy * 12), (x + nx * 4 + ux * 12, y + ny * 4 + uy * 12)],
            fill=NAVY, outline=None)
    cv.line([(x + ux * 10, y + uy * 10), shaft_end], c, 6)
    hx, hy = shaft_end
    h = length * 0.45
    cv.poly([(hx + nx * 11, hy + ny * 11), (hx + ux * h + nx * 11, hy + uy * h + ny * 11),
             (hx + ux * h - nx * 11, hy + uy * h - ny * 11), (hx - nx * 11, hy - ny * 11)], fill=RUST_TINT, width=2.5)
    for k in (0.3, 0.5, 0.7):
        cv.line([(hx + ux * h * k + nx * 11, hy + uy * h * k + ny * 11),
                 (hx + ux * h * k - nx * 11, hy + uy * h * k - ny * 11)], width=1.3)


def feeler(cv, tip, angle, length=110, thick=4, c=RUST):
    """A feeler-gauge blade whose tip sits at `tip`, entering along `angle` degrees, with its holder."""
    a = math.radians(angle)
    ux, uy = math.cos(a), math.sin(a)
    nx, ny = -uy, ux
    x, y = tip
    bx, by = x - ux * length, y - uy * length
    cv.poly([(x + nx * thick / 2, y + ny * thick / 2), (bx + nx * thick / 2, by + ny * thick / 2),
             (bx - nx * thick / 2, by - ny * thick / 2), (x - nx * thick / 2, y - ny * thick / 2)],
            fill=c, outline=None)

    def P(t, s):
        return (bx - ux * t + nx * s, by - uy * t + ny * s)

    cv.poly([P(0, 12), P(80, 20), P(88, 14), P(88, -14), P(80, -20), P(0, -12)], fill=RUST_TINT, outline=c, width=2.5)
    cv.circle(*P(68, 0), 5, fill=PAPER, outline=c, width=2)


def dial(cv, cx, cy, r, frac, marks=10, text=None, unit=None):
    """A round gauge with its needle at frac (0 to 1) of a 270 degree sweep."""
    cv.circle(cx, cy, r + 7, fill=NAVY_TINT, width=3)
    cv.circle(cx, cy, r, fill=PAPER, width=2)
    for i in range(marks + 1):
        a = math.radians(135 + 270 * i / marks)
        ri = r * (0.78 if i % 2 == 0 else 0.86)
        cv.line([(cx + ri * math.cos(a), cy + ri * math.sin(a)),
                 (cx + r * 0.95 * math.cos(a), cy + r * 0.95 * math.sin(a))], width=2 if i % 2 == 0 else 1.3)
    a = math.radians(135 + 270 * frac)
    cv.line([(cx, cy), (cx + r * 0.8 * math.cos(a), cy + r * 0.8 * math.sin(a))], RUST, 3.5)
    cv.circle(cx, cy, 6, fill=NAVY, outline=None)
    if text:
        cv.text(cx, cy + r * 0.42, text, "condensed-bold", max(11, r * 0.2), NAVY, "mm")
    if unit:
        cv.text(cx, cy - r * 0.35, unit, "condensed", max(10, r * 0.16), NAVY, "mm")


def oil_level(cv, x0, y, x1, ybot, c=RUST_TINT):
    cv.rect((x0, y, x1, ybot), fill=c, outline=None)
    cv.line([(x0, y), (x1, y)], RUST, 2, caps=False)


# ---------------------------------------------------------------- plate layout


def wrap(cv, s, kind, size, max_w):
    words, lines, cur = s.split(" "), [], ""
    for word in words:
        trial = (cur + " " + word).strip()
        if cur and cv.text_width(trial, kind, size) > max_w:
            lines.append(cur)
            cur = word
        else:
            cur = trial
    lines.append(cur)
    return lines


def frame(cv, plate):
    cv.rect((6, 6, W - 6, H - 6), width=1.5)
    cv.rect((11, 11, W - 11, 98), fill=NAVY, outline=None)
    cv.rect((11, 98, W - 11, 102), fill=RUST, outline=None)

    # plate number box at the right of the band
    cv.rect((W - 118, 11, W - 11, 98), fill=RUST, outline=None)
    cv.text(W - 64.5, 33, "GAMBAR", "condensed-bold", 12, PAPER, "mm")
    num_size = cv.fit(plate.number, "bold", 30, 92, 18)
    cv.text(W - 64.5, 64, plate.number, "bold", num_size, PAPER, "mm")

    title_w = W - 118 - 28 - 16
    size = cv.fit(plate.title, "bold", 31, title_w, 20)
    cv.text(28, 42, plate.title, "bold", size, PAPER, "ls")
    sub = cv.fit(plate.subtitle, "oblique", 18, title_w, 13)
    cv.text(28, 76, plate.subtitle, "oblique", sub, STEEL_LIGHT, "ls")

    # caption line under the drawing
    cv.line([(24, 548), (W - 24, 548)], width=1.2)
    cap_w = W - 48
    size = cv.fit(plate.caption, "condensed", 18, cap_w, 15)
    lines = wrap(cv, plate.caption, "condensed", size, cap_w)
    if len(lines) == 1:
        cv.text(24, 571, lines[0], "condensed", size, NAVY, "lm")
    else:
        for i, ln in enumerate(lines[:2]):
            cv.text(24, 562 + i * 19, ln, "condensed", 15, NAVY, "lm")


class Plate:
    def __init__(self, path, number, title, subtitle, caption, draw):
        self.path, self.number, self.title = path, number, title
        self.subtitle, self.caption, self.draw = subtitle, caption, draw

    def render(self):
        cv = Canvas(W, H, scale=S, background=PAPER, ink=NAVY, pen=3, round_caps=True)
        self.draw(cv)
        frame(cv, self)
        return cv.picture()


# ---------------------------------------------------------------- maintenance drawings


def oil_filter(cv, x0, y0, x1, y1, ribs=True):
    """A spin-on filter canister standing on its mounting base."""
    cv.rect((x0 - 14, y0 - 26, x1 + 14, y0), fill=NAVY, outline=None, radius=3)
    cv.rect((x0, y0, x1, y1), fill=NAVY_TINT, width=3.5, radius=14)
    if ribs:
        for i in range(9):
            x = x0 + (x1 - x0) * (i + 0.5) / 9
            cv.line([(x, y0 + 6), (x, y0 + 40)], width=2)
    band = y0 + (y1 - y0) * 0.45
    cv.rect((x0, band, x1, band + 60), fill=PAPER, width=2.5)
    cv.text((x0 + x1) / 2, band + 30, "FILTER", "condensed-bold", 20, NAVY, "mm")


def dipstick_detail(cv, x, y0, y1, oil_y):
    cv.circle(x, y0 + 18, 18, width=4)
    cv.rect((x - 4, y0 + 36, x + 4, y1), fill=NAVY, outline=None)
    cv.rect((x - 9, oil_y, x + 9, y1 + 6), fill=RUST, outline=None, radius=4)
    cv.rect((x - 8, y1 - 6, x + 8, y1 + 6), fill=NAVY, outline=None, radius=4)


def draw_engine_oil(cv):
    # engine sump with oil, dipstick tube and the filter on its bracket
    cv.poly([(300, 170), (660, 170), (660, 350), (630, 350), (610, 470), (350, 470), (330, 350), (300, 350)],
            fill=NAVY_TINT, width=3.5)
    cv.text(480, 215, "BLOK MESIN", "condensed-bold", 17, NAVY, "mm")
    oil_level(cv, 354, 410, 606, 466)
    label(cv, "oli pelumas", (430, 510), (460, 440), anchor="rm")
    # dipstick tube and stick
    cv.line([(560, 470), (560, 130)], NAVY, 12)
    cv.line([(560, 466), (560, 134)], PAPER, 5)
    cv.circle(560, 118, 16, width=4)
    oil_filter(cv, 90, 210, 240, 470)
    cv.line([(240, 250), (300, 250)], width=10)
    cv.line([(240, 420), (300, 420)], width=10)
    arrow(cv, (270, 310), (270, 360), RUST, 3)
    # the dipstick drawn out beside the engine, with its marks
    dipstick_detail(cv, 760 - 30, 190, 500, 420)
    for yy, name in ((410, "MAX"), (455, "MIN")):
        cv.line([(716, yy), (744, yy)], width=2.5)
        label(cv, name, (712, yy), size=14, anchor="rm")
    label(cv, "dipstick", (700, 230), (724, 260), anchor="rm")
    label(cv, "filter oli", (165, 150), (165, 184), anchor="cm", dot=False)
    label(cv, "ganti elemen", (165, 500), colour=RUST, anchor="cm")


def water(cv, x0, y, x1, ybot):
    cv.rect((x0, y, x1, ybot), fill=NAVY_TINT, outline=None)
    x = x0 + 10
    while x + 24 < x1:
        cv.arc(x + 12, y + 8, 12, 200, 340, width=2)
        x += 30


def draw_coolant(cv):
    # expansion tank with its pressure cap
    cv.rect((60, 230, 360, 440), fill=PAPER, width=3.5, radius=18)
    water(cv, 64, 300, 356, 436)
    cv.rect((60, 230, 360, 440), width=3.5, radius=18)
    cv.rect((180, 196, 240, 232), fill=NAVY_TINT, width=3)
    cv.rect((160, 176, 260, 200), fill=NAVY, outline=None, radius=6)
    for x in range(172, 256, 14):
        cv.line([(x, 180), (x, 196)], PAPER, 2, caps=False)
    curved_arrow(cv, 210, 188, 70, 200, 330, 3.5)
    label(cv, "kencangkan rapat", (290, 128), colour=RUST, size=16, anchor="lm")
    label(cv, "tutup radiator", (60, 140), (160, 180), anchor="lm")
    label(cv, "air pendingin", (210, 380), anchor="cm")
    # pipes to the coolant filter and back to the engine
    cv.line([(360, 400), (470, 400), (470, 480), (645, 480), (645, 440)], width=10)
    cv.line([(645, 205), (645, 150), (740, 150)], width=10)
    oil_filter(cv, 580, 230, 710, 440)
    arrow(cv, (400, 380), (450, 380), RUST, 3)
    arrow(cv, (520, 505), (600, 505), RUST, 3)
    arrow(cv, (680, 130), (740, 130), RUST, 3)
    label(cv, "filter air pendingin", (540, 510), (600, 440), anchor="rm")
    label(cv, "ke mesin", (700, 175), size=14, anchor="cm")


def draw_radiator(cv):
    x0, x1 = 230, 560
    cv.rect((x0 - 20, 130, x1 + 20, 180), fill=NAVY_TINT, width=3.5, radius=10)
    cv.rect((x0 - 20, 440, x1 + 20, 490), fill=NAVY_TINT, width=3.5, radius=10)
    cv.rect((x0, 180, x1, 440), fill=PAPER, width=3)
    for i in range(12):
        x = x0 + 12 + i * 27
        cv.rect((x, 180, x + 10, 440), fill=NAVY_TINT, width=1.8)
    y = 196
    while y < 436:
        cv.line([(x0, y), (x1, y)], NAVY, 1, caps=False)
        y += 16
    # inlet and outlet
    cv.line([(x1 + 20, 150), (640, 150)], width=16)
    cv.line([(x0 - 20, 470), (150, 470)], width=16)
    cv.rect((370, 110, 410, 130), fill=NAVY, outline=None, radius=4)
    # compressed air gun blowing through the core
    cv.poly([(740, 300), (670, 300), (660, 308), (660, 322), (670, 330), (720, 330), (732, 380), (758, 380),
             (746, 330), (770, 330), (770, 300)], fill=RUST_TINT, width=3)
    for dy in (-40, 0, 40):
        arrow(cv, (652, 315 + dy * 0.2), (580, 315 + dy), RUST, 3)
    label(cv, "tangki atas", (40, 155), (210, 155), anchor="lm")
    label(cv, "pipa kapiler", (40, 300), (242, 300), anchor="lm")
    label(cv, "tangki bawah", (600, 515), (540, 480), anchor="lm")
    label(cv, "udara tekan", (715, 410), colour=RUST, anchor="cm")
    label(cv, "cairan pembersih, bukan solar / bensin", (395, 515), colour=RUST, size=14, anchor="cm")


def draw_heat_exchanger(cv):
    # shell with its tube bundle, end covers and the zinc electrode
    cv.rect((150, 230, 590, 390), fill=NAVY_TINT, width=3.5, radius=8)
    for y in range(250, 380, 18):
        cv.dashed((160, y), (580, y), width=1.6)
    cv.rect((110, 220, 150, 400), fill=PAPER, width=3.5, radius=6)
    cv.rect((590, 220, 630, 400), fill=PAPER, width=3.5, radius=6)
    for y in (228, 392):
        for x in (118, 142, 598, 622):
            cv.circle(x, y, 3, fill=NAVY, outline=None)
    # sea water in and out at the left cover
    cv.line([(110, 270), (40, 270)], width=14)
    cv.line([(110, 350), (40, 350)], width=14)
    arrow(cv, (30, 248), (90, 248), RUST, 3)
    arrow(cv, (90, 376), (30, 376), RUST, 3)
    # engine coolant in and out on top of the shell
    cv.line([(230, 230), (230, 150)], width=14)
    cv.line([(510, 230), (510, 150)], width=14)
    arrow(cv, (205, 140), (205, 200), NAVY, 3)
    arrow(cv, (535, 200), (535, 140), NAVY, 3)
    # zinc electrode in the right cover
    cv.rect((630, 300, 660, 320), fill=NAVY, outline=None)
    cv.rect((660, 290, 690, 330), fill=NAVY_TINT, width=3)
    cv.rect((560, 303, 630, 317), fill=RUST, outline=None, radius=4)
    label(cv, "air laut", (40, 220), colour=RUST, anchor="lm")
    label(cv, "air pendingin mesin", (370, 150), anchor="cm")
    label(cv, "inti (core)", (370, 450), (370, 380), anchor="cm")
    label(cv, "elektroda seng", (700, 250), (600, 310), colour=RUST, anchor="cm")
    label(cv, "tutup", (640, 450), (610, 400), anchor="lm")


def draw_raw_water_pump(cv):
    cx, cy = 330, 350
    # volute casing: a spiral widening counter-clockwise into the outlet at the top left
    pts = []
    for i in range(0, 361, 6):
        a = math.radians(-90 - i)
        r = 118 + 42 * i / 360
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    cv.poly(pts + [(cx - 170, cy - 160), (cx - 170, cy - 118), (cx, cy - 118)], fill=NAVY_TINT, width=3.5)
    cv.rect((cx - 186, cy - 172, cx - 168, cy - 106), fill=NAVY, outline=None, radius=3)
    cv.circle(cx, cy, 100, fill=PAPER, width=2.5)
    for k in range(6):
        a = math.radians(60 * k)
        vane = []
        for t in range(0, 11):
            r = 28 + 66 * t / 10
            b = a - 0.9 * t / 10
            vane.append((cx + r * math.cos(b), cy + r * math.sin(b)))
        cv.line(vane, width=4)
    cv.circle(cx, cy, 28, fill=RUST_TINT, width=3)
    cv.circle(cx, cy, 8, fill=NAVY, outline=None)
    curved_arrow(cv, cx, cy, 112, 80, 10, 3)
    arrow(cv, (cx - 196, cy - 139), (cx - 270, cy - 139), RUST, 3)
    # inlet pipe with the priming plug
    cv.rect((cx + 90, cy - 20, 660, cy + 20), fill=NAVY_TINT, outline=None)
    cv.line([(cx + 98, cy - 20), (660, cy - 20)], width=3)
    cv.line([(cx + 98, cy + 20), (660, cy + 20)], width=3)
    cv.rect((520, cy - 50, 560, cy - 20), fill=NAVY_TINT, width=3)
    cv.rect((514, cy - 66, 566, cy - 50), fill=NAVY, outline=None, radius=3)
    drops(cv, 540, cy - 150, 3, 8, gap=24)
    arrow(cv, (740, cy), (672, cy), RUST, 3)
    label(cv, "impeller", (150, 500), (cx - 40, cy + 50), anchor="rm")
    label(cv, "saluran keluar", (cx - 230, cy - 190), anchor="cm")
    label(cv, "air laut masuk", (700, cy + 50), colour=RUST, anchor="cm")
    label(cv, "baut sumbat", (600, cy - 130), (566, cy - 60), anchor="lm")
    label(cv, "air pancingan", (600, cy - 165), colour=RUST, size=14, anchor="lm")


def draw_fuel_filters(cv):
    cv.rect((90, 170, 610, 220), fill=NAVY_TINT, width=3.5, radius=8)
    cv.line([(20, 195), (90, 195)], width=12)
    cv.line([(610, 195), (690, 195)], width=12)
    arrow(cv, (24, 168), (80, 168), RUST, 3)
    arrow(cv, (620, 168), (680, 168), RUST, 3)
    for x0, name in ((130, "saringan"), (380, "filter")):
        cv.rect((x0, 220, x0 + 180, 470), fill=NAVY_TINT, width=3.5, radius=16)
        cv.text(x0 + 90, 500, name, "condensed-bold", 17, NAVY, "mm")
    # the filter drawn open, with its pleated element
    cv.rect((402, 240, 538, 450), fill=PAPER, width=2)
    pts = []
    for i in range(15):
        pts.append((402 + i * 9.7, 250 if i % 2 == 0 else 440))
    cv.line(pts, RUST, 2)
    cv.rect((160, 455, 280, 470), fill=NAVY, outline=None)
    # the new element beside it
    cv.rect((640, 280, 740, 470), fill=RUST_TINT, outline=RUST, width=3, radius=8)
    cv.circle(690, 280, 22, fill=PAPER, outline=RUST, width=3)
    arrow(cv, (628, 370), (560, 370), RUST, 3)
    label(cv, "elemen baru", (690, 510), colour=RUST, anchor="cm")
    label(cv, "bahan bakar", (30, 140), size=14, anchor="lm")
    cv.text(690, 380, "300 jam", "condensed-bold", 16, RUST, "mm")


def draw_air_cleaner(cv):
    cx = 330
    # housing, centre tube and mesh element of an oil-bath cleaner
    cv.rect((cx - 190, 185, cx + 190, 480), fill=PAPER, width=3.5, radius=12)
    cv.rect((cx - 210, 165, cx + 210, 187), fill=NAVY, outline=None, radius=6)
    cv.rect((cx - 170, 230, cx + 170, 340), fill=NAVY_TINT, width=2.5)
    cv.hatch([(cx - 168, 232), (cx + 168, 232), (cx + 168, 338), (cx - 168, 338)], 10, 1.2, NAVY, 45)
    cv.hatch([(cx - 168, 232), (cx + 168, 232), (cx + 168, 338), (cx - 168, 338)], 10, 1.2, NAVY, -45)
    cv.rect((cx - 36, 140, cx + 36, 440), fill=PAPER, width=3)
    cv.rect((cx - 190, 400, cx + 190, 480), fill=RUST_TINT, outline=None, radius=12)
    cv.line([(cx - 188, 400), (cx + 188, 400)], RUST, 2, caps=False)
    cv.rect((cx - 190, 185, cx + 190, 480), width=3.5, radius=12)
    cv.rect((cx - 36, 140, cx + 36, 440), width=3)
    cv.rect((cx - 30, 400, cx + 30, 438), fill=RUST_TINT, outline=None)
    # air path: in under the cap, down, through the oil, up through the mesh, out of the tube
    for s in (-1, 1):
        arrow(cv, (cx + s * 250, 205), (cx + s * 175, 205), RUST, 3)
        arrow(cv, (cx + s * 140, 360), (cx + s * 140, 385), RUST, 3)
        arrow(cv, (cx + s * 90, 390), (cx + s * 90, 350), RUST, 3)
    arrow(cv, (cx, 210), (cx, 146), RUST, 3)
    cv.text(cx + 50, 128, "ke mesin", "condensed-bold", 15, NAVY, "lm")
    label(cv, "udara masuk", (cx - 250, 230), size=14, anchor="lm")
    label(cv, "elemen saringan", (cx + 240, 285), (cx + 150, 285), anchor="lm")
    label(cv, "mangkuk oli", (cx + 240, 440), (cx + 170, 440), anchor="lm")
    label(cv, "batas oli", (cx + 240, 400), (cx + 190, 400), colour=RUST, anchor="lm")


def puffs(cv, x, y, n=3, c=RUST):
    for i in range(n):
        cv.arc(x + i * 22, y - i * 14, 10 + i * 3, 180, 360, c, 2.5)


def draw_air_box_drain(cv):
    # cylinder liner inside the air box, drained through a pipe into the drain tank
    cv.rect((90, 150, 470, 420), fill=NAVY_TINT, width=3.5, radius=6)
    cv.rect((210, 130, 350, 440), fill=PAPER, width=3.5)
    cv.hatch([(196, 130), (210, 130), (210, 440), (196, 440)], 7, 1.2)
    cv.hatch([(350, 130), (364, 130), (364, 440), (350, 440)], 7, 1.2)
    cv.line([(196, 130), (196, 440)], width=3)
    cv.line([(364, 130), (364, 440)], width=3)
    for y in (300, 330, 360):
        cv.rect((192, y, 214, y + 16), fill=NAVY_TINT, outline=None)
        cv.rect((346, y, 368, y + 16), fill=NAVY_TINT, outline=None)
    cv.rect((222, 230, 338, 290), fill=NAVY_TINT, width=3, radius=4)
    for s in (-1, 1):
        arrow(cv, (280 + s * 150, 340), (280 + s * 95, 340), NAVY, 3)
    cv.text(140, 185, "AIR BOX", "condensed-bold", 16, NAVY, "mm")
    cv.text(280, 200, "silinder", "condensed-bold", 14, NAVY, "mm")
    # drain pipe and tank
    cv.line([(430, 420), (430, 470), (560, 470), (560, 410)], width=10)
    cv.rect((520, 250, 660, 420), fill=PAPER, width=3.5, radius=14)
    cv.rect((560, 210, 600, 250), fill=NAVY_TINT, width=3)
    cv.line([(660, 300), (720, 300), (720, 240)], width=10)
    puffs(cv, 730, 215)
    arrow(cv, (470, 490), (540, 490), RUST, 3)
    label(cv, "tabung air box drain", (590, 480), (590, 420), anchor="lm")
    label(cv, "hembusan udara", (700, 160), colour=RUST, anchor="cm")
    label(cv, "pipa drain", (400, 510), (440, 470), anchor="rm")
    cv.text(590, 335, "1000", "bold", 22, RUST, "mm")
    cv.text(590, 362, "jam", "condensed-bold", 15, RUST, "mm")


def mesh(cv, pts):
    cv.poly(pts, fill=NAVY_TINT, outline=None)
    cv.hatch(pts, 9, 1.2, NAVY, 45)
    cv.hatch(pts, 9, 1.2, NAVY, -45)
    cv.poly(pts, width=2.5)


def draw_breather(cv):
    # rocker cover / crankcase outline with the breather on top
    cv.poly([(60, 520), (60, 330), (110, 300), (690, 300), (740, 330), (740, 520)], fill=NAVY_TINT, width=3.5)
    cv.text(400, 430, "KARTER / TUTUP MESIN", "condensed-bold", 17, NAVY, "mm")
    cx = 400
    cv.rect((cx - 110, 170, cx + 110, 300), fill=PAPER, width=3.5, radius=10)
    mesh(cv, [(cx - 95, 190), (cx + 95, 190), (cx + 95, 285), (cx - 95, 285)])
    cv.rect((cx - 130, 150, cx + 130, 172), fill=NAVY, outline=None, radius=6)
    hex_top(cv, cx, 140, 16, fill=RUST_TINT, hole=0.4)
    for s in (-1, 1):
        pts = [(cx + s * 140, 180), (cx + s * 175, 175), (cx + s * 200, 150), (cx + s * 230, 140)]
        cv.line(pts, RUST, 3)
        arrow(cv, pts[-2], (cx + s * 250, 136), RUST, 3)
    for x in (cx - 60, cx, cx + 60):
        arrow(cv, (x, 370), (x, 312), RUST, 3)
    label(cv, "breather", (120, 235), (cx - 110, 235), anchor="lm")
    label(cv, "elemen kawat", (600, 250), (cx + 95, 250), anchor="lm")
    label(cv, "uap karter", (cx + 70, 345), colour=RUST, size=14, anchor="lm")
    label(cv, "buka & bersihkan", (640, 130), colour=RUST, size=14, anchor="cm")


def lobe_rotor(cv, cx, cy, r, phase):
    pts = []
    for i in range(0, 360, 4):
        a = math.radians(i)
        rr = r * (0.72 + 0.28 * math.cos(3 * (a - phase)))
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    cv.poly(pts, fill=NAVY_TINT, width=3)
    cv.circle(cx, cy, 12, fill=PAPER, width=2.5)
    cv.circle(cx, cy, 4, fill=NAVY, outline=None)


def draw_blower(cv):
    cx, cy = 360, 340
    # two-rotor blower housing with the screen over its inlet
    cv.rect((cx - 240, cy - 120, cx + 240, cy + 120), fill=PAPER, width=3.5, radius=110)
    lobe_rotor(cv, cx - 105, cy, 100, 0)
    lobe_rotor(cv, cx + 105, cy, 100, math.radians(60))
    mesh(cv, [(cx - 150, cy - 175), (cx + 150, cy - 175), (cx + 150, cy - 145), (cx - 150, cy - 145)])
    cv.line([(cx - 150, cy - 136), (cx + 150, cy - 136)], RUST, 4)
    cv.line([(cx - 150, cy + 132), (cx + 150, cy + 132)], RUST, 4)
    curved_arrow(cv, cx - 105, cy, 118, 200, 280, 3)
    curved_arrow(cv, cx + 105, cy, 118, 340, 260, 3)
    for x in (cx - 60, cx, cx + 60):
        arrow(cv, (x, cy - 230), (x, cy - 182), RUST, 3)
    arrow(cv, (cx, cy + 140), (cx, cy + 190), RUST, 3)
    label(cv, "blower screen", (cx + 220, cy - 200), (cx + 150, cy - 160), anchor="lm")
    label(cv, "paking perapat", (cx + 250, cy - 110), (cx + 150, cy - 136), colour=RUST, anchor="lm")
    label(cv, "sudu-sudu (rotor)", (cx + 250, cy + 60), (cx + 170, cy + 30), anchor="lm")
    label(cv, "udara", (cx - 80, cy - 220), size=14, anchor="rm")


def draw_starting_motor(cv):
    # flywheel ring gear meshing with the pinion of the starter
    cv.arc(130, 330, 210, 300, 420, width=4)
    for i in range(-26, 28, 5):
        a = math.radians(i)
        cv.line([(130 + 210 * math.cos(a), 330 + 210 * math.sin(a)),
                 (130 + 224 * math.cos(a), 330 + 224 * math.sin(a))], width=5)
    shaft_gear(cv, 372, 330, 30, 10)
    cv.rect((402, 318, 430, 342), fill=NAVY, outline=None)
    cv.rect((430, 295, 500, 365), fill=RUST_TINT, width=3, radius=6)
    cv.line([(430, 330), (500, 330)], width=1.5)
    cv.rect((500, 255, 740, 405), fill=NAVY_TINT, width=3.5, radius=20)
    for x in (540, 580, 620, 660, 700):
        cv.line([(x, 262), (x, 398)], width=1.5)
    cv.rect((540, 175, 720, 245), fill=NAVY_TINT, width=3.5, radius=16)
    cv.rect((600, 245, 640, 258), fill=NAVY, outline=None)
    cv.rect((720, 195, 744, 225), fill=NAVY, outline=None)
    drops(cv, 465, 200, 3, 8, gap=26)
    label(cv, "roda gila", (90, 170), (170, 150), anchor="lm")
    label(cv, "pinion", (372, 450), (372, 360), anchor="cm")
    label(cv, "roda bebas", (465, 450), (465, 365), colour=RUST, anchor="lm")
    label(cv, "solenoid", (630, 150), anchor="cm")
    label(cv, "motor stater", (620, 450), (620, 405), anchor="cm")
    label(cv, "beberapa tetes oli mesin", (465, 140), colour=RUST, size=14, anchor="cm")


def commutator(cv, cx, cy, w, h):
    cv.rect((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), fill=RUST_TINT, width=3, radius=4)
    for i in range(1, 8):
        x = cx - w / 2 + w * i / 8
        cv.line([(x, cy - h / 2), (x, cy + h / 2)], width=1.5)


def draw_charging_generator(cv):
    # generator body, pulley with belt, commutator end with brushes
    cv.rect((220, 230, 520, 420), fill=NAVY_TINT, width=3.5, radius=24)
    for y in (270, 300, 330, 360, 390):
        cv.line([(260, y), (480, y)], width=1.5)
    cv.rect((170, 300, 220, 350), fill=NAVY, outline=None)
    cv.rect((130, 250, 170, 400), fill=NAVY_TINT, width=3.5, radius=8)
    cv.line([(150, 250), (150, 400)], width=1.5)
    cv.line([(100, 240), (150, 240)], width=8)
    cv.line([(100, 410), (150, 410)], width=8)
    # oil nipple cap on top of the bearing housing
    cv.rect((270, 200, 300, 230), fill=NAVY_TINT, width=3)
    cv.rect((262, 188, 308, 200), fill=RUST, outline=None, radius=3)
    drops(cv, 285, 120, 2, 8, gap=28)
    label(cv, "5-6 tetes", (310, 130), colour=RUST, size=15, anchor="lm")
    # commutator end, opened
    cv.rect((520, 270, 560, 380), fill=PAPER, width=3)
    commutator(cv, 640, 325, 140, 80)
    cv.line([(560, 325), (570, 325)], width=8)
    for s in (-1, 1):
        y = 325 + s * 40
        cv.rect((620, y + s * 2 - (0 if s > 0 else 30), 660, y + s * 2 + (30 if s > 0 else 0)), fill=NAVY, outline=None)
        spring(cv, (640, y + s * 32), (640, y + s * 75), 4, 8)
    label(cv, "tutup nepel pelumas", (40, 160), (262, 194), size=14, anchor="lm")
    label(cv, "puli", (115, 450), (150, 400), anchor="cm")
    label(cv, "komutator", (690, 470), (680, 365), colour=RUST, anchor="cm")
    label(cv, "sikat", (720, 200), (660, 272), anchor="lm")
    cv.text(690, 494, "amplas nomor 00", "condensed-bold", 14, RUST, "mm")


def thermometer(cv, x, y0, y1, level):
    cv.rect((x - 10, y0, x + 10, y1), fill=PAPER, width=3, radius=10)
    cv.circle(x, y1 + 8, 17, fill=RUST, width=3)
    cv.rect((x - 4, level, x + 4, y1 + 4), fill=RUST, outline=None)


def draw_tachometer(cv):
    dial(cv, 250, 300, 140, 0.62, 12, "RPM", "x100")
    for i, n in enumerate(range(0, 25, 4)):
        a = math.radians(135 + 270 * i / 6)
        cv.text(250 + 100 * math.cos(a), 300 + 100 * math.sin(a), str(n), "condensed-bold", 15, NAVY, "mm")
    # drive cable down to the drive on the engine, with its grease point
    cv.line([(250, 447), (250, 480), (470, 480), (470, 440)], width=6)
    cv.rect((440, 380, 500, 440), fill=NAVY_TINT, width=3, radius=6)
    grease_nipple(cv, 470, 380)
    label(cv, "titik gemuk", (520, 340), (476, 362), colour=RUST, anchor="lm")
    label(cv, "kabel penggerak", (340, 510), (340, 480), anchor="cm")
    # the grease rule by temperature
    thermometer(cv, 640, 150, 420, 300)
    cv.line([(600, 300), (760, 300)], NAVY, 2)
    cv.text(620, 292, "+30 F (-1 C)", "condensed-bold", 14, NAVY, "rs")
    cv.text(670, 230, "gemuk no.2", "condensed-bold", 17, RUST, "lm")
    cv.text(670, 360, "gemuk no.1", "condensed-bold", 17, NAVY, "lm")
    cv.text(670, 252, "di atas", "condensed", 14, NAVY, "lm")
    cv.text(670, 382, "di bawah", "condensed", 14, NAVY, "lm")


def draw_throttle_clutch(cv):
    # throttle: lever on its shaft, linkage rod, grease nipple
    cv.circle(200, 330, 34, fill=NAVY_TINT, width=3.5)
    cv.circle(200, 330, 10, fill=NAVY, outline=None)
    cv.line([(200, 330), (290, 200)], width=14)
    cv.line([(200, 330), (290, 200)], NAVY_TINT, 6)
    cv.circle(290, 200, 9, fill=PAPER, width=3)
    cv.line([(290, 200), (60, 160)], width=5)
    grease_nipple(cv, 200, 290)
    curved_arrow(cv, 200, 330, 120, 300, 250, 3, NAVY)
    label(cv, "tuas gas", (230, 460), (215, 360), anchor="cm")
    label(cv, "gemuk no.2", (120, 220), (200, 262), colour=RUST, anchor="rm")
    # clutch lever with its pivot and oil
    cv.rect((470, 400, 720, 470), fill=NAVY_TINT, width=3.5, radius=10)
    cv.circle(560, 390, 16, fill=PAPER, width=3.5)
    cv.line([(560, 390), (680, 150)], width=14)
    cv.line([(560, 390), (680, 150)], NAVY_TINT, 6)
    cv.circle(680, 150, 18, fill=NAVY, outline=None)
    curved_arrow(cv, 560, 390, 200, 290, 320, 3, NAVY)
    drops(cv, 540, 310, 2, 8, gap=28)
    label(cv, "tuas kopling", (740, 260), (625, 260), anchor="rm")
    label(cv, "oli mesin", (525, 280), colour=RUST, anchor="rm")
    cv.line([(400, 150), (400, 500)], width=1.2)


def belt(cv, c1, r1, c2, r2, w=12):
    """A belt around two pulleys: the outer tangents and the wrapped arcs."""
    (x1, y1), (x2, y2) = c1, c2
    th = math.atan2(y2 - y1, x2 - x1)
    al = math.acos((r1 - r2) / math.hypot(x2 - x1, y2 - y1))

    def pt(c, r, a):
        return (c[0] + r * math.cos(a), c[1] + r * math.sin(a))

    def wrap(c, r, a0, a1):
        n = 40
        return [pt(c, r, a0 + (a1 - a0) * i / n) for i in range(n + 1)]

    path = wrap(c1, r1, th + al, th + 2 * math.pi - al) + wrap(c2, r2, th - al, th + al)
    cv.line(path + [path[0]], NAVY, w)
    return pt(c1, r1, th + al), pt(c2, r2, th + al)


def draw_drive_belts(cv):
    c1, r1, c2, r2 = (200, 390), 95, (520, 220), 60
    a, b = belt(cv, c1, r1, c2, r2)
    pulley(cv, *c1, r1 - 8, 2)
    pulley(cv, *c2, r2 - 8, 2)
    # deflection checked at the middle of the free span
    mx, my = (a[0] + b[0]) / 2, (a[1] + b[1]) / 2
    th = math.atan2(b[1] - a[1], b[0] - a[0])
    nx, ny = math.cos(th - math.pi / 2), math.sin(th - math.pi / 2)
    arrow(cv, (mx - nx * 90, my - ny * 90), (mx - nx * 12, my - ny * 12), RUST, 4)
    cv.dashed((mx - nx * 4 - math.cos(th) * 100, my - ny * 4 - math.sin(th) * 100),
              (mx - nx * 4 + math.cos(th) * 100, my - ny * 4 + math.sin(th) * 100), RUST, 1.5)
    label(cv, "tekan: lendutan", (mx - nx * 90, my - ny * 90 + 20), colour=RUST, anchor="cm")
    # belt section in its groove, and the 15 minute run-in
    gx, gy = 650, 430
    cv.poly([(gx - 60, gy - 50), (gx - 24, gy + 40), (gx + 24, gy + 40), (gx + 60, gy - 50), (gx + 80, gy - 50),
             (gx + 80, gy + 70), (gx - 80, gy + 70), (gx - 80, gy - 50)], fill=NAVY_TINT, width=3)
    cv.poly([(gx - 44, gy - 34), (gx + 44, gy - 34), (gx + 24, gy + 20), (gx - 24, gy + 20)], fill=NAVY, outline=None)
    label(cv, "V-belt dalam alur puli", (gx, gy + 92), size=14, anchor="cm")
    dial(cv, 680, 230, 46, 0.25, 12)
    cv.text(680, 300, "15 menit", "condensed-bold", 17, RUST, "mm")
    label(cv, "puli poros engkol", (200, 515), anchor="cm")
    label(cv, "puli kipas", (520, 120), (520, 160), anchor="cm")


def flyweight(cv, px, py, s):
    cv.poly([(px, py), (px + s * 10, py), (px + s * 10, py + 60), (px + s * 40, py + 60), (px + s * 40, py + 95),
             (px - s * 4, py + 95), (px - s * 4, py)], fill=RUST_TINT, width=3)
    cv.circle(px + s * 4, py + 6, 6, fill=PAPER, width=2.5)


def no_sign(cv, cx, cy, r):
    cv.circle(cx, cy, r, outline=RUST, width=5)
    cv.line([(cx - r * 0.7, cy + r * 0.7), (cx + r * 0.7, cy - r * 0.7)], RUST, 5)


def draw_overspeed_governor(cv):
    cx = 300
    cv.rect((cx - 170, 170, cx + 170, 470), fill=PAPER, width=3.5, radius=14)
    cv.line([(cx, 130), (cx, 510)], width=12)
    cv.rect((cx - 70, 420, cx + 70, 440), fill=NAVY_TINT, width=3)
    for s in (-1, 1):
        flyweight(cv, cx + s * 34, 320, s)
        cv.line([(cx + s * 6, 330), (cx + s * 34, 330)], width=6)
    spring(cv, (cx, 210), (cx, 300), 6, 28, 3)
    cv.rect((cx - 40, 300, cx + 40, 314), fill=NAVY_TINT, width=3)
    cv.line([(cx + 40, 250), (cx + 150, 250)], width=6)
    cv.circle(cx + 150, 250, 8, fill=NAVY, outline=None)
    # oil nipple cap and the drops
    cv.rect((cx + 170, 360, cx + 200, 384), fill=NAVY_TINT, width=3)
    cv.rect((cx + 200, 354, cx + 214, 390), fill=RUST, outline=None, radius=3)
    drops(cv, cx + 250, 300, 2, 8, gap=28)
    label(cv, "5-6 tetes oli", (cx + 270, 300), colour=RUST, anchor="lm")
    label(cv, "tutup nepel oli", (cx + 270, 410), (cx + 207, 390), anchor="lm")
    label(cv, "bobot (flyweight)", (90, 500), (cx - 60, 430), anchor="lm")
    label(cv, "pegas", (100, 230), (cx - 28, 250), anchor="lm")
    label(cv, "tuas trip", (cx + 160, 210), (cx + 150, 250), anchor="lm")
    # never while it turns
    no_sign(cv, 680, 180, 42)
    curved_arrow(cv, 680, 180, 22, 200, 480, 3, NAVY, 9)
    cv.text(680, 248, "jangan saat", "condensed-bold", 14, RUST, "mm")
    cv.text(680, 266, "berputar", "condensed-bold", 14, RUST, "mm")


def ball_bearing(cv, cx, cy, r_out, r_in, n=9):
    cv.circle(cx, cy, r_out, fill=NAVY_TINT, width=3)
    mid = (r_out + r_in) / 2
    cv.circle(cx, cy, mid + (r_out - r_in) * 0.28, fill=PAPER, width=2)
    cv.circle(cx, cy, r_in, fill=NAVY_TINT, width=3)
    for i in range(n):
        a = 2 * math.pi * i / n
        cv.circle(cx + mid * math.cos(a), cy + mid * math.sin(a), (r_out - r_in) * 0.3, fill=NAVY, outline=None)
    cv.circle(cx, cy, r_in - 10, fill=PAPER, width=2.5)


def draw_fan_hub(cv):
    # fan seen from the front
    cx, cy = 220, 320
    for k in range(6):
        a = math.radians(60 * k)
        blade = []
        for t in (0, 0.35, 1):
            blade.append((cx + (40 + 140 * t) * math.cos(a - 0.28 * t), cy + (40 + 140 * t) * math.sin(a - 0.28 * t)))
        for t in (1, 0.35, 0):
            blade.append((cx + (40 + 140 * t) * math.cos(a + 0.35 * t), cy + (40 + 140 * t) * math.sin(a + 0.35 * t)))
        cv.poly(blade, fill=NAVY_TINT, width=3)
    ball_bearing(cv, cx, cy, 48, 24)
    # hub in section: shaft, two bearings, grease fitting
    hx = 560
    cv.rect((hx - 130, 220, hx + 130, 420), fill=PAPER, width=3.5, radius=10)
    cv.hatch([(hx - 128, 222), (hx + 128, 222), (hx + 128, 250), (hx - 128, 250)], 8)
    cv.hatch([(hx - 128, 390), (hx + 128, 390), (hx + 128, 418), (hx - 128, 418)], 8)
    cv.rect((hx - 170, 300, hx + 170, 340), fill=NAVY_TINT, width=3)
    for bx in (hx - 70, hx + 70):
        for by in (270, 370):
            cv.rect((bx - 26, by - 20, bx + 26, by + 20), fill=RUST_TINT, width=2.5)
            cv.circle(bx, by, 12, fill=NAVY, outline=None)
    cv.rect((hx - 44, 252, hx + 44, 298), fill=RUST_TINT, outline=None)
    grease_nipple(cv, hx, 220)
    label(cv, "bearing", (hx + 110, 480), (hx + 70, 390), anchor="lm")
    label(cv, "Texaco Premium RB grease", (hx + 20, 150), colour=RUST, anchor="lm")
    label(cv, "poros", (hx + 180, 320), anchor="lm")
    label(cv, "kipas", (cx, 520), anchor="cm")
    cv.text(hx - 100, 470, "700 jam", "bold", 20, RUST, "mm")


def draw_hydrostarter(cv):
    # reservoir with its level, hand pump, accumulator and hydraulic starter
    cv.rect((70, 160, 250, 330), fill=PAPER, width=3.5, radius=10)
    oil_level(cv, 72, 220, 248, 328)
    cv.rect((70, 160, 250, 330), width=3.5, radius=10)
    cv.rect((140, 140, 180, 162), fill=NAVY, outline=None, radius=4)
    cv.line([(240, 220), (262, 220)], RUST, 3)
    cv.text(270, 220, "batas", "condensed-bold", 14, RUST, "lm")
    cv.rect((300, 360, 380, 470), fill=NAVY_TINT, width=3.5, radius=8)
    cv.line([(340, 360), (340, 300)], width=8)
    cv.line([(340, 300), (440, 250)], width=10)
    cv.circle(440, 250, 10, fill=NAVY, outline=None)
    cv.rect((520, 180, 620, 430), fill=NAVY_TINT, width=3.5, radius=50)
    dial(cv, 570, 150, 24, 0.7, 6)
    cv.rect((640, 420, 760, 500), fill=NAVY_TINT, width=3.5, radius=12)
    shaft_gear(cv, 640, 460, 22, 9)
    cv.line([(160, 330), (160, 490), (300, 490), (300, 440)], width=7)
    cv.line([(380, 420), (470, 420), (470, 470), (520, 470), (520, 400)], width=7)
    cv.line([(620, 400), (700, 400), (700, 420)], width=7)
    arrow(cv, (200, 510), (270, 510), RUST, 3)
    label(cv, "tangki oli hidrolik", (160, 360), anchor="cm")
    label(cv, "pompa tangan", (340, 510), anchor="cm")
    label(cv, "akumulator", (570, 305), anchor="cm")
    label(cv, "motor stater hidrolik", (700, 525), size=14, anchor="cm")


def volute(cv, cx, cy, r, fill=NAVY_TINT, flip=1):
    pts = []
    for i in range(0, 341, 6):
        a = math.radians(-90 + flip * i)
        rr = r * (0.75 + 0.25 * i / 340)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    cv.poly(pts + [(cx + flip * r * 0.1, cy - r * 1.0)], fill=fill, width=3.5)


def sound(cv, x, y, c=RUST):
    for r in (12, 22, 32):
        cv.arc(x, y, r, -40, 40, c, 2.5)


def draw_turbocharger(cv):
    # turbine (exhaust side) and compressor (air side) on one shaft
    volute(cv, 210, 330, 130, RUST_TINT, 1)
    volute(cv, 590, 330, 130, NAVY_TINT, -1)
    cv.circle(210, 330, 60, fill=PAPER, width=3)
    cv.circle(590, 330, 60, fill=PAPER, width=3)
    for k in range(8):
        a = math.radians(45 * k)
        for cx in (210, 590):
            cv.line([(cx + 14 * math.cos(a), 330 + 14 * math.sin(a)),
                     (cx + 54 * math.cos(a + 0.4), 330 + 54 * math.sin(a + 0.4))], width=2.5)
    cv.rect((330, 285, 470, 375), fill=NAVY_TINT, width=3.5, radius=8)
    cv.line([(210, 330), (590, 330)], width=6)
    cv.rect((380, 240, 400, 285), fill=NAVY, outline=None)
    cv.rect((400, 375, 420, 420), fill=NAVY, outline=None)
    arrow(cv, (370, 200), (390, 236), RUST, 3)
    arrow(cv, (410, 425), (430, 470), RUST, 3)
    label(cv, "oli pelumas", (300, 200), size=14, anchor="rm")
    label(cv, "turbin (gas buang)", (210, 505), colour=RUST, anchor="cm")
    label(cv, "kompresor (udara)", (590, 505), anchor="cm")
    label(cv, "rumah bantalan", (470, 470), anchor="lm")
    sound(cv, 740, 250)
    label(cv, "suara gemerisik?", (740, 200), colour=RUST, size=14, anchor="rm")


def draw_power_generator(cv):
    # engine coupling, generator frame and the end cover with its bearing
    cv.rect((40, 290, 120, 370), fill=NAVY_TINT, width=3)
    cv.rect((120, 270, 150, 390), fill=NAVY, outline=None)
    cv.rect((150, 190, 560, 470), fill=NAVY_TINT, width=3.5, radius=16)
    for x in range(190, 540, 40):
        cv.line([(x, 200), (x, 460)], width=1.5)
    cv.rect((560, 220, 640, 440), fill=PAPER, width=3.5, radius=12)
    ball_bearing(cv, 680, 330, 60, 30)
    cv.line([(640, 330), (650, 330)], width=3)
    grease_nipple(cv, 600, 220)
    cv.rect((150, 470, 560, 500), fill=NAVY, outline=None)
    label(cv, "titik pelumasan", (600, 140), (600, 190), colour=RUST, anchor="cm")
    label(cv, "bantalan tutup ujung", (680, 420), (680, 390), anchor="cm")
    label(cv, "ke mesin", (80, 400), size=14, anchor="cm")
    cv.text(355, 300, "GENERATOR", "bold", 22, NAVY, "mm")
    label(cv, "oli: setiap enam bulan", (355, 345), colour=RUST, anchor="cm")
    label(cv, "gemuk: setiap tahun", (355, 375), colour=RUST, anchor="cm")


def draw_power_take_off(cv):
    # clutch in section: flywheel, plates, release bearing and levers on the output shaft
    cv.rect((80, 150, 130, 500), fill=NAVY_TINT, width=3.5)
    cv.hatch([(82, 152), (128, 152), (128, 498), (82, 498)], 10)
    for i, x in enumerate((150, 190, 230)):
        cv.rect((x, 190 + 10 * i, x + 22, 460 - 10 * i), fill=RUST_TINT if i == 1 else NAVY_TINT, width=3)
    cv.line([(130, 325), (720, 325)], width=18)
    cv.rect((420, 290, 480, 360), fill=RUST_TINT, width=3)
    cv.circle(450, 325, 14, fill=NAVY, outline=None)
    for s in (-1, 1):
        py = 325 + s * 110
        cv.circle(330, py, 10, fill=PAPER, width=3)
        cv.line([(255, 325 + s * 80), (330, py), (430, 325 + s * 40)], width=8)
        drops(cv, 330, py + s * 45 - 10, 1, 8)
    grease_nipple(cv, 450, 290)
    label(cv, "bantalan kopling", (540, 220), (460, 258), anchor="lm")
    label(cv, "gemuk shell alvania no.2", (540, 245), colour=RUST, size=14, anchor="lm")
    label(cv, "tuas kopling", (370, 500), (340, 450), anchor="lm")
    label(cv, "oli pelumas", (380, 150), (330, 190), colour=RUST, anchor="lm")
    label(cv, "poros keluaran", (640, 365), anchor="cm")
    label(cv, "roda gila", (105, 520), size=14, anchor="cm")


def gearbox(cv, x0, y0, x1, y1, oil_y, dip_x, plug_x=None):
    """A gear housing with its oil, dipstick and drain plug; returns nothing, parts go inside."""
    cv.rect((x0, y0, x1, y1), fill=PAPER, outline=None, radius=18)
    oil_level(cv, x0 + 2, oil_y, x1 - 2, y1 - 2)
    cv.rect((x0, y0, x1, y1), width=3.5, radius=18)
    # dipstick standing in its tube
    cv.rect((dip_x - 9, y0 - 30, dip_x + 9, y0 + 2), fill=NAVY_TINT, width=3)
    cv.line([(dip_x, y0 - 30), (dip_x, oil_y + 40)], width=4)
    cv.circle(dip_x, y0 - 46, 15, width=4)
    if plug_x is not None:
        cv.rect((plug_x - 20, y1, plug_x + 20, y1 + 16), fill=NAVY, outline=None, radius=3)


def draw_torque_converter(cv):
    cx, cy = 330, 345
    cv.rect((cx - 190, cy - 180, cx + 190, cy + 180), fill=PAPER, outline=None, radius=60)
    oil_level(cv, cx - 188, cy + 120, cx + 188, cy + 178)
    cv.rect((cx - 190, cy - 180, cx + 190, cy + 180), width=3.5, radius=60)
    for s in (-1, 1):
        ty = cy + s * 90
        cv.pie((cx - 80, ty - 70, cx + 80, ty + 70), 90, 270, RUST_TINT)
        cv.pie((cx - 80, ty - 70, cx + 80, ty + 70), 270, 450, NAVY_TINT)
        cv.circle(cx, ty, 80, width=3)
        cv.line([(cx, ty - 80), (cx, ty + 80)], width=3)
        cv.circle(cx, ty, 28, fill=PAPER, width=3)
        cv.rect((cx - 10, ty + s * 30 - 12, cx + 10, ty + s * 30 + 12), fill=NAVY, outline=None)
    cv.line([(cx - 260, cy), (cx + 260, cy)], width=16)
    cv.line([(cx + 150, cy - 180), (cx + 150, cy - 205)], width=4)
    cv.circle(cx + 150, cy - 215, 11, width=3.5)
    cv.line([(cx + 150, cy - 180), (cx + 150, cy + 150)], RUST, 3)
    label(cv, "pompa", (cx - 230, cy - 140), (cx - 50, cy - 110), anchor="lm")
    label(cv, "turbin", (cx + 240, cy - 60), (cx + 50, cy - 80), anchor="lm")
    label(cv, "stator", (cx + 240, cy + 50), (cx + 8, cy + 125), anchor="lm")
    label(cv, "dipstick", (cx + 240, cy - 195), (cx + 150, cy - 195), anchor="lm")
    label(cv, "batas oli", (cx + 240, cy + 120), (cx + 188, cy + 120), colour=RUST, anchor="lm")
    dial(cv, 690, 420, 42, 0.45, 8)
    cv.text(690, 490, "suhu kerja normal", "condensed-bold", 14, RUST, "mm")


def shift_handle(cv, x, y, pos):
    cv.arc(x, y, 70, 220, 320, width=2.5)
    for i, name in enumerate(("F", "N", "R")):
        a = math.radians(230 + 40 * i)
        cv.text(x + 88 * math.cos(a), y + 88 * math.sin(a), name, "condensed-bold", 17,
                RUST if i == pos else NAVY, "mm")
    a = math.radians(230 + 40 * pos)
    cv.line([(x, y), (x + 66 * math.cos(a), y + 66 * math.sin(a))], width=8)
    cv.circle(x + 66 * math.cos(a), y + 66 * math.sin(a), 12, fill=RUST, outline=None)
    cv.circle(x, y, 10, fill=NAVY, outline=None)


def draw_torqmatic_gear(cv):
    gearbox(cv, 180, 250, 580, 480, 400, 500, 380)
    shaft_gear(cv, 300, 360, 70, 18)
    shaft_gear(cv, 420, 360, 52, 14, phase=0.1)
    cv.line([(60, 360), (230, 360)], width=14)
    cv.line([(470, 360), (720, 360)], width=14)
    shift_handle(cv, 330, 250, 1)
    cv.rect((300, 236, 360, 252), fill=NAVY, outline=None)
    label(cv, "handel: NETRAL", (150, 170), colour=RUST, anchor="cm")
    label(cv, "dipstick", (620, 190), (515, 204), anchor="lm")
    label(cv, "mesin hidup stasioner", (60, 400), size=14, anchor="lm")
    label(cv, "ke propeller", (720, 395), size=14, anchor="rm")
    cv.text(670, 270, "200 jam", "bold", 20, RUST, "mm")
    cv.text(670, 296, "(6000 miles)", "condensed-bold", 14, RUST, "mm")


def draw_paragon_gear(cv):
    gearbox(cv, 160, 220, 560, 460, 370, 460, 300)
    shaft_gear(cv, 280, 330, 60, 16)
    shaft_gear(cv, 390, 330, 50, 14, phase=0.15)
    cv.line([(50, 330), (220, 330)], width=14)
    cv.line([(440, 330), (640, 330)], width=14)
    drops(cv, 300, 495, 1, 9)
    arrow(cv, (330, 482), (330, 520), RUST, 3)
    label(cv, "baut penguras", (360, 500), anchor="lm")
    label(cv, "dipstick", (560, 160), (475, 174), anchor="lm")
    dial(cv, 680, 210, 46, 0.17, 12)
    cv.text(680, 280, "2 menit", "condensed-bold", 18, RUST, "mm")
    cv.text(680, 300, "lalu mesin mati", "condensed-bold", 14, NAVY, "mm")
    # new gasket and element beside the housing
    cv.circle(690, 420, 44, outline=RUST, width=6)
    cv.rect((600, 398, 640, 450), fill=RUST_TINT, outline=RUST, width=2.5, radius=6)
    label(cv, "paking & elemen baru", (670, 500), colour=RUST, size=14, anchor="cm")
    label(cv, "200 jam", (110, 250), colour=RUST, anchor="cm")


def engine_block(cv, x0, y0, x1, y1, name="MESIN"):
    cv.rect((x0, y0, x1, y1), fill=NAVY_TINT, width=3.5, radius=10)
    for i in range(4):
        x = x0 + (x1 - x0) * (i + 0.5) / 4
        cv.rect((x - 16, y0 - 26, x + 16, y0), fill=NAVY_TINT, width=2.5)
    cv.text((x0 + x1) / 2, (y0 + y1) / 2, name, "condensed-bold", 17, NAVY, "mm")


def draw_reduction_single(cv):
    engine_block(cv, 40, 230, 240, 420)
    cv.rect((240, 280, 300, 370), fill=RUST_TINT, width=3)
    cv.line([(240, 325), (330, 325)], width=14)
    gearbox(cv, 330, 190, 620, 480, 410, 560, 470)
    shaft_gear(cv, 400, 325, 40, 12)
    shaft_gear(cv, 510, 360, 80, 24, phase=0.05)
    cv.line([(600, 360), (760, 360)], width=16)
    grease_nipple(cv, 270, 280)
    label(cv, "bantalan pelepas kopling", (60, 170), (270, 250), colour=RUST, anchor="lm")
    label(cv, "pinion", (400, 500), (400, 365), anchor="cm")
    label(cv, "gigi reduksi", (690, 470), (560, 420), anchor="lm")
    label(cv, "dipstick", (640, 130), (572, 144), anchor="lm")
    cv.text(700, 250, "8 jam", "bold", 22, RUST, "mm")


def strainer(cv, x0, y0, x1, y1):
    pts = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    mesh(cv, pts)
    cv.rect((x0 - 6, y0 - 12, x1 + 6, y0), fill=NAVY, outline=None, radius=3)


def draw_reduction_multiple(cv):
    engine_block(cv, 40, 150, 230, 270, "MESIN 1")
    engine_block(cv, 40, 390, 230, 510, "MESIN 2")
    gearbox(cv, 300, 170, 560, 500, 430, 500, 360)
    shaft_gear(cv, 360, 220, 36, 11)
    shaft_gear(cv, 360, 450, 36, 11)
    shaft_gear(cv, 440, 335, 96, 28, phase=0.08)
    cv.line([(230, 210), (360, 210)], width=12)
    cv.line([(230, 450), (360, 450)], width=12)
    cv.line([(440, 335), (680, 335)], width=16)
    # oil strainer taken out for cleaning
    strainer(cv, 640, 150, 720, 270)
    arrow(cv, (600, 250), (630, 230), RUST, 3)
    drops(cv, 760, 180, 2, 8, gap=30)
    label(cv, "saringan oli", (680, 300), anchor="cm")
    label(cv, "parsol (fuel oil)", (770, 140), colour=RUST, size=14, anchor="rm")
    label(cv, "ke propeller", (760, 375), size=14, anchor="rm")
    label(cv, "200 jam", (660, 470), colour=RUST, anchor="cm")


def draw_transmission(cv):
    gearbox(cv, 120, 200, 500, 480, 400, 430)
    cv.rect((260, 480, 360, 496), fill=NAVY, outline=None, radius=3)
    for x, ra, rb in ((200, 44, 36), (290, 32, 48), (380, 52, 28)):
        shaft_gear(cv, x, 275, ra, max(8, round(ra / 3.2)), hub=0.25)
        shaft_gear(cv, x, 275 + ra + rb - 4, rb, max(8, round(rb / 3.2)), hub=0.25)
    cv.line([(40, 275), (460, 275)], width=10)
    cv.line([(160, 355), (560, 355)], width=10)
    arrow(cv, (310, 500), (310, 530), RUST, 3)
    label(cv, "tutup penguras", (370, 520), anchor="lm")
    label(cv, "dipstick", (540, 140), (445, 154), anchor="lm")
    label(cv, "oli transmisi \"C2\"", (620, 430), (500, 430), colour=RUST, anchor="lm")
    # the oil filter on its pipes
    cv.line([(500, 260), (600, 260)], width=8)
    cv.line([(500, 320), (560, 320), (560, 380)], width=8)
    oil_filter(cv, 600, 200, 720, 380, ribs=False)
    label(cv, "filter oli", (660, 170), anchor="cm")


def locomotive(cv, cx, cy, k=1.0):
    """A diesel locomotive from the side, about 300 * k wide."""
    def P(x, y):
        return (cx + x * k, cy + y * k)

    cv.poly([P(-150, -20), P(70, -20), P(70, -70), P(150, -70), P(160, -50), P(160, 40), P(-160, 40),
             P(-160, -5)], fill=NAVY_TINT, width=3.5)
    cv.rect((*P(-160, 14), *P(160, 26)), fill=RUST, outline=None)
    for x in (82, 116):
        cv.rect((*P(x, -58), *P(x + 24, -34)), fill=PAPER, width=2.5)
    for x in range(-130, 60, 30):
        cv.line([P(x, -10), P(x, 10)], width=2)
    cv.rect((*P(-168, 40), *P(168, 52)), fill=NAVY, outline=None)
    for bx in (-95, 95):
        cv.rect((*P(bx - 55, 50), *P(bx + 55, 62)), fill=NAVY, outline=None)
        for wx in (-32, 32):
            cv.circle(*P(bx + wx, 72), 18 * k, fill=PAPER, width=3)
            cv.circle(*P(bx + wx, 72), 5 * k, fill=NAVY, outline=None)
    cv.line([P(-190, 91), P(190, 91)], width=4)


def draw_choose(cv):
    cx, cy, r = 250, 320, 170
    gear(cv, cx, cy, r, 24, fill=NAVY, outline=None, depth=20 / r)
    cv.circle(cx, cy, r - 34, fill=PAPER, width=3)
    cv.circle(cx, cy, r - 46, outline=RUST, width=1.5)
    locomotive(cv, cx, cy - 10, 0.68)
    steps = ("Pilih jenis perawatan", "Tekan tombol PROSES", "Baca petunjuk dan gambar")
    for i, s in enumerate(steps):
        y = 220 + i * 95
        cv.circle(480, y, 26, fill=RUST, outline=None)
        cv.text(480, y, str(i + 1), "bold", 24, PAPER, "mm")
        cv.text(520, y, s, "condensed-bold", 19, NAVY, "lm")
        if i < 2:
            cv.line([(480, y + 30), (480, y + 65)], width=2.5)


# ---------------------------------------------------------------- tune-up drawings


def head_block(cv, x0, x1, y0, y1, ports=()):
    pts = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    cv.poly(pts, fill=NAVY_TINT, outline=None)
    cv.hatch(pts, 14, 1.5)
    for px, pw in ports:
        cv.rect((px - pw / 2, y0, px + pw / 2, y1 + 2), fill=PAPER, outline=None)
        cv.line([(px - pw / 2, y0), (px - pw / 2, y1)], width=2.5)
        cv.line([(px + pw / 2, y0), (px + pw / 2, y1)], width=2.5)
    cv.line([(x0, y0), (x1, y0)], width=3)


def valve(cv, x, top, seat):
    """An exhaust valve: stem from `top` down to its head resting in the seat at `seat`."""
    cv.rect((x - 7, top, x + 7, seat - 14), fill=NAVY_TINT, width=2.5)
    cv.poly([(x - 7, seat - 16), (x + 7, seat - 16), (x + 34, seat + 4), (x - 34, seat + 4)], fill=NAVY_TINT, width=2.5)
    spring(cv, (x, top + 70), (x, seat - 60), 7, 26, 3)
    cv.rect((x - 32, top + 58, x + 32, top + 70), fill=NAVY, outline=None, radius=3)


def rocker(cv, pad, pivot, rod):
    """A rocker arm from the pad over the valve to the push-rod end, turning on its shaft."""
    (px, py), (qx, qy), (rx, ry) = pad, pivot, rod
    cv.poly([(px - 26, py - 4), (px - 26, py - 26), (qx, qy - 30), (rx + 20, ry - 26), (rx + 20, ry + 6),
             (qx, qy + 24), (px + 26, py)], fill=NAVY_TINT, width=3.5)
    cv.circle(qx, qy, 20, fill=PAPER, width=3.5)
    cv.circle(qx, qy, 7, fill=NAVY, outline=None)
    cv.rect((px - 14, py - 4, px + 14, py + 2), fill=NAVY, outline=None)


def push_rod(cv, x, top, bottom):
    thread(cv, x, top, x, top + 70, 8)
    hex_nut_side(cv, x, top + 38, 34, 16, fill=RUST_TINT)
    cv.rect((x - 6, top + 70, x + 6, bottom), fill=NAVY_TINT, width=2.5)
    cv.rect((x - 18, bottom, x + 18, bottom + 34), fill=NAVY_TINT, width=3, radius=8)


def clearance_table(cv, x, y, rows):
    cv.rect((x, y, x + 230, y + 34 + 34 * len(rows)), fill=PAPER, width=2)
    cv.rect((x, y, x + 230, y + 34), fill=NAVY, outline=None)
    cv.text(x + 115, y + 17, "KERENGGANGAN", "condensed-bold", 15, PAPER, "mm")
    for i, (name, value) in enumerate(rows):
        yy = y + 51 + 34 * i
        cv.text(x + 12, yy, name, "condensed-bold", 15, NAVY, "lm")
        cv.text(x + 218, yy, value, "bold", 17, RUST, "rm")
        if i:
            cv.line([(x, yy - 17), (x + 230, yy - 17)], width=1)


def draw_valve_2(cv):
    head_block(cv, 40, 560, 470, 530, [(170, 70)])
    valve(cv, 170, 262, 470)
    rocker(cv, (170, 250), (330, 238), (470, 250))
    push_rod(cv, 470, 262, 470)
    feeler(cv, (178, 256), 0, 50)
    label(cv, "feeler gauge .013\" (J9708)", (40, 170), (90, 240), colour=RUST, anchor="lm")
    label(cv, "rocker arm", (330, 150), (330, 210), anchor="cm")
    label(cv, "valve stem", (40, 380), (163, 380), anchor="lm")
    label(cv, "push rod", (560, 420), (476, 420), anchor="lm")
    label(cv, "mur pengunci (pas 1/2\")", (560, 300), (488, 300), anchor="lm")
    label(cv, "tahan push rod: pas 5/16\"", (560, 340), (478, 340), size=14, anchor="lm")
    clearance_table(cv, 540, 130, [("mesin dingin", ".013\""), ("panas 160-185°F", ".008\"")])


def draw_valve_4(cv):
    head_block(cv, 40, 560, 470, 530, [(120, 56), (230, 56)])
    for x in (120, 230):
        valve(cv, x, 300, 470)
    # the bridge over both stems with its adjusting screw
    cv.rect((90, 270, 260, 300), fill=NAVY_TINT, width=3)
    thread(cv, 245, 250, 245, 320, 6)
    hex_nut_side(cv, 245, 262, 26, 12)
    cv.rect((168, 300, 182, 340), fill=NAVY, outline=None)
    rocker(cv, (175, 258), (340, 238), (480, 250))
    push_rod(cv, 480, 262, 470)
    feeler(cv, (183, 264), 0, 50)
    label(cv, "feeler gauge .017\" (J9708)", (40, 170), (95, 250), colour=RUST, anchor="lm")
    label(cv, "bridge", (40, 320), (92, 290), anchor="lm")
    label(cv, "sekrup bridge: jangan disetel", (300, 330), (252, 300), size=14, anchor="lm")
    label(cv, "rocker arm", (340, 150), (340, 210), anchor="cm")
    label(cv, "setel di push rod", (570, 300), (498, 300), colour=RUST, anchor="lm")
    label(cv, "push rod", (570, 420), (486, 420), anchor="lm")
    clearance_table(cv, 540, 130, [("mesin dingin", ".017\""), ("lulus ukur", ".015\"")])


def injector(cv, x, top, bottom, follower=True):
    """A unit injector: follower and spring on top of the body, nozzle below."""
    body_top = top + 110
    cv.poly([(x - 50, body_top), (x + 50, body_top), (x + 50, bottom - 80), (x + 22, bottom - 40),
             (x + 10, bottom), (x - 10, bottom), (x - 22, bottom - 40), (x - 50, bottom - 80)],
            fill=NAVY_TINT, width=3.5)
    if follower:
        cv.rect((x - 26, top, x + 26, body_top), fill=PAPER, width=3)
        spring(cv, (x, top + 30), (x, body_top), 5, 42, 3)
        cv.rect((x - 46, top + 22, x + 46, top + 32), fill=NAVY, outline=None)
    return body_top


def draw_injector_timing(cv):
    x = 250
    body_top = injector(cv, x, 200, 520)
    # the rack entering the side of the body
    cv.rect((x + 50, body_top + 40, x + 140, body_top + 56), fill=NAVY_TINT, width=2.5)
    # timing gauge: small end in the hole of the body, flat part over the follower
    hole = x + 38
    cv.rect((hole - 6, body_top - 2, hole + 6, body_top + 16), fill=NAVY, outline=None)
    cv.rect((hole - 5, 150, hole + 5, body_top + 12), fill=RUST, outline=None)
    cv.rect((x - 40, 184, hole + 5, 200), fill=RUST_TINT, outline=RUST, width=3)
    cv.rect((hole - 14, 130, hole + 14, 184), fill=RUST_TINT, outline=RUST, width=3, radius=4)
    for yy in range(138, 180, 8):
        cv.line([(hole - 14, yy), (hole + 14, yy)], RUST, 1.2, caps=False)
    cv.text(hole + 24, 160, "J1853", "condensed-bold", 14, RUST, "lm")
    cv.line([(x - 40, 200), (x - 110, 200)], width=1.5)
    cv.line([(x - 50, body_top), (x - 110, body_top)], width=1.5)
    dimension(cv, (x - 100, 200), (x - 100, body_top), "1.460\"", RUST, side=-1)
    label(cv, "follower", (x + 110, 250), (x + 26, 250), anchor="lm")
    label(cv, "timing gauge", (x - 120, 150), (x - 30, 190), colour=RUST, anchor="cm")
    label(cv, "body injector", (x + 110, 400), (x + 50, 400), anchor="lm")
    label(cv, "rack", (x + 160, body_top + 48), anchor="lm")
    # gauge table
    tx, ty = 520, 200
    cv.rect((tx, ty, tx + 240, ty + 130), fill=PAPER, width=2)
    cv.rect((tx, ty, tx + 240, ty + 36), fill=NAVY, outline=None)
    cv.text(tx + 12, ty + 18, "Timing dimension", "condensed-bold", 14, PAPER, "lm")
    cv.text(tx + 228, ty + 18, "Gage", "condensed-bold", 14, PAPER, "rm")
    for i, (dim, gage, names) in enumerate(((("1.460\""), "J1853", "5S8, 6E8, S60, 70 ..."),
                                           (("1.484\""), "J1242", "HV55, HV6, 60"))):
        yy = ty + 60 + 44 * i
        cv.text(tx + 12, yy, dim, "bold", 18, RUST, "lm")
        cv.text(tx + 228, yy, gage, "condensed-bold", 17, NAVY, "rm")
        cv.text(tx + 12, yy + 18, names, "condensed", 12, NAVY, "lm")
        if i:
            cv.line([(tx, yy - 22), (tx + 240, yy - 22)], width=1)


def weight(cv, px, py, s, size=1.0):
    """A governor flyweight pivoting at (px, py); s = -1 above the shaft, +1 below."""
    k = size
    cv.poly([(px - 8, py), (px - 8, py + s * 70 * k), (px - 50 * k, py + s * 70 * k), (px - 50 * k, py + s * 100 * k),
             (px + 10, py + s * 100 * k), (px + 10, py + s * 12), (px + 40, py + s * 12), (px + 40, py)],
            fill=RUST_TINT, width=3)
    cv.circle(px, py + s * 4, 6, fill=PAPER, width=2.5)


def governor_section(cv, double=False, gap_x=350, y=330, gap=12):
    """Weights, riser, spring plunger, spring cap and governor spring, in section; the gap lies at gap_x."""
    cv.rect((60, y - 120, 480, y + 110), fill=PAPER, width=4, radius=10)
    cv.dashed((60, y - 150), (480, y - 150), width=2)
    cv.text(64, y - 158, "tutup governor dibuka", "condensed", 13, NAVY, "ls")
    cv.line([(30, y), (230, y)], width=10)
    if double:
        for s in (-1, 1):
            weight(cv, 120, y + s * 14, s, 0.8)
            weight(cv, 180, y + s * 14, s, 0.55)
    else:
        for s in (-1, 1):
            weight(cv, 160, y + s * 14, s)
    cv.rect((200, y - 44, 226, y + 44), fill=NAVY_TINT, width=3)
    cv.rect((226, y - 10, gap_x - 14, y + 10), fill=NAVY_TINT, width=2.5)
    cv.rect((gap_x - 14, y - 30, gap_x, y + 30), fill=NAVY_TINT, width=3)
    cv.rect((gap_x + gap, y - 34, gap_x + gap + 36, y + 34), fill=NAVY_TINT, width=3)
    cv.rect((480, y - 46, 620, y + 46), fill=PAPER, width=3.5, radius=6)
    spring(cv, (gap_x + gap + 36, y), (600, y), 8, 30, 3)
    cv.rect((596, y - 30, 606, y + 30), fill=NAVY, outline=None)
    thread(cv, 606, y, 700, y, 7)
    hex_nut_side(cv, 640, y, 34, 16, fill=RUST_TINT, vertical=False)
    return {"plunger": (gap_x - 7, y - 30), "cap": (gap_x + gap + 18, y + 34), "gap": gap_x + gap / 2,
            "nut": (640, y + 17)}


def draw_vsm_gap(cv):
    k = governor_section(cv)
    feeler(cv, (k["gap"], 345), 90, 110)
    lx, ly = 560, 284
    cv.circle(lx, ly, 10, fill=NAVY, outline=None)
    cv.line([(lx, ly), (640, 170)], width=10)
    cv.arc(lx, ly, 130, 280, 320, width=2)
    arrow(cv, (612, 180), (650, 178), RUST, 3)
    cv.text(668, 180, "MAX", "bold", 16, RUST, "lm")
    label(cv, "speed control lever", (690, 135), (632, 184), size=14, anchor="cm")
    label(cv, "feeler .006\"", (k["gap"] + 60, 150), colour=RUST, anchor="lm")
    label(cv, "spring plunger", (200, 500), (k["plunger"][0], 360), anchor="cm")
    label(cv, "plunger guide", (440, 500), k["cap"], anchor="cm")
    label(cv, "sekrup penyetel & mur pengunci", (740, 400), k["nut"], size=14, anchor="rm")


def draw_csm_gap(cv):
    k = governor_section(cv, gap_x=340)
    feeler(cv, (k["gap"], 345), 90, 110)
    # the fuel rod taken off the differential lever
    cv.line([(300, 250), (300, 215)], width=8)
    cv.circle(300, 250, 8, fill=NAVY, outline=None)
    cv.line([(330, 200), (470, 150)], width=8)
    cv.circle(330, 200, 8, fill=PAPER, width=3)
    arrow(cv, (380, 200), (430, 180), RUST, 3)
    label(cv, "fuel rod dilepas", (500, 140), anchor="lm")
    label(cv, "feeler .006\"", (k["gap"] + 40, 400), (k["gap"] + 2, 340), colour=RUST, anchor="lm")
    label(cv, "gap screw", (720, 250), (690, 320), anchor="rm")
    label(cv, "mur pengunci", (720, 420), k["nut"], anchor="rm")
    label(cv, "differential lever", (140, 500), (300, 262), anchor="cm")


def draw_lsm_single(cv):
    k = governor_section(cv, gap_x=340, gap=20)
    # gauge J 5407 between spring cap and spring plunger
    g = k["gap"]
    cv.rect((g - 8, 250, g + 8, 350), fill=RUST, outline=None)
    cv.rect((g - 40, 160, g + 40, 250), fill=RUST_TINT, outline=RUST, width=3, radius=6)
    cv.text(g, 192, "J 5407", "condensed-bold", 15, RUST, "mm")
    cv.text(g, 222, "0,170\"", "bold", 17, RUST, "mm")
    label(cv, "spring plunger", (200, 500), (k["plunger"][0], 360), anchor="cm")
    label(cv, "spring cap", (440, 500), k["cap"], anchor="cm")
    label(cv, "single weight", (60, 475), (110, 430), size=14, anchor="cm")
    label(cv, "gap adjusting screw", (740, 420), k["nut"], size=14, anchor="rm")
    cv.text(700, 200, "idle", "condensed-bold", 15, NAVY, "mm")
    cv.text(700, 228, "550 rpm", "bold", 20, RUST, "mm")


def draw_lsm_double(cv):
    k = governor_section(cv, double=True, gap_x=350, gap=12)
    g = k["gap"]
    screwdriver(cv, (g, 322), -70, 190)
    drops(cv, g + 34, 380, 2, 7, gap=24)
    label(cv, "low-speed spring cap", (440, 505), k["cap"], anchor="cm")
    label(cv, "high-speed plunger", (200, 505), (k["plunger"][0], 360), anchor="cm")
    label(cv, "double weight", (60, 475), (100, 420), size=14, anchor="cm")
    label(cv, "gerak 0,015\"", (g + 60, 440), (g + 8, 330), colour=RUST, anchor="lm")
    dial(cv, 700, 200, 44, 0.55, 10)
    cv.text(700, 268, "800 - 1000 rpm", "condensed-bold", 15, RUST, "mm")


def lever_on_tube(cv, x, ty, ry, screws=True):
    """A rack control lever clamped on the control tube, its arm down to the rack at ry."""
    cv.rect((x - 18, ty - 22, x + 18, ty + 22), fill=NAVY_TINT, width=3, radius=4)
    if screws:
        for s in (-1, 1):
            cv.line([(x + s * 10, ty - 22), (x + s * 18, ty - 48)], width=6)
            cv.rect((x + s * 18 - 7, ty - 56, x + s * 18 + 7, ty - 46), fill=NAVY, outline=None)
    cv.line([(x, ty + 22), (x - 30, ry)], width=9)
    cv.circle(x - 30, ry, 8, fill=PAPER, width=3)


def control_tube(cv, x0, x1, ty):
    cv.rect((x0, ty - 9, x1, ty + 9), fill=NAVY_TINT, width=3)
    for x in (x0 + 10, x1 - 10):
        cv.rect((x - 10, ty - 20, x + 10, ty + 20), fill=NAVY, outline=None)


def small_injector(cv, x, top, bottom):
    cv.rect((x - 20, top - 60, x + 20, top), fill=PAPER, width=2.5)
    spring(cv, (x, top - 50), (x, top), 4, 30, 2.5)
    cv.poly([(x - 40, top), (x + 40, top), (x + 40, bottom - 40), (x + 8, bottom), (x - 8, bottom),
             (x - 40, bottom - 40)], fill=NAVY_TINT, width=3)


def draw_rack_levers(cv):
    ty = 220
    control_tube(cv, 120, 740, ty)
    for i, x in enumerate((250, 390, 530, 670)):
        small_injector(cv, x, 380, 500)
        cv.rect((x - 80, 392, x - 40, 404), fill=NAVY_TINT, width=2)
        lever_on_tube(cv, x, ty, 398)
        cv.text(x, 460, "no." + str(i + 1), "condensed-bold", 14, NAVY, "mm")
    # fuel rod from the governor to the tube lever
    cv.rect((30, 150, 110, 300), fill=NAVY_TINT, width=3.5, radius=8)
    cv.text(70, 225, "GOV", "condensed-bold", 15, NAVY, "mm")
    cv.line([(110, 170), (150, 170)], width=7)
    cv.line([(150, 170), (150, ty)], width=7)
    curved_arrow(cv, 180, ty, 44, 150, 40, 3)
    arrow(cv, (170, 350), (120, 350), RUST, 3)
    label(cv, "FULL FUEL", (60, 370), colour=RUST, size=14, anchor="lm")
    label(cv, "control tube", (330, 150), (330, ty - 9), anchor="cm")
    label(cv, "rack control lever", (470, 320), (515, 300), size=14, anchor="rm")
    label(cv, "rack", (560, 410), (485, 398), size=14, anchor="lm")


def draw_rack_adjust(cv):
    cx, cy = 300, 275
    # control tube in section with its fixed tab; the lever's two screws bear on the tab
    cv.rect((cx - 70, cy - 110, cx + 70, cy + 30), fill=NAVY_TINT, width=3.5, radius=10)
    cv.rect((cx - 44, cy - 100, cx + 44, cy - 20), fill=PAPER, width=2.5)
    cv.circle(cx, cy, 26, fill=PAPER, width=3.5)
    cv.rect((cx - 9, cy - 96, cx + 9, cy - 22), fill=NAVY, outline=None)
    for s, name in ((-1, "sekrup dalam"), (1, "sekrup luar")):
        thread(cv, cx + s * 110, cy - 60, cx + s * 10, cy - 60, 7)
        cv.rect((cx + s * 110 - 8, cy - 74, cx + s * 110 + 8, cy - 46), fill=NAVY, outline=None)
        hex_nut_side(cv, cx + s * 86, cy - 60, 30, 14, fill=RUST_TINT, vertical=False)
        curved_arrow(cv, cx + s * 125, cy - 60, 30, 200 if s < 0 else -20, 320 if s < 0 else 100, 3)
        label(cv, name, (cx + s * 130, cy - 125), colour=RUST, anchor="cm")
    cv.line([(cx, cy + 30), (cx - 40, 420)], width=12)
    cv.text(cx - 60, cy + 80, "lever", "condensed-bold", 14, NAVY, "rm")
    cv.circle(cx - 40, 420, 10, fill=PAPER, width=3)
    cv.rect((cx - 40, 412, cx + 110, 428), fill=NAVY_TINT, width=2.5)
    small_injector(cv, cx + 150, 400, 510)
    arrow(cv, (cx + 40, 460), (cx - 30, 460), RUST, 3)
    label(cv, "full fuel", (cx + 50, 460), colour=RUST, size=14, anchor="lm")
    label(cv, "rack no.1", (cx + 30, 390), size=14, anchor="lm")
    # buffer screw protruding from its lock nut
    bx, by = 560, 250
    cv.rect((bx, by - 70, bx + 40, by + 70), fill=NAVY_TINT, width=3.5)
    cv.hatch([(bx + 2, by - 68), (bx + 38, by - 68), (bx + 38, by + 68), (bx + 2, by + 68)], 9)
    thread(cv, bx + 40, by, bx + 160, by, 8)
    hex_nut_side(cv, bx + 54, by, 36, 16, fill=RUST_TINT, vertical=False)
    cv.line([(bx + 62, by + 20), (bx + 62, by + 60)], width=1.5)
    cv.line([(bx + 160, by + 12), (bx + 160, by + 60)], width=1.5)
    dimension(cv, (bx + 62, by + 50), (bx + 160, by + 50), "5/8\"", RUST, side=-1)
    label(cv, "buffer screw", (bx + 100, by - 60), anchor="cm")


def shims_housing(cv, x0, y0, x1, y1, n=4):
    """A spring housing in section with its spring, stop and shim stack against the end wall."""
    cy = (y0 + y1) / 2
    cv.rect((x0, y0, x1, y1), fill=PAPER, width=3.5, radius=6)
    cv.rect((x0 - 60, cy - 10, x0 + 40, cy + 10), fill=NAVY_TINT, width=2.5)
    cv.rect((x0 + 40, cy - 34, x0 + 56, cy + 34), fill=NAVY_TINT, width=3)
    spring(cv, (x0 + 56, cy), (x1 - 70, cy), 7, 30, 3)
    cv.rect((x1 - 70, cy - 36, x1 - 56, cy + 36), fill=NAVY_TINT, width=3)
    for i in range(n):
        x = x1 - 50 + i * 10
        cv.rect((x, cy - 30, x + 6, cy + 30), fill=RUST, outline=None)
    return x1 - 50, cy


def draw_vsm_no_load(cv):
    sx, cy = shims_housing(cv, 140, 250, 560, 410)
    # the booster spring is taken off first
    cv.line([(160, 200), (420, 200)], NAVY, 2)
    spring(cv, (200, 200), (380, 200), 6, 12, 2.5)
    cv.line([(260, 180), (320, 220)], RUST, 4)
    cv.line([(260, 220), (320, 180)], RUST, 4)
    label(cv, "booster spring dilepas", (440, 200), anchor="lm")
    label(cv, "spring plunger", (120, 460), (160, cy + 10), anchor="cm")
    label(cv, "stop", (420, 460), (sx - 12, cy + 36), anchor="cm")
    label(cv, "shim", (560, 470), (sx + 16, cy + 30), colour=RUST, anchor="cm")
    cv.text(240, 500, ".001\" = kurang lebih 1 rpm", "condensed-bold", 16, RUST, "lm")
    dial(cv, 680, 290, 60, 0.72, 10, "rpm")
    cv.text(680, 385, "full load", "condensed-bold", 14, NAVY, "mm")
    cv.text(680, 405, "+ 125 - 150 rpm", "condensed-bold", 15, RUST, "mm")


def draw_vsm_idle(cv):
    px, py = 300, 360
    cv.circle(px, py, 30, fill=NAVY_TINT, width=3.5)
    cv.arc(px, py, 190, 195, 345, width=2)
    for ang, name in ((200, "IDLE"), (340, "MAX")):
        a = math.radians(ang)
        cv.text(px + 215 * math.cos(a), py + 215 * math.sin(a), name, "bold", 16,
                RUST if name == "IDLE" else NAVY, "mm")
    a = math.radians(200)
    cv.line([(px, py), (px + 180 * math.cos(a), py + 180 * math.sin(a))], width=14)
    cv.circle(px, py, 9, fill=NAVY, outline=None)
    # idle speed screw bearing on the lever, with its lock nut
    tip = (px + 120 * math.cos(a) - 4, py + 120 * math.sin(a) + 16)
    thread(cv, tip[0], tip[1], tip[0], tip[1] + 110, 7)
    hex_nut_side(cv, tip[0], tip[1] + 62, 32, 14, fill=RUST_TINT)
    cv.rect((tip[0] - 40, tip[1] + 70, tip[0] + 40, tip[1] + 84), fill=NAVY, outline=None)
    label(cv, "idle speed screw", (60, 500), (tip[0], tip[1] + 100), anchor="lm")
    label(cv, "speed control lever", (390, 290), (px - 80, py - 30), anchor="lm")
    # buffer screw backed out from the differential lever
    cv.rect((420, 430, 520, 470), fill=NAVY_TINT, width=3)
    thread(cv, 540, 450, 640, 450, 7)
    arrow(cv, (560, 490), (630, 490), RUST, 3)
    label(cv, "buffer screw mundur", (560, 515), size=14, anchor="lm")
    dial(cv, 660, 230, 54, 0.3, 10, "rpm")
    cv.text(660, 315, "500 - 600 rpm", "condensed-bold", 15, NAVY, "mm")
    cv.text(660, 336, "- 15 rpm", "bold", 17, RUST, "mm")


def draw_booster_spring(cv):
    # speed control lever, its slot and the booster spring to the eye bolt
    px, py = 110, 420
    ex, ey = 430, 330
    a = math.atan2(ey - py, ex - px) + 0.05
    tip = (px + 230 * math.cos(a), py + 230 * math.sin(a))
    cv.line([(px, py), tip], width=30)
    s0 = (px + 140 * math.cos(a), py + 140 * math.sin(a))
    s1 = (px + 215 * math.cos(a), py + 215 * math.sin(a))
    cv.line([s0, s1], PAPER, 10)
    cv.circle(px, py, 22, fill=NAVY_TINT, width=3.5)
    cv.circle(px, py, 7, fill=NAVY, outline=None)
    b = (px + 205 * math.cos(a), py + 205 * math.sin(a))
    spring(cv, b, (ex - 30, ey), 8, 12, 3)
    cv.circle(*b, 9, fill=RUST, outline=None)
    cv.dashed((px - 30 * math.cos(a - 0.05), py - 30 * math.sin(a - 0.05)), (ex + 60, ey - 14), RUST, 2)
    cv.rect((ex - 30, ey - 30, ex - 14, ey + 30), fill=NAVY, outline=None)
    thread(cv, ex - 14, ey, ex + 40, ey, 6)
    hex_nut_side(cv, ex + 10, ey, 28, 12, fill=RUST_TINT, vertical=False)
    label(cv, "speed control lever", (60, 250), (px + 90 * math.cos(a), py + 90 * math.sin(a) - 14), anchor="lm")
    label(cv, "eye bolt", (ex - 20, 250), (ex - 22, ey - 30), anchor="cm")
    label(cv, "poros lever", (px + 30, 490), (px, py + 22), anchor="lm")
    label(cv, "booster spring", (330, 440), (ex - 60, ey + 6), colour=RUST, anchor="cm")
    label(cv, "garis poros - eye bolt", (300, 200), (ex + 40, ey - 12), colour=RUST, size=14, anchor="cm")
    cv.line([(480, 140), (480, 520)], width=1.2)
    # the spring housing of the governor, with its shims
    sx, cy = shims_housing(cv, 560, 220, 760, 340, 3)
    label(cv, "shim .010\"", (640, 400), (sx + 12, cy + 30), colour=RUST, anchor="cm")
    cv.text(640, 428, "= kurang lebih 10 rpm", "condensed-bold", 14, NAVY, "mm")
    cv.text(640, 180, "spring housing", "condensed-bold", 15, NAVY, "mm")
    cv.text(640, 480, "maximum no-load speed", "condensed-bold", 14, NAVY, "mm")


def draw_control_rack(cv):
    ty = 210
    control_tube(cv, 100, 720, ty)
    for i, x in enumerate((260, 520)):
        small_injector(cv, x, 390, 510)
        cv.rect((x - 80, 402, x - 40, 414), fill=NAVY_TINT, width=2)
        lever_on_tube(cv, x, ty, 408)
        cv.text(x, 470, "no." + str(i + 1), "bold", 16, NAVY, "mm")
    for s in (-1, 1):
        curved_arrow(cv, 260 + s * 30, ty - 52, 22, 200 if s < 0 else -20, 330 if s < 0 else 110, 3, RUST, 9)
    label(cv, "1/8 putaran", (260, 130), colour=RUST, anchor="cm")
    # screwdriver pressing rack no.1 down to check that it springs back
    screwdriver(cv, (206, 402), -120, 170)
    arrow(cv, (150, 420), (150, 460), RUST, 3)
    label(cv, "rack no.1: FULL FUEL", (60, 500), colour=RUST, anchor="lm")
    label(cv, "control tube", (640, 150), (640, ty - 9), anchor="cm")
    label(cv, "pin fuel rod", (700, 275), (700, ty + 30), anchor="cm")
    cv.rect((692, ty + 8, 708, ty + 30), fill=NAVY, outline=None)
    label(cv, "no.2 disetel terhadap no.1", (585, 350), size=14, anchor="lm")


def hydraulic_governor(cv, x0, y0, x1, y1):
    cv.rect((x0, y0, x1, y1), fill=NAVY_TINT, width=3.5, radius=16)
    cv.rect((x0 - 12, y0 - 20, x1 + 12, y0 + 6), fill=NAVY, outline=None, radius=6)
    for y in range(y0 + 40, y1 - 10, 36):
        cv.line([(x0 + 16, y), (x1 - 16, y)], width=1.5)
    cv.text((x0 + x1) / 2, y1 - 30, "HYDRAULIC", "condensed-bold", 14, NAVY, "mm")


def draw_fuel_rod(cv):
    hydraulic_governor(cv, 50, 200, 230, 480)
    y = 300
    cv.rect((230, y - 8, 640, y + 8), fill=NAVY_TINT, width=2.5)
    thread(cv, 470, y, 640, y, 9)
    hex_nut_side(cv, 470, y, 48, 30, vertical=False)
    hex_nut_side(cv, 560, y, 42, 18, fill=RUST_TINT, vertical=False)
    cv.circle(680, y, 40, fill=NAVY_TINT, width=3.5)
    cv.rect((640, y - 10, 650, y + 10), fill=NAVY, outline=None)
    cv.line([(485, y - 26), (485, y - 90)], width=1.5)
    cv.line([(551, y - 14), (551, y - 90)], width=1.5)
    dimension(cv, (485, y - 80), (551, y - 80), "3/16\"", RUST)
    arrow(cv, (690, y + 60), (740, y + 100), RUST, 3)
    label(cv, "fuel rod", (330, 390), (330, y + 8), anchor="cm")
    label(cv, "mur fuel rod", (470, 420), (470, y + 24), anchor="cm")
    label(cv, "mur pengunci", (580, 380), (560, y + 21), colour=RUST, anchor="lm")
    label(cv, "knob", (680, 220), (680, y - 40), anchor="cm")
    label(cv, "lepas, lalu pasang kembali", (560, 480), size=14, anchor="cm")


def draw_rod_levers(cv):
    hydraulic_governor(cv, 40, 190, 200, 470)
    ty = 240
    control_tube(cv, 280, 740, ty)
    for x in (420, 600):
        lever_on_tube(cv, x, ty, 420)
        small_injector(cv, x + 40, 400, 510)
    # fuel rod from the governor to the tube lever, pulled out to feel its travel
    cv.line([(360, ty), (360, 360)], width=10)
    cv.line([(200, 360), (360, 360)], width=8)
    cv.circle(360, 360, 8, fill=PAPER, width=3)
    arrow(cv, (250, 390), (210, 390), RUST, 3)
    cv.line([(300, 350), (300, 300)], width=1.5)
    cv.line([(330, 350), (330, 300)], width=1.5)
    dimension(cv, (300, 312), (330, 312), "", RUST)
    label(cv, "gerak 1/32\" - 1/16\"", (230, 160), (315, 300), colour=RUST, anchor="cm")
    label(cv, "tarik fuel rod", (210, 420), size=14, anchor="lm")
    label(cv, "control tube lever", (460, 150), (400, ty - 60), anchor="lm")
    for s in (-1, 1):
        curved_arrow(cv, 600 + s * 30, ty - 52, 22, 200 if s < 0 else -20, 330 if s < 0 else 110, 3, RUST, 9)
    label(cv, "1/8 putaran", (700, 160), colour=RUST, anchor="cm")
    label(cv, "lever no.1 & no.2", (620, 470), size=14, anchor="lm")


def draw_load_limit(cv):
    # centre cover boss with the load limit screw; fuel rod collar and terminal lever inside
    cv.rect((60, 180, 430, 480), fill=NAVY_TINT, width=3.5, radius=16)
    cv.rect((120, 230, 380, 440), fill=PAPER, width=3)
    cv.rect((430, 270, 490, 360), fill=NAVY_TINT, width=3.5)
    cv.hatch([(432, 272), (488, 272), (488, 358), (432, 358)], 9)
    thread(cv, 360, 315, 660, 315, 9)
    hex_nut_side(cv, 510, 315, 44, 20, fill=RUST_TINT, vertical=False)
    cv.line([(490, 360), (490, 420)], width=1.5)
    cv.line([(660, 330), (660, 420)], width=1.5)
    dimension(cv, (490, 405), (660, 405), "2\"", RUST, side=-1)
    # terminal lever and fuel-rod collar with the .020 gap
    cv.line([(200, 250), (200, 420)], width=12)
    cv.circle(200, 420, 9, fill=PAPER, width=3)
    cv.line([(130, 330), (350, 330)], width=10)
    cv.rect((212, 310, 232, 350), fill=NAVY_TINT, width=3)
    cv.rect((350, 300, 360, 330), fill=NAVY, outline=None)
    feeler(cv, (206, 300), 90, 70, 3)
    label(cv, "celah .020\"", (300, 200), (207, 300), colour=RUST, anchor="lm")
    label(cv, "terminal lever", (120, 470), (196, 400), size=14, anchor="cm")
    label(cv, "collar fuel rod", (290, 470), (222, 350), size=14, anchor="cm")
    label(cv, "boss tutup tengah", (460, 220), (460, 270), anchor="cm")
    label(cv, "sekrup load limit", (640, 260), (620, 306), anchor="cm")


def draw_speed_droop(cv):
    # droop bracket with its bolt in the slot
    cv.rect((60, 200, 380, 300), fill=NAVY_TINT, width=3.5, radius=10)
    cv.rect((110, 236, 330, 264), fill=PAPER, width=2.5, radius=14)
    cv.circle(220, 250, 16, fill=RUST, outline=None)
    cv.circle(220, 250, 6, fill=PAPER, outline=None)
    arrow(cv, (240, 320), (330, 320), RUST, 3)
    arrow(cv, (200, 320), (110, 320), NAVY, 3)
    cv.text(335, 345, "keluar: droop +", "condensed-bold", 15, RUST, "rm")
    cv.text(105, 372, "masuk: droop -", "condensed-bold", 15, NAVY, "lm")
    cv.circle(60, 250, 14, fill=NAVY, outline=None)
    label(cv, "speed droop bracket", (220, 170), (220, 200), anchor="cm")
    cv.text(220, 420, "putar: 5% di atas full load", "condensed-bold", 15, NAVY, "mm")
    # speed against load: the droop line
    gx0, gy0, gx1, gy1 = 470, 160, 750, 450
    cv.line([(gx0, gy0), (gx0, gy1), (gx1, gy1)], width=3)
    arrow(cv, (gx0, gy0 + 20), (gx0, gy0 - 6), NAVY, 3, head=10)
    arrow(cv, (gx1 - 20, gy1), (gx1 + 6, gy1), NAVY, 3, head=10)
    y_nl, y_fl = 230, 330
    cv.line([(gx0, y_nl), (gx1 - 30, y_fl)], RUST, 4)
    cv.dashed((gx0, y_fl), (gx1 - 30, y_fl), width=1.5)
    cv.dashed((gx1 - 30, y_fl), (gx1 - 30, gy1), width=1.5)
    dimension(cv, (gx0 + 30, y_nl + 10), (gx0 + 30, y_fl), "5 %", RUST, side=1)
    cv.text(gx0 - 10, y_nl, "no-load", "condensed-bold", 13, NAVY, "rm")
    cv.text(gx0 - 10, y_fl, "full load", "condensed-bold", 13, NAVY, "rm")
    cv.text(gx0 + 8, gy0 - 4, "rpm", "condensed-bold", 14, NAVY, "lm")
    cv.text(gx1, gy1 + 22, "beban", "condensed-bold", 14, NAVY, "rm")


def draw_shutoff_linkage(cv):
    # air cylinder, its rod with the turnbuckle, the slotted end on the control-tube lever pin
    y = 320
    cv.rect((40, y - 50, 240, y + 50), fill=NAVY_TINT, width=3.5, radius=12)
    cv.rect((200, y - 40, 214, y + 40), fill=NAVY, outline=None)
    cv.line([(30, y - 30), (40, y - 30)], width=6)
    cv.text(120, y, "AIR CYLINDER", "condensed-bold", 14, NAVY, "mm")
    cv.rect((240, y - 7, 360, y + 7), fill=NAVY_TINT, width=2.5)
    hex_nut_side(cv, 330, y, 32, 14, fill=RUST_TINT, vertical=False)
    thread(cv, 360, y, 400, y, 7)
    cv.rect((400, y - 18, 490, y + 18), fill=NAVY_TINT, width=3, radius=4)
    cv.rect((420, y - 8, 470, y + 8), fill=PAPER, width=2)
    thread(cv, 490, y, 530, y, 7)
    cv.rect((530, y - 7, 580, y + 7), fill=NAVY_TINT, width=2.5)
    cv.rect((580, y - 20, 680, y + 20), fill=NAVY_TINT, width=3, radius=20)
    cv.rect((596, y - 7, 664, y + 7), fill=PAPER, width=2, radius=7)
    # control tube lever with its pin at the end of the slot
    cv.circle(680, 470, 20, fill=NAVY_TINT, width=3.5)
    cv.line([(680, 470), (658, y)], width=12)
    cv.circle(658, y, 7, fill=RUST, outline=None)
    curved_arrow(cv, 445, y, 40, 200, 470, 3)
    label(cv, "turnbuckle", (445, 220), anchor="cm")
    label(cv, "1 putaran", (445, 385), colour=RUST, anchor="cm")
    label(cv, "mur pengunci", (300, 420), (330, y + 16), anchor="cm")
    label(cv, "ujung slot menyentuh pin", (640, 230), (658, y - 8), colour=RUST, size=14, anchor="cm")
    label(cv, "control tube lever", (560, 500), (670, 450), size=14, anchor="cm")
    arrow(cv, (560, 450), (610, 450), NAVY, 3)
    label(cv, "racks: full fuel", (555, 450), size=14, anchor="rm")


# ---------------------------------------------------------------- the plates

M_DIR = "delpi_hasil/gambar/maintance/"
T_DIR = "delpi_hasil/gambar/tuneup/"
VSM = "Governor variable speed mechanical [ VSM ]"
CSM = "Governor constant speed mechanical [ CSM ]"
HYD = "Governor hydraulic"


def maint(number, title, caption_en, text, draw):
    return Plate(M_DIR + "gbm_" + number + ".jpg", number, title, caption_en, text, draw)


def tune(number, name, title, subtitle, text, draw):
    return Plate(T_DIR + name, number, title, subtitle, text, draw)


PLATES = [
    Plate("delpi_hasil/ker3.jpg", "00", "Pilih Jenis Perawatan", "Sistem perawatan komponen mesin lokomotif",
          "Pilih salah satu jenis perawatan, lalu tekan tombol PROSES.", draw_choose),
    maint("1,2", "Oli Mesin dan Penyaringan Oli", "engine oil and oil filter",
          "Periksa oli setiap hari sebelum mesin distater; ganti elemen filter setiap ganti oli.",
          draw_engine_oil),
    maint("3,4", "Air pendingin dan Filter", "Coolant and Filter",
          "Periksa air pendingin setiap hari; tutup radiator dan tangki heat exchanger harus rapat.",
          draw_coolant),
    maint("5", "Radiator", "Radiator",
          "Bersihkan dengan cairan pembersih lalu tiup dengan udara tekan; jangan memakai solar atau bensin.",
          draw_radiator),
    maint("6", "Heat exchanger", "Heat exchanger",
          "Buang air laut setiap 500 jam; periksa inti heat exchanger dan elektroda seng.",
          draw_heat_exchanger),
    maint("7", "Pompa Air Laut", "Raw water pump",
          "Mesin tidak boleh hidup tanpa air laut; pancing pompa dengan air melalui lubang baut sumbat.",
          draw_raw_water_pump),
    maint("9", "Saringan Oli dan Filter", "Fuel strainer and Filter",
          "Ganti elemen setiap 300 jam atau 9000 miles, atau bila elemen sudah buntu.",
          draw_fuel_filters),
    maint("10", "Saringan Udara", "Air cleaner",
          "Saringan basah: ganti oli kotor setiap 6000 miles; saringan kering: bersihkan atau ganti elemen.",
          draw_air_cleaner),
    maint("11", "Air Box Drain", "Air box drain",
          "Periksa hembusan udara dari air box drain setiap 1000 jam atau 30.000 miles.",
          draw_air_box_drain),
    maint("12", "Sistem Ventilasi mesin", "Ventilating",
          "Buka dan bersihkan breather setiap 1000 jam atau 30.000 miles.",
          draw_breather),
    maint("13", "sudu-sud blower", "Blower screen",
          "Periksa sudu-sudu blower dan paking perapatnya setiap 1000 jam atau 30.000 miles.",
          draw_blower),
    maint("14", "Motor Stater", "Starting motor",
          "Beri beberapa tetes oli mesin pada roda bebas setiap overhaul motor stater.",
          draw_starting_motor),
    maint("15", "Generator Pengisian Baterai", "Battery charging generator",
          "Lumasi bantalan 5-6 tetes oli setiap 200 jam; bersihkan komutator setiap 2000 jam.",
          draw_charging_generator),
    maint("17", "Tachometer atau alat ukur RPM meter", "Tachometer",
          "Lumasi setiap 1000 jam: gemuk no.2 di atas +30 F, gemuk no.1 di bawah +30 F.",
          draw_tachometer),
    maint("18", "Kontrol Gas dan Kopling", "trottle and Clutch control",
          "Lumasi kontrol gas dengan gemuk setiap 200 jam; tuas kopling dengan oli mesin.",
          draw_throttle_clutch),
    maint("20", "Tali Kipas", "Drive belts",
          "Setel kembali ketegangan V-belt baru setelah mesin hidup kurang lebih 15 menit.",
          draw_drive_belts),
    maint("21", "Over Speed Governor", "Over speed governor",
          "Beri 5-6 tetes oli setiap 500 jam; jangan melumasi saat governor berputar.",
          draw_overspeed_governor),
    maint("22", "Bantalan Kipas", "Fan hub bearings",
          "Lumasi bearing kipas dengan Texaco Premium RB grease setiap 700 jam.",
          draw_fan_hub),
    maint("24", "Sistem hidrostater", "Hydrostater system",
          "Jaga jumlah oli hidrolik; tambahkan oli dengan kekentalan yang telah ditentukan.",
          draw_hydrostarter),
    maint("26", "Turbo Charger", "Turbo charger",
          "Tanpa jadwal tertentu: perhatikan unjuk kerja mesin, suara gemerisik dan kebocoran oli.",
          draw_turbocharger),
    maint("27", "Power Generator", "Power generator",
          "Satu titik pelumasan: bantalan pada tutup ujung; ganti oli setiap enam bulan sekali.",
          draw_power_generator),
    maint("28", "Kolping", "Power take off",
          "Lumasi bantalan kopling dengan gemuk shell alvania no.2; tuas-tuas kopling dengan oli.",
          draw_power_take_off),
    maint("29", "Torqmatic Converter", "Torqmatic converter",
          "Periksa oli setiap hari, mesin hidup stasioner pada suhu kerja normal.",
          draw_torque_converter),
    maint("30", "Torqmatic Marine Gear", "Torqmatic marine gear",
          "Periksa oli dengan handel pada posisi netral dan mesin hidup stasioner.",
          draw_torqmatic_gear),
    maint("31", "Paragon Marine Gear", "Paragon marine gear",
          "Hidupkan mesin kurang lebih dua menit, matikan, lalu periksa oli dengan dipstick.",
          draw_paragon_gear),
    maint("32", "Gigi Reduksi Pada Mesin Tunggal", "Reduction",
          "Periksa oli dengan dipstick setiap 8 jam; ganti oli setiap 1000 jam.",
          draw_reduction_single),
    maint("34", "Reduction Gear (Multiple Marine)", "Reduction gear",
          "Ganti oli setiap 200 jam; bersihkan saringan oli dengan parsol (fuel oil).",
          draw_reduction_multiple),
    maint("35,36", "Verseneling dan Saringan Oli", "Transmission, Verseneling",
          "Periksa oli verseneling dengan dipstick saat mesin stop; ganti filter setiap ganti oli.",
          draw_transmission),
    tune("T-1", "gbt_2 valve.jpg", "Menyetel Kerenggangan Valve Pengeluaran",
         "Mesin dengan 2 valve  ·  exhaust valve clearance adjustment",
         "Feeler gauge .013\" J9708 di antara valve stem dan rocker arm; setel push rod, lalu kunci.",
         draw_valve_2),
    tune("T-2", "gbt_4 valve.jpg", "Menyetel Kerenggangan Valve Pengeluaran",
         "Mesin dengan 4 valve  ·  exhaust valve bridge",
         "Feeler gauge .017\" di antara bridge dan rocker arm; setel pada push rod, bukan sekrup bridge.",
         draw_valve_4),
    tune("T-3", "gbt_tfi.jpg", "Waktu Penyemprotan Bahan Bakar", "Timing fuel injector",
         "Ujung kecil timing gauge masuk lubang body injector; bagian datarnya tepat melewati follower.",
         draw_injector_timing),
    tune("T-4", "gbt_hlm24.jpg", "Menyetel Governor Gap", VSM,
         "Celah .006\" antara spring plunger dan plunger guide; speed control lever pada maksimum.",
         draw_vsm_gap),
    tune("T-5", "gbt_hlm25.jpg", "Posisi Injector Rack Control Levers", VSM,
         "Posisi lever menentukan jumlah bahan bakar dan menyamakannya untuk setiap silinder.",
         draw_rack_levers),
    tune("T-6", "gbt_hlm25.2.jpg", "Menyetel Injektor Rack Control", VSM,
         "Putar sekrup dalam hingga lever mulai naik (full fuel), lalu sekrup luar; kencangkan bergantian.",
         draw_rack_adjust),
    tune("T-7", "gbt_hlm16.jpg", "Menyetel Maksimum No-Load Speed", VSM,
         "No-load 125 - 150 rpm di atas full load speed; tiap shim .001\" menaikkan kurang lebih 1 rpm.",
         draw_vsm_no_load),
    tune("T-8", "gbt_hlm27.jpg", "Menyetel Idle Speed", VSM,
         "Setel kurang lebih 15 rpm di bawah idle speed yang dianjurkan (500 - 600 rpm).",
         draw_vsm_idle),
    tune("T-9", "gbt_hlm17.jpg", "Booster Spring dan Maksimum No-Load Speed",
         "Governor mekanis  ·  speed control lever dan spring housing",
         "Pusat eye bolt segaris atau sedikit di bawah garis poros lever; shim .010\" = kurang lebih 10 rpm.",
         draw_booster_spring),
    tune("T-10", "gbt_hlm29.jpg", "Menyetel Governor Gap", CSM,
         "Periksa celah governor dengan feeler .006\"; setel gap screw lalu kencangkan mur pengunci.",
         draw_csm_gap),
    tune("T-11", "gbt_hlm30.jpg", "Menentukan Posisi Control Rack", CSM,
         "Rack no.1 pada FULL FUEL sebagai patokan; koreksi sekrup kira-kira 1/8 putaran.",
         draw_control_rack),
    tune("T-12", "gbt_hlm33.jpg", "Menyetel Fuel Rod", HYD,
         "Mur pengunci 3/16\" dari ujung mur fuel rod; pasang kembali knob lalu kencangkan.",
         draw_fuel_rod),
    tune("T-13", "gbt_hlm34.1.jpg", "Posisi Injector Rod Control Lever", HYD,
         "Tarik fuel rod: gerak 1/32\" - 1/16\"; koreksi sekrup dalam atau luar kira-kira 1/8 putaran.",
         draw_rod_levers),
    tune("T-14", "gbt_hlm35.jpg", "Menyetel Load Limit", HYD,
         "Sekrup load limit 2\" dari muka boss; celah .020\" antara collar fuel rod dan terminal lever.",
         draw_load_limit),
    tune("T-15", "gbt_hlm36.jpg", "Menyetel Speed Droop", HYD,
         "No-load kira-kira 5 % di atas full load; geser bracket keluar untuk droop yang lebih besar.",
         draw_speed_droop),
    tune("T-16", "gbt_lsg.jpg", "Menyetel Governor Gap - Single Weight",
         "Governor limiting speed mechanical [ LSM ] single range",
         "Celah spring cap dan spring plunger diukur dengan gauge J 5407 (0,170\"); idle 550 rpm.",
         draw_lsm_single),
    tune("T-17", "gbt_lsg 2.jpg", "Menyetel Governor Gap - Double Weight",
         "Governor limiting speed mechanical [ LSM ] single dan dual range",
         "Mesin 800 - 1000 rpm: ungkit celah dengan obeng; gerakan 0,015\" terlihat dari tetesan oli.",
         draw_lsm_double),
    tune("T-18", "gbt_hlm20.jpg", "Menyetel Linkage Air Shut-Off",
         "Governor LSM dual range  ·  fuel shut-off air cylinder",
         "Panjangkan rod hingga ujung slot menyentuh pin, lalu pendekkan satu putaran turnbuckle.",
         draw_shutoff_linkage),
]


def main():
    default = Path(__file__).resolve().parent.parent / "tutorials" / "pictures"
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    only = sys.argv[2:]
    unmatched = [o for o in only if not any(o in plate.path for plate in PLATES)]
    if unmatched:
        sys.exit("No plate path contains: " + ", ".join(unmatched))
    for plate in PLATES:
        if only and not any(o in plate.path for o in only):
            continue
        path = root / plate.path
        path.parent.mkdir(parents=True, exist_ok=True)
        save_jpeg(plate.render(), path, quality=80, subsampling="4:2:0")
        print(path.relative_to(root), path.stat().st_size)


if __name__ == "__main__":
    main()
