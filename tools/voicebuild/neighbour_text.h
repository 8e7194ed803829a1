// Everyday Polish prose the builder reads to learn which allophones the
// sentence rules place side by side, and how often: the neighbours each
// pattern's cut is matched to.
#pragma once

#include <string>
#include <vector>

namespace voicebuild {

const std::vector<std::string>& NeighbourText();

}  // namespace voicebuild
