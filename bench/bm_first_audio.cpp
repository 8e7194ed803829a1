// Time to first audio: from StartRequest to the first chunk handed to the
// audio destination, for a sentence of about 150 characters (goal: < 2 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "core/attribute.h"
#include "core/audio_dest.h"
#include "engine/tts_engine.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace {

// Takes the first chunk, then reports itself full, so the speak step returns
// as soon as the first audio has been handed over.
class SFirstChunkDest : public SAudioDest {
public:
    uint32_t FreeSpace() override { return gotData_ ? 0 : 1u << 20; }
    bool DataSet(const void*, uint32_t bytes) override {
        gotData_ = bytes > 0 || gotData_;
        return true;
    }
    bool BookMark(uint32_t) override { return true; }
    void Reset() { gotData_ = false; }
    bool GotData() const { return gotData_; }

private:
    bool gotData_ = false;
};

const std::string& Sentence() {
    static const std::string text = Utf8ToCp1250(
        "Wczoraj wieczorem moja sąsiadka przyniosła świeży chleb z piekarni na rogu ulicy, "
        "a potem wszyscy piliśmy herbatę z cytryną w ogrodzie pod starym dębem.");
    return text;
}

void BM_FirstAudio(benchmark::State& state) {
    SAttribute settings;
    settings.workDir = DataDir();
    settings.extDict = settings.workDir + "client.exp";
    SFirstChunkDest dest;
    STtsEngine engine(&dest, &settings);
    if (engine.Load(0) != 0) {
        state.SkipWithError("the voice could not be loaded from the data directory");
        return;
    }
    for (auto _ : state) {
        dest.Reset();
        engine.StartRequest(std::string_view(Sentence()));
        benchmark::DoNotOptimize(engine.SpeakStep(true, false));
        if (!dest.GotData()) {
            state.SkipWithError("no audio was produced");
            return;
        }
    }
    state.counters["chars"] = static_cast<double>(Sentence().size());
}
BENCHMARK(BM_FirstAudio)->Unit(benchmark::kMicrosecond);

}  // namespace
