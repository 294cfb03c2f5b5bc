"""The hazard symbols of the placards in 49 CFR 172.519-172.560.

Each symbol is designed in a box of 100 x 100 units centred on (0, 0), y
downwards, and written at its place on the placard in absolute coordinates
(no SVG transforms), as a group whose id names the symbol, so that the
pictures can be checked by element.
"""
import math


def _n(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


class Frame:
    """Maps the symbol's 100-unit design box onto the placard: centre
    (cx, cy), `size` drawing units for the 100 units."""

    def __init__(self, cx, cy, size):
        self.cx, self.cy, self.k = cx, cy, size / 100.0
        self.points = []   # every point and control point drawn, in design units

    def pt(self, x, y):
        self.points.append((x, y))
        return self.cx + x * self.k, self.cy + y * self.k

    def poly(self, points):
        return "M" + " L".join("%s %s" % tuple(map(_n, self.pt(x, y))) for x, y in points) + " Z"

    def circle(self, x, y, r):
        for i in range(16):   # the circle's outline, for fitting the symbol
            self.pt(x + r * math.cos(i * math.pi / 8) / math.cos(math.pi / 16),
                    y + r * math.sin(i * math.pi / 8) / math.cos(math.pi / 16))
        cx, cy = self.pt(x, y)
        r *= self.k
        return "M%s %s A%s %s 0 1 0 %s %s A%s %s 0 1 0 %s %s Z" % (
            _n(cx - r), _n(cy), _n(r), _n(r), _n(cx + r), _n(cy), _n(r), _n(r), _n(cx - r), _n(cy))

    def curve(self, start, segments):
        """A closed path of cubic curves: `segments` holds (c1, c2, end)."""
        d = "M%s %s" % tuple(map(_n, self.pt(*start)))
        for c1, c2, end in segments:
            d += " C%s %s %s %s %s %s" % tuple(map(_n, self.pt(*c1) + self.pt(*c2) + self.pt(*end)))
        return d + " Z"


def _group(name, colour, paths, evenodd=False):
    rule = " fill-rule=\"evenodd\"" if evenodd else ""
    return "<g id=\"%s\" fill=\"%s\"%s>\n%s</g>\n" % (
        name, colour, rule, "".join("<path d=\"%s\"/>\n" % d for d in paths))


def _arc(cx, cy, r, a0, a1, steps=24):
    return [(cx + r * math.cos(a0 + (a1 - a0) * i / steps), cy + r * math.sin(a0 + (a1 - a0) * i / steps))
            for i in range(steps + 1)]


def _rotated_rect(cx, cy, w, h, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + x * c - y * s, cy + x * s + y * c)
            for x, y in ((-w / 2, -h / 2), (w / 2, -h / 2), (w / 2, h / 2), (-w / 2, h / 2))]


# A flame with a tall middle tongue and a shorter tongue on each side.
_FLAME = ((0, -50), [((4, -36), (12, -28), (13, -16)),
                     ((18, -24), (24, -30), (26, -42)),
                     ((34, -26), (34, -6), (28, 10)),
                     ((23, 26), (13, 38), (0, 40)),
                     ((-13, 38), (-23, 26), (-28, 10)),
                     ((-33, -6), (-30, -20), (-22, -32)),
                     ((-21, -22), (-17, -14), (-11, -8)),
                     ((-13, -24), (-9, -38), (0, -50))])


def flame(f, colour):
    """The flame of classes 2.1, 3, 4 and 5.2: a flame over a short base."""
    return _group("flame", colour, [f.curve(*_FLAME), f.poly([(-32, 43), (32, 43), (32, 49), (-32, 49)])])


def flame_over_circle(f, colour):
    """The flame over a circle of the OXYGEN and OXIDIZER placards."""
    small = Frame(f.cx, f.cy - 14 * f.k, f.k * 100 * 0.7)
    flame_path = small.curve(*_FLAME)
    f.points += [(x * 0.7, y * 0.7 - 14) for x, y in small.points]
    ring = f.circle(0, 22, 19) + " " + f.circle(0, 22, 11)
    return ("<g id=\"flame-over-circle\" fill=\"%s\">\n<path d=\"%s\"/>\n<path d=\"%s\" fill-rule=\"evenodd\"/>\n"
            "<path d=\"%s\"/>\n</g>\n" % (colour, flame_path, ring,
                                          f.poly([(-32, 44), (32, 44), (32, 50), (-32, 50)])))


def exploding_bomb(f, colour):
    """The exploding bomb of EXPLOSIVES 1.1-1.3: a ball with its fuse, thrown
    apart into fragments."""
    paths = [f.circle(0, 8, 22), f.poly(_rotated_rect(-17, -10, 8, 16, -45))]
    for i in range(12):
        a = math.radians(i * 30 + 15)
        c, s = math.cos(a), math.sin(a)
        inner, outer, half = 28, 50 if i % 2 else 42, 0.12
        paths.append(f.poly([(inner * math.cos(a - half), 8 + inner * math.sin(a - half)),
                             (outer * c, 8 + outer * s),
                             (inner * math.cos(a + half), 8 + inner * math.sin(a + half))]))
    return _group("exploding-bomb", colour, paths)


def cylinder(f, colour):
    """The gas cylinder of NON-FLAMMABLE GAS."""
    body = f.curve((-15, -22), [((-15, -34), (15, -34), (15, -22)), ((15, 0), (15, 30), (15, 44)),
                                ((15, 48), (12, 50), (8, 50)), ((0, 50), (-4, 50), (-8, 50)),
                                ((-12, 50), (-15, 48), (-15, 44)), ((-15, 30), (-15, 0), (-15, -22))])
    neck = f.poly([(-5, -40), (5, -40), (5, -30), (-5, -30)])
    valve = f.poly([(-11, -50), (11, -50), (11, -42), (-11, -42)])
    return _group("cylinder", colour, [body, neck, valve])


def skull_and_crossbones(f, colour):
    """The skull and crossbones of POISON, POISON GAS and INHALATION HAZARD;
    eyes, nose and the gaps between the teeth are holes."""
    skull = [f.curve((0, -50), [((18, -50), (28, -38), (28, -24)), ((28, -12), (22, -6), (18, -4)),
                                ((18, 2), (18, 6), (14, 8)), ((6, 8), (-6, 8), (-14, 8)),
                                ((-18, 6), (-18, 2), (-18, -4)), ((-22, -6), (-28, -12), (-28, -24)),
                                ((-28, -38), (-18, -50), (0, -50))]),
             f.circle(-11, -24, 7), f.circle(11, -24, 7),
             f.poly([(0, -14), (4, -7), (-4, -7)]),
             f.poly([(-7, 1), (-5, 1), (-5, 8), (-7, 8)]), f.poly([(-1, 1), (1, 1), (1, 8), (-1, 8)]),
             f.poly([(5, 1), (7, 1), (7, 8), (5, 8)])]
    bones = []
    for a, b in (((-38, 16), (38, 46)), ((38, 16), (-38, 46))):
        dx, dy = b[0] - a[0], b[1] - a[1]
        length = math.hypot(dx, dy)
        bones.append(f.poly(_rotated_rect((a[0] + b[0]) / 2, (a[1] + b[1]) / 2, length, 8,
                                          math.degrees(math.atan2(dy, dx)))))
        for end in (a, b):   # two knobs at each end of a bone
            nx, ny = -dy / length * 5, dx / length * 5
            bones.append(f.circle(end[0] + nx, end[1] + ny, 5))
            bones.append(f.circle(end[0] - nx, end[1] - ny, 5))
    return ("<g id=\"skull-and-crossbones\" fill=\"%s\">\n<path d=\"%s\" fill-rule=\"evenodd\"/>\n%s</g>\n"
            % (colour, " ".join(skull), "".join("<path d=\"%s\"/>\n" % d for d in bones)))


def trefoil(f, colour):
    """The radiation trefoil of appendix B to part 172: a central disc of
    radius R and three 60-degree blades from 1.5 R to 5 R, one pointing down."""
    r = 10
    paths = [f.circle(0, 0, r)]
    for centre in (90, 210, 330):
        a0, a1 = math.radians(centre - 30), math.radians(centre + 30)
        outer = _arc(0, 0, 5 * r, a0, a1)
        inner = _arc(0, 0, 1.5 * r, a1, a0)
        paths.append(f.poly(outer + inner))
    return _group("trefoil", colour, paths)


def _crescent(cx, cy, angle, r1, r2, offset):
    """A crescent of the biohazard sign: the disc (c, r1) less the disc
    (c + offset along `angle`, r2), open towards `angle`."""
    ux, uy = math.cos(angle), math.sin(angle)
    d = offset
    # where the two circles cross, measured from the first centre
    along = (d * d + r1 * r1 - r2 * r2) / (2 * d)
    a = math.acos(along / r1)
    b = math.acos((d - along) / r2)
    outer = _arc(cx, cy, r1, angle + a, angle + 2 * math.pi - a, 36)
    inner = _arc(cx + d * ux, cy + d * uy, r2, angle + math.pi + b, angle + math.pi - b, 36)
    return outer + inner


def biohazard(f, colour):
    """The biohazard sign of INFECTIOUS SUBSTANCE: three crescents about a ring."""
    paths = []
    for deg in (-90, 30, 150):
        a = math.radians(deg)
        paths.append(f.poly(_crescent(16 * math.cos(a), 16 * math.sin(a), a, 24, 17, 9)))
    ring = f.circle(0, 0, 11) + " " + f.circle(0, 0, 6)
    return ("<g id=\"biohazard\" fill=\"%s\">\n%s<path d=\"%s\" fill-rule=\"evenodd\"/>\n</g>\n"
            % (colour, "".join("<path d=\"%s\"/>\n" % d for d in paths), ring))


def wheat_crossed_out(f, colour):
    """KEEP AWAY FROM FOOD: an ear of wheat crossed out by a St Andrew's cross."""
    paths = [f.poly([(-2, -30), (2, -30), (2, 50), (-2, 50)]), f.poly(_rotated_rect(0, -40, 7, 16, 0))]
    for i in range(4):
        y = -26 + i * 14
        paths.append(f.poly(_rotated_rect(-7, y, 9, 18, 35)))
        paths.append(f.poly(_rotated_rect(7, y, 9, 18, -35)))
    paths.append(f.poly(_rotated_rect(0, 14, 90, 9, 40)))
    paths.append(f.poly(_rotated_rect(0, 14, 90, 9, -40)))
    return _group("wheat-crossed-out", colour, paths)


def _tube(cx, cy, degrees):
    """A test tube 14 wide and 44 long, its mouth down when `degrees` is 0,
    turned by `degrees` about its middle; also the middle of its mouth."""
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)

    def rot(x, y):
        return cx + x * c - y * s, cy + x * s + y * c
    closed = _arc(0, -15, 7, math.pi, 2 * math.pi, 16)   # the round bottom, at the top
    points = [(-7, 20), (-9, 22), (9, 22), (7, 20)] + closed[::-1]
    return [rot(x, y) for x, y in points], rot(0, 22)


def _drop(x, y, r):
    """A falling drop, point up, its round end centred at (x, y)."""
    return [(x, y - 2.6 * r)] + _arc(x, y, r, -math.pi / 2 + 0.6, 3 * math.pi / 2 - 0.6, 16)


def _bitten(x0, x1, y, bite_x, r):
    """The top edge from x0 to x1 at height y, eaten away by a half disc at bite_x."""
    return [(x0, y), (bite_x - r, y)] + _arc(bite_x, y, r, math.pi, 0, 12)[1:-1] + [(bite_x + r, y), (x1, y)]


def corrosive(f, colour):
    """The corrosive symbol of 172.558: liquid dripping from two test tubes,
    the left one onto a metal bar and the right one onto a hand, each eaten
    away where the drops land.  The design box is 180 units wide and 100
    high: the symbol fills the white triangle of the placard."""
    paths = []
    left, mouth_l = _tube(-30, -24, 32)
    right, mouth_r = _tube(30, -24, -32)
    paths += [f.poly(left), f.poly(right)]
    for mx, my in (mouth_l, mouth_r):
        paths.append(f.poly(_drop(mx, my + 10, 3.2)))
        paths.append(f.poly(_drop(mx, my + 22, 2.6)))
    # the metal bar from the left, bitten where the drops fall
    paths.append(f.poly(_bitten(-86, -8, 30, mouth_l[0], 6) + [(-8, 46), (-86, 46)]))
    # the hand from the right, its fingers towards the middle, the thumb on
    # top; the gaps between the fingers are holes
    hand = [(8, 34), (12, 30)] + _bitten(12, 58, 30, mouth_r[0], 6)[1:] + [
        (62, 24), (70, 22), (74, 27), (66, 31), (86, 31), (86, 46), (12, 46), (8, 42)]
    gaps = " ".join(f.poly([(10, y), (34, y), (34, y + 1.6), (10, y + 1.6)]) for y in (34.5, 38.5, 42.2))
    return ("<g id=\"corrosive\" fill=\"%s\">\n%s<path d=\"%s\" fill-rule=\"evenodd\"/>\n</g>\n"
            % (colour, "".join("<path d=\"%s\"/>\n" % d for d in paths), f.poly(hand) + " " + gaps))
