// progress.h -- the progress line drawn on standard error while a large
// input is read: percent and a bar when its size is known, the rate in MB/s,
// and the time left.
#ifndef PROGRESS_H
#define PROGRESS_H

#include <stddef.h>
#include <stdint.h>

#include <chrono>
#include <string>

struct ProgressLine {
    bool terminal;     // standard error is a terminal
    size_t drawn;      // characters of the line on the screen; 0 when none
    std::string label; // the input's name, escaped
    std::chrono::steady_clock::time_point start, last;
};

// Readies the line for the input `path`; nothing is drawn yet.
void start_progress(ProgressLine *line, const char *path);

// Notes `done` bytes of `total` (-1 when unknown, as for a stream).  Draws,
// at most a few times a second, when standard error is a terminal and the
// input is large: over 100 MB, or of unknown size and read for over half a
// second.
void update_progress(ProgressLine *line, uint64_t done, int64_t total);

// Clears the line, if one was drawn.
void end_progress(ProgressLine *line);

// The text of the line for `done` of `total` bytes after `seconds`.
std::string progress_text(const std::string &label, uint64_t done, int64_t total, double seconds);

#endif
