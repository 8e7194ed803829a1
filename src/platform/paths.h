// Where Vokrant keeps its settings and finds its data.
#pragma once

#include <string>

// $VOKRANT_CONFIG_DIR, else ${XDG_CONFIG_HOME:-$HOME/.config}/vokrant. No
// trailing '/'. Not created here.
std::string ConfigDir();

// The data directory (stand-in for the Windows directory): $VOKRANT_DATA_DIR,
// else the build tree's data/ when it exists, else the installed share/vokrant.
// Always ends with '/'.
std::string DataDir();

// Appends '/' unless the path already ends with one (an empty path stays empty).
std::string WithTrailingSlash(std::string path);

// Creates the directory and its parents (mode 0700 for new ones). True when it exists.
bool MakeDirectories(const std::string& path);
