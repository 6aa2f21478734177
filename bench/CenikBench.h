#pragma once
#include <QString>

// The price list the benchmarks read (path without ".dbf"). SORVENIKA_BENCH_CENIK names one, as
// bench/dbf_ratio.py passes the generator's; without it a 16,000-article list of the same shape
// (a third of the articles orderable) is written into a temporary folder once per run.
QString cenik();
// A list of `artiklu` articles of that shape, every one orderable, written once per run: the
// browser lists them all.
QString objednatelnyCenik(int artiklu);
