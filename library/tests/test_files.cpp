// test_files.cpp -- per-test temporary folders and files.
#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include <gtest/gtest.h>

namespace
{

// This process's folder: the process id keeps test runs of two builds on one
// machine apart.  It is removed when the process ends.
struct ProcessFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("cvnaaccr-tests-" + std::to_string(getpid()));
    ~ProcessFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const ProcessFolder process_folder;

} // namespace

std::string test_folder()
{
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = process_folder.path;
    if (test != nullptr)
        folder /= std::string(test->test_suite_name()) + "." + test->name();
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string write_test_file(const std::string &name, const std::string &bytes)
{
    const std::string path = (std::filesystem::path(test_folder()) / name).string();
    FILE *file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr) << path;
    if (file != nullptr) {
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
    }
    return path;
}

std::string data_folder()
{
    const char *folder = std::getenv("CVNAACCR_DATA");
    if (folder == nullptr || !std::filesystem::is_directory(folder)) {
        ADD_FAILURE() << "CVNAACCR_DATA does not name the repository's data folder";
        return "";
    }
    return folder;
}

std::string peerdata_folder()
{
    const std::string data = data_folder();
    return data.empty() ? "" : data + "/flat-samples";
}
