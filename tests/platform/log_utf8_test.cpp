// Log lines leave the process as UTF-8: the engine's Windows-1250 texts are
// converted, while UTF-8 pieces inside them (file names) pass unchanged.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/codepage.h"
#include "platform/log.h"

namespace {

TEST(LogUtf8, MixedTextBecomesUtf8) {
    struct SCase {
        const char* what;
        std::string in;
        std::string out;
    };
    const SCase cases[] = {
        {"ascii", "plik nie istnieje", "plik nie istnieje"},
        // "słownik ... jest za duży" in Windows-1250, then in UTF-8
        {"Windows-1250", "s\xB3ownik jest za du\xBFy", "s\xC5\x82ownik jest za du\xC5\xBCy"},
        {"every Polish letter, one per word",
         "\xB9 \xE6 \xEA \xB3 \xF1 \xF3 \x9C \x9F \xBF \xA5 \xC6 \xCA \xA3 \xD1 \xD3 \x8C \x8F "
         "\xAF",
         "\xC4\x85 \xC4\x87 \xC4\x99 \xC5\x82 \xC5\x84 \xC3\xB3 \xC5\x9B \xC5\xBA \xC5\xBC "
         "\xC4\x84 \xC4\x86 \xC4\x98 \xC5\x81 \xC5\x83 \xC3\x93 \xC5\x9A \xC5\xB9 \xC5\xBB"},
        // the log's own messages: "nie można otworzyć słownika", "błąd"
        {"message words",
         "nie mo\xBFna otworzy\xE6 s\xB3ownika, b\xB3\xB9"
         "d",
         "nie mo\xC5\xBCna otworzy\xC4\x87 s\xC5\x82ownika, b\xC5\x82\xC4\x85"
         "d"},
        {"UTF-8 file name kept",
         "brak /home/\xC5\xBC"
         "aba/pln_22.als",
         "brak /home/\xC5\xBC"
         "aba/pln_22.als"},
        {"mixed", "s\xB3ownik /tmp/\xC4\x87ma.exp", "s\xC5\x82ownik /tmp/\xC4\x87ma.exp"},
        {"lone lead at the end", "za du\xBF", "za du\xC5\xBC"},
        {"euro sign", "\x80", "\xE2\x82\xAC"},
        {"four-byte UTF-8", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"empty", "", ""},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(MixedTextToUtf8(c.in), c.out);
    }
}

// Through the log itself, onto the real standard error.
TEST(LogUtf8, LogLinesOnStandardErrorAreUtf8) {
    char name[] = "/tmp/vokrant-log-test-XXXXXX";
    const int file = mkstemp(name);
    ASSERT_GE(file, 0);
    unlink(name);
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    ASSERT_GE(dup2(file, STDERR_FILENO), 0);
    LogMessage("s\xB3ownik %s jest za du\xBFy\n", "client.exp");
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    char buffer[256] = {};
    const ssize_t got = pread(file, buffer, sizeof buffer - 1, 0);
    close(file);
    EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<size_t>(got) : 0),
              "s\xC5\x82ownik client.exp jest za du\xC5\xBCy\n");
}

}  // namespace
