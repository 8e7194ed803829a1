#include "speech_host.h"

#include <memory>

#include "mark_report.h"
#include "platform/codepage.h"
#include "sapi/audio/audio_output.h"
#include "sapi/host/speech_session.h"
#include "stderr_capture.h"

namespace {

struct SReleaser {
    template <typename T>
    void operator()(T* p) const {
        if (p != nullptr) p->Release();
    }
};
template <typename T>
using SComPtr = std::unique_ptr<T, SReleaser>;

std::string ModeLine(const TTSMODEINFOW& mode) {
    auto text = [](const WCHAR* s) { return Utf16ToUtf8(AsUtf16(s)); };
    const char* gender = mode.wGender == GENDER_FEMALE ? "female"
                         : mode.wGender == GENDER_MALE ? "male"
                                                       : "neutral";
    return text(mode.szModeName) + "\t" + text(mode.szProductName) + "\tlanguage " +
           std::to_string(mode.language.LanguageID) + "\t" + text(mode.szSpeaker) + ", " +
           text(mode.szStyle) + ", " + gender + "\n";
}

}  // namespace

bool SSpeechHost::Load(std::string* error) {
    return module_.Load(SComponentModule::BesideProgram(), error);
}

bool SSpeechHost::ListVoices(std::FILE* out, std::string* error) {
    SComPtr<ITTSEnumW> voices(module_.CreateEnumerator(error));
    if (!voices) return false;
    TTSMODEINFOW mode;
    ULONG fetched = 0;
    while (voices->Next(1, &mode, &fetched) == S_OK && fetched == 1)
        std::fputs(ModeLine(mode).c_str(), out);
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
        std::string reason = log.Take();  // log lines reach standard error as UTF-8
        reason = reason.substr(0, reason.find('\n'));
        *error = "the speech component cannot select its voice" +
                 (reason.empty() ? "" : " (" + reason + ")") + "; use --voice-dir DIR";
        return nullptr;
    }
    return central;
}

bool SSpeechHost::Speak(const SSpeakRequest& request, std::string* error) {
    std::unique_ptr<SAudioOutput> output =
        SAudioOutput::Open(SAudioOutput::KindOf(request.outputPath), request.outputPath, error);
    if (!output) return false;
    CAudioDestBase& dest = output->Dest();

    SComPtr<ITTSCentralW> central(SelectVoice(static_cast<IAudio*>(&dest), error));
    if (!central) return false;
    ITTSAttributesW* attributes = nullptr;
    central->QueryInterface(IID_ITTSAttributesW, reinterpret_cast<void**>(&attributes));
    SComPtr<ITTSAttributesW> attributesHolder(attributes);

    SMarkReport report(request.marks, dest.Format().nAvgBytesPerSec, attributes);
    SSpeakPiece piece;
    SSpeechEventHandler onEvent = [&](const SSpeechEvent& event) {
        if (request.marks == nullptr) return;
        // Each piece ends with its own "done"; the run has one end.
        if (event.kind == SSpeechEvent::Kind::Done && !piece.last) return;
        QWORD position = 0;
        dest.PosnGet(&position);
        report.Report(event, position);
    };
    SPumpFunction pump = [&] { return output->PumpRound(); };
    HRESULT hr = S_OK;
    std::string readError;
    while (SUCCEEDED(hr) && request.pieces(piece, readError)) {
        report.SetWordBase(piece.start);
        hr = SpeakAndWait(central.get(), piece.text, request.tagged, onEvent, pump);
        if (piece.last) break;
    }
    if (!readError.empty()) hr = E_FAIL;
    if (SUCCEEDED(hr)) output->Drain();
    attributesHolder.reset();
    central.reset();
    const bool finished = output->Finish(hr, error);
    if (!readError.empty()) *error = readError;
    return finished && readError.empty();
}
