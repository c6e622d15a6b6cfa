// crc_benchmark.cpp -- the check-field CRC on one 22824-byte record (the
// longest NAACCR 12 to 16 layout) against the byte-at-a-time reference and
// zlib's crc32, all measured in the same run.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <random>
#include <string>

#include "platform/platform.h"
#include "cvnaaccr.h"

namespace
{

const uint32_t record_length = 22824;

const std::string &record()
{
    static const std::string text = [] {
        std::mt19937 rng(1);
        std::string r(record_length, ' ');
        for (char &c : r)
            c = static_cast<char>(32 + rng() % 95);
        return r;
    }();
    return text;
}

void set_bytes(benchmark::State &state) { state.SetBytesProcessed(int64_t(state.iterations()) * record_length); }

void CheckFieldCrc(benchmark::State &state)
{
    const char *r = record().data();
    for (auto _ : state)
        benchmark::DoNotOptimize(cvCalcCRC32(r, record_length, 1920, 10));
    set_bytes(state);
}

void ReferenceLoop(benchmark::State &state)
{
    const unsigned char *r = reinterpret_cast<const unsigned char *>(record().data());
    for (auto _ : state) {
        uint32_t crc = crc32_update_reference(CRC32_PRESET, r, 1919);
        benchmark::DoNotOptimize(~crc32_update_reference(crc, r + 1929, record_length - 1929));
    }
    set_bytes(state);
}

void Zlib(benchmark::State &state)
{
    const unsigned char *r = reinterpret_cast<const unsigned char *>(record().data());
    for (auto _ : state) {
        uLong crc = crc32(crc32(0, nullptr, 0), r, 1919);
        benchmark::DoNotOptimize(crc32(crc, r + 1929, record_length - 1929));
    }
    set_bytes(state);
}

void PclmulOnly(benchmark::State &state)
{
    if (!crc32_has_pclmul()) {
        state.SkipWithError("no PCLMULQDQ");
        return;
    }
    const unsigned char *r = reinterpret_cast<const unsigned char *>(record().data());
    for (auto _ : state) {
        uint32_t crc = crc32_update_pclmul(CRC32_PRESET, r, 1919);
        benchmark::DoNotOptimize(~crc32_update_pclmul(crc, r + 1929, record_length - 1929));
    }
    set_bytes(state);
}

// A type A record of version 150 ending in CR LF, whose field is assigned.
std::string abstract_record()
{
    std::string r = record();
    r[0] = 'A';
    r.replace(16, 3, "150");
    r += "\r\n";
    cvAssignChecksum(&r[0]);
    return r;
}

void ChecksumAssign(benchmark::State &state)
{
    std::string r = abstract_record();
    for (auto _ : state)
        benchmark::DoNotOptimize(cvAssignChecksum(&r[0]));
    set_bytes(state);
}

void ChecksumCompare(benchmark::State &state)
{
    const std::string r = abstract_record();
    for (auto _ : state)
        benchmark::DoNotOptimize(cvCompareChecksum(r.data()));
    set_bytes(state);
}

} // namespace

BENCHMARK(CheckFieldCrc);
BENCHMARK(PclmulOnly);
BENCHMARK(ReferenceLoop);
BENCHMARK(Zlib);
BENCHMARK(ChecksumAssign);
BENCHMARK(ChecksumCompare);

BENCHMARK_MAIN();
