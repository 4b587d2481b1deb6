#!/usr/bin/python3
# The Windows rows of scripts/bench, beside the Qt program's of the same run: the square-root and
# linear ticks at 768 px compiled for Windows and run under Wine, next to the native medians; and
# the time from start to a visible INTRODUCTION for the Qt program and for sorvel.exe under Wine,
# each in an Xvfb server of its own, the median of five starts. Wine's server is kept running
# between the starts, as Windows itself is running before a program starts.
# Usage: rows.py WINE PREFIX windows_tick_bench.exe native.json QT_BINARY sorvel.exe
import json
import os
import statistics
import subprocess
import sys
import time

STARTS = 5
# A start that shows nothing in this long has failed.
START_LIMIT_S = 60
# How often the window is looked for: short beside a start of a few hundred milliseconds.
POLL_S = 0.01


def native_medians(path):
    rows = {}
    for run in json.load(open(path))["benchmarks"]:
        if run.get("aggregate_name") == "median" and run["run_name"].endswith(" raster"):
            rows[run["run_name"][: -len(" raster")]] = run["real_time"]
    return rows


def tick_rows(wine, env, bench, native):
    out = subprocess.run([wine, bench], env=env, capture_output=True, text=True, check=True).stdout
    print(f"\n{'tick (768 px, raster)':26} {'native (ms)':>12} {'wine (ms)':>10} {'wine/native':>12}")
    for line in out.splitlines():
        try:
            row = json.loads(line)
        except ValueError:
            continue
        if "row" in row:
            n = native.get(row["row"], float("nan"))
            print(f"{row['row']:26} {n:12.3f} {row['ms']:10.3f} {row['ms'] / n:12.2f}")


def xvfb():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read, 1)
    os.close(read)
    return server, ":" + number.decode().strip()


def start_seconds(command, env):
    server, display = xvfb()
    env = dict(env, DISPLAY=display)
    try:
        began = time.monotonic()
        program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        while time.monotonic() - began < START_LIMIT_S:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^INTRODUCTION$"], env=env,
                                   capture_output=True)
            if found.returncode == 0:
                return time.monotonic() - began
            time.sleep(POLL_S)
        return float("nan")
    finally:
        program.kill()
        program.wait()
        server.terminate()
        server.wait()


def main(wine, prefix, bench, native_json, qt, exe):
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG="-all")
    server = os.path.join(os.path.dirname(wine), "wineserver")
    # Persistent until killed below; a server already running for the prefix serves as well.
    subprocess.run([server, "-p"], env=env)
    try:
        tick_rows(wine, env, bench, native_medians(native_json))
        qt_env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        print(f"\n{'start to INTRODUCTION':26} {'median (s)':>12} {'of':>4}")
        for name, command, run_env in (("Qt", [qt], qt_env), ("Windows under Wine", [wine, exe], env)):
            times = [start_seconds(command, run_env) for _ in range(STARTS)]
            print(f"{name:26} {statistics.median(times):12.3f} {STARTS:4}")
    finally:
        subprocess.run([server, "-k"], env=env)


if __name__ == "__main__":
    main(*sys.argv[1:])
