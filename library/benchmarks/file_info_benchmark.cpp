// file_info_benchmark.cpp -- cvGet_naaccr_file_info on a warm 10 MB record file,
// against the floor of the system calls that any inspection needs: open, size,
// read the last byte, read 23000 bytes at offset 0, close.
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "cvnaaccr.h"

namespace
{

const int32_t SAMPLE_RECORDS = 10 * 1000 * 1000 / 3341;

// The path of about 10 MB of type I, version 150 records of 3339 characters and
// CR LF, written unless a file of that size is already there.
std::string sample_path()
{
    const std::string path =
        (getenv("TMPDIR") != nullptr ? getenv("TMPDIR") : "/tmp") + std::string("/cvnaaccr-bench-10mb.txt");
    struct stat st;
    if (stat(path.c_str(), &st) == 0 && st.st_size == static_cast<off_t>(SAMPLE_RECORDS) * 3341)
        return path;
    std::string record(3339, 'X');
    record[0] = 'I';
    record.replace(16, 3, "150");
    record += "\r\n";
    FILE *file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        abort();
    for (int i = 0; i < SAMPLE_RECORDS; ++i)
        fwrite(record.data(), 1, record.size(), file);
    fclose(file);
    return path;
}

void SystemCallFloor(benchmark::State &state)
{
    const std::string path = sample_path();
    std::vector<char> buffer(NAACCR_RECORD_BUFFER_SIZE);
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY);
        struct stat st;
        fstat(fd, &st);
        char last;
        benchmark::DoNotOptimize(pread(fd, &last, 1, st.st_size - 1));
        benchmark::DoNotOptimize(pread(fd, buffer.data(), buffer.size(), 0));
        close(fd);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SystemCallFloor);

void GetNaaccrFileInfo(benchmark::State &state)
{
    const std::string path = sample_path();
    NaaccrFileInfo info;
    for (auto _ : state) {
        snprintf(info.directory, sizeof info.directory, "%s", path.c_str());
        benchmark::DoNotOptimize(cvGet_naaccr_file_info(&info));
    }
    if (info.record_count != SAMPLE_RECORDS)
        state.SkipWithError("unexpected record count");
}
BENCHMARK(GetNaaccrFileInfo);

} // namespace

BENCHMARK_MAIN();
