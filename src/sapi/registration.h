// Self-registration: the COM class keys, the host's engine list entry and
// the user's (empty) settings key; unregistration removes all but the last.
// Individual registry failures are ignored, as registration always reports
// success.
#pragma once

#include <string>

void RegisterEngine(const std::string& modulePath);
void UnregisterEngine();
