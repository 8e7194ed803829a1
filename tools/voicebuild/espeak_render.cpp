#include "espeak_render.h"

#include <espeak-ng/speak_lib.h>

#include <cstring>

#include "engine/exceptions.h"

namespace voicebuild {

namespace {

int sample_rate = 0;

// Collects audio and phoneme events into the Rendering passed as user data.
int CollectSynthesis(short* wav, int count, espeak_EVENT* events) {
    for (espeak_EVENT* ev = events; ev->type != espeakEVENT_LIST_TERMINATED; ++ev) {
        auto* out = static_cast<Rendering*>(ev->user_data);
        if (out == nullptr) continue;
        if (ev->type == espeakEVENT_PHONEME) {
            char name[sizeof(ev->id.string) + 1] = {};
            std::memcpy(name, ev->id.string, sizeof(ev->id.string));
            out->phonemes.push_back({name, static_cast<size_t>(ev->sample), 0});
        }
    }
    if (wav != nullptr && count > 0 && events->user_data != nullptr) {
        auto* out = static_cast<Rendering*>(events->user_data);
        out->samples.insert(out->samples.end(), wav, wav + count);
    }
    return 0;
}

}  // namespace

EspeakRenderer::EspeakRenderer() {
    sample_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                    espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
    if (sample_rate <= 0) ThrowExit(kExitProcessing, "espeak-ng could not be initialised");
    if (espeak_SetVoiceByName("pl") != EE_OK) {
        espeak_Terminate();
        ThrowExit(kExitProcessing, "espeak-ng has no Polish voice");
    }
    // Fixed parameters, so a user's espeak-ng defaults cannot change the voice.
    espeak_SetParameter(espeakRATE, 175, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    espeak_SetParameter(espeakPITCH, 50, 0);
    espeak_SetParameter(espeakRANGE, 50, 0);
    espeak_SetParameter(espeakWORDGAP, 0, 0);
    espeak_SetSynthCallback(CollectSynthesis);
}

EspeakRenderer::~EspeakRenderer() { espeak_Terminate(); }

Rendering EspeakRenderer::Render(const std::string& text) {
    Rendering out;
    out.rate = sample_rate;
    espeak_ERROR err = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                    espeakCHARS_UTF8, nullptr, &out);
    if (err != EE_OK || espeak_Synchronize() != EE_OK)
        ThrowExit(kExitProcessing, "espeak-ng failed on \"%s\"", text.c_str());
    for (size_t i = 0; i < out.phonemes.size(); ++i)
        out.phonemes[i].end = i + 1 < out.phonemes.size() ? out.phonemes[i + 1].start : out.samples.size();
    // Pause markers carry no sound of their own; dropping them keeps phoneme
    // indices independent of where espeak-ng chooses to pause.
    std::vector<PhonemeEvent> spoken;
    for (auto& ph : out.phonemes)
        if (!ph.mnemonic.empty() && ph.mnemonic[0] != '_') spoken.push_back(std::move(ph));
    out.phonemes = std::move(spoken);
    return out;
}

}  // namespace voicebuild
