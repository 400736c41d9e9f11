#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the vector pictures of ui/pictures/svg.

Run from anywhere:  python3 ui/pictures/tools/generate_pictures.py
The outputs are committed; rerun after changing this script and look at the renders
(scripts/render-pictures.sh).
"""

import math
import os

from svgbuilder import (ARIAL, ARIAL_UNICODE, METRICS, NEAR_BLACK, Cylinder, Svg, arrow_head,
                        dimension_arrow, ellipse_arc_points, fmt, lerp_colour, ramp_colour,
                        single_arrow, text_width)

HERE = os.path.dirname(os.path.abspath(__file__))
SVG_DIR = os.path.join(HERE, "..", "svg")

# Arial's cap height and the height of the fraction axis above the baseline, in em.
CAP_HEIGHT = 0.716
MATH_AXIS = 0.33


def output(name):
    return os.path.join(SVG_DIR, name)


# ---------------------------------------------------------------------------------------------
# Glyph outlines for the Greek letters of the stress sheet, in em, baseline at y = 0.


def stroke_quad(x0, y0, x1, y1, half_width):
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * half_width, (x1 - x0) / length * half_width
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


def outline_path(polygons, x, baseline, size):
    parts = []
    for polygon in polygons:
        coords = [(x + px * size, baseline + py * size) for px, py in polygon]
        parts.append("M" + " L".join(f"{fmt(cx)},{fmt(cy)}" for cx, cy in coords) + " Z")
    return " ".join(parts)


def pi_outline(x, baseline, size):
    """Lower-case pi: a bar on x-height with a straight left leg and a right leg that turns out."""
    bar = [(0.03, -0.525), (0.56, -0.525), (0.56, -0.445), (0.03, -0.445)]
    left_leg = [(0.155, -0.47), (0.235, -0.47), (0.205, 0.0), (0.125, 0.0)]
    right_leg = [(0.365, -0.47), (0.445, -0.47), (0.445, -0.12), (0.455, -0.075), (0.49, -0.06),
                 (0.56, -0.065), (0.56, 0.005), (0.47, 0.012), (0.395, -0.02), (0.365, -0.1)]
    return outline_path([bar, left_leg, right_leg], x, baseline, size), 0.6


def lambda_outline(x, baseline, size):
    """Lower-case lambda: a long stroke from the ascender to the right foot, a short left leg."""
    long_stroke = [(0.04, -0.735), (0.13, -0.735), (0.52, 0.0), (0.43, 0.0)]
    short_leg = [(0.245, -0.42), (0.295, -0.33), (0.08, 0.0), (-0.005, 0.0)]
    hook = [(0.04, -0.735), (0.13, -0.735), (0.12, -0.66), (0.03, -0.66)]
    return outline_path([long_stroke, short_leg, hook], x, baseline, size), 0.54


# ---------------------------------------------------------------------------------------------
# ColumnSketch: the printed sketch of the column, in light blue.

SKETCH_BLUE = "#35B3EA"
SKETCH_OUTLINE = "#1B6F9C"


def sketch_body_shade(t):
    # Light falls from the front left: a highlight a third of the way across, darker edges.
    return ramp_colour([(0.0, "#1C86BE"), (0.18, "#35B3EA"), (0.36, "#BDE7FA"), (0.55, "#5CC3EE"),
                        (0.8, "#2EA3DA"), (1.0, "#1A7AB0")], t)


def sketch_inside_shade(t):
    return ramp_colour([(0.0, "#1E6F98"), (0.6, "#3A9DCB"), (1.0, "#8BD2F2")], t)


def sketch_plate_bolts(svg, cx, cy, half_w, half_h):
    for fx, fy in ((0.0, -0.72), (0.72, 0.0), (0.0, 0.72), (-0.72, 0.0)):
        bx, by = cx + fx * half_w, cy + fy * half_h
        svg.ellipse(bx, by, 70, 35, "#8A4A17")
        svg.ellipse(bx, by - 12, 48, 24, "#D9A070")


def column_sketch():
    svg = Svg(6241, 16000, "3.486in", "8.939in", "Column sketch: elevation, cross-section, base plate")
    letter = 400
    line = 14
    head, half = 170, 52

    svg.comment("Elevation: the pipe over its whole height, with the length dimension L.")
    pipe = Cylinder(cx=1000, top=840, bottom=7000, rx=520, ry=150, wall=80)
    pipe.draw(svg, sketch_body_shade, "#9AD9F6", sketch_inside_shade, 24, SKETCH_OUTLINE, 16)
    top_y, bottom_y = pipe.top - pipe.ry, pipe.bottom + pipe.ry
    svg.line(pipe.cx + 120, top_y, 2000, top_y, NEAR_BLACK, 10)
    svg.line(pipe.cx + 120, bottom_y, 2000, bottom_y, NEAR_BLACK, 10)
    dimension_arrow(svg, 1880, top_y, 1880, bottom_y, NEAR_BLACK, line, head, half)
    svg.text_cell(2166, 3865, "L", letter)

    svg.comment("Cross-section: the ring with the outside diameter D and the wall thickness T.")
    ring_cx, ring_cy, outer, inner = 5090, 3350, 700, 560
    svg.path(f"M{ring_cx - outer},{ring_cy} a{outer},{outer} 0 1,0 {2 * outer},0 "
             f"a{outer},{outer} 0 1,0 {-2 * outer},0 Z "
             f"M{ring_cx - inner},{ring_cy} a{inner},{inner} 0 1,0 {2 * inner},0 "
             f"a{inner},{inner} 0 1,0 {-2 * inner},0 Z", SKETCH_BLUE, SKETCH_OUTLINE, 16,
             fill_rule="evenodd")
    arrow_y = 1850
    for x in (ring_cx - outer, ring_cx + outer):
        svg.line(x, arrow_y - 110, x, ring_cy - 90, NEAR_BLACK, 10)
    dimension_arrow(svg, ring_cx - outer, arrow_y, ring_cx + outer, arrow_y, NEAR_BLACK, line,
                    head, half)
    svg.text_cell(4946, 1342, "D", letter)
    single_arrow(svg, ring_cx + inner - 330, ring_cy, ring_cx + inner, ring_cy, NEAR_BLACK, line,
                 head * 0.9, half * 0.9)
    single_arrow(svg, ring_cx + outer + 380, ring_cy, ring_cx + outer, ring_cy, NEAR_BLACK, line,
                 head * 0.9, half * 0.9)
    # Above the outer arrow, clear of the sheet's text lines under the picture.
    svg.text_cell(5850, 2800, "T", letter)

    svg.comment("Base: a short pipe standing on the square base plate, seen from above at an angle.")
    plate_cx, plate_cy, half_w, half_h, thick = 1350, 14250, 1100, 550, 170
    top_face = [(plate_cx, plate_cy - half_h), (plate_cx + half_w, plate_cy),
                (plate_cx, plate_cy + half_h), (plate_cx - half_w, plate_cy)]
    left_face = [(plate_cx - half_w, plate_cy), (plate_cx, plate_cy + half_h),
                 (plate_cx, plate_cy + half_h + thick), (plate_cx - half_w, plate_cy + thick)]
    right_face = [(plate_cx + half_w, plate_cy), (plate_cx, plate_cy + half_h),
                  (plate_cx, plate_cy + half_h + thick), (plate_cx + half_w, plate_cy + thick)]
    svg.polygon(left_face, "#E98A3E", "#A9561B", 12)
    svg.polygon(right_face, "#C8672A", "#A9561B", 12)
    svg.polygon(top_face, "#FBC894", "#A9561B", 12)
    sketch_plate_bolts(svg, plate_cx, plate_cy, half_w, half_h)
    stub = Cylinder(cx=plate_cx, top=12120, bottom=plate_cy, rx=360, ry=180, wall=56)
    stub.draw(svg, sketch_body_shade, "#9AD9F6", sketch_inside_shade, 20, SKETCH_OUTLINE, 14)
    svg.write(output("column-sketch.svg"))


# ---------------------------------------------------------------------------------------------
# GyrationFormula: R = sqrt(D^2 + d^2) / 4 with its legend.


def radical(svg, x, baseline, top, size, end_x, colour):
    """Square-root sign from x, reaching below the baseline, its top stroke running to end_x."""
    stroke = 0.065 * size
    tick_y = baseline - 0.36 * size
    svg.polyline([(x, tick_y + 0.04 * size), (x + 0.12 * size, tick_y - 0.03 * size),
                  (x + 0.34 * size, baseline + 0.2 * size), (x + 0.7 * size, top),
                  (end_x, top)], colour, stroke, cap="butt", join="miter")
    return x + 0.78 * size


def superscript(svg, x, baseline, run, size, family=ARIAL, fill=NEAR_BLACK):
    """A superscript run after a base of the given size: 62 % high, raised 42 %."""
    small = 0.62 * size
    svg.text(x, baseline - 0.42 * size, run, small, family=family, fill=fill)
    return x + text_width(run, small)


def gyration_formula():
    svg = Svg(16000, 14307, "1.333in", "1.193in", "Radius of gyration of a ring section")
    size = 2000
    legend = 1400
    bar_y = 3300
    gap = 0.22 * size

    svg.comment("R = sqrt(D^2 + d^2) / 4")
    svg.text(500, bar_y + MATH_AXIS * size, "R =", size)
    fraction_x = 500 + text_width("R =", size) + 0.35 * size
    numerator_baseline = bar_y - 0.32 * size
    radical_top = numerator_baseline - 1.0 * size
    x = fraction_x + 0.12 * size + 0.78 * size
    svg.text(x, numerator_baseline, "D", size)
    x += text_width("D", size) + 0.03 * size
    x = superscript(svg, x, numerator_baseline, "2", size) + gap
    svg.text(x, numerator_baseline, "+", size)
    x += text_width("+", size) + gap
    svg.text(x, numerator_baseline, "d", size)
    x += text_width("d", size) + 0.03 * size
    x = superscript(svg, x, numerator_baseline, "2", size)
    radical_end = x + 0.1 * size
    radical(svg, fraction_x + 0.12 * size, numerator_baseline, radical_top, size, radical_end,
            NEAR_BLACK)
    bar_end = radical_end + 0.15 * size
    svg.line(fraction_x, bar_y, bar_end, bar_y, NEAR_BLACK, 0.06 * size)
    svg.text((fraction_x + bar_end) / 2, bar_y + 0.2 * size + CAP_HEIGHT * size, "4", size,
             anchor="middle")

    svg.comment("Legend")
    first = 8400
    step = 2100
    svg.text(500, first, "R = Radius of gyration", legend)
    svg.text(500, first + step, "D = Outside Diameter", legend)
    equals_x = 500 + text_width("R ", legend)
    third = first + 2 * step
    svg.text(500, third, "d ", legend)
    svg.raw(f'<text x="{fmt(equals_x)}" y="{fmt(third)}" font-family="{ARIAL}" '
            f'font-size="{legend}" fill="{NEAR_BLACK}"><tspan>= </tspan><tspan>Inside </tspan>'
            f'<tspan>Diameter</tspan></text>')
    svg.write(output("gyration-formula.svg"))


# ---------------------------------------------------------------------------------------------
# PermissibleStressSheet: Qac = 0.6 fcc fy / [ (fcc)^n + (fy)^n ]^(1/n) with its legend.

TITLE_GREEN = "#00923F"


def runs_fcc(svg, x, baseline, size):
    """fcc drawn as the three runs f, c, c on one baseline; returns the end x."""
    for run in ("f", "c", "c"):
        svg.text(x, baseline, run, size)
        x += text_width(run, size)
    return x


def permissible_stress_sheet():
    svg = Svg(16000, 11316, "3.460in", "2.448in", "Permissible axial compressive stress")
    left = 300

    svg.comment("Title")
    svg.raw(f'<text x="{left}" y="760" font-family="{ARIAL_UNICODE}" font-size="640" '
            f'fill="{TITLE_GREEN}"><tspan>คำนวณหา </tspan><tspan>Permissible stress</tspan></text>')

    svg.comment("Qac = 0.6 x fcc x fy / [ (fcc)^n + (fy)^n ]^(1/n)")
    f = 620
    paren = 1.58 * f
    bracket = 2.2 * f
    bar_y = 1900
    svg.text(left, bar_y + MATH_AXIS * f, "Qac = 0.6", f)
    fraction_x = left + text_width("Qac = 0.6", f) + 0.3 * f

    bracket_top = bar_y + 0.2 * f
    bracket_baseline = bracket_top + 0.74 * bracket
    paren_baseline = bracket_baseline - 0.18 * f
    svg.text(fraction_x, bracket_baseline, "[           ]", bracket)
    inner_left = fraction_x + text_width("[", bracket)
    bracket_end = fraction_x + text_width("[           ]", bracket)

    content = (text_width("(    )", paren) + 0.04 * f + 0.62 * f * METRICS.advance("n") +
               0.28 * f + text_width("+", f) + 0.28 * f + text_width("(  )", paren) + 0.04 * f +
               0.62 * f * METRICS.advance("n"))
    x = inner_left + (bracket_end - text_width("]", bracket) - inner_left - content) / 2
    svg.text(x, paren_baseline, "(    )", paren)
    fcc_width = text_width("fcc", f)
    inner_width = text_width("    ", paren)
    runs_fcc(svg, x + text_width("(", paren) + (inner_width - fcc_width) / 2, paren_baseline, f)
    x += text_width("(    )", paren) + 0.04 * f
    x = superscript(svg, x, paren_baseline - 0.18 * f, "n", f) + 0.28 * f
    svg.text(x, paren_baseline, "+", f)
    x += text_width("+", f) + 0.28 * f
    svg.text(x, paren_baseline, "(  )", paren)
    svg.text(x + text_width("(", paren) + (text_width("  ", paren) - text_width("fy", f)) / 2,
             paren_baseline, "fy", f)
    x += text_width("(  )", paren) + 0.04 * f
    superscript(svg, x, paren_baseline - 0.18 * f, "n", f)

    exponent = 0.62 * f
    exponent_baseline = bracket_top + 0.5 * f
    svg.text(bracket_end + 0.03 * f, exponent_baseline, "1/", exponent)
    svg.text(bracket_end + 0.03 * f + text_width("1/", exponent), exponent_baseline, "n", exponent)
    bar_end = bracket_end + 0.03 * f + text_width("1/n", exponent) + 0.05 * f
    svg.line(fraction_x, bar_y, bar_end, bar_y, NEAR_BLACK, 0.055 * f)

    times = 0.7 * f
    numerator = (text_width("fcc", f) + 0.15 * f + text_width("X", times) + 0.15 * f +
                 text_width("fy", f))
    numerator_baseline = bar_y - 0.3 * f
    x = (fraction_x + bar_end - numerator) / 2
    x = runs_fcc(svg, x, numerator_baseline, f) + 0.15 * f
    svg.text(x, numerator_baseline, "X", times)
    x += text_width("X", times) + 0.15 * f
    svg.text(x, numerator_baseline, "fy", f)

    svg.comment("Where, and the legend: symbols in the left column, texts aligned in the right")
    s = 500
    symbol = 665
    text_x = left + text_width("Qac ", symbol) + 0.2 * s
    svg.text(left, 4350, "Where", s)
    y = 5200
    step = 800

    svg.text(left, y, "Qac ", symbol)
    svg.text(text_x, y, "= Permissible stress in axial compression,in Mpa;", s)
    y += step
    svg.text(left, y, "fy  ", symbol)
    svg.text(text_x, y, "= Yield stress of steel,in Mpa;", s)
    y += step + 250
    runs_fcc(svg, left, y, symbol)
    lead = "= elastic critical stress in compress, =  "
    svg.text(text_x, y, lead, s)
    small_bar_x = text_x + text_width(lead, s)
    small_axis = y - MATH_AXIS * s
    top_baseline = small_axis - 0.22 * s
    pi_path, pi_width = pi_outline(small_bar_x + 0.08 * s, top_baseline, s)
    svg.path(pi_path, NEAR_BLACK)
    x = superscript(svg, small_bar_x + 0.08 * s + pi_width * s, top_baseline, "2", s) + 0.04 * s
    svg.text(x, top_baseline, "E", s)
    small_bar_end = x + text_width("E", s) + 0.08 * s
    svg.line(small_bar_x, small_axis, small_bar_end, small_axis, NEAR_BLACK, 0.05 * s)
    bottom_baseline = small_axis + 0.14 * s + 0.74 * s
    lam_path, lam_width = lambda_outline(0, 0, s)
    lam_x = (small_bar_x + small_bar_end - (lam_width + 0.62 * METRICS.advance("2")) * s) / 2
    lam_path, _ = lambda_outline(lam_x, bottom_baseline, s)
    svg.path(lam_path, NEAR_BLACK)
    superscript(svg, lam_x + lam_width * s, bottom_baseline, "2", s)
    y += step + 250

    svg.text(left, y, "E", symbol)
    e_text = "= modulus of elasticity of steel ; 2 x 10  Mpa;"
    svg.text(text_x, y, e_text, s)
    superscript(svg, text_x + text_width("= modulus of elasticity of steel ; 2 x 10", s) + 0.02 * s,
                y, "5", s)
    y += step

    big_lam, _ = lambda_outline(left, y, symbol)
    svg.path(big_lam, NEAR_BLACK)
    svg.raw(f'<text x="{fmt(text_x)}" y="{fmt(y)}" font-family="{ARIAL}" font-size="{s}" '
            f'fill="{NEAR_BLACK}"><tspan>= ( L / r )</tspan>'
            f'<tspan>          = slenderness ratio of the member, rato of the</tspan></text>')
    y += step * 0.85
    svg.text(text_x, y, "effective length to appropriate radius of gyration;and", s)
    y += step

    svg.text(left, y, "n", symbol)
    svg.text(text_x, y, "= a factor assumed as 1.4", s)
    svg.write(output("permissible-stress-sheet.svg"))


# ---------------------------------------------------------------------------------------------
# ColumnDrawing: the drawing behind the input captions of the window.

DRAWING_RED = "#DA251D"
DRAWING_BLUE = "#0093DD"
EXTENSION_GREY = "#C2C1C1"
STEEL_OUTLINE = "#1A1A1A"


def steel_body_shade(t):
    # Near-black at both edges, white along the middle of the tube.
    return lerp_colour("#101010", "#FFFFFF", math.sin(math.pi * t) ** 1.25)


def steel_inside_shade(t):
    return ramp_colour([(0.0, "#2A2A2A"), (0.65, "#6E6E6E"), (1.0, "#B5B5B5")], t)


def isometric_slab(svg, cx, cy, half_w, half_h, thickness, top, left, right, outline, width):
    """A square slab seen from above at an angle: top face and the two front side faces."""
    svg.polygon([(cx - half_w, cy), (cx, cy + half_h), (cx, cy + half_h + thickness),
                 (cx - half_w, cy + thickness)], left, outline, width)
    svg.polygon([(cx + half_w, cy), (cx, cy + half_h), (cx, cy + half_h + thickness),
                 (cx + half_w, cy + thickness)], right, outline, width)
    svg.polygon([(cx, cy - half_h), (cx + half_w, cy), (cx, cy + half_h), (cx - half_w, cy)], top,
                outline, width)


def column_drawing():
    svg = Svg(11886, 16000, "3.6354in", "4.8958in", "Column drawing: elevation, pipe end, base")
    letter = 450
    svg.rect(0, 0, 11886, 16000, "#FFFFFF")

    svg.comment("Left: the column over nearly the whole height, with its red length dimension L.")
    tall = Cylinder(cx=2700, top=1505, bottom=14409, rx=1000, ry=230, wall=110)
    tall.draw(svg, steel_body_shade, "#D6D6D6", steel_inside_shade, 40, STEEL_OUTLINE, 26)
    top_y, bottom_y = tall.top - tall.ry, tall.bottom + tall.ry
    svg.line(980, top_y, tall.cx, top_y, EXTENSION_GREY, 30)
    svg.line(980, bottom_y, tall.cx, bottom_y, EXTENSION_GREY, 30)
    dimension_arrow(svg, 1250, top_y, 1250, bottom_y, DRAWING_RED, 40, 330, 110)
    mid_y = (top_y + bottom_y) / 2
    svg.text_cell(830, mid_y - (METRICS.ascent - CAP_HEIGHT / 2) * letter, "L", letter,
                  family=ARIAL_UNICODE, fill=DRAWING_RED)

    svg.comment("Upper right: a short piece of the pipe; its wall is the blue ring, D spans it.")
    piece = Cylinder(cx=7700, top=2900, bottom=5300, rx=1450, ry=480, wall=180)
    piece.draw(svg, steel_body_shade, DRAWING_BLUE, steel_inside_shade, 40, STEEL_OUTLINE, 26,
               rim_outline="#005F8F")
    left_x, right_x = piece.cx - piece.rx, piece.cx + piece.rx
    arrow_y = 1500
    svg.line(left_x, arrow_y - 150, left_x, piece.top - 60, EXTENSION_GREY, 30)
    svg.line(right_x, arrow_y - 150, right_x, piece.top - 60, EXTENSION_GREY, 30)
    dimension_arrow(svg, left_x, arrow_y, right_x, arrow_y, NEAR_BLACK, 36, 300, 100)
    svg.text(piece.cx, arrow_y - 110, "D", letter, family=ARIAL_UNICODE, anchor="middle")
    svg.text_cell(left_x - 130 - text_width("T", letter),
                  piece.top - (METRICS.ascent - CAP_HEIGHT / 2) * letter, "T", letter,
                  family=ARIAL_UNICODE, fill=DRAWING_BLUE)

    svg.comment("Lower right: the column on its steel base plate, on the concrete footing.")
    base_cx, base_cy = 6700, 12900
    isometric_slab(svg, base_cx, base_cy, 2300, 1150, 900, "#95C460", "#6F9A3E", "#4E7128",
                   "#3C5A1E", 26)
    isometric_slab(svg, base_cx, base_cy, 1300, 650, 150, "#CF6621", "#A9501A", "#8A3F12",
                   "#6B300C", 22)
    for fx, fy in ((0.0, -0.7), (0.7, 0.0), (0.0, 0.7), (-0.7, 0.0)):
        svg.ellipse(base_cx + fx * 1300, base_cy + fy * 650, 95, 48, "#4A2208")
        svg.ellipse(base_cx + fx * 1300, base_cy + fy * 650 - 18, 62, 31, "#E08A4E")
    column = Cylinder(cx=base_cx, top=9300, bottom=base_cy, rx=520, ry=260, wall=70)
    column.draw(svg, steel_body_shade, "#D6D6D6", steel_inside_shade, 28, STEEL_OUTLINE, 24)
    svg.raw(f'<text x="8350" y="12300" font-family="{ARIAL_UNICODE}" font-size="{letter}" '
            f'fill="{NEAR_BLACK}"><tspan>Steel </tspan><tspan>Base </tspan><tspan>Plate</tspan>'
            f'</text>')
    svg.write(output("column-drawing.svg"))


# ---------------------------------------------------------------------------------------------
# PipeIcon, HandPointer and the source of the HandbookCover bitmap, drawn on a pixel grid.


def pipe_icon():
    svg = Svg(32, 32, "32px", "32px", "Window icon: a short upright pipe")
    cx, top, bottom, rx, ry = 16, 7.5, 26.5, 11, 4
    bands = ["#141A4A", "#1E2266", "#3A2A7E", "#5A2F94", "#7B3FB0", "#9A5BC8", "#B48AD6",
             "#CBBBDD", "#DCDCE2", "#C4C4CC"]
    for i, colour in enumerate(bands):
        a0 = math.pi - math.pi * i / len(bands)
        a1 = math.pi - math.pi * (i + 1) / len(bands)
        x0, x1 = cx + rx * math.cos(a0), cx + rx * math.cos(a1)
        y0, y1 = ry * math.sin(a0), ry * math.sin(a1)
        svg.polygon([(x0, top + y0), (x1, top + y1), (x1, bottom + y1), (x0, bottom + y0)],
                    colour, colour, 0.15)
    outline = [(cx - rx, top)] + ellipse_arc_points(cx, bottom, rx, ry, math.pi, 0.0, 24)
    outline.append((cx + rx, top))
    svg.polyline(outline, "#0E1238", 0.8, join="round")
    svg.ellipse(cx, top, rx, ry, "#22D3EE", "#0E1238", 0.8)
    svg.ellipse(cx, top, rx - 2.4, ry - 1.1, "#8E44C9", "#4A1D73", 0.5)
    svg.write(output("pipe-icon.svg"))


def hand_pointer():
    svg = Svg(32, 32, "32px", "32px", "Hand pointer: the index finger points up; the tip is the hot spot")
    hand = ("M11,19.5 L11,4 C11,1.4 15,1.4 15,4 L15,11.6 C15,9.9 19,9.9 19,11.8 L19,12.4 "
            "C19,10.9 23,10.9 23,12.8 L23,13.4 C23,12.1 26.5,12.1 26.5,14 L26.5,22 "
            "C26.5,25.6 25,27.4 23,28.6 L23,30.5 L12.5,30.5 L12.5,28.6 "
            "C10,27 6.8,23.6 4.6,20.4 C3.4,18.6 5,16.2 7.1,17.3 Z")
    svg.path(hand, "#F6C7A0", "#000000", 1, join="round")
    svg.path("M19,12.4 L19,16 M23,13.4 L23,16.4 M15,11.6 L15,15.5 M11,19.5 L12.6,21",
             "none", "#9C6A4A", 0.8, cap="round")
    svg.path("M13,28.6 L22.5,28.6", "none", "#9C6A4A", 0.8, cap="round")
    svg.write(output("hand-pointer.svg"))


THAI = "'Noto Sans Thai', Loma, Garuda, 'Arial Unicode MS', sans-serif"
COVER_PINK = "#E4007C"


def handbook_cover():
    svg = Svg(126, 174, "126px", "174px", "Handbook cover")
    svg.rect(0, 0, 126, 174, "#FFFFFF")
    # The pink band sits below the top edge: the base plate caption on the window ends just above
    # the cover, and a band at the very edge would read as an underline of it.
    svg.rect(0, 4, 126, 2, COVER_PINK)
    svg.text(63, 14, "สูตร ตัวอย่าง และวิธีคำนวณ", 9.2, family=THAI, fill=COVER_PINK,
             anchor="middle", weight="bold")
    svg.text(63, 29, "เสาท่อเหล็กกลม", 13, family=THAI, fill="#111111", anchor="middle",
             weight="bold")

    # A pipe frame going up against the sky.
    svg.linear_gradient("sky", 0, 36, 0, 86, [("0", "#6FB7E9"), ("1", "#D7ECF8")])
    svg.rect(4, 36, 118, 50, "url(#sky)", "#7A7A7A", 0.5)
    svg.rect(4, 80, 118, 6, "#9C8A6A")
    for x in (14, 42, 70, 98):
        svg.line(x, 44, x, 82, "#3B3F46", 2.2)
    for y in (48, 62, 76):
        svg.line(12, y, 110, y, "#555A63", 1.4)
    for x0, x1 in ((14, 42), (42, 70), (70, 98)):
        svg.line(x0, 62, x1, 48, "#6A707A", 0.9)
    svg.line(110, 40, 110, 82, "#C8A23A", 1.2)
    svg.line(98, 40, 118, 40, "#C8A23A", 1.2)

    # Stacked pipes seen end on.
    svg.rect(4, 90, 57, 40, "#E9E4DA", "#7A7A7A", 0.5)
    radius = 4.6
    for row in range(4):
        for col in range(6 - (row % 2)):
            cx = 9.5 + col * 2 * radius + (radius if row % 2 else 0)
            cy = 125 - row * radius * 1.75
            svg.ellipse(cx, cy, radius, radius, "#8C96A3", "#3E4650", 0.5)
            svg.ellipse(cx, cy, radius * 0.62, radius * 0.62, "#2B3038")

    # Steel pipes lying side by side.
    svg.rect(65, 90, 57, 40, "#F3F1EC", "#7A7A7A", 0.5)
    svg.linear_gradient("tube", 0, 0, 0, 7, [("0", "#5F6670"), ("0.45", "#F2F4F6"), ("1", "#4B525B")])
    for k in range(5):
        y = 94 + k * 7
        svg.raw(f'<g transform="translate(0,{y})"><rect x="70" y="0" width="48" height="6" '
                f'fill="url(#tube)"/></g>')
        svg.ellipse(70, y + 3, 1.6, 3, "#3A4048")

    # Badges: author, publisher and address.
    svg.rect(4, 135, 56, 11, COVER_PINK)
    svg.text(32, 143, "โดย ทีมวิศวกรโยธา", 6.5, family=THAI, fill="#FFFFFF", anchor="middle")
    svg.rect(64, 135, 58, 11, "#222222")
    svg.text(93, 143, "ฉบับเผยแพร่ฟรี", 6.5, family=THAI, fill="#FFFFFF", anchor="middle")
    svg.rect(0, 163, 126, 11, "#F4F4F4")
    svg.text(120, 171.5, "1", 8, family=ARIAL, fill="#111111", anchor="end")
    svg.write(output("handbook-cover.svg"))


def main():
    pipe_icon()
    hand_pointer()
    handbook_cover()
    column_drawing()
    column_sketch()
    gyration_formula()
    permissible_stress_sheet()
    # Imported here: the box pictures borrow this module's colours and glyphs.
    import box_pictures
    box_pictures.write_all()


if __name__ == "__main__":
    main()
