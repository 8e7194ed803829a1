#include "espeak_render.h"

#include <espeak-ng/speak_lib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "core/exceptions.h"

namespace voicebuild {

namespace {

// Collects audio and phoneme events into the Rendering passed as user data.
int CollectSynthesis(short* wav, int count, espeak_EVENT* events) {
    auto* out = static_cast<Rendering*>(events->user_data);
    if (out == nullptr) return 0;
    for (espeak_EVENT* ev = events; ev->type != espeakEVENT_LIST_TERMINATED; ++ev) {
        if (ev->type != espeakEVENT_PHONEME) continue;
        char name[sizeof(ev->id.string) + 1] = {};
        std::memcpy(name, ev->id.string, sizeof(ev->id.string));
        out->phonemes.push_back({name, static_cast<size_t>(ev->sample), 0});
    }
    if (wav != nullptr && count > 0) out->samples.insert(out->samples.end(), wav, wav + count);
    return 0;
}

// Runs in a fresh process: espeak-ng keeps running state (pitch flutter,
// noise from rand(), filter memories) from one utterance to the next, so a
// rendering is reproducible only when it is the first of its process.
// Returns the exit status for the child.
int RenderInThisProcess(const std::string& text, int words_per_minute, Rendering& out) {
    out.rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                 espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
    if (out.rate <= 0) return 3;
    if (espeak_SetVoiceByName("pl") != EE_OK) return 4;
    // Fixed parameters, so a user's espeak-ng defaults cannot change the voice.
    espeak_SetParameter(espeakRATE, words_per_minute, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    espeak_SetParameter(espeakPITCH, 50, 0);
    espeak_SetParameter(espeakRANGE, 50, 0);
    espeak_SetParameter(espeakWORDGAP, 0, 0);
    espeak_SetSynthCallback(CollectSynthesis);
    if (espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                     &out) != EE_OK ||
        espeak_Synchronize() != EE_OK)
        return 5;
    return 0;
}

bool WriteAll(int fd, const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = write(fd, p, size);
        if (n <= 0) return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

// The child's answer: rate, sample count, samples, event count, then per
// event its name length, name and start.
bool SendRendering(int fd, const Rendering& r) {
    uint64_t head[2] = {uint64_t(r.rate), r.samples.size()};
    bool ok =
        WriteAll(fd, head, sizeof head) && WriteAll(fd, r.samples.data(), r.samples.size() * 2);
    uint64_t count = r.phonemes.size();
    ok = ok && WriteAll(fd, &count, sizeof count);
    for (const auto& ph : r.phonemes) {
        uint64_t rec[2] = {ph.mnemonic.size(), ph.start};
        ok = ok && WriteAll(fd, rec, sizeof rec) &&
             WriteAll(fd, ph.mnemonic.data(), ph.mnemonic.size());
    }
    return ok;
}

struct Reader {
    const std::string& bytes;
    size_t at = 0;
    bool Take(void* out, size_t n) {
        if (n > bytes.size() - at) return false;
        std::memcpy(out, bytes.data() + at, n);
        at += n;
        return true;
    }
};

bool ParseRendering(const std::string& bytes, Rendering& r) {
    Reader in{bytes};
    uint64_t head[2], count;
    if (!in.Take(head, sizeof head) || head[1] > bytes.size() / 2) return false;
    r.rate = int(head[0]);
    r.samples.resize(head[1]);
    if (!in.Take(r.samples.data(), head[1] * 2) || !in.Take(&count, sizeof count) ||
        count > bytes.size())
        return false;
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t rec[2];
        if (!in.Take(rec, sizeof rec) || rec[0] > 64) return false;
        std::string name(rec[0], '\0');
        if (!in.Take(name.data(), rec[0])) return false;
        r.phonemes.push_back({name, size_t(rec[1]), 0});
    }
    return in.at == bytes.size();
}

}  // namespace

Rendering EspeakRenderer::Render(const std::string& text, int words_per_minute) {
    int fds[2];
    if (pipe(fds) != 0) ThrowExit(kExitProcessing, "cannot create a pipe for espeak-ng");
    pid_t child = fork();
    if (child < 0) ThrowExit(kExitProcessing, "cannot start espeak-ng");
    if (child == 0) {
        close(fds[0]);
        Rendering r;
        int status = RenderInThisProcess(text, words_per_minute, r);
        if (status == 0 && !SendRendering(fds[1], r)) status = 6;
        _exit(status);
    }
    close(fds[1]);
    std::string bytes;
    char buffer[65536];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0) break;
        bytes.append(buffer, size_t(n));
    }
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    Rendering out;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !ParseRendering(bytes, out))
        ThrowExit(kExitProcessing, "espeak-ng failed on \"%s\" (is its Polish voice installed?)",
                  text.c_str());

    for (size_t i = 0; i < out.phonemes.size(); ++i)
        out.phonemes[i].end =
            i + 1 < out.phonemes.size() ? out.phonemes[i + 1].start : out.samples.size();
    // Pause markers carry no sound of their own; dropping them keeps phoneme
    // indices independent of where espeak-ng chooses to pause.
    std::vector<PhonemeEvent> spoken;
    for (auto& ph : out.phonemes)
        if (!ph.mnemonic.empty() && ph.mnemonic[0] != '_') spoken.push_back(std::move(ph));
    out.phonemes = std::move(spoken);
    return out;
}

}  // namespace voicebuild
