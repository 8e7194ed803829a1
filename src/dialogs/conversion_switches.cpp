#include "dialogs/conversion_switches.h"

#include <iterator>

#include "core/attribute.h"

namespace {

using G = SConversionGroup;

const SConversionSwitch kSwitches[] = {
    {220, "Cz&ytaj pełne liczby", &SAttribute::convertNumber, false, true, G::DateAndTime},
    {221, "&Powtarzający się znak czytaj np. \"osiem razy ...\"", &SAttribute::convertSequence,
     false, true, G::DateAndTime},
    {222, "Czytaj &daty", &SAttribute::convertDate, false, true, G::DateAndTime},
    {223, "Da&ta ściśle wg formatu systemowego", &SAttribute::dateBySysFormat, false, false,
     G::DateAndTime},
    {224, "Czytaj &godziny, minuty i sekundy", &SAttribute::convertTime, false, true,
     G::DateAndTime},
    {225, "P&otoczny odczyt czasu np. \"za osiem siódma\"", &SAttribute::colloquialTime, false,
     false, G::DateAndTime},
    {226, "Tryb &24-o godzinny", &SAttribute::hours24, false, true, G::DateAndTime},
    {227, "Czytaj &znaki interpunkcyjne", &SAttribute::readInterpunction, false, false,
     G::Interpunction},
    {228, "Czytaj &separatory", &SAttribute::readSeparators, false, false, G::Interpunction},
    {230, "&Literuj słowa złożone z wielkich liter", &SAttribute::convertAbbrev, false, true,
     G::Other},
    {235, "Czytaj adresy internetowe (&URL)", &SAttribute::convertURL, false, true, G::Other},
    {236, "Czytaj symbole &internetowe typu :-)", &SAttribute::convertSymbol, false, true,
     G::Other},
    {237, "Akce&ntuj każde słowo", &SAttribute::fluentSpeech, true, false, G::Other},
    {238, "Stosuj &wymowę potoczną", &SAttribute::colloquialSpeech, false, true, G::Other},
};

// Readings beyond the plain rules, below the plain switches.
const SConversionSwitch kExtensionSwitches[] = {
    {239, "Odczyt &rozszerzony: odmiana liczebników, daty, cyfry rzymskie",
     &SAttribute::extendedReading, false, true, G::Other},
};

}  // namespace

std::span<const SConversionSwitch> ConversionSwitches() {
    return kSwitches;
}

std::span<const SConversionSwitch> ExtensionSwitches() {
    return kExtensionSwitches;
}

std::vector<SConversionSwitch> ConversionPageBoxes() {
    std::vector<SConversionSwitch> boxes(std::begin(kSwitches), std::end(kSwitches));
    boxes.insert(boxes.end(), std::begin(kExtensionSwitches), std::end(kExtensionSwitches));
    return boxes;
}

const SConversionSwitch* FindConversionSwitch(int id) {
    for (const SConversionSwitch& box : kSwitches)
        if (box.id == id) return &box;
    for (const SConversionSwitch& box : kExtensionSwitches)
        if (box.id == id) return &box;
    return nullptr;
}

bool IsSwitchChecked(const SConversionSwitch& box, const SAttribute& settings) {
    return (settings.*box.setting) != box.inverted;
}

void StoreSwitch(const SConversionSwitch& box, bool checked, SAttribute& settings) {
    settings.*box.setting = checked != box.inverted;
}
