// The host's side of loading the component: find the module (the path
// registered for the engine class, else a fallback such as the module built
// beside the program), load it (dlopen, LoadLibrary), and create engine enumerators
// through its class factory.
#pragma once

#include <string>

#include "sapi/sapi4.h"

class SComponentModule {
public:
    SComponentModule() = default;
    SComponentModule(const SComponentModule&) = delete;
    SComponentModule& operator=(const SComponentModule&) = delete;
    // Unloads the module only when it says nothing of it is in use.
    ~SComponentModule();

    // The module path registered under InprocServer32 for the engine class
    // that the host's engine list names "Vokrant"; empty when unregistered.
    static std::string RegisteredPath();

    // The module to load when none is registered: the one beside the
    // program (as installed), else the one the build made.
    static std::string BesideProgram();

    // Loads the registered module, else `fallbackPath`. False with a one-line
    // reason in *error.
    bool Load(const std::string& fallbackPath, std::string* error);

    // A new engine enumerator (Unicode face), or null with a reason.
    ITTSEnumW* CreateEnumerator(std::string* error);

    const std::string& Path() const { return path_; }
    bool CanUnload() const;

private:
    void* handle_ = nullptr;
    std::string path_;
    DllGetClassObjectFn getClassObject_ = nullptr;
    DllCanUnloadNowFn canUnloadNow_ = nullptr;
};
