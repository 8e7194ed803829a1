#include "synthesis/intonation.h"

#include <algorithm>
#include <cmath>

#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/word.h"
#include "synthesis/voice_pitch.h"

namespace {

// Contour sizes at the natural depth (50 %), as fractions of the pitch.
// Reading a pattern at another step moves its formants with its pitch, so
// the contour is kept shallow except where it carries meaning (the question
// rise): a deeper declination or fall changes the voice's timbre.
constexpr double kDeclination = 0.02;  // first to last sound of a statement
constexpr double kFinalFall = 0.05;    // over the last vowel
constexpr double kQuestionRise = 0.16;
constexpr double kCommaRise = 0.04;
constexpr int kNaturalDepth = 50;

constexpr int kFirstStressedVowel = 17;
constexpr int kLastStressedVowel = 32;
constexpr int kPausePunctuation = 108;
constexpr int kFirstTagCarrier = 113;

// One sounding allophone on the contour's time axis.
struct SSound {
    int word, index;
    double start, end;  // pattern samples from the sentence's first sound
    bool vowel, stressed;
    bool voiced;  // carries the tune; a voiceless sound has no pitch to move
};

struct SBoundary {
    double at;      // time of the pause
    bool question;  // rises like a question (else a comma's lesser rise)
    bool sentenceEnd;
};

bool IsQuestionMark(const SWord& word) {
    return word.text == "?" || word.sourceText == "?";
}

// Collects the sounds and the comma pauses; the sentence end is the last
// sound, a question when a question mark follows it.
void Collect(const SSentence& sentence, const SAlfPattArr& store, std::vector<SSound>& sounds,
             std::vector<SBoundary>& boundaries, bool& question) {
    double t = 0.0;
    question = false;
    for (int w = 0; w < sentence.words.GetSize(); ++w) {
        const SWord& word = *sentence.words[w];
        if (word.control) continue;
        if (IsQuestionMark(word)) question = true;
        for (int a = 0; a < word.GetSize(); ++a) {
            int id = word[a]->id;
            if (id >= kFirstTagCarrier) continue;
            const SAlofonPatt* p = store.PatternAt(id);
            if (!p) continue;
            if (p->features & AF_PAUSE) {
                if (id == kPausePunctuation && !sounds.empty())
                    boundaries.push_back({t, false, false});
                continue;
            }
            question = false;  // words after the question mark: not a question's end
            double length = std::max(0, p->end - p->first);
            bool stressed = id >= kFirstStressedVowel && id <= kLastStressedVowel;
            sounds.push_back({w, a, t, t + length, (p->features & AF_VOWEL) != 0, stressed,
                              CarriesPitch(p->features)});
            t += length;
        }
    }
    // A question mark that is the text's last character is no word of its
    // own; the sentence still remembers it.
    if (sentence.endMark == '?') question = true;
    if (!sounds.empty()) boundaries.push_back({t, question, true});
}

// The sounds that end at or before `at`, as a range's end: sounds follow one
// another, so both their starts and their ends only grow.
std::vector<SSound>::const_reverse_iterator LastEndingBy(const std::vector<SSound>& sounds,
                                                         double at) {
    return std::make_reverse_iterator(std::partition_point(
        sounds.begin(), sounds.end(), [at](const SSound& s) { return s.end <= at; }));
}

// The start of the last stressed vowel (else the last vowel, else the last
// sound) that ends at or before `at` and after `after`.
double RiseStart(const std::vector<SSound>& sounds, double after, double at) {
    double vowel = -1.0, any = -1.0;
    for (auto it = LastEndingBy(sounds, at); it != sounds.rend() && it->start >= after; ++it) {
        if (it->stressed) return it->start;
        if (it->vowel && vowel < 0) vowel = it->start;
        if (any < 0) any = it->start;
    }
    return vowel >= 0 ? vowel : std::max(any, after);
}

// A statement falls over its last vowel only (else its last sound): a fall
// from the last stressed vowel reads more of the sentence off its pitch.
double FallStart(const std::vector<SSound>& sounds, double after, double at) {
    for (auto it = LastEndingBy(sounds, at); it != sounds.rend() && it->start >= after; ++it)
        if (it->vowel) return it->start;
    return RiseStart(sounds, after, at);
}

struct SContourShape {
    double total;                                       // length of the sentence's sounds
    double scale;                                       // depth / natural depth
    std::vector<std::pair<SBoundary, double>> accents;  // boundary and where its movement starts
};

double Factor(const SContourShape& shape, double t) {
    double f = shape.scale * kDeclination * (0.5 - t / std::max(shape.total, 1.0));
    // Accents come in time order, each starting after the one before ends:
    // only those from the first that ends at or after t can hold t.
    auto accent = std::partition_point(shape.accents.begin(), shape.accents.end(),
                                       [t](const auto& a) { return a.first.at < t; });
    for (; accent != shape.accents.end() && accent->second <= t; ++accent) {
        const auto& [b, from] = *accent;
        if (b.at <= from) continue;
        double progress = (t - from) / (b.at - from);
        double size = b.question ? kQuestionRise : b.sentenceEnd ? -kFinalFall : kCommaRise;
        f += shape.scale * size * progress;
    }
    return std::clamp(1.0 + f, 0.5, 2.0);
}

}  // namespace

SSentenceContour SentenceContour(const SSentence& sentence, int depth, const SVoicePair& voices) {
    SSentenceContour contour(static_cast<size_t>(sentence.words.GetSize()));
    for (int w = 0; w < sentence.words.GetSize(); ++w)
        contour[static_cast<size_t>(w)].resize(static_cast<size_t>(sentence.words[w]->GetSize()));
    if (!voices.normal) return contour;

    std::vector<SSound> sounds;
    std::vector<SBoundary> boundaries;
    bool question = false;
    Collect(sentence, *voices.normal, sounds, boundaries, question);
    if (sounds.empty()) return contour;

    SContourShape shape{sounds.back().end, std::clamp(depth, 0, 100) / double(kNaturalDepth), {}};
    double previous = 0.0;
    for (const SBoundary& b : boundaries) {
        bool fall = b.sentenceEnd && !b.question;
        shape.accents.push_back(
            {b, fall ? FallStart(sounds, previous, b.at) : RiseStart(sounds, previous, b.at)});
        previous = b.at;
    }
    for (const SSound& s : sounds) {
        // Reading a voiceless sound at another step would only move its
        // noise spectrum; it stays at the settings' own pitch.
        if (!s.voiced) continue;
        SPitchRamp& ramp = contour[static_cast<size_t>(s.word)][static_cast<size_t>(s.index)];
        ramp.from = SFP::FromReal(Factor(shape, s.start));
        ramp.to = SFP::FromReal(Factor(shape, s.end));
    }
    return contour;
}
