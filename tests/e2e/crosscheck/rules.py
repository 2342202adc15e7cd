#!/usr/bin/env python3
"""The game's rules written a second time, in plain Python, and checked against a headless trace.

usage: rules.py TRACE SCRIPT SEED [--pixels N]

Replays the session of SCRIPT from SEED and compares, after every tick, the random state, the
controls, every ship, the shot and missile rings, the explosions, trails, stars and pickups (the
hashes the trace gives), the blits of every frame while the player is in play, and the pixel layer
of every Nth tick. Floats are kept as 32-bit values wherever the game stores them; everything else
is worked out in double precision. The key held states come from the script and the released edges
from the trace's input field; the menu is followed through the settings each line shows and its
New Game item through the click it reports. Stops at the first tick that differs and names it.
"""
import json
import math
import struct
import sys

F32 = struct.Struct('<f')


def f32(v):
    return F32.unpack(F32.pack(v))[0]


def fbits(v):
    return struct.unpack('<I', F32.pack(v))[0]


TWO_PI = f32(6.2831855)
PI = f32(3.1415927)


def trunc(v):
    return int(math.trunc(v))


def wrap16(v):
    return ((v + 32768) & 0xFFFF) - 32768


class Hash:
    def __init__(self):
        self.h = 0xcbf29ce484222325

    def byte(self, b):
        self.h ^= b
        self.h = (self.h * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF

    def word(self, w):
        w &= 0xFFFFFFFF
        for s in (0, 8, 16, 24):
            self.byte((w >> s) & 0xFF)

    def i(self, v):
        self.word(v)

    def f(self, v):
        self.word(fbits(v))

    def hex(self):
        return '%016x' % self.h


class RNG:
    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def draw(self):
        self.state = (self.state * 214013 + 2531011) & 0xFFFFFFFF
        return (self.state >> 16) & 0x7FFF


class Ship:
    def __init__(self, kind):
        self.kind = kind
        self.x = 0
        self.y = 0
        self.heading = 0.0
        self.speed = 0
        self.shield = 0
        self.power = 0
        self.alive = 0
        self.firing = 0
        self.spriteRowOffset = 0
        self.launchMissile = 0
        self.missiles = 0
        self.target = -1
        self.index = 0
        self.rect = [0, 0, 30, 30] if kind == 'player' else [0, 62, 30, 92]
        self.score = 0

    def row(self):
        return [self.x, self.y, self.heading, self.speed, self.shield, self.power, self.alive,
                self.firing, self.launchMissile, self.missiles, self.target, self.index,
                self.score, self.spriteRowOffset, list(self.rect)]


class Trail:
    def __init__(self, n):
        self.count = n
        self.x = [0.0] * n
        self.y = [0.0] * n
        self.heading = 0.0
        self.speed = [0.0] * n
        self.colour = [0] * n
        self.active = 0
        self.age = [0] * n
        self.base = 0
        self.cap = 0


class Game:
    def __init__(self, seed, drones=12, particles=700, jitter=1, pickups=250):
        self.rng = RNG(seed)
        self.droneCount = drones
        self.humanCount = 1
        self.playerNumber = 1
        self.jitter = jitter
        self.trailParticles = 25
        self.explosionParticles = particles
        self.pickupSetting = pickups
        self.pickupCount = pickups
        self.shipCount = drones + 1
        self.heading = 0.0
        self.thrust = 0
        self.fire = 0
        self.turn = 0
        self.camX = 0
        self.camY = 0
        self.paused = 0
        self.ships = []
        self.shots = [dict(x=0, y=0, heading=0.0, speed=0, active=0, owner=0) for _ in range(100)]
        self.shotNext = 0
        self.shotAge = [0] * 100
        self.missiles = [dict(x=0.0, y=0.0, heading=0.0, speed=0, velocity=0.0, active=0, owner=None,
                              ownerIndex=0, rect=[0, 0, 0, 0], target=0) for _ in range(20)]
        self.missileNext = 0
        self.missileAge = [0] * 20
        self.explosions = [None] * 10
        self.explosionAge = [0] * 10
        self.explosionNext = 0
        self.exhaust = []
        self.missileTrails = [Trail(25) for _ in range(20)]
        self.stars = [dict(x=0.0, y=0.0, speed=0, colour=0, heading=0.0, thrust=0) for _ in range(100)]
        self.tails = [dict(x=0.0, y=0.0, speed=0, colour=0, heading=0.0, thrust=0) for _ in range(100)]
        self.pickups = []
        self.held = set()
        self.released = set()
        self.lockfail = False  # the next lock of the pixel layer fails
        self.blits = []
        self.layer = bytearray(640 * 480)

    def R(self):
        return self.rng.draw()

    def blit(self, surf, src, dst, flags=0x1008000):
        self.blits.append([surf] + list(src) + list(dst) + [flags])

    def put(self, x, y, c):
        if 0 < x < 640 and 0 < y < 480:
            self.layer[y * 640 + x] = c & 0xFF

    def span(self, x1, y, x2, c):
        if x1 > x2:
            x1, x2 = x2, x1
        for x in range(x1, x2 + 1):
            self.put(x, y, c)

    @staticmethod
    def muldiv(a, b, c):
        if c == 0:
            return -1
        p = a * b
        neg = (p < 0) != (c < 0)
        n, d = abs(p), abs(c)
        q = (2 * n + d) // (2 * d)
        q = -q if neg else q
        if q > 2**31 - 1 or q < -2**31:
            return -1
        return q

    def line_(self, x1, y1, x2, y2, c):
        if y1 > y2:
            x1, y1, x2, y2 = x2, y2, x1, y1
        slope = self.muldiv((x1 - x2) * 65536, 65536, (y1 - y2) * 65536)
        def s32(v):
            v &= 0xFFFFFFFF
            return v - (1 << 32) if v >= (1 << 31) else v
        cur = s32(x1 * 65536)
        prev = cur
        for y in range(y1, y2 + 1):
            self.span(cur >> 16, y, prev >> 16, c)
            prev = cur
            cur = s32(cur + slope)
        if y1 == y2:
            self.span(x1, y1, x2, c)

    def text(self, cx, cy, t):
        n = len(t)
        x0 = cx - (7 * n) // 2
        for i, ch in enumerate(t):
            o = ord(ch)
            if 'A' <= ch <= 'Z':
                k, top = o - 65, 124
            elif 'a' <= ch <= 'z':
                k, top = o - 97, 132
            elif '1' <= ch <= '9':
                k, top = o - 49, 140
            else:
                k, top = {'0': 9, '-': 10, '=': 11, ':': 12, '_': 13}[ch], 140
            self.blit(0, [7 * k, top, 7 * k + 6, top + 7], [x0 + 7 * i, cy - 4, x0 + 7 * i + 6, cy + 3])

    # ---------------------------------------------------------------- world
    def init_drone(self, d, i):
        d.alive = 0
        d.score = 0
        d.y = self.R() % 32767 - 16384
        d.x = self.R() % 32767 - 16384
        d.heading = 0.0
        d.speed = 1
        d.firing = 0
        d.launchMissile = 0
        d.missiles = 10
        d.shield = 10
        d.index = i
        d.power = 1
        d.target = -1
        d.alive = 1

    def new_pickup(self):
        k = self.R() % 5
        p = dict(kind=k)
        p['x'] = self.R() % 65536 - 32768
        p['y'] = self.R() % 65536 - 32768
        p['rect'] = [18 * k, 199, 18 * k + 17, 218]
        return p

    def new_game(self):
        self.heading = 0.0
        self.fire = 0
        self.camX = 0
        self.camY = 0
        self.ships = []
        for i in range(self.humanCount):
            s = Ship('player')
            s.missiles = 10
            s.shield = 100
            s.index = i
            s.power = 1
            s.alive = 1
            self.ships.append(s)
        for i in range(self.humanCount, self.shipCount):
            d = Ship('drone')
            self.init_drone(d, i)
            self.ships.append(d)
        self.exhaust = []
        for i in range(self.shipCount):
            t = Trail(self.trailParticles)
            for j in range(t.count):
                t.x[j] = float(self.ships[i].x)
                t.y[j] = float(self.ships[i].y)
                t.speed[j] = f32((self.R() % 200) * 0.05)
                c = trunc(t.speed[j] * 0.2 * 16 + 66)
                t.colour[j] = 65 if c > 79 else c
                t.age[j] = 0
            t.base = 66
            t.cap = 65
            t.active = 1
            self.exhaust.append(t)
        for t in self.missileTrails:
            for j in range(t.count):
                t.x[j] = 0.0
                t.y[j] = 0.0
                t.speed[j] = f32((self.R() % 200) * 0.05)
                c = trunc(t.speed[j] * 0.2 * 16 + 144)
                t.colour[j] = 159 if c > 79 else c
                t.age[j] = 0
            t.base = 144
            t.cap = 159
            t.active = 0
        self.pickups = [self.new_pickup() for _ in range(self.pickupSetting)]
        self.pickupCount = self.pickupSetting

    def place_stars(self):
        for i in range(100):
            h = self.stars[i]
            h['x'] = float(self.R() % 640)
            h['y'] = float(self.R() % 480)
            k = self.R() % 14
            h['speed'] = k + 2
            h['colour'] = 28 - k
            h['heading'] = 0.0
            t = self.tails[i]
            t['x'], t['y'], t['speed'], t['colour'] = h['x'], h['y'], h['speed'], h['colour']

    def start(self):
        self.place_stars()
        self.new_game()
        p = self.ships[self.playerNumber - 1]
        p.alive = 0
        p.speed = 0

    # ---------------------------------------------------------------- frame
    def frame(self):
        self.blits = []
        self.blit(2, [0, 0, 640, 480], [0, 0, 640, 480], 0x1000000)
        self.layer = bytearray(640 * 480)
        if 0x19 in self.released:
            self.paused = 1 if self.paused == 0 else 0
        self.controls()
        if not self.paused:
            self.motion()
        for i in range(self.shipCount):
            s = self.ships[i]
            if not s.alive:
                continue
            name = 'Vy' if s.kind == 'player' else 'Drone'
            lab = '%d:%s:%d' % (s.score, name, s.shield)
            half = (7 * len(lab)) // 2
            cx = s.x - self.camX + 320
            if cx < half:
                cx = half
            if cx > 640 - half:
                cx = 640 - half
            cy = s.y - self.camY + 220
            if cy < 4:
                cy = 4
            if cy > 476:
                cy = 476
            self.text(cx, cy, lab)
            if s.firing:
                self.spawn_shot(i)
            if s.launchMissile:
                self.spawn_missile(i)
            src = list(s.rect)
            l, tp = s.x - self.camX + 305, s.y - self.camY + 225
            dst = [l, tp, l + 30, tp + 30]
            if not self.paused:
                if s.kind == 'player':
                    self.player_update(s)
                else:
                    self.drone_update(s)
            self.exhaust[i].heading = float(trunc(s.heading))
            self.blit(0, src, dst)
        self.update_missiles()
        for p in self.pickups[:self.pickupCount]:
            l, tp = p['x'] - self.camX + 312, p['y'] - self.camY + 231
            self.blit(0, p['rect'], [l, tp, l + 16, tp + 18])
        if self.lockfail:
            self.lockfail = False
            self.hud()
            if not self.paused:
                self.collisions()
            self.collect()
            return
        self.step_stars()
        self.update_shots()
        self.update_explosions()
        for i in range(self.shipCount):
            s = self.ships[i]
            if s.alive:
                self.step_trail(self.exhaust[i], s.x, s.y)
        for k in range(20):
            m = self.missiles[k]
            if m['active']:
                self.step_trail(self.missileTrails[k], trunc(m['x']), trunc(m['y']))
        pl = self.ships[self.playerNumber - 1]
        tone = f32(224.0)
        for i in range(2 * pl.shield):
            self.line_(i, 0, i, 25, trunc(tone))
            tone = f32(tone + 0.155)
        self.hud()
        if not self.paused:
            self.collisions()
        self.collect()

    def hud(self):
        pl = self.ships[self.playerNumber - 1]
        for j, ch in enumerate('%05d' % pl.score):
            v = int(ch)
            k = 9 if v == 0 else v - 1
            right = 570 + 16 * j
            self.blit(0, [16 * k + 16, 148, 16 * k + 31, 182], [right - 15, 0, right, 33])
        for i in range(pl.missiles):
            self.blit(0, [0, 185, 12, 197], [628 - 12 * i, 35, 640 - 12 * i, 47])

    def controls(self):
        p = self.ships[self.playerNumber - 1]
        self.turn = 1 - self.turn
        if self.turn == 1:
            if 0xCB in self.held:
                self.heading = f32(self.heading - 1.0)
            if 0xCD in self.held:
                self.heading = f32(self.heading + 1.0)
        if 0xC8 in self.released:
            self.thrust += 1
        if 0xD0 in self.released:
            self.thrust -= 1
        self.thrust = max(0, min(3, self.thrust))
        if 0x39 in self.held:
            self.fire = 1 - self.fire
        if 0x39 in self.released:
            self.fire = 0
        if 0x38 in self.released:
            if p.missiles > 0:
                p.launchMissile = 1
                p.missiles -= 1
            else:
                p.launchMissile = 0
        else:
            p.launchMissile = 0
        p.firing = self.fire
        if self.heading < 0.0:
            self.heading = 15.0
        if self.heading > 15.0:
            self.heading = 0.0

    def motion(self):
        p = self.ships[self.playerNumber - 1]
        p.heading = float(trunc(self.heading))
        p.speed = self.thrust
        hd = self.heading if self.thrust > 0 else -1.0
        for s in self.stars + self.tails:
            s['heading'] = hd
            s['thrust'] = self.thrust
        angle = (self.heading / 16) * TWO_PI
        d = 3 * self.thrust
        self.camX = wrap16(trunc(self.camX + d * math.sin(angle)))
        self.camY = wrap16(trunc(self.camY - d * math.cos(angle)))
        p.x = self.camX
        p.y = self.camY

    def player_update(self, s):
        row = 31 if s.firing else 0
        s.rect = [trunc(31 * s.heading), row, trunc(31 * s.heading + 30), row + 30]

    @staticmethod
    def dist(dx, dy):
        return f32(math.sqrt(dx * dx + dy * dy))

    @staticmethod
    def asin_or_none(num, den):
        if den == 0:
            return None
        q = num / den
        if q < -1 or q > 1:
            return None
        return math.asin(q)

    @staticmethod
    def normalise(h):
        if h < 0:
            h += 16
        if h > 15:
            h -= 16
        return float(h)

    def drone_update(self, s):
        if self.R() % 20 == 1:
            ds = [self.dist(o.x - s.x, o.y - s.y) for o in self.ships[:self.shipCount]]
            s.target = -1
            best = 65535.0
            for i in range(self.shipCount):
                if ds[i] < best and i != s.index:
                    best = ds[i]
                    s.target = i
        if self.R() % 10 == 1:
            if s.target != -1:
                T = self.ships[s.target]
                dx = T.x - s.x
                dy = T.y - s.y
                d = self.dist(dx, dy)
                evade = False
                if T.firing and d < 200:
                    if self.R() % 2 == 1:
                        evade = True
                if evade:
                    a = self.asin_or_none(dx, d)
                    if a is None:
                        hd = 0
                    else:
                        th = a
                        if dy > 0:
                            th = -th
                        if dy < 0:
                            th = th + PI
                        hd = trunc(th / TWO_PI * 17)
                    if d < 100:
                        s.firing = 1 - s.firing
                    if d > 100:
                        s.firing = 0
                    if d > 300:
                        s.speed = 1
                    if d < 300:
                        s.speed = 2
                    if d < 90:
                        s.speed = 3
                    s.heading = self.normalise(hd)
                else:
                    dp = f32(d + (self.R() % 100 - 50))
                    a = self.asin_or_none(dx, dp)
                    if dp < 100:
                        s.firing = 1 - s.firing
                    if dp > 100:
                        s.firing = 0
                    if dp > 300:
                        s.speed = 3
                    if dp < 300:
                        s.speed = 2
                    if dp < 90:
                        s.speed = 1
                    if a is None:
                        hd = 0
                    else:
                        th = a + PI
                        if dy > 0:
                            th = -th
                        if dy < 0:
                            th = th + PI
                        hd = trunc(th / TWO_PI * 17)
                    s.heading = self.normalise(hd)
            else:
                s.heading = self.normalise(s.heading)
        if self.R() % 10 == 2:
            if self.R() % 16 == 1:
                s.heading += 1
            if self.R() % 16 == 14:
                s.heading -= 1
            if s.heading < 0:
                s.heading = 15.0
            if s.heading > 15:
                s.heading = 0.0
        phi = s.heading / 16 * TWO_PI
        s.x = wrap16(trunc(s.x + 3 * s.speed * math.sin(phi)))
        s.y = wrap16(trunc(s.y - 3 * s.speed * math.cos(phi)))
        s.spriteRowOffset = 31 if s.firing else 0
        s.rect = [trunc(31 * s.heading), 62 + s.spriteRowOffset, trunc(31 * s.heading + 30),
                  92 + s.spriteRowOffset]

    # ---------------------------------------------------------------- weapons
    def spawn_shot(self, i):
        s = self.ships[i]
        sh = self.shots[self.shotNext]
        sh.update(x=s.x, y=s.y, heading=float(trunc(s.heading)), speed=s.speed * 3, owner=i,
                  active=1)
        self.shotAge[self.shotNext] = 0
        self.shotNext = (self.shotNext + 1) % 100

    def spawn_missile(self, i):
        s = self.ships[i]
        m = self.missiles[self.missileNext]
        m.update(x=float(s.x), y=float(s.y), heading=float(trunc(s.heading)), speed=3,
                 velocity=0.0, owner=s, ownerIndex=i, active=1)
        self.missileAge[self.missileNext] = 0
        self.missileTrails[self.missileNext].active = 1
        self.missileNext = (self.missileNext + 1) % 20

    def owner_of(self, m):
        o = m['owner']
        return o if any(o is s for s in self.ships) else None

    def retarget(self, m):
        n = self.shipCount
        dx = [f32(self.ships[i].x - m['x']) for i in range(n)]
        dy = [f32(self.ships[i].y - m['y']) for i in range(n)]
        dist = [f32(math.sqrt(dy[i] * dy[i] + dx[i] * dx[i])) for i in range(n)]
        t = self.humanCount
        best = dist[t]
        for i in range(n):
            if best > dist[i] and i != m['ownerIndex']:
                best = dist[i]
                t = i
        m['target'] = t
        m['speed'] = 3
        if dist[t] == 0:
            h = 0
        else:
            a = math.asin(dx[t] / dist[t])
            if dy[t] > 0:
                ap = -(a + PI)
            elif dy[t] < 0:
                ap = a + 2 * PI
            else:
                ap = a + PI
            h = trunc(ap / TWO_PI * 17)
        if h < 0:
            h += 16
        if h > 15:
            h -= 16
        m['heading'] = float(h)

    def update_missiles(self):
        for k in range(20):
            m = self.missiles[k]
            if not m['active']:
                continue
            if not self.paused:
                m['velocity'] = f32(m['velocity'] + 0.25)
                if m['velocity'] > 4 * m['speed']:
                    m['velocity'] = float(4 * m['speed'])
                    self.retarget(m)
                d = trunc(m['velocity'])
                phi = m['heading'] / 16 * TWO_PI
                m['x'] = f32(m['x'] + d * math.sin(phi))
                m['y'] = f32(m['y'] - d * math.cos(phi))
                m['rect'] = [trunc(m['heading'] * 14), 185, trunc(m['heading'] * 14 + 12), 197]
            self.missileTrails[k].heading = float(trunc(m['heading']))
            mx, my = trunc(m['x']), trunc(m['y'])
            self.blit(0, m['rect'], [mx - self.camX + 314, my - self.camY + 234, mx - self.camX + 326,
                                     my - self.camY + 246])
            if not self.paused:
                self.missileAge[k] += 1
            if self.missileAge[k] > 75:
                m['active'] = 0
                m['speed'] = 0
                self.spawn_explosion(trunc(m['x']), trunc(m['y']))

    def update_shots(self):
        for k in range(100):
            s = self.shots[k]
            if s['active'] and self.shotAge[k] < 15:
                if not self.paused:
                    self.shotAge[k] += 1
                sx, sy = s['x'] - self.camX + 320, s['y'] - self.camY + 240
                arm = 9 if s['owner'] < self.humanCount else 12
                self.put(sx, sy, 15)
                self.put(sx, sy - 1, arm)
                self.put(sx, sy + 1, arm)
                self.put(sx - 1, sy, arm)
                self.put(sx + 1, sy, arm)
                if not self.paused:
                    d = s['speed'] + 10
                    phi = s['heading'] / 16 * TWO_PI
                    nx = trunc(s['x'] + d * math.sin(phi))
                    ny = trunc(s['y'] - d * math.cos(phi))
                    s['x'] = wrap16(nx)
                    s['y'] = wrap16(ny)
            elif self.shotAge[k] >= 15:
                s['active'] = 0
                self.shotAge[k] = 0

    # ---------------------------------------------------------------- effects
    def step_stars(self):
        def move(s):
            phi = s['heading'] / 16 * TWO_PI
            m = trunc((s['speed'] * s['thrust']) / 2)
            s['x'] = f32(s['x'] - m * math.sin(phi))
            s['y'] = f32(s['y'] + m * math.cos(phi))

        for i in range(100):
            h = self.stars[i]
            t = self.tails[i]
            if not self.paused:
                move(h)
            if self.thrust > 1:
                self.line_(trunc(t['x']), trunc(t['y']), trunc(h['x']), trunc(h['y']), h['colour'])
            else:
                self.put(trunc(h['x']), trunc(h['y']), h['colour'])
            if not self.paused:
                move(t)
            xi = trunc(h['x'])
            yi = trunc(h['y'])
            if yi > 481 or yi < -1 or xi > 641 or xi < -1:
                if h['x'] < 0:
                    h['x'] = 640.0
                    h['y'] = float(self.R() % 480)
                elif h['x'] > 640:
                    h['x'] = 0.0
                    h['y'] = float(self.R() % 480)
                elif h['y'] < 0:
                    h['y'] = 480.0
                    h['x'] = float(self.R() % 640)
                elif h['y'] > 480:
                    h['y'] = 0.0
                    h['x'] = float(self.R() % 640)
                k = self.R() % 14
                h['speed'] = k + 2
                h['colour'] = 28 - k
                t['x'], t['y'], t['speed'], t['colour'] = h['x'], h['y'], h['speed'], h['colour']

    def spawn_explosion(self, px, py):
        n = self.explosionParticles
        e = dict(count=n, x=[float(px)] * n, y=[float(py)] * n, angle=[0.0] * n, speed=[0.0] * n,
                 colour=[0] * n)
        for j in range(n):
            e['angle'][j] = f32((self.R() % 1600) * 0.01)
            e['speed'][j] = f32((self.R() % 200) * 0.028571428571428571)
            e['colour'][j] = trunc(e['speed'][j] * 0.2 * 16 + 58)
        self.explosions[self.explosionNext] = e
        self.explosionAge[self.explosionNext] = 0
        self.explosionNext = (self.explosionNext + 1) % 10

    def update_explosions(self):
        for k in range(10):
            e = self.explosions[k]
            if e is None:
                continue
            for j in range(e['count']):
                a = e['angle'][j] / 16 * TWO_PI
                v = e['speed'][j]
                sx = f32(math.sin(a) * v)
                sy = f32(math.cos(a) * v)
                if self.jitter:
                    e['x'][j] = f32((self.R() % 100 - 50) * 0.04 + sx + e['x'][j])
                    e['y'][j] = f32(e['y'][j] - ((self.R() % 100 - 50) * 0.04 + sy))
                else:
                    e['x'][j] = f32(e['x'][j] + sx)
                    e['y'][j] = f32(e['y'][j] - sy)
                e['speed'][j] = f32(e['speed'][j] - 0.1)
                if e['speed'][j] < 0:
                    e['speed'][j] = 0.0
                    e['colour'][j] = min(e['colour'][j] + 1, 79)
            for j in range(e['count']):
                self.put(trunc(e['x'][j]) - self.camX + 320, trunc(e['y'][j]) - self.camY + 240, e['colour'][j])
            self.explosionAge[k] += 1
            if self.explosionAge[k] > 50:
                self.explosions[k] = None
                self.explosionNext = 0

    def step_trail(self, t, ax, ay):
        d = trunc(t.heading - 8)
        a = d / 16 * TWO_PI
        for j in range(t.count):
            v = t.speed[j]
            t.x[j] = f32(t.x[j] + math.sin(a) * v)
            t.y[j] = f32(t.y[j] - math.cos(a) * v)
            t.speed[j] = f32(t.speed[j] - 0.1)
            t.age[j] += 1
            if self.R() % 10 < t.age[j]:
                t.x[j] = float((self.R() % 5) + ax - 2)
                t.y[j] = float((self.R() % 5) + ay - 2)
                t.speed[j] = f32((self.R() % 200) * 0.025)
                c = trunc(t.speed[j] * 0.2 * 16 + t.base)
                t.colour[j] = t.cap if c > t.cap else c
                t.age[j] = 0
        for j in range(t.count):
            self.put(trunc(t.x[j]) - self.camX + 320, trunc(t.y[j]) - self.camY + 240, t.colour[j])

    # ---------------------------------------------------------------- collisions, pickups
    def kill(self, i):
        s = self.ships[i]
        s.alive = 0
        s.speed = 0
        if i == self.playerNumber - 1:
            self.thrust = 0
            return
        d = Ship('drone')
        self.init_drone(d, i)
        self.ships[i] = d

    def near(self, x, y):
        return (self.camX - 370 < x < self.camX + 370) and (self.camY - 290 < y < self.camY + 290)

    def collisions(self):
        i = 0
        while i < self.shipCount:
            x = self.ships[i].x
            y = self.ships[i].y
            for k in range(100):
                sh = self.shots[k]
                s = self.ships[i]
                if not (sh['active'] and sh['owner'] != i and s.alive):
                    continue
                if not (x - 15 < sh['x'] < x + 15 and y - 15 < sh['y'] < y + 15):
                    continue
                sh['active'] = 0
                self.shotAge[k] = 0
                shooter = self.ships[sh['owner']] if sh['owner'] < len(self.ships) else None
                p = shooter.power if shooter else 1
                n = s.shield - p
                if n < 1:
                    s.alive = 0
                    s.speed = 0
                else:
                    s.shield = n
                if s.alive:
                    continue
                if self.near(x, y):
                    self.spawn_explosion(x, y)
                if shooter:
                    shooter.score = (shooter.score + 100) & 0xFFFF
                    if sh['owner'] == self.playerNumber - 1:
                        shooter.score = (shooter.score + s.score) & 0xFFFF
                self.kill(i)
            for k in range(20):
                m = self.missiles[k]
                s = self.ships[i]
                owner = self.owner_of(m)
                if not (m['active'] and owner is not s and s.alive):
                    continue
                mx = trunc(m['x'])
                my = trunc(m['y'])
                if not (x - 15 <= mx <= x + 15 and y - 15 <= my <= y + 15):
                    continue
                n = s.shield - 11
                if n < 1:
                    s.alive = 0
                    s.speed = 0
                else:
                    s.shield = n
                m['active'] = 0
                m['speed'] = 0
                if s.alive:
                    continue
                if self.near(mx, my):
                    self.spawn_explosion(mx, my)
                if owner is not None:
                    owner.score = (owner.score + 50) & 0xFFFF
                    if owner is self.ships[self.playerNumber - 1]:
                        owner.score = (owner.score + s.score) & 0xFFFF
                self.kill(i)
            i += 1

    def collect(self):
        for i in range(self.shipCount):
            s = self.ships[i]
            for j in range(self.pickupCount):
                p = self.pickups[j]
                if not (s.x - 15 < p['x'] < s.x + 15 and s.y - 15 < p['y'] < s.y + 15):
                    continue
                k = p['kind']
                if k == 0:
                    s.missiles = min(s.missiles + 5, 15)
                elif k == 1:
                    s.shield = min(s.shield + 10, 100)
                elif k == 2:
                    s.shield = min(s.shield + 25, 100)
                elif k == 3:
                    s.shield = min(s.shield + 50, 100)
                elif s.power < 8:
                    s.power *= 2
                self.pickups[j] = self.new_pickup()

    # ---------------------------------------------------------------- trace
    def line(self):
        out = {}
        out['rng'] = self.rng.state
        out['paused'] = self.paused
        out['player'] = {'heading': self.heading, 'thrust': self.thrust, 'fire': self.fire,
                         'turn': self.turn}
        out['camera'] = [self.camX, self.camY]
        out['ships'] = [s.row() for s in self.ships]
        h = Hash()
        act = []
        for k in range(100):
            s = self.shots[k]
            for v in (s['x'], s['y']):
                h.i(v)
            h.f(s['heading'])
            h.i(s['speed'])
            h.i(s['active'])
            h.i(s['owner'])
            h.i(self.shotAge[k])
            if s['active']:
                act.append([k, s['x'], s['y'], s['heading'], s['speed'], s['owner'], self.shotAge[k]])
        out['shots'] = {'next': self.shotNext, 'active': act, 'hash': h.hex()}
        h = Hash()
        act = []
        for k in range(20):
            m = self.missiles[k]
            h.f(m['x'])
            h.f(m['y'])
            h.f(m['heading'])
            h.i(m['speed'])
            h.f(m['velocity'])
            h.i(m['active'])
            h.i(m['ownerIndex'])
            h.i(m['target'])
            for v in m['rect']:
                h.i(v)
            h.i(self.missileAge[k])
            if m['active']:
                act.append([k, m['x'], m['y'], m['heading'], m['speed'], m['velocity'],
                            m['ownerIndex'], m['target'], self.missileAge[k], list(m['rect'])])
        out['missiles'] = {'next': self.missileNext, 'active': act, 'hash': h.hex()}
        slots = []
        for k in range(10):
            e = self.explosions[k]
            if e is None:
                continue
            h = Hash()
            for j in range(e['count']):
                h.f(e['x'][j])
                h.f(e['y'][j])
                h.f(e['angle'][j])
                h.f(e['speed'][j])
                h.i(e['colour'][j])
            slots.append([k, e['count'], self.explosionAge[k], h.hex()])
        out['explosions'] = {'next': self.explosionNext, 'slots': slots}

        def trails(ts):
            h = Hash()
            for t in ts:
                h.f(t.heading)
                h.i(t.active)
                h.i(t.base)
                h.i(t.cap)
                h.i(t.count)
                for j in range(t.count):
                    h.f(t.x[j])
                    h.f(t.y[j])
                    h.f(t.speed[j])
                    h.i(t.colour[j])
                    h.i(t.age[j])
            return h.hex()

        out['trails'] = {'exhaust': trails(self.exhaust), 'missile': trails(self.missileTrails)}
        h = Hash()
        for s in self.stars + self.tails:
            h.f(s['x'])
            h.f(s['y'])
            h.i(s['speed'])
            h.i(s['colour'])
            h.f(s['heading'])
            h.i(s['thrust'])
        out['stars'] = h.hex()
        h = Hash()
        for p in self.pickups:
            h.i(p['x'])
            h.i(p['y'])
            h.i(p['kind'])
            for v in p['rect']:
                h.i(v)
        out['pickups'] = {'count': self.pickupCount, 'hash': h.hex()}
        return out


NAMES = {'P': 0x19, 'LMENU': 0x38, 'SPACE': 0x39, 'UP': 0xC8, 'LEFT': 0xCB, 'RIGHT': 0xCD,
         'DOWN': 0xD0, 'F1': 0x3B, 'ESCAPE': 0x01, 'F12': 0x58}


def read_script(path):
    events = {}
    for raw in open(path):
        line = raw.split('#')[0].strip()
        if not line:
            continue
        parts = line.split()
        if parts[0] == 'seed':
            continue
        events.setdefault(int(parts[0]), []).append(parts[1:])
    return events


def menu_new_game(line):
    # The menu's New Game item was clicked in this line's frame: its F1 builds the game before the
    # next frame.
    if line['tick'] == 0 or line['ships'][0][6] != 0:
        return False
    m = line['menu']
    x, y = m['cursor']
    return (m['main'] == 1 and line['input']['buttonReleased'][0] != 0 and 284 < x < 355
            and 212 < y < 229)


def compare(a, b, path=''):
    if isinstance(a, float) or isinstance(b, float):
        return [] if f32(a) == f32(b) else [path]
    if isinstance(a, list) and isinstance(b, list):
        if len(a) != len(b):
            return [path + ' (length %d vs %d)' % (len(a), len(b))]
        out = []
        for i, (x, y) in enumerate(zip(a, b)):
            out += compare(x, y, '%s[%d]' % (path, i))
        return out
    if isinstance(a, dict):
        out = []
        for k in a:
            out += compare(a[k], b.get(k), path + '.' + k)
        return out
    return [] if a == b else [path]


def main():
    args = sys.argv[1:]
    pixel_every = 0
    if '--pixels' in args:
        i = args.index('--pixels')
        pixel_every = int(args[i + 1])
        del args[i:i + 2]
    trace_path, script_path, seed = args[0], args[1], int(args[2])
    trace = [json.loads(text) for text in open(trace_path)]
    events = read_script(script_path)
    first = trace[0]['settings']
    game = Game(seed, drones=first['drones'], particles=first['particles'], jitter=first['jitter'],
                pickups=first['pickupSetting'])
    game.start()
    frames = 0
    ran = False
    prev = None
    for line in trace:
        t = line['tick']
        if t > 0:
            if ran and menu_new_game(prev):
                game.new_game()
            for ev in events.get(t, []):
                if ev[0] in ('key', 'press'):
                    code = NAMES.get(ev[1]) or int(ev[1], 0)
                    if ev[0] == 'press' or ev[2] == 'down':
                        game.held.add(code)
                    else:
                        game.held.discard(code)
                if (ev[0] in ('vk', 'press')) and ev[1] in ('F1', '112'):
                    game.new_game()
                elif ev[0] == 'fail' and ev[1] == 'lock':
                    game.lockfail = True
            # The key edges come from the run itself: the latch rules belong to the input layer.
            game.released = set(line['input']['released'])
            ran = line['frames'] > frames
            if ran:
                game.frame()
            frames = line['frames']
            # The menus run last in a frame; whatever the options panel or the New Game item
            # changed there is taken from the line.
            st = line['settings']
            game.droneCount, game.jitter = st['drones'], st['jitter']
            game.explosionParticles, game.pickupSetting = st['particles'], st['pickupSetting']
            game.shipCount, game.pickupCount = st['shipCount'], st['pickupCount']
        prev = line
        mine = game.line()
        if ran and game.ships[game.playerNumber - 1].alive:
            # While the player is out of play the menus add their own blits.
            h = Hash()
            for b in game.blits:
                for v in b:
                    h.i(v)
            mine['blits'] = {'count': len(game.blits), 'hash': h.hex()}
        if ran and pixel_every and t % pixel_every == 0:
            h = Hash()
            for b in game.layer:
                h.byte(b)
            mine['pixels'] = h.hex()
        diffs = compare(mine, {k: line.get(k) for k in mine})
        if diffs:
            print('tick %d differs in %s' % (t, ', '.join(diffs[:8])))
            for path in diffs[:3]:
                print('  %s: game %s, rules %s' % (path, lookup(line, path), lookup(mine, path)))
            return 1
    print('%d lines agree' % len(trace))
    return 0


def lookup(value, path):
    for part in path.replace('[', '.[').split('.'):
        if not part:
            continue
        if part.startswith('['):
            value = value[int(part.split(']')[0][1:])]
        else:
            value = value[part.split(' ')[0]]
    return json.dumps(value)[:200]


if __name__ == '__main__':
    sys.exit(main())
