#include "speech_host.h"

#include <memory>

#include "mark_report.h"
#include "platform/codepage.h"
#include "sapi/audio/wave_file_audio_dest.h"
#include "sapi/host/speech_session.h"
#include "stderr_capture.h"
#ifdef VOKRANT_HAVE_PULSE
#include "sapi/audio/pulse_audio_dest.h"
#endif

namespace {

// Pumps without any notification before the host gives up on a stuck text:
// a file is written as fast as the engine speaks, a device within seconds.
constexpr int kFileIdlePumps = 2000;
constexpr int kDeviceIdlePumps = 200;  // of 50 ms each
constexpr int kDevicePumpMs = 50;

struct SReleaser {
    template <typename T>
    void operator()(T* p) const {
        if (p != nullptr) p->Release();
    }
};
template <typename T>
using SComPtr = std::unique_ptr<T, SReleaser>;

std::string NoDeviceMessage(const std::string& reason) {
    return "no sound device" + (reason.empty() ? std::string() : " (" + reason + ")") +
           "; use -o FILE.wav to write a WAV file, or -o - for standard output";
}

std::string ModeLine(const TTSMODEINFOW& mode) {
    auto text = [](const WCHAR* s) { return Utf16ToUtf8(AsUtf16(s)); };
    const char* gender = mode.wGender == GENDER_FEMALE ? "female" : mode.wGender == GENDER_MALE ? "male" : "neutral";
    return text(mode.szModeName) + "\t" + text(mode.szProductName) + "\tlanguage " +
           std::to_string(mode.language.LanguageID) + "\t" +
           text(mode.szSpeaker) + ", " + text(mode.szStyle) + ", " + gender + "\n";
}

}  // namespace

bool SSpeechHost::Load(std::string* error) { return module_.Load(ModuleBesideProgram(), error); }

bool SSpeechHost::ListVoices(std::FILE* out, std::string* error) {
    SComPtr<ITTSEnumW> voices(module_.CreateEnumerator(error));
    if (!voices) return false;
    TTSMODEINFOW mode;
    ULONG fetched = 0;
    while (voices->Next(1, &mode, &fetched) == S_OK && fetched == 1) std::fputs(ModeLine(mode).c_str(), out);
    return true;
}

ITTSCentralW* SSpeechHost::SelectVoice(IUnknown* audio, std::string* error) {
    SComPtr<ITTSEnumW> voices(module_.CreateEnumerator(error));
    if (!voices) return nullptr;
    TTSMODEINFOW mode;
    ULONG fetched = 0;
    if (voices->Next(1, &mode, &fetched) != S_OK || fetched != 1) {
        *error = "the speech component offers no voice";
        return nullptr;
    }
    ITTSCentralW* central = nullptr;
    SStderrCapture log;  // the engine logs why its voice did not load
    if (FAILED(voices->Select(mode.gModeID, &central, audio)) || central == nullptr) {
        std::string reason = Cp1250ToUtf8(log.Take());
        reason = reason.substr(0, reason.find('\n'));
        *error = "the speech component cannot select its voice" + (reason.empty() ? "" : " (" + reason + ")") +
                 "; use --voice-dir DIR";
        return nullptr;
    }
    return central;
}

bool SSpeechHost::Speak(const SSpeakRequest& request, std::string* error) {
    CAudioDestBase* dest = nullptr;
    CWaveFileAudioDest* file = nullptr;
#ifdef VOKRANT_HAVE_PULSE
    CPulseAudioDest* device = nullptr;
#endif
    if (!request.outputPath.empty()) {
        dest = file = CWaveFileAudioDest::Create(request.outputPath);
        if (dest == nullptr) return *error = "out of memory", false;
    } else {
#ifdef VOKRANT_HAVE_PULSE
        std::string reason;
        dest = device = CPulseAudioDest::Create(&reason);
        if (dest == nullptr) return *error = NoDeviceMessage(reason), false;
#else
        return *error = NoDeviceMessage("built without PulseAudio"), false;
#endif
    }
    SComPtr<CAudioDestBase> destHolder(dest);

    SComPtr<ITTSCentralW> central(SelectVoice(static_cast<IAudio*>(dest), error));
    if (!central) return false;
    ITTSAttributesW* attributes = nullptr;
    central->QueryInterface(IID_ITTSAttributesW, reinterpret_cast<void**>(&attributes));
    SComPtr<ITTSAttributesW> attributesHolder(attributes);

    SMarkReport report(request.marks, dest->Format().nAvgBytesPerSec, attributes);
    SSpeechEventHandler onEvent = [&](const SSpeechEvent& event) {
        if (request.marks == nullptr) return;
        QWORD position = 0;
        dest->PosnGet(&position);
        report.Report(event, position);
    };
    int idle = 0;
    SPumpFunction pump = [&] {
#ifdef VOKRANT_HAVE_PULSE
        if (device != nullptr) {
            idle = device->WaitAndPump(kDevicePumpMs) > 0 ? 0 : idle + 1;
            return idle < kDeviceIdlePumps;
        }
#endif
        idle = dest->Pump() > 0 ? 0 : idle + 1;
        return idle < kFileIdlePumps && file->LastError().empty();
    };
    HRESULT hr = SpeakAndWait(central.get(), request.text, request.tagged, onEvent, pump);
    // The device closes once its last bytes have played.
    for (int round = 0; SUCCEEDED(hr) && !dest->IsIdle() && round < kDeviceIdlePumps; ++round) pump();
    attributesHolder.reset();
    central.reset();

    if (file != nullptr) {
        if (FAILED(hr)) {
            *error = file->LastError().empty() ? "speaking the text failed" : file->LastError();
            return false;
        }
        if (FAILED(file->Finish())) return *error = file->LastError(), false;
        return true;
    }
    if (FAILED(hr)) return *error = "the sound device stopped playing", false;
    return true;
}
