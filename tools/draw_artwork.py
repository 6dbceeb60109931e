#!/usr/bin/python3
"""Draws every picture embedded in the program's windows.

Each picture is designed in the coordinates of the box the window shows it
in, drawn oversampled and then resampled to the stored size. A stretched
picture is therefore stored distorted and looks right on screen.

It also draws the program's icon (see icon.py) into the hicolor theme.

Usage: draw_artwork.py [assets folder [name ...]]
The folder defaults to assets: pictures go to its pictures/ folder, the icon
to icons/hicolor/. Naming pictures (file names, or "icon") draws only those.
"""

import math
import random
import sys
from pathlib import Path

import icon
from drawing import (AMBER, AMBER_DARK, CHARCOAL, GLASS, NAVY, NAVY_DEEP, NAVY_LIGHT, RED,
                     STEEL, STEEL_DARK, STEEL_LIGHT, TEAL, TEAL_DEEP, TEAL_LIGHT, WHITE, Canvas,
                     alpha, arrow, dimension, gear, mix, save_jpeg)

JPEG_QUALITY = 85


def save(c, out):
    picture = c.picture()
    # Small pictures keep full colour resolution so thin red and amber lines stay crisp.
    small = picture.width * picture.height <= 200 * 200
    save_jpeg(picture, out, JPEG_QUALITY, 0 if small else 2)
    return picture.size


# Motifs --------------------------------------------------------------------

def grid(c, step, colour, major=0, major_colour=None, box=None):
    x0, y0, x1, y1 = box or (0, 0, c.width, c.height)
    with c.layer():
        i = 0
        x = x0
        while x <= x1:
            strong = major and i % major == 0
            c.line([(x, y0), (x, y1)], major_colour if strong else colour,
                   1.0 if strong else 0.6)
            x += step
            i += 1
        i = 0
        y = y0
        while y <= y1:
            strong = major and i % major == 0
            c.line([(x0, y), (x1, y)], major_colour if strong else colour,
                   1.0 if strong else 0.6)
            y += step
            i += 1


def rails(c, x0, x1, y, s, rail=STEEL, sleeper=STEEL_DARK, step=None):
    """A straight track seen from the side; y is the rail top, s the loco scale."""
    step = step or 60 * s
    x = x0 + step / 2
    while x < x1:
        c.rect((x - 18 * s, y + 6 * s, x + 18 * s, y + 14 * s), fill=sleeper)
        x += step
    c.rect((x0, y, x1, y + 6 * s), fill=rail)
    c.rect((x0, y, x1, y + 1.5 * s), fill=mix(rail, WHITE, 0.5))


def power_symbol(c, cx, cy, r, colour, width):
    c.arc(cx, cy, r, -60, 240, colour, width)
    c.line([(cx, cy - r * 1.15), (cx, cy - r * 0.15)], colour, width)


def wheel(c, cx, cy, r, tyre=CHARCOAL, disc=STEEL, hub=STEEL_LIGHT):
    c.circle(cx, cy, r, fill=tyre)
    c.circle(cx, cy, r * 0.78, fill=disc)
    c.circle(cx, cy, r * 0.62, fill=mix(disc, CHARCOAL, 0.35))
    c.circle(cx, cy, r * 0.25, fill=hub)


def locomotive(c, x, y, s, body=STEEL_LIGHT, band=TEAL, stripe=AMBER):
    """A six-axle hood-unit diesel locomotive seen from its left side.

    The drawing is 1000 units long; (x, y) is its rear end at rail top and
    s the size of one unit. It faces right.
    """
    def P(px, py):
        return (x + px * s, y + py * s)

    def R(x0, y0, x1, y1):
        return (x + x0 * s, y + y0 * s, x + x1 * s, y + y1 * s)

    # Running gear.
    for bx in (222, 778):
        c.rect(R(bx - 118, -80, bx + 118, -44), fill=STEEL_DARK, radius=6 * s)
        for ax in (bx - 72, bx, bx + 72):
            c.rect(R(ax - 14, -92, ax + 14, -78), fill=mix(STEEL_DARK, STEEL, 0.3))
            for k in range(4):
                c.line([P(ax - 12, -90 + k * 3.5), P(ax + 12, -88 + k * 3.5)], STEEL, 1.2 * s)
            wheel(c, P(ax, -30)[0], P(ax, -30)[1], 30 * s)
        c.rect(R(bx - 60, -66, bx + 60, -58), fill=mix(STEEL_DARK, CHARCOAL, 0.5))
    c.rect(R(366, -82, 634, -38), fill=mix(CHARCOAL, STEEL_DARK, 0.6), radius=12 * s)
    c.rect(R(380, -76, 620, -72), fill=mix(STEEL_DARK, STEEL, 0.5))
    # Pilots and couplers.
    c.poly([P(18, -112), P(44, -112), P(44, -40), P(26, -40)], fill=CHARCOAL)
    c.poly([P(956, -112), P(982, -112), P(974, -40), P(956, -40)], fill=CHARCOAL)
    for sx0 in (20, 960):
        for k in range(3):
            c.poly([P(sx0 + 4, -104 + k * 22), P(sx0 + 20, -104 + k * 22),
                    P(sx0 + 20, -96 + k * 22), P(sx0 + 4, -88 + k * 22)], fill=stripe)
    c.rect(R(0, -98, 20, -86), fill=STEEL)
    c.rect(R(980, -98, 1000, -86), fill=STEEL)
    # Main frame with the walkway edge.
    c.rect(R(30, -124, 970, -100), fill=mix(NAVY, CHARCOAL, 0.4))
    c.rect(R(30, -124, 970, -120), fill=mix(STEEL, WHITE, 0.2))
    # Long hood, cab and short hood.
    light, shade = mix(body, WHITE, 0.55), mix(body, STEEL, 0.35)
    c.gradient(R(58, -268, 692, -124), light, shade, shape="rrect", radius=10 * s)
    c.gradient(R(688, -330, 840, -124), light, shade, shape="rrect", radius=8 * s)
    c.rect(R(680, -338, 848, -322), fill=mix(body, STEEL, 0.55), radius=6 * s)
    c.poly([P(836, -232), P(928, -232), P(958, -200), P(958, -124), P(836, -124)],
           fill=mix(light, shade, 0.5))
    c.line([P(836, -232), P(928, -232), P(958, -200)], light, 2 * s)
    # Livery band and pinstripe.
    c.rect(R(58, -170, 958, -124), fill=band)
    c.rect(R(58, -178, 958, -172), fill=stripe)
    c.rect(R(58, -130, 958, -124), fill=mix(band, NAVY, 0.45))
    # Long hood details: doors, louvres, fans, exhaust.
    for dx in range(108, 680, 72):
        c.line([P(dx, -262), P(dx, -180)], mix(body, STEEL, 0.5), 1.2 * s)
    for gx in (120, 264, 480):
        for k in range(9):
            lx = gx + k * 10
            c.rect(R(lx, -248, lx + 5, -196), fill=mix(body, STEEL_DARK, 0.55))
    c.rect(R(540, -252, 660, -196), fill=mix(body, STEEL, 0.45), radius=4 * s)
    for k in range(6):
        c.line([P(548, -244 + k * 9), P(652, -244 + k * 9)], mix(body, STEEL_DARK, 0.5), 1.5 * s)
    for fx in (140, 300):
        c.rect(R(fx, -282, fx + 110, -266), fill=mix(body, STEEL, 0.6), radius=5 * s)
    c.rect(R(420, -286, 446, -266), fill=STEEL_DARK)
    # Cab windows, door and number plate.
    for wx0, wx1 in ((708, 758), (772, 824)):
        c.rect(R(wx0, -308, wx1, -246), fill=GLASS, radius=6 * s)
        c.poly([P(wx0 + 6, -300), P(wx0 + 20, -300), P(wx0 + 6, -278)],
               fill=mix(GLASS, TEAL_LIGHT, 0.45))
    c.rect(R(772, -236, 824, -176), outline=mix(body, STEEL, 0.6), width=1.5 * s, radius=3 * s)
    c.rect(R(706, -226, 760, -202), fill=NAVY, radius=3 * s)
    c.text(*P(733, -214), "CC 01", "condensed-bold", 14 * s, AMBER, anchor="mm")
    # Short hood nose and lamps.
    c.rect(R(940, -226, 958, -208), fill=STEEL_DARK, radius=3 * s)
    c.circle(*P(949, -217), 6 * s, fill=(255, 236, 170))
    c.rect(R(58, -262, 72, -244), fill=STEEL_DARK, radius=3 * s)
    c.circle(*P(66, -253), 5 * s, fill=(255, 120, 90))
    # Grab rails beside the cab door and at the nose.
    c.line([P(766, -236), P(766, -150)], WHITE, 2.5 * s)
    c.line([P(870, -200), P(952, -200)], WHITE, 2.5 * s)


def coach(c, x, y, s, body=STEEL_LIGHT, band=TEAL, stripe=AMBER, bogies=True):
    """A passenger coach, 800 units long; (x, y) is its rear end at rail top."""
    def P(px, py):
        return (x + px * s, y + py * s)

    def R(x0, y0, x1, y1):
        return (x + x0 * s, y + y0 * s, x + x1 * s, y + y1 * s)

    for bx in (170, 630) if bogies else ():
        c.rect(R(bx - 80, -74, bx + 80, -44), fill=STEEL_DARK, radius=6 * s)
        for ax in (bx - 42, bx + 42):
            wheel(c, P(ax, -28)[0], P(ax, -28)[1], 28 * s)
    c.rect(R(250, -96, 550, -70), fill=mix(CHARCOAL, STEEL_DARK, 0.5))
    c.rect(R(0, -96, 12, -84), fill=STEEL)
    c.rect(R(788, -96, 800, -84), fill=STEEL)
    c.rect(R(12, -318, 788, -92), fill=body, radius=14 * s)
    c.rect(R(20, -332, 780, -306), fill=mix(body, STEEL, 0.5), radius=10 * s)
    c.rect(R(12, -152, 788, -100), fill=band)
    c.rect(R(12, -160, 788, -154), fill=stripe)
    for dx in (34, 730):
        c.rect(R(dx, -282, dx + 38, -104), outline=mix(body, STEEL, 0.6), width=2 * s, radius=4 * s)
        c.rect(R(dx + 8, -272, dx + 30, -232), fill=GLASS, radius=3 * s)
    for k in range(8):
        wx = 98 + k * 78
        c.rect(R(wx, -276, wx + 60, -206), fill=GLASS, radius=6 * s)
        c.poly([P(wx + 6, -270), P(wx + 22, -270), P(wx + 6, -248)],
               fill=mix(GLASS, TEAL_LIGHT, 0.4))


def locomotive_front(c, cx, y, s, body=STEEL_LIGHT, band=TEAL, stripe=AMBER):
    """A locomotive seen from the front, 200 units wide; y is rail top."""
    def P(px, py):
        return (cx + px * s, y + py * s)

    def R(x0, y0, x1, y1):
        return (cx + x0 * s, y + y0 * s, cx + x1 * s, y + y1 * s)

    for wx in (-70, 70):
        c.rect(R(wx - 14, -40, wx + 14, 0), fill=CHARCOAL)
    c.rect(R(-86, -70, 86, -40), fill=STEEL_DARK)
    c.poly([P(-96, -92), P(96, -92), P(84, -30), P(-84, -30)], fill=CHARCOAL)
    for k in range(-4, 5):
        c.poly([P(k * 20 - 6, -88), P(k * 20 + 6, -88), P(k * 20 - 2, -34),
                P(k * 20 - 14, -34)], fill=stripe)
    c.rect(R(-10, -80, 10, -54), fill=STEEL)
    c.rect(R(-16, -62, 16, -50), fill=STEEL_LIGHT, radius=3 * s)
    c.rect(R(-90, -300, 90, -92), fill=body, radius=14 * s)
    c.poly([P(-80, -300), P(80, -300), P(70, -322), P(-70, -322)],
           fill=mix(body, STEEL, 0.4))
    c.rect(R(-90, -150, 90, -100), fill=band)
    c.rect(R(-90, -158, 90, -152), fill=stripe)
    c.rect(R(-90, -106, 90, -100), fill=mix(band, NAVY, 0.45))
    for side in (-1, 1):
        wx0, wx1 = (4, 78) if side > 0 else (-78, -4)
        c.poly([P(wx0, -282), P(wx1, -282), P(wx1, -214), P(wx0, -214)], fill=GLASS)
        c.poly([P(wx0 + 6, -276), P(wx0 + 26, -276), P(wx0 + 6, -250)],
               fill=mix(GLASS, TEAL_LIGHT, 0.45))
        c.circle(*P(side * 64, -182), 12 * s, fill=STEEL_DARK)
        c.circle(*P(side * 64, -182), 8 * s, fill=(255, 240, 190))
        c.line([P(side * 96, -260), P(side * 96, -110)], mix(STEEL_LIGHT, WHITE, 0.4), 3 * s)
    c.rect(R(-3, -282, 3, -214), fill=body)
    c.circle(*P(0, -308), 7 * s, fill=(255, 240, 190))
    c.rect(R(-30, -196, 30, -170), fill=NAVY, radius=4 * s)
    c.text(*P(0, -183), "CC 01", "condensed-bold", 15 * s, AMBER, anchor="mm")


def padlock(c, x, y, size, colour):
    c.arc(x + size / 2, y + size * 0.42, size * 0.3, 180, 360, colour, size * 0.1)
    c.line([(x + size * 0.2, y + size * 0.42), (x + size * 0.2, y + size * 0.55)], colour,
           size * 0.1)
    c.line([(x + size * 0.8, y + size * 0.42), (x + size * 0.8, y + size * 0.55)], colour,
           size * 0.1)
    c.rect((x + size * 0.08, y + size * 0.52, x + size * 0.92, y + size), fill=colour,
           radius=size * 0.1)
    c.circle(x + size / 2, y + size * 0.72, size * 0.08, fill=NAVY)


def emblem(c, cx, cy, r):
    """The workshop's logo: a wheel on a rail inside an amber ring."""
    c.circle(cx, cy, r, fill=AMBER)
    c.circle(cx, cy, r * 0.84, fill=NAVY)
    gear(c, cx, cy - r * 0.08, r * 0.56, 12, outline=TEAL_LIGHT, width=r * 0.07, depth=0.16,
         bore=0.3)
    c.circle(cx, cy - r * 0.08, r * 0.16, fill=AMBER)
    c.rect((cx - r * 0.62, cy + r * 0.5, cx + r * 0.62, cy + r * 0.6), fill=WHITE)


# Pictures ------------------------------------------------------------------

def login_art(out):
    # Box 923 x 667; stored 1378 x 1043.
    c = Canvas(923, 667, (1378, 1043), scale=3, background=NAVY_DEEP)
    c.gradient((0, 0, 923, 667), NAVY_DEEP, mix(TEAL_DEEP, NAVY, 0.3))
    c.glow(380, 300, 480, 280, TEAL, 0.8)
    c.glow(820, 80, 300, 240, NAVY_LIGHT, 0.8)
    grid(c, 24, alpha(WHITE, 10), major=4, major_colour=alpha(WHITE, 22))

    # Title block.
    c.rect((36, 34, 42, 122), fill=AMBER)
    c.text(56, 32, "SISTEM PAKAR", "bold", 20, AMBER, tracking=4)
    c.text(54, 58, "PERAWATAN LOKOMOTIF", "bold", 44, WHITE)
    c.text(56, 112, "Diagnosis  •  Perawatan  •  Tune-Up  •  Simulasi Kinerja",
           "regular", 14, STEEL_LIGHT)

    # Locomotive on its track.
    with c.layer(0.55):
        c.ellipse((50, 378, 700, 402), fill=alpha(NAVY_DEEP, 255))
    rails(c, 0, 923, 386, 0.64)
    locomotive(c, 46, 386, 0.64)
    # Dimension line above the locomotive, in the manner of a drawing sheet.
    with c.layer(0.7):
        y = 160
        c.line([(46, y), (686, y)], TEAL_LIGHT, 1)
        for xx in (46, 686):
            c.line([(xx, y - 6), (xx, y + 6)], TEAL_LIGHT, 1)
        c.rect((310, y - 9, 422, y + 9), fill=alpha(NAVY_DEEP, 255))
        c.text(366, y, "LOKOMOTIF CC", "condensed-bold", 11, TEAL_LIGHT, anchor="mm")

    # Quiet field for the help text.
    with c.layer(0.35):
        c.rect((722, 138, 919, 424), outline=alpha(TEAL_LIGHT, 255), width=1, radius=6)
    for k, label in enumerate(("DIAGNOSA", "PERAWATAN", "TUNE-UP", "SIMULASI")):
        yy = 196 + k * 48
        c.circle(752, yy, 5, fill=AMBER if k == 0 else TEAL_LIGHT)
        c.text(768, yy, label, "condensed-bold", 14, mix(STEEL_LIGHT, NAVY, 0.25), anchor="lm")
    c.text(740, 160, "MODUL SISTEM", "bold", 11, AMBER, tracking=2)

    # Login plate under the password controls.
    with c.layer(0.82):
        c.rect((262, 408, 842, 536), fill=alpha(NAVY_DEEP, 255), radius=10)
    c.rect((262, 408, 842, 536), outline=mix(TEAL, NAVY, 0.2), width=1.5, radius=10)
    c.rect((262, 408, 842, 411), fill=AMBER)
    padlock(c, 284, 462, 26, TEAL_LIGHT)
    c.text(320, 468, "AKSES", "bold", 12, WHITE)
    c.text(320, 486, "PENGGUNA", "bold", 12, WHITE)
    c.text(286, 506, "Masukkan password", "regular", 10, STEEL_LIGHT)
    c.text(286, 520, "lalu tekan PROSES", "regular", 10, STEEL_LIGHT)

    # Footer band around "About Me".
    c.rect((0, 574, 923, 576), fill=mix(TEAL, NAVY, 0.3))
    c.text(30, 612, "SISTEM PAKAR", "bold", 12, AMBER, tracking=2)
    c.text(30, 630, "Perawatan & Analisa Kinerja Lokomotif Diesel", "regular", 12,
           STEEL_LIGHT)
    c.text(894, 612, "BALAI YASA LOKOMOTIF", "bold", 12, WHITE, anchor="ra", tracking=1)
    c.text(894, 630, "Bengkel Perawatan Sarana", "regular", 12, STEEL_LIGHT, anchor="ra")

    # The CLOSE mark under the click area at 808..897, 9..74 of this box.
    c.rect((814, 13, 893, 70), fill=mix(RED, NAVY_DEEP, 0.15), radius=10)
    c.rect((814, 13, 893, 70), outline=mix(RED, WHITE, 0.4), width=1.5, radius=10)
    power_symbol(c, 853.5, 35, 11, WHITE, 3)
    c.text(853.5, 60, "CLOSE", "bold", 12, WHITE, anchor="mm", tracking=1.5)
    return save(c, out)


def menu_art(out):
    # Box 883 x 602; stored 1024 x 768.
    c = Canvas(883, 602, (1024, 768), scale=3, background=NAVY_DEEP)
    c.gradient((0, 0, 883, 602), mix(NAVY, NAVY_DEEP, 0.3), mix(TEAL_DEEP, NAVY_DEEP, 0.4))
    c.glow(520, 260, 480, 260, TEAL, 0.8)
    grid(c, 22, alpha(WHITE, 9), major=5, major_colour=alpha(WHITE, 20))

    c.rect((30, 26, 36, 118), fill=AMBER)
    c.text(50, 26, "SISTEM PAKAR PERAWATAN LOKOMOTIF", "bold", 14, AMBER, tracking=2.5)
    c.text(47, 44, "MENU UTAMA", "bold", 54, WHITE)
    c.text(50, 106, "Diagnosis, tutorial perawatan dan simulasi kinerja lokomotif diesel",
           "regular", 13, STEEL_LIGHT)

    with c.layer(0.55):
        c.ellipse((10, 318, 880, 338), fill=alpha(NAVY_DEEP, 255))
    rails(c, 0, 883, 324, 0.47)
    coach(c, 14, 324, 0.47)
    locomotive(c, 404, 324, 0.47)

    # A bogie drawing in the free middle of the lower half.
    with c.layer(0.5):
        ox, oy = 250, 470
        c.line([(ox, oy + 40), (ox + 320, oy + 40)], TEAL_LIGHT, 1.2)
        c.rect((ox + 30, oy - 24, ox + 290, oy + 6), outline=TEAL_LIGHT, width=1.2, radius=6)
        for k in range(3):
            cx = ox + 70 + k * 90
            c.circle(cx, oy + 8, 32, outline=TEAL_LIGHT, width=1.2)
            c.circle(cx, oy + 8, 8, outline=TEAL_LIGHT, width=1.2)
            c.line([(cx - 40, oy + 8), (cx + 40, oy + 8)], TEAL_LIGHT, 0.6)
        c.line([(ox + 70, oy + 70), (ox + 250, oy + 70)], TEAL_LIGHT, 0.8)
        for xx in (ox + 70, ox + 160, ox + 250):
            c.line([(xx, oy + 62), (xx, oy + 78)], TEAL_LIGHT, 0.8)
    c.text(410, 560, "BOGIE CO-CO  •  6 GANDAR", "condensed-bold", 12, TEAL_LIGHT, anchor="mm",
           tracking=1.5)
    c.rect((0, 596, 883, 602), fill=AMBER)
    return save(c, out)


def close_icon(out):
    # Shown stretched at 80 x 41 on a white plate; the word "Close" overlaps its top.
    c = Canvas(80, 41, (64, 64), scale=10, background=WHITE)
    c.rect((3, 9, 77, 40), fill=mix(RED, NAVY_DEEP, 0.1), radius=8)
    c.rect((3, 9, 77, 40), outline=mix(RED, NAVY_DEEP, 0.45), width=1.2, radius=8)
    power_symbol(c, 40, 26, 9, WHITE, 2.8)
    return save(c, out)


def menu_icon(out):
    # Shown stretched at 45 x 40 beside each menu button.
    c = Canvas(45, 40, (64, 64), scale=12, background=NAVY)
    c.gradient((0, 0, 45, 40), NAVY_LIGHT, NAVY_DEEP)
    gear(c, 22.5, 20, 17, 10, AMBER, rotate=0.15, bore=0.32, bore_fill=NAVY)
    c.circle(22.5, 20, 3, fill=AMBER)
    return save(c, out)


def corner_icon(out):
    # Shown stretched at 33 x 25 in the menu's bottom-right corner.
    c = Canvas(33, 25, (64, 64), scale=16, background=NAVY)
    c.gradient((0, 0, 33, 25), TEAL, NAVY)
    emblem(c, 16.5, 12.5, 10.5)
    return save(c, out)


def about_background(out):
    # Box 449 x 233; stored 1024 x 768.
    c = Canvas(449, 233, (1024, 768), scale=4, background=NAVY_DEEP)
    c.gradient((0, 0, 449, 233), NAVY_DEEP, (3, 8, 16), horizontal=True)
    c.glow(60, 116, 130, 150, TEAL_DEEP, 0.9)
    grid(c, 12, alpha(WHITE, 8), major=4, major_colour=alpha(WHITE, 16))
    with c.layer(0.3):
        c.arc(449, 233, 120, 180, 270, TEAL, 1.2)
        c.arc(449, 233, 92, 180, 270, TEAL, 0.8)
    c.rect((4, 4, 117, 229), outline=TEAL, width=1, radius=4)
    c.rect((120, 10, 121.5, 223), fill=AMBER)
    return save(c, out)


def about_emblem(out):
    # Box 105 x 217 (drawn at twice that); stored 400 x 600.
    c = Canvas(210, 434, (400, 600), scale=4, background=NAVY)
    c.gradient((0, 0, 210, 434), NAVY, NAVY_DEEP)
    c.glow(105, 230, 130, 160, TEAL, 0.55)
    grid(c, 15, alpha(WHITE, 10))
    c.rect((6, 6, 204, 428), outline=AMBER, width=2.5, radius=12)
    c.rect((12, 12, 198, 422), outline=mix(TEAL, NAVY, 0.3), width=1, radius=9)
    c.text(105, 40, "SISTEM PAKAR", "bold", 17, AMBER, anchor="mm", tracking=1)
    c.rect((40, 56, 170, 58), fill=TEAL_LIGHT)
    # Track in perspective under the locomotive.
    c.poly([(66, 330), (144, 330), (168, 356), (42, 356)], fill=mix(STEEL_DARK, NAVY, 0.4))
    for yy, half in ((334, 48), (341, 56), (350, 66)):
        c.rect((105 - half, yy, 105 + half, yy + 3), fill=STEEL_DARK)
    c.line([(78, 330), (58, 356)], STEEL_LIGHT, 3)
    c.line([(132, 330), (152, 356)], STEEL_LIGHT, 3)
    locomotive_front(c, 105, 330, 0.82)
    c.rect((14, 356, 196, 420), fill=NAVY_DEEP, radius=8)
    c.rect((14, 356, 196, 358), fill=AMBER)
    c.text(105, 378, "LOKOMOTIF", "bold", 26, WHITE, anchor="mm", stroke=2,
           stroke_fill=NAVY_DEEP)
    c.text(105, 406, "DIESEL ELEKTRIK", "condensed-bold", 13, STEEL_LIGHT, anchor="mm", tracking=1)
    return save(c, out)


def diagno_background(out):
    c = Canvas(825, 529, scale=2, background=NAVY)
    c.gradient((0, 0, 825, 529), NAVY_DEEP, TEAL_DEEP)
    grid(c, 20, alpha(WHITE, 10), major=5, major_colour=alpha(WHITE, 22))
    # Emblem in the corner beside the title plate.
    c.circle(778, 42, 34, fill=mix(TEAL, NAVY, 0.3))
    gear(c, 772, 40, 20, 9, STEEL_LIGHT, bore=0.32, bore_fill=mix(TEAL, NAVY, 0.3))
    c.circle(788, 54, 12, outline=AMBER, width=4)
    c.line([(797, 63), (808, 74)], AMBER, 5)
    # Band between the title and the panels.
    c.rect((0, 82, 825, 84), fill=AMBER)
    c.text(16, 104, "SISTEM PAKAR  •  DIAGNOSIS KERUSAKAN LOKOMOTIF", "bold", 13,
           TEAL_LIGHT, anchor="lm", tracking=2)
    rails(c, 560, 825, 117, 0.095)
    coach(c, 610, 117, 0.095)
    locomotive(c, 690, 117, 0.095)
    # Foot band.
    rails(c, 0, 825, 512, 0.5)
    c.text(810, 498, "MESIN  •  PENDINGIN  •  PELUMASAN  •  BAHAN BAKAR  •  GAS BUANG  •  REM",
           "condensed-bold", 11, STEEL, anchor="rm", tracking=1)
    return save(c, out)


def diagno_panel(out):
    c = Canvas(169, 166, scale=5, background=NAVY)
    c.gradient((0, 0, 169, 166), NAVY_LIGHT, NAVY_DEEP)
    grid(c, 12, alpha(WHITE, 12))
    c.text(84.5, 16, "DIAGNOSA", "bold", 13, AMBER, anchor="mm", tracking=2)
    gear(c, 74, 76, 38, 11, STEEL_LIGHT, rotate=0.1, bore=0.32, bore_fill=NAVY)
    c.circle(74, 76, 6, fill=STEEL_LIGHT)
    # Magnifier over the gear.
    c.line([(112, 110), (138, 134)], AMBER_DARK, 11)
    c.line([(114, 112), (136, 132)], AMBER, 8)
    with c.layer(0.35):
        c.circle(96, 92, 28, fill=alpha(TEAL_LIGHT, 255))
    c.circle(96, 92, 28, outline=AMBER, width=5)
    c.line([(84, 92), (93, 101), (110, 82)], WHITE, 4)
    return save(c, out)


def diagno_strip(out):
    c = Canvas(645, 54, scale=4, background=NAVY)
    c.gradient((0, 0, 645, 54), TEAL_DEEP, NAVY_DEEP, horizontal=True)
    grid(c, 9, alpha(WHITE, 10))
    rails(c, 0, 645, 46, 0.12)
    c.text(12, 24, "JAWAB:  YA  /  TIDAK", "bold", 13, AMBER, anchor="lm", tracking=1.5)
    with c.layer(0.6):
        for k in range(4):
            c.line([(196 + k * 10, 20 + k * 6), (262, 20 + k * 6)], TEAL_LIGHT, 1.2)
    locomotive(c, 268, 46, 0.12)
    return save(c, out)


def teal_pattern(c, rng):
    """Large overlapping translucent diamonds and rings on a teal field."""
    w, h = c.width, c.height
    c.gradient((0, 0, w, h), mix(TEAL, TEAL_DEEP, 0.4), NAVY)
    with c.layer(0.35):
        for _ in range(14):
            cx, cy = rng.uniform(0, w), rng.uniform(0, h)
            r = rng.uniform(60, 220)
            colour = rng.choice((TEAL_LIGHT, TEAL, NAVY_LIGHT, TEAL_DEEP))
            c.poly([(cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)],
                   fill=alpha(colour, rng.randint(60, 160)))
    with c.layer(0.4):
        for _ in range(9):
            cx, cy = rng.uniform(0, w), rng.uniform(0, h)
            r = rng.uniform(30, 160)
            c.circle(cx, cy, r, outline=alpha(TEAL_LIGHT, 255), width=rng.uniform(1, 3))
    with c.layer(0.12):
        step = 36
        for k in range(-int(h / step), int(w / step) + 1):
            x = k * step
            c.line([(x, 0), (x + h, h)], alpha(WHITE, 255), 0.8)


def pm_background(out):
    # Box 777 x 729; stored 1024 x 768.
    c = Canvas(777, 729, (1024, 768), scale=2, background=TEAL)
    teal_pattern(c, random.Random(20240501))
    c.rect((0, 116, 777, 119), fill=AMBER)
    return save(c, out)


def tuneup_background(out):
    # Box 977 x 729; stored 1024 x 768.
    c = Canvas(977, 729, (1024, 768), scale=2, background=NAVY)
    c.gradient((0, 0, 977, 729), NAVY, mix(NAVY_DEEP, TEAL_DEEP, 0.5))
    grid(c, 24, alpha(WHITE, 9), major=4, major_colour=alpha(WHITE, 18))
    with c.layer(0.45):
        gear(c, 905, 52, 70, 16, outline=TEAL_LIGHT, width=2, depth=0.16, bore=0.3)
        gear(c, 830, 110, 38, 10, outline=TEAL_LIGHT, width=2, depth=0.16, rotate=0.2, bore=0.3)
        gear(c, 120, 640, 160, 24, outline=TEAL, width=2, depth=0.16, bore=0.3)
        gear(c, 860, 600, 110, 18, outline=TEAL, width=2, depth=0.16, rotate=0.1, bore=0.3)
    gear(c, 905, 52, 40, 12, mix(STEEL, NAVY, 0.2), bore=0.32, bore_fill=NAVY)
    gear(c, 848, 98, 22, 9, AMBER, rotate=0.3, bore=0.32, bore_fill=NAVY)
    c.rect((0, 124, 977, 126), fill=AMBER)
    return save(c, out)


def workshop_banner(out):
    # Stored 740 x 64 and shown unstretched; the windows cut it at 566 or 628.
    c = Canvas(740, 64, scale=4, background=NAVY)
    c.gradient((0, 0, 740, 64), NAVY_LIGHT, NAVY_DEEP)
    emblem(c, 34, 32, 26)
    c.text(72, 8, "BALAI YASA LOKOMOTIF", "bold", 24, WHITE, tracking=1)
    c.rect((72, 38, 470, 40), fill=AMBER)
    c.text(72, 44, "Bengkel Perawatan & Tune-Up Sarana Perkeretaapian", "regular", 12,
           STEEL_LIGHT)
    c.rect((488, 0, 740, 64), fill=mix(NAVY_DEEP, TEAL_DEEP, 0.4))
    x = 496
    for k in range(18):
        colour = (TEAL, NAVY_LIGHT, TEAL_LIGHT, AMBER)[k % 4]
        c.poly([(x + k * 14, 64), (x + k * 14 + 7, 64), (x + k * 14 + 37, 0),
                (x + k * 14 + 30, 0)], fill=colour)
    return save(c, out)


def coach_workshop(out):
    # Box about 143 x 151; stored 200 x 149.
    c = Canvas(143, 151, (200, 149), scale=6, background=STEEL_DARK)
    c.gradient((0, 0, 143, 100), mix(STEEL, NAVY, 0.6), mix(STEEL, NAVY, 0.3))
    # Roof trusses and the overhead crane.
    for k in range(4):
        x0 = k * 40 - 6
        c.poly([(x0, 24), (x0 + 20, 4), (x0 + 40, 24)], outline=STEEL_DARK, width=1.2)
        c.line([(x0 + 20, 4), (x0 + 20, 24)], STEEL_DARK, 0.8)
    c.rect((0, 24, 143, 27), fill=STEEL_DARK)
    c.rect((0, 28, 143, 31), fill=AMBER_DARK)
    c.rect((60, 31, 70, 35), fill=CHARCOAL)
    # Floor with the workshop track in perspective.
    c.gradient((0, 100, 143, 151), mix(STEEL, CHARCOAL, 0.45), mix(STEEL_DARK, CHARCOAL, 0.4))
    c.poly([(44, 100), (99, 100), (143, 146), (0, 146)], fill=mix(STEEL_DARK, CHARCOAL, 0.3))
    c.line([(52, 100), (16, 146)], STEEL_LIGHT, 1.5)
    c.line([(91, 100), (127, 146)], STEEL_LIGHT, 1.5)
    # Coach body lifted on jacks; its bogie stands on the track below.
    for jx in (22, 114):
        c.rect((jx, 66, jx + 7, 102), fill=AMBER)
        c.rect((jx + 2, 66, jx + 5, 102), fill=AMBER_DARK)
        c.rect((jx - 3, 100, jx + 10, 104), fill=CHARCOAL)
    coach(c, 16, 80, 0.14, bogies=False)
    c.rect((47, 110, 97, 118), fill=STEEL, radius=2)
    c.rect((52, 113, 92, 115), fill=STEEL_DARK)
    for ax in (58, 86):
        wheel(c, ax, 122, 8)
    # Mechanic in an amber vest.
    mx = 124
    c.circle(mx, 112, 3.4, fill=(214, 170, 130))
    c.arc(mx, 111, 3.8, 180, 360, AMBER, 2.2)
    c.rect((mx - 4.5, 115.5, mx + 4.5, 130), fill=AMBER, radius=2)
    c.line([(mx - 2, 130), (mx - 3, 141)], NAVY, 3)
    c.line([(mx + 2, 130), (mx + 3, 141)], NAVY, 3)
    c.line([(mx - 4, 118), (mx - 11, 124)], AMBER, 2.4)
    c.line([(mx - 11, 124), (mx - 16, 121)], STEEL_LIGHT, 1.4)
    return save(c, out)


def dm_background(out):
    c = Canvas(1024, 768, scale=2, background=NAVY)
    c.gradient((0, 0, 1024, 768), NAVY, NAVY_DEEP)
    grid(c, 16, alpha(TEAL_LIGHT, 10), major=5, major_colour=alpha(TEAL_LIGHT, 24))
    with c.layer(0.22):
        # Engine cross-section outline, large and faint.
        ox, oy = 820, 420
        c.rect((ox - 90, oy - 300, ox + 90, oy + 40), outline=TEAL_LIGHT, width=3)
        c.rect((ox - 80, oy - 200, ox + 80, oy - 110), outline=TEAL_LIGHT, width=3)
        c.line([(ox, oy - 150), (ox + 60, oy + 150)], TEAL_LIGHT, 6)
        c.circle(ox, oy + 170, 120, outline=TEAL_LIGHT, width=3)
        c.circle(ox + 60, oy + 150, 16, outline=TEAL_LIGHT, width=3)
        c.circle(ox, oy + 170, 30, outline=TEAL_LIGHT, width=3)
        gear(c, 140, 640, 130, 20, outline=TEAL_LIGHT, width=3, depth=0.16, bore=0.3)
    c.rect((0, 0, 1024, 6), fill=AMBER)
    c.rect((0, 762, 1024, 768), fill=AMBER)
    return save(c, out)


def piston_diagram(c, ox, oy, s, line=WHITE, accent=AMBER):
    """Cylinder, piston, rod and crank; (ox, oy) is the cylinder's top centre."""
    c.rect((ox - 28 * s, oy, ox + 28 * s, oy + 70 * s), outline=line, width=1.5)
    c.rect((ox - 24 * s, oy + 32 * s, ox + 24 * s, oy + 54 * s), fill=STEEL_LIGHT)
    for k in range(3):
        c.line([(ox - 24 * s, oy + (36 + k * 4) * s), (ox + 24 * s, oy + (36 + k * 4) * s)],
               STEEL_DARK, 0.8)
    c.line([(ox, oy + 46 * s), (ox + 14 * s, oy + 92 * s)], STEEL_LIGHT, 4 * s)
    c.circle(ox, oy + 100 * s, 20 * s, outline=line, width=1.5)
    c.circle(ox + 14 * s, oy + 92 * s, 4 * s, fill=accent)
    c.circle(ox, oy + 100 * s, 3 * s, fill=line)
    c.rect((ox - 10 * s, oy - 8 * s, ox - 4 * s, oy), fill=STEEL)
    c.rect((ox + 4 * s, oy - 8 * s, ox + 10 * s, oy), fill=STEEL)


def dm_engine(out):
    # Shown under the result rows of the engine power window.
    c = Canvas(440, 150, scale=4, background=NAVY)
    c.gradient((0, 0, 440, 150), NAVY_LIGHT, NAVY_DEEP)
    grid(c, 10, alpha(WHITE, 10))
    piston_diagram(c, 70, 12, 1.0)
    dimension(c, (43, 27), (97, 27), "D", AMBER, side=-1, face="bold", size=10, width=1, head=6)
    dimension(c, (112, 36), (112, 80), "L", AMBER, face="bold", size=10, width=1, head=6)
    c.text(150, 30, "MOTOR DIESEL", "bold", 20, WHITE)
    c.text(150, 56, "Daya efektif  •  Torsi  •  Bahan bakar", "regular", 12, STEEL_LIGHT)
    c.rect((150, 78, 420, 80), fill=AMBER)
    for k, (label, unit) in enumerate((("Nme", "PK"), ("T", "m kg"), ("Be", "(kg/jam)/PK"))):
        x = 150 + k * 92
        c.rect((x, 90, x + 84, 130), fill=mix(TEAL, NAVY, 0.35), radius=6)
        c.text(x + 42, 104, label, "bold", 14, AMBER, anchor="mm")
        c.text(x + 42, 121, unit, "condensed-bold", 9.5, WHITE, anchor="mm")
    return save(c, out)


def brake_background(out, width, height, light):
    c = Canvas(width, height, scale=2, background=STEEL_LIGHT)
    if light:
        c.gradient((0, 0, width, height), WHITE, mix(STEEL_LIGHT, WHITE, 0.4))
        line = alpha(NAVY, 12)
        strong = alpha(NAVY, 26)
        outline = NAVY_LIGHT
    else:
        c.gradient((0, 0, width, height), mix(STEEL_LIGHT, STEEL, 0.3), mix(STEEL, NAVY, 0.3))
        line = alpha(WHITE, 22)
        strong = alpha(WHITE, 40)
        outline = NAVY
    grid(c, 20, line, major=5, major_colour=strong)
    with c.layer(0.14):
        for cx, cy, r in ((width - 150, height - 170, 250), (120, 140, 150)):
            c.circle(cx, cy, r, outline=outline, width=6)
            c.circle(cx, cy, r * 0.82, outline=outline, width=3)
            c.circle(cx, cy, r * 0.2, outline=outline, width=4)
            for k in range(8):
                a = k * math.pi / 4
                c.line([(cx + r * 0.2 * math.cos(a), cy + r * 0.2 * math.sin(a)),
                        (cx + r * 0.82 * math.cos(a), cy + r * 0.82 * math.sin(a))],
                       outline, 3)
            c.arc(cx, cy, r * 1.1, 155, 205, outline, r * 0.14)
    c.rect((0, 0, width, 6), fill=AMBER)
    c.rect((0, height - 6, width, height), fill=TEAL)
    return save(c, out)


def gayrem_background(out):
    return brake_background(out, 1024, 768, light=False)


def umurrem_background(out):
    return brake_background(out, 1024, 832, light=True)


def gayrem_rigging(out):
    # Shown under the result rows of the brake force window.
    c = Canvas(440, 150, scale=4, background=NAVY)
    c.gradient((0, 0, 440, 150), NAVY_LIGHT, NAVY_DEEP)
    grid(c, 10, alpha(WHITE, 10))
    # Wheel and brake block pressed by a lever pivoting at its foot.
    wheel(c, 58, 84, 46)
    c.rect((0, 130, 120, 133), fill=STEEL)
    c.poly([(106, 62), (114, 60), (114, 108), (106, 106), (103, 84)], fill=AMBER)
    c.line([(114, 84), (128, 84)], WHITE, 2.5)
    c.line([(128, 28), (128, 122)], WHITE, 3.5)
    c.poly([(128, 122), (120, 134), (136, 134)], fill=STEEL_LIGHT)
    c.circle(128, 28, 3.5, fill=WHITE)
    c.circle(128, 84, 3.5, fill=WHITE)
    # Brake cylinder pulling the lever's head.
    c.line([(128, 28), (196, 28)], WHITE, 2.5)
    c.rect((196, 14, 252, 42), outline=WHITE, width=2)
    c.rect((200, 17, 212, 39), fill=STEEL_LIGHT)
    for k in range(4):
        c.line([(216 + k * 8, 18), (222 + k * 8, 38)], STEEL, 1.2)
    arrow(c, (188, 17), (150, 17), AMBER, 2, head=7)
    c.text(169, 12, "K", "bold", 11, AMBER, anchor="mb")
    dimension(c, (140, 84), (140, 122), "b", AMBER, face="bold", size=10, width=1, head=6)
    dimension(c, (140, 28), (140, 84), "a", AMBER, face="bold", size=10, width=1, head=6)
    c.text(276, 22, "GAYA REM", "bold", 22, WHITE)
    c.text(276, 52, "Rigging, silinder & bidur", "regular", 11, STEEL_LIGHT)
    c.rect((276, 72, 426, 74), fill=AMBER)
    c.text(276, 86, "Standar UIC", "bold", 12, TEAL_LIGHT)
    c.text(276, 106, "Persentase pengereman", "regular", 11, STEEL_LIGHT)
    c.text(276, 122, "kereta kosong & penuh", "regular", 11, STEEL_LIGHT)
    return save(c, out)


def umurrem_panel(out):
    # Covers the lifetime conclusion until a computation succeeds.
    c = Canvas(461, 66, scale=4, background=WHITE)
    c.gradient((0, 0, 461, 66), WHITE, mix(STEEL_LIGHT, WHITE, 0.5))
    c.rect((0, 0, 6, 66), fill=TEAL)
    wheel(c, 44, 33, 26, disc=STEEL, hub=WHITE)
    c.poly([(72, 16), (80, 14), (80, 52), (72, 50), (70, 33)], fill=AMBER)
    # Wear gauge: a block worn down step by step.
    for k in range(5):
        h = 40 - k * 7
        c.rect((100 + k * 14, 53 - h, 110 + k * 14, 53), fill=mix(AMBER, STEEL, k / 5))
    c.line([(98, 53), (172, 53)], NAVY, 1.2)
    title = "PREDIKSI UMUR KAMPAS REM"
    c.text(184, 22, title, "bold", c.fit(title, "bold", 17, 268), NAVY, anchor="lm")
    note = "Kesimpulan tampil setelah HITUNG"
    c.text(184, 46, note, "regular", c.fit(note, "regular", 12, 268), STEEL_DARK, anchor="lm")
    return save(c, out)


PICTURES = {
    "login_art.jpg": login_art,
    "menu_art.jpg": menu_art,
    "close_icon.jpg": close_icon,
    "menu_icon.jpg": menu_icon,
    "menu_corner.jpg": corner_icon,
    "about_background.jpg": about_background,
    "about_emblem.jpg": about_emblem,
    "diagno_background.jpg": diagno_background,
    "diagno_panel.jpg": diagno_panel,
    "diagno_strip.jpg": diagno_strip,
    "pm_background.jpg": pm_background,
    "tuneup_background.jpg": tuneup_background,
    "workshop_banner.jpg": workshop_banner,
    "coach_workshop.jpg": coach_workshop,
    "dm_background.jpg": dm_background,
    "dm_engine.jpg": dm_engine,
    "gayrem_background.jpg": gayrem_background,
    "gayrem_rigging.jpg": gayrem_rigging,
    "umurrem_background.jpg": umurrem_background,
    "umurrem_panel.jpg": umurrem_panel,
}


def main():
    default = Path(__file__).resolve().parent.parent / "assets"
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    only = set(sys.argv[2:])
    unknown = only - set(PICTURES) - {"icon"}
    if unknown:
        sys.exit("No such picture: " + ", ".join(sorted(unknown)))
    folder = root / "pictures"
    folder.mkdir(parents=True, exist_ok=True)
    for name, draw in PICTURES.items():
        if only and name not in only:
            continue
        path = folder / name
        w, h = draw(path)
        print(f"{name:24} {w:5} x {h:<5} {path.stat().st_size:7} bytes")
    if not only or "icon" in only:
        for path in icon.write(root / "icons" / "hicolor"):
            print(f"{str(path.relative_to(root)):56} {path.stat().st_size:7} bytes")


if __name__ == "__main__":
    main()
