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

}  // namespace

RecordingSet ExtractFromEspeak() {
    EspeakRenderer espeak;
    RecordingSet set;
    for (const CarrierCut& plan : PolishCarrierPlan()) {
        Rendering carrier = espeak.Render(plan.text);
        set.rate = carrier.rate;
        CutResult cut = CutAllophone(carrier, plan);
        set.recordings.push_back({plan.name, std::move(cut.samples), DescribeCut(plan, cut, carrier.rate)});
    }
    NormaliseSetPeak(set, kSetPeakDb);
    const char* data_path = nullptr;
    set.source = std::string("espeak-ng ") + espeak_Info(&data_path) +
                 ", Polish voice, 175 words per minute, rendered at " + std::to_string(set.rate) +
                 " Hz through its C library. Each allophone is cut out of a carrier word by the library's "
                 "phoneme events (their sample positions), trimmed of silence (a stop keeps the closure "
                 "before its burst, up to 60 ms), snapped to zero crossings and given 3 ms raised-cosine "
                 "fades; the set shares one gain that puts its loudest sample at -1.5 dBFS.";
    return set;
}

}  // namespace voicebuild
