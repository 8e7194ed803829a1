// The driver's entry points into the normaliser's readers (numbers, dates
// and times, control tags, the user dictionary, spelling and character
// names, repeated characters, emoticons, Internet addresses). Until a
// reader exists its entry declines, and the driver reads those characters
// with its own rules: digits, backslashes and symbols become one-character
// words, every word is read as written.
#include "text/text_analyser.h"

bool STextAnalyser::OfferToDictionary(const std::string& /*word*/) { return false; }

bool STextAnalyser::OfferToSpelling(const std::string& /*word*/) { return false; }

bool STextAnalyser::ReadRepeated(STextCursor& /*cursor*/, std::string* /*pending*/) {
    return false;
}

bool STextAnalyser::ReadAddress(STextCursor& /*cursor*/) { return false; }

bool STextAnalyser::ReadEmoticon(STextCursor& /*cursor*/) { return false; }

int STextAnalyser::ReadTag(STextCursor& /*cursor*/, std::string& /*buffer*/) { return 0; }

bool STextAnalyser::ReadNumber(STextCursor& /*cursor*/) { return false; }

const std::string* STextAnalyser::CharacterName(unsigned char /*c*/) const { return nullptr; }
