// The tune of a sentence as a listener hears it, for the front-end tests:
// the same words ending in ".", "," and "?" spoken through a front end, and
// the pitch each ends on, measured from the sound. Frames of 40 ms every
// 5 ms; a frame is voiced when it is loud enough and its normalised
// autocorrelation has a clear peak between 60 and 400 Hz; the final pitch is
// the median of the last voiced frames' pitch.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sentence_tune {

// Normalised autocorrelation of x[at..at+n) with itself `lag` samples later.
inline double Correlation(const std::vector<int16_t>& x, size_t at, size_t n, size_t lag) {
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = at; i < at + n; ++i) {
        double a = x[i], b = x[i + lag];
        xy += a * b;
        xx += a * a;
        yy += b * b;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// The frame's pitch in Hz, or 0 when it is not clearly periodic.
inline double FramePitch(const std::vector<int16_t>& x, size_t at, size_t n, int rate) {
    size_t shortest = static_cast<size_t>(rate / 400), longest = static_cast<size_t>(rate / 60);
    if (at + n + longest > x.size()) return 0.0;
    std::vector<double> r(longest + 2, 0.0);
    double best = 0.0;
    for (size_t lag = shortest; lag <= longest + 1; ++lag) {
        r[lag] = Correlation(x, at, n, lag);
        if (lag <= longest) best = std::max(best, r[lag]);
    }
    if (best < 0.6) return 0.0;
    // The shortest lag whose peak comes near the best: no octave slips down.
    for (size_t lag = shortest + 1; lag <= longest; ++lag) {
        if (r[lag] < 0.9 * best || r[lag] < r[lag - 1] || r[lag] < r[lag + 1]) continue;
        double a = r[lag - 1], b = r[lag], c = r[lag + 1];
        double shift = (a - c) / (2.0 * (a - 2.0 * b + c));
        if (!std::isfinite(shift)) shift = 0.0;
        return rate / (static_cast<double>(lag) + std::clamp(shift, -0.5, 0.5));
    }
    return 0.0;
}

// The median pitch (Hz) of the last `frames` voiced frames of 16-bit mono
// PCM; 0 when the sound has none.
inline double FinalPitch(const std::vector<int16_t>& pcm, int rate, size_t frames = 4) {
    const size_t window = static_cast<size_t>(rate) / 25, hop = static_cast<size_t>(rate) / 200;
    double loudest = 0.0;
    std::vector<double> energy;
    for (size_t at = 0; at + window <= pcm.size(); at += hop) {
        double sum = 0.0;
        for (size_t i = at; i < at + window; ++i) sum += double(pcm[i]) * pcm[i];
        energy.push_back(sum);
        loudest = std::max(loudest, sum);
    }
    std::vector<double> pitches;
    for (size_t f = energy.size(); f-- > 0 && pitches.size() < frames;) {
        if (energy[f] < loudest * 0.01) continue;  // 20 dB below the loudest frame
        double hz = FramePitch(pcm, f * hop, window / 2, rate);
        if (hz > 0) pitches.push_back(hz);
    }
    if (pitches.empty()) return 0.0;
    std::sort(pitches.begin(), pitches.end());
    return pitches[pitches.size() / 2];
}

// The median pitch (Hz) of all voiced frames.
inline double MedianPitch(const std::vector<int16_t>& pcm, int rate) {
    return FinalPitch(pcm, rate, pcm.size());
}

// UTF-16 of a UTF-8 text (characters of the basic plane, as Polish needs).
inline std::u16string Utf16(const std::string& utf8) {
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        int extra = c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t code = extra == 2 ? c & 0x0F : extra == 1 ? c & 0x1F : c;
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += static_cast<char16_t>(code);
        i += 1 + extra;
    }
    return out;
}

// Speaks a text through a front end with the intonation on or off and
// returns its 16-bit mono samples.
using SSpeakFunction =
    std::function<std::vector<int16_t>(const std::string& text, bool intonation)>;

// A Polish yes/no question ends higher than the same words as a statement,
// which falls at its end; a comma (the sentence goes on) rises less than a
// question. Without intonation the end mark changes nothing: the question
// and the statement are the same sound.
inline void ExpectQuestionsRiseAndCommasRiseLess(const SSpeakFunction& speak, int rate = 22050) {
    for (const char* words : {"Czy Ala ma kota", "Czy mogę prosić o szklankę wody"}) {
        SCOPED_TRACE(words);
        const std::string base = words;
        double statement = FinalPitch(speak(base + ".", true), rate);
        double comma = FinalPitch(speak(base + ",", true), rate);
        double question = FinalPitch(speak(base + "?", true), rate);
        ASSERT_GT(statement, 0.0) << "a sentence of real speech ends voiced";
        EXPECT_GT(question, statement * 1.10) << "the question rises";
        EXPECT_GT(comma, statement * 1.03) << "a comma rises";
        EXPECT_LT(comma, question / 1.05) << "less than a question";

        std::vector<int16_t> flatStatement = speak(base + ".", false);
        EXPECT_EQ(speak(base + "?", false), flatStatement) << "one tune without intonation";
    }
}

}  // namespace sentence_tune
