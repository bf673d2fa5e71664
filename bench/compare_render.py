#!/usr/bin/env python3
"""Whole-process comparison of quillmark-render on 1000 Code 128 inputs to
1-bit BMP files, against a peer generator (zint, from Debian) and a floor (a
plain program that writes the same bytes to the same number of files).

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
release --target quillmark-render write_floor) and zint (apt-get install zint).
"""
import os
import random
import resource
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
LINES = 1000
RUNS = int(os.environ.get("RUNS", "7"))


def inputs(path):
    rng = random.Random(12)
    alphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789"
    with open(path, "w") as f:
        for i in range(LINES):
            f.write("QM-%06d-%s\n" % (i, "".join(rng.choice(alphabet) for _ in range(6))))


def measure(command, out):
    """Runs command once into the new, empty folder out (named by the command's
    OUT placeholder); returns (user, system, wall) seconds."""
    os.makedirs(out)
    # Every run starts with nothing waiting to be written: quillmark-render
    # makes its files durable at the end with one flush of their file system,
    # which would otherwise also write out the files of the runs before it.
    os.sync()
    command = [out + arg[3:] if arg == "OUT" or arg.startswith("OUT/") else arg
               for arg in command]
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    user = after.ru_utime - before.ru_utime
    system = after.ru_stime - before.ru_stime
    if len(os.listdir(out)) != LINES:
        sys.exit("%s wrote %d files, not %d" % (command[0], len(os.listdir(out)), LINES))
    return user, system, wall


def main():
    for program in (RENDER, FLOOR):
        if not os.access(program, os.X_OK):
            sys.exit("missing %s: build the release preset first" % program)
    if shutil.which("zint") is None:
        sys.exit("missing zint: apt-get install zint")
    # BENCH_DIR chooses the file system written to (a tmpfs such as /dev/shm
    # takes the disk out of the comparison).
    work = tempfile.mkdtemp(prefix="quillmark-bench-", dir=os.environ.get("BENCH_DIR"))
    try:
        data = os.path.join(work, "lines.txt")
        inputs(data)
        runs = iter(range(1_000_000))

        def fresh():
            return os.path.join(work, "out%d" % next(runs))
        # 10-mil modules at 300 dpi are 3 dots; a 0.75-inch bar is 75 modules.
        commands = {
            "quillmark-render": [RENDER, "-s", "code128", "--batch", data,
                                 "-o", "OUT/{n}.bmp"],
            "zint": ["zint", "-b", "20", "--batch", "-i", data, "--filetype=BMP",
                     "--scale=1.5", "--height=75", "-o", "OUT/~~~~.bmp"],
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
            print("  %-17s CPU %7.3f s (user %.3f, system %.3f)   wall %7.3f s"
                  % (name, cpu, user, system, wall))
        own = medians["quillmark-render"]
        print("quillmark-render / zint:  CPU %.2f x (goal <= 0.8), wall %.2f x"
              % (own[0] / medians["zint"][0], own[1] / medians["zint"][1]))
        print("quillmark-render / floor: CPU %.2f x (goal <= 1.5), wall %.2f x"
              % (own[0] / medians["floor"][0], own[1] / medians["floor"][1]))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
