// The normaliser's cost: analysing a text rich in numbers, dates, times,
// prices, addresses and abbreviations with every reader switched on, against
// the same text with the conversions switched off (the driver then reads the
// characters itself). Items per second are characters of input text.
#include <benchmark/benchmark.h>

#include <string>

#include "core/attribute.h"
#include "engine/sentence_stages.h"
#include "platform/codepage.h"
#include "text/dictionary.h"
#include "text/spell.h"
#include "text/text_analyser.h"

namespace {

const std::string& RichText() {
    static const std::string text = [] {
        const char* paragraph =
            "Pociąg IC 5310 odjeżdża 12/05/2002 o 7:05 z peronu 2, przyjazd 14:30:15. "
            "Cena 1.234,56 zł, rabat 3,5%, razem -12 zł; kontakt jan.kowalski@firma.pl "
            "lub http://www.firma.com.pl/oferta?id=7, tel. 0221234567 :-) Uwaga!!!! "
            "Raport NBP i GUS z 2002-05-12, np. 25 000 000 osób, 0,125 mln. ";
        std::string utf8;
        for (int i = 0; i < 200; ++i) utf8 += paragraph;
        return Utf8ToCp1250(utf8);
    }();
    return text;
}

void SwitchConversions(SAttribute& settings, bool on) {
    settings.convertNumber = settings.convertDate = settings.convertTime = on;
    settings.convertSequence = settings.convertURL = settings.convertSymbol = on;
    settings.convertAbbrev = settings.useExtDict = on;
}

void Analyse(benchmark::State& state, bool conversions) {
    const std::string& text = RichText();
    SAttribute settings;
    settings.decimalSeparator = ',';
    settings.thousandsSeparator = '.';
    SwitchConversions(settings, conversions);
    SSpell spell;
    spell.Load();
    SDictionary dictionary;
    // The shipped example dictionary, beside the sources.
    std::string root = __FILE__;
    root = root.substr(0, root.find_last_of('/')) + "/../data/";
    dictionary.Load("client.exp", root);
    STextAnalyser analyser;
    analyser.Attach(&settings, &spell, &dictionary);
    int64_t words = 0;
    for (auto _ : state) {
        analyser.BeginText(text.c_str());
        while (SSentence* sentence = NextReadySentence(analyser)) words += sentence->WordCount();
    }
    benchmark::DoNotOptimize(words);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_NormaliseRichText(benchmark::State& state) {
    Analyse(state, true);
}
void BM_RichTextWithoutConversions(benchmark::State& state) {
    Analyse(state, false);
}

BENCHMARK(BM_NormaliseRichText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RichTextWithoutConversions)->Unit(benchmark::kMillisecond);

}  // namespace
