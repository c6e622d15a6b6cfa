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

#include <benchmark/benchmark.h>

#include "cvnaaccr.h"

namespace
{

// About 10 MB of type I, version 150 records of 3339 characters and CR LF.
const std::string &sample_path()
{
    static std::string path;
    if (path.empty()) {
        path = (getenv("TMPDIR") != nullptr ? getenv("TMPDIR") : "/tmp") + std::string("/cvnaaccr-bench-10mb.txt");
        std::string record(3339, 'X');
        record[0] = 'I';
        record.replace(16, 3, "150");
        record += "\r\n";
        FILE *file = fopen(path.c_str(), "wb");
        if (file == nullptr)
            abort();
        for (int i = 0; i < 10 * 1000 * 1000 / 3341; ++i)
            fwrite(record.data(), 1, record.size(), file);
        fclose(file);
    }
    return path;
}

void SystemCallFloor(benchmark::State &state)
{
    const char *path = sample_path().c_str();
    static char buffer[NAACCR_RECORD_BUFFER_SIZE];
    for (auto _ : state) {
        const int fd = open(path, O_RDONLY);
        struct stat st;
        fstat(fd, &st);
        char last;
        benchmark::DoNotOptimize(pread(fd, &last, 1, st.st_size - 1));
        benchmark::DoNotOptimize(pread(fd, buffer, sizeof buffer, 0));
        close(fd);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SystemCallFloor);

void GetNaaccrFileInfo(benchmark::State &state)
{
    NaaccrFileInfo info;
    for (auto _ : state) {
        snprintf(info.directory, sizeof info.directory, "%s", sample_path().c_str());
        benchmark::DoNotOptimize(cvGet_naaccr_file_info(&info));
    }
    if (info.record_count != 10 * 1000 * 1000 / 3341)
        state.SkipWithError("unexpected record count");
}
BENCHMARK(GetNaaccrFileInfo);

} // namespace

BENCHMARK_MAIN();
