// Self-registration of the SAPI 5 voice: the COM class (ThreadingModel
// Both: the engine interfaces have no proxies and SAPI calls from its own
// thread) and a static voice token with its attributes. Registry calls of a
// 32-bit DLL land in the 32-bit view, of a 64-bit DLL in the 64-bit view, so
// each width registers the voice its own hosts find. Unregistration removes
// the class and the token completely (one broken token can empty a host's
// voice list) and leaves the user's settings alone.
#pragma once

#include <string>

// False when a key could not be written (then nothing half-written is left).
bool RegisterVoice(const std::string& modulePath);
void UnregisterVoice();
