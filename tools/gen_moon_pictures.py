#!/usr/bin/env python3
"""Draws the moon picture's nine bitmaps in resources/.

Six full-Moon pictures, 64, 32 and 16 pixels square, in 16 greys (4 bits, "MOON_LARGE",
"MOON_SMALL", "MOON_TINY") and in 256 warm greys (8 bits, "MOON_COLOR_LARGE", ...), and
three 1-bit icon masks ("MOON_BW_LARGE", ...), white outside the disc and black on it.

The Moon is the near side at full phase, north up, selenographic east to the right,
seen without libration: an albedo map in selenographic latitude and longitude (maria as
soft-edged, merging blobs on the sphere, bright rayed craters, seeded highland
mottling), projected orthographically and shaded with a gentle limb darkening. Each
size is rendered on its own, each pixel the average of a grid of samples.

The disc of a size is the set of pixels whose centres lie within the radius of the
size's centre pixel; pixels off it are black, pixels on it are never black.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp import parse_root, write_bmp  # noqa: E402

# name suffix, picture size, centre x, centre y, disc radius, samples per pixel side
SIZES = [
    ("LARGE", 64, 31, 28, 28, 4),
    ("SMALL", 32, 15, 14, 14, 6),
    ("TINY", 16, 7, 7, 7, 10),
]

# Maria and dark-floored craters: (latitude, longitude, radius, albedo), degrees.
# Each is a soft blob; overlapping blobs merge into one irregular mare, and a mare's
# shore runs where the blobs' summed weight crosses one half. Positions follow the
# lunar near side.
MARIA = [
    # Oceanus Procellarum, from Sinus Roris down to Flamsteed and Letronne
    (51, -52, 6, 0.50), (43, -55, 8, 0.49), (34, -57, 9, 0.48), (25, -60, 9, 0.47),
    (15, -60, 9.5, 0.46), (5, -57, 9, 0.47), (-4, -50, 7.5, 0.49), (-9, -41, 5, 0.50),
    (22, -42, 8, 0.48), (33, -42, 7, 0.47), (12, -44, 8, 0.49), (2, -40, 7, 0.50),
    (40, -40, 5, 0.48), (-10, -32, 4, 0.52),
    # Mare Insularum, Sinus Aestuum
    (8, -29, 7, 0.53), (3, -20, 5, 0.54), (12, -10, 4.5, 0.50),
    # Mare Imbrium and Sinus Iridum
    (34, -17, 13.5, 0.46), (38, -27, 8, 0.46), (27, -8, 7, 0.47), (44, -31, 3.5, 0.48),
    # Mare Frigoris, Lacus Mortis, Lacus Somniorum
    (55, -42, 3.5, 0.53), (57, -28, 4, 0.54), (56, -14, 4, 0.54), (57, 0, 4, 0.54),
    (58, 14, 3.5, 0.55), (59, 28, 3.2, 0.56), (45, 27, 2.5, 0.53), (37, 30, 4, 0.53),
    # Mare Serenitatis, its darker southern rim
    (28, 17.5, 10, 0.51), (20, 15, 3, 0.42), (22, 24, 3, 0.44),
    # Mare Vaporum, Sinus Medii and the dark plains east of it
    (14, 4, 4.5, 0.50), (2, 1, 4.5, 0.57), (2, 13, 4.5, 0.47), (9, 9, 3, 0.53),
    # Mare Tranquillitatis, its south-west shore and Sinus Asperitatis
    (8, 31, 8.5, 0.41), (14, 26, 5.5, 0.42), (5, 38, 6, 0.41), (16, 38, 4.5, 0.42),
    (1, 25, 4.5, 0.42), (-2, 20, 4, 0.43), (-4, 27, 3.5, 0.45),
    # Mare Crisium
    (17, 59, 8, 0.42),
    # Mare Fecunditatis
    (-2, 51, 6, 0.50), (-9, 52, 6.5, 0.50), (-16, 50, 4.5, 0.51), (-4, 44, 4, 0.50),
    # Mare Nectaris
    (-15, 35, 4.5, 0.49),
    # Mare Nubium, Mare Cognitum
    (-20, -16, 9, 0.52), (-13, -10, 5, 0.53), (-28, -20, 5, 0.53), (-10, -23, 5, 0.52),
    # Mare Humorum
    (-24, -39, 5.5, 0.46),
    # Limb maria: Marginis, Smythii, Humboldtianum, Australe, Orientale's eastern ring
    (13, 86, 4, 0.52), (-2, 87, 5, 0.50), (57, 81, 3.5, 0.52), (-40, 88, 6, 0.58),
    (-20, -88, 4, 0.55),
    # Dark floors: Grimaldi, Riccioli, Plato, Endymion
    (-5, -68.5, 2.5, 0.40), (-3, -74, 1.8, 0.45), (51.6, -9.4, 1.5, 0.42), (54, 57, 2, 0.46),
]

# Highland islands inside the maria: (latitude, longitude, radius), degrees.
ISLANDS = [
    (26, -51, 2.5),   # Aristarchus plateau
    (-3, -38, 2.5),   # the Riphaeus mountains' neighbourhood
]

# Bright rayed craters: (latitude, longitude, crater radius, halo radius, halo strength,
# ray count, longest ray, ray half width, ray strength, ray targets), degrees.
# Ray targets are points a ray runs towards, beyond the seeded random rays.
CRATERS = [
    ("Tycho", -43.3, -11.2, 1.3, 2.5, 0.65, 22, 62, 0.8, 0.45,
     [(28, 17.5), (-15, 35), (-24, -38), (-5, -25), (-60, 30), (-60, -50)]),
    ("Copernicus", 9.6, -20.1, 1.4, 2.5, 0.55, 40, 16, 0.6, 0.22, []),
    ("Kepler", 8.1, -38.0, 0.5, 2.2, 0.60, 12, 13, 0.7, 0.35, []),
    ("Aristarchus", 23.7, -47.4, 0.7, 1.6, 0.95, 0, 0, 0, 0, []),
    ("Proclus", 16.1, 46.8, 0.5, 1.8, 0.65, 6, 14, 0.8, 0.35, []),
    ("Anaxagoras", 73.4, -10.1, 0.8, 2.5, 0.45, 8, 16, 1.0, 0.30, []),
    ("Stevinus A", -32.5, 51.3, 0.3, 1.8, 0.50, 6, 12, 0.8, 0.30, []),
    ("Furnerius A", -33.5, 59.0, 0.3, 1.5, 0.45, 6, 12, 0.8, 0.30, []),
    ("Byrgius A", -24.5, -63.9, 0.3, 1.5, 0.45, 6, 10, 0.8, 0.25, []),
    ("Olbers A", 8.1, -77.6, 0.4, 1.5, 0.40, 5, 12, 0.9, 0.25, []),
    ("Menelaus", 16.3, 16.0, 0.4, 1.2, 0.50, 0, 0, 0, 0, []),
    ("Censorinus", -0.4, 32.7, 0.2, 1.0, 0.55, 0, 0, 0, 0, []),
    ("Manilius", 14.5, 9.1, 0.5, 1.0, 0.40, 0, 0, 0, 0, []),
]

HIGHLAND = 0.80       # mean highland brightness
MOTTLE = 0.07         # amplitude of the highland mottling
SHORE = 0.12          # half width of a shore, in blob weight
SHORE_WANDER = 0.25   # how far the noise moves a shore, in blob weight
RAY_PEAK = 1.0        # brightness a saturated ray or halo reaches
LIMB_FLOOR = 0.80     # brightness factor at the limb (1 at the centre)

SEED = 1969


def unit(lat, lon):
    """Viewer-frame unit vector of a selenographic position: x east, y north, z to us."""
    la, lo = math.radians(lat), math.radians(lon)
    return (math.cos(la) * math.sin(lo), math.sin(la), math.cos(la) * math.cos(lo))


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


class Noise:
    """Seeded 3-D value noise on a lattice, smooth between lattice points."""

    def __init__(self, seed):
        rng = random.Random(seed)
        self.perm = list(range(256))
        rng.shuffle(self.perm)
        self.perm += self.perm
        self.values = [rng.random() * 2 - 1 for _ in range(256)]

    def lattice(self, i, j, k):
        p = self.perm
        return self.values[p[p[p[i & 255] + (j & 255)] + (k & 255)]]

    def __call__(self, x, y, z):
        i, j, k = math.floor(x), math.floor(y), math.floor(z)
        fx, fy, fz = x - i, y - j, z - k
        sx, sy, sz = (f * f * (3 - 2 * f) for f in (fx, fy, fz))
        total = 0.0
        for di, wx in ((0, 1 - sx), (1, sx)):
            for dj, wy in ((0, 1 - sy), (1, sy)):
                for dk, wz in ((0, 1 - sz), (1, sz)):
                    total += wx * wy * wz * self.lattice(i + di, j + dj, k + dk)
        return total


class Crater:
    def __init__(self, row, rng):
        (self.name, lat, lon, self.radius, self.halo, self.halo_strength, count, longest,
         self.ray_width, self.ray_strength, targets) = row
        self.centre = unit(lat, lon)
        c = self.centre
        # Local north and east at the crater, tangent to the sphere.
        north = (-c[1] * c[0], 1 - c[1] * c[1], -c[1] * c[2])
        n = math.sqrt(dot(north, north))
        self.north = tuple(v / n for v in north)
        self.east = (self.north[1] * c[2] - self.north[2] * c[1],
                     self.north[2] * c[0] - self.north[0] * c[2],
                     self.north[0] * c[1] - self.north[1] * c[0])
        self.rays = []  # (azimuth, length), radians
        for tlat, tlon in targets:
            t = unit(tlat, tlon)
            length = math.acos(max(-1.0, min(1.0, dot(c, t))))
            self.rays.append((self.azimuth(t), min(length, math.radians(longest)) * 1.05))
        for _ in range(count):
            self.rays.append((rng.uniform(-math.pi, math.pi),
                              math.radians(longest) * rng.uniform(0.35, 1.0)))
        self.reach = math.radians(max([longest * 1.1, self.halo * 3, self.radius * 2]))

    def azimuth(self, p):
        return math.atan2(dot(p, self.east), dot(p, self.north))

    def brightening(self, p):
        """How far the crater lifts point p towards RAY_PEAK, 0 to 1."""
        d = math.acos(max(-1.0, min(1.0, dot(self.centre, p))))
        if d > self.reach:
            return 0.0
        dd = math.degrees(d)
        if dd < self.radius:
            return 1.0
        lift = self.halo_strength * math.exp(-(dd / self.halo) ** 2)
        if self.rays and d > 0:
            az = self.azimuth(p)
            for ray_az, length in self.rays:
                if d >= length:
                    continue
                delta = az - ray_az
                if math.cos(delta) <= 0:
                    continue
                across = math.degrees(math.sin(d) * math.sin(delta))
                width = self.ray_width * (1 + 1.5 * d / length)
                fade = (1 - d / length) ** 1.5
                s = self.ray_strength * fade * math.exp(-(across / width) ** 2)
                lift = 1 - (1 - lift) * (1 - s)
        return min(1.0, lift)


def smoothstep(t):
    t = max(0.0, min(1.0, t))
    return t * t * (3 - 2 * t)


class Blob:
    """Weight 2**-(d/r)**2 at angular distance d from the centre: one half at r."""

    def __init__(self, lat, lon, radius):
        self.centre = unit(lat, lon)
        self.scale = math.log(2) / math.radians(radius) ** 2
        self.reach = math.cos(min(math.pi, 3 * math.radians(radius)))

    def weight(self, p):
        c = dot(self.centre, p)
        if c < self.reach:
            return 0.0
        d = math.acos(min(1.0, c))
        return math.exp(-self.scale * d * d)


class MoonAlbedo:
    def __init__(self):
        rng = random.Random(SEED)
        self.noise = Noise(SEED)
        self.maria = [(Blob(lat, lon, r), a) for lat, lon, r, a in MARIA]
        self.islands = [Blob(lat, lon, r) for lat, lon, r in ISLANDS]
        self.craters = [Crater(row, rng) for row in CRATERS]
        # Small fresh craters, bright specks scattered over the disc.
        self.specks = []
        for _ in range(260):
            lat = math.degrees(math.asin(rng.uniform(-1, 1)))
            lon = rng.uniform(-95, 95)
            self.specks.append((unit(lat, lon), math.radians(rng.uniform(0.4, 1.1)),
                                rng.uniform(0.15, 0.45)))

    def octaves(self, p, bands):
        x, y, z = p
        return sum(amp * self.noise(x * freq + 11.3, y * freq + 5.7, z * freq + 2.1)
                   for freq, amp in bands)

    def __call__(self, p):
        mottle = self.octaves(p, ((3, 0.55), (7, 0.3), (15, 0.15)))
        base = HIGHLAND + MOTTLE * mottle
        # The blobs' weights combine as a 2-norm: overlapping blobs merge, but far
        # tails do not add up into a mare of their own.
        field, weight_sum, albedo_sum = 0.0, 0.0, 0.0
        for blob, albedo in self.maria:
            g = blob.weight(p)
            if g > 0:
                field += g * g
                weight_sum += g
                albedo_sum += g * albedo
        if weight_sum > 0:
            field = math.sqrt(field)
            for island in self.islands:
                field -= island.weight(p)
            wander = SHORE_WANDER * self.octaves(p, ((9, 0.6), (21, 0.4)))
            cover = smoothstep((field + wander - 0.5 + SHORE) / (2 * SHORE))
            if cover > 0:
                mare = albedo_sum / weight_sum + 0.06 * mottle
                base = base * (1 - cover) + mare * cover
        lift = 0.0
        for crater in self.craters:
            lift = 1 - (1 - lift) * (1 - crater.brightening(p))
        for centre, radius, strength in self.specks:
            c = dot(centre, p)
            if c > math.cos(radius * 2.5):
                d = math.acos(min(1.0, c))
                lift = 1 - (1 - lift) * (1 - strength * math.exp(-(d / radius) ** 2))
        return base + (RAY_PEAK - base) * lift


def render(albedo, size, cx, cy, r, samples):
    """Brightness 0..1 per pixel; None off the disc."""
    # The sampled circle has the disc's radius, so a pixel on the disc's edge is about
    # half covered and one just off it, which stays black, a little less.
    radius = r
    ox, oy = cx + 0.5, cy + 0.5
    image = []
    for j in range(size):
        row = []
        for i in range(size):
            if (i - cx) ** 2 + (j - cy) ** 2 > r * r:
                row.append(None)
                continue
            total = 0.0
            for sj in range(samples):
                for si in range(samples):
                    x = (i + (si + 0.5) / samples - ox) / radius
                    y = -(j + (sj + 0.5) / samples - oy) / radius
                    rr = x * x + y * y
                    if rr >= 1:
                        continue
                    z = math.sqrt(1 - rr)
                    limb = LIMB_FLOOR + (1 - LIMB_FLOOR) * math.sqrt(z)
                    total += albedo((x, y, z)) * limb
            row.append(total / (samples * samples))
        image.append(row)
    return image


# 16 colours: black and fifteen greys, spaced more closely in the mare and highland tones.
CLASSIC_PALETTE = [(0, 0, 0)] + [(v, v, v) for v in (
    40, 64, 84, 100, 114, 126, 138, 150, 162, 174, 186, 198, 212, 228, 248)]


def warm(v):
    return (v, round(v * 0.965), round(v * 0.90))


# 256 colours: a slightly warm grey ramp, index i of brightness i.
COLOR_PALETTE = [warm(i) for i in range(256)]


# Pixels on the disc never take index 0: black is kept for the background.
def classic_index(value):
    level = value * 255
    return min(range(1, 16), key=lambda k: abs(CLASSIC_PALETTE[k][0] - level))


def color_index(value):
    return max(16, min(255, round(value * 255)))


def main(argv):
    root = parse_root(argv, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    folder = os.path.join(root, "resources")
    os.makedirs(folder, exist_ok=True)
    albedo = MoonAlbedo()
    for suffix, size, cx, cy, r, samples in SIZES:
        image = render(albedo, size, cx, cy, r, samples)
        classic = [[0 if v is None else classic_index(v) for v in row] for row in image]
        color = [[0 if v is None else color_index(v) for v in row] for row in image]
        mask = [[1 if v is None else 0 for v in row] for row in image]
        write_bmp(os.path.join(folder, f"MOON_{suffix}.bmp"), size, size,
                  CLASSIC_PALETTE, classic, 4)
        write_bmp(os.path.join(folder, f"MOON_COLOR_{suffix}.bmp"), size, size,
                  COLOR_PALETTE, color, 8)
        write_bmp(os.path.join(folder, f"MOON_BW_{suffix}.bmp"), size, size,
                  [(0, 0, 0), (255, 255, 255)], mask, 1)


if __name__ == "__main__":
    main(sys.argv[1:])
