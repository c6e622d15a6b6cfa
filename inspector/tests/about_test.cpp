// about_test.cpp -- the About text from the library's identification, and the About box.
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "about.h"
#include "ui_recorder.h"

namespace
{

NaaccrLibraryInfo library_info(const char *version, const char *date, const char *time, const char *contact)
{
    NaaccrLibraryInfo info;
    memset(&info, 0, sizeof info);
    snprintf(info.library_version, sizeof info.library_version, "%s", version);
    snprintf(info.build_date, sizeof info.build_date, "%s", date);
    snprintf(info.build_time, sizeof info.build_time, "%s", time);
    snprintf(info.contact, sizeof info.contact, "%s", contact);
    return info;
}

TEST(About, TextHasSevenLines)
{
    NaaccrLibraryInfo info = library_info("1.2.2", "Sep 15 2014", "14:53:40", "Maker\ncontact@example.org");
    char text[TEXT_CAPACITY];
    FormatAboutText(&info, text, sizeof text);
    EXPECT_STREQ(text, "Corvella VELDRIX\nVersion 1.1.5, Sep  9 2014\n\nUses cvNAACCR.dll 1.2.2, Sep 15 2014\n\n"
                       "Maker\ncontact@example.org");
}

TEST(About, FieldsWithoutTheirNulAreReadOnlyToTheirEnd)
{
    NaaccrLibraryInfo info;
    memset(&info, 'w', sizeof info);
    char text[TEXT_CAPACITY];
    FormatAboutText(&info, text, sizeof text);
    EXPECT_EQ(std::string(text), "Corvella VELDRIX\nVersion 1.1.5, Sep  9 2014\n\nUses cvNAACCR.dll " +
                                     std::string(15, 'w') + ", " + std::string(15, 'w') + "\n\n" +
                                     std::string(63, 'w'));
}

TEST(About, BoxShowsWhatTheLibraryReportsEachTime)
{
    NaaccrLibraryInfo library;
    memset(&library, 0, sizeof library);
    cvGet_cvnaaccr_dll_info(&library);
    char expected[TEXT_CAPACITY];
    FormatAboutText(&library, expected, sizeof expected);

    UiRecorder r;
    DialogUi ui = r.ui();
    ShowAbout(&ui);
    ShowAbout(&ui);
    ASSERT_EQ(r.boxes.size(), 2u);
    for (const RecordedBox &box : r.boxes) {
        EXPECT_EQ(box.text, expected);
        EXPECT_EQ(box.caption, "About This Program");
        EXPECT_EQ(box.style, 64u);
    }
}

} // namespace
