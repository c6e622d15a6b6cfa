// gzip_stream_zlib.cpp -- gzip input decompressed by zlib on a thread of its
// own.  The thread fills a ring of a few large buffers; the checker's read
// callback, on the calling thread, copies out of the oldest full one.  So
// decompression and checking overlap, and the check of a compressed file
// takes little more than its decompression.
#include "io/io.h"

#include <stdlib.h>
#include <string.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include <zlib.h>

namespace
{

const unsigned slot_count = 4;
const size_t slot_size = 1u << 20;
const size_t input_size = 1u << 18;

struct Ring {
    std::mutex lock;
    std::condition_variable changed;
    unsigned char *slots[slot_count];
    size_t lengths[slot_count];
    unsigned first;  // the slot the reader takes next
    unsigned filled; // full slots, from `first` on
    size_t taken;    // bytes of slot `first` already handed out
    bool ended;      // no slot will be filled any more
    bool failed;     // ... because of an error, told in `error`
    bool cancelled;  // the reader wants no more
    char error[200];
};

struct Decompression {
    Ring ring;
    FILE *file;
    const unsigned char *head;
    size_t head_length;
};

// Publishes the slot just filled (when it holds anything) and, at the end,
// that no more will come.
void publish(Ring &ring, size_t length, bool last, const char *error)
{
    std::lock_guard<std::mutex> hold(ring.lock);
    if (length > 0) {
        ring.lengths[(ring.first + ring.filled) % slot_count] = length;
        ++ring.filled;
    }
    if (last) {
        ring.ended = true;
        if (error != nullptr) {
            ring.failed = true;
            snprintf(ring.error, sizeof ring.error, "%s", error);
        }
    }
    ring.changed.notify_all();
}

// The decompressing thread.
void decompress(Decompression *d)
{
    Ring &ring = d->ring;
    unsigned char *input = static_cast<unsigned char *>(malloc(input_size));
    z_stream z;
    memset(&z, 0, sizeof z);
    // 16 + MAX_WBITS: the gzip wrapper, header and trailer checked.
    if (input == nullptr || inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) {
        free(input);
        publish(ring, 0, true, "cannot set up decompression: out of memory");
        return;
    }
    memcpy(input, d->head, d->head_length);
    z.next_in = input;
    z.avail_in = static_cast<uInt>(d->head_length);
    bool input_ended = false;
    bool member_ended = false;
    const char *error = nullptr;
    bool last = false;
    while (!last) {
        unsigned index;
        {
            std::unique_lock<std::mutex> hold(ring.lock);
            ring.changed.wait(hold, [&ring] { return ring.cancelled || ring.filled < slot_count; });
            if (ring.cancelled)
                break;
            index = (ring.first + ring.filled) % slot_count;
        }
        z.next_out = ring.slots[index];
        z.avail_out = static_cast<uInt>(slot_size);
        while (z.avail_out > 0 && !last) {
            if (z.avail_in == 0 && !input_ended) {
                const size_t n = fread(input, 1, input_size, d->file);
                if (n == 0 && ferror(d->file)) {
                    error = "read error in the compressed data";
                    last = true;
                    break;
                }
                input_ended = n == 0;
                z.next_in = input;
                z.avail_in = static_cast<uInt>(n);
            }
            if (member_ended) {
                // Another member may follow; anything else is an error.
                if (z.avail_in == 0) {
                    last = true;
                    break;
                }
                inflateReset(&z);
                member_ended = false;
            }
            if (z.avail_in == 0) {
                error = "the compressed data is cut short";
                last = true;
                break;
            }
            const int result = inflate(&z, Z_NO_FLUSH);
            if (result == Z_STREAM_END) {
                member_ended = true;
            } else if (result != Z_OK && result != Z_BUF_ERROR) {
                error = result == Z_MEM_ERROR ? "out of memory while decompressing"
                                              : "the compressed data is damaged or followed by other bytes";
                last = true;
            }
        }
        publish(ring, slot_size - z.avail_out, last, error);
    }
    inflateEnd(&z);
    free(input);
}

int64_t CV_CALL read_decompressed(void *stream, void *buffer, uint32_t size)
{
    Ring &ring = *static_cast<Ring *>(stream);
    const unsigned char *from;
    size_t n;
    {
        std::unique_lock<std::mutex> hold(ring.lock);
        ring.changed.wait(hold, [&ring] { return ring.filled > 0 || ring.ended; });
        if (ring.filled == 0)
            return ring.failed ? -1 : 0;
        from = ring.slots[ring.first] + ring.taken;
        n = ring.lengths[ring.first] - ring.taken;
    }
    if (n > size)
        n = size;
    // The slot is the reader's until it is handed back, so it is read unlocked.
    memcpy(buffer, from, n);
    std::lock_guard<std::mutex> hold(ring.lock);
    ring.taken += n;
    if (ring.taken == ring.lengths[ring.first]) {
        ring.taken = 0;
        ring.first = (ring.first + 1) % slot_count;
        --ring.filled;
        ring.changed.notify_all();
    }
    return static_cast<int64_t>(n);
}

} // namespace

int32_t read_gzip_stream(FILE *file, const unsigned char *head, size_t head_length, GzipConsumer consume, void *context,
                         char *error, size_t capacity)
{
    error[0] = '\0';
    Decompression d;
    Ring &ring = d.ring;
    ring.first = ring.filled = 0;
    ring.taken = 0;
    ring.ended = ring.failed = ring.cancelled = false;
    ring.error[0] = '\0';
    d.file = file;
    d.head = head;
    d.head_length = head_length;
    unsigned made = 0;
    for (; made < slot_count; ++made) {
        ring.slots[made] = static_cast<unsigned char *>(malloc(slot_size));
        if (ring.slots[made] == nullptr)
            break;
    }
    int32_t code = NAACCR_REC_NO_MEMORY;
    if (made == slot_count) {
        std::thread worker(decompress, &d);
        code = consume(read_decompressed, &ring, context);
        {
            std::lock_guard<std::mutex> hold(ring.lock);
            ring.cancelled = true;
            ring.changed.notify_all();
        }
        worker.join();
        if (ring.failed && code == NAACCR_REC_READ_FAILED)
            snprintf(error, capacity, "%s", ring.error);
    }
    for (unsigned k = 0; k < made; ++k)
        free(ring.slots[k]);
    return code;
}
