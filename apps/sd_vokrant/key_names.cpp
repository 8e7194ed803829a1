#include "key_names.h"

#include <utility>

#include "ssml_text.h"

namespace {

const std::pair<std::string_view, std::string_view> kKeyNames[] = {
    {"space", "spacja"},
    {"enter", "enter"},
    {"return", "enter"},
    {"tab", "tabulator"},
    {"backspace", "backspace"},
    {"escape", "escape"},
    {"delete", "delete"},
    {"insert", "insert"},
    {"home", "home"},
    {"end", "end"},
    {"up", "strzałka w górę"},
    {"down", "strzałka w dół"},
    {"left", "strzałka w lewo"},
    {"right", "strzałka w prawo"},
    {"page-up", "strona w górę"},
    {"page-down", "strona w dół"},
    {"prior", "strona w górę"},
    {"next", "strona w dół"},
    {"begin", "początek"},
    {"shift", "shift"},
    {"control", "control"},
    {"alt", "alt"},
    {"alt-gr", "alt prawy"},
    {"super", "klawisz Windows"},
    {"window", "klawisz Windows"},
    {"hyper", "hyper"},
    {"meta", "meta"},
    {"menu", "menu kontekstowe"},
    {"caps-lock", "caps lock"},
    {"num-lock", "num lock"},
    {"scroll-lock", "scroll lock"},
    {"print", "print screen"},
    {"pause", "pauza"},
    {"break", "break"},
    {"double-quote", "cudzysłów"},
    {"underscore", "podkreślnik"},
    {"kp-enter", "enter numeryczny"},
    {"kp-add", "plus numeryczny"},
    {"kp-subtract", "minus numeryczny"},
    {"kp-multiply", "razy numeryczne"},
    {"kp-divide", "dzielenie numeryczne"},
    {"kp-delete", "delete numeryczny"},
    {"kp-insert", "insert numeryczny"},
    {"kp-begin", "środek numeryczny"},
    {"kp-home", "home numeryczny"},
    {"kp-end", "end numeryczny"},
    {"kp-up", "strzałka w górę numeryczna"},
    {"kp-down", "strzałka w dół numeryczna"},
    {"kp-left", "strzałka w lewo numeryczna"},
    {"kp-right", "strzałka w prawo numeryczna"},
    {"kp-prior", "strona w górę numeryczna"},
    {"kp-page-up", "strona w górę numeryczna"},
    {"kp-next", "strona w dół numeryczna"},
    {"kp-page-down", "strona w dół numeryczna"},
};

bool IsSingleCharacter(std::string_view text) {
    if (text.empty()) return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.size() == length;
}

// Spell mode reads the character by its name; it is switched off again at
// once, with no blank between (a blank would be spelled as "spacja"). A
// backslash would start a tag instead of being spelled: its name, as the
// voice's spelling table gives it, is read as a word.
std::string Spelled(std::string_view character) {
    if (character == "\\") return std::string(kBackslashName);
    return "\\RmS=1\\" + std::string(character) + "\\RmS=0\\";
}

// One key of a combination.
std::string KeyPart(std::string_view part) {
    for (const auto& [name, polish] : kKeyNames)
        if (part == name) return std::string(polish);
    if (part.size() >= 2 && part.size() <= 3 && (part[0] == 'f' || part[0] == 'F') &&
        part.find_first_not_of("0123456789", 1) == std::string_view::npos)
        return "ef " + std::string(part.substr(1));
    if (IsSingleCharacter(part)) return Spelled(part);
    return EscapeTags(part);
}

}  // namespace

std::string KeyText(std::string_view key) {
    if (key == "_") return Spelled("_");
    std::string text;
    // Modifiers come first, joined by '_': "control_alt_delete".
    for (size_t start = 0; start <= key.size();) {
        size_t end = key.find('_', start);
        if (end == std::string_view::npos) end = key.size();
        if (end > start) {
            if (!text.empty()) text += ' ';
            text += KeyPart(key.substr(start, end - start));
        }
        start = end + 1;
    }
    return text;
}

std::string CharacterText(std::string_view character, bool sayCapital) {
    if (character == "space" || character == " ") return "spacja";
    if (!IsSingleCharacter(character)) return EscapeTags(character);
    std::string prefix;
    const auto c = static_cast<unsigned char>(character[0]);
    const bool asciiCapital = c >= 'A' && c <= 'Z';
    // The Polish capitals outside ASCII: Ą Ć Ę Ł Ń Ó Ś Ź Ż.
    static const std::string_view kPolishCapitals[] = {"Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};
    bool polishCapital = false;
    for (std::string_view capital : kPolishCapitals) polishCapital |= character == capital;
    if (sayCapital && (asciiCapital || polishCapital)) prefix = "duże ";
    return prefix + Spelled(character);
}
