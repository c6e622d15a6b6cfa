// check_runs.cpp -- running the record checker in tests.
#include "check_runs.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "flat/flat.h"
#include "test_files.h"

namespace
{

int32_t CV_CALL collect(void *context, const NaaccrProblem *p)
{
    Outcome *o = static_cast<Outcome *>(context);
    o->problems.push_back({p->record, p->column, p->code});
    o->messages.push_back(p->message);
    EXPECT_NE(memchr(p->message, '\0', sizeof p->message), nullptr);
    return 0;
}

int32_t CV_CALL collect_item(void *context, const NaaccrItemProblem *p)
{
    Outcome *o = static_cast<Outcome *>(context);
    o->problems.push_back({p->record, p->column, p->code});
    o->messages.push_back(p->message);
    return 0;
}

// A stream that hands out its bytes in pieces of irregular size.
struct Stream {
    const std::string *bytes;
    size_t at;
    unsigned turn;
};

int64_t CV_CALL read_stream(void *stream, void *buffer, uint32_t size)
{
    Stream *s = static_cast<Stream *>(stream);
    static const size_t pieces[] = {1, 4093, 70000, 17, 1 << 20, 333};
    size_t n = pieces[s->turn++ % 6];
    n = n < size ? n : size;
    n = n < s->bytes->size() - s->at ? n : s->bytes->size() - s->at;
    memcpy(buffer, s->bytes->data() + s->at, n);
    s->at += n;
    return static_cast<int64_t>(n);
}

NaaccrItemCheckOptions ex_options(Outcome *o, const CheckSettings &settings)
{
    NaaccrItemCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = settings.flags;
    options.threads = settings.threads;
    options.max_reported = settings.max_reported;
    options.on_problem = collect;
    options.on_item_problem = collect_item;
    options.context = o;
    return options;
}

NaaccrCheckOptions options_12(Outcome *o, const CheckSettings &settings)
{
    NaaccrCheckOptions options;
    memset(&options, 0, sizeof options);
    options.size = sizeof options;
    options.flags = settings.flags;
    options.threads = settings.threads;
    options.max_reported = settings.max_reported;
    options.on_problem = collect;
    options.context = o;
    return options;
}

} // namespace

std::ostream &operator<<(std::ostream &out, const Seen &s)
{
    return out << "{record " << s.record << ", column " << s.column << ", kind " << s.code << "}";
}

Outcome check_file_bytes(const std::string &bytes, const CheckSettings &settings)
{
    Outcome o;
    memset(&o.summary, 0, sizeof o.summary);
    const std::string path = write_test_file("records.dat", bytes);
    if (settings.ex) {
        const NaaccrItemCheckOptions options = ex_options(&o, settings);
        o.code = cvCheckNaaccrFileEx(path.c_str(), &options, &o.summary);
    } else {
        const NaaccrCheckOptions options = options_12(&o, settings);
        o.code = cvCheckNaaccrFile(path.c_str(), &options, &o.summary.records);
    }
    return o;
}

Outcome check_stream_bytes(const std::string &bytes, const CheckSettings &settings)
{
    Outcome o;
    memset(&o.summary, 0, sizeof o.summary);
    Stream s = {&bytes, 0, 0};
    if (settings.ex) {
        const NaaccrItemCheckOptions options = ex_options(&o, settings);
        o.code = cvCheckNaaccrStreamEx(read_stream, &s, &options, &o.summary);
    } else {
        const NaaccrCheckOptions options = options_12(&o, settings);
        o.code = cvCheckNaaccrStream(read_stream, &s, &options, &o.summary.records);
    }
    return o;
}

std::string made_record(unsigned seed, char type, const char *version)
{
    const NaaccrLayout *layout = find_naaccr_layout(type, version);
    std::string r(static_cast<size_t>(layout->length), ' ');
    unsigned state = seed * 2654435761u + 7;
    for (size_t i = 1; i < r.size(); ++i) {
        state = state * 1103515245u + 12345u;
        r[i] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789  "[(state >> 16) % 36];
    }
    r[0] = type;
    r.replace(static_cast<size_t>(layout->version_column - 1), strlen(version), version);
    return r;
}

std::vector<std::string> sample_records(const char *peer_file, char type, const char *version, size_t count)
{
    std::vector<std::string> peers;
    const std::string folder = peerdata_folder();
    if (!folder.empty()) {
        std::ifstream file(folder + "/" + peer_file, std::ios::binary);
        std::string line;
        while (std::getline(file, line))
            if (!line.empty())
                peers.push_back(line);
    }
    std::vector<std::string> records;
    for (size_t k = 0; k < count; ++k)
        records.push_back(peers.empty() ? made_record(static_cast<unsigned>(k + 1), type, version)
                                        : peers[k % peers.size()]);
    return records;
}
