#include "options.h"

#include <cstring>

namespace {

// Options that take a value, in both spellings; "--name=value" is accepted too.
struct SValueOption {
    const char* shortName;
    const char* longName;
};
constexpr SValueOption kValueOptions[] = {
    {"-f", "--file"},   {"-o", "--output"},       {nullptr, "--encoding"},
    {nullptr, "--set"}, {nullptr, "--voice-dir"},
};

const SValueOption* FindValueOption(const std::string& name) {
    for (const SValueOption& option : kValueOptions)
        if ((option.shortName && name == option.shortName) || name == option.longName)
            return &option;
    return nullptr;
}

// Stores one option's value; returns an error line or "".
std::string ApplyValue(SCommandLine& command, const SValueOption& option,
                       const std::string& value) {
    std::string name = option.longName;
    if (name == "--file") {
        if (value.empty()) return "--file needs a path";
        command.inputFile = value;
    } else if (name == "--output") {
        if (value.empty()) return "--output needs a path or -";
        command.outputPath = value;
    } else if (name == "--encoding") {
        if (value == "utf-8" || value == "utf8" || value == "UTF-8")
            command.encoding = SInputEncoding::Utf8;
        else if (value == "cp1250" || value == "windows-1250" || value == "CP1250")
            command.encoding = SInputEncoding::Cp1250;
        else
            return "unknown encoding '" + value + "' (use utf-8 or cp1250)";
    } else if (name == "--set") {
        size_t equals = value.find('=');
        if (equals == std::string::npos || equals == 0)
            return "--set needs NAME=VALUE, got '" + value + "'";
        command.settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (name == "--voice-dir") {
        if (value.empty()) return "--voice-dir needs a directory";
        command.voiceDir = value;
    }
    return "";
}

// Flags without a value; returns false when the name is not one.
bool ApplyFlag(SCommandLine& command, const std::string& name) {
    if (name == "--tagged")
        command.tagged = true;
    else if (name == "--words")
        command.words = true;
    else if (name == "--marks")
        command.marks = true;
    else if (name == "--list-voices")
        command.listVoices = true;
    else if (name == "--settings")
        command.settingsSheet = true;
    else if (name == "--help" || name == "-h")
        command.help = true;
    else if (name == "--version" || name == "-V")
        command.version = true;
    else
        return false;
    return true;
}

std::string CheckCombination(const SCommandLine& command) {
    if (!command.inputFile.empty() && !command.textWords.empty())
        return "give the text either as arguments or with --file, not both";
    if (command.words && !command.outputPath.empty())
        return "--words analyses only; it cannot be combined with --output";
    if (command.words && command.marks)
        return "--words analyses only; it cannot be combined with --marks";
    return "";
}

}  // namespace

bool SCommandLine::ReadsStandardInput() const {
    if (!inputFile.empty()) return inputFile == "-";
    return textWords.empty() || (textWords.size() == 1 && textWords[0] == "-");
}

SParseResult ParseCommandLine(int argc, const char* const* argv) {
    SParseResult result;
    SCommandLine& command = result.command;
    bool onlyText = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i] ? argv[i] : "";
        if (onlyText || arg == "-" || arg.empty() || arg[0] != '-') {
            command.textWords.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyText = true;
            continue;
        }
        std::string name = arg, value;
        bool hasInlineValue = false;
        if (arg.rfind("--", 0) == 0) {
            size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                name = arg.substr(0, equals);
                value = arg.substr(equals + 1);
                hasInlineValue = true;
            }
        }
        if (const SValueOption* option = FindValueOption(name)) {
            if (!hasInlineValue) {
                if (i + 1 >= argc) {
                    result.error = name + " needs a value";
                    return result;
                }
                value = argv[++i];
            }
            result.error = ApplyValue(command, *option, value);
            if (!result.error.empty()) return result;
            continue;
        }
        if (hasInlineValue || !ApplyFlag(command, name)) {
            result.error = "unknown option '" + arg + "' (see vokrant --help)";
            return result;
        }
    }
    result.error = CheckCombination(command);
    return result;
}

const char* UsageText() {
    return "Usage: vokrant [OPTIONS] [TEXT...]\n"
           "Speaks Polish text. TEXT words are joined by blanks; no TEXT or \"-\" reads standard "
           "input.\n"
           "\n"
           "  -f, --file PATH          read the text from a file (\"-\": standard input)\n"
           "  --encoding utf-8|cp1250  encoding of the input text (default utf-8)\n"
           "  -o, --output PATH        write a WAV file (16-bit mono PCM at the voice's rate);\n"
           "                           \"-\" writes it to standard output\n"
           "  --tagged                 the text carries control tags (backslash tags);\n"
           "                           without it every backslash is plain text\n"
           "  --set NAME=VALUE         override one setting for this run by its registry name\n"
           "                           (Speed=120, Volume=40000, ConvertDate=No, ...)\n"
           "  --voice-dir DIR          directory with pln_22.als, pln_11.als and client.exp\n"
           "  --words                  analyse only: one JSON object per word, no audio\n"
           "  --marks                  also print every mark as it is delivered (JSON Lines;\n"
           "                           on standard error when audio goes to standard output)\n"
           "  --list-voices            print the voice modes the engine offers\n"
           "  --settings               open the settings sheet on your saved settings\n"
           "  --help, --version\n"
           "\n"
           "Exit status: 0 success, 2 usage error, 1 any other error.\n";
}
