#!/usr/bin/env python3
"""Whole-process comparison of quillmark-render with a peer generator (zint,
from Debian) on Code 39, where both draw the same bars at the same pixel size
(336 pixels wide, 3-dot narrow bars, 2:1 ratio), into 1-bit BMP files, and with
a floor (a plain program that writes the same bytes to the same number of
files). Four figures, each with its goal:
  - one symbol with its label: wall time, the median of the pairwise ratios,
    beside the start-up floor (a program that only loads the GUI library the
    tool draws with: the part of the tool's time no change inside it removes),
    once a first run has left the label's glyphs in the label store (a fresh
    one, in the work folder), and that first run's own time;
  - 1000 symbols on one core (--jobs 1): CPU time;
  - 1000 symbols on every core (the default): wall time;
  - a batch of BIG_LINES (100,000) lines: peak memory against 1000 lines.

Each program runs RUNS times, each time into a new, empty folder; the script
reports the median CPU time (user + system, from the kernel's accounting of the
child process, and the two parts) and the median wall time, and the ratios the
goal names. No file is deleted until every run is over: ext4 skips inodes that
were freed moments ago when it allocates new ones, and emptying the folder
before each run made every program pay about 0.7 ms of system time per file
searching past them, a cost of the measurement rather than of the programs.
Each run also starts with nothing left to write (os.sync() before it, not
timed): quillmark-render flushes its file system once at the end, which would
otherwise write out the other programs' files too.

Needs: the release build (cmake --preset release && cmake --build --preset
release --target quillmark-render write_floor load_floor) and zint (apt-get
install zint).
"""
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BIN = os.path.join(ROOT, "build", "release", "bin")
RENDER = os.path.join(BIN, "quillmark-render")
FLOOR = os.path.join(ROOT, "build", "release", "bench", "write_floor")
LOAD_FLOOR = os.path.join(ROOT, "build", "release", "bench", "load_floor")
LINES = 1000
RUNS = int(os.environ.get("RUNS", "7"))
SINGLE_RUNS = int(os.environ.get("SINGLE_RUNS", "31"))
BIG_LINES = int(os.environ.get("BIG_LINES", "100000"))
# zint's Code 39 at the same size: 3-dot modules, a 0.75-inch bar (75
# modules), quiet zones of 11 modules beside the bars and 10 above and below.
ZINT = ["zint", "-b", "8", "--filetype=BMP", "--scale=1.5", "--height=75", "--whitesp=11",
        "--vwhitesp=10"]


def inputs(path, lines=LINES):
    rng = random.Random(12)
    alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789"
    with open(path, "w") as f:
        for i in range(lines):
            f.write("QM-%06d-%s\n" % (i, "".join(rng.choice(alphabet) for _ in range(6))))


def measure(command, out):
    """Runs command once into the new, empty folder out (named by the command's
    OUT placeholder); returns (user, system, wall) seconds."""
    os.makedirs(out)
    # Every run starts with nothing waiting to be written: quillmark-render
    # makes its files durable at the end with one flush of their file system,
    # which would otherwise also write out the files of the runs before it.
    os.sync()
    user, system, wall, _ = run(command, out)
    if len(os.listdir(out)) != LINES:
        sys.exit("%s wrote %d files, not %d" % (command[0], len(os.listdir(out)), LINES))
    return user, system, wall


def run(command, out):
    """Runs command once with OUT standing for the folder out; returns (user,
    system, wall) seconds and the peak resident memory in KiB."""
    command = [out + arg[3:] if arg == "OUT" or arg.startswith("OUT/") else arg
               for arg in command]
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        sys.exit("%s ended with status %d" % (command[0], child.returncode))
    return usage.ru_utime, usage.ru_stime, wall, usage.ru_maxrss


def single(work, fresh):
    """One symbol with its label, pair by pair: the median wall times and the
    median of the ratios."""
    out = fresh()
    os.makedirs(out)
    own = [RENDER, "-s", "code39", "--ratio", "2", "-o", "OUT/q.bmp", "ITEM1"]
    peer = ZINT + ["-o", "OUT/z.bmp", "-d", "ITEM1"]
    # The first run paints the label with the fonts and leaves its glyphs in
    # the label store (a fresh one, under XDG_CACHE_HOME); the runs after it
    # draw without fonts, as every later call of a script does.
    first = run(own, out)[2]
    runs = []
    for _ in range(SINGLE_RUNS):
        runs.append((run(own, out)[2], run(peer, out)[2], run([LOAD_FLOOR], out)[2]))
    ratio = statistics.median(a / b for a, b, _ in runs)
    floor = statistics.median(c / b for _, b, c in runs)
    print("one symbol with its label, %d pairs: quillmark-render %.1f ms, zint %.1f ms: "
          "%.1f x (goal <= 5); loading the GUI library alone %.1f ms: %.1f x"
          % (SINGLE_RUNS, 1000 * statistics.median(a for a, _, _ in runs),
             1000 * statistics.median(b for _, b, _ in runs), ratio,
             1000 * statistics.median(c for _, _, c in runs), floor))
    print("  the first run, with an empty label store: %.1f ms" % (1000 * first))


def memory(work, fresh):
    """Peak memory of a long batch against that of 1000 lines."""
    big = os.path.join(work, "big.txt")
    inputs(big, BIG_LINES)
    peaks = {}
    for name, data in (("1000", os.path.join(work, "lines.txt")), (str(BIG_LINES), big)):
        out = fresh()
        os.makedirs(out)
        peaks[name] = run([RENDER, "-s", "code39", "--ratio", "2", "--batch", data,
                           "-o", "OUT/{n}.bmp"], out)[3]
        shutil.rmtree(out, ignore_errors=True)
    print("peak memory: %d lines %.1f MiB, 1000 lines %.1f MiB: %.2f x (goal <= 1.10)"
          % (BIG_LINES, peaks[str(BIG_LINES)] / 1024, peaks["1000"] / 1024,
             peaks[str(BIG_LINES)] / peaks["1000"]))


def main():
    for program in (RENDER, FLOOR, LOAD_FLOOR):
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the release preset first" % program)
    if shutil.which("zint") is None:
        sys.exit("missing zint: apt-get install zint")
    # BENCH_DIR chooses the file system written to (a tmpfs such as /dev/shm
    # takes the disk out of the comparison).
    work = tempfile.mkdtemp(prefix="quillmark-bench-", dir=os.environ.get("BENCH_DIR"))
    os.environ["XDG_CACHE_HOME"] = os.path.join(work, "cache")
    try:
        data = os.path.join(work, "lines.txt")
        inputs(data)
        runs = iter(range(1_000_000))

        def fresh():
            return os.path.join(work, "out%d" % next(runs))
        single(work, fresh)
        # 10-mil modules at 300 dpi are 3 dots; a 0.75-inch bar is 75 modules.
        own = [RENDER, "-s", "code39", "--ratio", "2", "--batch", data, "-o", "OUT/{n}.bmp"]
        commands = {
            "quillmark-render": own,
            "quillmark-render --jobs 1": own[:1] + ["--jobs", "1"] + own[1:],
            "zint": ZINT + ["--batch", "-i", data, "-o", "OUT/~~~~.bmp"],
        }
        # The floor writes exactly the bytes quillmark-render wrote.
        out = fresh()
        measure(commands["quillmark-render"], out)
        manifest = os.path.join(work, "manifest.txt")
        blob = os.path.join(work, "blob.bin")
        with open(manifest, "w") as m, open(blob, "wb") as b:
            for name in sorted(os.listdir(out)):
                with open(os.path.join(out, name), "rb") as f:
                    data_bytes = f.read()
                m.write("%s %d\n" % (name, len(data_bytes)))
                b.write(data_bytes)
        commands["floor"] = [FLOOR, manifest, blob, "OUT"]

        results = {name: [] for name in commands}
        for _ in range(RUNS):  # interleaved, so that a busy moment hits all alike
            for name, command in commands.items():
                results[name].append(measure(command, fresh()))
        medians = {}
        print("%d files, %d runs each, medians:" % (LINES, RUNS))
        for name, samples in results.items():
            cpu = statistics.median(s[0] + s[1] for s in samples)
            user = statistics.median(s[0] for s in samples)
            system = statistics.median(s[1] for s in samples)
            wall = statistics.median(s[2] for s in samples)
            medians[name] = (cpu, wall)
            print("  %-26s CPU %7.3f s (user %.3f, system %.3f)   wall %7.3f s"
                  % (name, cpu, user, system, wall))
        own = medians["quillmark-render"]
        one = medians["quillmark-render --jobs 1"]
        peer = medians["zint"]
        print("%d symbols, one core / zint: CPU %.2f x (goal <= 0.7); %.0f symbols a second"
              % (LINES, one[0] / peer[0], LINES / one[1]))
        print("%d symbols, every core / zint: wall %.2f x (goal <= 0.55); %.0f symbols a second"
              % (LINES, own[1] / peer[1], LINES / own[1]))
        print("quillmark-render / floor: CPU %.2f x, wall %.2f x"
              % (own[0] / medians["floor"][0], own[1] / medians["floor"][1]))
        memory(work, fresh)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
