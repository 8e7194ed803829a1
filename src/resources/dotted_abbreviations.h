// Abbreviations written with periods inside them ("m.in.", "p.n.e."), which
// a single dictionary key cannot hold because the period ends a word, and
// which would otherwise look like Internet addresses. Windows-1250.
#pragma once

#include <string>
#include <vector>

struct SDottedAbbreviation {
    std::string written;    // with every period: "m.in."
    std::string expansion;  // "między innymi"
};

const std::vector<SDottedAbbreviation>& DottedAbbreviations();
