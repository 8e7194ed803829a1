// The settings the normaliser's readers consult, copied from the settings
// record when a reader is called so that each reader can be used (and tested)
// on its own. Values default to the settings record's constructor values.
#pragma once

#include <cstdint>
#include <string>

class SAttribute;

struct SNormaliserSwitches {
    bool convertNumber = true;
    bool convertDate = true;
    bool dateBySysFormat = false;
    bool convertTime = true;
    bool colloquialTime = false;
    bool hours24 = true;
    bool readSeconds = true;
    bool bareFullHour = false;
    bool convertAbbrev = true;
    int32_t abbrevLimit = 5;
    bool readInterpunction = false;
    bool readSeparators = false;
    bool convertSequence = true;
    bool convertURL = true;
    bool convertSymbol = true;
    char decimalSeparator = ',';
    char thousandsSeparator = '.';
    char dateSeparator = '/';
    std::string shortDatePattern;  // empty: day, month, year
};

// The switches as the settings record holds them now.
SNormaliserSwitches SwitchesFrom(const SAttribute& settings);
