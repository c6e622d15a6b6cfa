/* help_control.h -- the Win32 side of the HelpSystem seam: the HTML Help
   control (hhctrl.ocx) reached through the registry, LoadLibraryA and
   GetProcAddress (ordinal 14). */
#ifndef HELP_CONTROL_H
#define HELP_CONTROL_H

#include "help_binding.h"

/* The real registry, loader and control; its context is unused (NULL). */
extern const HelpSystem html_help_system;

#endif
