#include "espeak_source.h"

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
    return set;
}

}  // namespace voicebuild
