// What `vokrant-voice info` prints about a sound or voice file.
#pragma once

#include <cstdio>
#include <string>

// Prints the layout, version, format, rate and one line per pattern (id,
// name, features, samples, segments) of the file at path. Raises
// SExitException when the file cannot be read.
void PrintFileInfo(const std::string& path, std::FILE* out);
