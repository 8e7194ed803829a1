#include "model/pattern_store.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/attribute.h"

namespace {

struct SPauseSpec {
    int id;
    const char* name;
};
constexpr SPauseSpec kPauses[] = {
    {kAlfPauseDoubleLetter, "p003"},  {kAlfPauseInterWord, "p010"}, {kAlfPausePunctuation, "p050"},
    {kAlfPauseInterSentence, "p100"}, {kAlfPauseTag, "PauTag"},
};

constexpr int kPauseTagMs = 1000;
constexpr int kMaxPauseMs = 10000;

// The settings' duration for a pause id, clamped to 1..10000 ms except for
// the pause tag, whose pattern length is a fixed second.
int PauseMs(int id, const SPauseLengths& pauses) {
    int ms = 0;
    switch (id) {
        case kAlfPauseDoubleLetter:
            ms = pauses.doubleLetter;
            break;
        case kAlfPauseInterWord:
            ms = pauses.interWord;
            break;
        case kAlfPausePunctuation:
            ms = pauses.punctuation;
            break;
        case kAlfPauseInterSentence:
            ms = pauses.interSentence;
            break;
        default:
            return kPauseTagMs;
    }
    return std::clamp(ms, 1, kMaxPauseMs);
}

}  // namespace

SAlofonPatt* SAlfPattArr::PatternAt(int id) const {
    return id >= 0 && id < GetSize() ? (*this)[id] : nullptr;
}

SSounding SAlfPattArr::Sounding(int id, int contextSound) const {
    const SAlofonPatt* own = PatternAt(id);
    if (!own) return {};
    if (contextSound > 0 && deferredContextSounds_) {
        SDeferredContextSounds& deferred = *deferredContextSounds_;
        std::call_once(deferred.loaded, [&] { deferred.load(*this, contextSounds); });
    }
    const SContextSound* recorded = contextSounds.RecordingOf(id, contextSound);
    return recorded ? SSounding(*own, *recorded) : SSounding(*own);
}

void SAlfPattArr::LoadContextSoundsOnFirstUse(SContextLoader load) {
    deferredContextSounds_.reset();
    if (!load) return;
    deferredContextSounds_ = std::make_shared<SDeferredContextSounds>();
    deferredContextSounds_->load = std::move(load);
}

const SAlofonPatt& SAlfPattArr::PatternOrSilent(int id) const {
    static const SAlofonPatt silent;
    const SAlofonPatt* pattern = PatternAt(id);
    return pattern ? *pattern : silent;
}

void SAlfPattArr::Store(int id, SAlofonPatt* pattern) {
    if (id < 0) {
        delete pattern;
        return;
    }
    if (id >= GetSize()) SetSize(id + 1);
    if ((*this)[id] != pattern) delete (*this)[id];
    (*this)[id] = pattern;
}

SAlofonPatt& SAlfPattArr::PatternOrCreate(int id) {
    SAlofonPatt* pattern = PatternAt(id);
    if (!pattern) {
        pattern = new SAlofonPatt();
        pattern->id = id;
        Store(id, pattern);
    }
    return *pattern;
}

int SAlfPattArr::FindByName(std::string_view name) const {
    if (name.size() > static_cast<size_t>(SAlofonPatt::kNameSize)) return -1;
    for (int id = 0; id < GetSize(); ++id) {
        const SAlofonPatt* pattern = (*this)[id];
        if (pattern && pattern->Name() == name) return id;
    }
    return -1;
}

SPcmFormat SAlfPattArr::VoiceFormat() const {
    const SAlofonPatt* pattern = PatternAt(1);
    return pattern ? pattern->format : SPcmFormat{};
}

int PauseSamples(int rate, int ms) {
    double samples = std::round(static_cast<double>(rate) * ms * 0.001);
    if (!(samples > 0)) return 0;
    long long whole = samples > 2e9 ? 2000000000LL : static_cast<long long>(samples);
    return static_cast<int>(whole & ~15LL);
}

void SAlfPattArr::MakePause(SAlofonPatt& pattern, const SPauseLengths& pauses) const {
    const SPauseSpec* pause = std::find_if(std::begin(kPauses), std::end(kPauses),
                                           [&](const SPauseSpec& p) { return p.id == pattern.id; });
    if (pause == std::end(kPauses)) return;
    pattern.RemoveAll();
    pattern.pauseLength = PauseLength(pause->id, pauses);
    pattern.features = AF_PAUSE;
    pattern.SetName(pause->name);
}

int SAlfPattArr::PauseLength(int id, const SPauseLengths& pauses) const {
    return PauseSamples(static_cast<int>(VoiceFormat().samplesPerSec), PauseMs(id, pauses));
}

void SAlfPattArr::MakePauses(const SPauseLengths& pauses) {
    for (const SPauseSpec& pause : kPauses) MakePause(PatternOrCreate(pause.id), pauses);
}

void SAlfPattArr::CopyVoicelessTwin(int id, int sourceId, const char* name) {
    SAlofonPatt& twin = PatternOrCreate(id);
    const SAlofonPatt& source = PatternOrSilent(sourceId);
    if (&twin != &source) {
        static_cast<SSplineSegments&>(twin) = source;
        twin.format = source.format;
        twin.first = source.first;
        twin.end = source.end;
        twin.closed = source.closed;
        twin.maxe = source.maxe;
    }
    twin.features = InventoryFeatures(id);
    twin.id = id;
    twin.SetName(name);
}

void SAlfPattArr::FinishLoad(const SPauseLengths& pauses) {
    MakePauses(pauses);
    CopyVoicelessTwin(kAlfCh, kAlfH, "ch");
    CopyVoicelessTwin(kAlfChi, kAlfHi, "chi");
    SAlofonHeader null{};
    std::memcpy(null.name, "null", 4);
    null.id = kAlfNull;
    null.features = AF_SILENT;
    Store(kAlfNull, new SAlofonPatt(null, nullptr, 0, SPcmFormat{}));
    for (int id = 0; id < GetSize(); ++id)
        if (SAlofonPatt* pattern = PatternAt(id)) pattern->PrepareReading();
}

void SAlfPattArr::FinishLoad() {
    FinishLoad(DefaultAttribute());
}

SPauseLengths SPauseLengths::From(const SAttribute& settings) {
    SPauseLengths pauses;
    pauses.doubleLetter = settings.pauseDoubleLetter;
    pauses.interWord = settings.pauseInterWord;
    pauses.punctuation = settings.pausePunctuation;
    pauses.interSentence = settings.pauseInterSentence;
    return pauses;
}

SAlfPattArr& NormalVoice() {
    static SAlfPattArr store;
    return store;
}

SAlfPattArr& HalfRateVoice() {
    static SAlfPattArr store;
    return store;
}
