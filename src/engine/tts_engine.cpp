#include "engine/tts_engine.h"

#include <exception>
#include <ios>

#include "core/attribute.h"
#include "core/audio_dest.h"
#include "core/exceptions.h"
#include "engine/sentence_stages.h"
#include "model/allophone_ids.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "platform/beep.h"
#include "platform/codepage.h"
#include "platform/log.h"
#include "soundfile/voice_loader.h"
#include "synthesis/apply_tag.h"
#include "synthesis/chunk_generator.h"
#include "synthesis/join_smoothing.h"
#include "synthesis/voices.h"
#include "text/dictionary.h"
#include "text/spell.h"
#include "text/text_analyser.h"

namespace {

// Loads a voice database into a process-wide store unless it already holds
// patterns. The join periods of the context recordings (hundreds of them)
// are searched for at load only when joins are smoothed from the start;
// otherwise a join that needs one finds it as it goes.
void LoadVoiceOnce(SAlfPattArr& store, const char* fileName, const std::string& workDir,
                   bool smoothJoins, SContextLoading contextLoading) {
    if (store.GetSize() > 0) return;
    LoadVoice(store, fileName, workDir, nullptr, contextLoading);
    PrepareJoinEdges(store, smoothJoins);
}

// Tags that reach outside the settings act through the engine: a sound file
// the sentence loaded goes to the destination at once, the dialog tag opens
// the settings.
class SEngineTagActions : public STagActions {
public:
    SEngineTagActions(STtsEngine& engine, SSentence& sentence)
        : engine_(engine), sentence_(sentence) {}

    void SendSentenceWave() override {
        SAudioDest* dest = engine_.GetAudioDest();
        if (dest && sentence_.wave.Unsent() > 0) sentence_.wave.Send(*dest, nullptr);
    }
    void ShowSettings() override { engine_.ShowSettings(); }

private:
    STtsEngine& engine_;
    SSentence& sentence_;
};

}  // namespace

STtsEngine::STtsEngine(SAudioDest* dest, SAttribute* settings)
    : analyser_(std::make_unique<STextAnalyser>()),
      settings_(settings),
      spell_(std::make_unique<SSpell>()),
      dictionary_(std::make_unique<SDictionary>()),
      dest_(dest) {
    analyser_->Attach(settings_, spell_.get(), dictionary_.get());
}

STtsEngine::~STtsEngine() {
    // Unload is virtual: call our own, the derived part is already gone.
    STtsEngine::Unload();
}

void STtsEngine::LoadStages(int modeIndex) {
    spell_->Load();
    if (settings_) {
        // A dictionary that fails to load stays empty; loading goes on.
        std::string extDict = settings_->extDict;
        dictionary_->Load(extDict, settings_->workDir);
    }
    if (modeIndex != 0)
        ThrowExit(kExitLoadArgument,
                  "b\xB3\xEA"
                  "dny argument \xB3"
                  "adowania alofon\xF3w");
    const std::string workDir = settings_ ? settings_->workDir : std::string();
    const bool smoothJoins = settings_ && settings_->smoothJoins;
    LoadVoiceOnce(NormalVoice(), "pln_22.als", workDir, smoothJoins, SContextLoading::kAtOnce);
    // Only the fastest speech reads the half-rate voice: its context
    // recordings are read when it first needs one.
    LoadVoiceOnce(HalfRateVoice(), "pln_11.als", workDir, smoothJoins,
                  SContextLoading::kOnFirstUse);
    voice_ = &NormalVoice();
}

int STtsEngine::Load(int modeIndex) {
    loaded_ = 0;
    try {
        LoadStages(modeIndex);
        loaded_ = 1;
        return 0;
    } catch (const char* message) {
        LogException(message);
    } catch (const SException& e) {
        LogException(e.GetMessage());
    } catch (const std::ios_base::failure&) {
        LogMessage("wyj\xB9tek operacji na plikach.\n");
    } catch (...) {
        LogMessage(
            "Wyst\xB9pi\xB3 nieznany b\xB3\xB9"
            "d \xB3"
            "adowania zasob\xF3w.\n");
    }
    return -1;
}

void STtsEngine::StartRequest(std::string_view text) {
    text_.assign(text.data(), text.size());
    BeginText();
    wave_.Clear();
    bookmarks_.SetSize(0);
}

void STtsEngine::StartRequest(std::u16string_view text) {
    StartRequest(Utf16ToCp1250(text));
}

void STtsEngine::BeginText() {
    analyser_->BeginText(text_.c_str());
}

SSentence* STtsEngine::CurrentSentence() {
    return analyser_->CurrentSentence();
}

SSentence* STtsEngine::NextSentence() {
    return NextReadySentence(*analyser_);
}

int STtsEngine::NextChunk(SSentence& sentence, bool countOnly) {
    SEngineTagActions actions(*this, sentence);
    SChunkContext context;
    context.settings = settings_ ? settings_ : &DefaultAttribute();
    context.voices = SVoicePair::Shared();
    context.actions = &actions;
    return ::NextChunk(sentence, wave_, bookmarks_, countOnly, context);
}

int STtsEngine::SpeakStep(bool sendMarks, bool countOnly) {
    SSentence* sentence = CurrentSentence();
    if (!sentence) sentence = NextSentence();
    if (!sentence) return kNoSentence;
    int total = 0;
    for (;;) {
        int chunk = NextChunk(*sentence, countOnly);
        if (chunk > 0 && !countOnly) {
            // Without a destination the chunk has nowhere to go: report it full.
            if (!dest_ || wave_.Send(*dest_, sendMarks ? &bookmarks_ : nullptr, reserved_))
                return kDestinationFull;
        }
        total += chunk;
        if (chunk > 0) continue;
        // Tag marks after the sentence's last sound come without bytes; they
        // all go out at once, whatever room the destination has.
        if (!countOnly && sendMarks && dest_ && bookmarks_.GetSize() > 0)
            wave_.Send(*dest_, &bookmarks_, reserved_);
        sentence = NextSentence();
        if (!sentence) return total != 0 ? total : kExhaustedSilent;
    }
}

void STtsEngine::ReloadDictionary() {
    dictionary_->RemoveAll();
    if (settings_) dictionary_->Load(settings_->extDict, settings_->workDir);
}

int STtsEngine::Unload() {
    dictionary_->RemoveAll();
    spell_->RemoveAll();
    SetAudioDest(nullptr);
    return 0;
}

void STtsEngine::RefreshPausePattern(int index) {
    if (!voice_ || !settings_ || index < kAlfFirstPause || index > kAlfLastPause) return;
    SAlofonPatt* pattern = voice_->PatternAt(index);
    if (!pattern) return;
    SPauseLengths pauses;
    pauses.doubleLetter = settings_->pauseDoubleLetter;
    pauses.interWord = settings_->pauseInterWord;
    pauses.punctuation = settings_->pausePunctuation;
    pauses.interSentence = settings_->pauseInterSentence;
    voice_->MakePause(*pattern, pauses);
}

namespace {
SVokrant::SSettingsSheetRunner g_sheetRunner = nullptr;
constexpr int kConversionsPage = 2;
}  // namespace

void SVokrant::SetSettingsSheetRunner(SSettingsSheetRunner runner) {
    g_sheetRunner = runner;
}

void SVokrant::ShowSettings() {
    if (!g_sheetRunner) {
        LogMessage("not implemented.\n");
        return;
    }
    g_sheetRunner(*this, centralA_, kConversionsPage);
    Beep(1000, 100);
    Beep(800, 50);
    Beep(600, 200);
}
