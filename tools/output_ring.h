// output_ring.h -- output written on a thread of its own.  The caller's
// writes are copied into a ring of large buffers, and the thread hands each
// full buffer to the sink (the file, or gzip and then the file), so that
// reading and converting on one processor overlap writing on another.
#ifndef OUTPUT_RING_H
#define OUTPUT_RING_H

#include <stddef.h>

// Writes `n` bytes where they go; false on an error.
typedef bool (*OutputSink)(void *sink, const void *bytes, size_t n);

struct OutputRing;

// Starts the thread; null when there is no memory or no thread for it.
OutputRing *start_output_ring(OutputSink sink, void *context);
// Queues `n` bytes; false once the sink has failed (what was queued after
// that is dropped: the output is not to be used).
bool put_output_ring(OutputRing *ring, const void *bytes, size_t n);
// Waits until everything queued is written, ends the thread and frees the
// ring.  False when the sink failed.
bool finish_output_ring(OutputRing *ring);

#endif
