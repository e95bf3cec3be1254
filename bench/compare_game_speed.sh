#!/usr/bin/env bash
# One complete game (and a week of 16 games) of this tree against the engine
# as it stood at commit b43c4c1, both built the same way, in one run:
#
#   bench/compare_game_speed.sh [baseline-commit] [rounds]
#
# The baseline is exported from git into its own folder (outside the
# repository, ${KORVA_BASELINE_DIR:-/tmp/korva-baseline}) and built there once
# with the same compiler, build type and flags as build/ of this tree. The two
# benchmark programs then take turns, `rounds` times each (5 by default), so
# that both see the same load on a shared machine, and write their pages into
# the same folder; the table gives each benchmark's median and best (least)
# time over the rounds and the speed-ups they give. Last, callgrind counts the
# instructions of one game (Play_Test_Game) in each, the figure that load
# does not move.
set -euo pipefail

BASELINE=${1:-b43c4c1}
ROUNDS=${2:-5}
ROOT=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
WORK=${KORVA_BASELINE_DIR:-/tmp/korva-baseline}
SOURCE=$WORK/src-$BASELINE
BUILD=$WORK/build-$BASELINE
CURRENT=$ROOT/build
FILTER='^BM_(CompleteGame|WeekOfSixteenGames)$'

configure() { # source build
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
}

if [ ! -x "$BUILD/korva_bench" ]; then
    rm -rf "$SOURCE"
    mkdir -p "$SOURCE"
    git -C "$ROOT" archive "$BASELINE" | tar -x -C "$SOURCE"
    configure "$SOURCE" "$BUILD"
fi
cmake --build "$BUILD" -j3 --target korva_bench >/dev/null
[ -f "$CURRENT/CMakeCache.txt" ] || configure "$ROOT" "$CURRENT"
cmake --build "$CURRENT" -j3 --target korva_bench >/dev/null

RESULTS=$(mktemp -d)
# Both programs write each game's pages into Output/ of the folder they run
# in: one folder for both, in memory when the machine has one, so that the
# disk (where creating a file can take a millisecond) times neither.
MEMORY=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && MEMORY=/dev/shm
PAGES=$(mktemp -d -p "$MEMORY")
mkdir -p "$PAGES/Output"
trap 'rm -rf "$RESULTS" "$PAGES"' EXIT
for round in $(seq 1 "$ROUNDS"); do
    for which in baseline current; do
        program=$BUILD/korva_bench
        [ "$which" = current ] && program=$CURRENT/korva_bench
        (cd "$PAGES" && "$program" --benchmark_filter="$FILTER" --benchmark_format=json \
            >"$RESULTS/$which-$round.json" 2>/dev/null)
    done
done

# Instructions of one game: callgrind collects inside Play_Test_Game only; the
# count is divided by the number of its calls.
for which in baseline current; do
    program=$BUILD/korva_bench
    [ "$which" = current ] && program=$CURRENT/korva_bench
    (cd "$PAGES" && valgrind --tool=callgrind --callgrind-out-file="$RESULTS/$which.callgrind" \
        --toggle-collect='Play_Test_Game(int, int, int)' "$program" \
        --benchmark_filter='^BM_CompleteGame$' --benchmark_min_time=3 >/dev/null 2>&1)
done

python3 - "$RESULTS" "$BASELINE" <<'EOF'
import json, re, statistics, sys, pathlib
folder, baseline = pathlib.Path(sys.argv[1]), sys.argv[2]
times = {}
for path in folder.glob("*.json"):
    which = path.name.split("-")[0]
    for run in json.loads(path.read_text())["benchmarks"]:
        times.setdefault((run["name"], which), []).append(run["real_time"])

def instructions_per_game(path):
    text = path.read_text()
    total = int(re.search(r"^summary: (\d+)", text, re.M).group(1))
    ids = set(re.findall(r"\((\d+)\) Play_Test_Game\(int, int, int\)", text))
    calls = 0
    lines = text.splitlines()
    for n, line in enumerate(lines):
        match = re.match(r"cfn=\((\d+)\)", line)
        if match and match.group(1) in ids and lines[n + 1].startswith("calls="):
            calls += int(lines[n + 1].split("=")[1].split()[0])
    return total / max(calls, 1)

print(f"{'benchmark':24} {'':6} {baseline + ' ms':>12} {'now ms':>10} {'speed-up':>9}")
for name in sorted({name for name, _ in times}):
    for label, pick in (("median", statistics.median), ("best", min)):
        before = pick(times[(name, "baseline")])
        after = pick(times[(name, "current")])
        print(f"{name:24} {label:6} {before:12.2f} {after:10.2f} {before / after:8.1f}x")
before = instructions_per_game(folder / "baseline.callgrind")
after = instructions_per_game(folder / "current.callgrind")
print(f"{'instructions per game':31} {before / 1e6:11.1f}M {after / 1e6:9.1f}M {before / after:8.1f}x")
EOF
