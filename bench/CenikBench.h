#pragma once
#include <QString>

// The price list the benchmarks read (path without ".dbf"). SORVENIKA_BENCH_CENIK names one, as
// bench/dbf_ratio.py passes the generator's; without it a 16,000-article list of the same shape
// is written into a temporary folder once per run.
QString cenik();
