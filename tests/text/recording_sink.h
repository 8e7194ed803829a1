// A word sink that records what the readers append (AppendText splits as the
// sentence does, through the sink's own rule) and renders it as UTF-8 for
// readable expectations.
#pragma once

#include <string>
#include <vector>

#include "core/attribute.h"
#include "platform/codepage.h"
#include "text/word_sink.h"

struct SRecordedWord {
    std::string text;  // Windows-1250
    std::string source;
    int closes;
    int continuation;
};

class SRecordingSink : public SWordSink {
public:
    void AppendWord(const std::string& text, const std::string& source, int closes,
                    int continuation) override {
        words.push_back({text, source, closes, continuation});
    }
    void AppendMarker(unsigned char marker) override {
        words.push_back({std::string(1, static_cast<char>(marker)), "", 0, 0});
    }

    // Word texts in UTF-8 joined by blanks; marker bytes below 32 as <n>.
    std::string Spoken() const {
        std::string out;
        for (const SRecordedWord& w : words) {
            if (!out.empty()) out += ' ';
            if (w.text.size() == 1 && static_cast<unsigned char>(w.text[0]) < 32)
                out += "<" + std::to_string(static_cast<int>(w.text[0])) + ">";
            else
                out += Cp1250ToUtf8(w.text);
        }
        return out;
    }

    std::vector<SRecordedWord> words;
};

// A reader's words (Windows-1250, each followed by a blank) as UTF-8 without
// the last blank.
inline std::string SpokenWords(const std::string& cp1250) {
    std::string words = Cp1250ToUtf8(cp1250);
    while (!words.empty() && words.back() == ' ') words.pop_back();
    return words;
}

// The Windows-1250 form of a UTF-8 test literal.
inline std::string Cp(const char* utf8) {
    return Utf8ToCp1250(utf8);
}

// Settings with fixed regional conventions (decimal ',', thousands '.',
// dates '/' in day-month-year order), whatever the machine's are.
inline SAttribute TestSettings() {
    SAttribute settings;
    settings.decimalSeparator = ',';
    settings.thousandsSeparator = '.';
    settings.dateSeparator = '/';
    settings.shortDatePattern.clear();
    settings.extendedReading = false;  // these tests check the plain rules
    return settings;
}
