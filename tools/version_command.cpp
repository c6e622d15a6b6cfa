// version_command.cpp
#include "commands.h"
int version_command(int, char **) { return 2; }
