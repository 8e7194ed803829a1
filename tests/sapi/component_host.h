// A minimal Speech API host for tests: loads the component module with
// dlopen and reaches it only through its four exports.
#pragma once

#include <dlfcn.h>

#include <string>

#include "sapi/sapi4.h"

class ComponentHost {
public:
    ComponentHost() {
        handle_ = dlopen(VOKRANT_SAPI_MODULE, RTLD_NOW | RTLD_LOCAL);
        if (handle_ == nullptr) return;
        getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle_, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle_, "DllCanUnloadNow"));
        registerServer = reinterpret_cast<DllRegisterServerFn>(dlsym(handle_, "DllRegisterServer"));
        unregisterServer =
            reinterpret_cast<DllUnregisterServerFn>(dlsym(handle_, "DllUnregisterServer"));
    }
    ~ComponentHost() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    ComponentHost(const ComponentHost&) = delete;
    ComponentHost& operator=(const ComponentHost&) = delete;

    bool Loaded() const {
        return handle_ != nullptr && getClassObject && canUnloadNow && registerServer &&
               unregisterServer;
    }

    // The factory of the engine class, or null.
    IClassFactory* Factory(const CLSID& clsid) {
        void* p = nullptr;
        return getClassObject(clsid, IID_IClassFactory, &p) == S_OK ? static_cast<IClassFactory*>(p)
                                                                    : nullptr;
    }

    // A fresh engine enumerator through the factory, as the given interface.
    template <typename T>
    T* CreateEnum(const CLSID& clsid, const IID& iid) {
        IClassFactory* factory = Factory(clsid);
        if (factory == nullptr) return nullptr;
        void* p = nullptr;
        factory->CreateInstance(nullptr, iid, &p);
        factory->Release();
        return static_cast<T*>(p);
    }

    DllGetClassObjectFn getClassObject = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;
    DllRegisterServerFn registerServer = nullptr;
    DllUnregisterServerFn unregisterServer = nullptr;

private:
    void* handle_ = nullptr;
};
