// The engine object: owns one voice's text analyser, spelling table, user
// dictionary, bookmark buffer and output wave, and runs the speak pipeline a
// step at a time against the audio destination:
//   analyse a sentence -> sentence rules -> timing -> render a chunk of whole
//   words -> send it with its marks (engine/sentence_stages.h names each stage).
// A step never runs more than one chunk ahead of the destination's free space.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/bookmark.h"
#include "model/wave.h"

class CMode;
class ITTSCentralA;
class SAttribute;
class SAttributeSAPI;
class SAlfPattArr;
class SAudioDest;
class SDictionary;
class SSentence;
class SSpell;
class STextAnalyser;

class STtsEngine {
public:
    // Results of SpeakStep.
    static constexpr int kDestinationFull = -2;  // call again when there is room
    static constexpr int kExhaustedSilent = -1;  // text ended in this call, no sound made
    static constexpr int kNoSentence = 0;        // nothing left (or the text was empty)

    // Neither the destination nor the settings are owned; settings must outlive
    // the engine. The destination may be null until SetAudioDest.
    STtsEngine(SAudioDest* dest, SAttribute* settings);
    virtual ~STtsEngine();
    STtsEngine(const STtsEngine&) = delete;
    STtsEngine& operator=(const STtsEngine&) = delete;

    // Fills the spelling table, loads the user dictionary and both voices
    // (each at most once per process). Returns 0, or -1 after logging the
    // failure; never throws. Only mode index 0 exists.
    int Load(int modeIndex);

    // Loads the user dictionary again from the settings' ExtDict, after a
    // front end changed it; a file that fails to load leaves it empty.
    void ReloadDictionary();

    // Takes the request text (Windows-1250, or UTF-16 converted to it) and
    // resets the pipeline: the previous request is abandoned.
    void StartRequest(std::string_view text);
    void StartRequest(std::u16string_view text);

    // Produces sound into the destination until it is full or the text is
    // exhausted. Returns kDestinationFull, the bytes produced in this call when
    // the text ended in it (> 0), kExhaustedSilent, or kNoSentence. Exceptions
    // of the stages (a sound file a tag names that cannot be read) pass through.
    int SpeakStep(bool sendMarks = true, bool countOnly = false);

    // Empties the user dictionary and the spelling table and drops the destination.
    virtual int Unload();
    virtual int QueryReserved() { return 0; }
    virtual void SetAudioDest(SAudioDest* dest) { dest_ = dest; }
    virtual void ShowSettings() {}

    // Rebuilds pause pattern `index` (106..110) of the current voice from the
    // settings' pause durations. Does nothing before a voice is loaded.
    void RefreshPausePattern(int index);

    bool IsLoaded() const { return loaded_ != 0; }
    SAttribute* GetSettings() const { return settings_; }
    SAudioDest* GetAudioDest() const { return dest_; }
    SAlfPattArr* GetVoice() const { return voice_; }
    const std::string& GetText() const { return text_; }
    STextAnalyser& GetTextAnalyser() { return *analyser_; }
    SSpell& GetSpell() { return *spell_; }
    SDictionary& GetDictionary() { return *dictionary_; }
    SWave& GetWave() { return wave_; }
    SBookmarkBff& GetBookmarks() { return bookmarks_; }

protected:
    // The stages the pipeline calls; tests replace them with scripted ones.
    virtual SSentence* CurrentSentence();
    virtual SSentence* NextSentence();
    virtual int NextChunk(SSentence& sentence, bool countOnly);
    virtual void BeginText();

private:
    void LoadStages(int modeIndex);

    std::unique_ptr<STextAnalyser> analyser_;
    SAttribute* settings_;
    SAlfPattArr* voice_ = nullptr;
    uint8_t loaded_ = 0;
    std::string text_;
    std::unique_ptr<SSpell> spell_;
    std::unique_ptr<SDictionary> dictionary_;
    SAudioDest* dest_;
    uint32_t reserved_ = 0;
    SBookmarkBff bookmarks_;
    SWave wave_;
};

// The engine of a mode object: ShowSettings runs the settings property sheet.
class SVokrant : public STtsEngine {
public:
    // Runs the property sheet for an engine and the mode object's ANSI central
    // object, starting on `startPage`; installed by the settings dialogs.
    using SSettingsSheetRunner = void (*)(SVokrant& engine, ITTSCentralA* centralA, int startPage);
    static void SetSettingsSheetRunner(SSettingsSheetRunner runner);

    SVokrant(CMode* modeObject, SAudioDest* dest, SAttribute* settings)
        : STtsEngine(dest, settings), modeObject_(modeObject) {}

    CMode* GetModeObject() const { return modeObject_; }
    // The mode object's ANSI central object, set by the mode object.
    void SetCentralA(ITTSCentralA* centralA) { centralA_ = centralA; }

    // Runs the sheet on the conversions page, then sounds three tones.
    void ShowSettings() override;

private:
    CMode* modeObject_;  // the mode object that owns this engine
    ITTSCentralA* centralA_ = nullptr;
};
