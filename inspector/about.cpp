// about.cpp -- the About box: its text, made from the program's and the library's identification.
#include "about.h"

#include <stdio.h>
#include <string.h>

#include "program_version.h"

void FormatAboutText(const NaaccrLibraryInfo *library, char *text, size_t capacity)
{
    // The precisions keep every read inside the library's fields.
    snprintf(text, capacity, "Corvella VELDRIX\nVersion %s, %s\n\nUses cvNAACCR.dll %.*s, %.*s\n\n%.*s",
             PROGRAM_VERSION, PROGRAM_BUILD_DATE, (int)sizeof library->library_version - 1, library->library_version,
             (int)sizeof library->build_date - 1, library->build_date, (int)sizeof library->contact - 1,
             library->contact);
}

void ShowAbout(const DialogUi *ui)
{
    NaaccrLibraryInfo library;
    memset(&library, 0, sizeof library);
    cvGet_cvnaaccr_dll_info(&library);
    char text[TEXT_CAPACITY];
    FormatAboutText(&library, text, sizeof text);
    ui->message_box(ui->window, text, "About This Program", BOX_INFORMATION);
}
