// Text analysis alone: segmentation, transcription and sentence rules (and
// timing against whatever voice is loaded: none here) over the project's
// Polish prose. Items per second are characters of input text per second.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/attribute.h"
#include "engine/sentence_stages.h"
#include "platform/codepage.h"
#include "text/text_analyser.h"

namespace {

const std::string& ProseCp1250() {
    static const std::string text = [] {
        // The prose lives beside this file.
        std::string path = __FILE__;
        path = path.substr(0, path.find_last_of('/') + 1) + "prose_pl.txt";
        std::ifstream file(path, std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        std::string prose = Utf8ToCp1250(content.str());
        // Keep the benchmark meaningful even when the prose file is missing.
        return prose.empty() ? std::string("Ala ma kota, a kot ma Al\xEA. ") : prose;
    }();
    return text;
}

void BM_AnalyseProse(benchmark::State& state) {
    const std::string& text = ProseCp1250();
    SAttribute settings;
    STextAnalyser analyser;
    analyser.Attach(&settings, nullptr, nullptr);
    int64_t words = 0;
    for (auto _ : state) {
        analyser.BeginText(text.c_str());
        while (SSentence* sentence = NextReadySentence(analyser)) words += sentence->WordCount();
    }
    benchmark::DoNotOptimize(words);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_AnalyseProse)->Unit(benchmark::kMillisecond);

}  // namespace
