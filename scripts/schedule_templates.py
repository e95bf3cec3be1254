#!/usr/bin/env python3
"""Writes the fixed season schedules of src/season/schedule_template_tables*.cpp.

Each table is a regular season of a league shape the real league once had,
built by that era's scheduling formula:

- every team meets each division rival twice, once at home and once away;
- conferences of unequal divisions fill the season with games against the
  other divisions of the conference and against a paired division of the other
  conference (the rotating division pairings);
- from 2002 a team plays its own division twice, one division of its
  conference and one of the other conference in full (both pairings rotate,
  on three-year and four-year cycles), and the teams of the same place in the
  two remaining divisions of its conference; from 2021 a seventeenth game
  against the same-place team of another division of the other conference;
- every team has as many home games as away games (the seventeenth game goes
  to one conference's teams at home, alternating by year);
- from 1990 every team has one open week, in the middle of the season.

The weeks are found by a randomized search with a fixed seed, so running the
script again writes the same tables. Slot maps number the real league's
franchises of each season, in the order a league database sorts them (by
location, then nickname), onto the table's slots: division blocks in the
league's division order, and within a block by that order too.

Usage: scripts/schedule_templates.py  (writes into src/season/)
"""

import datetime
import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "src", "season")
NO_SLOT = -128

# ---------------------------------------------------------------------------
# The real league's franchises by season: divisions in the league's order,
# each a list of (location, nickname).

AFC_1970S = [
    [("Baltimore", "Colts"), ("Buffalo", "Bills"), ("Miami", "Dolphins"), ("New England", "Patriots"),
     ("New York", "Jets")],
    [("Cincinnati", "Bengals"), ("Cleveland", "Browns"), ("Houston", "Oilers"), ("Pittsburgh", "Steelers")],
]
NFC_EAST_1970S = [("Dallas", "Cowboys"), ("New York", "Giants"), ("Philadelphia", "Eagles"),
                  ("St. Louis", "Cardinals"), ("Washington", "Redskins")]
NFC_CENTRAL_1970S = [("Chicago", "Bears"), ("Detroit", "Lions"), ("Green Bay", "Packers"), ("Minnesota", "Vikings")]
NFC_WEST_1970S = [("Atlanta", "Falcons"), ("Los Angeles", "Rams"), ("New Orleans", "Saints"),
                  ("San Francisco", "49ers")]
AFC_WEST_1970S = [("Denver", "Broncos"), ("Kansas City", "Chiefs"), ("Oakland", "Raiders"), ("San Diego", "Chargers")]

FRANCHISES = {
    1972: AFC_1970S + [AFC_WEST_1970S, NFC_EAST_1970S, NFC_CENTRAL_1970S, NFC_WEST_1970S],
    1976: AFC_1970S + [AFC_WEST_1970S + [("Tampa Bay", "Buccaneers")], NFC_EAST_1970S,
                       NFC_WEST_1970S + [("Seattle", "Seahawks")], NFC_CENTRAL_1970S],
}


def modern_1980s(cardinals):
    return [
        [("Buffalo", "Bills"), ("Indianapolis", "Colts"), ("Miami", "Dolphins"), ("New England", "Patriots"),
         ("New York", "Jets")],
        [("Cincinnati", "Bengals"), ("Cleveland", "Browns"), ("Houston", "Oilers"), ("Pittsburgh", "Steelers")],
        [("Denver", "Broncos"), ("Kansas City", "Chiefs"), ("Los Angeles", "Raiders"), ("San Diego", "Chargers"),
         ("Seattle", "Seahawks")],
        [("Dallas", "Cowboys"), ("New York", "Giants"), ("Philadelphia", "Eagles"), cardinals,
         ("Washington", "Redskins")],
        [("Chicago", "Bears"), ("Detroit", "Lions"), ("Green Bay", "Packers"), ("Minnesota", "Vikings"),
         ("Tampa Bay", "Buccaneers")],
        [("Atlanta", "Falcons"), ("Los Angeles", "Rams"), ("New Orleans", "Saints"), ("San Francisco", "49ers")],
    ]


FRANCHISES[1986] = modern_1980s(("St. Louis", "Cardinals"))
FRANCHISES[1990] = modern_1980s(("Phoenix", "Cardinals"))
FRANCHISES[1998] = [
    [("Buffalo", "Bills"), ("Indianapolis", "Colts"), ("Miami", "Dolphins"), ("New England", "Patriots"),
     ("New York", "Jets")],
    [("Baltimore", "Ravens"), ("Cincinnati", "Bengals"), ("Jacksonville", "Jaguars"), ("Pittsburgh", "Steelers"),
     ("Tennessee", "Oilers")],
    [("Denver", "Broncos"), ("Kansas City", "Chiefs"), ("Oakland", "Raiders"), ("San Diego", "Chargers"),
     ("Seattle", "Seahawks")],
    [("Arizona", "Cardinals"), ("Dallas", "Cowboys"), ("New York", "Giants"), ("Philadelphia", "Eagles"),
     ("Washington", "Redskins")],
    [("Chicago", "Bears"), ("Detroit", "Lions"), ("Green Bay", "Packers"), ("Minnesota", "Vikings"),
     ("Tampa Bay", "Buccaneers")],
    [("Atlanta", "Falcons"), ("Carolina", "Panthers"), ("New Orleans", "Saints"), ("St. Louis", "Rams"),
     ("San Francisco", "49ers")],
]
FRANCHISES[2001] = [
    FRANCHISES[1998][0],
    [("Baltimore", "Ravens"), ("Cincinnati", "Bengals"), ("Cleveland", "Browns"), ("Jacksonville", "Jaguars"),
     ("Pittsburgh", "Steelers"), ("Tennessee", "Titans")],
    FRANCHISES[1998][2], FRANCHISES[1998][3], FRANCHISES[1998][4], FRANCHISES[1998][5],
]


def franchises_2002_on(year):
    raiders = ("Las Vegas", "Raiders") if year >= 2020 else ("Oakland", "Raiders")
    chargers = ("Los Angeles", "Chargers") if year >= 2017 else ("San Diego", "Chargers")
    rams = ("Los Angeles", "Rams") if year >= 2016 else ("St. Louis", "Rams")
    washington = "Redskins" if year < 2020 else ("Football Team" if year < 2022 else "Commanders")
    return [
        [("Buffalo", "Bills"), ("Miami", "Dolphins"), ("New England", "Patriots"), ("New York", "Jets")],
        [("Baltimore", "Ravens"), ("Cincinnati", "Bengals"), ("Cleveland", "Browns"), ("Pittsburgh", "Steelers")],
        [("Houston", "Texans"), ("Indianapolis", "Colts"), ("Jacksonville", "Jaguars"), ("Tennessee", "Titans")],
        [("Denver", "Broncos"), ("Kansas City", "Chiefs"), raiders, chargers],
        [("Dallas", "Cowboys"), ("New York", "Giants"), ("Philadelphia", "Eagles"), ("Washington", washington)],
        [("Chicago", "Bears"), ("Detroit", "Lions"), ("Green Bay", "Packers"), ("Minnesota", "Vikings")],
        [("Atlanta", "Falcons"), ("Carolina", "Panthers"), ("New Orleans", "Saints"), ("Tampa Bay", "Buccaneers")],
        [("Arizona", "Cardinals"), rams, ("San Francisco", "49ers"), ("Seattle", "Seahawks")],
    ]


for y in range(2002, 2023):
    FRANCHISES[y] = franchises_2002_on(y)

# The 1959 season's slots of the league's twelve teams, as sorted by name.
MAP_1959 = [6, 7, 4, 1, 10, 11, 8, 0, 5, 2, 9, 3]


def slot_map(year):
    if year == 1959:
        return MAP_1959
    divisions = FRANCHISES[year]
    slot_of = {}
    start = 0
    for division in divisions:
        for place, team in enumerate(sorted(division)):
            slot_of[team] = start + place
        start += len(division)
    order = sorted(slot_of)
    return [slot_of[team] for team in order]


# ---------------------------------------------------------------------------
# Shapes: division blocks (sizes, conference of each) and the games of a team
# by kind.


class Shape:
    def __init__(self, sizes, conferences):
        self.sizes = sizes
        self.conferences = conferences
        self.block_of = []
        self.blocks = []
        start = 0
        for b, size in enumerate(sizes):
            self.blocks.append(list(range(start, start + size)))
            self.block_of += [b] * size
            start += size
        self.slots = start

    def conference(self, slot):
        return self.conferences[self.block_of[slot]]


def circulant_pairs(a, b, degree, rng):
    """A degree-regular bipartite graph between equal blocks a and b."""
    pa = a[:]
    pb = b[:]
    rng.shuffle(pa)
    rng.shuffle(pb)
    k = len(pa)
    return [(pa[i], pb[(i + j) % k]) for i in range(k) for j in range(degree)]


def random_simple_graph(slots, degree, allowed, rng, tries=20000):
    """A simple graph with the given degree of each slot and only allowed pairs."""
    for _ in range(tries):
        left = dict(degree)
        edges = set()
        ok = True
        while any(left[s] > 0 for s in slots):
            s = max((v for v in slots if left[v] > 0), key=lambda v: (left[v], rng.random()))
            candidates = [v for v in slots if v != s and left[v] > 0 and allowed(s, v)
                          and (min(s, v), max(s, v)) not in edges]
            if len(candidates) < left[s]:
                ok = False
                break
            candidates.sort(key=lambda v: (-left[v], rng.random()))
            for v in candidates[:left[s]]:
                edges.add((min(s, v), max(s, v)))
                left[v] -= 1
            left[s] = 0
        if ok:
            return sorted(edges)
    raise RuntimeError("no graph with these degrees")


def euler_orient(edges, rng):
    """Orients an even-degree graph along Euler circuits: every slot is at home as often as away."""
    adjacency = {}
    for i, (u, v) in enumerate(edges):
        adjacency.setdefault(u, []).append((v, i))
        adjacency.setdefault(v, []).append((u, i))
    for lst in adjacency.values():
        rng.shuffle(lst)
    used = [False] * len(edges)
    games = []
    for start in sorted(adjacency):
        stack = [start]
        while stack:
            u = stack[-1]
            while adjacency[u] and used[adjacency[u][-1][1]]:
                adjacency[u].pop()
            if not adjacency[u]:
                stack.pop()
                continue
            v, i = adjacency[u].pop()
            used[i] = True
            games.append((u, v))  # u visits v
            stack.append(v)
    return games


def division_games(shape):
    games = []
    for block in shape.blocks:
        for i, a in enumerate(block):
            for b in block[i + 1:]:
                games += [(a, b), (b, a)]
    return games


def older_games(year, shape, inter_pairs, inter_degree, rng):
    """Division home and away, the paired divisions of the other conference,
    then conference games against other divisions to fill the season."""
    games_per_team = {1972: 14, 1976: 14, 1986: 16, 1990: 16, 1998: 16, 2001: 16}[year]
    inter = []
    for (a, b), degree in zip(inter_pairs, inter_degree):
        A, B = shape.blocks[a], shape.blocks[b]
        if len(A) == len(B):
            inter += circulant_pairs(A, B, degree, rng)
        else:
            # A six-team division against a five-team one: each of the six
            # misses one team, so five of the other division meet five.
            big, small = (A, B) if len(A) > len(B) else (B, A)
            for i, s in enumerate(big):
                inter += [(s, t) for j, t in enumerate(small) if j != i % len(small)]
    inter_count = {s: 0 for s in range(shape.slots)}
    for u, v in inter:
        inter_count[u] += 1
        inter_count[v] += 1
    conference_degree = {}
    for s in range(shape.slots):
        division = 2 * (len(shape.blocks[shape.block_of[s]]) - 1)
        conference_degree[s] = games_per_team - division - inter_count[s]
        assert conference_degree[s] >= 0
    conference = []
    for c in (0, 1):
        slots = [s for s in range(shape.slots) if shape.conference(s) == c]
        conference += random_simple_graph(
            slots, {s: conference_degree[s] for s in slots},
            lambda u, v: shape.block_of[u] != shape.block_of[v], rng)
    return division_games(shape) + euler_orient(inter + conference, rng)


def games_1959(shape):
    # The crossover games of the two conferences: two a team, one at home.
    crossover = [(0, 8), (8, 4), (4, 6), (6, 2), (2, 10), (10, 0), (5, 9), (9, 1), (1, 11), (11, 3), (3, 7),
                 (7, 5)]
    return division_games(shape) + crossover


def games_2002_on(year, rng):
    """Division twice; a whole division of the conference and of the other
    conference (rotating); the same-place teams of the conference's two other
    divisions; from 2021 the same-place team of one more division of the
    other conference."""
    k = year - 2002
    games = division_games(SHAPE_32)
    intra_pairs = [((0, 1), (2, 3)), ((0, 2), (1, 3)), ((0, 3), (1, 2))][k % 3]
    inter_offset = k % 4
    flip = k % 2

    def slot(conference, division, place):
        return 16 * conference + 4 * division + place

    def full_division(c1, d1, c2, d2, parity):
        for i in range(4):
            for j in range(4):
                a, b = slot(c1, d1, i), slot(c2, d2, j)
                games.append((a, b) if (i + j + parity) % 2 == 0 else (b, a))

    for c in (0, 1):
        for d1, d2 in intra_pairs:
            full_division(c, d1, c, d2, flip)
    for d in range(4):
        full_division(0, d, 1, (d + inter_offset) % 4, 1 - flip)
    for c in (0, 1):
        (a, a2), (b, b2) = intra_pairs
        for p in range(4):
            cycle = [a, b, a2, b2]
            if (p + k + c) % 2:
                cycle.reverse()
            for i in range(4):
                games.append((slot(c, cycle[i], p), slot(c, cycle[(i + 1) % 4], p)))
    if year >= 2021:
        extra_offset = (inter_offset + 2) % 4
        for d in range(4):
            for p in range(4):
                first, second = slot(0, d, p), slot(1, (d + extra_offset) % 4, p)
                # The seventeenth game is at home for the first conference in odd years.
                games.append((second, first) if year % 2 else (first, second))
    return games


# ---------------------------------------------------------------------------
# Open weeks and the week of every game.


def bye_plan(year, slots, weeks, rng):
    """The open week of each slot, or None for tables without open weeks."""
    if year < 1990:
        return None
    if year == 1990:
        counts = {w: 4 for w in range(3, 10)}
    elif year == 1998:
        counts = {w: 4 for w in range(3, 10)}
        counts[10] = 2
    elif year == 2001:
        counts = {w: (3 if 3 <= w <= 9 else 1) for w in range(weeks)}
    elif year <= 2020:
        counts = {w: 4 for w in range(3, 11)}
    else:
        counts = {w: 4 for w in range(5, 12)}
        counts[4] = 2
        counts[12] = 2
    assert sum(counts.values()) == slots
    order = list(range(slots))
    rng.shuffle(order)
    plan = {}
    for w in sorted(counts):
        for _ in range(counts[w]):
            plan[order.pop()] = w
    return plan


def assign_weeks(games, slots, weeks, byes, rng, fixed=(), min_gap=3, limit=20000):
    """Gives every game a week so that each slot plays once in every week but
    its open week. Division rematches are at least `min_gap` weeks apart."""
    n_games = len(games)
    week_of = [None] * n_games
    playing = [[None] * weeks for _ in range(slots)]
    games_of = [[] for _ in range(slots)]
    for i, (u, v) in enumerate(games):
        games_of[u].append(i)
        games_of[v].append(i)
    rematch = {}
    for i, (u, v) in enumerate(games):
        rematch.setdefault((min(u, v), max(u, v)), []).append(i)

    def active(s, w):
        return byes is None or byes[s] != w

    def can(i, w):
        u, v = games[i]
        if week_of[i] is not None or playing[u][w] is not None or playing[v][w] is not None:
            return False
        if not active(u, w) or not active(v, w):
            return False
        for j in rematch[(min(u, v), max(u, v))]:
            if j != i and week_of[j] is not None and abs(week_of[j] - w) < min_gap:
                return False
        return True

    def place(i, w):
        u, v = games[i]
        week_of[i] = w
        playing[u][w] = i
        playing[v][w] = i

    def unplace(i):
        u, v = games[i]
        w = week_of[i]
        week_of[i] = None
        playing[u][w] = None
        playing[v][w] = None

    for i, w in fixed:
        place(i, w)
    nodes = [0]

    def solve(left):
        if left == 0:
            return True
        nodes[0] += 1
        if nodes[0] > limit:
            return False
        best = None
        for s in range(slots):
            for w in range(weeks):
                if playing[s][w] is not None or not active(s, w):
                    continue
                options = [i for i in games_of[s] if can(i, w)]
                if best is None or len(options) < len(best[2]):
                    best = (s, w, options)
                    if not options:
                        return False
        s, w, options = best
        rng.shuffle(options)
        for i in options:
            place(i, w)
            if solve(left - 1):
                return True
            unplace(i)
        return False

    sys.setrecursionlimit(10000)
    if solve(n_games - len(fixed)):
        return week_of
    return None


def schedule(year, games, slots, weeks, seed, fixed=()):
    for attempt in range(200):
        rng = random.Random(seed * 1000 + attempt)
        byes = bye_plan(year, slots, weeks, rng)
        week_of = assign_weeks(games, slots, weeks, byes, rng, fixed)
        if week_of is not None:
            print("%d: weeks found on attempt %d" % (year, attempt + 1), file=sys.stderr)
            return week_of
    raise RuntimeError("no schedule for %d" % year)


# ---------------------------------------------------------------------------
# Days and kickoffs of the 32-team seasons: day 1 is 1 September.


def season_dates(year, weeks):
    first = datetime.date(year, 9, 1)
    labor_day = first + datetime.timedelta(days=(7 - first.weekday()) % 7)
    opener = labor_day + datetime.timedelta(days=3)
    thanksgiving = datetime.date(year, 11, 1)
    thanksgiving += datetime.timedelta(days=(3 - thanksgiving.weekday()) % 7 + 21)

    def day(date):
        return (date - first).days + 1

    plan = []
    for w in range(weeks):
        sunday = opener + datetime.timedelta(days=3 + 7 * w)
        thursday = sunday - datetime.timedelta(days=3)
        saturday = sunday - datetime.timedelta(days=1)
        monday = sunday + datetime.timedelta(days=1)
        slots = []
        if w == 0:
            slots.append((day(thursday), 2030))
        elif thursday == thanksgiving:
            slots += [(day(thursday), 1230), (day(thursday), 1630)]
            if year >= 2006:
                slots.append((day(thursday), 2020))
        elif year >= 2012 or (year >= 2006 and w >= 10):
            slots.append((day(thursday), 2025))
        if w in (weeks - 3, weeks - 2):
            slots += [(day(saturday), 1630), (day(saturday), 2020)]
        late = [(day(sunday), 1605), (day(sunday), 1625), (day(sunday), 1625)]
        night = [(day(sunday), 2020)]
        monday_games = [] if w == weeks - 1 else [(day(monday), 2015)]
        if w == 0 and year >= 2006:
            monday_games = [(day(monday), 1910), (day(monday), 2220)]
        plan.append((slots, late, night, monday_games, day(sunday)))
    return plan


def times_for_week(plan, games_in_week):
    special, late, night, monday, sunday = plan
    times = special + night + monday + late
    times = times[:games_in_week]
    while len(times) < games_in_week:
        times.append((sunday, 1300))
    return sorted(times)


# ---------------------------------------------------------------------------
# Output.


class Table:
    def __init__(self, year, shape, weeks, cells, games, week_of, with_times):
        self.year = year
        self.shape = shape
        self.weeks = weeks
        self.cells = cells
        self.grid = [[] for _ in range(weeks)]
        for i, (u, v) in enumerate(games):
            self.grid[week_of[i]].append((u, v))
        self.times = None
        if with_times:
            plan = season_dates(year, weeks)
            self.times = []
            for w in range(weeks):
                times = times_for_week(plan[w], len(self.grid[w]))
                self.times.append(times + [(0, 0)] * (cells - len(times)))
        for w in range(weeks):
            assert len(self.grid[w]) <= cells
            self.grid[w] += [(NO_SLOT, NO_SLOT)] * (cells - len(self.grid[w]))
        self.map = slot_map(year)


def build_tables():
    tables = []
    rng = random.Random(1959)
    shape = Shape([6, 6], [0, 1])
    games = games_1959(shape)
    opening = [(0, 8), (1, 2), (10, 6), (7, 11), (3, 4), (5, 9)]
    fixed = [(games.index(g), 0) for g in opening]
    week_of = schedule(1959, games, shape.slots, 12, 1959, fixed)
    table = Table(1959, shape, 12, 6, games, week_of, False)
    # The opening week stands in the order of its pairing table.
    table.grid[0] = opening
    tables.append(table)

    older = [
        (1972, Shape([5, 4, 4, 5, 4, 4], [0, 0, 0, 1, 1, 1]), 14, 13, [(0, 3), (1, 4), (2, 5)], [2, 3, 3]),
        (1976, Shape([5, 4, 5, 5, 5, 4], [0, 0, 0, 1, 1, 1]), 14, 14, [(0, 3), (1, 5), (2, 4)], [2, 2, 2]),
        (1986, Shape([5, 4, 5, 5, 5, 4], [0, 0, 0, 1, 1, 1]), 16, 14, [(0, 3), (1, 5), (2, 4)], [4, 4, 4]),
        (1990, Shape([5, 4, 5, 5, 5, 4], [0, 0, 0, 1, 1, 1]), 17, 14, [(0, 4), (1, 5), (2, 3)], [4, 4, 4]),
        (1998, Shape([5, 5, 5, 5, 5, 5], [0, 0, 0, 1, 1, 1]), 17, 15, [(0, 5), (1, 3), (2, 4)], [4, 4, 4]),
        (2001, Shape([5, 6, 5, 5, 5, 5], [0, 0, 0, 1, 1, 1]), 17, 15, [(0, 3), (1, 4), (2, 5)], [4, 4, 4]),
    ]
    for year, shape, weeks, cells, inter_pairs, inter_degree in older:
        games = older_games(year, shape, inter_pairs, inter_degree, random.Random(year))
        week_of = schedule(year, games, shape.slots, weeks, year)
        tables.append(Table(year, shape, weeks, cells, games, week_of, False))
    for year in range(2002, 2023):
        weeks = 18 if year >= 2021 else 17
        games = games_2002_on(year, random.Random(year))
        week_of = schedule(year, games, 32, weeks, year)
        tables.append(Table(year, SHAPE_32, weeks, 16, games, week_of, True))
    return tables


SHAPE_32 = Shape([4] * 8, [0, 0, 0, 0, 1, 1, 1, 1])


def check(table):
    slots = table.shape.slots
    played = [0] * slots
    home = [0] * slots
    for w in range(table.weeks):
        seen = set()
        for u, v in table.grid[w]:
            if u == NO_SLOT:
                continue
            assert u not in seen and v not in seen, (table.year, w)
            seen |= {u, v}
            played[u] += 1
            played[v] += 1
            home[v] += 1
    games = {1959: 12, 1972: 14, 1976: 14}.get(table.year, 16 if table.year < 2021 else 17)
    assert all(p == games for p in played), (table.year, played)
    assert all(2 * h in (games, games + 1, games - 1) for h in home), (table.year, home)
    assert sorted(table.map) == list(range(slots)), table.year


def wrap(items, indent, width=110):
    lines = []
    line = indent
    for item in items:
        piece = item + ","
        if len(line) + len(piece) + 1 > width and line.strip():
            lines.append(line.rstrip())
            line = indent
        line += piece + " "
    if line.strip():
        lines.append(line.rstrip())
    return lines


def emit_table(t):
    out = []
    name = "%d" % t.year
    out.append("constexpr int8_t GAMES_%s[%d * %d][2] = {" % (name, t.weeks, t.cells))
    for w in range(t.weeks):
        out.append("    // week %d" % (w + 1))
        out += wrap(["{%d, %d}" % cell for cell in t.grid[w]], "    ")
    out.append("};")
    if t.times:
        out.append("constexpr int16_t TIMES_%s[%d * %d][2] = {" % (name, t.weeks, t.cells))
        for w in range(t.weeks):
            out += wrap(["{%d, %d}" % cell for cell in t.times[w]], "    ")
        out.append("};")
    out.append("constexpr int8_t MAP_%s[%d] = {" % (name, t.shape.slots))
    out += wrap([str(s) for s in t.map], "    ")
    out.append("};")
    return out


def emit_entry(t):
    blocks = "BLOCKS_%d" % t.shape.slots
    times = "TIMES_%d" % t.year if t.times else "nullptr"
    return "    {%d, %d, %d, %d, %d, GAMES_%d, %s, MAP_%d, %s}," % (
        t.year, t.shape.slots, t.weeks, t.cells, 4 if t.times else 2, t.year, times, t.year, blocks)


def emit_blocks(name, shape):
    return ["constexpr int8_t %s[%d] = {" % (name, shape.slots)] + wrap(
        [str(b) for b in shape.block_of], "    ") + ["};"]


HEADER = """// Generated by scripts/schedule_templates.py: the fixed season schedules,
// built by the real league's scheduling formula of each shape. Do not edit by
// hand; change the script and run it again.
#include "season/schedule_template_tables.h"

namespace {
// clang-format off
"""


def write_file(path, tables, array_name):
    lines = [HEADER.rstrip("\n")]
    shapes = {}
    for t in tables:
        shapes.setdefault(t.shape.slots, t.shape)
    for slots in sorted(shapes):
        lines += emit_blocks("BLOCKS_%d" % slots, shapes[slots])
    for t in tables:
        lines += emit_table(t)
    lines.append("// clang-format on")
    lines.append("} // namespace")
    lines.append("")
    lines.append("const SCHEDULE_TEMPLATE %s[%d] = {" % (array_name, len(tables)))
    lines += [emit_entry(t) for t in tables]
    lines.append("};")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    tables = build_tables()
    for t in tables:
        check(t)
    groups = [(1959, 2001, "schedule_template_tables.cpp", "Early_Schedule_Templates"),
              (2002, 2008, "schedule_template_tables_2002.cpp", "Schedule_Templates_2002"),
              (2009, 2015, "schedule_template_tables_2009.cpp", "Schedule_Templates_2009"),
              (2016, 2022, "schedule_template_tables_2016.cpp", "Schedule_Templates_2016")]
    for first, last, name, array_name in groups:
        write_file(os.path.join(OUT, name), [t for t in tables if first <= t.year <= last], array_name)


if __name__ == "__main__":
    main()
