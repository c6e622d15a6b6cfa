// progress.cpp -- the progress line on standard error.
#include "io/io.h"

#include <stdio.h>
#include <string.h>

#include "text/text.h"

namespace
{

const int64_t large_input = 100 * 1000 * 1000;
const double first_draw = 0.5, redraw = 0.2;
const int bar_width = 20;

double seconds_between(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

} // namespace

std::string progress_text(const std::string &label, uint64_t done, int64_t total, double seconds)
{
    const double megabytes = static_cast<double>(done) / 1e6;
    const double rate = seconds > 0 ? megabytes / seconds : 0;
    char text[160];
    if (total > 0) {
        const double fraction = done >= static_cast<uint64_t>(total) ? 1.0 : static_cast<double>(done) / total;
        char bar[bar_width + 1];
        const int full = static_cast<int>(fraction * bar_width);
        for (int i = 0; i < bar_width; ++i)
            bar[i] = i < full ? '#' : '.';
        bar[bar_width] = '\0';
        const double left = rate > 0 ? (static_cast<double>(total) / 1e6 - megabytes) / rate : 0;
        snprintf(text, sizeof text, ": [%s] %3d%% of %.0f MB, %.0f MB/s, %.0f s left", bar,
                 static_cast<int>(fraction * 100), static_cast<double>(total) / 1e6, rate, left);
    } else {
        snprintf(text, sizeof text, ": %.0f MB, %.0f MB/s", megabytes, rate);
    }
    return label + text;
}

void start_progress(ProgressLine *line, const char *path)
{
    line->terminal = stderr_is_terminal();
    line->drawn = 0;
    line->label = printable_text(path, strlen(path));
    line->start = line->last = std::chrono::steady_clock::now();
}

void update_progress(ProgressLine *line, uint64_t done, int64_t total)
{
    if (!line->terminal || (total >= 0 && total <= large_input))
        return;
    const auto now = std::chrono::steady_clock::now();
    const double since_start = seconds_between(line->start, now);
    if ((line->drawn == 0 && total < 0 && since_start < first_draw) ||
        (line->drawn != 0 && seconds_between(line->last, now) < redraw))
        return;
    line->last = now;
    const std::string text = progress_text(line->label, done, total, since_start);
    // Blanks wipe whatever a longer line before left.
    const size_t pad = line->drawn > text.size() ? line->drawn - text.size() : 0;
    fprintf(stderr, "\r%s%*s", text.c_str(), static_cast<int>(pad), "");
    line->drawn = text.size() + pad;
}

void end_progress(ProgressLine *line)
{
    if (line->drawn != 0)
        fprintf(stderr, "\r%*s\r", static_cast<int>(line->drawn), "");
    line->drawn = 0;
}
