#include "device_dest.h"

#ifdef VOKRANT_HAVE_PULSE
#include <pulse/error.h>
#include <pulse/simple.h>
#endif

namespace {
constexpr uint32_t kAlwaysFree = 0x7FFFFFFF;
}

struct SDeviceDest::SImpl {
#ifdef VOKRANT_HAVE_PULSE
    pa_simple* stream = nullptr;
#endif
    bool failed = false;
};

SDeviceDest::SDeviceDest() : impl_(std::make_unique<SImpl>()) {}

SDeviceDest::~SDeviceDest() {
#ifdef VOKRANT_HAVE_PULSE
    if (impl_->stream) pa_simple_free(impl_->stream);
#endif
}

bool SDeviceDest::Open(uint32_t sampleRate, std::string& error) {
#ifdef VOKRANT_HAVE_PULSE
    pa_sample_spec spec{PA_SAMPLE_S16LE, sampleRate, 1};
    int code = 0;
    impl_->stream = pa_simple_new(nullptr, "vokrant", PA_STREAM_PLAYBACK, nullptr, "speech", &spec, nullptr,
                                  nullptr, &code);
    if (impl_->stream) return true;
    error = std::string("no sound device (") + pa_strerror(code) + "); write a WAV file with -o FILE.wav";
#else
    (void)sampleRate;
    error = "this build has no sound-device output; write a WAV file with -o FILE.wav";
#endif
    return false;
}

uint32_t SDeviceDest::FreeSpace() {
    return impl_->failed ? 0 : kAlwaysFree;
}

bool SDeviceDest::DataSet(const void* data, uint32_t bytes) {
#ifdef VOKRANT_HAVE_PULSE
    int code = 0;
    if (!impl_->stream || impl_->failed || pa_simple_write(impl_->stream, data, bytes, &code) < 0) {
        impl_->failed = true;
        return false;
    }
    bytes_ += bytes;
    return true;
#else
    (void)data;
    (void)bytes;
    return false;
#endif
}

bool SDeviceDest::BookMark(uint32_t mark) {
    // The device takes the bytes before the mark synchronously, so the mark
    // is reported when its audio has been handed over.
    if (markSink_) markSink_(mark, bytes_);
    return true;
}

bool SDeviceDest::Drain(std::string& error) {
#ifdef VOKRANT_HAVE_PULSE
    int code = 0;
    if (impl_->failed) {
        error = "the sound device stopped taking data";
        return false;
    }
    if (impl_->stream && pa_simple_drain(impl_->stream, &code) < 0) {
        error = std::string("sound device: ") + pa_strerror(code);
        return false;
    }
    return true;
#else
    error = "this build has no sound-device output";
    return false;
#endif
}
