// What the General page remembers between its events, for every front end:
// the values on its sliders, the pause durations the patterns were built
// with, and what a trial run ("&Testuj") changed so that Cancel can undo it.
#pragma once

#include <string>
#include <vector>

#include "dialogs/general_values.h"

class SAttribute;
class STestSpeaker;

class SGeneralPageState {
public:
    explicit SGeneralPageState(SAttribute& settings);

    const SGeneralValues& Values() const { return values_; }

    // A slider came to rest: the values to show again (pitch and speed move together).
    std::vector<SGeneralValue> SliderCameToRest(SGeneralValue v, int position);
    // "&Domyślne".
    void Defaults() { values_ = SGeneralValues::Defaults(); }
    // "&Testuj": stores the values for a trial and speaks `text`
    // (Windows-1250). False when there is no speaker or it failed.
    bool Test(STestSpeaker* speaker, const std::string& text);
    // OK: stores the values; returns the pause patterns to rebuild.
    std::vector<int> Ok();
    // Cancel: undoes what a trial stored.
    void Cancel();

private:
    SAttribute& settings_;
    SGeneralValues values_;
    SGeneralValues builtWith_;      // pause durations the patterns hold
    SGeneralSnapshot beforeTrial_;  // what Cancel puts back after "&Testuj"
    bool trialStored_ = false;
};
