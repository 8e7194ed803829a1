// voicebuild: makes the voice databases pln_22.als and pln_11.als.
//
//   voicebuild extract DIR              espeak-ng carriers -> DIR/<name>.wav (22050 Hz)
//   voicebuild build DIR OUTDIR [--report FILE]
//                                       DIR/<name>.wav -> OUTDIR/pln_22.als, OUTDIR/pln_11.als
//
// Exit status: 0 success, 2 usage error, 1 any other error.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/exceptions.h"
#include "espeak_source.h"
#include "wave_folder.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: voicebuild extract DIR\n"
                 "       voicebuild build DIR OUTDIR [--report FILE]\n");
    return 2;
}

int Extract(const std::string& dir) {
    voicebuild::RecordingSet set = voicebuild::ExtractFromEspeak();
    voicebuild::WriteWaveFolder(dir, set);
    std::printf("%zu allophones written to %s\n", set.recordings.size(), dir.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::strcmp(argv[1], "extract") == 0) return Extract(argv[2]);
        return Usage();
    } catch (const SException& e) {
        std::fprintf(stderr, "voicebuild: %s\n", e.GetMessage());
        return 1;
    }
}
