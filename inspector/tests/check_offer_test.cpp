// check_offer_test.cpp -- when the main dialog offers the record check: the checker found in the loaded
// library by its decorated name, or not at all with an older library; the menu item after each selection.
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "checker_binding.h"
#include "main_dialog.h"
#include "resource.h"
#include "test_files.h"
#include "ui_recorder.h"

namespace
{

// A loader that knows one module and that module's exports, and records what it is asked.
struct FakeLoader {
    bool module_loaded = true;
    std::vector<std::string> exports = {"cvCheckNaaccrFile", "_cvCheckNaaccrFile@12"};
    std::vector<std::string> asked;
    int module_token = 0;
};

void *find_loaded_module(void *context, const char *name)
{
    FakeLoader *f = static_cast<FakeLoader *>(context);
    f->asked.push_back(std::string("module ") + name);
    return f->module_loaded ? &f->module_token : nullptr;
}

void entry_point() {}

LibraryEntry find_entry(void *context, void *module, const char *name)
{
    FakeLoader *f = static_cast<FakeLoader *>(context);
    EXPECT_EQ(module, &f->module_token);
    f->asked.push_back(std::string("entry ") + name);
    for (const std::string &e : f->exports)
        if (e == name)
            return entry_point;
    return nullptr;
}

TEST(CheckerBinding, FindsTheDecoratedExportOfTheLoadedLibraryOrNothing)
{
    const struct {
        const char *label;
        bool loaded;
        std::vector<std::string> exports;
        bool found;
        std::vector<std::string> asked;
    } cases[] = {
        {"a library with the checker",
         true,
         {"cvCheckNaaccrFile", "_cvCheckNaaccrFile@12"},
         true,
         {"module cvnaaccr.dll", "entry _cvCheckNaaccrFile@12"}},
        {"an older library",
         true,
         {"cvGet_naaccr_file_info", "_cvGet_naaccr_file_info@4"},
         false,
         {"module cvnaaccr.dll", "entry _cvCheckNaaccrFile@12"}},
        {"only the plain name is not enough",
         true,
         {"cvCheckNaaccrFile"},
         false,
         {"module cvnaaccr.dll", "entry _cvCheckNaaccrFile@12"}},
        {"the library is not loaded: nothing is loaded", false, {}, false, {"module cvnaaccr.dll"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeLoader fake;
        fake.module_loaded = c.loaded;
        fake.exports = c.exports;
        LibrarySystem system = {&fake, find_loaded_module, find_entry};
        CheckFileFunction checker = BindRecordChecker(&system);
        EXPECT_EQ(checker != nullptr, c.found);
        if (c.found) {
            EXPECT_EQ(reinterpret_cast<LibraryEntry>(checker), &entry_point);
        }
        EXPECT_EQ(fake.asked, c.asked);
    }
}

TEST(CheckerBinding, FindsTheItemCheckerOnlyInALibraryThatHasIt)
{
    const struct {
        const char *label;
        bool loaded;
        std::vector<std::string> exports;
        bool found;
    } cases[] = {
        {"a library with the item check", true, {"_cvCheckNaaccrFile@12", "_cvCheckNaaccrFileEx@12"}, true},
        {"a 1.2 library: records only, the box greyed", true, {"_cvCheckNaaccrFile@12"}, false},
        {"only the plain name is not enough", true, {"cvCheckNaaccrFileEx"}, false},
        {"the library is not loaded", false, {"_cvCheckNaaccrFileEx@12"}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeLoader fake;
        fake.module_loaded = c.loaded;
        fake.exports = c.exports;
        LibrarySystem system = {&fake, find_loaded_module, find_entry};
        CheckFileExFunction checker = BindItemChecker(&system);
        EXPECT_EQ(checker != nullptr, c.found);
        if (c.found) {
            EXPECT_EQ(reinterpret_cast<LibraryEntry>(checker), &entry_point);
        }
    }
}

TEST(CheckerBinding, TellsALibraryThatChecksCodesByItsExport)
{
    const struct {
        const char *label;
        bool loaded;
        std::vector<std::string> exports;
        int codes;
    } cases[] = {
        {"a 1.5 library", true, {"_cvCheckNaaccrFileEx@12", "_cvGetNaaccrItemCodes@16"}, 1},
        {"a 1.4 library: items alone", true, {"_cvCheckNaaccrFile@12", "_cvCheckNaaccrFileEx@12"}, 0},
        {"only the plain name is not enough", true, {"cvGetNaaccrItemCodes"}, 0},
        {"the library is not loaded", false, {"_cvGetNaaccrItemCodes@16"}, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeLoader fake;
        fake.module_loaded = c.loaded;
        fake.exports = c.exports;
        LibrarySystem system = {&fake, find_loaded_module, find_entry};
        EXPECT_EQ(LibraryChecksCodes(&system), c.codes);
    }
}

// The flags a fake cvGetNaaccrOptionFlags says NaaccrItemCheckOptions takes.
uint32_t offered_item_flags = 0;
std::vector<int32_t> flags_asked;

uint32_t CV_CALL fake_option_flags(int32_t options)
{
    flags_asked.push_back(options);
    return options == NAACCR_OPTIONS_ITEM_CHECK ? offered_item_flags : 0;
}

LibraryEntry find_flags_entry(void *context, void *module, const char *name)
{
    if (strcmp(name, OPTION_FLAGS_ENTRY_NAME) == 0 && find_entry(context, module, name) != nullptr)
        return reinterpret_cast<LibraryEntry>(fake_option_flags);
    return find_entry(context, module, name);
}

TEST(CheckerBinding, AsksTheLibraryWhetherItNamesPatientsAndTumours)
{
    const uint32_t of_1_5 = NAACCR_CHECK_CHECKSUMS | NAACCR_CHECK_ITEMS | NAACCR_CHECK_CODES;
    const struct {
        const char *label;
        std::vector<std::string> exports;
        uint32_t offered;
        int ids;
    } cases[] = {
        {"a 1.6 library", {"_cvGetNaaccrOptionFlags@4"}, of_1_5 | NAACCR_CHECK_IDS, 1},
        {"a 1.5 library: asked, without the flag", {"_cvGetNaaccrOptionFlags@4"}, of_1_5, 0},
        {"a 1.4 library: nothing to ask", {"_cvCheckNaaccrFileEx@12"}, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        FakeLoader fake;
        fake.exports = c.exports;
        offered_item_flags = c.offered;
        flags_asked.clear();
        LibrarySystem system = {&fake, find_loaded_module, find_flags_entry};
        EXPECT_EQ(LibraryNamesProblems(&system), c.ids);
        EXPECT_EQ(flags_asked.size(), c.offered != 0 ? 1u : 0u);
    }
}

TEST(CheckOffer, OnlyFilesThatCanBeReadAreChecked)
{
    const struct {
        int32_t code;
        int can;
    } cases[] = {{NAACCR_REC_OK, 1},           {NAACCR_REC_MIXED_TYPES, 1},        {NAACCR_REC_UNEVEN_LENGTH, 1},
                 {NAACCR_REC_BAD_VERSION, 1},  {NAACCR_REC_BAD_TYPE, 1},           {NAACCR_REC_TOO_SHORT, 1},
                 {NAACCR_REC_ILLEGAL_CHAR, 1}, {NAACCR_REC_TERMINATOR_OMITTED, 1}, {NAACCR_REC_STRAY_CTRL_Z, 1},
                 {NAACCR_REC_EMPTY_FILE, 0},   {NAACCR_REC_OPEN_FAILED, 0},        {NAACCR_REC_NO_MEMORY, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(FileCanBeChecked(c.code), c.can);
        for (bool with_checker : {true, false}) {
            UiRecorder r;
            DialogUi ui = r.ui();
            ProgramState state;
            memset(&state, 0, sizeof state);
            state.checker = with_checker ? cvCheckNaaccrFile : nullptr;
            OfferRecordCheck(&ui, &state, "C:\\data\\f.txd", c.code);
            const int offered = with_checker && c.can;
            EXPECT_EQ(r.menu_items[IDM_CHECK_RECORDS], offered) << "checker " << with_checker;
            EXPECT_EQ(RecordCheckOffered(&state), offered);
            EXPECT_STREQ(state.check_path, offered ? "C:\\data\\f.txd" : "");
        }
    }
}

TEST(CheckOffer, FollowsEachSelectionAndIsWithdrawnWithoutAFile)
{
    std::string good = write_test_file("good.dat", "U7" + std::string(848, ' ') + "\r\n");
    std::string empty = write_test_file("empty.dat", "");
    const struct {
        const char *label;
        std::string chosen;
        int offered;
        std::string kept;
    } steps[] = {
        {"a file that can be read", good, 1, good},
        {"no file selected", "", 0, ""},
        {"the file again", good, 1, good},
        {"an empty file", empty, 0, ""},
        {"a file that cannot be opened", test_folder() + "/missing.dat", 0, ""},
    };
    UiRecorder r;
    DialogUi ui = r.ui();
    ProgramState state;
    memset(&state, 0, sizeof state);
    state.checker = cvCheckNaaccrFile;
    for (const auto &step : steps) {
        SCOPED_TRACE(step.label);
        r.chosen_path = step.chosen;
        r.calls.clear();
        SelectInspectAndOfferCheck(&ui, &state);
        EXPECT_EQ(r.menu_items[IDM_CHECK_RECORDS], step.offered);
        EXPECT_EQ(std::string(state.check_path), step.kept);
        // The menu item follows the box that the selection may show.
        EXPECT_EQ(r.calls.back(), "menu " + std::to_string(IDM_CHECK_RECORDS) + " " + std::to_string(step.offered));
        r.boxes.clear();
    }
}

} // namespace
