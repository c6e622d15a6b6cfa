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

static void enable(void *window, int id, int enabled)
{
    recorder(window)->enabled[id] = enabled;
    recorder(window)->calls.push_back("enable " + std::to_string(id) + " " + std::to_string(enabled));
}

static int get_check(void *window, int id)
{
    UiRecorder *r = recorder(window);
    auto answer = r->check_answers.find(id);
    if (answer != r->check_answers.end())
        return answer->second;
    auto shown = r->checks.find(id);
    return shown != r->checks.end() ? shown->second : 0;
}

static void set_progress(void *window, int id, uint32_t permille) { recorder(window)->progress[id] = permille; }

static void add_list_column(void *window, int, int, const char *title, int width, int align_right)
{
    recorder(window)->columns.push_back(std::string(title) + " " + std::to_string(width) + " " +
                                        std::to_string(align_right));
}

static void set_list_count(void *window, int id, uint32_t count)
{
    recorder(window)->list_counts[id] = count;
    recorder(window)->calls.push_back("rows " + std::to_string(count));
}

static void enable_menu_item(void *window, int command, int enabled)
{
    recorder(window)->menu_items[command] = enabled;
    recorder(window)->calls.push_back("menu " + std::to_string(command) + " " + std::to_string(enabled));
}

static void choose_save_file(void *window, const char *suggested, char *path, size_t capacity)
{
    recorder(window)->saves.push_back(suggested);
    snprintf(path, capacity, "%s", recorder(window)->save_path.c_str());
}

static uint64_t clock_ms(void *window) { return recorder(window)->clock; }

static void choose_check_file(void *window, char *path, size_t capacity)
{
    ++recorder(window)->check_file_dialogs;
    snprintf(path, capacity, "%s", recorder(window)->check_file_path.c_str());
}

DialogUi UiRecorder::ui()
{
    return DialogUi{this,           set_caption,      set_text,         set_number, set_check,        message_box,
                    choose_file,    answer_file_time, enable,           get_check,  set_progress,     add_list_column,
                    set_list_count, enable_menu_item, choose_save_file, clock_ms,   choose_check_file};
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
