#include "context_build.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/exceptions.h"
#include "espeak_render.h"
#include "model/pattern_store.h"
#include "neighbour_text.h"
#include "prose_tokens.h"
#include "soundfile/voice_loader.h"

namespace voicebuild {

namespace {

std::vector<std::string> ProseSentences(const ContextRequest& request) {
    std::vector<std::string> sentences = NeighbourText();
    std::ifstream in(request.prose_path, std::ios::binary);
    if (!in) ThrowExit(kExitProcessing, "cannot read %s", request.prose_path.c_str());
    std::string prose((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> more = SplitSentences(prose);
    if (request.most_sentences && more.size() > request.most_sentences)
        more.resize(request.most_sentences);
    sentences.insert(sentences.end(), more.begin(), more.end());
    return sentences;
}

// Tokens kept between runs: cutting them means rendering all the prose.
void SaveTokens(const std::string& path, const std::vector<ProseToken>& tokens,
                const AlignmentCount& count) {
    std::ofstream out(path, std::ios::binary);
    auto put = [&out](uint64_t v) { out.write(reinterpret_cast<const char*>(&v), sizeof v); };
    put(count.allophones);
    put(count.tokens);
    put(tokens.size());
    for (const ProseToken& t : tokens) {
        put(uint64_t(t.id));
        put(uint64_t(t.before));
        put(uint64_t(t.after));
        put(t.samples.size());
        out.write(reinterpret_cast<const char*>(t.samples.data()),
                  std::streamsize(2 * t.samples.size()));
    }
    if (!out) ThrowExit(kExitProcessing, "cannot write %s", path.c_str());
}

bool LoadTokens(const std::string& path, std::vector<ProseToken>& tokens, AlignmentCount& count) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    auto get = [&in] {
        uint64_t v = 0;
        in.read(reinterpret_cast<char*>(&v), sizeof v);
        return v;
    };
    count.allophones = get();
    count.tokens = get();
    const uint64_t n = get();
    for (uint64_t i = 0; in && i < n; ++i) {
        ProseToken t;
        t.id = int(get());
        t.before = int(get());
        t.after = int(get());
        const uint64_t samples = get();
        if (!in || samples > 1000000) return false;
        t.samples.resize(samples);
        in.read(reinterpret_cast<char*>(t.samples.data()), std::streamsize(2 * samples));
        tokens.push_back(std::move(t));
    }
    return bool(in);
}

size_t SampleCount(const std::vector<SContextRecording>& recordings) {
    size_t n = 0;
    for (const auto& r : recordings) n += r.samples.size();
    return n;
}

}  // namespace

bool ParseContextRequest(int argc, char** argv, ContextRequest& request) {
    if (argc < 2) return false;
    request.voice_dir = argv[0];
    request.prose_path = argv[1];
    for (int i = 2; i < argc; i += 2) {
        if (i + 1 >= argc) return false;
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--scheme") {
            request.remove = value == "none";
            if (!request.remove && !ParseContextSchemes(value, request.schemes)) return false;
        } else if (option == "--least") {
            request.budget.least_tokens = std::max(1, std::atoi(value.c_str()));
        } else if (option == "--seconds") {
            request.budget.most_samples = size_t(std::max(0.0, std::atof(value.c_str())) * 22050);
        } else if (option == "--tokens") {
            request.tokens_path = value;
        } else if (option == "--sentences") {
            request.most_sentences = size_t(std::max(0, std::atoi(value.c_str())));
        } else {
            return false;
        }
    }
    return true;
}

std::string BuildContextSounds(const ContextRequest& request) {
    namespace fs = std::filesystem;
    const fs::path dir(request.voice_dir);
    const std::string normalPath = (dir / "pln_22.als").string();
    const std::string halfPath = (dir / "pln_11.als").string();
    if (request.remove) {
        ReplaceContextSection(normalPath, {});
        ReplaceContextSection(halfPath, {});
        return "context recordings removed\n";
    }
    const std::string slashed = request.voice_dir.empty() ? "" : dir.string() + "/";
    LoadVoice(NormalVoice(), "pln_22.als", slashed);
    LoadVoice(HalfRateVoice(), "pln_11.als", slashed);

    EspeakRenderer espeak;
    AlignmentCount count;
    const std::vector<std::string> sentences = ProseSentences(request);
    std::vector<ProseToken> tokens;
    if (request.tokens_path.empty() || !LoadTokens(request.tokens_path, tokens, count)) {
        tokens = CutProseTokens(sentences, espeak, &count);
        if (!request.tokens_path.empty()) SaveTokens(request.tokens_path, tokens, count);
    }
    ContextVoices made = MakeContextRecordings(tokens, request.schemes, request.budget,
                                               NormalVoice(), HalfRateVoice());
    ReplaceContextSection(normalPath, made.normal);
    ReplaceContextSection(halfPath, made.half);

    char text[400];
    std::snprintf(text, sizeof text,
                  "%zu sentences, %zu allophones read, %zu found in espeak-ng's rendering; "
                  "%zu context groups with enough tokens, %zu recordings kept "
                  "(%zu samples at 22050 Hz, %zu at 11025 Hz), levels within %.2f dB of their "
                  "own patterns'; files %lld and %lld bytes\n",
                  sentences.size(), count.allophones, count.tokens, made.groups, made.normal.size(),
                  SampleCount(made.normal), SampleCount(made.half), made.worst_level_db,
                  (long long)fs::file_size(normalPath), (long long)fs::file_size(halfPath));
    return text;
}

}  // namespace voicebuild
