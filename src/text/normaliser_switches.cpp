#include "text/normaliser_switches.h"

#include "engine/attribute.h"

SNormaliserSwitches SwitchesFrom(const SAttribute& settings) {
    SNormaliserSwitches switches;
    switches.convertNumber = settings.convertNumber;
    switches.convertDate = settings.convertDate;
    switches.dateBySysFormat = settings.dateBySysFormat;
    switches.convertTime = settings.convertTime;
    switches.colloquialTime = settings.colloquialTime;
    switches.hours24 = settings.hours24;
    switches.readSeconds = settings.readSeconds;
    switches.bareFullHour = settings.bareFullHour;
    switches.convertAbbrev = settings.convertAbbrev;
    switches.abbrevLimit = settings.abbrevLimit;
    switches.readInterpunction = settings.readInterpunction;
    switches.readSeparators = settings.readSeparators;
    switches.convertSequence = settings.convertSequence;
    switches.convertURL = settings.convertURL;
    switches.convertSymbol = settings.convertSymbol;
    switches.decimalSeparator = settings.decimalSeparator;
    switches.thousandsSeparator = settings.thousandsSeparator;
    switches.dateSeparator = settings.dateSeparator;
    switches.shortDatePattern = settings.shortDatePattern;
    return switches;
}
