// help_binding_test.cpp -- the help path from argument 0, the registered location of the HTML Help
// control, and the binding that loads at most once.
#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "help_binding.h"

namespace
{

TEST(HelpPath, IsTheProgramDirectoryWithVeldrixChm)
{
    const std::string dir79 = "C:\\" + std::string(76, 'd');
    const std::string dir80 = "C:\\" + std::string(77, 'd');
    const struct {
        const char *label;
        std::string argument0;
        std::string help_path;
    } cases[] = {
        {"full path", "C:\\Tools\\veldrix.exe", "C:\\Tools\\veldrix.chm"},
        {"drive root", "C:\\veldrix.exe", "C:\\veldrix.chm"},
        {"Wine path", "Z:\\work\\dist\\veldrix\\veldrix.exe", "Z:\\work\\dist\\veldrix\\veldrix.chm"},
        {"bare name: root of the current drive", "veldrix.exe", "\\veldrix.chm"},
        {"empty argument", "", "\\veldrix.chm"},
        {"only the backslash separates", "C:/Tools/veldrix.exe", "\\veldrix.chm"},
        {"last backslash counts", "C:\\a\\b\\c\\veldrix.exe", "C:\\a\\b\\c\\veldrix.chm"},
        {"directory of 79 characters", dir79 + "\\veldrix.exe", dir79 + "\\veldrix.chm"},
        {"directory of 80 characters: no help", dir80 + "\\veldrix.exe", ""},
        {"long program name in a short directory", "C:\\Tools\\" + std::string(100, 'n') + ".exe",
         "C:\\Tools\\veldrix.chm"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        char help_path[HELP_PATH_CAPACITY];
        memset(help_path, 'x', sizeof help_path);
        InitHelpPath(help_path, c.argument0.c_str());
        EXPECT_EQ(std::string(help_path), c.help_path);
    }
}

// A registry, a module loader and a help control that record what is asked of them.
struct FakeHelp {
    bool key_exists = true;
    bool value_readable = true;
    uint32_t type = 1; // REG_SZ
    std::string value = "C:\\windows\\system32\\hhctrl.ocx";
    bool value_fills_buffer = false; // 260 bytes without a NUL
    std::string expanded = "C:\\windows\\system32\\hhctrl.ocx";
    int64_t expand_count = -1; // -1: the length of `expanded` with its NUL
    std::vector<std::string> loadable;
    bool has_entry = true;

    int opened = 0, closed = 0, expansions = 0, lookups = 0;
    std::vector<std::string> loads;
    std::vector<std::string> shown; // help paths handed to the control
    void *shown_window = nullptr;

    // What the fake hands out; only their addresses matter.
    int module_token = 0, entry_token = 0, key_token = 0;
};

FakeHelp *fake_of(void *context) { return static_cast<FakeHelp *>(context); }

int open_control_key(void *context, void **key)
{
    FakeHelp *fake = fake_of(context);
    if (!fake->key_exists)
        return 0;
    ++fake->opened;
    *key = &fake->key_token;
    return 1;
}

int query_default_value(void *context, void *key, uint32_t *type, char *data, uint32_t size)
{
    FakeHelp *fake = fake_of(context);
    EXPECT_EQ(key, &fake->key_token);
    EXPECT_EQ(size, 260u);
    if (!fake->value_readable)
        return 0;
    *type = fake->type;
    if (fake->value_fills_buffer)
        memset(data, 'v', size);
    else
        snprintf(data, size, "%s", fake->value.c_str());
    return 1;
}

uint32_t expand_environment(void *context, const char *text, char *out, uint32_t capacity)
{
    FakeHelp *fake = fake_of(context);
    EXPECT_EQ(std::string(text), fake->value);
    EXPECT_EQ(capacity, 260u);
    ++fake->expansions;
    snprintf(out, capacity, "%s", fake->expanded.c_str());
    return fake->expand_count >= 0 ? (uint32_t)fake->expand_count : (uint32_t)fake->expanded.size() + 1;
}

void close_key(void *context, void *key)
{
    FakeHelp *fake = fake_of(context);
    EXPECT_EQ(key, &fake->key_token);
    ++fake->closed;
}

void *load_module(void *context, const char *path)
{
    FakeHelp *fake = fake_of(context);
    fake->loads.push_back(path);
    for (const std::string &loadable : fake->loadable)
        if (loadable == path)
            return &fake->module_token;
    return nullptr;
}

void *find_entry(void *context, void *module)
{
    FakeHelp *fake = fake_of(context);
    EXPECT_EQ(module, &fake->module_token);
    ++fake->lookups;
    return fake->has_entry ? &fake->entry_token : nullptr;
}

intptr_t display_topic(void *context, void *entry, void *window, const char *help_path)
{
    FakeHelp *fake = fake_of(context);
    EXPECT_EQ(entry, &fake->entry_token);
    fake->shown.push_back(help_path);
    fake->shown_window = window;
    return 4242;
}

// The help system whose every operation answers from and records into `fake`.
HelpSystem fake_system(FakeHelp *fake)
{
    return HelpSystem{fake,      open_control_key, query_default_value, expand_environment,
                      close_key, load_module,      find_entry,          display_topic};
}

class HelpControl : public testing::Test
{
  protected:
    FakeHelp help;
    const HelpSystem system = fake_system(&help);
    HelpBinding binding = {nullptr, nullptr, 0};
    int window = 0;
};

TEST_F(HelpControl, RegisteredLocationIsReadExpandedAndBounded)
{
    const struct {
        const char *label;
        bool key_exists, value_readable;
        uint32_t type;
        bool fills_buffer;
        std::string expanded;
        int64_t expand_count;
        int found;
        std::string location;
    } cases[] = {
        {"REG_SZ", true, true, 1, false, "", -1, 1, "C:\\windows\\system32\\hhctrl.ocx"},
        {"REG_EXPAND_SZ", true, true, HELP_VALUE_EXPAND_SZ, false, "C:\\WINDOWS\\System32\\hhctrl.ocx", -1, 1,
         "C:\\WINDOWS\\System32\\hhctrl.ocx"},
        {"expansion failed", true, true, HELP_VALUE_EXPAND_SZ, false, "", 0, 0, ""},
        {"expansion just fits", true, true, HELP_VALUE_EXPAND_SZ, false, std::string(259, 'f'), 260, 1,
         std::string(259, 'f')},
        {"expansion does not fit", true, true, HELP_VALUE_EXPAND_SZ, false, std::string(259, 'f'), 301, 0, ""},
        {"REG_SZ value without its NUL", true, true, 1, true, "", -1, 1, std::string(259, 'v')},
        {"no key", false, true, 1, false, "", -1, 0, ""},
        {"value unreadable", true, false, 1, false, "", -1, 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        help = FakeHelp();
        help.key_exists = c.key_exists;
        help.value_readable = c.value_readable;
        help.type = c.type;
        help.value_fills_buffer = c.fills_buffer;
        help.expanded = c.expanded;
        help.expand_count = c.expand_count;
        char location[HELP_LOCATION_CAPACITY] = {};
        EXPECT_EQ(FindHelpControlPath(&system, location), c.found);
        if (c.found) {
            EXPECT_EQ(std::string(location), c.location);
        }
        EXPECT_EQ(help.closed, help.opened); // an opened key is always closed
        EXPECT_EQ(help.expansions, c.type == HELP_VALUE_EXPAND_SZ && c.key_exists && c.value_readable ? 1 : 0);
    }
}

TEST_F(HelpControl, TwoRequestsLoadTheModuleOnce)
{
    help.loadable = {help.value};
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\Tools\\veldrix.chm"), 4242);
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\Tools\\veldrix.chm"), 4242);
    EXPECT_EQ(help.loads, std::vector<std::string>{help.value});
    EXPECT_EQ(help.lookups, 1);
    EXPECT_EQ(help.opened, 1);
    EXPECT_EQ(help.shown, (std::vector<std::string>{"C:\\Tools\\veldrix.chm", "C:\\Tools\\veldrix.chm"}));
    EXPECT_EQ(help.shown_window, &window);
}

TEST_F(HelpControl, LoadsByBareNameWhenTheRegisteredLocationFails)
{
    const struct {
        const char *label;
        bool key_exists;
        std::vector<std::string> loadable;
        std::vector<std::string> loads;
    } cases[] = {
        {"no registered location", false, {"hhctrl.ocx"}, {"hhctrl.ocx"}},
        {"registered location does not load",
         true,
         {"hhctrl.ocx"},
         {"C:\\windows\\system32\\hhctrl.ocx", "hhctrl.ocx"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        help = FakeHelp();
        binding = HelpBinding{nullptr, nullptr, 0};
        help.key_exists = c.key_exists;
        help.loadable = c.loadable;
        EXPECT_EQ(ShowHelp(&system, &binding, &window, "\\veldrix.chm"), 4242);
        EXPECT_EQ(help.loads, c.loads);
    }
}

TEST_F(HelpControl, FailedLoadIsFinal)
{
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\veldrix.chm"), 0);
    EXPECT_EQ(help.loads.size(), 2u);
    EXPECT_TRUE(binding.failed);
    help.loadable = {"hhctrl.ocx"}; // even if it could load now
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\veldrix.chm"), 0);
    EXPECT_EQ(help.loads.size(), 2u);
    EXPECT_EQ(help.opened, 1);
    EXPECT_EQ(help.lookups, 0);
    EXPECT_TRUE(help.shown.empty());
}

TEST_F(HelpControl, MissingEntryIsLookedUpAgainWithoutLoadingAgain)
{
    help.loadable = {"hhctrl.ocx"};
    help.key_exists = false;
    help.has_entry = false;
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\veldrix.chm"), 0);
    EXPECT_TRUE(binding.failed);
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\veldrix.chm"), 0);
    EXPECT_EQ(help.loads.size(), 1u);
    EXPECT_EQ(help.lookups, 2);
    help.has_entry = true;
    EXPECT_EQ(ShowHelp(&system, &binding, &window, "C:\\veldrix.chm"), 4242);
    EXPECT_EQ(help.loads.size(), 1u);
}

TEST_F(HelpControl, NoHelpPathShowsNothingAndLoadsNothing)
{
    help.loadable = {help.value};
    EXPECT_EQ(ShowHelp(&system, &binding, &window, ""), 0);
    EXPECT_TRUE(help.loads.empty());
    EXPECT_EQ(help.opened, 0);
    EXPECT_FALSE(binding.failed);
}

} // namespace
