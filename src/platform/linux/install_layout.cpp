#include "platform/linux/install_layout.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace {

std::string Canonical(const std::string& path) {
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::canonical(path, error);
    return error ? std::string() : canonical.string();
}

bool IsAbsolute(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

}  // namespace

const char* const kInstalledCodeFolders = VOKRANT_INSTALL_CODE_DIRS;

std::string LoadedCodeFile() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&LoadedCodeFile), &info) == 0 ||
        info.dli_fname == nullptr)
        return {};
    return Canonical(info.dli_fname);
}

bool RunsFromBuildTree() {
    static const bool fromBuildTree = [] {
        const std::string code = LoadedCodeFile();
        const std::string buildTree = Canonical(VOKRANT_BINARY_DIR);
        return !code.empty() && !buildTree.empty() && code.starts_with(buildTree + "/");
    }();
    return fromBuildTree;
}

bool FindInstalledPrefix(const std::string& codeFile, std::string_view codeFolders,
                         std::string* prefix) {
    const std::string::size_type slash = codeFile.rfind('/');
    if (slash == std::string::npos) return false;
    const std::string_view folder(codeFile.data(), slash);
    std::string_view folders = codeFolders;
    while (!folders.empty()) {
        const std::string_view::size_type colon = folders.find(':');
        const std::string_view candidate = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        if (candidate.empty() || folder.size() <= candidate.size()) continue;
        const std::string_view::size_type cut = folder.size() - candidate.size();
        if (folder.substr(cut) == candidate && folder[cut - 1] == '/') {
            *prefix = std::string(folder.substr(0, cut - 1));
            return true;
        }
    }
    return false;
}

std::string InstalledFolder(const std::string& relative, const std::string& configured) {
    if (IsAbsolute(relative)) return relative;
    static const std::string codeFile = LoadedCodeFile();
    std::string prefix;
    if (!FindInstalledPrefix(codeFile, kInstalledCodeFolders, &prefix)) return configured;
    return prefix + "/" + relative;
}
