#include "espeak_source.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>

#include "allophone_cut.h"
#include "carrier_plan.h"
#include "espeak_render.h"

namespace voicebuild {

namespace {

std::string DescribeCut(const CarrierCut& plan, const CutResult& cut, int rate) {
    auto ms = [rate](size_t samples) { return 1000.0 * double(samples) / rate; };
    char text[320];
    std::snprintf(text, sizeof text, "\"%s\" [%s] %.1f-%.1f ms (events %.1f-%.1f), %s; %s", plan.text, cut.found.c_str(),
                  ms(cut.start), ms(cut.end), ms(cut.event_start), ms(cut.event_end), CutKindName(plan.kind),
                  plan.context);
    return text;
}

// The slow rate steady stretches are taken from: espeak-ng's transitions
// keep their length when it slows down, so the steady part grows.
constexpr int kSlowRate = 80;

// Vowels and continuants are taken steady; stops keep closure and burst as
// cut, and the i-vowels keep the palatal glide their names stand for.
bool TakesSteadyCut(const CarrierCut& plan) {
    return plan.kind != CutKind::kStop && plan.phonemes[0] != ';';
}

std::string DescribeSteadyCut(const CutResult& cut, int rate) {
    char text[160];
    std::snprintf(text, sizeof text, "; steady %.1f-%.1f ms at %d wpm (%.1f dB)", 1000.0 * double(cut.start) / rate,
                  1000.0 * double(cut.end) / rate, kSlowRate, cut.stability_db);
    return text;
}

}  // namespace

RecordingSet ExtractFromEspeak() {
    EspeakRenderer espeak;
    RecordingSet set;
    for (const CarrierCut& plan : PolishCarrierPlan()) {
        Rendering carrier = espeak.Render(plan.text);
        set.rate = carrier.rate;
        CutResult cut = CutAllophone(carrier, plan);
        std::string how = DescribeCut(plan, cut, carrier.rate);
        if (TakesSteadyCut(plan)) {
            // The natural-rate cut gives the length; the slow carrier the sound.
            CutResult steady = CutSteady(espeak.Render(plan.text, kSlowRate), plan, cut.samples.size());
            how += DescribeSteadyCut(steady, carrier.rate);
            cut.samples = std::move(steady.samples);
        }
        set.recordings.push_back({plan.name, std::move(cut.samples), how});
    }
    NormaliseSetPeak(set, kSetPeakDb);
    const char* data_path = nullptr;
    set.source = std::string("espeak-ng ") + espeak_Info(&data_path) +
                 ", Polish voice, 175 words per minute, rendered at " + std::to_string(set.rate) +
                 " Hz through its C library. Each allophone is located in a carrier word by the library's "
                 "phoneme events (their sample positions) and trimmed of silence; its length is that of the "
                 "cut at 175 words per minute (a stop keeps the closure before its burst, up to 60 ms). "
                 "Stops, affricates and the i-vowels (which carry the palatal glide their names stand for) "
                 "are cut there. Every other vowel and consonant is taken from the same carrier spoken at " +
                 std::to_string(kSlowRate) +
                 " words per minute, where its steady part outlasts the transitions into its neighbours: "
                 "of all windows of the needed length inside its events, the one whose short-time log-mel "
                 "spectra stray least from their mean and change least from frame to frame. Edges are "
                 "snapped to zero crossings and given 3 ms raised-cosine fades; the set shares one gain "
                 "that puts its loudest sample at -1.5 dBFS.";
    return set;
}

}  // namespace voicebuild
