// Real-world sentences read end to end by the analyser with every reader in
// place: the words a listener hears, in order.
#include <gtest/gtest.h>

#include "core/attribute.h"
#include "recording_sink.h"
#include "text/dictionary.h"
#include "text/spell.h"
#include "text/text_analyser.h"

namespace {

class NormaliserCorpusTest : public ::testing::Test {
protected:
    void SetUp() override {
        spell_.Load();
        dictionary_.Load("client.exp", VOKRANT_SOURCE_DATA_DIR);
        settings_.decimalSeparator = ',';
        settings_.thousandsSeparator = '.';
        settings_.dateSeparator = '.';
        settings_.extendedReading = false;  // the plain rules
    }

    // Spoken words (markers and hidden words left out) in UTF-8, sentences
    // separated by " | ".
    std::string Read(const char* utf8) {
        std::string text = Cp(utf8);
        STextAnalyser analyser;
        analyser.Attach(&settings_, &spell_, &dictionary_);
        analyser.BeginText(text.c_str());
        std::string out;
        int sentences = 0;
        while (SSentence* sentence = analyser.NextSentence()) {
            if (++sentences > 1000) break;
            if (!out.empty()) out += " |";
            for (const SWord* word : sentence->words) {
                if (word->hidden || word->text.empty()) continue;
                if (static_cast<unsigned char>(word->text[0]) < 32) continue;
                out += ' ' + Cp1250ToUtf8(word->text);
            }
        }
        return out.empty() ? out : out.substr(1);
    }

    SAttribute settings_;
    SSpell spell_;
    SDictionary dictionary_;
};

struct SCorpusCase {
    const char* text;
    const char* heard;
};

TEST_F(NormaliserCorpusTest, MixedRealWorldSentences) {
    const SCorpusCase cases[] = {
        {"Pociąg IC 5310 odjeżdża o 7:05 z peronu 2, przyjazd 12:40.",
         "pociąg i ce pięć tysięcy trzysta dziesięć odjeżdża o siódma zero pięć z peronu dwa , "
         "przyjazd dwunasta czterdzieści ."},
        {"Chleb 3,49 zł, masło 6,99 zł, razem 10,48 zł.",
         "chleb trzy i czterdzieści dziewięć setnych złotych , masło sześć i dziewieńdziesiąt "
         "dziewięć setnych złotych , razem dziesięć i czterdzieści osiem setnych złotych"},
        {"Jan Kowalski, tel. 601234567, e-mail jan.kowalski@firma.pl, www.firma.com.pl",
         "jan kowalski , telefon sześset jeden milionów dwieście trzydzieści cztery tysiące "
         "pieńcet "
         "sześdziesiąt siedem , e mail jan . kowalski małpa firma kropka peel , wuwu wu kropka "
         "firma kropka kom kropka peel"},
        {"Dnia 12.05.2002 inflacja wyniosła 3,5% wg GUS, np. w Warszawie.",
         "dnia dwunasty maja dwa tysiące drugiego roku inflacja wyniosła trzy i pięć dziesiątych "
         "według gie u es , na przykład w warszawie"},
        {"Uwaga!!!! To jest \\Spd=120\\ szybko :-) i \\Mrk=5\\ koniec.",
         "uwaga cztery  razy  wykrzyknik | to jest szybko uśmiechlnik i koniec"},
        {"Tel. 0221234567 -5 st. C",
         "telefon zero dwa dwa jeden dwa trzy cztery pięć sześć siedem "
         "minus pięć es te . | ce"},
    };
    for (const SCorpusCase& c : cases) EXPECT_EQ(Read(c.text), c.heard) << c.text;
}

TEST_F(NormaliserCorpusTest, SwitchesTurnReadersOff) {
    settings_.convertURL = false;
    settings_.convertSymbol = false;
    settings_.convertSequence = false;
    settings_.convertAbbrev = false;
    settings_.useExtDict = false;
    settings_.convertDate = false;
    settings_.convertTime = false;
    EXPECT_EQ(Read("PKP www.abc.pl :-) 7:05 np"),
              "pkp www . | abc . | pl : ) siedem : zero pięć np");
    settings_.convertNumber = false;
    EXPECT_EQ(Read("3,14"), "trzy oraz jeden cztery");
    settings_.readInterpunction = true;
    EXPECT_EQ(Read("a, b"), "a przecinek b");
    settings_.taggedText = false;
    EXPECT_EQ(Read("\\Spd=120\\"), "bekslesz spd równa się jeden dwa zero bekslesz");
}

TEST_F(NormaliserCorpusTest, DictionaryReplacementsDoNotCascadeOrGetSpelled) {
    dictionary_.RemoveAll();
    dictionary_.Parse("kot kot kot\nPZU PZU\nx KGB\n");
    EXPECT_EQ(Read("Kot i x"), "kot kot i kgb");
    EXPECT_EQ(Read("PZU"), "pzu");
}

TEST_F(NormaliserCorpusTest, SpellModeAndRunsInside) {
    EXPECT_EQ(Read("\\RmS=1\\Ab!!!!"), "a be cztery  razy  wykrzyknik");
}

}  // namespace
