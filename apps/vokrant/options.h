// The command line of vokrant: what the user asked for, parsed and checked.
// Parsing never exits: a usage error comes back as a message for the caller
// to print with exit status 2.
#pragma once

#include <string>
#include <utility>
#include <vector>

enum class SInputEncoding { Utf8, Cp1250 };

struct SCommandLine {
    std::vector<std::string> textWords;  // joined by blanks; empty or "-" = standard input
    std::string inputFile;               // -f PATH
    SInputEncoding encoding = SInputEncoding::Utf8;
    std::string outputPath;  // -o PATH; "-" = standard output; empty = sound device
    bool tagged = false;
    std::vector<std::pair<std::string, std::string>> settings;  // --set NAME=VALUE, in order
    std::string voiceDir;
    bool words = false;
    bool marks = false;
    bool listVoices = false;
    bool settingsSheet = false;  // --settings: the settings sheet (Qt builds only)
    bool help = false;
    bool version = false;

    bool ReadsStandardInput() const;
};

struct SParseResult {
    SCommandLine command;
    std::string error;  // non-empty: a usage error, one line without the program name
};

SParseResult ParseCommandLine(int argc, const char* const* argv);

// The --help text.
const char* UsageText();
