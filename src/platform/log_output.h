// Where log lines go when no writer is installed: standard error on Linux;
// the debugger output on Windows, and standard error too when there is a console.
#pragma once

#include <string>

void WriteLogText(const std::string& text);
