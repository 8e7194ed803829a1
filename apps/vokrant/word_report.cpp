#include "word_report.h"

#include <vector>

#include "engine/sentence_stages.h"
#include "engine/tts_engine.h"
#include "json_lines.h"
#include "model/alofon.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/word.h"
#include "text/text_analyser.h"

std::string AllophoneName(int id) {
    if (const SAlofonPatt* pattern = NormalVoice().PatternAt(id)) {
        std::string_view name = pattern->Name();
        if (!name.empty()) return std::string(name);
    }
    std::string_view name = InventoryName(id);
    if (!name.empty()) return std::string(name);
    return "#" + std::to_string(id);
}

std::string WordJson(const SWord& word, int sentence, int index) {
    std::vector<std::string> allophones;
    int64_t samples = 0;
    for (int i = 0; i < word.GetSize(); ++i) {
        allophones.push_back(AllophoneName(word[i]->id));
        samples += word[i]->SampleCount();
    }
    SJsonLine line;
    line.Key("sentence").Number(sentence);
    line.Key("index").Number(index);
    line.Key("text").String(word.text);
    line.Key("source").String(word.sourceText);
    line.Key("offset").Number(word.sourcePosition);
    line.Key("hidden").Bool(word.hidden);
    line.Key("control").Bool(word.control);
    line.Key("phonetic").Bool(word.phonetic);
    line.Key("continuation").Bool(word.continuation);
    line.Key("closes").Bool(word.closesPhrase);
    line.Key("stressed").Bool(word.stressed);
    line.Key("allophones").StringArray(allophones);
    line.Key("samples").Number(samples);
    return line.Finish();
}

void WriteWordReport(STtsEngine& engine, const std::string& cp1250Text, std::FILE* out) {
    STextAnalyser& analyser = engine.GetTextAnalyser();
    analyser.BeginText(cp1250Text.c_str());
    int sentenceIndex = 0;
    while (SSentence* sentence = NextReadySentence(analyser)) {
        for (int i = 0; i < sentence->words.GetSize(); ++i) {
            std::string line = WordJson(*sentence->words[i], sentenceIndex, i);
            std::fwrite(line.data(), 1, line.size(), out);
        }
        ++sentenceIndex;
    }
    analyser.BeginText(nullptr);
}
