// The exported C functions: argument checks, then the speaker; every
// exception stops here and becomes a status with a message.
#include <cstring>
#include <new>
#include <string>

#include "capi/speaker.h"
#include "core/setting_names.h"
#include "vokrant/vokrant.h"

#ifndef VOKRANT_VERSION
#define VOKRANT_VERSION "0.0.0"
#endif

namespace {

thread_local std::string t_newError;

// Runs `body`, turning what it throws into a status and a message on the handle.
template <typename Body>
int Guarded(vokrant* handle, const char* function, Body&& body) {
    if (handle == nullptr) return VOKRANT_ERROR_ARGUMENT;
    try {
        return body(*handle);
    } catch (const std::bad_alloc&) {
        handle->lastError = std::string(function) + ": out of memory";
        return VOKRANT_ERROR_MEMORY;
    } catch (const std::exception& e) {
        handle->lastError = std::string(function) + ": " + e.what();
    } catch (...) {
        handle->lastError = std::string(function) + ": unexpected failure";
    }
    return VOKRANT_ERROR_SPEAK;
}

int OutOfRange(vokrant& handle, const char* function, int value, int low, int high) {
    handle.lastError = std::string(function) + ": " + OutOfRangeMessage(value, low, high);
    return VOKRANT_ERROR_ARGUMENT;
}

}  // namespace

extern "C" {

const char* vokrant_version(void) {
    return VOKRANT_VERSION;
}

vokrant* vokrant_new(const char* voice_dir, const char* settings_dir, int* status) {
    int result = VOKRANT_ERROR_VOICE;
    vokrant* handle = nullptr;
    try {
        t_newError.clear();
        handle = CreateSpeaker(voice_dir, settings_dir, result, t_newError);
    } catch (const std::bad_alloc&) {
        result = VOKRANT_ERROR_MEMORY;
        t_newError = "vokrant_new: out of memory";
    } catch (...) {
        result = VOKRANT_ERROR_VOICE;
        t_newError = "vokrant_new: the voice or the settings cannot be read";
    }
    if (status != nullptr) *status = result;
    return handle;
}

void vokrant_free(vokrant* handle) {
    try {
        delete handle;
    } catch (...) {
        // A destructor that throws leaves nothing to report to.
    }
}

const char* vokrant_last_error(const vokrant* handle) {
    return handle != nullptr ? handle->lastError.c_str() : t_newError.c_str();
}

const char* vokrant_status_text(int status) {
    switch (status) {
        case VOKRANT_OK:
            return "success";
        case VOKRANT_STOPPED:
            return "stopped before the end of the text";
        case VOKRANT_ERROR_ARGUMENT:
            return "invalid argument";
        case VOKRANT_ERROR_TEXT:
            return "the text is not valid in its encoding";
        case VOKRANT_ERROR_VOICE:
            return "the voice cannot be loaded";
        case VOKRANT_ERROR_SETTING:
            return "unknown setting or invalid value";
        case VOKRANT_ERROR_BUSY:
            return "the handle is already speaking";
        case VOKRANT_ERROR_SPEAK:
            return "synthesis failed";
        case VOKRANT_ERROR_MEMORY:
            return "out of memory";
        default:
            return "unknown status";
    }
}

int vokrant_sample_rate(const vokrant* handle) {
    return handle != nullptr ? 22050 : 0;
}

int vokrant_set(vokrant* handle, const char* name, const char* value) {
    return Guarded(handle, "vokrant_set", [&](vokrant& h) { return SetByName(h, name, value); });
}

int vokrant_set_speed(vokrant* handle, int speed) {
    return Guarded(handle, "vokrant_set_speed", [&](vokrant& h) {
        if (speed < VOKRANT_MIN_SPEED || speed > VOKRANT_MAX_SPEED)
            return OutOfRange(h, "vokrant_set_speed", speed, VOKRANT_MIN_SPEED, VOKRANT_MAX_SPEED);
        h.settings->SetSpeed(speed);
        return static_cast<int>(VOKRANT_OK);
    });
}

int vokrant_set_pitch(vokrant* handle, int pitch) {
    return Guarded(handle, "vokrant_set_pitch", [&](vokrant& h) {
        if (pitch < VOKRANT_MIN_PITCH || pitch > VOKRANT_MAX_PITCH)
            return OutOfRange(h, "vokrant_set_pitch", pitch, VOKRANT_MIN_PITCH, VOKRANT_MAX_PITCH);
        h.settings->SetPitch(pitch);
        return static_cast<int>(VOKRANT_OK);
    });
}

int vokrant_set_voice_pitch(vokrant* handle, int percent) {
    return Guarded(handle, "vokrant_set_voice_pitch", [&](vokrant& h) {
        if (percent < VOKRANT_MIN_VOICE_PITCH || percent > VOKRANT_MAX_VOICE_PITCH)
            return OutOfRange(h, "vokrant_set_voice_pitch", percent, VOKRANT_MIN_VOICE_PITCH,
                              VOKRANT_MAX_VOICE_PITCH);
        h.settings->SetVoicePitch(percent);
        return static_cast<int>(VOKRANT_OK);
    });
}

int vokrant_set_volume(vokrant* handle, int volume) {
    return Guarded(handle, "vokrant_set_volume", [&](vokrant& h) {
        if (volume < 0 || volume > VOKRANT_MAX_VOLUME)
            return OutOfRange(h, "vokrant_set_volume", volume, 0, VOKRANT_MAX_VOLUME);
        h.settings->SetVolume(static_cast<uint32_t>(volume));
        return static_cast<int>(VOKRANT_OK);
    });
}

int vokrant_get_volume(const vokrant* handle) {
    if (handle == nullptr) return VOKRANT_ERROR_ARGUMENT;
    return static_cast<int>(handle->settings->volume & VOKRANT_MAX_VOLUME);
}

int vokrant_set_pause(vokrant* handle, int pause, int milliseconds) {
    return Guarded(handle, "vokrant_set_pause",
                   [&](vokrant& h) { return SetPause(h, pause, milliseconds); });
}

int vokrant_set_switch(vokrant* handle, int which, int on) {
    return Guarded(handle, "vokrant_set_switch",
                   [&](vokrant& h) { return SetSwitch(h, which, on != 0); });
}

int vokrant_speak(vokrant* handle, const char* text, size_t length, unsigned flags,
                  vokrant_callback callback, void* user_data) {
    return Guarded(handle, "vokrant_speak", [&](vokrant& h) {
        if (text == nullptr) {
            h.lastError = "vokrant_speak: no text";
            return static_cast<int>(VOKRANT_ERROR_ARGUMENT);
        }
        const size_t size = length == static_cast<size_t>(-1) ? std::strlen(text) : length;
        return SpeakText(h, std::string_view(text, size), flags, callback, user_data);
    });
}

void vokrant_stop(vokrant* handle) {
    if (handle != nullptr) handle->stopRequested.store(true);
}

}  // extern "C"
