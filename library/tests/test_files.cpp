// test_files.cpp -- per-test temporary folders and files.
#include "test_files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

std::string test_folder()
{
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "cvnaaccr-tests";
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

std::string peerdata_folder()
{
    const char *folder = std::getenv("CVNAACCR_PEERDATA");
    if (folder == nullptr || !std::filesystem::is_directory(folder))
        return "";
    return folder;
}
