// Where a program finds its own files: one run from the build tree uses the
// source tree's voice and the component built beside it; an installed one
// uses only the files of the prefix it was installed into, wherever that
// prefix was moved to (cmake --install --prefix DIR, a copied tree).
#pragma once

#include <string>
#include <string_view>

// The program or shared object this code was loaded from, with symbolic
// links resolved; "" when the system cannot say.
std::string LoadedCodeFile();

// True when this code was loaded from the build tree it was compiled in.
bool RunsFromBuildTree();

// The folders, relative to the prefix, that this build installs code in
// (bin, the library folder, the component's and the speech-dispatcher
// module's folders), separated by ':'; absolute ones name no prefix and are
// left out.
extern const char* const kInstalledCodeFolders;

// The prefix a code file belongs to: its folder with one of `codeFolders`
// (relative folders separated by ':') taken off the end, "" for the root.
// False when its folder ends in none of them.
bool FindInstalledPrefix(const std::string& codeFile, std::string_view codeFolders,
                         std::string* prefix);

// A folder of the installation: `relative` under the running code's prefix,
// else (absolute, or the prefix unknown) `configured`, the folder chosen when
// building. Neither is checked for existence.
std::string InstalledFolder(const std::string& relative, const std::string& configured);
