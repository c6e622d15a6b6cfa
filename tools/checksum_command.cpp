// checksum_command.cpp
#include "commands.h"
int checksum_command(int, char **) { return 2; }
