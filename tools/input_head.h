// input_head.h -- an input's first bytes, read before its check starts, so
// that the command line knows whether it is NAACCR XML (whose check lists
// every item problem) before it writes a line about it.
#ifndef INPUT_HEAD_H
#define INPUT_HEAD_H

#include <stddef.h>

#include "cvnaaccr.h"

// Enough for a byte-order mark, white space and the root's start tag.
const size_t input_head_size = 4096;

// Told once the input's first bytes are known (gzip data's decompressed
// ones), before the check starts: whether the library checks it as NAACCR
// XML.  It may change the options the check runs with.
struct InputHook {
    void (*on_head)(void *context, bool xml, NaaccrItemCheckOptions *options);
    void *context;
};

// A stream whose first bytes were read ahead: they are handed out first,
// then the rest of `stream` through `read`.
struct HeadFirstStream {
    NaaccrReadCallback read;
    void *stream;
    unsigned char head[input_head_size];
    size_t length; // bytes in head
    size_t given;  // of them, handed out
};

// Fills s->head through `read` until it is full or the stream ends or fails
// (a failure is met again by the check's next read).
void read_input_head(HeadFirstStream *s, NaaccrReadCallback read, void *stream);

int64_t CV_CALL read_head_first(void *stream, void *buffer, uint32_t size);

// Bytes in memory read as a stream: `n` bytes at `bytes`, then the end.
struct BytesStream {
    const unsigned char *bytes;
    size_t n;
};
int64_t CV_CALL read_bytes(void *stream, void *buffer, uint32_t size);

// True when the library checks an input starting with these bytes as NAACCR
// XML: it is asked, with the head alone, so the rule has one home.
bool input_is_xml(const unsigned char *head, size_t n);

// Calls the hook, when there is one, on a copy of the options.
void tell_head(const InputHook *hook, const unsigned char *head, size_t n, NaaccrItemCheckOptions *options);

#endif
