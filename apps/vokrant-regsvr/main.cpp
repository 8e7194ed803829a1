// vokrant-regsvr [-u] MODULE: loads an in-process component and calls its
// registration (or, with -u, unregistration) entry point.
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "sapi/com.h"

namespace {

constexpr const char* kUsage = "usage: vokrant-regsvr [-u] MODULE\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool unregister = false;
    const char* module = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-u") == 0 || std::strcmp(argv[i], "/u") == 0) {
            unregister = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (argv[i][0] == '-' || module != nullptr) {
            return Usage();
        } else {
            module = argv[i];
        }
    }
    if (module == nullptr) return Usage();

    // A bare file name would make dlopen search the library path instead.
    std::string path = std::strchr(module, '/') != nullptr ? module : std::string("./") + module;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "vokrant-regsvr: cannot load %s: %s\n", module, dlerror());
        return 1;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto fn = reinterpret_cast<DllRegisterServerFn>(dlsym(handle, entry));
    if (fn == nullptr) {
        std::fprintf(stderr, "vokrant-regsvr: %s has no %s\n", module, entry);
        dlclose(handle);
        return 1;
    }
    HRESULT hr = fn();
    dlclose(handle);
    if (FAILED(hr)) {
        std::fprintf(stderr, "vokrant-regsvr: %s failed with 0x%08X\n", entry,
                     static_cast<unsigned>(hr));
        return 1;
    }
    std::printf("%s: %s succeeded\n", module, entry);
    return 0;
}
