#include "sapi5/speak_request.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "capi/shared_voice.h"
#include "sapi5/site_audio_dest.h"

namespace {

// SAPI sends -10..10; anything beyond is clamped there first.
constexpr long kMaxRateSteps = 10;
constexpr double kStepsPerOctave = 24.0;

// The settings a Speak call moves, put back however it ends.
class SSavedVoice {
public:
    explicit SSavedVoice(SAttribute& settings)
        : settings_(settings),
          speed_(settings.speed),
          voicePitch_(settings.voicePitch),
          spellMode_(settings.spellMode),
          taggedText_(settings.taggedText) {}
    ~SSavedVoice() {
        settings_.SetSpeed(speed_);
        settings_.voicePitch = voicePitch_;
        settings_.spellMode = spellMode_;
        settings_.taggedText = taggedText_;
    }
    SSavedVoice(const SSavedVoice&) = delete;
    SSavedVoice& operator=(const SSavedVoice&) = delete;

    int Speed() const { return speed_; }
    int VoicePitch() const { return voicePitch_; }

private:
    SAttribute& settings_;
    int speed_, voicePitch_;
    bool spellMode_, taggedText_;
};

// Detaches the destination and listener from the engine however the run ends.
class SEngineHookup {
public:
    SEngineHookup(SVoiceEngine& engine, SSiteAudioDest& dest) : engine_(engine) {
        engine_.SetListener(&dest);
        engine_.SetAudioDest(&dest);
    }
    ~SEngineHookup() {
        engine_.SetAudioDest(nullptr);
        engine_.SetListener(nullptr);
    }
    SEngineHookup(const SEngineHookup&) = delete;
    SEngineHookup& operator=(const SEngineHookup&) = delete;

private:
    SVoiceEngine& engine_;
};

class SRunSpeaker {
public:
    SRunSpeaker(SVoiceEngine& engine, SAttribute& settings, const SSavedVoice& saved,
                SSiteOutput& output)
        : engine_(engine), settings_(settings), saved_(saved), output_(output) {}

    void Speak(const SScriptItem& run) {
        std::vector<uint32_t> sentenceStarts;
        uint32_t first = 0;
        settings_.SetVoicePitch(VoicePitchForSteps(saved_.VoicePitch(), run.state.middleAdj));
        for (;;) {
            ApplyRate(run);
            // Our bookmarks and spelled fragments travel as tags.
            settings_.taggedText = true;
            SSiteAudioDest dest(output_, engine_, run, first, sentenceStarts,
                                [this, &run] { ApplyRate(run); });
            SEngineHookup hookup(engine_, dest);
            engine_.StartRequest(std::string_view(run.text.cp1250).substr(first));
            while (!dest.Halted()) {
                if (engine_.SpeakStep() != STtsEngine::kDestinationFull) break;
            }
            if (!dest.TakeRestart(first)) return;
        }
    }

private:
    void ApplyRate(const SScriptItem& run) {
        output_.TakeRateChange();
        settings_.SetSpeed(SpeedForRate(saved_.Speed(), output_.BaseRate() + run.state.rateAdj));
    }

    SVoiceEngine& engine_;
    SAttribute& settings_;
    const SSavedVoice& saved_;
    SSiteOutput& output_;
};

// A skip asked for during a silence: the silence is what it leaves out.
void SkipSilence(SSiteOutput& output) {
    long sentences = 0;
    if (output.TakeSkip(sentences)) output.CompleteSkip(0);
}

}  // namespace

int SpeedForRate(int savedSpeed, long rateSteps) {
    const long steps = std::clamp(rateSteps, -kMaxRateSteps, kMaxRateSteps);
    const double speed = savedSpeed * std::pow(3.0, steps / 10.0);
    return static_cast<int>(
        std::clamp(std::lround(speed), long{SAttribute::kMinSpeed}, long{SAttribute::kMaxSpeed}));
}

int VoicePitchForSteps(int savedVoicePitch, long middleSteps) {
    // Two octaves either way already reach past the range.
    const long steps = std::clamp(middleSteps, -48L, 48L);
    const double percent = savedVoicePitch * std::pow(2.0, steps / kStepsPerOctave);
    return static_cast<int>(std::clamp(std::lround(percent), long{SAttribute::kMinVoicePitch},
                                       long{SAttribute::kMaxVoicePitch}));
}

HRESULT SpeakScript(SVoiceEngine& engine, SAttribute& settings,
                    const std::vector<SScriptItem>& script, ISpTTSEngineSite& site) {
    SSiteOutput output(site);
    std::lock_guard<std::mutex> lock(VoiceMutex());
    RefreshPauses(engine, settings);
    SSavedVoice saved(settings);
    SRunSpeaker speaker(engine, settings, saved, output);
    for (const SScriptItem& item : script) {
        if (output.Ended()) break;
        output.SetFragmentVolume(item.state.volume);
        if (item.kind == SScriptItem::Kind::Silence) {
            if (!output.WriteSilence(item.silenceMs) && output.SkipPending()) SkipSilence(output);
        } else {
            speaker.Speak(item);
        }
    }
    return output.Result();
}
