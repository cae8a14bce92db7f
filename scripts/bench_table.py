"""Summary table of scripts/bench: the medians of the station benchmarks with their ratios
to the baseline of their group measured in the same run, the targets, and the whole-process
timings of the command-line tool (process start included) against `g20seq info`.

usage: bench_table.py BENCH_JSON TOOL WORK_DIR PROCESS_RUNS
"""
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

bench_json, tool, work, process_runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
SCALE_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}

# Targets: benchmark name -> (limit in ns, text). Payload names carry the zone class.
TARGETS = {
    "Open/AC": (0.5e6, "< 0.5 ms"),
    "Open/MF": (0.5e6, "< 0.5 ms"),
    "Stations/Open1000/iterations:3": (1e9, "< 1 s"),
    "Save/NewStation": (5e6, "< 5 ms"),
    "Load/Image": (5e6, "< 5 ms"),
    "CompareSelf/EqualsFichier": (5e6, "< 5 ms"),
    "CompareOneDiff/EqualsFichier": (5e6, "< 5 ms"),
    "Payload/ProgrammeG20/Decode/min_time:0.050": (3e3, "< 3 µs"),
    "Payload/ProgrammeG20/Encode/min_time:0.050": (0.5e3, "< 0.5 µs"),
    "Payload/ConfigurationG20/Decode/min_time:0.050": (5e3, "< 5 µs"),
    "Export/ConversionASCII": (20e6, "< 20 ms"),
    "Hold/Configuration/threads:1": (100, "< 100 ns"),
}


def fmt(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return "%.3g %s" % (ns / scale, unit)
    return "%.3g ns" % ns


def baseline_of(name):
    if name.startswith("Scale/"):
        return re.sub(r"^Scale/\d+", "Scale/10", name)
    if name.startswith("Hold/"):
        return name.replace("Hold/Configuration", "Hold/Baseline")
    if name.startswith("Payload/"):
        return None
    return name.split("/")[0] + "/Baseline"


runs = json.load(open(bench_json))["benchmarks"]
medians = {r["run_name"]: r for r in runs if r.get("aggregate_name") == "median"}
if not medians:  # one repetition: no aggregates
    medians = {r["run_name"]: r for r in runs if r.get("run_type") == "iteration"}
# A benchmark run once per repetition (Iterations(1)) still reports a median.
ns = {name: {k: r[k] * SCALE_NS[r["time_unit"]] for k in ("real_time", "cpu_time")}
      for name, r in medians.items()}

rows = []
print("| benchmark | real median | CPU median | ratio to baseline (real) | ratio (CPU) | target | met |")
print("|---|---:|---:|---:|---:|---|---|")
for name, times in ns.items():
    base = baseline_of(name)
    ratios = ("", "")
    if base in ns and base != name:
        ratios = tuple("%.2f" % (times[k] / ns[base][k]) for k in ("real_time", "cpu_time"))
    target, met = "", ""
    if name in TARGETS:
        limit, target = TARGETS[name]
        met = "yes" if times["real_time"] < limit else "**missed**"
    if name.startswith("Scale/") and base in ns and base != name:
        target = "per pair ≤ N=10 (noise ±20 %)"
        met = "yes" if times["real_time"] <= 1.2 * ns[base]["real_time"] else "**missed**"
    cpu = fmt(times["cpu_time"])
    if name.startswith("Scale/"):  # the wall time per pair of two threads; no CPU time
        cpu, ratios = "", (ratios[0], "")
    print("| %s | %s | %s | %s | %s | %s | %s |" % (name, fmt(times["real_time"]), cpu, *ratios,
                                                   target, met))

stations = medians.get("Stations/Open1000/iterations:3")
if stations is not None:
    print()
    resident = stations.get("resident_per_station_KiB", 0)
    print("Memory per idle station (AC, 1000 open): resident %.0f KiB (target < 150 KB: %s), heap %.0f KiB."
          % (resident, "met" if resident * 1024 < 150e3 else "**missed**",
             stations.get("heap_per_station_KiB", 0)))
first = medians.get("Save/NewStation")
if first is not None and "blocks" in first:
    print("Image: AC station, %d blocks, %d bytes." % (first["blocks"], first["bytes"]))


# Whole processes, as a new user runs them.
def timed(args, expect=(0,)):
    start = time.perf_counter()
    result = subprocess.run(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    if result.returncode not in expect:
        raise SystemExit("bench: %s answered %d" % (" ".join(args), result.returncode))
    return elapsed * 1e9


def sync_time(args, expect=(0,)):
    """The time the process spent in sync calls, or None without strace."""
    if shutil.which("strace") is None:
        return None
    trace = os.path.join(work, "strace.txt")
    result = subprocess.run(["strace", "-f", "-T", "-e", "trace=fsync,fdatasync,syncfs,sync",
                             "-o", trace] + args, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    if result.returncode not in expect:
        return None
    return sum(float(t) for t in re.findall(r"<([0-9.]+)>", open(trace).read())) * 1e9


a, b, new = (os.path.join(work, n) for n in ("a.g20", "b.g20", "new.g20"))
subprocess.run([tool, "new", "GA_BENCH", a], check=True, stdout=subprocess.DEVNULL)
subprocess.run([tool, "new", "GA_BENCH", b], check=True, stdout=subprocess.DEVNULL)
subprocess.run([tool, "set", b, "PrcProgrammes=5", "IDTempsSoudage=10"], check=True,
               stdout=subprocess.DEVNULL)
commands = {
    "g20seq info (process start)": ([tool, "info", a], (0,), None),
    "g20seq new": ([tool, "new", "GA_BENCH", new, "--force"], (0,), (10e6, "< 10 ms")),
    "g20seq diff (one difference)": ([tool, "diff", a, b], (1,), (15e6, "< 15 ms")),
    "g20seq export": ([tool, "export", a, os.path.join(work, "export.csv")], (0,), None),
}
print()
print("Whole processes (median of %d runs, wall time, process start included):" % process_runs)
print()
print("| command | median | of which syncs | ratio to `info` | target | met |")
print("|---|---:|---:|---:|---|---|")
info = None
for label, (args, expect, target) in commands.items():
    median = statistics.median(timed(args, expect) for _ in range(process_runs))
    syncs = sync_time(args, expect)
    if info is None:
        info = median
    met = ""
    if target is not None:
        met = "yes" if median < target[0] else "**missed**"
    print("| %s | %s | %s | %.1f | %s | %s |" % (label, fmt(median),
                                               "n/a" if syncs is None else fmt(syncs) if syncs else "0",
                                               median / info,
                                               target[1] if target else "", met))
