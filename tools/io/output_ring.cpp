// output_ring.cpp -- the writing thread and its ring of buffers: writing a
// page-cached file costs the kernel about as much as converting costs us, so
// it runs beside the conversion instead of after each buffer.
#include "io/io.h"

#include <stdlib.h>
#include <string.h>

#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

namespace
{

const unsigned slot_count = 4;
const size_t slot_size = 1u << 20;

} // namespace

struct OutputRing {
    std::mutex lock;
    std::condition_variable changed;
    std::thread writer;
    OutputSink sink;
    void *context;
    unsigned char *slots[slot_count];
    size_t lengths[slot_count];
    unsigned first;  // the slot the thread writes next
    unsigned filled; // full slots, from `first` on; the one after them is being filled
    bool ending;     // nothing more will be queued
    bool failed;     // the sink failed
};

namespace
{

void write_slots(OutputRing *ring)
{
    for (;;) {
        unsigned index;
        size_t length;
        bool failed;
        {
            std::unique_lock<std::mutex> hold(ring->lock);
            ring->changed.wait(hold, [ring] { return ring->filled > 0 || ring->ending; });
            if (ring->filled == 0)
                return;
            index = ring->first;
            length = ring->lengths[index];
            failed = ring->failed;
        }
        // The slot is the thread's until it is handed back, so it is written unlocked.
        const bool ok = !failed && ring->sink(ring->context, ring->slots[index], length);
        std::lock_guard<std::mutex> hold(ring->lock);
        ring->failed = ring->failed || !ok;
        ring->first = (ring->first + 1) % slot_count;
        --ring->filled;
        ring->changed.notify_all();
    }
}

// Hands the slot being filled to the thread, once the thread has a free one
// to give back; false when the sink failed.
bool queue_slot(OutputRing *ring, bool last)
{
    std::unique_lock<std::mutex> hold(ring->lock);
    const unsigned index = (ring->first + ring->filled) % slot_count;
    if (ring->lengths[index] > 0)
        ++ring->filled;
    ring->ending = last;
    ring->changed.notify_all();
    ring->changed.wait(hold, [ring] { return ring->filled < slot_count || ring->failed; });
    ring->lengths[(ring->first + ring->filled) % slot_count] = 0;
    return !ring->failed;
}

void free_ring(OutputRing *ring)
{
    for (unsigned k = 0; k < slot_count; ++k)
        free(ring->slots[k]);
    delete ring;
}

} // namespace

OutputRing *start_output_ring(OutputSink sink, void *context)
{
    OutputRing *ring = new (std::nothrow) OutputRing();
    if (ring == nullptr)
        return nullptr;
    ring->sink = sink;
    ring->context = context;
    bool ok = true;
    for (unsigned k = 0; k < slot_count; ++k) {
        ring->slots[k] = static_cast<unsigned char *>(malloc(slot_size));
        ring->lengths[k] = 0;
        ok = ok && ring->slots[k] != nullptr;
    }
    if (ok)
        ring->writer = std::thread(write_slots, ring);
    if (!ok) {
        free_ring(ring);
        return nullptr;
    }
    return ring;
}

bool put_output_ring(OutputRing *ring, const void *bytes, size_t n)
{
    const unsigned char *from = static_cast<const unsigned char *>(bytes);
    while (n > 0) {
        // The slot after the full ones is the caller's alone.
        unsigned index;
        {
            std::lock_guard<std::mutex> hold(ring->lock);
            if (ring->failed)
                return false;
            index = (ring->first + ring->filled) % slot_count;
        }
        size_t part = slot_size - ring->lengths[index];
        if (part > n)
            part = n;
        memcpy(ring->slots[index] + ring->lengths[index], from, part);
        ring->lengths[index] += part;
        from += part;
        n -= part;
        if (ring->lengths[index] == slot_size && !queue_slot(ring, false))
            return false;
    }
    return true;
}

bool finish_output_ring(OutputRing *ring)
{
    queue_slot(ring, true);
    ring->writer.join();
    const bool ok = !ring->failed;
    free_ring(ring);
    return ok;
}
