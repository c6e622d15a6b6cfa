// output_file_posix_test.cpp -- the output file's POSIX promises: no link is
// followed at the temporary name, the copy has the input's permission bits,
// and only regular files and new names count as possible outputs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "io/io.h"

namespace
{

std::string fresh_folder(const char *name)
{
    const std::string folder = std::string("cli_posix_") + name;
    (void)!system(("rm -rf " + folder + " && mkdir " + folder).c_str());
    return folder;
}

mode_t mode_of(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(OutputFilePosix, FollowsNoLinkPlantedAtTheTemporaryName)
{
    const std::string folder = fresh_folder("links");
    const std::string target = folder + "/target", dangling_target = folder + "/made-through-link";
    FILE *f = fopen(target.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("keep", f);
    fclose(f);
    const struct {
        const char *label;
        std::string link, points_to;
    } cases[] = {{"link to a file", folder + "/a.tmp", target}, {"dangling link", folder + "/b.tmp", dangling_target}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_EQ(symlink(c.points_to.c_str(), c.link.c_str()), 0);
        OutputFile file;
        char error[256];
        EXPECT_EQ(create_output_named(c.link.c_str(), nullptr, &file, error, sizeof error), 1);
    }
    struct stat st;
    EXPECT_EQ(stat(dangling_target.c_str(), &st), -1) << "a file was made through the dangling link";
    f = fopen(target.c_str(), "rb");
    char text[8] = "";
    ASSERT_NE(f, nullptr);
    EXPECT_NE(fgets(text, sizeof text, f), nullptr);
    fclose(f);
    EXPECT_STREQ(text, "keep");
}

TEST(OutputFilePosix, CopyHasTheInputsPermissionBitsWhateverTheUmask)
{
    const std::string folder = fresh_folder("modes");
    const std::string input = folder + "/input";
    FILE *f = fopen(input.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    const mode_t saved = umask(077);
    const struct {
        mode_t input;
        mode_t copy;
    } cases[] = {{0600, 0600}, {0640, 0640}, {0755, 0755}, {04755, 0755}, {0444, 0444}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.input);
        ASSERT_EQ(chmod(input.c_str(), c.input), 0);
        OutputFile file;
        char error[256];
        const std::string out = folder + "/out";
        ASSERT_TRUE(create_output(out.c_str(), input.c_str(), &file, error, sizeof error)) << error;
        ASSERT_TRUE(commit_output(&file, out.c_str(), error, sizeof error)) << error;
        EXPECT_EQ(mode_of(out), c.copy);
    }
    // From standard input: 0666 less the umask.
    OutputFile file;
    char error[256];
    const std::string out = folder + "/from-stdin";
    ASSERT_TRUE(create_output(out.c_str(), nullptr, &file, error, sizeof error)) << error;
    ASSERT_TRUE(commit_output(&file, out.c_str(), error, sizeof error)) << error;
    EXPECT_EQ(mode_of(out), 0600u);
    umask(saved);
}

// inspect hands decompressed records to the library through such a file.
TEST(OutputFilePosix, PrivateFileIsItsOwnersAloneInTmpdirAndKeepsItsHoleSize)
{
    const std::string folder = fresh_folder("private");
    const char *saved_tmpdir = getenv("TMPDIR");
    const std::string restore = saved_tmpdir != nullptr ? saved_tmpdir : "";
    setenv("TMPDIR", folder.c_str(), 1);
    const mode_t saved = umask(0);
    OutputFile file;
    char error[256];
    ASSERT_TRUE(create_private_file(&file, error, sizeof error)) << error;
    umask(saved);
    if (saved_tmpdir != nullptr)
        setenv("TMPDIR", restore.c_str(), 1);
    else
        unsetenv("TMPDIR");
    EXPECT_EQ(std::string(file.temporary).rfind(folder + "/.cvnaaccr-", 0), 0u);
    EXPECT_EQ(mode_of(file.temporary), 0600u);
    ASSERT_TRUE(write_output(&file, "head", 4) && seek_output(&file, 1u << 20) && write_output(&file, "z", 1));
    ASSERT_TRUE(close_output(&file));
    struct stat st;
    ASSERT_EQ(stat(file.temporary, &st), 0);
    EXPECT_EQ(st.st_size, (1 << 20) + 1);
    discard_output(&file);
    EXPECT_EQ(stat(file.temporary, &st), -1);
}

TEST(OutputFilePosix, OnlyRegularFilesAndNewNamesAreOutputs)
{
    const std::string folder = fresh_folder("kinds");
    const std::string file = folder + "/file", fifo = folder + "/fifo", symbolic = folder + "/link",
                      hard = folder + "/hard";
    FILE *f = fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fclose(f);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(symlink("file", symbolic.c_str()), 0);
    ASSERT_EQ(link(file.c_str(), hard.c_str()), 0);
    const struct {
        std::string path;
        bool follow;
        PathKind kind;
    } cases[] = {{file, false, PATH_REGULAR},    {folder + "/new", false, PATH_ABSENT},   {folder, false, PATH_OTHER},
                 {fifo, false, PATH_OTHER},      {"/dev/null", false, PATH_OTHER},        {symbolic, false, PATH_OTHER},
                 {symbolic, true, PATH_REGULAR}, {folder + "/file/x", false, PATH_ABSENT}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(path_kind(c.path.c_str(), c.follow), c.kind);
    }
    EXPECT_TRUE(is_same_file(file.c_str(), hard.c_str()));
    EXPECT_TRUE(is_same_file(symbolic.c_str(), file.c_str()));
}

} // namespace
