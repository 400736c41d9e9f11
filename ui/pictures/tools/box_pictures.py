# SPDX-License-Identifier: GPL-3.0-or-later
"""The pictures of a box column: the window's drawing, the printed sketch and the section's
formulas, drawn in the style of the round pipe's (generate_pictures.py writes them all)."""

import math

from generate_pictures import (CAP_HEIGHT, DRAWING_BLUE, DRAWING_RED, EXTENSION_GREY, SKETCH_BLUE,
                               SKETCH_OUTLINE, STEEL_OUTLINE, isometric_slab, output, pi_outline,
                               radical, sketch_body_shade, sketch_inside_shade, sketch_plate_bolts,
                               steel_body_shade, steel_inside_shade, superscript)
from svgbuilder import (ARIAL_UNICODE, METRICS, NEAR_BLACK, Box, Svg, dimension_arrow,
                        rounded_rect_path, single_arrow, text_width)


def centred_cell(svg, x, mid_y, run, size, **kwargs):
    """A run whose capitals are centred vertically on mid_y."""
    svg.text_cell(x, mid_y - (METRICS.ascent - CAP_HEIGHT / 2) * size, run, size, **kwargs)


def corner_point(box, level, corner_angle):
    """Where the outer corner arc of the box's plan, at the given angle, is seen."""
    half_w, half_d, r = box.width / 2, box.depth / 2, box.radius
    u = math.copysign(half_w - r, math.cos(corner_angle)) + r * math.cos(corner_angle)
    v = math.copysign(half_d - r, math.sin(corner_angle)) + r * math.sin(corner_angle)
    cos_t, sin_t = math.cos(box.turn), math.sin(box.turn)
    return box.project(u * cos_t - v * sin_t, u * sin_t + v * cos_t, level)


def box_column_drawing():
    svg = Svg(11886, 16000, "3.6354in", "4.8958in",
              "Box column drawing: elevation, section end, base")
    letter = 450
    svg.rect(0, 0, 11886, 16000, "#FFFFFF")

    svg.comment("Left: the column over nearly the whole height, with its red length dimension L.")
    tall = Box(cx=2700, top=1505, bottom=14409, width=1600, depth=1200, radius=240, wall=120,
               turn=math.radians(30), squash=0.3)
    tall.draw(svg, steel_body_shade, "#D6D6D6", steel_inside_shade, STEEL_OUTLINE, 26)
    top_y, bottom_y = tall.top_y, tall.bottom_y
    svg.line(980, top_y, tall.cx, top_y, EXTENSION_GREY, 30)
    svg.line(980, bottom_y, tall.cx, bottom_y, EXTENSION_GREY, 30)
    dimension_arrow(svg, 1250, top_y, 1250, bottom_y, DRAWING_RED, 40, 330, 110)
    centred_cell(svg, 830, (top_y + bottom_y) / 2, "L", letter, family=ARIAL_UNICODE,
                 fill=DRAWING_RED)

    svg.comment("Upper right: a short piece of the column; its wall is the blue rim, B spans it "
                "and A runs along its side; the outside corners have radius R = 2t.")
    piece = Box(cx=7700, top=2900, bottom=5300, width=2700, depth=3000, radius=400, wall=200,
                turn=0.0, squash=0.4)
    piece.draw(svg, steel_body_shade, DRAWING_BLUE, steel_inside_shade, STEEL_OUTLINE, 26,
               rim_outline="#005F8F")
    left_x, right_x = piece.left_x, piece.right_x
    back_y, front_y = piece.top_y, piece.top + piece.depth / 2 * piece.squash
    side_top = back_y + piece.radius * piece.squash
    arrow_y = 1500
    svg.line(left_x, arrow_y - 150, left_x, side_top - 60, EXTENSION_GREY, 30)
    svg.line(right_x, arrow_y - 150, right_x, side_top - 60, EXTENSION_GREY, 30)
    dimension_arrow(svg, left_x, arrow_y, right_x, arrow_y, NEAR_BLACK, 36, 300, 100)
    svg.text(piece.cx, arrow_y - 110, "B", letter, family=ARIAL_UNICODE, anchor="middle")

    depth_x = right_x + 420
    svg.line(right_x + 60, back_y, depth_x + 150, back_y, EXTENSION_GREY, 30)
    svg.line(right_x + 60, front_y, depth_x + 150, front_y, EXTENSION_GREY, 30)
    dimension_arrow(svg, depth_x, back_y, depth_x, front_y, NEAR_BLACK, 36, 260, 100)
    centred_cell(svg, depth_x + 130, (back_y + front_y) / 2, "A", letter, family=ARIAL_UNICODE)

    centred_cell(svg, left_x - 130 - text_width("t", letter), piece.top, "t", letter,
                 family=ARIAL_UNICODE, fill=DRAWING_BLUE)
    tip = corner_point(piece, piece.top, -0.75 * math.pi)
    label_x, label_y = left_x - 1550, back_y - 250
    single_arrow(svg, label_x + text_width("R = 2t", letter) + 60, label_y - 130, tip[0], tip[1],
                 NEAR_BLACK, 30, 240, 80)
    svg.text(label_x, label_y, "R = 2t", letter, family=ARIAL_UNICODE)

    svg.comment("Lower right: the column on its steel base plate, on the concrete footing.")
    base_cx, base_cy = 6700, 12900
    isometric_slab(svg, base_cx, base_cy, 2300, 1150, 900, "#95C460", "#6F9A3E", "#4E7128",
                   "#3C5A1E", 26)
    isometric_slab(svg, base_cx, base_cy, 1300, 650, 150, "#CF6621", "#A9501A", "#8A3F12",
                   "#6B300C", 22)
    for fx, fy in ((0.0, -0.7), (0.7, 0.0), (0.0, 0.7), (-0.7, 0.0)):
        svg.ellipse(base_cx + fx * 1300, base_cy + fy * 650, 95, 48, "#4A2208")
        svg.ellipse(base_cx + fx * 1300, base_cy + fy * 650 - 18, 62, 31, "#E08A4E")
    column = Box(cx=base_cx, top=9300, bottom=base_cy, width=760, depth=700, radius=110, wall=55,
                 turn=math.radians(45), squash=0.5)
    column.draw(svg, steel_body_shade, "#D6D6D6", steel_inside_shade, STEEL_OUTLINE, 24)
    svg.raw(f'<text x="8350" y="12300" font-family="{ARIAL_UNICODE}" font-size="{letter}" '
            f'fill="{NEAR_BLACK}"><tspan>Steel </tspan><tspan>Base </tspan><tspan>Plate</tspan>'
            f'</text>')
    svg.write(output("box-column-drawing.svg"))


def box_column_sketch():
    svg = Svg(6241, 16000, "3.486in", "8.939in",
              "Box column sketch: elevation, cross-section, base plate")
    letter = 400
    line = 14
    head, half = 170, 52

    svg.comment("Elevation: the column over its whole height, with the length dimension L.")
    tall = Box(cx=1000, top=840, bottom=7000, width=760, depth=620, radius=100, wall=50,
               turn=math.radians(30), squash=0.3)
    tall.draw(svg, sketch_body_shade, "#9AD9F6", sketch_inside_shade, SKETCH_OUTLINE, 16)
    top_y, bottom_y = tall.top_y, tall.bottom_y
    svg.line(tall.cx + 120, top_y, 2000, top_y, NEAR_BLACK, 10)
    svg.line(tall.cx + 120, bottom_y, 2000, bottom_y, NEAR_BLACK, 10)
    dimension_arrow(svg, 1880, top_y, 1880, bottom_y, NEAR_BLACK, line, head, half)
    svg.text_cell(2166, 3865, "L", letter)

    svg.comment("Cross-section: depth A, width B, wall t and outside corner radius R = 2t.")
    cx, cy, width, depth, wall = 5090, 3050, 1300, 1600, 130
    left, right, top, bottom = cx - width / 2, cx + width / 2, cy - depth / 2, cy + depth / 2
    svg.path(rounded_rect_path(cx, cy, width, depth, 2 * wall) + " " +
             rounded_rect_path(cx, cy, width - 2 * wall, depth - 2 * wall, wall),
             SKETCH_BLUE, SKETCH_OUTLINE, 16, fill_rule="evenodd")
    arrow_y = 1850
    for x in (left, right):
        svg.line(x, arrow_y - 110, x, top - 90, NEAR_BLACK, 10)
    dimension_arrow(svg, left, arrow_y, right, arrow_y, NEAR_BLACK, line, head, half)
    svg.text_cell(cx - text_width("B", letter) / 2, 1342, "B", letter)
    arrow_x = left - 330
    for y in (top, bottom):
        svg.line(arrow_x - 110, y, left - 90, y, NEAR_BLACK, 10)
    dimension_arrow(svg, arrow_x, top, arrow_x, bottom, NEAR_BLACK, line, head, half)
    centred_cell(svg, arrow_x - 120 - text_width("A", letter), cy, "A", letter)
    wall_y = cy + 250
    single_arrow(svg, right - wall - 330, wall_y, right - wall, wall_y, NEAR_BLACK, line,
                 head * 0.9, half * 0.9)
    single_arrow(svg, right + 380, wall_y, right, wall_y, NEAR_BLACK, line, head * 0.9, half * 0.9)
    svg.text_cell(right + 160, wall_y - 550, "t", letter)

    # The radius runs from the corner's centre, shared by the outer and inner arcs, to the
    # outer arc; its label sits in the hollow.
    centre_x, centre_y = left + 2 * wall, top + 2 * wall
    diagonal = math.sqrt(0.5)
    tail = (centre_x + 200 * diagonal, centre_y + 200 * diagonal)
    single_arrow(svg, tail[0], tail[1], centre_x - 2 * wall * diagonal,
                 centre_y - 2 * wall * diagonal, NEAR_BLACK, line * 0.8, head * 0.8, half * 0.8)
    svg.text_cell(left + wall + 60, tail[1] + 10, "R = 2t", 290)

    svg.comment("Base: a short column standing on the square base plate, seen from above.")
    plate_cx, plate_cy, half_w, half_h, thick = 1350, 14250, 1100, 550, 170
    isometric_slab(svg, plate_cx, plate_cy, half_w, half_h, thick, "#FBC894", "#E98A3E",
                   "#C8672A", "#A9561B", 12)
    sketch_plate_bolts(svg, plate_cx, plate_cy, half_w, half_h)
    stub = Box(cx=plate_cx, top=12120, bottom=plate_cy, width=520, depth=480, radius=80, wall=40,
               turn=math.radians(45), squash=0.5)
    stub.draw(svg, sketch_body_shade, "#9AD9F6", sketch_inside_shade, SKETCH_OUTLINE, 14)
    svg.write(output("box-column-sketch.svg"))


def subscript(svg, x, baseline, run, size):
    """A subscript run after a base of the given size: 62 % high, lowered 20 %."""
    small = 0.62 * size
    svg.text(x, baseline + 0.2 * size, run, small)
    return x + text_width(run, small)


def formula_runs(svg, x, baseline, size, pieces):
    """Draws pieces one after the other: text runs, ("_", run) subscripts, ("^", run)
    superscripts and the glyph "pi"; returns the end x."""
    for piece in pieces:
        if piece == "pi":
            path, width = pi_outline(x + 0.02 * size, baseline, size)
            svg.path(path, NEAR_BLACK)
            x += (width + 0.04) * size
        elif isinstance(piece, tuple):
            kind, run = piece
            x = (subscript if kind == "_" else superscript)(svg, x, baseline, run, size)
        else:
            svg.text(x, baseline, piece, size)
            x += text_width(piece, size)
    return x


MINUS = "\u2212"


def box_section_formula():
    svg = Svg(11200, 6000, "2.8in", "1.5in", "Area and radius of gyration of a box section")
    size = 560
    left = 300

    svg.comment("Ag = 2t(A + B) - (16 - 3 pi) t^2")
    formula_runs(svg, left, 700, size, ["A", ("_", "g"), f" = 2t(A + B) {MINUS} (16 {MINUS} 3",
                                        "pi", ")t", ("^", "2")])
    svg.comment("I = I0(A, B, 2t) - I0(A - 2t, B - 2t, t): outer rounded rectangle less inner")
    formula_runs(svg, left, 1550, size, ["I = I", ("_", "0"), f"(A, B, 2t) {MINUS} I", ("_", "0"),
                                         f"(A {MINUS} 2t, B {MINUS} 2t, t)"])
    svg.comment("r = sqrt(I / Ag)")
    baseline = 2550
    x = formula_runs(svg, left, baseline, size, ["r ="]) + 0.3 * size
    start = x
    x = formula_runs(svg, x + 0.78 * size, baseline, size, ["I / A", ("_", "g")])
    radical(svg, start, baseline, baseline - 1.0 * size, size, x + 0.1 * size, NEAR_BLACK)

    svg.comment("Legend")
    legend = 400
    step = 500
    y = 3400
    svg.text(left, y, "A = Depth,   B = Width,   t = Wall thickness", legend)
    y += step
    x = formula_runs(svg, left, y, legend, ["A", ("_", "g")])
    svg.text(x, y, " = Area of the section", legend)
    y += step
    svg.text(left, y, "I = Moment of inertia about the weak axis", legend)
    y += step
    x = formula_runs(svg, left, y, legend, ["I", ("_", "0"), "(a, b, c) "])
    svg.text(x, y, "= I of an a \u00d7 b rectangle with corners of radius c,", legend)
    y += step * 0.85
    svg.text(x, y, "  about its axis parallel to the side a", legend)
    y += step
    svg.text(left, y, "r = Radius of gyration about the weak axis", legend)
    svg.write(output("box-section-formula.svg"))


def write_all():
    box_column_drawing()
    box_column_sketch()
    box_section_formula()
