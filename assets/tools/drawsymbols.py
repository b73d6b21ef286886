#!/usr/bin/env python3
"""Writes the reel symbol drawings that assets/symbols/symbols.h names and
the program icon as SVG files.

Run from anywhere: python3 assets/tools/drawsymbols.py
The build does not run this; the SVG files it writes are kept in the repository.

Coordinates are twips of each symbol's frame (the viewBox). Helpers take
positions in percent of the frame, the way the drawings were laid out.
Shapes are closed polygons filled even-odd, detail lines open polylines, all in
flat colours from the palette below; outlines are black hairlines that stay one
device pixel wide at any scale.
"""

import math
import os
import random
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(HERE)

RED = "#ff0000"
LIGHT_RED = "#ff8080"
PALE_GREEN = "#c2ff80"
YELLOW_GREEN = "#80ff00"
YELLOW = "#ffff00"
PALE_YELLOW = "#ffff80"
GOLDEN_YELLOW = "#ffd300"
ORANGE_YELLOW = "#ffc400"
BROWN = "#804000"
LIGHT_GREY = "#c0c0c0"
WHITE = "#ffffff"
BLACK = "#000000"

MAX_POINTS = 161  # the most points one shape may have


class Drawing:
    def __init__(self, width, height):
        self.w = width
        self.h = height
        self.items = []

    def pt(self, x, y):
        """Percent of the frame to twips."""
        return (x * self.w / 100.0, y * self.h / 100.0)

    def pts(self, points):
        return [self.pt(x, y) for x, y in points]

    def polygon(self, points, fill, outline=True):
        assert 3 <= len(points) <= MAX_POINTS, len(points)
        self.items.append(("polygon", points, fill, outline))

    def hollow(self, points):
        """Outline only, no fill: the pore dots."""
        self.polygon(points, "none", True)

    def polyline(self, points):
        assert 2 <= len(points) <= MAX_POINTS, len(points)
        self.items.append(("polyline", points, "none", True))

    def svg(self):
        out = [
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
            f'viewBox="0 0 {self.w} {self.h}" width="{self.w}" height="{self.h}">'
        ]
        for kind, points, fill, outline in self.items:
            coords = " ".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
            attrs = f'points="{coords}" fill="{fill}"'
            if kind == "polygon":
                attrs += ' fill-rule="evenodd"'
            if outline:
                attrs += (' stroke="#000000" stroke-width="1"'
                          ' vector-effect="non-scaling-stroke"')
            else:
                attrs += ' stroke="none"'
            out.append(f"  <{kind} {attrs}/>")
        out.append("</svg>")
        return "\n".join(out) + "\n"


def fmt(v):
    r = round(v, 1)
    return str(int(r)) if r == int(r) else f"{r:.1f}"


# --- geometry helpers -------------------------------------------------------


def ellipse(cx, cy, rx, ry, n=48, start=0.0):
    return [(cx + rx * math.cos(start + 2 * math.pi * i / n),
             cy + ry * math.sin(start + 2 * math.pi * i / n)) for i in range(n)]


def box_ellipse(x0, x1, y0, y1, n=48):
    return ellipse((x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2, n)


def catmull_rom(points, per_segment=6, closed=True):
    """A smooth curve through the given points, as a polygon or polyline."""
    n = len(points)
    out = []
    last = n if closed else n - 1
    for i in range(last):
        p0 = points[(i - 1) % n] if closed or i > 0 else points[0]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[-1]
        for s in range(per_segment):
            t = s / per_segment
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t +
                       (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2 +
                       (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3) for k in range(2)))
    if not closed:
        out.append(points[-1])
    return out


def fit(points, x0, x1, y0, y1):
    """Stretch a shape so that its bounding box is exactly the given one."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    ax, bx, ay, by = min(xs), max(xs), min(ys), max(ys)
    return [(x0 + (x - ax) / (bx - ax) * (x1 - x0), y0 + (y - ay) / (by - ay) * (y1 - y0))
            for x, y in points]


def band(centre, widths):
    """A closed outline around an open centre line, widths given per point."""
    left, right = [], []
    n = len(centre)
    for i, (x, y) in enumerate(centre):
        a = centre[max(i - 1, 0)]
        b = centre[min(i + 1, n - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        d = math.hypot(dx, dy) or 1.0
        nx, ny = -dy / d, dx / d
        w = widths[i] / 2
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    return left, right


def offset_closed(points, distance):
    """A closed outline moved outwards by distance (inwards when negative).

    The points must run clockwise on screen (y pointing down).
    """
    n = len(points)
    out = []
    for i in range(n):
        a = points[i - 1]
        b = points[(i + 1) % n]
        dx, dy = b[0] - a[0], b[1] - a[1]
        ln = math.hypot(dx, dy) or 1.0
        # Clockwise on screen: the outward normal is (dy, -dx).
        out.append((points[i][0] + dy / ln * distance, points[i][1] - dx / ln * distance))
    return out


def walk(outline, i, j, step=1):
    """The points of a closed outline from index i to index j, both included."""
    out = []
    while i != j:
        out.append(outline[i])
        i = (i + step) % len(outline)
    out.append(outline[j])
    return out


def point_in_polygon(p, poly):
    x, y = p
    inside = False
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        if (y1 > y) != (y2 > y):
            if x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                inside = not inside
    return inside


def in_ellipse(p, cx, cy, rx, ry):
    return ((p[0] - cx) / rx) ** 2 + ((p[1] - cy) / ry) ** 2 <= 1.0


def shadow_beside(shadow, inside_fruit, fruit_outline_between):
    """The part of a shadow ellipse that shows beside a fruit painted before it.

    shadow: (cx, cy, rx, ry) in twips. inside_fruit(p) tells whether p is covered.
    fruit_outline_between(p, q) returns the fruit's edge from p to q running through
    the shadow. The shadow's visible arc must be one piece.
    """
    cx, cy, rx, ry = shadow
    steps = 720
    ang = [2 * math.pi * i / steps for i in range(steps)]
    pts = [(cx + rx * math.cos(a), cy + ry * math.sin(a)) for a in ang]
    out = [not inside_fruit(p) for p in pts]
    # Start the walk at an outside point that follows an inside point.
    start = next(i for i in range(steps) if out[i] and not out[i - 1])
    arc = []
    i = start
    while out[i % steps]:
        arc.append(pts[i % steps])
        i += 1
    arc = arc[::max(1, len(arc) // 90)] + [arc[-1]]
    return arc + fruit_outline_between(arc[-1], arc[0])


def ellipse_arc_between(cx, cy, rx, ry, p, q, n=40, clockwise=False):
    """Points on an ellipse from the angle of p to the angle of q."""
    a0 = math.atan2((p[1] - cy) / ry, (p[0] - cx) / rx)
    a1 = math.atan2((q[1] - cy) / ry, (q[0] - cx) / rx)
    if clockwise:
        while a1 < a0:
            a1 += 2 * math.pi
    else:
        while a1 > a0:
            a1 -= 2 * math.pi
    return [(cx + rx * math.cos(a0 + (a1 - a0) * i / n), cy + ry * math.sin(a0 + (a1 - a0) * i / n))
            for i in range(1, n)]


def clip_line(p, q, poly, steps=400):
    """Pieces of the segment p-q that lie inside poly, as (start, end) pairs."""
    pieces = []
    cur = None
    for i in range(steps + 1):
        t = i / steps
        r = (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)
        if point_in_polygon(r, poly):
            if cur is None:
                cur = [r, r]
            cur[1] = r
        elif cur is not None:
            pieces.append(tuple(cur))
            cur = None
    if cur is not None:
        pieces.append(tuple(cur))
    return pieces


def comma(d, tip, head, head_r, bend):
    """A comma-shaped gloss spot: round head, tail curving off to the tip (percent)."""
    hx, hy = head
    tx, ty = tip
    # Tail centre line from head to tip, bowed sideways by `bend`.
    mx, my = (hx + tx) / 2, (hy + ty) / 2
    nx, ny = -(ty - hy), (tx - hx)
    ln = math.hypot(nx, ny)
    ctrl = (mx + nx / ln * bend, my + ny / ln * bend)
    centre = []
    for i in range(9):
        t = i / 8
        centre.append(((1 - t) ** 2 * hx + 2 * (1 - t) * t * ctrl[0] + t * t * tx,
                       (1 - t) ** 2 * hy + 2 * (1 - t) * t * ctrl[1] + t * t * ty))
    widths = [2 * head_r * (1 - t / 8) ** 1.3 + 0.2 for t in range(9)]
    left, right = band(centre, widths)
    # Round off the head with a half circle on the far side from the tail.
    a = math.atan2(centre[1][1] - hy, centre[1][0] - hx)
    cap = [(hx + head_r * math.cos(a + math.pi / 2 + math.pi * i / 10),
            hy + head_r * math.sin(a + math.pi / 2 + math.pi * i / 10)) for i in range(1, 10)]
    return d.pts(cap + right + left[::-1])


# --- the symbols ------------------------------------------------------------


def cherry_outline(x0, x1, y0, y1, notch_x):
    """A plump cherry, a little heart-shaped: round with a dip where the stem sits."""
    pts = []
    n = 64
    for i in range(n):
        a = 2 * math.pi * i / n
        x = math.cos(a)
        y = math.sin(a)
        # Broader shoulders, a slightly pointed bottom.
        if y > 0:
            x *= 1 - 0.10 * y ** 2
        else:
            x *= 1 + 0.04 * y * y
        pts.append([x, y])
    # The dip at the top, centred on the stem.
    nx = (notch_x - (x0 + x1) / 2) / ((x1 - x0) / 2)
    for p in pts:
        if p[1] < 0:
            p[1] += 0.16 * math.exp(-((p[0] - nx) / 0.22) ** 2) * (-p[1])
    return fit([tuple(p) for p in pts], x0, x1, y0, y1)


def draw_cherries():
    d = Drawing(4632, 4933)
    # The right cherry hangs lower, behind the left one.
    d.polygon(d.pts(cherry_outline(45, 95, 50, 95, 73)), RED)
    d.polygon(comma(d, (60, 62), (65, 56), 3.2, -1.5), WHITE, outline=False)
    d.polygon(d.pts(cherry_outline(5, 57, 37, 89, 36)), RED)
    d.polygon(comma(d, (16, 53.5), (23, 48.5), 4.0, -1.8), WHITE, outline=False)

    # Both stems as one shape: up the left stem, round the forked knob, down the
    # right stem, then back up its inner side to the crotch and down the left.
    left_stem = catmull_rom([(36, 44), (40, 30), (49, 17), (58.5, 10)], 5, closed=False)
    right_stem = catmull_rom([(73, 54), (72, 38), (69, 22), (65, 10)], 5, closed=False)
    lw = [2.6] * len(left_stem)
    rw = [2.6] * len(right_stem)
    ll, lr = band(left_stem, lw)    # lr is the outer (upper left) side
    rl, rr = band(right_stem, rw)   # rl is the outer (right) side
    knob = [(57.5, 9.0), (57.0, 6.5), (58.5, 5.0), (60.5, 5.4), (61.8, 7.0),
            (63.0, 5.2), (65.0, 5.0), (67.0, 6.4), (66.6, 9.0)]
    outline = (lr[:-1] + knob + rl[:-1][::-1] + [rl[0], rr[0]] + rr[1:-2] +
               [(62, 13.5)] + ll[1:-2][::-1] + [ll[0]])
    d.polygon(d.pts(outline), PALE_GREEN)
    return d


def draw_grapes():
    d = Drawing(3383, 4933)
    w, h = d.w, d.h

    # Stalk from the upper left to the middle, with short branches reaching down
    # into the bunch, and the leaf.
    main = catmull_rom([(14, 5.2), (24, 7.6), (36, 11.2), (46, 15.5), (51, 20.5)], 4,
                       closed=False)
    # band() gives the side to the left of the direction of travel first: below here.
    lower, upper = band([d.pt(*p) for p in main],
                        [w * (0.030 + 0.012 * i / (len(main) - 1)) for i in range(len(main))])
    def with_branches(edge, branches):
        """Adds a curved branch between points i and i + 1 of the edge for each
        entry i: (bend, tip in percent)."""
        out = []
        for i, p in enumerate(edge):
            out.append(p)
            if i not in branches:
                continue
            bend, tip = branches[i]
            q = edge[i + 1]
            base = ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2)
            tip = d.pt(*tip)
            mid = ((base[0] + tip[0]) / 2 + bend, (base[1] + tip[1]) / 2)
            centre = catmull_rom([base, mid, tip], 5, closed=False)
            n = len(centre)
            side_a, side_b = band(centre, [95 - 40 * k / (n - 1) for k in range(n)])
            if math.dist(side_a[0], p) > math.dist(side_b[0], p):
                side_a, side_b = side_b, side_a
            out += side_a[1:] + side_b[::-1][:-1]
        return out

    lower = with_branches(lower, {5: (-60, (24.5, 21.5)), 10: (-50, (37, 23))})
    upper = with_branches(upper, {14: (40, (67, 22.5))})
    d.polygon(upper + lower[::-1], YELLOW_GREEN)

    leaf = [(53, 9.5), (58, 6.6), (63, 7.6), (66, 5.2), (72, 6.4), (75, 5.0), (80, 6.6),
            (87, 9.2), (80, 12.0), (75, 11.8), (71, 14.8), (65, 13.0), (60, 15.0), (56, 12.0)]
    d.polygon(d.pts(catmull_rom(leaf, 4)), YELLOW_GREEN)
    d.polyline(d.pts(catmull_rom([(55, 10), (64, 10.3), (74, 9.6), (83, 9.2)], 3,
                                 closed=False)))

    # Grapes: (x, y in percent of the frame, diameter in percent of its width, gloss),
    # from back to front. Rows of four and three fill the width from y 20 to 77,
    # then the bunch tapers to two grapes.
    s = w / 100.0
    grapes = [
        (50.0, 26.5, 19, False),  # at the back, between the top row
        # row 1
        (15.5, 27.5, 21, True), (38.5, 27.3, 22, True), (61.5, 27.3, 22, True),
        (84.5, 27.5, 21, True),
        # row 2, with two smaller grapes at the sides
        (12.0, 40.0, 14, False), (88.0, 40.0, 14, False),
        (27.0, 38.3, 23, True), (50.0, 38.0, 23, True), (73.0, 38.3, 23, True),
        # row 3
        (15.5, 49.3, 21, True), (38.5, 49.0, 23, True), (61.5, 49.0, 23, True),
        (84.5, 49.3, 21, True),
        # row 4, with two smaller grapes at the sides
        (12.0, 59.5, 14, False), (88.0, 59.5, 14, False),
        (27.0, 59.8, 22, False), (50.0, 59.8, 23, True), (73.0, 59.8, 22, False),
        # row 5
        (39.0, 70.5, 21, False), (61.5, 70.5, 21, False),
        # the tip of the bunch
        (63.5, 80.0, 20, True), (50.0, 87.6, 20, True),
    ]
    assert len(grapes) == 23
    assert sum(1 for g in grapes if g[3]) == 14
    for x, y, dia, gloss in grapes:
        cx, cy, r = x * s, y * h / 100.0, dia * s / 2
        d.polygon(ellipse(cx, cy, r, r, 40, math.pi / 40), PALE_GREEN)
        if gloss:
            g = ellipse(cx - r * 0.42, cy - r * 0.45, r * 0.26, r * 0.17, 16)
            # Tilt the oval along the grape's rim.
            t = math.radians(-40)
            gx, gy = cx - r * 0.42, cy - r * 0.45
            g = [(gx + (px - gx) * math.cos(t) - (py - gy) * math.sin(t),
                  gy + (px - gx) * math.sin(t) + (py - gy) * math.cos(t)) for px, py in g]
            d.polygon(g, WHITE, outline=False)
    return d


def draw_lemon():
    d = Drawing(4929, 3603)
    d.polygon(d.pts(box_ellipse(10, 87, 83, 95, 48)), BLACK, outline=False)

    # Peel: the lower half of the fruit, a dome with the lemon's nub at the bottom.
    dome = []
    n = 60
    for i in range(n + 1):
        a = math.pi * i / n  # 0 = right, pi/2 = bottom, pi = left
        x = 50 + 45 * math.cos(a)
        y = 33 + 57 * math.sin(a) ** 1.15
        dome.append((x, y))
    nub = [(56, 89.5), (53.5, 92.6), (50, 94), (46.5, 92.6), (44, 89.5)]
    bottom = [p for p in dome if p[0] > 56] + nub + [p for p in dome if p[0] < 44]
    top = [(8, 29), (25, 26.6), (50, 26), (75, 26.6), (92, 29)]
    d.polygon(d.pts(bottom + top[::-1]), YELLOW)

    # The cut face: rim, pith, eleven segments and the seeds.
    cx, cy, rx, ry = 50, 33, 45, 28
    d.polygon(d.pts(ellipse(cx, cy, rx, ry, 72)), YELLOW)
    d.polygon(d.pts(ellipse(cx, cy, rx * 0.92, ry * 0.89, 72)), PALE_YELLOW, outline=False)
    segments = 11
    gap = 0.07  # radians of pith between two segments, at the rim
    for k in range(segments):
        a0 = 2 * math.pi * k / segments - math.pi / 2 + gap
        a1 = 2 * math.pi * (k + 1) / segments - math.pi / 2 - gap
        inner = 0.1
        outer = 0.84
        pts = []
        steps = 8
        for i in range(steps + 1):
            a = a0 + (a1 - a0) * i / steps
            pts.append((cx + rx * outer * math.cos(a), cy + ry * outer * math.sin(a)))
        am = (a0 + a1) / 2
        pts.append((cx + rx * inner * math.cos(am), cy + ry * inner * math.sin(am)))
        d.polygon(d.pts(pts), YELLOW)
    # Seeds: small ovals near the centre, tilted this way and that.
    for sx, sy, ang in [(38, 29, 20), (46, 26.8, -10), (58, 36, 30), (66, 30.5, -25)]:
        px, py = d.pt(sx, sy)
        t = math.radians(ang)
        seed = [(px + x * math.cos(t) - y * math.sin(t), py + x * math.sin(t) + y * math.cos(t))
                for x, y in ellipse(0, 0, 108, 62, 14)]
        d.polygon(seed, GOLDEN_YELLOW)
    return d


def draw_orange():
    d = Drawing(3163, 3700)
    w, h = d.w, d.h
    fx, fy, frx, fry = 50 * w / 100, 47 * h / 100, 45 * w / 100, 42 * h / 100
    fruit = ellipse(fx, fy, frx, fry, 96)
    d.polygon(fruit, ORANGE_YELLOW)

    # Stem end: black ring, orange inside, a small black crescent.
    d.polygon(d.pts(box_ellipse(51, 68, 10, 19, 32)), BLACK)
    d.polygon(d.pts(box_ellipse(53.5, 65.5, 11.6, 17.4, 28)), ORANGE_YELLOW)
    cres = ([(59.5 + 4.2 * math.cos(a), 14.5 + 2.2 * math.sin(a))
             for a in [math.pi * (0.1 + 0.8 * i / 10) for i in range(11)]] +
            [(59.5 + 3.4 * math.cos(a), 13.6 + 1.4 * math.sin(a))
             for a in [math.pi * (0.9 - 0.8 * i / 10) for i in range(11)]])
    d.polygon(d.pts(cres), BLACK, outline=False)

    add_pores(d, 100, 34, 88, lambda x, y: pore_zone_orange(d, fx, fy, frx, fry, x, y), seed=4)

    def inside(p):
        return in_ellipse(p, fx, fy, frx, fry)

    def between(p, q):
        return ellipse_arc_between(fx, fy, frx, fry, p, q)
    sh = ((17 + 90) / 2 * w / 100, (75 + 95) / 2 * h / 100, 36.5 * w / 100, 10 * h / 100)
    d.polygon(shadow_beside(sh, inside, between), BLACK, outline=False)
    return d


def pore_zone_orange(d, fx, fy, frx, fry, x, y):
    """Pores on the lower half and along the left edge, kept off the outline."""
    px, py = d.pt(x, y)
    u, v = (px - fx) / frx, (py - fy) / fry
    r = math.hypot(u, v)
    if r > 0.93:
        return False
    if y > 55:
        return True
    return u < -0.55 and r > 0.6


def add_pores(d, count, y0, y1, allowed, seed, spacing=110):
    """Tiny hollow specks scattered where allowed(x, y) says, not touching each other."""
    rng = random.Random(seed)
    placed = []
    tries = 0
    while len(placed) < count:
        tries += 1
        assert tries < 200000
        x = rng.uniform(5, 95)
        y = rng.uniform(y0, y1)
        if not allowed(x, y):
            continue
        px, py = d.pt(x, y)
        if any(math.hypot(px - qx, py - qy) < spacing for qx, qy in placed):
            continue
        placed.append((px, py))
    for px, py in placed:
        r = 14 + rng.random() * 8
        d.hollow(ellipse(px, py, r, r * 0.8, 6, rng.random()))


def draw_apple():
    d = Drawing(4234, 4933)
    # Outline of the apple: two shoulders with a dimple between, a narrower base.
    body = [(50, 24.5), (60, 19.5), (72, 18), (84, 22), (91, 32), (93, 45), (91, 60),
            (86, 74), (78, 85), (68, 91), (60, 92), (53, 90), (46, 92), (37, 91),
            (25, 85), (14, 74), (7.5, 60), (5, 45), (7, 32), (14, 22), (26, 18), (39, 19.5)]
    apple = fit(catmull_rom(body, 6), 5, 93, 18, 92)
    d.polygon(d.pts(apple), RED, outline=False)

    # Gloss over the upper left: the skin's outline moved inwards, so that a narrow
    # band of red stays along the edge, closed below by an S-curve.
    inset = offset_closed(d.pts(apple), -110)
    left_i = min(range(len(inset)), key=lambda i: math.dist(inset[i], d.pt(5, 64)))
    right_i = min(range(len(inset)), key=lambda i: math.dist(inset[i], d.pt(93, 27)))
    top = walk(inset, left_i, right_i)
    s_curve = [(80, 28), (72, 30.5), (63, 33.5), (55, 38), (46, 45), (37, 52), (27, 58),
               (17, 62), (9, 63.6)]
    gloss = top + d.pts(catmull_rom(s_curve, 4, closed=False)[1:-1])
    d.polygon(gloss, LIGHT_RED, outline=False)

    # Dimple and stalk.
    dimple = [(35, 23.5), (41, 25.5), (48, 26.7), (55, 25.6), (60, 23.2),
              (56, 26.0), (49, 27.6), (42, 27.0)]
    d.polygon(d.pts(dimple), BROWN, outline=False)
    stalk_c = catmull_rom([(49, 26.5), (51, 18), (55, 11), (63, 5.5)], 5, closed=False)
    left, right = band(d.pts(stalk_c), [250, 240, 230, 220, 210, 200, 190, 180, 170, 160,
                                        150, 145, 140, 135, 130, 125][:len(stalk_c)])
    tip = d.pt(66, 5.0)
    d.polygon(left + [tip] + right[::-1], BROWN, outline=False)

    shadow = ((12 + 95) / 2 * d.w / 100, 88 * d.h / 100, 41.5 * d.w / 100, 7 * d.h / 100)
    apple_tw = d.pts(apple)

    def inside(p):
        return point_in_polygon(p, apple_tw)

    def between(p, q):
        # Walk the apple's outline backwards from near p to near q.
        ip = min(range(len(apple_tw)), key=lambda i: math.dist(apple_tw[i], p))
        iq = min(range(len(apple_tw)), key=lambda i: math.dist(apple_tw[i], q))
        out = walk(apple_tw, ip, iq, -1)
        # Choose the shorter way round if walking backwards went the long way.
        if len(out) > len(apple_tw) // 2:
            out = walk(apple_tw, ip, iq)
        return out
    d.polygon(shadow_beside(shadow, inside, between), LIGHT_GREY, outline=False)
    return d


def draw_knobfruit():
    d = Drawing(4360, 4933)
    d.polygon(d.pts(box_ellipse(20, 92, 90, 95, 48)), BLACK, outline=False)
    outline = [
        (45, 15), (46.5, 11.5), (48, 10.5), (49.5, 8), (51.5, 5.8), (55.5, 5), (59.5, 5.8),
        (61, 8), (62.3, 9.2), (64, 7.6), (68, 6.8), (71.8, 7.8), (72.8, 10.2), (75, 11.4),
        (77, 15), (79, 18.5), (83, 24), (87, 30), (91.5, 39), (94.2, 49), (95, 60),
        (94.2, 70), (91, 79), (85, 86), (75, 90.5), (63, 92.6), (58, 92.2), (55.5, 93),
        (53, 92.2), (50.5, 93), (48, 92.2), (42, 92.4), (30, 90.5), (18, 86.5), (9.5, 79),
        (5.8, 70), (5, 60), (5.8, 50), (9, 40), (18, 30), (24.5, 24), (31, 20), (37, 18),
        (41, 17.4), (43.2, 16.2),
    ]
    fruit = fit(catmull_rom(outline, 3), 5, 95, 5, 93)
    d.polygon(d.pts(fruit), GOLDEN_YELLOW)

    def zone(x, y):
        if not point_in_polygon((x, y), fruit):
            return False
        # Keep the specks off the outline: all eight neighbours must be inside too.
        for dx, dy in [(-2, 0), (2, 0), (0, -1.8), (0, 1.8), (-1.5, -1.3), (1.5, 1.3),
                       (-1.5, 1.3), (1.5, -1.3)]:
            if not point_in_polygon((x + dx, y + dy), fruit):
                return False
        near_side = x < 22 or x > 78
        return near_side or y > 80

    add_pores(d, 100, 30, 91, zone, seed=6)
    return d


def draw_pineapple():
    d = Drawing(1449, 3699)
    # Leaves, back ones first: (tip, base, width at the widest) in percent.
    leaves = [
        ((4, 30.5), (30, 44.5), 9),     # the short one sticking out to the left
        ((91, 29), (62, 46), 11),
        ((13, 17), (42, 46), 11),
        ((84, 14), (60, 46), 12),
        ((27, 9), (45, 47), 13),
        ((73, 9.5), (56, 47), 13),
        ((42, 5), (49, 48), 14),
        ((59, 5), (53, 49), 14),
    ]
    for tip, base, width in leaves:
        (tx, ty), (bx, by) = tip, base
        # Bow each leaf outwards a little, away from the middle.
        side = 1 if tx > 50 else -1
        mid = ((tx + bx) / 2 + side * 3, (ty + by) / 2 + 2)
        centre = catmull_rom([(bx, by), mid, (tx, ty)], 10, closed=False)
        n = len(centre)
        widths = [width * math.sin(math.pi * (0.5 + 0.5 * i / (n - 1))) ** 0.8 + 0.01
                  for i in range(n)]
        # Widths in percent of the frame width, the centre line in percent both ways:
        # work in twips so that the leaf keeps its width whatever its direction.
        ctw = d.pts(centre)
        left, right = band(ctw, [wd * d.w / 100 for wd in widths])
        d.polygon(left + [d.pt(tx, ty)] + right[::-1][1:], PALE_GREEN)

    body = [(50, 47), (60, 47.6), (75, 50), (86, 58), (93.5, 70), (96, 80), (93, 88),
            (84, 93.5), (68, 95), (52, 95), (36, 95), (21, 93.5), (12.5, 88), (11, 80),
            (14, 70), (20, 59), (29, 50), (40, 47.6)]
    fruit = d.pts(fit(catmull_rom(body, 6), 11, 96, 47, 95))
    d.polygon(fruit, GOLDEN_YELLOW)

    # Lattice of crossing diagonals, then a chevron in the diamonds it forms.
    sx = d.w * 0.18   # horizontal spacing between parallel lines
    slope = 1.05      # rise over run of the diagonals, in twips
    cx = d.w * 0.535
    cy = d.h * 0.71
    lines = []
    for k in range(-8, 9):
        off = k * sx
        for sgn in (1, -1):
            # Line through (cx + off, cy) with slope +/- slope.
            p = (cx + off - 2000, cy - sgn * slope * 2000)
            q = (cx + off + 2000, cy + sgn * slope * 2000)
            for a, b in clip_line(p, q, fruit):
                if math.dist(a, b) > 60:
                    lines.append((a, b))
    for a, b in lines:
        d.polyline([a, b])
    # Diamond centres lie halfway between crossings, straight below one crossing.
    half_h = sx * slope / 2  # from a crossing down to the centre of the diamond below it
    chevrons = 0
    for i in range(-10, 11):
        for j in range(-10, 11):
            # Crossings are at cx + (i + j) * sx / 2, cy + (j - i) * sx * slope / 2.
            x = cx + (i + j) * sx / 2
            y = cy + (j - i) * sx * slope / 2 + half_h
            hw = sx * 0.2
            hh = sx * slope * 0.12
            pts = [(x - hw, y + hh), (x, y - hh), (x + hw, y + hh)]
            margin_pts = [(x - sx * 0.6, y), (x + sx * 0.6, y), (x, y - half_h * 0.9),
                          (x, y + half_h * 0.9)]
            if all(point_in_polygon(p, fruit) for p in margin_pts):
                d.polyline(pts)
                chevrons += 1
    assert 27 <= chevrons <= 33, chevrons
    return d


# --- the icon ---------------------------------------------------------------


def draw_icon():
    """A gold dollar sign on a 64 x 64 grid, built up in layers for its bevel."""
    def s_curve():
        pts = []
        # Upper bowl: from the upper right terminal over the top to the middle.
        for i in range(31):
            a = math.radians(-28 - (180 + 90 - 28) * i / 30)  # -28 .. -270 degrees
            pts.append((30 + 15.2 * math.cos(a), 18.8 + 10.0 * math.sin(a)))
        # Lower bowl: from the middle round the right to the lower left terminal.
        for i in range(1, 31):
            a = math.radians(-90 + (90 + 90 + 28) * i / 30)  # -90 .. 118+ degrees
            pts.append((30 + 15.2 * math.cos(a), 40.2 + 10.0 * math.sin(a)))
        return pts

    centre = s_curve()
    n = len(centre)
    # Thin at the ends, heavy along the spine.
    widths = [6.4 + 3.4 * math.sin(math.pi * i / (n - 1)) ** 2 for i in range(n)]
    left, right = band(centre, widths)
    s_shape = left + right[::-1]
    # Lit edges peek out at the upper left from under the sign, the darker golds and
    # browns at the lower right, each layer a little further down and to the right.
    # Steps are multiples of `shift`, in pixels.
    shift = (0.45, 1.0)
    layers = [("#ffe2b1", -0.9), ("#ffd48e", -0.6), ("#ffc66b", -0.3)]
    darks = ["#503200", "#734a00", "#966200", "#b97a00", "#dc9200", "#ffaa25"]
    layers += [(c, 2.0 - 0.33 * k) for k, c in enumerate(darks)]
    layers.append(("#ffb848", 0.0))
    lit = min(step for _, step in layers)
    dark = max(step for _, step in layers)

    # With every layer, the S spans columns 10-50 and rows 5-58; the leaning stroke
    # stands out above and below: rows 1-5 at columns 32-38, rows 57-63 at 25-31.
    xs = [x for x, _ in s_shape]
    ys = [y for _, y in s_shape]
    x0, x1 = 10.2 - lit * shift[0], 50.8 - dark * shift[0]
    y0, y1 = 5.0 - lit * shift[1], 59.0 - dark * shift[1]
    s_base = [(x0 + (x - min(xs)) / (max(xs) - min(xs)) * (x1 - x0),
               y0 + (y - min(ys)) / (max(ys) - min(ys)) * (y1 - y0)) for x, y in s_shape]
    top, bottom = 1.2 - lit * shift[1], 63.8 - dark * shift[1]
    bar = [(32.2 - lit * shift[0], top), (38.8 - dark * shift[0], top),
           (31.75 - dark * shift[0], bottom), (25.2 - lit * shift[0], bottom)]

    out = ['<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
           'viewBox="0 0 64 64" width="64" height="64">']
    for colour, step in layers:
        for shape in (s_base, bar):
            coords = " ".join("%.2f,%.2f" % (x + shift[0] * step, y + shift[1] * step)
                              for x, y in shape)
            out.append(f'  <polygon points="{coords}" fill="{colour}" fill-rule="evenodd"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def symbol_drawings():
    """The drawings in their places on the reel, from the program's table of symbols."""
    with open(os.path.join(ASSETS, "symbols", "symbols.h")) as f:
        return re.findall(r'^ *\{"([a-z]+)", QT_TRANSLATE_NOOP', f.read(), re.MULTILINE)


def main():
    for place, drawing in enumerate(symbol_drawings(), start=1):
        with open(os.path.join(ASSETS, "symbols", f"{place}-{drawing}.svg"), "w") as f:
            f.write(globals()["draw_" + drawing]().svg())
    with open(os.path.join(ASSETS, "icon", "reelmoor.svg"), "w") as f:
        f.write(draw_icon())


if __name__ == "__main__":
    main()
