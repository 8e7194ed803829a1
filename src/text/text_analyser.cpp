#include "text/text_analyser.h"

#include "core/attribute.h"
#include "model/chars.h"
#include "text/extended_numbers.h"

namespace {

constexpr unsigned char kBackslash = '\\';
constexpr int kSpeedTagCode = 10;
constexpr int kWavTagCode = 23;

}  // namespace

STextAnalyser::STextAnalyser() = default;

STextAnalyser::~STextAnalyser() = default;

void STextAnalyser::Attach(SAttribute* settings, const SSpell* spell,
                           const SDictionary* dictionary) {
    settings_ = settings;
    spell_ = spell;
    dictionary_ = dictionary;
}

SAttribute* STextAnalyser::GetSettings() const {
    return settings_ ? settings_ : &DefaultAttribute();
}

void STextAnalyser::BeginText(const char* text) {
    mainCursor_.SetText(text);
    insertionCursor_.Clear();
    currentSentence_.reset();
    endOfInput_ = text == nullptr || text[0] == '\0';
    endOfSentence_ = false;
    allCapsStart_ = 0;
    upperCount_ = lowerCount_ = 0;
    atSentenceStart_ = false;
    sourceText_.clear();
    readingInsertion_ = insertionFirst_ = false;
    wordStart_ = 0;
    sentenceCounter_ = -1;
}

STextCursor& STextAnalyser::ReadingCursor() {
    if (insertionCursor_.HasUnread()) return insertionCursor_;
    if (!insertionCursor_.IsEmpty()) insertionCursor_.Clear();
    return mainCursor_;
}

SSentence* STextAnalyser::NextSentence() {
    ++sentenceCounter_;
    currentSentence_.reset();
    if (endOfInput_) return nullptr;

    currentSentence_ = std::make_unique<SSentence>(settings_);
    currentSentence_->SetWordStart(wordStart_);
    std::string buffer;
    endOfSentence_ = false;
    atSentenceStart_ = true;
    STextCursor* previous = &ReadingCursor();
    for (int steps = 0; !endOfSentence_ && steps < kMaxSentenceChars; ++steps)
        StepCharacter(buffer, previous);
    // A sentence cut at the length limit keeps the letters collected so far;
    // the cursor is already past them, so dropping them would lose text.
    if (!endOfSentence_ && !buffer.empty()) FlushWord(buffer, 1, true, 0);
    FinishSentence();
    return currentSentence_.get();
}

void STextAnalyser::FinishSentence() {
    SSentence& sentence = *currentSentence_;
    sentence.BuildPhrases();
    sentence.length = static_cast<int32_t>(mainCursor_.GetPosition()) - sentence.start;
}

void STextAnalyser::MarkSentenceStarted() {
    if (!atSentenceStart_) return;
    currentSentence_->start = wordStart_;
    atSentenceStart_ = false;
}

void STextAnalyser::ResetWordBuffer(std::string& buffer) {
    if (atSentenceStart_ && !buffer.empty() && buffer[0] != kMarkerTag) {
        atSentenceStart_ = false;
        if (IsWordChar(static_cast<unsigned char>(buffer[0]))) {
            bool allUpper = true;
            for (char c : buffer)
                allUpper = allUpper && IsUpperLetter(static_cast<unsigned char>(c));
            allCapsStart_ = allUpper ? 1 : 0;
        }
    }
    buffer.clear();
    upperCount_ = lowerCount_ = 0;
}

bool STextAnalyser::FlushWord(std::string& buffer, int closes, bool takeSource, int continuation) {
    if (atSentenceStart_) currentSentence_->start = wordStart_;
    if (buffer.empty()) return false;
    const bool fromMain = !readingInsertion_;
    if (takeSource && fromMain) sourceText_ = buffer;
    const bool governed = OfferToGovernedHourNoun(buffer) || OfferToDeclinedAbbreviation(buffer);
    bool replaced = !governed && OfferToDictionary(buffer);
    if (!governed && !replaced && !OfferToRomanNumeral(buffer) && !OfferToSpelling(buffer))
        currentSentence_->AppendWord(buffer, sourceText_, closes, continuation);
    if (!fromMain) insertionFirst_ = false;
    ResetWordBuffer(buffer);
    return replaced;
}

// One character of the sentence loop; the first rule that applies wins.
void STextAnalyser::StepCharacter(std::string& buffer, STextCursor*& previous) {
    STextCursor& cursor = ReadingCursor();
    if (previous == &insertionCursor_ && &cursor == &mainCursor_ && !buffer.empty()) {
        // The insertion is used up: its last word ends here.
        currentSentence_->AppendWord(buffer, sourceText_, 0, insertionFirst_ ? 0 : 1);
        ResetWordBuffer(buffer);
    }
    if (&cursor == &insertionCursor_ && previous != &insertionCursor_) insertionFirst_ = true;
    previous = &cursor;
    readingInsertion_ = &cursor == &insertionCursor_;

    const uint32_t readAt = cursor.GetPosition();
    const unsigned char c = cursor.Read();
    if (buffer.empty() && &cursor == &mainCursor_) {
        wordStart_ = static_cast<int32_t>(readAt);
        currentSentence_->SetWordStart(wordStart_);
    }

    const SAttribute& settings = *GetSettings();
    if (settings.spellMode && c != kBackslash) {
        SpellCharacter(cursor, c);
        return;
    }
    if (IsSentenceEnd(c)) {
        HandleSentenceEnd(buffer, cursor, c);
        return;
    }
    if (settings.convertSequence && ReadRepeated(cursor, &buffer)) return;
    if (buffer.empty()) {
        bool taken = (settings.extendedReading && ReadDottedAbbreviation(cursor)) ||
                     (settings.convertURL && ReadAddress(cursor)) ||
                     (settings.convertSymbol && ReadEmoticon(cursor));
        if (taken) {
            MarkSentenceStarted();
            return;
        }
    }
    if (c == kBackslash) {
        HandleBackslash(buffer, cursor);
    } else if (IsLetter(c)) {
        buffer += static_cast<char>(c);
        ++(IsUpperLetter(c) ? upperCount_ : lowerCount_);
        if (static_cast<int>(buffer.size()) > kMaxWordChars) FlushWord(buffer, 1, true, 0);
    } else if (IsDigitChar(c) || c == '-' ||
               (settings.extendedReading && IsExtendedNumberSign(static_cast<char>(c)) &&
                IsDigitChar(cursor.Peek()))) {
        HandleDigitOrMinus(buffer, cursor, c);
    } else if (IsControlChar(c) || c == ' ') {
        HandleSeparator(buffer, cursor, c);
    } else {
        HandleOther(buffer, cursor, c, readAt);
    }
}

void STextAnalyser::HandleSentenceEnd(std::string& buffer, STextCursor& cursor, unsigned char c) {
    const bool onMain = &cursor == &mainCursor_;
    if (c == '.' || c == '!' || c == '?') currentSentence_->endMark = static_cast<char>(c);
    if (!buffer.empty()) {
        if (c == '.' &&
            (OfferToGovernedHourNoun(buffer + ".") || OfferToDeclinedAbbreviation(buffer + ".") ||
             OfferToDictionary(buffer + "."))) {
            sourceText_ = buffer + ".";
            buffer.clear();
            upperCount_ = lowerCount_ = 0;
            return;
        }
        FlushWord(buffer, 1, true, 0);
        if (cursor.Peek() != 0) cursor.StepBack();
        // At the very end a dictionary replacement may still be waiting; the
        // end is read again once it is used up.
        if (c == 0 && onMain && !insertionCursor_.HasUnread()) endOfSentence_ = endOfInput_ = true;
        return;
    }
    const SSentence& sentence = *currentSentence_;
    bool real = c != 0 && (c != '\n' || !sentence.HasNoRealWords());
    if (real && GetSettings()->convertSequence && ReadRepeated(cursor, nullptr)) {
        real = false;
        currentSentence_->endMark = 0;  // the run is read out as words, not as the end
    }
    if (real) FlushSingle(buffer, c, true, 0);
    endOfSentence_ = true;
    endOfInput_ = c == 0 && onMain;
    if (c != 0) SkipSentenceEnds();
}

// Skips sentence ends, control characters and blanks after a sentence end,
// through the end of an insertion into the main text.
void STextAnalyser::SkipSentenceEnds() {
    for (;;) {
        STextCursor& cursor = ReadingCursor();
        unsigned char next = cursor.Peek();
        if (next == 0) {
            if (&cursor == &mainCursor_) endOfInput_ = true;
            return;
        }
        if (!IsSentenceEnd(next) && !IsControlChar(next) && next != ' ') return;
        cursor.Read();
    }
}

void STextAnalyser::HandleBackslash(std::string& buffer, STextCursor& cursor) {
    if (!buffer.empty()) {
        FlushWord(buffer, 1, true, 0);
        cursor.StepBack();
        return;
    }
    // Clients double every backslash of their own text: in tagged text "\\"
    // is one literal backslash and never opens a tag.
    if (GetSettings()->taggedText && cursor.Peek() == kBackslash) {
        cursor.Read();
        FlushSingle(buffer, kBackslash, true, 0);
        return;
    }
    int result = ReadTag(cursor, buffer);
    if (result == 0) {
        FlushSingle(buffer, kBackslash, true, 0);
    } else if (result != 1) {
        FlushWord(buffer, 0, false, 0);
        if (result == kWavTagCode) endOfSentence_ = true;
    }
}

void STextAnalyser::HandleDigitOrMinus(std::string& buffer, STextCursor& cursor, unsigned char c) {
    if (c == '-' && !buffer.empty() && ReadInflectedAcronym(buffer, cursor)) return;
    if (!buffer.empty()) {
        atSentenceStart_ = false;
        FlushWord(buffer, 1, true, 0);
        cursor.StepBack();
        return;
    }
    cursor.StepBack();
    if (ReadNumber(cursor)) {
        MarkSentenceStarted();
        currentSentence_->AppendMarker(kMarkerShortPause);
        return;
    }
    // Declined: the character stands as a word of its own.
    cursor.Read();
    FlushSingle(buffer, c, true, 0);
}

void STextAnalyser::HandleSeparator(std::string& buffer, STextCursor& cursor, unsigned char c) {
    if (c == '\r') return;
    const bool onMain = &cursor == &mainCursor_;
    if (!buffer.empty()) {
        int closes = (c == ' ' && !GetSettings()->readSeparators) ? 0 : 1;
        if (onMain)
            FlushWord(buffer, closes, true, 0);
        else
            FlushWord(buffer, closes, false, insertionFirst_ ? 0 : 1);
        cursor.StepBack();
        return;
    }
    if (c == '\t' || c == ' ') {
        FlushSingle(buffer, c, true, 0);
        return;
    }
    // Other control characters: skipped, with any that follow up to a TAB.
    while (IsControlChar(cursor.Peek()) && cursor.Peek() != '\t') cursor.Read();
}

void STextAnalyser::HandleOther(std::string& buffer, STextCursor& cursor, unsigned char c,
                                uint32_t readAt) {
    const bool onMain = &cursor == &mainCursor_;
    if (!buffer.empty()) {
        if (onMain)
            FlushWord(buffer, 1, true, 0);
        else
            FlushWord(buffer, 1, false, insertionFirst_ ? 0 : 1);
        cursor.StepBack();
        return;
    }
    if (onMain)
        FlushSingle(buffer, c, true, 0);
    else
        FlushSingle(buffer, c, false, readAt == 0 ? 0 : 1);
}

// A character that forms a word of its own (counted as one capital).
void STextAnalyser::FlushSingle(std::string& buffer, unsigned char c, bool takeSource,
                                int continuation) {
    upperCount_ = 1;
    lowerCount_ = 0;
    buffer.assign(1, static_cast<char>(c));
    FlushWord(buffer, 1, takeSource, continuation);
}

// Spell mode: every character is spoken by its name, capitals at a speed
// raised by 10.
void STextAnalyser::SpellCharacter(STextCursor& cursor, unsigned char c) {
    if (c == 0) {
        endOfSentence_ = endOfInput_ = true;
        return;
    }
    if (ReadRepeated(cursor, nullptr)) return;
    SSentence& sentence = *currentSentence_;
    const int speed = GetSettings()->speed;
    auto speedWord = [](int value) {
        return std::string{static_cast<char>(kMarkerTag), static_cast<char>(kSpeedTagCode)} +
               std::to_string(value);
    };
    const bool upper = IsUpperLetter(c);
    if (upper) sentence.AppendWord(speedWord(speed + 10), std::string(), 1, 0);
    if (const std::string* name = CharacterName(ToLowerChar(c)))
        sentence.AppendText(*name, std::string());
    if (upper) sentence.AppendWord(speedWord(speed), std::string(), 1, 0);
}
