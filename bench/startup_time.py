#!/usr/bin/env python3
"""Start-up time: from starting the program to its main menu shown, offscreen, on the sample data.

    bench/startup_time.py [--runs 11] [--program build/sorvenika]

Each run copies Data/ into a temporary folder (the program writes its settings there), starts
the program with the offscreen platform and waits for its start-up log line, which it writes
once the main menu has been shown and the pending events (its first paint) processed. The program is then ended with SIGTERM, as a
session end would end it. Prints every run and the median in milliseconds. Standard library only.
"""
import argparse
import os
import pathlib
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
MARKER = b"hlavn\xc3\xad nab\xc3\xaddka zobrazena"  # "hlavní nabídka zobrazena"


def one_run(program, data):
    env = dict(os.environ)
    env.update({
        "QT_QPA_PLATFORM": "offscreen",
        "QT_LOGGING_RULES": "sorvenika.start.info=true",
        "SORVENIKA_DATA": str(data),
    })
    start = time.perf_counter()
    proc = subprocess.Popen([str(program)], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        for line in proc.stderr:
            if MARKER in line:
                elapsed = time.perf_counter() - start
                break
        else:
            raise RuntimeError("the program ended before showing its main menu (exit %s)" % proc.wait())
    finally:
        if proc.poll() is None:
            proc.send_signal(signal.SIGTERM)
        proc.stderr.close()
        proc.wait(timeout=10)
    return elapsed * 1000.0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--runs", type=int, default=11)
    ap.add_argument("--program", default=str(ROOT / "build" / "sorvenika"))
    args = ap.parse_args()

    times = []
    with tempfile.TemporaryDirectory() as tmp:
        for i in range(args.runs + 1):
            data = pathlib.Path(tmp) / ("run%d" % i) / "Data"
            shutil.copytree(ROOT / "Data", data)
            ms = one_run(args.program, data)
            # The first run warms the file cache and the dynamic loader; it is not counted.
            if i == 0:
                print("warm-up  %7.1f ms" % ms)
                continue
            times.append(ms)
            print("run %2d   %7.1f ms" % (i, ms))
    print("median   %7.1f ms  (%d runs, budget 100 ms)" % (statistics.median(times), len(times)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
