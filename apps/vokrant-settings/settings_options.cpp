#include "settings_options.h"

#include <array>

const char* const kSettingsUsage =
    "U\xC5\xBCycie: vokrant-settings [OPCJE]\n"
    "  -p, --page STRONA       strona startowa: general, dictionary, conversions, info (lub 0..3)\n"
    "  --screenshot KATALOG    zapisz obraz ka\xC5\xBC"
    "dej strony (PNG) w katalogu i zako\xC5\x84"
    "cz\n"
    "  --help, --version\n";

namespace {

constexpr std::array<const char*, 4> kPageNames = {"general", "dictionary", "conversions", "info"};

}  // namespace

int PageIndexOf(const std::string& name) {
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '3') return name[0] - '0';
    for (size_t i = 0; i < kPageNames.size(); ++i)
        if (name == kPageNames[i]) return static_cast<int>(i);
    return -1;
}

SSettingsOptions ParseSettingsOptions(const std::vector<std::string>& args) {
    SSettingsOptions options;
    for (size_t i = 0; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "-p" || arg == "--page") {
            if (!hasValue) {
                options.error = arg + " needs a page";
                break;
            }
            options.startPage = PageIndexOf(args[++i]);
            if (options.startPage < 0) options.error = "unknown page: " + args[i];
        } else if (arg == "--screenshot") {
            if (!hasValue || args[i + 1].empty()) {
                options.error = "--screenshot needs a directory";
                break;
            }
            options.screenshotDir = args[++i];
        } else {
            options.error = "unknown argument: " + arg;
        }
    }
    return options;
}
