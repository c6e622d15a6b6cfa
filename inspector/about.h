/* about.h -- the About box: the program's and the library's versions and
   dates, and the library's contact text. */
#ifndef ABOUT_H
#define ABOUT_H

#include <stddef.h>

#include "cvnaaccr.h"
#include "dialog_ui.h"

/* The About text: program and library versions and dates and the library's
   contact text, seven lines.  Reads each library field only up to its size.
   Writes at most capacity - 1 characters and a NUL. */
void FormatAboutText(const NaaccrLibraryInfo *library, char *text, size_t capacity);

/* Asks the library for its identification and shows the About box
   ("About This Program", BOX_INFORMATION). */
void ShowAbout(const DialogUi *ui);

#endif
