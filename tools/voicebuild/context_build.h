// The "contexts" step of the builder: reads prose with espeak-ng and the
// engine, makes the context recordings and writes them into a voice
// folder's two voice files, whose patterns stay byte for byte as they were.
#pragma once

#include <string>

#include "context_variants.h"

namespace voicebuild {

struct ContextRequest {
    std::string voice_dir;   // holds pln_22.als and pln_11.als
    std::string prose_path;  // UTF-8 prose, read after the built-in page
    bool remove = false;     // "none": drop the section instead
    std::vector<ContextScheme> schemes = {ContextScheme::kPair};
    ContextBudget budget;
    size_t most_sentences = 0;  // of the prose file; 0: all
    // Where the cut tokens are kept between runs (made when missing); "": nowhere.
    std::string tokens_path;
};

// From the arguments after "contexts"; false on a usage error.
bool ParseContextRequest(int argc, char** argv, ContextRequest& request);

// Does the work; returns a summary to print. Raises SException on failure.
std::string BuildContextSounds(const ContextRequest& request);

}  // namespace voicebuild
