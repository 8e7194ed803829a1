// The parts of a sibling temporary file's name: <target><tag><random><suffix>.
#pragma once

#include <cstddef>

constexpr const char* kSiblingTempTag = ".vokrant-";
constexpr std::size_t kSiblingTempRandom = 6;  // letters and digits
constexpr const char* kSiblingTempSuffix = ".tmp";
