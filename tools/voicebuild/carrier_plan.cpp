#include "carrier_plan.h"

namespace voicebuild {

namespace {

constexpr CutKind V = CutKind::kVowel;
constexpr CutKind S = CutKind::kStop;
constexpr CutKind C = CutKind::kContinuant;

// Vowels stand between "t"s, whose bursts and closures are easy to cut away:
// the plain form in the unstressed second syllable of a four-syllable word,
// the stressed form in the penultimate syllable, the phrase-final form at the
// end of a statement. Nasal vowels are followed by "s", before which they
// stay nasal. The i-vowels follow "ń" and take its palatal release, the
// glide that their names stand for. Consonants
// stand between "a"s; soft ones before "i".
const std::vector<CarrierCut> kPlan = {
    {"a", "tatatata", 3, "a", V, "unstressed, inside the word"},
    {"e", "tatetata", 3, "E", V, "unstressed, inside the word"},
    {"i", "tatitata", 3, "i", V, "unstressed, inside the word, after soft t"},
    {"o", "tatotata", 3, "O", V, "unstressed, inside the word"},
    {"u", "tatutata", 3, "u", V, "unstressed, inside the word"},
    {"y", "tatytata", 3, "y", V, "unstressed, inside the word"},
    {"an", "tatąsata", 3, "O~", V, "unstressed nasal before s"},
    {"en", "tatęsata", 3, "E~", V, "unstressed nasal before s"},
    {"ia", "taniatata", 3, "; a", V, "unstressed, after soft n"},
    {"ie", "tanietata", 3, "; E", V, "unstressed, after soft n"},
    {"io", "taniotata", 3, "; O", V, "unstressed, after soft n"},
    {"iu", "taniutata", 3, "; u", V, "unstressed, after soft n"},
    {"err", "tetyteta", 3, "y", V, "a neutral unstressed y stands for an impossible sound"},
    {"ian", "taniąsata", 3, "; O~", V, "unstressed nasal after soft n, before s"},
    {"ien", "tanięsata", 3, "; E~", V, "unstressed nasal after soft n, before s"},

    {"aa", "tatata", 3, "a", V, "stressed penultimate syllable"},
    {"ee", "tateta", 3, "E", V, "stressed penultimate syllable"},
    {"ii", "tatita", 3, "i", V, "stressed penultimate syllable, after soft t"},
    {"oo", "tatota", 3, "O", V, "stressed penultimate syllable"},
    {"uu", "tatuta", 3, "u", V, "stressed penultimate syllable"},
    {"yy", "tatyta", 3, "y", V, "stressed penultimate syllable"},
    {"aan", "tatąsa", 3, "O~", V, "stressed nasal before s"},
    {"een", "tatęsa", 3, "E~", V, "stressed nasal before s"},
    {"iaa", "taniata", 3, "; a", V, "stressed, after soft n"},
    {"iee", "tanieta", 3, "; E", V, "stressed, after soft n"},
    {"ioo", "taniota", 3, "; O", V, "stressed, after soft n"},
    {"iuu", "taniuta", 3, "; u", V, "stressed, after soft n"},
    {"iaan", "taniąsa", 3, "; O~", V, "stressed nasal after soft n, before s"},
    {"ieen", "tanięsa", 3, "; E~", V, "stressed nasal after soft n, before s"},

    {"a_", "tata.", 3, "a#", V, "word-final at the end of a statement"},
    {"e_", "tate.", 3, "E", V, "word-final at the end of a statement"},
    {"i_", "tati.", 3, "i", V, "word-final at the end of a statement"},
    {"o_", "tato.", 3, "O", V, "word-final at the end of a statement"},
    {"u_", "tatu.", 3, "u", V, "word-final at the end of a statement"},
    {"y_", "taty.", 3, "y", V, "word-final at the end of a statement"},
    {"ia_", "tania.", 3, "; a#", V, "word-final after soft n, end of a statement"},
    {"ie_", "tanie.", 3, "; E#", V, "word-final after soft n, end of a statement"},
    {"io_", "tanio.", 3, "; O", V, "word-final after soft n, end of a statement"},
    {"iu_", "taniu.", 3, "; u", V, "word-final after soft n, end of a statement"},

    {"b", "taba", 2, "b", S, "between vowels"},
    {"bi", "tabita", 2, "b ;", S, "before i"},
    {"d", "tada", 2, "d", S, "between vowels"},
    {"di", "tadita", 2, "d;", S, "before i"},
    {"g", "taga", 2, "g", S, "between vowels"},
    {"gi", "tagita", 2, "g ;", S, "before i"},
    {"w", "tawa", 2, "v", C, "between vowels"},
    {"wi", "tawita", 2, "v", C, "before i"},
    {"z", "taza", 2, "z", C, "between vowels"},
    {"zi", "taźita", 2, "Z;", C, "before i"},
    {"rz", "tarza", 2, "Z", C, "between vowels"},
    {"dz", "tadza", 2, "dz", S, "between vowels"},
    {"dzi", "tadźita", 2, "dz;", S, "before i"},
    {"drz", "tadża", 2, "dZ", S, "between vowels"},
    {"p", "tapa", 2, "p", S, "between vowels"},
    {"pi", "tapita", 2, "p", S, "before i"},
    {"t", "tata", 2, "t", S, "between vowels"},
    {"ti", "tatita", 2, "t;", S, "before i"},
    {"k", "taka", 2, "k", S, "between vowels"},
    {"ki", "takita", 2, "k", S, "before i"},
    {"f", "tafa", 2, "f", C, "between vowels"},
    {"fi", "tafita", 2, "f", C, "before i"},
    {"s", "tasa", 2, "s", C, "between vowels"},
    {"si", "taśita", 2, "S;", C, "before i"},
    {"sz", "tasza", 2, "S", C, "between vowels"},
    {"c", "taca", 2, "ts", S, "between vowels"},
    {"ci", "taćita", 2, "ts;", S, "before i"},
    {"cz", "tacza", 2, "tS", S, "between vowels"},
    {"m", "tama", 2, "m", C, "between vowels"},
    {"mi", "tamita", 2, "m", C, "before i"},
    {"n", "tana", 2, "n", C, "between vowels"},
    {"ni", "tańita", 2, "n^", C, "before i"},
    {"ng", "tanka", 2, "N", C, "velar nasal before k"},
    {"nn", "tanna", 2, "n", C, "first of a doubled n"},
    {"m_", "tam.", 2, "m", C, "word-final at the end of a statement"},
    {"n_", "tan.", 2, "n", C, "word-final at the end of a statement"},
    {"h", "taha", 2, "x", C, "between vowels"},
    {"hi", "tahita", 2, "C", C, "before i"},
    {"l", "tala", 2, "l", C, "between vowels"},
    {"li", "talita", 2, "l", C, "before i"},
    {"ll", "tauta", 2, "w", C, "glide of a diphthong before a consonant"},
    {"ll_", "tał.", 2, "w", C, "word-final at the end of a statement"},
    {"lll", "tała", 2, "w", C, "between vowels"},
    {"r", "tara", 2, "R", C, "between vowels"},
    {"ri", "tarita", 2, "R", C, "before i"},
    {"j", "tabiata", 3, "j", C, "glide after a soft consonant"},
    {"jj", "taja", 2, "j", C, "between vowels"},
};

}  // namespace

const std::vector<CarrierCut>& PolishCarrierPlan() {
    return kPlan;
}

const char* CutKindName(CutKind kind) {
    switch (kind) {
        case CutKind::kVowel:
            return "vowel";
        case CutKind::kStop:
            return "stop";
        case CutKind::kContinuant:
            return "continuant";
    }
    return "?";
}

}  // namespace voicebuild
