// What the program does differently on each system before it starts: tuning
// the process, and reading its arguments as UTF-8.
#pragma once

#include <string>
#include <vector>

void PrepareProcess();

// The command-line arguments in UTF-8 (on Windows read from the wide
// command line, so text in any script survives).
std::vector<std::string> Utf8Arguments(int argc, char** argv);
