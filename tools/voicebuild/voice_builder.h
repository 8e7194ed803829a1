// The database step shared by both sources: a folder of recordings in, the
// normal and half-rate voice databases (and optionally the report) out.
#pragma once

#include <string>
#include <vector>

namespace voicebuild {

struct BuildRequest {
    std::string recordings_dir;  // <name>.wav at 22050 Hz for every recorded name
    std::string output_dir;      // receives pln_22.als and pln_11.als
    std::string report_path;     // empty: no report
};

struct BuildOutcome {
    // One line per missing or unfit recording; when not empty nothing was
    // written.
    std::vector<std::string> problems;
    std::vector<std::string> written;  // paths of the files written
};

// Deterministic: the same folder gives byte-identical files. Failures while
// writing raise SExitException.
BuildOutcome BuildVoice(const BuildRequest& request);

}  // namespace voicebuild
