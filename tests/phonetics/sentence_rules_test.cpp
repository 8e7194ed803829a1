#include "phonetics/sentence_rules.h"

#include <gtest/gtest.h>

#include "core/attribute.h"
#include "phonetics/allophone_names.h"
#include "phonetics/vowel_forms.h"
#include "text/text_analyser.h"

namespace {

// Analyses one sentence of text (Windows-1250) and returns the allophones of
// its visible words, words separated by " | ".
std::string RulesOf(const char* text, bool colloquial = true, bool fluent = true) {
    SAttribute settings;
    settings.colloquialSpeech = colloquial;
    settings.fluentSpeech = fluent;
    STextAnalyser analyser;
    analyser.Attach(&settings, nullptr, nullptr);
    analyser.BeginText(text);
    SSentence* sentence = analyser.NextSentence();
    if (!sentence) return "<none>";
    ApplySentenceRules(*sentence);
    std::string result;
    for (int v = 0; v < sentence->VisibleCount(); ++v) {
        if (v) result += " | ";
        result += AllophoneNames(*sentence->VisibleWordAt(v));
    }
    return result;
}

struct RuleCase {
    const char* text;
    const char* allophones;
};

class SentenceRules : public testing::TestWithParam<RuleCase> {};

TEST_P(SentenceRules, RewriteAllophones) {
    EXPECT_EQ(RulesOf(GetParam().text), GetParam().allophones) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    InsideWords, SentenceRules,
    testing::Values(RuleCase{"wtorek", "f t o o r e k"},  // w devoiced before t
                    RuleCase{"kwiat", "k fi j iaa t"},    // wi takes k's voicelessness
                    RuleCase{"trzy", "t sz y y_"},        // rz takes t's voicelessness
                    RuleCase{"pro\x9C"
                             "ba",
                             "p r o o zi b a_"},  // prośba: si voiced before b
                    RuleCase{"z\xB9"
                             "b",
                             "z o o m p"},  // ząb: final devoicing, nasal before labial
                    RuleCase{"d\xB9"
                             "b",
                             "d o o m p"},  // dąb
                    RuleCase{"r\xEA"
                             "ka",
                             "r e e n k a_"},                  // ręka: nasal before velar
                    RuleCase{"pi\xEA\xE6", "pi j iee ni ci"},  // pięć: nasal before soft affricate
                    RuleCase{"w\xB9s", "w aan s"},             // wąs: stays nasal before s
                    RuleCase{"emma", "e e m p003 m a_"},       // doubled m gets a short pause
                    RuleCase{"tak", "t a a k"},                // accent before the end is doubled
                    RuleCase{"kota", "k o o t a_"},
                    RuleCase{"id\xEA", "i i d e_"},        // idę: final nasal e loses nasality
                    RuleCase{"poeta", "p o_ e e t a_"}));  // hiatus: final form, then stress

INSTANTIATE_TEST_SUITE_P(
    AcrossWords, SentenceRules,
    testing::Values(RuleCase{"Ala ma kota.", "aa l a_ | m a a_ | k o o t a_"},
                    RuleCase{"kota ma, kot", "k oo t a_ | m a a_ | p050 | k o o t"},
                    RuleCase{"nie ma", "ni iee | m a a_"},  // clitic and its word both stressed
                    RuleCase{"ma okno", "m a a_ p010 | o o k n o_"},  // pause before a vowel
                    RuleCase{"dom nowy",
                             "d oo m_ p010 | n o o w y_"},  // pause between nasal consonants
                    RuleCase{"kot bia\xB3y", "k oo d | bi j iaa lll y_"},  // t voiced before bi
                    RuleCase{"kot wie", "k oo t | wi j iee"}));            // ...but not before wi

TEST(SentenceRules, ColloquialOffKeepsNasalVowels) {
    EXPECT_EQ(RulesOf("r\xEA"
                      "ka",
                      false),
              "r een k a_");
    EXPECT_EQ(RulesOf("id\xEA", false), "i i d een");
}

TEST(SentenceRules, WordByWordReadingPausesAfterEveryWord) {
    EXPECT_EQ(RulesOf("kot pies", true, false), "k oo t p010 | pi j iee s");
}

TEST(SentenceRules, LockedAllophonesAreLeftAlone) {
    SSentence sentence;
    SWord* word = sentence.AppendWord("zz", "", 1, 0);  // z z
    word->RecordAt(0)->locked = true;
    word->RecordAt(1)->locked = true;
    word->Append(67)->locked = true;  // k
    word->phonetic = 0;
    WordRules(*word);
    EXPECT_EQ(AllophoneNames(*word), "z z k");
}

struct FormCase {
    int id;
    bool lengthen;
    const char* stress;  // after StressForm
    const char* final;   // after FinalForm
};

TEST(VowelForms, StressAndFinalForms) {
    const FormCase cases[] = {
        {1, false, "aa", "a_"},    {1, true, "a a", "a_"},      {17, true, "a a", "a a_"},
        {17, false, "aa", "a a_"}, {33, false, "a a_", "a_"},   {7, false, "aan", "aan"},
        {7, true, "aan", "aan"},   {39, false, "aan", "aan"},   {10, false, "iee", "ie_"},
        {42, false, "iee", "ie_"}, {47, false, "iaan", "iaan"}, {77, false, "m", "m"},
    };
    for (const FormCase& form : cases) {
        SAlofonBff stressed, final;
        stressed.Append(form.id);
        final.Append(form.id);
        StressForm(stressed, 0, form.lengthen);
        FinalForm(final, 0);
        EXPECT_EQ(AllophoneNames(stressed), form.stress) << form.id << " " << form.lengthen;
        EXPECT_EQ(AllophoneNames(final), form.final) << form.id;
    }
}

TEST(VowelForms, InsertingOperationsReturnTheGivenRecordsLastPiece) {
    SAlofonBff word;
    word.Append(65);
    word.Append(17);
    EXPECT_EQ(FinalForm(word, 1), 2);
    SAlofonBff doubled;
    doubled.Append(65);
    doubled.Append(2);
    EXPECT_EQ(StressForm(doubled, 1, true), 2);
    EXPECT_EQ(AllophoneNames(doubled), "t e e");
    SAlofonBff locked;
    locked.Append(2)->locked = true;
    EXPECT_EQ(StressForm(locked, 0, true), 0);
    EXPECT_EQ(FinalForm(locked, 0), 0);
    EXPECT_EQ(AllophoneNames(locked), "e");
}

TEST(VowelForms, FinalConsonants) {
    const std::pair<int, const char*> cases[] = {{77, "m_"},  {79, "n_"}, {91, "ll_"},
                                                 {93, "ll_"}, {80, "ni"}, {67, "k"}};
    for (auto [id, name] : cases) {
        SAlofonBff word;
        word.Append(id);
        FinalConsonant(word, 0);
        EXPECT_EQ(AllophoneNames(word), name) << id;
    }
}

TEST(VowelForms, StressedVowelIsThePenultimate) {
    const std::pair<std::vector<int>, int> cases[] = {
        {{67, 4, 65, 1}, 1}, {{65, 1, 67}, 1}, {{67, 65}, -1}, {{1, 2, 3}, 1}, {{}, -1}};
    for (const auto& [ids, expected] : cases) {
        SAlofonBff word;
        for (int id : ids) word.Append(id);
        EXPECT_EQ(StressedVowel(word), expected);
    }
}

}  // namespace
