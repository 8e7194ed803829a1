// Assimilation inside one word: voicing, vowel hiatus, doubled m/ł and, in
// colloquial reading, nasal vowels before consonants.
#include "model/allophone_ids.h"
#include "model/word.h"
#include "phonetics/sentence_rules.h"
#include "phonetics/vowel_forms.h"

using namespace allophone;

namespace {

bool IsLocked(const SAlofonBff& word, int index) {
    const SAlofon* record = word.RecordAt(index);
    return record && record->locked;
}

// "w", "wi" and "rz" after a voiceless consonant lose their voice instead of
// voicing it (kwiat, trzy).
bool TakesVoicelessness(int id) {
    return id == kW || id == kWi || id == kRz;
}

void AssimilateVoicing(SAlofonBff& word, int i, int featuresP, int featuresN) {
    if ((featuresP & AF_VOICED) && (featuresN & AF_VOICELESS)) {
        word.RecordAt(i)->Devoice();
    } else if ((featuresP & AF_VOICELESS) && (featuresN & AF_VOICED)) {
        if (TakesVoicelessness(word.IdAt(i + 1)))
            word.RecordAt(i + 1)->Devoice();
        else
            word.RecordAt(i)->Voice();
    }
}

void Denasalise(SAlofon& record) {
    switch (record.id) {
        case kEn:
        case kIen:
            record.SetId(record.id - 6);
            break;
        case kAn:
        case kIan:
            record.SetId(record.id - 3);
            break;
        default:
            break;
    }
}

// A nasal vowel before a consonant: which consonant to insert (kAlfNone for
// none) and whether the vowel loses its nasality.
int NasalConsonantBefore(int featuresN, bool& denasalise) {
    denasalise = true;
    if (featuresN & (AF_VELAR | AF_DENTAL)) return kN;
    if (featuresN & AF_AFFRICATE) return (featuresN & AF_SOFT) ? kNi : kN;
    if (featuresN & AF_LABIAL) return kM;
    denasalise = (featuresN & AF_LATERAL) != 0;
    return kAlfNone;
}

// Returns the index of the last record it produced.
int ResolveNasalVowel(SAlofonBff& word, int i, int featuresN) {
    bool denasalise = false;
    int inserted = NasalConsonantBefore(featuresN, denasalise);
    if (denasalise) Denasalise(*word.RecordAt(i));
    if (inserted != kAlfNone && !IsLocked(word, i) && !IsLocked(word, i + 1)) {
        word.Insert(i + 1, new SAlofon(inserted));
        return i + 1;
    }
    return i;
}

void DenasaliseFinalE(SAlofonBff& word) {
    SAlofon* last = word.RecordAt(word.GetSize() - 1);
    if (!last || !IsVowelAt(word, word.GetSize() - 1)) return;
    switch (last->id) {
        case kEn:
        case kIen:
        case kEn + kAlfFinalOffset:
        case kIen + kAlfFinalOffset:
            last->SetId(last->id - 6);
            break;
        default:
            break;
    }
}

}  // namespace

void WordRules(SWord& word) {
    if (word.control || word.phonetic || word.GetSize() < 2) return;
    for (int i = 0; i < word.GetSize() - 1; ++i) {
        const int p = word.IdAt(i), n = word.IdAt(i + 1);
        const int featuresP = RuleFeatures(p), featuresN = RuleFeatures(n);
        const bool consonantP = featuresP & AF_CONSONANT, consonantN = featuresN & AF_CONSONANT;
        const bool locked = IsLocked(word, i) || IsLocked(word, i + 1);

        if (consonantP && consonantN) AssimilateVoicing(word, i, featuresP, featuresN);
        if ((featuresP & AF_VOWEL) && (featuresN & AF_VOWEL) && !locked) {
            i = FinalForm(word, i);
            if (i < word.GetSize() - 2) i = StressForm(word, i + 1, false) - 1;
        }
        if (p == n && (p == kM || p == kLll) && !locked) {
            word.Insert(i + 1, new SAlofon(kAlfPauseDoubleLetter));
            ++i;
        } else if (word.colloquial && (featuresP & AF_NASAL) && (featuresP & AF_VOWEL) &&
                   consonantN) {
            i = ResolveNasalVowel(word, i, featuresN);
        }
    }
    if (word.colloquial) DenasaliseFinalE(word);
}
