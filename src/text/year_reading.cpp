#include "text/year_reading.h"

#include "resources/date_words.h"
#include "resources/resource_strings.h"
#include "text/dates.h"
#include "text/governing_prepositions.h"
#include "text/ordinals.h"
#include "text/scan_words.h"

namespace {

// The form of "rok" written after the year, and the case it shows when it
// shows one.
enum class SYearNounForm { kAbbreviated, kNominative, kGenitiveOrLocative, kInstrumental };

std::optional<SYearNounForm> YearNounAt(const char* text, uint32_t position, uint32_t& end) {
    const uint32_t start = text[position] == ' ' ? position + 1 : position;
    const std::string word = LetterWordAt(text, start, end);
    if (word == "r") {
        end = AfterAbbreviationPeriod(text, end);
        return SYearNounForm::kAbbreviated;
    }
    if (word == "rok") return SYearNounForm::kNominative;
    if (word == "roku") return SYearNounForm::kGenitiveOrLocative;
    if (word == "rokiem") return SYearNounForm::kInstrumental;
    return std::nullopt;
}

// The case of the year phrase from what stands before it. A year is a time
// like a clock hour ("na 2025 rok" as "na ósmą"), and where a preposition
// gives an hour no case it gives the year a noun's ("w 1989 roku").
SGrammaticalCase CaseFromContext(const char* text, uint32_t start) {
    const std::string previous = PreviousWord(text, start);
    if (IsGoverningPreposition(previous)) {
        const SGrammaticalCase asTime =
            CaseAfterPreposition(previous, SGovernedNumber::kClockHour);
        if (asTime != SGrammaticalCase::kNominative) return asTime;
        return CaseAfterPreposition(previous, SGovernedNumber::kNoun);
    }
    return StartsSentence(text, start) ? SGrammaticalCase::kNominative
                                       : SGrammaticalCase::kGenitive;
}

SGrammaticalCase CaseOf(SYearNounForm form, const char* text, uint32_t start) {
    const SGrammaticalCase context = CaseFromContext(text, start);
    switch (form) {
        case SYearNounForm::kNominative:
            return SGrammaticalCase::kNominative;
        case SYearNounForm::kInstrumental:
            return SGrammaticalCase::kInstrumental;
        case SYearNounForm::kGenitiveOrLocative:
            return context == SGrammaticalCase::kLocative ? context : SGrammaticalCase::kGenitive;
        case SYearNounForm::kAbbreviated:
            break;
    }
    return context;
}

}  // namespace

std::optional<SYearReading> ReadYearNoun(const char* text, uint32_t start, int year,
                                         uint32_t numberEnd) {
    uint32_t end = 0;
    auto form = YearNounAt(text, numberEnd, end);
    if (!form) return std::nullopt;
    const SGrammaticalCase yearCase = CaseOf(*form, text, start);
    // The genitive keeps the words the year of a date is read with.
    const std::string ordinal = yearCase == SGrammaticalCase::kGenitive
                                    ? YearOrdinalWords(year)
                                    : YearOrdinalWordsIn(year, AdjectiveCaseOf(yearCase));
    if (ordinal.empty()) return std::nullopt;
    if (*form != SYearNounForm::kAbbreviated) return SYearReading{ordinal, numberEnd};
    const std::string noun = yearCase == SGrammaticalCase::kGenitive
                                 ? ResourceString(date_ids::kYearWord)
                                 : YearNounIn(AdjectiveCaseOf(yearCase));
    return SYearReading{ordinal + noun + ' ', end};
}

std::optional<uint32_t> DateYearNounEnd(const char* text, uint32_t position) {
    uint32_t end = 0;
    auto form = YearNounAt(text, position, end);
    if (form == SYearNounForm::kAbbreviated || form == SYearNounForm::kGenitiveOrLocative)
        return end;
    return std::nullopt;
}
