// ui_recorder.h -- a DialogUi that records what the dialog logic shows, for the tests.
#ifndef UI_RECORDER_H
#define UI_RECORDER_H

#include <stdint.h>

#include <map>
#include <string>
#include <vector>

#include "dialog_ui.h"
#include "veldrix_log.h"

struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned style;
    long log_bytes; // bytes in the watched log when the box appeared, or -1
};

struct UiRecorder {
    // What the window shows.
    std::string caption;
    std::map<int, std::string> fields; // set_text and set_number, the number in decimal
    std::map<int, int> checks;
    std::vector<RecordedBox> boxes;
    std::vector<std::string> calls; // "text 1000", "number 1011", "check 1004", "box PROBLEM", in order
    std::map<int, int> enabled;     // controls: 1 enabled, 0 disabled
    std::map<int, int> menu_items;  // system menu items: 1 enabled, 0 greyed
    std::map<int, uint32_t> progress;
    std::map<int, uint32_t> list_counts;
    std::vector<std::string> columns; // "title width align_right", in the order added
    std::vector<std::string> saves;   // the names suggested to the save-file dialog
    int check_file_dialogs = 0;       // runs of choose_check_file

    // What the platform answers.
    std::string chosen_path;   // handed out by choose_file
    int file_time_answer = -1; // -1: the file's real time (QueryFileTime); 0 or 1: answer that, with `file_time`
    struct tm file_time = {};
    const InspectionLog *watched_log = nullptr;
    std::map<int, int> check_answers; // get_check: what the user left in a box (else what set_check left)
    std::string save_path;            // handed out by choose_save_file
    std::string check_file_path;      // handed out by choose_check_file ("": the dialog was cancelled)
    uint64_t clock = 0;               // clock_ms

    DialogUi ui();
};

// The text of a file, or "<missing>".
std::string read_file(const std::string &path);

#endif
