// crc_benchmark.cpp
#include <benchmark/benchmark.h>
BENCHMARK_MAIN();
