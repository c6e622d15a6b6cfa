// inspect_command.cpp
#include "commands.h"
int inspect_command(int, char **) { return 2; }
