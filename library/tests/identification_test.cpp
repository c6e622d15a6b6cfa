// identification_test.cpp -- cvGet_cvnaaccr_dll_info.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "cvnaaccr.h"

TEST(Identification, FillsTheFourTexts)
{
    NaaccrLibraryInfo info;
    memset(&info, 'x', sizeof info);
    EXPECT_EQ(cvGet_cvnaaccr_dll_info(&info), 0);
    EXPECT_STREQ(info.library_version, CVNAACCR_VERSION_STRING);
    EXPECT_STREQ(info.build_date, "Sep 15 2014");
    EXPECT_STREQ(info.build_time, "14:53:40");

    // Two lines: the maker, then a contact address on the reserved example domain.
    const std::string contact = info.contact;
    EXPECT_LE(contact.size(), 63u);
    EXPECT_EQ(contact.rfind("Corvella\n", 0), 0u);
    EXPECT_EQ(contact.find('\n'), contact.rfind('\n')) << "one line feed";
    EXPECT_NE(contact.back(), '\n');
    EXPECT_NE(contact.find("@corvella.example"), std::string::npos);
}

TEST(Identification, VersionStringSpellsTheVersionNumbers)
{
    // Callers compare the numbers; the string is what the library reports.
    char numbers[32];
    snprintf(numbers, sizeof numbers, "%d.%d.%d", CVNAACCR_VERSION_MAJOR, CVNAACCR_VERSION_MINOR,
             CVNAACCR_VERSION_PATCH);
    EXPECT_STREQ(CVNAACCR_VERSION_STRING, numbers);
    EXPECT_LT(strlen(CVNAACCR_VERSION_STRING), sizeof NaaccrLibraryInfo{}.library_version);
}

TEST(Identification, LeavesTheBytesAfterEachTextAlone)
{
    NaaccrLibraryInfo once, twice;
    memset(&once, 0x5A, sizeof once);
    memset(&twice, 0x5A, sizeof twice);
    cvGet_cvnaaccr_dll_info(&once);
    cvGet_cvnaaccr_dll_info(&twice);
    cvGet_cvnaaccr_dll_info(&twice);
    EXPECT_EQ(memcmp(&once, &twice, sizeof once), 0) << "two calls leave what one call leaves";

    struct Field {
        const char *label;
        const char *text;
        size_t size;
    } fields[] = {
        {"library_version", once.library_version, sizeof once.library_version},
        {"build_date", once.build_date, sizeof once.build_date},
        {"build_time", once.build_time, sizeof once.build_time},
        {"contact", once.contact, sizeof once.contact},
    };
    for (const Field &f : fields) {
        SCOPED_TRACE(f.label);
        for (size_t i = strlen(f.text) + 1; i < f.size; ++i)
            EXPECT_EQ(f.text[i], 0x5A) << "offset " << i;
    }
}
