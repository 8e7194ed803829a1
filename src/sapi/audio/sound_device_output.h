// The output on the system's sound device: PulseAudio on Linux (when the
// build has it), the default wave-out device on Windows. One implementation
// per system, in linux/ and windows/.
#pragma once

#include <memory>
#include <string>

#include "sapi/audio/audio_output.h"

// Rounds of kDeviceWaitMs without any notification, with nothing left to
// play, before a host gives up on a component that never finishes its text.
// Whether a device has stopped is decided by the device's own output.
constexpr int kDeviceIdleRounds = 200;
constexpr int kDeviceWaitMs = 50;

// "no sound device (reason)", with how to write a file instead.
std::string NoDeviceMessage(const std::string& reason);

// Null with a one-line reason in *error when there is no device.
std::unique_ptr<SAudioOutput> OpenSoundDeviceOutput(std::string* error);
