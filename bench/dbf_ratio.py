#!/usr/bin/env python3
"""Load time of a price list of 16,000 articles: ours against python3-dbfread on the same file.

    python3 bench/dbf_ratio.py [--build build] [--count 16000]

The file comes from tools/gen_data.py. Ours is BM_NactiCenik of sorvenika_bench (dBase read, the
ten columns, sort, lookup index and the texts of the codes and names); dbfread's is DBF(..., load=True), the best of several runs.
"""
import argparse
import json
import os
import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
# dbfread is a Debian package and lives in Debian's own Python.
DEBIAN_PYTHON = "/usr/bin/python3"

DBFREAD_TIMER = r"""
import sys, time
from dbfread import DBF
best = float("inf")
for _ in range(int(sys.argv[2])):
    t0 = time.perf_counter()
    table = DBF(sys.argv[1], encoding="cp852", load=True)
    best = min(best, time.perf_counter() - t0)
assert len(table.records) == int(sys.argv[3])
print(best * 1000)
"""


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--build", default=str(ROOT / "build"), help="build folder holding bench/sorvenika_bench")
    p.add_argument("--count", type=int, default=16000)
    p.add_argument("--runs", type=int, default=5, help="dbfread runs (the best counts)")
    args = p.parse_args()

    bench = pathlib.Path(args.build) / "bench" / "sorvenika_bench"
    if not bench.exists():
        sys.exit(f"{bench} is missing: build first (scripts/build.sh build)")
    with tempfile.TemporaryDirectory() as tmp:
        cenik = pathlib.Path(tmp) / "Art.dbf"
        subprocess.run([sys.executable, str(ROOT / "tools" / "gen_data.py"), "--bench", str(args.count), str(cenik)],
                       check=True, stdout=subprocess.DEVNULL)

        out = subprocess.run([str(bench), "--benchmark_filter=^BM_NactiCenik$", "--benchmark_format=json",
                              "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
                             env=dict(os.environ, SORVENIKA_BENCH_CENIK=str(cenik.with_suffix(""))),
                             check=True, capture_output=True, text=True).stdout
        median = next(b for b in json.loads(out)["benchmarks"] if b.get("aggregate_name") == "median")
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[median["time_unit"]]
        ours = median["real_time"] * scale

        theirs = float(subprocess.run([DEBIAN_PYTHON, "-c", DBFREAD_TIMER, str(cenik), str(args.runs), str(args.count)],
                                      check=True, capture_output=True, text=True).stdout)

    print(f"price list: {args.count} articles, {cenik.name} from tools/gen_data.py")
    print(f"ours (read, columns, sort, index): {ours:8.2f} ms")
    print(f"python3-dbfread (read):            {theirs:8.2f} ms")
    print(f"ratio:                             {theirs / ours:8.1f} x")


if __name__ == "__main__":
    main()
