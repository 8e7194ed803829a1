#include "phonetics/vowel_forms.h"

#include "model/allophone_ids.h"

using namespace allophone;

namespace {

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

// The plain vowels a, e, i, o, u, y and their stressed forms.
constexpr int kLastSimpleVowel = kY;
constexpr int kFirstStressed = kA + kAlfStressedOffset;
constexpr int kLastSimpleStressed = kY + kAlfStressedOffset;
constexpr int kFirstFinal = kA + kAlfFinalOffset;
constexpr int kLastSimpleFinal = kY + kAlfFinalOffset;
constexpr int kLastPlainVowel = 16;

}  // namespace

int RuleFeatures(int id) {
    return id < 0 || id > kAlfErr ? 0 : InventoryFeatures(id);
}

int RuleFeaturesAt(const SAlofonBff& word, int index) {
    return RuleFeatures(word.IdAt(index));
}

bool IsVowelAt(const SAlofonBff& word, int index) {
    return (RuleFeaturesAt(word, index) & AF_VOWEL) != 0;
}

bool IsConsonantAt(const SAlofonBff& word, int index) {
    return (RuleFeaturesAt(word, index) & AF_CONSONANT) != 0;
}

int CountVowels(const SAlofonBff& word) {
    int count = 0;
    for (int i = 0; i < word.GetSize(); ++i)
        if (IsVowelAt(word, i)) ++count;
    return count;
}

int FinalForm(SAlofonBff& word, int index) {
    SAlofon* record = word.RecordAt(index);
    if (!record || record->locked) return index;
    int id = record->id;
    if (InRange(id, kA, kLastPlainVowel)) {
        record->SetId(id + kAlfFinalOffset);
    } else if (InRange(id, kFirstStressed, kLastSimpleStressed)) {
        record->SetId(id - kAlfStressedOffset);
        word.Insert(index + 1, new SAlofon(id + kAlfStressedOffset));
        return index + 1;
    }
    return index;
}

int StressForm(SAlofonBff& word, int index, bool lengthen) {
    SAlofon* record = word.RecordAt(index);
    if (!record || record->locked) return index;
    int id = record->id;
    bool simple =
        InRange(id, kA, kLastSimpleVowel) || InRange(id, kFirstStressed, kLastSimpleStressed);
    if (lengthen && simple) {
        int plain = id > kLastSimpleVowel ? id - kAlfStressedOffset : id;
        record->SetId(plain);
        word.Insert(index, new SAlofon(plain));
        return index + 1;
    }
    if (InRange(id, kA, kLastPlainVowel)) {
        record->SetId(id + kAlfStressedOffset);
    } else if (InRange(id, kFirstFinal, kLastSimpleFinal)) {
        word.Insert(index, new SAlofon(id - kAlfFinalOffset));
        return index + 1;
    } else if (InRange(id, kLastSimpleFinal + 1, kAlfLastVowel)) {
        record->SetId(id - kAlfStressedOffset);
    }
    return index;
}

void FinalConsonant(SAlofonBff& word, int index) {
    SAlofon* record = word.RecordAt(index);
    if (!record) return;
    switch (record->id) {
        case kM:
            record->SetId(kMFinal);
            break;
        case kN:
            record->SetId(kNFinal);
            break;
        case kLl:
        case kLll:
            record->SetId(kLlFinal);
            break;
        default:
            break;
    }
}

int StressedVowel(const SAlofonBff& word) {
    int found = -1;
    int seen = 0;
    for (int i = word.GetSize() - 1; i >= 0; --i) {
        if (!IsVowelAt(word, i)) continue;
        found = i;
        if (++seen == 2) break;
    }
    return found;
}
