// Where Vokrant keeps its settings and finds its data.
#pragma once

#include <string>
#include <string_view>

// The folder of the calling thread's SConfigDirScope, else $VOKRANT_CONFIG_DIR,
// else ${XDG_CONFIG_HOME:-$HOME/.config}/vokrant. No trailing '/'. Not created here.
// (Windows: %APPDATA%\Vokrant.)
std::string ConfigDir();

// Points ConfigDir at another folder for the calling thread while it lives,
// so a program embedding the engine can keep its settings apart from the
// user's without changing the environment of the whole process.
class SConfigDirScope {
public:
    explicit SConfigDirScope(std::string dir);
    ~SConfigDirScope();
    SConfigDirScope(const SConfigDirScope&) = delete;
    SConfigDirScope& operator=(const SConfigDirScope&) = delete;

private:
    std::string dir_;
    const std::string* previous_;
};

// The data directory (stand-in for the Windows directory): $VOKRANT_DATA_DIR,
// else on Linux the source tree's data/ for a program run from the build tree,
// else share/vokrant under the prefix the program is installed in; on Windows the directory of the DLL (or program) this code is
// in. Always ends with a separator.
std::string DataDir();

// True when DataDir() is the source tree's data/ (a program run from the
// build tree, no $VOKRANT_DATA_DIR): a default of that build alone, never
// worth saving where installed programs read the same settings. Always
// false on Windows.
bool DataDirIsSourceTree();

// Appends the directory separator unless the path already ends with one (an
// empty path stays empty).
std::string WithTrailingSlash(std::string path);

// True when the name says where it is (holds a directory separator, or on
// Windows a drive colon) rather than naming a file in some directory.
bool HasDirectoryPart(std::string_view path);

// Creates the directory and its parents (mode 0700 for new ones). True when it exists.
bool MakeDirectories(const std::string& path);
