// Process-wide state of the module: the live-object count (enumerators and
// mode objects not yet deleted), the lock count of IClassFactory::LockServer,
// and the module's own file path.
#pragma once

#include <string>

void ModuleObjectCreated();
// The final-release callback of enumerators and mode objects.
void ModuleObjectDeleted();
long ModuleLiveObjects();

void ModuleLock();
// False (and no change) when no lock is held.
bool ModuleUnlock();
long ModuleLocks();

// True when neither objects nor locks keep the module in use.
bool ModuleCanUnload();

// The absolute path of the module this code lives in (the shared object or
// the DLL), or an empty string when it cannot be found. One per system.
std::string ModulePath();
