// memory_bounds_test.cpp -- the peak memory of a check under hostile input:
// each case runs through the exports in a child process, whose peak resident
// size the kernel reports when it ends.  The inputs are made as they are read.
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cvnaaccr.h"
#include "test_files.h"

namespace
{

// The most a check may hold, whatever its input, with the test program itself.
const long most_kilobytes = 64 * 1024;

// `before`, then piece(0) ... piece(count - 1), then `after`, made as read.
struct Generated {
    std::string before, after;
    std::string (*piece)(uint64_t k);
    uint64_t count;
    uint64_t next = 0;
    int part = 0; // 0 before, 1 the pieces, 2 after, 3 done
    std::string pending = "";
    size_t at = 0;
};

int64_t CV_CALL read_generated(void *stream, void *buffer, uint32_t size)
{
    Generated *g = static_cast<Generated *>(stream);
    char *out = static_cast<char *>(buffer);
    uint32_t n = 0;
    while (n < size && g->part < 3) {
        if (g->at == g->pending.size()) {
            g->at = 0;
            g->pending.clear();
            if (g->part == 0) {
                g->pending = g->before;
                g->part = 1;
            } else if (g->part == 1 && g->next < g->count) {
                while (g->pending.size() < (64u << 10) && g->next < g->count)
                    g->pending += g->piece(g->next++);
            } else if (g->part == 1) {
                g->pending = g->after;
                g->part = 2;
            } else {
                g->part = 3;
            }
            continue;
        }
        const size_t part = std::min(g->pending.size() - g->at, static_cast<size_t>(size - n));
        memcpy(out + n, g->pending.data() + g->at, part);
        g->at += part;
        n += static_cast<uint32_t>(part);
    }
    return n;
}

const std::string xml_root =
    "<?xml version=\"1.0\"?>\n<NaaccrData baseDictionaryUri=\"http://naaccr.org/naaccrxml/naaccr-dictionary-250.xml\" "
    "recordType=\"I\" specificationVersion=\"1.8\" xmlns=\"http://naaccr.org/naaccrxml\">\n";
const std::string flat_head = "I" + std::string(15, ' ') + "180";

std::string open_extension(uint64_t) { return "<x:e>"; }
std::string declaring_extension(uint64_t k) { return "<x:e xmlns:x=\"urn:x" + std::to_string(k) + "\">"; }
std::string unknown_item(uint64_t k) { return "<Item naaccrId=\"u" + std::to_string(k) + "\">1</Item>\n"; }
std::string value_part(uint64_t) { return std::string(1u << 16, 'x'); }
std::string attribute(uint64_t k) { return "a" + std::to_string(k) + "=\"\" "; }
std::string declaration(uint64_t k) { return "xmlns:a" + std::to_string(k) + "=\"u\" "; }
std::string element_name(uint64_t k) { return "<x:n" + std::to_string(k) + "/>"; }
std::string comment_part(uint64_t) { return std::string(1u << 16, 'x'); }
std::string long_name(uint64_t) { return "<x:" + std::string(100000, 'n') + ">"; }
// 75 open elements of long names (near the budget), then a comment of 40 MB inside them.
std::string names_then_comment(uint64_t k) { return k < 75 ? long_name(k) : k == 75 ? "<!--" : comment_part(k); }
// A type I record of version 180 with a byte above 126 and every coded item wrong.
std::string bad_record(uint64_t)
{
    std::string record = flat_head + std::string(4048 - flat_head.size(), 'X');
    record[100] = static_cast<char>(233);
    return record + "\n";
}

int32_t CV_CALL count_item_problem(void *context, const NaaccrItemProblem *)
{
    ++*static_cast<uint64_t *>(context);
    return 0;
}

// In the child: the check of one input; 0 when it ended as expected.
int run_check(Generated input, bool file, uint32_t threads)
{
    uint64_t problems = 0;
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = NAACCR_CHECK_ITEMS;
    options.threads = threads;
    options.on_item_problem = count_item_problem;
    options.context = &problems;
    NaaccrItemCheckSummary summary;
    int32_t code;
    if (file) {
        // Written as it is made, so the child holds no more than a block of it.
        const std::string path = test_folder() + "/hostile.txt";
        FILE *out = fopen(path.c_str(), "wb");
        if (out == nullptr)
            return 3;
        char block[1 << 16];
        for (int64_t got; (got = read_generated(&input, block, sizeof block)) > 0;)
            fwrite(block, 1, static_cast<size_t>(got), out);
        if (fclose(out) != 0)
            return 3;
        code = cvCheckNaaccrFileEx(path.c_str(), &options, &summary);
    } else {
        code = cvCheckNaaccrStreamEx(read_generated, &input, &options, &summary);
    }
    return code == NAACCR_REC_OK && summary.records.problems > 0 ? 0 : 2;
}

TEST(MemoryBounds, StayUnder64MBWhateverTheInput)
{
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer's shadow memory is no measure of the library's";
#endif
    const struct {
        const char *label;
        Generated input;
        bool file;
        uint32_t threads;
    } cases[] = {
        {"XML: 2,000,000 levels of nesting",
         {xml_root + "<x:e xmlns:x=\"urn:x\">", "", open_extension, 2000000},
         false,
         1},
        {"XML: 2,000,000 levels, a namespace declared at each", {xml_root, "", declaring_extension, 2000000}, false, 1},
        {"XML: 2,000,000 distinct unknown ids",
         {xml_root + "<Patient>", "</Patient></NaaccrData>", unknown_item, 2000000},
         false,
         1},
        {"XML: a value of 200 MB",
         {xml_root + "<Patient><Item naaccrId=\"nameLast\">", "</Item></Patient></NaaccrData>", value_part, 3200},
         false,
         1},
        {"XML: a million attributes in one tag",
         {xml_root + "<Patient ", "/></NaaccrData>", attribute, 1000000},
         false,
         1},
        {"XML: a million namespace declarations in one tag",
         {xml_root + "<Patient ", "/></NaaccrData>", declaration, 1000000},
         false,
         1},
        {"XML: 2,000,000 element names",
         {xml_root + "<x:e xmlns:x=\"urn:x\">", "</x:e></NaaccrData>", element_name, 2000000},
         false,
         1},
        {"XML: a comment of 40 MB", {xml_root + "<!--", "--></NaaccrData>", comment_part, 640}, false, 1},
        {"XML: 250 open elements of 100,000-character names",
         {xml_root + "<x:e xmlns:x=\"urn:x\">", "", long_name, 250},
         false,
         1},
        {"XML: 75 open elements of such names, then a comment of 40 MB",
         {xml_root + "<x:e xmlns:x=\"urn:x\">", "", names_then_comment, 75 + 1 + 640},
         false,
         1},
        {"flat: a record of 200 MB", {flat_head, "\n", value_part, 3200}, false, 1},
        {"flat: 40 MB of records, every one with problems, 8 threads", {"", "", bad_record, 10000}, true, 8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        fflush(nullptr);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(run_check(c.input, c.file, c.threads));
        int status = 0;
        struct rusage usage;
        ASSERT_EQ(wait4(child, &status, 0, &usage), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the check did not end as expected";
        // Linux counts ru_maxrss in kilobytes.
        EXPECT_LT(usage.ru_maxrss, most_kilobytes);
        printf("%-60s peak %6ld KB\n", c.label, usage.ru_maxrss);
    }
}

} // namespace
