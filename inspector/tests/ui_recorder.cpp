// ui_recorder.cpp -- the recording DialogUi of the tests.
#include "ui_recorder.h"

#include <stdio.h>
#include <string.h>

#include "file_time.h"

static UiRecorder *recorder(void *window) { return static_cast<UiRecorder *>(window); }

static void set_caption(void *window, const char *text) { recorder(window)->caption = text; }

static void set_text(void *window, int id, const char *text)
{
    recorder(window)->fields[id] = text;
    recorder(window)->calls.push_back("text " + std::to_string(id));
}

static void set_number(void *window, int id, uint32_t value)
{
    recorder(window)->fields[id] = std::to_string(value);
    recorder(window)->calls.push_back("number " + std::to_string(id));
}

static void set_check(void *window, int id, int checked)
{
    recorder(window)->checks[id] = checked;
    recorder(window)->calls.push_back("check " + std::to_string(id));
}

static void message_box(void *window, const char *text, const char *caption, unsigned style)
{
    UiRecorder *r = recorder(window);
    long bytes = -1;
    if (r->watched_log != nullptr && r->watched_log->stream != nullptr)
        bytes = ftell(r->watched_log->stream);
    r->boxes.push_back({text, caption, style, bytes});
    r->calls.push_back(std::string("box ") + caption);
}

static void choose_file(void *window, char *path, size_t capacity)
{
    snprintf(path, capacity, "%s", recorder(window)->chosen_path.c_str());
}

static int answer_file_time(void *window, const char *path, struct tm *local)
{
    UiRecorder *r = recorder(window);
    if (r->file_time_answer < 0)
        return QueryFileTime(path, local);
    *local = r->file_time;
    return r->file_time_answer;
}

DialogUi UiRecorder::ui()
{
    return DialogUi{this, set_caption, set_text, set_number, set_check, message_box, choose_file, answer_file_time};
}

std::string read_file(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return "<missing>";
    std::string bytes;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    fclose(file);
    return bytes;
}
